#pragma once

#include "model/objectparameters.h"
#include "model/temperaturematrix.h"
#include "model/temperaturerange.h"

#include <QImage>
#include <QVector>

// The palette picture made from the temperature matrix instead of the camera's gray matrix, at
// the matrix's size, so that a range means the same temperatures in the window, a saved picture
// and korvex-cli. Ranges and isotherms are in the temperatures shown, each cell's stored one
// through the correction of the object parameters in force (none by default); a cell with no
// temperature takes the coldest entry and no isotherm. Every function is a pure function of its
// arguments, safe on any thread.
class TemperaturePicture
{
public:
    TemperaturePicture() = delete;

    // The palette entry of a cell of t ℃ (tenths ÷ 10) in a linear range:
    // clamp(⌊(t − low) / (high − low) × 256⌋, 0, 255); -1 for a range with high ≤ low.
    static int linearEntry(int tenths, double low, double high);
    // The same for a temperature in ℃ not held to tenths.
    static int linearEntryOf(double celsius, double low, double high);

    // The palette entry of every temperature from lowest to lowest + entries.size() − 1 tenths,
    // for the range's mode over this matrix; empty for Camera, for a manual range with high ≤
    // low, or for a matrix without all its cells. Auto over a matrix of one temperature puts it
    // in the middle of the palette.
    static QVector<uchar> entries(const TemperatureMatrix& matrix,
                                  const TemperatureRange& range,
                                  int& lowest,
                                  const TemperatureCorrection& correction = {});

    // The histogram's cap on the cells one temperature may count with, for a matrix of cells
    // cells spread over occupied distinct temperatures.
    static qint64 plateau(qint64 cells, int occupied);

    // The matrix through the palette with the range's mode; null where entries() is empty or the
    // palette code is unknown.
    static QImage render(const TemperatureMatrix& matrix,
                         const TemperatureRange& range,
                         unsigned palette,
                         const TemperatureCorrection& correction = {});

    // Paints the isotherm's cells over a picture and returns the share of the matrix's cells it
    // covers, 0 to 1. On a picture of another size than the matrix each pixel shows the cell its
    // centre falls in.
    static double paintIsotherm(QImage& picture,
                                const TemperatureMatrix& matrix,
                                const Isotherm& isotherm,
                                const TemperatureCorrection& correction = {});
    // The share of the matrix's cells the isotherm covers, 0 to 1, as paintIsotherm() counts it.
    static double coverage(const TemperatureMatrix& matrix,
                           const Isotherm& isotherm,
                           const TemperatureCorrection& correction = {});
    // The coldest and hottest temperature shown, in ℃, over the cells that have one; false
    // with none.
    static bool shownSpan(const TemperatureMatrix& matrix,
                          const TemperatureCorrection& correction,
                          double& low,
                          double& high);
};
