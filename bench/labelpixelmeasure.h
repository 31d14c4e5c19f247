#pragma once

#include "model/imagedrawpath.h"
#include "model/imageentity.h"

#include <QVector>

#include <vector>

// An oval's outline walked by length from tables of its curves. The path itself finds a point at
// a length by bisecting its curves anew every time, which for an oval costs far more than all the
// rest of the measurement.
class OvalOutline
{
public:
    // The outline as QPainterPath::addEllipse() draws it.
    explicit OvalOutline(const QPainterPath& oval);
    ~OvalOutline();

    // The path's own length of the outline.
    qreal length() const { return total; }
    // Near the point the path gives for that length, path.pointAtPercent(path.percentAtLength(t)).
    QPointF pointAtLength(double t) const;
    // How far, in either axis, the path's own point may lie from pointAtLength(). The path finds
    // a length to within 0.01 px, and measures a curve by halving it until each piece's control
    // polygon is within 0.01 px of its chord and adding up the polygons, each about half its
    // excess over the chord longer than the arc. As the excess shrinks with the cube of a piece's
    // span, a curve whose polygon exceeds its chord by e is cut into about n = cbrt(e / 0.01)
    // pieces, and a stretch x pieces long comes out 0.005·x·r² too long, r² between 1/4 and 1
    // according to where the count of pieces last doubled; against the table, scaled to the
    // path's length of the whole curve, that is up to 0.00375·n. n grows with the cube root of
    // the oval's size: 24 for an oval filling a 1000 × 750 label, 40 for a 4000 px circle, so no
    // fixed margin holds for every size. Measured, the walk strays at most 0.82 of this margin
    // (0.109 px against 0.137 on a 2290 px circle), and the mismatch of lengths alone at most
    // 0.82 of its share on ovals up to 16000 px.
    double margin() const { return bound; }

private:
    class Curve;
    std::vector<Curve> curves;
    std::vector<double> ends;
    qreal total = 0;
    double bound = 0;
};

// The measurement as the window made it before shapes were measured on the matrix's cells,
// kept only so that the benchmark can set the cell rule's cost beside it. It measures a shape:
// a point reads its cell, a line walks
// its length, a rectangle or oval scans its area and walks its outline, and each keeps its
// hottest and coldest sample. Shapes are given in fractions of a label of labelWidth ×
// labelHeight pixels; samples are cells of the matrix.
class LabelPixelMeasure
{
public:
    LabelPixelMeasure(const ImageEntity& photo, int labelWidth, int labelHeight);

    // False when nothing could be measured: the matrix has no cells, or the outline has no
    // length and holds no pixel. The shape is then left as it was.
    bool measure(ImageDrawPath& shape);

    // Cell of a label pixel.
    QPoint cellOf(int px, int py) const;
    // A sample at a cell: its top-left corner as fractions of the matrix, and its reading.
    PathPoint sampleAt(const QPoint& cell) const;
    // The path of a line, rectangle or oval in label pixels, rebuilt from points 0 and 1; a
    // point has none.
    QPainterPath outline(const ImageDrawPath& shape) const;
    // The feature point carried into label pixels; false when the Screen size is unknown.
    bool featurePixel(const FeaturePoint& point, QPointF& pixel) const;

    // The hottest and coldest sample seen so far: among equal values the latest hottest and the
    // earliest coldest win.
    struct Extremes
    {
        QPoint maxCell, minCell;
        float maxValue = 0, minValue = 0;
        bool maxSeen = false, minSeen = false;

        void update(const QPoint& cell, float value)
        {
            if (!maxSeen || value >= maxValue) {
                maxCell = cell;
                maxValue = value;
            }
            if (!minSeen || minValue > value) {
                minCell = cell;
                minValue = value;
            }
            maxSeen = minSeen = true;
        }
    };

    static constexpr double walkStep = 0.1;

private:
    void prepareReadings(const QRectF& bounds);
    float reading(const QPoint& cell) const;
    // The reading of the cell under a label pixel, from the cache where the pixel has a place.
    float readingAt(int px, int py) const;
    void scanArea(const QPainterPath& path, Extremes& extremes) const;
    void walkOutline(const QPainterPath& path, ShapeKind kind, Extremes& extremes) const;
    void walkEllipse(const QPainterPath& path, Extremes& extremes) const;
    void takeFeatures(const QPainterPath& path, Extremes& extremes) const;

    const ImageEntity& photo;
    int labelWidth;
    int labelHeight;
    int matrixWidth;
    int matrixHeight;
    // Readings of the cells that the label pixels around the shape fall on, filled as they are
    // first needed (NaN until then). Indexed through the pixels, so the cache grows with the
    // shape on the label, never with the matrix.
    mutable std::vector<float> readings;
    // The place in readings of the cell column of each label column from cacheLeft (and row
    // from cacheTop); -1 off the matrix.
    std::vector<int> columnPlaces;
    std::vector<int> rowPlaces;
    int cacheLeft = 0;
    int cacheTop = 0;
    int cacheWidth = 0;
    // The cell column of each label column and the cell row of each label row.
    QVector<int> columnCells;
    QVector<int> rowCells;
};
