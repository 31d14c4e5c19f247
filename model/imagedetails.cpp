#include "model/imagedetails.h"

ImageDetails::ImageDetails(QObject* parent)
  : QObject(parent)
{
}

ImageDetails::ImageDetails(const ImageDetails& other)
  : QObject(nullptr)
  , infoLength(other.infoLength)
  , infoText1(other.infoText1)
  , infoText2(other.infoText2)
  , captureTime(other.captureTime)
  , feature(other.feature)
  , emissivity(other.emissivity)
  , palette(other.palette)
  , unit(other.unit)
  , blend(other.blend)
  , margin(other.margin)
  , featureShown(other.featureShown)
{
}

ImageDetails& ImageDetails::operator=(const ImageDetails& other)
{
    infoLength = other.infoLength;
    infoText1 = other.infoText1;
    infoText2 = other.infoText2;
    captureTime = other.captureTime;
    feature = other.feature;
    emissivity = other.emissivity;
    palette = other.palette;
    unit = other.unit;
    blend = other.blend;
    margin = other.margin;
    featureShown = other.featureShown;
    return *this;
}
