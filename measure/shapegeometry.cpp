#include "measure/shapegeometry.h"

#include "render/calculatetools.h"

#include <algorithm>
#include <cmath>

namespace {

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
