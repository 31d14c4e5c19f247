#include "cli/filenamecodec.h"
#include "cli/photographrender.h"
#include "cli/photographreport.h"
#include "cli/photographsummary.h"
#include "model/csvexport.h"
#include "model/radiometricreader.h"
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
                             "shapes" })
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
                        "matrix_min,matrix_mean,shapes,status"));
    // Sorted by path; a name with a comma is quoted.
    QVERIFY(
      lines[4].startsWith('"' + (site + QStringLiteral("/roof/attic, north.JPG")).toUtf8() + '"'));
    QVERIFY(lines[5].startsWith((site + QStringLiteral("/roof/broken.jpg,")).toUtf8()));
    QVERIFY(!lines[5].endsWith(",ok"));
    QVERIFY(lines[1].endsWith(",ok"));

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
                                                         "Permission denied\n")),
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

QTEST_MAIN(TestCli)
#include "tst_cli.moc"
