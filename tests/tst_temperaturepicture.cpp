#include "render/imageblendthread.h"
#include "render/palettetable.h"
#include "render/scalestrip.h"
#include "render/temperaturepicture.h"
#include "support/measurescene.h"

#include <QJsonDocument>
#include <QRandomGenerator>
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

// The entry of a palette picture's pixel, found back in the palette.
int entryOfColour(QRgb colour, unsigned palette)
{
    const QRgb* colours = PaletteTable::colors(palette);
    for (int i = 0; i < PaletteTable::entryCount; ++i) {
        if (colours[i] == colour)
            return i;
    }
    return -1;
}

} // namespace

class TestTemperaturePicture : public QObject
{
    Q_OBJECT
private slots:
    void linearEntry_data();
    void linearEntry();
    void renderFollowsTheRuleCellByCell_data();
    void renderFollowsTheRuleCellByCell();
    void histogramSpreadsTheDetailOverTheBackground();
    void nothingToRender_data();
    void nothingToRender();
    void isotherm_data();
    void isotherm();
    void rangesAreInTheTemperaturesShown_data();
    void rangesAreInTheTemperaturesShown();
    void damagedSettingsReadAsTheCameras_data();
    void damagedSettingsReadAsTheCameras();
    void blendThreadRendersTheRange();
};

void TestTemperaturePicture::linearEntry_data()
{
    QTest::addColumn<int>("tenths");
    QTest::addColumn<double>("low");
    QTest::addColumn<double>("high");
    QTest::addColumn<int>("entry");

    QTest::newRow("the low end takes the first entry") << 200 << 20.0 << 30.0 << 0;
    QTest::newRow("the high end takes the last entry, not one past it")
      << 300 << 20.0 << 30.0 << 255;
    QTest::newRow("a tenth below the high end") << 299 << 20.0 << 30.0 << 253;
    QTest::newRow("the middle takes entry 128") << 250 << 20.0 << 30.0 << 128;
    QTest::newRow("below the range takes the first entry") << -400 << 20.0 << 30.0 << 0;
    QTest::newRow("above the range takes the last entry") << 1500 << 20.0 << 30.0 << 255;
    QTest::newRow("a one-tenth range: its low end") << 200 << 20.0 << 20.1 << 0;
    QTest::newRow("a one-tenth range: its high end") << 201 << 20.0 << 20.1 << 255;
    QTest::newRow("a range below zero") << -155 << -20.0 << -10.0 << 115;
    QTest::newRow("a range with high equal to low is refused") << 200 << 20.0 << 20.0 << -1;
    QTest::newRow("a range with high below low is refused") << 200 << 30.0 << 20.0 << -1;
}

void TestTemperaturePicture::linearEntry()
{
    QFETCH(int, tenths);
    QFETCH(double, low);
    QFETCH(double, high);
    QFETCH(int, entry);
    QCOMPARE(TemperaturePicture::linearEntry(tenths, low, high), entry);
}

void TestTemperaturePicture::renderFollowsTheRuleCellByCell_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<double>("low");
    QTest::addColumn<double>("high");
    QTest::addColumn<unsigned>("palette");

    QTest::newRow("a manual range inside the scene, iron")
      << int(TemperatureRange::Manual) << 22.5 << 31.3 << unsigned(PaletteTable::Iron);
    QTest::newRow("a manual range wider than the scene, spectrum")
      << int(TemperatureRange::Manual) << -10.0 << 80.0 << unsigned(PaletteTable::Spectrum);
    QTest::newRow("auto spans the coldest to the hottest cell, white hot")
      << int(TemperatureRange::Auto) << 0.0 << 0.0 << unsigned(PaletteTable::WhiteHot);
}

// Every pixel against the rule worked out on its own for its cell: a different rounding, a cell
// read from the wrong place or a row stride ignored shows at once.
void TestTemperaturePicture::renderFollowsTheRuleCellByCell()
{
    QFETCH(int, mode);
    QFETCH(double, low);
    QFETCH(double, high);
    QFETCH(unsigned, palette);
    const ImageEntity photo = MeasureScene::landscape(97, 61, 3, QSize(970, 610));
    const TemperatureMatrix matrix = photo.temperatures();
    if (mode == TemperatureRange::Auto) {
        low = matrix.minimum();
        high = matrix.maximum();
    }
    const QImage picture =
      TemperaturePicture::render(matrix, { TemperatureRange::Mode(mode), low, high }, palette);
    QCOMPARE(picture.size(), QSize(97, 61));
    const QRgb* colours = PaletteTable::colors(palette);
    for (int y = 0; y < 61; ++y) {
        for (int x = 0; x < 97; ++x) {
            const int tenths = matrix.tenths(x, y);
            const int entry =
              int(qBound(0.0, std::floor((tenths / 10.0 - low) / (high - low) * 256.0), 255.0));
            if (picture.pixel(x, y) != colours[entry])
                QFAIL(qPrintable(QStringLiteral("cell %1,%2 at %3 tenths is not entry %4")
                                   .arg(x)
                                   .arg(y)
                                   .arg(tenths)
                                   .arg(entry)));
        }
    }
}

