#include "model/imageentity.h"
#include "model/imagesavethread.h"
#include "model/radiometriclayout.h"
#include "model/radiometricreader.h"
#include "support/logcapture.h"
#include "support/radiometricfile.h"

#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QSize snapshotSize(200, 150);
const QString savedLine = QStringLiteral("文件保存成功");

struct Settings
{
    int palette = 2;
    int unit = 1;
    int blend = 40;
    bool feature = true;
};

// A picture with some detail, so that its JPEG is not a handful of bytes.
QPixmap snapshotPixmap(const QColor& color = QColor(30, 160, 90))
{
    QPixmap pixmap(snapshotSize);
    pixmap.fill(color);
    QPainter painter(&pixmap);
    painter.setPen(Qt::white);
    painter.drawEllipse(20, 20, 120, 90);
    painter.drawText(40, 70, QStringLiteral("36.5"));
    return pixmap;
}

ImageDrawPath shape(int type,
                    const PathPoint& start,
                    const PathPoint& end,
                    const PathPoint& maximum,
                    const PathPoint& minimum = PathPoint())
{
    ImageDrawPath path;
    path.type = type;
    path.points[0] = start;
    path.points[1] = end;
    path.points[2] = PathPoint(0.75f, 0.75f, 99.0f, 0);
    path.points[3] = maximum;
    path.points[4] = minimum;
    return path;
}

PathPoint at(float x, float y, float value = 0.0f)
{
    return PathPoint(x, y, value, 0);
}

// Every coordinate and value here lies clearly between two stored steps, so rounding instead of
// truncating shows up.
QList<ImageDrawPath> oneOfEachKind()
{
    return {
        shape(0, at(0.12347f, 0.5f), at(0.12347f, 0.5f), at(0.12347f, 0.5f, 36.57f)),
        shape(1,
              at(0.125f, 0.375f),
              at(0.875f, 0.625f),
              at(0.25f, 0.75f, 45.5f),
              at(0.125f, 0.375f, -3.25f)),
        shape(2,
              at(0.33333f, 0.66667f),
              at(0.5f, 0.25f),
              at(0.5f, 0.5f, 100.04f),
              at(0.625f, 0.125f, -0.06f)),
        shape(
          3, at(0.0f, 0.0f), at(1.0f, 1.0f), at(0.99999f, 0.00001f, 20.0f), at(0.5f, 0.5f, -40.0f))
    };
}

// What the reader must give back for oneOfEachKind(): x, y × 10000 and value × 10 of the points
// it reads (3 alone for a point shape; 0, 1, 3 and 4 otherwise, without the values of 0 and 1).
struct StoredShape
{
    int type;
    QVector<int> numbers;
};

QList<StoredShape> storedOneOfEachKind()
{
    return { { 0, { 1235, 5000, 366 } },
             { 1, { 1250, 3750, 8750, 6250, 2500, 7500, 455, 1250, 3750, -33 } },
             { 2, { 3333, 6667, 5000, 2500, 5000, 5000, 1000, 6250, 1250, -1 } },
             { 3, { 0, 0, 10000, 10000, 10000, 0, 200, 5000, 5000, -400 } } };
}

QVector<int> storedNumbers(const ImageDrawPath& path)
{
    auto scaled = [](float value, float factor) { return qRound(value * factor); };
    const PathPoint* p = path.points;
    if (path.type == 0)
        return { scaled(p[3].x, 10000), scaled(p[3].y, 10000), scaled(p[3].value, 10) };
    return { scaled(p[0].x, 10000),  scaled(p[0].y, 10000), scaled(p[1].x, 10000),
             scaled(p[1].y, 10000),  scaled(p[3].x, 10000), scaled(p[3].y, 10000),
             scaled(p[3].value, 10), scaled(p[4].x, 10000), scaled(p[4].y, 10000),
             scaled(p[4].value, 10) };
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

bool writeAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush();
}

bool saveNow(const QString& source,
             const QString& target,
             const QList<ImageDrawPath>& shapes = QList<ImageDrawPath>(),
             const Settings& settings = Settings(),
             const QPixmap& snapshot = snapshotPixmap())
{
    ImageEntity entity;
    RadiometricReader::read(readAll(source), entity);
    std::unique_ptr<ImageSaveThread> thread(ImageSaveThread::create(source,
                                                                    target,
                                                                    shapes,
                                                                    &entity,
                                                                    settings.palette,
                                                                    settings.unit,
                                                                    settings.blend,
                                                                    settings.feature,
                                                                    snapshot));
    return thread && thread->save();
}

QByteArray emptyPayload()
{
    return QByteArray::fromHex("08000000"
                               "0000"
                               "0000"
                               "0000"
                               "0000");
}

QByteArray tail(const QByteArray& payload, char feature)
{
    return QByteArray("<mzr-region>") + payload + "</mzr-region><mzr-featre>" + feature +
           "</mzr-featre>";
}

// The extension block a save writes behind the feature block for a photograph without one.
QByteArray extensionBlock(int blend)
{
    const QByteArray json = "{\"version\":1,\"blend\":" + QByteArray::number(blend) + '}';
    QByteArray block("<korvex-ext>");
    RadiometricFile::appendI32(block, json.size());
    return block + json + "</korvex-ext>";
}

QByteArray entry(quint16 x, quint16 y, qint32 value)
{
    QByteArray bytes;
    RadiometricFile::appendU16(bytes, x);
    RadiometricFile::appendU16(bytes, y);
    RadiometricFile::appendI32(bytes, value);
    return bytes;
}

// A photograph as this program saves it: Feature, Screen and Camera JPEGs and both blocks.
RadiometricFile savedBefore()
{
    RadiometricFile file;
    file.jpegs.prepend(RadiometricFile::jpeg(QSize(120, 90), QColor(250, 250, 0)));
    ShapeRecord old;
    old.type = 2;
    old.start = { 100, 200, 0 };
    old.end = { 300, 400, 0 };
    file.trailer = RadiometricFile::shapeBlock({ old, old }) + RadiometricFile::featureBlock(1);
    return file;
}

RadiometricFile oneJpeg()
{
    RadiometricFile file;
    file.jpegs.removeLast();
    return file;
}

