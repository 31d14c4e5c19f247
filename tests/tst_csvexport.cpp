#include "model/csvexport.h"
#include "model/imageentity.h"
#include "support/measurescene.h"

#include <QtTest>

namespace {

ImageEntity matrixOf(int width, int height, const QVector<qint16>& cells)
{
    ImageEntity photo;
    photo.temperatureWidth = width;
    photo.temperatureHeight = height;
    photo.temperatureData = MeasureScene::matrix(cells);
    photo.loaded = true;
    return photo;
}

QList<QByteArrayList> fieldsOf(const QByteArray& text)
{
    QList<QByteArrayList> lines;
    for (const QByteArray& line : text.split('\n')) {
        if (!line.isEmpty())
            lines << line.split(',');
    }
    return lines;
}

// Read back, a value may differ from the model's only by the rounding to one decimal.
bool agrees(const QByteArray& field, float celsius, int unit)
{
    bool number = false;
    const double value = field.toDouble(&number);
    const double expected = double(ImageEntity::convertTemperature(celsius, 0, unit));
    return number && field.indexOf('.') == field.size() - 2 && qAbs(value - expected) <= 0.0501;
}

} // namespace

class TestCsvExport : public QObject
{
    Q_OBJECT

private slots:
    void temperatures_data();
    void temperatures();
    void shapes();
    void temperaturesAreShownCorrected_data();
    void temperaturesAreShownCorrected();
    void shapesAreShownCorrected();
    void writeLeavesNothingBehindOnFailure();
};

void TestCsvExport::temperatures_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<QVector<qint16>>("cells");
    QTest::addColumn<int>("unit");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("one cell") << 1 << 1 << QVector<qint16>{ 235 } << 0 << QByteArray("23.5\n");
    QTest::newRow("an odd-sized matrix, row by row, with negative readings")
      << 3 << 2 << QVector<qint16>{ 0, -5, 12, 999, -2731, 1 } << 0
      << QByteArray("0.0,-0.5,1.2\n99.9,-273.1,0.1\n");
    QTest::newRow("Fahrenheit") << 2 << 1 << QVector<qint16>{ -400, 370 } << 1
                                << QByteArray("-40.0,98.6\n");
    // -17.8 ℃ is -0.04 ℉: no minus sign before a zero.
    QTest::newRow("Fahrenheit that rounds to zero")
      << 1 << 1 << QVector<qint16>{ -178 } << 1 << QByteArray("0.0\n");
    QTest::newRow("Kelvin, read back")
      << 5 << 3 << QVector<qint16>{ -2731, -400, -1,   0,      1,     99, 235, 370,
                                    999,   1500, 3000, -32768, 32767, 7,  8 }
      << 2 << QByteArray();
}

void TestCsvExport::temperatures()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(QVector<qint16>, cells);
    QFETCH(int, unit);
    QFETCH(QByteArray, expected);

    ImageEntity photo = matrixOf(width, height, cells);
    const QByteArray text = CsvExport::temperatures(photo, unit);
    if (!expected.isEmpty())
        QCOMPARE(text, expected);
    // Parameters set to the camera's own change nothing.
    photo.setObjectParameters(ObjectParameters::ofCamera(95));
    QCOMPARE(CsvExport::temperatures(photo, unit), text);
    const QList<QByteArrayList> lines = fieldsOf(text);
    QCOMPARE(lines.size(), height);
    for (int y = 0; y < height; ++y) {
        QCOMPARE(lines[y].size(), width);
        for (int x = 0; x < width; ++x) {
            const float celsius = float(cells[y * width + x]) / 10.0f;
            QVERIFY2(agrees(lines[y][x], celsius, unit),
                     qPrintable(QStringLiteral("cell %1, %2 reads %3")
                                  .arg(x)
                                  .arg(y)
                                  .arg(QString::fromLatin1(lines[y][x]))));
        }
    }
}

void TestCsvExport::shapes()
{
    // Points 0 and 1 are fractions of the label, 3 and 4 the corners of matrix cells.
    ImageDrawPath point;
    point.type = 0;
    point.points[0] = point.points[1] = PathPoint(0.5f, 0.25f, 0, 0);
    point.points[3] = PathPoint(80.0f / 160, 30.0f / 120, 36.6f, 0);
    ImageDrawPath line;
    line.type = 1;
    line.points[0] = PathPoint(0.0f, 0.0f, 0, 0);
    line.points[1] = PathPoint(1.0f, 1.0f, 0, 0);
    line.points[3] = PathPoint(159.0f / 160, 119.0f / 120, 120.4f, 0);
    line.points[4] = PathPoint(3.0f / 160, 7.0f / 120, -12.5f, 0);
    ImageDrawPath oval = line;
    oval.type = 3;
    oval.points[0] = PathPoint(0.3f, 0.7f, 0, 0);

    const QByteArray text = CsvExport::shapes({ point, line, oval }, 160, 120, 1);
    const QList<QByteArrayList> lines = fieldsOf(text);
    QCOMPARE(lines.size(), 4);
    QCOMPARE(lines[0].join(','),
             QByteArray("kind,start_x,start_y,end_x,end_y,max,max_x,max_y,min,min_x,min_y,unit,"
                        "name,mean,cells,delta_t,class"));
    // Shapes never measured have no mean and no cells; without a reference, no difference.
    QCOMPARE(lines[1].join(','), QByteArray("point,80,30,80,30,97.9,80,30,,,,F,Sp1,,0,,"));
    // The end of a drag may lie on the label's far edge; it is the last cell.
    QCOMPARE(lines[2].join(','), QByteArray("line,0,0,159,119,248.7,159,119,9.5,3,7,F,Li1,,0,,"));
    QCOMPARE(lines[3].mid(0, 3), (QByteArrayList{ "oval", "48", "84" }));
    // A measured shape's mean and size, its name kept.
    oval.mean = 36.64f;
    oval.cells = 12;
    oval.name = QStringLiteral("Pump");
    QCOMPARE(fieldsOf(CsvExport::shapes({ oval }, 160, 120, 0))[1].mid(12),
             (QByteArrayList{ "Pump", "36.6", "12", "", "" }));
}

