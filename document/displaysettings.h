#pragma once

#include "model/objectparameters.h"
#include "model/photographcodes.h"
#include "model/temperaturerange.h"

// How the photograph is shown, and what a save stores of it. The palette and unit keep the codes
// the file stores; blend is the slider's degree, 0 to 100; the range, isotherm and object
// parameters go into Korvex's block of the file.
struct DisplaySettings
{
    int palette = int(PaletteIndex::Spectrum);
    int blend = 0;
    int unit = int(TemperatureUnit::Celsius);
    bool featureVisible = true;
    TemperatureRange range;
    Isotherm isotherm;
    // What every temperature is shown with; the camera's own unless the user set others.
    ObjectParameters object;

    bool operator==(const DisplaySettings& other) const
    {
        return palette == other.palette && blend == other.blend && unit == other.unit &&
               featureVisible == other.featureVisible && range == other.range &&
               isotherm == other.isotherm && object == other.object;
    }
    bool operator!=(const DisplaySettings& other) const { return !(*this == other); }
};
