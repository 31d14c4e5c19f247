#pragma once

#include <QByteArray>
#include <QString>

// File names are bytes, and not all of them are UTF-8. Qt turns names into QStrings and back with
// the locale's codec; under a UTF-8 (or C) locale a byte that is not UTF-8 would be lost, and Qt
// leaves such names out of folder listings altogether. This codec decodes UTF-8 and keeps each
// byte that is not as a lone surrogate, U+DC80 to U+DCFF, which it encodes back into that byte:
// every name read from the system opens the same file again.
class FileNameCodec
{
public:
    FileNameCodec() = delete;

    // Makes the codec the locale's, for the arguments, folder listings and file names of the
    // whole process.
    static void install();
    static QString decode(const QByteArray& bytes);
    // UTF-8, but for the bytes that decode() kept, which come back as they were.
    static QByteArray encode(const QString& text);
};
