#include "render/imageblendthread.h"

#include "render/palettetable.h"
#include "render/temperaturepicture.h"

#include <QDebug>

#include <algorithm>
#include <array>
#include <memory>
#include <system_error>
#include <thread>
#include <vector>

// KORVEX_PORTABLE_BLEND builds the form for processors without SSE2, and KORVEX_NO_AVX2_BLEND the
// one for those without AVX2, so that each can be tested on any machine.
#if defined(__SSE2__) && !defined(KORVEX_PORTABLE_BLEND)
#define KORVEX_SSE2_BLEND
#include <emmintrin.h>
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__)) &&                            \
  !defined(KORVEX_NO_AVX2_BLEND)
#define KORVEX_AVX2_BLEND
#include <immintrin.h>
#endif
#endif

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

// One output channel: camera x (1 - blend), rounded to single precision, plus palette x blend,
// truncated. Every way of mixing below must give exactly these bytes, so the float steps and
// their order are the same in all of them.
inline int mixChannel(int camera, int palette, float blend)
{
    const float cameraPart = camera * (1.0f - blend);
    const float sum = cameraPart + palette * blend;
    return qMin(int(sum), 255);
}

#if defined(KORVEX_AVX2_BLEND)

// Two pixels' channels, each in its own float lane, mixed as mixChannel() does.
__attribute__((target("avx2"))) inline __m256i mixTwoPixels(__m128i camera,
                                                            __m128i palette,
                                                            __m256 cameraWeight,
                                                            __m256 paletteWeight)
{
    const __m256 cameraPart =
      _mm256_mul_ps(_mm256_cvtepi32_ps(_mm256_cvtepu8_epi32(camera)), cameraWeight);
    const __m256 palettePart =
      _mm256_mul_ps(_mm256_cvtepi32_ps(_mm256_cvtepu8_epi32(palette)), paletteWeight);
    return _mm256_cvttps_epi32(_mm256_add_ps(cameraPart, palettePart));
}

// Eight pixels at a time where the processor has AVX2: half the instructions of the SSE2 loop,
// which is bound by arithmetic rather than memory. Returns how many pixels it mixed.
__attribute__((target("avx2"))) int mixEightAtATime(const QRgb* camera,
                                                    const QRgb* palette,
                                                    QRgb* output,
                                                    int width,
                                                    float blend)
{
    const __m256 cameraWeight = _mm256_set1_ps(1.0f - blend);
    const __m256 paletteWeight = _mm256_set1_ps(blend);
    const __m256i opaque = _mm256_set1_epi32(int(0xff000000u));
    // Packing works within each 128-bit half, leaving the pixels in the order 0 2 4 6 1 3 5 7.
    const __m256i inOrder = _mm256_setr_epi32(0, 4, 1, 5, 2, 6, 3, 7);
    int x = 0;
    for (; x + 8 <= width; x += 8) {
        const __m128i c0 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(camera + x));
        const __m128i c1 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(camera + x + 4));
        const __m128i p0 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(palette + x));
        const __m128i p1 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(palette + x + 4));
        const __m256i first = _mm256_packs_epi32(
          mixTwoPixels(c0, p0, cameraWeight, paletteWeight),
          mixTwoPixels(_mm_srli_si128(c0, 8), _mm_srli_si128(p0, 8), cameraWeight, paletteWeight));
        const __m256i second = _mm256_packs_epi32(
          mixTwoPixels(c1, p1, cameraWeight, paletteWeight),
          mixTwoPixels(_mm_srli_si128(c1, 8), _mm_srli_si128(p1, 8), cameraWeight, paletteWeight));
        const __m256i mixed =
          _mm256_permutevar8x32_epi32(_mm256_packus_epi16(first, second), inOrder);
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(output + x), _mm256_or_si256(mixed, opaque));
    }
    return x;
}

bool hasAvx2()
{
    static const bool avx2 = __builtin_cpu_supports("avx2");
    return avx2;
}

#endif

#if defined(KORVEX_SSE2_BLEND)

// Four pixels at a time, every channel in its own float lane: the same roundings as
// mixChannel(), since SSE single-precision arithmetic is the scalar arithmetic of x86-64.
class RowMixer
{
public:
    explicit RowMixer(float blend)
      : cameraWeight(_mm_set1_ps(1.0f - blend))
      , paletteWeight(_mm_set1_ps(blend))
      , blend(blend)
#if defined(KORVEX_AVX2_BLEND)
      , wide(hasAvx2())
#endif
    {
    }

