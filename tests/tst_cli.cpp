#include "cli/filenamecodec.h"
#include "cli/photographapply.h"
#include "cli/photographrender.h"
#include "cli/photographreport.h"
#include "cli/photographsummary.h"
#include "measure/regionmeasure.h"
#include "model/csvexport.h"
#include "model/radiometricformat.h"
#include "model/radiometriclayout.h"
#include "model/radiometricreader.h"
#include "model/radiometricwriter.h"
#include "render/imageblendthread.h"
#include "render/palettetable.h"
#include "render/temperaturepicture.h"
#include "support/radiometricfile.h"
#include "surface/imagedrawlabel.h"

#include <QtTest>

#include <QApplication>
#include <QJsonDocument>
#include <QJsonObject>

#include <fcntl.h>
#include <unistd.h>

namespace {

QString samplePath(const char* name)
{
    return QStringLiteral(KORVEX_SAMPLES_DIR "/") + QLatin1String(name);
}

struct Run
{
    int exitCode = -1;
    QString out;
    QString err;
    QByteArray outBytes;
};

// stdoutFile, when given, takes the standard output; launcher, when given, is a command that runs
// korvex-cli as its first argument.
Run runCli(const QStringList& arguments,
           const QString& stdoutFile = QString(),
           const QStringList& launcher = QStringList())
{
    QProcess cli;
    if (!stdoutFile.isEmpty())
        cli.setStandardOutputFile(stdoutFile);
    if (arguments.value(0) == QLatin1String("render")) {
        // LeakSanitizer's own tracer crashes at the exit of a process that has unloaded a Qt
        // platform plugin with thread-local storage; rendering is leak-checked in this process.
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("ASAN_OPTIONS"),
                           environment.value(QStringLiteral("ASAN_OPTIONS")) +
                             QStringLiteral(":detect_leaks=0"));
        cli.setProcessEnvironment(environment);
    }
    if (launcher.isEmpty())
        cli.start(QStringLiteral(KORVEX_CLI), arguments);
    else
        cli.start(launcher.first(),
                  launcher.mid(1) + QStringList{ QStringLiteral(KORVEX_CLI) } + arguments);
    Run run;
    if (!cli.waitForFinished(60000))
        return run;
    run.exitCode = cli.exitStatus() == QProcess::NormalExit ? cli.exitCode() : -1;
    run.outBytes = cli.readAllStandardOutput();
    run.out = QString::fromUtf8(run.outBytes);
    run.err = QString::fromUtf8(cli.readAllStandardError());
    return run;
}

// A copy of a sample under a name of any bytes, made the way any other program would make it.
bool copyUnderName(const char* sample, const QByteArray& path)
{
    QFile source(samplePath(sample));
    if (!source.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = source.readAll();
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0)
        return false;
    const bool written = ::write(fd, bytes.constData(), size_t(bytes.size())) == bytes.size();
    return ::close(fd) == 0 && written;
}

QStringList filesIn(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

// Writes past a few kilobytes fail for the program run, as on a disk that has filled up.
const QStringList fileSizeLimit{ QStringLiteral("/bin/sh"),
                                 QStringLiteral("-c"),
                                 QStringLiteral("ulimit -f 4 && exec \"$0\" \"$@\"") };

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray contentsOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The photograph at path as the reader gives it, shown with the parameters.
ImageEntity shownWith(const QString& path, const ObjectParameters& parameters)
{
    ImageEntity photo;
    RadiometricReader::read(contentsOf(path), photo);
    photo.setObjectParameters(parameters);
    return photo;
}

// A stored temperature as shown, to one decimal as the JSON gives it; null without one.
QJsonValue shownValue(const ImageEntity& photo, double stored)
{
    double shown = 0;
    if (!photo.shownCelsius(stored, shown))
        return QJsonValue(QJsonValue::Null);
    return std::round(shown * 10.0) / 10.0;
}

// What the camera wrote: every JPEG, both matrices with their headers and the device block, its
// palette and unit fields, which a save may set, left out.
QByteArrayList cameraSections(const QByteArray& bytes)
{
    const RadiometricLayout layout = RadiometricLayout::locate(bytes);
    QByteArrayList sections;
    for (const QPoint& jpeg : layout.jpegs)
        sections << bytes.mid(jpeg.x(), jpeg.y() - jpeg.x() + 1);
    sections << bytes.mid(int(layout.temperatureOffset),
                          int(layout.grayOffset - layout.temperatureOffset));
    sections << bytes.mid(int(layout.grayOffset), int(layout.deviceOffset - layout.grayOffset));
    QByteArray device =
      bytes.mid(int(layout.deviceOffset), int(layout.trailerOffset - layout.deviceOffset));
    device.replace(RadiometricFormat::paletteOffset, 8, QByteArray(8, '\0'));
    sections << device;
    return sections;
}

QJsonObject infoJson(const QStringList& arguments)
{
    const Run run =
      runCli(QStringList{ QStringLiteral("info"), QStringLiteral("--json") } + arguments);
    return QJsonDocument::fromJson(run.out.toUtf8()).object();
}

} // namespace

class TestCli : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void commands_data();
    void commands();
    void jsonAgreesWithTheModel();
    void csvReadsBack();
    void reportIsTheSameForEveryJobCount();
    void progressOnlyOnATerminal();
    void renderPaintsAsTheWindow_data();
    void renderPaintsAsTheWindow();
    void codecKeepsEveryByte_data();
    void codecKeepsEveryByte();
    void namesThatAreNotUtf8_data();
    void namesThatAreNotUtf8();
    void folderThatCannotBeListedIsReported();
    void failedWritesGiveTheSystemsReason_data();
    void failedWritesGiveTheSystemsReason();
    void rangeRendersTheMatrixByTheRule_data();
    void rangeRendersTheMatrixByTheRule();
    void isothermAndScale();
    void renderRefusals_data();
    void renderRefusals();
    void helpListsTheRenderOptions();
    void typedParametersCorrectTheCsv_data();
    void typedParametersCorrectTheCsv();
    void infoShowsCorrectedFigures();
    void noTemperatureIsNeverANumber_data();
    void noTemperatureIsNeverANumber();
    void objectOptionRefusals_data();
    void objectOptionRefusals();
    void applyWritesTheSettings_data();
    void applyWritesTheSettings();
    void applyRefusals_data();
    void applyRefusals();
    void applyFailuresLeaveTheOriginal_data();
    void applyFailuresLeaveTheOriginal();
    void appliedParametersAreReadBackUnlessTyped();
    void applyWritesNoTwoPhotographsUnderOneName();
    void shapeOfItsOwnEmissivity();

private:
    QTemporaryDir dir;
    QString broken;
    QString plain;
};

void TestCli::initTestCase()
{
    QVERIFY(dir.isValid());
    // So that QProcess hands the names below to korvex-cli as the bytes they are.
    FileNameCodec::install();
    // A photograph cut off inside its temperature matrix, and a JPEG without any data behind it.
    QFile fuseBox(samplePath("fuse-box.jpg"));
    QVERIFY(fuseBox.open(QIODevice::ReadOnly));
    const QByteArray whole = fuseBox.readAll();
    broken = dir.filePath(QStringLiteral("broken.jpg"));
    QVERIFY(writeFile(broken, whole.left(whole.size() / 2)));
    plain = dir.filePath(QStringLiteral("plain.jpg"));
    QVERIFY(writeFile(plain, RadiometricFile::jpeg(QSize(32, 24))));
}

void TestCli::commands_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("err");

    const QString mug = samplePath("coffee-mug.jpg");
    QTest::newRow("the version") << QStringList{ QStringLiteral("--version") } << 0
                                 << QStringLiteral("korvex-cli 1.0.1.25") << QString();
    QTest::newRow("info on a photograph")
      << QStringList{ QStringLiteral("info"), samplePath("fuse-box.jpg") } << 0
      << QStringLiteral("shapes:        1") << QString();
    QTest::newRow("info goes on past a file that fails")
      << QStringList{ QStringLiteral("info"), QStringLiteral("--json"), broken, mug } << 1
      << QStringLiteral("\"file\":\"") + mug << QString();
    QTest::newRow("a missing file")
      << QStringList{ QStringLiteral("csv"), QStringLiteral("gone.jpg") } << 1 << QString()
      << QStringLiteral("gone.jpg: cannot be opened: No such file or directory");
    QTest::newRow("a JPEG without temperatures")
      << QStringList{ QStringLiteral("csv"), plain } << 1 << QString()
      << QStringLiteral("korvex-cli: ") + plain + QStringLiteral(": ");
    QTest::newRow("no command") << QStringList{} << 2 << QString() << QStringLiteral("Usage:");
    QTest::newRow("an unknown command")
      << QStringList{ QStringLiteral("scan") } << 2 << QString() << QStringLiteral("Usage:");
    QTest::newRow("an unknown unit")
      << QStringList{ QStringLiteral("csv"), QStringLiteral("--unit"), QStringLiteral("r"), mug }
      << 2 << QString() << QStringLiteral("--unit takes c, f or k");
    QTest::newRow("render without an output") << QStringList{ QStringLiteral("render"), mug } << 2
                                              << QString() << QStringLiteral("render needs -o");
    QTest::newRow("a report of nothing") << QStringList{ QStringLiteral("report") } << 2
                                         << QString() << QStringLiteral("needs a folder");
}

