#include "document/photographdocument.h"
#include "model/radiometricreader.h"
#include "support/measurescene.h"
#include "support/radiometricfile.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QUndoStack>
#include <QtTest>

namespace {

// A measured shape told apart from the others by its maximum's value.
ImageDrawPath taggedShape(int tag)
{
    ImageDrawPath shape;
    shape.setKind(ShapeKind(tag % 4));
    shape.point(PointRole::Start) = PathPoint(0.1f, 0.1f, 0, 0);
    shape.point(PointRole::End) = PathPoint(0.6f, 0.7f, 0, 0);
    shape.point(PointRole::Maximum) = PathPoint(0.3f, 0.3f, float(tag), 0);
    return shape;
}

QList<int> tagsOf(const QList<ImageDrawPath>& shapes)
{
    QList<int> tags;
    for (const ImageDrawPath& shape : shapes)
        tags.append(int(shape.point(PointRole::Maximum).value));
    return tags;
}

// Runs a script of edits: a digit adds the shape of that tag, u is Undo, c is Clear.
void runScript(PhotographDocument& document, const QString& script)
{
    for (const QChar step : script) {
        if (step.isDigit())
            document.addShape(taggedShape(step.digitValue()));
        else if (step == QLatin1Char('u'))
            document.undoShape();
        else if (step == QLatin1Char('c'))
            document.clearShapes();
    }
}

ImageEntity photographWith(const QList<int>& storedTags)
{
    ImageEntity photo = MeasureScene::landscape(80, 60, 7, QSize(320, 240));
    for (int tag : storedTags)
        photo.image_drawpaths.append(taggedShape(tag));
    return photo;
}

} // namespace

class TestPhotographDocument : public QObject
{
    Q_OBJECT

private slots:
    void editsAndUndo_data();
    void editsAndUndo();
    void idsStayWithTheirShapes();
    void aNewPhotographStartsTheStackAnew();
    void settingsSignalOnlyRealChanges();
    void storedSettings_data();
    void storedSettings();
    void resultOfAShapeUndoneWhileMeasuringIsDropped();
    void resultForThePreviousPhotographIsDropped();
    void measuredShapeTakesItsDrawnPlace();
    void saveNeedsNoFileOnDisk_data();
    void saveNeedsNoFileOnDisk();
    void measurementsStayForTheRun_data();
    void measurementsStayForTheRun();
    void saveAllSavesEveryPhotographLeft();
    void rangeAndIsothermComeBackFromTheFile_data();
    void rangeAndIsothermComeBackFromTheFile();
    void heldRangeStaysAcrossPhotographs_data();
    void heldRangeStaysAcrossPhotographs();
    void namesAndNotesFollowTheShapesSaved();
};

void TestPhotographDocument::editsAndUndo_data()
{
    QTest::addColumn<QList<int>>("stored");
    QTest::addColumn<QString>("script");
    QTest::addColumn<QList<int>>("expected");

    const QList<int> none;
    QTest::newRow("undo takes the newest drawn shape") << none << "12u" << QList<int>{ 1 };
    QTest::newRow("undo after clear brings every cleared shape back")
      << none << "12cu" << QList<int>{ 1, 2 };
    QTest::newRow("a shape drawn after a clear goes before the cleared ones come back")
      << none << "1c2u" << none;
    QTest::newRow("the clear is undone once the shape drawn after it has gone")
      << none << "1c2uu" << QList<int>{ 1 };
    QTest::newRow("undo with nothing drawn takes the newest stored shape")
      << QList<int>{ 5, 6 } << "u" << QList<int>{ 5 };
    QTest::newRow("undoing every drawn shape then reaches the stored ones")
      << QList<int>{ 5 } << "1uu" << none;
    QTest::newRow("stored shapes cleared come back whole")
      << QList<int>{ 5, 6 } << "cu" << QList<int>{ 5, 6 };
    QTest::newRow("a stored shape taken by undo does not come back by a later undo")
      << QList<int>{ 5, 6 } << "u1uu" << none;
    QTest::newRow("clear on no shapes leaves nothing for undo to bring back")
      << none << "1ucu" << none;
    QTest::newRow("undo on an empty document changes nothing") << none << "uu" << none;
    QTest::newRow("two clears come back one undo at a time") << none << "1c2cu" << QList<int>{ 2 };
}

