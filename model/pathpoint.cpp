#include "model/pathpoint.h"

PathPoint::PathPoint(QObject* parent)
  : QObject(parent)
{
}

PathPoint::PathPoint(float x, float y, float value, int unit, QObject* parent)
  : QObject(parent)
  , x(x)
  , y(y)
  , value(value)
  , unit(unit)
{
}

PathPoint::PathPoint(const PathPoint& other)
  : QObject(nullptr)
  , x(other.x)
  , y(other.y)
  , value(other.value)
  , unit(other.unit)
{
}

PathPoint& PathPoint::operator=(const PathPoint& other)
{
    x = other.x;
    y = other.y;
    value = other.value;
    unit = other.unit;
    return *this;
}
