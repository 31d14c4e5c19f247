#include "logcapture.h"

#include <QMutexLocker>

namespace {
LogCapture *current = nullptr;
}

LogCapture::LogCapture()
{
    current = this;
    previous = qInstallMessageHandler(&LogCapture::handle);
}

LogCapture::~LogCapture()
{
    qInstallMessageHandler(previous);
    current = nullptr;
}

void LogCapture::handle(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type != QtDebugMsg) {
        if (current && current->previous)
            current->previous(type, context, message);
        return;
    }
    if (!current)
        return;
    QMutexLocker locker(&current->mutex);
    current->captured.append(message.trimmed());
}

QStringList LogCapture::lines() const
{
    QMutexLocker locker(&mutex);
    return captured;
}

QStringList LogCapture::linesStartingWith(const QStringList &prefixes) const
{
    QStringList found;
    for (const QString &line : lines()) {
        for (const QString &prefix : prefixes) {
            if (line.startsWith(prefix)) {
                found.append(line);
                break;
            }
        }
    }
    return found;
}

bool LogCapture::contains(const QString &line) const
{
    return lines().contains(line);
}
