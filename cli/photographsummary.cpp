#include "cli/photographsummary.h"

#include "measure/measurementtable.h"
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

// A stored temperature as shown, one decimal; null where the object has none.
QJsonValue shownJson(const ImageEntity& photo, double stored)
{
    double shown = 0;
    if (!photo.shownCelsius(stored, shown))
        return QJsonValue(QJsonValue::Null);
    return std::round(shown * 10.0) / 10.0;
}

QJsonObject featureJson(const ImageEntity& photo, const FeaturePoint& point)
{
    return QJsonObject{ { QStringLiteral("x"), int(point.x) },
                        { QStringLiteral("y"), int(point.y) },
                        { QStringLiteral("celsius"),
                          shownJson(photo, double(point.temperature)) } };
}

QJsonArray cellJson(const QPoint& cell)
{
    return QJsonArray{ cell.x(), cell.y() };
}

QJsonObject sampleJson(const ImageEntity& photo,
                       const PathPoint& point,
                       const TemperatureMatrix& matrix)
{
    return QJsonObject{ { QStringLiteral("x"), storedFraction(point.x) },
                        { QStringLiteral("y"), storedFraction(point.y) },
                        { QStringLiteral("cell"), cellJson(matrix.cellAt(point.x, point.y)) },
                        { QStringLiteral("celsius"), shownJson(photo, double(point.value)) } };
}

QJsonArray pair(const PathPoint& point)
{
    return QJsonArray{ storedFraction(point.x), storedFraction(point.y) };
}

// A shape's figures in ℃ over the cells it covers that have a temperature.
struct Measured
{
    bool known = false;
    double maximum = 0;
    double minimum = 0;
    double mean = 0;
    QPoint hottest;
    QPoint coldest;
    int cells = 0;
};

// As RegionMeasure::statistics() finds them, each cell taken through the correction first:
// the first of equal cells in the order the cells are visited is the hottest or coldest.
bool measure(const ImageEntity& photo,
             const TemperatureMatrix& matrix,
             const ImageDrawPath& shape,
             Measured& found)
{
    const PathPoint& start = shape.point(PointRole::Start);
    const PathPoint& end = shape.point(PointRole::End);
    const RegionMeasure region(matrix);
    const TemperatureCorrection& correction = photo.correction();
    if (correction.isIdentity()) {
        RegionMeasure::Statistics stored;
        if (!region.statistics(
              shape.kind(), QPointF(start.x, start.y), QPointF(end.x, end.y), stored))
            return false;
        found = Measured{ true,
                          stored.maximum / 10.0,
                          stored.minimum / 10.0,
                          std::round(stored.meanTenths) / 10.0,
                          stored.hottest,
                          stored.coldest,
                          stored.cells };
        return true;
    }
    if (matrix.isEmpty())
        return false;
    const QVector<QPoint> cells =
      region.cells(shape.kind(), QPointF(start.x, start.y), QPointF(end.x, end.y));
    double sum = 0;
    int counted = 0;
    for (const QPoint& cell : cells) {
        double celsius = 0;
        if (!correction.celsius(int(matrix.tenths(cell.x(), cell.y())), celsius))
            continue;
        if (counted == 0 || celsius > found.maximum) {
            found.maximum = celsius;
            found.hottest = cell;
        }
        if (counted == 0 || celsius < found.minimum) {
            found.minimum = celsius;
            found.coldest = cell;
        }
        sum += celsius;
        ++counted;
    }
    found.known = counted > 0;
    found.mean = counted > 0 ? std::round(sum / counted * 10.0) / 10.0 : 0;
    found.cells = cells.size();
    return true;
}

// The shape measured now on the matrix, as the window measures it, beside what the file stores.
QJsonValue measuredJson(const ImageEntity& photo,
                        const ImageDrawPath& shape,
                        const TemperatureMatrix& matrix)
{
    Measured found;
    if (!measure(photo, matrix, shape, found))
        return QJsonValue(QJsonValue::Null);
    const auto extreme = [&found](double celsius, const QPoint& cell) {
        if (!found.known)
            return QJsonValue(QJsonValue::Null);
        return QJsonValue(QJsonObject{ { QStringLiteral("celsius"), std::round(celsius * 10) / 10 },
                                       { QStringLiteral("cell"), cellJson(cell) } });
    };
    const bool point = shape.kind() == ShapeKind::Point;
    return QJsonObject{ { QStringLiteral("max"), extreme(found.maximum, found.hottest) },
                        { QStringLiteral("min"),
                          point ? QJsonValue(QJsonValue::Null)
                                : extreme(found.minimum, found.coldest) },
                        { QStringLiteral("mean"),
                          found.known ? QJsonValue(found.mean) : QJsonValue(QJsonValue::Null) },
                        { QStringLiteral("cells"), found.cells } };
}

