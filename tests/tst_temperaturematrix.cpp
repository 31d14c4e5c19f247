#include "model/imageentity.h"
#include "model/temperaturematrix.h"

#include <QtTest>

#include <cmath>

namespace {

QByteArray cellBytes(const QVector<qint16>& tenths)
{
    QByteArray bytes;
    for (qint16 cell : tenths) {
        bytes.append(char(quint16(cell) & 0xFF));
        bytes.append(char(quint16(cell) >> 8));
    }
    return bytes;
}

// 3 × 2, row by row: 10.0 20.0 -0.5 / 30.0 -40.0 1.5.
QByteArray threeByTwo()
{
    return cellBytes({ 100, 200, -5, 300, -400, 15 });
}

} // namespace

class TestTemperatureMatrix : public QObject
{
    Q_OBJECT

private slots:
    void cells_data();
    void cells();
    void extremes_data();
    void extremes();
    void cellOfAPosition_data();
    void cellOfAPosition();
    void storedCornersComeBackToTheirCell_data();
    void storedCornersComeBackToTheirCell();
    void temperatureAtReadsOneCell_data();
    void temperatureAtReadsOneCell();
    void sharesTheEntityBytes();
};

void TestTemperatureMatrix::cells_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<QPoint>("cell");
    QTest::addColumn<int>("tenths");

    QTest::newRow("the first cell of a row-by-row matrix")
      << threeByTwo() << 3 << 2 << QPoint(0, 0) << 100;
    QTest::newRow("a cell of the second row counts whole rows")
      << threeByTwo() << 3 << 2 << QPoint(1, 1) << -400;
    QTest::newRow("a negative cell keeps its sign") << threeByTwo() << 3 << 2 << QPoint(2, 0) << -5;
    QTest::newRow("the last cell of an odd width") << threeByTwo() << 3 << 2 << QPoint(2, 1) << 15;
    QTest::newRow("the extremes of sixteen bits")
      << cellBytes({ 32767, -32768 }) << 2 << 1 << QPoint(1, 0) << -32768;
    QTest::newRow("a column past the width reads 0") << threeByTwo() << 3 << 2 << QPoint(3, 0) << 0;
    QTest::newRow("a row past the height reads 0") << threeByTwo() << 3 << 2 << QPoint(0, 2) << 0;
    QTest::newRow("a negative column reads 0") << threeByTwo() << 3 << 2 << QPoint(-1, 1) << 0;
    QTest::newRow("a cell the short bytes do not hold reads 0")
      << threeByTwo().left(8) << 3 << 2 << QPoint(1, 1) << 0;
    QTest::newRow("a cell cut in half by the end reads 0")
      << threeByTwo().left(9) << 3 << 2 << QPoint(1, 1) << 0;
    QTest::newRow("the last whole cell of short bytes still reads")
      << threeByTwo().left(9) << 3 << 2 << QPoint(0, 1) << 300;
    QTest::newRow("nothing reads without bytes") << QByteArray() << 3 << 2 << QPoint(0, 0) << 0;
}

void TestTemperatureMatrix::cells()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(QPoint, cell);
    QFETCH(int, tenths);
    const TemperatureMatrix matrix(bytes, width, height);
    QCOMPARE(int(matrix.tenths(cell.x(), cell.y())), tenths);
    QCOMPARE(matrix.celsius(cell.x(), cell.y()), float(tenths) / 10.0f);
}

void TestTemperatureMatrix::extremes_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<bool>("empty");
    QTest::addColumn<bool>("complete");
    QTest::addColumn<float>("minimum");
    QTest::addColumn<float>("maximum");
    QTest::addColumn<float>("mean");

    QTest::newRow("a whole matrix spans its coldest and hottest cells")
      << threeByTwo() << 3 << 2 << false << true << -40.0f << 30.0f << 3.5f;
    QTest::newRow("a matrix of one cold cell")
      << cellBytes({ -273 }) << 1 << 1 << false << true << -27.3f << -27.3f << -27.3f;
    QTest::newRow("short bytes count the whole cells they hold")
      << threeByTwo().left(7) << 3 << 2 << false << false << -0.5f << 20.0f
      << float(295.0 / 3.0 / 10.0);
    QTest::newRow("bytes beyond the matrix are not cells")
      << threeByTwo() << 2 << 1 << false << true << 10.0f << 20.0f << 15.0f;
    QTest::newRow("a matrix without a row is empty")
      << threeByTwo() << 3 << 0 << true << false << 0.0f << 0.0f << 0.0f;
    QTest::newRow("a single byte holds no cell")
      << QByteArray(1, '\x10') << 1 << 1 << true << false << 0.0f << 0.0f << 0.0f;
    QTest::newRow("a negative size is no matrix")
      << threeByTwo() << -3 << 2 << true << false << 0.0f << 0.0f << 0.0f;
}

