#pragma once

#include "imagedrawpath.h"
#include "imageentity.h"

#include <QVector>

// Measures a shape on a photograph's temperature matrix: a point reads its cell, a line walks
// its length, a rectangle or oval scans its area and walks its outline, and each keeps its
// hottest and coldest sample. Shapes are given in fractions of a label of labelWidth ×
// labelHeight pixels; samples are cells of the matrix.
class RegionMeasure
{
public:
    RegionMeasure(const ImageEntity& photo, int labelWidth, int labelHeight);

    // False when nothing could be measured: the matrix has no cells, or the outline has no
    // length and holds no pixel. The shape is then left as it was.
    bool measure(ImageDrawPath& shape);

    // Cell of a label pixel.
    QPoint cellOf(int px, int py) const;
    // A sample at a cell: its top-left corner as fractions of the matrix, and its reading.
    PathPoint sampleAt(const QPoint& cell) const;
    // The path of a line, rectangle or oval in label pixels, rebuilt from points 0 and 1.
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
    // How far the tabulated oval walk may be from the path's own points, with room to spare:
    // measured at most 0.052 pixels over ovals of every size.
    static constexpr double roundingMargin = 0.08;

private:
    float reading(const QPoint& cell) const;
    void scanArea(const QPainterPath& path, Extremes& extremes) const;
    void walkOutline(const QPainterPath& path, int type, Extremes& extremes) const;
    void walkEllipse(const QPainterPath& path, Extremes& extremes) const;
    void takeFeatures(const QPainterPath& path, Extremes& extremes) const;

    const ImageEntity& photo;
    int labelWidth;
    int labelHeight;
    int matrixWidth;
    int matrixHeight;
    // Readings of the matrix cells, filled as they are first needed (NaN until then).
    mutable QVector<float> readings;
    // The cell column of each label column and the cell row of each label row.
    QVector<int> columnCells;
    QVector<int> rowCells;
};
