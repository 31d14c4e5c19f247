#pragma once

#include <QObject>
#include <QPoint>
#include <QString>

#include <functional>

class ImageDrawLabel;
class QMenu;
class WindowNotice;

// The drawing surface's right-click menu: the reading under the pointer and the rendered image to
// the clipboard, the temperature matrix and the shapes to CSV files. Exports go next to the last
// saved photograph, named after the photograph shown.
class SurfaceMenu : public QObject
{
    Q_OBJECT
public:
    SurfaceMenu(ImageDrawLabel* surface, WindowNotice* notice, std::function<QString()> shownPath);

    // The menu for a surface pixel, open until an entry is chosen or it is closed; null without a
    // photograph.
    QMenu* popUp(const QPoint& pixel);

    // Asks for the emissivity of one measured surface, starting from value; false when the user
    // cancels. A dialog unless a test puts its own answer in.
    std::function<bool(double& value)> askEmissivity;

private:
    enum class Export
    {
        Temperatures,
        Shapes,
    };
    void exportCsv(Export what);

    ImageDrawLabel* surface;
    WindowNotice* notice;
    std::function<QString()> shownPath;
};