// The extremes and mean of the cells that have a temperature; false without any.
bool matrixFigures(const ImageEntity& photo,
                   const TemperatureMatrix& matrix,
                   float& maximum,
                   float& minimum,
                   float& mean)
{
    const TemperatureCorrection& correction = photo.correction();
    if (correction.isIdentity()) {
        const TemperatureMatrix::Summary cells = matrix.summary();
        maximum = cells.maximum;
        minimum = cells.minimum;
        mean = cells.mean;
        return true;
    }
    double highest = 0;
    double lowest = 0;
    double sum = 0;
    qint64 counted = 0;
    for (int y = 0; y < matrix.height(); ++y) {
        for (int x = 0; x < matrix.width(); ++x) {
            double celsius = 0;
            if (!correction.celsius(int(matrix.tenths(x, y)), celsius))
                continue;
            highest = counted == 0 ? celsius : qMax(highest, celsius);
            lowest = counted == 0 ? celsius : qMin(lowest, celsius);
            sum += celsius;
            ++counted;
        }
    }
    if (counted == 0)
        return false;
    maximum = float(highest);
    minimum = float(lowest);
    mean = float(sum / double(counted));
    return true;
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

// A figure of the table, one decimal; null for none.
QJsonValue tableJson(double value)
{
    return std::isnan(value) ? QJsonValue(QJsonValue::Null)
                             : QJsonValue(std::round(value * 10.0) / 10.0);
}

QJsonValue referenceJson(const MeasurementSettings& settings)
{
    switch (settings.reference) {
        case MeasurementSettings::Reference::Shape:
            return settings.shape;
        case MeasurementSettings::Reference::Ambient:
            return QStringLiteral("ambient");
        case MeasurementSettings::Reference::None:
            break;
    }
    return QJsonValue(QJsonValue::Null);
}

} // namespace

PhotographSummary PhotographSummary::read(const QString& path,
                                          Images images,
                                          const ObjectOptions& object)
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
    object.applyTo(photo);
    const TemperatureMatrix matrix = photo.temperatures();
    summary.hasMatrix =
      matrix.isComplete() &&
      matrixFigures(photo, matrix, summary.matrixMax, summary.matrixMin, summary.matrixMean);
    return summary;
}