void TestCli::commands()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, out);
    QFETCH(QString, err);

    const Run run = runCli(arguments);
    QCOMPARE(run.exitCode, exitCode);
    QVERIFY2(run.out.contains(out), qPrintable(run.out));
    QVERIFY2(run.err.contains(err), qPrintable(run.err));
    // The libraries' debug lines stay out of the terminal.
    QVERIFY2(!run.err.contains(QStringLiteral("解析")), qPrintable(run.err));
}

void TestCli::jsonAgreesWithTheModel()
{
    const Run run = runCli(
      { QStringLiteral("info"), QStringLiteral("--json"), samplePath("fuse-box.jpg"), broken });
    const QStringList lines = run.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 2);
    const QJsonObject sound = QJsonDocument::fromJson(lines[0].toUtf8()).object();
    const QJsonObject failed = QJsonDocument::fromJson(lines[1].toUtf8()).object();
    QStringList keys;
    for (const char* key : { "file",
                             "ok",
                             "error",
                             "jpegs",
                             "capture_time",
                             "emissivity",
                             "object",
                             "palette",
                             "unit",
                             "blend",
                             "matrix",
                             "max",
                             "min",
                             "centre",
                             "matrix_max",
                             "matrix_min",
                             "matrix_mean",
                             "shapes",
                             "table" })
        keys << QLatin1String(key);
    keys.sort();
    QCOMPARE(sound.keys(), keys);
    QCOMPARE(failed.value(QStringLiteral("ok")).toBool(), false);
    QVERIFY(!failed.value(QStringLiteral("error")).toString().isEmpty());

    QFile file(samplePath("fuse-box.jpg"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    ImageEntity photo;
    QVERIFY(RadiometricReader::read(file.readAll(), photo));
    QCOMPARE(sound.value(QStringLiteral("jpegs")).toInt(), 3);
    QVERIFY(sound.value(QStringLiteral("error")).isNull());
    QCOMPARE(sound.value(QStringLiteral("capture_time")).toString(), photo.details.captureTime);
    QCOMPARE(sound.value(QStringLiteral("emissivity")).toDouble(),
             photo.details.emissivity / 100.0);
    QCOMPARE(sound.value(QStringLiteral("blend")).toInt(), photo.details.blend);
    const QJsonObject matrix = sound.value(QStringLiteral("matrix")).toObject();
    QCOMPARE(matrix.value(QStringLiteral("width")).toInt(), photo.temperatureWidth);
    const QJsonObject highest = sound.value(QStringLiteral("max")).toObject();
    QCOMPARE(highest.value(QStringLiteral("x")).toInt(), int(photo.details.feature.maxPoint.x));
    QCOMPARE(highest.value(QStringLiteral("celsius")).toDouble(),
             std::round(photo.details.feature.maxPoint.temperature * 10.0) / 10.0);
    qint16 hottest = std::numeric_limits<qint16>::min();
    for (int i = 0; i < photo.temperatureWidth * photo.temperatureHeight; ++i)
        hottest =
          qMax(hottest, qFromLittleEndian<qint16>(photo.temperatureData.constData() + 2 * i));
    QCOMPARE(sound.value(QStringLiteral("matrix_max")).toDouble(), hottest / 10.0);
    const QJsonArray shapes = sound.value(QStringLiteral("shapes")).toArray();
    QCOMPARE(shapes.size(), photo.image_drawpaths.size());
    const QJsonObject shape = shapes.first().toObject();
    QCOMPARE(shape.value(QStringLiteral("kind")).toString(), QStringLiteral("rectangle"));
    const ImageDrawPath& stored = photo.image_drawpaths.first();
    QCOMPARE(shape.value(QStringLiteral("start")).toArray().at(0).toDouble(),
             std::round(stored.points[0].x * 10000.0) / 10000.0);
    QCOMPARE(
      shape.value(QStringLiteral("min")).toObject().value(QStringLiteral("celsius")).toDouble(),
      std::round(stored.points[4].value * 10.0) / 10.0);
}

void TestCli::csvReadsBack()
{
    const QString out = dir.filePath(QStringLiteral("mug.csv"));
    const Run run = runCli({ QStringLiteral("csv"),
                             samplePath("coffee-mug.jpg"),
                             QStringLiteral("-o"),
                             out,
                             QStringLiteral("--unit"),
                             QStringLiteral("F") });
    QCOMPARE(run.exitCode, 0);
    QFile written(out);
    QVERIFY(written.open(QIODevice::ReadOnly));
    QFile file(samplePath("coffee-mug.jpg"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    ImageEntity photo;
    QVERIFY(RadiometricReader::read(file.readAll(), photo));
    QCOMPARE(written.readAll(), CsvExport::temperatures(photo, 1));
    // Without -o the same text goes to standard output.
    const Run toStdout = runCli({ QStringLiteral("csv"), samplePath("coffee-mug.jpg") });
    QCOMPARE(toStdout.out.toUtf8(), CsvExport::temperatures(photo, 0));
}

void TestCli::reportIsTheSameForEveryJobCount()
{
    const QString site = dir.filePath(QStringLiteral("site"));
    QVERIFY(QDir().mkpath(site + QStringLiteral("/roof")));
    for (const char* name : { "coffee-mug.jpg", "radiator.jpg", "fuse-box.jpg" })
        QFile::copy(samplePath(name), site + QLatin1Char('/') + QLatin1String(name));
    QFile::copy(samplePath("radiator.jpg"), site + QStringLiteral("/roof/attic, north.JPG"));
    QFile::copy(broken, site + QStringLiteral("/roof/broken.jpg"));
    writeFile(site + QStringLiteral("/notes.txt"), "not a photograph");

    const QStringList flat = PhotographReport::collect({ site }, false);
    QCOMPARE(flat.size(), 3);
    const QStringList files = PhotographReport::collect({ site }, true);
    QCOMPARE(files.size(), 5);
    int failed = 0;
    const QByteArray one = PhotographReport::csv(files, 2, 1, &failed);
    QCOMPARE(failed, 1);
    QCOMPARE(PhotographReport::csv(files, 2, 2), one);
    const QList<QByteArray> lines = one.trimmed().split('\n');
    QCOMPARE(lines.size(), 6);
    QCOMPARE(lines[0],
             QByteArray("file,capture_time,emissivity,max,min,centre,matrix_max,"
                        "matrix_min,matrix_mean,shapes,status,criterion,possible,probable,major,"
                        "priority_4,priority_3,priority_2,priority_1"));
    // Sorted by path; a name with a comma is quoted.
    QVERIFY(
      lines[4].startsWith('"' + (site + QStringLiteral("/roof/attic, north.JPG")).toUtf8() + '"'));
    QVERIFY(lines[5].startsWith((site + QStringLiteral("/roof/broken.jpg,")).toUtf8()));
    QVERIFY(!lines[5].contains(",ok,"));
    // Without a reference no shape is a finding; the other criterion's columns stay empty.
    QVERIFY2(lines[1].endsWith(",ok,similar,0,0,0,,,,"), lines[1].constData());

    const Run run = runCli({ QStringLiteral("report"),
                             site,
                             QStringLiteral("--recursive"),
                             QStringLiteral("--unit"),
                             QStringLiteral("k"),
                             QStringLiteral("--jobs"),
                             QStringLiteral("2") });
    QCOMPARE(run.exitCode, 1);
    QCOMPARE(run.out.toUtf8(), one);
}

void TestCli::progressOnlyOnATerminal()
{
    const QStringList report{ QStringLiteral("report"),
                              samplePath("coffee-mug.jpg"),
                              samplePath("radiator.jpg") };
    const Run piped = runCli(report);
    QCOMPARE(piped.exitCode, 0);
    QVERIFY2(piped.err.isEmpty(), qPrintable(piped.err));
    // script(1) gives the program a terminal; its standard output goes to our pipe.
    QProcess terminal;
    terminal.start(QStringLiteral("script"),
                   { QStringLiteral("-qec"),
                     QStringLiteral("%1 %2 -o %3")
                       .arg(QStringLiteral(KORVEX_CLI),
                            report.join(QLatin1Char(' ')),
                            dir.filePath(QStringLiteral("report.csv"))),
                     QStringLiteral("/dev/null") });
    if (!terminal.waitForStarted())
        QSKIP("script(1) is not available to give the program a terminal");
    QVERIFY(terminal.waitForFinished(60000));
    const QString shown = QString::fromUtf8(terminal.readAll());
    QVERIFY2(shown.contains(QStringLiteral("] 2/2")), qPrintable(shown));
}

void TestCli::renderPaintsAsTheWindow_data()
{
    QTest::addColumn<bool>("shapes");
    QTest::newRow("the rendering alone") << false;
    QTest::newRow("with the stored shapes and markers") << true;
}

void TestCli::renderPaintsAsTheWindow()
{
    QFETCH(bool, shapes);
    QFile file(samplePath("fuse-box.jpg"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    ImageEntity photo;
    QVERIFY(RadiometricReader::read(file.readAll(), photo));
    const QImage rendered = PhotographRender::render(photo, 3, 40, shapes, 1);
    QVERIFY(!rendered.isNull());

    // The window's surface, fitted to exactly the rendered size.
    QWidget area;
    area.resize(rendered.size());
    auto* surface = new ImageDrawLabel(&area);
    area.show();
    QVERIFY(QTest::qWaitForWindowExposed(&area));
    surface->setDisplayUnit(1);
    surface->setFeatureVisible(shapes);
    if (shapes)
        surface->setEntity(&photo);
    const QImage paletteImage =
      ImageBlendThread::renderPaletteImage(photo.grayData, photo.grayWidth, photo.grayHeight, 3);
    surface->setImage(ImageBlendThread::compose(paletteImage, photo.cameraImage, 0.4f));
    QCOMPARE(surface->size(), rendered.size());
    QCOMPARE(surface->devicePixelRatioF(), 1.0);
    const QImage shown = surface->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(rendered.convertToFormat(QImage::Format_RGB32), shown);

    const QString out = dir.filePath(QStringLiteral("fuse-box.png"));
    QStringList arguments{ QStringLiteral("render"),    samplePath("fuse-box.jpg"),
                           QStringLiteral("-o"),        out,
                           QStringLiteral("--palette"), QStringLiteral("whitehot"),
                           QStringLiteral("--blend"),   QStringLiteral("40"),
                           QStringLiteral("--unit"),    QStringLiteral("f") };
    if (shapes)
        arguments << QStringLiteral("--shapes");
    QCOMPARE(runCli(arguments).exitCode, 0);
    QCOMPARE(QImage(out).convertToFormat(QImage::Format_RGB32), shown);
}

void TestCli::codecKeepsEveryByte_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("kept");

    QTest::newRow("plain ASCII") << QByteArray("IMG_0001.jpg") << 0;
    QTest::newRow("UTF-8 of two, three and four bytes")
      << QByteArray("caf\xc3\xa9 \xe6\xb8\xa9 \xf0\x9f\x94\xa5") << 0;
    QTest::newRow("a character whose low surrogate lies where kept bytes go")
      << QByteArray("\xf0\x90\x82\x80") << 0;
    QTest::newRow("bytes that never begin UTF-8") << QByteArray("bad\xff\xfe.jpg") << 2;
    QTest::newRow("a sequence cut short at the end") << QByteArray("cut\xe2\x82") << 2;
    QTest::newRow("a sequence cut short by another character") << QByteArray("\xe2\x82"
                                                                             "A")
                                                               << 2;
    QTest::newRow("an overlong slash") << QByteArray("\xc0\xaf") << 2;
    QTest::newRow("a surrogate written as UTF-8") << QByteArray("\xed\xa0\x80") << 3;
    QTest::newRow("a code point past U+10FFFF") << QByteArray("\xf4\x90\x80\x80") << 4;
    QTest::newRow("a kept byte right after a four-byte character")
      << QByteArray("\xf0\x90\x82\x80\xff") << 1;
    QTest::newRow("Latin-1 as older cameras name their files")
      << QByteArray("\xe9t\xe9 2019.jpg") << 2;
}

void TestCli::codecKeepsEveryByte()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, kept);

    const QString text = FileNameCodec::decode(bytes);
    QCOMPARE(FileNameCodec::encode(text), bytes);
    int lone = 0;
    for (int i = 0; i < text.size(); ++i) {
        const bool paired = i > 0 && text.at(i - 1).isHighSurrogate();
        lone += text.at(i).isLowSurrogate() && !paired ? 1 : 0;
    }
    QCOMPARE(lone, kept);
    QVERIFY(!text.contains(QChar(QChar::ReplacementCharacter)));
    if (kept == 0)
        QCOMPARE(text, QString::fromUtf8(bytes));
    // Installed, it is what Qt's own conversions of names go through.
    QCOMPARE(QFile::decodeName(bytes), text);
    QCOMPARE(QFile::encodeName(text), bytes);
}

void TestCli::namesThatAreNotUtf8_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("shown");
    QTest::addColumn<int>("lines");

    const QByteArray folder = QFile::encodeName(dir.filePath(QStringLiteral("names")));
    const QByteArray bad = folder + "/bad\xff\xfe.jpg";
    const QByteArray cut = folder + "/cut\xe2\x82.jpg";
    const QString badName = FileNameCodec::decode(bad);
    QTest::newRow("a report of the folder reads every file")
      << QStringList{ QStringLiteral("report"), FileNameCodec::decode(folder) }
      << bad + ",2026-11-21 14:32:07,0.95," << 3;
    QTest::newRow("a report names the file as its bytes")
      << QStringList{ QStringLiteral("report"), FileNameCodec::decode(folder) } << cut + ",2026"
      << 3;
    QTest::newRow("info reads the file named")
      << QStringList{ QStringLiteral("info"), badName } << bad + "\n  images:        2\n"
      << 0;
    QTest::newRow("info in JSON keeps the bytes as escaped surrogates")
      << QStringList{ QStringLiteral("info"), QStringLiteral("--json"), badName }
      << "\"file\":\"" + folder + "/bad\\udcff\\udcfe.jpg\",\"jpegs\":2" << 1;
    QTest::newRow("csv reads the file named")
      << QStringList{ QStringLiteral("csv"), FileNameCodec::decode(cut) } << QByteArray("\n") << 0;
}

void TestCli::namesThatAreNotUtf8()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, shown);
    QFETCH(int, lines);
    const QString folder = dir.filePath(QStringLiteral("names"));
    QVERIFY(QDir().mkpath(folder));
    QVERIFY(copyUnderName("coffee-mug.jpg", QFile::encodeName(folder) + "/bad\xff\xfe.jpg"));
    QVERIFY(copyUnderName("radiator.jpg", QFile::encodeName(folder) + "/cut\xe2\x82.jpg"));

    const Run run = runCli(arguments);
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.err.isEmpty(), qPrintable(run.err));
    QVERIFY2(run.outBytes.contains(shown), run.outBytes.constData());
    if (lines > 0)
        QCOMPARE(run.outBytes.count('\n'), lines);
}

