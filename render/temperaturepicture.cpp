#include "render/temperaturepicture.h"

#include "render/palettetable.h"

#include <QtEndian>

#include <cmath>

namespace {

constexpr double tenthsPerDegree = 10.0;

// The cells as the bytes hold them, read once; the matrix has every cell (checked by callers).
template<typename Visit>
void forEachCell(const TemperatureMatrix& matrix, Visit&& visit)
{
    const char* data = matrix.bytes().constData();
    const qint64 cells = qint64(matrix.width()) * matrix.height();
    for (qint64 i = 0; i < cells; ++i)
        visit(i, qFromLittleEndian<qint16>(data + 2 * i));
}

QRgb halfway(QRgb a, QRgb b)
{
    return qRgb((qRed(a) + qRed(b)) / 2, (qGreen(a) + qGreen(b)) / 2, (qBlue(a) + qBlue(b)) / 2);
}

// Whether the isotherm covers a cell storing some tenths, decided once per tenth of the matrix's
// span.
class Coverer
{
public:
    Coverer(const TemperatureMatrix& matrix,
            const Isotherm& isotherm,
            const TemperatureCorrection& correction)
    {
        const TemperatureMatrix::Summary summary = matrix.summary();
        lowest = int(std::lround(summary.minimum * tenthsPerDegree));
        const int highest = int(std::lround(summary.maximum * tenthsPerDegree));
        table.resize(qMax(0, highest - lowest + 1));
        for (int i = 0; i < table.size(); ++i) {
            double shown = 0;
            table[i] = correction.celsius(lowest + i, shown) && isotherm.covers(shown);
        }
    }
    bool operator()(int tenths) const
    {
        const int index = tenths - lowest;
        return index >= 0 && index < table.size() && table[index] != 0;
    }

private:
    QVector<uchar> table;
    int lowest = 0;
};

} // namespace

int TemperaturePicture::linearEntry(int tenths, double low, double high)
{
    return linearEntryOf(tenths / tenthsPerDegree, low, high);
}

int TemperaturePicture::linearEntryOf(double celsius, double low, double high)
{
    if (!(high > low))
        return -1;
    const double scaled = std::floor((celsius - low) / (high - low) * 256.0);
    return int(qBound(0.0, scaled, 255.0));
}

bool TemperaturePicture::shownSpan(const TemperatureMatrix& matrix,
                                   const TemperatureCorrection& correction,
                                   double& low,
                                   double& high)
{
    if (!matrix.isComplete())
        return false;
    const TemperatureMatrix::Summary summary = matrix.summary();
    const int lowest = int(std::lround(summary.minimum * tenthsPerDegree));
    const int highest = int(std::lround(summary.maximum * tenthsPerDegree));
    // The map keeps the order of temperatures, and the cells without one are the coldest.
    if (!correction.celsius(highest, high))
        return false;
    for (int tenths = lowest; tenths <= highest; ++tenths) {
        if (correction.celsius(tenths, low))
            return true;
    }
    return false;
}

qint64 TemperaturePicture::plateau(qint64 cells, int occupied)
{
    // Twice a temperature's fair share: a wall or sky at one temperature takes no more of the
    // palette than two temperatures of the detail would, and a scene without large uniform
    // areas is spread as plain equalisation would spread it.
    if (occupied <= 0)
        return 1;
    return qMax<qint64>(1, (2 * cells + occupied - 1) / occupied);
}

QVector<uchar> TemperaturePicture::entries(const TemperatureMatrix& matrix,
                                           const TemperatureRange& range,
                                           int& lowest,
                                           const TemperatureCorrection& correction)
{
    if (range.mode == TemperatureRange::Camera || !matrix.isComplete())
        return {};
    const TemperatureMatrix::Summary summary = matrix.summary();
    lowest = int(std::lround(summary.minimum * tenthsPerDegree));
    const int highest = int(std::lround(summary.maximum * tenthsPerDegree));
    QVector<uchar> table(highest - lowest + 1);

    if (range.mode == TemperatureRange::Manual || range.mode == TemperatureRange::Auto) {
        double low = range.low;
        double high = range.high;
        if (range.mode == TemperatureRange::Auto) {
            if (!shownSpan(matrix, correction, low, high))
                return {};
            if (!(high > low)) {
                table.fill(128);
                return table;
            }
        }
        if (!(high > low))
            return {};
        for (int i = 0; i < table.size(); ++i) {
            double shown = 0;
            table[i] = correction.celsius(lowest + i, shown)
                         ? uchar(linearEntryOf(shown, low, high))
                         : uchar(0);
        }
        return table;
    }

    // Histogram: each temperature at the middle of its capped share of the cells, counted from
    // the coldest.
    QVector<qint64> counts(table.size(), 0);
    forEachCell(matrix, [&](qint64, qint16 tenths) { ++counts[tenths - lowest]; });
    int occupied = 0;
    for (qint64 count : qAsConst(counts))
        occupied += count > 0;
    const qint64 cap = plateau(qint64(matrix.width()) * matrix.height(), occupied);
    qint64 total = 0;
    for (qint64& count : counts) {
        count = qMin(count, cap);
        total += count;
    }
    qint64 below = 0;
    for (int i = 0; i < table.size(); ++i) {
        const double rank = (below + counts[i] / 2.0) / double(total);
        table[i] = uchar(qBound(0.0, std::floor(rank * 256.0), 255.0));
        below += counts[i];
    }
    return table;
}

