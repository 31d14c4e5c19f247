#include "imageentity.h"

ImageEntity::ImageEntity(QObject *parent)
    : QObject(parent)
{
}

ImageEntity::ImageEntity(const ImageEntity &other)
    : QObject(nullptr)
    , featureImage(other.featureImage)
    , featureLength(other.featureLength)
    , screenImage(other.screenImage)
    , screenWidth(other.screenWidth)
    , screenHeight(other.screenHeight)
    , screenLength(other.screenLength)
    , cameraImage(other.cameraImage)
    , cameraLength(other.cameraLength)
    , temperatureWidth(other.temperatureWidth)
    , temperatureHeight(other.temperatureHeight)
    , paletteImage(other.paletteImage)
    , temperatureData(other.temperatureData)
    , grayWidth(other.grayWidth)
    , grayHeight(other.grayHeight)
    , grayData(other.grayData)
    , details(other.details)
    , image_drawpaths(other.image_drawpaths)
    , loaded(other.loaded)
{
}

ImageEntity &ImageEntity::operator=(const ImageEntity &other)
{
    featureImage = other.featureImage;
    featureLength = other.featureLength;
    screenImage = other.screenImage;
    screenWidth = other.screenWidth;
    screenHeight = other.screenHeight;
    screenLength = other.screenLength;
    cameraImage = other.cameraImage;
    cameraLength = other.cameraLength;
    temperatureWidth = other.temperatureWidth;
    temperatureHeight = other.temperatureHeight;
    paletteImage = other.paletteImage;
    temperatureData = other.temperatureData;
    grayWidth = other.grayWidth;
    grayHeight = other.grayHeight;
    grayData = other.grayData;
    details = other.details;
    image_drawpaths = other.image_drawpaths;
    loaded = other.loaded;
    return *this;
}
