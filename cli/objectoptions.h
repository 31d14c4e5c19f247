#pragma once

#include "model/objectparameters.h"

#include <QCommandLineOption>
#include <QList>
#include <QString>

#include <optional>

class ImageEntity;
class QCommandLineParser;

// The object parameters typed on the command line. A value not typed stays as the photograph
// has it: from Korvex's block in the file, else the camera's.
class ObjectOptions
{
public:
    // --emissivity, --reflected, --distance, --air, --humidity, --camera-reflected and
    // --camera-distance.
    static QList<QCommandLineOption> options();

    // The values set on the parser, temperatures read in the unit (0 Celsius, 1 Fahrenheit,
    // 2 Kelvin) and kept in ℃. False with the reason in error for a malformed value or one out
    // of its range.
    bool read(const QCommandLineParser& parser, int unit, QString& error);

    bool isEmpty() const;
    // The photograph's parameters with the typed values in their place.
    ObjectParameters over(const ObjectParameters& photographs) const;
    // The same set on the photograph, whose correction is then built over its matrix.
    void applyTo(ImageEntity& photo) const;

    std::optional<double> emissivity;
    std::optional<double> reflected;
    std::optional<double> distance;
    std::optional<double> airTemperature;
    std::optional<double> humidity;
    std::optional<double> cameraReflected;
    std::optional<double> cameraDistance;
};
