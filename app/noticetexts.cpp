#include "app/noticetexts.h"

#include <QFileInfo>

namespace {

bool folderIsWritable(const QFileInfo& file)
{
    const QFileInfo folder(file.absolutePath());
    return folder.isDir() && folder.isWritable();
}

} // namespace

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

QString NoticeTexts::exportOutcome(bool written, const QString& target)
{
    const QFileInfo exported(target);
    if (written)
        return tr("已导出 %1").arg(exported.fileName());
    if (!folderIsWritable(exported))
        return tr("无法导出：文件夹不可写");
    return tr("无法导出：无法写入 %1").arg(exported.fileName());
}

QString NoticeTexts::saveOutcome(ImageSaveThread::Outcome outcome,
                                 const QString& target,
                                 const QString& source)
{
    const QFileInfo saved(target);
    const QString sourceName = QFileInfo(source).fileName();
    switch (outcome) {
        case ImageSaveThread::Saved:
            return tr("已保存 %1").arg(saved.fileName());
        case ImageSaveThread::SourceUnreadable:
            return tr("无法保存：原照片 %1 已无法读取").arg(sourceName);
        case ImageSaveThread::SourceInvalid:
            return tr("无法保存：原照片 %1 的数据已损坏").arg(sourceName);
        case ImageSaveThread::SourceChanged:
            return tr("无法保存：原照片 %1 在打开后已被改动").arg(sourceName);
        case ImageSaveThread::SnapshotUnencodable:
            return tr("无法保存：无法编码快照");
        case ImageSaveThread::TargetUnwritable:
            break;
    }
    if (!folderIsWritable(saved))
        return tr("无法保存：文件夹不可写");
    return tr("无法保存：无法写入 %1").arg(saved.fileName());
}