void TestCsvExport::temperaturesAreShownCorrected_data()
{
    QTest::addColumn<double>("emissivity");
    QTest::addColumn<double>("reflected");
    QTest::addColumn<double>("distance");
    QTest::addColumn<int>("unit");
    QTest::addColumn<bool>("someWithout");

    QTest::newRow("a lower emissivity, in Celsius") << 0.6 << 20.0 << 0.0 << 0 << false;
    QTest::newRow("a lower emissivity, in Fahrenheit") << 0.6 << 20.0 << 0.0 << 1 << false;
    QTest::newRow("a warm surrounding and air between, in Kelvin")
      << 0.8 << 60.0 << 30.0 << 2 << false;
    // Cells colder than the reflection of 300 ℃ off a surface of emissivity 0.1 leave no
    // radiance of their own.
    QTest::newRow("cells that have no temperature with the parameters")
      << 0.1 << 300.0 << 0.0 << 0 << true;
}

void TestCsvExport::temperaturesAreShownCorrected()
{
    QFETCH(double, emissivity);
    QFETCH(double, reflected);
    QFETCH(double, distance);
    QFETCH(int, unit);
    QFETCH(bool, someWithout);

    const QVector<qint16> cells{ -200, 0, 235, 500, 1000, 3000, 4500, 800 };
    ImageEntity photo = matrixOf(4, 2, cells);
    ObjectParameters parameters = ObjectParameters::ofCamera(95);
    parameters.emissivity = emissivity;
    parameters.reflected = reflected;
    parameters.distance = distance;
    photo.setObjectParameters(parameters);
    QVERIFY(!photo.correction().isIdentity());

    const QList<QByteArrayList> lines = fieldsOf(CsvExport::temperatures(photo, unit));
    QCOMPARE(lines.size(), 2);
    int changed = 0;
    int without = 0;
    for (int i = 0; i < cells.size(); ++i) {
        const QByteArray field = lines[i / 4].value(i % 4);
        double shown = 0;
        if (!photo.shownCelsius(cells[i] / 10.0, shown)) {
            QCOMPARE(field, QByteArray("N.A"));
            ++changed;
            ++without;
            continue;
        }
        QVERIFY2(agrees(field, float(shown), unit),
                 qPrintable(QStringLiteral("cell %1 reads %2, shown as %3 ℃")
                              .arg(i)
                              .arg(QString::fromLatin1(field))
                              .arg(shown)));
        if (qAbs(shown - cells[i] / 10.0) > 0.2)
            ++changed;
    }
    // The parameters move most readings, so a text of stored values could not pass.
    QVERIFY2(changed >= 4, qPrintable(QString::number(changed)));
    QCOMPARE(without > 0, someWithout);
}

void TestCsvExport::shapesAreShownCorrected()
{
    ImageDrawPath point;
    point.type = 0;
    point.points[3] = PathPoint(0.5f, 0.5f, 80.0f, 0);
    ImageDrawPath line;
    line.type = 1;
    line.points[3] = PathPoint(0.5f, 0.5f, 150.0f, 0);
    line.points[4] = PathPoint(0.0f, 0.0f, 5.0f, 0);

    ImageEntity photo = matrixOf(2, 2, { 50, 300, 800, 1500 });
    ObjectParameters parameters = ObjectParameters::ofCamera(95);
    parameters.emissivity = 0.1;
    parameters.reflected = 60;
    photo.setObjectParameters(parameters);

    const QList<QByteArrayList> lines =
      fieldsOf(CsvExport::shapes({ point, line }, 2, 2, 0, photo.correction()));
    QCOMPARE(lines.size(), 3);
    double hot = 0;
    QVERIFY(photo.shownCelsius(150.0, hot));
    double warm = 0;
    QVERIFY(photo.shownCelsius(80.0, warm));
    double cold = 0;
    QVERIFY(!photo.shownCelsius(5.0, cold));
    QVERIFY(agrees(lines[1][5], float(warm), 0));
    QVERIFY(agrees(lines[2][5], float(hot), 0));
    QCOMPARE(lines[2][8], QByteArray("N.A"));
    // With the camera's parameters the stored values are written as they are.
    photo.setObjectParameters(ObjectParameters::ofCamera(95));
    QCOMPARE(CsvExport::shapes({ point, line }, 2, 2, 0, photo.correction()),
             CsvExport::shapes({ point, line }, 2, 2, 0));
    QCOMPARE(fieldsOf(CsvExport::shapes({ line }, 2, 2, 0))[1][5], QByteArray("150.0"));
}

void TestCsvExport::writeLeavesNothingBehindOnFailure()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString file = dir.filePath(QStringLiteral("plain"));
    QVERIFY(CsvExport::write(file, "first\n"));
    QVERIFY(CsvExport::write(file, "second\n"));
    QFile written(file);
    QVERIFY(written.open(QIODevice::ReadOnly));
    QCOMPARE(written.readAll(), QByteArray("second\n"));
    // A folder that cannot be made: a file stands where it would be.
    const QString inside = file + QStringLiteral("/temperatures.csv");
    QVERIFY(!CsvExport::write(inside, "lost\n"));
    QVERIFY(!QFileInfo::exists(inside));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
             QStringList{ QStringLiteral("plain") });
}

QTEST_APPLESS_MAIN(TestCsvExport)
#include "tst_csvexport.moc"
