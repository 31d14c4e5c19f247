#include "measure/regionmeasure.h"
#include "model/objectparameters.h"
#include "support/measurescene.h"
#include "support/regionreference.h"

#include <QRandomGenerator>
#include <QtTest>

#include <algorithm>
#include <cmath>

namespace {

constexpr int columns = 40;
constexpr int rows = 30;
constexpr qint16 background = 200;

// A 40 × 30 matrix at 20.0 °C with a hot spot: its top-left cell at 58.0 °C, the rest of a 2 × 2
// spot at 57.0 °C, so that a shape which reads any mean or any neighbour instead of the hottest
// cell misses the figure.
TemperatureMatrix hotSpot(const QPoint& corner, int size)
{
    QVector<qint16> cells(columns * rows, background);
    for (int y = corner.y(); y < corner.y() + size; ++y) {
        for (int x = corner.x(); x < corner.x() + size; ++x)
            cells[y * columns + x] = 570;
    }
    cells[corner.y() * columns + corner.x()] = 580;
    return TemperatureMatrix(MeasureScene::matrix(cells), columns, rows);
}

// The centre of cell (i, j) as fractions of the photograph.
QPointF centreOf(double i, double j)
{
    return QPointF((i + 0.5) / columns, (j + 0.5) / rows);
}

ImageDrawPath shapeOf(ShapeKind kind, const QPointF& start, const QPointF& end)
{
    ImageDrawPath shape;
    shape.setKind(kind);
    shape.point(PointRole::Start) = PathPoint(float(start.x()), float(start.y()), 0, 0);
    shape.point(PointRole::End) = PathPoint(float(end.x()), float(end.y()), 0, 0);
    return shape;
}

QString describe(const QVector<QPoint>& cells)
{
    QStringList names;
    for (const QPoint& cell : cells)
        names << QStringLiteral("%1,%2").arg(cell.x()).arg(cell.y());
    return names.join(QLatin1Char(' '));
}

} // namespace

class TestRegionMeasure : public QObject
{
    Q_OBJECT
private slots:
    void hotSpotIsNeverUnderstated_data();
    void hotSpotIsNeverUnderstated();
    void coveredCells_data();
    void coveredCells();
    void meanAndCountOfTheCells_data();
    void meanAndCountOfTheCells();
    void equalCellsGoToTheFirst_data();
    void equalCellsGoToTheFirst();
    void uniformShapeKeepsItsMarkersApart();
    void pointKeepsItsOwnPositionAndHasNoMinimum();
    void agreesWithTheDirectWay_data();
    void agreesWithTheDirectWay();
    void nothingToMeasure_data();
    void nothingToMeasure();
    void figuresWithObjectParameters_data();
    void figuresWithObjectParameters();
    void profileFollowsTheLineRule_data();
    void profileFollowsTheLineRule();
    void histogramCountsTheCoveredCells();
};

void TestRegionMeasure::hotSpotIsNeverUnderstated_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QPointF>("start");
    QTest::addColumn<QPointF>("end");

    // The spot's top-left cell is (20, 12).
    for (int size : { 1, 2 }) {
        const QString spot =
          size == 1 ? QStringLiteral("a 1 × 1 spot") : QStringLiteral("a 2 × 2 spot");
        QTest::newRow(qPrintable(QStringLiteral("a point on %1 reads it").arg(spot)))
          << size << int(ShapeKind::Point) << centreOf(20.2, 12.2) << centreOf(20.2, 12.2);
        QTest::newRow(qPrintable(QStringLiteral("a rectangle around %1 reads it").arg(spot)))
          << size << int(ShapeKind::Rectangle) << centreOf(10.3, 5.1) << centreOf(31.6, 22.8);
        QTest::newRow(
          qPrintable(QStringLiteral("a rectangle drawn up and left reads %1").arg(spot)))
          << size << int(ShapeKind::Rectangle) << centreOf(24, 16) << centreOf(18, 9);
        QTest::newRow(qPrintable(QStringLiteral("an oval around %1 reads it").arg(spot)))
          << size << int(ShapeKind::Oval) << centreOf(14, 6) << centreOf(27, 19);
        QTest::newRow(qPrintable(QStringLiteral("a line across %1 reads it").arg(spot)))
          << size << int(ShapeKind::Line) << centreOf(3, 12) << centreOf(37, 12);
        QTest::newRow(qPrintable(QStringLiteral("a steep line through %1 reads it").arg(spot)))
          << size << int(ShapeKind::Line) << centreOf(19.2, 0.1) << centreOf(21.1, 29.4);
        QTest::newRow(qPrintable(
          QStringLiteral("a rectangle that just holds the centre of %1 reads it").arg(spot)))
          << size << int(ShapeKind::Rectangle) << centreOf(5, 3) << centreOf(20.1, 12.1);
    }
}