QImage TemperaturePicture::render(const TemperatureMatrix& matrix,
                                  const TemperatureRange& range,
                                  unsigned palette,
                                  const TemperatureCorrection& correction)
{
    const QRgb* colours = PaletteTable::colors(palette);
    int lowest = 0;
    const QVector<uchar> table = entries(matrix, range, lowest, correction);
    if (!colours || table.isEmpty())
        return QImage();
    QVector<QRgb> lookUp(table.size());
    for (int i = 0; i < table.size(); ++i)
        lookUp[i] = colours[table[i]];
    QImage picture(matrix.width(), matrix.height(), QImage::Format_RGB32);
    if (picture.isNull())
        return picture;
    const int width = matrix.width();
    const char* cells = matrix.bytes().constData();
    const QRgb* colourOf = lookUp.constData() - lowest;
    // Row by row: a division per cell to find its row cost more than the look-up itself.
    for (int y = 0; y < picture.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
        const char* row = cells + 2 * qint64(y) * width;
        for (int x = 0; x < width; ++x)
            line[x] = colourOf[qFromLittleEndian<qint16>(row + 2 * x)];
    }
    return picture;
}

double TemperaturePicture::paintIsotherm(QImage& picture,
                                         const TemperatureMatrix& matrix,
                                         const Isotherm& isotherm,
                                         const TemperatureCorrection& correction)
{
    if (isotherm.kind == Isotherm::None || !matrix.isComplete() || picture.isNull())
        return 0;
    if (picture.format() != QImage::Format_RGB32 && picture.format() != QImage::Format_ARGB32)
        picture = picture.convertToFormat(QImage::Format_RGB32);
    const QRgb colour = isotherm.colour | 0xff000000u;
    const int width = matrix.width();
    const int height = matrix.height();
    // Whether each cell is covered, so a picture of another size (the camera's gray picture
    // need not match the matrix) asks each pixel's cell rather than the limits.
    QVector<uchar> covers(width * height);
    qint64 covered = 0;
    const Coverer coversTenths(matrix, isotherm, correction);
    forEachCell(matrix, [&](qint64 i, qint16 tenths) {
        covers[int(i)] = coversTenths(tenths);
        covered += covers[int(i)];
    });
    if (covered > 0) {
        // A pixel takes the cell its centre falls in.
        QVector<int> columnCell(picture.width());
        for (int x = 0; x < picture.width(); ++x)
            columnCell[x] = qMin(width - 1, int((x + 0.5) * width / picture.width()));
        for (int y = 0; y < picture.height(); ++y) {
            const uchar* row =
              covers.constData() +
              qMin(height - 1, int((y + 0.5) * height / picture.height())) * qint64(width);
            auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
            for (int x = 0; x < picture.width(); ++x) {
                if (row[columnCell[x]])
                    line[x] = isotherm.translucent ? halfway(line[x], colour) : colour;
            }
        }
    }
    return double(covered) / (double(width) * height);
}

double TemperaturePicture::coverage(const TemperatureMatrix& matrix,
                                    const Isotherm& isotherm,
                                    const TemperatureCorrection& correction)
{
    if (isotherm.kind == Isotherm::None || !matrix.isComplete())
        return 0;
    const Coverer coversTenths(matrix, isotherm, correction);
    qint64 covered = 0;
    forEachCell(matrix, [&](qint64, qint16 tenths) { covered += coversTenths(tenths); });
    return double(covered) / (double(matrix.width()) * matrix.height());
}
