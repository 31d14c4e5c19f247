#include "measure/measurementtable.h"

#include "measure/regionmeasure.h"
#include "model/csvexport.h"
#include "model/imageentity.h"

#include <cmath>

namespace {

// The photograph as a shape sees it: its own emissivity and reflection, the photograph's air.
ImageEntity viewFor(const ImageEntity& photo, const ImageDrawPath& shape)
{
    ImageEntity view = photo;
    view.setObjectParameters(shape.parametersOver(photo.objectParameters()));
    return view;
}

double shownOrNothing(const TemperatureCorrection& correction, double stored)
{
    double shown = 0;
    return correction.celsius(stored, shown) ? shown : qQNaN();
}

MeasurementRow shapeRow(const ImageEntity& photo,
                        const RegionMeasure& region,
                        const QList<ImageDrawPath>& shapes,
                        int index)
{
    const ImageDrawPath& shape = shapes.at(index);
    MeasurementRow row;
    row.shape = index;
    row.name = shape.name;
    row.kind = shape.kind();
    row.note = shape.note;
    if (shape.ownParameters)
        row.emissivity = shape.emissivity;
    const ImageEntity own = shape.ownParameters ? viewFor(photo, shape) : ImageEntity();
    const TemperatureCorrection& correction =
      shape.ownParameters ? own.correction() : photo.correction();
    const bool point = shape.kind() == ShapeKind::Point;
    RegionMeasure::Shown shown;
    if (region.shown(shape, correction, shown)) {
        row.cells = shown.cells;
        row.unknownCells = shown.unknown;
        if (shown.known) {
            row.maximum = shown.maximum;
            if (!point) {
                row.minimum = shown.minimum;
                row.mean = shown.mean;
            }
        }
        const qint64 all = qint64(photo.temperatureWidth) * photo.temperatureHeight;
        if ((shape.kind() == ShapeKind::Rectangle || shape.kind() == ShapeKind::Oval) && all > 0)
            row.share = double(shown.cells + shown.unknown) / double(all);
        return row;
    }
    // Without a matrix only what the file stores of the shape is left.
    row.maximum = shownOrNothing(correction, double(shape.point(PointRole::Maximum).value));
    if (!point)
        row.minimum = shownOrNothing(correction, double(shape.point(PointRole::Minimum).value));
    return row;
}

void photographRows(const ImageEntity& photo, QVector<MeasurementRow>& rows)
{
    MeasurementRow hottest;
    hottest.role = MeasurementRow::Role::Hottest;
    hottest.name = QStringLiteral("Hottest");
    MeasurementRow coldest;
    coldest.role = MeasurementRow::Role::Coldest;
    coldest.name = QStringLiteral("Coldest");
    MeasurementRow centre;
    centre.role = MeasurementRow::Role::Centre;
    centre.name = QStringLiteral("Centre");
    const TemperatureMatrix matrix = photo.temperatures();
    const TemperatureCorrection& correction = photo.correction();
    if (matrix.isComplete()) {
        // The map keeps the order of temperatures, but cells without a temperature are passed
        // over, so every cell is looked at through it.
        bool found = false;
        for (int y = 0; y < matrix.height(); ++y) {
            for (int x = 0; x < matrix.width(); ++x) {
                double celsius = 0;
                if (!correction.celsius(int(matrix.tenths(x, y)), celsius))
                    continue;
                if (!found || celsius > hottest.maximum) {
                    hottest.maximum = celsius;
                    hottest.cell = QPoint(x, y);
                }
                if (!found || celsius < coldest.maximum) {
                    coldest.maximum = celsius;
                    coldest.cell = QPoint(x, y);
                }
                found = true;
            }
        }
        centre.cell = matrix.cellAt(0.5, 0.5);
        double celsius = 0;
        if (correction.celsius(int(matrix.tenths(centre.cell.x(), centre.cell.y())), celsius))
            centre.maximum = celsius;
    } else if (photo.loaded) {
        // The camera's own readings stand in for a matrix that is missing or cut short.
        const ImageFeature& feature = photo.details.feature;
        hottest.maximum = shownOrNothing(correction, double(feature.maxPoint.temperature));
        coldest.maximum = shownOrNothing(correction, double(feature.minPoint.temperature));
        centre.maximum = shownOrNothing(correction, double(feature.centrePoint.temperature));
    }
    rows << hottest << coldest << centre;
}

} // namespace

