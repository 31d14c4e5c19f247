// Shape statistics over a 640 x 480 matrix on a 1000 x 750 label: the measurement against the
// direct version (one containment test per pixel, one length look-up per tenth of a pixel), and
// a short line, whose cost is the setting up rather than the walk.

#include "measure/regionmeasure.h"
#include "support/measurescene.h"
#include "support/regionreference.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int labelWidth = 1000;
constexpr int labelHeight = 750;

const ImageEntity& photograph()
{
    static const ImageEntity photo = MeasureScene::landscape(640, 480, 7, QSize(1280, 960));
    return photo;
}

enum Kind
{
    DiagonalLine = 1,
    FullRectangle = 2,
    FullOval = 3,
    ShortLine = 4,
};

ImageDrawPath wholeLabel(Kind kind)
{
    ImageDrawPath shape;
    shape.type = kind == ShortLine ? int(DiagonalLine) : int(kind);
    shape.points[0] = PathPoint(0, 0, 0, 0);
    shape.points[1] = PathPoint(1, 1, 0, 0);
    if (kind == ShortLine) {
        shape.points[0] = PathPoint(0.5f, 0.5f, 0, 0);
        shape.points[1] = PathPoint(0.53f, 0.5f, 0, 0);
    }
    return shape;
}

void fast(benchmark::State& state, Kind kind)
{
    const ImageDrawPath drawn = wholeLabel(kind);
    for (auto _ : state) {
        ImageDrawPath shape = drawn;
        RegionMeasure measure(photograph(), labelWidth, labelHeight);
        if (!measure.measure(shape))
            state.SkipWithError("nothing measured");
        benchmark::DoNotOptimize(shape.points[3].value);
    }
}

void direct(benchmark::State& state, Kind kind)
{
    const ImageDrawPath drawn = wholeLabel(kind);
    for (auto _ : state) {
        ImageDrawPath shape = drawn;
        if (!RegionReference::measure(photograph(), shape, labelWidth, labelHeight))
            state.SkipWithError("nothing measured");
        benchmark::DoNotOptimize(shape.points[3].value);
    }
}

} // namespace

BENCHMARK_CAPTURE(fast, short_line, ShortLine)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(direct, short_line, ShortLine)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(fast, line, DiagonalLine)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(direct, line, DiagonalLine)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_CAPTURE(fast, rectangle, FullRectangle)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(direct, rectangle, FullRectangle)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK_CAPTURE(fast, oval, FullOval)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(direct, oval, FullOval)->Unit(benchmark::kMillisecond)->Iterations(1);

BENCHMARK_MAIN();
