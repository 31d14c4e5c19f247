#include "measure/regionmeasure.h"

#include "model/imageentity.h"

#include <algorithm>
#include <cmath>

namespace {

// A line across a hostile file's fractions would otherwise step on for ever.
constexpr double maximumLineSteps = 1 << 24;

bool finite(const QPointF& point)
{
    return std::isfinite(point.x()) && std::isfinite(point.y());
}

} // namespace

RegionMeasure::RegionMeasure(const TemperatureMatrix& matrix)
  : matrix(matrix)
{
}

RegionMeasure::RegionMeasure(const ImageEntity& photo)
  : matrix(photo.temperatures())
{
}

QPoint RegionMeasure::cellAt(const QPointF& fraction) const
{
    return matrix.cellAt(fraction.x(), fraction.y());
}

template<typename Visit>
void RegionMeasure::visitLine(const QPointF& start, const QPointF& end, Visit&& cell) const
{
    visitLineSteps(start, end, [&cell](int i, int j, double) { cell(i, j); });
}

template<typename Visit>
void RegionMeasure::visitLineSteps(const QPointF& start, const QPointF& end, Visit&& cell) const
{
    const QPointF span = end - start;
    const double extent =
      qMax(std::abs(span.x()) * matrix.width(), std::abs(span.y()) * matrix.height());
    const int steps = int(qBound(1.0, std::ceil(2 * extent), maximumLineSteps));
    QPoint previous(-1, -1);
    for (int k = 0; k <= steps; ++k) {
        const double along = double(k) / steps;
        const QPoint current = cellAt(start + span * along);
        // Steps finer than a cell land on one cell several times; it counts once.
        if (current == previous)
            continue;
        previous = current;
        cell(current.x(), current.y(), along);
    }
}

template<typename Visit>
int RegionMeasure::visitArea(bool oval,
                             const QPointF& start,
                             const QPointF& end,
                             Visit&& cell) const
{
    const int columns = matrix.width();
    const int rows = matrix.height();
    // In cells from here on: cell (i, j) has its centre at (i + ½, j + ½).
    const double left = qMin(start.x(), end.x()) * columns;
    const double right = qMax(start.x(), end.x()) * columns;
    const double top = qMin(start.y(), end.y()) * rows;
    const double bottom = qMax(start.y(), end.y()) * rows;
    const double firstRow = qMax(0.0, std::ceil(top - 0.5));
    const double lastRow = qMin(double(rows - 1), std::floor(bottom - 0.5));
    const double firstColumn = qMax(0.0, std::ceil(left - 0.5));
    const double lastColumn = qMin(double(columns - 1), std::floor(right - 0.5));
    if (firstRow > lastRow || firstColumn > lastColumn)
        return 0;

    int visited = 0;
    if (!oval) {
        for (int j = int(firstRow); j <= int(lastRow); ++j) {
            for (int i = int(firstColumn); i <= int(lastColumn); ++i)
                cell(i, j);
        }
        return (int(lastRow) - int(firstRow) + 1) * (int(lastColumn) - int(firstColumn) + 1);
    }

    const double cx = (left + right) / 2;
    const double cy = (top + bottom) / 2;
    const double a = (right - left) / 2;
    const double b = (bottom - top) / 2;
    // The test every cell answers to; the square root below only says where to ask it.
    const auto inside = [&](int i, int j) {
        const double u = i + 0.5 - cx;
        const double v = j + 0.5 - cy;
        if (a <= 0 || b <= 0)
            return (a > 0 || u == 0) && (b > 0 || v == 0) && std::abs(u) <= a && std::abs(v) <= b;
        return (u / a) * (u / a) + (v / b) * (v / b) <= 1;
    };
    for (int j = int(firstRow); j <= int(lastRow); ++j) {
        const double v = b > 0 ? (j + 0.5 - cy) / b : 0;
        const double half = a * std::sqrt(qMax(0.0, 1 - v * v));
        int first = int(qBound(firstColumn, std::ceil(cx - half - 0.5), lastColumn));
        int last = int(qBound(firstColumn, std::floor(cx + half - 0.5), lastColumn));
        // An oval is convex, so its cells in a row are one run; the ends are settled by the test.
        while (first > int(firstColumn) && inside(first - 1, j))
            --first;
        while (first <= last && !inside(first, j))
            ++first;
        while (last < int(lastColumn) && last >= first && inside(last + 1, j))
            ++last;
        while (last >= first && !inside(last, j))
            --last;
        for (int i = first; i <= last; ++i)
            cell(i, j);
        visited += qMax(0, last - first + 1);
    }
    return visited;
}

template<typename Visit>
void RegionMeasure::visit(ShapeKind kind,
                          const QPointF& start,
                          const QPointF& end,
                          Visit&& cell) const
{
    if (matrix.width() <= 0 || matrix.height() <= 0 || !finite(start) || !finite(end))
        return;
    switch (kind) {
        case ShapeKind::Point: {
            const QPoint under = cellAt(end);
            cell(under.x(), under.y());
            return;
        }
        case ShapeKind::Line:
            visitLine(start, end, cell);
            return;
        case ShapeKind::Rectangle:
        case ShapeKind::Oval:
        default:
            // A shape smaller than a cell holds no cell's centre; it reads the cell it sits on.
            if (visitArea(kind != ShapeKind::Rectangle, start, end, cell) == 0) {
                const QPoint under = cellAt((start + end) / 2);
                cell(under.x(), under.y());
            }
            return;
    }
}