double MeasurementTable::reference(const ImageEntity& photo,
                                   const QList<ImageDrawPath>& shapes,
                                   const MeasurementSettings& settings)
{
    switch (settings.reference) {
        case MeasurementSettings::Reference::None:
            return qQNaN();
        case MeasurementSettings::Reference::Ambient:
            return photo.objectParameters().reflected;
        case MeasurementSettings::Reference::Shape:
            if (settings.shape < 0 || settings.shape >= shapes.size())
                return qQNaN();
            return shapeRow(photo, RegionMeasure(photo), shapes, settings.shape).maximum;
    }
    return qQNaN();
}

QVector<MeasurementRow> MeasurementTable::rows(const ImageEntity& photo,
                                               const QList<ImageDrawPath>& shapes,
                                               const MeasurementSettings& settings)
{
    QVector<MeasurementRow> rows;
    rows.reserve(3 + shapes.size());
    photographRows(photo, rows);
    const RegionMeasure region(photo);
    // A shape just drawn may not have been named yet; it shows the name it will be given.
    QList<ImageDrawPath> named = shapes;
    ShapeNames::assign(named);
    for (int i = 0; i < shapes.size(); ++i) {
        rows << shapeRow(photo, region, shapes, i);
        rows.last().name = named.at(i).name;
    }
    double reference = qQNaN();
    if (settings.reference == MeasurementSettings::Reference::Ambient)
        reference = photo.objectParameters().reflected;
    else if (settings.reference == MeasurementSettings::Reference::Shape && settings.shape >= 0 &&
             settings.shape < shapes.size())
        reference = rows.at(3 + settings.shape).maximum;
    for (MeasurementRow& row : rows) {
        // ℃ and kelvin differ by an offset only, so the difference is in kelvin as it is.
        row.difference = row.maximum - reference;
        row.severity = Findings::classify(row.difference, settings.criterion);
        row.isReference = settings.reference == MeasurementSettings::Reference::Shape &&
                          row.role == MeasurementRow::Role::Shape && row.shape == settings.shape;
    }
    return rows;
}

QVector<MeasurementRow> MeasurementTable::rows(const ImageEntity& photo)
{
    return rows(photo, photo.image_drawpaths, photo.measurement);
}

QVector<int> MeasurementTable::findings(const QVector<MeasurementRow>& rows, Criterion criterion)
{
    const QList<Severity> classes = Findings::classesOf(criterion);
    QVector<int> counts(classes.size(), 0);
    for (const MeasurementRow& row : rows) {
        const int place = classes.indexOf(row.severity);
        if (row.role == MeasurementRow::Role::Shape && place >= 0)
            ++counts[place];
    }
    return counts;
}

QByteArray CsvExport::shapes(const QList<ImageDrawPath>& shapes, const ImageEntity& photo, int unit)
{
    const QVector<MeasurementRow> rows = MeasurementTable::rows(photo, shapes, photo.measurement);
    return shapeLines(
      shapes,
      photo.temperatureWidth,
      photo.temperatureHeight,
      unit,
      [&](int i) {
          const ImageDrawPath& shape = shapes.at(i);
          return photo.correctionFor(shape);
      },
      [&](int i) {
          const MeasurementRow& row = rows.at(3 + i);
          const bool known = unit >= 0 && unit <= 2;
          QByteArray mean;
          if (row.kind != ShapeKind::Point)
              mean = std::isnan(row.mean) ? (known ? notAvailable() : QByteArray())
                                          : number(float(row.mean), unit);
          return ',' + field(row.name) + ',' + mean + ',' + QByteArray::number(row.cells) + ',' +
                 difference(row.difference, unit) + ',' + Findings::key(row.severity).toLatin1();
      });
}
