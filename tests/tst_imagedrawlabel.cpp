#include "document/photographdocument.h"
#include "measure/annotationpainter.h"
#include "measure/imageregionthread.h"
#include "render/calculatetools.h"
#include "support/logcapture.h"
#include "support/measurescene.h"
#include "surface/imagedrawlabel.h"
#include "surface/pointerreadout.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QtTest>

namespace {

const QRgb background = qRgb(0, 0, 128);
const QRgb red = qRgb(255, 0, 0);
const QRgb green = qRgb(0, 255, 0);
const QRgb yellow = qRgb(255, 255, 0);
const QRgb white = qRgb(255, 255, 255);

QImage solidImage(const QSize& size, QRgb color = background)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

// Widgets ask to be repainted with a low-priority posted event; one posted after it arrives once
// the window has painted what was asked for.
void flushUpdates()
{
    struct Marker : QObject
    {
        bool arrived = false;
        bool event(QEvent* event) override
        {
            if (event->type() != QEvent::User)
                return QObject::event(event);
            arrived = true;
            return true;
        }
    } marker;
    QCoreApplication::postEvent(&marker, new QEvent(QEvent::User), Qt::LowEventPriority);
    if (!QTest::qWaitFor([&marker] { return marker.arrived; }))
        qWarning("the posted marker never arrived");
}

// Counts the paint events a widget receives.
class PaintCounter : public QObject
{
public:
    explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++count;
        return false;
    }
};

// A shown parent area with a drawing surface fitted to an image of the given size.
struct Surface
{
    explicit Surface(const QSize& parentSize, const QSize& imageSize = QSize())
      : label(new ImageDrawLabel(&parent))
    {
        parent.resize(parentSize);
        parent.show();
        if (!QTest::qWaitForWindowExposed(&parent))
            qWarning("the parent area was not exposed");
        label->setImage(solidImage(imageSize.isValid() ? imageSize : parentSize));
    }
    // A statistics thread deletes itself only through the event loop after it has finished.
    ~Surface()
    {
        if (!QTest::qWaitFor([this] { return label->measurementThreads() == 0; }, 10000))
            qWarning("a statistics thread outlived its test");
    }

    void press(const QPoint& point)
    {
        QTest::mousePress(label, Qt::LeftButton, Qt::NoModifier, point);
    }
    // QTest::mouseMove does not hold a button for widgets.
    void move(const QPoint& point)
    {
        QMouseEvent event(QEvent::MouseMove, point, Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(label, &event);
    }
    void release(const QPoint& point)
    {
        QTest::mouseRelease(label, Qt::LeftButton, Qt::NoModifier, point);
    }
    void drag(int tool, const QPoint& from, const QPoint& to)
    {
        label->setDrawMode(tool);
        press(from);
        move((from + to) / 2);
        move(to);
        release(to);
    }
    QImage shot() { return label->grab().toImage(); }
    void hover(const QPoint& point)
    {
        QMouseEvent event(QEvent::MouseMove, point, Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(label, &event);
    }

    QWidget parent;
    ImageDrawLabel* label;
};

ImageDrawPath shapeOf(int type, const QPointF& start, const QPointF& end)
{
    ImageDrawPath shape;
    shape.type = type;
    shape.points[0] = PathPoint(float(start.x()), float(start.y()), 0, 0);
    shape.points[1] = PathPoint(float(end.x()), float(end.y()), 0, 0);
    return shape;
}

QString rgb(QRgb color)
{
    return QStringLiteral("(%1, %2, %3)").arg(qRed(color)).arg(qGreen(color)).arg(qBlue(color));
}

// The translucent black of a value label over the background.
bool isBox(QRgb color)
{
    return qRed(color) == 0 && qGreen(color) == 0 && qAbs(qBlue(color) - 43) <= 1;
}

// Pixels fully inside the 3-pixel arms of the corner frame around (cx, cy): two per corner.
QVector<QPoint> armPixels(int cx, int cy)
{
    const int a = cx - 16;
    const int c = cx + 16;
    const int b = cy - 16;
    const int e = cy + 16;
    return { QPoint(a + 5, b - 1), QPoint(a + 5, b), QPoint(a - 1, b + 5), QPoint(a, b + 5),
             QPoint(c - 5, b),     QPoint(c, b + 5), QPoint(a, e - 5),     QPoint(a + 5, e),
             QPoint(c - 5, e - 1), QPoint(c - 5, e), QPoint(c - 1, e - 5), QPoint(c, e - 5) };
}

// Pixels of the centre cross of (cx, cy).
QVector<QPoint> crossPixels(int cx, int cy)
{
    return { QPoint(cx - 4, cy - 1), QPoint(cx - 4, cy), QPoint(cx + 3, cy),
             QPoint(cx - 1, cy - 4), QPoint(cx, cy - 4), QPoint(cx, cy + 3) };
}

QString checkPixels(const QImage& image, const QVector<QPoint>& pixels, QRgb expected)
{
    for (const QPoint& p : pixels) {
        const QRgb actual = image.pixel(p) & 0xffffff;
        if (actual != (expected & 0xffffff)) {
            return QStringLiteral("pixel (%1, %2) is %3 instead of %4")
              .arg(p.x())
              .arg(p.y())
              .arg(rgb(actual), rgb(expected));
        }
    }
    return QString();
}

enum class Action
{
    MoveWithPoint,
    MoveWithLine,
    MoveWithRectangle,
    MoveWithNoTool,
    RemoveLast,
    Clear,
    SameUnit,
    OtherUnit,
    DrawMode,
    FeatureSwitch,
};

// What takes away a shape still being measured.
enum class TakeAway
{
    Clear,
    NewPhotograph,
    Undo,
};

QList<int> kindsOf(const QList<ImageDrawPath>& shapes)
{
    QList<int> kinds;
    for (const ImageDrawPath& shape : shapes)
        kinds.append(shape.type);
    return kinds;
}

// Holds the first result that reaches the surface's document until a second has been
// delivered, so that the two are taken in in the opposite order of their finishing.
class ResultHolder : public QObject
{
public:
    explicit ResultHolder(ImageDrawLabel* label)
      : label(label)
    {
        qApp->installEventFilter(this);
    }
    int results = 0;
    // The kinds listed once the second result was in and the first still held.
    QList<int> listedWhileHolding;

protected:
    // A measurement's result is handed over by a queued call to its thread object.
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::MetaCall || !qobject_cast<ImageRegionThread*>(watched))
            return false;
        if (++results == 1) {
            if (!QTest::qWaitFor([this] { return results >= 2; }, 5000))
                qWarning("no second result arrived while the first was held");
            listedWhileHolding = kindsOf(label->pathList());
        }
        return false;
    }

private:
    ImageDrawLabel* label;
};