void TestCli::folderThatCannotBeListedIsReported()
{
    const QString site = dir.filePath(QStringLiteral("closed-site"));
    const QString closed = site + QStringLiteral("/closed");
    QVERIFY(QDir().mkpath(closed));
    QVERIFY(QFile::copy(samplePath("coffee-mug.jpg"), site + QStringLiteral("/mug.jpg")));
    QVERIFY(QFile::copy(samplePath("radiator.jpg"), closed + QStringLiteral("/radiator.jpg")));
    QVERIFY(QFile::setPermissions(closed, QFileDevice::Permissions()));
    // Permissions do not bind the superuser; without its capabilities to pass over them they do.
    const QStringList launcher = geteuid() == 0
                                   ? QStringList{ QStringLiteral("setpriv"),
                                                  QStringLiteral("--bounding-set"),
                                                  QStringLiteral("-dac_override,-dac_read_search"),
                                                  QStringLiteral("--inh-caps"),
                                                  QStringLiteral("-dac_override,-dac_read_search") }
                                   : QStringList();
    const QStringList arguments{ QStringLiteral("report"), QStringLiteral("--recursive"), site };

    const Run walked = runCli(arguments, QString(), launcher);
    const Run flat = runCli({ QStringLiteral("report"), site }, QString(), launcher);

    QVERIFY(QFile::setPermissions(
      closed, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));
    if (walked.err.startsWith(QStringLiteral("setpriv:")))
        QSKIP(
          qPrintable(QStringLiteral("setpriv cannot drop the capabilities here: ") + walked.err));
    QCOMPARE(walked.exitCode, 1);
    QVERIFY2(walked.out.contains(closed + QStringLiteral(",,,,,,,,,,cannot be opened: "
                                                         "Permission denied,,,,,,,,\n")),
             qPrintable(walked.out));
    QVERIFY2(walked.out.contains(site + QStringLiteral("/mug.jpg,2026")), qPrintable(walked.out));
    // Without --recursive the folders inside are not looked into, and so not reported.
    QCOMPARE(flat.exitCode, 0);
    QCOMPARE(flat.out.count(QLatin1Char('\n')), 2);
}

void TestCli::failedWritesGiveTheSystemsReason_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("stdoutFile");
    QTest::addColumn<bool>("limited");
    QTest::addColumn<QString>("message");

    const QString mug = samplePath("coffee-mug.jpg");
    const QString full = QStringLiteral("/dev/full");
    const QString outputFull =
      QStringLiteral("korvex-cli: standard output: cannot be written: No space left on device\n");
    QTest::newRow("a report to a full standard output")
      << QStringList{ QStringLiteral("report"), mug } << full << false << outputFull;
    QTest::newRow("info to a full standard output")
      << QStringList{ QStringLiteral("info"), mug } << full << false << outputFull;
    QTest::newRow("info in JSON to a full standard output")
      << QStringList{ QStringLiteral("info"), QStringLiteral("--json"), mug } << full << false
      << outputFull;
    QTest::newRow("csv to a full standard output")
      << QStringList{ QStringLiteral("csv"), mug } << full << false << outputFull;
    QTest::newRow("the version to a full standard output")
      << QStringList{ QStringLiteral("--version") } << full << false << outputFull;

    const QString missing = dir.filePath(QStringLiteral("missing/out"));
    for (const char* command : { "csv", "report", "render" }) {
        const QString out = missing + (qstrcmp(command, "render") == 0 ? QStringLiteral(".png")
                                                                       : QStringLiteral(".csv"));
        QTest::addRow("%s into a folder that is not there", command)
          << QStringList{ QLatin1String(command), mug, QStringLiteral("-o"), out } << QString()
          << false << out + QStringLiteral(": cannot be written: No such file or directory\n");
    }
    const QString kept = dir.filePath(QStringLiteral("writes/kept"));
    for (const char* command : { "csv", "render" }) {
        const QString out = kept + (qstrcmp(command, "render") == 0 ? QStringLiteral(".png")
                                                                    : QStringLiteral(".csv"));
        QTest::addRow("%s past the file size limit", command)
          << QStringList{ QLatin1String(command), mug, QStringLiteral("-o"), out } << QString()
          << true << out + QStringLiteral(": cannot be written: File too large\n");
    }
}

