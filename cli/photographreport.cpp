#include "cli/photographreport.h"

#include "cli/filenamecodec.h"
#include "cli/photographsummary.h"
#include "measure/measurementtable.h"
#include "model/csvexport.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QThread>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentMap>

#include <algorithm>

namespace {

struct Row
{
    QByteArray text;
    bool ok = false;
};

Row rowOf(const QString& file, int unit, const ObjectOptions& object)
{
    const PhotographSummary summary =
      PhotographSummary::read(file, PhotographSummary::Images::Skip, object);
    const ImageEntity& photo = summary.entity;
    const ImageDetails& details = photo.details;
    const bool ok = summary.ok;
    // A stored feature temperature, as shown.
    const auto feature = [&](float stored) {
        return ok ? CsvExport::shown(double(stored), unit, photo.correction()) : QByteArray();
    };
    // A matrix whose every cell lost its temperature to the parameters has no figures to give.
    const bool matrixWithout = ok && !summary.hasMatrix && photo.temperatures().isComplete();
    const auto matrix = [&](float shown) {
        if (matrixWithout)
            return CsvExport::notAvailable();
        return summary.hasMatrix ? CsvExport::number(shown, unit) : QByteArray();
    };
    // How many shapes fall in each class of the photograph's criterion; the other criterion's
    // columns stay empty, so that a count is never read against the wrong bands.
    QByteArray criterion;
    QVector<QByteArray> counts(7);
    if (ok) {
        const Criterion used = photo.measurement.criterion;
        criterion = Findings::criterionKey(used).toLatin1();
        const QVector<int> found = MeasurementTable::findings(MeasurementTable::rows(photo), used);
        const int first = used == Criterion::OverAmbient ? 3 : 0;
        for (int i = 0; i < found.size(); ++i)
            counts[first + i] = QByteArray::number(found[i]);
    }
    QList<QByteArray> fields{
        PhotographReport::field(file),
        ok ? PhotographReport::field(details.captureTime) : QByteArray(),
        ok ? QByteArray::number(double(details.emissivity) / 100.0, 'g', 6) : QByteArray(),
        feature(details.feature.maxPoint.temperature),
        feature(details.feature.minPoint.temperature),
        feature(details.feature.centrePoint.temperature),
        matrix(summary.matrixMax),
        matrix(summary.matrixMin),
        matrix(summary.matrixMean),
        ok ? QByteArray::number(summary.entity.image_drawpaths.size()) : QByteArray(),
        PhotographReport::field(ok ? QStringLiteral("ok") : summary.error),
        criterion,
    };
    for (const QByteArray& count : counts)
        fields << count;
    QByteArray text;
    for (int i = 0; i < fields.size(); ++i) {
        if (i > 0)
            text += ',';
        text += fields[i];
    }
    return Row{ text + '\n', ok };
}

// QDirIterator passes over a folder it cannot list without a word.
bool listable(const QFileInfo& folder)
{
    return folder.isReadable() && folder.isExecutable();
}

// Qt 5's mapped() learns the result's type from the functor.
struct ReadRow
{
    using result_type = Row;
    int unit;
    ObjectOptions object;
    Row operator()(const QString& file) const { return rowOf(file, unit, object); }
};

} // namespace

QStringList PhotographReport::collect(const QStringList& paths, bool recursive)
{
    QStringList files;
    for (const QString& path : paths) {
        const QFileInfo info(path);
        if (!info.isDir()) {
            files << path;
            continue;
        }
        // A folder that cannot be listed is kept as an entry, whose reading fails with the reason.
        if (!listable(info)) {
            files << QDir::cleanPath(path);
            continue;
        }
        // Not by name filters: their regular expressions match no name that holds a byte kept by
        // FileNameCodec.
        QDirIterator entries(path,
                             QDir::Files | QDir::AllDirs | QDir::NoDotAndDotDot,
                             recursive ? QDirIterator::Subdirectories
                                       : QDirIterator::NoIteratorFlags);
        while (entries.hasNext()) {
            const QString entry = QDir::cleanPath(entries.next());
            const QFileInfo found = entries.fileInfo();
            if (found.isDir() ? recursive && !listable(found)
                              : entry.endsWith(QLatin1String(".jpg"), Qt::CaseInsensitive))
                files << entry;
        }
    }
    std::sort(files.begin(), files.end());
    files.erase(std::unique(files.begin(), files.end()), files.end());
    return files;
}

QByteArray PhotographReport::field(const QString& text)
{
    QByteArray bytes = FileNameCodec::encode(text);
    if (bytes.contains(',') || bytes.contains('"') || bytes.contains('\n') ||
        bytes.contains('\r')) {
        bytes.replace('"', "\"\"");
        bytes = '"' + bytes + '"';
    }
    return bytes;
}

QByteArray PhotographReport::csv(const QStringList& files,
                                 int unit,
                                 int jobs,
                                 int* failed,
                                 const std::function<void(int, int)>& progress,
                                 const ObjectOptions& object)
{
    // The command line owns the global pool; mapped() takes no other one in Qt 5.
    QThreadPool* pool = QThreadPool::globalInstance();
    const int threads = pool->maxThreadCount();
    pool->setMaxThreadCount(qMax(1, jobs));
    // The mapped results keep the order of the files, however the threads share them out.
    QFuture<Row> rows = QtConcurrent::mapped(files, ReadRow{ unit, object });
    if (progress) {
        while (!rows.isFinished()) {
            progress(rows.progressValue(), files.size());
            QThread::msleep(50);
        }
        progress(files.size(), files.size());
    }
    rows.waitForFinished();
    pool->setMaxThreadCount(threads);
    QByteArray text("file,capture_time,emissivity,max,min,centre,matrix_max,matrix_min,"
                    "matrix_mean,shapes,status,criterion,possible,probable,major,priority_4,"
                    "priority_3,priority_2,priority_1\n");
    int failures = 0;
    for (const Row& row : rows.results()) {
        text += row.text;
        failures += row.ok ? 0 : 1;
    }
    if (failed)
        *failed = failures;
    return text;
}
