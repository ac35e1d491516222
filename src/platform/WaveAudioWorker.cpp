#include "platform/WaveAudioWorker.h"

#include "platform/ProgramModule.h"
#include "platform/WaveOutput.h"

#include <QtDebug>

#include <utility>

WaveAudioWorker::WaveAudioWorker(QString modulePath) : modulePath(std::move(modulePath)) {}

WaveAudioWorker::~WaveAudioWorker()
{
    latestRequest = 0;
    output.reset();
}

void WaveAudioWorker::connectToServer()
{
    if (WaveOutput* target = loaded())
        target->connectToServer();
}

void WaveAudioWorker::play(const WaveCache::Sound& sound)
{
    if (WaveOutput* target = loaded())
        target->play(sound);
}

void WaveAudioWorker::stop()
{
    if (output)
        output->stop();
}

WaveOutput* WaveAudioWorker::loaded()
{
    if (loadTried)
        return output.get();
    loadTried = true;
    // The module stays loaded for good: the output's libraries clean up at process exit.
    QString error;
    auto* factory = ProgramModule::load<WaveOutputFactory>(modulePath, error);
    if (!factory) {
        qWarning().noquote() << "No sound effects:" << error;
        return nullptr;
    }
    output.reset(factory->create([this] {
        if (startObserver)
            startObserver();
    }));
    return output.get();
}
