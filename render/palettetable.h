#pragma once

#include <QRgb>

// The five palettes of the palette selector, in its order. Each maps a gray level of the gray
// matrix to an opaque colour; higher gray levels are hotter.
class PaletteTable
{
public:
    enum Palette : unsigned
    {
        Spectrum,
        Iron,
        Cool,
        WhiteHot,
        BlackHot
    };
    static constexpr unsigned paletteCount = 5;
    static constexpr int entryCount = 256;

    // The 256 entries of a palette, or null for a code outside the five.
    static const QRgb* colors(unsigned palette);
};
