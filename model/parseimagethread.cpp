#include "model/parseimagethread.h"

#include "model/radiometriclayout.h"
#include "model/radiometricreader.h"

#include <QDebug>
#include <QFile>
#include <QFileInfo>

ParseImageThread* ParseImageThread::create(const QString& filePath, ImageEntity* entity)
{
    if (!entity)
        return nullptr;
    return new ParseImageThread(filePath, entity);
}

ParseImageThread::ParseImageThread(const QString& filePath, ImageEntity* entity)
  : filePath(filePath)
  , entity(entity)
{
    qRegisterMetaType<ImageEntity>("ImageEntity");
    // Queued to this object's thread, the creator's, and connected before anyone else can
    // connect to finished(), so the hand-over runs before deleteLater().
    connect(this, &QThread::finished, this, &ParseImageThread::handOver);
}

ParseImageThread::~ParseImageThread()
{
    qDebug() << "ParseImageThread析构" << Qt::endl;
}

bool ParseImageThread::launch()
{
    if (filePath.isEmpty())
        return false;
    connect(this, &QThread::finished, this, &QObject::deleteLater);
    start(QThread::InheritPriority);
    return true;
}

bool ParseImageThread::isFileAvailable() const
{
    if (filePath.isEmpty()) {
        qDebug() << "文件路径缺失" << Qt::endl;
        return false;
    }
    const QFileInfo info(filePath);
    if (!info.exists() || info.size() <= 0) {
        qDebug() << "文件不存在，或文件不可用" << Qt::endl;
        return false;
    }
    return true;
}

bool ParseImageThread::isImageFile() const
{
    if (!isFileAvailable())
        return false;
    QFile file(filePath);
    if (!file.open(QIODevice::ReadOnly)) {
        qDebug() << "isImageFile()->文件打开失败" << Qt::endl;
        return false;
    }
    const QByteArray head = file.read(3);
    file.close();
    return RadiometricLayout::beginsAsImage(head);
}

void ParseImageThread::run()
{
    succeeded = parseFile();
    if (!succeeded)
        bytes.clear();
    ran.store(true, std::memory_order_release);
}

bool ParseImageThread::parseFile()
{
    qDebug() << "开始解析文件：" << filePath << Qt::endl;
    if (!isImageFile()) {
        qDebug() << "目标文件不是图片文件，解析失败" << Qt::endl;
        return false;
    }
    QFile file(filePath);
    if (!file.open(QIODevice::ReadOnly)) {
        qDebug() << "文件打开失败,解析失败" << Qt::endl;
        return false;
    }
    const qint64 size = file.size();
    if (size > RadiometricReader::maximumFileSize) {
        qDebug() << "文件读取长度错误，解析失败" << Qt::endl;
        return false;
    }
    bytes = file.read(size);
    file.close();
    if (bytes.size() < size) {
        qDebug() << "文件读取长度错误，解析失败" << Qt::endl;
        return false;
    }
    return RadiometricReader::read(bytes, parsed);
}

QByteArray ParseImageThread::sourceBytes() const
{
    return ran.load(std::memory_order_acquire) && succeeded ? bytes : QByteArray();
}

void ParseImageThread::handOver()
{
    if (!ran.load(std::memory_order_acquire) || !succeeded || !entity) {
        emit parseFailed();
        return;
    }
    *entity = parsed;
    emit parseSucceed();
}
