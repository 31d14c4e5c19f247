#pragma once

#include "model/radiometricformat.h"

#include <QByteArray>
#include <QString>

class ImageEntity;

// Reads the bytes of a radiometric photograph into an entity, writing the reader's debug lines.
// Returns false (after the line that says why) when the file lacks a required section; the
// entity may then hold what was read before the failure. The extension block behind the feature
// block is read when it is sound; one that is not is passed over with a debug line of its own,
// and the photograph still opens.
class RadiometricReader
{
public:
    // A photograph is a few megabytes; larger files are refused before they are read.
    static constexpr qint64 maximumFileSize = qint64(1) << 30;
    // A header of a few bytes may promise a picture of any size, and decoding allocates the
    // promised size. So a picture is left undecoded when its compressed bytes could not hold that
    // many pixels (no JPEG of a real scene packs more than this many pixels into a byte), and the
    // pictures of one photograph share one budget, which holds a 20 Mpx Camera image beside a
    // full-screen Feature image and the Screen image. The Screen image has the first claim, then
    // the Camera image, then the Feature image, which only repeats the others.
    static constexpr qint64 maximumPixelsPerByte = 256;
    static constexpr qint64 maximumPhotographPixels = qint64(48) << 20;
    // More shapes than anyone draws on one photograph; the rest of a larger block is not taken.
    static constexpr int maximumShapes = 4096;
    static constexpr int shapeRecordSize = RadiometricFormat::shapeRecordSize;

    // Skip is for readers that want the numbers only: the JPEG decoder never runs and the QImage
    // members stay null. The picture sizes the entity keeps then come from the JPEG frame headers,
    // so a JPEG whose header is sound but whose picture data is damaged has its header's size
    // rather than the empty size decoding gives.
    enum class Images
    {
        Decode,
        Skip,
    };

    // On failure, error (when given) is a short English sentence naming the missing or damaged
    // section; it is emptied on success.
    static bool read(const QByteArray& bytes,
                     ImageEntity& entity,
                     QString* error = nullptr,
                     Images images = Images::Decode);
};
