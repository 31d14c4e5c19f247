#pragma once

#include "model/pathpoint.h"

#include <QMetaType>
#include <QObject>
#include <QPainterPath>

// One measurement shape. Points by index: 0 start, 1 end, 2 spare, 3 maximum, 4 minimum.
class ImageDrawPath : public QObject
{
    Q_OBJECT
public:
    static constexpr int pointCount = 5;

    explicit ImageDrawPath(QObject* parent = nullptr);
    ImageDrawPath(const ImageDrawPath& other);
    ImageDrawPath& operator=(const ImageDrawPath& other);

    int type = 0;
    QPainterPath path;
    PathPoint points[pointCount];
};

Q_DECLARE_METATYPE(ImageDrawPath)
