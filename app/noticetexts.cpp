#include "app/noticetexts.h"

#include <QFileInfo>

QString NoticeTexts::openFailure(const QString& path)
{
    const QFileInfo chosen(path);
    if (chosen.isFile() && chosen.isReadable())
        return tr("不是辐射照片：%1").arg(chosen.fileName());
    return tr("无法打开：%1").arg(chosen.fileName());
}

QString NoticeTexts::shapeTooSmall()
{
    return tr("选区太小，无法测量");
}

QString NoticeTexts::exportOutcome(bool written, const QString& target, const QString& reason)
{
    const QString name = QFileInfo(target).fileName();
    if (written)
        return tr("已导出 %1").arg(name);
    if (reason.isEmpty())
        return tr("无法导出：无法写入 %1").arg(name);
    return tr("无法导出：无法写入 %1（%2）").arg(name, reason);
}

QString NoticeTexts::saveOutcome(ImageSaveThread::Outcome outcome,
                                 const QString& target,
                                 const QString& source,
                                 const QString& reason)
{
    const QString name = QFileInfo(target).fileName();
    const QString sourceName = QFileInfo(source).fileName();
    switch (outcome) {
        case ImageSaveThread::Saved:
            return tr("已保存 %1").arg(name);
        case ImageSaveThread::SourceUnreadable:
            if (reason.isEmpty())
                return tr("无法保存：原照片 %1 已无法读取").arg(sourceName);
            return tr("无法保存：原照片 %1 已无法读取（%2）").arg(sourceName, reason);
        case ImageSaveThread::SourceInvalid:
            return tr("无法保存：原照片 %1 的数据已损坏").arg(sourceName);
        case ImageSaveThread::SourceChanged:
            return tr("无法保存：原照片 %1 在打开后已被改动").arg(sourceName);
        case ImageSaveThread::SnapshotUnencodable:
            return tr("无法保存：无法编码快照");
        case ImageSaveThread::TargetUnwritable:
            break;
    }
    if (reason.isEmpty())
        return tr("无法保存：无法写入 %1").arg(name);
    return tr("无法保存：无法写入 %1（%2）").arg(name, reason);
}