// A photograph whose feature markers and shapes of every kind reach all four borders, painted
// in a font of its own.
struct AnnotatedScene
{
    AnnotatedScene()
      : surface(QSize(701, 500), QSize(640, 480))
      , photo(MeasureScene::uniform(160, 120, 250))
    {
        photo.screenWidth = 1280;
        photo.screenHeight = 960;
        FeaturePoint& hottest = photo.details.feature.maxPoint;
        hottest.x = 1275;
        hottest.y = 8;
        hottest.temperature = 41.5f;
        FeaturePoint& coldest = photo.details.feature.minPoint;
        coldest.x = 4;
        coldest.y = 950;
        coldest.temperature = -3.25f;
        photo.details.feature.centrePoint.temperature = 22.75f;
        ImageDrawLabel* label = surface.label;
        QFont font = label->font();
        font.setPointSize(15);
        font.setBold(true);
        label->setFont(font);
        label->setEntity(&photo);

        ImageDrawPath point = shapeOf(0, QPointF(0.01, 0.5), QPointF(0.01, 0.5));
        point.points[3] = PathPoint(0.01f, 0.5f, 30.5f, 0);
        ImageDrawPath corner = shapeOf(0, QPointF(1, 1), QPointF(1, 1));
        corner.points[3] = PathPoint(1, 1, 98.6f, 1);
        ImageDrawPath line = shapeOf(1, QPointF(0.1, 0.05), QPointF(0.9, 0.2));
        line.points[3] = PathPoint(0.9f, 0.2f, 45.25f, 0);
        line.points[4] = PathPoint(0.1f, 0.05f, 12, 0);
        ImageDrawPath rectangle = shapeOf(2, QPointF(0.6, 0.95), QPointF(0.2, 0.6));
        rectangle.points[3] = PathPoint(0.55f, 0.97f, 38, 0);
        rectangle.points[4] = PathPoint(0.25f, 0.65f, 50, 1);
        ImageDrawPath oval = shapeOf(3, QPointF(0.7, 0.4), QPointF(0.98, 0.8));
        oval.points[3] = PathPoint(0.99f, 0.6f, 27, 0);
        oval.points[4] = PathPoint(0.8f, 0.45f, -7.5f, 0);
        for (const ImageDrawPath& shape : { point, corner, line, rectangle, oval })
            label->document()->addShape(shape);
    }

    Surface surface;
    ImageEntity photo;
};

} // namespace

Q_DECLARE_METATYPE(Action)
Q_DECLARE_METATYPE(TakeAway)

class TestImageDrawLabel : public QObject
{
    Q_OBJECT
private slots:
    void fitsIntoParent_data();
    void fitsIntoParent();
    void fittingNeedsParentAndImage();
    void refitFollowsTheParent();
    void shortDragsAreAbandoned_data();
    void shortDragsAreAbandoned();
    void rectangleDraggedUpLeftIsNormalised();
    void releaseOutsideClampsToTheBorder_data();
    void releaseOutsideClampsToTheBorder();
    void pointToolMeasuresTheReleasePixel();
    void failedMeasurementAddsNothing();
    void resultsAreAppended();
    void resultsKeepTheDrawingOrder();
    void resultsOfShapesTakenAwayAreDropped_data();
    void resultsOfShapesTakenAwayAreDropped();
    void clearCanBeUndone_data();
    void clearCanBeUndone();
    void repaints_data();
    void repaints();
    void setEntity_data();
    void setEntity();
    void paintsMarkersByKind();
    void featureMarkers_data();
    void featureMarkers();
    void valueLabelBox_data();
    void valueLabelBox();
    void readout_data();
    void readoutAndPointReadTheSameCell_data();
    void readoutAndPointReadTheSameCell();
    void readout();
    void readoutShowsAShapesMaximum();
    void snapshotLeavesTheReadoutOut();
    void annotationsPaintAsTheWindowDoes_data();
    void annotationsPaintAsTheWindowDoes();
};

void TestImageDrawLabel::fitsIntoParent_data()
{
    QTest::addColumn<QSize>("parent");
    QTest::addColumn<QRect>("geometry");

    QTest::newRow("same size") << QSize(640, 480) << QRect(0, 0, 640, 480);
    QTest::newRow("tall parent: centred vertically")
      << QSize(1000, 1000) << QRect(0, 125, 1000, 750);
    QTest::newRow("wide parent: centred horizontally")
      << QSize(1000, 700) << QRect(33, 0, 933, 700);
    QTest::newRow("narrow parent: shrunk") << QSize(333, 1000) << QRect(0, 375, 333, 249);
    // 500 ÷ 480 in single precision times 480 lies just below 500.
    QTest::newRow("truncation leaves the label a pixel short")
      << QSize(701, 500) << QRect(17, 0, 666, 499);
    QTest::newRow("one pixel larger each way keeps the height")
      << QSize(641, 481) << QRect(0, 0, 641, 480);
}

void TestImageDrawLabel::fitsIntoParent()
{
    QFETCH(QSize, parent);
    QFETCH(QRect, geometry);
    Surface surface(parent, QSize(640, 480));
    QCOMPARE(surface.label->geometry(), geometry);
    QCOMPARE(surface.label->shownPixmap().size(), QSize(640, 480));
}

void TestImageDrawLabel::fittingNeedsParentAndImage()
{
    ImageDrawLabel orphan;
    const QRect before = orphan.geometry();
    orphan.setImage(solidImage(QSize(640, 480)));
    QCOMPARE(orphan.geometry(), before);

    Surface surface(QSize(640, 480));
    surface.label->setImage(QImage());
    QCOMPARE(surface.label->geometry(), QRect(0, 0, 640, 480));
    QCOMPARE(surface.label->shownPixmap().size(), QSize(640, 480));
}

void TestImageDrawLabel::refitFollowsTheParent()
{
    Surface surface(QSize(640, 480));
    surface.parent.resize(1000, 1000);
    surface.label->refitImage();
    QCOMPARE(surface.label->geometry(), QRect(0, 125, 1000, 750));
}

