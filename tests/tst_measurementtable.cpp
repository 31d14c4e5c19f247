#include "cli/photographreport.h"
#include "cli/photographsummary.h"
#include "measure/measurementtable.h"
#include "model/csvexport.h"
#include "model/extensionblock.h"
#include "model/imageentity.h"
#include "model/radiometricreader.h"
#include "support/measurescene.h"
#include "support/radiometricfile.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QtTest>

#include <cmath>

Q_DECLARE_METATYPE(ShapeKind)
Q_DECLARE_METATYPE(Criterion)

namespace {

ImageEntity matrixOf(int width, int height, const QVector<qint16>& cells)
{
    ImageEntity photo;
    photo.temperatureWidth = width;
    photo.temperatureHeight = height;
    photo.temperatureData = MeasureScene::matrix(cells);
    photo.loaded = true;
    photo.setObjectParameters(ObjectParameters::ofCamera(95));
    return photo;
}

// 10.0 to 120.0 ℃ in steps of 10, row by row.
ImageEntity twelveCells()
{
    return matrixOf(4, 3, { 100, 200, 300, 400, 500, 600, 700, 800, 900, 1000, 1100, 1200 });
}

ImageDrawPath shapeOf(ShapeKind kind, QPointF start, QPointF end, const QString& name = QString())
{
    ImageDrawPath shape;
    shape.setKind(kind);
    shape.point(PointRole::Start) = PathPoint(float(start.x()), float(start.y()), 0, 0);
    shape.point(PointRole::End) = PathPoint(float(end.x()), float(end.y()), 0, 0);
    shape.name = name;
    return shape;
}

bool same(double actual, double expected)
{
    return std::isnan(expected) ? std::isnan(actual) : qAbs(actual - expected) < 1e-9;
}

QByteArrayList csvLine(const QByteArray& text, int line)
{
    return text.split('\n').value(line).split(',');
}

RecordPoint at(quint16 x, quint16 y)
{
    RecordPoint point;
    point.x = x;
    point.y = y;
    return point;
}

ShapeRecord recordOf(int type, RecordPoint start, RecordPoint end)
{
    ShapeRecord record;
    record.type = type;
    record.start = start;
    record.end = end;
    record.maximum = end;
    record.minimum = start;
    return record;
}

// A photograph of 16 × 12 cells, 20.0 ℃ plus a tenth a cell row by row, with a point on the
// first cell, a rectangle over the whole picture and a point on the last cell, and Korvex's
// block holding extension. The file keeps shapes by kind, so they read back as the two points,
// then the rectangle.
QByteArray fileWith(const QJsonObject& extension,
                    const QList<ShapeRecord>& records = {
                      recordOf(0, at(0, 0), at(0, 0)),
                      recordOf(2, at(0, 0), at(10000, 10000)),
                      recordOf(0, at(9999, 9999), at(9999, 9999)) })
{
    RadiometricFile file;
    file.trailer = RadiometricFile::shapeBlock(records) + RadiometricFile::featureBlock(0);
    if (!extension.isEmpty())
        file.trailer += RadiometricFile::extensionBlock(ExtensionBlock::payload(extension, 0));
    return file.bytes();
}

} // namespace

class TestMeasurementTable : public QObject
{
    Q_OBJECT

private slots:
    void shapeRows_data();
    void shapeRows();
    void cellsWithoutTemperatureAreLeftOut();
    void shapeOfItsOwnEmissivityIsShownThroughIt();
    void photographRowsComeFirst();
    void classes_data();
    void classes();
    void referenceFollowsItsShape_data();
    void referenceFollowsItsShape();
    void names_data();
    void names();
    void typedNames_data();
    void typedNames();
    void tableSurvivesTheFile();
    void shapesDrawnOutOfKindOrderKeepWhatIsTheirs();
    void damagedTableIsNotTaken_data();
    void damagedTableIsNotTaken();
    void defaultTableLeavesTheBlockAlone();
    void shapesFileGainsTheTable();
    void commandLineGivesTheTable();
};

