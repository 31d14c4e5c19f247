// What a change of object parameters costs before the picture and the figures are shown again:
// on a real 640 × 480 photograph, the table of the new map, the palette picture through it and
// the figures of a rectangle over the whole photograph; beside the same done with the radiance
// balance worked out for every cell.
#include "measure/regionmeasure.h"
#include "model/imageentity.h"
#include "model/radiometricreader.h"
#include "render/palettetable.h"
#include "render/temperaturepicture.h"

#include <QFile>

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

const ImageEntity& photograph()
{
    static const ImageEntity read = [] {
        ImageEntity entity;
        QFile file(QStringLiteral(KORVEX_SAMPLES_DIR "/water-cooler.jpg"));
        if (!file.open(QIODevice::ReadOnly) || !RadiometricReader::read(file.readAll(), entity))
            qFatal("water-cooler.jpg is not readable");
        return entity;
    }();
    return read;
}

// Each iteration another emissivity, as while the user steps it.
ObjectParameters next(double& emissivity)
{
    emissivity = emissivity < 0.4 ? 0.95 : emissivity - 0.01;
    ObjectParameters parameters = ObjectParameters::ofCamera(photograph().details.emissivity);
    parameters.emissivity = emissivity;
    parameters.reflected = 25;
    return parameters;
}

const QPointF wholeStart(0.0, 0.0);
const QPointF wholeEnd(0.999, 0.999);
const TemperatureRange manual{ TemperatureRange::Manual, 10.0, 30.0 };

void parameterChange(benchmark::State& state)
{
    const TemperatureMatrix matrix = photograph().temperatures();
    const TemperatureMatrix::Summary summary = matrix.summary();
    const int lowest = int(std::lround(summary.minimum * 10));
    const int highest = int(std::lround(summary.maximum * 10));
    double emissivity = 0.95;
    for (auto _ : state) {
        const TemperatureCorrection correction(next(emissivity), lowest, highest);
        QImage picture = TemperaturePicture::render(matrix, manual, PaletteTable::Iron, correction);
        RegionMeasure::Shown figures;
        RegionMeasure(matrix).shown(
          ShapeKind::Rectangle, wholeStart, wholeEnd, correction, figures);
        benchmark::DoNotOptimize(picture);
        benchmark::DoNotOptimize(figures);
    }
}

// The balance of radiance for every cell on its own: S = ε₀·L(T₀) + (1 − ε₀)·L(Tr₀), then
// T₁ = L⁻¹((S − (1 − ε₁)·L(Tr₁)) / ε₁), no table, no atmosphere.
void parameterChangeStraightforward(benchmark::State& state)
{
    const TemperatureMatrix matrix = photograph().temperatures();
    const QRgb* colours = PaletteTable::colors(PaletteTable::Iron);
    double emissivity = 0.95;
    for (auto _ : state) {
        const ObjectParameters p = next(emissivity);
        const double reflected0 = Radiance::ofKelvin(p.cameraReflected + 273.15);
        const double reflected1 = Radiance::ofKelvin(p.reflected + 273.15);
        QImage picture(matrix.width(), matrix.height(), QImage::Format_RGB32);
        double sum = 0;
        double hottest = -1e9;
        int known = 0;
        for (int y = 0; y < matrix.height(); ++y) {
            for (int x = 0; x < matrix.width(); ++x) {
                const double stored = matrix.tenths(x, y) / 10.0;
                const double signal = p.cameraEmissivity * Radiance::ofKelvin(stored + 273.15) +
                                      (1 - p.cameraEmissivity) * reflected0;
                double kelvin = 0;
                if (!Radiance::kelvinOf((signal - (1 - p.emissivity) * reflected1) / p.emissivity,
                                        kelvin)) {
                    picture.setPixel(x, y, colours[0]);
                    continue;
                }
                const double t = kelvin - 273.15;
                picture.setPixel(x, y, colours[TemperaturePicture::linearEntryOf(t, 10, 30)]);
                sum += t;
                hottest = std::max(hottest, t);
                ++known;
            }
        }
        benchmark::DoNotOptimize(picture);
        benchmark::DoNotOptimize(sum);
        benchmark::DoNotOptimize(hottest);
        benchmark::DoNotOptimize(known);
    }
}

} // namespace

BENCHMARK(parameterChange)->Unit(benchmark::kMillisecond);
BENCHMARK(parameterChangeStraightforward)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
