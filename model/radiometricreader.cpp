#include "model/radiometricreader.h"

#include "model/extensionblock.h"
#include "model/imageentity.h"
#include "model/radiometriclayout.h"

#include <QBuffer>
#include <QDebug>
#include <QImageReader>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRect>
#include <QtEndian>

#include <cmath>
#include <limits>

namespace {

using namespace RadiometricFormat;

// Little-endian fields of a byte range; bytes beyond its end read as 0.
class FieldReader
{
public:
    FieldReader(const QByteArray& bytes, qint64 begin, qint64 length)
      : data(reinterpret_cast<const uchar*>(bytes.constData()) + begin)
      , length(length)
    {
    }

    uchar byteAt(qint64 offset) const { return offset >= 0 && offset < length ? data[offset] : 0; }
    quint16 u16(qint64 offset) const { return field<quint16>(offset); }
    qint32 i32(qint64 offset) const { return field<qint32>(offset); }
    QString text(qint64 offset, int size) const
    {
        QByteArray bytes;
        for (int i = 0; i < size && byteAt(offset + i) != 0; ++i)
            bytes.append(char(byteAt(offset + i)));
        return QString::fromUtf8(bytes);
    }

private:
    template<typename Field>
    Field field(qint64 offset) const
    {
        uchar bytes[sizeof(Field)];
        for (size_t i = 0; i < sizeof(Field); ++i)
            bytes[i] = byteAt(offset + qint64(i));
        return qFromLittleEndian<Field>(bytes);
    }

