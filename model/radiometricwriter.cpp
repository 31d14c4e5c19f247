#include "model/radiometricwriter.h"

#include "model/extensionblock.h"
#include "model/imageentity.h"
#include "model/radiometricformat.h"
#include "model/radiometriclayout.h"

#include <QDebug>
#include <QJsonDocument>
#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

using namespace RadiometricFormat;

template<typename Field>
void append(QByteArray& bytes, Field value)
{
    char field[sizeof(Field)];
    qToLittleEndian(value, field);
    bytes.append(field, int(sizeof(Field)));
}

template<typename Field>
void patch(QByteArray& bytes, qint64 offset, Field value)
{
    char field[sizeof(Field)];
    qToLittleEndian(value, field);
    bytes.replace(int(offset), int(sizeof(Field)), field, int(sizeof(Field)));
}

// To the nearest step, halves away from zero as the one-decimal texts on screen round, so that a
// value shown is the value read back; what lies outside the field's range is held at its ends,
// not wrapped.
template<typename Field>
Field rounded(float value, float scale)
{
    if (std::isnan(value))
        return 0;
    const double whole = std::round(double(value) * double(scale));
    return Field(qBound(
      double(std::numeric_limits<Field>::min()), whole, double(std::numeric_limits<Field>::max())));
}

void appendRecord(QByteArray& bytes, const ImageDrawPath& shape)
{
    for (PointRole role :
         { PointRole::Start, PointRole::End, PointRole::Maximum, PointRole::Minimum }) {
        const PathPoint& point = shape.point(role);
        append(bytes, rounded<quint16>(point.x, positionScale));
        append(bytes, rounded<quint16>(point.y, positionScale));
        append(bytes, rounded<qint32>(point.value, valueScale));
    }
}

int jpegLength(const QPoint& range)
{
    return range.y() - range.x() + 1;
}

} // namespace

int RadiometricWriter::blendCodeFor(int blend)
{
    const qint64 wanted = 100 - qint64(blend);
    int code = 100;
    for (int candidate : { 75, 50, 25, 0 }) {
        if (qAbs(wanted - candidate) < qAbs(wanted - code))
            code = candidate;
    }
    return code;
}

QByteArray RadiometricWriter::shapePayload(const QList<ImageDrawPath>& shapes)
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
    const int point = int(ShapeKind::Point);
    const int line = int(ShapeKind::Line);
    const int rectangle = int(ShapeKind::Rectangle);
    const int oval = int(ShapeKind::Oval);
    qDebug() << "point数量" << counts[point] << Qt::endl;
    qDebug() << "point数据大小：" << groups[point].size() << Qt::endl;
    qDebug() << "line数量：" << counts[line] << Qt::endl;
    qDebug() << "line数据大小：" << groups[line].size() << Qt::endl;
    qDebug() << "rects数量：" << counts[rectangle] << Qt::endl;
    qDebug() << "rect数据大小：" << groups[rectangle].size() << Qt::endl;
    qDebug() << "oval数量" << counts[oval] << Qt::endl;
    qDebug() << "oval数据大小：" << groups[oval].size() << Qt::endl;

    QByteArray body;
    for (int type = 0; type < shapeKinds; ++type) {
        append(body, quint16(counts[type]));
        body += groups[type];
    }
    QByteArray payload;
    append(payload, qint32(body.size()));
    return payload + body;
}

