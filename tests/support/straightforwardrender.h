#pragma once

#include "render/palettetable.h"

#include <QByteArray>
#include <QImage>

// Palette rendering and blending written the plain way, with pixel() and setPixel(), column by
// column. The fast versions are checked against these and measured next to them.
class StraightforwardRender
{
public:
    // Only for sizes that describe grayData exactly.
    static QImage renderPaletteImage(const QByteArray& grayData,
                                     int width,
                                     int height,
                                     unsigned palette)
    {
        const QRgb* colors = PaletteTable::colors(palette);
        QImage image(width, height, QImage::Format_RGB32);
        for (int x = 0; x < width; ++x) {
            for (int y = 0; y < height; ++y)
                image.setPixel(x, y, colors[uchar(grayData.at(y * width + x))] | 0xff000000u);
        }
        return image;
    }

    static QImage blendImages(const QImage& paletteImage, const QImage& cameraImage, float blend)
    {
        if (paletteImage.sizeInBytes() == 0 || cameraImage.sizeInBytes() == 0)
            return QImage();
        QImage palette = paletteImage;
        QImage camera = cameraImage;
        if (palette.sizeInBytes() < camera.sizeInBytes())
            palette =
              palette.scaled(camera.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        else
            camera = camera.scaled(palette.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        QImage output(camera.width(), camera.height(), QImage::Format_RGB32);
        for (int x = 0; x < camera.width(); ++x) {
            for (int y = 0; y < camera.height(); ++y) {
                const QRgb c = camera.pixel(x, y);
                const QRgb p = palette.pixel(x, y);
                output.setPixel(x,
                                y,
                                qRgb(mix(qRed(c), qRed(p), blend),
                                     mix(qGreen(c), qGreen(p), blend),
                                     mix(qBlue(c), qBlue(p), blend)));
            }
        }
        return output;
    }

private:
    static int mix(int camera, int palette, float blend)
    {
        const float cameraPart = camera * (1.0f - blend);
        const int value = int(cameraPart + palette * blend);
        return value > 255 ? 255 : value;
    }
};
