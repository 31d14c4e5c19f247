#pragma once

#include "model/imageentity.h"

#include <QByteArray>
#include <QPointer>
#include <QString>
#include <QThread>

#include <atomic>

// Reads one photograph on its own thread. The file is parsed into a private entity; only a
// successful parse is copied into the caller's entity, on the thread that created this object,
// right before parseSucceed(). A failed parse leaves the caller's entity as it was, and nothing
// else ever sees an entity that is half read.
class ParseImageThread : public QThread
{
    Q_OBJECT
public:
    // Null without an entity to read into. An empty path is refused by launch(), which leaves
    // the thread to its caller.
    static ParseImageThread* create(const QString& filePath, ImageEntity* entity);
    ~ParseImageThread() override;

    bool launch();
    bool isFileAvailable() const;
    bool isImageFile() const;
    // The file's bytes as the parse read them, shared rather than copied: what a save of this
    // photograph starts from, whatever becomes of the file. Valid from parseSucceed() on; empty
    // after a failed parse.
    QByteArray sourceBytes() const;

signals:
    void parseFailed();
    void parseSucceed();

protected:
    void run() override;

private:
    ParseImageThread(const QString& filePath, ImageEntity* entity);
    bool parseFile();
    void handOver();

    QString filePath;
    // Null once the caller's entity is gone: a window closed while its parse runs.
    QPointer<ImageEntity> entity;
    // Written by run() alone; handOver() reads them after run() has returned. The flag publishes
    // them: finished() reaches handOver() through Qt's event queue, whose locks the thread
    // sanitizer cannot see, and the flag's release and acquire say it in this program's own code.
    ImageEntity parsed;
    QByteArray bytes;
    bool succeeded = false;
    std::atomic<bool> ran{ false };
};
