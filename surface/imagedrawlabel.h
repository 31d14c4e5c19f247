#pragma once

#include "model/imagedrawpath.h"

#include <QLabel>
#include <QList>
#include <QPainterPath>
#include <QPixmap>
#include <QVector>

class ImageEntity;
class PointerReadout;

// The drawing surface: shows the rendered photograph fitted into its parent, turns mouse drags
// into measurement shapes, has each measured on a worker thread, and paints the photograph's
// markers and every finished shape with its temperature labels.
class ImageDrawLabel : public QLabel
{
    Q_OBJECT
public:
    // Tools share the shape kind codes; None draws nothing.
    enum DrawMode
    {
        Point = 0,
        Line = 1,
        Rectangle = 2,
        Oval = 3,
        None = 4,
    };
    static constexpr double minimumDragRatio = 0.03;

    explicit ImageDrawLabel(QWidget* parent = nullptr);
    ~ImageDrawLabel() override;

    void setDrawMode(int mode);
    int drawMode() const { return mode; }
    void setDisplayUnit(int unit);
    int displayUnit() const { return unit; }
    void setFeatureVisible(bool visible);
    bool featureVisible() const { return featureShown; }
    void setImage(const QImage& image);
    void refitImage();
    void setEntity(ImageEntity* entity);
    // Undoes the newest shape, measured or still being measured; on a surface with no shape
    // it brings back what the latest Clear of this photograph not yet undone took away.
    void removeLastPath();
    void clearPaths();
    // The measured shapes in the order they were drawn.
    QList<ImageDrawPath>& pathList() { return shapes; }
    const QPixmap& shownPixmap() const { return picture; }
    // A press with a tool has been made and not yet released.
    bool isDragging() const { return dragging; }
    // The drag in progress makes no shape: its outline goes now, its release does nothing.
    void cancelDrag();
    // The matrix cell under a surface pixel, found as the statistics find it; false off the
    // image or without a photograph.
    bool cellAt(const QPoint& pixel, QPoint& cell) const;
    // The reading of that cell in the display unit; empty where cellAt() is false.
    QString temperatureTextAt(const QPoint& pixel) const;
    const PointerReadout* pointerReadout() const { return readout; }
    const ImageEntity* photograph() const { return entity; }
    // The surface as painted, without the pointer's readout: what a save keeps.
    QPixmap snapshot();
    // Measurement threads this surface started that are not yet destroyed, those whose result
    // will be dropped included.
    int measurementThreads() const { return threadsAlive; }

signals:
    // A drag ended in a shape too small to measure; nothing was added.
    void shapeDiscarded();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // A drawn shape whose statistics have not come back. It belongs after the first `before`
    // listed shapes; the ticket tells its thread's result from the others.
    struct Measurement
    {
        quint64 ticket;
        int before;
    };

    void onRegionFailed(quint64 ticket);
    void onRegionSucceed(quint64 ticket, const ImageDrawPath& shape);
    void showReadout(const QPoint& pointer);
    // Only the picture's size is needed, so a resize does not copy the shown pixmap.
    void fitToImage(const QSize& image);

    ImageEntity* entity = nullptr;
    int fittedWidth = -1;
    int fittedHeight = -1;
    int mode = None;
    QList<ImageDrawPath> shapes;
    // In drawing order. Clear, Undo and a new photograph take entries away, so that a result
    // that finds no entry is dropped.
    QVector<Measurement> measuring;
    quint64 lastTicket = 0;
    int threadsAlive = 0;
    // What each Clear of this photograph took away, the newest last.
    QList<QList<ImageDrawPath>> cleared;
    QPoint pressPoint;
    QPoint releasePoint;
    QPainterPath preview;
    bool dragging = false;
    bool dragCancelled = false;
    PointerReadout* readout = nullptr;
    QPoint lastPointer;
    int markerSize = 32;
    int unit = 0;
    bool featureShown = true;
    // The rendered photograph as shown; kept here so painting does not depend on QLabel's own
    // pixmap accessor, whose signature changed between Qt versions.
    QPixmap picture;
};
