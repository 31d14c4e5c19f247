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
    // Queued to this object's thread, the creator's; the hand-over deletes the thread, so one
    // queued call carries the whole ending.
    connect(this, &QThread::finished, this, &ImageRegionThread::handOver);
}

ImageRegionThread::~ImageRegionThread()
{
    qDebug() << "~ImageRegionThread()" << Qt::endl;
}

bool ImageRegionThread::launch()
{
    start(QThread::InheritPriority);
    return true;
}

void ImageRegionThread::run()
{
    shape.type = kind;
    measured = RegionMeasure(entity).measure(shape);
    // The outline as the surface showed it; the figures come from the cells alone.
    if (measured && shape.kind() != ShapeKind::Point && labelWidth > 0 && labelHeight > 0)
        shape.path = ShapeGeometry(shape, QSize(labelWidth, labelHeight)).outline();
    ran.store(true, std::memory_order_release);
}

void ImageRegionThread::handOver()
{
    if (ran.load(std::memory_order_acquire) && measured)
        emit regionSucceed(shape);
    else
        emit regionFailed();
    deleteLater();
}