void TestCli::failedWritesGiveTheSystemsReason()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, stdoutFile);
    QFETCH(bool, limited);
    QFETCH(QString, message);
    // Where a file is written, one is already there: a failed write must leave it as it was.
    const QString writes = dir.filePath(QStringLiteral("writes"));
    QVERIFY(QDir(writes).removeRecursively());
    QVERIFY(QDir().mkpath(writes));
    const QString out = arguments.value(arguments.indexOf(QStringLiteral("-o")) + 1);
    const bool inWrites = arguments.contains(QStringLiteral("-o")) && out.startsWith(writes);
    const QByteArray older("the picture of an earlier visit");
    if (inWrites)
        QVERIFY(writeFile(out, older));

    const Run run = runCli(arguments, stdoutFile, limited ? fileSizeLimit : QStringList());

    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.endsWith(message), qPrintable(run.err));
    if (inWrites) {
        QFile file(out);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), older);
        QCOMPARE(filesIn(writes), QStringList{ QFileInfo(out).fileName() });
    }
    QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("missing"))));
}

void TestCli::rangeRendersTheMatrixByTheRule_data()
{
    QTest::addColumn<QString>("sample");
    QTest::addColumn<QString>("range");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<double>("low");
    QTest::addColumn<double>("high");

    QTest::newRow("a photograph without a visible image, in Celsius")
      << QStringLiteral("radiator.jpg") << QStringLiteral("20:40") << QStringLiteral("c") << 20.0
      << 40.0;
    QTest::newRow("a photograph with a visible image, its ends below zero")
      << QStringLiteral("fuse-box.jpg") << QStringLiteral("-10:35") << QStringLiteral("c") << -10.0
      << 35.0;
    QTest::newRow("ends typed in Fahrenheit")
      << QStringLiteral("radiator.jpg") << QStringLiteral("50:122") << QStringLiteral("f") << 10.0
      << 50.0;
    QTest::newRow("ends typed in Kelvin")
      << QStringLiteral("fuse-box.jpg") << QStringLiteral("293.15:313.15") << QStringLiteral("k")
      << 20.0 << 40.0;
}

void TestCli::rangeRendersTheMatrixByTheRule()
{
    QFETCH(QString, sample);
    QFETCH(QString, range);
    QFETCH(QString, unit);
    QFETCH(double, low);
    QFETCH(double, high);

    const QString path = samplePath(sample.toLatin1().constData());
    const PhotographSummary summary = PhotographSummary::read(path);
    QVERIFY(summary.ok);
    const TemperatureMatrix matrix = summary.entity.temperatures();
    QVERIFY(matrix.isComplete());
    const QString out = dir.filePath(QStringLiteral("range.png"));
    const Run run = runCli({ QStringLiteral("render"),
                             path,
                             QStringLiteral("-o"),
                             out,
                             QStringLiteral("--palette"),
                             QStringLiteral("iron"),
                             QStringLiteral("--blend"),
                             QStringLiteral("100"),
                             QStringLiteral("--unit"),
                             unit,
                             QStringLiteral("--range=") + range });
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    const QImage picture = QImage(out).convertToFormat(QImage::Format_RGB32);
    QCOMPARE(picture.size(), QSize(matrix.width(), matrix.height()));
    const QRgb* colours = PaletteTable::colors(PaletteTable::Iron);
    QSet<int> used;
    for (int y = 0; y < matrix.height(); ++y) {
        for (int x = 0; x < matrix.width(); ++x) {
            // Typed ends go through a conversion; a cell a rounding away from an entry's edge may
            // land either side of it.
            const double tenths = matrix.tenths(x, y);
            const int entry = TemperaturePicture::linearEntry(int(tenths), low, high);
            const QRgb pixel = picture.pixel(x, y);
            if (pixel != colours[entry]) {
                const int below = TemperaturePicture::linearEntry(int(tenths), low + 1e-9, high);
                const int above = TemperaturePicture::linearEntry(int(tenths), low - 1e-9, high);
                QVERIFY2(pixel == colours[below] || pixel == colours[above],
                         qPrintable(QStringLiteral("%1, %2").arg(x).arg(y)));
            }
            used.insert(entry);
        }
    }
    // Not a picture of one colour that happens to match.
    QVERIFY(used.size() > 20);
}

void TestCli::isothermAndScale()
{
    const QString path = samplePath("radiator.jpg");
    const PhotographSummary summary = PhotographSummary::read(path);
    QVERIFY(summary.ok);
    const TemperatureMatrix matrix = summary.entity.temperatures();
    const QString plainOut = dir.filePath(QStringLiteral("plain.png"));
    const QString isothermOut = dir.filePath(QStringLiteral("isotherm.png"));
    const QString scaleOut = dir.filePath(QStringLiteral("scale.png"));
    const QStringList common{ QStringLiteral("render"),    path,
                              QStringLiteral("--palette"), QStringLiteral("blackhot"),
                              QStringLiteral("--blend"),   QStringLiteral("100"),
                              QStringLiteral("--range"),   QStringLiteral("20:40") };
    QCOMPARE(runCli(common + QStringList{ QStringLiteral("-o"), plainOut }).exitCode, 0);
    const Run isotherm = runCli(common + QStringList{ QStringLiteral("-o"),
                                                      isothermOut,
                                                      QStringLiteral("--isotherm"),
                                                      QStringLiteral("between:30:45"),
                                                      QStringLiteral("--isotherm-colour"),
                                                      QStringLiteral("#FF0080") });
    QVERIFY2(isotherm.exitCode == 0, qPrintable(isotherm.err));
    const QImage plainPicture = QImage(plainOut).convertToFormat(QImage::Format_RGB32);
    const QImage isothermPicture = QImage(isothermOut).convertToFormat(QImage::Format_RGB32);
    QCOMPARE(isothermPicture.size(), plainPicture.size());
    int covered = 0;
    for (int y = 0; y < matrix.height(); ++y) {
        for (int x = 0; x < matrix.width(); ++x) {
            const int tenths = matrix.tenths(x, y);
            if (tenths >= 300 && tenths <= 450) {
                ++covered;
                QCOMPARE(isothermPicture.pixel(x, y), qRgb(0xff, 0x00, 0x80));
            } else {
                QCOMPARE(isothermPicture.pixel(x, y), plainPicture.pixel(x, y));
            }
        }
    }
    QVERIFY(covered > 0 && covered < matrix.width() * matrix.height());

    const Run scale =
      runCli(common + QStringList{ QStringLiteral("-o"), scaleOut, QStringLiteral("--scale") });
    QVERIFY2(scale.exitCode == 0, qPrintable(scale.err));
    const QImage scalePicture = QImage(scaleOut).convertToFormat(QImage::Format_RGB32);
    QCOMPARE(scalePicture.height(), plainPicture.height());
    QVERIFY(scalePicture.width() > plainPicture.width() + 20);
    QCOMPARE(scalePicture.copy(plainPicture.rect()), plainPicture);
}

