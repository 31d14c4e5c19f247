#include "cli/objectoptions.h"

#include "model/imageentity.h"
#include "model/temperaturerange.h"

#include <QCommandLineParser>

#include <cmath>

namespace {

struct Field
{
    const char* name;
    const char* description;
    const char* valueName;
    std::optional<double> ObjectOptions::*value;
    // Typed in the command's unit and kept in ℃; the limits are in ℃.
    bool temperature;
    double low;
    double high;
};

// The ranges ObjectParameters::isValid() holds the values to; a value outside one would leave
// the photograph's temperatures uncorrected without a word.
constexpr double coldestReflection = -273.15 + 1;
constexpr double warmestReflection = 2000;

const Field fields[] = {
    { "emissivity",
      "The object's emissivity, 0.01 to 1.",
      "E",
      &ObjectOptions::emissivity,
      false,
      ObjectParameters::lowestEmissivity,
      1 },
    { "reflected",
      "The apparent temperature of what the object reflects (in --unit).",
      "T",
      &ObjectOptions::reflected,
      true,
      coldestReflection,
      warmestReflection },
    { "distance",
      "The distance from the camera to the object, 0 to 200 m.",
      "M",
      &ObjectOptions::distance,
      false,
      0,
      ObjectParameters::longestDistance },
    { "air",
      "The air's temperature, -40 to 60 °C (in --unit).",
      "T",
      &ObjectOptions::airTemperature,
      true,
      ObjectParameters::coldestAir,
      ObjectParameters::warmestAir },
    { "humidity",
      "The air's relative humidity, 0 to 100 %.",
      "RH",
      &ObjectOptions::humidity,
      false,
      0,
      100 },
    { "camera-reflected",
      "The reflected temperature the camera worked with (in --unit; default 20 °C).",
      "T",
      &ObjectOptions::cameraReflected,
      true,
      coldestReflection,
      warmestReflection },
    { "camera-distance",
      "The distance the camera worked with, 0 to 200 m (default 0).",
      "M",
      &ObjectOptions::cameraDistance,
      false,
      0,
      ObjectParameters::longestDistance },
};

double inUnit(double celsius, int unit)
{
    switch (unit) {
        case 1:
            return celsius * 1.8 + 32;
        case 2:
            return celsius + 273.15;
        default:
            return celsius;
    }
}

QString limitText(double celsius, bool temperature, int unit)
{
    return QString::number(temperature ? inUnit(celsius, unit) : celsius, 'g', 7);
}

} // namespace

QList<QCommandLineOption> ObjectOptions::options()
{
    QList<QCommandLineOption> list;
    for (const Field& field : fields)
        list << QCommandLineOption(QLatin1String(field.name),
                                   QString::fromUtf8(field.description),
                                   QLatin1String(field.valueName));
    return list;
}

bool ObjectOptions::read(const QCommandLineParser& parser, int unit, QString& error)
{
    for (const Field& field : fields) {
        const QString name = QLatin1String(field.name);
        if (!parser.isSet(name))
            continue;
        bool number = false;
        const double typed = parser.value(name).trimmed().toDouble(&number);
        double value = field.temperature ? TemperatureRange::celsiusFrom(typed, unit) : typed;
        // A limit typed in another unit comes back from ℃ a rounding away from itself.
        const double slack = 1e-9;
        if (!number || !std::isfinite(value) || value < field.low - slack ||
            value > field.high + slack) {
            error = QStringLiteral("--%1 takes %2 from %3 to %4")
                      .arg(name,
                           field.temperature ? QStringLiteral("a temperature")
                                             : QStringLiteral("a number"),
                           limitText(field.low, field.temperature, unit),
                           limitText(field.high, field.temperature, unit));
            return false;
        }
        value = qBound(field.low, value, field.high);
        this->*field.value = value;
    }
    return true;
}

bool ObjectOptions::isEmpty() const
{
    for (const Field& field : fields) {
        if ((this->*field.value).has_value())
            return false;
    }
    return true;
}

ObjectParameters ObjectOptions::over(const ObjectParameters& photographs) const
{
    ObjectParameters parameters = photographs;
    parameters.emissivity = emissivity.value_or(parameters.emissivity);
    parameters.reflected = reflected.value_or(parameters.reflected);
    parameters.distance = distance.value_or(parameters.distance);
    parameters.airTemperature = airTemperature.value_or(parameters.airTemperature);
    parameters.humidity = humidity.value_or(parameters.humidity);
    parameters.cameraReflected = cameraReflected.value_or(parameters.cameraReflected);
    parameters.cameraDistance = cameraDistance.value_or(parameters.cameraDistance);
    return parameters;
}

void ObjectOptions::applyTo(ImageEntity& photo) const
{
    // Untouched, the photograph keeps the map the reader built.
    if (!isEmpty())
        photo.setObjectParameters(over(photo.objectParameters()));
}
