#include "measure/regionmeasure.h"
#include "render/calculatetools.h"
#include "support/measurescene.h"
#include "support/regionreference.h"

#include <QRandomGenerator>
#include <QtTest>

#include <cmath>

namespace {

// Cell (column, row) of the small matrix holds row × 4 + column + 1 degrees, so every window
// has a mean of its own.
ImageEntity countingMatrix()
{
    QVector<qint16> cells;
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 4; ++column)
            cells.append(qint16((row * 4 + column + 1) * 10));
    }
    ImageEntity photo;
    photo.temperatureWidth = 4;
    photo.temperatureHeight = 3;
    photo.temperatureData = MeasureScene::matrix(cells);
    photo.details.feature.maxPoint.temperature = 100;
    photo.details.feature.minPoint.temperature = -100;
    photo.loaded = true;
    return photo;
}

ImageDrawPath shapeOf(int type, const QPointF& start, const QPointF& end)
{
    ImageDrawPath shape;
    shape.type = type;
    shape.points[0] = PathPoint(float(start.x()), float(start.y()), 0, 0);
    shape.points[1] = PathPoint(float(end.x()), float(end.y()), 0, 0);
    return shape;
}

// A drag in label pixels as the drawing surface stores it.
ImageDrawPath dragOf(int type, const QPoint& press, const QPoint& release, const QSize& label)
{
    return shapeOf(
      type,
      QPointF(float(press.x()) / float(label.width()), float(press.y()) / float(label.height())),
      QPointF(float(release.x()) / float(label.width()),
              float(release.y()) / float(label.height())));
}

// Positions are compared bit for bit: a float that differs in its last place is another cell.
bool samePoint(const PathPoint& a, const PathPoint& b)
{
    return a.x == b.x && a.y == b.y && a.value == b.value && a.unit == b.unit;
}

QString describe(const PathPoint& point)
{
    return QStringLiteral("(%1, %2) %3")
      .arg(double(point.x), 0, 'g', 9)
      .arg(double(point.y), 0, 'g', 9)
      .arg(double(point.value), 0, 'g', 9);
}

QString describe(const ImageDrawPath& shape, const QSize& label)
{
    return QStringLiteral("type %1 from (%2, %3) to (%4, %5) on a %6 x %7 label")
      .arg(shape.type)
      .arg(double(shape.points[0].x), 0, 'g', 9)
      .arg(double(shape.points[0].y), 0, 'g', 9)
      .arg(double(shape.points[1].x), 0, 'g', 9)
      .arg(double(shape.points[1].y), 0, 'g', 9)
      .arg(label.width())
      .arg(label.height());
}

// A random drag of a kind on a label, as long as the drawing surface accepts. Some end on the
// label's right or bottom border, some are thin, some very short.
ImageDrawPath randomDrag(QRandomGenerator& random, int type, const QSize& label, int longest)
{
    const int width = label.width();
    const int height = label.height();
    for (;;) {
        const QPoint press(random.bounded(width), random.bounded(height));
        const int reach = 2 + random.bounded(longest);
        QPoint release(press.x() + random.bounded(2 * reach + 1) - reach,
                       press.y() + random.bounded(2 * reach + 1) - reach);
        switch (random.bounded(6)) {
            case 0:
                release.setX(press.x() + random.bounded(3) - 1);
                break;
            case 1:
                release.setY(press.y() + random.bounded(3) - 1);
                break;
            case 2:
                release.setX(width);
                break;
            case 3:
                release.setY(height);
                break;
            default:
                break;
        }
        release.setX(qBound(0, release.x(), width));
        release.setY(qBound(0, release.y(), height));
        const QPoint d = release - press;
        if (std::hypot(d.x(), d.y()) / width >= 0.03)
            return dragOf(type, press, release, label);
    }
}

} // namespace

class TestRegionMeasure : public QObject
{
    Q_OBJECT
private slots:
    void temperatureAtCutsTheWindow_data();
    void temperatureAtCutsTheWindow();
    void temperatureAtClampsIntoFeatures_data();
    void temperatureAtClampsIntoFeatures();
    void temperatureAtWithoutData();
    void temperatureAtOnShortData();
    void pointReadsTheReleaseCell_data();
    void pointReadsTheReleaseCell();
    void uniformRegion_data();
    void uniformRegion();
    void featurePointsInsideTheArea_data();
    void featurePointsInsideTheArea();
    void unknownScreenSizeSkipsFeaturePoints();
    void matrixWithoutCells_data();
    void matrixWithoutCells();
    void shapeWithoutSamples_data();
    void shapeWithoutSamples();
    void agreesWithReference_data();
    void agreesWithReference();
    void largeOvalAgreesWithReference_data();
    void largeOvalAgreesWithReference();
    void ovalOutlineKeepsToThePath_data();
    void ovalOutlineKeepsToThePath();
};

