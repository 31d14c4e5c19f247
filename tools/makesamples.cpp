// Writes the sample photographs of samples/ and the seed files of the reader's fuzzing corpus.
//
//     makesamples <samples folder> <corpus folder>
//
// The scenes are computed, not photographed: a mug of hot coffee on a table, a radiator under a
// window, and a fuse box with one warm breaker. Each has a temperature field, and every picture
// of the file (gray matrix, Screen image with the camera's border, visible Camera image) is drawn
// from the same geometry, so that hottest, coldest and centre points agree across them.
#include "support/radiometricfile.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

#include <cstdio>
#include <functional>

namespace {

constexpr int matrixWidth = 384;
constexpr int matrixHeight = 288;
constexpr int marginTop = 13;
constexpr int marginBottom = 13;

// Temperature in ℃ at a point of the scene, x and y from 0 to 1 across the picture.
using Field = std::function<double(double x, double y)>;
// Paints the visible scene into a painter whose device is width × height.
using Scene = std::function<void(QPainter& painter, int width, int height)>;

double smoothStep(double edge0, double edge1, double v)
{
    const double t = qBound(0.0, (v - edge0) / (edge1 - edge0), 1.0);
    return t * t * (3 - 2 * t);
}

double mugField(double x, double y)
{
    double t = 21.5 - 1.2 * y + 0.4 * std::sin(x * 7.0);
    if (y > 0.68)
        t = 19.8 + 0.8 * (1 - y) + 0.3 * std::cos(x * 11.0);
    // The warm patch the mug leaves on the table.
    const double dx = (x - 0.5) / 0.2;
    const double dy = (y - 0.76) / 0.05;
    t += 4.0 * std::exp(-(dx * dx + dy * dy));
    const bool body = x > 0.38 && x < 0.62 && y > 0.3 && y < 0.75;
    if (body) {
        const double edge = std::min(x - 0.38, 0.62 - x) / 0.12;
        t = 48.0 + 13.0 * std::sqrt(qBound(0.0, edge, 1.0)) - 6.0 * (y - 0.3);
    }
    const double hx = (x - 0.65) / 0.045;
    const double hy = (y - 0.48) / 0.11;
    const double ring = std::sqrt(hx * hx + hy * hy);
    if (ring > 0.55 && ring < 1.0 && x > 0.62)
        t = 38.0 + 4.0 * (1.0 - ring);
    if (x > 0.39 && x < 0.61 && y > 0.285 && y < 0.33)
        t = 66.0 + 3.0 * smoothStep(0.39, 0.5, x) * smoothStep(0.61, 0.5, x);
    // Steam above the cup.
    const double sx = (x - 0.5 - 0.03 * std::sin(y * 30)) / 0.06;
    if (y < 0.285 && y > 0.05)
        t += 6.0 * std::exp(-sx * sx) * (y - 0.05) / 0.235;
    return t;
}

void mugScene(QPainter& painter, int width, int height)
{
    const double w = width;
    const double h = height;
    QLinearGradient wall(0, 0, 0, 0.68 * h);
    wall.setColorAt(0, QColor(214, 206, 190));
    wall.setColorAt(1, QColor(189, 180, 163));
    painter.fillRect(QRectF(0, 0, w, 0.68 * h), wall);
    QLinearGradient table(0, 0.68 * h, 0, h);
    table.setColorAt(0, QColor(120, 82, 52));
    table.setColorAt(1, QColor(86, 56, 34));
    painter.fillRect(QRectF(0, 0.68 * h, w, 0.32 * h), table);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(235, 235, 232), 0.03 * w));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QRectF(0.605 * w, 0.37 * h, 0.09 * w, 0.22 * h));
    painter.setPen(Qt::NoPen);
    QLinearGradient body(0.38 * w, 0, 0.62 * w, 0);
    body.setColorAt(0, QColor(200, 200, 198));
    body.setColorAt(0.4, QColor(250, 250, 248));
    body.setColorAt(1, QColor(180, 180, 178));
    painter.setBrush(body);
    painter.drawRoundedRect(QRectF(0.38 * w, 0.3 * h, 0.24 * w, 0.45 * h), 0.02 * w, 0.02 * w);
    painter.setBrush(QColor(70, 40, 22));
    painter.drawEllipse(QRectF(0.39 * w, 0.285 * h, 0.22 * w, 0.045 * h));
}