const ImageEntity& PhotographSummary::shownFor(const ImageDrawPath& shape) const
{
    if (!shape.ownParameters)
        return entity;
    // The photograph as this shape sees it: its own emissivity and reflection, the photograph's
    // air.
    ownView = entity;
    ownView.setObjectParameters(shape.parametersOver(entity.objectParameters()));
    return ownView;
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
    const QVector<MeasurementRow> rows = MeasurementTable::rows(entity);
    for (int index = 0; index < entity.image_drawpaths.size(); ++index) {
        const ImageDrawPath& shape = entity.image_drawpaths.at(index);
        const MeasurementRow& row = rows.at(3 + index);
        const PathPoint& start = shape.point(PointRole::Start);
        const PathPoint& end = shape.point(PointRole::End);
        // A point has one reading, kept as its maximum; it has no minimum to give.
        const bool point = shape.kind() == ShapeKind::Point;
        const ImageEntity& seen = shownFor(shape);
        QJsonObject item{
            { QStringLiteral("kind"), QString::fromLatin1(CsvExport::kindName(shape.type)) },
            { QStringLiteral("start"), pair(start) },
            { QStringLiteral("end"), pair(end) },
            { QStringLiteral("start_cell"), cellJson(matrix.cellAt(start.x, start.y)) },
            { QStringLiteral("end_cell"), cellJson(matrix.cellAt(end.x, end.y)) },
            { QStringLiteral("max"), sampleJson(seen, shape.point(PointRole::Maximum), matrix) },
            { QStringLiteral("min"),
              point ? QJsonValue(QJsonValue::Null)
                    : QJsonValue(sampleJson(seen, shape.point(PointRole::Minimum), matrix)) },
            { QStringLiteral("measured"), measuredJson(seen, shape, matrix) },
            // The measurement table's row: the mean over the cells with a temperature.
            { QStringLiteral("name"), row.name },
            { QStringLiteral("mean"), point ? QJsonValue(QJsonValue::Null) : tableJson(row.mean) },
            { QStringLiteral("cells"), row.cells },
            { QStringLiteral("delta_t"), tableJson(row.difference) },
            { QStringLiteral("class"),
              row.severity == Severity::NotRated ? QJsonValue(QJsonValue::Null)
                                                 : QJsonValue(Findings::key(row.severity)) }
        };
        if (!row.note.isEmpty())
            item.insert(QStringLiteral("note"), row.note);
        if (shape.ownParameters)
            item.insert(QStringLiteral("own"),
                        QJsonObject{ { QStringLiteral("emissivity"), shape.emissivity },
                                     { QStringLiteral("reflected"), shape.reflected } });
        shapes.append(item);
    }
    object.insert(QStringLiteral("jpegs"), jpegs);
    object.insert(QStringLiteral("capture_time"), details.captureTime);
    object.insert(QStringLiteral("emissivity"), double(details.emissivity) / 100.0);
    // What the temperatures below are shown with, as Korvex's block keeps it.
    object.insert(QStringLiteral("object"), entity.objectParameters().toJson());
    object.insert(QStringLiteral("palette"), details.palette);
    object.insert(QStringLiteral("unit"), details.unit);
    object.insert(QStringLiteral("blend"), details.blend);
    object.insert(QStringLiteral("matrix"),
                  QJsonObject{ { QStringLiteral("width"), entity.temperatureWidth },
                               { QStringLiteral("height"), entity.temperatureHeight } });
    object.insert(QStringLiteral("max"), featureJson(entity, details.feature.maxPoint));
    object.insert(QStringLiteral("min"), featureJson(entity, details.feature.minPoint));
    object.insert(QStringLiteral("centre"), featureJson(entity, details.feature.centrePoint));
    object.insert(QStringLiteral("matrix_max"), matrixValue(matrixMax));
    object.insert(QStringLiteral("matrix_min"), matrixValue(matrixMin));
    object.insert(QStringLiteral("matrix_mean"), matrixValue(matrixMean));
    object.insert(QStringLiteral("shapes"), shapes);
    // What the shapes' differences are taken from and judged by; delta_t is in kelvin.
    object.insert(QStringLiteral("table"),
                  QJsonObject{ { QStringLiteral("reference"), referenceJson(entity.measurement) },
                               { QStringLiteral("criterion"),
                                 Findings::criterionKey(entity.measurement.criterion) } });
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
    // A stored temperature as shown.
    const auto shown = [this, &celsius](float stored) {
        double value = 0;
        return entity.shownCelsius(double(stored), value) ? celsius(float(value))
                                                          : QStringLiteral("N.A");
    };
    const auto feature = [&](const FeaturePoint& point) {
        return shown(point.temperature) + QStringLiteral(" at %1, %2").arg(point.x).arg(point.y);
    };
    const auto line = [&block](const char* name, const QString& value) {
        block += QStringLiteral("  %1 %2\n").arg(QLatin1String(name), -14).arg(value);
    };
    line("images:", QString::number(jpegs));
    line("captured:", details.captureTime);
    line("emissivity:", QString::number(double(details.emissivity) / 100.0, 'g', 6));
    const ObjectParameters& object = entity.objectParameters();
    if (object != ObjectParameters::ofCamera(details.emissivity))
        line("shown with:",
             QStringLiteral("emissivity %1, reflected %2, distance %3 m, air %4, humidity %5 %")
               .arg(object.emissivity)
               .arg(celsius(float(object.reflected)))
               .arg(object.distance)
               .arg(celsius(float(object.airTemperature)))
               .arg(object.humidity));
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
    else if (entity.temperatures().isComplete())
        line("matrix range:", QStringLiteral("N.A"));
    line("shapes:", QString::number(entity.image_drawpaths.size()));
    const QVector<MeasurementRow> rows = MeasurementTable::rows(entity);
    for (int index = 0; index < entity.image_drawpaths.size(); ++index) {
        const ImageDrawPath& shape = entity.image_drawpaths.at(index);
        const MeasurementRow& row = rows.at(3 + index);
        const ImageEntity& seen = shownFor(shape);
        const auto shownOwn = [&](float stored) {
            double value = 0;
            return seen.shownCelsius(double(stored), value) ? celsius(float(value))
                                                            : QStringLiteral("N.A");
        };
        QString measured =
          row.name + QLatin1Char(' ') + QString::fromLatin1(CsvExport::kindName(shape.type)) +
          QStringLiteral(": max ") + shownOwn(shape.point(PointRole::Maximum).value);
        if (shape.kind() != ShapeKind::Point)
            measured += QStringLiteral(", min ") + shownOwn(shape.point(PointRole::Minimum).value);
        if (shape.ownParameters)
            measured += QStringLiteral(" (emissivity %1, reflected %2)")
                          .arg(shape.emissivity)
                          .arg(celsius(float(shape.reflected)));
        if (shape.kind() != ShapeKind::Point && !std::isnan(row.mean))
            measured += QStringLiteral(", mean ") + celsius(float(row.mean));
        measured += QStringLiteral(", %1 cells").arg(row.cells);
        if (row.isReference)
            measured += QStringLiteral(", reference");
        else if (!std::isnan(row.difference))
            measured +=
              QStringLiteral(", ΔT %1 K, %2")
                .arg(QString::number(row.difference, 'f', 1), Findings::text(row.severity));
        block += QStringLiteral("    ") + measured + QLatin1Char('\n');
    }
    return block;
}
