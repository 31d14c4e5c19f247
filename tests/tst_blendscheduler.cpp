#include "render/blendscheduler.h"
#include "render/imageblendthread.h"
#include "render/palettetable.h"
#include "support/logcapture.h"

#include <QtTest>

namespace {

// Large enough that a blend is still running when the next request comes in.
ImageEntity photograph()
{
    ImageEntity entity;
    entity.grayWidth = 320;
    entity.grayHeight = 240;
    entity.grayData = QByteArray(320 * 240, Qt::Uninitialized);
    for (int i = 0; i < entity.grayData.size(); ++i)
        entity.grayData[i] = char(i % 251);
    entity.cameraImage = QImage(640, 480, QImage::Format_RGB32);
    entity.cameraImage.fill(qRgb(40, 90, 200));
    return entity;
}

struct Request
{
    unsigned palette;
    float blend;
};

QImage expectedResult(const ImageEntity& entity, const Request& request)
{
    const QImage palette = ImageBlendThread::renderPaletteImage(
      entity.grayData, entity.grayWidth, entity.grayHeight, request.palette);
    return ImageBlendThread::blendImages(palette, entity.cameraImage, request.blend);
}

const QString destroyedLine = QStringLiteral("~ImageBlendThread()");

} // namespace

Q_DECLARE_METATYPE(QList<float>)

class TestBlendScheduler : public QObject
{
    Q_OBJECT
private slots:
    void burstsCollapseToTheNewest_data();
    void burstsCollapseToTheNewest();
    void refusedRequestKeepsThePendingOne();
    void staleResultsAreDropped_data();
    void staleResultsAreDropped();
    void failureStillStartsThePendingBlend();
    void destroyingDropsThePendingBlend();
};

void TestBlendScheduler::burstsCollapseToTheNewest_data()
{
    QTest::addColumn<QList<float>>("blends");
    QTest::addColumn<int>("expectedResults");

    QTest::newRow("one request runs at once") << QList<float>{ 0.5f } << 1;
    QTest::newRow("a second request waits for the first") << QList<float>{ 0.2f, 0.8f } << 2;
    QTest::newRow("a slider drag runs the first and the last")
      << QList<float>{ 0.1f, 0.2f, 0.3f, 0.4f, 0.5f, 0.6f, 0.7f, 0.9f } << 2;
}

void TestBlendScheduler::burstsCollapseToTheNewest()
{
    QFETCH(QList<float>, blends);
    QFETCH(int, expectedResults);
    ImageEntity entity = photograph();
    LogCapture log;
    BlendScheduler scheduler;
    QSignalSpy succeeded(&scheduler, &BlendScheduler::blendSucceed);
    QList<Request> requests;
    for (int i = 0; i < blends.size(); ++i) {
        const Request request{ PaletteTable::Iron, blends.at(i) };
        QVERIFY(scheduler.request(&entity, request.palette, request.blend));
        requests << request;
        QVERIFY(scheduler.isRunning());
        QCOMPARE(scheduler.hasPending(), i > 0);
    }
    QTRY_COMPARE_WITH_TIMEOUT(succeeded.count(), expectedResults, 10000);
    QTRY_VERIFY(!scheduler.isRunning());
    QVERIFY(!scheduler.hasPending());

    QCOMPARE(succeeded.first().at(0).value<QImage>(), expectedResult(entity, requests.first()));
    QCOMPARE(succeeded.last().at(0).value<QImage>(), expectedResult(entity, requests.last()));
    QCOMPARE(entity.paletteImage,
             ImageBlendThread::renderPaletteImage(
               entity.grayData, entity.grayWidth, entity.grayHeight, requests.last().palette));
    // Once every blend made is destroyed, the started and the replaced ones, none can report.
    QTRY_COMPARE_WITH_TIMEOUT(log.lines().count(destroyedLine), blends.size(), 10000);
    QCOMPARE(succeeded.count(), expectedResults);
}