void TestMeasurementTable::shapeRows_data()
{
    QTest::addColumn<ShapeKind>("kind");
    QTest::addColumn<QPointF>("start");
    QTest::addColumn<QPointF>("end");
    QTest::addColumn<int>("cells");
    QTest::addColumn<double>("maximum");
    QTest::addColumn<double>("minimum");
    QTest::addColumn<double>("mean");
    QTest::addColumn<double>("share");

    const double none = qQNaN();
    QTest::newRow("a rectangle over the top-left four cells")
      << ShapeKind::Rectangle << QPointF(0, 0) << QPointF(0.5, 2.0 / 3) << 4 << 60.0 << 10.0 << 35.0
      << 4.0 / 12;
    QTest::newRow("a rectangle over the whole picture")
      << ShapeKind::Rectangle << QPointF(0, 0) << QPointF(1, 1) << 12 << 120.0 << 10.0 << 65.0
      << 1.0;
    // The corner cells' centres lie outside the inscribed ellipse, and so do the top and bottom
    // rows' outer cells.
    QTest::newRow("an oval over the whole picture leaves out its corners")
      << ShapeKind::Oval << QPointF(0, 0) << QPointF(1, 1) << 8 << 110.0 << 20.0 << 65.0
      << 8.0 / 12;
    QTest::newRow("a line along the middle row has no share of the picture")
      << ShapeKind::Line << QPointF(0.125, 0.5) << QPointF(0.875, 0.5) << 4 << 80.0 << 50.0 << 65.0
      << none;
    QTest::newRow("a point has its one reading and nothing else")
      << ShapeKind::Point << QPointF(0.6, 0.9) << QPointF(0.6, 0.9) << 1 << 110.0 << none << none
      << none;
}

void TestMeasurementTable::shapeRows()
{
    QFETCH(ShapeKind, kind);
    QFETCH(QPointF, start);
    QFETCH(QPointF, end);
    QFETCH(int, cells);
    QFETCH(double, maximum);
    QFETCH(double, minimum);
    QFETCH(double, mean);
    QFETCH(double, share);

    const ImageEntity photo = twelveCells();
    const QVector<MeasurementRow> rows = MeasurementTable::rows(
      photo, { shapeOf(kind, start, end, QStringLiteral("A")) }, MeasurementSettings());
    QCOMPARE(rows.size(), 4);
    const MeasurementRow& row = rows.at(3);
    QCOMPARE(row.role, MeasurementRow::Role::Shape);
    QCOMPARE(row.shape, 0);
    QCOMPARE(row.name, QStringLiteral("A"));
    // One not yet named shows the name it is to get.
    const QString prefix = ShapeNames::prefix(int(kind));
    QCOMPARE(MeasurementTable::rows(photo, { shapeOf(kind, start, end) }, MeasurementSettings())
               .at(3)
               .name,
             prefix + QLatin1Char('1'));
    QCOMPARE(row.cells, cells);
    QCOMPARE(row.unknownCells, 0);
    QVERIFY2(same(row.maximum, maximum), qPrintable(QString::number(row.maximum)));
    QVERIFY2(same(row.minimum, minimum), qPrintable(QString::number(row.minimum)));
    QVERIFY2(same(row.mean, mean), qPrintable(QString::number(row.mean)));
    QVERIFY2(same(row.share, share), qPrintable(QString::number(row.share)));
    // Without a reference there is nothing to judge.
    QVERIFY(std::isnan(row.difference));
    QCOMPARE(row.severity, Severity::NotRated);
    QVERIFY(std::isnan(row.emissivity));
}

