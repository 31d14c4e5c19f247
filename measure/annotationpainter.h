#pragma once

#include "imagedrawpath.h"

#include <QFont>
#include <QList>
#include <QPainterPath>
#include <QSize>

class ImageEntity;
class QPainter;
class QRectF;

// Paints a photograph's feature markers and measured shapes over a picture already drawn, on any
// paint device, so that a rendering without a window shows exactly what the window shows. Text is
// sized by the device's logical DPI, so an image matches the window only at the screen's DPI.
class AnnotationPainter
{
public:
    // target is the picture's size in the painter's logical pixels; the photograph and shapes
    // are only referred to, so they must outlive this painter.
    AnnotationPainter(const ImageEntity& photograph,
                      const QList<ImageDrawPath>& shapes,
                      const QSize& target,
                      int displayUnit,
                      bool featureVisible,
                      int markerSize,
                      const QFont& font);

    // Leaves the painter as it was given. A drag's unfinished outline goes between the feature
    // markers and the shapes, where the window has always drawn it.
    void paint(QPainter& painter, const QPainterPath& outline = QPainterPath()) const;

private:
    enum MarkerKind
    {
        CentreMarker = 0,
        HighestMarker = 1,
        LowestMarker = 2,
        PointMarker = 3,
        MaximumMarker = 4,
        MinimumMarker = 5,
    };

    void preparePainter(QPainter& painter) const;
    void drawFeatureMarkers(QPainter& painter) const;
    void drawShape(QPainter& painter, const ImageDrawPath& shape) const;
    void drawMarkedPoint(QPainter& painter, const PathPoint& point, int kind) const;
    void drawMarker(QPainter& painter, const PathPoint& point, int kind) const;
    void drawValueLabel(QPainter& painter, const PathPoint& point) const;
    void fillLabelBackground(QPainter& painter, const QRectF& rect) const;

    const ImageEntity& photograph;
    const QList<ImageDrawPath>& shapes;
    int width;
    int height;
    int unit;
    bool featureShown;
    int markerSize;
    QFont font;
};
