#include "measure/imageregionthread.h"
#include "measure/regionmeasure.h"
#include "measure/shapegeometry.h"
#include "support/logcapture.h"
#include "support/measurescene.h"

#include <QtTest>

namespace {

constexpr int labelWidth = 320;
constexpr int labelHeight = 240;

ImageDrawPath shapeOf(int type, float x0, float y0, float x1, float y1)
{
    ImageDrawPath shape;
    shape.type = type;
    shape.points[0] = PathPoint(x0, y0, 0, 0);
    shape.points[1] = PathPoint(x1, y1, 0, 0);
    return shape;
}

bool samePoint(const PathPoint& a, const PathPoint& b)
{
    return a.x == b.x && a.y == b.y && a.value == b.value && a.unit == b.unit;
}

bool sameShape(const ImageDrawPath& a, const ImageDrawPath& b)
{
    if (a.type != b.type || a.path != b.path || a.cells != b.cells ||
        !(a.mean == b.mean || (std::isnan(a.mean) && std::isnan(b.mean))))
        return false;
    for (int i = 0; i < ImageDrawPath::pointCount; ++i) {
        if (!samePoint(a.points[i], b.points[i]))
            return false;
    }
    return true;
}

ImageDrawPath measured(const ImageEntity& photo, const ImageDrawPath& drawn)
{
    ImageDrawPath shape = drawn;
    if (!RegionMeasure(photo).measure(shape))
        qFatal("the expected shape could not be measured");
    if (shape.kind() != ShapeKind::Point)
        shape.path = ShapeGeometry(shape, QSize(labelWidth, labelHeight)).outline();
    return shape;
}

// Where the queued results were delivered, and what they carried. Counting here rather than in
// a QSignalSpy, which counts on the emitting worker's thread while the test reads its count.
class Receiver : public QObject
{
    Q_OBJECT
public:
    QThread* thread = nullptr;
    ImageDrawPath shape;
    int successes = 0;
    int failures = 0;

public slots:
    void onRegionSucceed(ImageDrawPath result)
    {
        thread = QThread::currentThread();
        shape = result;
        ++successes;
    }
    void onRegionFailed()
    {
        thread = QThread::currentThread();
        ++failures;
    }
};

enum class Change
{
    MatrixOverwritten,
    MatrixReplaced,
    PhotographReplaced,
};

} // namespace

Q_DECLARE_METATYPE(Change)

class TestImageRegionThread : public QObject
{
    Q_OBJECT
private slots:
    void createWithoutEntity();
    void runDeliversTheMeasuredShape_data();
    void runDeliversTheMeasuredShape();
    void measuresWhatCreateSaw_data();
    void measuresWhatCreateSaw();
    void matrixWithoutCellsFails();
    void sameFiguresAtEverySurfaceSize_data();
    void sameFiguresAtEverySurfaceSize();
};

void TestImageRegionThread::createWithoutEntity()
{
    QCOMPARE(ImageRegionThread::create(nullptr, shapeOf(1, 0, 0, 1, 1), labelWidth, labelHeight),
             nullptr);
}

void TestImageRegionThread::runDeliversTheMeasuredShape_data()
{
    QTest::addColumn<int>("type");

    QTest::newRow("point") << 0;
    QTest::newRow("line") << 1;
    QTest::newRow("rectangle") << 2;
    QTest::newRow("oval") << 3;
}

void TestImageRegionThread::runDeliversTheMeasuredShape()
{
    QFETCH(int, type);
    ImageEntity photo = MeasureScene::landscape(160, 120, 3, QSize(320, 240));
    const ImageDrawPath drawn = shapeOf(type, 0.1f, 0.2f, 0.7f, 0.9f);
    const ImageDrawPath expected = measured(photo, drawn);

    LogCapture log;
    ImageRegionThread* thread = ImageRegionThread::create(&photo, drawn, labelWidth, labelHeight);
    QVERIFY(thread);
    Receiver receiver;
    connect(thread, &ImageRegionThread::regionSucceed, &receiver, &Receiver::onRegionSucceed);
    connect(thread, &ImageRegionThread::regionFailed, &receiver, &Receiver::onRegionFailed);
    QSignalSpy destroyed(thread, &QObject::destroyed);
    QVERIFY(thread->launch());
    QTRY_VERIFY2_WITH_TIMEOUT(
      receiver.thread != nullptr, "the thread did not report in time", 5000);
    QVERIFY2(receiver.thread == QThread::currentThread(),
             "the result must arrive on the thread that connected to it");
    QCOMPARE(receiver.failures, 0);
    QVERIFY2(sameShape(receiver.shape, expected), "the thread's shape is not the measured one");

    QTRY_COMPARE_WITH_TIMEOUT(destroyed.count(), 1, 5000);
    QCOMPARE(receiver.successes, 1);
    QVERIFY2(log.contains(QStringLiteral("~ImageRegionThread()")),
             qPrintable(log.lines().join(QLatin1Char('|'))));
}