void TestRegionMeasure::temperatureAtCutsTheWindow_data()
{
    QTest::addColumn<QPoint>("cell");
    QTest::addColumn<float>("expected");

    QTest::newRow("inside: nine cells") << QPoint(1, 1) << 6.0f;
    QTest::newRow("last column: two columns") << QPoint(3, 1) << 7.5f;
    QTest::newRow("one past the last column: that column alone") << QPoint(4, 1) << 8.0f;
    QTest::newRow("first cell: four cells") << QPoint(0, 0) << 3.5f;
    QTest::newRow("top right, one past: two cells of the last column") << QPoint(4, 0) << 6.0f;
    QTest::newRow("bottom right, one past both: the corner cell alone") << QPoint(4, 3) << 12.0f;
    QTest::newRow("one past the last row: that row alone") << QPoint(1, 3) << 10.0f;
    QTest::newRow("two past the last column: the border column") << QPoint(5, 1) << 8.0f;
    QTest::newRow("far beyond the matrix: the nearest corner") << QPoint(100, 50) << 12.0f;
    QTest::newRow("far before the matrix: the first cell") << QPoint(-5, -7) << 1.0f;
}

void TestRegionMeasure::temperatureAtCutsTheWindow()
{
    QFETCH(QPoint, cell);
    QFETCH(float, expected);
    const ImageEntity photo = countingMatrix();
    const float value = photo.temperatureAt(cell.x(), cell.y());
    QVERIFY2(std::isfinite(value), "a reading must never divide by an empty window");
    QCOMPARE(value, expected);
}

void TestRegionMeasure::temperatureAtClampsIntoFeatures_data()
{
    QTest::addColumn<QPoint>("cell");
    QTest::addColumn<float>("hottest");
    QTest::addColumn<float>("coldest");
    QTest::addColumn<float>("expected");

    QTest::newRow("above the hottest reads the hottest") << QPoint(1, 1) << 5.0f << 2.0f << 5.0f;
    QTest::newRow("between the two stays") << QPoint(0, 0) << 5.0f << 2.0f << 3.5f;
    QTest::newRow("below the coldest reads the coldest") << QPoint(-1, -1) << 5.0f << 2.0f << 2.0f;
    QTest::newRow("equal to the hottest stays") << QPoint(1, 1) << 6.0f << 2.0f << 6.0f;
}

void TestRegionMeasure::temperatureAtClampsIntoFeatures()
{
    QFETCH(QPoint, cell);
    QFETCH(float, hottest);
    QFETCH(float, coldest);
    QFETCH(float, expected);
    ImageEntity photo = countingMatrix();
    photo.details.feature.maxPoint.temperature = hottest;
    photo.details.feature.minPoint.temperature = coldest;
    QCOMPARE(photo.temperatureAt(cell.x(), cell.y()), expected);
}

void TestRegionMeasure::temperatureAtWithoutData()
{
    ImageEntity photo;
    photo.temperatureWidth = 4;
    photo.temperatureHeight = 3;
    photo.details.feature.minPoint.temperature = 10;
    photo.details.feature.maxPoint.temperature = 20;
    QCOMPARE(photo.temperatureAt(1, 1), 0.0f);
}

void TestRegionMeasure::temperatureAtOnShortData()
{
    ImageEntity photo = countingMatrix();
    photo.temperatureData.truncate(4 * 2);
    photo.temperatureData.squeeze();
    // Only the first row exists; reading further must not leave the bytes (the sanitizer
    // build sees every byte read past them).
    QCOMPARE(photo.temperatureAt(2, 2), 0.0f);
    QCOMPARE(photo.temperatureAt(3, 3), 0.0f);
}

void TestRegionMeasure::pointReadsTheReleaseCell_data()
{
    QTest::addColumn<QPointF>("release");
    QTest::addColumn<float>("expected");

    QTest::newRow("middle") << QPointF(0.5, 0.5) << 7.0f;
    QTest::newRow("right border, one past the last column") << QPointF(1.0, 0.5) << 8.0f;
    QTest::newRow("bottom right corner") << QPointF(1.0, 1.0) << 12.0f;
    QTest::newRow("top left corner") << QPointF(0.0, 0.0) << 3.5f;
}

