#pragma once

#include <QByteArray>

class ImageEntity;

// Reads the bytes of a radiometric photograph into an entity, writing the reader's debug lines.
// Returns false (after the line that says why) when the file lacks a required section; the
// entity may then hold what was read before the failure.
class RadiometricReader
{
public:
    // A photograph is a few megabytes; larger files are refused before they are read.
    static constexpr qint64 maximumFileSize = qint64(1) << 30;
    // Images whose header promises more pixels than this are left undecoded.
    static constexpr qint64 maximumImagePixels = qint64(64) << 20;
    static constexpr int shapeRecordSize = 32;

    static bool read(const QByteArray &bytes, ImageEntity &entity);
};
