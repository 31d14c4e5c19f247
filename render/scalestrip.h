#pragma once

#include "model/objectparameters.h"
#include "model/temperaturematrix.h"
#include "model/temperaturerange.h"

#include <QImage>
#include <QRectF>
#include <QVector>

class ImageEntity;
class QPainter;

// The palette as a vertical strip with its temperatures, the key to a palette picture made by
// TemperaturePicture with the same range. Laid out from left to right as
//
//     | isotherm band | strip | tick marks | values |
//
// with the hottest palette entry at the top and the coldest at the bottom, the strip as tall as
// the area. The range's ends, with the unit, stand level with the strip's top and bottom edges;
// the ticks between them carry bare numbers, and a tick whose number would run into another
// value keeps its mark only. Every length and the font follow the area's height alone, so a
// picture gets the same scale whatever window it is later shown in. A value class; painting is
// safe on any thread.
//
// The Camera range has a scale of its own: the palette with the photograph's coldest and hottest
// temperatures at its ends and nothing between them. The camera's gray picture does not say
// which temperature each gray level stands for, so ticks or an isotherm band on it would claim a
// mapping nobody knows.
class ScaleStrip
{
public:
    // No scale.
    ScaleStrip() = default;
    // The range's scale over the matrix; none for a Camera range, a manual range with high ≤ low
    // or a matrix without all its cells.
    ScaleStrip(const TemperatureMatrix& matrix,
               const TemperatureRange& range,
               unsigned palette,
               int unit,
               const Isotherm& isotherm = Isotherm(),
               const TemperatureCorrection& correction = {});
    // The Camera range's scale of a photograph, its ends the hottest and coldest temperatures
    // the camera found (the feature block's). No scale for a photograph not loaded or with ends
    // that are not finite or run the wrong way.
    static ScaleStrip camera(const ImageEntity& photograph, unsigned palette, int unit);

    bool isValid() const { return colours != nullptr; }
    // The ends in ℃: the manual range's, the camera's for Camera, else the matrix's coldest and
    // hottest cell.
    double low() const { return lowCelsius; }
    double high() const { return highCelsius; }

    // Multiples of the largest-count step of 1, 2 or 5 × 10^k for which no more than maxCount
    // fall within low..high (ends included), in ascending order; empty for an empty or
    // non-finite span or maxCount < 2.
    static QVector<double> niceTicks(double low, double high, int maxCount = 6);

    struct Tick
    {
        // In the display unit.
        double value = 0;
        // 0 at the strip's bottom edge, 1 at its top edge.
        double position = 0;
    };
    // The nice ticks of the ends in the display unit, placed where their temperatures fall; none
    // for Camera.
    QVector<Tick> ticks() const;
    // Where a temperature falls on the strip, 0 (bottom) to 1 (top): linear in it for a linear
    // range; for Histogram the middle of the palette entry the temperature takes.
    double position(double celsius) const;

    // Where the isotherm's band lies on the strip, from (bottom) to (top) as position() gives
    // them; false with no isotherm or with one whose limits all lie past the strip's ends.
    bool isothermSpan(double& from, double& to) const;

    // The width the scale takes beside a picture of this height, in pixels.
    int width(int height) const;
    // Paints the scale into area, its height from the area's and its width width(height).
    void paint(QPainter& painter, const QRectF& area) const;
    // The picture with the scale to its right, on a black ground; the picture unchanged without a
    // scale.
    QImage beside(const QImage& picture) const;

private:
    struct Layout;
    Layout layout(double height) const;

    const QRgb* colours = nullptr;
    TemperatureRange::Mode mode = TemperatureRange::Camera;
    double lowCelsius = 0;
    double highCelsius = 0;
    int displayUnit = 0;
    Isotherm band;
    // Histogram only: the palette entry of each tenth from lowestTenths.
    QVector<uchar> entries;
    int lowestTenths = 0;
    // Histogram with object parameters: the temperature shown for each tenth from lowestTenths,
    // to find where a shown temperature was stored; none stands for the stored one itself.
    QVector<double> shownOfTenth;
};