void TestRegionMeasure::hotSpotIsNeverUnderstated()
{
    QFETCH(int, size);
    QFETCH(int, kind);
    QFETCH(QPointF, start);
    QFETCH(QPointF, end);
    const TemperatureMatrix matrix = hotSpot(QPoint(20, 12), size);
    RegionMeasure::Statistics found;
    QVERIFY(RegionMeasure(matrix).statistics(ShapeKind(kind), start, end, found));
    QCOMPARE(found.maximum, 580);
    QCOMPARE(found.hottest, QPoint(20, 12));

    ImageDrawPath shape = shapeOf(ShapeKind(kind), start, end);
    QVERIFY(RegionMeasure(matrix).measure(shape));
    QCOMPARE(shape.point(PointRole::Maximum).value, 58.0f);
    if (ShapeKind(kind) != ShapeKind::Point) {
        // The marker stands on the cell's corner, and that corner leads back to the cell.
        QCOMPARE(shape.point(PointRole::Maximum).x, 20.0f / columns);
        QCOMPARE(shape.point(PointRole::Maximum).y, 12.0f / rows);
        QCOMPARE(
          matrix.cellAt(shape.point(PointRole::Maximum).x, shape.point(PointRole::Maximum).y),
          QPoint(20, 12));
        QCOMPARE(shape.point(PointRole::Minimum).value, 20.0f);
    }
}

void TestRegionMeasure::coveredCells_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QPointF>("start");
    QTest::addColumn<QPointF>("end");
    QTest::addColumn<QVector<QPoint>>("expected");

    QTest::newRow("a line along a row covers each cell of it once")
      << int(ShapeKind::Line) << centreOf(2, 5) << centreOf(6, 5)
      << QVector<QPoint>{ { 2, 5 }, { 3, 5 }, { 4, 5 }, { 5, 5 }, { 6, 5 } };
    QTest::newRow("a line along a column drawn upwards starts at its start")
      << int(ShapeKind::Line) << centreOf(7, 4) << centreOf(7, 1)
      << QVector<QPoint>{ { 7, 4 }, { 7, 3 }, { 7, 2 }, { 7, 1 } };
    // Two steps per cell of its longer extent: a cell the line only clips at a corner, as
    // (1, 2) here, may fall between two steps.
    QTest::newRow("a diagonal line covers the cells its steps fall on")
      << int(ShapeKind::Line) << QPointF(1.2 / columns, 1.6 / rows)
      << QPointF(3.9 / columns, 3.3 / rows)
      << QVector<QPoint>{ { 1, 1 }, { 2, 2 }, { 3, 2 }, { 3, 3 } };
    QTest::newRow("a line inside one cell covers that cell")
      << int(ShapeKind::Line) << QPointF(4.1 / columns, 4.1 / rows)
      << QPointF(4.8 / columns, 4.9 / rows) << QVector<QPoint>{ { 4, 4 } };
    QTest::newRow("a rectangle covers the cells whose centre it holds, edges included")
      << int(ShapeKind::Rectangle) << QPointF(1.5 / columns, 2.5 / rows)
      << QPointF(3.5 / columns, 3.4 / rows) << QVector<QPoint>{ { 1, 2 }, { 2, 2 }, { 3, 2 } };
    QTest::newRow("a rectangle smaller than a cell covers the cell under its centre")
      << int(ShapeKind::Rectangle) << QPointF(5.1 / columns, 6.6 / rows)
      << QPointF(5.4 / columns, 6.9 / rows) << QVector<QPoint>{ { 5, 6 } };
    QTest::newRow("an oval smaller than a cell across a corner covers the cell under its centre")
      << int(ShapeKind::Oval) << QPointF(5.8 / columns, 6.8 / rows)
      << QPointF(6.4 / columns, 7.6 / rows) << QVector<QPoint>{ { 6, 7 } };
    QTest::newRow("an oval leaves out the corner cells its rectangle would hold")
      << int(ShapeKind::Oval) << QPointF(10.0 / columns, 10.0 / rows)
      << QPointF(14.0 / columns, 14.0 / rows)
      << QVector<QPoint>{ { 11, 10 }, { 12, 10 }, { 10, 11 }, { 11, 11 }, { 12, 11 }, { 13, 11 },
                          { 10, 12 }, { 11, 12 }, { 12, 12 }, { 13, 12 }, { 11, 13 }, { 12, 13 } };
    QTest::newRow("an oval touching the right and bottom border ends on the last cells")
      << int(ShapeKind::Oval) << QPointF(36.0 / columns, 26.0 / rows) << QPointF(1.0, 1.0)
      << QVector<QPoint>{ { 37, 26 }, { 38, 26 }, { 36, 27 }, { 37, 27 }, { 38, 27 }, { 39, 27 },
                          { 36, 28 }, { 37, 28 }, { 38, 28 }, { 39, 28 }, { 37, 29 }, { 38, 29 } };
    QTest::newRow("a point on the right and bottom border reads the last cell")
      << int(ShapeKind::Point) << QPointF(1.0, 1.0) << QPointF(1.0, 1.0)
      << QVector<QPoint>{ { 39, 29 } };
}

