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

QVector<int> storedPlaces(const QList<ImageDrawPath>& shapes)
{
    constexpr int kinds = 4;
    constexpr int mostOfAKind = 65535;
    int counts[kinds] = {};
    QVector<int> withinKind(shapes.size(), -1);
    for (int i = 0; i < shapes.size(); ++i) {
        const int type = shapes.at(i).type;
        if (type < 0 || type >= kinds || counts[type] == mostOfAKind)
            continue;
        withinKind[i] = counts[type]++;
    }
    int before[kinds] = {};
    for (int type = 1; type < kinds; ++type)
        before[type] = before[type - 1] + counts[type - 1];
    QVector<int> places(shapes.size(), -1);
    for (int i = 0; i < shapes.size(); ++i) {
        if (withinKind[i] >= 0)
            places[i] = before[shapes.at(i).type] + withinKind[i];
    }
    return places;
}