void TestTemperatureMatrix::extremes()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(bool, empty);
    QFETCH(bool, complete);
    QFETCH(float, minimum);
    QFETCH(float, maximum);
    QFETCH(float, mean);
    const TemperatureMatrix matrix(bytes, width, height);
    QCOMPARE(matrix.isEmpty(), empty);
    QCOMPARE(matrix.isComplete(), complete);
    QCOMPARE(matrix.minimum(), minimum);
    QCOMPARE(matrix.maximum(), maximum);
    QCOMPARE(matrix.mean(), mean);
}

void TestTemperatureMatrix::cellOfAPosition_data()
{
    QTest::addColumn<double>("fraction");
    QTest::addColumn<int>("cells");
    QTest::addColumn<int>("expected");

    QTest::newRow("the left edge is the first cell") << 0.0 << 640 << 0;
    QTest::newRow("the right edge is the last cell, not one past it") << 1.0 << 640 << 639;
    QTest::newRow("a position well inside a cell is that cell") << 0.5 + 0.4 / 640 << 640 << 320;
    QTest::newRow("half a cell short of a corner is the cell before")
      << 0.5 - 0.5 / 640 << 640 << 319;
    QTest::newRow("a position left of the photograph is the first cell") << -0.3 << 80 << 0;
    QTest::newRow("a position right of the photograph is the last cell") << 6.5 << 80 << 79;
    QTest::newRow("not a number is the first cell") << std::nan("") << 80 << 0;
    QTest::newRow("a matrix without cells has none") << 0.5 << 0 << 0;
}

void TestTemperatureMatrix::cellOfAPosition()
{
    QFETCH(double, fraction);
    QFETCH(int, cells);
    QFETCH(int, expected);
    QCOMPARE(TemperatureMatrix::cellIndex(fraction, cells), expected);
}

void TestTemperatureMatrix::storedCornersComeBackToTheirCell_data()
{
    QTest::addColumn<int>("cells");
    for (int cells : { 60, 80, 120, 160, 240, 320, 480, 640, 1024, 1280 })
        QTest::newRow(qPrintable(QStringLiteral("every corner of %1 cells").arg(cells))) << cells;
}

// Files keep positions in steps of 1/10000: the corners an older writer cut short and the ones
// rounded now must both come back to the cell they were measured on, or the shapes CSV names a
// neighbour of the hottest cell.
void TestTemperatureMatrix::storedCornersComeBackToTheirCell()
{
    QFETCH(int, cells);
    for (int i = 0; i < cells; ++i) {
        const float corner = TemperatureMatrix::cornerOf(i, cells);
        const double scaled = double(corner * 10000.0f);
        for (double stored : { std::trunc(scaled), std::round(scaled) }) {
            const float back = float(stored / 10000.0);
            if (TemperatureMatrix::cellIndex(back, cells) != i)
                QFAIL(
                  qPrintable(QStringLiteral("the corner of cell %1, stored as %2, reads cell %3")
                               .arg(i)
                               .arg(stored)
                               .arg(TemperatureMatrix::cellIndex(back, cells))));
        }
        QCOMPARE(TemperatureMatrix::cellIndex(corner, cells), i);
    }
}

void TestTemperatureMatrix::temperatureAtReadsOneCell_data()
{
    QTest::addColumn<QPoint>("cell");
    QTest::addColumn<float>("expected");
    // Cells of threeByTwo(): 10.0 20.0 -0.5 / 30.0 -40.0 1.5
    QTest::newRow("a cell hotter than its neighbours keeps its value") << QPoint(1, 0) << 20.0f;
    QTest::newRow("a cell colder than its neighbours keeps its value") << QPoint(1, 1) << -40.0f;
    QTest::newRow("a corner cell keeps its value") << QPoint(2, 1) << 1.5f;
    QTest::newRow("a cell beyond the feature temperatures is not held to them")
      << QPoint(0, 1) << 30.0f;
    QTest::newRow("a cell off the matrix reads 0") << QPoint(3, 0) << 0.0f;
}

void TestTemperatureMatrix::temperatureAtReadsOneCell()
{
    QFETCH(QPoint, cell);
    QFETCH(float, expected);
    ImageEntity photo;
    photo.temperatureWidth = 3;
    photo.temperatureHeight = 2;
    photo.temperatureData = threeByTwo();
    photo.details.feature.maxPoint.temperature = 25.0f;
    photo.details.feature.minPoint.temperature = -10.0f;
    photo.loaded = true;
    QCOMPARE(photo.temperatureAt(cell.x(), cell.y()), expected);
}

void TestTemperatureMatrix::sharesTheEntityBytes()
{
    ImageEntity photo;
    photo.temperatureWidth = 3;
    photo.temperatureHeight = 2;
    photo.temperatureData = threeByTwo();
    const TemperatureMatrix matrix = photo.temperatures();
    QCOMPARE(matrix.width(), 3);
    QCOMPARE(matrix.height(), 2);
    QVERIFY(matrix.bytes().constData() == photo.temperatureData.constData());
}

QTEST_MAIN(TestTemperatureMatrix)
#include "tst_temperaturematrix.moc"