void TestRegionMeasure::coveredCells()
{
    QFETCH(int, kind);
    QFETCH(QPointF, start);
    QFETCH(QPointF, end);
    QFETCH(QVector<QPoint>, expected);
    const QVector<QPoint> cells =
      RegionMeasure(hotSpot(QPoint(0, 0), 1)).cells(ShapeKind(kind), start, end);
    QVERIFY2(cells == expected, qPrintable(describe(cells)));
}

void TestRegionMeasure::meanAndCountOfTheCells_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QPointF>("start");
    QTest::addColumn<QPointF>("end");
    QTest::addColumn<int>("cells");
    QTest::addColumn<float>("mean");

    // The 2 × 2 spot at (20, 12): 58.0, 57.0, 57.0, 57.0 on 20.0.
    QTest::newRow("a rectangle on the spot alone has its mean")
      << int(ShapeKind::Rectangle) << QPointF(20.0 / columns, 12.0 / rows)
      << QPointF(22.0 / columns, 14.0 / rows) << 4 << 57.25f;
    QTest::newRow("a rectangle with the spot and four cells around it")
      << int(ShapeKind::Rectangle) << QPointF(20.0 / columns, 12.0 / rows)
      << QPointF(22.0 / columns, 15.0 / rows) << 6 << 44.8333f;
    QTest::newRow("a line through two cells of the spot and two beside it")
      << int(ShapeKind::Line) << centreOf(19, 12) << centreOf(22, 12) << 4 << 38.75f;
    QTest::newRow("a point is its one cell")
      << int(ShapeKind::Point) << centreOf(21, 13) << centreOf(21, 13) << 1 << 57.0f;
}

void TestRegionMeasure::meanAndCountOfTheCells()
{
    QFETCH(int, kind);
    QFETCH(QPointF, start);
    QFETCH(QPointF, end);
    QFETCH(int, cells);
    QFETCH(float, mean);
    ImageDrawPath shape = shapeOf(ShapeKind(kind), start, end);
    QVERIFY(RegionMeasure(hotSpot(QPoint(20, 12), 2)).measure(shape));
    QCOMPARE(shape.cells, cells);
    QVERIFY2(std::abs(shape.mean - mean) < 1e-3f, qPrintable(QString::number(double(shape.mean))));
}

void TestRegionMeasure::equalCellsGoToTheFirst_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QPointF>("start");
    QTest::addColumn<QPointF>("end");
    QTest::addColumn<QPoint>("hottest");
    QTest::addColumn<QPoint>("coldest");

    // Two equally hot cells at (5, 5) and (9, 5), two equally cold at (5, 8) and (9, 8).
    QTest::newRow("a rectangle takes the first in row order")
      << int(ShapeKind::Rectangle) << centreOf(3, 3) << centreOf(11, 10) << QPoint(5, 5)
      << QPoint(5, 8);
    QTest::newRow("a line drawn right to left takes the first from its start")
      << int(ShapeKind::Line) << centreOf(11, 5) << centreOf(3, 5) << QPoint(9, 5) << QPoint(11, 5);
}

