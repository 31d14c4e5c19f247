#include "measure/annotationpainter.h"
#include "model/radiometricreader.h"
#include "render/imageblendthread.h"
#include "support/measurescene.h"
#include "support/radiometricfile.h"
#include "surface/imagedrawlabel.h"
#include "surface/pointerreadout.h"

#include <QApplication>
#include <QMouseEvent>
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

} // namespace

class TestSavedPicture : public QObject
{
    Q_OBJECT

private slots:
    void offScreenPictureIsTheWindows_data();
    void offScreenPictureIsTheWindows();
    void readoutStaysOutOfThePicture();
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
    // And what a save takes.
    const QString saved = difference(surface.label->savedPicture(), snapshot);
    QVERIFY2(saved.isEmpty(), qPrintable(saved));
}

void TestSavedPicture::readoutStaysOutOfThePicture()
{
    Photograph shown = landscape(QImage::Format_RGB32);
    Surface surface(QSize(500, 375), shown);
    const QImage rendered = surface.label->shownPixmap().toImage();
    const QImage before = surface.offScreen(rendered);
    const QImage grabbedBefore = surface.label->grab().toImage();
    surface.hover(QPoint(200, 150));
    QVERIFY(surface.label->pointerReadout()->isVisible());
    QVERIFY2(surface.label->grab().toImage() != grabbedBefore, "the readout is not painted at all");
    QCOMPARE(surface.offScreen(rendered), before);
    QCOMPARE(surface.offScreen(rendered), surface.label->savedPicture());
}

QTEST_MAIN(TestSavedPicture)
#include "tst_savedpicture.moc"