void TestCli::renderRefusals_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("message");

    const QString radiator = samplePath("radiator.jpg");
    const QString range = QStringLiteral("--range");
    const QString isotherm = QStringLiteral("--isotherm");
    const QString typed = QStringLiteral("--range takes LOW:HIGH, auto or histogram");
    const QString limits = QStringLiteral("--isotherm takes above:T, below:T or between:T1:T2");
    QTest::newRow("a range of one number")
      << QStringList{ range, QStringLiteral("30") } << radiator << 2 << typed;
    QTest::newRow("a range of words")
      << QStringList{ range, QStringLiteral("a:b") } << radiator << 2 << typed;
    QTest::newRow("a range of three numbers")
      << QStringList{ range, QStringLiteral("1:2:3") } << radiator << 2 << typed;
    QTest::newRow("a range upside down")
      << QStringList{ range, QStringLiteral("30:20") } << radiator << 2
      << QStringLiteral("--range needs LOW below HIGH");
    QTest::newRow("a range of no width")
      << QStringList{ range, QStringLiteral("20:20") } << radiator << 2
      << QStringLiteral("--range needs LOW below HIGH");
    QTest::newRow("an isotherm of an unknown kind")
      << QStringList{ range, QStringLiteral("auto"), isotherm, QStringLiteral("sideways:3") }
      << radiator << 2 << limits;
    QTest::newRow("an isotherm between one limit")
      << QStringList{ range, QStringLiteral("auto"), isotherm, QStringLiteral("between:5") }
      << radiator << 2 << limits;
    QTest::newRow("an isotherm above no number")
      << QStringList{ range, QStringLiteral("auto"), isotherm, QStringLiteral("above:hot") }
      << radiator << 2 << limits;
    QTest::newRow("a colour by name")
      << QStringList{ range,
                      QStringLiteral("auto"),
                      isotherm,
                      QStringLiteral("above:30"),
                      QStringLiteral("--isotherm-colour"),
                      QStringLiteral("red") }
      << radiator << 2 << QStringLiteral("--isotherm-colour takes #RRGGBB");
    QTest::newRow("a colour of five digits")
      << QStringList{ range,
                      QStringLiteral("auto"),
                      isotherm,
                      QStringLiteral("above:30"),
                      QStringLiteral("--isotherm-colour"),
                      QStringLiteral("#12345") }
      << radiator << 2 << QStringLiteral("--isotherm-colour takes #RRGGBB");
    QTest::newRow("an isotherm over the camera's gray picture")
      << QStringList{ isotherm, QStringLiteral("above:30") } << radiator << 2
      << QStringLiteral("--isotherm needs --range");
    QTest::newRow("a scale over the camera's gray picture")
      << QStringList{ QStringLiteral("--scale") } << radiator << 2
      << QStringLiteral("--scale needs --range");
    QTest::newRow("a range on a photograph without a temperature matrix")
      << QStringList{ range, QStringLiteral("20:40") } << QString() << 1
      << QStringLiteral("has no temperature matrix");
    QTest::newRow("an isotherm on a photograph without a temperature matrix")
      << QStringList{ range, QStringLiteral("histogram"), isotherm, QStringLiteral("below:10") }
      << QString() << 1 << QStringLiteral("has no temperature matrix");
}

void TestCli::renderRefusals()
{
    QFETCH(QStringList, options);
    QFETCH(QString, file);
    QFETCH(int, exitCode);
    QFETCH(QString, message);

    if (file.isEmpty()) {
        // A sound photograph but for the matrix, which holds no cell.
        RadiometricFile photograph;
        photograph.temperatures = RadiometricFile::temperatureSection(0, 0, {});
        file = dir.filePath(QStringLiteral("no-matrix.jpg"));
        QVERIFY(writeFile(file, photograph.bytes()));
    }
    const QString out = dir.filePath(QStringLiteral("refused.png"));
    QFile::remove(out);
    const Run run =
      runCli(QStringList{ QStringLiteral("render"), file, QStringLiteral("-o"), out } + options);
    QCOMPARE(run.exitCode, exitCode);
    QVERIFY2(run.err.contains(message), qPrintable(run.err));
    QVERIFY(!QFileInfo::exists(out));
}

void TestCli::helpListsTheRenderOptions()
{
    const Run run = runCli({ QStringLiteral("render"), QStringLiteral("--help") });
    QCOMPARE(run.exitCode, 0);
    for (const char* option :
         { "--range", "--isotherm <", "--isotherm-colour", "--isotherm-translucent", "--scale" })
        QVERIFY2(run.out.contains(QLatin1String(option)), option);
}

void TestCli::typedParametersCorrectTheCsv_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<int>("unit");
    // emissivity, reflected, distance, air, humidity, camera's reflected, camera's distance.
    QTest::addColumn<QVector<double>>("expected");

    QTest::newRow("an emissivity alone")
      << QStringList{ QStringLiteral("--emissivity"), QStringLiteral("0.6") } << 0
      << QVector<double>{ 0.6, 20, 0, 20, 50, 20, 0 };
    QTest::newRow("temperatures typed in Fahrenheit, written in Fahrenheit")
      << QStringList{ QStringLiteral("--unit"),
                      QStringLiteral("f"),
                      QStringLiteral("--reflected"),
                      QStringLiteral("122"),
                      QStringLiteral("--air"),
                      QStringLiteral("68"),
                      QStringLiteral("--camera-reflected"),
                      QStringLiteral("50") }
      << 1 << QVector<double>{ 0.95, 50, 0, 20, 50, 10, 0 };
    QTest::newRow("a reflected temperature typed in Kelvin")
      << QStringList{ QStringLiteral("--unit"),       QStringLiteral("k"),
                      QStringLiteral("--reflected"),  QStringLiteral("323.15"),
                      QStringLiteral("--emissivity"), QStringLiteral("0.7") }
      << 2 << QVector<double>{ 0.7, 50, 0, 20, 50, 20, 0 };
    QTest::newRow("air between the camera and a distant object")
      << QStringList{ QStringLiteral("--distance"),
                      QStringLiteral("120"),
                      QStringLiteral("--humidity"),
                      QStringLiteral("90"),
                      QStringLiteral("--air"),
                      QStringLiteral("35"),
                      QStringLiteral("--camera-distance"),
                      QStringLiteral("2") }
      << 0 << QVector<double>{ 0.95, 20, 120, 35, 90, 20, 2 };
    // The ends of the atmosphere's model are within it.
    QTest::newRow("the warmest air and the longest distance, typed in Fahrenheit")
      << QStringList{ QStringLiteral("--unit"),     QStringLiteral("F"),
                      QStringLiteral("--air"),      QStringLiteral("140"),
                      QStringLiteral("--distance"), QStringLiteral("200") }
      << 1 << QVector<double>{ 0.95, 20, 200, 60, 50, 20, 0 };
}

void TestCli::typedParametersCorrectTheCsv()
{
    QFETCH(QStringList, options);
    QFETCH(int, unit);
    QFETCH(QVector<double>, expected);

    const QString mug = samplePath("coffee-mug.jpg");
    const Run run = runCli(QStringList{ QStringLiteral("csv"), mug } + options);
    QCOMPARE(run.exitCode, 0);

    ObjectParameters parameters = ObjectParameters::ofCamera(95);
    parameters.emissivity = expected[0];
    parameters.reflected = expected[1];
    parameters.distance = expected[2];
    parameters.airTemperature = expected[3];
    parameters.humidity = expected[4];
    parameters.cameraReflected = expected[5];
    parameters.cameraDistance = expected[6];
    const ImageEntity corrected = shownWith(mug, parameters);
    QCOMPARE(shownWith(mug, ObjectParameters::ofCamera(95)).details.emissivity, 95);
    QCOMPARE(run.outBytes, CsvExport::temperatures(corrected, unit));
    // The values reach the figures: the text is not the camera's.
    QVERIFY(run.outBytes !=
            CsvExport::temperatures(shownWith(mug, ObjectParameters::ofCamera(95)), unit));
}

void TestCli::infoShowsCorrectedFigures()
{
    const QString fuseBox = samplePath("fuse-box.jpg");
    ObjectParameters parameters = ObjectParameters::ofCamera(95);
    parameters.emissivity = 0.6;
    parameters.reflected = 30;
    const ImageEntity photo = shownWith(fuseBox, parameters);
    const QJsonObject info = infoJson({ fuseBox,
                                        QStringLiteral("--emissivity"),
                                        QStringLiteral("0.6"),
                                        QStringLiteral("--reflected"),
                                        QStringLiteral("30") });
    QCOMPARE(info.value(QStringLiteral("object")).toObject(), parameters.toJson());
    const ImageFeature& feature = photo.details.feature;
    const auto celsius = [&info](const char* key) {
        return info.value(QLatin1String(key)).toObject().value(QStringLiteral("celsius"));
    };
    QCOMPARE(celsius("max"), shownValue(photo, feature.maxPoint.temperature));
    QCOMPARE(celsius("min"), shownValue(photo, feature.minPoint.temperature));
    QCOMPARE(celsius("centre"), shownValue(photo, feature.centrePoint.temperature));
    // A lower emissivity makes what is warmer than its surroundings warmer still.
    QVERIFY(celsius("max").toDouble() > feature.maxPoint.temperature + 10);

    // The matrix's figures over every cell, each shown on its own.
    const TemperatureMatrix matrix = photo.temperatures();
    double highest = -1e9, lowest = 1e9, sum = 0;
    for (int y = 0; y < matrix.height(); ++y) {
        for (int x = 0; x < matrix.width(); ++x) {
            double shown = 0;
            QVERIFY(photo.shownCelsius(matrix.tenths(x, y) / 10.0, shown));
            highest = qMax(highest, shown);
            lowest = qMin(lowest, shown);
            sum += shown;
        }
    }
    QCOMPARE(info.value(QStringLiteral("matrix_max")).toDouble(), std::round(highest * 10) / 10);
    QCOMPARE(info.value(QStringLiteral("matrix_min")).toDouble(), std::round(lowest * 10) / 10);
    QVERIFY(qAbs(info.value(QStringLiteral("matrix_mean")).toDouble() -
                 sum / (matrix.width() * matrix.height())) <= 0.051);

    // The shape: its stored extremes as shown, and measured again over its cells.
    const QJsonObject shape = info.value(QStringLiteral("shapes")).toArray().first().toObject();
    const ImageDrawPath& stored = photo.image_drawpaths.first();
    QCOMPARE(shape.value(QStringLiteral("max")).toObject().value(QStringLiteral("celsius")),
             shownValue(photo, stored.point(PointRole::Maximum).value));
    QCOMPARE(shape.value(QStringLiteral("min")).toObject().value(QStringLiteral("celsius")),
             shownValue(photo, stored.point(PointRole::Minimum).value));
    const PathPoint& start = stored.point(PointRole::Start);
    const PathPoint& end = stored.point(PointRole::End);
    double shapeHighest = -1e9, shapeSum = 0;
    const QVector<QPoint> cells =
      RegionMeasure(matrix).cells(stored.kind(), QPointF(start.x, start.y), QPointF(end.x, end.y));
    for (const QPoint& cell : cells) {
        double shown = 0;
        QVERIFY(photo.shownCelsius(matrix.tenths(cell.x(), cell.y()) / 10.0, shown));
        shapeHighest = qMax(shapeHighest, shown);
        shapeSum += shown;
    }
    const QJsonObject measured = shape.value(QStringLiteral("measured")).toObject();
    QCOMPARE(measured.value(QStringLiteral("cells")).toInt(), cells.size());
    QCOMPARE(measured.value(QStringLiteral("max")).toObject().value(QStringLiteral("celsius")),
             QJsonValue(std::round(shapeHighest * 10) / 10));
    QVERIFY(qAbs(measured.value(QStringLiteral("mean")).toDouble() - shapeSum / cells.size()) <=
            0.051);

    // The text says the same, and what it was shown with.
    const Run text = runCli({ QStringLiteral("info"),
                              fuseBox,
                              QStringLiteral("--emissivity"),
                              QStringLiteral("0.6"),
                              QStringLiteral("--reflected"),
                              QStringLiteral("30") });
    QCOMPARE(text.exitCode, 0);
    const QString hottest =
      QStringLiteral("hottest:       %1 °C at").arg(celsius("max").toDouble(), 0, 'f', 1);
    QVERIFY2(text.out.contains(hottest), qPrintable(text.out));
    QVERIFY2(text.out.contains(QStringLiteral("shown with:    emissivity 0.6, reflected 30.0 °C")),
             qPrintable(text.out));
}

