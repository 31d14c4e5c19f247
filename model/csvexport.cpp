#include "model/csvexport.h"

#include "model/imageentity.h"

#include <QSaveFile>
#include <QtEndian>

#include <cmath>

namespace {

const char* const unitNames[] = { "C", "F", "K" };

bool isKnownUnit(int unit)
{
    return unit >= 0 && unit <= 2;
}

// A cell of the matrix from a fraction of it. Fractions of a label multiply out to a cell index
// only up to rounding, so a hair below a whole number counts as that number.
int cellOf(float fraction, int size)
{
    const int cell = int(std::floor(double(fraction) * size + 1e-4));
    return qBound(0, cell, size - 1);
}

} // namespace

QByteArray CsvExport::number(float celsius, int unit)
{
    if (!isKnownUnit(unit) || std::isnan(celsius))
        return QByteArray();
    const double value = double(ImageEntity::convertTemperature(celsius, 0, unit));
    QByteArray text = QByteArray::number(value, 'f', 1);
    if (text == "-0.0")
        text = "0.0";
    return text;
}

QByteArray CsvExport::kindName(int type)
{
    static const char* const names[] = { "point", "line", "rectangle", "oval" };
    return type >= 0 && type <= 3 ? QByteArray(names[type]) : QByteArray::number(type);
}

QByteArray CsvExport::temperatures(const ImageEntity& photo, int unit)
{
    const qint64 width = photo.temperatureWidth;
    const qint64 height = photo.temperatureHeight;
    if (width <= 0 || height <= 0 || photo.temperatureData.size() < 2 * width * height)
        return QByteArray();
    const auto* cells = reinterpret_cast<const uchar*>(photo.temperatureData.constData());
    QByteArray text;
    // Seven bytes a value is about what "-123.4," takes.
    text.reserve(int(qMin<qint64>(width * height * 7, 1 << 30)));
    for (qint64 y = 0; y < height; ++y) {
        for (qint64 x = 0; x < width; ++x) {
            if (x > 0)
                text += ',';
            const qint16 tenths = qFromLittleEndian<qint16>(cells + 2 * (y * width + x));
            text += number(float(tenths) / 10.0f, unit);
        }
        text += '\n';
    }
    return text;
}

QByteArray CsvExport::shapes(const QList<ImageDrawPath>& shapes,
                             int matrixWidth,
                             int matrixHeight,
                             int unit)
{
    QByteArray text("kind,start_x,start_y,end_x,end_y,max,max_x,max_y,min,min_x,min_y,unit\n");
    if (matrixWidth <= 0 || matrixHeight <= 0)
        return text;
    const QByteArray unitName = isKnownUnit(unit) ? QByteArray(unitNames[unit]) : QByteArray();
    const auto position = [&](const PathPoint& point) {
        return QByteArray::number(cellOf(point.x, matrixWidth)) + ',' +
               QByteArray::number(cellOf(point.y, matrixHeight));
    };
    for (const ImageDrawPath& shape : shapes) {
        const PathPoint& maximum = shape.points[3];
        const PathPoint& minimum = shape.points[4];
        text += kindName(shape.type) + ',' + position(shape.points[0]) + ',' +
                position(shape.points[1]) + ',' + number(maximum.value, unit) + ',' +
                position(maximum) + ',';
        // A point shape has one reading, kept as its maximum.
        if (shape.type == 0)
            text += ",,";
        else
            text += number(minimum.value, unit) + ',' + position(minimum);
        text += ',' + unitName + '\n';
    }
    return text;
}

bool CsvExport::write(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
