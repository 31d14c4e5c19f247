#pragma once

#include "model/imagedrawpath.h"
#include "model/objectparameters.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <functional>

class ImageEntity;

// A photograph's numbers as comma-separated text: UTF-8, one decimal with a dot, temperatures in
// a unit code (0 Celsius, 1 Fahrenheit, 2 Kelvin; any other code leaves the values empty).
// Temperatures are written as shown: through the photograph's correction, "N.A" where the object
// has none with its parameters.
class CsvExport
{
public:
    CsvExport() = delete;

    // The temperature matrix, one line per row, no header.
    static QByteArray temperatures(const ImageEntity& photo, int unit);
    // One line per shape under a header, positions in matrix cells. The shapes' values are stored
    // temperatures, shown through correction (the photograph's). The last five fields are the
    // measurement table's: the name, the mean and cell count of the shape's latest measurement
    // (the mean only with the camera's own parameters, since a corrected mean needs the matrix),
    // and an empty difference and class, there being no reference to take them from.
    static QByteArray shapes(const QList<ImageDrawPath>& shapes,
                             int matrixWidth,
                             int matrixHeight,
                             int unit,
                             const TemperatureCorrection& correction = TemperatureCorrection());
    // The same for a photograph's shapes as shown on it: through its correction, or for a shape
    // with its own emissivity through that shape's, with the mean, size, difference and class of
    // its measurement table. Measuring needs the cells' rule, so this one is defined beside the
    // table in korvex_measure (measure/measurementtable.cpp).
    static QByteArray shapes(const QList<ImageDrawPath>& shapes,
                             const ImageEntity& photo,
                             int unit);
    // The shapes file from its parts: each shape's temperatures through correctionFor(index),
    // its last five fields from tailFor(index), which writes them each after a comma.
    static QByteArray shapeLines(const QList<ImageDrawPath>& shapes,
                                 int matrixWidth,
                                 int matrixHeight,
                                 int unit,
                                 const std::function<TemperatureCorrection(int)>& correctionFor,
                                 const std::function<QByteArray(int)>& tailFor);
    // A difference of temperature in kelvin in a unit, one decimal; empty for NaN or an unknown
    // unit.
    static QByteArray difference(double kelvin, int unit);
    // Text as one field: quoted as RFC 4180 asks where it holds a comma, a quote or a line break.
    static QByteArray field(const QString& text);
    // One temperature in ℃ as the files write it.
    static QByteArray number(float celsius, int unit);
    // A stored temperature in ℃ through a correction, as the files write it.
    static QByteArray shown(double stored, int unit, const TemperatureCorrection& correction);
    // What a value with no temperature reads.
    static QByteArray notAvailable() { return QByteArrayLiteral("N.A"); }
    // The kind of a shape as the shape file names it: point, line, rectangle or oval.
    static QByteArray kindName(int type);
    // Writes the whole file or nothing; an existing file stays as it was when writing fails, and
    // error gets the system's reason.
    static bool write(const QString& path, const QByteArray& bytes, QString* error = nullptr);
};
