#include "app/previewpanel.h"

#include "app/previewreadthread.h"

#include <QEvent>
#include <QLabel>
#include <QPixmap>

PreviewPanel::PreviewPanel(QLabel* label)
  : QObject(label)
  , label(label)
{
    label->installEventFilter(this);
}

PreviewPanel::~PreviewPanel()
{
    for (PreviewReadThread* read : qAsConst(reads)) {
        if (read) {
            read->wait();
            delete read;
        }
    }
}

void PreviewPanel::showPicture(const QImage& shown)
{
    ++shownPicture;
    picture = shown;
    refresh();
}

void PreviewPanel::refresh()
{
    show(label, QPixmap::fromImage(picture));
}

void PreviewPanel::readSaved(const QString& target)
{
    PreviewReadThread* read = PreviewReadThread::create(target);
    if (!read)
        return;
    const int shown = shownPicture;
    const int request = ++lastRead;
    connect(read, &PreviewReadThread::previewRead, this, [this, shown, request](QImage saved) {
        if (saved.isNull() || shown != shownPicture || request != lastRead)
            return;
        picture = saved;
        refresh();
    });
    if (!read->launch()) {
        delete read;
        return;
    }
    reads.removeAll(nullptr);
    reads.append(read);
}

void PreviewPanel::show(QLabel* label, const QPixmap& pixmap)
{
    if (qint64(pixmap.width()) * pixmap.height() <= 0)
        return;
    const double scale =
      qMin(double(label->width()) / pixmap.width(), double(label->height()) / pixmap.height());
    const QSize target(int(pixmap.width() * scale), int(pixmap.height() * scale));
    label->setPixmap(pixmap.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}

bool PreviewPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == label && event->type() == QEvent::Resize && !picture.isNull())
        refresh();
    return QObject::eventFilter(watched, event);
}
