#include "support/logcapture.h"

namespace {
// Workers write their lines while a test makes and ends captures on its own thread, so the
// capture in force changes only under this lock, which every line takes as well.
std::recursive_mutex currentMutex;
LogCapture* current = nullptr;
}

LogCapture::LogCapture()
{
    const std::lock_guard<std::recursive_mutex> locker(currentMutex);
    outer = current;
    current = this;
    previous = qInstallMessageHandler(&LogCapture::handle);
}

LogCapture::~LogCapture()
{
    const std::lock_guard<std::recursive_mutex> locker(currentMutex);
    qInstallMessageHandler(previous);
    current = outer;
}

void LogCapture::handle(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    const std::lock_guard<std::recursive_mutex> held(currentMutex);
    if (type != QtDebugMsg) {
        // An inner capture's previous handler is this one; warnings go to the handler that was
        // there before the outermost capture.
        const LogCapture* capture = current;
        while (capture && capture->previous == &LogCapture::handle)
            capture = capture->outer;
        if (capture && capture->previous)
            capture->previous(type, context, message);
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

QStringList LogCapture::linesStartingWith(const QStringList& prefixes) const
{
    QStringList found;
    for (const QString& line : lines()) {
        for (const QString& prefix : prefixes) {
            if (line.startsWith(prefix)) {
                found.append(line);
                break;
            }
        }
    }
    return found;
}

bool LogCapture::contains(const QString& line) const
{
    return lines().contains(line);
}
