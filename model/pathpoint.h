#pragma once

#include <QObject>

class PathPoint : public QObject
{
    Q_OBJECT
public:
    explicit PathPoint(QObject* parent = nullptr);
    PathPoint(float x, float y, float value, int unit, QObject* parent = nullptr);
    PathPoint(const PathPoint& other);
    PathPoint& operator=(const PathPoint& other);

    float x = 0;
    float y = 0;
    float value = 0;
    int unit = 0;
};
