#include "cli/filenamecodec.h"

#include <QTextCodec>

namespace {

const char16_t firstKept = 0xDC80;

bool isKept(QChar c)
{
    return c.unicode() >= firstKept && c.unicode() <= firstKept + 0x7F;
}

// The length of the UTF-8 sequence at bytes[i], or 0 when it is not a well-formed one: no
// overlong forms, no surrogates, nothing past U+10FFFF.
int sequenceLength(const uchar* bytes, int length, int i)
{
    const uchar lead = bytes[i];
    int count = 0;
    uchar low = 0x80;
    uchar high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        count = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        count = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        count = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (length - i < count)
        return 0;
    for (int k = 1; k < count; ++k) {
        const uchar next = bytes[i + k];
        if (next < (k == 1 ? low : 0x80) || next > (k == 1 ? high : 0xBF))
            return 0;
    }
    return count;
}

QString decodeBytes(const char* in, int length)
{
    const auto* bytes = reinterpret_cast<const uchar*>(in);
    QString text;
    text.reserve(length);
    for (int i = 0; i < length;) {
        if (bytes[i] < 0x80) {
            text += QLatin1Char(char(bytes[i]));
            ++i;
            continue;
        }
        const int count = sequenceLength(bytes, length, i);
        if (count == 0) {
            text += QChar(char16_t(firstKept + (bytes[i] - 0x80)));
            ++i;
            continue;
        }
        uint code = bytes[i] & (0xFF >> (count + 1));
        for (int k = 1; k < count; ++k)
            code = (code << 6) | (bytes[i + k] & 0x3F);
        if (QChar::requiresSurrogates(code)) {
            text += QChar(QChar::highSurrogate(code));
            text += QChar(QChar::lowSurrogate(code));
        } else {
            text += QChar(char16_t(code));
        }
        i += count;
    }
    return text;
}

QByteArray encodeText(const QChar* in, int length)
{
    QByteArray bytes;
    bytes.reserve(length);
    int start = 0;
    const auto flush = [&](int end) {
        bytes += QString::fromRawData(in + start, end - start).toUtf8();
    };
    for (int i = 0; i < length; ++i) {
        // The low half of a pair may fall in the kept range; only a lone one is a kept byte.
        const bool paired = i > 0 && in[i - 1].isHighSurrogate();
        if (!isKept(in[i]) || paired)
            continue;
        flush(i);
        bytes += char(in[i].unicode() - firstKept + 0x80);
        start = i + 1;
    }
    flush(length);
    return bytes;
}

class KeepingCodec : public QTextCodec
{
public:
    QByteArray name() const override { return QByteArrayLiteral("x-korvex-utf-8-keeping-bytes"); }
    // No registered character set; only the locale refers to it, never by number.
    int mibEnum() const override { return -1106; }

protected:
    // Each call is decoded whole: a sequence cut at the end is kept byte by byte, which still
    // encodes back into the same bytes.
    QString convertToUnicode(const char* in, int length, ConverterState* state) const override
    {
        if (state) {
            state->invalidChars = 0;
            state->remainingChars = 0;
        }
        return decodeBytes(in, length);
    }
    QByteArray convertFromUnicode(const QChar* in, int length, ConverterState*) const override
    {
        return encodeText(in, length);
    }
};

} // namespace

void FileNameCodec::install()
{
    // Qt owns the codecs made and deletes them at exit.
    static QTextCodec* const codec = new KeepingCodec;
    QTextCodec::setCodecForLocale(codec);
}

QString FileNameCodec::decode(const QByteArray& bytes)
{
    return decodeBytes(bytes.constData(), bytes.size());
}

QByteArray FileNameCodec::encode(const QString& text)
{
    return encodeText(text.constData(), text.size());
}
