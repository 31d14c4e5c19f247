#pragma once

#include <QObject>

// A point of the Screen JPEG as decoded, before the margin is cropped away.
class FeaturePoint : public QObject
{
    Q_OBJECT
public:
    explicit FeaturePoint(QObject* parent = nullptr);
    FeaturePoint(const FeaturePoint& other);
    FeaturePoint& operator=(const FeaturePoint& other);

    quint16 x = 0;
    quint16 y = 0;
    float temperature = 0;
};
