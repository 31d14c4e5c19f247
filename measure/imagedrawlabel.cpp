#include "imagedrawlabel.h"

#include "calculatetools.h"
#include "imageentity.h"
#include "imageregionthread.h"
#include "pointerreadout.h"

#include <QDebug>
#include <QFontMetrics>
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
    if (unit == this->unit)
        return;
    this->unit = unit;
    if (readout->isVisible())
        showReadout(lastPointer);
    update();
}

bool ImageDrawLabel::cellAt(const QPoint& pixel, QPoint& cell) const
{
    if (!entity || !entity->loaded || picture.isNull() || !rect().contains(pixel))
        return false;
    const int columns = entity->temperatureWidth;
    const int rows = entity->temperatureHeight;
    if (columns <= 0 || rows <= 0)
        return false;
    const QPoint mapped =
      CalculateTools::mapPointBetweenSizes(pixel.x(), pixel.y(), width(), height(), columns, rows);
    cell = QPoint(qBound(0, mapped.x(), columns - 1), qBound(0, mapped.y(), rows - 1));
    return true;
}

QString ImageDrawLabel::temperatureTextAt(const QPoint& pixel) const
{
    QPoint cell;
    if (!cellAt(pixel, cell))
        return QString();
    return ImageEntity::temperatureText(entity->temperatureAt(cell.x(), cell.y()), 0, unit);
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
    const bool shown = readout->isVisible();
    readout->hide();
    const QPixmap painted = grab(QRect(0, 0, width(), height()));
    if (shown)
        readout->show();
    return painted;
}

void ImageDrawLabel::leaveEvent(QEvent* event)
{
    readout->hide();
    QLabel::leaveEvent(event);
}

void ImageDrawLabel::setFeatureVisible(bool visible)
{
    featureShown = visible;
    update();
}

void ImageDrawLabel::setImage(const QImage& image)
{
    if (image.isNull())
        return;
    fitToImage(image.size());
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

void ImageDrawLabel::fitToImage(const QSize& image)
{
    if (image.isEmpty() || !parentWidget())
        return;
    const int parentWidth = parentWidget()->width();
    const int parentHeight = parentWidget()->height();
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
    this->entity = entity;
    if (!shapes.isEmpty()) {
        shapes.clear();
        update();
    }
    qDebug() << "entity->image_drawpaths.length = " << entity->image_drawpaths.size() << Qt::endl;
    for (const ImageDrawPath& shape : qAsConst(entity->image_drawpaths))
        shapes.append(shape);
    if (!entity->image_drawpaths.isEmpty())
        update();
}

void ImageDrawLabel::removeLastPath()
{
    if (shapes.isEmpty())
        return;
    shapes.removeLast();
    update();
}

void ImageDrawLabel::clearPaths()
{
    if (shapes.isEmpty())
        return;
    shapes.clear();
    update();
}

void ImageDrawLabel::onRegionFailed()
{
    qDebug() << "onRegionFailed" << Qt::endl;
    preview = QPainterPath();
    update();
}

void ImageDrawLabel::onRegionSucceed(ImageDrawPath shape)
{
    qDebug() << "onRegionSucceed" << Qt::endl;
    shapes.append(shape);
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
    preview = QPainterPath();
    if (mode == Line) {
        preview.moveTo(pressPoint);
        preview.lineTo(p);
    } else {
        p.setX(qBound(0, p.x(), width()));
        p.setY(qBound(0, p.y(), height()));
        const QRectF r =
          CalculateTools::rectFromCorners(pressPoint.x(), pressPoint.y(), p.x(), p.y());
        if (mode == Rectangle)
            preview.addRect(r);
        else
            preview.addEllipse(r);
    }
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
    if (mode == None || cancelled)
        return;
    const int labelWidth = width();
    const int labelHeight = height();
    if (mode != Point) {
        const QPoint d = releasePoint - pressPoint;
        const double length = std::sqrt(double(d.x()) * d.x() + double(d.y()) * d.y());
        const double ratio = length / labelWidth;
        qDebug() << "length = " << length << ",百分比：" << ratio << Qt::endl;
        if (ratio < minimumDragRatio) {
            qDebug() << "放弃拾取选区" << Qt::endl;
            update();
            return;
        }
    }
    ImageDrawPath shape;
    shape.type = mode;
    shape.points[0].x = float(pressPoint.x()) / float(labelWidth);
    shape.points[0].y = float(pressPoint.y()) / float(labelHeight);
    shape.points[1].x = float(releasePoint.x()) / float(labelWidth);
    shape.points[1].y = float(releasePoint.y()) / float(labelHeight);
    ImageRegionThread* thread = ImageRegionThread::create(entity, shape, labelWidth, labelHeight);
    if (!thread)
        return;
    connect(thread, &ImageRegionThread::regionFailed, this, &ImageDrawLabel::onRegionFailed);
    connect(thread, &ImageRegionThread::regionSucceed, this, &ImageDrawLabel::onRegionSucceed);
    if (!thread->launch())
        delete thread;
}

void ImageDrawLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (!picture.isNull())
        painter.drawPixmap(QRectF(0, 0, width(), height()), picture, QRectF());
    preparePainter(painter);
    if (entity && featureShown)
        drawFeatureMarkers(painter);
    if (preview.length() > 0) {
        const QPen previous = painter.pen();
        QPen pen = previous;
        pen.setColor(Qt::green);
        painter.setPen(pen);
        painter.drawPath(preview);
        painter.setPen(previous);
    }
    if (!shapes.isEmpty()) {
        const QPen saved = painter.pen();
        for (const ImageDrawPath& shape : qAsConst(shapes)) {
            QPen pen = painter.pen();
            pen.setColor(Qt::green);
            painter.setPen(pen);
            drawShape(painter, shape);
        }
        painter.setPen(saved);
    }
}