void TestRegionMeasure::pointReadsTheReleaseCell()
{
    QFETCH(QPointF, release);
    QFETCH(float, expected);
    const ImageEntity photo = countingMatrix();
    // The press lies elsewhere: only the release counts.
    ImageDrawPath shape = shapeOf(0, QPointF(0.1, 0.9), release);
    RegionMeasure measure(photo, 200, 150);
    QVERIFY(measure.measure(shape));
    QCOMPARE(shape.points[3].value, expected);
    QCOMPARE(shape.points[3].x, float(release.x()));
    QCOMPARE(shape.points[3].y, float(release.y()));
    QCOMPARE(shape.points[3].unit, 0);
    QVERIFY2(samePoint(shape.points[4], PathPoint()), "a point shape has no minimum");
    QVERIFY2(shape.path.isEmpty(), "a point shape has no outline");
    QCOMPARE(shape.points[0].x, 0.1f);
    QCOMPARE(shape.points[1].x, float(release.x()));
}

void TestRegionMeasure::uniformRegion_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QSize>("label");
    QTest::addColumn<QPoint>("press");
    QTest::addColumn<QPoint>("release");
    QTest::addColumn<QPoint>("maximumCell");
    QTest::addColumn<QPoint>("minimumCell");
    QTest::addColumn<bool>("shifted");

    // A line's first sample is its start, its last one a tenth of a pixel before its end.
    QTest::newRow("line: minimum at the start, maximum at the end")
      << 1 << QSize(50, 40) << QPoint(10, 10) << QPoint(40, 10) << QPoint(40, 10) << QPoint(10, 10)
      << false;
    QTest::newRow("line drawn backwards") << 1 << QSize(50, 40) << QPoint(40, 30) << QPoint(10, 30)
                                          << QPoint(10, 30) << QPoint(40, 30) << false;
    // On a label twice the matrix, the first contained pixel and the end of the outline walk
    // (back at the start corner) share the cell (5, 5).
    QTest::newRow("rectangle whose two extremes fall on one cell")
      << 2 << QSize(100, 80) << QPoint(10, 10) << QPoint(30, 25) << QPoint(5, 5) << QPoint(5, 5)
      << true;
    QTest::newRow("rectangle dragged from its bottom right")
      << 2 << QSize(100, 80) << QPoint(30, 25) << QPoint(10, 10) << QPoint(5, 5) << QPoint(5, 5)
      << true;
}

void TestRegionMeasure::uniformRegion()
{
    QFETCH(int, type);
    QFETCH(QSize, label);
    QFETCH(QPoint, press);
    QFETCH(QPoint, release);
    QFETCH(QPoint, maximumCell);
    QFETCH(QPoint, minimumCell);
    QFETCH(bool, shifted);
    const ImageEntity photo = MeasureScene::uniform(50, 40, 250);
    ImageDrawPath shape = dragOf(type, press, release, label);
    RegionMeasure measure(photo, label.width(), label.height());
    QVERIFY(measure.measure(shape));
    const PathPoint& maximum = shape.points[3];
    const PathPoint& minimum = shape.points[4];
    QCOMPARE(maximum.value, 25.0f);
    QCOMPARE(minimum.value, 25.0f);
    QCOMPARE(minimum.x, minimumCell.x() / 50.0f);
    QCOMPARE(minimum.y, minimumCell.y() / 40.0f);
    QCOMPARE(maximum.x, maximumCell.x() / 50.0f + (shifted ? 0.005f : 0.0f));
    QCOMPARE(maximum.y, maximumCell.y() / 40.0f);
}

void TestRegionMeasure::featurePointsInsideTheArea_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<float>("hottest");
    QTest::addColumn<float>("coldest");
    QTest::addColumn<bool>("maximumAtFeature");
    QTest::addColumn<bool>("minimumAtFeature");

    QTest::newRow("rectangle: both feature temperatures beyond every reading")
      << 2 << 40.0f << 10.0f << true << true;
    QTest::newRow("oval: both feature temperatures beyond every reading")
      << 3 << 40.0f << 10.0f << true << true;
    // The clamp makes every reading equal to the feature temperature; a later sample at least
    // as hot replaces the feature's own.
    QTest::newRow("rectangle: readings as hot as the hottest replace it")
      << 2 << 25.0f << 10.0f << false << true;
    QTest::newRow("rectangle: readings as cold as the coldest do not replace it")
      << 2 << 40.0f << 25.0f << true << true;
    QTest::newRow("line: feature points are never taken") << 1 << 40.0f << 10.0f << false << false;
}

