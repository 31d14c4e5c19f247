#include "app/windowevents.h"

#include "app/photographfiles.h"

#include <QDropEvent>
#include <QWidget>

WindowEvents::WindowEvents(QWidget* window, QWidget* surfaceArea, const Actions& actions)
  : QObject(window)
  , window(window)
  , surfaceArea(surfaceArea)
  , actions(actions)
{
    window->setAcceptDrops(true);
    window->installEventFilter(this);
    // The operation panel widens with its texts (a language, a long caption) without the window
    // changing size, and the surface has to follow its area whatever made it change.
    surfaceArea->installEventFilter(this);
}

bool WindowEvents::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (watched == surfaceArea && type == QEvent::Resize) {
        actions.refit();
    } else if (watched == window && (type == QEvent::DragEnter || type == QEvent::DragMove)) {
        auto* drag = static_cast<QDragMoveEvent*>(event);
        if (actions.canOpen() && !PhotographFiles::droppedPhotograph(drag->mimeData()).isEmpty())
            drag->acceptProposedAction();
        else
            drag->ignore();
        return true;
    } else if (watched == window && type == QEvent::Drop) {
        auto* drop = static_cast<QDropEvent*>(event);
        if (actions.open(PhotographFiles::droppedPhotograph(drop->mimeData())))
            drop->acceptProposedAction();
        else
            drop->ignore();
        return true;
    }
    return QObject::eventFilter(watched, event);
}
