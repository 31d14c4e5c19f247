#include "logcapture.h"


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
    const std::lock_guard<std::mutex> locker(current->mutex);
    current->captured.append(message.trimmed());
}

QStringList LogCapture::lines() const
{
    const std::lock_guard<std::mutex> locker(mutex);
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
