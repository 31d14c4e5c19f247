#include "model/imageentity.h"
#include "model/radiometriclayout.h"
#include "model/radiometricreader.h"
#include "support/logcapture.h"
#include "support/radiometricfile.h"

#include <QBuffer>
#include <QImageWriter>
#include <QtTest>

#include <limits>

namespace {

QString rangeText(const QPoint& range)
{
    return QStringLiteral("QPoint(%1,%2)").arg(range.x()).arg(range.y());
}

QByteArray concat(const QList<QByteArray>& parts)
{
    QByteArray bytes;
    for (const QByteArray& part : parts)
        bytes += part;
    return bytes;
}

QImage decoded(const QByteArray& jpeg)
{
    return QImage::fromData(jpeg);
}

// A Screen picture whose border rows and columns differ from its inside, so a crop that takes
// the wrong rectangle shows up.
QImage bandedScreen(const QSize& size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(QColor(240, 240, 240));
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            if (y < 13 || y >= size.height() - 13 || x < 11)
                image.setPixel(x, y, qRgb(10, 20 + x % 50, 30));
        }
    }
    return image;
}

ShapeRecord record(int type,
                   RecordPoint start,
                   RecordPoint end,
                   RecordPoint maximum,
                   RecordPoint minimum)
{
    ShapeRecord shape;
    shape.type = type;
    shape.start = start;
    shape.end = end;
    shape.maximum = maximum;
    shape.minimum = minimum;
    return shape;
}

QList<ShapeRecord> oneOfEachKind()
{
    return {
        record(3, { 100, 200, 11 }, { 9000, 9500, 12 }, { 5000, 5100, 455 }, { 100, 300, -12 }),
        record(0, { 7, 8, 99 }, { 9, 10, 98 }, { 2500, 5000, 365 }, { 11, 12, 97 }),
        record(1, { 1000, 2000, 77 }, { 3000, 4000, 88 }, { 1500, 2500, 412 }, { 2900, 3900, -35 }),
        record(2, { 0, 0, 1 }, { 10000, 10000, 2 }, { 65535, 1, 2147483647 }, { 1, 65535, -32768 })
    };
}

// What a failing read leaves behind: its last debug line and its English error.
struct Failure
{
    QString lastLine;
    QString error;
};

QTestData& operator<<(QTestData& row, const Failure& failure)
{
    return row << failure.lastLine << failure.error;
}

struct LoggedRead
{
    bool ok = false;
    // A reader that leaves this on success has not emptied the caller's text.
    QString error = QStringLiteral("left from before");
    QStringList lines;
    int warnings = 0;
};

LoggedRead* logged = nullptr;
QtMessageHandler handlerBefore = nullptr;
bool passOn = false;

void logMessage(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtDebugMsg)
        logged->lines.append(message.trimmed());
    else
        ++logged->warnings;
    if (passOn && handlerBefore)
        handlerBefore(type, context, message);
}

// Reads with the messages collected; only a read that passes them on reaches a LogCapture.
LoggedRead readLogged(const QByteArray& bytes,
                      ImageEntity& entity,
                      RadiometricReader::Images images,
                      bool passMessagesOn)
{
    LoggedRead read;
    logged = &read;
    passOn = passMessagesOn;
    handlerBefore = qInstallMessageHandler(logMessage);
    read.ok = RadiometricReader::read(bytes, entity, &read.error, images);
    qInstallMessageHandler(handlerBefore);
    logged = nullptr;
    return read;
}

// Every field a read fills but the images, a group per line; numbers as text to every digit.
QStringList fieldsBesideImages(const ImageEntity& e)
{
    const auto n = [](float value) { return QString::number(double(value), 'g', 9); };
    const ImageDetails& d = e.details;
    QStringList fields{ QString(), QString(), QString() };
    QDebug(&fields[0]) << e.featureLength << e.screenLength << e.cameraLength << e.screenWidth
                       << e.screenHeight << e.temperatureWidth << e.temperatureHeight << e.grayWidth
                       << e.grayHeight << e.loaded;
    QDebug(&fields[1]) << d.infoLength << d.infoText1 << d.infoText2 << d.captureTime
                       << d.emissivity << d.palette << d.unit << d.blend << d.margin.top
                       << d.margin.right << d.margin.bottom << d.margin.left << d.featureShown;
    for (const FeaturePoint* p :
         { &d.feature.centrePoint, &d.feature.maxPoint, &d.feature.minPoint })
        fields[2] += QStringLiteral("%1 %2 %3 ").arg(p->x).arg(p->y).arg(n(p->temperature));
    for (const ImageDrawPath& shape : e.image_drawpaths) {
        QString line = QStringLiteral("%1 %2").arg(shape.type).arg(shape.path.elementCount());
        for (const PathPoint& p : shape.points)
            line += QStringLiteral(" %1 %2 %3 %4").arg(n(p.x), n(p.y), n(p.value)).arg(p.unit);
        fields << line;
    }
    return fields;
}

void compareSkipWithDecode(const LoggedRead& decode,
                           const ImageEntity& decoded,
                           const LoggedRead& skip,
                           const ImageEntity& skipped)
{
    QCOMPARE(decode.error.isEmpty(), decode.ok);
    QCOMPARE(skip.ok, decode.ok);
    QCOMPARE(skip.error, decode.error);
    QCOMPARE(skip.lines, decode.lines);
    // The JPEG decoder reports damaged data as warnings; a read that runs no decoder writes none.
    QCOMPARE(skip.warnings, 0);
    QCOMPARE(fieldsBesideImages(skipped), fieldsBesideImages(decoded));
    QCOMPARE(skipped.temperatureData, decoded.temperatureData);
    QCOMPARE(skipped.grayData, decoded.grayData);
    QVERIFY(skipped.featureImage.isNull());
    QVERIFY(skipped.screenImage.isNull());
    QVERIFY(skipped.cameraImage.isNull());
}