    const uchar* data;
    qint64 length;
};

QImage decodeImage(const QByteArray& bytes, const QPoint& range)
{
    const QByteArray encoded =
      QByteArray::fromRawData(bytes.constData() + range.x(), range.y() - range.x() + 1);
    QBuffer buffer;
    buffer.setData(encoded);
    buffer.open(QIODevice::ReadOnly);
    return QImageReader(&buffer).read();
}

QSize decoderSize(const QByteArray& bytes, const QPoint& range)
{
    QBuffer buffer;
    buffer.setData(
      QByteArray::fromRawData(bytes.constData() + range.x(), range.y() - range.x() + 1));
    buffer.open(QIODevice::ReadOnly);
    return QImageReader(&buffer).size();
}

int rangeLength(const QPoint& range)
{
    return range.y() - range.x() + 1;
}

QSize headerSize(const QByteArray& bytes, const QPoint& range, RadiometricReader::Images images)
{
    if (images == RadiometricReader::Images::Decode)
        return decoderSize(bytes, range);
    const auto* data = reinterpret_cast<const uchar*>(bytes.constData()) + range.x();
    return RadiometricLayout::frameSize(data, rangeLength(range));
}

// Takes the pixels of a picture out of the photograph's budget if it may be decoded at all.
bool admit(const QSize& size, const QPoint& range, qint64& budget)
{
    if (!size.isValid() || size.isEmpty())
        return false;
    const qint64 pixels = qint64(size.width()) * size.height();
    if (pixels > qint64(rangeLength(range)) * RadiometricReader::maximumPixelsPerByte ||
        pixels > budget)
        return false;
    budget -= pixels;
    return true;
}

// One JPEG as the entity takes it: decoded, or in Skip mode only the size decoding would give.
// A picture refused by the budget is left null, as one the decoder cannot read.
struct Picture
{
    QImage image;
    QSize size = QSize(0, 0);
};

Picture takePicture(const QByteArray& bytes,
                    const QPoint& range,
                    RadiometricReader::Images images,
                    const QSize& admitted)
{
    Picture picture;
    if (admitted.isEmpty())
        return picture;
    if (images == RadiometricReader::Images::Skip) {
        picture.size = admitted;
        return picture;
    }
    picture.image = decodeImage(bytes, range);
    picture.size = picture.image.size();
    return picture;
}

void decodeScreen(const QByteArray& bytes,
                  const QPoint& range,
                  RadiometricReader::Images images,
                  const QSize& admitted,
                  ImageEntity& entity)
{
    entity.screenLength = rangeLength(range);
    const Picture screen = takePicture(bytes, range, images, admitted);
    entity.screenImage = screen.image;
    entity.screenWidth = screen.size.width();
    entity.screenHeight = screen.size.height();
    qDebug() << "Screen范围：" << range << "长度：" << entity.screenLength << Qt::endl;
}

QSize decodeCamera(const QByteArray& bytes,
                   const QPoint& range,
                   RadiometricReader::Images images,
                   const QSize& admitted,
                   ImageEntity& entity)
{
    entity.cameraLength = rangeLength(range);
    const Picture camera = takePicture(bytes, range, images, admitted);
    entity.cameraImage = camera.image;
    return camera.size;
}

void decodeImages(const QByteArray& bytes,
                  const RadiometricLayout& layout,
                  RadiometricReader::Images images,
                  ImageEntity& entity)
{
    const QVector<QPoint>& jpegs = layout.jpegs;
    const int count = layout.jpegCount;
    if (count < 1 || count > 3)
        return;
    // File order is Feature, Screen, Camera; the budget goes to Screen, Camera, Feature.
    const int screen = count == 3 ? 1 : 0;
    const int claims[3] = { screen, screen + 1, 0 };
    QSize admitted[3];
    qint64 budget = RadiometricReader::maximumPhotographPixels;
    for (int claim = 0; claim < count; ++claim) {
        const int index = claims[claim];
        const QSize size = headerSize(bytes, jpegs[index], images);
        if (admit(size, jpegs[index], budget))
            admitted[index] = size;
    }

    if (count == 1) {
        qDebug() << "只有Screen图像数据" << Qt::endl;
        decodeScreen(bytes, jpegs[0], images, admitted[0], entity);
    } else if (count == 2) {
        qDebug() << "Screen图像数据 + Camera图像数据" << Qt::endl;
        decodeScreen(bytes, jpegs[0], images, admitted[0], entity);
        const QSize camera = decodeCamera(bytes, jpegs[1], images, admitted[1], entity);
        qDebug() << "Camera宽：" << camera.width() << ", 高：" << camera.height() << Qt::endl;
        qDebug() << "Camera范围：" << jpegs[1] << "长度：" << entity.cameraLength << Qt::endl;
    } else {
        qDebug() << "Feature图像数据 + Screen图像数据 + Camera图像数据" << Qt::endl;
        entity.featureLength = rangeLength(jpegs[0]);
        entity.featureImage = takePicture(bytes, jpegs[0], images, admitted[0]).image;
        qDebug() << "Feature范围：" << jpegs[0] << "长度：" << entity.featureLength << Qt::endl;
        decodeScreen(bytes, jpegs[1], images, admitted[1], entity);
        decodeCamera(bytes, jpegs[2], images, admitted[2], entity);
        qDebug() << "Camera范围：" << jpegs[2] << "长度：" << entity.cameraLength << Qt::endl;
    }
}

void readFeaturePoint(const FieldReader& block, qint64 offset, FeaturePoint& point)
{
    point.x = block.u16(offset);
    point.y = block.u16(offset + 2);
    point.temperature = float(block.i32(offset + 4)) / valueScale;
}

void readDevice(const QByteArray& bytes, const RadiometricLayout& layout, ImageDetails& details)
{
    const FieldReader block(bytes, layout.deviceOffset, layout.deviceLength);
    details.infoLength = layout.deviceLength;
    details.infoText1 = block.text(deviceText1Offset, deviceTextSize);
    details.infoText2 = block.text(deviceText2Offset, deviceTextSize);
    details.captureTime = block.text(captureTimeOffset, deviceTextSize);
    readFeaturePoint(block, centrePointOffset, details.feature.centrePoint);
    readFeaturePoint(block, maxPointOffset, details.feature.maxPoint);
    readFeaturePoint(block, minPointOffset, details.feature.minPoint);
    details.emissivity = block.i32(emissivityOffset);
    details.palette = block.i32(paletteOffset);
    details.unit = block.i32(unitOffset);
    // Computed wide: 100 minus the most negative stored value does not fit in an int.
    const qint64 blend = 100 - qint64(block.i32(blendOffset));
    details.blend = int(qMin<qint64>(blend, std::numeric_limits<int>::max()));
    if (layout.deviceLength == shortDeviceLength) {
        details.margin.top = shortBlockMargin;
        details.margin.right = 0;
        details.margin.bottom = shortBlockMargin;
        details.margin.left = 0;
    } else {
        details.margin.top = block.u16(marginTopOffset);
        details.margin.right = block.u16(marginRightOffset);
        details.margin.bottom = block.u16(marginBottomOffset);
        details.margin.left = block.u16(marginLeftOffset);
    }
}

void cropScreen(ImageEntity& entity)
{
    const ImageMargin& margin = entity.details.margin;
    if (entity.screenImage.isNull() || entity.screenImage.sizeInBytes() <= 0)
        return;
    const int width = entity.screenImage.width() - margin.left - margin.right;
    const int height = entity.screenImage.height() - margin.top - margin.bottom;
    // A margin that leaves nothing of the picture cannot be the camera's border; keep it whole.
    if (width <= 0 || height <= 0)
        return;
    entity.screenImage = entity.screenImage.copy(QRect(margin.left, margin.top, width, height));
}

ImageDrawPath shapeFromRecord(const FieldReader& payload, qint64 offset, ShapeKind kind)
{
    ImageDrawPath shape;
    shape.setKind(kind);
    auto readPoint = [&](PointRole role, int entry, bool withValue) {
        PathPoint& point = shape.point(role);
        const qint64 at = offset + qint64(entry) * recordPointSize;
        point.x = float(payload.u16(at)) / positionScale;
        point.y = float(payload.u16(at + 2)) / positionScale;
        if (withValue)
            point.value = float(payload.i32(at + 4)) / valueScale;
    };
    // A point shape is only its measured point, which is where it was dropped; the other kinds
    // keep both drag ends as well.
    readPoint(PointRole::Maximum, 2, true);
    if (kind != ShapeKind::Point) {
        readPoint(PointRole::Start, 0, false);
        readPoint(PointRole::End, 1, false);
        readPoint(PointRole::Minimum, 3, true);
    } else {
        const PathPoint& at = shape.point(PointRole::Maximum);
        shape.point(PointRole::Start) = PathPoint(at.x, at.y, 0, 0);
        shape.point(PointRole::End) = PathPoint(at.x, at.y, 0, 0);
    }
    return shape;
}

void readShapes(const QByteArray& bytes,
                qint64 payloadOffset,
                qint64 payloadLength,
                QList<ImageDrawPath>& shapes)
{
    static const char* const countLines[] = {
        "携带点个数：", "携带线条个数：", "携带矩形个数：", "携带椭圆个数："
    };
    const FieldReader payload(bytes, payloadOffset, payloadLength);
    qint64 offset = 0;
    for (int type = 0; type < shapeKinds; ++type) {
        const int count = offset + 2 <= payloadLength ? payload.u16(offset) : 0;
        offset += 2;
        qDebug() << countLines[type] << count << Qt::endl;
        // Records are only taken from inside the payload, so a count that promises more than
        // the block holds cannot conjure up empty shapes.
        const qint64 fitting = qMax<qint64>(0, (payloadLength - offset) / shapeRecordSize);
        const qint64 room = RadiometricReader::maximumShapes - shapes.size();
        const qint64 taken = qMin<qint64>(qMin<qint64>(count, fitting), room);
        for (qint64 i = 0; i < taken; ++i)
            shapes.append(shapeFromRecord(payload, offset + i * shapeRecordSize, ShapeKind(type)));
        offset += qint64(count) * shapeRecordSize;
    }
}

void readTrailer(const QByteArray& bytes, const RadiometricLayout& layout, ImageEntity& entity)
{
    const qint64 size = bytes.size();
    const qint64 offset = layout.trailerOffset;
    qint64 featureOffset = -1;
    if (layout.trailer == RadiometricLayout::Trailer::Region) {
        if (size - offset - tagSize < blockLengthSize)
            return;
        const qint64 payloadLength = FieldReader(bytes, offset + tagSize, blockLengthSize).i32(0);
        const qint64 payloadOffset = offset + tagSize + blockLengthSize;
        if (payloadLength < 0 || size - payloadOffset < payloadLength + endTagSize)
            return;
        readShapes(bytes, payloadOffset, payloadLength, entity.image_drawpaths);
        featureOffset = payloadOffset + payloadLength + endTagSize;
        if (size - featureOffset < featureBlockSize ||
            bytes.mid(int(featureOffset), tagSize) != QByteArray(RadiometricFormat::featureTag))
            return;
    } else if (layout.trailer == RadiometricLayout::Trailer::Feature) {
        featureOffset = offset;
        if (size - featureOffset < featureBlockSize)
            return;
    } else {
        return;
    }
    entity.details.featureShown = bytes.at(int(featureOffset + tagSize)) != 0;
    ExtensionBlock::read(bytes, featureOffset + featureBlockSize, entity);
}

bool fail(QString* error, const QString& text)
{
    if (error)
        *error = text;
    return false;
}

} // namespace

