#include "model/featurepoint.h"

FeaturePoint::FeaturePoint(QObject* parent)
  : QObject(parent)
{
}

FeaturePoint::FeaturePoint(const FeaturePoint& other)
  : QObject(nullptr)
  , x(other.x)
  , y(other.y)
  , temperature(other.temperature)
{
}

FeaturePoint& FeaturePoint::operator=(const FeaturePoint& other)
{
    x = other.x;
    y = other.y;
    temperature = other.temperature;
    return *this;
}
