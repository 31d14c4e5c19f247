#include "bench/labelpixelmeasure.h"

#include "measure/shapegeometry.h"
#include "render/calculatetools.h"

#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <limits>

// One curve of the outline, with its arc length tabulated so that the parameter at a given length
// is found by a table search instead of repeated subdivision.
class OvalOutline::Curve
{
public:
    Curve(const QPointF& p0, const QPointF& p1, const QPointF& p2, const QPointF& p3)
      : p0(p0)
      , p1(p1)
      , p2(p2)
      , p3(p3)
    {
        QPainterPath single(p0);
        single.cubicTo(p1, p2, p3);
        pathLength = single.length();
        static const double nodes[] = {
            -0.8611363115940526, -0.3399810435848563, 0.3399810435848563, 0.8611363115940526
        };
        static const double weights[] = {
            0.3478548451374538, 0.6521451548625461, 0.6521451548625461, 0.3478548451374538
        };
        lengths.resize(segments + 1);
        lengths[0] = 0;
        for (int i = 0; i < segments; ++i) {
            const double a = double(i) / segments;
            const double h = 1.0 / segments;
            double piece = 0;
            for (int k = 0; k < 4; ++k)
                piece += weights[k] * speedAt(a + h * (nodes[k] + 1) * 0.5);
            lengths[i + 1] = lengths[i] + piece * h * 0.5;
        }
        // The walk measures lengths as the path itself does; scale the exact table to agree
        // with it at the curve's end.
        const double scale = lengths[segments] > 0 ? pathLength / lengths[segments] : 0;
        for (double& l : lengths)
            l *= scale;
    }

    qreal length() const { return pathLength; }

    double margin() const
    {
        auto span = [](const QPointF& d) { return std::hypot(d.x(), d.y()); };
        const double excess = span(p1 - p0) + span(p2 - p1) + span(p3 - p2) - span(p3 - p0);
        const double pieces = std::cbrt(qMax(0.0, excess) / pathTolerance);
        // The table's arc length is linear between its nodes; it is off by at most an eighth of
        // the bend times the squared node spacing, the bend bounding the speed's change.
        const double bend = 6 * qMax(span(p2 - 2 * p1 + p0), span(p3 - 2 * p2 + p1));
        const double interpolation = bend / (8.0 * segments * segments);
        return pathTolerance + 0.5 * (1 - 0.25) * pathTolerance * pieces + interpolation;
    }

    QPointF pointAtLength(double l) const
    {
        if (l <= 0)
            return p0;
        if (l >= lengths[segments])
            return p3;
        const auto it = std::upper_bound(lengths.cbegin(), lengths.cend(), l);
        const int i = int(it - lengths.cbegin()) - 1;
        const double span = lengths[i + 1] - lengths[i];
        const double fraction = span > 0 ? (l - lengths[i]) / span : 0;
        return pointAt((i + fraction) / segments);
    }

private:
    QPointF pointAt(double u) const
    {
        const double m = 1.0 - u;
        auto axis = [&](double a0, double a1, double a2, double a3) {
            double a = a0 * m + a1 * u;
            double b = a1 * m + a2 * u;
            const double c = a2 * m + a3 * u;
            a = a * m + b * u;
            b = b * m + c * u;
            return a * m + b * u;
        };
        return QPointF(axis(p0.x(), p1.x(), p2.x(), p3.x()), axis(p0.y(), p1.y(), p2.y(), p3.y()));
    }

    double speedAt(double u) const
    {
        const double m = 1.0 - u;
        const QPointF d = 3 * m * m * (p1 - p0) + 6 * m * u * (p2 - p1) + 3 * u * u * (p3 - p2);
        return std::hypot(d.x(), d.y());
    }

    static constexpr int segments = 512;
    // QPainterPath's tolerance both in finding a length and in measuring a curve.
    static constexpr double pathTolerance = 0.01;
    QPointF p0, p1, p2, p3;
    qreal pathLength;
    std::vector<double> lengths;
};

OvalOutline::OvalOutline(const QPainterPath& oval)
{
    for (int i = 1; i + 2 < oval.elementCount(); ++i) {
        if (oval.elementAt(i).type != QPainterPath::CurveToElement)
            continue;
        curves.emplace_back(
          oval.elementAt(i - 1), oval.elementAt(i), oval.elementAt(i + 1), oval.elementAt(i + 2));
        total += curves.back().length();
        bound = qMax(bound, curves.back().margin());
        ends.push_back(total);
        i += 2;
    }
}

