#include "cli/photographrender.h"

#include "measure/annotatedpicture.h"
#include "model/imageentity.h"
#include "render/imageblendthread.h"
#include "render/scalestrip.h"
#include "render/temperaturepicture.h"

#include <QRegularExpression>
#include <QStringList>

#include <cmath>

namespace {

// A finite number in the unit, in ℃; false for anything else.
bool celsiusOf(const QString& text, int unit, double& celsius)
{
    bool number = false;
    const double value = text.trimmed().toDouble(&number);
    celsius = TemperatureRange::celsiusFrom(value, unit);
    return number && std::isfinite(celsius);
}

} // namespace

int PhotographRender::paletteCode(const QString& name)
{
    static const QStringList names{ QStringLiteral("spectrum"),
                                    QStringLiteral("iron"),
                                    QStringLiteral("cool"),
                                    QStringLiteral("whitehot"),
                                    QStringLiteral("blackhot") };
    return int(names.indexOf(name.toLower()));
}

QImage PhotographRender::render(const ImageEntity& photo,
                                int palette,
                                int blendValue,
                                bool shapes,
                                int unit)
{
    Options options;
    options.palette = palette;
    options.blend = blendValue;
    options.shapes = shapes;
    options.unit = unit;
    QString error;
    return render(photo, options, error);
}

QImage PhotographRender::render(const ImageEntity& photo, const Options& options, QString& error)
{
    if (options.palette < 0 || options.palette > 4) {
        error = QStringLiteral("nothing to render with that palette");
        return QImage();
    }
    const unsigned palette = unsigned(options.palette);
    const bool fromTemperatures = options.range.mode != TemperatureRange::Camera;
    const TemperatureMatrix matrix = photo.temperatures();
    if ((fromTemperatures || options.isotherm.kind != Isotherm::None || options.scale) &&
        !matrix.isComplete()) {
        error = QStringLiteral("has no temperature matrix to take a range or an isotherm from");
        return QImage();
    }
    QImage paletteImage =
      fromTemperatures
        ? TemperaturePicture::render(matrix, options.range, palette, photo.correction())
        : ImageBlendThread::renderPaletteImage(
            photo.grayData, photo.grayWidth, photo.grayHeight, palette);
    if (fromTemperatures && paletteImage.isNull()) {
        error = QStringLiteral("nothing to render with that range");
        return QImage();
    }
    if (!paletteImage.isNull())
        TemperaturePicture::paintIsotherm(
          paletteImage, matrix, options.isotherm, photo.correction());
    QImage image;
    if (options.shapes)
        image = AnnotatedPicture::render(
          photo, photo.image_drawpaths, paletteImage, options.blend, options.unit, true);
    else
        image = ImageBlendThread::compose(
          paletteImage, photo.cameraImage, float(qBound(0, options.blend, 100)) / 100.0f);
    if (image.isNull()) {
        error = QStringLiteral("nothing to render with that palette");
        return image;
    }
    if (options.scale)
        image =
          ScaleStrip(
            matrix, options.range, palette, options.unit, options.isotherm, photo.correction())
            .beside(image);
    return image;
}

bool PhotographRender::parseRange(const QString& text,
                                  int unit,
                                  TemperatureRange& range,
                                  QString& error)
{
    const QString lower = text.trimmed().toLower();
    if (lower == QLatin1String("auto") || lower == QLatin1String("histogram")) {
        range = TemperatureRange();
        range.mode =
          lower == QLatin1String("auto") ? TemperatureRange::Auto : TemperatureRange::Histogram;
        return true;
    }
    const QStringList parts = text.split(QLatin1Char(':'));
    double low = 0;
    double high = 0;
    if (parts.size() != 2 || !celsiusOf(parts[0], unit, low) || !celsiusOf(parts[1], unit, high)) {
        error = QStringLiteral("--range takes LOW:HIGH, auto or histogram");
        return false;
    }
    if (!(high > low)) {
        error = QStringLiteral("--range needs LOW below HIGH");
        return false;
    }
    range = TemperatureRange();
    range.mode = TemperatureRange::Manual;
    range.low = low;
    range.high = high;
    return true;
}

bool PhotographRender::parseIsotherm(const QString& text,
                                     int unit,
                                     Isotherm& isotherm,
                                     QString& error)
{
    const QStringList parts = text.split(QLatin1Char(':'));
    const QString kind = parts.first().trimmed().toLower();
    const int limits = kind == QLatin1String("between") ? 2 : 1;
    double first = 0;
    double second = 0;
    const bool known = kind == QLatin1String("above") || kind == QLatin1String("below") ||
                       kind == QLatin1String("between");
    if (!known || parts.size() != 1 + limits || !celsiusOf(parts[1], unit, first) ||
        (limits == 2 && !celsiusOf(parts[2], unit, second))) {
        error = QStringLiteral("--isotherm takes above:T, below:T or between:T1:T2");
        return false;
    }
    isotherm.kind = kind == QLatin1String("above")   ? Isotherm::Above
                    : kind == QLatin1String("below") ? Isotherm::Below
                                                     : Isotherm::Between;
    isotherm.first = first;
    isotherm.second = limits == 2 ? second : 0;
    return true;
}

bool PhotographRender::parseColour(const QString& text, QRgb& colour)
{
    static const QRegularExpression pattern(QStringLiteral("^#[0-9A-Fa-f]{6}$"));
    if (!pattern.match(text).hasMatch())
        return false;
    colour = 0xff000000u | text.midRef(1).toUInt(nullptr, 16);
    return true;
}