double radiatorField(double x, double y)
{
    double t = 18.5 + 1.5 * y;
    // Cold air falls from the window above.
    if (y < 0.35 && x > 0.2 && x < 0.8)
        t = 9.5 + 8.0 * smoothStep(0.0, 0.35, y);
    if (x > 0.15 && x < 0.85 && y > 0.5 && y < 0.9) {
        const double fin = 0.5 + 0.5 * std::cos((x - 0.15) / 0.7 * 2 * M_PI * 14);
        // Hot water enters at the top left and cools towards the bottom right.
        t = 58.0 - 14.0 * (y - 0.5) / 0.4 - 8.0 * (x - 0.15) / 0.7 - 6.0 * fin;
    }
    if (y > 0.9)
        t = 17.0 + 2.0 * std::exp(-std::pow((x - 0.2) / 0.05, 2)) * 15.0;
    return t;
}

void radiatorScene(QPainter& painter, int width, int height)
{
    const double w = width;
    const double h = height;
    painter.fillRect(QRectF(0, 0, w, h), QColor(226, 224, 216));
    painter.fillRect(QRectF(0.2 * w, 0, 0.6 * w, 0.35 * h), QColor(150, 180, 205));
    painter.setPen(QPen(QColor(250, 250, 250), 0.015 * w));
    painter.drawRect(QRectF(0.2 * w, 0, 0.6 * w, 0.35 * h));
    painter.drawLine(QPointF(0.5 * w, 0), QPointF(0.5 * w, 0.35 * h));
    painter.setPen(Qt::NoPen);
    painter.fillRect(QRectF(0.15 * w, 0.5 * h, 0.7 * w, 0.4 * h), QColor(242, 242, 240));
    painter.setPen(QPen(QColor(205, 205, 202), 0.004 * w));
    for (int i = 0; i <= 28; ++i) {
        const double x = 0.15 * w + i * 0.7 * w / 28;
        painter.drawLine(QPointF(x, 0.5 * h), QPointF(x, 0.9 * h));
    }
    painter.fillRect(QRectF(0, 0.9 * h, w, 0.1 * h), QColor(160, 130, 95));
    painter.fillRect(QRectF(0.18 * w, 0.88 * h, 0.04 * w, 0.12 * h), QColor(200, 200, 200));
}

double fuseBoxField(double x, double y)
{
    double t = 24.0 + 1.0 * y;
    if (x > 0.1 && x < 0.9 && y > 0.15 && y < 0.85)
        t = 26.0;
    for (int i = 0; i < 8; ++i) {
        const double left = 0.15 + i * 0.09;
        if (x > left && x < left + 0.07 && y > 0.35 && y < 0.65)
            t = 28.0 + (i == 5 ? 44.0 * (1.0 - std::abs(y - 0.45) * 2.5) : 1.5 * std::sin(i));
    }
    // The loose terminal above the overloaded breaker.
    const double dx = (x - 0.645) / 0.03;
    const double dy = (y - 0.33) / 0.03;
    t += 20.0 * std::exp(-(dx * dx + dy * dy));
    return t;
}

