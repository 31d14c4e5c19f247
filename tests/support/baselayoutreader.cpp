#include "support/baselayoutreader.h"

namespace {

class Cursor
{
public:
    explicit Cursor(const QByteArray& bytes)
      : bytes(bytes)
    {
    }

    bool has(qint64 count) const { return count >= 0 && bytes.size() - at >= count; }
    quint32 little(int size)
    {
        quint32 value = 0;
        for (int i = 0; i < size; ++i)
            value |= quint32(quint8(bytes[int(at + i)])) << (8 * i);
        at += size;
        return value;
    }
    QByteArray take(qint64 count)
    {
        const QByteArray part = bytes.mid(int(at), int(count));
        at += count;
        return part;
    }
    bool skipTag(const char* tag)
    {
        const QByteArray wanted(tag);
        if (!has(wanted.size()) || bytes.mid(int(at), wanted.size()) != wanted)
            return false;
        at += wanted.size();
        return true;
    }
    quint8 byteAt(qint64 offset) const { return quint8(bytes[int(offset)]); }

    const QByteArray& bytes;
    qint64 at = 0;
};

} // namespace

BaseLayout BaseLayout::read(const QByteArray& bytes)
{
    BaseLayout layout;
    Cursor cursor(bytes);
    // The first picture opens at the file's first FF D8 FF E0; each ends at its first FF D9, and
    // another follows only when its start marker comes right after.
    const int first = bytes.indexOf(QByteArray("\xff\xd8\xff\xe0", 4));
    if (first < 0)
        return layout;
    cursor.at = first;
    while (cursor.has(4) && cursor.byteAt(cursor.at) == 0xFF &&
           cursor.byteAt(cursor.at + 1) == 0xD8 && cursor.byteAt(cursor.at + 2) == 0xFF &&
           cursor.byteAt(cursor.at + 3) == 0xE0) {
        const int close = bytes.indexOf(QByteArray("\xff\xd9", 2), int(cursor.at + 1));
        if (close < 0)
            return layout;
        cursor.at = close + 2;
        ++layout.jpegs;
    }
    if (layout.jpegs == 0 || !cursor.has(4))
        return layout;
    layout.temperatureWidth = int(cursor.little(2));
    layout.temperatureHeight = int(cursor.little(2));
    const qint64 temperatureBytes = 2 * qint64(layout.temperatureWidth) * layout.temperatureHeight;
    if (!cursor.has(temperatureBytes))
        return layout;
    layout.temperatures = cursor.take(temperatureBytes);
    if (!cursor.has(4))
        return layout;
    const qint64 grayWidth = cursor.little(2);
    const qint64 grayBytes = grayWidth * cursor.little(2);
    if (!cursor.has(grayBytes))
        return layout;
    layout.gray = cursor.take(grayBytes);
    if (!cursor.has(4))
        return layout;
    const qint64 device = cursor.at;
    const auto deviceLength = qint32(cursor.little(4));
    if (deviceLength < 104 || !cursor.has(deviceLength - 4))
        return layout;
    auto field = [&](int offset) {
        Cursor at(bytes);
        at.at = device + offset;
        return qint32(at.little(4));
    };
    layout.palette = field(92);
    layout.unit = field(96);
    layout.blendCode = field(100);
    cursor.at = device + deviceLength;

    if (cursor.skipTag("<mzr-region>")) {
        if (!cursor.has(4))
            return layout;
        const auto payloadLength = qint32(cursor.little(4));
        if (!cursor.has(payloadLength))
            return layout;
        layout.hasShapes = true;
        layout.shapePayload = cursor.take(payloadLength);
        if (!cursor.skipTag("</mzr-region>"))
            return layout;
    }
    if (!cursor.skipTag("<mzr-featre>") || !cursor.has(1))
        return layout;
    layout.feature = int(cursor.little(1));
    if (!cursor.skipTag("</mzr-featre>"))
        return layout;
    layout.end = cursor.at;
    layout.ok = true;
    return layout;
}
