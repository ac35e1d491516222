#include "speech/Speaker.h"
#include "FakeSpeechService.h"
#include "FakeWavePlayer.h"

#include <QSignalSpy>
#include <QTest>

class SpeakerTest : public QObject
{
    Q_OBJECT

private:
    FakeSpeechService service;
    FakeWavePlayer player;

private slots:
    void init()
    {
        service = FakeSpeechService();
        player = FakeWavePlayer();
    }

    void aLineEndsOnceItsSoundWasHeard()
    {
        Speaker speaker(service, player);
        QSignalSpy ended(&speaker, &Speaker::ended);
        speaker.say({"山", "やま"});
        QCOMPARE(service.requested, QStringList{"山"});
        QVERIFY(player.played.isEmpty());

        service.answer("yama.wav");
        QCOMPARE(player.played, QStringList{"yama.wav"});
        QCOMPARE(ended.size(), 0);
        QVERIFY(speaker.waiting());
        player.endSound();
        QCOMPARE(ended.size(), 1);
        QVERIFY(!speaker.waiting());
    }

    void aLinePreparedAheadIsSpokenWithoutWaiting()
    {
        Speaker speaker(service, player);
        speaker.prepare({"川", {}});
        service.answerAll();
        speaker.say({"川", {}});
        QCOMPARE(service.requested, QStringList{"川"});
        QCOMPARE(player.played, QStringList{"川.wav"});
    }

    void aLineAskedForWhileBeingPreparedIsMadeOnce()
    {
        Speaker speaker(service, player);
        speaker.prepare({"川", {}});
        speaker.say({"川", {}});
        service.answerAll();
        QCOMPARE(service.requested, QStringList{"川"});
        QCOMPARE(player.played, QStringList{"川.wav"});
    }

    void theSameTextWithAnotherReadingIsAnotherLine()
    {
        Speaker speaker(service, player);
        speaker.prepare({"今日", "きょう"});
        speaker.prepare({"今日", "こんにち"});
        QCOMPARE(service.requested, (QStringList{"今日", "今日"}));
    }

    void againReplaysTheLineOnceItWasHeard()
    {
        Speaker speaker(service, player);
        QSignalSpy ended(&speaker, &Speaker::ended);
        speaker.say({"山", {}});
        speaker.again(); // nothing to replay before the sound is made
        service.answerAll();
        speaker.again(); // nor while it plays
        QCOMPARE(player.played.size(), 1);
        player.endSound();
        speaker.again();
        QCOMPARE(player.played, (QStringList{"山.wav", "山.wav"}));
        player.endSound();
        QCOMPARE(ended.size(), 2);
        QCOMPARE(service.requested.size(), 1);
    }

    void aSoundCutOffByTheNextOneEndsOnlyTheNewest()
    {
        Speaker speaker(service, player);
        QSignalSpy ended(&speaker, &Speaker::ended);
        speaker.prepare({"川", {}});
        speaker.say({"山", {}});
        service.answerAll();
        speaker.say({"川", {}});
        QCOMPARE(ended.size(), 0);
        player.endSound();
        QCOMPARE(ended.size(), 1);
    }

    void aFaultIsToldOnceAndTheLineEndsAtOnce()
    {
        Speaker speaker(service, player);
        QSignalSpy ended(&speaker, &Speaker::ended);
        QSignalSpy faults(&speaker, &Speaker::fault);
        speaker.say({"山", {}});
        service.fail("open_jtalk を起動できません。");
        QCOMPARE(ended.size(), 1);
        speaker.say({"川", {}});
        service.fail("open_jtalk を起動できません。");
        QCOMPARE(ended.size(), 2);
        QCOMPARE(faults.size(), 1);
        QCOMPARE(faults.first().first().toString(), "open_jtalk を起動できません。");
        QVERIFY(player.played.isEmpty());

        // A new game tells the next fault again.
        speaker.stop();
        speaker.say({"空", {}});
        service.fail("x");
        QCOMPARE(faults.size(), 2);
    }

    void aSoundThePlayerCannotOpenEndsAtOnce()
    {
        Speaker speaker(service, player);
        QSignalSpy ended(&speaker, &Speaker::ended);
        player.failingPaths << "山.wav";
        speaker.say({"山", {}});
        service.answerAll();
        QCOMPARE(ended.size(), 1);
    }

    void stoppingDropsWhatWasAskedFor()
    {
        Speaker speaker(service, player);
        QSignalSpy ended(&speaker, &Speaker::ended);
        speaker.say({"山", {}});
        speaker.stop();
        QVERIFY(!service.hasWaiting());
        QVERIFY(!speaker.waiting());
        QCOMPARE(ended.size(), 0);
    }
};

QTEST_GUILESS_MAIN(SpeakerTest)
#include "SpeakerTest.moc"
