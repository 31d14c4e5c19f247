// One pointer move over a 1920 x 1080 photograph on a maximised drawing surface, with its
// readout repainted, against the straightforward version that repaints the whole surface for it
// (as painting the readout in the surface itself would).

#include "document/photographdocument.h"
#include "model/imagedrawpath.h"
#include "support/measurescene.h"
#include "surface/imagedrawlabel.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

#include <benchmark/benchmark.h>

namespace {

struct Scene
{
    Scene()
      : photo(MeasureScene::landscape(640, 480, 3, QSize(1920, 1080)))
      , surface(new ImageDrawLabel(&area))
    {
        // The image area of a maximised window on a 1920 x 1080 screen.
        area.resize(1560, 900);
        area.show();
        QImage picture(1920, 1080, QImage::Format_RGB32);
        for (int y = 0; y < picture.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
            for (int x = 0; x < picture.width(); ++x)
                line[x] = qRgb(x % 256, y % 256, (x + y) % 256);
        }
        surface->setEntity(&photo);
        surface->setImage(picture);
        // A photograph with measurements on it, so that a full repaint has its real cost.
        for (int i = 0; i < 12; ++i) {
            ImageDrawPath shape;
            shape.type = 1 + i % 3;
            shape.points[0] = PathPoint(0.05f * i, 0.1f, 0, 0);
            shape.points[1] = PathPoint(0.05f * i + 0.3f, 0.8f, 0, 0);
            shape.points[3] = PathPoint(0.5f, 0.5f, 40.0f, 0);
            shape.points[4] = PathPoint(0.2f, 0.3f, 20.0f, 0);
            surface->document()->addShape(shape);
        }
        QApplication::processEvents();
    }

    void hover(int step)
    {
        const QPoint at(200 + (step % 400) * 2, 150 + (step % 300));
        QMouseEvent move(QEvent::MouseMove, at, Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(surface, &move);
    }

    ImageEntity photo;
    QWidget area;
    ImageDrawLabel* surface;
};

Scene& scene()
{
    static Scene shown;
    return shown;
}

void readoutMove(benchmark::State& state)
{
    Scene& s = scene();
    int step = 0;
    for (auto _ : state) {
        s.hover(++step);
        QApplication::processEvents();
    }
}

void fullRepaintMove(benchmark::State& state)
{
    Scene& s = scene();
    int step = 0;
    for (auto _ : state) {
        s.hover(++step);
        s.surface->update();
        QApplication::processEvents();
    }
}

} // namespace

BENCHMARK(readoutMove)->Unit(benchmark::kMillisecond);
BENCHMARK(fullRepaintMove)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
