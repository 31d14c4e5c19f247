#include "measure/annotationpainter.h"

#include "measure/shapegeometry.h"
#include "model/imageentity.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

// Space between a marker frame and its label, and between labels moved out of each other's way.
constexpr int labelGap = 5;
// Rings of positions tried around a crowded marker before its label gives up and overlaps.
constexpr int labelRings = 4;

} // namespace

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

void AnnotationPainter::paint(QPainter& painter,
                              const QPainterPath& outline,
                              QVector<PlacedLabel>* placed) const
{
    placedLabels = placed;
    painter.save();
    preparePainter(painter);
    markerCentres = frameCentres(painter.pen().widthF());
    QVector<QRect> taken;
    if (featureShown)
        drawFeatureMarkers(painter, taken);
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
            drawShape(painter, shape, taken);
        }
        painter.setPen(saved);
    }
    painter.restore();
    placedLabels = nullptr;
    markerCentres.clear();
}

QVector<QPointF> AnnotationPainter::frameCentres(double penWidth) const
{
    QVector<PathPoint> points;
    const ImageFeature& feature = photograph.details.feature;
    if (featureShown) {
        if (photograph.screenWidth > 0 && photograph.screenHeight > 0) {
            for (const FeaturePoint* point : { &feature.maxPoint, &feature.minPoint })
                points.append(PathPoint(float(point->x) / float(photograph.screenWidth),
                                        float(point->y) / float(photograph.screenHeight),
                                        0,
                                        0));
        }
        points.append(PathPoint(0.5f, 0.5f, 0, 0));
    }
    for (const ImageDrawPath& shape : shapes) {
        points.append(shape.point(PointRole::Maximum));
        if (shape.kind() != ShapeKind::Point)
            points.append(shape.point(PointRole::Minimum));
    }
    QVector<QPointF> centres;
    for (const PathPoint& point : qAsConst(points)) {
        const QPoint at(int(width * point.x), int(height * point.y));
        centres.append(QPointF(at + frameShift(at, markerSize, penWidth, QSize(width, height))));
    }
    return centres;
}

QImage AnnotationPainter::picture(const QImage& rendered,
                                  const QBrush& background,
                                  qreal devicePixelRatio,
                                  int logicalDpiX,
                                  int logicalDpiY) const
{
    const QSizeF target(width, height);
    QImage image((target * devicePixelRatio).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(devicePixelRatio);
    image.setDotsPerMeterX(qRound(logicalDpiX / 0.0254));
    image.setDotsPerMeterY(qRound(logicalDpiY / 0.0254));
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.fillRect(QRectF(QPointF(0, 0), target), background);
    if (!rendered.isNull())
        painter.drawImage(QRectF(QPointF(0, 0), target), rendered, QRectF());
    paint(painter);
    painter.end();
    return image;
}

qreal AnnotationPainter::legibleScale(const QSize& target)
{
    // About the drawing surface of the smallest window.
    constexpr qreal surfaceWidth = 960;
    constexpr qreal surfaceHeight = 720;
    if (target.isEmpty())
        return 1;
    return qMin(qreal(1), qMin(target.width() / surfaceWidth, target.height() / surfaceHeight));
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

void AnnotationPainter::drawFeatureMarkers(QPainter& painter, QVector<QRect>& taken) const
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
                        HighestMarker,
                        taken);
        drawMarkedPoint(painter,
                        PathPoint(feature.minPoint.x / screenWidth,
                                  feature.minPoint.y / screenHeight,
                                  feature.minPoint.temperature,
                                  0),
                        LowestMarker,
                        taken);
    }
    drawMarkedPoint(
      painter, PathPoint(0.5f, 0.5f, feature.centrePoint.temperature, 0), CentreMarker, taken);
}

void AnnotationPainter::drawShape(QPainter& painter,
                                  const ImageDrawPath& shape,
                                  QVector<QRect>& taken) const
{
    if (shape.kind() == ShapeKind::Point) {
        drawMarkedPoint(painter, shape.point(PointRole::Maximum), PointMarker, taken, &shape);
        return;
    }
    painter.drawPath(ShapeGeometry(shape, QSize(width, height)).outline());
    drawMarkedPoint(painter, shape.point(PointRole::Maximum), MaximumMarker, taken, &shape);
    drawMarkedPoint(painter, shape.point(PointRole::Minimum), MinimumMarker, taken, &shape);
}