void TestPhotographDocument::editsAndUndo()
{
    QFETCH(QList<int>, stored);
    QFETCH(QString, script);
    QFETCH(QList<int>, expected);

    ImageEntity photo = photographWith(stored);
    PhotographDocument document;
    document.setPhotograph(&photo);
    QCOMPARE(tagsOf(document.shapes()), stored);
    runScript(document, script);
    QCOMPARE(tagsOf(document.shapes()), expected);
}

void TestPhotographDocument::idsStayWithTheirShapes()
{
    ImageEntity photo = photographWith({ 5 });
    PhotographDocument document;
    document.setPhotograph(&photo);
    runScript(document, QStringLiteral("12"));
    const quint64 stored = document.shapeId(0);
    const quint64 first = document.shapeId(1);
    const quint64 second = document.shapeId(2);
    QVERIFY2(stored != first && first != second && stored != second, "ids are not distinct");

    runScript(document, QStringLiteral("cu"));
    QCOMPARE(document.shapeId(0), stored);
    QCOMPARE(document.shapeId(1), first);
    QCOMPARE(document.shapeId(2), second);

    runScript(document, QStringLiteral("u3"));
    QCOMPARE(tagsOf(document.shapes()), (QList<int>{ 5, 1, 3 }));
    QVERIFY2(document.shapeId(2) != second, "an id was given again");
}

void TestPhotographDocument::aNewPhotographStartsTheStackAnew()
{
    ImageEntity first = photographWith({});
    ImageEntity second = photographWith({ 7 });
    PhotographDocument document;
    document.setPhotograph(&first);
    runScript(document, QStringLiteral("12c"));
    QVERIFY(document.undoStack()->canUndo());
    const quint64 lastOnFirst = document.shapeId(0);

    document.setPhotograph(&second);
    QVERIFY(!document.undoStack()->canUndo());
    QCOMPARE(tagsOf(document.shapes()), QList<int>{ 7 });
    QVERIFY(document.shapeId(0) > lastOnFirst);
    // The clear of the first photograph cannot bring its shapes onto the second.
    document.undoShape();
    QCOMPARE(tagsOf(document.shapes()), QList<int>());
}

void TestPhotographDocument::settingsSignalOnlyRealChanges()
{
    PhotographDocument document;
    QSignalSpy changed(&document, &PhotographDocument::settingsChanged);
    document.setPalette(int(PaletteIndex::Spectrum));
    document.setBlend(0);
    document.setFeatureVisible(true);
    QCOMPARE(changed.count(), 0);

    document.setPalette(int(PaletteIndex::Iron));
    document.setBlend(30);
    document.setUnit(int(TemperatureUnit::Kelvin));
    document.setFeatureVisible(false);
    QCOMPARE(changed.count(), 4);
    const DisplaySettings settings = document.settings();
    QCOMPARE(settings.palette, int(PaletteIndex::Iron));
    QCOMPARE(settings.blend, 30);
    QCOMPARE(settings.unit, int(TemperatureUnit::Kelvin));
    QCOMPARE(settings.featureVisible, false);

    document.setSettings(settings);
    QCOMPARE(changed.count(), 4);
}

void TestPhotographDocument::storedSettings_data()
{
    QTest::addColumn<int>("palette");
    QTest::addColumn<int>("unit");
    QTest::addColumn<int>("blend");
    QTest::addColumn<int>("expectedPalette");
    QTest::addColumn<int>("expectedUnit");
    QTest::addColumn<int>("expectedBlend");

    QTest::newRow("known codes are taken as they are") << 4 << 2 << 75 << 4 << 2 << 75;
    QTest::newRow("a palette no choice has shows as the first") << 5 << 1 << 0 << 0 << 1 << 0;
    QTest::newRow("a negative palette shows as the first") << -1 << 0 << 0 << 0 << 0 << 0;
    QTest::newRow("a unit no choice has shows as Celsius") << 1 << 3 << 50 << 1 << 0 << 50;
    QTest::newRow("a blend beyond the slider's end is held there")
      << 0 << 0 << 300 << 0 << 0 << 100;
    QTest::newRow("a negative blend is held at none") << 0 << 0 << -25 << 0 << 0 << 0;
}