// The kept bytes run from the Screen JPEG to the end of the device information, found exactly as
// the reader finds them. An old Feature JPEG in front goes, since the snapshot takes its place;
// whatever follows the device block goes too, since the new blocks must come right after it.
RadiometricWriter::Outcome RadiometricWriter::keepSource(const QByteArray& source,
                                                         const ImageEntity& entity,
                                                         const Settings& settings,
                                                         QByteArray& kept)
{
    const RadiometricLayout layout = RadiometricLayout::locate(source);
    if (!RadiometricLayout::beginsAsImage(source) || !layout.isComplete()) {
        qDebug() << "源文件数据格式错误，保存失败" << Qt::endl;
        return Outcome::SourceInvalid;
    }
    const int count = layout.jpegCount;
    // Beside the snapshot a file holds at most a Screen and a Camera JPEG; with four or more the
    // reader could not tell which is which.
    if (count > 3) {
        qDebug() << "源文件图片数量错误，保存失败" << count << Qt::endl;
        return Outcome::SourceInvalid;
    }
    // The palette, unit and blend fields end where a short block ends.
    if (layout.deviceLength < shortDeviceLength) {
        qDebug() << "设备信息长度不足，保存失败" << layout.deviceLength << Qt::endl;
        return Outcome::SourceInvalid;
    }
    if (!isEntityLayout(layout, entity)) {
        qDebug() << "源文件与打开的照片不符，保存失败" << Qt::endl;
        return Outcome::SourceChanged;
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
    patch(kept, device + paletteOffset, qint32(settings.palette));
    qDebug() << "irUnit.hex = " << kept.mid(int(device + unitOffset), 4).toHex() << Qt::endl;
    patch(kept, device + unitOffset, qint32(settings.unit));
    qDebug() << "irBlend.hex = " << kept.mid(int(device + blendOffset), 4).toHex() << Qt::endl;
    patch(kept, device + blendOffset, qint32(blendCodeFor(settings.blend)));
    return Outcome::Written;
}

// The sizes the entity was read with, section by section; a file rewritten or replaced since
// the photograph was opened differs in at least one of them. A Feature picture in front is not
// compared: the save replaces it, and a save over the opened file itself puts a new one there.
bool RadiometricWriter::isEntityLayout(const RadiometricLayout& layout, const ImageEntity& entity)
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

bool RadiometricWriter::takesSnapshot(const ImageEntity& entity)
{
    return entity.cameraLength > 0;
}

bool RadiometricWriter::isSnapshotJpeg(const QByteArray& jpeg)
{
    // The reader takes the saved file apart at the snapshot's first end marker; an encoding that
    // does not open and close as one JPEG there would shift every section behind it.
    const QVector<QPoint> ranges = RadiometricLayout::findJpegs(jpeg);
    return ranges.size() == 1 && ranges[0].x() == 0 && ranges[0].y() == jpeg.size() - 1;
}

QByteArray RadiometricWriter::extensionPayload(const QJsonObject& extension, int blend)
{
    return ExtensionBlock::payload(extension, blend);
}

QByteArray RadiometricWriter::assemble(const QByteArray& snapshotJpeg,
                                       const QByteArray& kept,
                                       const QByteArray& shapePayload,
                                       bool featureShown,
                                       const QByteArray& extensionPayload)
{
    QByteArray file;
    file.reserve(snapshotJpeg.size() + kept.size() + shapePayload.size() + extensionPayload.size() +
                 3 * (tagSize + endTagSize) + 1 + blockLengthSize);
    file += snapshotJpeg;
    file += kept;
    file += regionTag;
    file += shapePayload;
    file += regionEndTag;
    file += featureTag;
    file += char(featureShown ? 1 : 0);
    file += featureEndTag;
    file += extensionTag;
    append(file, qint32(extensionPayload.size()));
    file += extensionPayload;
    file += extensionEndTag;
    return file;
}

RadiometricWriter::Outcome RadiometricWriter::write(const QByteArray& source,
                                                    const ImageEntity& entity,
                                                    const Settings& settings,
                                                    const QList<ImageDrawPath>& shapes,
                                                    const QByteArray& snapshotJpeg,
                                                    const QJsonObject& extension,
                                                    QByteArray& file)
{
    file.clear();
    QByteArray kept;
    const Outcome keeping = keepSource(source, entity, settings, kept);
    if (keeping != Outcome::Written)
        return keeping;
    const QByteArray payload = shapePayload(shapes);
    const bool withSnapshot = takesSnapshot(entity);
    if (withSnapshot && !isSnapshotJpeg(snapshotJpeg)) {
        qDebug() << "截图编码失败，保存失败" << Qt::endl;
        return Outcome::SnapshotUnencodable;
    }
    file = assemble(withSnapshot ? snapshotJpeg : QByteArray(),
                    kept,
                    payload,
                    settings.featureShown,
                    extensionPayload(extension, settings.blend));
    return Outcome::Written;
}
