#pragma once

#include "speech/SpeechCache.h"
#include "speech/SpeechService.h"
#include "speech/SynthesiserChoice.h"

#include <QObject>
#include <QProcess>
#include <QTimer>

#include <deque>

// The speech service on the synthesiser programs: each line not in the cache is made by one
// process at a time, beside the event loop. Open JTalk's trace tells the reading it used; when
// that is not the confirmed reading, the reading is spoken instead. A process that does not end
// within the limit is killed, and its line fails.
class ProcessSpeech : public QObject, public SpeechService
{
    Q_OBJECT

public:
    struct Setup
    {
        InstalledSpeech installed;
        SynthesiserChoice choice;
        double speed = 1.0;
        int limitMilliseconds = 10000;
    };

    ProcessSpeech(const Setup& setup, SpeechCache cache, QObject* parent = nullptr);
    ~ProcessSpeech() override;

    void synthesise(const SpeechLine& line, Done done) override;
    void cancelAll() override;
    QString useSettings(double speed, const QString& voice) override;

    // The program, arguments and input that speak text into the wave file out, with the trace
    // written to trace when the program gives one.
    struct Command
    {
        QString program;
        QStringList arguments;
        QByteArray input;
    };
    Command commandFor(const QString& text, const QString& out, const QString& trace) const;

private:
    struct Job
    {
        SpeechLine line;
        Done done;
        QString key;
        // The text given to the synthesiser; the reading once the trace disagreed.
        QString spoken;
    };

    void startNext();
    void run(const QString& text);
    void processEnded();
    void finish(const SpeechAudio& audio);
    // Why the line cannot be spoken here at all; empty when it can.
    QString refusal(const SpeechLine& line) const;
    QString workPath(const QString& suffix) const;

    Setup setup;
    SpeechCache cache;
    std::deque<Job> jobs;
    QProcess* process = nullptr;
    QTimer limit;
    bool timedOut = false;
    bool cacheChecked = false;
    bool cacheWritable = false;
};