void TestPhotographDocument::storedSettings()
{
    QFETCH(int, palette);
    QFETCH(int, unit);
    QFETCH(int, blend);
    ImageEntity photo = photographWith({});
    photo.details.palette = palette;
    photo.details.unit = unit;
    photo.details.blend = blend;
    photo.details.featureShown = false;
    const DisplaySettings settings = PhotographDocument::storedSettings(photo);
    QTEST(settings.palette, "expectedPalette");
    QTEST(settings.unit, "expectedUnit");
    QTEST(settings.blend, "expectedBlend");
    QCOMPARE(settings.featureVisible, false);
}

void TestPhotographDocument::resultOfAShapeUndoneWhileMeasuringIsDropped()
{
    ImageEntity photo = photographWith({ 5 });
    PhotographDocument document;
    document.setPhotograph(&photo);
    QSignalSpy measured(&document, &PhotographDocument::shapeMeasured);
    const quint64 id = document.drawShape(taggedShape(1), 320, 240);
    QVERIFY(id != 0);
    QCOMPARE(document.measuringCount(), 1);
    document.undoShape();
    QCOMPARE(document.measuringCount(), 0);
    QVERIFY(measured.wait(5000));
    QCOMPARE(measured.first().first().value<quint64>(), id);
    QCOMPARE(tagsOf(document.shapes()), QList<int>{ 5 });
}

void TestPhotographDocument::resultForThePreviousPhotographIsDropped()
{
    ImageEntity first = photographWith({});
    ImageEntity second = photographWith({ 6 });
    PhotographDocument document;
    document.setPhotograph(&first);
    QSignalSpy measured(&document, &PhotographDocument::shapeMeasured);
    QVERIFY(document.drawShape(taggedShape(2), 320, 240) != 0);
    document.setPhotograph(&second);
    QVERIFY(measured.wait(5000));
    QCOMPARE(tagsOf(document.shapes()), QList<int>{ 6 });
}

void TestPhotographDocument::measuredShapeTakesItsDrawnPlace()
{
    ImageEntity photo = photographWith({});
    PhotographDocument document;
    document.setPhotograph(&photo);
    QSignalSpy measured(&document, &PhotographDocument::shapeMeasured);
    QSignalSpy changed(&document, &PhotographDocument::shapesChanged);
    ImageDrawPath line = taggedShape(1);
    QVERIFY(document.drawShape(line, 320, 240) != 0);
    document.addShape(taggedShape(3));
    QVERIFY(measured.wait(5000));
    QCOMPARE(document.shapes().size(), 2);
    // The line was drawn first, so it stays first whenever its statistics come back.
    QCOMPARE(document.shapes().at(0).kind(), ShapeKind::Line);
    QVERIFY2(document.shapes().at(0).point(PointRole::Maximum).value != 1.0f,
             "the line's maximum is not the measured one");
    QCOMPARE(int(document.shapes().at(1).point(PointRole::Maximum).value), 3);
    QVERIFY(changed.count() >= 2);
    // Undo takes the newest drawn, not the newest measured.
    document.undoShape();
    QCOMPARE(document.shapes().size(), 1);
    QCOMPARE(document.shapes().at(0).kind(), ShapeKind::Line);
}

void TestPhotographDocument::saveNeedsNoFileOnDisk_data()
{
    QTest::addColumn<QString>("change");

    QTest::newRow("the file is left as it was") << "none";
    QTest::newRow("the file was deleted after opening") << "delete";
    QTest::newRow("the file was replaced by another photograph") << "replace";
    QTest::newRow("the file was cut short") << "truncate";
}

