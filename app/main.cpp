#include "app/widget.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>

#include <cstdio>
#include <cstdlib>

namespace {

// Read before the window's application exists, so that --help and --version answer on a
// terminal without a display. Exits for those two and for a wrong command line.
QString photographArgument(int& argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationVersion(QStringLiteral(KORVEX_VERSION));
    QCommandLineParser parser;
    parser.setApplicationDescription(
      QStringLiteral("Views and annotates radiometric JPEG photographs of thermal cameras."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("photograph"),
                                 QStringLiteral("A photograph to open at start."),
                                 QStringLiteral("[photograph]"));
    parser.process(application);
    const QStringList photographs = parser.positionalArguments();
    if (photographs.size() > 1) {
        std::fputs("korvex: one photograph at a time\n", stderr);
        std::exit(1);
    }
    return photographs.isEmpty() ? QString() : QFileInfo(photographs.first()).absoluteFilePath();
}

} // namespace

int main(int argc, char* argv[])
{
    const QString photograph = photographArgument(argc, argv);
    QApplication application(argc, argv);
    QApplication::setApplicationVersion(QStringLiteral(KORVEX_VERSION));
    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.korvex.Korvex"));
    Widget window;
    window.show();
    if (!photograph.isEmpty())
        window.openPhotograph(photograph);
    return application.exec();
}
