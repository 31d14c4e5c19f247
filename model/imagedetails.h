#pragma once

#include "model/imagefeature.h"
#include "model/imagemargin.h"

#include <QObject>
#include <QString>

// The device information block of a photograph.
class ImageDetails : public QObject
{
    Q_OBJECT
public:
    explicit ImageDetails(QObject* parent = nullptr);
    ImageDetails(const ImageDetails& other);
    ImageDetails& operator=(const ImageDetails& other);

    int infoLength = 0;
    QString infoText1;
    QString infoText2;
    QString captureTime;
    ImageFeature feature;
    int emissivity = 0;
    int palette = 0;
    int unit = 0;
    int blend = 0;
    ImageMargin margin;
    bool featureShown = true;
};
