#include "support/windowdriver.h"

#include "surface/imagedrawlabel.h"

#include <QtTest>

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

DialogAnswer::DialogAnswer(const QString& path)
  : path(path)
{
    timer.setInterval(50);
    connect(&timer, &QTimer::timeout, this, &DialogAnswer::poll);
    timer.start();
}

void DialogAnswer::poll()
{
    QWidget* modal = QApplication::activeModalWidget();
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        // Only the save dialog asks, when the target exists: replace it.
        if (QAbstractButton* yes = box->button(QMessageBox::Yes))
            QMetaObject::invokeMethod(yes, "click", Qt::QueuedConnection);
        else
            box->reject();
        return;
    }
    auto* dialog = qobject_cast<QFileDialog*>(modal);
    if (!dialog)
        return;
    // The dialog may refuse an answer while its directory listing is still loading; it is
    // answered again until it closes.
    auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    if (!answered) {
        directory = dialog->directory().absolutePath();
        caption = dialog->windowTitle();
        proposed = name ? name->text() : QString();
        filters = dialog->nameFilters();
    }
    answered = true;
    if (path.isEmpty()) {
        dialog->reject();
        return;
    }
    // Typed into the name field as a user would: selectFile() leaves a focused field alone.
    if (!name)
        return;
    const QFileInfo target(path);
    if (QFileInfo(target.absolutePath()).isDir()) {
        dialog->setDirectory(target.absolutePath());
        name->setText(target.fileName());
    } else {
        // The dialog cannot show a folder that is not one; a user would type the whole path.
        name->setText(target.absoluteFilePath());
    }
    // Queued, so that a question the dialog asks while accepting can be answered as well.
    QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
}

QString writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return QString();
    return path;
}

QPixmap shownPixmap(const QLabel* label)
{
#if QT_VERSION >= QT_VERSION_CHECK(5, 15, 0)
    return label->pixmap(Qt::ReturnByValue);
#else
    return label->pixmap() ? *label->pixmap() : QPixmap();
#endif
}

void drag(QWidget* surface, const QPoint& from, const QPoint& to)
{
    QTest::mousePress(surface, Qt::LeftButton, Qt::NoModifier, from);
    QMouseEvent move(QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(surface, &move);
    QTest::mouseRelease(surface, Qt::LeftButton, Qt::NoModifier, to);
}

bool openThroughDialog(QWidget& window, const QString& path)
{
    DialogAnswer answer(path);
    QTest::mouseClick(child<QPushButton>(window, "menu_open"), Qt::LeftButton);
    if (!answer.answered)
        return false;
    // The window manager gives the focus back when the dialog closes; offscreen, nothing does.
    window.activateWindow();
    // The parse runs on its own thread; wait for its result and the first blend.
    return QTest::qWaitFor([&] {
        return child<QPushButton>(window, "menu_open")->isEnabled() &&
               !child<ImageDrawLabel>(window, "image_draw")->shownPixmap().isNull();
    });
}
