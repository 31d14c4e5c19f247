#include "measure/shapegeometry.h"

#include "render/calculatetools.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

qint64 floorDivision(qint64 value, qint64 divisor)
{
    return value >= 0 ? value / divisor : -((-value + divisor - 1) / divisor);
}

double distanceToSegment(const QPointF& p, const QPointF& a, const QPointF& b)
{
    const QPointF d = b - a;
    const double squared = d.x() * d.x() + d.y() * d.y();
    double t = 0;
    if (squared > 0)
        t = qBound(0.0, ((p.x() - a.x()) * d.x() + (p.y() - a.y()) * d.y()) / squared, 1.0);
    const QPointF nearest = a + t * d;
    return std::hypot(p.x() - nearest.x(), p.y() - nearest.y());
}

// Surface positions are compared with cell edges in integers, each axis scaled by the matrix's
// cells along it, so that a position exactly on an edge or a cell's centre is found to be there.
struct Axis
{
    qint64 cells;
    qint64 pixels;

    qint64 scaled(int pixel) const { return qint64(pixel) * cells; }
    // Whether the centre of cell i, scaled twice over, lies within the scaled closed range.
    bool centreWithin(qint64 cell, qint64 low, qint64 high) const
    {
        const qint64 centre = (2 * cell + 1) * pixels;
        return 2 * low <= centre && centre <= 2 * high;
    }
};

// Beyond this the scaled products could overflow, and a walk from so far away would take long.
constexpr qint64 farthest = 1 << 20;

} // namespace

ShapeGeometry::ShapeGeometry(const ImageDrawPath& shape, const QSize& surface)
  : shapeKind(shape.kind())
  , first(CalculateTools::pointFromRatio(shape.point(PointRole::Start).x,
                                         shape.point(PointRole::Start).y,
                                         surface.width(),
                                         surface.height()))
  , last(CalculateTools::pointFromRatio(shape.point(PointRole::End).x,
                                        shape.point(PointRole::End).y,
                                        surface.width(),
                                        surface.height()))
  , surface(surface)
{
}

ShapeGeometry::ShapeGeometry(ShapeKind kind,
                             const QPoint& start,
                             const QPoint& end,
                             const QSize& surface)
  : shapeKind(kind)
  , first(start)
  , last(end)
  , surface(surface)
{
}

QPainterPath ShapeGeometry::outline(ShapeKind kind, const QPoint& start, const QPoint& end)
{
    QPainterPath path;
    switch (kind) {
        case ShapeKind::Point:
            break;
        case ShapeKind::Line:
            path.moveTo(start);
            path.lineTo(end);
            break;
        case ShapeKind::Rectangle:
            path.addRect(CalculateTools::rectFromCorners(start.x(), start.y(), end.x(), end.y()));
            break;
        case ShapeKind::Oval:
        default:
            path.addEllipse(
              CalculateTools::rectFromCorners(start.x(), start.y(), end.x(), end.y()));
            break;
    }
    return path;
}

QRect ShapeGeometry::boundingBox() const
{
    if (shapeKind == ShapeKind::Point)
        return QRect(last, QSize(0, 0));
    return CalculateTools::rectFromCorners(first.x(), first.y(), last.x(), last.y());
}

bool ShapeGeometry::hits(const QPointF& position, double tolerance) const
{
    if (shapeKind == ShapeKind::Point) {
        return qAbs(position.x() - last.x()) <= tolerance &&
               qAbs(position.y() - last.y()) <= tolerance;
    }
    if (shapeKind == ShapeKind::Line)
        return distanceToSegment(position, first, last) <= tolerance;
    const QRectF box(boundingBox());
    if (shapeKind == ShapeKind::Rectangle) {
        return position.x() >= box.left() - tolerance && position.x() <= box.right() + tolerance &&
               position.y() >= box.top() - tolerance && position.y() <= box.bottom() + tolerance;
    }
    // An oval flat in one direction is drawn as its segment.
    if (box.width() <= 0 || box.height() <= 0)
        return distanceToSegment(position, box.topLeft(), box.bottomRight()) <= tolerance;
    const double rx = box.width() * 0.5 + tolerance;
    const double ry = box.height() * 0.5 + tolerance;
    if (rx <= 0 || ry <= 0)
        return false;
    const double u = (position.x() - box.center().x()) / rx;
    const double v = (position.y() - box.center().y()) / ry;
    return u * u + v * v <= 1;
}

QVector<QPoint> ShapeGeometry::coveredCells(const QSize& matrix) const
{
    const auto far = [](const QPoint& p) {
        return qAbs(qint64(p.x())) > farthest || qAbs(qint64(p.y())) > farthest;
    };
    if (matrix.isEmpty() || surface.isEmpty() || far(first) || far(last))
        return {};
    QVector<QPoint> cells;
    if (shapeKind == ShapeKind::Point || shapeKind == ShapeKind::Line) {
        // A point is a line that goes nowhere.
        if (shapeKind == ShapeKind::Point)
            cells = ShapeGeometry(ShapeKind::Line, last, last, surface).lineCells(matrix);
        else
            cells = lineCells(matrix);
        std::sort(cells.begin(), cells.end(), [](const QPoint& a, const QPoint& b) {
            return a.y() != b.y() ? a.y() < b.y() : a.x() < b.x();
        });
        cells.erase(std::unique(cells.begin(), cells.end()), cells.end());
        return cells;
    }
    return areaCells(matrix);
}

