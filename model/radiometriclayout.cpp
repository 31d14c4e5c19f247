#include "model/radiometriclayout.h"

#include <QSize>
#include <QtEndian>

#include <algorithm>
#include <cstring>

namespace {

// Callers check that the field lies inside the bytes.
template<typename Field>
Field fieldAt(const QByteArray& bytes, qint64 offset)
{
    return qFromLittleEndian<Field>(bytes.constData() + offset);
}

bool hasTag(const QByteArray& bytes, qint64 offset, const char* tag)
{
    return bytes.size() - offset >= RadiometricLayout::tagSize &&
           std::equal(tag, tag + RadiometricLayout::tagSize, bytes.constData() + offset);
}

} // namespace

QVector<QPoint> RadiometricLayout::findJpegs(const QByteArray& bytes, int* count, qint64* end)
{
    QVector<QPoint> ranges;
    int total = 0;
    qint64 lastEnd = -1;
    const auto* data = reinterpret_cast<const uchar*>(bytes.constData());
    const qint64 size = bytes.size();
    qint64 i = 0;
    while (i <= size - 4) {
        // Only the first FF D8 FF E0 of the file, or one right after the previous JPEG, opens a
        // JPEG; once the byte after the last JPEG is not one, no further JPEG can be taken.
        const bool opens =
          data[i] == 0xFF && data[i + 1] == 0xD8 && data[i + 2] == 0xFF && data[i + 3] == 0xE0;
        if (!opens) {
            if (total > 0)
                break;
            ++i;
            continue;
        }
        const qint64 start = i;
        qint64 close = -1;
        for (qint64 j = start + 1; j <= size - 2;) {
            const void* found = std::memchr(data + j, 0xFF, size_t(size - 1 - j));
            if (!found)
                break;
            j = static_cast<const uchar*>(found) - data;
            if (data[j + 1] == 0xD9) {
                close = j + 1;
                break;
            }
            ++j;
        }
        if (close < 0)
            break;
        if (total < storedJpegs)
            ranges.append(QPoint(int(start), int(close)));
        ++total;
        lastEnd = close;
        i = close + 1;
    }
    if (count)
        *count = total;
    if (end)
        *end = lastEnd;
    return ranges;
}

bool RadiometricLayout::beginsAsImage(const QByteArray& head)
{
    return head.size() >= 3 && uchar(head[0]) == 0xFF && uchar(head[1]) == 0xD8 &&
           uchar(head[2]) == 0xFF;
}

RadiometricLayout RadiometricLayout::locate(const QByteArray& bytes)
{
    RadiometricLayout layout;
    const qint64 size = bytes.size();
    qint64 jpegEnd = -1;
    layout.jpegs = findJpegs(bytes, &layout.jpegCount, &jpegEnd);
    if (layout.jpegs.isEmpty())
        return layout;

    layout.temperatureOffset = jpegEnd + 1;
    using namespace RadiometricFormat;
    if (size - layout.temperatureOffset < matrixHeaderSize) {
        layout.failure = Failure::TemperatureHeader;
        return layout;
    }
    layout.temperatureWidth = fieldAt<quint16>(bytes, layout.temperatureOffset);
    layout.temperatureHeight = fieldAt<quint16>(bytes, layout.temperatureOffset + 2);
    layout.temperatureLength =
      temperatureCellSize * qint64(layout.temperatureWidth) * layout.temperatureHeight;
    const qint64 temperatureEnd =
      layout.temperatureOffset + matrixHeaderSize + layout.temperatureLength;
    if (temperatureEnd > size) {
        layout.failure = Failure::TemperatureMatrix;
        return layout;
    }

    layout.grayOffset = temperatureEnd;
    if (size - layout.grayOffset < matrixHeaderSize) {
        layout.failure = Failure::GrayHeader;
        return layout;
    }
    layout.grayWidth = fieldAt<quint16>(bytes, layout.grayOffset);
    layout.grayHeight = fieldAt<quint16>(bytes, layout.grayOffset + 2);
    layout.grayLength = qint64(layout.grayWidth) * layout.grayHeight;
    const qint64 grayEnd = layout.grayOffset + matrixHeaderSize + layout.grayLength;
    if (grayEnd > size) {
        layout.failure = Failure::GrayMatrix;
        return layout;
    }

    layout.deviceOffset = grayEnd;
    if (size - layout.deviceOffset < deviceLengthSize) {
        layout.failure = Failure::DeviceLength;
        return layout;
    }
    layout.deviceLength = fieldAt<qint32>(bytes, layout.deviceOffset);
    // The length counts its own four bytes, so anything below 4 cannot be a block.
    if (layout.deviceLength < deviceLengthSize ||
        layout.deviceLength > size - layout.deviceOffset) {
        layout.failure = Failure::DeviceBlock;
        return layout;
    }
    layout.trailerOffset = layout.deviceOffset + layout.deviceLength;
    if (hasTag(bytes, layout.trailerOffset, regionTag))
        layout.trailer = Trailer::Region;
    else if (hasTag(bytes, layout.trailerOffset, featureTag))
        layout.trailer = Trailer::Feature;
    layout.failure = Failure::None;
    return layout;
}

QSize RadiometricLayout::frameSize(const uchar* data, qint64 length)
{
    if (length < 4 || data[0] != 0xFF || data[1] != 0xD8)
        return QSize();
    qint64 at = 2;
    for (;;) {
        if (length - at < 2 || data[at] != 0xFF)
            return QSize();
        // Any number of fill bytes may stand before a marker.
        while (length - at >= 2 && data[at + 1] == 0xFF)
            ++at;
        if (length - at < 2)
            return QSize();
        const uchar marker = data[at + 1];
        at += 2;
        if ((marker >= 0xD0 && marker <= 0xD7) || marker == 0x01)
            continue;
        // A scan or an end before any frame header, or a stuffed byte here, is no image.
        if (marker == 0x00 || marker == 0xD8 || marker == 0xD9 || marker == 0xDA)
            return QSize();
        if (length - at < 2)
            return QSize();
        const qint64 segment = (qint64(data[at]) << 8) | data[at + 1];
        if (segment < 2 || segment > length - at)
            return QSize();
        if (marker == 0xC0 || marker == 0xC1 || marker == 0xC2) {
            if (segment < 8)
                return QSize();
            const int height = (data[at + 3] << 8) | data[at + 4];
            const int width = (data[at + 5] << 8) | data[at + 6];
            return width > 0 && height > 0 ? QSize(width, height) : QSize();
        }
        // Lossless, hierarchical and arithmetic-coded frames.
        const bool otherFrame =
          (marker & 0xF0) == 0xC0 && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
        if (otherFrame)
            return QSize();
        at += segment;
    }
}