void TestPhotographDocument::saveNeedsNoFileOnDisk()
{
    QFETCH(QString, change);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString source = folder.filePath(QStringLiteral("job1.jpg"));
    QVERIFY(QFile::copy(QStringLiteral(KORVEX_SAMPLES_DIR "/fuse-box.jpg"), source));

    PhotographDocument document;
    QSignalSpy opened(&document, &PhotographDocument::photographReplaced);
    QVERIFY(document.open(source));
    QVERIFY2(opened.wait(10000), "the photograph did not open");
    const int stored = document.shapes().size();
    document.addShape(taggedShape(2));
    document.setBlend(30);

    if (change == QLatin1String("delete")) {
        QVERIFY(QFile::remove(source));
    } else if (change == QLatin1String("replace")) {
        QVERIFY(QFile::remove(source));
        QVERIFY(QFile::copy(QStringLiteral(KORVEX_SAMPLES_DIR "/radiator.jpg"), source));
    } else if (change == QLatin1String("truncate")) {
        QFile file(source);
        QVERIFY(file.resize(100));
    }

    QSignalSpy saved(&document, &PhotographDocument::saveFinished);
    const QString target = folder.filePath(QStringLiteral("job1-annotated.jpg"));
    QImage snapshot(320, 240, QImage::Format_RGB32);
    snapshot.fill(Qt::darkCyan);
    QVERIFY(document.save(target, snapshot));
    QVERIFY2(saved.wait(10000), "the save did not finish");
    QCOMPARE(saved.first().at(0).value<ImageSaveThread::Outcome>(), ImageSaveThread::Saved);

    QFile file(target);
    QVERIFY(file.open(QIODevice::ReadOnly));
    ImageEntity back;
    QVERIFY(RadiometricReader::read(file.readAll(), back));
    QCOMPARE(back.image_drawpaths.size(), stored + 1);
    QCOMPARE(back.details.blend, 30);
    QCOMPARE(back.temperatureData, document.photograph()->temperatureData);
}

namespace {

bool openAndWait(PhotographDocument& document, const QString& path)
{
    QSignalSpy opened(&document, &PhotographDocument::photographReplaced);
    return document.open(path) && opened.wait(10000);
}

// Copies of two samples in a folder of their own.
QStringList twoPhotographs(const QTemporaryDir& folder)
{
    QStringList paths;
    for (const char* name : { "fuse-box.jpg", "radiator.jpg" }) {
        const QString path = folder.filePath(QLatin1String(name));
        QFile::copy(QStringLiteral(KORVEX_SAMPLES_DIR "/") + QLatin1String(name), path);
        QFile(path).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        paths << path;
    }
    return paths;
}

} // namespace

void TestPhotographDocument::measurementsStayForTheRun_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QList<int>>("expected");
    QTest::addColumn<QList<int>>("afterUndo");
    QTest::addColumn<bool>("unsaved");

    // fuse-box.jpg stores one shape; its tag is its maximum, 72.
    QTest::newRow("shapes drawn come back, and Undo still takes the newest")
      << "12" << QList<int>{ 72, 1, 2 } << QList<int>{ 72, 1 } << true;
    QTest::newRow("a clear comes back as a clear that Undo reverses")
      << "1c" << QList<int>{} << QList<int>{ 72, 1 } << true;
    QTest::newRow("a stored shape taken by Undo stays taken")
      << "u" << QList<int>{} << QList<int>{} << true;
    QTest::newRow("a shape drawn and undone leaves nothing to save")
      << "1u" << QList<int>{ 72 } << QList<int>{} << false;
}

// Page Down, Open and a return to the photograph: what was drawn on it is there, with its undo
// history, for as long as the window runs.
void TestPhotographDocument::measurementsStayForTheRun()
{
    QFETCH(QString, script);
    QFETCH(QList<int>, expected);
    QFETCH(QList<int>, afterUndo);
    QFETCH(bool, unsaved);
    QTemporaryDir folder;
    const QStringList paths = twoPhotographs(folder);
    PhotographDocument document;
    QVERIFY(openAndWait(document, paths[0]));
    QVERIFY(!document.hasUnsavedShapes());
    runScript(document, script);
    QCOMPARE(document.hasUnsavedShapes(), unsaved);

    QVERIFY(openAndWait(document, paths[1]));
    QVERIFY(!document.hasUnsavedShapes());
    QCOMPARE(document.unsavedPhotographs().size(), unsaved ? 1 : 0);
    document.addShape(taggedShape(3));
    QCOMPARE(document.unsavedPhotographs().size(), unsaved ? 2 : 1);

    QVERIFY(openAndWait(document, paths[0]));
    QCOMPARE(tagsOf(document.shapes()), expected);
    QCOMPARE(document.hasUnsavedShapes(), unsaved);
    document.undoShape();
    if (!afterUndo.isEmpty() || script != QLatin1String("u"))
        QCOMPARE(tagsOf(document.shapes()), afterUndo);

    // The other photograph kept its own shape meanwhile.
    QVERIFY(openAndWait(document, paths[1]));
    QCOMPARE(tagsOf(document.shapes()).last(), 3);
}

