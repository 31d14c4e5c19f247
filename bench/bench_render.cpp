// Palette rendering and blending against their straightforward pixel()/setPixel() versions.

#include "render/imageblendthread.h"
#include "render/palettetable.h"
#include "support/straightforwardrender.h"

#include <QImage>
#include <QRandomGenerator>

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

} // namespace

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
