#include "model/objectparameters.h"

#include <QJsonObject>

#include <algorithm>
#include <cmath>

namespace {

constexpr double zeroCelsius = 273.15;

// The band's radiance is tabulated from Planck's law rather than taken from a closed form: the
// Sakuma–Hattori form (λ_eff = A·T + B, A = 9.36 µm, B = 175 µm·K) follows the 8–14 µm band
// within 0.11 K from −40 to 600 ℃ but drifts by more than a kelvin at the 1100 ℃ a 500 ℃
// reading reaches at emissivity 0.3. The table spans 50 to 3500 K in half kelvins; between
// nodes the radiance is linear in the temperature, which is exact to a thousandth of a kelvin.
constexpr double tableColdest = 50;
constexpr double tableWarmest = 3500;
constexpr double tableStep = 0.5;
constexpr int tableNodes = int((tableWarmest - tableColdest) / tableStep) + 1;

// Planck's spectral radiance integrated over a flat 8–14 µm response by Simpson's rule, to the
// first radiation constant, which every use divides out.
double bandIntegral(double kelvin)
{
    constexpr double secondRadiationConstant = 14387.769; // µm·K
    constexpr double shortest = 8;
    constexpr double longest = 14;
    constexpr int steps = 256;
    const double h = (longest - shortest) / steps;
    const auto planck = [kelvin](double lambda) {
        const double fifth = lambda * lambda * lambda * lambda * lambda;
        return 1 / (fifth * std::expm1(secondRadiationConstant / (lambda * kelvin)));
    };
    double sum = planck(shortest) + planck(longest);
    for (int i = 1; i < steps; ++i)
        sum += planck(shortest + i * h) * (i % 2 ? 4 : 2);
    return sum * h / 3;
}

const QVector<double>& bandTable()
{
    static const QVector<double> table = [] {
        QVector<double> nodes(tableNodes);
        for (int i = 0; i < tableNodes; ++i)
            nodes[i] = bandIntegral(tableColdest + i * tableStep);
        return nodes;
    }();
    return table;
}

// The two-term transmission of air used in thermographic software: a path of d metres through
// air holding h grams of water per cubic metre lets through
//   τ = X·e^(−√d·(α₁ + β₁·√h)) + (1 − X)·e^(−√d·(α₂ + β₂·√h)),
// with h from the relative humidity and the air's temperature by the saturation fit below.
// Constants as given by W. Minkina and S. Dudzik, "Infrared Thermography: Errors and
// Uncertainties", Wiley 2009, chapter 2 (the atmospheric transmission model of long-wave cameras).
constexpr double mixX = 1.9;
constexpr double alpha1 = 0.006569;
constexpr double alpha2 = 0.01262;
constexpr double beta1 = -0.002276;
constexpr double beta2 = -0.00667;
constexpr double water0 = 1.5587;
constexpr double water1 = 0.06939;
constexpr double water2 = -0.00027816;
constexpr double water3 = 0.00000068455;

bool within(double value, double low, double high)
{
    return std::isfinite(value) && value >= low && value <= high;
}

double number(const QJsonObject& object, const char* key, double fallback, double low, double high)
{
    const QJsonValue value = object.value(QLatin1String(key));
    return value.isDouble() && within(value.toDouble(), low, high) ? value.toDouble() : fallback;
}

} // namespace

ObjectParameters ObjectParameters::ofCamera(int emissivityHundredths)
{
    ObjectParameters parameters;
    const double emissivity = emissivityHundredths / 100.0;
    // A damaged byte gives no usable emissivity; the camera's temperatures then stand as stored.
    parameters.cameraEmissivity = within(emissivity, lowestEmissivity, 1) ? emissivity : 1;
    parameters.emissivity = parameters.cameraEmissivity;
    return parameters;
}

bool ObjectParameters::isValid() const
{
    return within(emissivity, lowestEmissivity, 1) &&
           within(cameraEmissivity, lowestEmissivity, 1) &&
           within(reflected, -zeroCelsius + 1, 2000) &&
           within(cameraReflected, -zeroCelsius + 1, 2000) &&
           within(distance, 0, longestDistance) && within(cameraDistance, 0, longestDistance) &&
           within(airTemperature, coldestAir, warmestAir) && within(humidity, 0, 100);
}

bool ObjectParameters::isCameras() const
{
    return emissivity == cameraEmissivity && reflected == cameraReflected &&
           distance == cameraDistance;
}

QJsonObject ObjectParameters::toJson() const
{
    return QJsonObject{
        { QStringLiteral("emissivity"), emissivity },
        { QStringLiteral("reflected"), reflected },
        { QStringLiteral("distance"), distance },
        { QStringLiteral("air"), airTemperature },
        { QStringLiteral("humidity"), humidity },
        { QStringLiteral("camera_reflected"), cameraReflected },
        { QStringLiteral("camera_distance"), cameraDistance },
    };
}

ObjectParameters ObjectParameters::fromJson(const QJsonValue& value, int emissivityHundredths)
{
    ObjectParameters parameters = ofCamera(emissivityHundredths);
    if (!value.isObject())
        return parameters;
    const QJsonObject object = value.toObject();
    parameters.emissivity =
      number(object, "emissivity", parameters.cameraEmissivity, lowestEmissivity, 1);
    parameters.reflected = number(object, "reflected", 20, -zeroCelsius + 1, 2000);
    parameters.distance = number(object, "distance", 0, 0, longestDistance);
    parameters.airTemperature = number(object, "air", 20, coldestAir, warmestAir);
    parameters.humidity = number(object, "humidity", 50, 0, 100);
    parameters.cameraReflected = number(object, "camera_reflected", 20, -zeroCelsius + 1, 2000);
    parameters.cameraDistance = number(object, "camera_distance", 0, 0, longestDistance);
    return parameters;
}

