#pragma once

#include <QStringList>
#include <QtGlobal>

#include <mutex>

// Collects the debug lines written while it lives, from any thread, trimmed of the spaces and
// line ends that the logging stream adds. Captures may nest: the innermost one collects, and the
// one it was made inside collects again once it ends.
class LogCapture
{
public:
    LogCapture();
    ~LogCapture();
    LogCapture(const LogCapture&) = delete;
    LogCapture& operator=(const LogCapture&) = delete;

    QStringList lines() const;
    // The lines that start with one of the given texts, in the order they were written.
    QStringList linesStartingWith(const QStringList& prefixes) const;
    bool contains(const QString& line) const;

private:
    static void handle(QtMsgType type, const QMessageLogContext& context, const QString& message);

    // Not a QMutex: ThreadSanitizer cannot see how a contended QMutex orders the threads.
    mutable std::mutex mutex;
    QStringList captured;
    QtMessageHandler previous;
    LogCapture* outer;
};
