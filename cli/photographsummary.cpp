#include "cli/photographsummary.h"

#include "measure/regionmeasure.h"
#include "model/csvexport.h"
#include "model/radiometriclayout.h"
#include "model/radiometricreader.h"

#include <QFile>
#include <QJsonArray>

#include <cmath>

namespace {

double oneDecimal(float value)
{
    return std::round(double(value) * 10.0) / 10.0;
}

// Positions are stored as fractions × 10000; four decimals give them back as stored.
double storedFraction(float value)
{
    return std::round(double(value) * 10000.0) / 10000.0;
}

QJsonObject featureJson(const FeaturePoint& point)
{
    return QJsonObject{ { QStringLiteral("x"), int(point.x) },
                        { QStringLiteral("y"), int(point.y) },
                        { QStringLiteral("celsius"), oneDecimal(point.temperature) } };
}

QJsonArray cellJson(const QPoint& cell)
{
    return QJsonArray{ cell.x(), cell.y() };
}

QJsonObject sampleJson(const PathPoint& point, const TemperatureMatrix& matrix)
{
    return QJsonObject{ { QStringLiteral("x"), storedFraction(point.x) },
                        { QStringLiteral("y"), storedFraction(point.y) },
                        { QStringLiteral("cell"), cellJson(matrix.cellAt(point.x, point.y)) },
                        { QStringLiteral("celsius"), oneDecimal(point.value) } };
}

QJsonArray pair(const PathPoint& point)
{
    return QJsonArray{ storedFraction(point.x), storedFraction(point.y) };
}

// The shape measured now on the matrix, as the window measures it, beside what the file stores.
QJsonValue measuredJson(const ImageDrawPath& shape, const TemperatureMatrix& matrix)
{
    RegionMeasure::Statistics found;
    const PathPoint& start = shape.point(PointRole::Start);
    const PathPoint& end = shape.point(PointRole::End);
    if (!RegionMeasure(matrix).statistics(
          shape.kind(), QPointF(start.x, start.y), QPointF(end.x, end.y), found))
        return QJsonValue(QJsonValue::Null);
    const auto extreme = [](int tenths, const QPoint& cell) {
        return QJsonObject{ { QStringLiteral("celsius"), double(tenths) / 10.0 },
                            { QStringLiteral("cell"), cellJson(cell) } };
    };
    const bool point = shape.kind() == ShapeKind::Point;
    return QJsonObject{ { QStringLiteral("max"), extreme(found.maximum, found.hottest) },
                        { QStringLiteral("min"),
                          point ? QJsonValue(QJsonValue::Null)
                                : QJsonValue(extreme(found.minimum, found.coldest)) },
                        { QStringLiteral("mean"), std::round(found.meanTenths) / 10.0 },
                        { QStringLiteral("cells"), found.cells } };
}

bool readBytes(const QString& path, QByteArray& bytes, QString& error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("cannot be opened: ") + file.errorString();
        return false;
    }
    if (file.size() > RadiometricReader::maximumFileSize) {
        error = QStringLiteral("the file is too large to be a photograph");
        return false;
    }
    bytes = file.readAll();
    if (bytes.size() != file.size()) {
        error = QStringLiteral("the file cannot be read: ") + file.errorString();
        return false;
    }
    if (!RadiometricLayout::beginsAsImage(bytes)) {
        error = QStringLiteral("not a JPEG file");
        return false;
    }
    return true;
}

} // namespace

PhotographSummary PhotographSummary::read(const QString& path, Images images)
{
    PhotographSummary summary;
    summary.file = path;
    QByteArray bytes;
    if (!readBytes(path, bytes, summary.error))
        return summary;
    ImageEntity& photo = summary.entity;
    const RadiometricReader::Images mode = images == Images::Decode
                                             ? RadiometricReader::Images::Decode
                                             : RadiometricReader::Images::Skip;
    if (!RadiometricReader::read(bytes, photo, &summary.error, mode)) {
        if (summary.error.isEmpty())
            summary.error = QStringLiteral("not a radiometric photograph");
        return summary;
    }
    summary.ok = true;
    RadiometricLayout::findJpegs(bytes, &summary.jpegs);
    bytes.clear();
    const TemperatureMatrix matrix = photo.temperatures();
    if (matrix.isComplete()) {
        const TemperatureMatrix::Summary cells = matrix.summary();
        summary.hasMatrix = true;
        summary.matrixMax = cells.maximum;
        summary.matrixMin = cells.minimum;
        summary.matrixMean = cells.mean;
    }
    return summary;
}