void fuseBoxScene(QPainter& painter, int width, int height)
{
    const double w = width;
    const double h = height;
    painter.fillRect(QRectF(0, 0, w, h), QColor(200, 198, 192));
    painter.fillRect(QRectF(0.1 * w, 0.15 * h, 0.8 * w, 0.7 * h), QColor(236, 236, 234));
    painter.fillRect(QRectF(0.12 * w, 0.33 * h, 0.76 * w, 0.34 * h), QColor(120, 120, 124));
    for (int i = 0; i < 8; ++i) {
        const double left = (0.15 + i * 0.09) * w;
        painter.fillRect(QRectF(left, 0.35 * h, 0.07 * w, 0.3 * h), QColor(248, 248, 246));
        painter.fillRect(QRectF(left + 0.02 * w, 0.45 * h, 0.03 * w, 0.06 * h),
                         i == 5 ? QColor(30, 110, 40) : QColor(60, 60, 60));
    }
}

struct Photograph
{
    QVector<qint16> temperatures;
    QByteArray gray;
    qint16 minimum = 0;
    qint16 maximum = 0;
    QPoint hottest, coldest;
};

Photograph measure(const Field& field)
{
    Photograph photo;
    photo.temperatures.resize(matrixWidth * matrixHeight);
    for (int y = 0; y < matrixHeight; ++y) {
        for (int x = 0; x < matrixWidth; ++x) {
            const double t = field((x + 0.5) / matrixWidth, (y + 0.5) / matrixHeight);
            photo.temperatures[y * matrixWidth + x] = qint16(qRound(t * 10));
        }
    }
    int hottest = 0;
    int coldest = 0;
    for (int i = 1; i < photo.temperatures.size(); ++i) {
        if (photo.temperatures[i] > photo.temperatures[hottest])
            hottest = i;
        if (photo.temperatures[i] < photo.temperatures[coldest])
            coldest = i;
    }
    photo.maximum = photo.temperatures[hottest];
    photo.minimum = photo.temperatures[coldest];
    photo.hottest = QPoint(hottest % matrixWidth, hottest / matrixWidth);
    photo.coldest = QPoint(coldest % matrixWidth, coldest / matrixWidth);
    const double span = qMax(1, photo.maximum - photo.minimum);
    for (qint16 cell : qAsConst(photo.temperatures))
        photo.gray.append(char(qRound((cell - photo.minimum) * 255.0 / span)));
    return photo;
}

// The camera's own rendering: an iron-like ramp, with a black status bar above and below.
QImage screenImage(const Photograph& photo, const QSize& size)
{
    QImage thermal(matrixWidth, matrixHeight, QImage::Format_RGB32);
    for (int y = 0; y < matrixHeight; ++y) {
        for (int x = 0; x < matrixWidth; ++x) {
            const double v = uchar(photo.gray[y * matrixWidth + x]) / 255.0;
            const int r = qBound(0, int(255 * std::sqrt(v) * 1.1), 255);
            const int g = qBound(0, int(255 * v * v), 255);
            const int b =
              qBound(0, int(255 * std::sin(v * M_PI) * 0.8 + 255 * v * v * v * 0.5), 255);
            thermal.setPixel(x, y, qRgb(r, g, b));
        }
    }
    QImage screen(size, QImage::Format_RGB32);
    screen.fill(Qt::black);
    QPainter painter(&screen);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRect(0, marginTop, size.width(), size.height() - marginTop - marginBottom),
                      thermal);
    return screen;
}

QImage cameraImage(const Scene& scene, const QSize& size)
{
    QImage camera(size, QImage::Format_RGB32);
    QPainter painter(&camera);
    scene(painter, size.width(), size.height());
    // A little sensor noise so the JPEG looks like a photograph rather than a drawing.
    quint32 seed = 12345;
    for (int y = 0; y < size.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(camera.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            seed = seed * 1664525u + 1013904223u;
            const int n = int(seed >> 29) - 4;
            const QRgb p = line[x];
            line[x] = qRgb(qBound(0, qRed(p) + n, 255),
                           qBound(0, qGreen(p) + n, 255),
                           qBound(0, qBlue(p) + n, 255));
        }
    }
    return camera;
}