// Save all at the close: the photograph shown and every one left with measurements are written
// over their own files, and read back with them.
void TestPhotographDocument::saveAllSavesEveryPhotographLeft()
{
    QTemporaryDir folder;
    const QStringList paths = twoPhotographs(folder);
    PhotographDocument document;
    QVERIFY(openAndWait(document, paths[0]));
    document.addShape(taggedShape(1));
    QVERIFY(openAndWait(document, paths[1]));
    document.addShape(taggedShape(2));
    document.addShape(taggedShape(3));
    QCOMPARE(document.unsavedPhotographs().size(), 2);

    QSignalSpy finished(&document, &PhotographDocument::saveFinished);
    QImage picture(320, 240, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    QCOMPARE(document.saveAllUnsaved(picture), 2);
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 2, 10000);
    for (const QList<QVariant>& result : qAsConst(finished))
        QCOMPARE(result.at(0).value<ImageSaveThread::Outcome>(), ImageSaveThread::Saved);
    QVERIFY(!document.hasUnsavedShapes());
    QVERIFY(document.unsavedPhotographs().isEmpty());

    const QList<QList<int>> expected{ { 72, 1 }, { 2, 3 } };
    for (int i = 0; i < 2; ++i) {
        QFile file(paths[i]);
        QVERIFY(file.open(QIODevice::ReadOnly));
        ImageEntity back;
        QVERIFY(RadiometricReader::read(file.readAll(), back));
        QList<int> tags = tagsOf(back.image_drawpaths);
        std::sort(tags.begin(), tags.end(), std::greater<int>());
        QList<int> want = expected[i];
        std::sort(want.begin(), want.end(), std::greater<int>());
        QCOMPARE(tags, want);
    }
}

void TestPhotographDocument::rangeAndIsothermComeBackFromTheFile_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<double>("low");
    QTest::addColumn<double>("high");
    QTest::addColumn<int>("kind");

    QTest::newRow("a manual range and an isotherm above a limit")
      << int(TemperatureRange::Manual) << 21.5 << 38.2 << int(Isotherm::Above);
    QTest::newRow("histogram mode and an isotherm between two limits")
      << int(TemperatureRange::Histogram) << 0.0 << 0.0 << int(Isotherm::Between);
    QTest::newRow("the camera's picture and no isotherm")
      << int(TemperatureRange::Camera) << 0.0 << 0.0 << int(Isotherm::None);
}

// Saved, the range and isotherm are what the saved file opens with; a file without Korvex's
// block opens with the camera's picture and no isotherm.
void TestPhotographDocument::rangeAndIsothermComeBackFromTheFile()
{
    QFETCH(int, mode);
    QFETCH(double, low);
    QFETCH(double, high);
    QFETCH(int, kind);
    QTemporaryDir folder;
    const QStringList paths = twoPhotographs(folder);
    PhotographDocument document;
    QVERIFY(openAndWait(document, paths[1]));
    QCOMPARE(document.settings().range.mode, TemperatureRange::Camera);
    QCOMPARE(document.settings().isotherm.kind, Isotherm::None);
    const TemperatureRange range{ TemperatureRange::Mode(mode), low, high };
    Isotherm isotherm;
    isotherm.kind = Isotherm::Kind(kind);
    isotherm.first = 30.5;
    isotherm.second = 25.0;
    isotherm.colour = qRgb(255, 0, 255);
    isotherm.translucent = true;
    document.setRange(range);
    document.setIsotherm(isotherm);

    const QString target = folder.filePath(QStringLiteral("saved.jpg"));
    QSignalSpy finished(&document, &PhotographDocument::saveFinished);
    QImage picture(320, 240, QImage::Format_RGB32);
    picture.fill(Qt::gray);
    QVERIFY(document.save(target, picture));
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 10000);

    PhotographDocument reopened;
    QVERIFY(openAndWait(reopened, target));
    QCOMPARE(reopened.settings().range, range);
    if (kind == Isotherm::None) {
        QCOMPARE(reopened.settings().isotherm.kind, Isotherm::None);
    } else {
        // Only Between has a second limit to keep.
        Isotherm expected = isotherm;
        if (kind != Isotherm::Between)
            expected.second = 0;
        QCOMPARE(reopened.settings().isotherm, expected);
    }
    // Back on the photograph it was saved from, nothing of it remains.
    QVERIFY(openAndWait(reopened, paths[0]));
    QCOMPARE(reopened.settings().range.mode, TemperatureRange::Camera);
}

