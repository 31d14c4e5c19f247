#include "model/imageentity.h"
#include "render/palettetable.h"
#include "render/scalestrip.h"
#include "render/temperaturepicture.h"
#include "support/measurescene.h"

#include <QPainter>
#include <QtTest>

#include <cmath>

namespace {

TemperatureMatrix matrixOf(const QVector<qint16>& cells, int width)
{
    return TemperatureMatrix(MeasureScene::matrix(cells), width, cells.size() / width);
}

TemperatureRange manual(double low, double high)
{
    return { TemperatureRange::Manual, low, high };
}

// 20.0 to 30.0 ℃ in tenths, a row per tenth.
TemperatureMatrix ramp()
{
    QVector<qint16> cells;
    for (int tenths = 200; tenths <= 300; ++tenths)
        cells << qint16(tenths);
    return matrixOf(cells, 1);
}

// The first column right of the picture whose rows are all the palette's, hottest on top.
int stripColumn(const QImage& image, int from, const QRgb* colours)
{
    for (int x = from; x < image.width(); ++x) {
        if (image.pixel(x, 0) == colours[255] && image.pixel(x, image.height() - 1) == colours[0])
            return x;
    }
    return -1;
}

// A photograph as read, whose camera found its coldest and hottest spots at these temperatures.
ImageEntity cameraPhotograph(float coldest, float hottest)
{
    ImageEntity photograph;
    photograph.loaded = true;
    photograph.details.feature.minPoint.temperature = coldest;
    photograph.details.feature.maxPoint.temperature = hottest;
    return photograph;
}

// Rows of the picture, right of column from, where something is painted on the black ground.
QVector<int> paintedRows(const QImage& image, int from)
{
    QVector<int> rows;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = from; x < image.width(); ++x) {
            if (image.pixel(x, y) != qRgb(0, 0, 0)) {
                rows.append(y);
                break;
            }
        }
    }
    return rows;
}

} // namespace

class TestScaleStrip : public QObject
{
    Q_OBJECT
private slots:
    void niceTicks_data();
    void niceTicks();
    void ticksInTheDisplayUnit_data();
    void ticksInTheDisplayUnit();
    void histogramPositionsAreMonotone_data();
    void histogramPositionsAreMonotone();
    void besideAPicture_data();
    void besideAPicture();
    void isothermBandBesideTheStrip();
    void noScaleLeavesThePictureAlone();
    void cameraScaleShowsTheCamerasEndsAlone_data();
    void cameraScaleShowsTheCamerasEndsAlone();
    void cameraScaleNeedsSoundEnds_data();
    void cameraScaleNeedsSoundEnds();
};

void TestScaleStrip::niceTicks_data()
{
    QTest::addColumn<double>("low");
    QTest::addColumn<double>("high");
    QTest::addColumn<QVector<double>>("ticks");

    QTest::newRow("a range across zero steps by ten through zero")
      << -10.0 << 40.0 << QVector<double>{ -10, 0, 10, 20, 30, 40 };
    QTest::newRow("an untidy range across zero takes the step that keeps six or fewer")
      << -3.7 << 12.2 << QVector<double>{ 0, 5, 10 };
    QTest::newRow("a range below zero counts up to the warmer end")
      << -25.3 << -4.9 << QVector<double>{ -25, -20, -15, -10, -5 };
    QTest::newRow("a one-tenth range steps by two hundredths")
      << 20.0 << 20.1 << QVector<double>{ 20.0, 20.02, 20.04, 20.06, 20.08, 20.1 };
    QTest::newRow("Fahrenheit ends of 0 to 100 degrees Celsius step by fifty")
      << 32.0 << 212.0 << QVector<double>{ 50, 100, 150, 200 };
    QTest::newRow("ends on a step are ticks themselves")
      << 0.0 << 5.0 << QVector<double>{ 0, 1, 2, 3, 4, 5 };
    QTest::newRow("a range of one temperature has no ticks") << 20.0 << 20.0 << QVector<double>{};
    QTest::newRow("reversed ends have no ticks") << 30.0 << 20.0 << QVector<double>{};
    QTest::newRow("an endless range has no ticks") << 0.0 << double(INFINITY) << QVector<double>{};
}

void TestScaleStrip::niceTicks()
{
    QFETCH(double, low);
    QFETCH(double, high);
    QFETCH(QVector<double>, ticks);

    const QVector<double> values = ScaleStrip::niceTicks(low, high);
    QCOMPARE(values.size(), ticks.size());
    for (int i = 0; i < values.size(); ++i)
        QVERIFY2(std::fabs(values[i] - ticks[i]) < 1e-9,
                 qPrintable(QStringLiteral("%1 against %2").arg(values[i]).arg(ticks[i])));
}

