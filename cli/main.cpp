// korvex-cli: the photographs of a site visit read in bulk, without the window.

#include "cli/filenamecodec.h"
#include "cli/objectoptions.h"
#include "cli/photographapply.h"
#include "cli/photographrender.h"
#include "cli/photographreport.h"
#include "cli/photographsummary.h"
#include "model/csvexport.h"
#include "model/wholefile.h"

#include <QBuffer>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageWriter>
#include <QJsonDocument>
#include <QThread>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <memory>
#include <unistd.h>

namespace {

enum ExitCode
{
    AllRead = 0,
    SomeFailed = 1,
    BadUsage = 2,
};

const char* const usage = "Usage: korvex-cli info|csv|render|report|apply [options] FILE...\n"
                          "Try 'korvex-cli COMMAND --help' for the options of a command.\n";

bool verbose = false;

// errno of the first write to standard output that failed; 0 while all have gone through.
int outputError = 0;

void writeBytes(FILE* stream, const QByteArray& bytes)
{
    errno = 0;
    if (std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream) != size_t(bytes.size()) &&
        stream == stdout && outputError == 0)
        outputError = errno != 0 ? errno : EIO;
}

// Text goes out as UTF-8, the file names in it byte for byte as the system gave them.
void print(FILE* stream, const QString& text)
{
    writeBytes(stream, FileNameCodec::encode(text));
}

// The libraries explain themselves in debug lines meant for their developers.
void quietHandler(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (!verbose && type != QtFatalMsg && type != QtCriticalMsg)
        return;
    print(stderr, message + QLatin1Char('\n'));
}

int fail(const QString& message, int code = BadUsage)
{
    print(stderr, QStringLiteral("korvex-cli: ") + message + QLatin1Char('\n'));
    return code;
}

// The same for a command line refused where the caller goes on with a yes or no.
bool refuse(const QString& message)
{
    fail(message);
    return false;
}

// Every command ends here: standard output is written out, and a failure to write it fails the
// command, however well the rest went.
int finish(int code)
{
    errno = 0;
    if (std::fflush(stdout) != 0 && outputError == 0)
        outputError = errno != 0 ? errno : EIO;
    if (outputError == 0 && std::ferror(stdout))
        outputError = EIO;
    if (outputError == 0)
        return code;
    fail(QStringLiteral("standard output: cannot be written: ") + qt_error_string(outputError));
    return code == AllRead ? int(SomeFailed) : code;
}

bool unitCode(const QString& name, int& unit)
{
    const QString lower = name.toLower();
    const QStringList names{ QStringLiteral("c"), QStringLiteral("f"), QStringLiteral("k") };
    unit = int(names.indexOf(lower));
    return unit >= 0;
}

// To the file at path, whole or not at all, or to standard output without a path, whose failure
// finish() tells. False with the message written.
bool writeOutput(const QString& path, const QByteArray& bytes)
{
    if (path.isEmpty()) {
        writeBytes(stdout, bytes);
        return true;
    }
    QString reason;
    if (CsvExport::write(path, bytes, &reason))
        return true;
    fail(path + QStringLiteral(": cannot be written: ") + reason, SomeFailed);
    return false;
}

QString timeText(double seconds)
{
    const int whole = int(seconds + 0.5);
    return QStringLiteral("%1:%2").arg(whole / 60).arg(whole % 60, 2, 10, QLatin1Char('0'));
}

struct Command
{
    QCommandLineParser parser;
    QCommandLineOption unit{ QStringLiteral("unit"),
                             QStringLiteral("Temperatures in c (Celsius), f or k."),
                             QStringLiteral("c|f|k") };
    QCommandLineOption output{ { QStringLiteral("o"), QStringLiteral("output") },
                               QStringLiteral("Write to this file instead of standard output."),
                               QStringLiteral("file") };
    QCommandLineOption verboseOption{ QStringLiteral("verbose"),
                                      QStringLiteral("Let the libraries' debug lines through.") };
    ObjectOptions object;

    explicit Command(const QString& description)
    {
        parser.setApplicationDescription(description);
        parser.addHelpOption();
        parser.addOption(verboseOption);
    }