void TestRegionMeasure::equalCellsGoToTheFirst()
{
    QFETCH(int, kind);
    QFETCH(QPointF, start);
    QFETCH(QPointF, end);
    QFETCH(QPoint, hottest);
    QFETCH(QPoint, coldest);
    QVector<qint16> cells(columns * rows, background);
    cells[5 * columns + 5] = cells[5 * columns + 9] = 300;
    cells[8 * columns + 5] = cells[8 * columns + 9] = 100;
    const TemperatureMatrix matrix(MeasureScene::matrix(cells), columns, rows);
    RegionMeasure::Statistics found;
    QVERIFY(RegionMeasure(matrix).statistics(ShapeKind(kind), start, end, found));
    QCOMPARE(found.hottest, hottest);
    QCOMPARE(found.coldest, coldest);
}

void TestRegionMeasure::uniformShapeKeepsItsMarkersApart()
{
    const ImageEntity photo = MeasureScene::uniform(columns, rows, 250);
    ImageDrawPath shape = shapeOf(ShapeKind::Oval, centreOf(4, 4), centreOf(12, 9));
    QVERIFY(RegionMeasure(photo).measure(shape));
    const PathPoint& maximum = shape.point(PointRole::Maximum);
    const PathPoint& minimum = shape.point(PointRole::Minimum);
    QCOMPARE(maximum.value, 25.0f);
    QCOMPARE(minimum.value, 25.0f);
    QCOMPARE(maximum.y, minimum.y);
    QCOMPARE(maximum.x, minimum.x + 0.005f);
}

void TestRegionMeasure::pointKeepsItsOwnPositionAndHasNoMinimum()
{
    ImageDrawPath shape = shapeOf(ShapeKind::Point, centreOf(1, 1), QPointF(0.5137, 0.4211));
    shape.point(PointRole::Minimum) = PathPoint(0.25f, 0.75f, -3.0f, 0);
    QVERIFY(RegionMeasure(hotSpot(QPoint(20, 12), 2)).measure(shape));
    QCOMPARE(shape.point(PointRole::Maximum).x, 0.5137f);
    QCOMPARE(shape.point(PointRole::Maximum).y, 0.4211f);
    QCOMPARE(shape.point(PointRole::Maximum).value, 58.0f);
    QCOMPARE(shape.point(PointRole::Minimum).value, -3.0f);
}

void TestRegionMeasure::agreesWithTheDirectWay_data()
{
    QTest::addColumn<int>("kind");
    QTest::newRow("lines") << int(ShapeKind::Line);
    QTest::newRow("rectangles") << int(ShapeKind::Rectangle);
    QTest::newRow("ovals") << int(ShapeKind::Oval);
}

// Random shapes, thin, tiny, past the border and over the whole photograph, on a matrix with
// hills, noise and plateaus: the same cells, in the same order, and the same extremes as the
// direct way.
void TestRegionMeasure::agreesWithTheDirectWay()
{
    QFETCH(int, kind);
    const ImageEntity photo = MeasureScene::landscape(97, 61, 11, QSize(970, 610));
    const TemperatureMatrix matrix = photo.temperatures();
    const RegionMeasure measure(matrix);
    QRandomGenerator random(quint32(kind) * 7919u);
    for (int round = 0; round < 400; ++round) {
        const double reach = round % 5 == 0 ? 0.02 : 1.2;
        const QPointF start(random.generateDouble() * 1.1 - 0.05, random.generateDouble());
        const QPointF end(start.x() + (random.generateDouble() - 0.5) * reach,
                          start.y() + (random.generateDouble() - 0.5) * reach);
        QVector<QPoint> cells = measure.cells(ShapeKind(kind), start, end);
        QVector<QPoint> direct = RegionReference::cells(matrix, ShapeKind(kind), start, end);
        if (ShapeKind(kind) != ShapeKind::Line) {
            const auto rowOrder = [](const QPoint& a, const QPoint& b) {
                return a.y() != b.y() ? a.y() < b.y() : a.x() < b.x();
            };
            QVERIFY(std::is_sorted(cells.begin(), cells.end(), rowOrder));
            std::sort(direct.begin(), direct.end(), rowOrder);
        }
        QVERIFY2(cells == direct,
                 qPrintable(QStringLiteral("from %1,%2 to %3,%4: %5 against %6")
                              .arg(start.x())
                              .arg(start.y())
                              .arg(end.x())
                              .arg(end.y())
                              .arg(describe(cells), describe(direct))));
        RegionMeasure::Statistics found;
        QVERIFY(measure.statistics(ShapeKind(kind), start, end, found));
        QPoint hottest, coldest;
        QVERIFY(RegionReference::extremes(matrix, direct, hottest, coldest));
        QCOMPARE(found.hottest, hottest);
        QCOMPARE(found.coldest, coldest);
        QCOMPARE(found.cells, direct.size());
    }
}