void TestImageDrawLabel::shortDragsAreAbandoned_data()
{
    QTest::addColumn<int>("tool");
    QTest::addColumn<QPoint>("press");
    QTest::addColumn<QPoint>("release");
    QTest::addColumn<bool>("accepted");

    // The label is 500 × 375: 3 % of its width is 15 pixels.
    QTest::newRow("line of 14 pixels") << 1 << QPoint(100, 100) << QPoint(114, 100) << false;
    QTest::newRow("line of 15 pixels") << 1 << QPoint(100, 100) << QPoint(115, 100) << true;
    QTest::newRow("upright line of 14 pixels: the width counts, not the height")
      << 1 << QPoint(100, 100) << QPoint(100, 114) << false;
    QTest::newRow("rectangle with a diagonal of 14.2")
      << 2 << QPoint(100, 100) << QPoint(109, 111) << false;
    QTest::newRow("rectangle with a diagonal of 15 but sides of 9 and 12")
      << 2 << QPoint(100, 100) << QPoint(109, 112) << false;
    QTest::newRow("oval with a diagonal of 15 but sides of 12 and 9")
      << 3 << QPoint(200, 200) << QPoint(212, 209) << false;
    QTest::newRow("rectangle of 15 x 15") << 2 << QPoint(100, 100) << QPoint(115, 115) << true;
    QTest::newRow("flat rectangle of 200 x 0")
      << 2 << QPoint(100, 100) << QPoint(300, 100) << false;
    QTest::newRow("oval of 14 x 200 dragged up: the narrow side counts")
      << 3 << QPoint(114, 300) << QPoint(100, 100) << false;
    QTest::newRow("flat line of 200 x 0") << 1 << QPoint(100, 100) << QPoint(300, 100) << true;
    QTest::newRow("line pressed and released on one spot")
      << 1 << QPoint(50, 50) << QPoint(50, 50) << false;
    QTest::newRow("point pressed and released on one spot")
      << 0 << QPoint(50, 50) << QPoint(50, 50) << true;
}

void TestImageDrawLabel::shortDragsAreAbandoned()
{
    QFETCH(int, tool);
    QFETCH(QPoint, press);
    QFETCH(QPoint, release);
    QFETCH(bool, accepted);
    ImageEntity photo = MeasureScene::landscape(160, 120, 11, QSize(500, 375));
    Surface surface(QSize(500, 375));
    QCOMPARE(surface.label->width(), 500);
    surface.label->setEntity(&photo);
    LogCapture log;
    QSignalSpy discarded(surface.label, &ImageDrawLabel::shapeDiscarded);
    surface.drag(tool, press, release);
    const QString abandoned = QStringLiteral("放弃拾取选区");
    QCOMPARE(log.contains(abandoned), !accepted);
    QCOMPARE(discarded.count(), accepted ? 0 : 1);
    QCOMPARE(log.linesStartingWith({ QStringLiteral("length =") }).size(), tool == 0 ? 0 : 1);
    if (!accepted) {
        // Only a thread could add a shape later.
        QCOMPARE(surface.label->measurementThreads(), 0);
        QCOMPARE(surface.label->pathList().size(), 0);
        return;
    }
    QTRY_COMPARE(surface.label->pathList().size(), 1);
    const ImageDrawPath& shape = surface.label->pathList().first();
    QCOMPARE(shape.type, tool);
    QCOMPARE(shape.points[0].x, press.x() / 500.0f);
    QCOMPARE(shape.points[0].y, press.y() / 375.0f);
    QCOMPARE(shape.points[1].x, release.x() / 500.0f);
    QCOMPARE(shape.points[1].y, release.y() / 375.0f);
    QVERIFY(log.contains(QStringLiteral("onRegionSucceed")));
}

void TestImageDrawLabel::rectangleDraggedUpLeftIsNormalised()
{
    ImageEntity photo = MeasureScene::landscape(160, 120, 12, QSize(500, 375));
    Surface surface(QSize(500, 375));
    surface.label->setEntity(&photo);
    surface.drag(2, QPoint(300, 200), QPoint(100, 50));
    QTRY_COMPARE(surface.label->pathList().size(), 1);
    const ImageDrawPath& shape = surface.label->pathList().first();
    QCOMPARE(shape.points[0].x, 0.6f);
    QCOMPARE(shape.points[1].x, 0.2f);
    QCOMPARE(shape.path.boundingRect(), QRectF(100, 50, 200, 150));
    // The outline starts at the smaller corner, so the walk runs the same way for either drag.
    QCOMPARE(QPointF(shape.path.elementAt(0)), QPointF(100, 50));
    for (int role : { 3, 4 }) {
        const PathPoint& p = shape.points[role];
        QVERIFY2(p.x >= 0.2f - 0.01f && p.x <= 0.6f + 0.01f && p.y >= 50 / 375.0f - 0.01f &&
                   p.y <= 200 / 375.0f + 0.01f,
                 "the extremes lie inside the rectangle");
    }
}

void TestImageDrawLabel::releaseOutsideClampsToTheBorder_data()
{
    QTest::addColumn<int>("tool");
    QTest::addColumn<QPoint>("press");
    QTest::addColumn<QPoint>("release");
    QTest::addColumn<QPointF>("end");

    QTest::newRow("rectangle released past the bottom right")
      << 2 << QPoint(400, 300) << QPoint(600, 450) << QPointF(1.0, 1.0);
    QTest::newRow("oval released past the top left")
      << 3 << QPoint(100, 100) << QPoint(-30, -40) << QPointF(0.0, 0.0);
    QTest::newRow("line released past the right border")
      << 1 << QPoint(400, 300) << QPoint(520, 300) << QPointF(1.0, 0.8);
    QTest::newRow("point released below the label")
      << 0 << QPoint(250, 300) << QPoint(250, 400) << QPointF(0.5, 1.0);
}

void TestImageDrawLabel::releaseOutsideClampsToTheBorder()
{
    QFETCH(int, tool);
    QFETCH(QPoint, press);
    QFETCH(QPoint, release);
    QFETCH(QPointF, end);
    ImageEntity photo = MeasureScene::landscape(160, 120, 13, QSize(500, 375));
    Surface surface(QSize(500, 375));
    surface.label->setEntity(&photo);
    surface.drag(tool, press, release);
    QTRY_COMPARE(surface.label->pathList().size(), 1);
    const ImageDrawPath& shape = surface.label->pathList().first();
    QCOMPARE(shape.points[1].x, float(end.x()));
    QCOMPARE(shape.points[1].y, float(end.y()));
    for (int role : { 3, 4 }) {
        if (tool == 0 && role == 4)
            break;
        const PathPoint& p = shape.points[role];
        QVERIFY2(p.x >= 0 && p.x <= 1.005f && p.y >= 0 && p.y <= 1, "no extreme off the matrix");
    }
}