void TestRegionMeasure::featurePointsInsideTheArea()
{
    QFETCH(int, type);
    QFETCH(float, hottest);
    QFETCH(float, coldest);
    QFETCH(bool, maximumAtFeature);
    QFETCH(bool, minimumAtFeature);
    // A 100 × 80 matrix of 25 ℃ shown on a 200 × 160 label from a 400 × 320 Screen image.
    ImageEntity photo = MeasureScene::uniform(100, 80, 250);
    photo.screenWidth = 400;
    photo.screenHeight = 320;
    FeaturePoint& hot = photo.details.feature.maxPoint;
    FeaturePoint& cold = photo.details.feature.minPoint;
    hot.x = 200; // label pixel (100, 80), cell (50, 40)
    hot.y = 160;
    hot.temperature = hottest;
    cold.x = 180; // label pixel (90, 70), cell (45, 35)
    cold.y = 140;
    cold.temperature = coldest;
    const QSize label(200, 160);
    ImageDrawPath shape = dragOf(type, QPoint(60, 50), QPoint(140, 110), label);
    RegionMeasure measure(photo, label.width(), label.height());
    QVERIFY(measure.measure(shape));
    const PathPoint& maximum = shape.points[3];
    const PathPoint& minimum = shape.points[4];
    if (maximumAtFeature) {
        QCOMPARE(maximum.value, hottest);
        QCOMPARE(maximum.x, 0.5f);
        QCOMPARE(maximum.y, 0.5f);
    } else {
        QCOMPARE(maximum.value, qMin(25.0f, hottest));
        QVERIFY2(!(maximum.x == 0.5f && maximum.y == 0.5f),
                 qPrintable(describe(maximum) + QStringLiteral(" is still the feature's")));
    }
    if (minimumAtFeature) {
        QCOMPARE(minimum.value, coldest);
        QCOMPARE(minimum.x, 0.45f);
        QCOMPARE(minimum.y, 35 / 80.0f);
    } else {
        QCOMPARE(minimum.value, 25.0f);
        QVERIFY2(!(minimum.x == 0.45f && minimum.y == 35 / 80.0f),
                 qPrintable(describe(minimum) + QStringLiteral(" is the feature's")));
    }
}

void TestRegionMeasure::unknownScreenSizeSkipsFeaturePoints()
{
    ImageEntity photo = MeasureScene::uniform(100, 80, 250);
    photo.screenWidth = 0;
    photo.screenHeight = 0;
    photo.details.feature.maxPoint.temperature = 40;
    photo.details.feature.minPoint.temperature = 10;
    for (int type : { 2, 3 }) {
        ImageDrawPath shape = dragOf(type, QPoint(0, 0), QPoint(150, 120), QSize(200, 160));
        RegionMeasure measure(photo, 200, 160);
        QVERIFY(measure.measure(shape));
        QCOMPARE(shape.points[3].value, 25.0f);
        QCOMPARE(shape.points[4].value, 25.0f);
        QVERIFY(std::isfinite(shape.points[3].x) && std::isfinite(shape.points[3].y));
    }
}

void TestRegionMeasure::matrixWithoutCells_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QSize>("matrix");

    for (int type = 0; type < 4; ++type) {
        QTest::addRow("kind %d, no columns", type) << type << QSize(0, 80);
        QTest::addRow("kind %d, no rows", type) << type << QSize(100, 0);
    }
}

void TestRegionMeasure::matrixWithoutCells()
{
    QFETCH(int, type);
    QFETCH(QSize, matrix);
    ImageEntity photo;
    photo.temperatureWidth = matrix.width();
    photo.temperatureHeight = matrix.height();
    photo.screenWidth = 400;
    photo.screenHeight = 320;
    photo.details.feature.maxPoint.x = 200;
    photo.details.feature.maxPoint.y = 160;
    photo.details.feature.maxPoint.temperature = 40;
    photo.loaded = true;
    ImageDrawPath shape = dragOf(type, QPoint(20, 20), QPoint(180, 140), QSize(200, 160));
    const ImageDrawPath before = shape;
    RegionMeasure measure(photo, 200, 160);
    QVERIFY2(!measure.measure(shape), "a matrix without cells gives no sample position");
    QVERIFY(samePoint(shape.points[3], before.points[3]));
    QVERIFY(samePoint(shape.points[4], before.points[4]));
}

