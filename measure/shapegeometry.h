#pragma once

#include "model/imagedrawpath.h"

#include <QPainterPath>
#include <QPoint>
#include <QRect>
#include <QSize>

// Where a shape lies on a surface of a given size: its outline, its box, what it covers and
// whether a pointer touches it. A shape keeps its corners as fractions of the surface; here they
// are truncated to whole pixels, as the measurement and the painting have always placed them.
// A point shape stands at its end point, where the drag was released.
class ShapeGeometry
{
public:
    ShapeGeometry(const ImageDrawPath& shape, const QSize& surface);
    // Corners already in pixels of the surface.
    ShapeGeometry(ShapeKind kind, const QPoint& start, const QPoint& end, const QSize& surface);

    // A line from start to end; a rectangle or oval in the box the two corners span, whichever
    // way the drag went; nothing for a point. A code that names no kind is drawn as an oval.
    static QPainterPath outline(ShapeKind kind, const QPoint& start, const QPoint& end);

    ShapeKind kind() const { return shapeKind; }
    QPoint start() const { return first; }
    QPoint end() const { return last; }
    QPainterPath outline() const { return outline(shapeKind, first, last); }
    // The box the two corners span; for a point, an empty box at the point.
    QRect boundingBox() const;

    // Whether a surface position touches the shape: a point within tolerance of it in both
    // directions, as far as a marker frame reaches; a line within tolerance of its segment; a
    // rectangle or oval anywhere inside, on its edge, or within tolerance outside it (an oval
    // grown by the tolerance along both of its axes).
    bool hits(const QPointF& position, double tolerance) const;

private:
    ShapeKind shapeKind;
    QPoint first;
    QPoint last;
    QSize surface;
};
