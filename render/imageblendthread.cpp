#include "render/imageblendthread.h"

#include "render/palettetable.h"
#include "render/temperaturepicture.h"

#include <QDebug>

#include <array>
#include <memory>

namespace {

bool isEmpty(const QImage& image)
{
    return image.sizeInBytes() == 0;
}

// The mixing loop reads the 32-bit value that pixel() gives; for these formats that is the stored
// value itself, premultiplied or not.
bool isReadDirectly(QImage::Format format)
{
    return format == QImage::Format_RGB32 || format == QImage::Format_ARGB32 ||
           format == QImage::Format_ARGB32_Premultiplied;
}

QImage withPixels(const QImage& image)
{
    if (isReadDirectly(image.format()))
        return image;
    if (!image.hasAlphaChannel())
        return image.convertToFormat(QImage::Format_RGB32);
    // pixel() unpremultiplies in its own way for the rarer formats with alpha; follow it exactly.
    QImage copy(image.size(), QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(copy.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            line[x] = image.pixel(x, y);
    }
    return copy;
}

// mixed[camera][palette] is one output channel: camera x (1 - blend), rounded to single
// precision, plus palette x blend, truncated. Working it out once per pair costs 64 K float
// operations, against three per channel of every output pixel.
using MixTable = std::array<std::array<uchar, 256>, 256>;

void fillMixTable(MixTable& mixed, float blend)
{
    const float cameraWeight = 1.0f - blend;
    for (int camera = 0; camera < 256; ++camera) {
        const float cameraPart = camera * cameraWeight;
        for (int palette = 0; palette < 256; ++palette) {
            const float sum = cameraPart + palette * blend;
            const int channel = int(sum);
            mixed[camera][palette] = uchar(qMin(channel, 255));
        }
    }
}

} // namespace

ImageBlendThread* ImageBlendThread::create(ImageEntity* entity,
                                           unsigned palette,
                                           float blend,
                                           const TemperatureRange& range,
                                           const Isotherm& isotherm)
{
    if (!entity || palette >= PaletteTable::paletteCount || !(blend >= 0.0f && blend <= 1.0f))
        return nullptr;
    return new ImageBlendThread(entity, palette, blend, range, isotherm);
}

ImageBlendThread::ImageBlendThread(ImageEntity* entity,
                                   unsigned palette,
                                   float blend,
                                   const TemperatureRange& range,
                                   const Isotherm& isotherm)
  : entity(entity)
  , palette(palette)
  , blend(blend)
  , grayData(entity->grayData)
  , grayWidth(entity->grayWidth)
  , grayHeight(entity->grayHeight)
  , range(range)
  , isotherm(isotherm)
  , temperatures(entity->temperatures())
  , cameraImage(entity->cameraImage)
{
    // Queued to this object's thread, the creator's, and connected before anyone else can
    // connect to finished(), so the hand-over runs before deleteLater().
    connect(this, &QThread::finished, this, &ImageBlendThread::handOver);
}

ImageBlendThread::~ImageBlendThread()
{
    qDebug() << "~ImageBlendThread() " << Qt::endl;
}

bool ImageBlendThread::launch()
{
    if (!entity)
        return false;
    connect(this, &QThread::finished, this, &QObject::deleteLater);
    start(QThread::InheritPriority);
    return true;
}

void ImageBlendThread::run()
{
    qDebug() << "ImageBlendThread::run()" << Qt::endl;
    paletteImage =
      renderPicture(grayData, grayWidth, grayHeight, temperatures, range, isotherm, palette);
    result = compose(paletteImage, cameraImage, blend);
    ran.store(true, std::memory_order_release);
}

QImage ImageBlendThread::renderPicture(const QByteArray& grayData,
                                       int grayWidth,
                                       int grayHeight,
                                       const TemperatureMatrix& temperatures,
                                       const TemperatureRange& range,
                                       const Isotherm& isotherm,
                                       unsigned palette)
{
    QImage picture;
    if (range.mode != TemperatureRange::Camera)
        picture = TemperaturePicture::render(temperatures, range, palette);
    if (picture.isNull())
        picture = renderPaletteImage(grayData, grayWidth, grayHeight, palette);
    TemperaturePicture::paintIsotherm(picture, temperatures, isotherm);
    return picture;
}

QImage ImageBlendThread::compose(const QImage& paletteImage, const QImage& cameraImage, float blend)
{
    const bool hasCamera = !isEmpty(cameraImage);
    const bool hasPalette = !isEmpty(paletteImage);
    if (blend == 0.0f && hasCamera)
        return cameraImage;
    if (blend == 1.0f && hasPalette)
        return paletteImage;
    if (hasCamera && !hasPalette)
        return cameraImage;
    if (hasPalette && !hasCamera)
        return paletteImage;
    return blendImages(paletteImage, cameraImage, blend);
}

void ImageBlendThread::discard()
{
    discarded = true;
}

void ImageBlendThread::handOver()
{
    if (discarded)
        return;
    if (!ran.load(std::memory_order_acquire)) {
        emit blendFailed();
        return;
    }
    if (!entity) {
        emit blendFailed();
        return;
    }
    entity->paletteImage = paletteImage;
    if (result.isNull())
        emit blendFailed();
    else
        emit blendSucceed(result);
}

QImage ImageBlendThread::renderPaletteImage(const QByteArray& grayData,
                                            int width,
                                            int height,
                                            unsigned palette)
{
    const QRgb* colors = PaletteTable::colors(palette);
    // Both sides are checked on their own: two negative sizes have a positive product.
    if (!colors || width <= 0 || height <= 0 || qint64(width) * height != grayData.size())
        return QImage();
    QImage image(width, height, QImage::Format_RGB32);
    if (image.isNull())
        return QImage();
    const auto* gray = reinterpret_cast<const uchar*>(grayData.constData());
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        const uchar* row = gray + qsizetype(y) * width;
        for (int x = 0; x < width; ++x)
            line[x] = colors[row[x]];
    }
    return image;
}

