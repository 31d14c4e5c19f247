#include "render/calculatetools.h"

#include <QtTest>

#include <limits>

class TestCalculateTools : public QObject
{
    Q_OBJECT
private slots:
    void pointFromRatio_data();
    void pointFromRatio();
    void mapPointBetweenSizes_data();
    void mapPointBetweenSizes();
    void rectFromCorners_data();
    void rectFromCorners();
    void degenerateSizesStayDefined();
};

void TestCalculateTools::pointFromRatio_data()
{
    QTest::addColumn<float>("fx");
    QTest::addColumn<float>("fy");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QPoint>("expected");

    QTest::newRow("the middle of an odd size truncates")
      << 0.5f << 0.5f << QSize(5, 5) << QPoint(2, 2);
    QTest::newRow("the far edge is one past the last cell")
      << 1.0f << 1.0f << QSize(160, 120) << QPoint(160, 120);
    QTest::newRow("the origin stays the origin") << 0.0f << 0.0f << QSize(160, 120) << QPoint();
    QTest::newRow("just short of the edge is the last cell")
      << 0.999f << 0.999f << QSize(160, 120) << QPoint(159, 119);
    QTest::newRow("a negative fraction truncates toward zero")
      << -0.5f << -0.9f << QSize(5, 5) << QPoint(-2, -4);
}

void TestCalculateTools::pointFromRatio()
{
    QFETCH(float, fx);
    QFETCH(float, fy);
    QFETCH(QSize, size);
    QFETCH(QPoint, expected);
    QCOMPARE(CalculateTools::pointFromRatio(fx, fy, size.width(), size.height()), expected);
}

void TestCalculateTools::mapPointBetweenSizes_data()
{
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<QSize>("from");
    QTest::addColumn<QSize>("to");
    QTest::addColumn<QPoint>("expected");

    QTest::newRow("a negative half truncates toward zero")
      << QPoint(-3, 0) << QSize(2, 2) << QSize(3, 3) << QPoint(-4, 0);
    // Integer division first would give 0 here.
    QTest::newRow("the quotient is not taken in integers")
      << QPoint(1, 1) << QSize(2, 2) << QSize(3, 3) << QPoint(1, 1);
    QTest::newRow("a half is truncated, not rounded")
      << QPoint(1, 3) << QSize(4, 4) << QSize(10, 10) << QPoint(2, 7);
    QTest::newRow("label to matrix shrinks")
      << QPoint(639, 479) << QSize(640, 480) << QSize(160, 120) << QPoint(159, 119);
    QTest::newRow("width and height map on their own")
      << QPoint(10, 10) << QSize(20, 40) << QSize(40, 20) << QPoint(20, 5);
}

void TestCalculateTools::mapPointBetweenSizes()
{
    QFETCH(QPoint, point);
    QFETCH(QSize, from);
    QFETCH(QSize, to);
    QFETCH(QPoint, expected);
    QCOMPARE(CalculateTools::mapPointBetweenSizes(
               point.x(), point.y(), from.width(), from.height(), to.width(), to.height()),
             expected);
}

void TestCalculateTools::rectFromCorners_data()
{
    QTest::addColumn<QPoint>("first");
    QTest::addColumn<QPoint>("second");
    QTest::addColumn<QRect>("expected");

    QTest::newRow("corners in reading order")
      << QPoint(4, 5) << QPoint(10, 20) << QRect(4, 5, 6, 15);
    QTest::newRow("corners dragged up and left")
      << QPoint(10, 20) << QPoint(4, 5) << QRect(4, 5, 6, 15);
    QTest::newRow("corners dragged down and left")
      << QPoint(10, 5) << QPoint(4, 20) << QRect(4, 5, 6, 15);
    QTest::newRow("equal corners give an empty rectangle")
      << QPoint(7, 7) << QPoint(7, 7) << QRect(7, 7, 0, 0);
}

void TestCalculateTools::rectFromCorners()
{
    QFETCH(QPoint, first);
    QFETCH(QPoint, second);
    QFETCH(QRect, expected);
    const QRect rect =
      CalculateTools::rectFromCorners(first.x(), first.y(), second.x(), second.y());
    QCOMPARE(rect, expected);
    QVERIFY2(!rect.contains(qMax(first.x(), second.x()), qMax(first.y(), second.y())),
             "the larger corner lies just outside the rectangle");
}

void TestCalculateTools::degenerateSizesStayDefined()
{
    constexpr int highest = std::numeric_limits<int>::max();
    QCOMPARE(CalculateTools::mapPointBetweenSizes(0, 0, 0, 0, 10, 10), QPoint(0, 0));
    QCOMPARE(CalculateTools::mapPointBetweenSizes(5, -5, 0, 0, 10, 10),
             QPoint(highest, std::numeric_limits<int>::min()));
    QCOMPARE(CalculateTools::pointFromRatio(1e10f, 0.5f, 1000, 10), QPoint(highest, 5));
}

QTEST_APPLESS_MAIN(TestCalculateTools)
#include "tst_calculatetools.moc"
