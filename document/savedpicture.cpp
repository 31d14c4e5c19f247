#include "document/savedpicture.h"

#include "measure/annotatedpicture.h"
#include "model/imageentity.h"
#include "render/imageblendthread.h"

#include <QGuiApplication>

#include <cmath>

QSize SavedPicture::photographSize(const ImageEntity& photograph, const QImage& rendered)
{
    const int width = qMax(minimumWidth, qMax(photograph.screenWidth, photograph.temperatureWidth));
    QSize proportions(4, 3);
    if (!rendered.isNull())
        proportions = rendered.size();
    else if (photograph.screenWidth > 0 && photograph.screenHeight > 0)
        proportions = QSize(photograph.screenWidth, photograph.screenHeight);
    else if (photograph.temperatureWidth > 0 && photograph.temperatureHeight > 0)
        proportions = QSize(photograph.temperatureWidth, photograph.temperatureHeight);
    const double height = double(width) * proportions.height() / proportions.width();
    return QSize(width, qMax(1, int(std::lround(height))));
}

ScaleStrip SavedPicture::strip(const ImageEntity& photograph, const DisplaySettings& settings)
{
    const unsigned palette = unsigned(settings.palette);
    if (settings.range.mode != TemperatureRange::Camera) {
        const ScaleStrip ranged(photograph.temperatures(),
                                settings.range,
                                palette,
                                settings.unit,
                                settings.isotherm,
                                photograph.correction());
        if (ranged.isValid())
            return ranged;
    }
    return ScaleStrip::camera(photograph, palette, settings.unit);
}

QImage SavedPicture::rendering(const ImageEntity& photograph, const DisplaySettings& settings)
{
    if (settings.palette < 0 || settings.blend < 0 || settings.blend > 100)
        return QImage();
    const QImage paletteImage = ImageBlendThread::renderPicture(photograph.grayData,
                                                                photograph.grayWidth,
                                                                photograph.grayHeight,
                                                                photograph.temperatures(),
                                                                settings.range,
                                                                settings.isotherm,
                                                                unsigned(settings.palette),
                                                                photograph.correction());
    return ImageBlendThread::compose(
      paletteImage, photograph.cameraImage, float(settings.blend) / 100.0f);
}

QImage SavedPicture::render(const ImageEntity& photograph,
                            const QList<ImageDrawPath>& shapes,
                            const DisplaySettings& settings,
                            const QImage& rendered,
                            int markerSize,
                            const QFont& font)
{
    const QImage picture = rendered.isNull() ? rendering(photograph, settings) : rendered;
    const QImage annotated =
      AnnotatedPicture::annotate(photograph,
                                 shapes,
                                 picture,
                                 photographSize(photograph, picture),
                                 settings.unit,
                                 photograph.loaded && settings.featureVisible,
                                 markerSize,
                                 font);
    return strip(photograph, settings).beside(annotated);
}

QImage SavedPicture::render(const ImageEntity& photograph,
                            const QList<ImageDrawPath>& shapes,
                            const DisplaySettings& settings,
                            const QImage& rendered)
{
    return render(
      photograph, shapes, settings, rendered, surfaceMarkerSize, QGuiApplication::font());
}
