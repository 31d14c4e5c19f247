#pragma once

#include <QByteArray>

// A photograph's temperature matrix over the bytes the file stores: width × height cells of
// little-endian int16 tenths of ℃, row by row. The bytes are shared, not copied. Any cell the
// bytes do not hold, or outside the matrix, reads as 0; nothing ever reads past their end.
class TemperatureMatrix
{
public:
    TemperatureMatrix() = default;
    TemperatureMatrix(const QByteArray& cells, int width, int height);

    int width() const { return columns; }
    int height() const { return rows; }
    const QByteArray& bytes() const { return cells; }
    // No cell at all: no width, no height or no bytes.
    bool isEmpty() const;
    // The bytes hold every cell of width × height.
    bool isComplete() const;

    qint16 tenths(int x, int y) const;
    float celsius(int x, int y) const;
    // Over the cells the bytes hold; 0 without any.
    struct Summary
    {
        float minimum = 0;
        float maximum = 0;
        float mean = 0;
    };
    // All three in one pass over the cells.
    Summary summary() const;
    float minimum() const { return summary().minimum; }
    float maximum() const { return summary().maximum; }
    float mean() const { return summary().mean; }

    // The mean of the 3 × 3 cells around (cx, cy) in ℃, cut to the matrix and held within low and
    // high; 0 without bytes, or when a cell it needs is missing.
    float reading(int cx, int cy, float low, float high) const;
    // The same reading straight from the bytes, for callers that read cell after cell and have
    // no matrix to hand: it spares them sharing the bytes anew for every cell.
    static float
    reading(const QByteArray& cells, int width, int height, int cx, int cy, float low, float high);

private:
    qint64 heldCells() const;
    qint16 cellAt(qint64 index) const;

    QByteArray cells;
    int columns = 0;
    int rows = 0;
};
