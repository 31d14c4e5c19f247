#pragma once

#include "model/imagedrawpath.h"
#include "model/temperaturematrix.h"

#include <QPointF>
#include <QVector>

// The cells a shape covers found the direct way: every cell of the matrix asked whether its centre
// lies in the rectangle or ellipse, a line's points taken one by one and kept where they fall on a
// cell not seen before. The measurement is checked against this and measured next to it.
class RegionReference
{
public:
    static QVector<QPoint> cells(const TemperatureMatrix& matrix,
                                 ShapeKind kind,
                                 const QPointF& start,
                                 const QPointF& end);
    // The hottest and coldest of those cells, the first of equals, in tenths; false without any.
    static bool extremes(const TemperatureMatrix& matrix,
                         const QVector<QPoint>& cells,
                         QPoint& hottest,
                         QPoint& coldest);
};