RadiometricFile withTrailer(const QByteArray& trailer)
{
    RadiometricFile file;
    file.trailer = trailer;
    return file;
}

RadiometricFile shortDevice()
{
    RadiometricFile file;
    file.device.length = 104;
    file.jpegs[0] = RadiometricFile::jpeg(QSize(64, 60));
    return file;
}

// What the source must become in the saved file: its Screen JPEG onwards to the end of the device
// block, with the settings in it.
QByteArray kept(RadiometricFile file, int palette, int unit, int blendCode)
{
    if (file.jpegs.size() == 3)
        file.jpegs.removeFirst();
    file.trailer.clear();
    file.device.palette = palette;
    file.device.unit = unit;
    file.device.storedBlend = blendCode;
    return file.bytes();
}

QPoint firstJpeg(const QByteArray& bytes)
{
    const QVector<QPoint> jpegs = RadiometricLayout::findJpegs(bytes);
    return jpegs.isEmpty() ? QPoint(0, -1) : jpegs.first();
}

QByteArray payloadOf(const QByteArray& saved)
{
    const RadiometricLayout layout = RadiometricLayout::locate(saved);
    if (layout.trailer != RadiometricLayout::Trailer::Region)
        return QByteArray();
    return saved.mid(int(layout.trailerOffset + RadiometricLayout::tagSize));
}

QStringList filesIn(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
}

} // namespace

class TestImageSaveThread : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void blendCode_data();
    void blendCode();
    void createRefuses_data();
    void createRefuses();

    void writtenBytes_data();
    void writtenBytes();
    void shapeRecord_data();
    void shapeRecord();
    void groupsKeepTheListOrder();
    void countBeyondSixteenBitsLeavesTheRestOut();

    void roundTrip_data();
    void roundTrip();
    void savingASavedFileReplacesItsAnnotations();
    void snapshotIsTakenAtCreate();

    void refusesUntrustedSource_data();
    void refusesUntrustedSource();
    void sourceMustBeTheOpenedPhotograph_data();
    void sourceMustBeTheOpenedPhotograph();
    void savingTwiceKeepsThePictures_data();
    void savingTwiceKeepsThePictures();
    void snapshotThatCannotBeEncoded_data();
    void snapshotThatCannotBeEncoded();
    void targetInsideARegularFile();
    void targetFolderReadOnly();
    void cutShortWriteKeepsTheSource();
    void filesThatDisappearBeforeTheSave();

    void threadSavesAndDeletesItself();
    void logsTheSteps();
    void savesFromTheBytesReadAtOpen_data();
    void savesFromTheBytesReadAtOpen();
    void keptBytesOfAnotherPhotographAreRefused();

private:
    std::unique_ptr<QTemporaryDir> folder;
    QString path(const QString& name) const { return folder->filePath(name); }
};

void TestImageSaveThread::init()
{
    folder = std::make_unique<QTemporaryDir>();
    QVERIFY(folder->isValid());
}

void TestImageSaveThread::blendCode_data()
{
    QTest::addColumn<int>("slider");
    QTest::addColumn<int>("code");
    QTest::newRow("slider 0 stores the palette alone") << 0 << 100;
    QTest::newRow("slider 12 still nearest 100") << 12 << 100;
    QTest::newRow("slider 13 moves to 75") << 13 << 75;
    QTest::newRow("slider 37 still nearest 75") << 37 << 75;
    QTest::newRow("slider 38 moves to 50") << 38 << 50;
    QTest::newRow("slider 40 stores 50") << 40 << 50;
    QTest::newRow("slider 62 still nearest 50") << 62 << 50;
    QTest::newRow("slider 63 moves to 25") << 63 << 25;
    QTest::newRow("slider 87 still nearest 25") << 87 << 25;
    QTest::newRow("slider 88 moves to 0") << 88 << 0;
    QTest::newRow("slider 100 stores the camera alone") << 100 << 0;
    QTest::newRow("a value below the slider's range") << -30 << 100;
    QTest::newRow("a value above the slider's range") << 250 << 0;
}

void TestImageSaveThread::blendCode()
{
    QFETCH(int, slider);
    QFETCH(int, code);
    QCOMPARE(ImageSaveThread::blendCodeFor(slider), code);
}

void TestImageSaveThread::createRefuses_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("target");
    QTest::addColumn<bool>("withEntity");
    QTest::newRow("empty source path") << QString() << QStringLiteral("out.jpg") << true;
    QTest::newRow("empty target path") << QStringLiteral("in.jpg") << QString() << true;
    QTest::newRow("no photograph")
      << QStringLiteral("in.jpg") << QStringLiteral("out.jpg") << false;
}

void TestImageSaveThread::createRefuses()
{
    QFETCH(QString, source);
    QFETCH(QString, target);
    QFETCH(bool, withEntity);
    ImageEntity entity;
    std::unique_ptr<ImageSaveThread> thread(ImageSaveThread::create(source,
                                                                    target,
                                                                    oneOfEachKind(),
                                                                    withEntity ? &entity : nullptr,
                                                                    0,
                                                                    0,
                                                                    0,
                                                                    true,
                                                                    snapshotPixmap()));
    QVERIFY(!thread);
}

void TestImageSaveThread::writtenBytes_data()
{
    QTest::addColumn<QByteArray>("source");
    QTest::addColumn<QByteArray>("expectedKept");
    QTest::addColumn<int>("palette");
    QTest::addColumn<int>("unit");
    QTest::addColumn<int>("blend");
    QTest::addColumn<bool>("feature");

    const RadiometricFile two;
    QTest::newRow("two JPEGs ending with the device block")
      << two.bytes() << kept(two, 4, 2, 50) << 4 << 2 << 40 << true;
    QTest::newRow("feature hidden stores a zero byte")
      << two.bytes() << kept(two, 0, 0, 100) << 0 << 0 << 0 << false;
    const RadiometricFile one = oneJpeg();
    QTest::newRow("a single JPEG is written without a snapshot")
      << one.bytes() << kept(one, 3, 1, 75) << 3 << 1 << 13 << true;
    const RadiometricFile saved = savedBefore();
    QTest::newRow("a saved file loses its old snapshot and blocks")
      << saved.bytes() << kept(saved, 4, 2, 0) << 4 << 2 << 100 << true;
    const RadiometricFile featureOnly = withTrailer(RadiometricFile::featureBlock(1));
    QTest::newRow("a feature block without shapes goes")
      << featureOnly.bytes() << kept(featureOnly, 1, 0, 25) << 1 << 0 << 70 << false;
    const RadiometricFile junk = withTrailer(QByteArray("camera padding \xff\xd8\xff\xe0 1234"));
    QTest::newRow("unknown bytes after the device block go")
      << junk.bytes() << kept(junk, 2, 2, 50) << 2 << 2 << 50 << true;
    const RadiometricFile device104 = shortDevice();
    QTest::newRow("a 104-byte device block takes the settings in its last fields")
      << device104.bytes() << kept(device104, 4, 2, 100) << 4 << 2 << 0 << true;
    QTest::newRow("bytes before the first JPEG go")
      << QByteArray("\xff\xd8\xff\xe1xx") + two.bytes() << kept(two, 4, 0, 50) << 4 << 0 << 50
      << true;
}

