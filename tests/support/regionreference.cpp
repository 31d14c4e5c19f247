#include "support/regionreference.h"

#include "render/calculatetools.h"

#include <QPainterPath>

namespace {

class Walker
{
public:
    Walker(const ImageEntity& photo, int labelWidth, int labelHeight)
      : photo(photo)
      , labelWidth(labelWidth)
      , labelHeight(labelHeight)
    {
    }

    PathPoint sampleOfPixel(const QPoint& pixel) const
    {
        const QPoint cell = CalculateTools::mapPointBetweenSizes(pixel.x(),
                                                                 pixel.y(),
                                                                 labelWidth,
                                                                 labelHeight,
                                                                 photo.temperatureWidth,
                                                                 photo.temperatureHeight);
        return PathPoint(float(cell.x()) / float(photo.temperatureWidth),
                         float(cell.y()) / float(photo.temperatureHeight),
                         photo.temperatureAt(cell.x(), cell.y()),
                         0);
    }

    void update(const PathPoint& sample)
    {
        if (!maxSeen)
            maximum = sample;
        if (!minSeen)
            minimum = sample;
        if (sample.value >= maximum.value)
            maximum = sample;
        if (minimum.value > sample.value)
            minimum = sample;
        maxSeen = minSeen = true;
    }

    void walk(const QPainterPath& path)
    {
        const qreal length = path.length();
        if (length <= 0)
            return;
        for (double t = 0; t < length; t += 0.1)
            update(sampleOfPixel(path.pointAtPercent(path.percentAtLength(t)).toPoint()));
    }

    bool featurePixel(const FeaturePoint& point, QPoint& pixel) const
    {
        if (photo.screenWidth <= 0 || photo.screenHeight <= 0)
            return false;
        pixel = CalculateTools::mapPointBetweenSizes(
          point.x, point.y, photo.screenWidth, photo.screenHeight, labelWidth, labelHeight);
        return true;
    }

    void takeFeatures(const QPainterPath& path)
    {
        const ImageFeature& feature = photo.details.feature;
        QPoint pixel;
        if (featurePixel(feature.maxPoint, pixel) && path.contains(QPointF(pixel))) {
            maximum = sampleOfPixel(pixel);
            maximum.value = feature.maxPoint.temperature;
            maxSeen = true;
        }
        if (featurePixel(feature.minPoint, pixel) && path.contains(QPointF(pixel))) {
            minimum = sampleOfPixel(pixel);
            minimum.value = feature.minPoint.temperature;
            minSeen = true;
        }
    }

    void scan(const QPainterPath& path)
    {
        const QRectF bounds = path.controlPointRect();
        const int left = qRound(bounds.x());
        const int top = qRound(bounds.y());
        const int right = qRound(bounds.x() + bounds.width());
        const int bottom = qRound(bounds.y() + bounds.height());
        for (int column = left; column < right; ++column) {
            for (int row = top; row < bottom; ++row) {
                if (path.contains(QPointF(column, row)))
                    update(sampleOfPixel(QPoint(column, row)));
            }
        }
    }

    const ImageEntity& photo;
    int labelWidth;
    int labelHeight;
    PathPoint maximum;
    PathPoint minimum;
    bool maxSeen = false;
    bool minSeen = false;
};

} // namespace

bool RegionReference::measure(const ImageEntity& photo,
                              ImageDrawPath& shape,
                              int labelWidth,
                              int labelHeight)
{
    const int width = photo.temperatureWidth;
    const int height = photo.temperatureHeight;
    if (width <= 0 || height <= 0)
        return false;
    if (shape.type == 0) {
        const PathPoint& point = shape.points[1];
        const QPoint cell = CalculateTools::pointFromRatio(point.x, point.y, width, height);
        shape.points[3] = PathPoint(point.x, point.y, photo.temperatureAt(cell.x(), cell.y()), 0);
        return true;
    }
    if (labelWidth <= 0 || labelHeight <= 0)
        return false;

    const QPoint a =
      CalculateTools::pointFromRatio(shape.points[0].x, shape.points[0].y, labelWidth, labelHeight);
    const QPoint b =
      CalculateTools::pointFromRatio(shape.points[1].x, shape.points[1].y, labelWidth, labelHeight);
    QPainterPath path;
    Walker walker(photo, labelWidth, labelHeight);
    if (shape.type == 1) {
        path.moveTo(a);
        path.lineTo(b);
    } else {
        const QRectF r = CalculateTools::rectFromCorners(a.x(), a.y(), b.x(), b.y());
        if (shape.type == 2)
            path.addRect(r);
        else
            path.addEllipse(r);
        walker.takeFeatures(path);
        walker.scan(path);
    }
    walker.walk(path);
    if (!walker.maxSeen || !walker.minSeen)
        return false;
    if (walker.maximum.x == walker.minimum.x && walker.maximum.y == walker.minimum.y)
        walker.maximum.x += 0.005f;
    shape.path = path;
    shape.points[3] = walker.maximum;
    shape.points[4] = walker.minimum;
    return true;
}