void TestImageDrawLabel::pointToolMeasuresTheReleasePixel()
{
    ImageEntity photo = MeasureScene::landscape(160, 120, 14, QSize(500, 375));
    // The press pixel's cell, (3, 3), is hotter than any other.
    photo.temperatureData[2 * (3 * 160 + 3)] = char(0xe7);
    photo.temperatureData[2 * (3 * 160 + 3) + 1] = char(0x03);
    Surface surface(QSize(500, 375));
    surface.label->setEntity(&photo);
    surface.drag(0, QPoint(10, 10), QPoint(250, 180));
    QTRY_COMPARE(surface.label->pathList().size(), 1);
    const ImageDrawPath& shape = surface.label->pathList().first();
    QCOMPARE(shape.type, 0);
    QCOMPARE(shape.points[3].x, 0.5f);
    QCOMPARE(shape.points[3].y, 0.48f);
    QCOMPARE(shape.points[3].value, photo.temperatureAt(80, 57));
    QCOMPARE(photo.temperatureAt(3, 3), 99.9f);
    QVERIFY2(shape.points[3].value != photo.temperatureAt(3, 3), "the press pixel is not read");
}

void TestImageDrawLabel::failedMeasurementAddsNothing()
{
    ImageEntity photo;
    photo.loaded = true;
    Surface surface(QSize(500, 375));
    surface.label->setEntity(&photo);
    LogCapture log;
    surface.drag(1, QPoint(100, 100), QPoint(300, 200));
    QTRY_VERIFY(log.contains(QStringLiteral("onRegionFailed")));
    QCOMPARE(surface.label->pathList().size(), 0);
}

void TestImageDrawLabel::resultsAreAppended()
{
    ImageEntity photo = MeasureScene::landscape(160, 120, 15, QSize(500, 375));
    Surface surface(QSize(500, 375));
    surface.label->setEntity(&photo);
    surface.label->document()->addShape(shapeOf(1, QPointF(0, 0), QPointF(1, 1)));
    surface.drag(2, QPoint(10, 10), QPoint(200, 200));
    surface.drag(0, QPoint(30, 30), QPoint(30, 30));
    QTRY_COMPARE(surface.label->pathList().size(), 3);
    QCOMPARE(kindsOf(surface.label->pathList()), (QList<int>{ 1, 2, 0 }));
}

void TestImageDrawLabel::resultsKeepTheDrawingOrder()
{
    ImageEntity photo = MeasureScene::landscape(160, 120, 19, QSize(500, 375));
    Surface surface(QSize(500, 375));
    ImageDrawLabel* label = surface.label;
    label->setEntity(&photo);
    ResultHolder holder(label);
    // The point's result is queued before the oval's thread starts, since the event loop does
    // not run in between; then it is held back until the oval's result has been taken in.
    surface.drag(0, QPoint(30, 30), QPoint(30, 30));
    QThread::msleep(300);
    surface.drag(3, QPoint(0, 0), QPoint(500, 375));
    QTRY_COMPARE(holder.results, 2);
    QCOMPARE(holder.listedWhileHolding, QList<int>{ 3 });
    QCOMPARE(kindsOf(label->pathList()), (QList<int>{ 0, 3 }));
    label->removeLastPath();
    QCOMPARE(kindsOf(label->pathList()), QList<int>{ 0 });
}

void TestImageDrawLabel::resultsOfShapesTakenAwayAreDropped_data()
{
    QTest::addColumn<TakeAway>("action");
    QTest::addColumn<QList<int>>("expected");

    // The photograph holds a rectangle; the line drawn on it is still being measured.
    QTest::newRow("clear") << TakeAway::Clear << QList<int>{};
    QTest::newRow("a new photograph with an oval") << TakeAway::NewPhotograph << QList<int>{ 3 };
    QTest::newRow("undo takes the line, not the rectangle") << TakeAway::Undo << QList<int>{ 2 };
}

void TestImageDrawLabel::resultsOfShapesTakenAwayAreDropped()
{
    QFETCH(TakeAway, action);
    QFETCH(QList<int>, expected);
    ImageEntity photo = MeasureScene::landscape(160, 120, 20, QSize(500, 375));
    photo.image_drawpaths.append(shapeOf(2, QPointF(0.1, 0.1), QPointF(0.3, 0.3)));
    ImageEntity next = MeasureScene::landscape(160, 120, 21, QSize(500, 375));
    next.image_drawpaths.append(shapeOf(3, QPointF(0.5, 0.5), QPointF(0.7, 0.7)));
    Surface surface(QSize(500, 375));
    ImageDrawLabel* label = surface.label;
    label->setEntity(&photo);
    LogCapture log;
    surface.drag(1, QPoint(20, 300), QPoint(400, 40));
    // Results come through the event loop, which has not run since the release.
    QVERIFY2(label->pathList().size() == 1, "the line's result came before it was taken away");
    switch (action) {
        case TakeAway::Clear:
            label->clearPaths();
            break;
        case TakeAway::NewPhotograph:
            label->setEntity(&next);
            break;
        case TakeAway::Undo:
            label->removeLastPath();
            break;
    }
    QTRY_VERIFY(log.contains(QStringLiteral("onRegionSucceed")));
    QCOMPARE(kindsOf(label->pathList()), expected);
}

