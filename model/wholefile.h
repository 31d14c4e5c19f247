#pragma once

#include <QByteArray>
#include <QString>

class QFileDevice;

// A file written whole or not at all: QSaveFile writes beside the target and puts the new file in
// its place only once every byte has gone to the system, so a failed write leaves an existing
// file as it was and no part-written file behind. Failures carry the reason the system gave.
class WholeFile
{
public:
    WholeFile() = delete;

    // False with the system's reason in error when the file could not be written.
    static bool write(const QString& path, const QByteArray& bytes, QString* error = nullptr);
    // Every byte into an open file and out of Qt's buffer. False with the system's reason in the
    // file's errorString() when they could not all be written.
    static bool writeAll(QFileDevice& file, const QByteArray& bytes);
};
