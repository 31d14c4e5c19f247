// Writes the palette bar pictures of the window from the palette tables, hottest entry at the
// top: palettebars <folder>. The committed pictures under res/icon/ come from this program.

#include "render/palettetable.h"

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QString>
#include <QStringList>
#include <QTextStream>

#include <algorithm>

namespace {

constexpr int barWidth = 35;

QImage barImage(unsigned palette)
{
    const QRgb* colors = PaletteTable::colors(palette);
    QImage image(barWidth, PaletteTable::entryCount, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        const QRgb color = colors[PaletteTable::entryCount - 1 - y];
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        std::fill(line, line + barWidth, color);
    }
    return image;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    QTextStream errors(stderr);
    const QStringList arguments = application.arguments();
    if (arguments.size() != 2) {
        errors << "usage: palettebars <folder>\n";
        return 2;
    }
    const QDir folder(arguments.at(1));
    const QStringList names = { QStringLiteral("spectrum"),
                                QStringLiteral("iron"),
                                QStringLiteral("cool"),
                                QStringLiteral("whitehot"),
                                QStringLiteral("blackhot") };
    for (unsigned palette = 0; palette < PaletteTable::paletteCount; ++palette) {
        const QString path =
          folder.filePath(QStringLiteral("ic_palette_%1.png").arg(names.at(int(palette))));
        if (!barImage(palette).save(path, "PNG")) {
            errors << "cannot write " << path << '\n';
            return 1;
        }
    }
    return 0;
}