void TestImageDrawLabel::clearCanBeUndone_data()
{
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QList<int>>("expected");

    // C clear, U undo, D draw a line and wait for it, N open a photograph without shapes. The
    // photograph opened first holds a rectangle and an oval.
    QTest::newRow("undo brings back every shape cleared")
      << QStringLiteral("CU") << QList<int>{ 2, 3 };
    QTest::newRow("the next undo removes the newest as before")
      << QStringLiteral("CUU") << QList<int>{ 2 };
    QTest::newRow("a second clear of nothing keeps what the first took")
      << QStringLiteral("CCU") << QList<int>{ 2, 3 };
    QTest::newRow("a shape drawn after the clear is undone first")
      << QStringLiteral("CDU") << QList<int>{};
    QTest::newRow("then the cleared ones come back")
      << QStringLiteral("CDUU") << QList<int>{ 2, 3 };
    QTest::newRow("each clear comes back in turn") << QStringLiteral("CDCU") << QList<int>{ 1 };
    QTest::newRow("down to the first") << QStringLiteral("CDCUUU") << QList<int>{ 2, 3 };
    QTest::newRow("a new photograph leaves nothing to bring back")
      << QStringLiteral("CNU") << QList<int>{};
    QTest::newRow("without a clear undo stops at nothing") << QStringLiteral("UUU") << QList<int>{};
}

void TestImageDrawLabel::clearCanBeUndone()
{
    QFETCH(QString, steps);
    QFETCH(QList<int>, expected);
    ImageEntity photo = MeasureScene::landscape(160, 120, 22, QSize(500, 375));
    photo.image_drawpaths << shapeOf(2, QPointF(0.1, 0.1), QPointF(0.3, 0.3))
                          << shapeOf(3, QPointF(0.5, 0.5), QPointF(0.7, 0.7));
    ImageEntity empty = MeasureScene::landscape(160, 120, 23, QSize(500, 375));
    Surface surface(QSize(500, 375));
    ImageDrawLabel* label = surface.label;
    label->setEntity(&photo);
    for (const QChar step : steps) {
        if (step == QLatin1Char('C')) {
            label->clearPaths();
        } else if (step == QLatin1Char('U')) {
            label->removeLastPath();
        } else if (step == QLatin1Char('N')) {
            label->setEntity(&empty);
        } else {
            const int before = label->pathList().size();
            surface.drag(1, QPoint(20, 300), QPoint(400, 40));
            QTRY_COMPARE(label->pathList().size(), before + 1);
        }
    }
    QCOMPARE(kindsOf(label->pathList()), expected);
    // What comes back is the shapes as they were, not copies rebuilt from their kinds.
    if (expected == QList<int>{ 2, 3 })
        QCOMPARE(label->pathList().at(1).points[0].x, 0.5f);
}

void TestImageDrawLabel::repaints_data()
{
    QTest::addColumn<Action>("action");
    QTest::addColumn<bool>("withShape");
    QTest::addColumn<bool>("repainted");

    QTest::newRow("moving with the point tool") << Action::MoveWithPoint << false << false;
    QTest::newRow("moving with no tool") << Action::MoveWithNoTool << false << false;
    QTest::newRow("moving with the line tool") << Action::MoveWithLine << false << true;
    QTest::newRow("moving with the rectangle tool") << Action::MoveWithRectangle << false << true;
    QTest::newRow("removing the last of no shapes") << Action::RemoveLast << false << false;
    QTest::newRow("removing the last shape") << Action::RemoveLast << true << true;
    QTest::newRow("clearing no shapes") << Action::Clear << false << false;
    QTest::newRow("clearing shapes") << Action::Clear << true << true;
    QTest::newRow("the unit in force") << Action::SameUnit << false << false;
    QTest::newRow("another unit") << Action::OtherUnit << false << true;
    QTest::newRow("choosing a tool") << Action::DrawMode << false << false;
    QTest::newRow("switching the feature markers") << Action::FeatureSwitch << false << true;
}

void TestImageDrawLabel::repaints()
{
    QFETCH(Action, action);
    QFETCH(bool, withShape);
    QFETCH(bool, repainted);
    ImageEntity photo = MeasureScene::landscape(160, 120, 16, QSize(500, 375));
    Surface surface(QSize(500, 375));
    ImageDrawLabel* label = surface.label;
    label->setEntity(&photo);
    if (withShape)
        label->document()->addShape(shapeOf(1, QPointF(0, 0), QPointF(1, 1)));
    const int tools[] = { 0, 1, 2, 4 };
    const bool moving = action <= Action::MoveWithNoTool;
    if (moving) {
        label->setDrawMode(tools[int(action)]);
        surface.press(QPoint(100, 100));
    }
    flushUpdates();
    PaintCounter paints(label);
    switch (action) {
        case Action::MoveWithPoint:
        case Action::MoveWithLine:
        case Action::MoveWithRectangle:
        case Action::MoveWithNoTool:
            surface.move(QPoint(150, 120));
            surface.move(QPoint(200, 180));
            break;
        case Action::RemoveLast:
            label->removeLastPath();
            break;
        case Action::Clear:
            label->clearPaths();
            break;
        case Action::SameUnit:
            label->setDisplayUnit(0);
            break;
        case Action::OtherUnit:
            label->setDisplayUnit(2);
            break;
        case Action::DrawMode:
            label->setDrawMode(2);
            break;
        case Action::FeatureSwitch:
            label->setFeatureVisible(false);
            break;
    }
    flushUpdates();
    QCOMPARE(paints.count > 0, repainted);
    if (action == Action::RemoveLast || action == Action::Clear)
        QCOMPARE(label->pathList().size(), 0);
    if (moving) {
        label->setDrawMode(4);
        surface.release(QPoint(100, 100));
    }
}

void TestImageDrawLabel::setEntity_data()
{
    QTest::addColumn<bool>("given");
    QTest::addColumn<bool>("loaded");
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("expected");

    QTest::newRow("a photograph with two shapes replaces the list") << true << true << 2 << 2;
    QTest::newRow("a photograph without shapes empties the list") << true << true << 0 << 0;
    QTest::newRow("a photograph not loaded leaves the list") << true << false << 2 << 1;
    QTest::newRow("no photograph leaves the list") << false << false << 0 << 1;
}

