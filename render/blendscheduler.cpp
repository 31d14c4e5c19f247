#include "render/blendscheduler.h"

#include "render/imageblendthread.h"

#include <QDebug>

BlendScheduler::BlendScheduler(QObject* parent)
  : QObject(parent)
{
}

BlendScheduler::~BlendScheduler()
{
    delete pending;
}

bool BlendScheduler::request(ImageEntity* entity,
                             unsigned palette,
                             float blend,
                             const TemperatureRange& range,
                             const Isotherm& isotherm)
{
    ImageBlendThread* thread = ImageBlendThread::create(entity, palette, blend, range, isotherm);
    if (!thread)
        return false;
    if (running) {
        if (running->paletteIndex() != palette)
            running->discard();
        delete pending;
        pending = thread;
    } else {
        start(thread);
    }
    return true;
}

void BlendScheduler::discard()
{
    delete pending;
    pending = nullptr;
    if (running)
        running->discard();
}

void BlendScheduler::start(ImageBlendThread* thread)
{
    // The result signals come from the thread's hand-over on this thread; finished() reaches this
    // object after it, also when a discarded blend reports nothing.
    connect(thread, &ImageBlendThread::blendSucceed, this, &BlendScheduler::blendSucceed);
    connect(thread, &ImageBlendThread::blendFailed, this, &BlendScheduler::blendFailed);
    connect(thread, &QThread::finished, this, &BlendScheduler::startPending);
    running = thread;
    if (!thread->launch()) {
        qDebug() << "合成图像线程启动失败" << Qt::endl;
        running = nullptr;
        delete thread;
        startPending();
    }
}

void BlendScheduler::startPending()
{
    running = nullptr;
    ImageBlendThread* next = pending;
    pending = nullptr;
    if (next)
        start(next);
}