// Reads as the window does, and again without images: every file a test builds thereby also
// checks that skipping the images changes nothing else. Returns the decoding read's result.
bool readBothWays(const QByteArray& bytes, ImageEntity& entity, QString* error = nullptr)
{
    const LoggedRead decode = readLogged(bytes, entity, RadiometricReader::Images::Decode, true);
    ImageEntity skipped;
    const LoggedRead skip = readLogged(bytes, skipped, RadiometricReader::Images::Skip, false);
    compareSkipWithDecode(decode, entity, skip, skipped);
    if (error)
        *error = decode.error;
    return decode.ok;
}

QByteArray withByte(QByteArray bytes, int at, char value)
{
    bytes[at] = value;
    return bytes;
}

} // namespace

Q_DECLARE_METATYPE(QList<ShapeRecord>)

class TestRadiometricReader : public QObject
{
    Q_OBJECT

private slots:
    void qtWritesJfifJpegs();
    void logsEverySectionInOrder();
    void failures_data();
    void failures();
    void everyPrefixOfASoundFile();
    void jpegCounts_data();
    void jpegCounts();
    void jpegSearch_data();
    void jpegSearch();
    void deviceBlock_data();
    void deviceBlock();
    void deviceFields();
    void blend_data();
    void blend();
    void screenCrop_data();
    void screenCrop();
    void oversizedImageIsNotDecoded_data();
    void oversizedImageIsNotDecoded();
    void skippingRunsNoDecoder();
    void skippedFrameSizes_data();
    void skippedFrameSizes();
    void matricesKeepTheirBytes();
    void trailer_data();
    void trailer();
    void shapeRecords();
    void samples_data();
    void samples();
    void logCapturesNest();
};

void TestRadiometricReader::qtWritesJfifJpegs()
{
    // Every test photograph relies on Qt opening its JPEGs with an APP0 segment.
    const QByteArray jpeg = RadiometricFile::jpeg(QSize(8, 8));
    QCOMPARE(jpeg.left(4), QByteArray("\xFF\xD8\xFF\xE0", 4));
    QCOMPARE(jpeg.right(2), QByteArray("\xFF\xD9", 2));
}

void TestRadiometricReader::logsEverySectionInOrder()
{
    const RadiometricFile file;
    const int a = file.jpegs[0].size();
    const int b = a + file.jpegs[1].size();
    const qint64 t = b;
    const qint64 g = t + 4 + 2 * 16 * 12;
    const qint64 d = g + 4 + 16 * 12;

    LogCapture log;
    ImageEntity entity;
    QVERIFY(RadiometricReader::read(file.bytes(), entity));
    const QStringList expected{
        QStringLiteral("查找到一张JPG： ") + rangeText(QPoint(0, a - 1)),
        QStringLiteral("查找到一张JPG： ") + rangeText(QPoint(a, b - 1)),
        QStringLiteral("找到图片数据个数： 2"),
        QStringLiteral("Screen图像数据 + Camera图像数据"),
        QStringLiteral("Screen范围： %1 长度： %2").arg(rangeText(QPoint(0, a - 1))).arg(a),
        QStringLiteral("Camera宽： 80 , 高： 60"),
        QStringLiteral("Camera范围： %1 长度： %2").arg(rangeText(QPoint(a, b - 1))).arg(b - a),
        QStringLiteral("温度数据宽高开始下标： %1").arg(t),
        QStringLiteral("温度数据宽 =  16"),
        QStringLiteral("温度数据高 =  12"),
        QStringLiteral("温度数据开始下标： %1 ，长度： 384").arg(t + 4),
        QStringLiteral("灰度数据宽高开始下标： %1").arg(g),
        QStringLiteral("灰度数据开始下标： %1 ，长度： 192").arg(g + 4),
        QStringLiteral("设备信息开始下标： %1").arg(d),
        QStringLiteral("图片特征数据读取完成"),
        QStringLiteral("文件信息解析完成"),
    };
    QCOMPARE(log.lines(), expected);
    QVERIFY(entity.loaded);
}

void TestRadiometricReader::failures_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("lastLine");
    QTest::addColumn<QString>("error");

    const RadiometricFile sound;
    const QByteArray jpegs = concat(sound.jpegs);
    const QByteArray device = RadiometricFile::deviceBlock(sound.device);
    const QByteArray matrices = sound.temperatures + sound.gray;
    const Failure noJpeg{ QStringLiteral("图像解析失败长度为0，解析失败"),
                          QStringLiteral("no JPEG image found") };
    const Failure temperatureHeader{ QStringLiteral("温度数据长宽错误，解析失败"),
                                     QStringLiteral(
                                       "the file ends before the size of the temperature matrix") };
    const Failure temperature{ QStringLiteral("温度数据长宽错误，解析失败"),
                               QStringLiteral("the temperature matrix does not fit in the file") };
    const Failure grayHeader{ QStringLiteral("灰度数据长宽错误，解析失败"),
                              QStringLiteral("the file ends before the size of the gray matrix") };
    const Failure grayMatrix{ QStringLiteral("灰度数据读取错误，解析失败"),
                              QStringLiteral("the gray matrix does not fit in the file") };
    const Failure deviceLength{ QStringLiteral("设备信息长度错误，解析失败"),
                                QStringLiteral("the device information is missing") };
    const Failure deviceBlock{ QStringLiteral("设备信息读取错误，解析失败"),
                               QStringLiteral("the device information has an impossible length") };

    QByteArray app1 = sound.bytes();
    app1[3] = char(0xE1);
    app1[sound.jpegs[0].size() + 3] = char(0xE1);
    QTest::newRow("only FF D8 FF E1") << app1 << noJpeg;
    QTest::newRow("empty") << QByteArray() << noJpeg;
    QTest::newRow("JPEG without end") << sound.jpegs[0].chopped(2) << noJpeg;
    QTest::newRow("end of image before any start")
      << QByteArray("\xFF\xD9\xFF\xD8\xFF\xE0", 6) << noJpeg;

    QTest::newRow("plain JPEG") << sound.jpegs[0] << temperatureHeader;
    QTest::newRow("temperature header of 3 bytes")
      << jpegs + sound.temperatures.left(3) << temperatureHeader;
    QTest::newRow("temperature matrix one byte short")
      << jpegs + sound.temperatures.chopped(1) << temperature;
    // 2 × 65535 × 65535 wraps to a small number in 32 bits; it must count as 8 GB here.
    QTest::newRow("temperature size beyond 32 bits")
      << jpegs + RadiometricFile::temperatureSection(65535, 65535, {}) + QByteArray(4096, '\1')
      << temperature;
    QTest::newRow("temperature size of 2^31")
      << jpegs + RadiometricFile::temperatureSection(32768, 32768, {}) + sound.gray + device
      << temperature;

    QTest::newRow("no gray header") << jpegs + sound.temperatures << grayHeader;
    QTest::newRow("gray header of 2 bytes")
      << jpegs + sound.temperatures + sound.gray.left(2) << grayHeader;
    QTest::newRow("gray matrix one byte short")
      << jpegs + sound.temperatures + sound.gray.chopped(1) << grayMatrix;
    QTest::newRow("gray size beyond 32 bits")
      << jpegs + sound.temperatures + RadiometricFile::graySection(65535, 65535, device)
      << grayMatrix;

    QTest::newRow("no device length") << jpegs + matrices << deviceLength;
    QTest::newRow("device length of 3 bytes") << jpegs + matrices + device.left(3) << deviceLength;
    QTest::newRow("device block one byte short")
      << jpegs + matrices + device.chopped(1) << deviceBlock;
    for (qint32 length :
         { 0, 3, -1, std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max() }) {
        QByteArray block = device;
        QByteArray field;
        RadiometricFile::appendI32(field, length);
        block.replace(0, 4, field);
        QTest::addRow("device length %d", length) << jpegs + matrices + block << deviceBlock;
    }
}

