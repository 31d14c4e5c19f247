#include "render/palettetable.h"

#include <QtTest>

namespace {

struct Stop
{
    int gray;
    QRgb color;
};

const QVector<Stop> coolStops = {
    { 0, qRgb(1, 3, 2) },         { 1, qRgb(1, 3, 2) },         { 32, qRgb(1, 64, 64) },
    { 64, qRgb(1, 128, 127) },    { 96, qRgb(64, 64, 191) },    { 128, qRgb(127, 1, 254) },
    { 160, qRgb(191, 64, 127) },  { 192, qRgb(254, 127, 1) },   { 224, qRgb(254, 191, 127) },
    { 240, qRgb(254, 222, 191) }, { 254, qRgb(254, 250, 246) }, { 255, qRgb(254, 250, 246) },
};

QString colorText(QRgb color)
{
    return QString::asprintf(
      "(%d, %d, %d, alpha %d)", qRed(color), qGreen(color), qBlue(color), qAlpha(color));
}

} // namespace

class TestPaletteTable : public QObject
{
    Q_OBJECT
private slots:
    void everyEntryIsOpaque();
    void entries_data();
    void entries();
    void grayPalettesAreRamps();
    void coolLiesOnTheLinesBetweenItsStops();
    void unknownPaletteHasNoTable();
    void barPicturesShowTheTables_data();
    void barPicturesShowTheTables();
};

void TestPaletteTable::everyEntryIsOpaque()
{
    for (unsigned palette = 0; palette < PaletteTable::paletteCount; ++palette) {
        for (int gray = 0; gray < PaletteTable::entryCount; ++gray)
            QCOMPARE(qAlpha(PaletteTable::colors(palette)[gray]), 255);
    }
}

void TestPaletteTable::entries_data()
{
    QTest::addColumn<unsigned>("palette");
    QTest::addColumn<int>("gray");
    QTest::addColumn<QRgb>("expected");

    const unsigned spectrum = PaletteTable::Spectrum;
    QTest::newRow("spectrum starts black") << spectrum << 0 << qRgb(0, 0, 0);
    QTest::newRow("spectrum reaches blue at 51") << spectrum << 51 << qRgb(0, 0, 255);
    QTest::newRow("spectrum turns green after 51") << spectrum << 52 << qRgb(0, 2, 250);
    QTest::newRow("spectrum is dark green at 102") << spectrum << 102 << qRgb(0, 128, 0);
    QTest::newRow("spectrum adds red after 102") << spectrum << 103 << qRgb(5, 130, 0);
    QTest::newRow("spectrum is yellow at 153") << spectrum << 153 << qRgb(255, 255, 0);
    QTest::newRow("spectrum loses green after 153") << spectrum << 154 << qRgb(255, 250, 0);
    QTest::newRow("spectrum is red at 204") << spectrum << 204 << qRgb(255, 0, 0);
    QTest::newRow("spectrum whitens after 204") << spectrum << 205 << qRgb(255, 5, 5);
    QTest::newRow("spectrum ends white") << spectrum << 255 << qRgb(255, 255, 255);

    const unsigned iron = PaletteTable::Iron;
    QTest::newRow("iron starts black") << iron << 0 << qRgb(0, 0, 0);
    QTest::newRow("iron blue rounds down") << iron << 32 << qRgb(0, 0, 129);
    QTest::newRow("iron reaches blue at 63") << iron << 63 << qRgb(0, 0, 255);
    QTest::newRow("iron jumps to the red ramp at 64") << iron << 64 << qRgb(3, 0, 252);
    QTest::newRow("iron is red at 127") << iron << 127 << qRgb(255, 0, 0);
    QTest::newRow("iron adds green from 128") << iron << 128 << qRgb(255, 3, 0);
    QTest::newRow("iron is yellow at 191") << iron << 191 << qRgb(255, 255, 0);
    QTest::newRow("iron adds blue from 192") << iron << 192 << qRgb(255, 255, 3);
    QTest::newRow("iron ends white") << iron << 255 << qRgb(255, 255, 255);

    for (const Stop& stop : coolStops) {
        QTest::addRow("cool at its stop %d", stop.gray)
          << unsigned(PaletteTable::Cool) << stop.gray << stop.color;
    }
}