void TestScaleStrip::ticksInTheDisplayUnit_data()
{
    QTest::addColumn<double>("low");
    QTest::addColumn<double>("high");
    QTest::addColumn<int>("unit");
    QTest::addColumn<QVector<double>>("values");
    QTest::addColumn<QVector<double>>("celsius");

    QTest::newRow("Celsius ticks sit at their own temperatures")
      << 20.0 << 30.0 << 0 << QVector<double>{ 20, 22, 24, 26, 28, 30 }
      << QVector<double>{ 20, 22, 24, 26, 28, 30 };
    QTest::newRow("Fahrenheit ticks sit at the temperatures they name")
      << 0.0 << 100.0 << 1 << QVector<double>{ 50, 100, 150, 200 }
      << QVector<double>{ 10, 37.7777777778, 65.5555555556, 93.3333333333 };
    QTest::newRow("Kelvin ticks sit at the temperatures they name")
      << 0.0 << 100.0 << 2 << QVector<double>{ 280, 300, 320, 340, 360 }
      << QVector<double>{ 6.85, 26.85, 46.85, 66.85, 86.85 };
}

void TestScaleStrip::ticksInTheDisplayUnit()
{
    QFETCH(double, low);
    QFETCH(double, high);
    QFETCH(int, unit);
    QFETCH(QVector<double>, values);
    QFETCH(QVector<double>, celsius);

    const ScaleStrip strip(ramp(), manual(low, high), PaletteTable::Iron, unit);
    QVERIFY(strip.isValid());
    const QVector<ScaleStrip::Tick> ticks = strip.ticks();
    QCOMPARE(ticks.size(), values.size());
    for (int i = 0; i < ticks.size(); ++i) {
        QVERIFY2(std::fabs(ticks[i].value - values[i]) < 1e-3, qPrintable(QString::number(i)));
        const double expected = (celsius[i] - low) / (high - low);
        QVERIFY2(std::fabs(ticks[i].position - expected) < 1e-4,
                 qPrintable(QStringLiteral("%1 at %2, not %3")
                              .arg(ticks[i].value)
                              .arg(ticks[i].position)
                              .arg(expected)));
    }
}

void TestScaleStrip::histogramPositionsAreMonotone_data()
{
    QTest::addColumn<QVector<qint16>>("cells");
    QTest::addColumn<int>("unit");

    QVector<qint16> background(4000, 150);
    for (int i = 0; i < 400; ++i)
        background << qint16(300 + i % 250);
    QVector<qint16> spread;
    for (int i = 0; i < 3000; ++i)
        spread << qint16(-120 + (i * 7919) % 700);
    QTest::newRow("a large uniform background in Celsius") << background << 0;
    QTest::newRow("a large uniform background in Fahrenheit") << background << 1;
    QTest::newRow("temperatures spread across zero in Kelvin") << spread << 2;
}

void TestScaleStrip::histogramPositionsAreMonotone()
{
    QFETCH(QVector<qint16>, cells);
    QFETCH(int, unit);

    const TemperatureMatrix matrix = matrixOf(cells, 100);
    const TemperatureRange range{ TemperatureRange::Histogram, 0, 0 };
    const ScaleStrip strip(matrix, range, PaletteTable::Spectrum, unit);
    QVERIFY(strip.isValid());
    int lowest = 0;
    const QVector<uchar> entries = TemperaturePicture::entries(matrix, range, lowest);
    const QVector<ScaleStrip::Tick> ticks = strip.ticks();
    QVERIFY(ticks.size() >= 2);
    for (int i = 0; i < ticks.size(); ++i) {
        if (i > 0)
            QVERIFY2(ticks[i].position >= ticks[i - 1].position, qPrintable(QString::number(i)));
        // Where the palette picture puts the tick's temperature.
        const double celsius = TemperatureRange::celsiusFrom(ticks[i].value, unit);
        const int index = int(std::lround(celsius * 10)) - lowest;
        QVERIFY(index >= 0 && index < entries.size());
        QCOMPARE(ticks[i].position, (entries[index] + 0.5) / 256);
    }
    QVERIFY(ticks.last().position > ticks.first().position);
}

void TestScaleStrip::besideAPicture_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<unsigned>("palette");

    QTest::newRow("a 320 by 240 picture in iron")
      << QSize(320, 240) << unsigned(PaletteTable::Iron);
    QTest::newRow("a 1280 by 960 picture in white hot")
      << QSize(1280, 960) << unsigned(PaletteTable::WhiteHot);
    QTest::newRow("a 160 by 120 picture in the spectrum")
      << QSize(160, 120) << unsigned(PaletteTable::Spectrum);
}

