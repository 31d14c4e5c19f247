#pragma once

#include "model/temperaturerange.h"

#include <QImage>
#include <QObject>

class ImageBlendThread;
class ImageEntity;

// Runs the window's blends one at a time; the newest request wins. A request made while a blend
// runs waits, and a newer one replaces it unstarted, so a slider drag renders where the slider
// is whenever the previous blend ends, and the last request always gives the last result.
// A running blend reports, in request order, unless it was made stale: by a request for another
// palette, or by discard() when its photograph is replaced. A stale result is neither stored in
// the entity nor reported, so the picture never shows a palette or photograph no longer chosen.
// Lives on the GUI thread.
class BlendScheduler : public QObject
{
    Q_OBJECT
public:
    explicit BlendScheduler(QObject* parent = nullptr);
    ~BlendScheduler() override;

    // False, changing nothing, when ImageBlendThread::create refuses the arguments.
    bool request(ImageEntity* entity,
                 unsigned palette,
                 float blend,
                 const TemperatureRange& range = TemperatureRange(),
                 const Isotherm& isotherm = Isotherm());
    // Drops the waiting request and the running blend's result.
    void discard();
    bool isRunning() const { return running != nullptr; }
    bool hasPending() const { return pending != nullptr; }

signals:
    void blendFailed();
    void blendSucceed(const QImage& image);

private:
    void start(ImageBlendThread* thread);
    void startPending();

    ImageBlendThread* running = nullptr;
    ImageBlendThread* pending = nullptr;
};
