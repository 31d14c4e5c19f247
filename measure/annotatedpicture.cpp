#include "measure/annotatedpicture.h"

#include "measure/annotationpainter.h"
#include "model/imageentity.h"
#include "render/imageblendthread.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

QImage AnnotatedPicture::render(const ImageEntity& photograph,
                                const QList<ImageDrawPath>& shapes,
                                int palette,
                                int blend,
                                int unit,
                                bool featureVisible)
{
    if (palette < 0 || palette > 4)
        return QImage();
    const QImage paletteImage = ImageBlendThread::renderPaletteImage(
      photograph.grayData, photograph.grayWidth, photograph.grayHeight, unsigned(palette));
    return render(photograph, shapes, paletteImage, blend, unit, featureVisible);
}

QImage AnnotatedPicture::render(const ImageEntity& photograph,
                                const QList<ImageDrawPath>& shapes,
                                const QImage& paletteImage,
                                int blend,
                                int unit,
                                bool featureVisible)
{
    const QImage image = ImageBlendThread::compose(
      paletteImage, photograph.cameraImage, float(qBound(0, blend, 100)) / 100.0f);
    if (image.isNull())
        return image;
    // The window's drawing surface paints with the application's font and 32-pixel markers.
    return annotate(
      photograph, shapes, image, image.size(), unit, featureVisible, 32, QGuiApplication::font());
}

QImage AnnotatedPicture::annotate(const ImageEntity& photograph,
                                  const QList<ImageDrawPath>& shapes,
                                  const QImage& picture,
                                  const QSize& size,
                                  int unit,
                                  bool featureVisible,
                                  int markerSize,
                                  const QFont& font)
{
    if (size.isEmpty())
        return QImage();
    QImage image;
    if (picture.size() == size) {
        image = picture.convertToFormat(QImage::Format_RGB32);
    } else {
        image = QImage(size, QImage::Format_RGB32);
        if (image.isNull())
            return image;
        image.fill(Qt::black);
        if (!picture.isNull()) {
            QPainter stretch(&image);
            stretch.drawImage(QRect(QPoint(0, 0), size), picture);
        }
    }
    // Label text is sized in points: at the screen's resolution it comes out as on the window.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        image.setDotsPerMeterX(qRound(screen->logicalDotsPerInchX() / 0.0254));
        image.setDotsPerMeterY(qRound(screen->logicalDotsPerInchY() / 0.0254));
    }
    QPainter painter(&image);
    const qreal scale = AnnotationPainter::legibleScale(image.size());
    painter.scale(scale, scale);
    AnnotationPainter(photograph,
                      shapes,
                      (QSizeF(image.size()) / scale).toSize(),
                      unit,
                      featureVisible,
                      markerSize,
                      font)
      .paint(painter);
    painter.end();
    return image;
}