void TestImageSaveThread::writtenBytes()
{
    QFETCH(QByteArray, source);
    QFETCH(QByteArray, expectedKept);
    QFETCH(int, palette);
    QFETCH(int, unit);
    QFETCH(int, blend);
    QFETCH(bool, feature);
    QVERIFY(writeAll(path(QStringLiteral("in.jpg")), source));

    QVERIFY(saveNow(path(QStringLiteral("in.jpg")),
                    path(QStringLiteral("out.jpg")),
                    {},
                    { palette, unit, blend, feature }));

    const QByteArray saved = readAll(path(QStringLiteral("out.jpg")));
    QByteArray written = saved;
    if (RadiometricLayout::locate(expectedKept).jpegCount > 1) {
        const QPoint snapshot = firstJpeg(saved);
        QCOMPARE(snapshot.x(), 0);
        QCOMPARE(QImage::fromData(saved.left(snapshot.y() + 1)).size(), snapshotSize);
        written = saved.mid(snapshot.y() + 1);
    }
    QCOMPARE(written, expectedKept + tail(emptyPayload(), char(feature)) + extensionBlock(blend));
}

void TestImageSaveThread::shapeRecord_data()
{
    QTest::addColumn<ImageDrawPath>("path");
    QTest::addColumn<QByteArray>("record");

    QTest::newRow("a point at a quarter and a half of 36.57 degrees")
      << shape(0, at(0.25f, 0.5f), at(0.25f, 0.5f), at(0.25f, 0.5f, 36.57f))
      << entry(2500, 5000, 0) + entry(2500, 5000, 0) + entry(2500, 5000, 366) + entry(0, 0, 0);
    QTest::newRow("a line writes both drag ends with their values and both extremes")
      << shape(1,
               at(0.125f, 0.375f, 12.5f),
               at(0.875f, 0.625f, 7.0f),
               at(0.25f, 0.75f, 45.5f),
               at(0.5f, 0.0f, -3.25f))
      << entry(1250, 3750, 125) + entry(8750, 6250, 70) + entry(2500, 7500, 455) +
           entry(5000, 0, -33);
    QTest::newRow("fractions and values are rounded to the nearest step, not cut short")
      << shape(2,
               at(0.12347f, 0.99999f),
               at(0.33333f, 0.66667f),
               at(0.5f, 0.5f, 71.7f),
               at(0.5f, 0.5f, -12.38f))
      << entry(1235, 10000, 0) + entry(3333, 6667, 0) + entry(5000, 5000, 717) +
           entry(5000, 5000, -124);
    QTest::newRow("a value halfway between two tenths goes up, as its text does")
      << shape(2, at(0, 0), at(1, 1), at(0.5f, 0.5f, 36.45f), at(0.5f, 0.5f, -3.25f))
      << entry(0, 0, 0) + entry(10000, 10000, 0) + entry(5000, 5000, 365) + entry(5000, 5000, -33);
    // Drags may end beyond the surface; wrapping would put the point at the opposite side.
    QTest::newRow("a point beyond the surface is held at the field's ends")
      << shape(3, at(-0.01f, 7.0f), at(1.0f, 1.0f), at(0.5f, 0.5f, 1e12f), at(0.5f, 0.5f, -1e12f))
      << entry(0, 65535, 0) + entry(10000, 10000, 0) + entry(5000, 5000, 2147483647) +
           entry(5000, 5000, -2147483647 - 1);
}

void TestImageSaveThread::shapeRecord()
{
    QFETCH(ImageDrawPath, path);
    QFETCH(QByteArray, record);
    const QByteArray payload = ImageSaveThread::shapePayload({ path });
    QCOMPARE(payload.size(), 4 + 8 + 32);
    QCOMPARE(payload.left(4), QByteArray::fromHex("28000000"));
    const int recordOffset = 4 + 2 * (path.type + 1);
    QCOMPARE(payload.mid(recordOffset, 32), record);
}

void TestImageSaveThread::groupsKeepTheListOrder()
{
    auto tagged = [](int type, float x) {
        return shape(type, at(x, 0.0f), at(0.0f, 0.0f), at(0.0f, 0.0f));
    };
    const QList<ImageDrawPath> shapes = { tagged(3, 0.5f),    tagged(0, 0.25f), tagged(1, 0.125f),
                                          tagged(7, 0.0625f), tagged(0, 0.75f), tagged(2, 0.875f),
                                          tagged(-1, 0.3125f) };
    const QByteArray payload = ImageSaveThread::shapePayload(shapes);

    QCOMPARE(payload.size(), 4 + 8 + 5 * 32);
    QByteArray length;
    RadiometricFile::appendI32(length, 8 + 5 * 32);
    QCOMPARE(payload.left(4), length);
    // Per group: its count, then the first field of each record, which carries the tag above.
    const QList<QList<int>> groups = { { 2500, 7500 }, { 1250 }, { 8750 }, { 5000 } };
    int offset = 4;
    auto u16 = [&](int at) { return int(uchar(payload[at]) | (uchar(payload[at + 1]) << 8)); };
    for (const QList<int>& group : groups) {
        QCOMPARE(u16(offset), group.size());
        offset += 2;
        for (int tag : group) {
            QCOMPARE(u16(offset), tag);
            offset += 32;
        }
    }
    QCOMPARE(offset, payload.size());
}

