#pragma once

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
};