void TestRadiometricReader::failures()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, lastLine);
    QFETCH(QString, error);

    LogCapture log;
    ImageEntity entity;
    QString text;
    QVERIFY(!readBothWays(bytes, entity, &text));
    QCOMPARE(text, error);
    QVERIFY(!log.lines().isEmpty());
    QCOMPARE(log.lines().last(), lastLine);
    QVERIFY(!entity.loaded);
    QVERIFY(!log.contains(QStringLiteral("文件信息解析完成")));
}

void TestRadiometricReader::everyPrefixOfASoundFile()
{
    RadiometricFile file;
    file.trailer = RadiometricFile::shapeBlock(oneOfEachKind()) + RadiometricFile::featureBlock(0);
    const QByteArray bytes = file.bytes();
    const int complete = bytes.size() - file.trailer.size();
    for (int size = 0; size <= bytes.size(); ++size) {
        LogCapture log;
        ImageEntity entity;
        const bool read = readBothWays(bytes.left(size), entity);
        if (QTest::currentTestFailed())
            return;
        QVERIFY2(read == (size >= complete), qPrintable(QString::number(size)));
        // A shape block cut short anywhere yields no shapes at all rather than some of them.
        const int shapes = entity.image_drawpaths.size();
        QVERIFY2(shapes == 0 || shapes == 4, qPrintable(QString::number(size)));
    }
}

void TestRadiometricReader::jpegCounts_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("countLine");
    QTest::addColumn<int>("featureIndex");
    QTest::addColumn<int>("screenIndex");
    QTest::addColumn<int>("cameraIndex");

    QTest::newRow("1") << 1 << QStringLiteral("只有Screen图像数据") << -1 << 0 << -1;
    QTest::newRow("2") << 2 << QStringLiteral("Screen图像数据 + Camera图像数据") << -1 << 0 << 1;
    QTest::newRow("3") << 3 << QStringLiteral("Feature图像数据 + Screen图像数据 + Camera图像数据")
                       << 0 << 1 << 2;
    QTest::newRow("4") << 4 << QString() << -1 << -1 << -1;
    QTest::newRow("6") << 6 << QString() << -1 << -1 << -1;
    QTest::newRow("20000") << 20000 << QString() << -1 << -1 << -1;
}

void TestRadiometricReader::jpegCounts()
{
    QFETCH(int, count);
    QFETCH(QString, countLine);
    QFETCH(int, featureIndex);
    QFETCH(int, screenIndex);
    QFETCH(int, cameraIndex);

    RadiometricFile file;
    file.jpegs.clear();
    const QList<QSize> sizes{ QSize(24, 16), QSize(40, 30), QSize(56, 20),
                              QSize(8, 8),   QSize(16, 8),  QSize(8, 16) };
    for (int i = 0; i < count; ++i) {
        file.jpegs.append(i < sizes.size()
                            ? RadiometricFile::jpeg(sizes[i], QColor(30 * i, 100, 200 - 30 * i))
                            : file.jpegs.last());
    }

    LogCapture log;
    ImageEntity entity;
    QVERIFY(readBothWays(file.bytes(), entity));
    // Past the fourth only the count is told; the matrices are still found behind the last.
    QCOMPARE(log.linesStartingWith({ QStringLiteral("查找到一张JPG：") }).size(), qMin(count, 4));
    QCOMPARE(entity.temperatureData, file.temperatures.mid(4));
    QVERIFY(log.contains(QStringLiteral("找到图片数据个数： %1").arg(count)));
    if (!countLine.isEmpty())
        QVERIFY(log.contains(countLine));

    auto check = [&](int index, const QImage& image, int length) {
        if (index < 0) {
            QVERIFY(image.isNull());
            QCOMPARE(length, 0);
            return;
        }
        QCOMPARE(image.size(), sizes[index]);
        QCOMPARE(length, file.jpegs[index].size());
    };
    check(featureIndex, entity.featureImage, entity.featureLength);
    check(cameraIndex, entity.cameraImage, entity.cameraLength);
    // The device block has no margin, so the Screen image is whole.
    check(screenIndex, entity.screenImage, entity.screenLength);
    const QSize screen = screenIndex < 0 ? QSize(0, 0) : sizes[screenIndex];
    QCOMPARE(QSize(entity.screenWidth, entity.screenHeight), screen);
    // Whatever the count, the matrices follow the last JPEG.
    QCOMPARE(entity.temperatureWidth, 16);
    QCOMPARE(entity.grayHeight, 12);
}