void TestImageDrawLabel::setEntity()
{
    QFETCH(bool, given);
    QFETCH(bool, loaded);
    QFETCH(int, stored);
    QFETCH(int, expected);
    Surface surface(QSize(500, 375));
    ImageDrawLabel* label = surface.label;
    ImageEntity first = MeasureScene::landscape(160, 120, 17, QSize(500, 375));
    first.image_drawpaths.append(shapeOf(3, QPointF(0.9, 0.9), QPointF(0.8, 0.8)));
    label->setEntity(&first);
    QCOMPARE(label->pathList().size(), 1);

    ImageEntity second = MeasureScene::landscape(160, 120, 18, QSize(500, 375));
    second.loaded = loaded;
    for (int i = 0; i < stored; ++i) {
        ImageDrawPath shape = shapeOf(i + 1, QPointF(0.1, 0.2), QPointF(0.3 + i * 0.1, 0.4));
        shape.points[3] = PathPoint(0.25f, 0.3f, 31.5f + i, 0);
        shape.points[4] = PathPoint(0.15f, 0.35f, 20.25f, 1);
        second.image_drawpaths.append(shape);
    }
    LogCapture log;
    label->setEntity(given ? &second : nullptr);
    QCOMPARE(label->pathList().size(), expected);
    if (given && loaded) {
        QCOMPARE(log.linesStartingWith({ QStringLiteral("entity->image_drawpaths.length =") }),
                 QStringList{ QStringLiteral("entity->image_drawpaths.length =  %1").arg(stored) });
        for (int i = 0; i < stored; ++i) {
            const ImageDrawPath& shape = label->pathList().at(i);
            QCOMPARE(shape.type, i + 1);
            QCOMPARE(shape.points[1].x, float(0.3 + i * 0.1));
            QCOMPARE(shape.points[3].value, 31.5f + i);
            QCOMPARE(shape.points[4].unit, 1);
        }
    } else {
        QCOMPARE(label->pathList().first().type, 3);
    }
}

void TestImageDrawLabel::paintsMarkersByKind()
{
    Surface surface(QSize(640, 480));
    ImageDrawLabel* label = surface.label;
    ImageDrawPath point = shapeOf(0, QPointF(0.5, 0.25), QPointF(0.5, 0.25));
    point.points[3] = PathPoint(0.5f, 0.25f, 30, 0);
    ImageDrawPath line = shapeOf(1, QPointF(0.0625, 0.625), QPointF(0.9375, 0.625));
    line.points[3] = PathPoint(0.25f, 0.75f, 40, 0);
    line.points[4] = PathPoint(0.75f, 0.75f, 10, 0);
    label->document()->addShape(point);
    label->document()->addShape(line);
    label->update();
    const QImage shot = surface.shot();
    QCOMPARE(shot.size(), QSize(640, 480));

    QString failure = checkPixels(shot, armPixels(320, 120), yellow);
    QVERIFY2(failure.isEmpty(), qPrintable(QStringLiteral("point frame: ") + failure));
    failure = checkPixels(shot, crossPixels(320, 120), yellow);
    QVERIFY2(failure.isEmpty(), qPrintable(QStringLiteral("point cross: ") + failure));
    failure = checkPixels(shot, armPixels(160, 360) + crossPixels(160, 360), red);
    QVERIFY2(failure.isEmpty(), qPrintable(QStringLiteral("maximum: ") + failure));
    failure = checkPixels(shot, armPixels(480, 360) + crossPixels(480, 360), green);
    QVERIFY2(failure.isEmpty(), qPrintable(QStringLiteral("minimum: ") + failure));
    // The outline from (40, 300) to (600, 300), away from both markers.
    failure = checkPixels(shot, { QPoint(100, 299), QPoint(100, 300), QPoint(560, 299) }, green);
    QVERIFY2(failure.isEmpty(), qPrintable(QStringLiteral("outline: ") + failure));
    // The frame is only its corners: the middle of each side stays clear.
    failure =
      checkPixels(shot, { QPoint(320, 104), QPoint(304, 120), QPoint(160, 376) }, background);
    QVERIFY2(failure.isEmpty(), qPrintable(QStringLiteral("between the arms: ") + failure));
}

void TestImageDrawLabel::featureMarkers_data()
{
    QTest::addColumn<bool>("withPhotograph");
    QTest::addColumn<bool>("visible");
    QTest::addColumn<bool>("screenKnown");

    QTest::newRow("shown") << true << true << true;
    QTest::newRow("switched off") << true << false << true;
    QTest::newRow("before any photograph") << false << true << true;
    // The hottest and coldest points are given in the Screen image's pixels.
    QTest::newRow("without a Screen size only the centre") << true << true << false;
}

void TestImageDrawLabel::featureMarkers()
{
    QFETCH(bool, withPhotograph);
    QFETCH(bool, visible);
    QFETCH(bool, screenKnown);
    // The Screen image is twice the label, so the markers sit at half its coordinates.
    ImageEntity photo = MeasureScene::featureMarkers();
    photo.details.feature.centrePoint.x = 0;
    photo.details.feature.centrePoint.y = 0;
    if (!screenKnown)
        photo.screenWidth = photo.screenHeight = 0;
    Surface surface(QSize(640, 480));
    if (withPhotograph)
        surface.label->setEntity(&photo);
    surface.label->setFeatureVisible(visible);
    const QImage shot = surface.shot();
    const bool shown = withPhotograph && visible;
    const bool extremesShown = shown && screenKnown;

    QString failure = checkPixels(shot, armPixels(320, 240), shown ? white : background);
    QVERIFY2(failure.isEmpty(), qPrintable(QStringLiteral("centre: ") + failure));
    // The dot is a 2-pixel ellipse under a 3-pixel pen: nearly white, never the background.
    for (const QPoint& p :
         { QPoint(319, 239), QPoint(320, 239), QPoint(319, 240), QPoint(320, 240) }) {
        const QRgb color = shot.pixel(p);
        const bool whitish = qRed(color) > 180 && qGreen(color) > 180 && qBlue(color) > 180;
        QVERIFY2(
          shown ? whitish : (color & 0xffffff) == (background & 0xffffff),
          qPrintable(
            QStringLiteral("centre dot (%1, %2) is %3").arg(p.x()).arg(p.y()).arg(rgb(color))));
    }
    failure = checkPixels(shot, armPixels(100, 100), extremesShown ? red : background);
    QVERIFY2(failure.isEmpty(), qPrintable(QStringLiteral("hottest: ") + failure));
    failure = checkPixels(shot, armPixels(540, 100), extremesShown ? green : background);
    QVERIFY2(failure.isEmpty(), qPrintable(QStringLiteral("coldest: ") + failure));
    if (shown && !screenKnown) {
        for (int y = 0; y < shot.height(); ++y) {
            for (int x = 0; x < shot.width(); ++x) {
                const QRgb color = shot.pixel(x, y);
                const bool redOrGreen =
                  qBlue(color) < 80 && qAbs(qRed(color) - qGreen(color)) > 150;
                QVERIFY2(
                  !redOrGreen,
                  qPrintable(
                    QStringLiteral("a hottest or coldest marker at (%1, %2)").arg(x).arg(y)));
            }
        }
    }
    // Feature markers carry a dot, not a cross.
    failure = checkPixels(shot, { QPoint(316, 240), QPoint(96, 100) }, background);
    QVERIFY2(failure.isEmpty(), qPrintable(QStringLiteral("no cross: ") + failure));
}