void TestCli::noTemperatureIsNeverANumber_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("shown");

    // Off a surface of emissivity 0.1, the reflection of 500 ℃ outshines every stored cell.
    const QStringList dark{ samplePath("fuse-box.jpg"),
                            QStringLiteral("--emissivity"),
                            QStringLiteral("0.1"),
                            QStringLiteral("--reflected"),
                            QStringLiteral("500") };
    QTest::newRow("info in JSON gives null")
      << QStringList{ QStringLiteral("info"), QStringLiteral("--json") } + dark
      << QStringLiteral("\"celsius\":null");
    QTest::newRow("info in text says N.A")
      << QStringList{ QStringLiteral("info") } + dark << QStringLiteral("hottest:       N.A at");
    QTest::newRow("the report says N.A") << QStringList{ QStringLiteral("report") } + dark
                                         << QStringLiteral(",0.95,N.A,N.A,N.A,N.A,N.A,N.A,1,ok,");
    QTest::newRow("the matrix CSV says N.A in every cell")
      << QStringList{ QStringLiteral("csv") } + dark << QStringLiteral("N.A,N.A,N.A");
}

void TestCli::noTemperatureIsNeverANumber()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, shown);

    const Run run = runCli(arguments);
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.out.contains(shown), qPrintable(run.out.left(2000)));
    QVERIFY2(!run.out.contains(QStringLiteral("nan"), Qt::CaseInsensitive) &&
               !run.out.contains(QStringLiteral("inf"), Qt::CaseInsensitive),
             qPrintable(run.out.left(2000)));
    if (arguments.first() == QLatin1String("csv")) {
        // Not one cell keeps a number.
        QVERIFY(!run.out.contains(QRegularExpression(QStringLiteral("[0-9]"))));
    }
    if (arguments.contains(QStringLiteral("--json"))) {
        const QJsonObject info = QJsonDocument::fromJson(run.outBytes).object();
        for (const char* key : { "matrix_max", "matrix_min", "matrix_mean" })
            QVERIFY2(info.value(QLatin1String(key)).isNull(), key);
        const QJsonObject measured = info.value(QStringLiteral("shapes"))
                                       .toArray()
                                       .first()
                                       .toObject()
                                       .value(QStringLiteral("measured"))
                                       .toObject();
        QVERIFY(measured.value(QStringLiteral("max")).isNull());
        QVERIFY(measured.value(QStringLiteral("mean")).isNull());
        QVERIFY(measured.value(QStringLiteral("cells")).toInt() > 0);
    }
}

void TestCli::objectOptionRefusals_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");

    const QString mug = samplePath("coffee-mug.jpg");
    const QString png = dir.filePath(QStringLiteral("refused.png"));
    const QStringList commands[] = {
        { QStringLiteral("info"), mug },
        { QStringLiteral("csv"), mug },
        { QStringLiteral("report"), mug },
        { QStringLiteral("render"), mug, QStringLiteral("-o"), png },
    };
    struct Refused
    {
        const char* name;
        QStringList options;
        const char* message;
    };
    const Refused refused[] = {
        { "an emissivity of nothing",
          { QStringLiteral("--emissivity"), QStringLiteral("0") },
          "--emissivity takes a number from 0.01 to 1" },
        { "an emissivity above one",
          { QStringLiteral("--emissivity"), QStringLiteral("1.2") },
          "--emissivity takes a number from 0.01 to 1" },
        { "an emissivity that is not a number",
          { QStringLiteral("--emissivity"), QStringLiteral("nan") },
          "--emissivity takes a number from 0.01 to 1" },
        { "a distance in words",
          { QStringLiteral("--distance"), QStringLiteral("far") },
          "--distance takes a number from 0 to 200" },
        { "a distance beyond the atmosphere's model",
          { QStringLiteral("--distance"), QStringLiteral("200.5") },
          "--distance takes a number from 0 to 200" },
        { "a negative distance of the camera's",
          { QStringLiteral("--camera-distance"), QStringLiteral("-1") },
          "--camera-distance takes a number from 0 to 200" },
        { "air colder than -40 °C",
          { QStringLiteral("--air"), QStringLiteral("-41") },
          "--air takes a temperature from -40 to 60" },
        { "air warmer than 60 °C typed in Kelvin",
          { QStringLiteral("--unit"),
            QStringLiteral("k"),
            QStringLiteral("--air"),
            QStringLiteral("334") },
          "--air takes a temperature from 233.15 to 333.15" },
        { "a humidity above saturation",
          { QStringLiteral("--humidity"), QStringLiteral("101") },
          "--humidity takes a number from 0 to 100" },
        { "a reflected temperature below absolute zero",
          { QStringLiteral("--reflected"), QStringLiteral("-300") },
          "--reflected takes a temperature from -272.15 to 2000" },
        { "a camera's reflected temperature that is infinite",
          { QStringLiteral("--camera-reflected"), QStringLiteral("inf") },
          "--camera-reflected takes a temperature from -272.15 to 2000" },
    };
    for (const QStringList& command : commands) {
        for (const Refused& row : refused) {
            // info shows ℃ and takes no unit.
            if (command.first() == QLatin1String("info") &&
                row.options.contains(QStringLiteral("--unit")))
                continue;
            QTest::addRow("%s refuses %s", qPrintable(command.first()), row.name)
              << command + row.options << QString::fromUtf8(row.message);
        }
    }
}

void TestCli::objectOptionRefusals()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);

    QFile::remove(dir.filePath(QStringLiteral("refused.png")));
    const Run run = runCli(arguments);
    QCOMPARE(run.exitCode, 2);
    QVERIFY2(run.err.contains(message), qPrintable(run.err));
    QVERIFY2(run.out.isEmpty(), qPrintable(run.out.left(200)));
    QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("refused.png"))));
}

void TestCli::applyWritesTheSettings_data()
{
    QTest::addColumn<QString>("sample");
    QTest::addColumn<bool>("inPlace");
    QTest::addColumn<QStringList>("options");

    QTest::newRow("object parameters in place")
      << QStringLiteral("fuse-box.jpg") << true
      << QStringList{ QStringLiteral("--emissivity"), QStringLiteral("0.7"),
                      QStringLiteral("--reflected"),  QStringLiteral("35"),
                      QStringLiteral("--distance"),   QStringLiteral("3") };
    QTest::newRow("every setting into a folder, temperatures in Fahrenheit")
      << QStringLiteral("radiator.jpg") << false
      << QStringList{ QStringLiteral("--unit"),
                      QStringLiteral("f"),
                      QStringLiteral("--palette"),
                      QStringLiteral("whitehot"),
                      QStringLiteral("--range"),
                      QStringLiteral("50:140"),
                      QStringLiteral("--isotherm"),
                      QStringLiteral("between:100:120"),
                      QStringLiteral("--isotherm-colour"),
                      QStringLiteral("#ff00ff"),
                      QStringLiteral("--isotherm-translucent"),
                      QStringLiteral("--air"),
                      QStringLiteral("77"),
                      QStringLiteral("--humidity"),
                      QStringLiteral("30") };
    QTest::newRow("a palette alone into a folder")
      << QStringLiteral("coffee-mug.jpg") << false
      << QStringList{ QStringLiteral("--palette"), QStringLiteral("cool") };
    QTest::newRow("the camera's parameters in place take the file's own away")
      << QStringLiteral("water-cooler.jpg") << true
      << QStringList{ QStringLiteral("--emissivity"), QStringLiteral("0.95") };
}