void AnnotationPainter::drawMarkedPoint(QPainter& painter,
                                        const PathPoint& point,
                                        int kind,
                                        QVector<QRect>& taken,
                                        const ImageDrawPath* shape) const
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
    const QPointF frameCentre = drawMarker(painter, point, kind);
    // A shape's name stands before its hottest value, so a label says which finding it is.
    const bool named =
      shape && !shape->name.isEmpty() && (kind == MaximumMarker || kind == PointMarker);
    drawValueLabel(painter, point, frameCentre, taken, shape, named);
}

QPointF AnnotationPainter::drawMarker(QPainter& painter, const PathPoint& point, int kind) const
{
    const int cx = int(width * point.x);
    const int cy = int(height * point.y);
    const double fcx = cx;
    const double fcy = cy;
    const double s = markerSize;
    const double h = s * 0.5;
    const double arm = s / 3;
    // The centre mark stays on the reading; only the frame moves in from the border.
    const QPoint shift =
      frameShift(QPoint(cx, cy), markerSize, painter.pen().widthF(), QSize(width, height));
    const int a = int(fcx - h) + shift.x();
    const int c = int(fcx + h) + shift.x();
    const int b = int(fcy - h) + shift.y();
    const int e = int(fcy + h) + shift.y();
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
    } else {
        painter.drawLine(QLine(int(fcx - s / 6), cy, int(fcx + s / 6), cy));
        painter.drawLine(QLine(cx, int(fcy - s / 6), cx, int(fcy + s / 6)));
    }
    return QPointF(fcx + shift.x(), fcy + shift.y());
}

QString AnnotationPainter::labelText(const PathPoint& point, const ImageDrawPath* shape) const
{
    // Stored as the camera measured; shown with the object parameters in force.
    const bool own = shape && shape->ownParameters;
    if (!own && photograph.correction().isIdentity())
        return ImageEntity::temperatureText(point.value, point.unit, unit);
    const double stored = double(
      ImageEntity::convertTemperature(point.value, point.unit, int(TemperatureUnit::Celsius)));
    if (!own)
        return photograph.shownText(stored, unit);
    const TemperatureCorrection correction = photograph.correctionFor(*shape);
    double shown = 0;
    const QString value = correction.celsius(stored, shown)
                            ? ImageEntity::temperatureText(float(shown), 0, unit)
                            : QStringLiteral("N.A");
    return QStringLiteral("%1 ε%2").arg(value, QString::number(shape->emissivity, 'f', 2));
}

void AnnotationPainter::drawValueLabel(QPainter& painter,
                                       const PathPoint& point,
                                       const QPointF& frameCentre,
                                       QVector<QRect>& taken,
                                       const ImageDrawPath* shape,
                                       bool named) const
{
    const QString value = labelText(point, shape);
    const QString text = named ? shape->name + QLatin1Char(' ') + value : value;
    // The painter's font is already resolved for its device, so these are the device's metrics.
    const QFontMetrics metrics(painter.font());
    const QSize size(metrics.horizontalAdvance(text), metrics.height());
    const QRect placed =
      placeLabel(frameCentre, markerSize, size, QSize(width, height), taken, markerCentres);
    taken.append(placed);
    if (placedLabels) {
        const double h = markerSize * 0.5;
        placedLabels->append(
          { QRectF(frameCentre - QPointF(h, h), QSizeF(markerSize, markerSize)), placed });
    }
    const QRectF box(placed);
    fillLabelBackground(painter, box);
    painter.drawText(box, Qt::AlignCenter, text);
}

namespace {

double gapBetween(const QRectF& a, const QRectF& b)
{
    const double dx = qMax(0.0, qMax(a.left() - b.right(), b.left() - a.right()));
    const double dy = qMax(0.0, qMax(a.top() - b.bottom(), b.top() - a.bottom()));
    return std::hypot(dx, dy);
}

} // namespace

