#pragma once

#include "model/imageentity.h"

#include <QVector>

// Photographs to measure shapes on, built straight into the model without a file.
class MeasureScene
{
public:
    // Cells in tenths of a degree, row by row, as the matrix holds them.
    static QByteArray matrix(const QVector<qint16>& cells);

    // A loaded photograph of width × height cells with hills and valleys, noise of a few tenths
    // and flat plateaus. The hottest and coldest feature temperatures are set a little inside
    // the matrix's range, so the clamp flattens the extremes into further plateaus; the feature
    // points sit on the hottest and coldest cells, given in a Screen image of screenSize.
    static ImageEntity landscape(int width, int height, quint32 seed, const QSize& screenSize);

    // A loaded photograph whose every cell holds the same value; feature temperatures far
    // outside it, feature points in a corner.
    static ImageEntity uniform(int width, int height, qint16 tenths);

    // A uniform 160 × 120 photograph at 25.0 degrees shown on a 1280 × 960 Screen image, with
    // its hottest point at (200, 200) and its coldest at (1080, 200) of that image.
    static ImageEntity featureMarkers();
};