void TestImageDrawLabel::valueLabelBox_data()
{
    QTest::addColumn<QPointF>("at");
    QTest::addColumn<int>("unit");
    QTest::addColumn<QString>("text");

    QTest::newRow("at the left border: flush left")
      << QPointF(0, 0.5) << 0 << QStringLiteral("21.5℃");
    QTest::newRow("at the right border: flush right")
      << QPointF(1, 0.5) << 0 << QStringLiteral("21.5℃");
    QTest::newRow("at the right border in Kelvin")
      << QPointF(1, 0.5) << 2 << QStringLiteral("294.6K");
    QTest::newRow("an unknown unit reads N.A") << QPointF(1, 0.5) << 3 << QStringLiteral("N.A");
    QTest::newRow("near the bottom: above the frame")
      << QPointF(0.5, 1) << 0 << QStringLiteral("21.5℃");
    QTest::newRow("just above the bottom: a box that would not fit below goes above")
      << QPointF(0.5, 0.9375) << 0 << QStringLiteral("21.5℃");
    QTest::newRow("in the middle: centred below the frame")
      << QPointF(0.5, 0.25) << 1 << QStringLiteral("70.7℉");
}

void TestImageDrawLabel::valueLabelBox()
{
    QFETCH(QPointF, at);
    QFETCH(int, unit);
    QFETCH(QString, text);
    Surface surface(QSize(640, 480));
    ImageDrawLabel* label = surface.label;
    ImageDrawPath point = shapeOf(0, at, at);
    point.points[3] = PathPoint(float(at.x()), float(at.y()), 21.5f, 0);
    label->document()->addShape(point);
    label->setDisplayUnit(unit);
    const QImage shot = surface.shot();

    QFont font = label->font();
    font.setPointSize(font.pointSize() + 5);
    const QFontMetrics metrics(font, label);
    // The point is the first of its kind: its name stands before its value.
    QCOMPARE(label->pathList().first().name, QStringLiteral("Sp1"));
    const int w = metrics.horizontalAdvance(QStringLiteral("Sp1 ") + text);
    const int hx = metrics.height();
    // The label sits beside the marker frame, which moves in from the border to be drawn whole.
    const QPoint marker(int(640 * at.x()), int(480 * at.y()));
    const QPoint frame = marker + AnnotationPainter::frameShift(marker, 32, 3, QSize(640, 480));
    const int cx = frame.x();
    const int cy = frame.y();
    int x = qBound(0, int(cx - w * 0.5), 640 - w);
    int y = cy + 16 + 5;
    if (y + hx > 480)
        y = int(cy - 16.0 - hx - 5);
    const QRect box(x, y, w, hx);
    QVERIFY2(box.left() >= 0 && box.right() < 640 && box.top() >= 0 && box.bottom() < 480,
             "the row is meant for a box inside the label");

    // The top row of the box holds no glyph: translucent black from its first to its last pixel.
    for (int column : { box.left(), box.left() + 1, box.center().x(), box.right() }) {
        const QRgb color = shot.pixel(column, box.top());
        QVERIFY2(isBox(color),
                 qPrintable(QStringLiteral("(%1, %2) is %3, not the box")
                              .arg(column)
                              .arg(box.top())
                              .arg(rgb(color))));
    }
    const QVector<QPoint> outside = { QPoint(box.left() - 1, box.top()),
                                      QPoint(box.right() + 1, box.top()),
                                      QPoint(box.center().x(), box.top() - 1),
                                      QPoint(box.center().x(), box.bottom() + 1) };
    for (const QPoint& p : outside) {
        if (p.x() < 0 || p.x() >= 640)
            continue;
        QVERIFY2(!isBox(shot.pixel(p)),
                 qPrintable(QStringLiteral("(%1, %2) is still the box").arg(p.x()).arg(p.y())));
    }
    bool inked = false;
    for (int yy = box.top(); yy <= box.bottom() && !inked; ++yy) {
        for (int xx = box.left(); xx <= box.right() && !inked; ++xx)
            inked = qRed(shot.pixel(xx, yy)) > 200 && qGreen(shot.pixel(xx, yy)) > 200;
    }
    QVERIFY2(inked, "the text is written in the yellow of a point marker");
}

void TestImageDrawLabel::readoutAndPointReadTheSameCell_data()
{
    QTest::addColumn<QPoint>("pointer");
    QTest::addColumn<QPoint>("cell");

    // 500 × 375 pixels over 160 × 120 cells: 3.125 pixels a cell. Cell (80, 57) alone is hot.
    QTest::newRow("the hot cell reads its own value, not a mean of its neighbours")
      << QPoint(251, 180) << QPoint(80, 57);
    QTest::newRow("the hot cell's first pixel reads it") << QPoint(250, 179) << QPoint(80, 57);
    QTest::newRow("the pixel before the hot cell reads the cell before it")
      << QPoint(249, 179) << QPoint(79, 57);
    QTest::newRow("a pixel a sliver short of a cell's edge reads the cell it starts in")
      << QPoint(28, 37) << QPoint(8, 11);
    QTest::newRow("the last pixel reads the last cell") << QPoint(499, 374) << QPoint(159, 119);
}

// The pointer and a point dropped where it is must name and read one cell, the hot one included.
void TestImageDrawLabel::readoutAndPointReadTheSameCell()
{
    QFETCH(QPoint, pointer);
    QFETCH(QPoint, cell);
    ImageEntity photo = MeasureScene::landscape(160, 120, 5, QSize(500, 375));
    photo.temperatureData[2 * (57 * 160 + 80)] = char(0xe7);
    photo.temperatureData[2 * (57 * 160 + 80) + 1] = char(0x03);
    Surface surface(QSize(500, 375));
    surface.label->setEntity(&photo);
    surface.hover(pointer);
    const PointerReadout* readout = surface.label->pointerReadout();
    QVERIFY(readout->isVisible());
    QCOMPARE(readout->cell(), cell);
    const float celsius = photo.temperatureAt(cell.x(), cell.y());
    QCOMPARE(readout->temperature(), ImageEntity::temperatureText(celsius, 0, 0));
    if (cell == QPoint(80, 57))
        QCOMPARE(celsius, 99.9f);

    surface.drag(0, pointer, pointer);
    QTRY_COMPARE(surface.label->pathList().size(), 1);
    const PathPoint& point = surface.label->pathList().first().point(PointRole::Maximum);
    QCOMPARE(point.value, celsius);
    QCOMPARE(photo.temperatures().cellAt(point.x, point.y), cell);
}

