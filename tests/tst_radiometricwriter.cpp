#include "model/imageentity.h"
#include "model/radiometricreader.h"
#include "model/radiometricwriter.h"
#include "support/baselayoutreader.h"
#include "support/logcapture.h"
#include "support/radiometricfile.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QtTest>

namespace {

constexpr int payloadLimit = 256 * 1024;
const QString ignoredLine = QStringLiteral("扩展数据块无效，已忽略：");

QByteArray snapshotJpeg()
{
    return RadiometricFile::jpeg(QSize(40, 30), QColor(10, 200, 90));
}

ImageDrawPath shape(ShapeKind kind, float x, float y, float hottest, float coldest)
{
    ImageDrawPath path;
    path.setKind(kind);
    path.point(PointRole::Start) = PathPoint(x, y, 0, 0);
    path.point(PointRole::End) = PathPoint(x + 0.25f, y + 0.125f, 0, 0);
    path.point(PointRole::Maximum) = PathPoint(x + 0.0625f, y, hottest, 0);
    path.point(PointRole::Minimum) = PathPoint(x, y + 0.0625f, coldest, 0);
    return path;
}

QList<ImageDrawPath> someShapes()
{
    return { shape(ShapeKind::Oval, 0.5f, 0.25f, 40.5f, 20.25f),
             shape(ShapeKind::Point, 0.125f, 0.5f, 36.5f, 0),
             shape(ShapeKind::Line, 0.25f, 0.375f, 12.5f, -3.5f) };
}

// A photograph as the device writes it, read as the window reads it.
struct Opened
{
    QByteArray bytes;
    ImageEntity entity;
};

Opened open(const QByteArray& bytes)
{
    Opened opened{ bytes, ImageEntity() };
    RadiometricReader::read(bytes, opened.entity);
    return opened;
}

QByteArray save(const Opened& source,
                const RadiometricWriter::Settings& settings,
                const QList<ImageDrawPath>& shapes = someShapes())
{
    QByteArray file;
    const RadiometricWriter::Outcome outcome = RadiometricWriter::write(
      source.bytes, source.entity, settings, shapes, snapshotJpeg(), source.entity.extension, file);
    return outcome == RadiometricWriter::Outcome::Written ? file : QByteArray();
}

QByteArray withExtension(const QByteArray& block)
{
    RadiometricFile file;
    file.device.storedBlend = 50;
    file.trailer = RadiometricFile::shapeBlock(QList<ShapeRecord>{ ShapeRecord() }) +
                   RadiometricFile::featureBlock(0) + block;
    return file.bytes();
}

// A JSON object of exactly size bytes: the version, a blend and a string that fills the rest.
QByteArray objectOfSize(int size, int blend)
{
    const QByteArray head = "{\"version\":1,\"blend\":" + QByteArray::number(blend) + ",\"pad\":\"";
    return head + QByteArray(size - head.size() - 2, 'p') + "\"}";
}

} // namespace

class TestRadiometricWriter : public QObject
{
    Q_OBJECT

private slots:
    void roundTrip_data();
    void roundTrip();
    void extensionComesBehindTheFeatureBlock();
    void aBaseLayoutReaderStopsBeforeTheExtension();
    void readerTakesOrIgnoresTheBlock_data();
    void readerTakesOrIgnoresTheBlock();
    void unknownKeysAreKeptOnResave();
    void writerKeepsThePayloadWithinItsBound_data();
    void writerKeepsThePayloadWithinItsBound();
    void refusesAnotherPhotograph();
    void shownValuesAndPlacesReadBack_data();
    void shownValuesAndPlacesReadBack();
};

void TestRadiometricWriter::roundTrip_data()
{
    QTest::addColumn<QByteArray>("source");
    QTest::addColumn<int>("palette");
    QTest::addColumn<int>("unit");
    QTest::addColumn<int>("blend");
    QTest::addColumn<bool>("feature");
    QTest::addColumn<int>("storedCode");

    const QByteArray plain = RadiometricFile().bytes();
    QTest::newRow("a blend of 30 reopens as 30, the device block holding 75")
      << plain << 3 << 1 << 30 << true << 75;
    QTest::newRow("a blend of 0 reopens as 0") << plain << 0 << 0 << 0 << false << 100;
    QTest::newRow("a blend of 100 reopens as 100") << plain << 4 << 2 << 100 << true << 0;
    QTest::newRow("a blend of 63 reopens as 63, not as the stored 75")
      << plain << 1 << 0 << 63 << false << 25;
    QTest::newRow("a saved file with an old blend block reopens with the new blend")
      << withExtension(RadiometricFile::extensionBlock("{\"version\":1,\"blend\":12}")) << 2 << 2
      << 88 << true << 0;
}

