#pragma once

#include "model/imagedrawpath.h"
#include "model/objectparameters.h"
#include "model/temperaturematrix.h"

#include <QPoint>
#include <QPointF>
#include <QVector>

class ImageEntity;

// What a shape covers on a photograph's temperature matrix, and its hottest, coldest and mean
// cell. Shapes are fractions of the photograph and are measured on the cells themselves, never
// on the pixels of a screen, so a shape gives the same figures at every size it is shown at and
// its maximum is never below the hottest cell it covers.
//
// A point covers the cell it falls in. A rectangle covers the cells whose centre lies in the
// closed rectangle its corners span, an oval those whose centre lies in the closed ellipse
// inscribed in it; one that holds no centre covers the cell under its own centre. A line covers
// the cells of start + k/n · (end − start), k = 0 … n, with n twice its longer extent in cells,
// so that no cell it crosses is stepped over.
class RegionMeasure
{
public:
    struct Statistics
    {
        QPoint hottest;
        QPoint coldest;
        // Tenths of ℃, as the matrix holds them.
        int maximum = 0;
        int minimum = 0;
        double meanTenths = 0;
        int cells = 0;

        float maximumCelsius() const { return float(maximum) / 10.0f; }
        float minimumCelsius() const { return float(minimum) / 10.0f; }
        float meanCelsius() const { return float(meanTenths / 10.0); }
    };

    // The figures as shown with object parameters: each covered cell's stored temperature through
    // their map, the cells without a temperature left out. The hottest and coldest are the
    // stored ones mapped, since the map keeps the order; the mean is the mean of the mapped
    // cells, not the stored mean mapped. Without any cell left there are no figures.
    struct Shown
    {
        bool known = false;
        double maximum = 0;
        double minimum = 0;
        double mean = 0;
        // The cells with a temperature, and those without.
        int cells = 0;
        int unknown = 0;
    };

    explicit RegionMeasure(const TemperatureMatrix& matrix);
    explicit RegionMeasure(const ImageEntity& photo);

    // False, leaving the shape as it was, when the matrix has no cells. Writes the maximum and,
    // but for a point, the minimum at the top-left corners of their cells, the mean and the
    // count; a point's maximum keeps its own position. A uniform shape's maximum marker moves
    // right by half a percent, so that its two markers never hide each other.
    bool measure(ImageDrawPath& shape) const;
    // False when the matrix has no cells. Among equal cells the first in row order (rectangle,
    // oval) or from the start (line) is the hottest or coldest.
    bool statistics(ShapeKind kind,
                    const QPointF& start,
                    const QPointF& end,
                    Statistics& result) const;
    // False when the matrix has no cells; result.known tells whether any cell has a temperature.
    bool shown(ShapeKind kind,
               const QPointF& start,
               const QPointF& end,
               const TemperatureCorrection& correction,
               Shown& result) const;
    // The same for a shape measured, with its own outline.
    bool shown(const ImageDrawPath& shape,
               const TemperatureCorrection& correction,
               Shown& result) const;

    // A line's cells in the order the line rule visits them, each with its distance from the
    // start in cells (where the line first reaches it) and its temperature as shown.
    struct Sample
    {
        QPoint cell;
        double distance = 0;
        double celsius = 0;
        bool known = false;
    };
    QVector<Sample> profile(const QPointF& start,
                            const QPointF& end,
                            const TemperatureCorrection& correction) const;
    // How many covered cells with a temperature fall in each of bins equal steps from low to
    // high (℃ as shown); cells outside are not counted. Empty for no bins or high ≤ low.
    QVector<int> histogram(ShapeKind kind,
                           const QPointF& start,
                           const QPointF& end,
                           const TemperatureCorrection& correction,
                           double low,
                           double high,
                           int bins) const;

    // The cells covered, in the order the statistics visit them.
    QVector<QPoint> cells(ShapeKind kind, const QPointF& start, const QPointF& end) const;

    QPoint cellAt(const QPointF& fraction) const;

private:
    template<typename Visit>
    void visit(ShapeKind kind, const QPointF& start, const QPointF& end, Visit&& cell) const;
    template<typename Visit>
    void visitLine(const QPointF& start, const QPointF& end, Visit&& cell) const;
    // The same, the visitor also given how far along the line (0 to 1) it reached the cell.
    template<typename Visit>
    void visitLineSteps(const QPointF& start, const QPointF& end, Visit&& cell) const;
    template<typename Visit>
    int visitArea(bool oval, const QPointF& start, const QPointF& end, Visit&& cell) const;

    TemperatureMatrix matrix;
};
