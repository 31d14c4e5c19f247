#include "model/imagesavethread.h"

#include "model/radiometriclayout.h"
#include "model/radiometricreader.h"

#include <QBuffer>
#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QImageWriter>
#include <QSaveFile>

#include <cmath>
#include <limits>

namespace {

// The palette, unit and blend fields end here; a shorter device block cannot take them.
constexpr int patchedFieldsEnd = 104;
constexpr int paletteOffset = 92;
constexpr int unitOffset = 96;
constexpr int blendOffset = 100;
constexpr int shapeKinds = 4;

void appendU16(QByteArray& bytes, quint16 value)
{
    bytes.append(char(value & 0xFF));
    bytes.append(char(value >> 8));
}

void appendI32(QByteArray& bytes, qint32 value)
{
    const auto bits = quint32(value);
    for (int shift = 0; shift < 32; shift += 8)
        bytes.append(char((bits >> shift) & 0xFF));
}

void patchI32(QByteArray& bytes, qint64 offset, qint32 value)
{
    const auto bits = quint32(value);
    for (int i = 0; i < 4; ++i)
        bytes[int(offset + i)] = char((bits >> (8 * i)) & 0xFF);
}

// Truncated toward zero; what lies outside the field's range is held at its ends, not wrapped.
template<typename Field>
Field truncated(float scaled)
{
    if (std::isnan(scaled))
        return 0;
    const double whole = std::trunc(double(scaled));
    return Field(qBound(
      double(std::numeric_limits<Field>::min()), whole, double(std::numeric_limits<Field>::max())));
}

void appendRecord(QByteArray& bytes, const ImageDrawPath& shape)
{
    for (int index : { 0, 1, 3, 4 }) {
        const PathPoint& point = shape.points[index];
        appendU16(bytes, truncated<quint16>(point.x * 10000.0f));
        appendU16(bytes, truncated<quint16>(point.y * 10000.0f));
        appendI32(bytes, truncated<qint32>(point.value * 10.0f));
    }
}

int jpegLength(const QPoint& range)
{
    return range.y() - range.x() + 1;
}

} // namespace

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
    thread->palette = palette;
    thread->unit = unit;
    thread->blendCode = blendCodeFor(blend);
    thread->featureFlag = feature ? 1 : 0;
    thread->snapshot = snapshot;
    return thread;
}

ImageSaveThread::~ImageSaveThread()
{
    qDebug() << "~ImageSaveThread析构" << Qt::endl;
}

void ImageSaveThread::launch()
{
    connect(this, &QThread::finished, this, &QObject::deleteLater);
    start(QThread::InheritPriority);
}

void ImageSaveThread::run()
{
    save();
    emit saveFinished(result);
}

int ImageSaveThread::blendCodeFor(int blend)
{
    const qint64 wanted = 100 - qint64(blend);
    int code = 100;
    for (int candidate : { 75, 50, 25, 0 }) {
        if (qAbs(wanted - candidate) < qAbs(wanted - code))
            code = candidate;
    }
    return code;
}

QByteArray ImageSaveThread::shapePayload(const QList<ImageDrawPath>& shapes)
{
    QByteArray groups[shapeKinds];
    int counts[shapeKinds] = {};
    for (const ImageDrawPath& shape : shapes) {
        // The count is 16 bits wide; more shapes of one kind than it can say are left out.
        if (shape.type < 0 || shape.type >= shapeKinds ||
            counts[shape.type] == std::numeric_limits<quint16>::max())
            continue;
        appendRecord(groups[shape.type], shape);
        ++counts[shape.type];
    }
    qDebug() << "point数量" << counts[0] << Qt::endl;
    qDebug() << "point数据大小：" << groups[0].size() << Qt::endl;
    qDebug() << "line数量：" << counts[1] << Qt::endl;
    qDebug() << "line数据大小：" << groups[1].size() << Qt::endl;
    qDebug() << "rects数量：" << counts[2] << Qt::endl;
    qDebug() << "rect数据大小：" << groups[2].size() << Qt::endl;
    qDebug() << "oval数量" << counts[3] << Qt::endl;
    qDebug() << "oval数据大小：" << groups[3].size() << Qt::endl;

    QByteArray body;
    for (int type = 0; type < shapeKinds; ++type) {
        appendU16(body, quint16(counts[type]));
        body += groups[type];
    }
    QByteArray payload;
    appendI32(payload, body.size());
    return payload + body;
}

