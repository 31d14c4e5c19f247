#include "model/imageentity.h"

namespace {

constexpr float fahrenheitFactor = 1.8f;
constexpr float fahrenheitOffset = 32.0f;
constexpr float kelvinOffset = 273.15f;

float fromCelsius(float value, int toUnit)
{
    switch (toUnit) {
        case 0:
            return value;
        case 1:
            return value * fahrenheitFactor + fahrenheitOffset;
        case 2:
            return value + kelvinOffset;
        default:
            return 0.0f;
    }
}

bool isKnownUnit(int unit)
{
    return unit >= 0 && unit <= 2;
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
    return *this;
}

float ImageEntity::convertTemperature(float value, int fromUnit, int toUnit)
{
    switch (fromUnit) {
        case 0:
            return fromCelsius(value, toUnit);
        case 1:
            if (toUnit == 1)
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
    if (temperatureData.isEmpty())
        return 0;
    const int width = temperatureWidth;
    const int height = temperatureHeight;
    // The window is cut to the matrix. A cell more than one past the border would leave no cell
    // at all, so it falls back to the nearest border cell instead of dividing by zero.
    auto span = [](int c, int size, int& first, int& last) {
        first = qMax(c - 1, 0);
        last = c + 1 < size ? c + 1 : size - 1;
        if (first > last)
            first = last = c < 0 ? 0 : size - 1;
    };
    int firstColumn, lastColumn, firstRow, lastRow;
    span(cx, width, firstColumn, lastColumn);
    span(cy, height, firstRow, lastRow);
    if (lastColumn < 0 || lastRow < 0 ||
        2 * (qint64(width) * lastRow + lastColumn + 1) > temperatureData.size())
        return 0;
    const auto* cells = reinterpret_cast<const uchar*>(temperatureData.constData());
    float sum = 0;
    for (int column = firstColumn; column <= lastColumn; ++column) {
        for (int row = firstRow; row <= lastRow; ++row) {
            const qint64 offset = (qint64(width) * row + column) * 2;
            const auto cell = qint16(cells[offset] | (cells[offset + 1] << 8));
            sum += float(cell) / 10.0f;
        }
    }
    float mean = sum / float((lastColumn - firstColumn + 1) * (lastRow - firstRow + 1));
    if (mean > details.feature.maxPoint.temperature)
        mean = details.feature.maxPoint.temperature;
    if (mean < details.feature.minPoint.temperature)
        mean = details.feature.minPoint.temperature;
    return mean;
}