    void addObjectOptions() { parser.addOptions(ObjectOptions::options()); }

    // The object parameters typed, read in the unit; false with the message written.
    bool readObject(int unit)
    {
        QString error;
        return object.read(parser, unit, error) || refuse(error);
    }

    // False with the message written when the command line is wrong.
    bool parse(const QStringList& arguments, int& unitValue)
    {
        if (!parser.parse(arguments)) {
            fail(parser.errorText());
            return false;
        }
        if (parser.isSet(QStringLiteral("help"))) {
            print(stdout, parser.helpText());
            std::exit(finish(AllRead));
        }
        verbose = parser.isSet(verboseOption);
        // Only the commands that take --unit get past parse() with it.
        if (parser.optionNames().contains(unit.names().first()) &&
            !unitCode(parser.value(unit), unitValue)) {
            fail(QStringLiteral("--unit takes c, f or k"));
            return false;
        }
        return true;
    }
};

int info(const QStringList& arguments)
{
    Command command(QStringLiteral("What each photograph holds."));
    const QCommandLineOption json(QStringLiteral("json"),
                                  QStringLiteral("One JSON object a line."));
    command.parser.addOption(json);
    command.addObjectOptions();
    command.parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("Photographs."));
    int unit = 0;
    // Its temperatures are in ℃, and so are those typed.
    if (!command.parse(arguments, unit) || !command.readObject(unit))
        return BadUsage;
    const QStringList files = command.parser.positionalArguments().mid(1);
    if (files.isEmpty())
        return fail(QStringLiteral("info needs at least one file"));
    int code = AllRead;
    for (const QString& file : files) {
        const PhotographSummary summary =
          PhotographSummary::read(file, PhotographSummary::Images::Skip, command.object);
        if (!summary.ok)
            code = SomeFailed;
        if (command.parser.isSet(json))
            print(stdout,
                  QString::fromUtf8(QJsonDocument(summary.json()).toJson(QJsonDocument::Compact)) +
                    QLatin1Char('\n'));
        else
            print(stdout, summary.text());
        if (!summary.ok && !command.parser.isSet(json))
            print(stderr, QStringLiteral("korvex-cli: %1: %2\n").arg(file, summary.error));
        // Nothing more can reach the reader.
        if (outputError != 0)
            break;
    }
    return code;
}

int csv(const QStringList& arguments)
{
    Command command(QStringLiteral("The temperature matrix of a photograph as CSV."));
    command.parser.addOption(command.unit);
    command.parser.addOption(command.output);
    command.addObjectOptions();
    command.parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("A photograph."));
    int unit = 0;
    if (!command.parse(arguments, unit) || !command.readObject(unit))
        return BadUsage;
    const QStringList files = command.parser.positionalArguments().mid(1);
    if (files.size() != 1)
        return fail(QStringLiteral("csv takes one file"));
    const PhotographSummary summary =
      PhotographSummary::read(files.first(), PhotographSummary::Images::Skip, command.object);
    if (!summary.ok)
        return fail(files.first() + QStringLiteral(": ") + summary.error, SomeFailed);
    if (!writeOutput(command.parser.value(command.output),
                     CsvExport::temperatures(summary.entity, unit)))
        return SomeFailed;
    return AllRead;
}

// The display settings render shows a photograph with and apply writes into it.
struct DisplayOptions
{
    const QCommandLineOption palette{ QStringLiteral("palette"),
                                      QStringLiteral("spectrum, iron, cool, whitehot or blackhot."),
                                      QStringLiteral("name") };
    const QCommandLineOption range{
        QStringLiteral("range"),
        QStringLiteral("Render the temperature matrix: linear from LOW to HIGH (in --unit), linear "
                       "over the photograph's own coldest to hottest (auto), or equalised "
                       "(histogram). Without it, the camera's gray picture."),
        QStringLiteral("LOW:HIGH|auto|histogram")
    };
    const QCommandLineOption isotherm{
        QStringLiteral("isotherm"),
        QStringLiteral("Show the cells above, below or between temperatures (in --unit, limits "
                       "included) in one colour; needs --range."),
        QStringLiteral("above:T|below:T|between:T1:T2")
    };
    const QCommandLineOption isothermColour{ QStringLiteral("isotherm-colour"),
                                             QStringLiteral(
                                               "The isotherm's colour (default #3cff6e)."),
                                             QStringLiteral("#RRGGBB") };
    const QCommandLineOption isothermTranslucent{
        QStringLiteral("isotherm-translucent"),
        QStringLiteral("Mix the isotherm's colour half and half with the palette.")
    };