void TestCli::applyWritesTheSettings()
{
    QFETCH(QString, sample);
    QFETCH(bool, inPlace);
    QFETCH(QStringList, options);

    const QString work = dir.filePath(QStringLiteral("apply"));
    QVERIFY(QDir(work).removeRecursively());
    const QString into = work + QStringLiteral("/out");
    QVERIFY(QDir().mkpath(into));
    const QString source = work + QLatin1Char('/') + sample;
    QByteArray original = contentsOf(samplePath(qPrintable(sample)));
    ImageEntity before;
    QVERIFY(RadiometricReader::read(original, before));
    if (sample == QLatin1String("water-cooler.jpg")) {
        // Parameters from an earlier visit, which the camera's own replace.
        ObjectParameters earlier = before.objectParameters();
        earlier.emissivity = 0.5;
        QByteArray written;
        PhotographApply::Settings settings;
        settings.object.emissivity = 0.5;
        QString error;
        QVERIFY2(PhotographApply::apply(original, settings, written, error), qPrintable(error));
        original = written;
        QVERIFY(RadiometricReader::read(original, before));
        QCOMPARE(before.objectParameters(), earlier);
    }
    QVERIFY(writeFile(source, original));

    QStringList arguments{ QStringLiteral("apply"), source };
    if (!inPlace)
        arguments << QStringLiteral("-o") << into;
    const Run run = runCli(arguments + options);
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.err.isEmpty(), qPrintable(run.err));
    const QString target = inPlace ? source : into + QLatin1Char('/') + sample;
    const QByteArray after = contentsOf(target);
    if (!inPlace)
        QCOMPARE(contentsOf(source), original);
    // Nothing is left beside what was written.
    QCOMPARE(filesIn(inPlace ? work : into), QStringList{ sample });

    // The camera's bytes are as they were, the picture in front among them.
    QCOMPARE(cameraSections(after), cameraSections(original));
    QCOMPARE(RadiometricLayout::locate(after).jpegCount,
             RadiometricLayout::locate(original).jpegCount);
    ImageEntity photo;
    QVERIFY(RadiometricReader::read(after, photo));
    QCOMPARE(photo.temperatureData, before.temperatureData);
    QCOMPARE(photo.details.emissivity, before.details.emissivity);
    QCOMPARE(photo.details.blend, before.details.blend);
    QCOMPARE(photo.image_drawpaths.size(), before.image_drawpaths.size());
    for (int i = 0; i < photo.image_drawpaths.size(); ++i)
        QCOMPARE(RadiometricWriter::shapePayload({ photo.image_drawpaths[i] }),
                 RadiometricWriter::shapePayload({ before.image_drawpaths[i] }));

    // What was asked for is in the file, and nothing else changed.
    const auto option = [&options](const char* name) {
        const int at = options.indexOf(QLatin1String(name));
        return at < 0 ? QString() : options.value(at + 1);
    };
    const int unit =
      option("--unit").isEmpty() ? 0 : (option("--unit") == QLatin1String("f") ? 1 : 2);
    QCOMPARE(photo.details.unit, option("--unit").isEmpty() ? before.details.unit : unit);
    QCOMPARE(photo.details.palette,
             option("--palette").isEmpty() ? before.details.palette
                                           : PhotographRender::paletteCode(option("--palette")));
    ObjectParameters expected = before.objectParameters();
    if (!option("--emissivity").isEmpty())
        expected.emissivity = option("--emissivity").toDouble();
    if (!option("--reflected").isEmpty())
        expected.reflected = TemperatureRange::celsiusFrom(option("--reflected").toDouble(), unit);
    if (!option("--distance").isEmpty())
        expected.distance = option("--distance").toDouble();
    if (!option("--air").isEmpty())
        expected.airTemperature = TemperatureRange::celsiusFrom(option("--air").toDouble(), unit);
    if (!option("--humidity").isEmpty())
        expected.humidity = option("--humidity").toDouble();
    QCOMPARE(photo.objectParameters(), expected);
    QCOMPARE(photo.extension.contains(QStringLiteral("object")),
             expected != ObjectParameters::ofCamera(before.details.emissivity));
    TemperatureRange range =
      TemperatureRange::fromJson(before.extension.value(QStringLiteral("range")));
    if (!option("--range").isEmpty()) {
        range.mode = TemperatureRange::Manual;
        range.low = TemperatureRange::celsiusFrom(50, unit);
        range.high = TemperatureRange::celsiusFrom(140, unit);
    }
    QCOMPARE(TemperatureRange::fromJson(photo.extension.value(QStringLiteral("range"))), range);
    Isotherm isotherm = Isotherm::fromJson(before.extension.value(QStringLiteral("isotherm")));
    if (!option("--isotherm").isEmpty()) {
        isotherm.kind = Isotherm::Between;
        isotherm.first = TemperatureRange::celsiusFrom(100, unit);
        isotherm.second = TemperatureRange::celsiusFrom(120, unit);
        isotherm.colour = qRgb(255, 0, 255);
        isotherm.translucent = true;
    }
    QCOMPARE(Isotherm::fromJson(photo.extension.value(QStringLiteral("isotherm"))), isotherm);
}

void TestCli::applyRefusals_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("message");

    const QString range = QStringLiteral("--range");
    QTest::newRow("nothing to write") << QStringList{} << QStringLiteral("apply needs a setting");
    QTest::newRow("an emissivity above one")
      << QStringList{ QStringLiteral("--emissivity"), QStringLiteral("1.01") }
      << QStringLiteral("--emissivity takes a number from 0.01 to 1");
    QTest::newRow("air typed in Fahrenheit beyond 60 °C")
      << QStringList{ QStringLiteral("--unit"),
                      QStringLiteral("f"),
                      QStringLiteral("--air"),
                      QStringLiteral("141") }
      << QStringLiteral("--air takes a temperature from -40 to 140");
    QTest::newRow("an unknown unit") << QStringList{ QStringLiteral("--unit"), QStringLiteral("r") }
                                     << QStringLiteral("--unit takes c, f or k");
    QTest::newRow("an unknown palette")
      << QStringList{ QStringLiteral("--palette"), QStringLiteral("rainbow") }
      << QStringLiteral("--palette takes spectrum");
    QTest::newRow("a range upside down") << QStringList{ range, QStringLiteral("40:20") }
                                         << QStringLiteral("--range needs LOW below HIGH");
    QTest::newRow("an isotherm without a range")
      << QStringList{ QStringLiteral("--isotherm"), QStringLiteral("above:30") }
      << QStringLiteral("--isotherm needs --range");
    QTest::newRow("an isotherm's colour without an isotherm")
      << QStringList{ range,
                      QStringLiteral("auto"),
                      QStringLiteral("--isotherm-colour"),
                      QStringLiteral("#ff0000") }
      << QStringLiteral("need --isotherm");
    QTest::newRow("a folder that is not there")
      << QStringList{ QStringLiteral("--palette"),
                      QStringLiteral("iron"),
                      QStringLiteral("-o"),
                      dir.filePath(QStringLiteral("no-such-folder")) }
      << QStringLiteral("no-such-folder: not a folder");
}

void TestCli::applyRefusals()
{
    QFETCH(QStringList, options);
    QFETCH(QString, message);

    const QString photograph = dir.filePath(QStringLiteral("refused.jpg"));
    const QByteArray original = contentsOf(samplePath("fuse-box.jpg"));
    QVERIFY(writeFile(photograph, original));
    const Run run = runCli(QStringList{ QStringLiteral("apply"), photograph } + options);
    QCOMPARE(run.exitCode, 2);
    QVERIFY2(run.err.contains(message), qPrintable(run.err));
    QCOMPARE(contentsOf(photograph), original);
    QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("no-such-folder"))));
}

void TestCli::applyFailuresLeaveTheOriginal_data()
{
    QTest::addColumn<QString>("failing");
    QTest::addColumn<bool>("intoFolder");
    QTest::addColumn<bool>("limited");
    QTest::addColumn<QString>("message");

    QTest::newRow("a file that is not a photograph, in place")
      << QStringLiteral("notes") << false << false << QStringLiteral(": not a JPEG file");
    QTest::newRow("a JPEG without temperatures, into a folder")
      << QStringLiteral("plain") << true << false << QStringLiteral(": ");
    QTest::newRow("a file that is not there")
      << QStringLiteral("missing") << true << false
      << QStringLiteral("cannot be opened: No such file or directory");
    QTest::newRow("a photograph that does not fit on the disk, in place")
      << QStringLiteral("photograph") << false << true << QStringLiteral(": File too large");
    QTest::newRow("a photograph that does not fit on the disk, into a folder")
      << QStringLiteral("photograph") << true << true << QStringLiteral(": File too large");
}