void TestMeasurementTable::cellsWithoutTemperatureAreLeftOut()
{
    ImageEntity photo = twelveCells();
    ObjectParameters dark = ObjectParameters::ofCamera(95);
    // Off a surface of emissivity 0.2, the reflection of 80 ℃ outshines the colder cells.
    dark.emissivity = 0.2;
    dark.reflected = 80;
    photo.setObjectParameters(dark);
    const TemperatureMatrix matrix = photo.temperatures();
    double sum = 0;
    double highest = 0;
    int known = 0;
    for (int i = 0; i < 12; ++i) {
        double shown = 0;
        if (!photo.shownCelsius(matrix.tenths(i % 4, i / 4) / 10.0, shown))
            continue;
        sum += shown;
        highest = known == 0 ? shown : qMax(highest, shown);
        ++known;
    }
    QVERIFY2(known > 0 && known < 12, qPrintable(QString::number(known)));

    const QVector<MeasurementRow> rows = MeasurementTable::rows(
      photo, { shapeOf(ShapeKind::Rectangle, { 0, 0 }, { 1, 1 }) }, MeasurementSettings());
    const MeasurementRow& row = rows.at(3);
    QCOMPARE(row.cells, known);
    QCOMPARE(row.unknownCells, 12 - known);
    QVERIFY(qAbs(row.mean - sum / known) < 1e-9);
    QVERIFY(qAbs(row.maximum - highest) < 1e-9);
    // The share counts the cells covered, with a temperature or not.
    QCOMPARE(row.share, 1.0);
    // The coldest row is the coldest cell that has a temperature, not the N.A ones.
    QVERIFY(!std::isnan(rows.at(1).maximum));
    QVERIFY(rows.at(1).maximum <= row.minimum + 1e-9);
}

void TestMeasurementTable::shapeOfItsOwnEmissivityIsShownThroughIt()
{
    const ImageEntity photo = twelveCells();
    ImageDrawPath own = shapeOf(ShapeKind::Rectangle, { 0, 0 }, { 1, 1 });
    own.ownParameters = true;
    own.emissivity = 0.5;
    own.reflected = 20;
    const QVector<MeasurementRow> rows =
      MeasurementTable::rows(photo, { own }, MeasurementSettings());
    const TemperatureCorrection correction(own.parametersOver(photo.objectParameters()), 0, -1);
    double hottest = 0;
    QVERIFY(correction.celsius(120.0, hottest));
    QVERIFY(hottest > 130);
    QVERIFY2(qAbs(rows.at(3).maximum - hottest) < 1e-6, qPrintable(QString::number(hottest)));
    QCOMPARE(rows.at(3).emissivity, 0.5);
    // The photograph's own rows keep the photograph's parameters.
    QCOMPARE(rows.at(0).maximum, 120.0);
}

void TestMeasurementTable::photographRowsComeFirst()
{
    const QVector<MeasurementRow> rows = MeasurementTable::rows(twelveCells());
    QCOMPARE(rows.size(), 3);
    QCOMPARE(rows.at(0).role, MeasurementRow::Role::Hottest);
    QCOMPARE(rows.at(0).maximum, 120.0);
    QCOMPARE(rows.at(0).cell, QPoint(3, 2));
    QCOMPARE(rows.at(1).role, MeasurementRow::Role::Coldest);
    QCOMPARE(rows.at(1).maximum, 10.0);
    QCOMPARE(rows.at(1).cell, QPoint(0, 0));
    QCOMPARE(rows.at(2).role, MeasurementRow::Role::Centre);
    QCOMPARE(rows.at(2).cell, QPoint(2, 1));
    QCOMPARE(rows.at(2).maximum, 70.0);
    for (const MeasurementRow& row : rows)
        QCOMPARE(row.shape, -1);
}

void TestMeasurementTable::classes_data()
{
    QTest::addColumn<int>("hotTenths");
    QTest::addColumn<Criterion>("criterion");
    QTest::addColumn<QString>("expected");

    // The reference is 20.0 ℃: a shape on a cell of that, or the camera's reflected 20 ℃.
    const Criterion similar = Criterion::SimilarComponents;
    const Criterion ambient = Criterion::OverAmbient;
    QTest::newRow("a colder component is no deficiency")
      << 150 << similar << QStringLiteral("none");
    QTest::newRow("0.9 K is no deficiency") << 209 << similar << QStringLiteral("none");
    QTest::newRow("1.0 K is a possible deficiency") << 210 << similar << QStringLiteral("possible");
    QTest::newRow("3.0 K is still a possible deficiency")
      << 230 << similar << QStringLiteral("possible");
    QTest::newRow("3.1 K is a probable deficiency") << 231 << similar << QStringLiteral("probable");
    QTest::newRow("15.0 K is still a probable deficiency")
      << 350 << similar << QStringLiteral("probable");
    QTest::newRow("15.1 K is a major discrepancy") << 351 << similar << QStringLiteral("major");
    QTest::newRow("0.9 K over ambient is no deficiency")
      << 209 << ambient << QStringLiteral("none");
    QTest::newRow("1.0 K over ambient is priority 4")
      << 210 << ambient << QStringLiteral("priority_4");
    QTest::newRow("10.0 K over ambient is still priority 4")
      << 300 << ambient << QStringLiteral("priority_4");
    QTest::newRow("10.1 K over ambient is priority 3")
      << 301 << ambient << QStringLiteral("priority_3");
    QTest::newRow("20.0 K over ambient is still priority 3")
      << 400 << ambient << QStringLiteral("priority_3");
    QTest::newRow("20.1 K over ambient is priority 2")
      << 401 << ambient << QStringLiteral("priority_2");
    QTest::newRow("40.0 K over ambient is still priority 2")
      << 600 << ambient << QStringLiteral("priority_2");
    QTest::newRow("40.1 K over ambient is priority 1")
      << 601 << ambient << QStringLiteral("priority_1");
}

