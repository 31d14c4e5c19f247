#include "support/regionreference.h"

#include <cmath>

QVector<QPoint> RegionReference::cells(const TemperatureMatrix& matrix,
                                       ShapeKind kind,
                                       const QPointF& start,
                                       const QPointF& end)
{
    const int columns = matrix.width();
    const int rows = matrix.height();
    QVector<QPoint> covered;
    if (columns <= 0 || rows <= 0)
        return covered;
    if (kind == ShapeKind::Point)
        return { matrix.cellAt(end.x(), end.y()) };
    if (kind == ShapeKind::Line) {
        const double dx = (end.x() - start.x()) * columns;
        const double dy = (end.y() - start.y()) * rows;
        const int n = qMax(1, int(std::ceil(2 * qMax(std::abs(dx), std::abs(dy)))));
        for (int k = 0; k <= n; ++k) {
            const QPointF at = start + (end - start) * (double(k) / n);
            const QPoint cell = matrix.cellAt(at.x(), at.y());
            if (!covered.contains(cell))
                covered.append(cell);
        }
        return covered;
    }
    const double left = qMin(start.x(), end.x()) * columns;
    const double right = qMax(start.x(), end.x()) * columns;
    const double top = qMin(start.y(), end.y()) * rows;
    const double bottom = qMax(start.y(), end.y()) * rows;
    const double a = (right - left) / 2;
    const double b = (bottom - top) / 2;
    for (int j = 0; j < rows; ++j) {
        for (int i = 0; i < columns; ++i) {
            const double x = i + 0.5;
            const double y = j + 0.5;
            bool inside = x >= left && x <= right && y >= top && y <= bottom;
            if (inside && kind == ShapeKind::Oval && a > 0 && b > 0) {
                const double u = (x - (left + right) / 2) / a;
                const double v = (y - (top + bottom) / 2) / b;
                inside = u * u + v * v <= 1;
            } else if (inside && kind == ShapeKind::Oval) {
                inside = (a > 0 || x == left) && (b > 0 || y == top);
            }
            if (inside)
                covered.append(QPoint(i, j));
        }
    }
    if (covered.isEmpty()) {
        const QPointF centre = (start + end) / 2;
        covered.append(matrix.cellAt(centre.x(), centre.y()));
    }
    return covered;
}

bool RegionReference::extremes(const TemperatureMatrix& matrix,
                               const QVector<QPoint>& cells,
                               QPoint& hottest,
                               QPoint& coldest)
{
    if (cells.isEmpty())
        return false;
    hottest = coldest = cells.first();
    for (const QPoint& cell : cells) {
        if (matrix.tenths(cell.x(), cell.y()) > matrix.tenths(hottest.x(), hottest.y()))
            hottest = cell;
        if (matrix.tenths(cell.x(), cell.y()) < matrix.tenths(coldest.x(), coldest.y()))
            coldest = cell;
    }
    return true;
}