    QList<QCommandLineOption> all() const
    {
        return { palette, range, isotherm, isothermColour, isothermTranslucent };
    }

    // The values set, temperatures typed in typedUnit; -1 for a palette not asked for. False with
    // the message written for a malformed one.
    bool read(const QCommandLineParser& parser,
              int typedUnit,
              int& paletteCode,
              TemperatureRange& rangeValue,
              Isotherm& isothermValue) const
    {
        QString error;
        if (parser.isSet(range) &&
            !PhotographRender::parseRange(parser.value(range), typedUnit, rangeValue, error))
            return refuse(error);
        if (parser.isSet(isotherm) && !PhotographRender::parseIsotherm(
                                        parser.value(isotherm), typedUnit, isothermValue, error))
            return refuse(error);
        if (parser.isSet(isothermColour) &&
            !PhotographRender::parseColour(parser.value(isothermColour), isothermValue.colour))
            return refuse(QStringLiteral("--isotherm-colour takes #RRGGBB"));
        isothermValue.translucent = parser.isSet(isothermTranslucent);
        // The gray picture's levels are the camera's own and say no temperature.
        if (rangeValue.mode == TemperatureRange::Camera && isothermValue.kind != Isotherm::None)
            return refuse(QStringLiteral("--isotherm needs --range"));
        paletteCode = -1;
        if (parser.isSet(palette)) {
            paletteCode = PhotographRender::paletteCode(parser.value(palette));
            if (paletteCode < 0)
                return refuse(
                  QStringLiteral("--palette takes spectrum, iron, cool, whitehot or blackhot"));
        }
        return true;
    }
};

int render(const QStringList& arguments)
{
    Command command(QStringLiteral("The photograph as the window renders it."));
    const DisplayOptions display;
    const QCommandLineOption blend(QStringLiteral("blend"),
                                   QStringLiteral("0 (visible) to 100 (thermal)."),
                                   QStringLiteral("0..100"));
    const QCommandLineOption shapes(QStringLiteral("shapes"),
                                    QStringLiteral("Paint the stored shapes and feature markers."));
    const QCommandLineOption scale(
      QStringLiteral("scale"),
      QStringLiteral("Put the palette's temperature scale to the right of the picture; needs "
                     "--range."));
    command.parser.addOptions(display.all());
    command.parser.addOptions({ blend, shapes, scale, command.unit, command.output });
    command.addObjectOptions();
    command.parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("A photograph."));
    int unit = -1;
    if (!command.parse(arguments, unit))
        return BadUsage;
    const QStringList files = command.parser.positionalArguments().mid(1);
    if (files.size() != 1)
        return fail(QStringLiteral("render takes one file"));
    const QString out = command.parser.value(command.output);
    const QByteArray format = QFileInfo(out).suffix().toLower().toLatin1();
    if (out.isEmpty() || (format != "png" && format != "jpg" && format != "jpeg"))
        return fail(QStringLiteral("render needs -o OUT.png or OUT.jpg"));
    PhotographRender::Options options;
    options.scale = command.parser.isSet(scale);
    // Typed temperatures are in the unit asked for, else in ℃ whatever the photograph shows.
    const int typedUnit = unit < 0 ? 0 : unit;
    int paletteCode = -1;
    if (!display.read(command.parser, typedUnit, paletteCode, options.range, options.isotherm))
        return BadUsage;
    if (options.range.mode == TemperatureRange::Camera && options.scale)
        return fail(QStringLiteral("--scale needs --range"));
    int blendValue = -1;
    if (command.parser.isSet(blend)) {
        bool number = false;
        blendValue = command.parser.value(blend).toInt(&number);
        if (!number || blendValue < 0 || blendValue > 100)
            return fail(QStringLiteral("--blend takes a whole number from 0 to 100"));
    }
    if (!command.readObject(typedUnit))
        return BadUsage;
    PhotographSummary summary =
      PhotographSummary::read(files.first(), PhotographSummary::Images::Decode, command.object);
    if (!summary.ok)
        return fail(files.first() + QStringLiteral(": ") + summary.error, SomeFailed);
    const ImageDetails& details = summary.entity.details;
    options.palette = paletteCode < 0 ? details.palette : paletteCode;
    options.blend = blendValue < 0 ? details.blend : blendValue;
    options.shapes = command.parser.isSet(shapes);
    options.unit = unit < 0 ? details.unit : unit;
    QString error;
    const QImage image = PhotographRender::render(summary.entity, options, error);
    if (image.isNull())
        return fail(files.first() + QStringLiteral(": ") + error, SomeFailed);
    // Encoded first and written whole: a failure part way leaves an existing file as it was.
    QByteArray encoded;
    QBuffer buffer(&encoded);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format == "png" ? "png" : "jpg");
    if (!writer.write(image))
        return fail(out + QStringLiteral(": cannot be encoded: ") + writer.errorString(),
                    SomeFailed);
    QString reason;
    if (!WholeFile::write(out, encoded, &reason))
        return fail(out + QStringLiteral(": cannot be written: ") + reason, SomeFailed);
    return AllRead;
}

