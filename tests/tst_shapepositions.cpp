// Shapes measured, saved, read back and exported: every position the shapes CSV and
// `korvex-cli info --json` give must be the cell the figure beside it was read from.

#include "cli/photographsummary.h"
#include "measure/regionmeasure.h"
#include "model/csvexport.h"
#include "model/radiometricreader.h"
#include "model/radiometricwriter.h"
#include "support/radiometricfile.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct Saved
{
    ImageEntity photo;
    QString path;
};

// A matrix of width × height with its hottest cell at hot and its coldest at cold, the rest a
// gentle slope, so that any neighbour of either holds another value.
QVector<qint16> slope(int width, int height, const QPoint& hot, const QPoint& cold)
{
    QVector<qint16> cells(width * height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            cells[y * width + x] = qint16(300 + (x * 7 + y * 3) % 97);
    }
    cells[hot.y() * width + hot.x()] = 727;
    cells[cold.y() * width + cold.x()] = 123;
    return cells;
}

ImageDrawPath drawn(ShapeKind kind, const QPointF& start, const QPointF& end)
{
    ImageDrawPath shape;
    shape.setKind(kind);
    shape.point(PointRole::Start) = PathPoint(float(start.x()), float(start.y()), 0, 0);
    shape.point(PointRole::End) = PathPoint(float(end.x()), float(end.y()), 0, 0);
    return shape;
}

QPoint cellOf(const QJsonValue& value)
{
    const QJsonArray pair = value.toArray();
    return QPoint(pair.at(0).toInt(-1), pair.at(1).toInt(-1));
}

} // namespace

class TestShapePositions : public QObject
{
    Q_OBJECT
private slots:
    void positionsNameTheCellsRead_data();
    void positionsNameTheCellsRead();
};

void TestShapePositions::positionsNameTheCellsRead_data()
{
    QTest::addColumn<QSize>("matrix");
    QTest::addColumn<QPoint>("hot");
    QTest::addColumn<QPoint>("cold");

    QTest::newRow("a 640 × 480 matrix, the hot cell where fractions fall short of it")
      << QSize(640, 480) << QPoint(247, 101) << QPoint(100, 300);
    QTest::newRow("a 320 × 240 matrix, both extremes on the last column and row")
      << QSize(320, 240) << QPoint(319, 17) << QPoint(5, 239);
    QTest::newRow("an 80 × 60 matrix, the extremes side by side")
      << QSize(80, 60) << QPoint(41, 29) << QPoint(42, 29);
    QTest::newRow("a 1280 × 960 matrix, a hot cell deep inside")
      << QSize(1280, 960) << QPoint(1013, 707) << QPoint(3, 951);
}