void TestImageDrawLabel::readout_data()
{
    QTest::addColumn<QPoint>("pointer");
    QTest::addColumn<int>("unit");
    QTest::addColumn<QPoint>("cell");

    // The surface is 500 × 375 pixels over a 160 × 120 matrix.
    QTest::newRow("inside the image") << QPoint(250, 100) << 0 << QPoint(80, 32);
    QTest::newRow("the first pixel") << QPoint(0, 0) << 0 << QPoint(0, 0);
    QTest::newRow("the last pixel, the readout turned inwards")
      << QPoint(499, 374) << 0 << QPoint(159, 119);
    QTest::newRow("in Fahrenheit") << QPoint(17, 300) << 1 << QPoint(5, 96);
    QTest::newRow("an unknown unit") << QPoint(17, 300) << 7 << QPoint(5, 96);
    // Off the surface is the black margin around the photograph.
    QTest::newRow("off the image") << QPoint(-3, 100) << 0 << QPoint(-1, -1);
}

void TestImageDrawLabel::readout()
{
    QFETCH(QPoint, pointer);
    QFETCH(int, unit);
    QFETCH(QPoint, cell);
    ImageEntity photo = MeasureScene::landscape(160, 120, 5, QSize(500, 375));
    Surface surface(QSize(500, 375));
    ImageDrawLabel* label = surface.label;
    label->setEntity(&photo);
    label->setDisplayUnit(unit);
    const PointerReadout* readout = label->pointerReadout();
    surface.hover(pointer);
    if (cell.x() < 0) {
        QVERIFY(!readout->isVisible());
        return;
    }
    QVERIFY(readout->isVisible());
    QCOMPARE(readout->cell(), cell);
    const float celsius = photo.temperatureAt(cell.x(), cell.y());
    QCOMPARE(readout->temperature(), ImageEntity::temperatureText(celsius, 0, unit));
    QVERIFY2(label->rect().contains(readout->geometry()), "the readout leaves the surface");
    QVERIFY(!readout->geometry().contains(pointer));

    // A change of unit rewrites it; leaving the image and starting a drag take it away.
    label->setDisplayUnit(2);
    QCOMPARE(readout->temperature(), ImageEntity::temperatureText(celsius, 0, 2));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(label, &leave);
    QVERIFY(!readout->isVisible());
    surface.hover(pointer);
    QVERIFY(readout->isVisible());
    label->setDrawMode(1);
    surface.press(pointer);
    QVERIFY(!readout->isVisible());
    surface.move(pointer + QPoint(1, 1));
    QVERIFY(!readout->isVisible());
    label->setDrawMode(4);
    surface.release(pointer);
}

void TestImageDrawLabel::readoutShowsAShapesMaximum()
{
    ImageEntity photo = MeasureScene::landscape(160, 120, 9, QSize(700, 525));
    Surface surface(QSize(700, 525));
    ImageDrawLabel* label = surface.label;
    label->setEntity(&photo);
    surface.drag(1, QPoint(30, 40), QPoint(650, 480));
    QVERIFY(QTest::qWaitFor([&] { return label->pathList().size() == 1; }));
    const PathPoint maximum = label->pathList().first().points[3];
    // The marker stands at the cell's top-left corner; the first whole pixel inside the cell.
    const QPoint marker(int(std::ceil(maximum.x * 700)), int(std::ceil(maximum.y * 525)));
    surface.hover(marker);
    QCOMPARE(label->pointerReadout()->temperature(),
             ImageEntity::temperatureText(maximum.value, 0, 0));
}

void TestImageDrawLabel::snapshotLeavesTheReadoutOut()
{
    ImageEntity photo = MeasureScene::landscape(160, 120, 5, QSize(500, 375));
    Surface surface(QSize(500, 375));
    surface.label->setEntity(&photo);
    const QImage before = surface.label->snapshot().toImage();
    surface.hover(QPoint(200, 150));
    QVERIFY(surface.label->pointerReadout()->isVisible());
    QVERIFY2(surface.shot() != before, "the readout is not painted at all");
    QCOMPARE(surface.label->snapshot().toImage(), before);
    QVERIFY(surface.label->pointerReadout()->isVisible());
}

void TestImageDrawLabel::annotationsPaintAsTheWindowDoes_data()
{
    QTest::addColumn<bool>("features");
    QTest::addColumn<int>("unit");

    QTest::newRow("with feature markers, in Celsius") << true << 0;
    QTest::newRow("without feature markers, in Kelvin") << false << 2;
}

void TestImageDrawLabel::annotationsPaintAsTheWindowDoes()
{
    QFETCH(bool, features);
    QFETCH(int, unit);
    AnnotatedScene scene;
    ImageDrawLabel* label = scene.surface.label;
    label->setFeatureVisible(features);
    label->setDisplayUnit(unit);
    const QImage shot = scene.surface.shot().convertToFormat(QImage::Format_ARGB32_Premultiplied);

    QImage rendered(label->size(), QImage::Format_ARGB32_Premultiplied);
    rendered.fill(Qt::transparent);
    // Text takes its pixel size from the device's DPI, and an image's default is not the screen's.
    rendered.setDotsPerMeterX(qRound(label->logicalDpiX() / 0.0254));
    rendered.setDotsPerMeterY(qRound(label->logicalDpiY() / 0.0254));
    QPainter painter(&rendered);
    painter.drawPixmap(QRectF(QPointF(), QSizeF(label->size())), label->shownPixmap(), QRectF());
    const QImage picture = rendered.copy();
    const AnnotationPainter annotations(
      scene.photo, label->pathList(), label->size(), unit, features, 32, label->font());
    annotations.paint(painter);
    painter.end();
    QVERIFY2(rendered != picture, "nothing was annotated");
    QCOMPARE(rendered, shot);
}

QTEST_MAIN(TestImageDrawLabel)
#include "tst_imagedrawlabel.moc"