QRect AnnotationPainter::placeLabel(const QPointF& centre,
                                    int markerSize,
                                    const QSize& text,
                                    const QSize& surface,
                                    const QVector<QRect>& taken,
                                    const QVector<QPointF>& markers)
{
    const int w = text.width();
    const int hx = text.height();
    const double h = markerSize * 0.5;
    const QRect bounds(QPoint(0, 0), surface);
    // A label moved onto its own frame would hide the mark it reads out.
    const QRect frame(QPoint(int(centre.x() - h), int(centre.y() - h)),
                      QPoint(int(centre.x() + h), int(centre.y() + h)));
    const auto frameAt = [h](const QPointF& at) {
        return QRectF(at - QPointF(h, h), at + QPointF(h, h));
    };
    // A label nearer another marker than its own reads as that one's. Frames that mostly cover
    // each other mark one spot, and a label beside it reads for both.
    const auto besideItsOwn = [&](const QRect& box) {
        const double own = gapBetween(QRectF(box), frameAt(centre));
        return std::none_of(markers.begin(), markers.end(), [&](const QPointF& other) {
            const QPointF apart = other - centre;
            return (std::abs(apart.x()) >= h || std::abs(apart.y()) >= h) &&
                   gapBetween(QRectF(box), frameAt(other)) < own;
        });
    };
    const auto isFree = [&](const QRect& box) {
        return bounds.contains(box) && !box.intersects(frame) &&
               std::none_of(taken.begin(),
                            taken.end(),
                            [&box](const QRect& other) { return other.intersects(box); }) &&
               besideItsOwn(box);
    };

    int x = int(centre.x() - w * 0.5);
    if (x < 0)
        x = 0;
    if (x + w > surface.width())
        x = surface.width() - w;
    const int below = int(centre.y() + h + labelGap);
    const int above = int(centre.y() - h - hx - labelGap);
    const QRect first(x, below + hx > surface.height() ? above : below, w, hx);
    if (isFree(first))
        return first;

    const auto inside = [&](int left, int top) {
        return QRect(qBound(0, left, qMax(0, surface.width() - w)),
                     qBound(0, top, qMax(0, surface.height() - hx)),
                     w,
                     hx);
    };
    const int left = int(centre.x() - h - labelGap - w);
    const int right = int(centre.x() + h + labelGap);
    const int middle = int(centre.y() - hx * 0.5);
    QVector<QRect> candidates;
    for (int ring = 0; ring < labelRings; ++ring) {
        const int down = ring * (hx + labelGap);
        const int across = ring * (w + labelGap);
        candidates << inside(x, above - down) << inside(x, below + down)
                   << inside(left - across, middle) << inside(right + across, middle);
    }
    const auto distance = [&centre](const QRect& box) {
        const QPointF d = QRectF(box).center() - centre;
        return std::hypot(d.x(), d.y());
    };
    std::stable_sort(candidates.begin(), candidates.end(), [&](const QRect& p, const QRect& q) {
        return distance(p) < distance(q);
    });
    const auto free = std::find_if(candidates.begin(), candidates.end(), isFree);
    if (free != candidates.end())
        return *free;
    // Crowded: a label over another is read the wrong way less often than one beside another
    // marker.
    if (!besideItsOwn(first) || !bounds.contains(first)) {
        const auto own = std::find_if(candidates.begin(), candidates.end(), [&](const QRect& box) {
            return bounds.contains(box) && !box.intersects(frame) && besideItsOwn(box);
        });
        if (own != candidates.end())
            return *own;
    }
    return bounds.contains(first) ? first : inside(first.x(), first.y());
}

QPoint AnnotationPainter::frameShift(const QPoint& point,
                                     int markerSize,
                                     double penWidth,
                                     const QSize& surface)
{
    // A line's pen reaches half its width beyond the line on either side.
    const int margin = int(std::ceil(penWidth * 0.5));
    const double h = markerSize * 0.5;
    const auto along = [&](int centre, int extent) {
        const int low = int(centre - h);
        const int high = int(centre + h);
        if (high - low + 2 * margin > extent)
            return 0;
        if (low < margin)
            return margin - low;
        if (high > extent - margin)
            return extent - margin - high;
        return 0;
    };
    return QPoint(along(point.x(), surface.width()), along(point.y(), surface.height()));
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
