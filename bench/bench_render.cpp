// Palette rendering and blending against their straightforward pixel()/setPixel() versions, and
// a change of temperature range: the 640 × 480 matrix through the range, scaled and blended with
// a 1920 × 1080 Camera image, as the window does on every step of a drag on the scale.

#include "render/imageblendthread.h"
#include "render/palettetable.h"
#include "render/temperaturepicture.h"
#include "support/straightforwardrender.h"

#include <QImage>
#include <QRandomGenerator>

#include <cmath>

#include <benchmark/benchmark.h>

namespace {

constexpr int grayWidth = 640;
constexpr int grayHeight = 480;
constexpr float blend = 0.5f;

const QByteArray& grayData()
{
    static const QByteArray gray = [] {
        QRandomGenerator random(1);
        QByteArray bytes(grayWidth * grayHeight, Qt::Uninitialized);
        for (char& level : bytes)
            level = char(random.bounded(256));
        return bytes;
    }();
    return gray;
}

const QImage& cameraImage()
{
    static const QImage camera = [] {
        QRandomGenerator random(2);
        QImage image(1920, 1080, QImage::Format_RGB32);
        for (int y = 0; y < image.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x)
                line[x] = random.generate() | 0xff000000u;
        }
        return image;
    }();
    return camera;
}

const QImage& paletteImage()
{
    static const QImage palette =
      ImageBlendThread::renderPaletteImage(grayData(), grayWidth, grayHeight, PaletteTable::Iron);
    return palette;
}

using Render = QImage (*)(const QByteArray&, int, int, unsigned);
using Blend = QImage (*)(const QImage&, const QImage&, float);

void renderPalette(benchmark::State& state, Render render)
{
    const auto palette = unsigned(state.range(0));
    for (auto _ : state) {
        QImage image = render(grayData(), grayWidth, grayHeight, palette);
        benchmark::DoNotOptimize(image);
    }
}

void blendImages(benchmark::State& state, Blend blendImages)
{
    for (auto _ : state) {
        QImage image = blendImages(paletteImage(), cameraImage(), blend);
        benchmark::DoNotOptimize(image);
    }
}

const TemperatureMatrix& temperatures()
{
    static const TemperatureMatrix matrix = [] {
        QRandomGenerator random(3);
        QByteArray bytes(grayWidth * grayHeight * 2, Qt::Uninitialized);
        for (int i = 0; i < grayWidth * grayHeight; ++i) {
            const int tenths = 150 + random.bounded(500);
            bytes[2 * i] = char(tenths & 0xff);
            bytes[2 * i + 1] = char(tenths >> 8);
        }
        return TemperatureMatrix(bytes, grayWidth, grayHeight);
    }();
    return matrix;
}

// Each iteration a new range, as during a drag.
void rangeChange(benchmark::State& state)
{
    double low = 18.0;
    for (auto _ : state) {
        low = low > 30.0 ? 18.0 : low + 0.1;
        const QImage palette = TemperaturePicture::render(
          temperatures(), { TemperatureRange::Manual, low, low + 20.0 }, PaletteTable::Iron);
        QImage shown = ImageBlendThread::compose(palette, cameraImage(), blend);
        benchmark::DoNotOptimize(shown);
    }
}

void rangeChangeStraightforward(benchmark::State& state)
{
    const QRgb* colours = PaletteTable::colors(PaletteTable::Iron);
    double low = 18.0;
    for (auto _ : state) {
        low = low > 30.0 ? 18.0 : low + 0.1;
        const double high = low + 20.0;
        QImage palette(grayWidth, grayHeight, QImage::Format_RGB32);
        for (int x = 0; x < grayWidth; ++x) {
            for (int y = 0; y < grayHeight; ++y) {
                const double t = temperatures().tenths(x, y) / 10.0;
                const int entry =
                  int(qBound(0.0, std::floor((t - low) / (high - low) * 256.0), 255.0));
                palette.setPixel(x, y, colours[entry]);
            }
        }
        QImage shown = StraightforwardRender::blendImages(palette, cameraImage(), blend);
        benchmark::DoNotOptimize(shown);
    }
}

} // namespace

BENCHMARK(rangeChange)->Unit(benchmark::kMillisecond);
BENCHMARK(rangeChangeStraightforward)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(renderPalette, fast, &ImageBlendThread::renderPaletteImage)
  ->DenseRange(0, PaletteTable::paletteCount - 1)
  ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(renderPalette, straightforward, &StraightforwardRender::renderPaletteImage)
  ->DenseRange(0, PaletteTable::paletteCount - 1)
  ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(blendImages, fast, &ImageBlendThread::blendImages)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(blendImages, straightforward, &StraightforwardRender::blendImages)
  ->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
