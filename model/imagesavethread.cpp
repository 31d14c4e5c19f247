#include "model/imagesavethread.h"

#include "model/radiometricreader.h"
#include "model/wholefile.h"

#include <QBuffer>
#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QImageWriter>
#include <QSaveFile>

ImageSaveThread* ImageSaveThread::create(const QString& sourcePath,
                                         const QString& targetPath,
                                         const QList<ImageDrawPath>& shapes,
                                         ImageEntity* entity,
                                         int palette,
                                         int unit,
                                         int blend,
                                         bool feature,
                                         const QPixmap& snapshot)
{
    return create(
      sourcePath, targetPath, shapes, entity, palette, unit, blend, feature, snapshot.toImage());
}

ImageSaveThread* ImageSaveThread::create(const QString& sourcePath,
                                         const QString& targetPath,
                                         const QList<ImageDrawPath>& shapes,
                                         ImageEntity* entity,
                                         int palette,
                                         int unit,
                                         int blend,
                                         bool feature,
                                         const QImage& snapshot)
{
    if (sourcePath.isEmpty() || targetPath.isEmpty() || !entity)
        return nullptr;
    qRegisterMetaType<ImageSaveThread::Outcome>("ImageSaveThread::Outcome");
    auto* thread = new ImageSaveThread;
    thread->entity = *entity;
    thread->sourcePath = sourcePath;
    thread->targetPath = targetPath;
    thread->shapes = shapes;
    thread->settings = { palette, unit, blend, feature };
    thread->snapshot = snapshot;
    return thread;
}

ImageSaveThread* ImageSaveThread::create(const QString& sourcePath,
                                         const QByteArray& sourceBytes,
                                         const QString& targetPath,
                                         const QList<ImageDrawPath>& shapes,
                                         ImageEntity* entity,
                                         int palette,
                                         int unit,
                                         int blend,
                                         bool feature,
                                         const QImage& snapshot)
{
    ImageSaveThread* thread =
      create(sourcePath, targetPath, shapes, entity, palette, unit, blend, feature, snapshot);
    if (thread) {
        thread->sourceBytes = sourceBytes;
        thread->sourceGiven = true;
    }
    return thread;
}

ImageSaveThread::~ImageSaveThread()
{
    qDebug() << "~ImageSaveThread析构" << Qt::endl;
}

bool ImageSaveThread::launch()
{
    connect(this, &QThread::finished, this, &QObject::deleteLater);
    start(QThread::InheritPriority);
    return true;
}

void ImageSaveThread::run()
{
    save();
    emit saveFinished(result, reason);
}

int ImageSaveThread::blendCodeFor(int blend)
{
    return RadiometricWriter::blendCodeFor(blend);
}

QByteArray ImageSaveThread::shapePayload(const QList<ImageDrawPath>& shapes)
{
    return RadiometricWriter::shapePayload(shapes);
}

bool ImageSaveThread::save()
{
    result = Saved;
    reason.clear();
    qDebug() << "源文件：" << sourcePath << Qt::endl;
    qDebug() << "目标文件：" << targetPath << Qt::endl;
    const QFileInfo target(targetPath);
    if (target.absolutePath() != QFileInfo(sourcePath).absolutePath() && target.exists())
        qDebug() << "删除已经存在的文件：" << targetPath << ", "
                 << "true" << Qt::endl;

    QByteArray source;
    if (!(sourceGiven ? takeSource(source) : readSource(source)))
        return false;
    QByteArray kept;
    switch (RadiometricWriter::keepSource(source, entity, settings, kept)) {
        case RadiometricWriter::Outcome::Written:
            break;
        case RadiometricWriter::Outcome::SourceChanged:
            return fail(SourceChanged);
        default:
            return fail(SourceInvalid);
    }
    // The whole source is in memory from here on, so the target may be the source itself.
    source.clear();

    const QByteArray payload = RadiometricWriter::shapePayload(shapes);
    QSaveFile file(targetPath);
    if (!file.open(QIODevice::WriteOnly)) {
        qDebug() << "文件打开错误，保存失败" << Qt::endl;
        qDebug() << "文件打开错误原因：" << file.errorString() << Qt::endl;
        return fail(TargetUnwritable, file.errorString());
    }
    qDebug() << "src_array.length = " << kept.size() << Qt::endl;
    qDebug() << "region_array.length = " << payload.size() << Qt::endl;

    // Without a Camera image the snapshot is left out (see the class comment).
    QByteArray jpeg;
    if (RadiometricWriter::takesSnapshot(entity) && !encodeSnapshot(jpeg)) {
        file.cancelWriting();
        return fail(SnapshotUnencodable);
    }
    const QByteArray bytes = RadiometricWriter::assemble(
      jpeg,
      kept,
      payload,
      settings.featureShown,
      RadiometricWriter::extensionPayload(entity.extension, settings.blend));
    return writeTarget(file, { bytes });
}

bool ImageSaveThread::fail(Outcome outcome, const QString& why)
{
    result = outcome;
    reason = why;
    return false;
}

bool ImageSaveThread::readSource(QByteArray& bytes)
{
    QFile file(sourcePath);
    if (!file.open(QIODevice::ReadOnly)) {
        if (file.exists())
            qDebug() << "源文件打开失败！" << file.fileName() << file.errorString() << Qt::endl;
        else
            qDebug() << "源文件不存在,保存失败！" << sourcePath << Qt::endl;
        return fail(SourceUnreadable, file.errorString());
    }
    const qint64 size = file.size();
    if (size > RadiometricReader::maximumFileSize) {
        qDebug() << "源文件数据长度错误，保存失败" << size << Qt::endl;
        return fail(SourceUnreadable);
    }
    bytes = file.read(size);
    qDebug() << "源文件数据长度：" << bytes.size() << Qt::endl;
    if (bytes.size() != size) {
        qDebug() << "源文件读取失败，保存失败" << file.errorString() << Qt::endl;
        return fail(SourceUnreadable, file.errorString());
    }
    return true;
}

// The bytes read when the photograph was opened, told as a file read now would be.
bool ImageSaveThread::takeSource(QByteArray& bytes)
{
    if (sourceBytes.size() > RadiometricReader::maximumFileSize) {
        qDebug() << "源文件数据长度错误，保存失败" << sourceBytes.size() << Qt::endl;
        return fail(SourceUnreadable);
    }
    bytes = sourceBytes;
    qDebug() << "源文件数据长度：" << bytes.size() << Qt::endl;
    return true;
}

bool ImageSaveThread::encodeSnapshot(QByteArray& jpeg) const
{
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpg");
    const bool written = !snapshot.isNull() && writer.write(snapshot);
    buffer.close();
    if (!written || !RadiometricWriter::isSnapshotJpeg(jpeg)) {
        qDebug() << "截图编码失败，保存失败" << writer.errorString() << Qt::endl;
        return false;
    }
    return true;
}

bool ImageSaveThread::writeTarget(QSaveFile& file, const QList<QByteArray>& pieces)
{
    bool written = true;
    for (const QByteArray& piece : pieces)
        written = written && WholeFile::writeAll(file, piece);
    // Cancelled here: commit() would not notice a buffer that could not be emptied.
    if (!written) {
        qDebug() << "文件写入失败，保存失败" << file.errorString() << Qt::endl;
        // Taken before cancelWriting() puts its own words in errorString().
        fail(TargetUnwritable, file.errorString());
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        qDebug() << "文件写入失败，保存失败" << file.errorString() << Qt::endl;
        return fail(TargetUnwritable, file.errorString());
    }
    qDebug() << "文件保存成功" << Qt::endl;
    return true;
}