int apply(const QStringList& arguments)
{
    Command command(QStringLiteral(
      "Write settings into photographs, in place or into a folder under the same names. The "
      "camera's pictures, matrices and readings stay as they are."));
    const DisplayOptions display;
    const QCommandLineOption folder(
      { QStringLiteral("o"), QStringLiteral("output") },
      QStringLiteral("Write the photographs into this folder instead of over themselves."),
      QStringLiteral("folder"));
    const QCommandLineOption unitOption(
      QStringLiteral("unit"),
      QStringLiteral("The unit the photographs show temperatures in, c (Celsius), f or k; "
                     "typed temperatures are read in it."),
      QStringLiteral("c|f|k"));
    command.parser.addOptions(display.all());
    command.parser.addOptions({ unitOption, folder });
    command.addObjectOptions();
    command.parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("Photographs."));
    int unit = -1;
    if (!command.parse(arguments, unit))
        return BadUsage;
    const QStringList files = command.parser.positionalArguments().mid(1);
    if (files.isEmpty())
        return fail(QStringLiteral("apply needs at least one file"));
    const int typedUnit = unit < 0 ? 0 : unit;
    PhotographApply::Settings settings;
    int paletteCode = -1;
    TemperatureRange range;
    Isotherm isotherm;
    if (!display.read(command.parser, typedUnit, paletteCode, range, isotherm) ||
        !command.readObject(typedUnit))
        return BadUsage;
    if (paletteCode >= 0)
        settings.palette = paletteCode;
    if (unit >= 0)
        settings.unit = unit;
    if (command.parser.isSet(display.range))
        settings.range = range;
    if (command.parser.isSet(display.isotherm))
        settings.isotherm = isotherm;
    else if (command.parser.isSet(display.isothermColour) ||
             command.parser.isSet(display.isothermTranslucent))
        return fail(QStringLiteral("--isotherm-colour and --isotherm-translucent need --isotherm"));
    settings.object = command.object;
    if (settings.isEmpty())
        return fail(QStringLiteral("apply needs a setting to write"));
    QString target;
    if (command.parser.isSet(folder)) {
        target = command.parser.value(folder);
        if (!QFileInfo(target).isDir())
            return fail(target + QStringLiteral(": not a folder"));
    }
    int code = AllRead;
    QStringList written;
    for (const QString& file : files) {
        const QString to =
          target.isEmpty() ? file : QDir(target).filePath(QFileInfo(file).fileName());
        // Two photographs of one name would leave only the last in the folder.
        const QString key = QFileInfo(to).absoluteFilePath();
        QString error;
        if (!target.isEmpty() && written.contains(key)) {
            error = QStringLiteral("another photograph was written to ") + to;
        } else if (PhotographApply::apply(file, to, settings, error)) {
            written << key;
            continue;
        }
        fail(file + QStringLiteral(": ") + error, SomeFailed);
        code = SomeFailed;
    }
    return code;
}