QVector<QPoint> RegionMeasure::cells(ShapeKind kind, const QPointF& start, const QPointF& end) const
{
    QVector<QPoint> covered;
    visit(kind, start, end, [&covered](int i, int j) { covered.append(QPoint(i, j)); });
    return covered;
}

bool RegionMeasure::statistics(ShapeKind kind,
                               const QPointF& start,
                               const QPointF& end,
                               Statistics& result) const
{
    if (matrix.isEmpty())
        return false;
    Statistics found;
    // Whole tenths add up exactly; only the one division for the mean rounds.
    qint64 sum = 0;
    visit(kind, start, end, [&](int i, int j) {
        const int tenths = matrix.tenths(i, j);
        if (found.cells == 0 || tenths > found.maximum) {
            found.maximum = tenths;
            found.hottest = QPoint(i, j);
        }
        if (found.cells == 0 || tenths < found.minimum) {
            found.minimum = tenths;
            found.coldest = QPoint(i, j);
        }
        sum += tenths;
        ++found.cells;
    });
    if (found.cells == 0)
        return false;
    found.meanTenths = double(sum) / found.cells;
    result = found;
    return true;
}

bool RegionMeasure::shown(ShapeKind kind,
                          const QPointF& start,
                          const QPointF& end,
                          const TemperatureCorrection& correction,
                          Shown& result) const
{
    if (matrix.isEmpty())
        return false;
    Shown found;
    double sum = 0;
    visit(kind, start, end, [&](int i, int j) {
        double celsius = 0;
        if (!correction.celsius(int(matrix.tenths(i, j)), celsius)) {
            ++found.unknown;
            return;
        }
        if (found.cells == 0 || celsius > found.maximum)
            found.maximum = celsius;
        if (found.cells == 0 || celsius < found.minimum)
            found.minimum = celsius;
        sum += celsius;
        ++found.cells;
    });
    if (found.cells + found.unknown == 0)
        return false;
    found.known = found.cells > 0;
    found.mean = found.known ? sum / found.cells : 0;
    result = found;
    return true;
}

bool RegionMeasure::shown(const ImageDrawPath& shape,
                          const TemperatureCorrection& correction,
                          Shown& result) const
{
    const PathPoint& start = shape.point(PointRole::Start);
    const PathPoint& end = shape.point(PointRole::End);
    return shown(
      shape.kind(), QPointF(start.x, start.y), QPointF(end.x, end.y), correction, result);
}

QVector<RegionMeasure::Sample> RegionMeasure::profile(const QPointF& start,
                                                      const QPointF& end,
                                                      const TemperatureCorrection& correction) const
{
    QVector<Sample> samples;
    if (matrix.isEmpty())
        return samples;
    const double length =
      std::hypot((end.x() - start.x()) * matrix.width(), (end.y() - start.y()) * matrix.height());
    visitLineSteps(start, end, [&](int i, int j, double along) {
        Sample sample;
        sample.cell = QPoint(i, j);
        sample.distance = along * length;
        sample.known = correction.celsius(int(matrix.tenths(i, j)), sample.celsius);
        samples.append(sample);
    });
    return samples;
}

QVector<int> RegionMeasure::histogram(ShapeKind kind,
                                      const QPointF& start,
                                      const QPointF& end,
                                      const TemperatureCorrection& correction,
                                      double low,
                                      double high,
                                      int bins) const
{
    QVector<int> counts;
    if (matrix.isEmpty() || bins <= 0 || !(high > low))
        return counts;
    counts.fill(0, bins);
    visit(kind, start, end, [&](int i, int j) {
        double celsius = 0;
        if (!correction.celsius(int(matrix.tenths(i, j)), celsius) || celsius < low ||
            celsius > high)
            return;
        // The top end belongs to the last bin, as a closed range would have it.
        const int bin = int(std::floor((celsius - low) / (high - low) * bins));
        ++counts[qBound(0, bin, bins - 1)];
    });
    return counts;
}

bool RegionMeasure::measure(ImageDrawPath& shape) const
{
    const PathPoint& start = shape.point(PointRole::Start);
    const PathPoint& end = shape.point(PointRole::End);
    Statistics found;
    if (!statistics(shape.kind(), QPointF(start.x, start.y), QPointF(end.x, end.y), found))
        return false;
    shape.mean = found.meanCelsius();
    shape.cells = found.cells;
    if (shape.kind() == ShapeKind::Point) {
        shape.point(PointRole::Maximum) = PathPoint(end.x, end.y, found.maximumCelsius(), 0);
        return true;
    }
    const int columns = matrix.width();
    const int rows = matrix.height();
    PathPoint maximum(TemperatureMatrix::cornerOf(found.hottest.x(), columns),
                      TemperatureMatrix::cornerOf(found.hottest.y(), rows),
                      found.maximumCelsius(),
                      0);
    const PathPoint minimum(TemperatureMatrix::cornerOf(found.coldest.x(), columns),
                            TemperatureMatrix::cornerOf(found.coldest.y(), rows),
                            found.minimumCelsius(),
                            0);
    if (maximum.x == minimum.x && maximum.y == minimum.y)
        maximum.x += 0.005f;
    shape.point(PointRole::Maximum) = maximum;
    shape.point(PointRole::Minimum) = minimum;
    return true;
}
