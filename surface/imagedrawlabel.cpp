#include "surface/imagedrawlabel.h"

#include "document/photographdocument.h"
#include "document/savedpicture.h"
#include "measure/annotationpainter.h"
#include "measure/shapegeometry.h"
#include "model/imageentity.h"
#include "render/calculatetools.h"
#include "surface/pointerreadout.h"

#include <QDebug>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <cmath>

ImageDrawLabel::ImageDrawLabel(QWidget* parent)
  : QLabel(parent)
{
    // Focus by a click, so that the arrow keys can step through photographs from here.
    setFocusPolicy(Qt::ClickFocus);
    // Moves without a button pressed feed the readout; drawing still needs a press.
    setMouseTracking(true);
    readout = new PointerReadout(this);
    setDocument(new PhotographDocument(this));
}

void ImageDrawLabel::setDocument(PhotographDocument* document)
{
    if (!document || document == shown)
        return;
    if (shown) {
        disconnect(shown, nullptr, this, nullptr);
        if (shown->parent() == this)
            shown->deleteLater();
    }
    shown = document;
    readoutUnit = shown->settings().unit;
    connect(shown, &PhotographDocument::shapesChanged, this, qOverload<>(&QWidget::update));
    connect(shown, &PhotographDocument::shapeMeasured, this, &ImageDrawLabel::onRegionSucceed);
    connect(shown, &PhotographDocument::measurementFailed, this, &ImageDrawLabel::onRegionFailed);
    connect(shown, &PhotographDocument::settingsChanged, this, &ImageDrawLabel::onSettingsChanged);
    update();
}

const ImageEntity* ImageDrawLabel::loadedPhotograph() const
{
    const ImageEntity* photograph = shown->photograph();
    return photograph->loaded ? photograph : nullptr;
}

const ImageEntity* ImageDrawLabel::photograph() const
{
    return loadedPhotograph();
}

const QList<ImageDrawPath>& ImageDrawLabel::pathList() const
{
    return shown->shapes();
}

int ImageDrawLabel::measurementThreads() const
{
    return shown->measurementThreads();
}

int ImageDrawLabel::displayUnit() const
{
    return shown->settings().unit;
}

bool ImageDrawLabel::featureVisible() const
{
    return shown->settings().featureVisible;
}

ImageDrawLabel::~ImageDrawLabel()
{
    qDebug() << "ImageDrawLabel析构" << Qt::endl;
}

void ImageDrawLabel::setDrawMode(int mode)
{
    this->mode = mode;
}

void ImageDrawLabel::setDisplayUnit(int unit)
{
    shown->setUnit(unit);
}

void ImageDrawLabel::onSettingsChanged()
{
    const int unit = shown->settings().unit;
    if (unit != readoutUnit && readout->isVisible()) {
        readoutUnit = unit;
        showReadout(lastPointer);
    }
    readoutUnit = unit;
    update();
}

bool ImageDrawLabel::cellAt(const QPoint& pixel, QPoint& cell) const
{
    const ImageEntity* entity = loadedPhotograph();
    if (!entity || picture.isNull() || !rect().contains(pixel))
        return false;
    const int columns = entity->temperatureWidth;
    const int rows = entity->temperatureHeight;
    if (columns <= 0 || rows <= 0)
        return false;
    // Where a point shape dropped on this pixel would stand, so the two always read one cell.
    cell = entity->temperatures().cellAt(double(float(pixel.x()) / float(width())),
                                         double(float(pixel.y()) / float(height())));
    return true;
}

QString ImageDrawLabel::temperatureTextAt(const QPoint& pixel) const
{
    QPoint cell;
    if (!cellAt(pixel, cell))
        return QString();
    const ImageEntity& photograph = *shown->photograph();
    return photograph.shownText(photograph.temperatures().tenths(cell.x(), cell.y()) / 10.0,
                                displayUnit());
}

void ImageDrawLabel::showReadout(const QPoint& pointer)
{
    lastPointer = pointer;
    QPoint cell;
    if (!cellAt(pointer, cell)) {
        readout->hide();
        return;
    }
    readout->showReading(temperatureTextAt(pointer), cell, pointer);
}

QPixmap ImageDrawLabel::snapshot()
{
    return QPixmap::fromImage(savedPicture());
}