void TestMeasurementTable::classes()
{
    QFETCH(int, hotTenths);
    QFETCH(Criterion, criterion);
    QFETCH(QString, expected);

    const ImageEntity photo = matrixOf(2, 1, { 200, qint16(hotTenths) });
    QCOMPARE(photo.objectParameters().reflected, 20.0);
    QList<ImageDrawPath> shapes{ shapeOf(ShapeKind::Point, { 0.25, 0.5 }, { 0.25, 0.5 }),
                                 shapeOf(ShapeKind::Point, { 0.75, 0.5 }, { 0.75, 0.5 }) };
    ShapeNames::assign(shapes);
    MeasurementSettings settings;
    settings.criterion = criterion;
    // Against the shape on 20.0 ℃ under the first criterion, the reflected 20 ℃ under the other.
    if (criterion == Criterion::SimilarComponents) {
        settings.reference = MeasurementSettings::Reference::Shape;
        settings.shape = 0;
    } else {
        settings.reference = MeasurementSettings::Reference::Ambient;
    }
    const double kelvin = (hotTenths - 200) / 10.0;
    QCOMPARE(MeasurementTable::reference(photo, shapes, settings), 20.0);
    const QVector<MeasurementRow> rows = MeasurementTable::rows(photo, shapes, settings);
    const MeasurementRow& row = rows.at(4);
    QVERIFY2(qAbs(row.difference - kelvin) < 1e-9, qPrintable(QString::number(row.difference)));
    QCOMPARE(Findings::key(row.severity), expected);
    QCOMPARE(row.isReference, false);
    QCOMPARE(rows.at(3).isReference, criterion == Criterion::SimilarComponents);

    // Shown in Fahrenheit the difference is 1.8 times as many degrees, with no 32 added, and
    // the class stays the one of the kelvins.
    ImageEntity withSettings = photo;
    withSettings.measurement = settings;
    for (int unit : { 0, 1, 2 }) {
        const QByteArrayList fields = csvLine(CsvExport::shapes(shapes, withSettings, unit), 2);
        QCOMPARE(
          fields.value(15),
          QByteArray::number(unit == 1 ? kelvin * 1.8 : kelvin, 'f', 1).replace("-0.0", "0.0"));
        QCOMPARE(fields.value(16), expected.toLatin1());
    }
    QCOMPARE(Findings::differenceIn(kelvin, 1), kelvin * 1.8);
}

void TestMeasurementTable::referenceFollowsItsShape_data()
{
    QTest::addColumn<int>("reference");
    QTest::addColumn<int>("removed");
    QTest::addColumn<int>("expected");

    QTest::newRow("a shape taken out before the reference moves it up") << 2 << 0 << 1;
    QTest::newRow("a shape taken out after the reference leaves it") << 1 << 2 << 1;
    QTest::newRow("the reference taken out leaves no reference") << 1 << 1 << -1;
}

void TestMeasurementTable::referenceFollowsItsShape()
{
    QFETCH(int, reference);
    QFETCH(int, removed);
    QFETCH(int, expected);

    MeasurementSettings settings;
    settings.reference = MeasurementSettings::Reference::Shape;
    settings.shape = reference;
    settings.shapeRemoved(removed);
    QCOMPARE(settings.reference == MeasurementSettings::Reference::Shape, expected >= 0);
    if (expected >= 0)
        QCOMPARE(settings.shape, expected);
}

