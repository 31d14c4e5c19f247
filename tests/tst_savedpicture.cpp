#include "document/photographdocument.h"
#include "document/savedpicture.h"
#include "measure/annotationpainter.h"
#include "model/radiometricreader.h"
#include "render/imageblendthread.h"
#include "render/palettetable.h"
#include "support/measurescene.h"
#include "support/radiometricfile.h"
#include "surface/imagedrawlabel.h"
#include "surface/pointerreadout.h"

#include <QApplication>
#include <QBuffer>
#include <QImageWriter>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString unitNames[] = { QStringLiteral("Celsius"),
                              QStringLiteral("Fahrenheit"),
                              QStringLiteral("Kelvin") };

ImageDrawPath shapeOf(ShapeKind kind, const QPointF& start, const QPointF& end)
{
    ImageDrawPath shape;
    shape.setKind(kind);
    shape.point(PointRole::Start) = PathPoint(float(start.x()), float(start.y()), 0, 0);
    shape.point(PointRole::End) = PathPoint(float(end.x()), float(end.y()), 0, 0);
    return shape;
}

ImageDrawPath measured(ImageDrawPath shape, const QPointF& hottest, const QPointF& coldest)
{
    shape.point(PointRole::Maximum) = PathPoint(float(hottest.x()), float(hottest.y()), 41.5f, 0);
    shape.point(PointRole::Minimum) = PathPoint(float(coldest.x()), float(coldest.y()), -3.25f, 0);
    return shape;
}

// Shapes of every kind, drawn every way round, some reaching the borders.
QList<ImageDrawPath> everyKind()
{
    ImageDrawPath point = shapeOf(ShapeKind::Point, QPointF(0.3, 0.7), QPointF(0.3, 0.7));
    point.point(PointRole::Maximum) = PathPoint(0.3f, 0.7f, 30.5f, 0);
    ImageDrawPath corner = shapeOf(ShapeKind::Point, QPointF(1, 1), QPointF(1, 1));
    corner.point(PointRole::Maximum) = PathPoint(1, 1, 98.6f, 1);
    return { point,
             corner,
             measured(shapeOf(ShapeKind::Line, QPointF(0.9, 0.2), QPointF(0.1, 0.05)),
                      QPointF(0.9, 0.2),
                      QPointF(0.1, 0.05)),
             measured(shapeOf(ShapeKind::Rectangle, QPointF(0.63, 0.97), QPointF(0.21, 0.6)),
                      QPointF(0.55, 0.97),
                      QPointF(0.25, 0.65)),
             measured(shapeOf(ShapeKind::Oval, QPointF(0.7, 0.41), QPointF(0.99, 0.83)),
                      QPointF(0.99, 0.6),
                      QPointF(0.8, 0.45)),
             measured(shapeOf(ShapeKind::Oval, QPointF(1, 1), QPointF(0, 0)),
                      QPointF(0.5, 0.01),
                      QPointF(0.02, 0.5)) };
}

QString samplePath(const QString& name)
{
    return QStringLiteral(KORVEX_SAMPLES_DIR "/") + name;
}

// A photograph and the picture rendered of it, as the window shows them.
struct Photograph
{
    ImageEntity entity;
    QImage rendered;
};

Photograph sample(const QString& name, int palette, float blend)
{
    Photograph photograph;
    QFile file(samplePath(name));
    if (!file.open(QIODevice::ReadOnly) ||
        !RadiometricReader::read(file.readAll(), photograph.entity))
        qWarning("%s could not be read", qPrintable(name));
    const ImageEntity& e = photograph.entity;
    const QImage paletteImage = ImageBlendThread::renderPaletteImage(
      e.grayData, e.grayWidth, e.grayHeight, unsigned(palette));
    photograph.rendered = ImageBlendThread::compose(paletteImage, e.cameraImage, blend);
    // The window's own shapes join those the file brought.
    photograph.entity.image_drawpaths << everyKind();
    return photograph;
}