QImage ImageDrawLabel::savedPicture() const
{
    // Painted apart from the screen, so that nothing shown over the surface reaches a file, and
    // at a size of its own, so that the window's size does not decide the file's picture.
    return SavedPicture::render(
      *shown->photograph(), shown->shapes(), shown->settings(), rendered, markerSize, font());
}

AnnotationPainter ImageDrawLabel::annotations() const
{
    // Shapes can be drawn before any photograph; there are no feature markers then.
    return AnnotationPainter(*shown->photograph(),
                             shown->shapes(),
                             size(),
                             displayUnit(),
                             loadedPhotograph() && featureVisible(),
                             markerSize,
                             font());
}

void ImageDrawLabel::leaveEvent(QEvent* event)
{
    readout->hide();
    QLabel::leaveEvent(event);
}

void ImageDrawLabel::setFeatureVisible(bool visible)
{
    shown->setFeatureVisible(visible);
}

void ImageDrawLabel::setImage(const QImage& image)
{
    if (image.isNull())
        return;
    fitToImage(image.size());
    rendered = image;
    picture = QPixmap::fromImage(image);
    setPixmap(picture);
}

void ImageDrawLabel::refitImage()
{
    readout->hide();
    if (picture.isNull())
        return;
    fitToImage(picture.size());
    update();
}

void ImageDrawLabel::setReservedBottom(int pixels)
{
    if (pixels == reservedBottom)
        return;
    reservedBottom = qMax(0, pixels);
    refitImage();
}

void ImageDrawLabel::fitToImage(const QSize& image)
{
    if (image.isEmpty() || !parentWidget())
        return;
    const int parentWidth = parentWidget()->width();
    const int parentHeight = parentWidget()->height() - reservedBottom;
    if (double(parentWidth) * double(parentHeight) <= 0)
        return;
    const float scale =
      qMin(float(parentWidth) / float(image.width()), float(parentHeight) / float(image.height()));
    const int width = int(float(image.width()) * scale);
    const int height = int(float(image.height()) * scale);
    fittedWidth = width;
    fittedHeight = height;
    const int left = int((parentWidth - width) * 0.5);
    const int top = int((parentHeight - height) * 0.5);
    setGeometry(left, top, width, height);
}

void ImageDrawLabel::setEntity(ImageEntity* entity)
{
    if (!entity || !entity->loaded)
        return;
    readout->hide();
    shown->setPhotograph(entity);
    qDebug() << "entity->image_drawpaths.length = " << entity->image_drawpaths.size() << Qt::endl;
}

void ImageDrawLabel::removeLastPath()
{
    shown->undoShape();
}

void ImageDrawLabel::clearPaths()
{
    shown->clearShapes();
}

void ImageDrawLabel::onRegionFailed()
{
    qDebug() << "onRegionFailed" << Qt::endl;
    preview = QPainterPath();
    update();
}

void ImageDrawLabel::onRegionSucceed()
{
    qDebug() << "onRegionSucceed" << Qt::endl;
    preview = QPainterPath();
    update();
}

void ImageDrawLabel::mousePressEvent(QMouseEvent* event)
{
    // The right button opens the surface's menu instead.
    readout->hide();
    if (mode == None || event->button() == Qt::RightButton)
        return;
    pressPoint = event->pos();
    dragging = true;
    dragCancelled = false;
}

void ImageDrawLabel::cancelDrag()
{
    if (!dragging)
        return;
    dragging = false;
    dragCancelled = true;
    preview = QPainterPath();
    update();
}

void ImageDrawLabel::mouseMoveEvent(QMouseEvent* event)
{
    if (!dragging) {
        // A pressed button, drawing or not, hides the readout until it is let go.
        if (event->buttons() == Qt::NoButton)
            showReadout(event->pos());
        else
            readout->hide();
        return;
    }
    if (mode == Point || mode == None || dragCancelled)
        return;
    QPoint p = event->pos();
    // A line may run off the surface while it is drawn; an area stays on it.
    if (mode != Line)
        p = QPoint(qBound(0, p.x(), width()), qBound(0, p.y(), height()));
    preview = ShapeGeometry::outline(ShapeKind(mode), pressPoint, p);
    update();
}