bool ImageSaveThread::save()
{
    result = Saved;
    qDebug() << "源文件：" << sourcePath << Qt::endl;
    qDebug() << "目标文件：" << targetPath << Qt::endl;
    if (!QFileInfo::exists(sourcePath)) {
        qDebug() << "源文件不存在,保存失败！" << sourcePath << Qt::endl;
        return fail(SourceUnreadable);
    }
    const QFileInfo target(targetPath);
    if (target.absolutePath() != QFileInfo(sourcePath).absolutePath() && target.exists())
        qDebug() << "删除已经存在的文件：" << targetPath << ", "
                 << "true" << Qt::endl;

    QByteArray source;
    if (!readSource(source))
        return fail(SourceUnreadable);
    QByteArray kept;
    const Outcome keeping = keepSource(source, kept);
    if (keeping != Saved)
        return fail(keeping);
    // The whole source is in memory from here on, so the target may be the source itself.
    source.clear();

    const QByteArray payload = shapePayload(shapes);
    QSaveFile file(targetPath);
    if (!file.open(QIODevice::WriteOnly)) {
        qDebug() << "文件打开错误，保存失败" << Qt::endl;
        qDebug() << "文件打开错误原因：" << file.errorString() << Qt::endl;
        return fail(TargetUnwritable);
    }
    qDebug() << "src_array.length = " << kept.size() << Qt::endl;
    qDebug() << "region_array.length = " << payload.size() << Qt::endl;

    // Without a Camera image the snapshot is left out (see the class comment).
    const bool withSnapshot = entity.cameraLength > 0;
    QByteArray jpeg;
    if (withSnapshot && !encodeSnapshot(jpeg)) {
        file.cancelWriting();
        return fail(SnapshotUnencodable);
    }
    const QByteArray feature(1, char(featureFlag));
    if (!writeTarget(file,
                     { jpeg,
                       kept,
                       QByteArray(RadiometricLayout::regionTag),
                       payload,
                       QByteArray(RadiometricLayout::regionEndTag),
                       QByteArray(RadiometricLayout::featureTag),
                       feature,
                       QByteArray(RadiometricLayout::featureEndTag) }))
        return fail(TargetUnwritable);
    return true;
}

bool ImageSaveThread::fail(Outcome outcome)
{
    result = outcome;
    return false;
}

bool ImageSaveThread::readSource(QByteArray& bytes) const
{
    QFile file(sourcePath);
    if (!file.open(QIODevice::ReadOnly)) {
        qDebug() << "源文件打开失败！" << file.fileName() << file.errorString() << Qt::endl;
        return false;
    }
    const qint64 size = file.size();
    if (size > RadiometricReader::maximumFileSize) {
        qDebug() << "源文件数据长度错误，保存失败" << size << Qt::endl;
        return false;
    }
    bytes = file.read(size);
    qDebug() << "源文件数据长度：" << bytes.size() << Qt::endl;
    if (bytes.size() != size) {
        qDebug() << "源文件读取失败，保存失败" << file.errorString() << Qt::endl;
        return false;
    }
    return true;
}

