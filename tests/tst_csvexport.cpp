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

    const ImageEntity photo = matrixOf(width, height, cells);
    const QByteArray text = CsvExport::temperatures(photo, unit);
    if (!expected.isEmpty())
        QCOMPARE(text, expected);
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
             QByteArray("kind,start_x,start_y,end_x,end_y,max,max_x,max_y,min,min_x,min_y,unit"));
    QCOMPARE(lines[1].join(','), QByteArray("point,80,30,80,30,97.9,80,30,,,,F"));
    // The end of a drag may lie on the label's far edge; it is the last cell.
    QCOMPARE(lines[2].join(','), QByteArray("line,0,0,159,119,248.7,159,119,9.5,3,7,F"));
    QCOMPARE(lines[3].mid(0, 3), (QByteArrayList{ "oval", "48", "84" }));
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
