#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QVector>

// What the temperature of a surface depends on besides its radiation: its emissivity, the
// apparent temperature of what it reflects, and the air between it and the camera. A photograph
// carries the values its camera used; the user sets new ones for the photograph, or for one
// shape, and every temperature shown is recomputed from the camera's radiance with them.
struct ObjectParameters
{
    // The new values. Temperatures in ℃, the distance in metres, the humidity in percent.
    double emissivity = 0.95;
    double reflected = 20;
    double distance = 0;
    double airTemperature = 20;
    double humidity = 50;
    // The camera's: its emissivity is in the file; its reflected temperature and distance are
    // not, so they default to 20 ℃ and no atmosphere. The air is the same for both.
    double cameraEmissivity = 0.95;
    double cameraReflected = 20;
    double cameraDistance = 0;

    static constexpr double lowestEmissivity = 0.01;
    // The atmosphere's model holds its transmission above a quarter up to 200 m in any air from
    // −40 to 60 ℃ and 0 to 100 % humidity; beyond, it turns negative.
    static constexpr double longestDistance = 200;
    static constexpr double coldestAir = -40;
    static constexpr double warmestAir = 60;

    // The camera's own values for both, from the file's emissivity byte (in hundredths).
    static ObjectParameters ofCamera(int emissivityHundredths);

    // Every value finite and within its range.
    bool isValid() const;
    // New values that give back the camera's temperatures.
    bool isCameras() const;

    // As Korvex's block in a file keeps them; a damaged or missing value takes the camera's.
    QJsonObject toJson() const;
    static ObjectParameters fromJson(const QJsonValue& value, int emissivityHundredths);

    // The shapes' own emissivity and reflection as Korvex's block keeps them: [{"index": i,
    // "emissivity": e, "reflected": t}, …], i the shape's place among the file's records
    // (storedPlaces()), which is its place in the list a reader gives. Reading leaves a shape
    // whose entry is missing or damaged with the photograph's.
    template<typename Shapes>
    static QJsonArray shapesToJson(const Shapes& shapes);
    template<typename Shapes>
    static void shapesFromJson(const QJsonValue& value, Shapes& shapes);

    bool operator==(const ObjectParameters& other) const;
    bool operator!=(const ObjectParameters& other) const { return !(*this == other); }
};

// The radiance a camera's flat 8–14 µm band receives from a blackbody, to a constant factor, its
// inverse, and the atmosphere's transmission. Safe on any thread.
namespace Radiance {

// The band's radiance at a temperature in kelvin; 0 below 50 K, the radiance of 3500 K above it.
double ofKelvin(double kelvin);
// The temperature in kelvin, 50 to 3500, whose band radiance is this; false for any other
// radiance, one that is not positive among them.
bool kelvinOf(double radiance, double& kelvin);
// The share of radiation a path of air lets through, 0 to 1; 1 for no distance.
double transmission(double distance, double airCelsius, double humidityPercent);

} // namespace Radiance

// The one map from a stored temperature to the temperature with new object parameters, as a
// table over whole tenths, since that is what files store. Built once per parameter set and
// matrix span; a cell whose corrected radiance is not positive has no temperature ("N.A").
class TemperatureCorrection
{
public:
    // The identity: every stored temperature as it is.
    TemperatureCorrection() = default;
    // Over the stored tenths lowest to highest; any other tenth is worked out when asked.
    TemperatureCorrection(const ObjectParameters& parameters, int lowest, int highest);

    bool isIdentity() const { return identity; }
    // The corrected temperature in ℃ of a cell storing tenths; false where it has none.
    bool celsius(int tenths, double& corrected) const
    {
        if (identity) {
            corrected = tenths / 10.0;
            return true;
        }
        const int index = tenths - lowest;
        if (index >= 0 && index < table.size()) {
            corrected = table[index];
            return valid[index] != 0;
        }
        return compute(tenths, corrected);
    }
    // The same for a temperature in ℃ not held to tenths, such as a stored feature point's.
    bool celsius(double stored, double& corrected) const;

    // Whole tenths as a stored one would be: the nearest, or false with none.
    bool tenths(int stored, int& corrected) const;

private:
    bool compute(int tenths, double& corrected) const;
    bool computeCelsius(double stored, double& corrected) const;

    bool identity = true;
    ObjectParameters parameters;
    // What the camera's radiance is taken apart with: S = a·L(T₀) + b, T₁ = L⁻¹((S − c) / d).
    double a = 1, b = 0, c = 0, d = 1;
    bool blind = false;
    int lowest = 0;
    QVector<double> table;
    QVector<uchar> valid;
};

template<typename Shapes>
QJsonArray ObjectParameters::shapesToJson(const Shapes& shapes)
{
    QJsonArray list;
    // The file keeps shapes grouped by kind, so a list drawn in any other order reads back in
    // another; the index is where the shape will be then.
    const QVector<int> places = storedPlaces(shapes);
    for (int i = 0; i < shapes.size(); ++i) {
        const auto& shape = shapes.at(i);
        if (!shape.ownParameters || places.at(i) < 0)
            continue;
        list.append(QJsonObject{ { QStringLiteral("index"), places.at(i) },
                                 { QStringLiteral("emissivity"), shape.emissivity },
                                 { QStringLiteral("reflected"), shape.reflected } });
    }
    return list;
}

template<typename Shapes>
void ObjectParameters::shapesFromJson(const QJsonValue& value, Shapes& shapes)
{
    const QJsonArray list = value.toArray();
    for (const QJsonValue& item : list) {
        const QJsonObject entry = item.toObject();
        const double index = entry.value(QStringLiteral("index")).toDouble(-1);
        const double emissivity = entry.value(QStringLiteral("emissivity")).toDouble(-1);
        const double reflected = entry.value(QStringLiteral("reflected")).toDouble(-1e9);
        if (!(index >= 0 && index < shapes.size() && index == double(int(index))) ||
            !(emissivity >= lowestEmissivity && emissivity <= 1) ||
            !(reflected > -273.15 && reflected <= 2000))
            continue;
        auto& shape = shapes[int(index)];
        shape.ownParameters = true;
        shape.emissivity = emissivity;
        shape.reflected = reflected;
    }
}
