#include "model/imageentity.h"

#include <cmath>

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
  , measurement(other.measurement)
  , object(other.object)
  , corrected(other.corrected)
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
    measurement = other.measurement;
    object = other.object;
    corrected = other.corrected;
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
    double shown = 0;
    if (!loaded || !shownCelsius(double(point.temperature), shown))
        return 0.0f;
    return fromCelsius(float(shown), unit);
}

QString ImageEntity::featureTemperatureText(const FeaturePoint& point, int unit) const
{
    if (!loaded)
        return notAvailable();
    return shownText(double(point.temperature), unit);
}

void ImageEntity::setObjectParameters(const ObjectParameters& parameters)
{
    object = parameters;
    const TemperatureMatrix matrix = temperatures();
    int lowest = 0;
    int highest = -1;
    if (matrix.isComplete()) {
        const TemperatureMatrix::Summary summary = matrix.summary();
        lowest = int(std::lround(double(summary.minimum) * 10));
        highest = int(std::lround(double(summary.maximum) * 10));
    }
    corrected = TemperatureCorrection(parameters, lowest, highest);
}

QString ImageEntity::shownText(double stored, int unit) const
{
    double shown = 0;
    if (!isKnownUnit(unit) || !shownCelsius(stored, shown))
        return notAvailable();
    // Stored values are whole tenths already; an unchanged one is written as it always was.
    return unitText(corrected.isIdentity() ? fromCelsius(float(stored), unit)
                                           : fromCelsius(float(shown), unit),
                    unit);
}

float ImageEntity::temperatureAt(int cx, int cy) const
{
    return temperatures().celsius(cx, cy);
}

TemperatureMatrix ImageEntity::temperatures() const
{
    return TemperatureMatrix(temperatureData, temperatureWidth, temperatureHeight);
}
