#pragma once

#include "model/temperaturerange.h"

#include <QImage>
#include <QString>

class ImageEntity;

// A photograph rendered without the window, by the window's own palette, blend and painting.
class PhotographRender
{
public:
    PhotographRender() = delete;

    // The palette code of a name (spectrum, iron, cool, whitehot, blackhot); -1 for another.
    static int paletteCode(const QString& name);
    // The gray matrix through the palette mixed with the Camera image as a blend slider at
    // blendValue (0 to 100) mixes them; with shapes, the stored shapes and feature markers
    // painted over it, their labels in the unit. Null when there is nothing to render.
    static QImage render(const ImageEntity& photo,
                         int palette,
                         int blendValue,
                         bool shapes,
                         int unit);

    struct Options
    {
        int palette = 0;
        int blend = 100;
        bool shapes = false;
        int unit = 0;
        // Camera renders the gray matrix; any other mode the temperature matrix.
        TemperatureRange range;
        // Painted over the palette picture before the blend; needs a range other than Camera.
        Isotherm isotherm;
        // The scale strip to the right of the finished picture; needs a range other than Camera.
        bool scale = false;
    };
    // As above with the options; null with the reason in error when there is nothing to render,
    // such as a range asked of a photograph without a temperature matrix.
    static QImage render(const ImageEntity& photo, const Options& options, QString& error);

    // The command line's values, read in the unit (0 Celsius, 1 Fahrenheit, 2 Kelvin) and kept
    // in ℃. False with the reason in error for a malformed value.
    // "LOW:HIGH" with LOW below HIGH, "auto" or "histogram".
    static bool parseRange(const QString& text, int unit, TemperatureRange& range, QString& error);
    // "above:T", "below:T" or "between:T1:T2"; sets the kind and limits only.
    static bool parseIsotherm(const QString& text, int unit, Isotherm& isotherm, QString& error);
    // "#RRGGBB".
    static bool parseColour(const QString& text, QRgb& colour);
};
