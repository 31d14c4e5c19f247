#include "cli/photographrender.h"

#include "measure/annotationpainter.h"
#include "model/imageentity.h"
#include "render/imageblendthread.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QStringList>

int PhotographRender::paletteCode(const QString& name)
{
    static const QStringList names{ QStringLiteral("spectrum"),
                                    QStringLiteral("iron"),
                                    QStringLiteral("cool"),
                                    QStringLiteral("whitehot"),
                                    QStringLiteral("blackhot") };
    return int(names.indexOf(name.toLower()));
}

QImage PhotographRender::render(const ImageEntity& photo,
                                int palette,
                                int blendValue,
                                bool shapes,
                                int unit)
{
    if (palette < 0 || palette > 4)
        return QImage();
    const QImage paletteImage = ImageBlendThread::renderPaletteImage(
      photo.grayData, photo.grayWidth, photo.grayHeight, unsigned(palette));
    QImage image = ImageBlendThread::compose(
      paletteImage, photo.cameraImage, float(qBound(0, blendValue, 100)) / 100.0f);
    if (image.isNull() || !shapes)
        return image;
    image = image.convertToFormat(QImage::Format_RGB32);
    // Label text is sized in points: at the screen's resolution it comes out as on the window.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        image.setDotsPerMeterX(qRound(screen->logicalDotsPerInchX() / 0.0254));
        image.setDotsPerMeterY(qRound(screen->logicalDotsPerInchY() / 0.0254));
    }
    QPainter painter(&image);
    const qreal scale = AnnotationPainter::legibleScale(image.size());
    painter.scale(scale, scale);
    // The window's drawing surface paints with the application's font and 32-pixel markers.
    const AnnotationPainter annotations(photo,
                                        photo.image_drawpaths,
                                        (QSizeF(image.size()) / scale).toSize(),
                                        unit,
                                        true,
                                        32,
                                        QGuiApplication::font());
    annotations.paint(painter);
    painter.end();
    return image;
}
