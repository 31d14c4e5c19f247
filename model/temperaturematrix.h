#pragma once

#include <QByteArray>
#include <QPoint>

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

    // The cell a position falls in, given as fractions of the photograph: column
    // min(⌊x·width⌋, width − 1), likewise for the row, held on the matrix. Positions come back
    // from files in steps of 1/10000, cut short by earlier writers, so a cell's own corner can
    // read up to a step below it; a position is taken a step and a half further on, which puts
    // every stored corner back in its cell and moves any other position by a fraction of a cell.
    QPoint cellAt(double x, double y) const;
    static int cellIndex(double fraction, int cells);
    // The top-left corner of a cell as fractions, where a measured extreme is kept.
    static float cornerOf(int index, int cells)
    {
        return cells > 0 ? float(index) / float(cells) : 0;
    }

private:
    qint64 heldCells() const;
    qint16 cellAt(qint64 index) const;

    QByteArray cells;
    int columns = 0;
    int rows = 0;
};
