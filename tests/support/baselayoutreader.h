#pragma once

#include <QByteArray>

// Reads a photograph by the base layout alone, as any other reader of these files would: JPEGs
// back to back, the temperature and gray matrices, the device block, then an optional shape
// block and the feature block, and nothing after it. Written apart from the program's reader, so
// that a test can tell what such a reader makes of the files the program writes.
struct BaseLayout
{
    bool ok = false;
    int jpegs = 0;
    int temperatureWidth = 0;
    int temperatureHeight = 0;
    QByteArray temperatures;
    QByteArray gray;
    qint32 palette = 0;
    qint32 unit = 0;
    qint32 blendCode = 0;
    bool hasShapes = false;
    QByteArray shapePayload;
    int feature = -1;
    // Where such a reader stops: right behind the feature block.
    qint64 end = -1;

    static BaseLayout read(const QByteArray& bytes);
};