Photograph landscape(QImage::Format format)
{
    Photograph photograph;
    photograph.entity = MeasureScene::landscape(160, 120, 31, QSize(640, 480));
    photograph.entity.image_drawpaths = everyKind();
    photograph.rendered =
      RadiometricFile::texturedImage(QSize(640, 480), 5).convertToFormat(format);
    return photograph;
}

// Feature markers in opposite corners, where their frames are held inside the surface.
Photograph markersInTheCorners()
{
    Photograph photograph = landscape(QImage::Format_RGB32);
    FeaturePoint& hottest = photograph.entity.details.feature.maxPoint;
    hottest.x = 639;
    hottest.y = 1;
    FeaturePoint& coldest = photograph.entity.details.feature.minPoint;
    coldest.x = 2;
    coldest.y = 479;
    return photograph;
}

// Half the picture see-through: the window's grab shows what lies under a translucent pixel.
Photograph translucent()
{
    Photograph photograph = landscape(QImage::Format_ARGB32);
    for (int y = 0; y < photograph.rendered.height(); ++y) {
        for (int x = 0; x < photograph.rendered.width() / 2; ++x) {
            const QRgb c = photograph.rendered.pixel(x, y);
            photograph.rendered.setPixel(x, y, qRgba(qRed(c), qGreen(c), qBlue(c), (x + y) % 256));
        }
    }
    return photograph;
}

// A Screen image wider than the smallest saved picture, shown from a smaller rendering.
Photograph bigLandscape()
{
    Photograph photograph;
    photograph.entity = MeasureScene::landscape(160, 120, 17, QSize(1280, 960));
    photograph.entity.image_drawpaths = everyKind();
    photograph.rendered = RadiometricFile::texturedImage(QSize(320, 240), 9);
    return photograph;
}

// A temperature matrix wider than its Screen image.
Photograph fineMatrix()
{
    Photograph photograph;
    photograph.entity = MeasureScene::landscape(800, 600, 23, QSize(320, 240));
    photograph.entity.image_drawpaths = everyKind();
    photograph.rendered = RadiometricFile::texturedImage(QSize(320, 240), 3);
    return photograph;
}

Photograph withoutMatrix()
{
    Photograph photograph = landscape(QImage::Format_RGB32);
    photograph.entity.temperatureData.clear();
    photograph.entity.temperatureWidth = 0;
    photograph.entity.temperatureHeight = 0;
    return photograph;
}

// No gray matrix, Camera image or temperatures: nothing renders, in the window or off it.
Photograph nothingRendered()
{
    Photograph photograph = withoutMatrix();
    photograph.rendered = QImage();
    return photograph;
}

Photograph notRead()
{
    Photograph photograph = landscape(QImage::Format_RGB32);
    photograph.entity.loaded = false;
    return photograph;
}

Photograph build(const QString& name)
{
    if (name == QLatin1String("coffee mug"))
        return sample(QStringLiteral("coffee-mug.jpg"), 1, 0);
    if (name == QLatin1String("fuse box"))
        return sample(QStringLiteral("fuse-box.jpg"), 3, 0.4f);
    if (name == QLatin1String("radiator"))
        return sample(QStringLiteral("radiator.jpg"), 0, 1);
    if (name == QLatin1String("landscape in 16-bit RGB"))
        return landscape(QImage::Format_RGB16);
    if (name == QLatin1String("markers in the corners"))
        return markersInTheCorners();
    if (name == QLatin1String("translucent landscape"))
        return translucent();
    if (name == QLatin1String("big landscape"))
        return bigLandscape();
    if (name == QLatin1String("fine matrix"))
        return fineMatrix();
    if (name == QLatin1String("landscape without a matrix"))
        return withoutMatrix();
    if (name == QLatin1String("landscape with nothing rendered"))
        return nothingRendered();
    if (name == QLatin1String("landscape not read"))
        return notRead();
    qWarning("no photograph is named %s", qPrintable(name));
    return Photograph();
}