// Walks the segment from cell to cell in the order it crosses their edges, stepping diagonally
// where it crosses a corner. A crossing is placed along the segment as a fraction whose
// numerator grows by one cell's width in scaled pixels per edge passed.
QVector<QPoint> ShapeGeometry::lineCells(const QSize& matrix) const
{
    const Axis across{ matrix.width(), surface.width() };
    const Axis down{ matrix.height(), surface.height() };
    const qint64 x0 = across.scaled(first.x());
    const qint64 y0 = down.scaled(first.y());
    const qint64 x1 = across.scaled(last.x());
    const qint64 y1 = down.scaled(last.y());
    const qint64 dx = x1 - x0;
    const qint64 dy = y1 - y0;
    const int stepX = dx > 0 ? 1 : -1;
    const int stepY = dy > 0 ? 1 : -1;
    qint64 column = floorDivision(x0, across.pixels);
    qint64 row = floorDivision(y0, down.pixels);
    // Distance to the next edge along each axis; an edge the walk starts on going back is
    // crossed at once, as the cell beyond it holds the rest of the segment.
    qint64 reachX = dx > 0 ? (column + 1) * across.pixels - x0 : x0 - column * across.pixels;
    qint64 reachY = dy > 0 ? (row + 1) * down.pixels - y0 : y0 - row * down.pixels;
    const qint64 spanX = qAbs(dx);
    const qint64 spanY = qAbs(dy);
    // Going forward, an edge at the end of the segment leads into the end's cell; going back,
    // the end's cell is the one before that edge.
    const auto crossesX = [&] { return dx != 0 && (dx > 0 ? reachX <= spanX : reachX < spanX); };
    const auto crossesY = [&] { return dy != 0 && (dy > 0 ? reachY <= spanY : reachY < spanY); };

    // The far edges of the surface belong to the last column and row, unless the segment goes
    // beyond them.
    const bool farColumn = qMax(x0, x1) == qint64(matrix.width()) * across.pixels;
    const bool farRow = qMax(y0, y1) == qint64(matrix.height()) * down.pixels;
    QVector<QPoint> cells;
    const auto take = [&] {
        qint64 c = column;
        qint64 r = row;
        if (farColumn && c == matrix.width())
            c = matrix.width() - 1;
        if (farRow && r == matrix.height())
            r = matrix.height() - 1;
        if (c >= 0 && c < matrix.width() && r >= 0 && r < matrix.height())
            cells.append(QPoint(int(c), int(r)));
    };
    take();
    while (true) {
        const bool x = crossesX();
        const bool y = crossesY();
        if (!x && !y)
            break;
        // Which edge comes first: reachX / spanX against reachY / spanY.
        const qint64 earlierX = x && y ? reachX * spanY - reachY * spanX : 0;
        if (x && (!y || earlierX <= 0)) {
            column += stepX;
            reachX += across.pixels;
        }
        if (y && (!x || earlierX >= 0)) {
            row += stepY;
            reachY += down.pixels;
        }
        take();
    }
    return cells;
}

QVector<QPoint> ShapeGeometry::areaCells(const QSize& matrix) const
{
    const Axis across{ matrix.width(), surface.width() };
    const Axis down{ matrix.height(), surface.height() };
    const QRect box = boundingBox();
    const qint64 left = across.scaled(box.left());
    const qint64 right = across.scaled(box.left() + box.width());
    const qint64 top = down.scaled(box.top());
    const qint64 bottom = down.scaled(box.top() + box.height());
    QVector<int> columns;
    for (int c = 0; c < matrix.width(); ++c) {
        if (across.centreWithin(c, left, right))
            columns.append(c);
    }
    QVector<int> rows;
    for (int r = 0; r < matrix.height(); ++r) {
        if (down.centreWithin(r, top, bottom))
            rows.append(r);
    }
    const bool oval = shapeKind != ShapeKind::Rectangle && right > left && bottom > top;
    // Twice the scaled distance from the oval's centre to a cell's centre, over the axis; exact
    // in a double, so the oval's four extreme points are found on it.
    const double a = double(right - left);
    const double b = double(bottom - top);
    QVector<QPoint> cells;
    for (int r : rows) {
        const double v = oval ? double((2 * qint64(r) + 1) * down.pixels - (top + bottom)) / b : 0;
        for (int c : columns) {
            if (oval) {
                const double u = double((2 * qint64(c) + 1) * across.pixels - (left + right)) / a;
                if (u * u + v * v > 1)
                    continue;
            }
            cells.append(QPoint(c, r));
        }
    }
    return cells;
}