QJsonObject PhotographSummary::json() const
{
    QJsonObject object{ { QStringLiteral("file"), file },
                        { QStringLiteral("ok"), ok },
                        { QStringLiteral("error"),
                          ok ? QJsonValue(QJsonValue::Null) : QJsonValue(error) } };
    if (!ok)
        return object;
    const ImageDetails& details = entity.details;
    const auto matrixValue = [this](float value) {
        return hasMatrix ? QJsonValue(oneDecimal(value)) : QJsonValue(QJsonValue::Null);
    };
    QJsonArray shapes;
    const TemperatureMatrix matrix = entity.temperatures();
    for (const ImageDrawPath& shape : entity.image_drawpaths) {
        const PathPoint& start = shape.point(PointRole::Start);
        const PathPoint& end = shape.point(PointRole::End);
        // A point has one reading, kept as its maximum; it has no minimum to give.
        const bool point = shape.kind() == ShapeKind::Point;
        shapes.append(QJsonObject{
          { QStringLiteral("kind"), QString::fromLatin1(CsvExport::kindName(shape.type)) },
          { QStringLiteral("start"), pair(start) },
          { QStringLiteral("end"), pair(end) },
          { QStringLiteral("start_cell"), cellJson(matrix.cellAt(start.x, start.y)) },
          { QStringLiteral("end_cell"), cellJson(matrix.cellAt(end.x, end.y)) },
          { QStringLiteral("max"), sampleJson(shape.point(PointRole::Maximum), matrix) },
          { QStringLiteral("min"),
            point ? QJsonValue(QJsonValue::Null)
                  : QJsonValue(sampleJson(shape.point(PointRole::Minimum), matrix)) },
          { QStringLiteral("measured"), measuredJson(shape, matrix) } });
    }
    object.insert(QStringLiteral("jpegs"), jpegs);
    object.insert(QStringLiteral("capture_time"), details.captureTime);
    object.insert(QStringLiteral("emissivity"), double(details.emissivity) / 100.0);
    object.insert(QStringLiteral("palette"), details.palette);
    object.insert(QStringLiteral("unit"), details.unit);
    object.insert(QStringLiteral("blend"), details.blend);
    object.insert(QStringLiteral("matrix"),
                  QJsonObject{ { QStringLiteral("width"), entity.temperatureWidth },
                               { QStringLiteral("height"), entity.temperatureHeight } });
    object.insert(QStringLiteral("max"), featureJson(details.feature.maxPoint));
    object.insert(QStringLiteral("min"), featureJson(details.feature.minPoint));
    object.insert(QStringLiteral("centre"), featureJson(details.feature.centrePoint));
    object.insert(QStringLiteral("matrix_max"), matrixValue(matrixMax));
    object.insert(QStringLiteral("matrix_min"), matrixValue(matrixMin));
    object.insert(QStringLiteral("matrix_mean"), matrixValue(matrixMean));
    object.insert(QStringLiteral("shapes"), shapes);
    return object;
}

QString PhotographSummary::text() const
{
    QString block = file + QLatin1Char('\n');
    if (!ok)
        return block + QStringLiteral("  error: ") + error + QLatin1Char('\n');
    const ImageDetails& details = entity.details;
    const auto celsius = [](float value) {
        return QString::number(double(value), 'f', 1) + QStringLiteral(" °C");
    };
    const auto feature = [&](const FeaturePoint& point) {
        return celsius(point.temperature) + QStringLiteral(" at %1, %2").arg(point.x).arg(point.y);
    };
    const auto line = [&block](const char* name, const QString& value) {
        block += QStringLiteral("  %1 %2\n").arg(QLatin1String(name), -14).arg(value);
    };
    line("images:", QString::number(jpegs));
    line("captured:", details.captureTime);
    line("emissivity:", QString::number(double(details.emissivity) / 100.0, 'g', 6));
    line("palette:", QString::number(details.palette));
    line("unit:", QString::number(details.unit));
    line("blend:", QString::number(details.blend));
    line("matrix:",
         QStringLiteral("%1 × %2").arg(entity.temperatureWidth).arg(entity.temperatureHeight));
    line("hottest:", feature(details.feature.maxPoint));
    line("coldest:", feature(details.feature.minPoint));
    line("centre:", feature(details.feature.centrePoint));
    if (hasMatrix)
        line("matrix range:",
             QStringLiteral("%1 to %2, mean %3")
               .arg(celsius(matrixMin), celsius(matrixMax), celsius(matrixMean)));
    line("shapes:", QString::number(entity.image_drawpaths.size()));
    for (const ImageDrawPath& shape : entity.image_drawpaths) {
        QString measured = QString::fromLatin1(CsvExport::kindName(shape.type)) +
                           QStringLiteral(": max ") +
                           celsius(shape.point(PointRole::Maximum).value);
        if (shape.kind() != ShapeKind::Point)
            measured += QStringLiteral(", min ") + celsius(shape.point(PointRole::Minimum).value);
        block += QStringLiteral("    ") + measured + QLatin1Char('\n');
    }
    return block;
}
