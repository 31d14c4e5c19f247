#include "app/unsavedmeasurements.h"

#include "app/windownotice.h"
#include "document/photographdocument.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QImage>
#include <QMessageBox>
#include <QPushButton>

UnsavedMeasurements::UnsavedMeasurements(QWidget* window,
                                         PhotographDocument* document,
                                         WindowNotice* notice,
                                         std::function<QImage()> shownPicture)
  : QObject(window)
  , window(window)
  , document(document)
  , notice(notice)
  , shownPicture(std::move(shownPicture))
{
    ask = [this](const QStringList& files) { return askUser(files); };
    connect(document,
            &PhotographDocument::saveFinished,
            this,
            [this](ImageSaveThread::Outcome outcome) { onSaveFinished(outcome); });
}

bool UnsavedMeasurements::allowClose()
{
    if (closing)
        return true;
    // Saves asked for at an earlier close are still writing; the window closes when they end.
    if (pending > 0)
        return false;
    const QStringList files = document->unsavedPhotographs();
    if (files.isEmpty())
        return true;
    switch (ask(files)) {
        case Discard:
            return true;
        case Cancel:
            return false;
        case SaveAll:
            break;
    }
    failed = 0;
    pending = document->saveAllUnsaved(shownPicture());
    failed = files.size() - pending;
    if (pending == 0 && failed > 0)
        notice->showNotice(
          QCoreApplication::translate("Widget", "有 %1 张照片未能保存，窗口保持打开").arg(failed),
          WindowNotice::Failure);
    return false;
}

void UnsavedMeasurements::onSaveFinished(ImageSaveThread::Outcome outcome)
{
    if (pending == 0)
        return;
    --pending;
    if (outcome != ImageSaveThread::Saved)
        ++failed;
    if (pending > 0)
        return;
    if (failed == 0) {
        closing = true;
        window->close();
        return;
    }
    notice->showNotice(
      QCoreApplication::translate("Widget", "有 %1 张照片未能保存，窗口保持打开").arg(failed),
      WindowNotice::Failure);
}

void UnsavedMeasurements::photographShown()
{
    if (document->hasUnsavedShapes())
        notice->showNotice(QCoreApplication::translate("Widget", "这张照片有未保存的测量"),
                           WindowNotice::Failure);
}

UnsavedMeasurements::Answer UnsavedMeasurements::askUser(const QStringList& files) const
{
    QMessageBox box(window);
    box.setIcon(QMessageBox::Warning);
    box.setWindowTitle(QCoreApplication::translate("Widget", "未保存的测量"));
    box.setText(QCoreApplication::translate("Widget", "%1 张照片的测量尚未保存。关闭前要保存吗？")
                  .arg(files.size()));
    QStringList names;
    for (const QString& file : files.mid(0, 8))
        names << QFileInfo(file).fileName();
    if (files.size() > 8)
        names << QStringLiteral("…");
    box.setInformativeText(names.join(QLatin1Char('\n')));
    QPushButton* saveAll =
      box.addButton(QCoreApplication::translate("Widget", "全部保存"), QMessageBox::AcceptRole);
    QPushButton* discard =
      box.addButton(QCoreApplication::translate("Widget", "不保存"), QMessageBox::DestructiveRole);
    QPushButton* cancel =
      box.addButton(QCoreApplication::translate("Widget", "取消"), QMessageBox::RejectRole);
    box.setDefaultButton(saveAll);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == saveAll)
        return SaveAll;
    if (box.clickedButton() == discard)
        return Discard;
    return Cancel;
}
