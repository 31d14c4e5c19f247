#pragma once

#include "model/imagesavethread.h"

#include <QObject>
#include <QStringList>

#include <functional>

class PhotographDocument;
class QImage;
class QWidget;
class WindowNotice;

// Measurements are never lost without a word: closing the window while photographs of this run
// have unsaved measurements asks once, the window's one question, whether to save them all,
// discard them or stay. With Save all the window closes itself once every save has succeeded,
// and stays open, with a notice, when one has not. It also tells when the photograph just shown
// has measurements kept from earlier in the run that are not saved.
class UnsavedMeasurements : public QObject
{
    Q_OBJECT
public:
    UnsavedMeasurements(QWidget* window,
                        PhotographDocument* document,
                        WindowNotice* notice,
                        std::function<QImage()> shownPicture);

    // Whether the window may close now; asks first when measurements would be lost.
    bool allowClose();
    // After a photograph is shown: a notice when it has unsaved measurements.
    void photographShown();

    enum Answer
    {
        SaveAll,
        Discard,
        Cancel,
    };
    // What the question asks; the window's tests answer it in its place.
    std::function<Answer(const QStringList& files)> ask;

private:
    Answer askUser(const QStringList& files) const;
    void onSaveFinished(ImageSaveThread::Outcome outcome);

    QWidget* window;
    PhotographDocument* document;
    WindowNotice* notice;
    std::function<QImage()> shownPicture;
    int pending = 0;
    int failed = 0;
    bool closing = false;
};
