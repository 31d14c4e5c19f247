#include "model/csvexport.h"

#include "model/findings.h"
#include "model/imageentity.h"
#include "model/wholefile.h"

#include <cmath>

namespace {

const char* const unitNames[] = { "C", "F", "K" };

bool isKnownUnit(int unit)
{
    return unit >= 0 && unit <= 2;
}

} // namespace

QByteArray CsvExport::number(float celsius, int unit)
{
    if (!isKnownUnit(unit) || std::isnan(celsius))
        return QByteArray();
    const double value =
      double(ImageEntity::convertTemperature(celsius, int(TemperatureUnit::Celsius), unit));
    QByteArray text = QByteArray::number(value, 'f', 1);
    if (text == "-0.0")
        text = "0.0";
    return text;
}

QByteArray CsvExport::shown(double stored, int unit, const TemperatureCorrection& correction)
{
    // The camera's own values go out as they always did, untouched by a round trip through double.
    if (correction.isIdentity())
        return number(float(stored), unit);
    double corrected = 0;
    if (!correction.celsius(stored, corrected))
        return isKnownUnit(unit) ? notAvailable() : QByteArray();
    return number(float(corrected), unit);
}

QByteArray CsvExport::kindName(int type)
{
    static const char* const names[] = { "point", "line", "rectangle", "oval" };
    return type >= int(ShapeKind::Point) && type <= int(ShapeKind::Oval) ? QByteArray(names[type])
                                                                         : QByteArray::number(type);
}

QByteArray CsvExport::temperatures(const ImageEntity& photo, int unit)
{
    const TemperatureMatrix matrix = photo.temperatures();
    if (!matrix.isComplete())
        return QByteArray();
    const int width = matrix.width();
    const int height = matrix.height();
    const TemperatureCorrection& correction = photo.correction();
    const bool known = isKnownUnit(unit);
    QByteArray text;
    // Seven bytes a value is about what "-123.4," takes.
    text.reserve(int(qMin<qint64>(qint64(width) * height * 7, 1 << 30)));
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (x > 0)
                text += ',';
            if (correction.isIdentity()) {
                text += number(matrix.celsius(x, y), unit);
                continue;
            }
            // Whole tenths go through the correction's table, not its slower general case.
            double corrected = 0;
            if (correction.celsius(int(matrix.tenths(x, y)), corrected))
                text += number(float(corrected), unit);
            else if (known)
                text += notAvailable();
        }
        text += '\n';
    }
    return text;
}

QByteArray CsvExport::difference(double kelvin, int unit)
{
    const double value = Findings::differenceIn(kelvin, unit);
    if (std::isnan(value))
        return QByteArray();
    QByteArray text = QByteArray::number(value, 'f', 1);
    if (text == "-0.0")
        text = "0.0";
    return text;
}

QByteArray CsvExport::field(const QString& text)
{
    QByteArray bytes = text.toUtf8();
    if (bytes.contains(',') || bytes.contains('"') || bytes.contains('\n') ||
        bytes.contains('\r')) {
        bytes.replace('"', "\"\"");
        bytes = '"' + bytes + '"';
    }
    return bytes;
}

QByteArray CsvExport::shapeLines(const QList<ImageDrawPath>& shapes,
                                 int matrixWidth,
                                 int matrixHeight,
                                 int unit,
                                 const std::function<TemperatureCorrection(int)>& correctionFor,
                                 const std::function<QByteArray(int)>& tailFor)
{
    // New columns go at the end, so that a script reading the older ones by place still works.
    QByteArray text("kind,start_x,start_y,end_x,end_y,max,max_x,max_y,min,min_x,min_y,unit,"
                    "name,mean,cells,delta_t,class\n");
    if (matrixWidth <= 0 || matrixHeight <= 0)
        return text;
    const QByteArray unitName = isKnownUnit(unit) ? QByteArray(unitNames[unit]) : QByteArray();
    const auto position = [&](const PathPoint& point) {
        return QByteArray::number(TemperatureMatrix::cellIndex(point.x, matrixWidth)) + ',' +
               QByteArray::number(TemperatureMatrix::cellIndex(point.y, matrixHeight));
    };
    for (int i = 0; i < shapes.size(); ++i) {
        const ImageDrawPath& shape = shapes.at(i);
        const TemperatureCorrection correction = correctionFor(i);
        const PathPoint& maximum = shape.point(PointRole::Maximum);
        const PathPoint& minimum = shape.point(PointRole::Minimum);
        text += CsvExport::kindName(shape.type) + ',' + position(shape.point(PointRole::Start)) +
                ',' + position(shape.point(PointRole::End)) + ',' +
                CsvExport::shown(maximum.value, unit, correction) + ',' + position(maximum) + ',';
        // A point shape has one reading, kept as its maximum.
        if (shape.kind() == ShapeKind::Point)
            text += ",,";
        else
            text += CsvExport::shown(minimum.value, unit, correction) + ',' + position(minimum);
        text += ',' + unitName + tailFor(i) + '\n';
    }
    return text;
}

QByteArray CsvExport::shapes(const QList<ImageDrawPath>& shapes,
                             int matrixWidth,
                             int matrixHeight,
                             int unit,
                             const TemperatureCorrection& correction)
{
    // Shapes not named yet go out under the names they are to get.
    QList<ImageDrawPath> named = shapes;
    ShapeNames::assign(named);
    return shapeLines(
      shapes,
      matrixWidth,
      matrixHeight,
      unit,
      [&](int) { return correction; },
      [&](int i) {
          const ImageDrawPath& shape = named.at(i);
          const bool mean = correction.isIdentity() && shape.kind() != ShapeKind::Point &&
                            shape.cells > 0 && !std::isnan(shape.mean);
          return ',' + field(shape.name) + ',' + (mean ? number(shape.mean, unit) : QByteArray()) +
                 ',' + QByteArray::number(shape.cells) + ",,";
      });
}

bool CsvExport::write(const QString& path, const QByteArray& bytes, QString* error)
{
    return WholeFile::write(path, bytes, error);
}