void TestRegionMeasure::shapeWithoutSamples_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QPoint>("press");
    QTest::addColumn<QPoint>("release");
    QTest::addColumn<QSize>("label");

    QTest::newRow("line of no length") << 1 << QPoint(30, 30) << QPoint(30, 30) << QSize(200, 160);
    QTest::newRow("rectangle of no size")
      << 2 << QPoint(30, 30) << QPoint(30, 30) << QSize(200, 160);
    QTest::newRow("oval of no size") << 3 << QPoint(30, 30) << QPoint(30, 30) << QSize(200, 160);
    QTest::newRow("line on a label without pixels")
      << 1 << QPoint(0, 0) << QPoint(0, 0) << QSize(0, 0);
}

void TestRegionMeasure::shapeWithoutSamples()
{
    QFETCH(int, type);
    QFETCH(QPoint, press);
    QFETCH(QPoint, release);
    QFETCH(QSize, label);
    const ImageEntity photo = MeasureScene::uniform(100, 80, 250);
    ImageDrawPath shape = label.isEmpty() ? shapeOf(type, QPointF(0.1, 0.1), QPointF(0.9, 0.9))
                                          : dragOf(type, press, release, label);
    RegionMeasure measure(photo, label.width(), label.height());
    QVERIFY(!measure.measure(shape));
    ImageDrawPath reference = shape;
    QVERIFY2(!RegionReference::measure(photo, reference, label.width(), label.height()),
             "the direct measurement agrees that nothing is sampled");
}

void TestRegionMeasure::agreesWithReference_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("count");
    QTest::addColumn<QSize>("matrix");
    QTest::addColumn<int>("smallestLabel");
    QTest::addColumn<int>("largestLabel");
    QTest::addColumn<int>("longest");

    QTest::newRow("lines") << 1 << 300 << QSize(640, 480) << 120 << 1000 << 600;
    QTest::newRow("rectangles") << 2 << 300 << QSize(640, 480) << 120 << 700 << 300;
    // The direct oval walk is slow: many small ovals, and a few large ones on a full matrix.
    QTest::newRow("ovals") << 3 << 200 << QSize(160, 120) << 160 << 240 << 40;
    QTest::newRow("large ovals") << 3 << 12 << QSize(640, 480) << 400 << 700 << 160;
    QTest::newRow("ovals on a 2500 px label") << 3 << 3 << QSize(640, 480) << 2500 << 2500 << 250;
    QTest::newRow("ovals on a 4000 px label") << 3 << 3 << QSize(640, 480) << 4000 << 4000 << 250;
    // Most label pixels fall between the cells read, which then get no place in the cache.
    QTest::newRow("rectangles on a matrix four times finer than the label")
      << 2 << 40 << QSize(1600, 1200) << 200 << 400 << 300;
}

void TestRegionMeasure::agreesWithReference()
{
    QFETCH(int, type);
    QFETCH(int, count);
    QFETCH(QSize, matrix);
    QFETCH(int, smallestLabel);
    QFETCH(int, largestLabel);
    QFETCH(int, longest);
    QRandomGenerator random(20261108u + quint32(type));
    const ImageEntity photo =
      MeasureScene::landscape(matrix.width(), matrix.height(), random.generate(), QSize(800, 600));
    int exact = 0;
    for (int i = 0; i < count; ++i) {
        const int width = smallestLabel + random.bounded(largestLabel - smallestLabel + 1);
        const QSize label(width, width * 3 / 4 + random.bounded(5) - 2);
        ImageDrawPath shape = randomDrag(random, type, label, longest);
        // A fifth of the shapes are drawn around the hottest or coldest feature point.
        if (i % 5 == 0) {
            const FeaturePoint& feature =
              i % 10 == 0 ? photo.details.feature.maxPoint : photo.details.feature.minPoint;
            const QPoint centre = CalculateTools::mapPointBetweenSizes(
              feature.x, feature.y, photo.screenWidth, photo.screenHeight, width, label.height());
            const int reach = 3 + random.bounded(longest / 2 + 1);
            const QPoint press(qBound(0, centre.x() - reach, width),
                               qBound(0, centre.y() - reach, label.height()));
            const QPoint release(qBound(0, centre.x() + reach, width),
                                 qBound(0, centre.y() + reach, label.height()));
            shape = dragOf(type, press, release, label);
        }
        ImageDrawPath fast = shape;
        ImageDrawPath direct = shape;
        RegionMeasure measure(photo, label.width(), label.height());
        const bool measured = measure.measure(fast);
        const bool referenceMeasured =
          RegionReference::measure(photo, direct, label.width(), label.height());
        const QString what = describe(shape, label);
        QVERIFY2(measured == referenceMeasured, qPrintable(what));
        if (!measured)
            continue;
        const bool same = samePoint(fast.points[3], direct.points[3]) &&
                          samePoint(fast.points[4], direct.points[4]);
        QVERIFY2(same,
                 qPrintable(what + QStringLiteral(": maximum ") + describe(fast.points[3]) +
                            QStringLiteral(" against ") + describe(direct.points[3]) +
                            QStringLiteral(", minimum ") + describe(fast.points[4]) +
                            QStringLiteral(" against ") + describe(direct.points[4])));
        ++exact;
    }
    qInfo("%s: %d of %d agree exactly with the direct measurement",
          QTest::currentDataTag(),
          exact,
          count);
    QVERIFY2(exact > count * 9 / 10, "most random shapes yield samples");
}

