#include "app/measurementplot.h"

#include "model/imageentity.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace {

constexpr int margin = 6;

} // namespace

MeasurementPlot::MeasurementPlot(QWidget* parent)
  : QWidget(parent)
{
    setObjectName(QStringLiteral("measurement_plot"));
    setMinimumSize(160, 100);
}

void MeasurementPlot::showProfile(const QVector<RegionMeasure::Sample>& profile, int displayUnit)
{
    shown = Kind::Profile;
    samples = profile;
    counts.clear();
    unit = displayUnit;
    update();
}

void MeasurementPlot::showHistogram(const QVector<int>& bins,
                                    double from,
                                    double to,
                                    int displayUnit,
                                    const TemperatureRange& inForce,
                                    const Isotherm& marked)
{
    shown = Kind::Histogram;
    counts = bins;
    samples.clear();
    low = from;
    high = to;
    unit = displayUnit;
    range = inForce;
    isotherm = marked;
    update();
}

void MeasurementPlot::clear()
{
    shown = Kind::None;
    samples.clear();
    counts.clear();
    update();
}

QString MeasurementPlot::temperatureText(double celsius) const
{
    return ImageEntity::temperatureText(float(celsius), 0, unit);
}

void MeasurementPlot::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor(0x20, 0x21, 0x22));
    painter.setRenderHint(QPainter::Antialiasing);
    QFont small = font();
    small.setPixelSize(10);
    painter.setFont(small);
    const QRectF area = QRectF(rect()).adjusted(margin, margin + 12, -margin, -margin - 12);
    if (area.width() < 10 || area.height() < 10)
        return;
    painter.setPen(QColor(0x80, 0x80, 0x80));
    painter.drawRect(area);
    if (shown == Kind::Profile)
        paintProfile(painter, area);
    else if (shown == Kind::Histogram)
        paintHistogram(painter, area);
}

void MeasurementPlot::paintProfile(QPainter& painter, const QRectF& area) const
{
    QVector<const RegionMeasure::Sample*> known;
    for (const RegionMeasure::Sample& sample : samples) {
        if (sample.known)
            known.append(&sample);
    }
    if (known.isEmpty())
        return;
    const auto [coldest, hottest] =
      std::minmax_element(known.cbegin(), known.cend(), [](const auto* a, const auto* b) {
          return a->celsius < b->celsius;
      });
    const double bottom = (*coldest)->celsius;
    const double top = std::max((*hottest)->celsius, bottom + 0.1);
    const double length = std::max(samples.last().distance, 1e-9);
    const auto at = [&](const RegionMeasure::Sample* sample) {
        return QPointF(area.left() + sample->distance / length * area.width(),
                       area.bottom() - (sample->celsius - bottom) / (top - bottom) * area.height());
    };
    // Each cell holds its temperature until the next: a step for every cell the line crosses.
    QPainterPath path;
    for (int i = 0; i < known.size(); ++i) {
        const QPointF point = at(known[i]);
        if (i == 0) {
            path.moveTo(point);
        } else {
            path.lineTo(QPointF(point.x(), path.currentPosition().y()));
            path.lineTo(point);
        }
    }
    path.lineTo(QPointF(area.right(), path.currentPosition().y()));
    painter.setPen(QPen(Qt::white, 1.5));
    painter.drawPath(path);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::red);
    painter.drawEllipse(at(*hottest), 3.5, 3.5);
    painter.setBrush(Qt::green);
    painter.drawEllipse(at(*coldest), 3.5, 3.5);
    painter.setPen(Qt::white);
    painter.drawText(QRectF(area.left(), area.top() - 14, area.width(), 12),
                     Qt::AlignLeft,
                     temperatureText((*hottest)->celsius));
    painter.drawText(QRectF(area.left(), area.bottom() + 2, area.width(), 12),
                     Qt::AlignLeft,
                     temperatureText((*coldest)->celsius));
}

void MeasurementPlot::paintHistogram(QPainter& painter, const QRectF& area) const
{
    if (counts.isEmpty() || !(high > low))
        return;
    const int most = *std::max_element(counts.cbegin(), counts.cend());
    const double span = high - low;
    const auto x = [&](double celsius) {
        return area.left() + (celsius - low) / span * area.width();
    };
    // The isotherm's temperatures first, under the bars.
    if (isotherm.kind != Isotherm::None) {
        const double from = isotherm.kind == Isotherm::Below ? low
                            : isotherm.kind == Isotherm::Between
                              ? std::min(isotherm.first, isotherm.second)
                              : isotherm.first;
        const double to = isotherm.kind == Isotherm::Above ? high
                          : isotherm.kind == Isotherm::Between
                            ? std::max(isotherm.first, isotherm.second)
                            : isotherm.first;
        const double left = std::clamp(x(from), area.left(), area.right());
        const double right = std::clamp(x(to), area.left(), area.right());
        QColor band = QColor::fromRgb(isotherm.colour);
        band.setAlpha(90);
        painter.fillRect(QRectF(left, area.top(), std::max(1.0, right - left), area.height()),
                         band);
    }
    const double width = area.width() / counts.size();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xd0, 0xd0, 0xd0));
    for (int i = 0; i < counts.size(); ++i) {
        const double h = most > 0 ? double(counts[i]) / most * area.height() : 0;
        painter.drawRect(QRectF(area.left() + i * width, area.bottom() - h, width * 0.9, h));
    }
    // The manual range's ends as lines across the bars.
    if (range.mode == TemperatureRange::Manual) {
        painter.setPen(QPen(QColor(0x1e, 0x90, 0xff), 1.5));
        for (double end : { range.low, range.high }) {
            if (end >= low && end <= high)
                painter.drawLine(QPointF(x(end), area.top()), QPointF(x(end), area.bottom()));
        }
    }
    painter.setPen(Qt::white);
    painter.drawText(QRectF(area.left(), area.bottom() + 2, area.width(), 12),
                     Qt::AlignLeft,
                     temperatureText(low));
    painter.drawText(QRectF(area.left(), area.bottom() + 2, area.width(), 12),
                     Qt::AlignRight,
                     temperatureText(high));
}