int report(const QStringList& arguments)
{
    Command command(QStringLiteral("One CSV row per photograph of folders and files."));
    const QCommandLineOption recursive(QStringLiteral("recursive"),
                                       QStringLiteral("Look into the folders' folders too."));
    const QCommandLineOption jobs(QStringLiteral("jobs"),
                                  QStringLiteral("Threads to read with (default: every core)."),
                                  QStringLiteral("N"));
    command.parser.addOptions({ recursive, jobs, command.unit, command.output });
    command.addObjectOptions();
    command.parser.addPositionalArgument(QStringLiteral("PATH"),
                                         QStringLiteral("Folders and photographs."));
    int unit = 0;
    if (!command.parse(arguments, unit) || !command.readObject(unit))
        return BadUsage;
    const QStringList paths = command.parser.positionalArguments().mid(1);
    if (paths.isEmpty())
        return fail(QStringLiteral("report needs a folder or a file"));
    int threads = QThread::idealThreadCount();
    if (command.parser.isSet(jobs)) {
        bool number = false;
        threads = command.parser.value(jobs).toInt(&number);
        if (!number || threads < 1)
            return fail(QStringLiteral("--jobs takes a whole number of 1 or more"));
    }
    const QStringList files = PhotographReport::collect(paths, command.parser.isSet(recursive));
    QElapsedTimer clock;
    clock.start();
    std::function<void(int, int)> progress;
    if (isatty(STDERR_FILENO)) {
        progress = [&clock](int done, int total) {
            const double seconds = clock.elapsed() / 1000.0;
            const double rate = seconds > 0 ? done / seconds : 0;
            const int width = 30;
            const int filled = total > 0 ? width * done / total : width;
            const QString left =
              rate > 0 ? timeText((total - done) / rate) : QStringLiteral("-:--");
            print(
              stderr,
              QStringLiteral("\r[%1%2] %3/%4  %5/s  %6 left ")
                .arg(QString(filled, QLatin1Char('#')), QString(width - filled, QLatin1Char('.')))
                .arg(done)
                .arg(total)
                .arg(rate, 0, 'f', 1)
                .arg(left));
            if (done == total)
                print(stderr, QStringLiteral("\n"));
        };
    }
    int failed = 0;
    const QByteArray text =
      PhotographReport::csv(files, unit, threads, &failed, progress, command.object);
    if (!writeOutput(command.parser.value(command.output), text))
        return SomeFailed;
    return failed > 0 ? SomeFailed : AllRead;
}

int run(const QString& command)
{
    const QStringList arguments = QCoreApplication::arguments();
    if (command == QLatin1String("--version") || command == QLatin1String("-v")) {
        print(stdout,
              QStringLiteral("korvex-cli ") + QCoreApplication::applicationVersion() +
                QLatin1Char('\n'));
        return AllRead;
    }
    if (command == QLatin1String("--help") || command == QLatin1String("-h")) {
        print(stdout, QString::fromLatin1(usage));
        return AllRead;
    }
    if (command == QLatin1String("info"))
        return info(arguments);
    if (command == QLatin1String("csv"))
        return csv(arguments);
    if (command == QLatin1String("render"))
        return render(arguments);
    if (command == QLatin1String("report"))
        return report(arguments);
    if (command == QLatin1String("apply"))
        return apply(arguments);
    std::fputs(usage, stderr);
    return BadUsage;
}

} // namespace

int main(int argc, char* argv[])
{
    qInstallMessageHandler(quietHandler);
    // Past a file size limit a write then fails with its reason, and the file being written is
    // removed, instead of the process being killed part way through.
    std::signal(SIGXFSZ, SIG_IGN);
    const QString command = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    // Only painting needs the GUI module's fonts; it needs no display.
    std::unique_ptr<QCoreApplication> application;
    if (command == QLatin1String("render")) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        application = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        application = std::make_unique<QCoreApplication>(argc, argv);
    }
    FileNameCodec::install();
    QCoreApplication::setApplicationName(QStringLiteral("korvex-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KORVEX_VERSION));
    return finish(run(command));
}
