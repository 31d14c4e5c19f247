#pragma once

#include "model/imageentity.h"
#include "model/temperaturerange.h"

#include <QByteArray>
#include <QImage>
#include <QPointer>
#include <QThread>

#include <atomic>

// Renders a photograph's gray matrix through a palette and mixes it with the Camera image.
// Everything the render reads is copied by create(), on the creating thread; run() works on
// those copies alone. The palette image and the result are handed over on the creating thread,
// where the entity's paletteImage is replaced right before the result signal, so the entity is
// only ever touched by the thread that owns it.
class ImageBlendThread : public QThread
{
    Q_OBJECT
public:
    // Null for a null entity, a palette code above 4 or a blend degree outside 0 to 1. A range
    // other than Camera renders the temperature matrix instead of the gray one (falling back to
    // the gray one where the matrix cannot be rendered), and an isotherm is painted over it.
    static ImageBlendThread* create(ImageEntity* entity,
                                    unsigned palette,
                                    float blend,
                                    const TemperatureRange& range = TemperatureRange(),
                                    const Isotherm& isotherm = Isotherm());
    ~ImageBlendThread() override;

    bool launch();
    unsigned paletteIndex() const { return palette; }
    // The result is no longer wanted: the hand-over then stores and reports nothing. Called on
    // the creating thread.
    void discard();

    // A width x height image of the gray levels through the palette; null when the sizes do not
    // describe grayData exactly.
    static QImage renderPaletteImage(const QByteArray& grayData,
                                     int width,
                                     int height,
                                     unsigned palette);
    // The palette picture a blend mixes: the temperature matrix through the palette for a range
    // other than Camera, the gray matrix where the range cannot render it or for Camera, with the
    // isotherm painted over it; null where neither renders.
    static QImage renderPicture(const QByteArray& grayData,
                                int grayWidth,
                                int grayHeight,
                                const TemperatureMatrix& temperatures,
                                const TemperatureRange& range,
                                const Isotherm& isotherm,
                                unsigned palette,
                                const TemperatureCorrection& correction = {});
    // Camera weighted by 1 - blend plus palette weighted by blend, at the size of the larger
    // image (in bytes); null when either image is null.
    static QImage blendImages(const QImage& paletteImage, const QImage& cameraImage, float blend);
    // What a blend shows: the Camera image alone at degree 0, the palette image alone at 1 or
    // without a Camera image, else the two mixed; null when both are missing.
    static QImage compose(const QImage& paletteImage, const QImage& cameraImage, float blend);

signals:
    void blendFailed();
    void blendSucceed(const QImage& image);

protected:
    void run() override;

private:
    ImageBlendThread(ImageEntity* entity,
                     unsigned palette,
                     float blend,
                     const TemperatureRange& range,
                     const Isotherm& isotherm);
    void handOver();

    // Null once the entity is gone: a window closed while its blend runs.
    QPointer<ImageEntity> entity;
    bool discarded = false;
    unsigned palette;
    float blend;
    const QByteArray grayData;
    const int grayWidth;
    const int grayHeight;
    const TemperatureRange range;
    const Isotherm isotherm;
    const TemperatureMatrix temperatures;
    const TemperatureCorrection correction;
    const QImage cameraImage;
    // Written by run() alone; handOver() reads them after run() has returned.
    QImage paletteImage;
    QImage result;
    // Publishes paletteImage and result to handOver() in a way the thread sanitizer sees; the
    // event queue that carries finished() across is locked inside Qt, where it cannot.
    std::atomic<bool> ran{ false };
};
