#include "model/imagefeature.h"

ImageFeature::ImageFeature(QObject* parent)
  : QObject(parent)
{
}

ImageFeature::ImageFeature(const ImageFeature& other)
  : QObject(nullptr)
  , maxPoint(other.maxPoint)
  , minPoint(other.minPoint)
  , centrePoint(other.centrePoint)
{
}

ImageFeature& ImageFeature::operator=(const ImageFeature& other)
{
    maxPoint = other.maxPoint;
    minPoint = other.minPoint;
    centrePoint = other.centrePoint;
    return *this;
}
