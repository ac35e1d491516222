#pragma once

#include "speech/SpeechService.h"

#include <QHash>
#include <QObject>
#include <QSet>

class WavePlayer;

// Speaks a game's questions through the wave player: the line asked for now, as soon as its
// sound is made, and the next one made ahead while the current one is answered. A line that
// cannot be spoken ends at once, so the game goes on in silence; the first fault is told once.
class Speaker : public QObject
{
    Q_OBJECT

public:
    Speaker(SpeechService& service, WavePlayer& player, QObject* parent = nullptr);
    ~Speaker() override;

    // Speaks line once its sound is ready; ended follows once it has been heard or has failed.
    void say(const SpeechLine& line);
    // Has the line's sound made now, so that saying it later does not wait.
    void prepare(const SpeechLine& line);
    // Speaks line at once when its sound is ready, cutting off what plays, and otherwise has it
    // made for the next time; nothing waits for it to end.
    void announce(const SpeechLine& line);
    // Speaks the line said last once more, when its sound is ready.
    void again();
    // Silence: nothing asked for is said any more, and the next fault is told again.
    void stop();

    bool waiting() const { return waitingForSound; }

signals:
    // The line said last has been heard to its end, or cannot be heard.
    void ended();
    void fault(const QString& message);

private:
    static QString keyOf(const SpeechLine& line);
    void request(const SpeechLine& line);
    void received(const QString& key, const SpeechAudio& audio);
    void playCurrent();
    void tell(const QString& message);

    SpeechService& service;
    WavePlayer& player;
    QHash<QString, QString> sounds; // wave file by line
    QSet<QString> pending;
    QSet<QString> failed;
    QString current;
    quint64 playing = 0; // counts the sounds started, so only the latest one's end counts
    bool waitingForSound = false;
    bool faultTold = false;
};
