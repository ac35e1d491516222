#include "speech/ProcessSpeech.h"
#include "media/WaveDecoder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

namespace {

// What one request answered, once it has.
struct Answer
{
    std::optional<SpeechAudio> audio;
    SpeechService::Done done()
    {
        return [this](const SpeechAudio& result) { audio = result; };
    }
};

QString script(const QTemporaryDir& folder, const QByteArray& body)
{
    const QString path = folder.filePath("synthesiser");
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write("#!/bin/sh\n" + body + "\n");
    file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
    return path;
}

// The failure, for a message; empty for a success.
template <typename Value> QByteArray why(const Fallible<Value, QString>& audio)
{
    return audio ? QByteArray() : audio.failure().toUtf8();
}

QByteArray contentOf(const QString& path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

ProcessSpeech::Setup openJTalkAt(const QString& program, int limitMilliseconds = 10000)
{
    return {
        {program, "/dic", "/voice", {}, {}}, {Synthesiser::OpenJTalk, {}}, 1.0, limitMilliseconds};
}

} // namespace

class ProcessSpeechTest : public QObject
{
    Q_OBJECT

private:
    // The line's sound, made by service, waiting for it in the event loop.
    static SpeechAudio spoken(ProcessSpeech& service, const SpeechLine& line)
    {
        Answer answer;
        service.synthesise(line, answer.done());
        if (!QTest::qWaitFor([&] { return answer.audio.has_value(); }, 20000))
            return SpeechAudio::failed("no answer");
        return *answer.audio;
    }

private slots:
    void theRealSynthesiserSpeaksTheConfirmedReadingWhereItsOwnDiffers()
    {
        const InstalledSpeech installed = SpeechPrograms::find({});
        const SynthesiserChoice choice = SynthesiserChoice::of(installed);
        if (choice.synthesiser != Synthesiser::OpenJTalk)
            QSKIP("open_jtalk with its dictionary and a voice is not installed "
                  "(tools/install-deps.sh, tools/install-voice.sh)");
        QTemporaryDir folder;
        ProcessSpeech service({installed, choice, 1.0, 20000}, SpeechCache(folder.path()));

        const SpeechAudio asWritten = spoken(service, {"今日", {}});
        QVERIFY2(asWritten, why(asWritten).constData());
        const WaveDecodeResult sound = WaveDecoder::decodeFile(*asWritten);
        QVERIFY2(sound, why(sound).constData());
        QVERIFY(playingMilliseconds(*sound) > 200);

        // Its own reading of 今日 is きょう: the confirmed こんにち is spoken instead, sounding
        // exactly as the reading written out does; きょう agrees and leaves the text as it is.
        const SpeechAudio corrected = spoken(service, {"今日", "こんにち"});
        const SpeechAudio reading = spoken(service, {"こんにち", {}});
        QVERIFY(corrected && reading);
        QCOMPARE(contentOf(*corrected), contentOf(*reading));
        const SpeechAudio agreed = spoken(service, {"今日", "きょう"});
        QVERIFY(agreed);
        QCOMPARE(contentOf(*agreed), contentOf(*asWritten));
        QVERIFY(contentOf(*corrected) != contentOf(*asWritten));

        // Asked again, the line comes from the cache.
        const SpeechAudio again = spoken(service, {"今日", {}});
        QCOMPARE(*again, *asWritten);
    }

    void aHangingSynthesiserIsEndedAfterItsLimit()
    {
        QTemporaryDir folder;
        ProcessSpeech service(openJTalkAt(script(folder, "exec sleep 30"), 300),
                              SpeechCache(folder.filePath("cache")));
        QElapsedTimer clock;
        clock.start();
        const SpeechAudio audio = spoken(service, {"山", {}});
        QVERIFY(!audio);
        QVERIFY2(audio.failure().contains("止めました"), why(audio).constData());
        QVERIFY(clock.elapsed() < 10000);
    }

    void cancellingLeavesNoUnfinishedFiles()
    {
        QTemporaryDir folder;
        const QString cache = folder.filePath("cache");
        ProcessSpeech service(openJTalkAt(script(folder, "touch \"$8\" \"${10}\"; exec sleep 30")),
                              SpeechCache(cache));
        Answer answer;
        service.synthesise({"山", {}}, answer.done());
        QTRY_COMPARE(QDir(cache).entryList(QDir::Files).size(), 2);
        service.cancelAll();
        QCOMPARE(QDir(cache).entryList(QDir::Files), QStringList());
        QTest::qWait(50);
        QVERIFY(!answer.audio.has_value());
    }

