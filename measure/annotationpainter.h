#pragma once

#include "model/imagedrawpath.h"

#include <QFont>
#include <QImage>
#include <QList>
#include <QPainterPath>
#include <QRectF>
#include <QSize>
#include <QVector>

class ImageEntity;
class QBrush;
class QPainter;
class QRect;

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

    // A value label where it was painted, beside the frame of the marker it reads out.
    struct PlacedLabel
    {
        QRectF frame;
        QRect box;
    };

    // Leaves the painter as it was given. A drag's unfinished outline goes between the feature
    // markers and the shapes, where the window has always drawn it. Where the labels went is
    // added to placed when one is given.
    void paint(QPainter& painter,
               const QPainterPath& outline = QPainterPath(),
               QVector<PlacedLabel>* placed = nullptr) const;

    // The drawing surface's picture painted off screen, as the window paints it with no drag
    // under way: the background, rendered stretched over the whole target, then the
    // annotations. The background shows only through a translucent picture; a grab of the window
    // paints its palette's Window brush there. The image holds target × devicePixelRatio
    // pixels, carries that ratio and sizes text at the given logical DPI, so that with the
    // window's background, ratio and DPI it holds the pixels a grab of the window does.
    QImage picture(const QImage& rendered,
                   const QBrush& background,
                   qreal devicePixelRatio,
                   int logicalDpiX,
                   int logicalDpiY) const;

    // The scale at which a picture smaller than a window's drawing surface takes its annotations:
    // drawn as on a surface of that size and scaled down with the picture, they keep their size
    // against the photograph and their places beside their markers. 1 for a picture as large.
    static qreal legibleScale(const QSize& target);

    // Where a value label of the given size goes beside the marker frame centred on centre:
    // below the frame, or above it where below leaves the surface. When that box leaves the
    // surface or overlaps a box already taken, the nearest free box of those above, below, left
    // and right of the frame and at its four corners, held inside the surface but off the
    // frame; the first box, held inside, when none is free.
    static QRect placeLabel(const QPointF& centre,
                            int markerSize,
                            const QSize& text,
                            const QSize& surface,
                            const QVector<QRect>& taken,
                            const QVector<QPointF>& markers = QVector<QPointF>());
    // How far a marker frame around point has to move to be drawn whole inside the surface with
    // a pen of the given width; nothing where it already is, or where the surface is too small.
    static QPoint frameShift(const QPoint& point,
                             int markerSize,
                             double penWidth,
                             const QSize& surface);

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
    // The centre of every marker frame paint() draws, in its order.
    QVector<QPointF> frameCentres(double penWidth) const;
    // Labels are placed clear of the ones painted before them, whose boxes gather in taken.
    void drawFeatureMarkers(QPainter& painter, QVector<QRect>& taken) const;
    void drawShape(QPainter& painter, const ImageDrawPath& shape, QVector<QRect>& taken) const;
    // A shape's own point carries its own object parameters into its label.
    void drawMarkedPoint(QPainter& painter,
                         const PathPoint& point,
                         int kind,
                         QVector<QRect>& taken,
                         const ImageDrawPath* shape = nullptr) const;
    // Returns the centre of the frame drawn, which the label is placed beside.
    QPointF drawMarker(QPainter& painter, const PathPoint& point, int kind) const;
    void drawValueLabel(QPainter& painter,
                        const PathPoint& point,
                        const QPointF& frameCentre,
                        QVector<QRect>& taken,
                        const ImageDrawPath* shape,
                        bool named) const;
    // The temperature a label shows, with the object parameters in force for it.
    QString labelText(const PathPoint& point, const ImageDrawPath* shape) const;
    void fillLabelBackground(QPainter& painter, const QRectF& rect) const;

    const ImageEntity& photograph;
    const QList<ImageDrawPath>& shapes;
    int width;
    int height;
    int unit;
    bool featureShown;
    int markerSize;
    QFont font;
    mutable QVector<PlacedLabel>* placedLabels = nullptr;
    mutable QVector<QPointF> markerCentres;
};
