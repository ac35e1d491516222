#include "media/SoundEffects.h"
#include "FakeWavePlayer.h"

#include <QTest>

class SoundEffectsTest : public QObject
{
    Q_OBJECT

private slots:
    void playsThroughOpenThenPlay_data();
    void playsThroughOpenThenPlay();
    void preloadNamesEachFileOnce_data();
    void preloadNamesEachFileOnce();
    void eachEventPlaysItsOwnFile();
};

void SoundEffectsTest::playsThroughOpenThenPlay_data()
{
    QTest::addColumn<QStringList>("events");
    QTest::addColumn<QStringList>("calls");
    QTest::addColumn<QStringList>("played");

    QTest::addRow("playable_file")
        << QStringList{"ok.wav"} << QStringList{"open ok.wav", "play"} << QStringList{"ok.wav"};
    QTest::addRow("failed_open_is_not_played")
        << QStringList{"bad.wav"} << QStringList{"open bad.wav"} << QStringList{};
    QTest::addRow("empty_path_only_ends_previous_sound")
        << QStringList{""} << QStringList{"close"} << QStringList{};
    QTest::addRow("every_event_starts_afresh")
        << QStringList{"ok.wav", "bad.wav", "", "ok.wav"}
        << QStringList{"open ok.wav", "play", "open bad.wav", "close", "open ok.wav", "play"}
        << QStringList{"ok.wav", "ok.wav"};
}

void SoundEffectsTest::playsThroughOpenThenPlay()
{
    QFETCH(QStringList, events);
    FakeWavePlayer player;
    player.failingPaths = {QStringLiteral("bad.wav")};
    SoundEffects effects(player);

    for (const QString& path : events)
        effects.playFile(path);

    QTEST(player.calls, "calls");
    QTEST(player.played, "played");
}

void SoundEffectsTest::preloadNamesEachFileOnce_data()
{
    QTest::addColumn<QStringList>("paths");
    QTest::addColumn<QStringList>("preloaded");

    QTest::addRow("two_files") << QStringList{"a.wav", "b.wav"} << QStringList{"a.wav", "b.wav"};
    QTest::addRow("same_file_for_both_events")
        << QStringList{"a.wav", "a.wav"} << QStringList{"a.wav"};
    QTest::addRow("empty_paths_left_out") << QStringList{"", "b.wav"} << QStringList{"b.wav"};
    // Still passed on, so that the player lets go of the files it held before.
    QTest::addRow("no_file_at_all") << QStringList{"", ""} << QStringList{};
}

void SoundEffectsTest::preloadNamesEachFileOnce()
{
    QFETCH(QStringList, paths);
    FakeWavePlayer player;
    player.preload({QStringLiteral("old.wav")});
    SoundEffects effects(player);

    effects.setEventFiles({{SoundEvent::Correct, paths[0]}, {SoundEvent::TimeOut, paths[1]}});

    QTEST(player.preloaded, "preloaded");
    QCOMPARE(player.calls.size(), 2);
}

void SoundEffectsTest::eachEventPlaysItsOwnFile()
{
    FakeWavePlayer player;
    SoundEffects effects(player);
    effects.play(SoundEvent::Correct);
    effects.setEventFiles({{SoundEvent::Correct, "ok.wav"}, {SoundEvent::TimeOut, "late.wav"}});
    effects.play(SoundEvent::TimeOut);
    effects.play(SoundEvent::Correct);
    effects.setEventFiles({{SoundEvent::TimeOut, "late.wav"}});
    effects.play(SoundEvent::Correct);

    QCOMPARE(player.played, (QStringList{"late.wav", "ok.wav"}));
    QCOMPARE(player.calls.last(), QStringLiteral("close"));
}

QTEST_GUILESS_MAIN(SoundEffectsTest)
#include "SoundEffectsTest.moc"