// Reading and rendering a sample takes longer than painting it.
Photograph photographNamed(const QString& name)
{
    static QHash<QString, Photograph> built;
    if (!built.contains(name))
        built.insert(name, build(name));
    return built.value(name);
}

// A shown parent area with the drawing surface fitted into it, on the photograph.
struct Surface
{
    Surface(const QSize& parentSize, Photograph& photograph)
      : label(new ImageDrawLabel(&parent))
    {
        parent.resize(parentSize);
        parent.show();
        if (!QTest::qWaitForWindowExposed(&parent))
            qWarning("the parent area was not exposed");
        if (!photograph.rendered.isNull())
            label->setImage(photograph.rendered);
        label->setEntity(&photograph.entity);
    }

    QImage offScreen(const QImage& rendered) const
    {
        const AnnotationPainter annotations(*label->photograph(),
                                            label->pathList(),
                                            label->size(),
                                            label->displayUnit(),
                                            label->featureVisible(),
                                            32,
                                            label->font());
        return annotations.picture(rendered,
                                   label->palette().brush(QPalette::Window),
                                   label->devicePixelRatioF(),
                                   label->logicalDpiX(),
                                   label->logicalDpiY());
    }

    void hover(const QPoint& point)
    {
        QMouseEvent event(QEvent::MouseMove, point, Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(label, &event);
    }

    QWidget parent;
    ImageDrawLabel* label;
};

// Where two pictures first differ, and how many pixels do.
QString difference(const QImage& actual, const QImage& expected)
{
    if (actual.size() != expected.size()) {
        return QStringLiteral("%1 × %2 pixels instead of %3 × %4")
          .arg(actual.width())
          .arg(actual.height())
          .arg(expected.width())
          .arg(expected.height());
    }
    if (actual.format() != expected.format())
        return QStringLiteral("format %1 instead of %2")
          .arg(actual.format())
          .arg(expected.format());
    int count = 0;
    QString first;
    for (int y = 0; y < actual.height(); ++y) {
        for (int x = 0; x < actual.width(); ++x) {
            const QRgb a = actual.pixel(x, y);
            const QRgb e = expected.pixel(x, y);
            if (a == e)
                continue;
            if (count++ == 0)
                first = QStringLiteral("(%1, %2) is #%3 instead of #%4")
                          .arg(x)
                          .arg(y)
                          .arg(a, 8, 16, QLatin1Char('0'))
                          .arg(e, 8, 16, QLatin1Char('0'));
        }
    }
    if (count == 0)
        return QString();
    return QStringLiteral("%1 pixels differ; %2").arg(count).arg(first);
}

// Whether some pixel of the area has this colour.
bool holds(const QImage& image, const QRect& area, QRgb colour)
{
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (image.pixel(x, y) == colour)
                return true;
        }
    }
    return false;
}

// The first column of the area whose top and bottom pixels are the palette's hottest and coldest.
int paletteColumn(const QImage& image, int from, const QRgb* colours)
{
    for (int x = from; x < image.width(); ++x) {
        if (image.pixel(x, 0) == colours[255] && image.pixel(x, image.height() - 1) == colours[0])
            return x;
    }
    return -1;
}

// The picture as the writer's JPEG encoder leaves it.
QImage throughJpeg(const QImage& picture)
{
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter(&buffer, "jpg").write(picture);
    return QImage::fromData(jpeg, "JPG");
}

} // namespace

class TestSavedPicture : public QObject
{
    Q_OBJECT

private slots:
    void offScreenPictureIsTheWindows_data();
    void offScreenPictureIsTheWindows();
    void readoutStaysOutOfThePicture();
    void savedPictureIgnoresTheWindowsSize_data();
    void savedPictureIgnoresTheWindowsSize();
    void photographPartIsTheSurfaceAtThatSize();
    void stripFollowsTheSettings_data();
    void stripFollowsTheSettings();
    void savesWhatLittleThereIs_data();
    void savesWhatLittleThereIs();
    void offScreenSaveIsTheWindowsPicture();
};

