#include "model/wholefile.h"

#include <QSaveFile>

bool WholeFile::writeAll(QFileDevice& file, const QByteArray& bytes)
{
    // A short write (the disk filling up part way) returns a count and sets no error. Writing on
    // until the system refuses outright is what brings its reason to errorString().
    qint64 done = 0;
    while (done < bytes.size()) {
        const qint64 written = file.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0)
            return false;
        done += written;
    }
    // The same for what Qt keeps in its buffer: a flush that empties part of it is tried again.
    for (;;) {
        const qint64 waiting = file.bytesToWrite();
        if (file.flush())
            return true;
        if (file.bytesToWrite() >= waiting)
            return false;
    }
}

bool WholeFile::write(const QString& path, const QByteArray& bytes, QString* error)
{
    QSaveFile file(path);
    QString reason;
    if (!file.open(QIODevice::WriteOnly)) {
        reason = file.errorString();
    } else if (!writeAll(file, bytes)) {
        // commit() would not notice that the buffer could not be emptied; cancelWriting() puts
        // its own words in errorString(), so the system's are taken first.
        reason = file.errorString();
        file.cancelWriting();
    } else if (file.commit()) {
        return true;
    } else {
        reason = file.errorString();
    }
    if (error)
        *error = reason;
    return false;
}