OvalOutline::~OvalOutline() = default;

QPointF OvalOutline::pointAtLength(double t) const
{
    if (curves.empty())
        return QPointF();
    const auto it = std::lower_bound(ends.cbegin(), ends.cend() - 1, t);
    const int current = int(it - ends.cbegin());
    const double start = current > 0 ? ends[current - 1] : 0;
    return curves[current].pointAtLength(t - start);
}

LabelPixelMeasure::LabelPixelMeasure(const ImageEntity& photo, int labelWidth, int labelHeight)
  : photo(photo)
  , labelWidth(labelWidth)
  , labelHeight(labelHeight)
  , matrixWidth(photo.temperatureWidth)
  , matrixHeight(photo.temperatureHeight)
{
    if (labelWidth > 0 && labelHeight > 0) {
        columnCells.resize(labelWidth + 1);
        for (int x = 0; x <= labelWidth; ++x)
            columnCells[x] = CalculateTools::mapPointBetweenSizes(
                               x, 0, labelWidth, labelHeight, matrixWidth, matrixHeight)
                               .x();
        rowCells.resize(labelHeight + 1);
        for (int y = 0; y <= labelHeight; ++y)
            rowCells[y] = CalculateTools::mapPointBetweenSizes(
                            0, y, labelWidth, labelHeight, matrixWidth, matrixHeight)
                            .y();
    }
}

QPoint LabelPixelMeasure::cellOf(int px, int py) const
{
    if (px >= 0 && px < columnCells.size() && py >= 0 && py < rowCells.size())
        return QPoint(columnCells[px], rowCells[py]);
    return CalculateTools::mapPointBetweenSizes(
      px, py, labelWidth, labelHeight, matrixWidth, matrixHeight);
}

namespace {

// The reading the label-pixel measurement took: the mean of the 3 × 3 cells around a cell, held
// within the photograph's coldest and hottest feature temperatures.
float meanOfNine(const ImageEntity& photo, int cx, int cy)
{
    const TemperatureMatrix matrix = photo.temperatures();
    if (matrix.isEmpty())
        return 0;
    float sum = 0;
    int count = 0;
    for (int column = qMax(cx - 1, 0); column <= qMin(cx + 1, matrix.width() - 1); ++column) {
        for (int row = qMax(cy - 1, 0); row <= qMin(cy + 1, matrix.height() - 1); ++row) {
            sum += matrix.celsius(column, row);
            ++count;
        }
    }
    const float mean = count > 0 ? sum / float(count) : 0;
    return qBound(
      photo.details.feature.minPoint.temperature, mean, photo.details.feature.maxPoint.temperature);
}

// Gives the cell of each label pixel from first to last a place, counting from 0 and sharing
// one place between neighbouring pixels on the same cell; -1 for a cell off the matrix. Returns
// how many places were given.
int placeCells(const QVector<int>& cellOfPixel,
               int first,
               int last,
               int cellCount,
               std::vector<int>& places)
{
    places.assign(size_t(last - first + 1), -1);
    int count = 0;
    int previous = -1;
    for (int pixel = first; pixel <= last; ++pixel) {
        const int cell = cellOfPixel[pixel];
        if (cell < 0 || cell >= cellCount)
            continue;
        if (cell != previous)
            ++count;
        previous = cell;
        places[size_t(pixel - first)] = count - 1;
    }
    return count;
}

} // namespace

void LabelPixelMeasure::prepareReadings(const QRectF& bounds)
{
    // A pixel past the box on each side: the walk rounds points of the outline to pixels.
    cacheLeft = qBound(0, int(std::floor(bounds.left())) - 1, labelWidth);
    const int right = qBound(0, int(std::ceil(bounds.right())) + 1, labelWidth);
    cacheTop = qBound(0, int(std::floor(bounds.top())) - 1, labelHeight);
    const int bottom = qBound(0, int(std::ceil(bounds.bottom())) + 1, labelHeight);
    cacheWidth = placeCells(columnCells, cacheLeft, right, matrixWidth, columnPlaces);
    const int rows = placeCells(rowCells, cacheTop, bottom, matrixHeight, rowPlaces);
    readings.assign(size_t(cacheWidth) * size_t(rows), std::numeric_limits<float>::quiet_NaN());
}