void ImageDrawLabel::preparePainter(QPainter& painter) const
{
    painter.setRenderHint(QPainter::Antialiasing);
    QPen pen(Qt::green);
    pen.setStyle(Qt::SolidLine);
    pen.setWidth(pen.width() + 2);
    painter.setPen(pen);
    QFont font = painter.font();
    font.setPointSize(font.pointSize() + 5);
    painter.setFont(font);
}

void ImageDrawLabel::drawFeatureMarkers(QPainter& painter) const
{
    const ImageFeature& feature = entity->details.feature;
    // Without a decoded Screen image there is no space the feature points can be placed in.
    if (entity->screenWidth > 0 && entity->screenHeight > 0) {
        const float width = float(entity->screenWidth);
        const float height = float(entity->screenHeight);
        drawMarkedPoint(painter,
                        PathPoint(feature.maxPoint.x / width,
                                  feature.maxPoint.y / height,
                                  feature.maxPoint.temperature,
                                  0),
                        HighestMarker);
        drawMarkedPoint(painter,
                        PathPoint(feature.minPoint.x / width,
                                  feature.minPoint.y / height,
                                  feature.minPoint.temperature,
                                  0),
                        LowestMarker);
    }
    drawMarkedPoint(
      painter, PathPoint(0.5f, 0.5f, feature.centrePoint.temperature, 0), CentreMarker);
}

void ImageDrawLabel::drawShape(QPainter& painter, ImageDrawPath shape) const
{
    if (shape.type == 0) {
        drawMarkedPoint(painter, shape.points[3], PointMarker);
        return;
    }
    const int lw = width();
    const int lh = height();
    const QPoint a(int(lw * shape.points[0].x), int(lh * shape.points[0].y));
    const QPoint b(int(lw * shape.points[1].x), int(lh * shape.points[1].y));
    QPainterPath path;
    if (shape.type == 1) {
        path.moveTo(a);
        path.lineTo(b);
    } else {
        const QRectF r = CalculateTools::rectFromCorners(a.x(), a.y(), b.x(), b.y());
        if (shape.type == 2)
            path.addRect(r);
        else
            path.addEllipse(r);
    }
    painter.drawPath(path);
    drawMarkedPoint(painter, shape.points[3], MaximumMarker);
    drawMarkedPoint(painter, shape.points[4], MinimumMarker);
}

