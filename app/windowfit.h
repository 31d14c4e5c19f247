#pragma once

#include <QMargins>
#include <QObject>
#include <QPointer>
#include <QSize>
#include <QSizePolicy>

class QScreen;
class QWidget;

// Keeps the window within the free area of its screen. Where the screen has room for the size the
// window was laid out for, that size is the window's least and first one, as it always was. On a
// smaller screen the window may be as small as the room there is; there the preview box, which the
// form makes too tall for such a screen, takes only the height the details above it leave.
class WindowFit : public QObject
{
    Q_OBJECT
public:
    // Sizes the window at once; the preview box and the details above it are the operation
    // panel's two parts.
    WindowFit(QWidget* window, QWidget* details, QWidget* preview);

    static QSize designedSize() { return QSize(1280, 800); }
    // The window's least and first size on a screen whose free area, without its panels, is
    // `available`, where the window's frame takes `frame` around it. A screen that tells no size
    // leaves the designed one.
    static QSize fittedSize(const QSize& available, const QMargins& frame = QMargins());
    // Every window fits to this free area from now on instead of its screen's; an invalid size
    // goes back to the screens. For checking the layout on a screen this machine does not have.
    static void assumeAvailableSize(const QSize& available);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void refit();
    // Refits whenever the screen the window is on, or the room on it, changes.
    void followScreen();
    QSize availableSize() const;
    QMargins frameMargins() const;
    void shapePanel(bool shortScreen);

    QWidget* window;
    QWidget* details;
    QWidget* preview;
    // What the form gives the two parts, brought back when the window reaches a larger screen.
    int previewMinimumHeight;
    QSizePolicy::Policy detailsPolicy;
    QPointer<QScreen> screen;
};