void TestBlendScheduler::refusedRequestKeepsThePendingOne()
{
    ImageEntity entity = photograph();
    BlendScheduler scheduler;
    QSignalSpy succeeded(&scheduler, &BlendScheduler::blendSucceed);
    QVERIFY(scheduler.request(&entity, PaletteTable::Iron, 0.3f));
    QVERIFY(scheduler.request(&entity, PaletteTable::Iron, 0.6f));
    QVERIFY(!scheduler.request(&entity, 9, 0.5f));
    QVERIFY(!scheduler.request(nullptr, PaletteTable::Iron, 0.5f));
    QVERIFY(scheduler.hasPending());
    QTRY_COMPARE_WITH_TIMEOUT(succeeded.count(), 2, 10000);
    QCOMPARE(succeeded.last().at(0).value<QImage>(),
             expectedResult(entity, { PaletteTable::Iron, 0.6f }));
}

void TestBlendScheduler::staleResultsAreDropped_data()
{
    QTest::addColumn<bool>("newPhotograph");

    QTest::newRow("another palette chosen while a blend runs") << false;
    QTest::newRow("another photograph handed over while a blend runs") << true;
}

void TestBlendScheduler::staleResultsAreDropped()
{
    QFETCH(bool, newPhotograph);
    ImageEntity entity = photograph();
    LogCapture log;
    BlendScheduler scheduler;
    QSignalSpy succeeded(&scheduler, &BlendScheduler::blendSucceed);
    const Request newest{ PaletteTable::Cool, 0.4f };
    QVERIFY(scheduler.request(&entity, PaletteTable::Iron, 0.4f));
    QVERIFY(scheduler.request(&entity, PaletteTable::WhiteHot, 0.4f));
    if (newPhotograph) {
        // The running and the waiting blend were made from the old photograph's gray levels.
        scheduler.discard();
        for (int i = 0; i < entity.grayData.size(); ++i)
            entity.grayData[i] = char(255 - i % 241);
    }
    QVERIFY(scheduler.request(&entity, newest.palette, newest.blend));
    QTRY_VERIFY_WITH_TIMEOUT(!scheduler.isRunning() && !scheduler.hasPending(), 10000);
    // The stale blend, the replaced one and the newest are all gone; no late result can follow.
    QTRY_COMPARE_WITH_TIMEOUT(log.lines().count(destroyedLine), 3, 10000);
    QCOMPARE(succeeded.count(), 1);
    QCOMPARE(succeeded.first().at(0).value<QImage>(), expectedResult(entity, newest));
    QCOMPARE(entity.paletteImage,
             ImageBlendThread::renderPaletteImage(
               entity.grayData, entity.grayWidth, entity.grayHeight, newest.palette));
}

void TestBlendScheduler::failureStillStartsThePendingBlend()
{
    ImageEntity broken;
    broken.grayWidth = 4;
    broken.grayHeight = 4;
    broken.grayData = QByteArray(15, char(1));
    ImageEntity entity = photograph();
    BlendScheduler scheduler;
    QSignalSpy failed(&scheduler, &BlendScheduler::blendFailed);
    QSignalSpy succeeded(&scheduler, &BlendScheduler::blendSucceed);
    QVERIFY(scheduler.request(&broken, PaletteTable::Spectrum, 0.5f));
    QVERIFY(scheduler.request(&entity, PaletteTable::Spectrum, 1.0f));
    QTRY_COMPARE_WITH_TIMEOUT(succeeded.count(), 1, 10000);
    QCOMPARE(failed.count(), 1);
    QVERIFY(broken.paletteImage.isNull());
    QCOMPARE(succeeded.first().at(0).value<QImage>(), entity.paletteImage);
}

void TestBlendScheduler::destroyingDropsThePendingBlend()
{
    ImageEntity entity = photograph();
    LogCapture log;
    {
        BlendScheduler scheduler;
        QVERIFY(scheduler.request(&entity, PaletteTable::Iron, 0.5f));
        QVERIFY(scheduler.request(&entity, PaletteTable::Cool, 0.5f));
    }
    QTRY_COMPARE_WITH_TIMEOUT(log.lines().count(destroyedLine), 2, 10000);
    QCOMPARE(log.lines().count(QStringLiteral("ImageBlendThread::run()")), 1);
}

QTEST_GUILESS_MAIN(TestBlendScheduler)
#include "tst_blendscheduler.moc"