void TestImageRegionThread::measuresWhatCreateSaw_data()
{
    QTest::addColumn<Change>("change");
    QTest::addColumn<int>("type");

    QTest::newRow("matrix overwritten in place") << Change::MatrixOverwritten << 2;
    QTest::newRow("matrix replaced by a cold one") << Change::MatrixReplaced << 1;
    QTest::newRow("matrix overwritten under an oval") << Change::MatrixOverwritten << 3;
    QTest::newRow("another photograph opened") << Change::PhotographReplaced << 2;
}

void TestImageRegionThread::measuresWhatCreateSaw()
{
    QFETCH(Change, change);
    QFETCH(int, type);
    ImageEntity photo = MeasureScene::landscape(160, 120, 5, QSize(320, 240));
    const ImageDrawPath drawn = shapeOf(type, 0.2f, 0.2f, 0.8f, 0.8f);
    const ImageDrawPath expected = measured(photo, drawn);

    ImageRegionThread* thread = ImageRegionThread::create(&photo, drawn, labelWidth, labelHeight);
    QVERIFY(thread);
    switch (change) {
        case Change::MatrixOverwritten: {
            char* bytes = photo.temperatureData.data();
            for (int i = 0; i < photo.temperatureData.size(); i += 2) {
                bytes[i] = char(0x10);
                bytes[i + 1] = char(0x27);
            }
            break;
        }
        case Change::MatrixReplaced:
            photo.temperatureData = MeasureScene::matrix(QVector<qint16>(160 * 120, -200));
            photo.details.feature.minPoint.temperature = -50;
            break;
        case Change::PhotographReplaced:
            photo = MeasureScene::landscape(64, 48, 6, QSize(640, 480));
            break;
    }
    QVERIFY2(!sameShape(measured(photo, drawn), expected),
             "the change must alter what the photograph measures now");

    Receiver receiver;
    connect(thread, &ImageRegionThread::regionSucceed, &receiver, &Receiver::onRegionSucceed);
    QSignalSpy destroyed(thread, &QObject::destroyed);
    QVERIFY(thread->launch());
    QTRY_COMPARE_WITH_TIMEOUT(receiver.successes, 1, 5000);
    QVERIFY2(sameShape(receiver.shape, expected),
             "the thread measured the photograph as changed after create");
    QTRY_COMPARE_WITH_TIMEOUT(destroyed.count(), 1, 5000);
}

void TestImageRegionThread::matrixWithoutCellsFails()
{
    ImageEntity photo;
    photo.screenWidth = 320;
    photo.screenHeight = 240;
    photo.loaded = true;
    ImageRegionThread* thread =
      ImageRegionThread::create(&photo, shapeOf(2, 0.1f, 0.1f, 0.9f, 0.9f), 320, 240);
    QVERIFY(thread);
    Receiver receiver;
    connect(thread, &ImageRegionThread::regionFailed, &receiver, &Receiver::onRegionFailed);
    connect(thread, &ImageRegionThread::regionSucceed, &receiver, &Receiver::onRegionSucceed);
    QSignalSpy destroyed(thread, &QObject::destroyed);
    QVERIFY(thread->launch());
    QTRY_COMPARE_WITH_TIMEOUT(destroyed.count(), 1, 5000);
    // The thread is deleted on this thread's loop after it has queued its result.
    QTRY_COMPARE_WITH_TIMEOUT(receiver.failures, 1, 5000);
    QCOMPARE(receiver.successes, 0);
    QVERIFY(receiver.thread == QThread::currentThread());
}

void TestImageRegionThread::sameFiguresAtEverySurfaceSize_data()
{
    QTest::addColumn<int>("type");
    QTest::newRow("a point reads one cell at every size") << int(ShapeKind::Point);
    QTest::newRow("a line covers the same cells at every size") << int(ShapeKind::Line);
    QTest::newRow("a rectangle covers the same cells at every size") << int(ShapeKind::Rectangle);
    QTest::newRow("an oval covers the same cells at every size") << int(ShapeKind::Oval);
}

// The window's size decided which cells a shape read while it was measured through the pixels
// of the surface; on the cells it must not.
void TestImageRegionThread::sameFiguresAtEverySurfaceSize()
{
    QFETCH(int, type);
    ImageEntity photo = MeasureScene::landscape(160, 120, 9, QSize(320, 240));
    const ImageDrawPath drawn = shapeOf(type, 0.137f, 0.262f, 0.713f, 0.871f);
    QVector<ImageDrawPath> results;
    for (const QSize& surface : { QSize(213, 160), QSize(1000, 750), QSize(1721, 1291) }) {
        ImageRegionThread* thread =
          ImageRegionThread::create(&photo, drawn, surface.width(), surface.height());
        QVERIFY(thread);
        Receiver receiver;
        connect(thread, &ImageRegionThread::regionSucceed, &receiver, &Receiver::onRegionSucceed);
        QVERIFY(thread->launch());
        QTRY_COMPARE_WITH_TIMEOUT(receiver.successes, 1, 5000);
        results.append(receiver.shape);
    }
    for (const ImageDrawPath& result : qAsConst(results)) {
        for (int role : { 3, 4 })
            QVERIFY(samePoint(result.points[role], results.first().points[role]));
        QCOMPARE(result.mean, results.first().mean);
        QCOMPARE(result.cells, results.first().cells);
    }
}

QTEST_GUILESS_MAIN(TestImageRegionThread)
#include "tst_imageregionthread.moc"
