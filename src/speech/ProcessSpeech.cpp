#include "speech/ProcessSpeech.h"

#include "readings/Kana.h"

#include <QFile>

namespace {

// espeak-ng's words a minute at the normal speed.
constexpr int EspeakWordsPerMinute = 175;

} // namespace

ProcessSpeech::ProcessSpeech(const Setup& setup, SpeechCache cache, QObject* parent)
    : QObject(parent), setup(setup), cache(std::move(cache))
{
    limit.setSingleShot(true);
    connect(&limit, &QTimer::timeout, this, [this] {
        timedOut = true;
        if (process)
            process->kill();
    });
}

ProcessSpeech::~ProcessSpeech()
{
    if (process) {
        process->disconnect(this);
        process->kill();
        process->waitForFinished(1000);
    }
}

void ProcessSpeech::synthesise(const SpeechLine& line, Done done)
{
    const QString voice = setup.choice.synthesiser == Synthesiser::OpenJTalk
                              ? setup.installed.voice
                              : QStringLiteral("espeak-ng");
    jobs.push_back({line,
                    std::move(done),
                    SpeechCache::keyOf(line.text + QLatin1Char('\n') + line.confirmedReading, voice,
                                       setup.speed),
                    {}});
    if (!process)
        QTimer::singleShot(0, this, &ProcessSpeech::startNext);
}

void ProcessSpeech::cancelAll()
{
    if (process) {
        process->disconnect(this);
        process->kill();
        process->waitForFinished(1000);
        process->deleteLater();
        process = nullptr;
        limit.stop();
        // The files of the line cut short are never finished.
        QFile::remove(workPath(QStringLiteral(".part")));
        QFile::remove(workPath(QStringLiteral(".trace")));
    }
    jobs.clear();
}

QString ProcessSpeech::useSettings(double speed, const QString& voice)
{
    cancelAll();
    setup.installed = SpeechPrograms::find(voice);
    setup.choice = SynthesiserChoice::of(setup.installed);
    setup.speed = speed;
    return setup.installed.voiceFault;
}

QString ProcessSpeech::refusal(const SpeechLine& line) const
{
    if (line.text.trimmed().isEmpty())
        return QStringLiteral("読み上げる文がありません。");
    switch (setup.choice.synthesiser) {
    case Synthesiser::OpenJTalk:
        return {};
    case Synthesiser::EspeakKana:
        if (line.confirmedReading.isEmpty() && Kana::containsKanji(line.text))
            return setup.choice.missing;
        return {};
    case Synthesiser::None:
        break;
    }
    return setup.choice.missing;
}

void ProcessSpeech::startNext()
{
    while (!process && !jobs.empty()) {
        Job& job = jobs.front();
        if (const QString found = cache.find(job.key); !found.isEmpty()) {
            finish(found);
            continue;
        }
        if (const QString refused = refusal(job.line); !refused.isEmpty()) {
            finish(SpeechAudio::failed(refused));
            continue;
        }
        if (!cacheChecked) {
            cacheWritable = cache.prepare();
            cacheChecked = true;
        }
        if (!cacheWritable) {
            finish(SpeechAudio::failed(
                QStringLiteral("音声を置くフォルダ %1 に書き込めません。").arg(cache.folder())));
            continue;
        }
        job.spoken = setup.choice.synthesiser == Synthesiser::EspeakKana &&
                             !job.line.confirmedReading.isEmpty()
                         ? job.line.confirmedReading
                         : job.line.text;
        run(job.spoken);
    }
}

ProcessSpeech::Command ProcessSpeech::commandFor(const QString& text, const QString& out,
                                                 const QString& trace) const
{
    if (setup.choice.synthesiser == Synthesiser::OpenJTalk)
        return {setup.installed.openJTalk,
                {QStringLiteral("-x"), setup.installed.dictionary, QStringLiteral("-m"),
                 setup.installed.voice, QStringLiteral("-r"), QString::number(setup.speed),
                 QStringLiteral("-ow"), out, QStringLiteral("-ot"), trace},
                text.toUtf8() + '\n'};
    return {setup.installed.espeak,
            {QStringLiteral("-v"), QStringLiteral("ja"), QStringLiteral("-s"),
             QString::number(qRound(EspeakWordsPerMinute * setup.speed)), QStringLiteral("-w"), out,
             QStringLiteral("--stdin")},
            text.toUtf8() + '\n'};
}

QString ProcessSpeech::workPath(const QString& suffix) const
{
    return cache.pathOf(jobs.front().key) + suffix;
}

void ProcessSpeech::run(const QString& text)
{
    const Command command =
        commandFor(text, workPath(QStringLiteral(".part")), workPath(QStringLiteral(".trace")));
    process = new QProcess(this);
    connect(process, &QProcess::finished, this, &ProcessSpeech::processEnded);
    connect(process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            processEnded();
    });
    timedOut = false;
    limit.start(setup.limitMilliseconds);
    process->start(command.program, command.arguments);
    process->write(command.input);
    process->closeWriteChannel();
}

void ProcessSpeech::processEnded()
{
    if (!process)
        return;
    limit.stop();
    QProcess* ended = process;
    process = nullptr;
    ended->disconnect(this);
    ended->deleteLater();
    const QString part = workPath(QStringLiteral(".part"));
    const QString trace = workPath(QStringLiteral(".trace"));
    const QString program = ended->program();
    Job& job = jobs.front();
    QString fault;
    if (timedOut)
        fault = QStringLiteral("%1 が %2 秒たっても終わらないので止めました。")
                    .arg(program)
                    .arg(setup.limitMilliseconds / 1000.0);
    else if (ended->error() == QProcess::FailedToStart)
        fault = QStringLiteral("%1 を起動できません。").arg(program);
    else if (ended->exitStatus() != QProcess::NormalExit || ended->exitCode() != 0)
        fault = QStringLiteral("%1 が異常終了しました。%2")
                    .arg(program, QString::fromLocal8Bit(ended->readAllStandardError()).trimmed());
    else if (QFile(part).size() <= 44)
        fault = QStringLiteral("「%1」は読み上げられません。").arg(job.line.text);
    QString traced;
    if (QFile traceFile(trace); traceFile.open(QIODevice::ReadOnly))
        traced = SpokenReading::fromTrace(traceFile.readAll());
    QFile::remove(trace);
    if (!fault.isEmpty()) {
        QFile::remove(part);
        finish(SpeechAudio::failed(fault));
    } else if (const QString wanted = SpokenReading::textToSpeak(job.line, traced);
               job.spoken == job.line.text && wanted != job.spoken) {
        job.spoken = wanted;
        run(wanted);
        return;
    } else {
        const QString path = cache.pathOf(job.key);
        QFile::remove(path);
        QFile::rename(part, path);
        cache.trim();
        finish(path);
    }
    startNext();
}

void ProcessSpeech::finish(const SpeechAudio& audio)
{
    Job job = std::move(jobs.front());
    jobs.pop_front();
    job.done(audio);
}