void TestImageSaveThread::countBeyondSixteenBitsLeavesTheRestOut()
{
    const int limit = 65535;
    QList<ImageDrawPath> shapes;
    for (int i = 0; i <= limit; ++i)
        shapes.append(shape(0, at(0.5f, 0.5f), at(0.5f, 0.5f), at(0.5f, 0.5f, 20.0f)));
    shapes.append(shape(1, at(0.25f, 0.25f), at(0.75f, 0.75f), at(0.5f, 0.5f)));

    const QByteArray payload = ImageSaveThread::shapePayload(shapes);

    QCOMPARE(payload.size(), 4 + 8 + (limit + 1) * 32);
    QCOMPARE(payload.mid(4, 2), QByteArray::fromHex("ffff"));
    QCOMPARE(payload.mid(6 + limit * 32, 2), QByteArray::fromHex("0100"));
}

void TestImageSaveThread::roundTrip_data()
{
    QTest::addColumn<QByteArray>("source");
    QTest::addColumn<bool>("sameFile");
    QTest::addColumn<int>("jpegs");
    QTest::addColumn<QSize>("camera");

    const QSize camera(80, 60);
    QTest::newRow("one JPEG stays one JPEG") << oneJpeg().bytes() << false << 1 << QSize(0, 0);
    QTest::newRow("two JPEGs") << RadiometricFile().bytes() << false << 3 << camera;
    QTest::newRow("three JPEGs with an old shape block")
      << savedBefore().bytes() << false << 3 << camera;
    RadiometricFile twoWithShapes = savedBefore();
    twoWithShapes.jpegs.removeFirst();
    QTest::newRow("two JPEGs with an old shape block")
      << twoWithShapes.bytes() << false << 3 << camera;
    QTest::newRow("a feature block and no shape block")
      << withTrailer(RadiometricFile::featureBlock(1)).bytes() << false << 3 << camera;
    QTest::newRow("a 104-byte device block") << shortDevice().bytes() << false << 3 << camera;
    QTest::newRow("the source is also the target") << savedBefore().bytes() << true << 3 << camera;
}

void TestImageSaveThread::roundTrip()
{
    QFETCH(QByteArray, source);
    QFETCH(bool, sameFile);
    QFETCH(int, jpegs);
    QFETCH(QSize, camera);
    const QString sourcePath = path(QStringLiteral("in.jpg"));
    const QString targetPath = sameFile ? sourcePath : path(QStringLiteral("out.jpg"));
    QVERIFY(writeAll(sourcePath, source));
    ImageEntity original;
    QVERIFY(RadiometricReader::read(source, original));

    QVERIFY(saveNow(sourcePath, targetPath, oneOfEachKind(), { 4, 2, 63, false }));

    const QByteArray saved = readAll(targetPath);
    ImageEntity entity;
    QVERIFY2(RadiometricReader::read(saved, entity), "the saved file does not read back");
    QCOMPARE(RadiometricLayout::locate(saved).jpegs.size(), jpegs);
    QCOMPARE(QImage::fromData(saved.left(firstJpeg(saved).y() + 1)).size(),
             jpegs == 1 ? QSize(64, 48) : snapshotSize);
    QCOMPARE(entity.screenImage, original.screenImage);
    QCOMPARE(entity.cameraImage.size(), camera);
    QCOMPARE(entity.temperatureData, original.temperatureData);
    QCOMPARE(entity.grayData, original.grayData);
    QCOMPARE(entity.details.emissivity, original.details.emissivity);
    QCOMPARE(entity.details.captureTime, original.details.captureTime);
    QCOMPARE(entity.details.palette, 4);
    QCOMPARE(entity.details.unit, 2);
    // The device block holds the nearest of its codes; the extension block the degree itself.
    const RadiometricLayout layout = RadiometricLayout::locate(saved);
    QCOMPARE(qFromLittleEndian<qint32>(saved.constData() + layout.deviceOffset + 100), 25);
    QCOMPARE(entity.details.blend, 63);
    QCOMPARE(entity.details.featureShown, false);

    const QList<StoredShape> expected = storedOneOfEachKind();
    QCOMPARE(entity.image_drawpaths.size(), expected.size());
    for (int i = 0; i < expected.size(); ++i) {
        QCOMPARE(entity.image_drawpaths[i].type, expected[i].type);
        QCOMPARE(storedNumbers(entity.image_drawpaths[i]), expected[i].numbers);
    }
}

void TestImageSaveThread::savingASavedFileReplacesItsAnnotations()
{
    const QString first = path(QStringLiteral("first.jpg"));
    const QString second = path(QStringLiteral("second.jpg"));
    QVERIFY(writeAll(path(QStringLiteral("in.jpg")), RadiometricFile().bytes()));
    QVERIFY(saveNow(path(QStringLiteral("in.jpg")),
                    first,
                    oneOfEachKind(),
                    { 1, 0, 0, true },
                    snapshotPixmap(Qt::red)));
    const QList<ImageDrawPath> onePoint = { oneOfEachKind().first() };

    QVERIFY(saveNow(first, second, onePoint, { 3, 1, 100, false }, snapshotPixmap(Qt::blue)));

    const QByteArray saved = readAll(second);
    const RadiometricLayout layout = RadiometricLayout::locate(saved);
    QCOMPARE(layout.jpegs.size(), 3);
    const QImage snapshot = QImage::fromData(saved.left(layout.jpegs[0].y() + 1));
    QVERIFY2(qBlue(snapshot.pixel(5, 5)) > 200 && qRed(snapshot.pixel(5, 5)) < 50,
             "the first snapshot was kept instead of the second");
    // Exactly one shape block and one feature block, right behind the device information.
    QCOMPARE(saved.count("<mzr-region>"), 1);
    QCOMPARE(saved.count("<mzr-featre>"), 1);
    QCOMPARE(payloadOf(saved).left(4), QByteArray::fromHex("28000000"));
    ImageEntity entity;
    QVERIFY(RadiometricReader::read(saved, entity));
    QCOMPARE(entity.image_drawpaths.size(), 1);
    QCOMPARE(entity.details.palette, 3);
    QCOMPARE(entity.details.blend, 100);
    QCOMPARE(entity.details.featureShown, false);
    QCOMPARE(entity.screenImage.size(), QSize(64, 48));
}