void TestRadiometricReader::jpegSearch_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QVector<QPoint>>("expected");

    const QByteArray a = RadiometricFile::jpeg(QSize(16, 16), Qt::red);
    const QByteArray b = RadiometricFile::jpeg(QSize(8, 24), Qt::blue);
    const int n = a.size();
    const int m = b.size();
    const QByteArray soi("\xFF\xD8\xFF\xE0", 4);
    const QByteArray eoi("\xFF\xD9", 2);

    QTest::newRow("back to back") << a + b << QVector<QPoint>{ { 0, n - 1 }, { n, n + m - 1 } };
    QTest::newRow("second one byte later") << a + '\0' + b << QVector<QPoint>{ { 0, n - 1 } };
    QTest::newRow("first after leading bytes")
      << QByteArray("\xFF\xD8\xFF\xE1xyz", 7) + a << QVector<QPoint>{ { 7, n + 6 } };
    QTest::newRow("second without end") << a + b.chopped(2) << QVector<QPoint>{ { 0, n - 1 } };
    QTest::newRow("smallest JPEGs")
      << soi + eoi + soi + eoi << QVector<QPoint>{ { 0, 5 }, { 6, 11 } };
    QTest::newRow("end marker overlapping start")
      << QByteArray("\xFF\xD8\xFF\xE0\xD9", 5) << QVector<QPoint>{};
    QTest::newRow("start at the last three bytes")
      << QByteArray("\0\xFF\xD8\xFF", 4) << QVector<QPoint>{};
    QTest::newRow("first end wins") << soi + "ab" + eoi + eoi << QVector<QPoint>{ { 0, 7 } };
    QTest::newRow("start inside JPEG is not a new one")
      << soi + soi + eoi + soi + eoi << QVector<QPoint>{ { 0, 9 }, { 10, 15 } };
}

void TestRadiometricReader::jpegSearch()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QVector<QPoint>, expected);
    QCOMPARE(RadiometricLayout::findJpegs(bytes), expected);
}

void TestRadiometricReader::deviceBlock_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<QVector<int>>("margin"); // top, right, bottom, left stored in the block
    QTest::addColumn<QVector<int>>("expectedMargin");
    QTest::addColumn<QSize>("screenSize");

    QTest::newRow("104 has the default margin")
      << 104 << QVector<int>{ 1, 2, 3, 4 } << QVector<int>{ 13, 0, 13, 0 } << QSize(640, 454);
    QTest::newRow("112 without margin")
      << 112 << QVector<int>{ 0, 0, 0, 0 } << QVector<int>{ 0, 0, 0, 0 } << QSize(640, 480);
    QTest::newRow("112 with margin")
      << 112 << QVector<int>{ 5, 7, 9, 11 } << QVector<int>{ 5, 7, 9, 11 } << QSize(622, 466);
    QTest::newRow("longer than 112")
      << 160 << QVector<int>{ 13, 0, 13, 0 } << QVector<int>{ 13, 0, 13, 0 } << QSize(640, 454);
    QTest::newRow("108 cuts the margin")
      << 108 << QVector<int>{ 6, 8, 10, 12 } << QVector<int>{ 6, 8, 0, 0 } << QSize(632, 474);
    QTest::newRow("shorter than 104")
      << 60 << QVector<int>{ 13, 0, 13, 0 } << QVector<int>{ 0, 0, 0, 0 } << QSize(640, 480);
    QTest::newRow("only the length")
      << 4 << QVector<int>{ 13, 0, 13, 0 } << QVector<int>{ 0, 0, 0, 0 } << QSize(640, 480);
}

void TestRadiometricReader::deviceBlock()
{
    QFETCH(int, length);
    QFETCH(QVector<int>, margin);
    QFETCH(QVector<int>, expectedMargin);
    QFETCH(QSize, screenSize);

    RadiometricFile file;
    const QImage screen = bandedScreen(QSize(640, 480));
    file.jpegs[0] = RadiometricFile::jpeg(screen);
    file.device.length = length;
    file.device.marginTop = quint16(margin[0]);
    file.device.marginRight = quint16(margin[1]);
    file.device.marginBottom = quint16(margin[2]);
    file.device.marginLeft = quint16(margin[3]);
    file.trailer = RadiometricFile::featureBlock(0);

    ImageEntity entity;
    QVERIFY(readBothWays(file.bytes(), entity));
    const ImageMargin& m = entity.details.margin;
    QCOMPARE((QVector<int>{ m.top, m.right, m.bottom, m.left }), expectedMargin);
    QCOMPARE(entity.details.infoLength, length);
    QCOMPARE(entity.screenWidth, 640);
    QCOMPARE(entity.screenHeight, 480);
    const QRect kept(m.left, m.top, screenSize.width(), screenSize.height());
    QCOMPARE(entity.screenImage, decoded(file.jpegs[0]).copy(kept));
    // The block ends where its length says: the feature block right after it is found.
    QCOMPARE(entity.details.featureShown, false);
}

void TestRadiometricReader::deviceFields()
{
    RadiometricFile file;
    file.device.text1 = QByteArray("热像仪") + QByteArray("\0junk", 5);
    file.device.text2 = "ABCDEFGHIJKLMNOPQRST";
    file.device.captureTime = "2026-12-08 11:22:33";
    file.device.centreTemperature = -245;
    file.device.emissivity = 95;
    file.device.palette = 4;
    file.device.unit = 2;

    ImageEntity entity;
    QVERIFY(readBothWays(file.bytes(), entity));
    const ImageDetails& d = entity.details;
    QCOMPARE(d.infoText1, QStringLiteral("热像仪"));
    // A field without a zero byte is all 20 bytes; it must not run into the next field.
    QCOMPARE(d.infoText2, QStringLiteral("ABCDEFGHIJKLMNOPQRST"));
    QCOMPARE(d.captureTime, QStringLiteral("2026-12-08 11:22:33"));
    QCOMPARE(d.feature.centrePoint.x, 32);
    QCOMPARE(d.feature.centrePoint.y, 24);
    QCOMPARE(d.feature.centrePoint.temperature, -24.5f);
    QCOMPARE(d.feature.maxPoint.x, 60);
    QCOMPARE(d.feature.maxPoint.y, 44);
    QCOMPARE(d.feature.maxPoint.temperature, 39.1f);
    QCOMPARE(d.feature.minPoint.x, 2);
    QCOMPARE(d.feature.minPoint.y, 3);
    QCOMPARE(d.feature.minPoint.temperature, 20.0f);
    QCOMPARE(d.emissivity, 95);
    QCOMPARE(d.palette, 4);
    QCOMPARE(d.unit, 2);

    // A block cut inside the capture time keeps what it holds and reads the rest as zero.
    file.device.length = 50;
    ImageEntity shortEntity;
    QVERIFY(readBothWays(file.bytes(), shortEntity));
    QCOMPARE(shortEntity.details.infoText2, QStringLiteral("ABCDEFGHIJKLMNOPQRST"));
    QCOMPARE(shortEntity.details.captureTime, QStringLiteral("2026-1"));
    QCOMPARE(shortEntity.details.feature.maxPoint.temperature, 0.0f);
    QCOMPARE(shortEntity.details.emissivity, 0);
    QCOMPARE(shortEntity.details.blend, 100);
}

