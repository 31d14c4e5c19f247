#pragma once

#include "model/featurepoint.h"

#include <QObject>

class ImageFeature : public QObject
{
    Q_OBJECT
public:
    explicit ImageFeature(QObject* parent = nullptr);
    ImageFeature(const ImageFeature& other);
    ImageFeature& operator=(const ImageFeature& other);

    FeaturePoint maxPoint;
    FeaturePoint minPoint;
    FeaturePoint centrePoint;
};
