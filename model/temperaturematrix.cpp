#include "model/temperaturematrix.h"

#include "model/radiometricformat.h"

#include <QtEndian>

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
    qint16 lowest = cellAt(0);
    qint16 highest = lowest;
    // Whole tenths add up exactly; only the one division rounds.
    qint64 sum = 0;
    for (qint64 i = 0; i < held; ++i) {
        const qint16 cell = cellAt(i);
        lowest = qMin(lowest, cell);
        highest = qMax(highest, cell);
        sum += cell;
    }
    summary.minimum = float(lowest) / tenthsPerDegree;
    summary.maximum = float(highest) / tenthsPerDegree;
    summary.mean = float(double(sum) / double(held) / 10.0);
    return summary;
}

float TemperatureMatrix::reading(int cx, int cy, float low, float high) const
{
    return reading(cells, columns, rows, cx, cy, low, high);
}

float TemperatureMatrix::reading(const QByteArray& cells,
                                 int columns,
                                 int rows,
                                 int cx,
                                 int cy,
                                 float low,
                                 float high)
{
    if (cells.isEmpty())
        return 0;
    columns = qMax(0, columns);
    rows = qMax(0, rows);
    // The window is cut to the matrix. A cell more than one past the border would leave no cell
    // at all, so it falls back to the nearest border cell instead of dividing by zero.
    auto span = [](int c, int size, int& first, int& last) {
        first = qMax(c - 1, 0);
        last = c + 1 < size ? c + 1 : size - 1;
        if (first > last)
            first = last = c < 0 ? 0 : size - 1;
    };
    int firstColumn, lastColumn, firstRow, lastRow;
    span(cx, columns, firstColumn, lastColumn);
    span(cy, rows, firstRow, lastRow);
    if (lastColumn < 0 || lastRow < 0 ||
        cellSize * (qint64(columns) * lastRow + lastColumn + 1) > cells.size())
        return 0;
    // Column by column: the order of the additions decides the last bit of the sum.
    const char* data = cells.constData();
    float sum = 0;
    for (int column = firstColumn; column <= lastColumn; ++column) {
        for (int row = firstRow; row <= lastRow; ++row) {
            const qint64 offset = (qint64(columns) * row + column) * cellSize;
            sum += float(qFromLittleEndian<qint16>(data + offset)) / tenthsPerDegree;
        }
    }
    float mean = sum / float((lastColumn - firstColumn + 1) * (lastRow - firstRow + 1));
    if (mean > high)
        mean = high;
    if (mean < low)
        mean = low;
    return mean;
}
