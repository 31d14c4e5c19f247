#include "model/imageentity.h"

namespace {

constexpr float fahrenheitFactor = 1.8f;
constexpr float fahrenheitOffset = 32.0f;
constexpr float kelvinOffset = 273.15f;

float fromCelsius(float value, int toUnit)
{
    switch (toUnit) {
        case int(TemperatureUnit::Celsius):
            return value;
        case int(TemperatureUnit::Fahrenheit):
            return value * fahrenheitFactor + fahrenheitOffset;
        case int(TemperatureUnit::Kelvin):
            return value + kelvinOffset;
        default:
            return 0.0f;
    }
}

bool isKnownUnit(int unit)
{
    return unit >= int(TemperatureUnit::Celsius) && unit <= int(TemperatureUnit::Kelvin);
}

QString unitText(float value, int unit)
{
    static const QString templates[] = {
        QStringLiteral("%1\u2103"),
        QStringLiteral("%1\u2109"),
        QStringLiteral("%1K"),
    };
    return templates[unit].arg(QString::number(value, 'f', 1));
}

QString notAvailable()
{
    return QStringLiteral("N.A");
}

} // namespace

ImageEntity::ImageEntity(QObject* parent)
  : QObject(parent)
{
}

ImageEntity::ImageEntity(const ImageEntity& other)
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
  , extension(other.extension)
{
}

ImageEntity& ImageEntity::operator=(const ImageEntity& other)
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
    extension = other.extension;
    return *this;
}

float ImageEntity::convertTemperature(float value, int fromUnit, int toUnit)
{
    switch (fromUnit) {
        case int(TemperatureUnit::Celsius):
            return fromCelsius(value, toUnit);
        case int(TemperatureUnit::Fahrenheit):
            if (toUnit == int(TemperatureUnit::Fahrenheit))
                return value;
            return fromCelsius((value - fahrenheitOffset) / fahrenheitFactor, toUnit);
        default:
            return 0.0f;
    }
}

QString ImageEntity::temperatureText(float value, int fromUnit, int toUnit)
{
    if (!isKnownUnit(toUnit))
        return notAvailable();
    return unitText(convertTemperature(value, fromUnit, toUnit), toUnit);
}

float ImageEntity::featureTemperature(const FeaturePoint& point, int unit) const
{
    return loaded ? fromCelsius(point.temperature, unit) : 0.0f;
}

QString ImageEntity::featureTemperatureText(const FeaturePoint& point, int unit) const
{
    if (!loaded || !isKnownUnit(unit))
        return notAvailable();
    return unitText(fromCelsius(point.temperature, unit), unit);
}

float ImageEntity::temperatureAt(int cx, int cy) const
{
    return temperatures().celsius(cx, cy);
}

TemperatureMatrix ImageEntity::temperatures() const
{
    return TemperatureMatrix(temperatureData, temperatureWidth, temperatureHeight);
}
