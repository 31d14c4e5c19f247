// korvex-cli report over 1,000 photographs (640 x 480 matrices, three JPEGs with a 1920 x 1080
// Camera image) with one and two jobs, against opening each file with the full reader as the
// window does. Figures are photographs per second (items_per_second).

#include "cli/photographreport.h"
#include "model/imageentity.h"
#include "model/radiometricreader.h"
#include "support/radiometricfile.h"

#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

constexpr int photographCount = 1000;

void discard(QtMsgType, const QMessageLogContext&, const QString&) {}

QByteArray photograph(int seed)
{
    RadiometricFile file;
    file.jpegs = {
        RadiometricFile::jpeg(RadiometricFile::texturedImage(QSize(640, 480), seed), 85),
        RadiometricFile::jpeg(RadiometricFile::texturedImage(QSize(640, 480), seed + 1), 85),
        RadiometricFile::jpeg(RadiometricFile::texturedImage(QSize(1920, 1080), seed + 2), 85)
    };
    QVector<qint16> cells(640 * 480);
    QByteArray levels(640 * 480, '\0');
    for (int i = 0; i < cells.size(); ++i) {
        cells[i] = qint16(200 + (i * 7919 + seed) % 400);
        levels[i] = char(i * 31);
    }
    file.temperatures = RadiometricFile::temperatureSection(640, 480, cells);
    file.gray = RadiometricFile::graySection(640, 480, levels);
    ShapeRecord shape;
    shape.type = 2;
    shape.start = { 1000, 2000, 0 };
    shape.end = { 8000, 9000, 0 };
    file.trailer = RadiometricFile::shapeBlock({ shape, shape }) + RadiometricFile::featureBlock(1);
    return file.bytes();
}

// A few distinct photographs, written under a thousand names.
struct Folder
{
    Folder()
    {
        const QByteArray variants[] = { photograph(1), photograph(7), photograph(13) };
        for (int i = 0; i < photographCount; ++i) {
            const QString path =
              dir.filePath(QStringLiteral("IMG_%1.jpg").arg(i, 4, 10, QLatin1Char('0')));
            QFile file(path);
            if (file.open(QIODevice::WriteOnly))
                file.write(variants[i % 3]);
            files << path;
        }
    }

    QTemporaryDir dir;
    QStringList files;
};

const Folder& folder()
{
    static const Folder shared;
    return shared;
}

void report(benchmark::State& state)
{
    const QStringList& files = folder().files;
    for (auto _ : state)
        benchmark::DoNotOptimize(PhotographReport::csv(files, 0, int(state.range(0))));
    state.SetItemsProcessed(state.iterations() * files.size());
}

void fullReader(benchmark::State& state)
{
    const QStringList& files = folder().files;
    int next = 0;
    for (auto _ : state) {
        QFile file(files[next++ % files.size()]);
        file.open(QIODevice::ReadOnly);
        ImageEntity photo;
        benchmark::DoNotOptimize(RadiometricReader::read(file.readAll(), photo));
    }
    state.SetItemsProcessed(state.iterations());
}

} // namespace

BENCHMARK(fullReader)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(report)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char** argv)
{
    qInstallMessageHandler(discard);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    folder();
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