void TestRadiometricWriter::roundTrip()
{
    QFETCH(QByteArray, source);
    QFETCH(int, palette);
    QFETCH(int, unit);
    QFETCH(int, blend);
    QFETCH(bool, feature);
    QFETCH(int, storedCode);
    const Opened opened = open(source);
    QVERIFY(opened.entity.loaded);

    const QByteArray saved = save(opened, { palette, unit, blend, feature });

    QVERIFY(!saved.isEmpty());
    ImageEntity back;
    QVERIFY(RadiometricReader::read(saved, back));
    QCOMPARE(back.details.palette, palette);
    QCOMPARE(back.details.unit, unit);
    QCOMPARE(back.details.blend, blend);
    QCOMPARE(back.details.featureShown, feature);
    QCOMPARE(back.temperatureData, opened.entity.temperatureData);
    QCOMPARE(back.extension.value(QStringLiteral("version")).toInt(), 1);
    QCOMPARE(back.extension.value(QStringLiteral("blend")).toInt(), blend);
    QCOMPARE(BaseLayout::read(saved).blendCode, storedCode);
    const QList<ImageDrawPath> drawn = someShapes();
    QCOMPARE(back.image_drawpaths.size(), drawn.size());
    // The file groups the shapes by kind: points, lines, rectangles, ovals.
    const ShapeKind order[] = { ShapeKind::Point, ShapeKind::Line, ShapeKind::Oval };
    const int drawnIndex[] = { 1, 2, 0 };
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(back.image_drawpaths[i].kind(), order[i]);
        const PathPoint& want = drawn[drawnIndex[i]].point(PointRole::Maximum);
        const PathPoint& got = back.image_drawpaths[i].point(PointRole::Maximum);
        QCOMPARE(got.x, want.x);
        QCOMPARE(got.value, want.value);
    }
}

void TestRadiometricWriter::extensionComesBehindTheFeatureBlock()
{
    const QByteArray saved = save(open(RadiometricFile().bytes()), { 1, 0, 30, true });

    const QByteArray expected = "</mzr-featre><korvex-ext>" + QByteArray("\x18\x00\x00\x00", 4) +
                                "{\"version\":1,\"blend\":30}</korvex-ext>";
    QVERIFY2(saved.endsWith(expected), saved.right(expected.size()).constData());
}

void TestRadiometricWriter::aBaseLayoutReaderStopsBeforeTheExtension()
{
    const Opened opened = open(RadiometricFile().bytes());
    const QByteArray saved = save(opened, { 2, 1, 30, false });

    const BaseLayout base = BaseLayout::read(saved);
    QVERIFY2(base.ok, "a reader of the base layout cannot read the saved file");
    QCOMPARE(base.jpegs, 3);
    QCOMPARE(base.temperatures, opened.entity.temperatureData);
    QCOMPARE(base.gray, opened.entity.grayData);
    QCOMPARE(base.palette, 2);
    QCOMPARE(base.unit, 1);
    QCOMPARE(base.blendCode, 75);
    QCOMPARE(base.feature, 0);
    QCOMPARE(base.shapePayload, RadiometricWriter::shapePayload(someShapes()).mid(4));
    QCOMPARE(saved.mid(int(base.end), 12), QByteArray("<korvex-ext>"));
}

