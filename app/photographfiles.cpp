#include "app/photographfiles.h"

#include "app/settingstools.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>

#include <algorithm>

namespace {

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

int runEnd(const QString& text, int start)
{
    const bool digits = isDigit(text.at(start));
    int end = start;
    while (end < text.size() && isDigit(text.at(end)) == digits)
        ++end;
    return end;
}

// Leading zeros say nothing of the value; a longer run of significant digits is the larger one.
int compareNumbers(QStringView left, QStringView right)
{
    const auto significant = [](QStringView digits) {
        int first = 0;
        while (first + 1 < digits.size() && digits.at(first) == QLatin1Char('0'))
            ++first;
        return digits.mid(first);
    };
    const QStringView a = significant(left);
    const QStringView b = significant(right);
    if (a.size() != b.size())
        return a.size() < b.size() ? -1 : 1;
    return a.compare(b);
}

} // namespace

bool PhotographFiles::isPhotographName(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix();
    return suffix.compare(QLatin1String("jpg"), Qt::CaseInsensitive) == 0 ||
           suffix.compare(QLatin1String("jpeg"), Qt::CaseInsensitive) == 0;
}

bool PhotographFiles::naturalLess(const QString& left, const QString& right)
{
    int i = 0;
    int j = 0;
    while (i < left.size() && j < right.size()) {
        const int leftEnd = runEnd(left, i);
        const int rightEnd = runEnd(right, j);
        const QStringView a = QStringView(left).mid(i, leftEnd - i);
        const QStringView b = QStringView(right).mid(j, rightEnd - j);
        const bool numbers = isDigit(a.front()) && isDigit(b.front());
        const int order = numbers ? compareNumbers(a, b) : a.compare(b, Qt::CaseInsensitive);
        if (order != 0)
            return order < 0;
        i = leftEnd;
        j = rightEnd;
    }
    if ((i < left.size()) != (j < right.size()))
        return j < right.size();
    // Equal as read (IMG_9 and IMG_09): the shorter spelling first, then the code order.
    if (left.size() != right.size())
        return left.size() < right.size();
    return left < right;
}

QStringList PhotographFiles::folderPhotographs(const QString& folder)
{
    QFileInfoList entries = QDir(folder).entryInfoList(QDir::Files | QDir::Readable);
    std::sort(entries.begin(), entries.end(), [](const QFileInfo& a, const QFileInfo& b) {
        return naturalLess(a.fileName(), b.fileName());
    });
    QStringList paths;
    for (const QFileInfo& entry : qAsConst(entries)) {
        if (isPhotographName(entry.fileName()))
            paths << entry.absoluteFilePath();
    }
    return paths;
}

QString PhotographFiles::neighbour(const QString& path, int step)
{
    const QFileInfo current(path);
    QStringList others = folderPhotographs(current.absolutePath());
    others.removeAll(current.absoluteFilePath());
    if (others.isEmpty() || step == 0)
        return QString();
    // The first photograph past the current name in the step's direction, else the far end.
    const auto byName = [](const QString& a, const QString& b) {
        return naturalLess(QFileInfo(a).fileName(), QFileInfo(b).fileName());
    };
    if (step > 0) {
        const auto next = std::upper_bound(others.cbegin(), others.cend(), path, byName);
        return next == others.cend() ? others.first() : *next;
    }
    const auto next = std::lower_bound(others.cbegin(), others.cend(), path, byName);
    return next == others.cbegin() ? others.last() : *(next - 1);
}

QString PhotographFiles::droppedPhotograph(const QMimeData* data)
{
    if (!data || !data->hasUrls())
        return QString();
    for (const QUrl& url : data->urls()) {
        const QString path = url.toLocalFile();
        if (!path.isEmpty() && isPhotographName(path) && QFileInfo(path).isFile())
            return path;
    }
    return QString();
}

QString PhotographFiles::saveStart()
{
    const QString name =
      QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd-hh-mm-ss-zzz")) +
      QStringLiteral(".jpg");
    return SettingsTools::getLastSavePath() + QDir::separator() + name;
}