void TestRadiometricReader::blend_data()
{
    QTest::addColumn<qint32>("stored");
    QTest::addColumn<int>("blend");
    QTest::newRow("30") << 30 << 70;
    QTest::newRow("0") << 0 << 100;
    QTest::newRow("100") << 100 << 0;
    QTest::newRow("negative") << -20 << 120;
    // 100 − INT_MIN does not fit in an int; it must not wrap around to a negative blend.
    QTest::newRow("most negative")
      << std::numeric_limits<qint32>::min() << std::numeric_limits<int>::max();
    QTest::newRow("largest") << std::numeric_limits<qint32>::max()
                             << 100 - std::numeric_limits<int>::max();
}

void TestRadiometricReader::blend()
{
    QFETCH(qint32, stored);
    QFETCH(int, blend);
    RadiometricFile file;
    file.device.storedBlend = stored;
    ImageEntity entity;
    QVERIFY(readBothWays(file.bytes(), entity));
    QCOMPARE(entity.details.blend, blend);
}

void TestRadiometricReader::screenCrop_data()
{
    QTest::addColumn<QVector<int>>("margin");
    QTest::addColumn<QRect>("kept");

    QTest::newRow("inside") << QVector<int>{ 2, 3, 4, 5 } << QRect(5, 2, 56, 42);
    QTest::newRow("all but one pixel") << QVector<int>{ 47, 63, 0, 0 } << QRect(0, 47, 1, 1);
    // A margin that leaves nothing cannot be a border of this picture: the image stays whole.
    QTest::newRow("as wide as the image") << QVector<int>{ 0, 32, 0, 32 } << QRect(0, 0, 64, 48);
    QTest::newRow("taller than the image") << QVector<int>{ 30, 0, 30, 0 } << QRect(0, 0, 64, 48);
    QTest::newRow("largest values")
      << QVector<int>{ 65535, 65535, 65535, 65535 } << QRect(0, 0, 64, 48);
}

void TestRadiometricReader::screenCrop()
{
    QFETCH(QVector<int>, margin);
    QFETCH(QRect, kept);
    RadiometricFile file;
    file.device.marginTop = quint16(margin[0]);
    file.device.marginRight = quint16(margin[1]);
    file.device.marginBottom = quint16(margin[2]);
    file.device.marginLeft = quint16(margin[3]);
    ImageEntity entity;
    QVERIFY(readBothWays(file.bytes(), entity));
    QCOMPARE(entity.screenImage, decoded(file.jpegs[0]).copy(kept));
    QCOMPARE(entity.screenWidth, 64);
    QCOMPARE(entity.screenHeight, 48);
}

namespace {

// A small JPEG whose frame header is rewritten to promise another size.
QByteArray promising(const QSize& size)
{
    QByteArray jpeg = RadiometricFile::jpeg(QSize(16, 16));
    const int sof = jpeg.indexOf(QByteArray("\xFF\xC0", 2));
    const char promised[] = { char(size.height() >> 8),
                              char(size.height() & 0xFF),
                              char(size.width() >> 8),
                              char(size.width() & 0xFF) };
    jpeg.replace(sof + 5, 4, promised, 4);
    return jpeg;
}

} // namespace

void TestRadiometricReader::oversizedImageIsNotDecoded_data()
{
    QTest::addColumn<QList<QByteArray>>("jpegs");
    QTest::addColumn<QSize>("feature");
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<QSize>("camera");

    const QSize none(0, 0);
    const QByteArray camera = RadiometricFile::jpeg(QSize(80, 60));
    QTest::newRow("9000 × 9000 promised")
      << QList<QByteArray>{ promising(QSize(9000, 9000)), camera } << none << none << QSize(80, 60);
    QTest::newRow("3000 × 2000 promised in a few hundred bytes")
      << QList<QByteArray>{ promising(QSize(3000, 2000)), camera } << none << none << QSize(80, 60);
    const QByteArray huge = promising(QSize(8192, 8192));
    QTest::newRow("three pictures of 8192 × 8192 promised")
      << QList<QByteArray>{ huge, huge, huge } << none << none << none;
    // What a camera with a 20 Mpx visible-light sensor writes, saved once with a full-screen
    // snapshot in front.
    QTest::newRow("a 20 Mpx camera picture and a 4K snapshot")
      << QList<QByteArray>{ RadiometricFile::jpeg(QSize(3840, 2160)),
                            RadiometricFile::jpeg(QSize(640, 480)),
                            RadiometricFile::jpeg(QSize(5472, 3648)) }
      << QSize(3840, 2160) << QSize(640, 480) << QSize(5472, 3648);
}

void TestRadiometricReader::oversizedImageIsNotDecoded()
{
    QFETCH(QList<QByteArray>, jpegs);
    QFETCH(QSize, feature);
    QFETCH(QSize, screen);
    QFETCH(QSize, camera);
    RadiometricFile file;
    file.jpegs = jpegs;

    ImageEntity entity;
    QVERIFY(readBothWays(file.bytes(), entity));
    QCOMPARE(entity.featureImage.size(), feature);
    QCOMPARE(entity.screenImage.size(), screen);
    QCOMPARE(QSize(entity.screenWidth, entity.screenHeight), screen);
    QCOMPARE(entity.screenLength, jpegs[jpegs.size() == 3 ? 1 : 0].size());
    QCOMPARE(entity.cameraImage.size(), camera);
}

