#pragma once

#include "model/imagedrawpath.h"
#include "model/imageentity.h"

// Shape statistics the direct way: one containment test per pixel of the bounding rectangle and
// one length look-up on the path per tenth of a pixel of outline. The fast measurement is
// checked against this and measured next to it.
class RegionReference
{
public:
    // Same contract as RegionMeasure::measure: false for a matrix without cells, a label
    // without pixels, or a shape that yields no sample.
    static bool measure(const ImageEntity& photo,
                        ImageDrawPath& shape,
                        int labelWidth,
                        int labelHeight);
};