bool RadiometricReader::read(const QByteArray& bytes,
                             ImageEntity& entity,
                             QString* error,
                             Images images)
{
    if (error)
        error->clear();
    using Failure = RadiometricLayout::Failure;
    const RadiometricLayout layout = RadiometricLayout::locate(bytes);
    for (const QPoint& range : layout.jpegs)
        qDebug() << "查找到一张JPG：" << range << Qt::endl;
    if (layout.jpegs.isEmpty()) {
        qDebug() << "图像解析失败长度为0，解析失败" << Qt::endl;
        return fail(error, QStringLiteral("no JPEG image found"));
    }
    qDebug() << "找到图片数据个数：" << layout.jpegCount << Qt::endl;
    decodeImages(bytes, layout, images, entity);

    qDebug() << "温度数据宽高开始下标：" << layout.temperatureOffset << Qt::endl;
    if (layout.failure == Failure::TemperatureHeader) {
        qDebug() << "温度数据长宽错误，解析失败" << Qt::endl;
        return fail(error,
                    QStringLiteral("the file ends before the size of the temperature matrix"));
    }
    entity.temperatureWidth = layout.temperatureWidth;
    entity.temperatureHeight = layout.temperatureHeight;
    qDebug() << "温度数据宽 = " << entity.temperatureWidth << Qt::endl;
    qDebug() << "温度数据高 = " << entity.temperatureHeight << Qt::endl;
    const qint64 temperatureStart = layout.temperatureOffset + matrixHeaderSize;
    qDebug() << "温度数据开始下标：" << temperatureStart << "，长度：" << layout.temperatureLength
             << Qt::endl;
    if (layout.failure == Failure::TemperatureMatrix) {
        qDebug() << "温度数据长宽错误，解析失败" << Qt::endl;
        return fail(error, QStringLiteral("the temperature matrix does not fit in the file"));
    }
    entity.temperatureData = bytes.mid(int(temperatureStart), int(layout.temperatureLength));

    qDebug() << "灰度数据宽高开始下标：" << layout.grayOffset << Qt::endl;
    if (layout.failure == Failure::GrayHeader) {
        qDebug() << "灰度数据长宽错误，解析失败" << Qt::endl;
        return fail(error, QStringLiteral("the file ends before the size of the gray matrix"));
    }
    entity.grayWidth = layout.grayWidth;
    entity.grayHeight = layout.grayHeight;
    const qint64 grayStart = layout.grayOffset + matrixHeaderSize;
    qDebug() << "灰度数据开始下标：" << grayStart << "，长度：" << layout.grayLength << Qt::endl;
    if (layout.failure == Failure::GrayMatrix) {
        qDebug() << "灰度数据读取错误，解析失败" << Qt::endl;
        return fail(error, QStringLiteral("the gray matrix does not fit in the file"));
    }
    entity.grayData = bytes.mid(int(grayStart), int(layout.grayLength));

    qDebug() << "设备信息开始下标：" << layout.deviceOffset << Qt::endl;
    if (layout.failure == Failure::DeviceLength) {
        qDebug() << "设备信息长度错误，解析失败" << Qt::endl;
        return fail(error, QStringLiteral("the device information is missing"));
    }
    if (layout.failure == Failure::DeviceBlock) {
        qDebug() << "设备信息读取错误，解析失败" << Qt::endl;
        return fail(error, QStringLiteral("the device information has an impossible length"));
    }
    readDevice(bytes, layout, entity.details);
    cropScreen(entity);
    qDebug() << "图片特征数据读取完成" << Qt::endl;

    readTrailer(bytes, layout, entity);
    // Korvex's block may hold object parameters the temperatures are to be shown with.
    entity.setObjectParameters(ObjectParameters::fromJson(
      entity.extension.value(QStringLiteral("object")), entity.details.emissivity));
    ObjectParameters::shapesFromJson(entity.extension.value(QStringLiteral("shape_parameters")),
                                     entity.image_drawpaths);
    const QJsonValue table = entity.extension.value(MeasurementSettings::key());
    entity.measurement = MeasurementSettings::fromJson(table, entity.image_drawpaths.size());
    MeasurementSettings::shapesFromJson(table, entity.image_drawpaths);
    ShapeNames::assign(entity.image_drawpaths);
    entity.loaded = true;
    qDebug() << "文件信息解析完成" << Qt::endl;
    return true;
}