void TestMeasurementTable::names_data()
{
    QTest::addColumn<QList<int>>("kinds");
    QTest::addColumn<QStringList>("given");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("shapes are numbered in drawing order, each kind on its own")
      << QList<int>{ 2, 0, 2, 3, 1, 0 }
      << QStringList{ QStringLiteral(""), QStringLiteral(""), QStringLiteral(""),
                      QStringLiteral(""), QStringLiteral(""), QStringLiteral("") }
      << QStringList{ QStringLiteral("Bx1"), QStringLiteral("Sp1"), QStringLiteral("Bx2"),
                      QStringLiteral("El1"), QStringLiteral("Li1"), QStringLiteral("Sp2") };
    QTest::newRow("a renamed shape keeps its name, a new one takes the next number")
      << QList<int>{ 0, 0, 0 }
      << QStringList{ QStringLiteral("Sp1"), QStringLiteral("Motor"), QStringLiteral("") }
      << QStringList{ QStringLiteral("Sp1"), QStringLiteral("Motor"), QStringLiteral("Sp2") };
    QTest::newRow("a number a deleted shape freed is given again")
      << QList<int>{ 0, 0 } << QStringList{ QStringLiteral("Sp2"), QStringLiteral("") }
      << QStringList{ QStringLiteral("Sp2"), QStringLiteral("Sp1") };
    QTest::newRow("a name another shape was given is never given twice")
      << QList<int>{ 0, 2 } << QStringList{ QStringLiteral("Bx1"), QStringLiteral("") }
      << QStringList{ QStringLiteral("Bx1"), QStringLiteral("Bx2") };
}

void TestMeasurementTable::names()
{
    QFETCH(QList<int>, kinds);
    QFETCH(QStringList, given);
    QFETCH(QStringList, expected);

    QList<ImageDrawPath> shapes;
    for (int i = 0; i < kinds.size(); ++i)
        shapes << shapeOf(ShapeKind(kinds[i]), {}, {}, given[i]);
    ShapeNames::assign(shapes);
    QStringList names;
    for (const ImageDrawPath& shape : shapes)
        names << shape.name;
    QCOMPARE(names, expected);
    // A copy of a shape carries its name and note.
    shapes[0].note = QStringLiteral("loose lug");
    ImageDrawPath copy(shapes[0]);
    ImageDrawPath assigned;
    assigned = shapes[0];
    QCOMPARE(copy.name, expected[0]);
    QCOMPARE(assigned.note, QStringLiteral("loose lug"));
}

void TestMeasurementTable::typedNames_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected");

    QTest::newRow("a plain name stays")
      << QStringLiteral("Breaker 3") << QStringLiteral("Breaker 3");
    QTest::newRow("the ends are trimmed") << QStringLiteral("  Fuse  ") << QStringLiteral("Fuse");
    QTest::newRow("line breaks become spaces")
      << QStringLiteral("two\nlines\r") << QStringLiteral("two lines");
    QTest::newRow("a blank name asks for a new one") << QStringLiteral(" \t\n") << QString();
    QTest::newRow("a long name is cut")
      << QString(100, QLatin1Char('x')) << QString(40, QLatin1Char('x'));
}

void TestMeasurementTable::typedNames()
{
    QFETCH(QString, typed);
    QFETCH(QString, expected);
    QCOMPARE(ShapeNames::cleanName(typed), expected);
}