void TestImageSaveThread::snapshotIsTakenAtCreate()
{
    QVERIFY(writeAll(path(QStringLiteral("in.jpg")), RadiometricFile().bytes()));
    QPixmap pixmap = snapshotPixmap(Qt::red);
    QList<ImageDrawPath> shapes = oneOfEachKind();
    ImageEntity entity;
    QVERIFY(RadiometricReader::read(RadiometricFile().bytes(), entity));
    std::unique_ptr<ImageSaveThread> thread(ImageSaveThread::create(path(QStringLiteral("in.jpg")),
                                                                    path(QStringLiteral("out.jpg")),
                                                                    shapes,
                                                                    &entity,
                                                                    0,
                                                                    0,
                                                                    0,
                                                                    true,
                                                                    pixmap));
    QVERIFY(thread);
    // The window goes on drawing while the save runs.
    pixmap.fill(Qt::blue);
    shapes.append(oneOfEachKind());

    QVERIFY(thread->save());

    const QByteArray saved = readAll(path(QStringLiteral("out.jpg")));
    const QImage snapshot = QImage::fromData(saved.left(firstJpeg(saved).y() + 1));
    QVERIFY2(qRed(snapshot.pixel(5, 5)) > 200, "the snapshot changed after create");
    ImageEntity read;
    QVERIFY(RadiometricReader::read(saved, read));
    QCOMPARE(read.image_drawpaths.size(), 4);
}

void TestImageSaveThread::refusesUntrustedSource_data()
{
    QTest::addColumn<bool>("present");
    QTest::addColumn<QByteArray>("source");
    QTest::addColumn<QString>("failure");

    const QString untrusted = QStringLiteral("源文件数据格式错误，保存失败");
    const QByteArray whole = RadiometricFile().bytes();
    RadiometricFile layout;
    const int grayEnd = whole.size() - int(RadiometricFile::deviceBlock(layout.device).size());
    QTest::newRow("no source file")
      << false << QByteArray() << QStringLiteral("源文件不存在,保存失败！");
    QTest::newRow("an empty source") << true << QByteArray() << untrusted;
    QTest::newRow("a source without a JPEG") << true << QByteArray(300, 'x') << untrusted;
    QTest::newRow("a plain JPEG") << true << layout.jpegs[0] << untrusted;
    QTest::newRow("a source cut inside the gray matrix")
      << true << whole.left(grayEnd - 10) << untrusted;
    QTest::newRow("a source cut inside the device block")
      << true << whole.left(whole.size() - 1) << untrusted;
    RadiometricFile shortBlock;
    shortBlock.device.length = 100;
    QTest::newRow("a device block too short for the settings")
      << true << shortBlock.bytes() << QStringLiteral("设备信息长度不足，保存失败");
    RadiometricFile four = savedBefore();
    four.jpegs.prepend(RadiometricFile::jpeg(QSize(16, 16)));
    QTest::newRow("four JPEGs") << true << four.bytes()
                                << QStringLiteral("源文件图片数量错误，保存失败");
}

void TestImageSaveThread::refusesUntrustedSource()
{
    QFETCH(bool, present);
    QFETCH(QByteArray, source);
    QFETCH(QString, failure);
    const QString sourcePath = path(QStringLiteral("in.jpg"));
    if (present)
        QVERIFY(writeAll(sourcePath, source));
    const QByteArray previous = RadiometricFile().bytes();
    QVERIFY(writeAll(path(QStringLiteral("existing.jpg")), previous));
    LogCapture log;

    QVERIFY(!saveNow(sourcePath, path(QStringLiteral("existing.jpg")), oneOfEachKind()));
    QVERIFY(!saveNow(sourcePath, path(QStringLiteral("new.jpg")), oneOfEachKind()));

    QCOMPARE(readAll(path(QStringLiteral("existing.jpg"))), previous);
    QVERIFY(!QFileInfo::exists(path(QStringLiteral("new.jpg"))));
    QCOMPARE(log.linesStartingWith({ failure }).size(), 2);
    QVERIFY(!log.contains(savedLine));
}

void TestImageSaveThread::sourceMustBeTheOpenedPhotograph_data()
{
    QTest::addColumn<QByteArray>("source");
    QTest::addColumn<int>("outcome");

    QTest::newRow("the photograph itself")
      << RadiometricFile().bytes() << int(ImageSaveThread::Saved);
    RadiometricFile other;
    other.temperatures = RadiometricFile::temperatureSection(20, 10, QVector<qint16>(200, 300));
    QTest::newRow("another photograph at its path")
      << other.bytes() << int(ImageSaveThread::SourceChanged);
    RadiometricFile camera;
    camera.jpegs[1] = RadiometricFile::jpeg(QSize(96, 72));
    QTest::newRow("another Camera picture")
      << camera.bytes() << int(ImageSaveThread::SourceChanged);
    RadiometricFile device;
    device.device.length = 120;
    QTest::newRow("a longer device block") << device.bytes() << int(ImageSaveThread::SourceChanged);
    // Saving over the opened file puts a new Feature picture in front of the same photograph.
    QTest::newRow("the photograph saved over itself")
      << savedBefore().bytes() << int(ImageSaveThread::Saved);
    QTest::newRow("a Screen picture alone where a Camera picture was read")
      << oneJpeg().bytes() << int(ImageSaveThread::SourceChanged);
    // The reader refuses a file that does not open as a picture, wherever a JPEG lies in it.
    QTest::newRow("the photograph behind other bytes")
      << QByteArray("XYZ") + RadiometricFile().bytes() << int(ImageSaveThread::SourceInvalid);
}

// The entity is the photograph on screen; whatever is at the source path now must be that one.
void TestImageSaveThread::sourceMustBeTheOpenedPhotograph()
{
    QFETCH(QByteArray, source);
    QFETCH(int, outcome);
    ImageEntity entity;
    QVERIFY(RadiometricReader::read(RadiometricFile().bytes(), entity));
    QVERIFY(writeAll(path(QStringLiteral("in.jpg")), source));
    std::unique_ptr<ImageSaveThread> thread(ImageSaveThread::create(path(QStringLiteral("in.jpg")),
                                                                    path(QStringLiteral("out.jpg")),
                                                                    oneOfEachKind(),
                                                                    &entity,
                                                                    0,
                                                                    0,
                                                                    0,
                                                                    true,
                                                                    snapshotPixmap()));

    QCOMPARE(thread->save(), outcome == ImageSaveThread::Saved);

    QCOMPARE(int(thread->outcome()), outcome);
    // What the file holds is no failure of the system's.
    QCOMPARE(thread->errorString(), QString());
    if (outcome != ImageSaveThread::Saved)
        QCOMPARE(filesIn(folder->path()), QStringList{ QStringLiteral("in.jpg") });
}