void TestShapePositions::positionsNameTheCellsRead()
{
    QFETCH(QSize, matrix);
    QFETCH(QPoint, hot);
    QFETCH(QPoint, cold);
    const int width = matrix.width();
    const int height = matrix.height();
    RadiometricFile file;
    file.temperatures =
      RadiometricFile::temperatureSection(width, height, slope(width, height, hot, cold));
    file.gray = RadiometricFile::graySection(width, height, QByteArray(width * height, '\x40'));
    ImageEntity photo;
    QVERIFY(RadiometricReader::read(file.bytes(), photo));
    const RegionMeasure measure(photo);

    // The centre of a cell as a fraction.
    const auto at = [&](const QPoint& cell) {
        return QPointF((cell.x() + 0.5) / width, (cell.y() + 0.5) / height);
    };
    QList<ImageDrawPath> shapes{
        drawn(ShapeKind::Rectangle, QPointF(0, 0), QPointF(1, 1)),
        drawn(ShapeKind::Oval, at(hot) - QPointF(0.03, 0.04), at(hot) + QPointF(0.05, 0.02)),
        drawn(ShapeKind::Line, at(cold), at(hot)),
        drawn(ShapeKind::Point, at(hot), at(hot)),
    };
    for (ImageDrawPath& shape : shapes)
        QVERIFY(measure.measure(shape));

    QByteArray saved;
    QCOMPARE(RadiometricWriter::write(file.bytes(),
                                      photo,
                                      RadiometricWriter::Settings(),
                                      shapes,
                                      RadiometricFile::jpeg(QSize(64, 48)),
                                      photo.extension,
                                      saved),
             RadiometricWriter::Outcome::Written);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("saved.jpg"));
    QFile out(path);
    QVERIFY(out.open(QIODevice::WriteOnly) && out.write(saved) == saved.size());
    out.close();
    ImageEntity back;
    QVERIFY(RadiometricReader::read(saved, back));
    QCOMPARE(back.image_drawpaths.size(), shapes.size());
    const TemperatureMatrix cells = back.temperatures();
    const auto celsiusAt = [&](const QPoint& cell) {
        return QByteArray::number(double(cells.celsius(cell.x(), cell.y())), 'f', 1);
    };

    // The CSV, one line per shape in the file's order: points, lines, rectangles, ovals.
    const QList<QByteArray> lines =
      CsvExport::shapes(back.image_drawpaths, width, height, 0).trimmed().split('\n');
    QCOMPARE(lines.size(), shapes.size() + 1);
    for (int i = 1; i < lines.size(); ++i) {
        const QList<QByteArray> field = lines[i].split(',');
        QCOMPARE(field.size(), 17);
        const QPoint maximum(field[6].toInt(), field[7].toInt());
        QVERIFY2(celsiusAt(maximum) == field[5], lines[i].constData());
        if (field[0] == "point") {
            QCOMPARE(maximum, hot);
            QCOMPARE(QPoint(field[1].toInt(), field[2].toInt()), hot);
            QCOMPARE(QPoint(field[3].toInt(), field[4].toInt()), hot);
            QVERIFY2(field[8].isEmpty() && field[9].isEmpty(), "a point has no minimum");
        } else {
            QVERIFY2(celsiusAt(QPoint(field[9].toInt(), field[10].toInt())) == field[8],
                     lines[i].constData());
        }
        if (field[0] != "point" && field[0] != "line")
            QCOMPARE(maximum, hot);
    }

    // info --json: the stored extremes, their cells, and the shape measured now.
    const PhotographSummary summary = PhotographSummary::read(path);
    QVERIFY2(summary.ok, qPrintable(summary.error));
    const QJsonArray json = summary.json().value(QStringLiteral("shapes")).toArray();
    QCOMPARE(json.size(), shapes.size());
    for (int i = 0; i < json.size(); ++i) {
        const QJsonObject shape = json.at(i).toObject();
        const ImageDrawPath& stored = back.image_drawpaths.at(i);
        const QJsonObject maximum = shape.value(QStringLiteral("max")).toObject();
        const QJsonObject measured = shape.value(QStringLiteral("measured")).toObject();
        const QJsonObject now = measured.value(QStringLiteral("max")).toObject();
        QCOMPARE(cellOf(maximum.value(QStringLiteral("cell"))),
                 cellOf(now.value(QStringLiteral("cell"))));
        QCOMPARE(maximum.value(QStringLiteral("celsius")).toDouble(),
                 now.value(QStringLiteral("celsius")).toDouble());
        RegionMeasure::Statistics found;
        QVERIFY(RegionMeasure(back).statistics(
          stored.kind(),
          QPointF(stored.point(PointRole::Start).x, stored.point(PointRole::Start).y),
          QPointF(stored.point(PointRole::End).x, stored.point(PointRole::End).y),
          found));
        QCOMPARE(measured.value(QStringLiteral("cells")).toInt(), found.cells);
        QCOMPARE(measured.value(QStringLiteral("mean")).toDouble(),
                 std::round(found.meanTenths) / 10.0);
        if (stored.kind() == ShapeKind::Point) {
            QVERIFY2(shape.value(QStringLiteral("min")).isNull(), "a point has no minimum");
            QVERIFY(measured.value(QStringLiteral("min")).isNull());
            QCOMPARE(cellOf(shape.value(QStringLiteral("start_cell"))), hot);
        } else {
            const QJsonObject minimum = shape.value(QStringLiteral("min")).toObject();
            QCOMPARE(
              cellOf(minimum.value(QStringLiteral("cell"))),
              cellOf(
                measured.value(QStringLiteral("min")).toObject().value(QStringLiteral("cell"))));
        }
    }
}

QTEST_GUILESS_MAIN(TestShapePositions)
#include "tst_shapepositions.moc"