void TestMeasurementTable::tableSurvivesTheFile()
{
    ImageEntity first;
    QVERIFY(RadiometricReader::read(fileWith(QJsonObject()), first));
    // A file without a table has its shapes named in drawing order.
    QCOMPARE(first.image_drawpaths.size(), 3);
    QCOMPARE(first.image_drawpaths[0].name, QStringLiteral("Sp1"));
    QCOMPARE(first.image_drawpaths[1].name, QStringLiteral("Sp2"));
    QCOMPARE(first.image_drawpaths[2].name, QStringLiteral("Bx1"));
    QCOMPARE(first.measurement, MeasurementSettings());

    QList<ImageDrawPath> shapes = first.image_drawpaths;
    shapes[0].name = QStringLiteral("Cold, phase A");
    shapes[2].note = QStringLiteral("hot lug\nretorque");
    MeasurementSettings settings;
    settings.reference = MeasurementSettings::Reference::Shape;
    settings.shape = 2;
    settings.criterion = Criterion::OverAmbient;
    QJsonObject extension{ { QStringLiteral("keep"), 7 } };
    MeasurementSettings::store(extension, settings, shapes);
    QVERIFY(extension.contains(MeasurementSettings::key()));

    ImageEntity back;
    QVERIFY(RadiometricReader::read(fileWith(extension), back));
    QCOMPARE(back.image_drawpaths[0].name, QStringLiteral("Cold, phase A"));
    QCOMPARE(back.image_drawpaths[1].name, QStringLiteral("Sp2"));
    QCOMPARE(back.image_drawpaths[2].name, QStringLiteral("Bx1"));
    QCOMPARE(back.image_drawpaths[2].note, QStringLiteral("hot lug\nretorque"));
    QVERIFY(back.image_drawpaths[0].note.isEmpty());
    QCOMPARE(back.measurement, settings);
    QCOMPARE(back.extension.value(QStringLiteral("keep")).toInt(), 7);

    // The rectangle, hottest at the last cell's 39.1 ℃, is the reference: the first cell's 20.0
    // is 19.1 K below it.
    const QVector<MeasurementRow> rows = MeasurementTable::rows(back);
    QCOMPARE(rows.at(5).isReference, true);
    QVERIFY(qAbs(rows.at(3).difference + 19.1) < 1e-9);
    QCOMPARE(rows.at(3).severity, Severity::NoDeficiency);
}

void TestMeasurementTable::shapesDrawnOutOfKindOrderKeepWhatIsTheirs()
{
    // Drawn as a rectangle, an oval, then a point; the file keeps the point first and the
    // rectangle before the oval, so every one of them moves.
    QList<ImageDrawPath> shapes{ shapeOf(ShapeKind::Rectangle, { 0, 0 }, { 1, 1 }),
                                 shapeOf(ShapeKind::Oval, { 0, 0 }, { 1, 1 }),
                                 shapeOf(ShapeKind::Point, { 0, 0 }, { 0, 0 }) };
    ShapeNames::assign(shapes);
    shapes[0].name = QStringLiteral("Panel");
    shapes[0].note = QStringLiteral("door open");
    shapes[0].ownParameters = true;
    shapes[0].emissivity = 0.5;
    QCOMPARE(storedPlaces(shapes), (QVector<int>{ 1, 2, 0 }));
    MeasurementSettings settings;
    settings.reference = MeasurementSettings::Reference::Shape;
    settings.shape = 0;
    QJsonObject extension{ { QStringLiteral("shape_parameters"),
                             ObjectParameters::shapesToJson(shapes) } };
    MeasurementSettings::store(extension, settings, shapes);
    const QList<ShapeRecord> records{ recordOf(3, at(0, 0), at(10000, 10000)),
                                      recordOf(2, at(0, 0), at(10000, 10000)),
                                      recordOf(0, at(0, 0), at(0, 0)) };

    ImageEntity back;
    QVERIFY(RadiometricReader::read(fileWith(extension, records), back));
    QCOMPARE(back.image_drawpaths.size(), 3);
    const ImageDrawPath& panel = back.image_drawpaths.at(1);
    QCOMPARE(panel.kind(), ShapeKind::Rectangle);
    QCOMPARE(panel.name, QStringLiteral("Panel"));
    QCOMPARE(panel.note, QStringLiteral("door open"));
    QVERIFY(panel.ownParameters);
    QCOMPARE(panel.emissivity, 0.5);
    QCOMPARE(back.image_drawpaths.at(0).name, QStringLiteral("Sp1"));
    QVERIFY(!back.image_drawpaths.at(0).ownParameters);
    QVERIFY(!back.image_drawpaths.at(2).ownParameters);
    QCOMPARE(back.measurement.reference, MeasurementSettings::Reference::Shape);
    QCOMPARE(back.measurement.shape, 1);
}

