#include "app/windownotice.h"

#include "app/viewtools.h"

#include <QEvent>

namespace {

constexpr int gap = 16;
constexpr int fontSize = 15;

} // namespace

WindowNotice::WindowNotice(QWidget* band, QWidget* leftNeighbour, QWidget* rightNeighbour)
  : QLabel(band)
  , leftNeighbour(leftNeighbour)
  , rightNeighbour(rightNeighbour)
{
    setObjectName(QStringLiteral("title_notice"));
    setAlignment(Qt::AlignCenter);
    // The neighbours move with the band's layout, which has placed them by the time these
    // events reach a filter.
    band->installEventFilter(this);
    for (QWidget* neighbour : { leftNeighbour, rightNeighbour }) {
        if (neighbour)
            neighbour->installEventFilter(this);
    }
    hide();
}

void WindowNotice::showNotice(const QString& text, Kind kind)
{
    fullText = text;
    shownKind = kind;
    ViewTools::setLabelStyle(this,
                             fontSize,
                             kind == Failure ? QStringLiteral("#FFB347")
                                             : QStringLiteral("#FFFFFF"),
                             true);
    setToolTip(text);
    place();
    show();
    raise();
}

void WindowNotice::clearNotice()
{
    fullText.clear();
    setToolTip(QString());
    setText(QString());
    hide();
}

bool WindowNotice::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::Resize || type == QEvent::Move || type == QEvent::Show)
        place();
    return QLabel::eventFilter(watched, event);
}

void WindowNotice::place()
{
    QWidget* band = parentWidget();
    if (!band || !leftNeighbour || !rightNeighbour)
        return;
    const int left = leftNeighbour->geometry().right() + 1 + gap;
    const int right = rightNeighbour->geometry().left() - gap;
    setGeometry(left, 0, qMax(0, right - left), band->height());
    elide();
}

void WindowNotice::elide()
{
    // The font comes from the style sheet, which takes effect when the label is polished.
    ensurePolished();
    setText(fontMetrics().elidedText(fullText, Qt::ElideMiddle, width()));
}
