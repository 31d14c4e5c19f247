#include "app/windowfit.h"

#include <QtTest>

Q_DECLARE_METATYPE(QMargins)

namespace {

const QSize designed(1280, 800);

} // namespace

class TestWindowFit : public QObject
{
    Q_OBJECT

private slots:
    void fittedSize_data();
    void fittedSize();
};

void TestWindowFit::fittedSize_data()
{
    QTest::addColumn<QSize>("available");
    QTest::addColumn<QMargins>("frame");
    QTest::addColumn<QSize>("fitted");

    const QMargins noFrame;
    const QMargins titleBar(0, 30, 0, 0);
    QTest::newRow("a large monitor keeps the designed size")
      << QSize(1920, 1040) << noFrame << designed;
    QTest::newRow("a frame on a large monitor changes nothing")
      << QSize(1920, 1040) << QMargins(4, 30, 4, 4) << designed;
    QTest::newRow("a free area of just the designed size keeps it")
      << QSize(1280, 800) << noFrame << designed;
    QTest::newRow("a laptop below its panel gives its height")
      << QSize(1366, 728) << noFrame << QSize(1280, 728);
    QTest::newRow("the frame's title bar takes from that height")
      << QSize(1366, 728) << titleBar << QSize(1280, 698);
    QTest::newRow("a frame's sides take from a free area just as wide as the design")
      << QSize(1280, 1024) << QMargins(3, 0, 3, 0) << QSize(1274, 800);
    QTest::newRow("a narrow tall screen gives its width")
      << QSize(1024, 1240) << noFrame << QSize(1024, 800);
    QTest::newRow("a screen smaller both ways gives both")
      << QSize(1024, 576) << titleBar << QSize(1024, 546);
    QTest::newRow("a screen that tells no size leaves the designed one")
      << QSize() << noFrame << designed;
    QTest::newRow("a screen of no area leaves the designed one")
      << QSize(0, 0) << titleBar << designed;
    QTest::newRow("a frame that would leave nothing is not believed")
      << QSize(1024, 576) << QMargins(0, 600, 0, 0) << QSize(1024, 576);
}

void TestWindowFit::fittedSize()
{
    QFETCH(QSize, available);
    QFETCH(QMargins, frame);
    QFETCH(QSize, fitted);

    QCOMPARE(WindowFit::fittedSize(available, frame), fitted);
}

QTEST_MAIN(TestWindowFit)
#include "tst_windowfit.moc"
