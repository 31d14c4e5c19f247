#pragma once

#include <QByteArray>
#include <QPoint>
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

    static constexpr char regionTag[] = "<mzr-region>";
    static constexpr char regionEndTag[] = "</mzr-region>";
    static constexpr char featureTag[] = "<mzr-featre>";
    static constexpr char featureEndTag[] = "</mzr-featre>";
    static constexpr int tagSize = 12;
    static constexpr int endTagSize = 13;

    static RadiometricLayout locate(const QByteArray &bytes);
    // First and last byte (inclusive) of each JPEG; a JPEG only counts when it begins at the
    // file's first FF D8 FF E0 or right after the previous JPEG's FF D9.
    static QVector<QPoint> findJpegs(const QByteArray &bytes);

    bool isComplete() const { return failure == Failure::None; }

    QVector<QPoint> jpegs;
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