void TestRadiometricReader::skippingRunsNoDecoder()
{
    // Picture data cut to two bytes: the header is sound, decoding it is not.
    auto damaged = [](const QByteArray& jpeg) {
        const int scan = jpeg.indexOf(QByteArray("\xFF\xDA", 2));
        const int header = (uchar(jpeg[scan + 2]) << 8) | uchar(jpeg[scan + 3]);
        return jpeg.left(scan + 2 + header) + QByteArray("\x12\x34\xFF\xD9", 4);
    };
    RadiometricFile file;
    file.jpegs[0] = damaged(file.jpegs[0]);
    file.jpegs[1] = damaged(file.jpegs[1]);

    // The probe readBothWays relies on: a decoder that runs on this file says so.
    ImageEntity decoded;
    const LoggedRead decode =
      readLogged(file.bytes(), decoded, RadiometricReader::Images::Decode, false);
    QVERIFY(decode.ok);
    QVERIFY(decode.warnings > 0);

    ImageEntity skipped;
    QVERIFY(readBothWays(file.bytes(), skipped));
    QCOMPARE(QSize(skipped.screenWidth, skipped.screenHeight), QSize(64, 48));
    QVERIFY(skipped.loaded);
}

void TestRadiometricReader::skippedFrameSizes_data()
{
    QTest::addColumn<QByteArray>("jpeg");
    QTest::addColumn<QSize>("size");

    QImage image(QSize(72, 40), QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    QByteArray progressive;
    QBuffer buffer(&progressive);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setProgressiveScanWrite(true);
    QVERIFY(writer.write(image));
    QVERIFY(progressive.contains(QByteArray("\xFF\xC2", 2)));

    const QByteArray jpeg = RadiometricFile::jpeg(QSize(64, 48));
    const int app0End = 4 + ((uchar(jpeg[4]) << 8) | uchar(jpeg[5]));
    const int table = jpeg.indexOf(QByteArray("\xFF\xDB", 2));
    const int frame = jpeg.indexOf(QByteArray("\xFF\xC0", 2));
    QVERIFY(table > 0 && frame > table);

    QTest::newRow("a progressive frame has its size") << progressive << QSize(72, 40);
    QTest::newRow("fill bytes before a marker are passed over")
      << QByteArray(jpeg).insert(app0End, "\xFF\xFF") << QSize(64, 48);
    QTest::newRow("a segment longer than the JPEG gives no size")
      << withByte(withByte(jpeg, table + 2, char(0xFF)), table + 3, char(0xFF)) << QSize(0, 0);
    QTest::newRow("a segment length below 2 gives no size")
      << withByte(withByte(jpeg, table + 2, 0), table + 3, 1) << QSize(0, 0);
    QTest::newRow("a frame header too short for the size gives none")
      << withByte(withByte(jpeg, frame + 2, 0), frame + 3, 7) << QSize(0, 0);
    QTest::newRow("a lossless frame gives no size")
      << withByte(jpeg, frame + 1, char(0xC3)) << QSize(0, 0);
    QTest::newRow("a frame of height 0 gives no size")
      << withByte(withByte(jpeg, frame + 5, 0), frame + 6, 0) << QSize(0, 0);
    QTest::newRow("bytes where a marker belongs give no size")
      << withByte(jpeg, app0End, 'x') << QSize(0, 0);
}

void TestRadiometricReader::skippedFrameSizes()
{
    QFETCH(QByteArray, jpeg);
    QFETCH(QSize, size);
    RadiometricFile file;
    file.jpegs[0] = jpeg;
    ImageEntity entity;
    QVERIFY(
      RadiometricReader::read(file.bytes(), entity, nullptr, RadiometricReader::Images::Skip));
    QCOMPARE(QSize(entity.screenWidth, entity.screenHeight), size);
    QCOMPARE(entity.screenLength, jpeg.size());
}

void TestRadiometricReader::matricesKeepTheirBytes()
{
    RadiometricFile file;
    QVector<qint16> cells(6, 0);
    cells[4] = qint16(-245);
    file.temperatures = RadiometricFile::temperatureSection(3, 2, cells);
    file.gray = RadiometricFile::graySection(5, 1, QByteArray("\x00\x7F\x80\xFE\xFF", 5));

    ImageEntity entity;
    QVERIFY(readBothWays(file.bytes(), entity));
    QCOMPARE(entity.temperatureWidth, 3);
    QCOMPARE(entity.temperatureHeight, 2);
    QCOMPARE(entity.temperatureData.size(), 12);
    QCOMPARE(entity.temperatureData.mid(8, 2), QByteArray("\x0B\xFF", 2));
    QCOMPARE(entity.grayWidth, 5);
    QCOMPARE(entity.grayHeight, 1);
    QCOMPARE(entity.grayData, QByteArray("\x00\x7F\x80\xFE\xFF", 5));

    // Empty matrices are a valid layout.
    file.temperatures = RadiometricFile::temperatureSection(0, 7, {});
    file.gray = RadiometricFile::graySection(9, 0, {});
    ImageEntity empty;
    QVERIFY(readBothWays(file.bytes(), empty));
    QCOMPARE(empty.temperatureHeight, 7);
    QVERIFY(empty.temperatureData.isEmpty());
    QCOMPARE(empty.grayWidth, 9);
    QCOMPARE(empty.details.emissivity, 95);
}

void TestRadiometricReader::trailer_data()
{
    QTest::addColumn<QByteArray>("trailer");
    QTest::addColumn<int>("shapes");
    QTest::addColumn<bool>("featureShown");
    QTest::addColumn<QStringList>("countLines");

    const QByteArray shapes = RadiometricFile::shapeBlock(oneOfEachKind());
    const QStringList oneEach{ QStringLiteral("携带点个数： 1"),
                               QStringLiteral("携带线条个数： 1"),
                               QStringLiteral("携带矩形个数： 1"),
                               QStringLiteral("携带椭圆个数： 1") };
    const QByteArray otherTags = QByteArray("<abc-defghi>") + '\0' + "</abc-defghi>";

    QTest::newRow("nothing") << QByteArray() << 0 << true << QStringList();
    QTest::newRow("unknown block")
      << QByteArray("<mzr-other!>\0\0\0\0", 16) << 0 << true << QStringList();
    QTest::newRow("shapes") << shapes << 4 << true << oneEach;
    QTest::newRow("shapes, features hidden")
      << shapes + RadiometricFile::featureBlock(0) << 4 << false << oneEach;
    QTest::newRow("shapes, features shown")
      << shapes + RadiometricFile::featureBlock(7) << 4 << true << oneEach;
    QTest::newRow("shapes, other tags") << shapes + otherTags << 4 << true << oneEach;
    QTest::newRow("shapes, feature block cut")
      << shapes + RadiometricFile::featureBlock(0).chopped(1) << 4 << true << oneEach;
    QTest::newRow("features hidden")
      << RadiometricFile::featureBlock(0) << 0 << false << QStringList();
    QTest::newRow("features shown")
      << RadiometricFile::featureBlock(1) << 0 << true << QStringList();
    QTest::newRow("feature block cut")
      << RadiometricFile::featureBlock(0).left(25) << 0 << true << QStringList();
    QTest::newRow("feature tag alone") << QByteArray("<mzr-featre>") << 0 << true << QStringList();
    QTest::newRow("shape tag and 3 bytes")
      << QByteArray("<mzr-region>\x08\0\0", 15) << 0 << true << QStringList();
    QTest::newRow("payload longer than the file")
      << RadiometricFile::shapeBlock(100000, QByteArray(8, '\0')) << 0 << true << QStringList();
    QTest::newRow("end tag cut at the end of the file")
      << shapes.chopped(1) << 0 << true << QStringList();
    // Only the lengths count: a wrong end tag is read past, and the 25 bytes left are too few.
    QTest::newRow("end tag not compared")
      << shapes.chopped(1) + RadiometricFile::featureBlock(0) << 4 << true << oneEach;
    QTest::newRow("negative payload length")
      << RadiometricFile::shapeBlock(-13, QByteArray()) + RadiometricFile::featureBlock(0) << 0
      << true << QStringList();
    QTest::newRow("most negative payload length")
      << RadiometricFile::shapeBlock(std::numeric_limits<qint32>::min(), QByteArray()) << 0 << true
      << QStringList();

    QTest::newRow("empty payload")
      << RadiometricFile::shapeBlock(0, QByteArray()) + RadiometricFile::featureBlock(0) << 0
      << false
      << QStringList{ QStringLiteral("携带点个数： 0"),
                      QStringLiteral("携带线条个数： 0"),
                      QStringLiteral("携带矩形个数： 0"),
                      QStringLiteral("携带椭圆个数： 0") };
    // Counts that promise more than the payload holds give only the records that are there.
    QByteArray bogus;
    for (int i = 0; i < 4; ++i)
        RadiometricFile::appendU16(bogus, 65535);
    QTest::newRow("counts beyond the payload")
      << RadiometricFile::shapeBlock(bogus.size(), bogus) << 0 << true
      << QStringList{ QStringLiteral("携带点个数： 65535"),
                      QStringLiteral("携带线条个数： 0"),
                      QStringLiteral("携带矩形个数： 0"),
                      QStringLiteral("携带椭圆个数： 0") };
    QByteArray two = RadiometricFile::shapePayload(
      { record(0, {}, {}, { 1, 2, 3 }, {}), record(0, {}, {}, { 4, 5, 6 }, {}) });
    two[0] = 3;
    // More shapes than anyone draws: the first ones are taken, the counts still told as stored.
    QList<ShapeRecord> many;
    for (int i = 0; i < 5000; ++i)
        many.append(record(0, {}, {}, { 1, 2, 3 }, {}));
    QTest::newRow("more shapes than are taken")
      << RadiometricFile::shapeBlock(many) << RadiometricReader::maximumShapes << true
      << QStringList{ QStringLiteral("携带点个数： 5000"),
                      QStringLiteral("携带线条个数： 0"),
                      QStringLiteral("携带矩形个数： 0"),
                      QStringLiteral("携带椭圆个数： 0") };
    QTest::newRow("count one more than the records")
      << RadiometricFile::shapeBlock(two.size(), two) << 2 << true
      << QStringList{ QStringLiteral("携带点个数： 3"),
                      QStringLiteral("携带线条个数： 0"),
                      QStringLiteral("携带矩形个数： 0"),
                      QStringLiteral("携带椭圆个数： 0") };
}

void TestRadiometricReader::trailer()
{
    QFETCH(QByteArray, trailer);
    QFETCH(int, shapes);
    QFETCH(bool, featureShown);
    QFETCH(QStringList, countLines);

    RadiometricFile file;
    file.trailer = trailer;
    LogCapture log;
    ImageEntity entity;
    QVERIFY(readBothWays(file.bytes(), entity));
    QCOMPARE(entity.image_drawpaths.size(), shapes);
    QCOMPARE(entity.details.featureShown, featureShown);
    QCOMPARE(log.linesStartingWith({ QStringLiteral("携带") }), countLines);
    QCOMPARE(log.lines().last(), QStringLiteral("文件信息解析完成"));
}

void TestRadiometricReader::shapeRecords()
{
    RadiometricFile file;
    file.trailer = RadiometricFile::shapeBlock(oneOfEachKind());
    ImageEntity entity;
    QVERIFY(readBothWays(file.bytes(), entity));
    QCOMPARE(entity.image_drawpaths.size(), 4);

    // Groups come back in kind order, whatever order they were drawn in.
    for (int i = 0; i < 4; ++i)
        QCOMPARE(entity.image_drawpaths[i].type, i);
    for (const ImageDrawPath& shape : qAsConst(entity.image_drawpaths)) {
        for (const PathPoint& point : shape.points)
            QCOMPARE(point.unit, 0);
        QCOMPARE(shape.points[2].x, 0.0f);
        QVERIFY(shape.path.isEmpty());
    }

    const ImageDrawPath& point = entity.image_drawpaths[0];
    QCOMPARE(point.points[3].x, 0.25f);
    QCOMPARE(point.points[3].y, 0.5f);
    QCOMPARE(point.points[3].value, 36.5f);
    // A point shape is its measured point: it was dropped there, and has no minimum.
    for (int i : { 0, 1 }) {
        QCOMPARE(point.points[i].x, 0.25f);
        QCOMPARE(point.points[i].y, 0.5f);
        QCOMPARE(point.points[i].value, 0.0f);
    }
    QCOMPARE(point.points[4].x, 0.0f);
    QCOMPARE(point.points[4].value, 0.0f);

    const ImageDrawPath& line = entity.image_drawpaths[1];
    QCOMPARE(line.points[0].x, 0.1f);
    QCOMPARE(line.points[0].y, 0.2f);
    QCOMPARE(line.points[0].value, 0.0f);
    QCOMPARE(line.points[1].x, 0.3f);
    QCOMPARE(line.points[1].y, 0.4f);
    QCOMPARE(line.points[1].value, 0.0f);
    QCOMPARE(line.points[3].x, 0.15f);
    QCOMPARE(line.points[3].y, 0.25f);
    QCOMPARE(line.points[3].value, 41.2f);
    QCOMPARE(line.points[4].x, 0.29f);
    QCOMPARE(line.points[4].y, 0.39f);
    QCOMPARE(line.points[4].value, -3.5f);

    const ImageDrawPath& rectangle = entity.image_drawpaths[2];
    QCOMPARE(rectangle.points[1].x, 1.0f);
    QCOMPARE(rectangle.points[3].x, 6.5535f);
    QCOMPARE(rectangle.points[3].value, float(std::numeric_limits<qint32>::max()) / 10.0f);
    QCOMPARE(rectangle.points[4].y, 6.5535f);
    QCOMPARE(rectangle.points[4].value, -3276.8f);

    const ImageDrawPath& oval = entity.image_drawpaths[3];
    QCOMPARE(oval.points[0].x, 0.01f);
    QCOMPARE(oval.points[1].y, 0.95f);
    QCOMPARE(oval.points[3].value, 45.5f);
    QCOMPARE(oval.points[4].value, -1.2f);
}

void TestRadiometricReader::samples_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("jpegs");
    QTest::addColumn<int>("shapes");
    QTest::addColumn<QSize>("screenImage");
    QTest::addColumn<QSize>("matrix");
    QTest::addColumn<int>("emissivity");
    const QSize synthetic(384, 288);
    QTest::newRow("coffee mug") << QStringLiteral("coffee-mug.jpg") << 2 << 0 << QSize(640, 454)
                                << synthetic << 95;
    QTest::newRow("radiator") << QStringLiteral("radiator.jpg") << 1 << 0 << QSize(640, 454)
                              << synthetic << 95;
    QTest::newRow("fuse box") << QStringLiteral("fuse-box.jpg") << 3 << 1 << QSize(640, 454)
                              << synthetic << 95;
    QTest::newRow("a real camera's photograph")
      << QStringLiteral("water-cooler.jpg") << 1 << 0 << QSize(640, 480) << QSize(640, 480) << 90;
}

