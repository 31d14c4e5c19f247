#include "measure/imageregionthread.h"

#include "measure/regionmeasure.h"
#include "measure/shapegeometry.h"

#include <QDebug>

ImageRegionThread* ImageRegionThread::create(ImageEntity* entity,
                                             const ImageDrawPath& shape,
                                             int labelWidth,
                                             int labelHeight)
{
    if (!entity)
        return nullptr;
    return new ImageRegionThread(*entity, shape, labelWidth, labelHeight);
}

ImageRegionThread::ImageRegionThread(const ImageEntity& entity,
                                     const ImageDrawPath& shape,
                                     int labelWidth,
                                     int labelHeight)
  : entity(entity)
  , shape(shape)
  , kind(shape.type)
  , labelWidth(labelWidth)
  , labelHeight(labelHeight)
{
    qRegisterMetaType<ImageDrawPath>("ImageDrawPath");
    // Only what the measurement reads travels with the thread; the images stay behind.
    this->entity.featureImage = QImage();
    this->entity.screenImage = QImage();
    this->entity.cameraImage = QImage();
    this->entity.paletteImage = QImage();
    this->entity.grayData.clear();
    this->entity.image_drawpaths.clear();
}

ImageRegionThread::~ImageRegionThread()
{
    qDebug() << "~ImageRegionThread()" << Qt::endl;
}

bool ImageRegionThread::launch()
{
    connect(this, &QThread::finished, this, &QObject::deleteLater);
    start(QThread::InheritPriority);
    return true;
}

void ImageRegionThread::run()
{
    shape.type = kind;
    if (!RegionMeasure(entity).measure(shape)) {
        emit regionFailed();
        return;
    }
    // The outline as the surface showed it; the figures come from the cells alone.
    if (shape.kind() != ShapeKind::Point && labelWidth > 0 && labelHeight > 0)
        shape.path = ShapeGeometry(shape, QSize(labelWidth, labelHeight)).outline();
    emit regionSucceed(shape);
}