void TestPhotographDocument::heldRangeStaysAcrossPhotographs_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("held");
    QTest::addColumn<bool>("stays");

    QTest::newRow("a manual range held stays on the next photograph")
      << int(TemperatureRange::Manual) << true << true;
    QTest::newRow("a manual range not held gives way to the next photograph's")
      << int(TemperatureRange::Manual) << false << false;
    QTest::newRow("only a manual range is held; auto gives way")
      << int(TemperatureRange::Auto) << true << false;
}

void TestPhotographDocument::heldRangeStaysAcrossPhotographs()
{
    QFETCH(int, mode);
    QFETCH(bool, held);
    QFETCH(bool, stays);
    QTemporaryDir folder;
    const QStringList paths = twoPhotographs(folder);
    PhotographDocument document;
    QVERIFY(openAndWait(document, paths[1]));
    const TemperatureRange range{ TemperatureRange::Mode(mode), 18.0, 26.5 };
    document.setRange(range);
    document.setRangeHeld(held);

    // Saved held, the file opens holding its range.
    const QString target = folder.filePath(QStringLiteral("held.jpg"));
    QSignalSpy finished(&document, &PhotographDocument::saveFinished);
    QImage picture(320, 240, QImage::Format_RGB32);
    picture.fill(Qt::gray);
    QVERIFY(document.save(target, picture));
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 10000);

    QVERIFY(openAndWait(document, paths[0]));
    if (stays)
        QCOMPARE(document.settings().range, range);
    else
        QCOMPARE(document.settings().range.mode, TemperatureRange::Camera);

    PhotographDocument fresh;
    QVERIFY(openAndWait(fresh, target));
    QCOMPARE(fresh.isRangeHeld(), stays);
    QVERIFY(openAndWait(fresh, paths[0]));
    QCOMPARE(fresh.settings().range.mode,
             stays ? TemperatureRange::Manual : TemperatureRange::Camera);
}

void TestPhotographDocument::namesAndNotesFollowTheShapesSaved()
{
    // fuse-box.jpg's stored rectangle, renamed and noted in Korvex's block.
    QTemporaryDir folder;
    const QString source = folder.filePath(QStringLiteral("named.jpg"));
    QFile sample(QStringLiteral(KORVEX_SAMPLES_DIR "/fuse-box.jpg"));
    QVERIFY(sample.open(QIODevice::ReadOnly));
    QFile file(source);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(sample.readAll() +
               RadiometricFile::extensionBlock(
                 R"({"table":{"shapes":[{"index":0,"name":"Bx phase A","note":"loose lug"}]}})"));
    file.close();

    PhotographDocument document;
    QVERIFY(openAndWait(document, source));
    QCOMPARE(document.shapes().size(), 1);
    QCOMPARE(document.shapes().first().name, QStringLiteral("Bx phase A"));
    QCOMPARE(document.shapes().first().note, QStringLiteral("loose lug"));

    // The rectangle cleared and a point drawn in its place: the name and note were the
    // rectangle's and must not pass to the shape that now comes first.
    document.clearShapes();
    ImageDrawPath point;
    point.setKind(ShapeKind::Point);
    point.point(PointRole::Start) = PathPoint(0.5f, 0.5f, 0, 0);
    point.point(PointRole::End) = PathPoint(0.5f, 0.5f, 0, 0);
    point.point(PointRole::Maximum) = PathPoint(0.5f, 0.5f, 30.0f, 0);
    document.addShape(point);
    const QString target = folder.filePath(QStringLiteral("saved.jpg"));
    QSignalSpy finished(&document, &PhotographDocument::saveFinished);
    QImage picture(320, 240, QImage::Format_RGB32);
    picture.fill(Qt::gray);
    QVERIFY(document.save(target, picture));
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 10000);

    QFile saved(target);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    ImageEntity back;
    QVERIFY(RadiometricReader::read(saved.readAll(), back));
    QCOMPARE(back.image_drawpaths.size(), 1);
    QVERIFY(back.image_drawpaths.first().name != QStringLiteral("Bx phase A"));
    QVERIFY(back.image_drawpaths.first().note.isEmpty());
}

QTEST_MAIN(TestPhotographDocument)
#include "tst_photographdocument.moc"