void TestImageSaveThread::savingTwiceKeepsThePictures_data()
{
    QTest::addColumn<QByteArray>("source");
    RadiometricFile one = oneJpeg();
    one.device.maxX = 50;
    one.device.maxY = 40;
    QTest::newRow("Screen image alone") << one.bytes();
    QTest::newRow("Screen and Camera images") << RadiometricFile().bytes();
}

// Save, open the saved file, save it again and open that: the thermal picture stays the Screen
// image each time, so the markers stored in its pixels land where they were.
void TestImageSaveThread::savingTwiceKeepsThePictures()
{
    QFETCH(QByteArray, source);
    ImageEntity original;
    QVERIFY(RadiometricReader::read(source, original));
    QVERIFY(writeAll(path(QStringLiteral("in.jpg")), source));
    QList<ImageDrawPath> second = oneOfEachKind();
    second.removeFirst();

    QVERIFY(
      saveNow(path(QStringLiteral("in.jpg")), path(QStringLiteral("once.jpg")), oneOfEachKind()));
    QVERIFY(saveNow(path(QStringLiteral("once.jpg")),
                    path(QStringLiteral("twice.jpg")),
                    second,
                    { 3, 0, 100, false }));

    for (const QString& name : { QStringLiteral("once.jpg"), QStringLiteral("twice.jpg") }) {
        ImageEntity saved;
        QVERIFY(RadiometricReader::read(readAll(path(name)), saved));
        QCOMPARE(saved.screenImage, original.screenImage);
        QCOMPARE(saved.screenWidth, original.screenWidth);
        QCOMPARE(saved.screenHeight, original.screenHeight);
        QCOMPARE(saved.cameraImage, original.cameraImage);
        QCOMPARE(saved.featureImage.isNull(), original.cameraImage.isNull());
        QCOMPARE(saved.details.feature.maxPoint.x, original.details.feature.maxPoint.x);
        QCOMPARE(saved.details.feature.maxPoint.y, original.details.feature.maxPoint.y);
        QCOMPARE(saved.temperatureData, original.temperatureData);
    }
    ImageEntity twice;
    QVERIFY(RadiometricReader::read(readAll(path(QStringLiteral("twice.jpg"))), twice));
    QCOMPARE(twice.image_drawpaths.size(), second.size());
    QCOMPARE(twice.details.palette, 3);
    QCOMPARE(twice.details.featureShown, false);
}

void TestImageSaveThread::snapshotThatCannotBeEncoded_data()
{
    QTest::addColumn<QByteArray>("source");
    QTest::addColumn<bool>("saved");
    QTest::newRow("a snapshot is needed") << RadiometricFile().bytes() << false;
    QTest::newRow("no snapshot is written") << oneJpeg().bytes() << true;
}

void TestImageSaveThread::snapshotThatCannotBeEncoded()
{
    QFETCH(QByteArray, source);
    QFETCH(bool, saved);
    QVERIFY(writeAll(path(QStringLiteral("in.jpg")), source));
    LogCapture log;

    QCOMPARE(saveNow(path(QStringLiteral("in.jpg")),
                     path(QStringLiteral("out.jpg")),
                     oneOfEachKind(),
                     Settings(),
                     QPixmap()),
             saved);

    QCOMPARE(QFileInfo::exists(path(QStringLiteral("out.jpg"))), saved);
    QCOMPARE(log.linesStartingWith({ QStringLiteral("截图编码失败，保存失败") }).size(),
             saved ? 0 : 1);
    QCOMPARE(filesIn(folder->path()).size(), saved ? 2 : 1);
}

void TestImageSaveThread::targetInsideARegularFile()
{
    QVERIFY(writeAll(path(QStringLiteral("in.jpg")), RadiometricFile().bytes()));
    QVERIFY(writeAll(path(QStringLiteral("plain")), QByteArray("not a folder")));
    LogCapture log;

    QVERIFY(!saveNow(path(QStringLiteral("in.jpg")), path(QStringLiteral("plain/out.jpg"))));

    // The target is opened before the lengths are told, and its failure ends the save.
    const QStringList lines = log.lines();
    const int failure = lines.indexOf(QStringLiteral("文件打开错误，保存失败"));
    QVERIFY(failure > 0 && failure + 2 < lines.size());
    QCOMPARE(lines[failure - 1], QStringLiteral("oval数据大小： 0"));
    QVERIFY(lines[failure + 1].startsWith(QStringLiteral("文件打开错误原因：")));
    QCOMPARE(lines[failure + 2], QStringLiteral("~ImageSaveThread析构"));
    QCOMPARE(readAll(path(QStringLiteral("plain"))), QByteArray("not a folder"));
}

void TestImageSaveThread::targetFolderReadOnly()
{
    if (geteuid() == 0) {
        // Permissions do not bind the superuser, but nobody creates files in /proc.
        const QString target = QStringLiteral("/proc/version");
        const QByteArray previous = readAll(target);
        QVERIFY(writeAll(path(QStringLiteral("in.jpg")), RadiometricFile().bytes()));
        LogCapture log;
        QVERIFY(!saveNow(path(QStringLiteral("in.jpg")), target));
        QCOMPARE(readAll(target), previous);
        QCOMPARE(log.linesStartingWith({ QStringLiteral("文件打开错误，保存失败") }).size(), 1);
        return;
    }
    const QString locked = path(QStringLiteral("locked"));
    QVERIFY(QDir().mkdir(locked));
    const QByteArray previous("an older picture");
    QVERIFY(writeAll(locked + QStringLiteral("/out.jpg"), previous));
    QVERIFY(writeAll(path(QStringLiteral("in.jpg")), RadiometricFile().bytes()));
    QVERIFY(::chmod(QFile::encodeName(locked).constData(), 0555) == 0);
    LogCapture log;

    const bool saved = saveNow(path(QStringLiteral("in.jpg")), locked + QStringLiteral("/out.jpg"));

    ::chmod(QFile::encodeName(locked).constData(), 0755);
    QVERIFY(!saved);
    QCOMPARE(readAll(locked + QStringLiteral("/out.jpg")), previous);
    QCOMPARE(log.linesStartingWith({ QStringLiteral("文件打开错误，保存失败") }).size(), 1);
    QVERIFY(!log.contains(savedLine));
}