bool ObjectParameters::operator==(const ObjectParameters& other) const
{
    return emissivity == other.emissivity && reflected == other.reflected &&
           distance == other.distance && airTemperature == other.airTemperature &&
           humidity == other.humidity && cameraEmissivity == other.cameraEmissivity &&
           cameraReflected == other.cameraReflected && cameraDistance == other.cameraDistance;
}

double Radiance::ofKelvin(double kelvin)
{
    if (!std::isfinite(kelvin) || kelvin < tableColdest)
        return 0;
    const QVector<double>& table = bandTable();
    const double place = (qMin(kelvin, tableWarmest) - tableColdest) / tableStep;
    const int node = qMin(tableNodes - 2, int(place));
    const double within = place - node;
    return table[node] + (table[node + 1] - table[node]) * within;
}

bool Radiance::kelvinOf(double radiance, double& kelvin)
{
    const QVector<double>& table = bandTable();
    // Colder than the table is colder than any surface a camera sees; warmer, brighter than any.
    if (!std::isfinite(radiance) || radiance < table.front() || radiance > table.back())
        return false;
    const int upper =
      int(std::lower_bound(table.cbegin(), table.cend(), radiance) - table.cbegin());
    const int node = qBound(0, upper - 1, tableNodes - 2);
    const double span = table[node + 1] - table[node];
    const double within = span > 0 ? (radiance - table[node]) / span : 0;
    kelvin = tableColdest + (node + qBound(0.0, within, 1.0)) * tableStep;
    return true;
}

double Radiance::transmission(double distance, double airCelsius, double humidityPercent)
{
    if (!(distance > 0))
        return 1;
    const double t = airCelsius;
    const double water =
      humidityPercent / 100 * std::exp(water0 + water1 * t + water2 * t * t + water3 * t * t * t);
    const double root = std::sqrt(distance);
    const double wet = std::sqrt(water);
    const double tau = mixX * std::exp(-root * (alpha1 + beta1 * wet)) +
                       (1 - mixX) * std::exp(-root * (alpha2 + beta2 * wet));
    return std::isfinite(tau) ? qBound(0.0, tau, 1.0) : 0;
}

TemperatureCorrection::TemperatureCorrection(const ObjectParameters& parameters,
                                             int lowest,
                                             int highest)
  : identity(!parameters.isValid() || parameters.isCameras())
  , parameters(parameters)
  , lowest(lowest)
{
    if (identity)
        return;
    const double air = Radiance::ofKelvin(parameters.airTemperature + zeroCelsius);
    const double tau0 = Radiance::transmission(
      parameters.cameraDistance, parameters.airTemperature, parameters.humidity);
    const double tau1 =
      Radiance::transmission(parameters.distance, parameters.airTemperature, parameters.humidity);
    const double e0 = parameters.cameraEmissivity;
    const double e1 = parameters.emissivity;
    // S = ε₀·τ₀·L(T₀) + (1 − ε₀)·τ₀·L(Tr₀) + (1 − τ₀)·L(Ta)
    a = e0 * tau0;
    b = (1 - e0) * tau0 * Radiance::ofKelvin(parameters.cameraReflected + zeroCelsius) +
        (1 - tau0) * air;
    // T₁ = L⁻¹([S − (1 − ε₁)·τ₁·L(Tr₁) − (1 − τ₁)·L(Ta)] / (ε₁·τ₁))
    c = (1 - e1) * tau1 * Radiance::ofKelvin(parameters.reflected + zeroCelsius) + (1 - tau1) * air;
    d = e1 * tau1;
    // With no radiance of the object reaching the camera nothing can be told about it.
    blind = !(d > 0);
    if (highest < lowest)
        return;
    const int count = highest - lowest + 1;
    table.resize(count);
    valid.resize(count);
    for (int i = 0; i < count; ++i) {
        double corrected = 0;
        valid[i] = compute(lowest + i, corrected) ? 1 : 0;
        table[i] = corrected;
    }
}

bool TemperatureCorrection::compute(int tenths, double& corrected) const
{
    return computeCelsius(tenths / 10.0, corrected);
}

bool TemperatureCorrection::computeCelsius(double stored, double& corrected) const
{
    corrected = 0;
    if (blind)
        return false;
    const double radiance = a * Radiance::ofKelvin(stored + zeroCelsius) + b;
    double kelvin = 0;
    if (!Radiance::kelvinOf((radiance - c) / d, kelvin))
        return false;
    corrected = kelvin - zeroCelsius;
    return true;
}

bool TemperatureCorrection::celsius(double stored, double& corrected) const
{
    if (identity) {
        corrected = stored;
        return std::isfinite(stored);
    }
    return std::isfinite(stored) && computeCelsius(stored, corrected);
}

bool TemperatureCorrection::tenths(int stored, int& corrected) const
{
    double value = 0;
    if (!celsius(stored, value) || !(std::fabs(value) < 3276.7))
        return false;
    corrected = int(std::lround(value * 10));
    return true;
}