void TestScaleStrip::besideAPicture()
{
    QFETCH(QSize, size);
    QFETCH(unsigned, palette);

    QImage picture(size, QImage::Format_RGB32);
    picture.fill(qRgb(90, 120, 150));
    const ScaleStrip strip(ramp(), manual(20, 30), palette, 0);
    const QImage result = strip.beside(picture);
    QCOMPARE(result.height(), size.height());
    QCOMPARE(result.width(), size.width() + strip.width(size.height()));
    QCOMPARE(result.copy(QRect(QPoint(), size)), picture);
    // The width follows the height: the strip is about a twentieth of it wide, plus its values.
    QVERIFY(strip.width(size.height()) >= size.height() / 8);
    QVERIFY(strip.width(size.height()) <= size.height() / 2);

    const QRgb* colours = PaletteTable::colors(palette);
    const int x = stripColumn(result, size.width(), colours);
    QVERIFY(x > 0);
    // As many rows as the strip gives each entry, at least one.
    const int rows = qMax(1, size.height() / 256);
    for (int y = 0; y < rows; ++y) {
        QCOMPARE(result.pixel(x, y), colours[255]);
        QCOMPARE(result.pixel(x, size.height() - 1 - y), colours[0]);
    }
    // Hotter upwards all the way: each row going up is the same entry or a later one.
    int entry = 0;
    for (int y = size.height() - 1; y >= 0; --y) {
        while (entry < 256 && colours[entry] != result.pixel(x, y))
            ++entry;
        QVERIFY2(entry < 256, qPrintable(QStringLiteral("row %1").arg(y)));
    }
    // The values are written in white on the black ground right of the strip.
    int white = 0;
    for (int y = 0; y < size.height(); ++y)
        for (int xx = x + 1; xx < result.width(); ++xx)
            white += qGray(result.pixel(xx, y)) > 200 && result.pixel(xx, y) != colours[255];
    QVERIFY(white > 20);
}

void TestScaleStrip::isothermBandBesideTheStrip()
{
    Isotherm above;
    above.kind = Isotherm::Above;
    above.first = 25;
    const ScaleStrip strip(ramp(), manual(20, 30), PaletteTable::Iron, 0, above);
    QImage picture(320, 240, QImage::Format_RGB32);
    picture.fill(Qt::gray);
    const QImage result = strip.beside(picture);
    int column = -1;
    for (int x = picture.width(); x < result.width() && column < 0; ++x) {
        if (result.pixel(x, 0) == (above.colour | 0xff000000u))
            column = x;
    }
    QVERIFY(column > 0);
    int first = -1;
    int last = -1;
    for (int y = 0; y < result.height(); ++y) {
        if (result.pixel(column, y) == (above.colour | 0xff000000u)) {
            first = first < 0 ? y : first;
            last = y;
        }
    }
    // From the top of the strip down to 25 ℃, halfway.
    QCOMPARE(first, 0);
    QVERIFY2(std::abs(last - 119) <= 1, qPrintable(QString::number(last)));
    QVERIFY(column <
            stripColumn(result, picture.width(), PaletteTable::colors(PaletteTable::Iron)));
}

void TestScaleStrip::noScaleLeavesThePictureAlone()
{
    QImage picture(64, 48, QImage::Format_RGB32);
    picture.fill(Qt::red);
    const ScaleStrip camera(ramp(), TemperatureRange(), PaletteTable::Iron, 0);
    const ScaleStrip reversed(ramp(), manual(30, 20), PaletteTable::Iron, 0);
    const ScaleStrip incomplete(
      TemperatureMatrix(QByteArray(10, '\0'), 4, 4), manual(20, 30), PaletteTable::Iron, 0);
    for (const ScaleStrip* strip : { &camera, &reversed, &incomplete }) {
        QVERIFY(!strip->isValid());
        QCOMPARE(strip->beside(picture), picture);
    }
}

void TestScaleStrip::cameraScaleShowsTheCamerasEndsAlone_data()
{
    QTest::addColumn<float>("coldest");
    QTest::addColumn<float>("hottest");
    QTest::addColumn<int>("unit");
    QTest::addColumn<unsigned>("palette");

    QTest::newRow("a warm wall in Celsius in iron")
      << 18.4f << 36.9f << 0 << unsigned(PaletteTable::Iron);
    QTest::newRow("a frozen pipe in Fahrenheit in the spectrum")
      << -12.5f << 4.0f << 1 << unsigned(PaletteTable::Spectrum);
    QTest::newRow("a furnace in Kelvin in white hot")
      << 120.0f << 860.3f << 2 << unsigned(PaletteTable::WhiteHot);
    QTest::newRow("a scene of one temperature in Celsius in black hot")
      << 21.0f << 21.0f << 0 << unsigned(PaletteTable::BlackHot);
}