// 80 % of the cells a wall at 20.0 ℃, the rest a detail spread evenly over 30.0 to 40.0 ℃.
// Plain equalisation would give the wall four fifths of the palette and squeeze the detail into
// the top fifth; the plateau keeps the detail spread over most of it.
void TestTemperaturePicture::histogramSpreadsTheDetailOverTheBackground()
{
    QVector<qint16> cells;
    for (int i = 0; i < 8080; ++i)
        cells.append(200);
    for (int t = 300; t <= 400; ++t) {
        for (int k = 0; k < 20; ++k)
            cells.append(qint16(t));
    }
    QRandomGenerator random(5);
    for (int i = cells.size() - 1; i > 0; --i)
        std::swap(cells[i], cells[random.bounded(i + 1)]);
    const TemperatureMatrix matrix = matrixOf(cells, 101);
    int lowest = 0;
    const QVector<uchar> entries =
      TemperaturePicture::entries(matrix, { TemperatureRange::Histogram, 0, 0 }, lowest);
    QCOMPARE(lowest, 200);
    QCOMPARE(entries.size(), 201);
    for (int i = 1; i < entries.size(); ++i)
        QVERIFY2(entries[i] >= entries[i - 1], "a hotter temperature took a colder entry");
    const int wall = entries[0];
    const int detailLow = entries[100];
    const int detailHigh = entries[200];
    QVERIFY2(wall < 32, qPrintable(QString::number(wall)));
    QVERIFY2(
      detailHigh - detailLow > 200,
      qPrintable(QStringLiteral("the detail spans %1 to %2").arg(detailLow).arg(detailHigh)));
    QVERIFY(qAbs(entries[150] - (detailLow + detailHigh) / 2) <= 4);

    // The picture uses those entries.
    const QImage picture =
      TemperaturePicture::render(matrix, { TemperatureRange::Histogram, 0, 0 }, PaletteTable::Iron);
    QCOMPARE(entryOfColour(picture.pixel(0, 0), PaletteTable::Iron),
             int(entries[matrix.tenths(0, 0) - lowest]));
}

void TestTemperaturePicture::nothingToRender_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<double>("low");
    QTest::addColumn<double>("high");
    QTest::addColumn<bool>("complete");
    QTest::addColumn<unsigned>("palette");

    QTest::newRow("camera mode renders the gray matrix elsewhere")
      << int(TemperatureRange::Camera) << 0.0 << 10.0 << true << 0u;
    QTest::newRow("a manual range with high below low")
      << int(TemperatureRange::Manual) << 30.0 << 20.0 << true << 0u;
    QTest::newRow("a matrix short of its cells")
      << int(TemperatureRange::Auto) << 0.0 << 0.0 << false << 0u;
    QTest::newRow("an unknown palette") << int(TemperatureRange::Auto) << 0.0 << 0.0 << true << 5u;
}

void TestTemperaturePicture::nothingToRender()
{
    QFETCH(int, mode);
    QFETCH(double, low);
    QFETCH(double, high);
    QFETCH(bool, complete);
    QFETCH(unsigned, palette);
    QByteArray bytes = MeasureScene::matrix(QVector<qint16>(12, 250));
    if (!complete)
        bytes.chop(2);
    const TemperatureMatrix matrix(bytes, 4, 3);
    QVERIFY(TemperaturePicture::render(matrix, { TemperatureRange::Mode(mode), low, high }, palette)
              .isNull());
}