void TestMeasurementTable::damagedTableIsNotTaken_data()
{
    QTest::addColumn<QByteArray>("table");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<bool>("ambient");

    QTest::newRow("a reference past the last shape is none")
      << QByteArray(R"({"reference":3,"criterion":"ambient"})")
      << QStringList{ QStringLiteral("Sp1"), QStringLiteral("Sp2"), QStringLiteral("Bx1") }
      << false;
    QTest::newRow("a reference that is no whole number is none")
      << QByteArray(R"({"reference":1.5})")
      << QStringList{ QStringLiteral("Sp1"), QStringLiteral("Sp2"), QStringLiteral("Bx1") }
      << false;
    QTest::newRow("the surroundings as reference are read")
      << QByteArray(R"({"reference":"ambient"})")
      << QStringList{ QStringLiteral("Sp1"), QStringLiteral("Sp2"), QStringLiteral("Bx1") } << true;
    QTest::newRow("a name with a line break is given anew, a sound one kept")
      << QByteArray(R"({"shapes":[{"index":0,"name":"a\nb"},{"index":2,"name":"Top"}]})")
      << QStringList{ QStringLiteral("Sp1"), QStringLiteral("Sp2"), QStringLiteral("Top") }
      << false;
    QTest::newRow("an entry for no shape is passed over")
      << QByteArray(R"({"shapes":[{"index":-1,"name":"x"},{"index":9,"name":"y"},{"name":"z"}]})")
      << QStringList{ QStringLiteral("Sp1"), QStringLiteral("Sp2"), QStringLiteral("Bx1") }
      << false;
    QTest::newRow("a table that is no object is passed over")
      << QByteArray(R"([1,2])")
      << QStringList{ QStringLiteral("Sp1"), QStringLiteral("Sp2"), QStringLiteral("Bx1") }
      << false;
}

void TestMeasurementTable::damagedTableIsNotTaken()
{
    QFETCH(QByteArray, table);
    QFETCH(QStringList, names);
    QFETCH(bool, ambient);

    const QJsonDocument document = QJsonDocument::fromJson("{\"table\":" + table + "}");
    QVERIFY(document.isObject());
    ImageEntity back;
    QVERIFY(RadiometricReader::read(fileWith(document.object()), back));
    QStringList read;
    for (const ImageDrawPath& shape : back.image_drawpaths)
        read << shape.name;
    QCOMPARE(read, names);
    QCOMPARE(back.measurement.reference,
             ambient ? MeasurementSettings::Reference::Ambient
                     : MeasurementSettings::Reference::None);
}

void TestMeasurementTable::defaultTableLeavesTheBlockAlone()
{
    QList<ImageDrawPath> shapes{ shapeOf(ShapeKind::Point, {}, {}),
                                 shapeOf(ShapeKind::Oval, {}, {}) };
    ShapeNames::assign(shapes);
    QJsonObject extension{ { MeasurementSettings::key(), QStringLiteral("stale") } };
    MeasurementSettings::store(extension, MeasurementSettings(), shapes);
    QVERIFY(!extension.contains(MeasurementSettings::key()));
    // Any one change is kept.
    shapes[1].name = QStringLiteral("Housing");
    MeasurementSettings::store(extension, MeasurementSettings(), shapes);
    QVERIFY(extension.contains(MeasurementSettings::key()));
}

