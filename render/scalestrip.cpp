#include "render/scalestrip.h"

#include "model/imageentity.h"
#include "render/palettetable.h"
#include "render/temperaturepicture.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

constexpr double tenthsPerDegree = 10.0;

// The number of decimals a tick step needs to be written exactly.
int decimalsOf(double step)
{
    int decimals = 0;
    while (decimals < 6 && std::fabs(step * std::pow(10.0, decimals) -
                                     std::round(step * std::pow(10.0, decimals))) > 1e-6)
        ++decimals;
    return decimals;
}

} // namespace

struct ScaleStrip::Layout
{
    double margin = 0;
    double bandWidth = 0;
    double barWidth = 0;
    double tickLength = 0;
    QFont font;
    double labelWidth = 0;
    double total = 0;
};

ScaleStrip::ScaleStrip(const TemperatureMatrix& matrix,
                       const TemperatureRange& range,
                       unsigned palette,
                       int unit,
                       const Isotherm& isotherm,
                       const TemperatureCorrection& correction)
  : mode(range.mode)
  , displayUnit(unit)
  , band(isotherm)
{
    const QRgb* table = PaletteTable::colors(palette);
    if (!table || unit < 0 || unit > 2 || range.mode == TemperatureRange::Camera ||
        !matrix.isComplete())
        return;
    if (range.mode == TemperatureRange::Manual) {
        if (!(range.high > range.low))
            return;
        lowCelsius = range.low;
        highCelsius = range.high;
    } else if (!TemperaturePicture::shownSpan(matrix, correction, lowCelsius, highCelsius)) {
        return;
    }
    if (range.mode == TemperatureRange::Histogram) {
        entries = TemperaturePicture::entries(matrix, range, lowestTenths, correction);
        if (entries.isEmpty())
            return;
        if (!correction.isIdentity()) {
            shownOfTenth.resize(entries.size());
            // A tenth with no temperature is colder than every one that has one.
            double previous = -1e9;
            for (int i = 0; i < entries.size(); ++i) {
                if (!correction.celsius(lowestTenths + i, shownOfTenth[i]))
                    shownOfTenth[i] = previous;
                previous = shownOfTenth[i];
            }
        }
    }
    colours = table;
}

ScaleStrip ScaleStrip::camera(const ImageEntity& photograph, unsigned palette, int unit)
{
    ScaleStrip strip;
    const ImageFeature& feature = photograph.details.feature;
    // The ends as shown with the object parameters in force; none where the coldest has no
    // temperature with them.
    double low = 0;
    double high = 0;
    if (!photograph.shownCelsius(double(feature.minPoint.temperature), low) ||
        !photograph.shownCelsius(double(feature.maxPoint.temperature), high))
        return strip;
    const QRgb* table = PaletteTable::colors(palette);
    // A photograph of one temperature still has its palette's ends to show.
    if (!table || unit < 0 || unit > 2 || !photograph.loaded || !std::isfinite(low) ||
        !std::isfinite(high) || high < low)
        return strip;
    strip.displayUnit = unit;
    strip.lowCelsius = low;
    strip.highCelsius = high;
    strip.colours = table;
    return strip;
}

QVector<double> ScaleStrip::niceTicks(double low, double high, int maxCount)
{
    QVector<double> values;
    const double span = high - low;
    if (!std::isfinite(low) || !std::isfinite(high) || !(span > 0) || maxCount < 2)
        return values;
    // From a step a decade below the fair share upwards, the first that fits is the one giving
    // the most ticks.
    const double start = std::pow(10.0, std::floor(std::log10(span / maxCount)) - 1);
    static const double multiples[] = { 1, 2, 5 };
    for (int decade = 0; decade < 4; ++decade) {
        for (double multiple : multiples) {
            const double step = multiple * start * std::pow(10.0, decade);
            const double first = std::ceil(low / step - 1e-9);
            const double last = std::floor(high / step + 1e-9);
            if (last - first + 1 > maxCount)
                continue;
            for (double i = first; i <= last; ++i) {
                const double value = i * step;
                // No "-0" for the tick at zero.
                values.append(std::fabs(value) < step * 1e-9 ? 0.0 : value);
            }
            return values;
        }
    }
    return values;
}

double ScaleStrip::position(double celsius) const
{
    if (!isValid())
        return 0;
    if (mode == TemperatureRange::Histogram) {
        const int index =
          shownOfTenth.isEmpty()
            ? int(std::lround(celsius * tenthsPerDegree)) - lowestTenths
            : int(std::lower_bound(shownOfTenth.cbegin(), shownOfTenth.cend(), celsius) -
                  shownOfTenth.cbegin());
        const int entry = entries[qBound(0, index, entries.size() - 1)];
        return (entry + 0.5) / PaletteTable::entryCount;
    }
    return qBound(0.0, (celsius - lowCelsius) / (highCelsius - lowCelsius), 1.0);
}

QVector<ScaleStrip::Tick> ScaleStrip::ticks() const
{
    QVector<Tick> result;
    if (!isValid() || mode == TemperatureRange::Camera)
        return result;
    const double low = ImageEntity::convertTemperature(float(lowCelsius), 0, displayUnit);
    const double high = ImageEntity::convertTemperature(float(highCelsius), 0, displayUnit);
    for (double value : niceTicks(low, high))
        result.append({ value, position(TemperatureRange::celsiusFrom(value, displayUnit)) });
    return result;
}