// The kept bytes run from the Screen JPEG to the end of the device information, found exactly as
// the reader finds them. An old Feature JPEG in front goes, since the snapshot takes its place;
// whatever follows the device block goes too, since the new blocks must come right after it.
ImageSaveThread::Outcome ImageSaveThread::keepSource(const QByteArray& source,
                                                     QByteArray& kept) const
{
    const RadiometricLayout layout = RadiometricLayout::locate(source);
    if (!RadiometricLayout::beginsAsImage(source) || !layout.isComplete()) {
        qDebug() << "源文件数据格式错误，保存失败" << Qt::endl;
        return SourceInvalid;
    }
    const int count = layout.jpegCount;
    // Beside the snapshot a file holds at most a Screen and a Camera JPEG; with four or more the
    // reader could not tell which is which.
    if (count > 3) {
        qDebug() << "源文件图片数量错误，保存失败" << count << Qt::endl;
        return SourceInvalid;
    }
    if (layout.deviceLength < patchedFieldsEnd) {
        qDebug() << "设备信息长度不足，保存失败" << layout.deviceLength << Qt::endl;
        return SourceInvalid;
    }
    if (!isEntityLayout(layout)) {
        qDebug() << "源文件与打开的照片不符，保存失败" << Qt::endl;
        return SourceChanged;
    }
    const int screen = count == 3 ? 1 : 0;
    if (count == 3)
        qDebug() << "找到三张jpeg，剔除第一张图片数据！" << Qt::endl;
    const qint64 start = layout.jpegs[screen].x();
    kept = source.mid(int(start), int(layout.trailerOffset - start));
    if (layout.trailer == RadiometricLayout::Trailer::Region)
        qDebug() << "找到<mzr-region>标签位置：" << layout.trailerOffset - start << Qt::endl;
    else if (layout.trailer == RadiometricLayout::Trailer::Feature)
        qDebug() << "找到<mzr-featre>标签位置：" << layout.trailerOffset - start << Qt::endl;

    qDebug() << "Screen数据长度：" << jpegLength(layout.jpegs[screen]) << Qt::endl;
    if (screen + 1 < count)
        qDebug() << "Camera数据长度：" << jpegLength(layout.jpegs[screen + 1]) << Qt::endl;
    qDebug() << "温度数据长度：" << layout.temperatureLength << Qt::endl;
    qDebug() << "灰度数据长度：" << layout.grayLength << Qt::endl;
    const qint64 device = layout.deviceOffset - start;
    qDebug() << "总数据长度：" << device << Qt::endl;

    qDebug() << "irPallete.hex = " << kept.mid(int(device + paletteOffset), 4).toHex() << Qt::endl;
    patchI32(kept, device + paletteOffset, palette);
    qDebug() << "irUnit.hex = " << kept.mid(int(device + unitOffset), 4).toHex() << Qt::endl;
    patchI32(kept, device + unitOffset, unit);
    qDebug() << "irBlend.hex = " << kept.mid(int(device + blendOffset), 4).toHex() << Qt::endl;
    patchI32(kept, device + blendOffset, blendCode);
    return Saved;
}

// The sizes the entity was read with, section by section; a file rewritten or replaced since
// the photograph was opened differs in at least one of them. A Feature picture in front is not
// compared: the save replaces it, and a save over the opened file itself puts a new one there.
bool ImageSaveThread::isEntityLayout(const RadiometricLayout& layout) const
{
    QVector<int> kept{ entity.screenLength };
    if (entity.cameraLength > 0)
        kept.append(entity.cameraLength);
    const int count = layout.jpegs.size();
    const int feature = count == 3 ? 1 : 0;
    if (count - feature != kept.size())
        return false;
    for (int i = 0; i < kept.size(); ++i) {
        if (jpegLength(layout.jpegs[feature + i]) != kept[i])
            return false;
    }
    return layout.temperatureWidth == entity.temperatureWidth &&
           layout.temperatureHeight == entity.temperatureHeight &&
           layout.temperatureLength == entity.temperatureData.size() &&
           layout.grayWidth == entity.grayWidth && layout.grayHeight == entity.grayHeight &&
           layout.grayLength == entity.grayData.size() &&
           layout.deviceLength == entity.details.infoLength;
}

bool ImageSaveThread::encodeSnapshot(QByteArray& jpeg) const
{
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpg");
    const bool written = !snapshot.isNull() && writer.write(snapshot);
    buffer.close();
    // The reader takes the saved file apart at the snapshot's first end marker; an encoding that
    // does not open and close as one JPEG there would shift every section behind it.
    const QVector<QPoint> ranges = RadiometricLayout::findJpegs(jpeg);
    if (!written || ranges.size() != 1 || ranges[0].x() != 0 || ranges[0].y() != jpeg.size() - 1) {
        qDebug() << "截图编码失败，保存失败" << writer.errorString() << Qt::endl;
        return false;
    }
    return true;
}

bool ImageSaveThread::writeTarget(QSaveFile& file, const QList<QByteArray>& pieces) const
{
    bool written = true;
    for (const QByteArray& piece : pieces)
        written = written && file.write(piece) == piece.size();
    // Writes are buffered; commit() would not notice when emptying the buffer fails.
    if (!written || !file.flush()) {
        qDebug() << "文件写入失败，保存失败" << file.errorString() << Qt::endl;
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        qDebug() << "文件写入失败，保存失败" << file.errorString() << Qt::endl;
        return false;
    }
    qDebug() << "文件保存成功" << Qt::endl;
    return true;
}