float LabelPixelMeasure::reading(const QPoint& cell) const
{
    return meanOfNine(photo, cell.x(), cell.y());
}

float LabelPixelMeasure::readingAt(int px, int py) const
{
    const size_t column = size_t(px - cacheLeft);
    const size_t row = size_t(py - cacheTop);
    if (column >= columnPlaces.size() || row >= rowPlaces.size())
        return reading(cellOf(px, py));
    const int placeColumn = columnPlaces[column];
    const int placeRow = rowPlaces[row];
    if (placeColumn < 0 || placeRow < 0)
        return reading(cellOf(px, py));
    float& value = readings[size_t(placeRow) * size_t(cacheWidth) + size_t(placeColumn)];
    if (std::isnan(value))
        value = meanOfNine(photo, columnCells[px], rowCells[py]);
    return value;
}

PathPoint LabelPixelMeasure::sampleAt(const QPoint& cell) const
{
    return PathPoint(float(cell.x()) / float(matrixWidth),
                     float(cell.y()) / float(matrixHeight),
                     reading(cell),
                     0);
}

QPainterPath LabelPixelMeasure::outline(const ImageDrawPath& shape) const
{
    return ShapeGeometry(shape, QSize(labelWidth, labelHeight)).outline();
}

bool LabelPixelMeasure::featurePixel(const FeaturePoint& point, QPointF& pixel) const
{
    // A Screen image that did not decode leaves no space to carry the point from.
    if (photo.screenWidth <= 0 || photo.screenHeight <= 0)
        return false;
    pixel = CalculateTools::mapPointBetweenSizes(
      point.x, point.y, photo.screenWidth, photo.screenHeight, labelWidth, labelHeight);
    return true;
}

void LabelPixelMeasure::takeFeatures(const QPainterPath& path, Extremes& extremes) const
{
    const FeaturePoint& hottest = photo.details.feature.maxPoint;
    const FeaturePoint& coldest = photo.details.feature.minPoint;
    QPointF pixel;
    if (featurePixel(hottest, pixel) && path.contains(pixel)) {
        extremes.maxCell = cellOf(int(pixel.x()), int(pixel.y()));
        extremes.maxValue = hottest.temperature;
        extremes.maxSeen = true;
    }
    if (featurePixel(coldest, pixel) && path.contains(pixel)) {
        extremes.minCell = cellOf(int(pixel.x()), int(pixel.y()));
        extremes.minValue = coldest.temperature;
        extremes.minSeen = true;
    }
}

// Every label pixel inside the path, column by column. Rectangles and ovals are convex, so the
// pixels of a row inside them form one run; each run is found with a few containment tests
// around where the geometry puts its ends, instead of one test per pixel.
void LabelPixelMeasure::scanArea(const QPainterPath& path, Extremes& extremes) const
{
    const QRectF bounds = path.controlPointRect();
    const int left = qRound(bounds.x());
    const int top = qRound(bounds.y());
    const int right = qRound(bounds.x() + bounds.width());
    const int bottom = qRound(bounds.y() + bounds.height());
    if (right <= left || bottom <= top)
        return;

    const QPointF centre = bounds.center();
    const double rx = bounds.width() / 2;
    const double ry = bounds.height() / 2;
    const bool ellipse = path.elementCount() > 5;
    auto inside = [&](int column, int row) { return path.contains(QPointF(column, row)); };

    QVector<int> firsts(bottom - top, 0);
    QVector<int> lasts(bottom - top, -1);
    for (int row = top; row < bottom; ++row) {
        double half = rx;
        if (ellipse) {
            const double dy = ry > 0 ? (row - centre.y()) / ry : 2;
            half = dy * dy < 1 ? rx * std::sqrt(1 - dy * dy) : 0;
        }
        const int guessFirst = qBound(left, int(std::ceil(centre.x() - half)), right - 1);
        const int guessLast = qBound(left, int(std::floor(centre.x() + half)), right - 1);
        int seed = -1;
        const int middle = qBound(left, int(std::floor(centre.x())), right - 1);
        for (int c : { middle, qMin(middle + 1, right - 1), guessFirst, guessLast }) {
            if (inside(c, row)) {
                seed = c;
                break;
            }
        }
        if (seed < 0)
            continue;
        int first = qMin(guessFirst, seed);
        if (inside(first, row)) {
            while (first > left && inside(first - 1, row))
                --first;
        } else {
            while (!inside(first + 1, row))
                ++first;
            ++first;
        }
        int last = qMax(guessLast, seed);
        if (inside(last, row)) {
            while (last < right - 1 && inside(last + 1, row))
                ++last;
        } else {
            while (!inside(last - 1, row))
                --last;
            --last;
        }
        firsts[row - top] = first;
        lasts[row - top] = last;
    }

    for (int column = left; column < right; ++column) {
        for (int row = top; row < bottom; ++row) {
            if (column < firsts[row - top] || column > lasts[row - top])
                continue;
            extremes.update(cellOf(column, row), readingAt(column, row));
        }
    }
}