void TestSavedPicture::offScreenPictureIsTheWindows_data()
{
    QTest::addColumn<QString>("photograph");
    QTest::addColumn<QSize>("parentSize");
    QTest::addColumn<int>("unit");
    QTest::addColumn<bool>("features");

    const QString photographs[] = { QStringLiteral("coffee mug"),
                                    QStringLiteral("fuse box"),
                                    QStringLiteral("radiator"),
                                    QStringLiteral("landscape in 16-bit RGB"),
                                    QStringLiteral("markers in the corners"),
                                    QStringLiteral("translucent landscape") };
    // Fitted to a 4:3 photograph: 640 × 480, 333 × 249, 701 × 525 and 97 × 72.
    const QSize parents[] = { QSize(640, 480), QSize(333, 260), QSize(701, 540), QSize(97, 73) };
    for (const QString& name : photographs) {
        for (const QSize& parent : parents) {
            for (int unit = 0; unit < 3; ++unit) {
                for (bool features : { true, false }) {
                    const QString row =
                      QStringLiteral("the %1 in a %2 × %3 area in %4 %5 feature markers")
                        .arg(name)
                        .arg(parent.width())
                        .arg(parent.height())
                        .arg(unitNames[unit],
                             features ? QStringLiteral("with") : QStringLiteral("without"));
                    QTest::newRow(qPrintable(row)) << name << parent << unit << features;
                }
            }
        }
    }
}

void TestSavedPicture::offScreenPictureIsTheWindows()
{
    QFETCH(QString, photograph);
    QFETCH(QSize, parentSize);
    QFETCH(int, unit);
    QFETCH(bool, features);
    Photograph shown = photographNamed(photograph);
    QVERIFY(!shown.rendered.isNull());
    Surface surface(parentSize, shown);
    surface.label->setDisplayUnit(unit);
    surface.label->setFeatureVisible(features);
    QVERIFY(!surface.label->pathList().isEmpty());

    // What the window shows, the readout and outlines aside.
    QVERIFY(!surface.label->pointerReadout()->isVisible());
    const QImage snapshot = surface.label->grab(surface.label->rect()).toImage();
    // The picture as rendered, not as the window keeps it.
    const QImage picture = surface.offScreen(shown.rendered);
    const QString failure = difference(picture, snapshot);
    QVERIFY2(failure.isEmpty(),
             qPrintable(QStringLiteral("on a %1 × %2 surface at a ratio of %3: %4")
                          .arg(surface.label->width())
                          .arg(surface.label->height())
                          .arg(surface.label->devicePixelRatioF())
                          .arg(failure)));
    QCOMPARE(picture.devicePixelRatio(), snapshot.devicePixelRatio());
}

void TestSavedPicture::readoutStaysOutOfThePicture()
{
    Photograph shown = landscape(QImage::Format_RGB32);
    Surface surface(QSize(500, 375), shown);
    const QImage before = surface.label->savedPicture();
    const QImage grabbedBefore = surface.label->grab().toImage();
    surface.hover(QPoint(200, 150));
    QVERIFY(surface.label->pointerReadout()->isVisible());
    QVERIFY2(surface.label->grab().toImage() != grabbedBefore, "the readout is not painted at all");
    QCOMPARE(surface.label->savedPicture(), before);
    QCOMPARE(surface.label->snapshot().toImage(), before);
}