// The file size limit makes the writes fail part way, for any user, like a full disk would.
void TestImageSaveThread::cutShortWriteKeepsTheSource()
{
    const QString sourcePath = path(QStringLiteral("in.jpg"));
    const QByteArray source = savedBefore().bytes();
    QVERIFY(writeAll(sourcePath, source));
    ImageEntity entity;
    QVERIFY(RadiometricReader::read(source, entity));
    std::unique_ptr<ImageSaveThread> thread(ImageSaveThread::create(
      sourcePath, sourcePath, oneOfEachKind(), &entity, 1, 1, 50, true, snapshotPixmap()));
    LogCapture log;
    rlimit previous{};
    QVERIFY(getrlimit(RLIMIT_FSIZE, &previous) == 0);
    rlimit limited = previous;
    limited.rlim_cur = rlim_t(source.size() / 2);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    QVERIFY(setrlimit(RLIMIT_FSIZE, &limited) == 0);

    const bool saved = thread->save();

    setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, previousHandler);
    QVERIFY(!saved);
    QCOMPARE(thread->outcome(), ImageSaveThread::TargetUnwritable);
    // The first write stops short without an error; the reason comes from the one after it.
    QCOMPARE(thread->errorString(), QStringLiteral("File too large"));
    QCOMPARE(readAll(sourcePath), source);
    QCOMPARE(filesIn(folder->path()), QStringList{ QStringLiteral("in.jpg") });
    QCOMPARE(log.linesStartingWith({ QStringLiteral("文件写入失败，保存失败") }).size(), 1);
    QVERIFY(!log.contains(savedLine));
}

// The user may delete or move files while the save waits for its thread.
void TestImageSaveThread::filesThatDisappearBeforeTheSave()
{
    const QString sourcePath = path(QStringLiteral("in.jpg"));
    const QByteArray source = savedBefore().bytes();
    QVERIFY(writeAll(sourcePath, source));
    ImageEntity entity;
    QVERIFY(RadiometricReader::read(source, entity));
    const QString gone = path(QStringLiteral("gone"));
    QVERIFY(QDir().mkdir(gone));
    std::unique_ptr<ImageSaveThread> lostTarget(
      ImageSaveThread::create(sourcePath,
                              gone + QStringLiteral("/out.jpg"),
                              oneOfEachKind(),
                              &entity,
                              1,
                              1,
                              50,
                              true,
                              snapshotPixmap()));
    std::unique_ptr<ImageSaveThread> lostSource(
      ImageSaveThread::create(path(QStringLiteral("moved.jpg")),
                              path(QStringLiteral("out.jpg")),
                              oneOfEachKind(),
                              &entity,
                              1,
                              1,
                              50,
                              true,
                              snapshotPixmap()));
    QVERIFY(writeAll(path(QStringLiteral("moved.jpg")), source));
    QVERIFY(QDir(gone).removeRecursively());
    QVERIFY(QFile::remove(path(QStringLiteral("moved.jpg"))));
    LogCapture log;

    QVERIFY(!lostTarget->save());
    QVERIFY(!lostSource->save());
    QCOMPARE(lostTarget->outcome(), ImageSaveThread::TargetUnwritable);
    QCOMPARE(lostTarget->errorString(), QStringLiteral("No such file or directory"));
    QCOMPARE(lostSource->outcome(), ImageSaveThread::SourceUnreadable);
    QCOMPARE(lostSource->errorString(), QStringLiteral("No such file or directory"));

    QCOMPARE(readAll(sourcePath), source);
    QCOMPARE(filesIn(folder->path()), QStringList{ QStringLiteral("in.jpg") });
    QVERIFY(!QFileInfo::exists(gone));
    QCOMPARE(log.linesStartingWith({ QStringLiteral("文件打开错误，保存失败") }).size(), 1);
    QCOMPARE(log.linesStartingWith({ QStringLiteral("源文件不存在,保存失败！") }).size(), 1);
    QVERIFY(!log.contains(savedLine));
}

void TestImageSaveThread::threadSavesAndDeletesItself()
{
    QVERIFY(writeAll(path(QStringLiteral("in.jpg")), savedBefore().bytes()));
    ImageEntity entity;
    QVERIFY(RadiometricReader::read(savedBefore().bytes(), entity));
    LogCapture log;
    ImageSaveThread* thread = ImageSaveThread::create(path(QStringLiteral("in.jpg")),
                                                      path(QStringLiteral("out.jpg")),
                                                      oneOfEachKind(),
                                                      &entity,
                                                      1,
                                                      2,
                                                      50,
                                                      true,
                                                      snapshotPixmap());
    QVERIFY(thread);
    QSignalSpy destroyed(thread, &QObject::destroyed);
    QSignalSpy finished(thread, &ImageSaveThread::saveFinished);

    thread->launch();

    QVERIFY2(destroyed.wait(10000), "the save thread did not delete itself");
    QCOMPARE(finished.size(), 1);
    QCOMPARE(finished.first().at(0).value<ImageSaveThread::Outcome>(), ImageSaveThread::Saved);
    QCOMPARE(finished.first().at(1).toString(), QString());
    QVERIFY(log.contains(QStringLiteral("~ImageSaveThread析构")));
    QVERIFY(log.contains(savedLine));
    ImageEntity read;
    QVERIFY(RadiometricReader::read(readAll(path(QStringLiteral("out.jpg"))), read));
    QCOMPARE(read.image_drawpaths.size(), 4);
    QCOMPARE(read.details.unit, 2);
}

