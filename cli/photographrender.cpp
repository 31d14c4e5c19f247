#include "cli/photographrender.h"

#include "measure/annotatedpicture.h"
#include "model/imageentity.h"
#include "render/imageblendthread.h"

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
    if (!shapes) {
        if (palette < 0 || palette > 4)
            return QImage();
        const QImage paletteImage = ImageBlendThread::renderPaletteImage(
          photo.grayData, photo.grayWidth, photo.grayHeight, unsigned(palette));
        return ImageBlendThread::compose(
          paletteImage, photo.cameraImage, float(qBound(0, blendValue, 100)) / 100.0f);
    }
    return AnnotatedPicture::render(photo, photo.image_drawpaths, palette, blendValue, unit, true);
}
