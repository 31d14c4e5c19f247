#include "model/imageentity.h"
#include "model/temperaturematrix.h"

#include <QtTest>

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
    void reading_data();
    void reading();
    void readingMatchesTheEntity_data();
    void readingMatchesTheEntity();
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

void TestTemperatureMatrix::reading_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<QPoint>("cell");
    QTest::addColumn<float>("low");
    QTest::addColumn<float>("high");
    QTest::addColumn<float>("expected");

    // 4 × 3: cell (x, y) holds x + 10 y degrees.
    QVector<qint16> grid;
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x)
            grid.append(qint16(10 * (x + 10 * y)));
    const QByteArray bytes = cellBytes(grid);
    QTest::newRow("an inner cell averages its nine neighbours")
      << bytes << 4 << 3 << QPoint(1, 1) << -100.0f << 100.0f << 11.0f;
    QTest::newRow("a corner averages the four cells inside the matrix")
      << bytes << 4 << 3 << QPoint(0, 0) << -100.0f << 100.0f << 5.5f;
    QTest::newRow("an edge cell averages six cells")
      << bytes << 4 << 3 << QPoint(3, 1) << -100.0f << 100.0f << 12.5f;
    QTest::newRow("a cell one past the border reads the border's window")
      << bytes << 4 << 3 << QPoint(4, 3) << -100.0f << 100.0f << 23.0f;
    QTest::newRow("a cell far outside reads the nearest border cell")
      << bytes << 4 << 3 << QPoint(-9, 50) << -100.0f << 100.0f << 20.0f;
    QTest::newRow("a reading above the hottest is held there")
      << bytes << 4 << 3 << QPoint(2, 2) << -100.0f << 15.0f << 15.0f;
    QTest::newRow("a reading below the coldest is held there")
      << bytes << 4 << 3 << QPoint(0, 0) << 8.0f << 100.0f << 8.0f;
    QTest::newRow("negative tenths average below zero")
      << cellBytes({ -15, -25, -35, -45 }) << 2 << 2 << QPoint(0, 0) << -100.0f << 100.0f << -3.0f;
    QTest::newRow("a window past the short bytes reads 0")
      << bytes.left(16) << 4 << 3 << QPoint(1, 1) << -100.0f << 100.0f << 0.0f;
    QTest::newRow("a window inside the short bytes still reads")
      << bytes.left(20) << 4 << 3 << QPoint(0, 0) << -100.0f << 100.0f << 5.5f;
    QTest::newRow("no bytes read 0 whatever the bounds")
      << QByteArray() << 4 << 3 << QPoint(1, 1) << 5.0f << 100.0f << 0.0f;
    QTest::newRow("a matrix without width reads 0")
      << bytes << 0 << 3 << QPoint(0, 0) << -100.0f << 100.0f << 0.0f;
}

void TestTemperatureMatrix::reading()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(QPoint, cell);
    QFETCH(float, low);
    QFETCH(float, high);
    QFETCH(float, expected);
    const float value =
      TemperatureMatrix(bytes, width, height).reading(cell.x(), cell.y(), low, high);
    QVERIFY(std::isfinite(value));
    QCOMPARE(value, expected);
}

void TestTemperatureMatrix::readingMatchesTheEntity_data()
{
    QTest::addColumn<QPoint>("cell");
    QTest::newRow("an inner cell") << QPoint(7, 5);
    QTest::newRow("the top left corner") << QPoint(0, 0);
    QTest::newRow("the bottom right corner") << QPoint(12, 10);
    QTest::newRow("the right edge") << QPoint(12, 5);
}

// Sums of tenths that are not exact in binary: a different order of additions shows in the last
// bit, which the measurements on screen and in the files would then disagree by.
void TestTemperatureMatrix::readingMatchesTheEntity()
{
    QFETCH(QPoint, cell);
    QVector<qint16> tenths;
    quint32 state = 7;
    for (int i = 0; i < 13 * 11; ++i) {
        state = state * 1664525u + 1013904223u;
        tenths.append(qint16(int(state >> 20) % 2000 - 700));
    }
    ImageEntity photo;
    photo.temperatureWidth = 13;
    photo.temperatureHeight = 11;
    photo.temperatureData = cellBytes(tenths);
    photo.details.feature.maxPoint.temperature = 130.0f;
    photo.details.feature.minPoint.temperature = -70.0f;

    float sum = 0;
    int count = 0;
    const int cx = cell.x();
    const int cy = cell.y();
    for (int x = qMax(0, cx - 1); x <= qMin(12, cx + 1); ++x) {
        for (int y = qMax(0, cy - 1); y <= qMin(10, cy + 1); ++y) {
            sum += float(tenths[y * 13 + x]) / 10.0f;
            ++count;
        }
    }
    const float columnByColumn = sum / float(count);
    const float reading = photo.temperatures().reading(cell.x(), cell.y(), -70.0f, 130.0f);
    QVERIFY(reading == columnByColumn);
    QVERIFY(photo.temperatureAt(cell.x(), cell.y()) == reading);
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