void ImageDrawLabel::drawMarkedPoint(QPainter& painter, const PathPoint& point, int kind) const
{
    QPen pen = painter.pen();
    switch (kind) {
        case CentreMarker:
            pen.setColor(Qt::white);
            break;
        case HighestMarker:
        case MaximumMarker:
            pen.setColor(Qt::red);
            break;
        case LowestMarker:
        case MinimumMarker:
            pen.setColor(Qt::green);
            break;
        case PointMarker:
            pen.setColor(Qt::yellow);
            break;
        default:
            break;
    }
    painter.setPen(pen);
    drawMarker(painter, point, kind);
    drawValueLabel(painter, point, kind);
}

void ImageDrawLabel::drawMarker(QPainter& painter, const PathPoint& point, int kind) const
{
    const int cx = int(width() * point.x);
    const int cy = int(height() * point.y);
    const double fcx = cx;
    const double fcy = cy;
    const double s = markerSize;
    const double h = s * 0.5;
    const double arm = s / 3;
    const int a = int(fcx - h);
    const int c = int(fcx + h);
    const int b = int(fcy - h);
    const int e = int(fcy + h);
    const QLine arms[] = {
        QLine(a, b, int(a + arm), b), QLine(a, b, a, int(b + arm)), QLine(c, b, int(c - arm), b),
        QLine(c, b, c, int(b + arm)), QLine(a, e, a, int(e - arm)), QLine(a, e, int(a + arm), e),
        QLine(c, e, c, int(e - arm)), QLine(c, e, int(c - arm), e),
    };
    for (const QLine& line : arms)
        painter.drawLine(line);
    if (kind == CentreMarker || kind == HighestMarker || kind == LowestMarker) {
        const QBrush previous = painter.brush();
        painter.setBrush(Qt::SolidPattern);
        painter.drawEllipse(QRect(QPoint(cx - 1, cy - 1), QPoint(cx, cy)));
        painter.setBrush(previous);
        return;
    }
    painter.drawLine(QLine(int(fcx - s / 6), cy, int(fcx + s / 6), cy));
    painter.drawLine(QLine(cx, int(fcy - s / 6), cx, int(fcy + s / 6)));
}

void ImageDrawLabel::drawValueLabel(QPainter& painter, const PathPoint& point, int) const
{
    const QString text = ImageEntity::temperatureText(point.value, point.unit, unit);
    const QFontMetrics metrics(painter.font());
    const int w = metrics.horizontalAdvance(text);
    const int hx = metrics.height();
    const double fcx = int(width() * point.x);
    const double fcy = int(height() * point.y);
    const double s = markerSize;
    int x = int(fcx - w * 0.5);
    if (x < 0)
        x = 0;
    if (x + w > width())
        x = width() - w;
    int y = int(fcy + s * 0.5 + 5);
    if (y + hx > height())
        y = int(fcy - s * 0.5 - hx - 5);
    const QRectF box(x, y, w, hx);
    fillLabelBackground(painter, box);
    painter.drawText(box, Qt::AlignCenter, text);
}

void ImageDrawLabel::fillLabelBackground(QPainter& painter, const QRectF& rect) const
{
    const QBrush brush = painter.brush();
    const QPen pen = painter.pen();
    painter.setBrush(QColor(QStringLiteral("#aa000000")));
    painter.setPen(QColor(Qt::transparent));
    painter.drawRects(&rect, 1);
    painter.setBrush(brush);
    painter.setPen(pen);
}