void TestRadiometricWriter::readerTakesOrIgnoresTheBlock_data()
{
    QTest::addColumn<QByteArray>("block");
    QTest::addColumn<bool>("taken");
    QTest::addColumn<int>("blend");
    QTest::addColumn<int>("ignoredLines");

    const QByteArray sound = "{\"version\":1,\"blend\":30}";
    QTest::newRow("a sound block gives the exact blend")
      << RadiometricFile::extensionBlock(sound) << true << 30 << 0;
    QTest::newRow("a payload of exactly 256 KiB is read")
      << RadiometricFile::extensionBlock(objectOfSize(payloadLimit, 30)) << true << 30 << 0;
    QTest::newRow("a payload one byte over 256 KiB is ignored")
      << RadiometricFile::extensionBlock(objectOfSize(payloadLimit + 1, 30)) << false << 50 << 1;
    QTest::newRow("a negative length is ignored")
      << RadiometricFile::extensionBlock(-1, sound) << false << 50 << 1;
    QTest::newRow("a huge length is ignored")
      << RadiometricFile::extensionBlock(0x7fffffff, sound) << false << 50 << 1;
    QTest::newRow("a length past the end of the file is ignored")
      << RadiometricFile::extensionBlock(sound.size() + 40, sound) << false << 50 << 1;
    QTest::newRow("a length short of the payload misses the closing tag")
      << RadiometricFile::extensionBlock(sound.size() - 1, sound) << false << 50 << 1;
    QTest::newRow("a block without its closing tag is ignored")
      << RadiometricFile::extensionBlock(sound).left(12 + 4 + sound.size()) << false << 50 << 1;
    QTest::newRow("a block cut inside its length field is ignored")
      << QByteArray("<korvex-ext>\x05\x00", 14) << false << 50 << 1;
    QTest::newRow("broken JSON is ignored")
      << RadiometricFile::extensionBlock("{\"version\":1,\"blend\":") << false << 50 << 1;
    QTest::newRow("a JSON array is ignored")
      << RadiometricFile::extensionBlock("[1,30]") << false << 50 << 1;
    QTest::newRow("a blend above 100 leaves the device's blend")
      << RadiometricFile::extensionBlock("{\"version\":1,\"blend\":101}") << true << 50 << 0;
    QTest::newRow("a negative blend leaves the device's blend")
      << RadiometricFile::extensionBlock("{\"version\":1,\"blend\":-1}") << true << 50 << 0;
    QTest::newRow("a fractional blend leaves the device's blend")
      << RadiometricFile::extensionBlock("{\"version\":1,\"blend\":30.5}") << true << 50 << 0;
    QTest::newRow("a blend as text leaves the device's blend")
      << RadiometricFile::extensionBlock("{\"version\":1,\"blend\":\"30\"}") << true << 50 << 0;
    QTest::newRow("other bytes behind the feature block are not a block")
      << QByteArray("<korvex-exx>\x02\x00\x00\x00{}</korvex-ext>", 31) << false << 50 << 0;
}

void TestRadiometricWriter::readerTakesOrIgnoresTheBlock()
{
    QFETCH(QByteArray, block);
    QFETCH(bool, taken);
    QFETCH(int, blend);
    QFETCH(int, ignoredLines);
    LogCapture log;
    ImageEntity entity;

    QVERIFY2(RadiometricReader::read(withExtension(block), entity),
             "the photograph no longer opens");

    QCOMPARE(entity.details.blend, blend);
    QCOMPARE(!entity.extension.isEmpty(), taken);
    QCOMPARE(entity.details.featureShown, false);
    QCOMPARE(entity.image_drawpaths.size(), 1);
    QCOMPARE(log.linesStartingWith({ ignoredLine }).size(), ignoredLines);
    QCOMPARE(log.lines().last(), QStringLiteral("文件信息解析完成"));
}

void TestRadiometricWriter::unknownKeysAreKeptOnResave()
{
    const QByteArray stored =
      "{\"version\":1,\"blend\":30,\"later\":{\"gain\":[1,2.5,\"x\"]},\"note\":\"ünïcode\"}";
    const Opened opened = open(withExtension(RadiometricFile::extensionBlock(stored)));
    QCOMPARE(opened.entity.details.blend, 30);

    const QByteArray saved = save(opened, { 0, 0, 70, true });

    ImageEntity back;
    QVERIFY(RadiometricReader::read(saved, back));
    QCOMPARE(back.details.blend, 70);
    const QJsonObject expected =
      QJsonDocument::fromJson("{\"version\":1,\"blend\":70,\"later\":{\"gain\":[1,2.5,\"x\"]},"
                              "\"note\":\"ünïcode\"}")
        .object();
    QCOMPARE(back.extension, expected);
    QVERIFY(saved.contains("<korvex-ext>"));
    QVERIFY2(saved.contains("{\"version\":1,"), "the version is not the first key");
}

void TestRadiometricWriter::writerKeepsThePayloadWithinItsBound_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("padKept");
    QTest::newRow("a payload of exactly 256 KiB is written whole") << payloadLimit << true;
    QTest::newRow("one byte more leaves the largest carried key out") << payloadLimit + 1 << false;
    QTest::newRow("far more leaves it out as well") << payloadLimit * 3 << false;
}

