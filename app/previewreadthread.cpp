#include "app/previewreadthread.h"

#include "model/imageentity.h"
#include "model/radiometricreader.h"

#include <QFile>

PreviewReadThread* PreviewReadThread::create(const QString& path)
{
    if (path.isEmpty())
        return nullptr;
    return new PreviewReadThread(path);
}

PreviewReadThread::PreviewReadThread(const QString& path)
  : path(path)
{
}

bool PreviewReadThread::launch()
{
    connect(this, &QThread::finished, this, &QObject::deleteLater);
    start(QThread::InheritPriority);
    return true;
}

QImage PreviewReadThread::previewPicture(const QByteArray& bytes)
{
    ImageEntity entity;
    if (!RadiometricReader::read(bytes, entity))
        return QImage();
    return entity.featureImage.isNull() ? entity.screenImage : entity.featureImage;
}

void PreviewReadThread::run()
{
    QFile file(path);
    QImage picture;
    if (file.open(QIODevice::ReadOnly) && file.size() <= RadiometricReader::maximumFileSize)
        picture = previewPicture(file.readAll());
    emit previewRead(picture);
}
