#pragma once

#include "model/photographcodes.h"

// How the photograph is shown, and what a save stores of it. The palette and unit keep the codes
// the file stores; blend is the slider's degree, 0 to 100.
struct DisplaySettings
{
    int palette = int(PaletteIndex::Spectrum);
    int blend = 0;
    int unit = int(TemperatureUnit::Celsius);
    bool featureVisible = true;

    bool operator==(const DisplaySettings& other) const
    {
        return palette == other.palette && blend == other.blend && unit == other.unit &&
               featureVisible == other.featureVisible;
    }
    bool operator!=(const DisplaySettings& other) const { return !(*this == other); }
};