void TestRegionMeasure::nothingToMeasure_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<bool>("withBytes");
    QTest::addColumn<QPointF>("end");

    QTest::newRow("a matrix without width measures nothing") << 0 << 30 << true << QPointF(1, 1);
    QTest::newRow("a matrix without bytes measures nothing") << 40 << 30 << false << QPointF(1, 1);
    QTest::newRow("a shape ending at no number measures nothing")
      << 40 << 30 << true << QPointF(std::nan(""), 0.5);
    QTest::newRow("a shape ending at infinity measures nothing")
      << 40 << 30 << true << QPointF(INFINITY, 0.5);
}

void TestRegionMeasure::nothingToMeasure()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(bool, withBytes);
    QFETCH(QPointF, end);
    const TemperatureMatrix matrix(
      withBytes ? hotSpot(QPoint(1, 1), 1).bytes() : QByteArray(), width, height);
    for (ShapeKind kind :
         { ShapeKind::Point, ShapeKind::Line, ShapeKind::Rectangle, ShapeKind::Oval }) {
        ImageDrawPath shape = shapeOf(kind, QPointF(0.1, 0.1), end);
        shape.point(PointRole::Maximum) = PathPoint(0.3f, 0.3f, 12.5f, 0);
        QVERIFY(!RegionMeasure(matrix).measure(shape));
        QCOMPARE(shape.point(PointRole::Maximum).value, 12.5f);
        QVERIFY(std::isnan(shape.mean));
    }
}

void TestRegionMeasure::figuresWithObjectParameters_data()
{
    QTest::addColumn<double>("emissivity");
    QTest::addColumn<double>("reflected");
    QTest::addColumn<int>("unknown");

    QTest::newRow("the camera's own parameters give the stored figures") << 0.95 << 20.0 << 0;
    QTest::newRow("a lower emissivity raises every cell, the mean of the raised cells")
      << 0.6 << 20.0 << 0;
    QTest::newRow("a surface said to reflect a hot room leaves its 20 ℃ cells without a "
                  "temperature, and the hot spot alone is measured")
      << 0.05 << 45.0 << 21;
}

