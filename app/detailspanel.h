#pragma once

#include <QPixmap>
#include <QString>

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
    // Emissivity, capture time and the temperatures, in a unit.
    static void showTexts(Ui_Widget* ui, const ImageEntity& photograph, int unit);
    // The hottest, coldest and centre temperatures in the details and beside the palette bar.
    static void showFeatureTexts(Ui_Widget* ui, const ImageEntity& photograph, int unit);
};
