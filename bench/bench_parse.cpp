// Reading a photograph against decoding its three JPEGs alone: the reader's own work (finding the
// JPEGs, taking the matrices, the device block and the shapes) should add little to the decoding.
#include "model/imageentity.h"
#include "model/radiometricreader.h"
#include "support/radiometricfile.h"

#include <QGuiApplication>
#include <QPainter>

#include <benchmark/benchmark.h>

namespace {

void discard(QtMsgType, const QMessageLogContext&, const QString&) {}

struct Photograph
{
    QList<QByteArray> jpegs;
    QByteArray bytes;
};

const Photograph& photograph()
{
    static const Photograph photo = [] {
        Photograph p;
        RadiometricFile file;
        file.jpegs = {
            RadiometricFile::jpeg(RadiometricFile::texturedImage(QSize(640, 480), 1), 90),
            RadiometricFile::jpeg(RadiometricFile::texturedImage(QSize(640, 480), 2), 90),
            RadiometricFile::jpeg(RadiometricFile::texturedImage(QSize(1920, 1080), 3), 90)
        };
        QVector<qint16> cells(640 * 480);
        QByteArray levels(640 * 480, '\0');
        for (int i = 0; i < cells.size(); ++i) {
            cells[i] = qint16(200 + (i * 7919) % 400);
            levels[i] = char(i * 31);
        }
        file.temperatures = RadiometricFile::temperatureSection(640, 480, cells);
        file.gray = RadiometricFile::graySection(640, 480, levels);
        file.device.length = 104;
        QList<ShapeRecord> shapes;
        for (int type = 0; type < 4; ++type) {
            ShapeRecord shape;
            shape.type = type;
            shape.start = { 1000, 2000, 0 };
            shape.end = { 8000, 9000, 0 };
            shapes << shape << shape;
        }
        file.trailer = RadiometricFile::shapeBlock(shapes) + RadiometricFile::featureBlock(1);
        p.jpegs = file.jpegs;
        p.bytes = file.bytes();
        return p;
    }();
    return photo;
}

void BM_ParsePhotograph(benchmark::State& state)
{
    const QByteArray& bytes = photograph().bytes;
    for (auto _ : state) {
        ImageEntity entity;
        const bool read = RadiometricReader::read(bytes, entity);
        benchmark::DoNotOptimize(read);
        benchmark::DoNotOptimize(entity.cameraImage.constBits());
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}
BENCHMARK(BM_ParsePhotograph)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_DecodeThreeJpegs(benchmark::State& state)
{
    const QList<QByteArray>& jpegs = photograph().jpegs;
    for (auto _ : state) {
        for (const QByteArray& jpeg : jpegs) {
            const QImage image = QImage::fromData(jpeg);
            benchmark::DoNotOptimize(image.constBits());
        }
    }
}
BENCHMARK(BM_DecodeThreeJpegs)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    qInstallMessageHandler(discard);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