void TestTemperaturePicture::isotherm_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<double>("first");
    QTest::addColumn<double>("second");
    QTest::addColumn<bool>("translucent");
    QTest::addColumn<QVector<int>>("covered");

    // Cells 0 … 9 hold 18.0, 19.5, 20.0, 20.1, 24.9, 25.0, 25.1, 30.0, -5.0, 99.9 ℃.
    QTest::newRow("above a limit, the limit included")
      << int(Isotherm::Above) << 25.0 << 0.0 << false << QVector<int>{ 5, 6, 7, 9 };
    QTest::newRow("below a limit, the limit included")
      << int(Isotherm::Below) << 20.0 << 0.0 << false << QVector<int>{ 0, 1, 2, 8 };
    QTest::newRow("between two limits given in either order, half transparent")
      << int(Isotherm::Between) << 25.0 << 20.0 << true << QVector<int>{ 2, 3, 4, 5 };
    QTest::newRow("none covers nothing")
      << int(Isotherm::None) << 0.0 << 0.0 << false << QVector<int>{};
}

void TestTemperaturePicture::isotherm()
{
    QFETCH(int, kind);
    QFETCH(double, first);
    QFETCH(double, second);
    QFETCH(bool, translucent);
    QFETCH(QVector<int>, covered);
    const TemperatureMatrix matrix =
      matrixOf({ 180, 195, 200, 201, 249, 250, 251, 300, -50, 999 }, 5);
    const QImage before = TemperaturePicture::render(matrix, manual(0, 50), PaletteTable::BlackHot);
    QImage picture = before;
    Isotherm isotherm;
    isotherm.kind = Isotherm::Kind(kind);
    isotherm.first = first;
    isotherm.second = second;
    isotherm.translucent = translucent;
    const double share = TemperaturePicture::paintIsotherm(picture, matrix, isotherm);
    QCOMPARE(share, covered.size() / 10.0);
    // The share the window shows beside the isotherm counts without painting.
    QCOMPARE(TemperaturePicture::coverage(matrix, isotherm), share);
    const QRgb green = Isotherm::defaultColour;
    for (int i = 0; i < 10; ++i) {
        const QRgb was = before.pixel(i % 5, i / 5);
        const QRgb is = picture.pixel(i % 5, i / 5);
        if (!covered.contains(i)) {
            QCOMPARE(is, was);
        } else if (translucent) {
            QCOMPARE(qGreen(is), (qGreen(was) + qGreen(green)) / 2);
            QCOMPARE(qRed(is), (qRed(was) + qRed(green)) / 2);
        } else {
            QCOMPARE(is, green);
        }
    }

    // Over the camera's gray picture at another size, each pixel follows the cell it falls in.
    const QImage doubled = before.scaled(before.size() * 2);
    QImage large = doubled;
    QCOMPARE(TemperaturePicture::paintIsotherm(large, matrix, isotherm), share);
    for (int y = 0; y < large.height(); ++y) {
        for (int x = 0; x < large.width(); ++x) {
            const bool inside = covered.contains(y / 2 * 5 + x / 2);
            if (!inside)
                QCOMPARE(large.pixel(x, y), doubled.pixel(x, y));
            else if (!translucent)
                QCOMPARE(large.pixel(x, y), green);
            else
                QVERIFY(large.pixel(x, y) != doubled.pixel(x, y));
        }
    }
}

