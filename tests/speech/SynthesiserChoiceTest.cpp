#include "speech/SynthesiserChoice.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class SynthesiserChoiceTest : public QObject
{
    Q_OBJECT

private slots:
    void theSynthesiserFollowsWhatIsInstalled_data()
    {
        QTest::addColumn<InstalledSpeech>("installed");
        QTest::addColumn<int>("synthesiser");
        QTest::addColumn<QStringList>("told");

        const QString jtalk = "/usr/bin/open_jtalk";
        const QString dictionary = "/dic";
        const QString voice = "/voice.htsvoice";
        const QString espeak = "/usr/bin/espeak-ng";
        QTest::addRow("everything") << InstalledSpeech{jtalk, dictionary, voice, {}, espeak}
                                    << int(Synthesiser::OpenJTalk) << QStringList();
        QTest::addRow("no_voice_falls_back_to_kana")
            << InstalledSpeech{jtalk, dictionary, {}, {}, espeak} << int(Synthesiser::EspeakKana)
            << QStringList{"hts-voice-nitech-jp-atr503-m001", ".htsvoice", "かなだけ"};
        QTest::addRow("a_file_that_is_no_voice_is_named")
            << InstalledSpeech{jtalk, dictionary, voice, "voice.txt は声のファイル", espeak}
            << int(Synthesiser::EspeakKana) << QStringList{"voice.txt は声のファイル"};
        QTest::addRow("no_dictionary")
            << InstalledSpeech{jtalk, {}, voice, {}, espeak} << int(Synthesiser::EspeakKana)
            << QStringList{"open-jtalk-mecab-naist-jdic"};
        QTest::addRow("no_synthesiser_at_all")
            << InstalledSpeech{{}, {}, {}, {}, {}} << int(Synthesiser::None)
            << QStringList{"open-jtalk", "espeak-ng"};
        QTest::addRow("a_voice_without_synthesiser")
            << InstalledSpeech{{}, {}, voice, {}, {}} << int(Synthesiser::None)
            << QStringList{"open-jtalk"};
    }

    void theSynthesiserFollowsWhatIsInstalled()
    {
        QFETCH(InstalledSpeech, installed);
        QFETCH(int, synthesiser);
        QFETCH(QStringList, told);
        const SynthesiserChoice choice = SynthesiserChoice::of(installed);
        QCOMPARE(int(choice.synthesiser), synthesiser);
        QCOMPARE(choice.missing.isEmpty(), told.isEmpty());
        for (const QString& words : told)
            QVERIFY2(choice.missing.contains(words), qPrintable(choice.missing));
    }

    void aVoiceFileIsRecognisedByItsContent_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("isVoice");

        QTest::addRow("voice") << QByteArray("[GLOBAL]\nHTS_VOICE_VERSION:1.0\n") << true;
        QTest::addRow("text") << QByteArray("hello") << false;
        QTest::addRow("empty") << QByteArray() << false;
        QTest::addRow("wave") << QByteArray("RIFF\x24\0\0\0WAVE", 12) << false;
    }

    void aVoiceFileIsRecognisedByItsContent()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, isVoice);
        QTemporaryDir folder;
        const QString path = folder.filePath("v.htsvoice");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();
        QCOMPARE(SpeechPrograms::voiceFault(path).isEmpty(), isVoice);
        QVERIFY(!SpeechPrograms::voiceFault(folder.filePath("missing")).isEmpty());
    }
};

QTEST_GUILESS_MAIN(SynthesiserChoiceTest)
#include "SynthesiserChoiceTest.moc"