void TestSavedPicture::savedPictureIgnoresTheWindowsSize_data()
{
    QTest::addColumn<QString>("photograph");
    QTest::addColumn<int>("unit");
    QTest::addColumn<int>("width");

    // No narrower than 640, else as wide as the Screen image or the matrix, whichever is wider.
    QTest::newRow("the coffee mug in Celsius") << QStringLiteral("coffee mug") << 0 << 640;
    QTest::newRow("the fuse box in Fahrenheit") << QStringLiteral("fuse box") << 1 << 640;
    QTest::newRow("a 16-bit landscape in Kelvin")
      << QStringLiteral("landscape in 16-bit RGB") << 2 << 640;
    QTest::newRow("markers in the corners in Celsius")
      << QStringLiteral("markers in the corners") << 0 << 640;
    QTest::newRow("a 1280 pixel Screen image in Celsius")
      << QStringLiteral("big landscape") << 0 << 1280;
    QTest::newRow("an 800 cell matrix behind a 320 pixel Screen image in Fahrenheit")
      << QStringLiteral("fine matrix") << 1 << 800;
}

void TestSavedPicture::savedPictureIgnoresTheWindowsSize()
{
    QFETCH(QString, photograph);
    QFETCH(int, unit);
    QFETCH(int, width);
    Photograph shown = photographNamed(photograph);
    QImage reference;
    for (const QSize& area : { QSize(97, 73), QSize(333, 260), QSize(701, 540) }) {
        Surface surface(area, shown);
        surface.label->setDisplayUnit(unit);
        const QImage saved = surface.label->savedPicture();
        QCOMPARE(saved.devicePixelRatio(), 1.0);
        // As high as the rendering's proportions make it, the scale to its right.
        const int height =
          int(std::lround(double(width) * shown.rendered.height() / shown.rendered.width()));
        QCOMPARE(saved.height(), height);
        QVERIFY2(saved.width() > width + height / 10, qPrintable(QString::number(saved.width())));
        if (reference.isNull())
            reference = saved;
        const QString failure = difference(saved, reference);
        QVERIFY2(failure.isEmpty(),
                 qPrintable(QStringLiteral("in a %1 × %2 area: %3")
                              .arg(area.width())
                              .arg(area.height())
                              .arg(failure)));
        QCOMPARE(surface.label->snapshot().toImage(), saved);
    }
}

// Where the window's drawing surface is as large as the saved photograph, the two show the same
// pixels: the rendering stretched alike, markers and labels painted alike.
void TestSavedPicture::photographPartIsTheSurfaceAtThatSize()
{
    Photograph shown = photographNamed(QStringLiteral("big landscape"));
    Surface surface(QSize(1280, 960), shown);
    if (surface.label->devicePixelRatioF() != 1)
        QSKIP("the window paints more pixels than the saved picture holds");
    QCOMPARE(surface.label->size(), QSize(1280, 960));
    surface.label->setDisplayUnit(1);
    const QImage grabbed =
      surface.label->grab(surface.label->rect()).toImage().convertToFormat(QImage::Format_RGB32);
    const QImage saved = surface.label->savedPicture();
    const QString failure = difference(saved.copy(QRect(0, 0, 1280, 960)), grabbed);
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
}

void TestSavedPicture::stripFollowsTheSettings_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("palette");
    QTest::addColumn<int>("unit");
    QTest::addColumn<bool>("isotherm");

    QTest::newRow("the Camera range in iron shows the camera's ends")
      << int(TemperatureRange::Camera) << int(PaletteTable::Iron) << 0 << false;
    QTest::newRow("the Camera range leaves the isotherm off its strip")
      << int(TemperatureRange::Camera) << int(PaletteTable::Spectrum) << 1 << true;
    QTest::newRow("an automatic range in white hot in Kelvin")
      << int(TemperatureRange::Auto) << int(PaletteTable::WhiteHot) << 2 << false;
    QTest::newRow("a histogram in the spectrum with an isotherm")
      << int(TemperatureRange::Histogram) << int(PaletteTable::Spectrum) << 0 << true;
    QTest::newRow("a manual range in black hot in Fahrenheit with an isotherm")
      << int(TemperatureRange::Manual) << int(PaletteTable::BlackHot) << 1 << true;
}