void TestRegionMeasure::figuresWithObjectParameters()
{
    QFETCH(double, emissivity);
    QFETCH(double, reflected);
    QFETCH(int, unknown);
    const TemperatureMatrix matrix = hotSpot(QPoint(10, 10), 2);
    ObjectParameters parameters = ObjectParameters::ofCamera(95);
    parameters.emissivity = emissivity;
    parameters.reflected = reflected;
    const TemperatureCorrection correction(parameters, 200, 580);
    const RegionMeasure measure(matrix);
    // A 5 × 5 rectangle over the spot: 4 hot cells, 21 at 20 ℃.
    const QPointF start = centreOf(9, 9);
    const QPointF end = centreOf(13, 13);
    RegionMeasure::Shown shown;
    QVERIFY(measure.shown(ShapeKind::Rectangle, start, end, correction, shown));
    QCOMPARE(shown.unknown, unknown);
    QCOMPARE(shown.cells + shown.unknown, 25);

    // The figures worked out cell by cell here.
    double sum = 0;
    double hottest = -1e9;
    double coldest = 1e9;
    int known = 0;
    for (const QPoint& cell : measure.cells(ShapeKind::Rectangle, start, end)) {
        double celsius = 0;
        if (!correction.celsius(int(matrix.tenths(cell.x(), cell.y())), celsius))
            continue;
        sum += celsius;
        hottest = std::max(hottest, celsius);
        coldest = std::min(coldest, celsius);
        ++known;
    }
    QCOMPARE(shown.cells, known);
    QVERIFY(shown.known);
    QCOMPARE(shown.maximum, hottest);
    QCOMPARE(shown.minimum, coldest);
    QVERIFY(std::fabs(shown.mean - sum / known) < 1e-9);
    double spot = 0;
    QVERIFY(correction.celsius(580, spot));
    QCOMPARE(shown.maximum, spot);
    if (emissivity == 0.95) {
        QCOMPARE(shown.maximum, 58.0);
        QCOMPARE(shown.minimum, 20.0);
        QVERIFY(std::fabs(shown.mean - (580 + 3 * 570 + 21 * 200) / 250.0) < 1e-9);
    } else if (unknown == 0) {
        // Not the stored mean mapped: the map bends, so the two differ.
        double meanMapped = 0;
        QVERIFY(correction.celsius((580 + 3 * 570 + 21 * 200) / 250.0, meanMapped));
        QVERIFY(std::fabs(shown.mean - meanMapped) > 0.05);
    }
}

void TestRegionMeasure::profileFollowsTheLineRule_data()
{
    QTest::addColumn<QPointF>("start");
    QTest::addColumn<QPointF>("end");

    QTest::newRow("across the hot spot, left to right") << centreOf(5, 10.5) << centreOf(20, 11);
    QTest::newRow("a steep line, bottom to top") << centreOf(12, 25) << centreOf(10, 2);
    QTest::newRow("a line within one cell") << centreOf(3, 3) << centreOf(3.2, 3.1);
}

void TestRegionMeasure::profileFollowsTheLineRule()
{
    QFETCH(QPointF, start);
    QFETCH(QPointF, end);
    const TemperatureMatrix matrix = hotSpot(QPoint(10, 10), 2);
    const RegionMeasure measure(matrix);
    const QVector<RegionMeasure::Sample> samples =
      measure.profile(start, end, TemperatureCorrection());
    const QVector<QPoint> cells = measure.cells(ShapeKind::Line, start, end);
    QCOMPARE(samples.size(), cells.size());
    const double length = std::hypot((end.x() - start.x()) * columns, (end.y() - start.y()) * rows);
    double previous = -1;
    for (int k = 0; k < samples.size(); ++k) {
        QCOMPARE(samples[k].cell, cells[k]);
        QVERIFY(samples[k].known);
        QCOMPARE(samples[k].celsius, matrix.tenths(cells[k].x(), cells[k].y()) / 10.0);
        QVERIFY(samples[k].distance > previous);
        QVERIFY(samples[k].distance <= length + 1e-9);
        previous = samples[k].distance;
    }
    QCOMPARE(samples.first().distance, 0.0);
}

void TestRegionMeasure::histogramCountsTheCoveredCells()
{
    const TemperatureMatrix matrix = hotSpot(QPoint(10, 10), 2);
    const RegionMeasure measure(matrix);
    // A 5 × 5 rectangle over the spot: 21 cells at 20.0, three at 57.0, one at 58.0 ℃.
    const QPointF start = centreOf(9, 9);
    const QPointF end = centreOf(13, 13);
    const QVector<int> counts =
      measure.histogram(ShapeKind::Rectangle, start, end, TemperatureCorrection(), 18, 58, 4);
    // Bins of 10 ℃ from 18; 58.0 is the top end and falls in the last.
    QCOMPARE(counts, (QVector<int>{ 21, 0, 0, 4 }));
    // A range that leaves the spot out counts the background alone.
    QCOMPARE(measure.histogram(ShapeKind::Rectangle, start, end, TemperatureCorrection(), 0, 40, 2),
             (QVector<int>{ 0, 21 }));
    QVERIFY(measure.histogram(ShapeKind::Rectangle, start, end, TemperatureCorrection(), 40, 40, 2)
              .isEmpty());
}

QTEST_GUILESS_MAIN(TestRegionMeasure)
#include "tst_regionmeasure.moc"
