#include "surface/pointerreadout.h"

#include <QFontMetrics>
#include <QPainter>

namespace {

constexpr int padding = 4;
// Far enough from the pointer that the cursor does not cover the figures.
constexpr int offset = 18;
constexpr int temperatureSize = 14;
constexpr int cellSize = 10;

QFont sized(const QFont& base, int pixels, bool bold)
{
    QFont font = base;
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

} // namespace

PointerReadout::PointerReadout(QWidget* surface)
  : QWidget(surface)
{
    setObjectName(QStringLiteral("pointer_readout"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

void PointerReadout::showReading(const QString& temperature,
                                 const QPoint& cell,
                                 const QPoint& pointer)
{
    const bool changed = temperature != temperatureText || cell != shownCell;
    temperatureText = temperature;
    shownCell = cell;
    const QFontMetrics big(sized(font(), temperatureSize, true));
    const QFontMetrics small(sized(font(), cellSize, false));
    const QSize size(
      qMax(big.horizontalAdvance(temperatureText), small.horizontalAdvance(cellText())) +
        2 * padding,
      big.height() + small.height() + 2 * padding);
    // Below right of the pointer; flipped to the other side where the surface ends.
    const QWidget* surface = parentWidget();
    QPoint place = pointer + QPoint(offset, offset);
    if (surface) {
        if (place.x() + size.width() > surface->width())
            place.setX(pointer.x() - offset - size.width());
        if (place.y() + size.height() > surface->height())
            place.setY(pointer.y() - offset - size.height());
        place.setX(qBound(0, place.x(), qMax(0, surface->width() - size.width())));
        place.setY(qBound(0, place.y(), qMax(0, surface->height() - size.height())));
    }
    setGeometry(QRect(place, size));
    if (changed)
        update();
    show();
}

QString PointerReadout::cellText() const
{
    return QStringLiteral("%1, %2").arg(shownCell.x()).arg(shownCell.y());
}

void PointerReadout::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 190));
    painter.drawRoundedRect(QRectF(rect()), 3, 3);
    const QFont big = sized(font(), temperatureSize, true);
    const QFont small = sized(font(), cellSize, false);
    const int bigHeight = QFontMetrics(big).height();
    painter.setPen(Qt::white);
    painter.setFont(big);
    painter.drawText(QRect(padding, padding, width() - 2 * padding, bigHeight),
                     Qt::AlignLeft | Qt::AlignVCenter,
                     temperatureText);
    painter.setPen(QColor(0xC8, 0xC8, 0xC8));
    painter.setFont(small);
    painter.drawText(
      QRect(
        padding, padding + bigHeight, width() - 2 * padding, height() - bigHeight - 2 * padding),
      Qt::AlignLeft | Qt::AlignVCenter,
      cellText());
}