void TestSavedPicture::stripFollowsTheSettings()
{
    QFETCH(int, mode);
    QFETCH(int, palette);
    QFETCH(int, unit);
    QFETCH(bool, isotherm);
    Photograph shown = photographNamed(QStringLiteral("landscape in 16-bit RGB"));
    Surface surface(QSize(333, 260), shown);
    DisplaySettings settings = surface.label->document()->settings();
    settings.palette = palette;
    settings.unit = unit;
    settings.range.mode = TemperatureRange::Mode(mode);
    settings.range.low = 22;
    settings.range.high = 31;
    if (isotherm) {
        settings.isotherm.kind = Isotherm::Above;
        settings.isotherm.first = 27;
    }
    surface.label->document()->setSettings(settings);

    const QImage saved = surface.label->savedPicture();
    const QRect photograph(0, 0, 640, 480);
    QVERIFY(saved.width() > photograph.width());
    QCOMPARE(saved.height(), photograph.height());
    const ImageEntity& entity = shown.entity;
    const ScaleStrip expected =
      mode == TemperatureRange::Camera
        ? ScaleStrip::camera(entity, unsigned(palette), unit)
        : ScaleStrip(
            entity.temperatures(), settings.range, unsigned(palette), unit, settings.isotherm);
    QVERIFY(expected.isValid());
    if (mode == TemperatureRange::Camera) {
        QCOMPARE(expected.low(), double(entity.details.feature.minPoint.temperature));
        QCOMPARE(expected.high(), double(entity.details.feature.maxPoint.temperature));
    }
    const QString failure = difference(saved, expected.beside(saved.copy(photograph)));
    QVERIFY2(failure.isEmpty(), qPrintable(failure));

    // The strip in the palette chosen, its band in the isotherm's colour where a range renders.
    const QRect strip(photograph.width(), 0, saved.width() - photograph.width(), saved.height());
    QVERIFY(paletteColumn(saved, photograph.width(), PaletteTable::colors(unsigned(palette))) > 0);
    QCOMPARE(holds(saved, strip, settings.isotherm.colour | 0xff000000u),
             isotherm && mode != TemperatureRange::Camera);
}

void TestSavedPicture::savesWhatLittleThereIs_data()
{
    QTest::addColumn<QString>("photograph");
    QTest::addColumn<int>("mode");
    // Whether the surface took the photograph, and with it the shapes and the scale.
    QTest::addColumn<bool>("taken");

    QTest::newRow("a photograph without a matrix keeps the camera's scale")
      << QStringLiteral("landscape without a matrix") << int(TemperatureRange::Camera) << true;
    QTest::newRow("a photograph without a matrix falls back to the camera's scale in Auto")
      << QStringLiteral("landscape without a matrix") << int(TemperatureRange::Auto) << true;
    QTest::newRow("a photograph with nothing rendered keeps its markers and scale")
      << QStringLiteral("landscape with nothing rendered") << int(TemperatureRange::Auto) << true;
    // The surface takes no photograph that was not read: it saves its picture alone.
    QTest::newRow("a surface refusing a photograph not read has nothing to scale")
      << QStringLiteral("landscape not read") << int(TemperatureRange::Camera) << false;
}

