#pragma once

#include "model/imagedrawpath.h"
#include "model/imageentity.h"

#include <QThread>

#include <atomic>

// Measures one shape on its own thread. What the measurement reads of the photograph (matrix,
// feature points, Screen size) is copied when the thread is created, on the window's thread, so
// the window may open another photograph while the measurement runs. The result signals are
// emitted on the creator's thread once the measurement has finished.
class ImageRegionThread : public QThread
{
    Q_OBJECT
public:
    static ImageRegionThread* create(ImageEntity* entity,
                                     const ImageDrawPath& shape,
                                     int labelWidth,
                                     int labelHeight);
    ~ImageRegionThread() override;

    bool launch();

signals:
    void regionFailed();
    void regionSucceed(ImageDrawPath shape);

protected:
    void run() override;

private slots:
    void handOver();

private:
    ImageRegionThread(const ImageEntity& entity,
                      const ImageDrawPath& shape,
                      int labelWidth,
                      int labelHeight);

    ImageEntity entity;
    ImageDrawPath shape;
    int kind;
    int labelWidth;
    int labelHeight;
    bool measured = false;
    // Published by run() and read by the hand-over; Qt's own locking is invisible to
    // ThreadSanitizer, so the hand-over must not rely on it alone.
    std::atomic<bool> ran{ false };
};