void TestRadiometricWriter::writerKeepsThePayloadWithinItsBound()
{
    QFETCH(int, size);
    QFETCH(bool, padKept);
    // "keep" sorts between "blend" and "pad"; the object grows by its ,"keep":1.
    const QByteArray keepEntry = ",\"keep\":1";
    QJsonObject carried =
      QJsonDocument::fromJson(objectOfSize(size - keepEntry.size(), 40)).object();
    carried.insert(QStringLiteral("keep"), 1);
    carried.insert(QStringLiteral("version"), 7);

    const QByteArray payload = RadiometricWriter::extensionPayload(carried, 40);

    QVERIFY(payload.size() <= payloadLimit);
    const QJsonObject written = QJsonDocument::fromJson(payload).object();
    QCOMPARE(written.contains(QStringLiteral("pad")), padKept);
    QCOMPARE(written.value(QStringLiteral("keep")).toInt(), 1);
    QCOMPARE(written.value(QStringLiteral("version")).toInt(), 1);
    QCOMPARE(written.value(QStringLiteral("blend")).toInt(), 40);
    if (padKept)
        QCOMPARE(payload.size(), size);
}

void TestRadiometricWriter::refusesAnotherPhotograph()
{
    const Opened opened = open(RadiometricFile().bytes());
    RadiometricFile other;
    other.temperatures = RadiometricFile::temperatureSection(20, 10, QVector<qint16>(200, 300));
    QByteArray file("left over");

    const RadiometricWriter::Outcome outcome = RadiometricWriter::write(
      other.bytes(), opened.entity, {}, someShapes(), snapshotJpeg(), QJsonObject(), file);

    QCOMPARE(outcome, RadiometricWriter::Outcome::SourceChanged);
    QVERIFY(file.isEmpty());
}

void TestRadiometricWriter::shownValuesAndPlacesReadBack_data()
{
    QTest::addColumn<float>("hottest");
    QTest::addColumn<float>("coldest");
    QTest::addColumn<float>("x");

    QTest::newRow("a tenth a float holds just below itself") << 71.7f << 36.5f << 0.3859375f;
    QTest::newRow("a value halfway between tenths, above and below zero")
      << 36.45f << -3.25f << 0.5f;
    QTest::newRow("a value halfway to the next tenth just above zero") << 0.05f << -0.05f << 0.999f;
    QTest::newRow("values a hair on either side of a half") << 2.2499999f << 1.1500001f << 0.0001f;
}

// What the window shows of a shape, its one-decimal texts and the cell under each marker, is what
// the saved file gives back, and a point keeps where it was dropped.
void TestRadiometricWriter::shownValuesAndPlacesReadBack()
{
    QFETCH(float, hottest);
    QFETCH(float, coldest);
    QFETCH(float, x);
    ImageDrawPath area = shape(ShapeKind::Rectangle, x * 0.5f, 0.25f, hottest, coldest);
    area.point(PointRole::Maximum).x = x;
    ImageDrawPath point = shape(ShapeKind::Point, x, 0.75f, coldest, 0);
    point.point(PointRole::Maximum) = PathPoint(x, 0.75f, coldest, 0);
    const Opened opened = open(RadiometricFile().bytes());
    ImageEntity back;
    QVERIFY(RadiometricReader::read(save(opened, { 1, 0, 0, true }, { area, point }), back));
    QCOMPARE(back.image_drawpaths.size(), 2);
    const ImageDrawPath& pointBack = back.image_drawpaths[0];
    const ImageDrawPath& areaBack = back.image_drawpaths[1];
    const auto text = [](float value) { return ImageEntity::temperatureText(value, 0, 0); };
    QCOMPARE(text(areaBack.point(PointRole::Maximum).value), text(hottest));
    QCOMPARE(text(areaBack.point(PointRole::Minimum).value), text(coldest));
    QCOMPARE(text(pointBack.point(PointRole::Maximum).value), text(coldest));
    for (int cells : { 80, 160, 320, 640, 1280 }) {
        QCOMPARE(TemperatureMatrix::cellIndex(areaBack.point(PointRole::Maximum).x, cells),
                 TemperatureMatrix::cellIndex(x, cells));
    }
    for (PointRole role : { PointRole::Start, PointRole::End }) {
        QCOMPARE(pointBack.point(role).x, pointBack.point(PointRole::Maximum).x);
        QCOMPARE(pointBack.point(role).y, pointBack.point(PointRole::Maximum).y);
    }
    QVERIFY(std::abs(pointBack.point(PointRole::End).x - x) <= 0.00005f);
}

QTEST_MAIN(TestRadiometricWriter)
#include "tst_radiometricwriter.moc"