void ImageDrawLabel::mouseReleaseEvent(QMouseEvent* event)
{
    // The right button belongs to the menu, at its press and at its release.
    if (event->button() == Qt::RightButton)
        return;
    const QPoint p = event->pos();
    releasePoint =
      QPoint(p.x() <= 0 ? 0 : qMin(p.x(), width()), p.y() <= 0 ? 0 : qMin(p.y(), height()));
    preview = QPainterPath();
    const bool cancelled = dragCancelled;
    dragging = false;
    dragCancelled = false;
    if (mode == None && !cancelled && event->button() == Qt::LeftButton) {
        const int index = shapeAt(releasePoint);
        setSelectedShape(index);
        emit shapeSelected(index);
        return;
    }
    if (mode == None || cancelled)
        return;
    const int labelWidth = width();
    const int labelHeight = height();
    if (mode != Point) {
        const QPoint d = releasePoint - pressPoint;
        const double length = std::sqrt(double(d.x()) * d.x() + double(d.y()) * d.y());
        const double ratio = length / labelWidth;
        qDebug() << "length = " << length << ",百分比：" << ratio << Qt::endl;
        // A rectangle or oval flat in either direction has next to no area to measure.
        const bool flat = mode != Line && (qAbs(d.x()) < minimumDragRatio * labelWidth ||
                                           qAbs(d.y()) < minimumDragRatio * labelWidth);
        if (ratio < minimumDragRatio || flat) {
            qDebug() << "放弃拾取选区" << Qt::endl;
            update();
            emit shapeDiscarded();
            return;
        }
    }
    ImageDrawPath shape;
    shape.setKind(ShapeKind(mode));
    PathPoint& start = shape.point(PointRole::Start);
    start.x = float(pressPoint.x()) / float(labelWidth);
    start.y = float(pressPoint.y()) / float(labelHeight);
    PathPoint& end = shape.point(PointRole::End);
    end.x = float(releasePoint.x()) / float(labelWidth);
    end.y = float(releasePoint.y()) / float(labelHeight);
    shown->drawShape(shape, labelWidth, labelHeight);
}

void ImageDrawLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (!picture.isNull())
        painter.drawPixmap(QRectF(0, 0, width(), height()), picture, QRectF());
    annotations().paint(painter, preview);
    const QList<ImageDrawPath>& shapes = pathList();
    if (selected < 0 || selected >= shapes.size())
        return;
    // A dashed frame around the selected shape, on screen alone.
    const ImageDrawPath& shape = shapes.at(selected);
    const PathPoint& start = shape.point(PointRole::Start);
    const PathPoint& end = shape.point(PointRole::End);
    const QRectF bounds = QRectF(QPointF(start.x * width(), start.y * height()),
                                 QPointF(end.x * width(), end.y * height()))
                            .normalized()
                            .adjusted(-8, -8, 8, 8);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(0x1e, 0x90, 0xff), 2, Qt::DashLine));
    painter.drawRect(bounds);
}

void ImageDrawLabel::setSelectedShape(int index)
{
    const int valid = index >= 0 && index < pathList().size() ? index : -1;
    if (valid == selected)
        return;
    selected = valid;
    update();
}

int ImageDrawLabel::shapeAt(const QPoint& pixel) const
{
    const QList<ImageDrawPath>& shapes = pathList();
    const QPointF at(pixel);
    // The newest on top, as they are painted.
    for (int i = shapes.size() - 1; i >= 0; --i) {
        const ImageDrawPath& shape = shapes.at(i);
        const PathPoint& from = shape.point(PointRole::Start);
        const PathPoint& to = shape.point(PointRole::End);
        const QPointF a(from.x * width(), from.y * height());
        const QPointF b(to.x * width(), to.y * height());
        switch (shape.kind()) {
            case ShapeKind::Point:
                if (QLineF(a, at).length() <= markerSize / 2.0)
                    return i;
                break;
            case ShapeKind::Line: {
                // Near the segment: within six pixels of its closest point.
                const QPointF span = b - a;
                const double squared = QPointF::dotProduct(span, span);
                const double t =
                  squared > 0 ? qBound(0.0, QPointF::dotProduct(at - a, span) / squared, 1.0) : 0;
                if (QLineF(a + span * t, at).length() <= 6)
                    return i;
                break;
            }
            default:
                if (QRectF(a, b).normalized().adjusted(-3, -3, 3, 3).contains(at))
                    return i;
                break;
        }
    }
    return -1;
}

void ImageDrawLabel::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Delete && selected >= 0 && selected < pathList().size()) {
        const quint64 id = shown->shapeId(selected);
        selected = -1;
        shown->removeShape(id);
        emit shapeSelected(-1);
        return;
    }
    QLabel::keyPressEvent(event);
}
