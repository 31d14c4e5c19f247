#pragma once

#include "model/imagedrawpath.h"

#include <QImage>
#include <QList>

class ImageEntity;
class QFont;
class QSize;

// A photograph rendered through a palette, blended with its visible picture and annotated with
// shapes at the rendered size, without a window: what korvex-cli renders, and the picture a save
// puts in front of a photograph that is not on screen. A picture smaller than a window's drawing
// surface is annotated as that surface would be and scaled down with it. Null for a palette code
// out of range or a photograph with nothing to render.
class AnnotatedPicture
{
public:
    AnnotatedPicture() = delete;

    static QImage render(const ImageEntity& photograph,
                         const QList<ImageDrawPath>& shapes,
                         int palette,
                         int blend,
                         int unit,
                         bool featureVisible);
    // The same over a palette picture made by the caller, such as one from the temperature
    // matrix; null for a null palette picture without a Camera image.
    static QImage render(const ImageEntity& photograph,
                         const QList<ImageDrawPath>& shapes,
                         const QImage& paletteImage,
                         int blend,
                         int unit,
                         bool featureVisible);
    // A picture stretched over size as the window's drawing surface stretches it, unsmoothed,
    // and annotated as a surface of that size with those markers and that font annotates it; a
    // black ground where the picture is null. Null for an empty size.
    static QImage annotate(const ImageEntity& photograph,
                           const QList<ImageDrawPath>& shapes,
                           const QImage& picture,
                           const QSize& size,
                           int unit,
                           bool featureVisible,
                           int markerSize,
                           const QFont& font);
};
