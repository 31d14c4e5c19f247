#pragma once

#include "model/imagesavethread.h"

#include <QCoreApplication>
#include <QString>

// The window's notices, translated in the window's context. File names are shown without their
// folders.
class NoticeTexts
{
    Q_DECLARE_TR_FUNCTIONS(Widget)

public:
    NoticeTexts() = delete;

    // Why the photograph at path did not open, as far as the file itself tells.
    static QString openFailure(const QString& path);
    // What a save of source (the photograph shown) into target came to; reason is the system's
    // word for a failure to read or write, shown as it was given.
    static QString saveOutcome(ImageSaveThread::Outcome outcome,
                               const QString& target,
                               const QString& source,
                               const QString& reason);
    // A shape drawn too small to measure was dropped.
    static QString shapeTooSmall();
    // What an export into target came to, with the system's reason when it failed.
    static QString exportOutcome(bool written, const QString& target, const QString& reason);
};
