#pragma once

#include <QPixmap>
#include <QString>

#include "model/temperaturerange.h"

class ImageEntity;
class Ui_Widget;

// The details beside the photograph: its temperatures, emissivity, the palette bar and the
// preview, filled from the photograph shown.
class DetailsPanel
{
public:
    DetailsPanel() = delete;

    // The bar of a palette code; null for a code no palette has.
    static QPixmap paletteBar(int palette);
    // Emissivity in hundredths, as the details show it.
    static QString emissivityText(int emissivity);
    // The emissivity in force, and the camera's beside it when they differ.
    static QString emissivityText(const ImageEntity& photograph);
    // Emissivity, capture time and the temperatures, in a unit.
    static void showTexts(Ui_Widget* ui,
                          const ImageEntity& photograph,
                          int unit,
                          const TemperatureRange& range = TemperatureRange());
    // The hottest, coldest and centre temperatures in the details, and the ends of the range in
    // force beside the palette bar.
    static void showFeatureTexts(Ui_Widget* ui,
                                 const ImageEntity& photograph,
                                 int unit,
                                 const TemperatureRange& range = TemperatureRange());
    // The ends of the palette bar: the photograph's hottest and coldest temperatures with the
    // camera's picture, the matrix's for Auto and Histogram, the range's own for Manual.
    static void showScaleEnds(Ui_Widget* ui,
                              const ImageEntity& photograph,
                              int unit,
                              const TemperatureRange& range);
};