void TestPaletteTable::entries()
{
    QFETCH(unsigned, palette);
    QFETCH(int, gray);
    QFETCH(QRgb, expected);
    const QRgb actual = PaletteTable::colors(palette)[gray];
    QVERIFY2(actual == expected,
             qPrintable(colorText(actual) + QStringLiteral(" instead of ") + colorText(expected)));
}

void TestPaletteTable::grayPalettesAreRamps()
{
    const QRgb* whiteHot = PaletteTable::colors(PaletteTable::WhiteHot);
    const QRgb* blackHot = PaletteTable::colors(PaletteTable::BlackHot);
    for (int gray = 0; gray < PaletteTable::entryCount; ++gray) {
        QCOMPARE(whiteHot[gray], qRgb(gray, gray, gray));
        QCOMPARE(blackHot[gray], qRgb(255 - gray, 255 - gray, 255 - gray));
    }
}

void TestPaletteTable::coolLiesOnTheLinesBetweenItsStops()
{
    const QRgb* cool = PaletteTable::colors(PaletteTable::Cool);
    for (int stop = 0; stop + 1 < coolStops.size(); ++stop) {
        const Stop& from = coolStops[stop];
        const Stop& to = coolStops[stop + 1];
        for (int gray = from.gray; gray <= to.gray; ++gray) {
            const double t = double(gray - from.gray) / (to.gray - from.gray);
            const auto onLine = [t](int a, int b) { return a + (b - a) * t; };
            const QRgb actual = cool[gray];
            const bool close =
              qAbs(qRed(actual) - onLine(qRed(from.color), qRed(to.color))) <= 1 &&
              qAbs(qGreen(actual) - onLine(qGreen(from.color), qGreen(to.color))) <= 1 &&
              qAbs(qBlue(actual) - onLine(qBlue(from.color), qBlue(to.color))) <= 1;
            QVERIFY2(close,
                     qPrintable(QStringLiteral("cool %1 is %2").arg(gray).arg(colorText(actual))));
        }
    }
}

void TestPaletteTable::unknownPaletteHasNoTable()
{
    QVERIFY(PaletteTable::colors(PaletteTable::paletteCount) == nullptr);
    QVERIFY(PaletteTable::colors(~0u) == nullptr);
}

void TestPaletteTable::barPicturesShowTheTables_data()
{
    QTest::addColumn<unsigned>("palette");
    QTest::addColumn<QString>("path");

    const char* names[] = { "spectrum", "iron", "cool", "whitehot", "blackhot" };
    for (unsigned palette = 0; palette < PaletteTable::paletteCount; ++palette) {
        QTest::addRow("%s", names[palette])
          << palette
          << QStringLiteral(":/icon/res/icon/ic_palette_%1.png").arg(QLatin1String(names[palette]));
    }
}

void TestPaletteTable::barPicturesShowTheTables()
{
    QFETCH(unsigned, palette);
    QFETCH(QString, path);
    const QImage bar(path);
    QVERIFY2(!bar.isNull(), qPrintable(path + QStringLiteral(" is missing from the resources")));
    QCOMPARE(bar.height(), PaletteTable::entryCount);
    const QRgb* colors = PaletteTable::colors(palette);
    for (int y = 0; y < bar.height(); ++y) {
        // The hottest entry is at the top.
        const QRgb expected = colors[PaletteTable::entryCount - 1 - y];
        for (int x = 0; x < bar.width(); ++x) {
            const QRgb actual = bar.pixel(x, y);
            if (actual != expected)
                QFAIL(
                  qPrintable(QString::asprintf("pixel (%d, %d) is ", x, y) + colorText(actual)));
        }
    }
}

QTEST_APPLESS_MAIN(TestPaletteTable)
#include "tst_palettetable.moc"