QPoint screenPoint(const QPoint& cell, const QSize& screen)
{
    const int inner = screen.height() - marginTop - marginBottom;
    return QPoint(cell.x() * screen.width() / matrixWidth,
                  marginTop + cell.y() * inner / matrixHeight);
}

// A rectangle shape over the cells between two corners (fractions of the picture), carrying
// the hottest and coldest cell inside it as the program would have measured them.
ShapeRecord measuredBox(const Photograph& photo, const QPointF& from, const QPointF& to)
{
    ShapeRecord box;
    box.type = 2;
    box.start = { quint16(from.x() * 10000), quint16(from.y() * 10000), 0 };
    box.end = { quint16(to.x() * 10000), quint16(to.y() * 10000), 0 };
    QPoint hottest(-1, -1);
    QPoint coldest(-1, -1);
    auto at = [&](const QPoint& cell) {
        return photo.temperatures[cell.y() * matrixWidth + cell.x()];
    };
    for (int y = int(from.y() * matrixHeight); y < int(to.y() * matrixHeight); ++y) {
        for (int x = int(from.x() * matrixWidth); x < int(to.x() * matrixWidth); ++x) {
            const QPoint cell(x, y);
            if (hottest.x() < 0 || at(cell) >= at(hottest))
                hottest = cell;
            if (coldest.x() < 0 || at(cell) < at(coldest))
                coldest = cell;
        }
    }
    auto entry = [&](const QPoint& cell) {
        return RecordPoint{ quint16(cell.x() * 10000 / matrixWidth),
                            quint16(cell.y() * 10000 / matrixHeight),
                            at(cell) };
    };
    box.maximum = entry(hottest);
    box.minimum = entry(coldest);
    return box;
}

struct Sample
{
    QString name;
    Field field;
    Scene scene;
    int jpegCount;
    qint32 deviceLength;
    qint32 palette;
    bool withBox;
    QByteArray trailer;
};