    void operator()(const QRgb* camera, const QRgb* palette, QRgb* output, int width) const
    {
        const __m128i zero = _mm_setzero_si128();
        const __m128i opaque = _mm_set1_epi32(int(0xff000000u));
        int x = 0;
#if defined(KORVEX_AVX2_BLEND)
        if (wide)
            x = mixEightAtATime(camera, palette, output, width, blend);
#endif
        for (; x + 4 <= width; x += 4) {
            const __m128i c = _mm_loadu_si128(reinterpret_cast<const __m128i*>(camera + x));
            const __m128i p = _mm_loadu_si128(reinterpret_cast<const __m128i*>(palette + x));
            const __m128i cLow = _mm_unpacklo_epi8(c, zero);
            const __m128i cHigh = _mm_unpackhi_epi8(c, zero);
            const __m128i pLow = _mm_unpacklo_epi8(p, zero);
            const __m128i pHigh = _mm_unpackhi_epi8(p, zero);
            const __m128i first =
              _mm_packs_epi32(mix(_mm_unpacklo_epi16(cLow, zero), _mm_unpacklo_epi16(pLow, zero)),
                              mix(_mm_unpackhi_epi16(cLow, zero), _mm_unpackhi_epi16(pLow, zero)));
            const __m128i second = _mm_packs_epi32(
              mix(_mm_unpacklo_epi16(cHigh, zero), _mm_unpacklo_epi16(pHigh, zero)),
              mix(_mm_unpackhi_epi16(cHigh, zero), _mm_unpackhi_epi16(pHigh, zero)));
            // Saturation is the clamp to 255; the alpha lanes are mixed too, then overwritten.
            const __m128i mixed = _mm_or_si128(_mm_packus_epi16(first, second), opaque);
            _mm_storeu_si128(reinterpret_cast<__m128i*>(output + x), mixed);
        }
        for (; x < width; ++x) {
            const QRgb c = camera[x];
            const QRgb p = palette[x];
            output[x] = qRgb(mixChannel(qRed(c), qRed(p), blend),
                             mixChannel(qGreen(c), qGreen(p), blend),
                             mixChannel(qBlue(c), qBlue(p), blend));
        }
    }

private:
    __m128i mix(__m128i camera, __m128i palette) const
    {
        const __m128 cameraPart = _mm_mul_ps(_mm_cvtepi32_ps(camera), cameraWeight);
        const __m128 sum =
          _mm_add_ps(cameraPart, _mm_mul_ps(_mm_cvtepi32_ps(palette), paletteWeight));
        return _mm_cvttps_epi32(sum);
    }

    const __m128 cameraWeight;
    const __m128 paletteWeight;
    const float blend;
#if defined(KORVEX_AVX2_BLEND)
    const bool wide;
#endif
};

#else

// Without vector arithmetic, each (camera, palette) pair is worked out once: 64 K float
// operations, against three per channel of every output pixel.
class RowMixer
{
public:
    explicit RowMixer(float blend)
      : mixed(std::make_unique<Table>())
    {
        for (int camera = 0; camera < 256; ++camera) {
            for (int palette = 0; palette < 256; ++palette)
                (*mixed)[camera][palette] = uchar(mixChannel(camera, palette, blend));
        }
    }

    void operator()(const QRgb* camera, const QRgb* palette, QRgb* output, int width) const
    {
        const Table& table = *mixed;
        for (int x = 0; x < width; ++x) {
            const QRgb c = camera[x];
            const QRgb p = palette[x];
            output[x] =
              qRgb(table[qRed(c)][qRed(p)], table[qGreen(c)][qGreen(p)], table[qBlue(c)][qBlue(p)]);
        }
    }

private:
    using Table = std::array<std::array<uchar, 256>, 256>;
    std::unique_ptr<Table> mixed;
};

#endif

// Large pictures are worked in bands of rows on every core. Each row depends on its own inputs
// alone, so the result is the same however the rows are shared out; a band whose thread cannot
// be started is worked here instead.
template<typename Work>
void inBands(int rows, qint64 pixels, const Work& work)
{
    // Below this, starting a thread costs about what it saves.
    constexpr qint64 pixelsPerBand = qint64(1) << 18;
    constexpr qint64 mostBands = 8;
    const qint64 cores = qMax(1u, std::thread::hardware_concurrency());
    const qint64 bands =
      qBound<qint64>(1, pixels / pixelsPerBand, std::min({ cores, mostBands, qint64(rows) }));
    const auto start = [&](qint64 band) { return int(rows * band / bands); };
    std::vector<std::thread> helpers;
    for (qint64 band = 1; band < bands; ++band) {
        try {
            helpers.emplace_back(work, start(band), start(band + 1));
        } catch (const std::system_error&) {
            work(start(band), start(band + 1));
        }
    }
    work(0, start(1));
    for (std::thread& helper : helpers)
        helper.join();
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
  , correction(entity->correction())
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
    paletteImage = renderPicture(
      grayData, grayWidth, grayHeight, temperatures, range, isotherm, palette, correction);
    result = compose(paletteImage, cameraImage, blend);
    ran.store(true, std::memory_order_release);
}

QImage ImageBlendThread::renderPicture(const QByteArray& grayData,
                                       int grayWidth,
                                       int grayHeight,
                                       const TemperatureMatrix& temperatures,
                                       const TemperatureRange& range,
                                       const Isotherm& isotherm,
                                       unsigned palette,
                                       const TemperatureCorrection& correction)
{
    QImage picture;
    if (range.mode != TemperatureRange::Camera)
        picture = TemperaturePicture::render(temperatures, range, palette, correction);
    if (picture.isNull())
        picture = renderPaletteImage(grayData, grayWidth, grayHeight, palette);
    TemperaturePicture::paintIsotherm(picture, temperatures, isotherm, correction);
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
    const RowMixer mixRow(blend);
    const int width = output.width();
    uchar* const outputBits = output.bits();
    const uchar* const cameraBits = camera.constBits();
    const uchar* const paletteBits = palette.constBits();
    const qsizetype outputStride = output.bytesPerLine();
    const qsizetype cameraStride = camera.bytesPerLine();
    const qsizetype paletteStride = palette.bytesPerLine();
    inBands(output.height(), qint64(width) * output.height(), [&](int begin, int end) {
        for (int y = begin; y < end; ++y) {
            mixRow(reinterpret_cast<const QRgb*>(cameraBits + y * cameraStride),
                   reinterpret_cast<const QRgb*>(paletteBits + y * paletteStride),
                   reinterpret_cast<QRgb*>(outputBits + y * outputStride),
                   width);
        }
    });
    output.reinterpretAsFormat(QImage::Format_RGB32);
    return output;
}
