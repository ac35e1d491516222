#pragma once

#include "speech/SpeechService.h"

#include <QStringList>

#include <deque>

// Keeps every request in order and answers them only when the test says so, as a synthesiser
// beside the game would answer later.
class FakeSpeechService : public SpeechService
{
public:
    void synthesise(const SpeechLine& line, Done done) override
    {
        requested << line.text;
        waiting.push_back({line, std::move(done)});
    }

    void cancelAll() override
    {
        waiting.clear();
        ++cancels;
    }

    QString useSettings(double speed, const QString& voice) override
    {
        settingsUsed << QStringLiteral("%1 %2").arg(speed).arg(voice);
        return voiceFault;
    }

    // Answers the oldest request: its sound is the file at path.
    void answer(const QString& path) { answerWith(path); }
    void fail(const QString& fault) { answerWith(SpeechAudio::failed(fault)); }
    // Answers every request with a file of its own, named after its text.
    void answerAll()
    {
        while (!waiting.empty())
            answer(waiting.front().line.text + QStringLiteral(".wav"));
    }

    bool hasWaiting() const { return !waiting.empty(); }
    const SpeechLine& nextLine() const { return waiting.front().line; }

    QStringList requested;
    int cancels = 0;
    QStringList settingsUsed; // "SPEED VOICE" at each change
    QString voiceFault;       // what useSettings answers

private:
    struct Request
    {
        SpeechLine line;
        Done done;
    };

    void answerWith(const SpeechAudio& audio)
    {
        Request request = std::move(waiting.front());
        waiting.pop_front();
        request.done(audio);
    }

    std::deque<Request> waiting;
};
