#include "app/windowfit.h"

#include <QEvent>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace {

QSize assumedAvailable;

} // namespace

WindowFit::WindowFit(QWidget* window, QWidget* details, QWidget* preview)
  : QObject(window)
  , window(window)
  , details(details)
  , preview(preview)
  , previewMinimumHeight(preview->minimumHeight())
  , detailsPolicy(details->sizePolicy().verticalPolicy())
{
    window->installEventFilter(this);
    const QSize fitted = fittedSize(availableSize());
    shapePanel(fitted.height() < designedSize().height());
    window->setMinimumSize(fitted);
    window->resize(fitted);
}

QSize WindowFit::fittedSize(const QSize& available, const QMargins& frame)
{
    if (available.isEmpty())
        return designedSize();
    // A frame that would leave nothing is not one to believe.
    const QSize inside = available.shrunkBy(frame);
    return designedSize().boundedTo(inside.isEmpty() ? available : inside);
}

void WindowFit::assumeAvailableSize(const QSize& available)
{
    assumedAvailable = available;
}

bool WindowFit::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == window) {
        if (event->type() == QEvent::Show) {
            followScreen();
        } else if (event->type() == QEvent::Move) {
            // A window manager tells the frame it puts around the window only once the window
            // is on screen, and moves the window into it.
            refit();
        }
    }
    return QObject::eventFilter(watched, event);
}

void WindowFit::refit()
{
    const QSize available = availableSize();
    const QMargins frame = frameMargins();
    const QSize fitted = fittedSize(available, frame);
    shapePanel(fitted.height() < designedSize().height());
    window->setMinimumSize(fitted);
    // A frame learnt after the window was sized, or a smaller screen, can leave the window
    // larger than the room there is. A maximised or full-screen window is the screen's to size.
    const Qt::WindowStates screenSized =
      Qt::WindowMaximized | Qt::WindowFullScreen | Qt::WindowMinimized;
    if (available.isEmpty() || (window->windowState() & screenSized))
        return;
    const QSize room = available.shrunkBy(frame).expandedTo(fitted);
    if (window->width() > room.width() || window->height() > room.height())
        window->resize(window->size().boundedTo(room));
}

void WindowFit::followScreen()
{
    QWindow* handle = window->windowHandle();
    if (handle) {
        connect(
          handle, &QWindow::screenChanged, this, &WindowFit::followScreen, Qt::UniqueConnection);
        if (screen != handle->screen()) {
            if (screen)
                disconnect(screen, nullptr, this, nullptr);
            screen = handle->screen();
            // A panel added, removed or resized changes the room without moving the window.
            if (screen)
                connect(screen, &QScreen::availableGeometryChanged, this, &WindowFit::refit);
        }
    }
    refit();
}

QSize WindowFit::availableSize() const
{
    if (assumedAvailable.isValid())
        return assumedAvailable;
    const QScreen* shown = window->screen();
    return shown ? shown->availableGeometry().size() : QSize();
}

QMargins WindowFit::frameMargins() const
{
    const QRect outer = window->frameGeometry();
    const QRect inner = window->geometry();
    return QMargins(inner.left() - outer.left(),
                    inner.top() - outer.top(),
                    outer.right() - inner.right(),
                    outer.bottom() - inner.bottom());
}

void WindowFit::shapePanel(bool shortScreen)
{
    // The details keep the height they ask for and the preview, which is only scaled into its
    // box, takes what they leave.
    preview->setMinimumHeight(shortScreen ? 0 : previewMinimumHeight);
    QSizePolicy policy = details->sizePolicy();
    policy.setVerticalPolicy(shortScreen ? QSizePolicy::Preferred : detailsPolicy);
    details->setSizePolicy(policy);
}