    void aFailingSynthesiserIsReportedAndTheNextLineStillTried_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("told");

        QTest::addRow("crash") << QByteArray("kill -SEGV $$") << "異常終了";
        QTest::addRow("error_exit") << QByteArray("echo broken >&2; exit 3") << "broken";
        QTest::addRow("no_sound_written") << QByteArray("exit 0") << "読み上げられません";
    }

    void aFailingSynthesiserIsReportedAndTheNextLineStillTried()
    {
        QFETCH(QByteArray, body);
        QFETCH(QString, told);
        QTemporaryDir folder;
        ProcessSpeech service(openJTalkAt(script(folder, body)),
                              SpeechCache(folder.filePath("cache")));
        Answer first;
        Answer second;
        service.synthesise({"山", {}}, first.done());
        service.synthesise({"川", {}}, second.done());
        QTRY_VERIFY(second.audio.has_value());
        QVERIFY(!*first.audio);
        QVERIFY2(first.audio->failure().contains(told), why(*first.audio).constData());
    }

    void aMissingProgramIsReported()
    {
        QTemporaryDir folder;
        ProcessSpeech service(openJTalkAt(folder.filePath("no-such-program")),
                              SpeechCache(folder.filePath("cache")));
        const SpeechAudio audio = spoken(service, {"山", {}});
        QVERIFY(!audio);
        QVERIFY2(audio.failure().contains("起動できません"), why(audio).constData());
    }

    void anUnwritableCacheIsReported()
    {
        QTemporaryDir folder;
        QFile blocker(folder.filePath("file"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        ProcessSpeech service(openJTalkAt(script(folder, "exit 0")),
                              SpeechCache(folder.filePath("file/cache")));
        const SpeechAudio audio = spoken(service, {"山", {}});
        QVERIFY(!audio);
        QVERIFY2(audio.failure().contains("書き込めません"), why(audio).constData());
    }

    void theKanaFallbackSpeaksReadingsAndTellsWhatToInstallForKanji()
    {
        const InstalledSpeech installed = SpeechPrograms::find({});
        QTemporaryDir folder;
        const SynthesiserChoice choice = SynthesiserChoice::of({{}, {}, {}, {}, installed.espeak});
        ProcessSpeech service({installed, choice, 1.0, 20000}, SpeechCache(folder.path()));
        const SpeechAudio kanji = spoken(service, {"山", {}});
        QVERIFY(!kanji);
        QCOMPARE(kanji.failure(), choice.missing);

        if (installed.espeak.isEmpty())
            QSKIP("espeak-ng is not installed");
        const SpeechAudio reading = spoken(service, {"山", "やま"});
        QVERIFY2(reading, why(reading).constData());
        QVERIFY(WaveDecoder::decodeFile(*reading));
    }

    void aVoiceFileThatIsNoVoiceIsNamedWhenChosen()
    {
        QTemporaryDir folder;
        const QString text = folder.filePath("notes.htsvoice");
        QFile file(text);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("not a voice");
        file.close();
        ProcessSpeech service({}, SpeechCache(folder.path()));
        QVERIFY(service.useSettings(1.0, text).contains("notes.htsvoice"));
        QCOMPARE(service.useSettings(1.0, {}), QString());
    }

    void theCommandCarriesSpeedVoiceAndDictionary()
    {
        ProcessSpeech::Setup setup = openJTalkAt("/bin/open_jtalk");
        setup.speed = 1.5;
        const ProcessSpeech::Command command =
            ProcessSpeech(setup, SpeechCache("/tmp")).commandFor("山", "/o.wav", "/t.txt");
        QCOMPARE(command.arguments, (QStringList{"-x", "/dic", "-m", "/voice", "-r", "1.5", "-ow",
                                                 "/o.wav", "-ot", "/t.txt"}));
        QCOMPARE(command.input, QByteArray("山\n"));
    }
};

QTEST_GUILESS_MAIN(ProcessSpeechTest)
#include "ProcessSpeechTest.moc"