void TestSavedPicture::savesWhatLittleThereIs()
{
    QFETCH(QString, photograph);
    QFETCH(int, mode);
    QFETCH(bool, taken);
    Photograph shown = photographNamed(photograph);
    Surface surface(QSize(333, 260), shown);
    DisplaySettings settings = surface.label->document()->settings();
    settings.palette = int(PaletteTable::Iron);
    settings.range.mode = TemperatureRange::Mode(mode);
    surface.label->document()->setSettings(settings);

    const QImage saved = surface.label->savedPicture();
    QVERIFY(!saved.isNull());
    // The Screen image's proportions where there is no rendering to take them from.
    QCOMPARE(saved.height(), 480);
    const QRect part(0, 0, 640, 480);
    if (!taken) {
        QCOMPARE(saved.width(), 640);
    } else {
        QVERIFY(saved.width() > 640);
        const ScaleStrip camera = ScaleStrip::camera(shown.entity, PaletteTable::Iron, 0);
        QCOMPARE(saved, camera.beside(saved.copy(part)));
    }
    // The shapes are there, over the rendering or a black ground.
    QCOMPARE(holds(saved, part, qRgb(0, 255, 0)), taken);
    if (shown.rendered.isNull())
        QVERIFY(holds(saved, part, qRgb(0, 0, 0)));
}

// Save all pictures a photograph that is no longer shown as the window pictured it while shown:
// same size, same range, same strip.
void TestSavedPicture::offScreenSaveIsTheWindowsPicture()
{
    QTemporaryDir folder;
    const QString first = folder.filePath(QStringLiteral("first.jpg"));
    const QString second = folder.filePath(QStringLiteral("second.jpg"));
    QVERIFY(QFile::copy(samplePath(QStringLiteral("fuse-box.jpg")), first));
    QVERIFY(QFile::copy(samplePath(QStringLiteral("coffee-mug.jpg")), second));

    QWidget area;
    area.resize(411, 330);
    auto* label = new ImageDrawLabel(&area);
    area.show();
    QVERIFY(QTest::qWaitForWindowExposed(&area));
    PhotographDocument* document = label->document();
    connect(document, &PhotographDocument::pictureRendered, label, &ImageDrawLabel::setImage);
    QSignalSpy replaced(document, &PhotographDocument::photographReplaced);
    QSignalSpy rendered(document, &PhotographDocument::pictureRendered);
    QVERIFY(document->open(first));
    QTRY_COMPARE_WITH_TIMEOUT(replaced.count(), 1, 10000);

    DisplaySettings settings = document->settings();
    settings.palette = int(PaletteTable::Iron);
    settings.blend = 100;
    settings.unit = 1;
    settings.range.mode = TemperatureRange::Auto;
    settings.isotherm.kind = Isotherm::Below;
    settings.isotherm.first =
      double(document->photograph()->details.feature.minPoint.temperature) + 2;
    document->setSettings(settings);
    QVERIFY(document->render());
    QTRY_COMPARE_WITH_TIMEOUT(rendered.count(), 1, 10000);
    document->addShape(measured(shapeOf(ShapeKind::Rectangle, QPointF(0.2, 0.2), QPointF(0.7, 0.6)),
                                QPointF(0.4, 0.3),
                                QPointF(0.6, 0.5)));
    const QImage shownPicture = label->savedPicture();
    // What the window's Camera picture would have been: the off-screen save must not fall back
    // to it.
    DisplaySettings camera = settings;
    camera.range = TemperatureRange();
    const QImage cameraPicture =
      SavedPicture::render(*document->photograph(), document->shapes(), camera);
    QVERIFY(shownPicture != cameraPicture);

    QVERIFY(document->open(second));
    QTRY_COMPARE_WITH_TIMEOUT(replaced.count(), 2, 10000);
    QVERIFY(document->unsavedPhotographs().contains(first));
    QSignalSpy finished(document, &PhotographDocument::saveFinished);
    QImage unused(64, 48, QImage::Format_RGB32);
    unused.fill(Qt::darkCyan);
    QCOMPARE(document->saveAllUnsaved(unused), 1);
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 10000);
    QCOMPARE(finished.first().at(0).value<ImageSaveThread::Outcome>(), ImageSaveThread::Saved);

    QFile file(first);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QImage front = QImage::fromData(file.readAll(), "JPG");
    const QString failure = difference(front, throughJpeg(shownPicture));
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
}

QTEST_MAIN(TestSavedPicture)
#include "tst_savedpicture.moc"