void LabelPixelMeasure::walkOutline(const QPainterPath& path,
                                    ShapeKind kind,
                                    Extremes& extremes) const
{
    if (kind == ShapeKind::Oval) {
        walkEllipse(path, extremes);
        return;
    }
    // Straight outlines are cheap for the path itself to walk.
    const qreal length = path.length();
    if (length <= 0)
        return;
    for (double t = 0; t < length; t += walkStep) {
        const QPoint pixel = path.pointAtPercent(path.percentAtLength(t)).toPoint();
        extremes.update(cellOf(pixel.x(), pixel.y()), readingAt(pixel.x(), pixel.y()));
    }
}

// The walk follows the tabulated outline, which lands within about a tenth of a pixel of the
// path's own points. Only where that could round to another pixel, and that pixel's sample could
// change the hottest or coldest, is the path itself asked, so the result is the one its own walk
// gives.
void LabelPixelMeasure::walkEllipse(const QPainterPath& path, Extremes& extremes) const
{
    const qreal length = path.length();
    if (length <= 0)
        return;
    const OvalOutline outline(path);
    if (outline.length() <= 0)
        return;
    const double margin = outline.margin();
    auto changes = [&](const QPoint& pixel) {
        const float value = readingAt(pixel.x(), pixel.y());
        return !extremes.maxSeen || !extremes.minSeen || value >= extremes.maxValue ||
               extremes.minValue > value;
    };
    for (double t = 0; t < length; t += walkStep) {
        const QPointF near = outline.pointAtLength(t);
        QPoint pixel = near.toPoint();
        const QPoint low = (near - QPointF(margin, margin)).toPoint();
        const QPoint high = (near + QPointF(margin, margin)).toPoint();
        if (low != high) {
            bool decisive = false;
            for (int x : { low.x(), high.x() }) {
                for (int y : { low.y(), high.y() })
                    decisive = decisive || changes(QPoint(x, y));
            }
            if (decisive)
                pixel = path.pointAtPercent(path.percentAtLength(t)).toPoint();
        }
        extremes.update(cellOf(pixel.x(), pixel.y()), readingAt(pixel.x(), pixel.y()));
    }
}

bool LabelPixelMeasure::measure(ImageDrawPath& shape)
{
    // Without cells there is nothing to read and no fraction to place a sample at.
    if (matrixWidth <= 0 || matrixHeight <= 0)
        return false;
    if (shape.kind() == ShapeKind::Point) {
        const PathPoint& point = shape.point(PointRole::End);
        const QPoint cell =
          CalculateTools::pointFromRatio(point.x, point.y, matrixWidth, matrixHeight);
        shape.point(PointRole::Maximum) = PathPoint(point.x, point.y, reading(cell), 0);
        return true;
    }
    if (labelWidth <= 0 || labelHeight <= 0)
        return false;
    const QPainterPath path = outline(shape);
    prepareReadings(path.controlPointRect());
    Extremes extremes;
    if (shape.kind() != ShapeKind::Line) {
        takeFeatures(path, extremes);
        scanArea(path, extremes);
    }
    walkOutline(path, shape.kind(), extremes);
    if (!extremes.maxSeen || !extremes.minSeen)
        return false;
    PathPoint maximum = sampleAt(extremes.maxCell);
    maximum.value = extremes.maxValue;
    PathPoint minimum = sampleAt(extremes.minCell);
    minimum.value = extremes.minValue;
    // Two markers on one spot of a uniform region would hide each other.
    if (maximum.x == minimum.x && maximum.y == minimum.y)
        maximum.x += 0.005f;
    shape.path = path;
    shape.point(PointRole::Maximum) = maximum;
    shape.point(PointRole::Minimum) = minimum;
    return true;
}
