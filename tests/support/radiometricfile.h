#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QList>
#include <QSize>
#include <QVector>

// What a device information block holds, in the units of the file.
struct DeviceInfo
{
    qint32 length = 112;
    QByteArray text1 = "KX-384";
    QByteArray text2 = "SN0001";
    QByteArray captureTime = "2026-11-05 09:41:12";
    quint16 centreX = 0, centreY = 0;
    qint32 centreTemperature = 0;
    quint16 maxX = 0, maxY = 0;
    qint32 maxTemperature = 0;
    quint16 minX = 0, minY = 0;
    qint32 minTemperature = 0;
    qint32 emissivity = 95;
    qint32 palette = 1;
    qint32 unit = 0;
    qint32 storedBlend = 0;
    quint16 marginTop = 0, marginRight = 0, marginBottom = 0, marginLeft = 0;
};

// One entry of a shape record; a record holds points 0, 1, 3 and 4 of a shape.
struct RecordPoint
{
    quint16 x = 0;
    quint16 y = 0;
    qint32 value = 0;
};

struct ShapeRecord
{
    int type = 0;
    RecordPoint start, end, maximum, minimum;
};

// Composes radiometric photographs from their sections, so tests can build every layout the
// reader meets, sound or broken.
class RadiometricFile
{
public:
    static QByteArray jpeg(const QImage& image, int quality = 90);
    static QByteArray jpeg(const QSize& size, const QColor& color = QColor(90, 120, 150));
    // Noise everywhere, so that its JPEG costs as much to encode and decode as a photograph's.
    static QImage texturedImage(const QSize& size, int seed);
    static QByteArray temperatureSection(int width, int height, const QVector<qint16>& cells);
    static QByteArray graySection(int width, int height, const QByteArray& levels);
    static QByteArray deviceBlock(const DeviceInfo& info);
    static QByteArray shapePayload(const QList<ShapeRecord>& shapes);
    static QByteArray shapeBlock(const QList<ShapeRecord>& shapes);
    static QByteArray shapeBlock(qint32 length, const QByteArray& payload);
    static QByteArray featureBlock(quint8 shown);
    // The extension block around a payload, its length field saying the payload's size or length.
    static QByteArray extensionBlock(const QByteArray& payload);
    static QByteArray extensionBlock(qint32 length, const QByteArray& payload);
    static void appendU16(QByteArray& bytes, quint16 value);
    static void appendI32(QByteArray& bytes, qint32 value);

    // A small sound photograph: Screen 64 × 48 and Camera 80 × 60, 16 × 12 matrices, a 112-byte
    // device block without margin, no trailing blocks.
    RadiometricFile();

    QByteArray bytes() const;

    QList<QByteArray> jpegs;
    QByteArray temperatures;
    QByteArray gray;
    DeviceInfo device;
    QByteArray trailer;
};
