#include "support/radiometricfile.h"

#include <QBuffer>

#include <tuple>

void RadiometricFile::appendU16(QByteArray& bytes, quint16 value)
{
    bytes.append(char(value & 0xFF));
    bytes.append(char(value >> 8));
}

void RadiometricFile::appendI32(QByteArray& bytes, qint32 value)
{
    const auto bits = quint32(value);
    appendU16(bytes, quint16(bits & 0xFFFF));
    appendU16(bytes, quint16(bits >> 16));
}

QByteArray RadiometricFile::jpeg(const QImage& image, int quality)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG", quality);
    return bytes;
}

QByteArray RadiometricFile::jpeg(const QSize& size, const QColor& color)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(color);
    return jpeg(image);
}

QImage RadiometricFile::texturedImage(const QSize& size, int seed)
{
    QImage image(size, QImage::Format_RGB32);
    quint32 state = quint32(seed);
    for (int y = 0; y < size.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            state = state * 1664525u + 1013904223u;
            const int noise = int(state >> 28);
            line[x] = qRgb((x + noise) & 255, (y * 2 + noise) & 255, ((x ^ y) + noise) & 255);
        }
    }
    return image;
}

QByteArray RadiometricFile::temperatureSection(int width, int height, const QVector<qint16>& cells)
{
    QByteArray bytes;
    appendU16(bytes, quint16(width));
    appendU16(bytes, quint16(height));
    for (qint16 cell : cells)
        appendU16(bytes, quint16(cell));
    return bytes;
}

QByteArray RadiometricFile::graySection(int width, int height, const QByteArray& levels)
{
    QByteArray bytes;
    appendU16(bytes, quint16(width));
    appendU16(bytes, quint16(height));
    return bytes + levels;
}

QByteArray RadiometricFile::deviceBlock(const DeviceInfo& info)
{
    auto text = [](const QByteArray& value) {
        QByteArray field = value.left(20);
        field.append(20 - field.size(), '\0');
        return field;
    };
    QByteArray block;
    appendI32(block, info.length);
    block += text(info.text1) + text(info.text2) + text(info.captureTime);
    for (const auto& [x, y, temperature] :
         { std::tuple(info.centreX, info.centreY, info.centreTemperature),
           std::tuple(info.maxX, info.maxY, info.maxTemperature),
           std::tuple(info.minX, info.minY, info.minTemperature) }) {
        appendU16(block, x);
        appendU16(block, y);
        appendI32(block, temperature);
    }
    appendI32(block, info.emissivity);
    appendI32(block, info.palette);
    appendI32(block, info.unit);
    appendI32(block, info.storedBlend);
    appendU16(block, info.marginTop);
    appendU16(block, info.marginRight);
    appendU16(block, info.marginBottom);
    appendU16(block, info.marginLeft);
    // The stored length decides how long the block is: shorter cuts fields off, longer pads.
    const int length = qMax(4, int(info.length));
    if (block.size() > length)
        block.truncate(length);
    else
        block.append(length - block.size(), '\0');
    return block;
}

QByteArray RadiometricFile::shapePayload(const QList<ShapeRecord>& shapes)
{
    QByteArray payload;
    for (int type = 0; type < 4; ++type) {
        QByteArray records;
        quint16 count = 0;
        for (const ShapeRecord& shape : shapes) {
            if (shape.type != type)
                continue;
            for (const RecordPoint& point :
                 { shape.start, shape.end, shape.maximum, shape.minimum }) {
                appendU16(records, point.x);
                appendU16(records, point.y);
                appendI32(records, point.value);
            }
            ++count;
        }
        appendU16(payload, count);
        payload += records;
    }
    return payload;
}

QByteArray RadiometricFile::shapeBlock(const QList<ShapeRecord>& shapes)
{
    const QByteArray payload = shapePayload(shapes);
    return shapeBlock(payload.size(), payload);
}

QByteArray RadiometricFile::shapeBlock(qint32 length, const QByteArray& payload)
{
    QByteArray block("<mzr-region>");
    appendI32(block, length);
    return block + payload + "</mzr-region>";
}

QByteArray RadiometricFile::featureBlock(quint8 shown)
{
    QByteArray block("<mzr-featre>");
    block.append(char(shown));
    return block + "</mzr-featre>";
}

QByteArray RadiometricFile::extensionBlock(const QByteArray& payload)
{
    return extensionBlock(payload.size(), payload);
}

QByteArray RadiometricFile::extensionBlock(qint32 length, const QByteArray& payload)
{
    QByteArray block("<korvex-ext>");
    appendI32(block, length);
    return block + payload + "</korvex-ext>";
}

RadiometricFile::RadiometricFile()
{
    jpegs << jpeg(QSize(64, 48), QColor(200, 80, 20)) << jpeg(QSize(80, 60), QColor(40, 90, 60));
    QVector<qint16> cells;
    QByteArray levels;
    for (int i = 0; i < 16 * 12; ++i) {
        cells.append(qint16(200 + i));
        levels.append(char(i));
    }
    temperatures = temperatureSection(16, 12, cells);
    gray = graySection(16, 12, levels);
    device.centreX = 32;
    device.centreY = 24;
    device.centreTemperature = 296;
    device.maxX = 60;
    device.maxY = 44;
    device.maxTemperature = 391;
    device.minX = 2;
    device.minY = 3;
    device.minTemperature = 200;
}

QByteArray RadiometricFile::bytes() const
{
    QByteArray file;
    for (const QByteArray& image : jpegs)
        file += image;
    return file + temperatures + gray + deviceBlock(device) + trailer;
}
