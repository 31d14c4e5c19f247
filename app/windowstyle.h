#pragma once

class QWidget;
class Ui_Widget;

// The window's look: colours, fonts and icons of its bands and controls, and the tool buttons'
// state. Only styling: no behaviour is connected here.
class WindowStyle
{
public:
    WindowStyle() = delete;

    static void styleWindow(QWidget* window, Ui_Widget* ui);
    static void styleTitleBar(Ui_Widget* ui);
    // The window's title, the program's name and its version, which no translation changes.
    static void showTitle(QWidget* window, Ui_Widget* ui);
    static void styleMenuBar(Ui_Widget* ui);
    static void styleContent(Ui_Widget* ui);
    // Each tool button shown selected when its tool is the one in hand.
    static void showToolButtons(Ui_Widget* ui, int drawMode);
};
