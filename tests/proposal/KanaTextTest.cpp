#include "proposal/KanaText.h"

#include <QTest>

class KanaTextTest : public QObject
{
    Q_OBJECT

private slots:
    void toHiragana_data();
    void toHiragana();
    void hasKanji_data();
    void hasKanji();
};

void KanaTextTest::toHiragana_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("hiragana");
    QTest::addRow("katakana") << "カタカナ"
                              << "かたかな";
    QTest::addRow("long_vowel_mark_kept") << "コーヒー"
                                          << "こーひー";
    QTest::addRow("small_kana") << "ジェット"
                                << "じぇっと";
    QTest::addRow("vu_and_small_a") << "ヴァイオリン"
                                    << "ゔぁいおりん";
    QTest::addRow("small_ka_ke") << "ヵヶ"
                                 << "ゕゖ";
    QTest::addRow("iteration_marks") << "ヽヾ"
                                     << "ゝゞ";
    QTest::addRow("half_width_with_sound_marks") << "ｶﾞｯｺｳ ﾊﾟﾝ"
                                                 << "がっこう ぱん";
    QTest::addRow("hiragana_kanji_latin_kept") << "東京へGO"
                                               << "東京へGO";
    QTest::addRow("wave_dash_and_middle_dot_kept") << "〜・"
                                                   << "〜・";
}

void KanaTextTest::toHiragana()
{
    QFETCH(QString, text);
    QFETCH(QString, hiragana);
    QCOMPARE(KanaText::toHiragana(text), hiragana);
}

void KanaTextTest::hasKanji_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("kanji");
    QTest::addRow("ideograph") << "山" << true;
    QTest::addRow("repeat_mark") << "々" << true;
    QTest::addRow("months_ke") << "ヶ" << true;
    QTest::addRow("beyond_basic_plane") << "𠮷" << true;
    QTest::addRow("kana_and_long_vowel") << "すーぱー" << false;
    QTest::addRow("digits") << "123" << false;
    QTest::addRow("ideographic_space_and_comma") << "　、" << false;
}

void KanaTextTest::hasKanji()
{
    QFETCH(QString, text);
    QFETCH(bool, kanji);
    QCOMPARE(KanaText::hasKanji(text), kanji);
}

QTEST_APPLESS_MAIN(KanaTextTest)
#include "KanaTextTest.moc"
