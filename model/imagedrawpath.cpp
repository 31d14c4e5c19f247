#include "model/imagedrawpath.h"

ImageDrawPath::ImageDrawPath(QObject* parent)
  : QObject(parent)
{
}

ImageDrawPath::ImageDrawPath(const ImageDrawPath& other)
  : QObject(nullptr)
  , type(other.type)
  , path(other.path)
  , mean(other.mean)
  , cells(other.cells)
  , ownParameters(other.ownParameters)
  , emissivity(other.emissivity)
  , reflected(other.reflected)
  , name(other.name)
  , note(other.note)
{
    for (int i = 0; i < pointCount; ++i)
        points[i] = other.points[i];
}

ImageDrawPath& ImageDrawPath::operator=(const ImageDrawPath& other)
{
    type = other.type;
    path = other.path;
    mean = other.mean;
    cells = other.cells;
    ownParameters = other.ownParameters;
    emissivity = other.emissivity;
    reflected = other.reflected;
    name = other.name;
    note = other.note;
    for (int i = 0; i < pointCount; ++i)
        points[i] = other.points[i];
    return *this;
}

ObjectParameters ImageDrawPath::parametersOver(const ObjectParameters& photograph) const
{
    ObjectParameters parameters = photograph;
    if (ownParameters) {
        parameters.emissivity = emissivity;
        parameters.reflected = reflected;
    }
    return parameters;
}