// The committed photographs are what people open first; they must stay readable and consistent.
void TestRadiometricReader::samples()
{
    QFETCH(QString, name);
    QFETCH(int, jpegs);
    QFETCH(int, shapes);
    QFETCH(QSize, screenImage);
    QFETCH(QSize, matrix);
    QFETCH(int, emissivity);

    QFile file(QStringLiteral(KORVEX_SAMPLES_DIR "/") + name);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.size() < 2 * 1024 * 1024);
    const QByteArray bytes = file.readAll();
    QCOMPARE(RadiometricLayout::findJpegs(bytes).size(), jpegs);

    ImageEntity entity;
    QVERIFY(readBothWays(bytes, entity));
    QCOMPARE(QSize(entity.screenWidth, entity.screenHeight), QSize(640, 480));
    QCOMPARE(entity.screenImage.size(), screenImage);
    QCOMPARE(entity.cameraImage.isNull(), jpegs < 2);
    QCOMPARE(entity.featureImage.isNull(), jpegs < 3);
    QCOMPARE(QSize(entity.temperatureWidth, entity.temperatureHeight), matrix);
    QCOMPARE(entity.grayData.size(), matrix.width() * matrix.height());
    QCOMPARE(entity.details.emissivity, emissivity);
    QCOMPARE(entity.image_drawpaths.size(), shapes);

    // The hottest and coldest points of the device block are the matrix's extremes.
    qint16 hottest = std::numeric_limits<qint16>::min();
    qint16 coldest = std::numeric_limits<qint16>::max();
    for (int i = 0; i < entity.temperatureData.size(); i += 2) {
        const auto cell =
          qint16(quint8(entity.temperatureData[i]) | (quint8(entity.temperatureData[i + 1]) << 8));
        hottest = qMax(hottest, cell);
        coldest = qMin(coldest, cell);
    }
    const ImageFeature& feature = entity.details.feature;
    QCOMPARE(feature.maxPoint.temperature, float(hottest) / 10.0f);
    QCOMPARE(feature.minPoint.temperature, float(coldest) / 10.0f);
    QVERIFY(feature.minPoint.temperature < feature.centrePoint.temperature);
    QVERIFY(feature.centrePoint.temperature < feature.maxPoint.temperature);
    for (const FeaturePoint* point : { &feature.maxPoint, &feature.minPoint, &feature.centrePoint })
        QVERIFY(QRect(0, 13, 640, 454).contains(point->x, point->y));
}

void TestRadiometricReader::logCapturesNest()
{
    // The tests read debug lines inside helpers that capture their own; warnings must still reach
    // Qt Test, and the outer capture must collect again.
    LogCapture outer;
    qDebug() << "outer first";
    {
        LogCapture inner;
        qDebug() << "inner";
        QTest::ignoreMessage(QtWarningMsg, "passed on");
        qWarning("passed on");
        QCOMPARE(inner.lines(), QStringList{ QStringLiteral("inner") });
    }
    qDebug() << "outer again";
    QCOMPARE(outer.lines(),
             (QStringList{ QStringLiteral("outer first"), QStringLiteral("outer again") }));
}

QTEST_GUILESS_MAIN(TestRadiometricReader)
#include "tst_radiometricreader.moc"
