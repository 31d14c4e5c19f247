#pragma once

#include <QImage>
#include <QList>
#include <QObject>
#include <QPointer>

class PreviewReadThread;
class QLabel;
class QPixmap;

// The preview beside the photograph: the picture as the photograph's file stores it, kept whole
// and scaled into its label whenever the label changes size; after a save, the saved file's.
class PreviewPanel : public QObject
{
    Q_OBJECT
public:
    explicit PreviewPanel(QLabel* label);
    // Waits for the reads still running, as the window waits for its saves.
    ~PreviewPanel() override;

    // A new photograph is shown; reads asked for before it no longer concern the preview.
    void showPicture(const QImage& picture);
    // Shows the kept picture again, after a retranslation put the label's text back.
    void refresh();
    // Reads the preview of a saved file; it replaces the shown one unless another photograph or
    // a newer read came first.
    void readSaved(const QString& target);
    // Scales a picture into the label, keeping its proportions.
    static void show(QLabel* label, const QPixmap& pixmap);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* label;
    // Kept whole: the label holds it scaled, and loses it to the text a retranslation puts back.
    QImage picture;
    QList<QPointer<PreviewReadThread>> reads;
    // Counts the pictures shown and the reads asked for, so that a read finishing late does not
    // replace a newer preview, nor the preview of another photograph.
    int shownPicture = 0;
    int lastRead = 0;
};