QImage ImageBlendThread::blendImages(const QImage& paletteImage,
                                     const QImage& cameraImage,
                                     float blend)
{
    if (isEmpty(paletteImage) || isEmpty(cameraImage))
        return QImage();
    QImage palette = paletteImage;
    QImage camera = cameraImage;
    const bool scalePalette = palette.sizeInBytes() < camera.sizeInBytes();
    if (scalePalette)
        palette = palette.scaled(camera.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    else
        camera = camera.scaled(palette.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    palette = withPixels(palette);
    camera = withPixels(camera);
    if (palette.isNull() || palette.size() != camera.size())
        return QImage();

    // The scaled copy is normally this function's alone, so the result is written over it rather
    // than into one more full-size image: fresh memory costs more to touch than the mixing itself.
    QImage& output = scalePalette ? palette : camera;
    if (!output.bits())
        return QImage();
    const auto table = std::make_unique<MixTable>();
    fillMixTable(*table, blend);
    const MixTable& mixed = *table;
    const int width = output.width();
    const int height = output.height();
    for (int y = 0; y < height; ++y) {
        auto* outputLine = reinterpret_cast<QRgb*>(output.scanLine(y));
        const auto* cameraLine = reinterpret_cast<const QRgb*>(camera.constScanLine(y));
        const auto* paletteLine = reinterpret_cast<const QRgb*>(palette.constScanLine(y));
        for (int x = 0; x < width; ++x) {
            const QRgb c = cameraLine[x];
            const QRgb p = paletteLine[x];
            outputLine[x] =
              qRgb(mixed[qRed(c)][qRed(p)], mixed[qGreen(c)][qGreen(p)], mixed[qBlue(c)][qBlue(p)]);
        }
    }
    output.reinterpretAsFormat(QImage::Format_RGB32);
    return output;
}