void TestMeasurementTable::shapesFileGainsTheTable()
{
    ImageEntity photo = twelveCells();
    QList<ImageDrawPath> shapes{
        shapeOf(ShapeKind::Point, { 0.1, 0.1 }, { 0.1, 0.1 }, QStringLiteral("Phase \"A\", top")),
        shapeOf(ShapeKind::Rectangle, { 0, 0 }, { 0.5, 2.0 / 3 }, QStringLiteral("Bx1")),
    };
    photo.measurement.reference = MeasurementSettings::Reference::Shape;
    photo.measurement.shape = 0;
    const QByteArray text = CsvExport::shapes(shapes, photo, 0);
    QCOMPARE(text.split('\n').value(0),
             QByteArray("kind,start_x,start_y,end_x,end_y,max,max_x,max_y,min,min_x,min_y,unit,"
                        "name,mean,cells,delta_t,class"));
    // A name with a comma and quotes is one quoted field; a point has no mean.
    QVERIFY2(text.split('\n').value(1).endsWith(",C,\"Phase \"\"A\"\", top\",,1,0.0,none"),
             text.constData());
    // The rectangle: 10, 20, 50 and 60 ℃, against the point's 10 ℃.
    QCOMPARE(csvLine(text, 2).mid(12), (QByteArrayList{ "Bx1", "35.0", "4", "50.0", "major" }));
    QCOMPARE(csvLine(CsvExport::shapes(shapes, photo, 1), 2).mid(13, 3),
             (QByteArrayList{ "95.0", "4", "90.0" }));
    // Without a matrix cell that has a temperature the mean reads N.A, not a number.
    ObjectParameters dark = ObjectParameters::ofCamera(95);
    dark.emissivity = 0.1;
    dark.reflected = 500;
    photo.setObjectParameters(dark);
    const QByteArrayList blind = csvLine(CsvExport::shapes(shapes, photo, 0), 2);
    QCOMPARE(blind.mid(13), (QByteArrayList{ "N.A", "0", "", "" }));
}

void TestMeasurementTable::commandLineGivesTheTable()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QJsonObject extension;
    ImageEntity plain;
    QVERIFY(RadiometricReader::read(fileWith(QJsonObject()), plain));
    QList<ImageDrawPath> shapes = plain.image_drawpaths;
    shapes[2].note = QStringLiteral("check");
    MeasurementSettings settings;
    settings.reference = MeasurementSettings::Reference::Ambient;
    settings.criterion = Criterion::OverAmbient;
    MeasurementSettings::store(extension, settings, shapes);
    const QString path = dir.filePath(QStringLiteral("table.jpg"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(fileWith(extension));
    file.close();

    const PhotographSummary summary = PhotographSummary::read(path);
    QVERIFY2(summary.ok, qPrintable(summary.error));
    const QJsonObject json = summary.json();
    const QJsonArray items = json.value(QStringLiteral("shapes")).toArray();
    QCOMPARE(items.size(), 3);
    // Over the camera's reflected 20 ℃: the first cell is 20.0, the whole picture's hottest
    // 39.1, its mean 29.55 shown to a tenth.
    const QJsonObject point = items.at(0).toObject();
    QCOMPARE(point.value(QStringLiteral("name")).toString(), QStringLiteral("Sp1"));
    QCOMPARE(point.value(QStringLiteral("delta_t")).toDouble(), 0.0);
    QCOMPARE(point.value(QStringLiteral("class")).toString(), QStringLiteral("none"));
    QVERIFY(point.value(QStringLiteral("mean")).isNull());
    const QJsonObject box = items.at(2).toObject();
    QCOMPARE(box.value(QStringLiteral("cells")).toInt(), 192);
    QVERIFY(qAbs(box.value(QStringLiteral("mean")).toDouble() - 29.55) <= 0.05 + 1e-9);
    QCOMPARE(box.value(QStringLiteral("delta_t")).toDouble(), 19.1);
    QCOMPARE(box.value(QStringLiteral("class")).toString(), QStringLiteral("priority_3"));
    QCOMPARE(box.value(QStringLiteral("note")).toString(), QStringLiteral("check"));
    QCOMPARE(items.at(1).toObject().value(QStringLiteral("class")).toString(),
             QStringLiteral("priority_3"));
    QCOMPARE(json.value(QStringLiteral("table")).toObject(),
             (QJsonObject{ { QStringLiteral("reference"), QStringLiteral("ambient") },
                           { QStringLiteral("criterion"), QStringLiteral("ambient") } }));
    const QString text = summary.text();
    QVERIFY2(text.contains(QStringLiteral("    Bx1 rectangle: max ")) &&
               text.contains(QStringLiteral("ΔT 19.1 K, priority 3")),
             qPrintable(text));

    // Two priority 3 findings (the rectangle and the last point at 39.1 ℃) and none else.
    const QByteArray report = PhotographReport::csv({ path }, 0, 1);
    QVERIFY2(report.split('\n').value(1).endsWith(",ok,ambient,,,,0,2,0,0"), report.constData());
}

QTEST_MAIN(TestMeasurementTable)
#include "tst_measurementtable.moc"
