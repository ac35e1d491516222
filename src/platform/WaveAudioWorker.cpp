#include "platform/WaveAudioWorker.h"

#include "platform/WaveOutput.h"

#include <QLibrary>
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
    QLibrary module(modulePath);
    auto create = reinterpret_cast<CreateWaveOutput>(module.resolve(CreateWaveOutputSymbol));
    if (!create) {
        qWarning().noquote() << "No sound effects:" << module.errorString();
        return nullptr;
    }
    output.reset(create([this] {
        if (startObserver)
            startObserver();
    }));
    return output.get();
}