void TestRegionMeasure::largeOvalAgreesWithReference_data()
{
    QTest::addColumn<QSize>("label");
    QTest::addColumn<QRect>("oval");

    QTest::newRow("slow: a 2300 x 900 oval on a 2400 x 1800 label")
      << QSize(2400, 1800) << QRect(40, 400, 2300, 900);
}

// The walk's rounding margin grows with the oval; past 2290 px the path halves its curves once
// more, so only a whole oval of that size shows that the margin still holds.
void TestRegionMeasure::largeOvalAgreesWithReference()
{
    QFETCH(QSize, label);
    QFETCH(QRect, oval);
    const ImageEntity photo = MeasureScene::landscape(640, 480, 31, QSize(1280, 960));
    const ImageDrawPath shape = dragOf(3, oval.topLeft(), oval.bottomRight(), label);
    ImageDrawPath fast = shape;
    ImageDrawPath direct = shape;
    RegionMeasure measure(photo, label.width(), label.height());
    QVERIFY(measure.measure(fast));
    QVERIFY(RegionReference::measure(photo, direct, label.width(), label.height()));
    QVERIFY2(samePoint(fast.points[3], direct.points[3]),
             qPrintable(describe(fast.points[3]) + QStringLiteral(" against ") +
                        describe(direct.points[3])));
    QVERIFY2(samePoint(fast.points[4], direct.points[4]),
             qPrintable(describe(fast.points[4]) + QStringLiteral(" against ") +
                        describe(direct.points[4])));
}

void TestRegionMeasure::ovalOutlineKeepsToThePath_data()
{
    QTest::addColumn<QRect>("oval");

    QTest::newRow("a 40 px circle") << QRect(3, 3, 40, 40);
    QTest::newRow("an oval filling a 1000 x 750 label") << QRect(0, 0, 1000, 750);
    QTest::newRow("a 2290 px circle, just past where the path halves its curves once more")
      << QRect(5, 3, 2290, 2290);
    QTest::newRow("a circle filling a 2500 px label") << QRect(0, 0, 2500, 2500);
    QTest::newRow("an oval filling a 4000 x 3000 label") << QRect(0, 0, 4000, 3000);
    QTest::newRow("a thin oval across a 4000 px label") << QRect(0, 1000, 4000, 12);
}

// Whole large ovals are too slow for the direct measurement; where the measurement trusts the
// tabulated outline is checked against the path's own points instead, at every 61st step.
void TestRegionMeasure::ovalOutlineKeepsToThePath()
{
    QFETCH(QRect, oval);
    QPainterPath path;
    path.addEllipse(QRectF(oval));
    const OvalOutline outline(path);
    QCOMPARE(outline.length(), path.length());
    double worst = 0;
    double worstAt = 0;
    for (double t = 0; t < path.length(); t += 61 * RegionMeasure::walkStep) {
        const QPointF stray =
          outline.pointAtLength(t) - path.pointAtPercent(path.percentAtLength(t));
        const double d = qMax(std::abs(stray.x()), std::abs(stray.y()));
        if (d > worst) {
            worst = d;
            worstAt = t;
        }
    }
    QVERIFY2(worst <= outline.margin(),
             qPrintable(QStringLiteral("%1 px from the path at length %2, margin %3")
                          .arg(worst)
                          .arg(worstAt)
                          .arg(outline.margin())));
}

QTEST_APPLESS_MAIN(TestRegionMeasure)
#include "tst_regionmeasure.moc"
