#include "annotationpainter.h"

#include "calculatetools.h"
#include "imageentity.h"

#include <QFontMetrics>
#include <QPainter>

AnnotationPainter::AnnotationPainter(const ImageEntity& photograph,
                                     const QList<ImageDrawPath>& shapes,
                                     const QSize& target,
                                     int displayUnit,
                                     bool featureVisible,
                                     int markerSize,
                                     const QFont& font)
  : photograph(photograph)
  , shapes(shapes)
  , width(target.width())
  , height(target.height())
  , unit(displayUnit)
  , featureShown(featureVisible)
  , markerSize(markerSize)
  , font(font)
{
}

void AnnotationPainter::paint(QPainter& painter, const QPainterPath& outline) const
{
    painter.save();
    preparePainter(painter);
    if (featureShown)
        drawFeatureMarkers(painter);
    if (outline.length() > 0) {
        const QPen previous = painter.pen();
        QPen pen = previous;
        pen.setColor(Qt::green);
        painter.setPen(pen);
        painter.drawPath(outline);
        painter.setPen(previous);
    }
    if (!shapes.isEmpty()) {
        const QPen saved = painter.pen();
        for (const ImageDrawPath& shape : shapes) {
            QPen pen = painter.pen();
            pen.setColor(Qt::green);
            painter.setPen(pen);
            drawShape(painter, shape);
        }
        painter.setPen(saved);
    }
    painter.restore();
}

void AnnotationPainter::preparePainter(QPainter& painter) const
{
    painter.setRenderHint(QPainter::Antialiasing);
    QPen pen(Qt::green);
    pen.setStyle(Qt::SolidLine);
    pen.setWidth(pen.width() + 2);
    painter.setPen(pen);
    // A widget's painter starts with these; a painter on an image may not.
    painter.setBrush(Qt::NoBrush);
    painter.setBackgroundMode(Qt::TransparentMode);
    QFont enlarged = font;
    enlarged.setPointSize(enlarged.pointSize() + 5);
    painter.setFont(enlarged);
}

void AnnotationPainter::drawFeatureMarkers(QPainter& painter) const
{
    const ImageFeature& feature = photograph.details.feature;
    // Without a decoded Screen image there is no space the feature points can be placed in.
    if (photograph.screenWidth > 0 && photograph.screenHeight > 0) {
        const float screenWidth = float(photograph.screenWidth);
        const float screenHeight = float(photograph.screenHeight);
        drawMarkedPoint(painter,
                        PathPoint(feature.maxPoint.x / screenWidth,
                                  feature.maxPoint.y / screenHeight,
                                  feature.maxPoint.temperature,
                                  0),
                        HighestMarker);
        drawMarkedPoint(painter,
                        PathPoint(feature.minPoint.x / screenWidth,
                                  feature.minPoint.y / screenHeight,
                                  feature.minPoint.temperature,
                                  0),
                        LowestMarker);
    }
    drawMarkedPoint(
      painter, PathPoint(0.5f, 0.5f, feature.centrePoint.temperature, 0), CentreMarker);
}

void AnnotationPainter::drawShape(QPainter& painter, const ImageDrawPath& shape) const
{
    if (shape.type == 0) {
        drawMarkedPoint(painter, shape.points[3], PointMarker);
        return;
    }
    const QPoint a(int(width * shape.points[0].x), int(height * shape.points[0].y));
    const QPoint b(int(width * shape.points[1].x), int(height * shape.points[1].y));
    QPainterPath path;
    if (shape.type == 1) {
        path.moveTo(a);
        path.lineTo(b);
    } else {
        const QRectF r = CalculateTools::rectFromCorners(a.x(), a.y(), b.x(), b.y());
        if (shape.type == 2)
            path.addRect(r);
        else
            path.addEllipse(r);
    }
    painter.drawPath(path);
    drawMarkedPoint(painter, shape.points[3], MaximumMarker);
    drawMarkedPoint(painter, shape.points[4], MinimumMarker);
}

void AnnotationPainter::drawMarkedPoint(QPainter& painter, const PathPoint& point, int kind) const
{
    QPen pen = painter.pen();
    switch (kind) {
        case CentreMarker:
            pen.setColor(Qt::white);
            break;
        case HighestMarker:
        case MaximumMarker:
            pen.setColor(Qt::red);
            break;
        case LowestMarker:
        case MinimumMarker:
            pen.setColor(Qt::green);
            break;
        case PointMarker:
            pen.setColor(Qt::yellow);
            break;
        default:
            break;
    }
    painter.setPen(pen);
    drawMarker(painter, point, kind);
    drawValueLabel(painter, point);
}

void AnnotationPainter::drawMarker(QPainter& painter, const PathPoint& point, int kind) const
{
    const int cx = int(width * point.x);
    const int cy = int(height * point.y);
    const double fcx = cx;
    const double fcy = cy;
    const double s = markerSize;
    const double h = s * 0.5;
    const double arm = s / 3;
    const int a = int(fcx - h);
    const int c = int(fcx + h);
    const int b = int(fcy - h);
    const int e = int(fcy + h);
    const QLine arms[] = {
        QLine(a, b, int(a + arm), b), QLine(a, b, a, int(b + arm)), QLine(c, b, int(c - arm), b),
        QLine(c, b, c, int(b + arm)), QLine(a, e, a, int(e - arm)), QLine(a, e, int(a + arm), e),
        QLine(c, e, c, int(e - arm)), QLine(c, e, int(c - arm), e),
    };
    for (const QLine& line : arms)
        painter.drawLine(line);
    if (kind == CentreMarker || kind == HighestMarker || kind == LowestMarker) {
        const QBrush previous = painter.brush();
        painter.setBrush(Qt::SolidPattern);
        painter.drawEllipse(QRect(QPoint(cx - 1, cy - 1), QPoint(cx, cy)));
        painter.setBrush(previous);
        return;
    }
    painter.drawLine(QLine(int(fcx - s / 6), cy, int(fcx + s / 6), cy));
    painter.drawLine(QLine(cx, int(fcy - s / 6), cx, int(fcy + s / 6)));
}

void AnnotationPainter::drawValueLabel(QPainter& painter, const PathPoint& point) const
{
    const QString text = ImageEntity::temperatureText(point.value, point.unit, unit);
    // The painter's font is already resolved for its device, so these are the device's metrics.
    const QFontMetrics metrics(painter.font());
    const int w = metrics.horizontalAdvance(text);
    const int hx = metrics.height();
    const double fcx = int(width * point.x);
    const double fcy = int(height * point.y);
    const double s = markerSize;
    int x = int(fcx - w * 0.5);
    if (x < 0)
        x = 0;
    if (x + w > width)
        x = width - w;
    int y = int(fcy + s * 0.5 + 5);
    if (y + hx > height)
        y = int(fcy - s * 0.5 - hx - 5);
    const QRectF box(x, y, w, hx);
    fillLabelBackground(painter, box);
    painter.drawText(box, Qt::AlignCenter, text);
}

void AnnotationPainter::fillLabelBackground(QPainter& painter, const QRectF& rect) const
{
    const QBrush brush = painter.brush();
    const QPen pen = painter.pen();
    painter.setBrush(QColor(QStringLiteral("#aa000000")));
    painter.setPen(QColor(Qt::transparent));
    painter.drawRects(&rect, 1);
    painter.setBrush(brush);
    painter.setPen(pen);
}
