#include "app/scalemarks.h"

#include "document/photographdocument.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

constexpr int tickLength = 4;
constexpr int bandWidth = 5;

// The decimals that write every tick of a step exactly, at most one.
int decimalsOf(const QVector<ScaleStrip::Tick>& ticks)
{
    if (ticks.size() < 2)
        return 0;
    const double step = ticks[1].value - ticks[0].value;
    return std::fabs(step - std::round(step)) > 1e-6 ? 1 : 0;
}

} // namespace

ScaleMarks::ScaleMarks(QWidget* bar, PhotographDocument* document)
  : QWidget(bar->parentWidget())
  , bar(bar)
  , document(document)
{
    setObjectName(QStringLiteral("palette_marks"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    bar->installEventFilter(this);
    connect(document, &PhotographDocument::photographReplaced, this, &ScaleMarks::rebuild);
    connect(document, &PhotographDocument::settingsChanged, this, &ScaleMarks::rebuild);
    rebuild();
    follow();
}

bool ScaleMarks::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == bar && (event->type() == QEvent::Resize || event->type() == QEvent::Move))
        follow();
    return QWidget::eventFilter(watched, event);
}

void ScaleMarks::follow()
{
    // The column's width, the bar's height: values stand in the column's margin right of it.
    setGeometry(0, bar->y(), parentWidget()->width(), bar->height());
    raise();
}

void ScaleMarks::rebuild()
{
    const DisplaySettings& settings = document->settings();
    strip = document->isLoaded() ? ScaleStrip(document->photograph()->temperatures(),
                                              settings.range,
                                              unsigned(settings.palette),
                                              settings.unit,
                                              settings.isotherm,
                                              document->photograph()->correction())
                                 : ScaleStrip();
    update();
}

void ScaleMarks::paintEvent(QPaintEvent*)
{
    if (!strip.isValid() || height() < 2)
        return;
    QPainter painter(this);
    const double barLeft = bar->x();
    const double barRight = bar->x() + bar->width();
    const double span = height() - 1;
    double from = 0;
    double to = 1;
    if (strip.isothermSpan(from, to)) {
        const QColor colour = QColor::fromRgb(document->settings().isotherm.colour | 0xff000000u);
        painter.fillRect(
          QRectF(
            barLeft - bandWidth - 2, (1 - to) * span, bandWidth, qMax(1.0, (to - from) * span)),
          colour);
    }
    QFont small = font();
    small.setPixelSize(9);
    painter.setFont(small);
    painter.setPen(Qt::white);
    const QFontMetricsF metrics(small);
    const double textLeft = barRight + tickLength + 2;
    const double textWidth = width() - textLeft;
    const QVector<ScaleStrip::Tick> ticks = strip.ticks();
    const int decimals = decimalsOf(ticks);
    QVector<QRectF> taken;
    for (const ScaleStrip::Tick& tick : ticks) {
        const double y = std::round((1 - tick.position) * span) + 0.5;
        painter.drawLine(QPointF(barRight, y), QPointF(barRight + tickLength, y));
        const QRectF text(textLeft, y - metrics.height() / 2, textWidth, metrics.height());
        // The ends' values stand above and below the bar already.
        if (text.top() < 0 || text.bottom() > height())
            continue;
        if (std::any_of(taken.cbegin(), taken.cend(), [&](const QRectF& other) {
                return other.intersects(text);
            }))
            continue;
        painter.drawText(
          text, Qt::AlignLeft | Qt::AlignVCenter, QString::number(tick.value, 'f', decimals));
        taken.append(text);
    }
}