// The camera's ends and the palette, and nothing between the ends: a tick would claim a
// temperature for a gray level the camera never stated.
void TestScaleStrip::cameraScaleShowsTheCamerasEndsAlone()
{
    QFETCH(float, coldest);
    QFETCH(float, hottest);
    QFETCH(int, unit);
    QFETCH(unsigned, palette);

    const ScaleStrip strip = ScaleStrip::camera(cameraPhotograph(coldest, hottest), palette, unit);
    QVERIFY(strip.isValid());
    QCOMPARE(strip.low(), double(coldest));
    QCOMPARE(strip.high(), double(hottest));
    QVERIFY(strip.ticks().isEmpty());

    QImage picture(640, 480, QImage::Format_RGB32);
    picture.fill(qRgb(90, 120, 150));
    const QImage result = strip.beside(picture);
    QCOMPARE(result.width(), picture.width() + strip.width(picture.height()));
    QCOMPARE(result.copy(picture.rect()), picture);
    const QRgb* colours = PaletteTable::colors(palette);
    const int x = stripColumn(result, picture.width(), colours);
    QVERIFY(x > 0);

    // Text only in a line's height at the top and at the bottom.
    const int middle = result.height() / 2;
    int barEnd = x;
    while (barEnd < result.width() && result.pixel(barEnd, middle) == result.pixel(x, middle))
        ++barEnd;
    const QVector<int> rows = paintedRows(result, barEnd);
    QVERIFY(!rows.isEmpty());
    QVERIFY2(rows.first() < result.height() / 8, qPrintable(QString::number(rows.first())));
    QVERIFY2(rows.last() > result.height() * 7 / 8, qPrintable(QString::number(rows.last())));
    for (int y : rows)
        QVERIFY2(y < result.height() / 8 || y > result.height() * 7 / 8,
                 qPrintable(QStringLiteral("text at row %1").arg(y)));
    // Only the strip's columns hold palette colours: no isotherm band or tick mark beside it.
    for (int y = 0; y < result.height(); y += 7) {
        for (int xx = picture.width(); xx < x; ++xx)
            QCOMPARE(result.pixel(xx, y), qRgb(0, 0, 0));
    }
}

void TestScaleStrip::cameraScaleNeedsSoundEnds_data()
{
    QTest::addColumn<bool>("loaded");
    QTest::addColumn<float>("coldest");
    QTest::addColumn<float>("hottest");
    QTest::addColumn<unsigned>("palette");
    QTest::addColumn<int>("unit");

    QTest::newRow("a photograph not read has no camera scale")
      << false << 18.0f << 30.0f << unsigned(PaletteTable::Iron) << 0;
    QTest::newRow("an endless hottest temperature has no camera scale")
      << true << 18.0f << float(INFINITY) << unsigned(PaletteTable::Iron) << 0;
    QTest::newRow("an unknown coldest temperature has no camera scale")
      << true << float(NAN) << 30.0f << unsigned(PaletteTable::Iron) << 0;
    QTest::newRow("ends the wrong way round have no camera scale")
      << true << 30.0f << 18.0f << unsigned(PaletteTable::Iron) << 0;
    QTest::newRow("an unknown palette has no camera scale") << true << 18.0f << 30.0f << 7u << 0;
    QTest::newRow("an unknown unit has no camera scale")
      << true << 18.0f << 30.0f << unsigned(PaletteTable::Iron) << 3;
}

void TestScaleStrip::cameraScaleNeedsSoundEnds()
{
    QFETCH(bool, loaded);
    QFETCH(float, coldest);
    QFETCH(float, hottest);
    QFETCH(unsigned, palette);
    QFETCH(int, unit);

    ImageEntity photograph = cameraPhotograph(coldest, hottest);
    photograph.loaded = loaded;
    const ScaleStrip strip = ScaleStrip::camera(photograph, palette, unit);
    QVERIFY(!strip.isValid());
    QImage picture(64, 48, QImage::Format_RGB32);
    picture.fill(Qt::red);
    QCOMPARE(strip.beside(picture), picture);
}

QTEST_MAIN(TestScaleStrip)
#include "tst_scalestrip.moc"
