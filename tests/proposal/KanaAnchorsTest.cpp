#include "proposal/KanaAnchors.h"

#include <QTest>

class KanaAnchorsTest : public QObject
{
    Q_OBJECT

private slots:
    void align_data();
    void align();
};

void KanaAnchorsTest::align_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("reading");
    QTest::addColumn<bool>("fits");
    QTest::addColumn<QStringList>("kanjiReadings");
    QTest::addRow("kanji_only") << "東京"
                                << "とうきょう" << true << QStringList{"とうきょう"};
    QTest::addRow("okurigana") << "食べる"
                               << "たべる" << true << QStringList{"た"};
    QTest::addRow("other_okurigana") << "食べる"
                                     << "たべた" << false << QStringList{};
    QTest::addRow("kana_between_runs") << "夢を見る"
                                       << "ゆめをみる" << true << QStringList{"ゆめ", "み"};
    QTest::addRow("particle_differs") << "窓を開ける"
                                      << "まどがあける" << false << QStringList{};
    QTest::addRow("anchor_repeated_in_reading")
        << "日の出の時"
        << "ひのでのとき" << true << QStringList{"ひ", "で", "とき"};
    QTest::addRow("katakana_anchor_against_hiragana") << "消しゴム"
                                                      << "けしごむ" << true << QStringList{"け"};
    QTest::addRow("kanji_run_reads_nothing") << "お茶"
                                             << "お" << false << QStringList{};
    QTest::addRow("digits_read_with_the_kanji") << "3本"
                                                << "さんぼん" << true << QStringList{"さんぼん"};
    QTest::addRow("latin_anchor") << "T字路"
                                  << "Tじろ" << true << QStringList{"じろ"};
    QTest::addRow("reading_longer_than_kana_word") << "すし"
                                                   << "すしや" << false << QStringList{};
}

void KanaAnchorsTest::align()
{
    QFETCH(QString, word);
    QFETCH(QString, reading);
    QFETCH(bool, fits);
    QFETCH(QStringList, kanjiReadings);
    const std::optional<QStringList> aligned = KanaAnchors::align(word, reading);
    QCOMPARE(aligned.has_value(), fits);
    if (fits)
        QCOMPARE(*aligned, kanjiReadings);
}

QTEST_APPLESS_MAIN(KanaAnchorsTest)
#include "KanaAnchorsTest.moc"