bool ScaleStrip::isothermSpan(double& from, double& to) const
{
    if (!isValid() || band.kind == Isotherm::None)
        return false;
    const double lower =
      band.kind == Isotherm::Between ? qMin(band.first, band.second) : band.first;
    const double upper =
      band.kind == Isotherm::Between ? qMax(band.first, band.second) : band.first;
    // A limit past the strip's end covers nothing on it.
    if ((band.kind == Isotherm::Above && lower > highCelsius) ||
        (band.kind == Isotherm::Below && upper < lowCelsius) ||
        (band.kind == Isotherm::Between && (lower > highCelsius || upper < lowCelsius)))
        return false;
    from = band.kind == Isotherm::Below ? 0.0 : position(lower);
    to = band.kind == Isotherm::Above ? 1.0 : position(upper);
    return true;
}

ScaleStrip::Layout ScaleStrip::layout(double height) const
{
    Layout sizes;
    // About 11 pixels of text on a picture 240 high, never below 9.
    sizes.font.setPixelSize(qMax(9, int(std::lround(height * 0.045))));
    sizes.margin = qMax(3.0, std::round(height * 0.02));
    sizes.barWidth = qMax(10.0, std::round(height * 0.06));
    sizes.bandWidth = band.kind == Isotherm::None ? 0 : qMax(3.0, std::round(sizes.barWidth / 3));
    sizes.tickLength = qMax(3.0, std::round(sizes.barWidth / 3));
    const QFontMetricsF metrics(sizes.font);
    QStringList texts{ ImageEntity::temperatureText(float(lowCelsius), 0, displayUnit),
                       ImageEntity::temperatureText(float(highCelsius), 0, displayUnit) };
    const QVector<Tick> marks = ticks();
    const int decimals = marks.size() > 1 ? decimalsOf(marks[1].value - marks[0].value) : 0;
    for (const Tick& tick : marks)
        texts.append(QString::number(tick.value, 'f', decimals));
    for (const QString& text : qAsConst(texts))
        sizes.labelWidth = qMax(sizes.labelWidth, metrics.horizontalAdvance(text));
    sizes.labelWidth = std::ceil(sizes.labelWidth);
    sizes.total = sizes.margin + sizes.bandWidth + (sizes.bandWidth > 0 ? sizes.margin / 2 : 0) +
                  sizes.barWidth + sizes.tickLength + sizes.margin / 2 + sizes.labelWidth +
                  sizes.margin;
    return sizes;
}

int ScaleStrip::width(int height) const
{
    return isValid() && height > 0 ? int(std::ceil(layout(height).total)) : 0;
}

void ScaleStrip::paint(QPainter& painter, const QRectF& area) const
{
    if (!isValid() || area.height() <= 0)
        return;
    const Layout sizes = layout(area.height());
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    const double top = area.top();
    const double height = area.height();
    double x = area.left() + sizes.margin;

    if (band.kind != Isotherm::None) {
        double from = 0;
        double to = 1;
        if (isothermSpan(from, to))
            painter.fillRect(
              QRectF(x, top + (1 - to) * height, sizes.bandWidth, qMax(1.0, (to - from) * height)),
              QColor::fromRgb(band.colour | 0xff000000u));
        x += sizes.bandWidth + sizes.margin / 2;
    }

    // A row of the strip a pixel row of the area, so that however few rows it has, the top one
    // is the hottest entry and the bottom one the coldest.
    const int rows = qMax(2, int(std::lround(height)));
    QImage column(1, rows, QImage::Format_RGB32);
    for (int row = 0; row < rows; ++row) {
        const int entry = qMin(PaletteTable::entryCount - 1,
                               (rows - 1 - row) * PaletteTable::entryCount / (rows - 1));
        column.setPixel(0, row, colours[entry]);
    }
    painter.drawImage(QRectF(x, top, sizes.barWidth, height), column);
    x += sizes.barWidth;

    painter.setFont(sizes.font);
    painter.setPen(Qt::white);
    const double textLeft = x + sizes.tickLength + sizes.margin / 2;
    const double lineHeight = QFontMetricsF(sizes.font).height();
    const QRectF highText(textLeft, top, sizes.labelWidth, lineHeight);
    const QRectF lowText(textLeft, top + height - lineHeight, sizes.labelWidth, lineHeight);
    painter.drawText(highText,
                     Qt::AlignLeft | Qt::AlignTop,
                     ImageEntity::temperatureText(float(highCelsius), 0, displayUnit));
    painter.drawText(lowText,
                     Qt::AlignLeft | Qt::AlignBottom,
                     ImageEntity::temperatureText(float(lowCelsius), 0, displayUnit));
    QVector<QRectF> taken{ highText, lowText };
    const QVector<Tick> marks = ticks();
    const int decimals = marks.size() > 1 ? decimalsOf(marks[1].value - marks[0].value) : 0;
    for (const Tick& tick : marks) {
        const double y = top + (1 - tick.position) * height;
        painter.drawLine(QPointF(x, y), QPointF(x + sizes.tickLength, y));
        const QRectF text(textLeft, y - lineHeight / 2, sizes.labelWidth, lineHeight);
        const bool crowded = std::any_of(taken.cbegin(), taken.cend(), [&](const QRectF& other) {
            return other.intersects(text);
        });
        if (crowded)
            continue;
        painter.drawText(
          text, Qt::AlignLeft | Qt::AlignVCenter, QString::number(tick.value, 'f', decimals));
        taken.append(text);
    }
    painter.restore();
}

QImage ScaleStrip::beside(const QImage& picture) const
{
    const int extra = width(picture.height());
    if (picture.isNull() || extra <= 0)
        return picture;
    QImage result(picture.width() + extra, picture.height(), QImage::Format_RGB32);
    if (result.isNull())
        return picture;
    result.fill(Qt::black);
    QPainter painter(&result);
    painter.drawImage(0, 0, picture);
    paint(painter, QRectF(picture.width(), 0, extra, picture.height()));
    painter.end();
    return result;
}
