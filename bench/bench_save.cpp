// Saving an annotated photograph: what the save command costs the GUI thread (grabbing the drawing
// surface, copying the photograph and shapes, turning the grab into an image) and the whole save
// with encoding and writing, against encoding the grab alone, the floor of any save.
#include "document/photographdocument.h"
#include "model/imageentity.h"
#include "model/imagesavethread.h"
#include "model/radiometricreader.h"
#include "support/radiometricfile.h"
#include "surface/imagedrawlabel.h"

#include <QApplication>
#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

void discard(QtMsgType, const QMessageLogContext&, const QString&) {}

QList<ImageDrawPath> fiftyShapes()
{
    QList<ImageDrawPath> shapes;
    for (int i = 0; i < 50; ++i) {
        ImageDrawPath shape;
        shape.type = i % 4;
        const float x = 0.05f + 0.017f * float(i);
        shape.points[0] = PathPoint(x, 0.1f + 0.01f * float(i % 7), 0.0f, 0);
        shape.points[1] = PathPoint(x + 0.1f, 0.3f + 0.01f * float(i % 5), 0.0f, 0);
        shape.points[3] = PathPoint(x + 0.05f, 0.2f, 30.0f + float(i) * 0.37f, 0);
        shape.points[4] = PathPoint(x + 0.02f, 0.25f, 20.0f - float(i) * 0.11f, 0);
        shapes.append(shape);
    }
    return shapes;
}

// One opened photograph shown on a 1000 × 750 drawing surface with fifty shapes.
struct Scene
{
    Scene()
    {
        RadiometricFile file;
        file.jpegs = {
            RadiometricFile::jpeg(RadiometricFile::texturedImage(QSize(640, 480), 1), 90),
            RadiometricFile::jpeg(RadiometricFile::texturedImage(QSize(1920, 1080), 2), 90)
        };
        QVector<qint16> cells(640 * 480);
        QByteArray levels(640 * 480, '\0');
        for (int i = 0; i < cells.size(); ++i) {
            cells[i] = qint16(200 + (i * 7919) % 400);
            levels[i] = char(i * 31);
        }
        file.temperatures = RadiometricFile::temperatureSection(640, 480, cells);
        file.gray = RadiometricFile::graySection(640, 480, levels);
        sourcePath = folder.filePath(QStringLiteral("source.jpg"));
        targetPath = folder.filePath(QStringLiteral("saved.jpg"));
        QFile source(sourcePath);
        if (!source.open(QIODevice::WriteOnly) || source.write(file.bytes()) != file.bytes().size())
            qFatal("cannot write the source photograph");
        source.close();
        if (!RadiometricReader::read(file.bytes(), entity))
            qFatal("the source photograph does not read");

        window.resize(1000, 750);
        surface = new ImageDrawLabel(&window);
        surface->setEntity(&entity);
        surface->setImage(RadiometricFile::texturedImage(QSize(640, 480), 3));
        for (const ImageDrawPath& shape : fiftyShapes())
            surface->document()->addShape(shape);
        window.show();
        if (surface->size() != QSize(1000, 750))
            qFatal("the drawing surface is not 1000 x 750");
    }

    ImageSaveThread* createThread(const QPixmap& snapshot)
    {
        return ImageSaveThread::create(
          sourcePath, targetPath, surface->pathList(), &entity, 1, 0, 40, true, snapshot);
    }

    QPixmap grab() { return surface->grab(QRect(0, 0, surface->width(), surface->height())); }

    QTemporaryDir folder;
    QString sourcePath;
    QString targetPath;
    ImageEntity entity;
    QWidget window;
    ImageDrawLabel* surface = nullptr;
};

// Built on first use and torn down before the application, since it holds widgets.
std::unique_ptr<Scene> sharedScene;

Scene& scene()
{
    if (!sharedScene)
        sharedScene = std::make_unique<Scene>();
    return *sharedScene;
}

void BM_SaveGuiThreadPart(benchmark::State& state)
{
    Scene& s = scene();
    for (auto _ : state) {
        std::unique_ptr<ImageSaveThread> thread(s.createThread(s.grab()));
        benchmark::DoNotOptimize(thread.get());
    }
}
BENCHMARK(BM_SaveGuiThreadPart)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_SaveWhole(benchmark::State& state)
{
    Scene& s = scene();
    for (auto _ : state) {
        std::unique_ptr<ImageSaveThread> thread(s.createThread(s.grab()));
        if (!thread->save())
            state.SkipWithError("the save failed");
    }
    state.counters["saved_bytes"] = double(QFileInfo(s.targetPath).size());
}
BENCHMARK(BM_SaveWhole)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_EncodeGrabOnly(benchmark::State& state)
{
    Scene& s = scene();
    const QImage grabbed = s.grab().toImage();
    for (auto _ : state) {
        QByteArray jpeg;
        QBuffer buffer(&jpeg);
        buffer.open(QIODevice::WriteOnly);
        grabbed.save(&buffer, "jpg");
        benchmark::DoNotOptimize(jpeg.constData());
    }
}
BENCHMARK(BM_EncodeGrabOnly)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    qInstallMessageHandler(discard);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    sharedScene.reset();
    return 0;
}
