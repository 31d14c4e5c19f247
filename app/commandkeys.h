#pragma once

#include <functional>

class QWidget;
class Ui_Widget;

// The keys that click the command bar's buttons, and the tooltips that name both.
class CommandKeys
{
public:
    CommandKeys() = delete;

    // Shortcuts on the window; a key does nothing while its button is disabled.
    static void install(QWidget* window, Ui_Widget* ui);
    // A key for an action; on another widget than the window, only while that widget has focus.
    static void add(QWidget* parent, const char* keys, const std::function<void()>& action);
    // The tooltips in the language loaded now.
    static void refreshToolTips(Ui_Widget* ui);
};
