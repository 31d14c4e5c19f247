#pragma once

#include <QObject>

#include <functional>

class QWidget;

// What the window takes from its surroundings: photographs dropped on it, and changes of the
// area the drawing surface is fitted into.
class WindowEvents : public QObject
{
    Q_OBJECT
public:
    struct Actions
    {
        // Whether a dropped photograph would be opened now.
        std::function<bool()> canOpen;
        // Opens a dropped photograph; false when it does not.
        std::function<bool(const QString&)> open;
        // Fits the drawing surface to its area again.
        std::function<void()> refit;
    };

    WindowEvents(QWidget* window, QWidget* surfaceArea, const Actions& actions);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* window;
    QWidget* surfaceArea;
    Actions actions;
};
