#include "speech/Speaker.h"

#include "platform/WavePlayer.h"

Speaker::Speaker(SpeechService& service, WavePlayer& player, QObject* parent)
    : QObject(parent), service(service), player(player)
{}

Speaker::~Speaker()
{
    service.cancelAll();
}

QString Speaker::keyOf(const SpeechLine& line)
{
    return line.text + QLatin1Char('\n') + line.confirmedReading;
}

void Speaker::say(const SpeechLine& line)
{
    current = keyOf(line);
    ++playing;
    waitingForSound = true;
    if (sounds.contains(current) || failed.contains(current)) {
        playCurrent();
        return;
    }
    request(line);
}

void Speaker::prepare(const SpeechLine& line)
{
    const QString key = keyOf(line);
    if (!sounds.contains(key) && !failed.contains(key))
        request(line);
}

void Speaker::announce(const SpeechLine& line)
{
    const auto sound = sounds.constFind(keyOf(line));
    if (sound == sounds.constEnd()) {
        prepare(line);
        return;
    }
    ++playing;
    waitingForSound = false;
    if (player.open(*sound))
        player.play();
}

void Speaker::again()
{
    if (!waitingForSound && sounds.contains(current)) {
        waitingForSound = true;
        playCurrent();
    }
}

void Speaker::stop()
{
    service.cancelAll();
    pending.clear();
    current.clear();
    ++playing;
    waitingForSound = false;
    faultTold = false;
    player.close();
}

void Speaker::request(const SpeechLine& line)
{
    const QString key = keyOf(line);
    if (pending.contains(key))
        return;
    pending.insert(key);
    service.synthesise(line, [this, key](const SpeechAudio& audio) { received(key, audio); });
}

void Speaker::received(const QString& key, const SpeechAudio& audio)
{
    pending.remove(key);
    if (audio)
        sounds.insert(key, *audio);
    else
        failed.insert(key);
    if (waitingForSound && key == current)
        playCurrent();
    if (!audio)
        tell(audio.failure());
}

void Speaker::playCurrent()
{
    const auto sound = sounds.constFind(current);
    if (sound == sounds.constEnd() || !player.open(*sound)) {
        waitingForSound = false;
        emit ended();
        return;
    }
    const quint64 started = ++playing;
    player.playThrough([this, started] {
        if (started != playing)
            return;
        waitingForSound = false;
        emit ended();
    });
}

void Speaker::tell(const QString& message)
{
    if (faultTold)
        return;
    faultTold = true;
    emit fault(message);
}
