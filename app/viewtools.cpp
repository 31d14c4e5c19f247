#include "app/viewtools.h"

#include <QIcon>
#include <QPixmap>
#include <QPushButton>
#include <QWidget>

// The templates are filled in one pass of QString::arg, so that a '%' followed by a digit in an
// object name or a value is kept as it is instead of being taken for a later placeholder.

void ViewTools::setBackground(QWidget* widget, const QString& color)
{
    if (!widget || color.isEmpty())
        return;
    widget->setStyleSheet(
      QStringLiteral("QWidget#%1{background-color: %2}").arg(widget->objectName(), color));
}

void ViewTools::setLabelStyle(QWidget* widget, int fontSize, const QString& color, bool bold)
{
    if (!widget)
        return;
    widget->setStyleSheet(
      QStringLiteral("QLabel#%1{%2color: %3;font-weight: %4}")
        .arg(widget->objectName(), fontSizeDeclaration(fontSize), color, fontWeight(bold)));
}

void ViewTools::setLabelColor(QWidget* widget, const QString& color)
{
    setLabelStyle(widget, 0, color, false);
}

void ViewTools::setLabelStyleOnBlack(QWidget* widget, int fontSize, const QString& color, bool bold)
{
    if (!widget)
        return;
    widget->setStyleSheet(
      QStringLiteral("QLabel#%1{%2color: %3;font-weight: %4;background-color: %5;}")
        .arg(widget->objectName(),
             fontSizeDeclaration(fontSize),
             color,
             fontWeight(bold),
             QStringLiteral("#000000")));
}

void ViewTools::setComboBoxStyle(QWidget* widget)
{
    if (!widget)
        return;
    widget->setStyleSheet(
      QStringLiteral(
        "QComboBox#%1{background-color: #000000;color: #ffffff;border: 1px solid #ffffff;}")
        .arg(widget->objectName()));
}

void ViewTools::setTextButtonStyle(QPushButton* button, bool enabled)
{
    if (!button)
        return;
    const QString background = enabled ? QStringLiteral("#0099FF") : QStringLiteral("#EEEEEE");
    const QString text = enabled ? QStringLiteral("#FFFFFF") : QStringLiteral("#000000");
    const QString hover = enabled ? QStringLiteral("#00AAFF") : QStringLiteral("#E3E3E3");
    // The placeholders are numbered out of their order in the text; each is filled by number.
    button->setStyleSheet(
      QStringLiteral("QPushButton#%1{min-width: %2px;min-height: %7px;border-radius: "
                     "%8px;background-color: %3;color: %4;font-size: "
                     "%5px;}QPushButton#%1:hover{background-color: %6;}")
        .arg(button->objectName(),
             QString::number(200),
             background,
             text,
             QString::number(14),
             hover,
             QString::number(32),
             QString::number(4)));
}

void ViewTools::setIconButton(QPushButton* button, const QString& iconPath, int size)
{
    if (!button || iconPath.isEmpty())
        return;
    button->setStyleSheet(QStringLiteral("QPushButton#%1{border:0px}").arg(button->objectName()));
    setIcon(button, iconPath, size);
}

void ViewTools::setToolButton(QPushButton* button, const QString& iconPath, int size, bool selected)
{
    if (!button || iconPath.isEmpty())
        return;
    const QString background =
      selected ? QStringLiteral("background-color: %1;").arg(QStringLiteral("#000000")) : QString();
    button->setStyleSheet(
      QStringLiteral("QPushButton#%1{border:0px;%2}QPushButton#%1:hover{background-color: %3;}")
        .arg(button->objectName(), background, QStringLiteral("#000000")));
    setIcon(button, iconPath, size);
}

QString ViewTools::fontSizeDeclaration(int fontSize)
{
    return fontSize >= 1 ? QStringLiteral("font-size: %1px;").arg(fontSize) : QString();
}

QString ViewTools::fontWeight(bool bold)
{
    return bold ? QStringLiteral("bold") : QStringLiteral("normal");
}

void ViewTools::setIcon(QPushButton* button, const QString& iconPath, int size)
{
    button->setText(QString());
    button->setIcon(QIcon(QPixmap(iconPath)));
    button->setIconSize(QSize(size, size));
}
