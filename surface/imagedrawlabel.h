#pragma once

#include "document/savedpicture.h"
#include "model/imagedrawpath.h"
#include "model/photographcodes.h"

#include <QImage>
#include <QLabel>
#include <QList>
#include <QPainterPath>
#include <QPixmap>

class AnnotationPainter;
class ImageEntity;
class PhotographDocument;
class PointerReadout;

// The drawing surface, a view of a photograph document: shows the rendered photograph fitted
// into its parent, turns mouse drags into shapes that the document measures, and paints the
// photograph's markers and every measured shape with its temperature labels. Without a document
// set from outside it keeps one of its own.
class ImageDrawLabel : public QLabel
{
    Q_OBJECT
public:
    // Tools share the shape kind codes; None draws nothing.
    enum DrawMode
    {
        Point = int(ShapeKind::Point),
        Line = int(ShapeKind::Line),
        Rectangle = int(ShapeKind::Rectangle),
        Oval = int(ShapeKind::Oval),
        None = 4,
    };
    static constexpr double minimumDragRatio = 0.03;

    explicit ImageDrawLabel(QWidget* parent = nullptr);
    ~ImageDrawLabel() override;

    // The document shown; the surface's own one goes. Not null.
    void setDocument(PhotographDocument* document);
    PhotographDocument* document() const { return shown; }

    void setDrawMode(int mode);
    int drawMode() const { return mode; }
    void setDisplayUnit(int unit);
    int displayUnit() const;
    void setFeatureVisible(bool visible);
    bool featureVisible() const;
    void setImage(const QImage& image);
    void refitImage();
    // Pixels at the bottom of the parent that the photograph leaves free, for a pane shown there.
    void setReservedBottom(int pixels);
    void setEntity(ImageEntity* entity);
    // Undoes the newest shape, measured or still being measured; on a surface with no shape
    // it brings back what the latest Clear of this photograph not yet undone took away.
    void removeLastPath();
    void clearPaths();
    // The measured shapes in the order they were drawn, as the document holds them.
    const QList<ImageDrawPath>& pathList() const;
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
    const ImageEntity* photograph() const;
    // What a save puts in front of the photograph: the surface's picture and annotations
    // without the pointer's readout, a drag's outline or anything else shown over it, at the
    // size SavedPicture gives whatever the window's size, with the scale strip beside it.
    QPixmap snapshot();
    QImage savedPicture() const;
    // Measurement threads this surface started that are not yet destroyed, those whose result
    // will be dropped included.
    int measurementThreads() const;

    // The shape shown as selected, by its place in pathList(); −1 for none. A click on a shape
    // with no tool in hand selects it; the selection is painted on screen only, never in the
    // saved picture.
    int selectedShape() const { return selected; }
    void setSelectedShape(int index);
    // The shape under a surface pixel, the newest first; −1 for none.
    int shapeAt(const QPoint& pixel) const;

signals:
    void shapeSelected(int index);
    // A drag ended in a shape too small to measure; nothing was added.
    void shapeDiscarded();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void onRegionFailed();
    void onRegionSucceed();
    void onSettingsChanged();
    AnnotationPainter annotations() const;
    // The photograph the surface measures on: none until one is set or opened.
    const ImageEntity* loadedPhotograph() const;
    void showReadout(const QPoint& pointer);
    // Only the picture's size is needed, so a resize does not copy the shown pixmap.
    void fitToImage(const QSize& image);

    PhotographDocument* shown = nullptr;
    int reservedBottom = 0;
    int fittedWidth = -1;
    int fittedHeight = -1;
    int mode = None;
    int selected = -1;
    QPoint pressPoint;
    QPoint releasePoint;
    QPainterPath preview;
    bool dragging = false;
    bool dragCancelled = false;
    PointerReadout* readout = nullptr;
    QPoint lastPointer;
    int markerSize = SavedPicture::surfaceMarkerSize;
    // The unit the readout shows, to know when a settings change has to rewrite it.
    int readoutUnit = 0;
    // The rendered photograph as shown; kept here so painting does not depend on QLabel's own
    // pixmap accessor, whose signature changed between Qt versions.
    QPixmap picture;
    // The same picture as it was rendered, which a save paints on without converting it back.
    QImage rendered;
};