void TestTemperaturePicture::damagedSettingsReadAsTheCameras_data()
{
    QTest::addColumn<QByteArray>("range");
    QTest::addColumn<QByteArray>("isotherm");
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("kind");

    QTest::newRow("sound settings are read")
      << QByteArray(R"({"mode":"manual","low":20,"high":30.5})")
      << QByteArray(R"({"kind":"below","first":-3.5,"colour":"#ff00ff"})")
      << int(TemperatureRange::Manual) << int(Isotherm::Below);
    QTest::newRow("a manual range with high below low")
      << QByteArray(R"({"mode":"manual","low":30,"high":20})") << QByteArray(R"({"kind":"above"})")
      << int(TemperatureRange::Camera) << int(Isotherm::None);
    QTest::newRow("limits that are text, and a mode no one knows")
      << QByteArray(R"({"mode":"manual","low":"20","high":30})")
      << QByteArray(R"({"kind":"sideways","first":1})") << int(TemperatureRange::Camera)
      << int(Isotherm::None);
    QTest::newRow("a temperature no matrix can hold")
      << QByteArray(R"({"mode":"manual","low":-1e300,"high":30})")
      << QByteArray(R"({"kind":"between","first":1})") << int(TemperatureRange::Camera)
      << int(Isotherm::None);
    QTest::newRow("not objects at all") << QByteArray("[1,2]") << QByteArray("7")
                                        << int(TemperatureRange::Camera) << int(Isotherm::None);
}

void TestTemperaturePicture::damagedSettingsReadAsTheCameras()
{
    QFETCH(QByteArray, range);
    QFETCH(QByteArray, isotherm);
    QFETCH(int, mode);
    QFETCH(int, kind);
    const QJsonObject object =
      QJsonDocument::fromJson("{\"r\":" + range + ",\"i\":" + isotherm + "}").object();
    QCOMPARE(int(TemperatureRange::fromJson(object.value(QStringLiteral("r"))).mode), mode);
    QCOMPARE(int(Isotherm::fromJson(object.value(QStringLiteral("i"))).kind), kind);
}

// The window's render thread with a range: the temperature matrix's picture with the isotherm
// over it, not the camera's gray one.
void TestTemperaturePicture::blendThreadRendersTheRange()
{
    ImageEntity photo = MeasureScene::landscape(64, 48, 8, QSize(640, 480));
    photo.grayWidth = 64;
    photo.grayHeight = 48;
    photo.grayData = QByteArray(64 * 48, '\x10');
    Isotherm isotherm;
    isotherm.kind = Isotherm::Above;
    isotherm.first = 30.0;
    const TemperatureRange range = manual(18.0, 34.0);
    QImage expected = TemperaturePicture::render(photo.temperatures(), range, PaletteTable::Cool);
    QVERIFY(TemperaturePicture::paintIsotherm(expected, photo.temperatures(), isotherm) > 0);

    ImageBlendThread* thread =
      ImageBlendThread::create(&photo, PaletteTable::Cool, 1.0f, range, isotherm);
    QVERIFY(thread);
    QImage result;
    connect(
      thread, &ImageBlendThread::blendSucceed, this, [&](const QImage& image) { result = image; });
    QVERIFY(thread->launch());
    QTRY_VERIFY_WITH_TIMEOUT(!result.isNull(), 5000);
    QCOMPARE(result.convertToFormat(QImage::Format_RGB32), expected);
}

void TestTemperaturePicture::rangesAreInTheTemperaturesShown_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<double>("emissivity");
    QTest::addColumn<double>("reflected");

    QTest::newRow("a manual range meets each cell as the lower emissivity shows it")
      << int(TemperatureRange::Manual) << 0.6 << 20.0;
    QTest::newRow("auto spans the coldest and hottest cell shown, not stored")
      << int(TemperatureRange::Auto) << 0.6 << 20.0;
    QTest::newRow("cells left without a temperature take the coldest colour and no isotherm")
      << int(TemperatureRange::Manual) << 0.05 << 45.0;
}

void TestTemperaturePicture::rangesAreInTheTemperaturesShown()
{
    QFETCH(int, mode);
    QFETCH(double, emissivity);
    QFETCH(double, reflected);
    const TemperatureMatrix matrix =
      matrixOf({ -100, 0, 150, 200, 249, 300, 420, 555, 700, 999 }, 5);
    ObjectParameters parameters = ObjectParameters::ofCamera(95);
    parameters.emissivity = emissivity;
    parameters.reflected = reflected;
    const TemperatureCorrection correction(parameters, -100, 999);
    TemperatureRange range = manual(10, 80);
    range.mode = TemperatureRange::Mode(mode);
    const QImage picture =
      TemperaturePicture::render(matrix, range, PaletteTable::Iron, correction);
    QVERIFY(!picture.isNull());

    double low = range.low;
    double high = range.high;
    QVERIFY(TemperaturePicture::shownSpan(matrix, correction, low, high));
    if (mode == int(TemperatureRange::Manual)) {
        low = range.low;
        high = range.high;
    }
    Isotherm above;
    above.kind = Isotherm::Above;
    above.first = 30;
    int unknown = 0;
    int covered = 0;
    const QRgb* colours = PaletteTable::colors(PaletteTable::Iron);
    for (int i = 0; i < 10; ++i) {
        double shown = 0;
        const bool known = correction.celsius(int(matrix.tenths(i % 5, i / 5)), shown);
        unknown += !known;
        covered += known && shown >= 30;
        const int entry = known ? TemperaturePicture::linearEntryOf(shown, low, high) : 0;
        QCOMPARE(picture.pixel(i % 5, i / 5), colours[entry]);
    }
    QCOMPARE(unknown > 0, emissivity < 0.1);
    QCOMPARE(TemperaturePicture::coverage(matrix, above, correction), covered / 10.0);

    // The scale beside it has the same ends.
    const ScaleStrip strip(matrix, range, PaletteTable::Iron, 0, Isotherm(), correction);
    QVERIFY(strip.isValid());
    QCOMPARE(strip.low(), low);
    QCOMPARE(strip.high(), high);
}

QTEST_GUILESS_MAIN(TestTemperaturePicture)
#include "tst_temperaturepicture.moc"
