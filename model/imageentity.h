#pragma once

#include "imagedetails.h"
#include "imagedrawpath.h"

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QMetaType>
#include <QObject>

// One radiometric photograph. Images, matrices and the shape list are implicitly shared, so a
// copy is cheap and a worker can own one while the window goes on with its own.
class ImageEntity : public QObject
{
    Q_OBJECT
public:
    explicit ImageEntity(QObject *parent = nullptr);
    ImageEntity(const ImageEntity &other);
    ImageEntity &operator=(const ImageEntity &other);

    QImage featureImage;
    int featureLength = 0;
    QImage screenImage;
    int screenWidth = 0;
    int screenHeight = 0;
    int screenLength = 0;
    QImage cameraImage;
    int cameraLength = 0;
    int temperatureWidth = 0;
    int temperatureHeight = 0;
    QImage paletteImage;
    QByteArray temperatureData;
    int grayWidth = 0;
    int grayHeight = 0;
    QByteArray grayData;
    ImageDetails details;
    QList<ImageDrawPath> image_drawpaths;
    bool loaded = false;
};

Q_DECLARE_METATYPE(ImageEntity)
