#pragma once

#include <QImage>
#include <QObject>

class ImageBlendThread;
class ImageEntity;

// Runs the window's blends one at a time; the newest request wins. A request made while a blend
// runs waits, and a newer one replaces it unstarted, so a slider drag renders where the slider
// is whenever the previous blend ends, and the last request always gives the last result.
// Every blend that runs reports, in the order they were requested. Lives on the GUI thread; the
// entities it is given must outlive the blends it starts.
class BlendScheduler : public QObject
{
    Q_OBJECT
public:
    explicit BlendScheduler(QObject* parent = nullptr);
    ~BlendScheduler() override;

    // False, changing nothing, when ImageBlendThread::create refuses the arguments.
    bool request(ImageEntity* entity, unsigned palette, float blend);
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
