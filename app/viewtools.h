#pragma once

#include <QObject>
#include <QString>

class QPushButton;
class QWidget;

// Composes the window's style sheets. Each sheet selects its widget by object name, so it never
// reaches the widget's children. Every operation ignores a null widget.
class ViewTools : public QObject
{
    Q_OBJECT
public:
    ViewTools() = delete;

    // Nothing happens for an empty colour.
    static void setBackground(QWidget* widget, const QString& color);
    // A font size below 1 leaves the font size to the style.
    static void setLabelStyle(QWidget* widget, int fontSize, const QString& color, bool bold);
    static void setLabelColor(QWidget* widget, const QString& color);
    static void setLabelStyleOnBlack(QWidget* widget,
                                     int fontSize,
                                     const QString& color,
                                     bool bold);
    static void setComboBoxStyle(QWidget* widget);
    // Only the look: the caller decides whether the button reacts.
    static void setTextButtonStyle(QPushButton* button, bool enabled);
    // Both icon operations do nothing for an empty icon path.
    static void setIconButton(QPushButton* button, const QString& iconPath, int size);
    static void setToolButton(QPushButton* button,
                              const QString& iconPath,
                              int size,
                              bool selected);

private:
    static QString fontSizeDeclaration(int fontSize);
    static QString fontWeight(bool bold);
    static void setIcon(QPushButton* button, const QString& iconPath, int size);
};