QByteArray compose(const Sample& sample)
{
    const Photograph photo = measure(sample.field);
    const QSize screenSize(640, 480);
    RadiometricFile file;
    file.jpegs.clear();
    const QByteArray screen = RadiometricFile::jpeg(screenImage(photo, screenSize), 88);
    const QByteArray camera =
      RadiometricFile::jpeg(cameraImage(sample.scene, QSize(1280, 960)), 85);
    if (sample.jpegCount == 3)
        file.jpegs << screen;
    file.jpegs << screen;
    if (sample.jpegCount >= 2)
        file.jpegs << camera;
    file.temperatures =
      RadiometricFile::temperatureSection(matrixWidth, matrixHeight, photo.temperatures);
    file.gray = RadiometricFile::graySection(matrixWidth, matrixHeight, photo.gray);

    DeviceInfo& device = file.device;
    device.length = sample.deviceLength;
    device.text1 = "KX-384 Pro";
    device.text2 = "SN 2611-0457";
    device.captureTime = "2026-11-21 14:32:07";
    const QPoint centreCell(matrixWidth / 2, matrixHeight / 2);
    const QPoint centre = screenPoint(centreCell, screenSize);
    const QPoint hottest = screenPoint(photo.hottest, screenSize);
    const QPoint coldest = screenPoint(photo.coldest, screenSize);
    device.centreX = quint16(centre.x());
    device.centreY = quint16(centre.y());
    device.centreTemperature = photo.temperatures[centreCell.y() * matrixWidth + centreCell.x()];
    device.maxX = quint16(hottest.x());
    device.maxY = quint16(hottest.y());
    device.maxTemperature = photo.maximum;
    device.minX = quint16(coldest.x());
    device.minY = quint16(coldest.y());
    device.minTemperature = photo.minimum;
    device.emissivity = 95;
    device.palette = sample.palette;
    device.unit = 0;
    device.storedBlend = 100;
    device.marginTop = marginTop;
    device.marginBottom = marginBottom;
    file.trailer = sample.trailer;
    if (sample.withBox) {
        const ShapeRecord box = measuredBox(photo, QPointF(0.12, 0.3), QPointF(0.88, 0.7));
        file.trailer.prepend(RadiometricFile::shapeBlock({ box }));
    }
    return file.bytes();
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Small files that reach every branch of the reader, for the fuzzer to start from.
QList<QPair<QString, QByteArray>> corpus()
{
    QList<QPair<QString, QByteArray>> files;
    auto shape = [](int type, quint16 a, quint16 b) {
        ShapeRecord record;
        record.type = type;
        record.start = { a, b, 0 };
        record.end = { b, a, 0 };
        record.maximum = { a, a, 412 };
        record.minimum = { b, b, -35 };
        return record;
    };
    const QList<ShapeRecord> shapes{
        shape(0, 2500, 5000), shape(1, 1000, 9000), shape(2, 3000, 4000), shape(3, 100, 9900)
    };
    auto small = [] {
        RadiometricFile file;
        file.jpegs = { RadiometricFile::jpeg(QSize(16, 12), Qt::red),
                       RadiometricFile::jpeg(QSize(8, 8), Qt::green) };
        return file;
    };

    RadiometricFile two = small();
    files.append({ QStringLiteral("two-jpegs"), two.bytes() });
    two.trailer = RadiometricFile::shapeBlock(shapes) + RadiometricFile::featureBlock(0);
    files.append({ QStringLiteral("shapes-and-feature"), two.bytes() });
    two.trailer = RadiometricFile::featureBlock(1);
    files.append({ QStringLiteral("feature-only"), two.bytes() });
    two.trailer = RadiometricFile::shapeBlock(shapes) + RadiometricFile::featureBlock(1) +
                  RadiometricFile::extensionBlock("{\"version\":1,\"blend\":30}");
    files.append({ QStringLiteral("extension-block"), two.bytes() });
    two.trailer = RadiometricFile::featureBlock(0) +
                  RadiometricFile::extensionBlock(
                    "{\"version\":1,\"blend\":64,\"later\":{\"a\":[1,2.5,\"x\"]},\"note\":\"n\"}");
    files.append({ QStringLiteral("extension-unknown-keys"), two.bytes() });

    RadiometricFile one = small();
    one.jpegs.removeLast();
    one.device.length = 104;
    files.append({ QStringLiteral("one-jpeg-104"), one.bytes() });

    RadiometricFile three = small();
    three.jpegs.prepend(RadiometricFile::jpeg(QSize(8, 4), Qt::blue));
    three.device.length = 60;
    three.device.marginTop = 2;
    files.append({ QStringLiteral("three-jpegs-short-device"), three.bytes() });
    return files;
}

} // namespace

int main(int argc, char* argv[])
{
    // Only images are drawn; no window, so no display is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: makesamples <samples folder> <corpus folder>\n");
        return 2;
    }
    const QDir samples(QString::fromLocal8Bit(argv[1]));
    const QDir seeds(QString::fromLocal8Bit(argv[2]));
    if (!QDir().mkpath(samples.path()) || !QDir().mkpath(seeds.path()))
        return 1;

    const QList<Sample> list{
        { QStringLiteral("coffee-mug.jpg"), mugField, mugScene, 2, 104, 1, false, QByteArray() },
        { QStringLiteral("radiator.jpg"),
          radiatorField,
          radiatorScene,
          1,
          112,
          0,
          false,
          RadiometricFile::featureBlock(1) },
        { QStringLiteral("fuse-box.jpg"),
          fuseBoxField,
          fuseBoxScene,
          3,
          112,
          1,
          true,
          RadiometricFile::featureBlock(1) },
    };
    for (const Sample& sample : list) {
        if (!writeFile(samples.filePath(sample.name), compose(sample)))
            return 1;
    }
    for (const auto& [name, bytes] : corpus()) {
        if (!writeFile(seeds.filePath(name), bytes))
            return 1;
    }
    return 0;
}