void TestImageSaveThread::logsTheSteps()
{
    const RadiometricFile source = savedBefore();
    const QByteArray bytes = source.bytes();
    const QString sourcePath = path(QStringLiteral("in.jpg"));
    const QString targetPath = path(QStringLiteral("out.jpg"));
    QVERIFY(writeAll(sourcePath, bytes));
    const int keptSize = kept(source, 0, 0, 0).size();
    ImageEntity entity;
    QVERIFY(RadiometricReader::read(bytes, entity));
    std::unique_ptr<ImageSaveThread> thread(ImageSaveThread::create(
      sourcePath, targetPath, oneOfEachKind(), &entity, 4, 2, 0, true, snapshotPixmap()));
    LogCapture log;

    QVERIFY(thread->save());

    const QStringList expected = {
        QStringLiteral("源文件： \"%1\"").arg(sourcePath),
        QStringLiteral("目标文件： \"%1\"").arg(targetPath),
        QStringLiteral("源文件数据长度： %1").arg(bytes.size()),
        QStringLiteral("找到三张jpeg，剔除第一张图片数据！"),
        QStringLiteral("找到<mzr-region>标签位置： %1").arg(keptSize),
        QStringLiteral("Screen数据长度： %1").arg(source.jpegs[1].size()),
        QStringLiteral("Camera数据长度： %1").arg(source.jpegs[2].size()),
        QStringLiteral("温度数据长度： %1").arg(source.temperatures.size() - 4),
        QStringLiteral("灰度数据长度： %1").arg(source.gray.size() - 4),
        QStringLiteral("总数据长度： %1")
          .arg(source.jpegs[1].size() + source.jpegs[2].size() + source.temperatures.size() +
               source.gray.size()),
        QStringLiteral("irPallete.hex =  \"01000000\""),
        QStringLiteral("irUnit.hex =  \"00000000\""),
        QStringLiteral("irBlend.hex =  \"00000000\""),
        QStringLiteral("point数量 1"),
        QStringLiteral("point数据大小： 32"),
        QStringLiteral("line数量： 1"),
        QStringLiteral("line数据大小： 32"),
        QStringLiteral("rects数量： 1"),
        QStringLiteral("rect数据大小： 32"),
        QStringLiteral("oval数量 1"),
        QStringLiteral("oval数据大小： 32"),
        QStringLiteral("src_array.length =  %1").arg(keptSize),
        QStringLiteral("region_array.length =  %1").arg(4 + 8 + 4 * 32),
        savedLine,
    };
    QCOMPARE(log.lines(), expected);
}

void TestImageSaveThread::savesFromTheBytesReadAtOpen_data()
{
    QTest::addColumn<QString>("change");
    QTest::newRow("the source file was deleted") << QStringLiteral("delete");
    QTest::newRow("the source file was replaced by another photograph")
      << QStringLiteral("replace");
    QTest::newRow("the source file was cut short") << QStringLiteral("truncate");
}

void TestImageSaveThread::savesFromTheBytesReadAtOpen()
{
    QFETCH(QString, change);
    const QByteArray bytes = savedBefore().bytes();
    const QString sourcePath = path(QStringLiteral("in.jpg"));
    QVERIFY(writeAll(sourcePath, bytes));
    ImageEntity entity;
    QVERIFY(RadiometricReader::read(bytes, entity));
    const QImage snapshot = snapshotPixmap().toImage();
    auto saveTo = [&](const QString& target) {
        std::unique_ptr<ImageSaveThread> thread(ImageSaveThread::create(
          sourcePath, bytes, target, oneOfEachKind(), &entity, 3, 1, 30, false, snapshot));
        return thread && thread->save() && thread->outcome() == ImageSaveThread::Saved;
    };
    QVERIFY(saveTo(path(QStringLiteral("before.jpg"))));

    if (change == QStringLiteral("delete")) {
        QVERIFY(QFile::remove(sourcePath));
    } else if (change == QStringLiteral("replace")) {
        RadiometricFile other;
        other.temperatures = RadiometricFile::temperatureSection(20, 10, QVector<qint16>(200, 300));
        QVERIFY(writeAll(sourcePath, other.bytes()));
    } else {
        QVERIFY(writeAll(sourcePath, bytes.left(100)));
    }
    LogCapture log;

    QVERIFY2(saveTo(path(QStringLiteral("after.jpg"))), "the measurements could not be saved");

    QCOMPARE(readAll(path(QStringLiteral("after.jpg"))),
             readAll(path(QStringLiteral("before.jpg"))));
    QCOMPARE(log.lines().first(), QStringLiteral("源文件： \"%1\"").arg(sourcePath));
    QVERIFY(log.contains(QStringLiteral("源文件数据长度： %1").arg(bytes.size())));
    QVERIFY(log.contains(savedLine));
    ImageEntity back;
    QVERIFY(RadiometricReader::read(readAll(path(QStringLiteral("after.jpg"))), back));
    QCOMPARE(back.details.blend, 30);
    QCOMPARE(back.image_drawpaths.size(), 4);
}

void TestImageSaveThread::keptBytesOfAnotherPhotographAreRefused()
{
    const QByteArray bytes = RadiometricFile().bytes();
    ImageEntity entity;
    QVERIFY(RadiometricReader::read(bytes, entity));
    RadiometricFile other;
    other.jpegs[1] = RadiometricFile::jpeg(QSize(96, 72));
    const QString sourcePath = path(QStringLiteral("in.jpg"));
    // The file on disk is the photograph; the bytes given are not, and they alone count.
    QVERIFY(writeAll(sourcePath, bytes));
    std::unique_ptr<ImageSaveThread> thread(ImageSaveThread::create(sourcePath,
                                                                    other.bytes(),
                                                                    path(QStringLiteral("out.jpg")),
                                                                    oneOfEachKind(),
                                                                    &entity,
                                                                    0,
                                                                    0,
                                                                    0,
                                                                    true,
                                                                    snapshotPixmap().toImage()));
    LogCapture log;

    QVERIFY(!thread->save());

    QCOMPARE(thread->outcome(), ImageSaveThread::SourceChanged);
    QVERIFY(log.contains(QStringLiteral("源文件与打开的照片不符，保存失败")));
    QVERIFY(!QFileInfo::exists(path(QStringLiteral("out.jpg"))));
}

QTEST_MAIN(TestImageSaveThread)
#include "tst_imagesavethread.moc"