void TestCli::applyFailuresLeaveTheOriginal()
{
    QFETCH(QString, failing);
    QFETCH(bool, intoFolder);
    QFETCH(bool, limited);
    QFETCH(QString, message);

    const QString work = dir.filePath(QStringLiteral("failing"));
    QVERIFY(QDir(work).removeRecursively());
    const QString into = work + QStringLiteral("/out");
    QVERIFY(QDir().mkpath(into));
    // The file that fails comes first; the sound one after it is still written, but past the
    // file size limit, which no photograph fits under.
    const QString bad = work + QStringLiteral("/bad.jpg");
    QByteArray badBytes;
    if (failing == QLatin1String("notes"))
        badBytes = "site visit notes, not a photograph";
    else if (failing == QLatin1String("plain"))
        badBytes = contentsOf(plain);
    else if (failing == QLatin1String("photograph"))
        badBytes = contentsOf(samplePath("coffee-mug.jpg"));
    if (failing != QLatin1String("missing"))
        QVERIFY(writeFile(bad, badBytes));
    const QString good = work + QStringLiteral("/good.jpg");
    const QByteArray goodBytes = contentsOf(samplePath("radiator.jpg"));
    QVERIFY(writeFile(good, goodBytes));
    if (intoFolder) {
        // What the folder holds already under the sound one's name stays when it fails.
        QVERIFY(writeFile(into + QStringLiteral("/bad.jpg"), "an earlier file"));
    }

    QStringList arguments{
        QStringLiteral("apply"), bad, good, QStringLiteral("--emissivity"), QStringLiteral("0.8")
    };
    if (intoFolder)
        arguments << QStringLiteral("-o") << into;
    const Run run = runCli(arguments, QString(), limited ? fileSizeLimit : QStringList());

    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.startsWith(QStringLiteral("korvex-cli: ") + bad), qPrintable(run.err));
    QVERIFY2(run.err.contains(message), qPrintable(run.err));
    if (failing == QLatin1String("missing"))
        QVERIFY(!QFileInfo::exists(bad));
    else
        QCOMPARE(contentsOf(bad), badBytes);
    if (intoFolder)
        QCOMPARE(contentsOf(into + QStringLiteral("/bad.jpg")), QByteArray("an earlier file"));
    // The sound photograph is written all the same, or, past the limit, left as it was too.
    const QString goodTarget = intoFolder ? into + QStringLiteral("/good.jpg") : good;
    ImageEntity written;
    if (limited) {
        QVERIFY2(run.err.contains(good), qPrintable(run.err));
        QCOMPARE(contentsOf(good), goodBytes);
        QVERIFY(!intoFolder || !QFileInfo::exists(goodTarget));
    } else {
        QVERIFY(RadiometricReader::read(contentsOf(goodTarget), written));
        QCOMPARE(written.objectParameters().emissivity, 0.8);
    }
    // No part-written file is left anywhere.
    QStringList expected;
    if (failing != QLatin1String("missing"))
        expected << QStringLiteral("bad.jpg");
    expected << QStringLiteral("good.jpg");
    QCOMPARE(QDir(work).entryList(QDir::Files | QDir::Hidden, QDir::Name), expected);
    QStringList folder{ QStringLiteral("bad.jpg") };
    if (!limited)
        folder << QStringLiteral("good.jpg");
    if (intoFolder)
        QCOMPARE(filesIn(into), folder);
}

void TestCli::appliedParametersAreReadBackUnlessTyped()
{
    const QString work = dir.filePath(QStringLiteral("readback"));
    QVERIFY(QDir().mkpath(work));
    const QString photograph = work + QStringLiteral("/fuse-box.jpg");
    QVERIFY(writeFile(photograph, contentsOf(samplePath("fuse-box.jpg"))));
    const QStringList typed{ QStringLiteral("--emissivity"), QStringLiteral("0.6"),
                             QStringLiteral("--distance"),   QStringLiteral("8"),
                             QStringLiteral("--humidity"),   QStringLiteral("70") };
    const QJsonObject typedOnTheOriginal = infoJson(QStringList{ photograph } + typed);
    const QJsonObject camera = infoJson({ photograph });
    QCOMPARE(runCli(QStringList{ QStringLiteral("apply"), photograph } + typed).exitCode, 0);

    // Read back, the file's values are used, the same as typed on the original.
    const QJsonObject applied = infoJson({ photograph });
    for (const char* key : { "object", "max", "min", "centre", "matrix_max", "matrix_mean" })
        QVERIFY2(applied.value(QLatin1String(key)) == typedOnTheOriginal.value(QLatin1String(key)),
                 key);
    QVERIFY(applied.value(QStringLiteral("max")) != camera.value(QStringLiteral("max")));
    // A value typed takes the place of the file's; the others stay the file's.
    const QJsonObject retyped =
      infoJson({ photograph, QStringLiteral("--distance"), QStringLiteral("0") });
    const QJsonObject object = retyped.value(QStringLiteral("object")).toObject();
    QCOMPARE(object.value(QStringLiteral("emissivity")).toDouble(), 0.6);
    QCOMPARE(object.value(QStringLiteral("humidity")).toDouble(), 70.0);
    QCOMPARE(object.value(QStringLiteral("distance")).toDouble(), 0.0);
    // The camera's values typed give the camera's temperatures back.
    const QJsonObject asTheCamera = infoJson({ photograph,
                                               QStringLiteral("--emissivity"),
                                               QStringLiteral("0.95"),
                                               QStringLiteral("--distance"),
                                               QStringLiteral("0") });
    for (const char* key : { "max", "min", "centre", "matrix_max", "matrix_min", "matrix_mean" })
        QVERIFY2(asTheCamera.value(QLatin1String(key)) == camera.value(QLatin1String(key)), key);
    // The report reads the file's values too.
    const Run report = runCli({ QStringLiteral("report"), photograph });
    const QByteArray row = report.outBytes.split('\n').value(1);
    QVERIFY2(row.split(',').value(3) == QByteArray::number(applied.value(QStringLiteral("max"))
                                                             .toObject()
                                                             .value(QStringLiteral("celsius"))
                                                             .toDouble(),
                                                           'f',
                                                           1),
             row.constData());
}

void TestCli::applyWritesNoTwoPhotographsUnderOneName()
{
    const QString work = dir.filePath(QStringLiteral("same-name"));
    for (const char* folder : { "/north", "/south", "/out" })
        QVERIFY(QDir().mkpath(work + QLatin1String(folder)));
    const QString north = work + QStringLiteral("/north/IMG_1.jpg");
    const QString south = work + QStringLiteral("/south/IMG_1.jpg");
    QVERIFY(writeFile(north, contentsOf(samplePath("radiator.jpg"))));
    QVERIFY(writeFile(south, contentsOf(samplePath("coffee-mug.jpg"))));
    const Run run = runCli({ QStringLiteral("apply"),
                             north,
                             south,
                             QStringLiteral("--palette"),
                             QStringLiteral("cool"),
                             QStringLiteral("-o"),
                             work + QStringLiteral("/out") });
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.contains(south), qPrintable(run.err));
    // The first one written stays, the second is not put over it.
    ImageEntity written;
    QVERIFY(RadiometricReader::read(contentsOf(work + QStringLiteral("/out/IMG_1.jpg")), written));
    ImageEntity first;
    QVERIFY(RadiometricReader::read(contentsOf(north), first));
    QCOMPARE(written.temperatureData, first.temperatureData);
    QCOMPARE(written.details.palette, PhotographRender::paletteCode(QStringLiteral("cool")));
}

void TestCli::shapeOfItsOwnEmissivity()
{
    // fuse-box.jpg's rectangle, 26.0 to 72.7 ℃ as stored, given an emissivity of 0.5 by Korvex's
    // block; the photograph keeps the camera's 0.95.
    QFile sample(samplePath("fuse-box.jpg"));
    QVERIFY(sample.open(QIODevice::ReadOnly));
    const QString path = dir.filePath(QStringLiteral("own-emissivity.jpg"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(sample.readAll() +
               RadiometricFile::extensionBlock(
                 R"({"shape_parameters":[{"index":0,"emissivity":0.5,"reflected":20}]})"));
    file.close();
    ObjectParameters own = ObjectParameters::ofCamera(95);
    own.emissivity = 0.5;
    const TemperatureCorrection correction(own, 0, -1);
    double hottest = 0;
    QVERIFY(correction.celsius(72.7, hottest));

    const QJsonObject info = infoJson({ path });
    const QJsonObject shape = info.value(QStringLiteral("shapes")).toArray().at(0).toObject();
    QCOMPARE(shape.value(QStringLiteral("own")).toObject().value(QStringLiteral("emissivity")),
             QJsonValue(0.5));
    QCOMPARE(shape.value(QStringLiteral("max")).toObject().value(QStringLiteral("celsius")),
             QJsonValue(std::round(hottest * 10) / 10));
    // The photograph's own figures stay the camera's.
    QCOMPARE(info.value(QStringLiteral("max")).toObject().value(QStringLiteral("celsius")),
             QJsonValue(72.7));
    const Run text = runCli({ QStringLiteral("info"), path });
    QCOMPARE(text.exitCode, 0);
    QVERIFY2(text.out.contains(QStringLiteral("max ") + QString::number(hottest, 'f', 1)) &&
               text.out.contains(QStringLiteral("emissivity 0.5")),
             qPrintable(text.out));
}

QTEST_MAIN(TestCli)
#include "tst_cli.moc"
