#include "model/temperaturematrix.h"

#include "model/radiometricformat.h"

#include <QtEndian>

#include <cmath>

namespace {

constexpr int cellSize = RadiometricFormat::temperatureCellSize;
constexpr float tenthsPerDegree = 10.0f;

} // namespace

TemperatureMatrix::TemperatureMatrix(const QByteArray& cells, int width, int height)
  : cells(cells)
  , columns(qMax(0, width))
  , rows(qMax(0, height))
{
}

bool TemperatureMatrix::isEmpty() const
{
    return heldCells() == 0;
}

bool TemperatureMatrix::isComplete() const
{
    return !isEmpty() && heldCells() == qint64(columns) * rows;
}

qint64 TemperatureMatrix::heldCells() const
{
    return qMin(qint64(columns) * rows, qint64(cells.size() / cellSize));
}

qint16 TemperatureMatrix::cellAt(qint64 index) const
{
    return qFromLittleEndian<qint16>(cells.constData() + index * cellSize);
}

qint16 TemperatureMatrix::tenths(int x, int y) const
{
    if (x < 0 || y < 0 || x >= columns || y >= rows)
        return 0;
    const qint64 index = qint64(columns) * y + x;
    return index < heldCells() ? cellAt(index) : qint16(0);
}

float TemperatureMatrix::celsius(int x, int y) const
{
    return float(tenths(x, y)) / tenthsPerDegree;
}

TemperatureMatrix::Summary TemperatureMatrix::summary() const
{
    Summary summary;
    const qint64 held = heldCells();
    if (held == 0)
        return summary;
    // Read straight from the bytes: the window does this on every step of a range drag.
    const char* data = cells.constData();
    qint16 lowest = qFromLittleEndian<qint16>(data);
    qint16 highest = lowest;
    // Whole tenths add up exactly; only the one division rounds.
    qint64 sum = 0;
    for (qint64 i = 0; i < held; ++i) {
        const qint16 cell = qFromLittleEndian<qint16>(data + i * cellSize);
        lowest = qMin(lowest, cell);
        highest = qMax(highest, cell);
        sum += cell;
    }
    summary.minimum = float(lowest) / tenthsPerDegree;
    summary.maximum = float(highest) / tenthsPerDegree;
    summary.mean = float(double(sum) / double(held) / 10.0);
    return summary;
}

int TemperatureMatrix::cellIndex(double fraction, int cells)
{
    if (cells <= 0 || std::isnan(fraction))
        return 0;
    constexpr double storedStep = 1e-4;
    const double index = std::floor((fraction + 1.5 * storedStep) * cells);
    return int(qBound(0.0, index, double(cells - 1)));
}

QPoint TemperatureMatrix::cellAt(double x, double y) const
{
    return QPoint(cellIndex(x, columns), cellIndex(y, rows));
}
