#pragma once

#include "document/displaysettings.h"
#include "model/imagedrawpath.h"
#include "render/scalestrip.h"

#include <QFont>
#include <QImage>
#include <QList>
#include <QSize>

class ImageEntity;

// The picture a save puts in front of a photograph, which Copy image copies too: the annotated
// photograph at a size of its own, whatever window shows it, with the scale strip to its right,
// as cameras picture their own shots. The window's photograph and one saved off screen go
// through here alike, so the two come out the same. Used on the GUI thread, whose screen sizes the
// labels' text.
class SavedPicture
{
public:
    SavedPicture() = delete;

    // The window's drawing surface marks with frames this large.
    static constexpr int surfaceMarkerSize = 32;
    // No narrower, so that labels and the strip's text stay readable on a small photograph.
    static constexpr int minimumWidth = 640;

    // The photograph's part: as wide as the widest of minimumWidth, the Screen image and the
    // temperature matrix, as high as the rendered picture's proportions give; the Screen image's
    // proportions, else the matrix's, else 4:3 with nothing rendered.
    static QSize photographSize(const ImageEntity& photograph, const QImage& rendered);
    // The scale of the range in force; the Camera one where the range cannot be rendered from the
    // temperature matrix, since the picture then shows the camera's gray levels.
    static ScaleStrip strip(const ImageEntity& photograph, const DisplaySettings& settings);
    // The photograph through the settings' palette, range and isotherm, mixed with its Camera
    // image at their blend, as the window renders it; null where nothing renders.
    static QImage rendering(const ImageEntity& photograph, const DisplaySettings& settings);

    // rendered is the picture the window shows; null renders one from the settings. Feature
    // markers are painted only on a photograph loaded.
    static QImage render(const ImageEntity& photograph,
                         const QList<ImageDrawPath>& shapes,
                         const DisplaySettings& settings,
                         const QImage& rendered,
                         int markerSize,
                         const QFont& font);
    // With the surface's markers and the application's font.
    static QImage render(const ImageEntity& photograph,
                         const QList<ImageDrawPath>& shapes,
                         const DisplaySettings& settings,
                         const QImage& rendered = QImage());
};
