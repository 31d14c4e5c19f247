// Shape statistics over a full 640 × 480 matrix: the cells a shape covers, found row by row, beside
// the direct version (every cell of the matrix asked) and beside the measurement the window made
// before, which sampled the pixels of a 1000 × 750 label with 3 × 3 readings and walked the
// outline a tenth of a pixel at a time.

#include "bench/labelpixelmeasure.h"
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

ImageDrawPath wholePhotograph(ShapeKind kind)
{
    ImageDrawPath shape;
    shape.setKind(kind);
    shape.point(PointRole::Start) = PathPoint(0, 0, 0, 0);
    shape.point(PointRole::End) = PathPoint(1, 1, 0, 0);
    return shape;
}

void cells(benchmark::State& state, ShapeKind kind)
{
    const ImageDrawPath drawn = wholePhotograph(kind);
    for (auto _ : state) {
        ImageDrawPath shape = drawn;
        if (!RegionMeasure(photograph()).measure(shape))
            state.SkipWithError("nothing measured");
        benchmark::DoNotOptimize(shape.points[3].value);
    }
}

void directCells(benchmark::State& state, ShapeKind kind)
{
    const TemperatureMatrix matrix = photograph().temperatures();
    for (auto _ : state) {
        QPoint hottest, coldest;
        const QVector<QPoint> covered =
          RegionReference::cells(matrix, kind, QPointF(0, 0), QPointF(1, 1));
        if (!RegionReference::extremes(matrix, covered, hottest, coldest))
            state.SkipWithError("nothing measured");
        benchmark::DoNotOptimize(hottest);
    }
}

void labelPixels(benchmark::State& state, ShapeKind kind)
{
    const ImageDrawPath drawn = wholePhotograph(kind);
    for (auto _ : state) {
        ImageDrawPath shape = drawn;
        LabelPixelMeasure measure(photograph(), labelWidth, labelHeight);
        if (!measure.measure(shape))
            state.SkipWithError("nothing measured");
        benchmark::DoNotOptimize(shape.points[3].value);
    }
}

} // namespace

BENCHMARK_CAPTURE(cells, line, ShapeKind::Line)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(labelPixels, line, ShapeKind::Line)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(cells, rectangle, ShapeKind::Rectangle)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(directCells, rectangle, ShapeKind::Rectangle)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(labelPixels, rectangle, ShapeKind::Rectangle)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(cells, oval, ShapeKind::Oval)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(directCells, oval, ShapeKind::Oval)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(labelPixels, oval, ShapeKind::Oval)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
