#pragma once

#include "model/imagedrawpath.h"

#include <QByteArray>
#include <QList>
#include <QString>

class ImageEntity;

// A photograph's numbers as comma-separated text: UTF-8, one decimal with a dot, temperatures in
// a unit code (0 Celsius, 1 Fahrenheit, 2 Kelvin; any other code leaves the values empty).
class CsvExport
{
public:
    CsvExport() = delete;

    // The temperature matrix, one line per row, no header.
    static QByteArray temperatures(const ImageEntity& photo, int unit);
    // One line per shape under a header, positions in matrix cells.
    static QByteArray shapes(const QList<ImageDrawPath>& shapes,
                             int matrixWidth,
                             int matrixHeight,
                             int unit);
    // One temperature in ℃ as the files write it.
    static QByteArray number(float celsius, int unit);
    // The kind of a shape as the shape file names it: point, line, rectangle or oval.
    static QByteArray kindName(int type);
    // Writes the whole file or nothing; an existing file stays as it was when writing fails, and
    // error gets the system's reason.
    static bool write(const QString& path, const QByteArray& bytes, QString* error = nullptr);
};
