#include "app/labelelider.h"

#include <QEvent>
#include <QLabel>

LabelElider::LabelElider(QLabel* label)
  : QObject(label)
  , label(label)
{
    QSizePolicy policy = label->sizePolicy();
    policy.setHorizontalPolicy(QSizePolicy::Ignored);
    label->setSizePolicy(policy);
    label->installEventFilter(this);
}

void LabelElider::setText(const QString& text)
{
    fullText = text;
    label->setToolTip(text);
    elide();
}

bool LabelElider::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::Resize || type == QEvent::FontChange || type == QEvent::StyleChange)
        elide();
    return QObject::eventFilter(watched, event);
}

void LabelElider::elide()
{
    // The font may come from a style sheet, which takes effect when the label is polished.
    label->ensurePolished();
    const QString shown =
      label->fontMetrics().elidedText(fullText, Qt::ElideMiddle, label->width());
    if (shown != label->text())
        label->setText(shown);
}
