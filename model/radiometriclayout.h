#pragma once

#include "model/radiometricformat.h"

#include <QByteArray>
#include <QPoint>
#include <QSize>
#include <QVector>

// Where the sections of a radiometric photograph lie in its bytes: the JPEGs back to back, the
// temperature and gray matrices with their headers, the device information and what follows it.
// Sizes read from the file are carried in 64 bits so that no product of them can overflow.
class RadiometricLayout
{
public:
    // The first section that is missing or cut short; None when the device block is whole.
    enum class Failure
    {
        None,
        NoJpeg,
        TemperatureHeader,
        TemperatureMatrix,
        GrayHeader,
        GrayMatrix,
        DeviceLength,
        DeviceBlock,
    };

    // The tagged block that begins right at trailerOffset, if any.
    enum class Trailer
    {
        None,
        Region,
        Feature,
    };

    static constexpr const char (&regionTag)[sizeof(RadiometricFormat::regionTag)] =
      RadiometricFormat::regionTag;
    static constexpr const char (&regionEndTag)[sizeof(RadiometricFormat::regionEndTag)] =
      RadiometricFormat::regionEndTag;
    static constexpr const char (&featureTag)[sizeof(RadiometricFormat::featureTag)] =
      RadiometricFormat::featureTag;
    static constexpr const char (&featureEndTag)[sizeof(RadiometricFormat::featureEndTag)] =
      RadiometricFormat::featureEndTag;
    static constexpr int tagSize = RadiometricFormat::tagSize;
    static constexpr int endTagSize = RadiometricFormat::endTagSize;

    static RadiometricLayout locate(const QByteArray& bytes);
    // Whether the bytes open as an image file does: FF D8 FF. locate() finds the first JPEG
    // wherever it lies, so this is the check that the file is a picture at all.
    static bool beginsAsImage(const QByteArray& head);
    // No layout has more than three pictures; past the fourth only the count and where the last
    // one ends matter, so a file of a million tiny JPEGs costs no more than the walk over it.
    static constexpr int storedJpegs = 4;

    // First and last byte (inclusive) of each of the first storedJpegs JPEGs; a JPEG only counts
    // when it begins at the file's first FF D8 FF E0 or right after the previous JPEG's FF D9.
    // count and end, when given, receive how many JPEGs there are in all and the last byte of
    // the last one (-1 without any).
    static QVector<QPoint> findJpegs(const QByteArray& bytes,
                                     int* count = nullptr,
                                     qint64* end = nullptr);

    // Width and height from the frame header, found by walking the segments in front of it. Only
    // the frame kinds the decoder takes count; anything malformed gives an empty size, as the
    // decoder would give no picture.
    static QSize frameSize(const uchar* data, qint64 length);

    bool isComplete() const { return failure == Failure::None; }

    QVector<QPoint> jpegs;
    int jpegCount = 0;
    Failure failure = Failure::NoJpeg;
    qint64 temperatureOffset = -1;
    int temperatureWidth = 0;
    int temperatureHeight = 0;
    qint64 temperatureLength = 0;
    qint64 grayOffset = -1;
    int grayWidth = 0;
    int grayHeight = 0;
    qint64 grayLength = 0;
    qint64 deviceOffset = -1;
    qint32 deviceLength = 0;
    qint64 trailerOffset = -1;
    Trailer trailer = Trailer::None;
};
