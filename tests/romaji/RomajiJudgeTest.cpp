#include "romaji/RomajiJudge.h"
#include "romaji/RomajiTable.h"

#include <QTest>

class RomajiJudgeTest : public QObject
{
    Q_OBJECT

private slots:
    void everySpellingCompletesTheAnswer_data();
    void everySpellingCompletesTheAnswer();
    void everyTableSpellingIsTaken();
    void keyThatCannotLeadToTheAnswerIsRefused_data();
    void keyThatCannotLeadToTheAnswerIsRefused();
    void shownTextIsKanaThenPendingKeys_data();
    void shownTextIsKanaThenPendingKeys();
    void backspaceRemovesPendingKeyOrLastKana_data();
    void backspaceRemovesPendingKeyOrLastKana();
    void guideFollowsTheSpellingChosen_data();
    void guideFollowsTheSpellingChosen();
};

namespace {

// Types every key and says which one was refused first; -1 when all were taken.
int refusedAt(RomajiJudge& judge, const QString& keys)
{
    for (int k = 0; k < keys.size(); ++k) {
        if (!judge.type(keys[k]))
            return k;
    }
    return -1;
}

} // namespace

void RomajiJudgeTest::everySpellingCompletesTheAnswer_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("keys");

    QTest::addRow("tsu_as_tu") << "つくえ"
                               << "tukue";
    QTest::addRow("tsu_as_tsu") << "つくえ"
                                << "tsukue";
    QTest::addRow("shi_chi_fu_ji_hepburn") << "しちふじ"
                                           << "shichifuji";
    QTest::addRow("shi_chi_fu_ji_kunrei") << "しちふじ"
                                          << "sitihuzi";
    QTest::addRow("nn_for_n") << "ほんや"
                              << "honnya";
    QTest::addRow("n_apostrophe_before_vowel") << "かんい"
                                               << "kan'i";
    QTest::addRow("xn") << "かんい"
                        << "kaxni";
    QTest::addRow("nn_before_vowel") << "かんい"
                                     << "kanni";
    QTest::addRow("konna_single_n_before_na") << "こんな"
                                              << "konna";
    QTest::addRow("konnna") << "こんな"
                            << "konnna";
    QTest::addRow("n_at_the_end_as_nn") << "ほん"
                                        << "honn";
    QTest::addRow("single_n_before_consonant") << "しんぶん"
                                               << "sinbunn";
    QTest::addRow("shinbunn") << "しんぶん"
                              << "shinbunn";
    QTest::addRow("shinnbunn") << "しんぶん"
                               << "shinnbunn";
    QTest::addRow("konnnitiha") << "こんにちは"
                                << "konnnitiha";
    QTest::addRow("konnnichiha") << "こんにちは"
                                 << "konnnichiha";
    QTest::addRow("nn_for_two_n") << "んん"
                                  << "nnnn";
    QTest::addRow("small_tsu_doubled") << "きっぷ"
                                       << "kippu";
    QTest::addRow("small_tsu_xtu") << "きっぷ"
                                   << "kixtupu";
    QTest::addRow("small_tsu_before_ch") << "まっちゃ"
                                         << "maccha";
    QTest::addRow("small_tsu_before_ty") << "まっちゃ"
                                         << "mattya";
    QTest::addRow("two_small_tsu_doubled") << "っっか"
                                           << "kkka";
    QTest::addRow("small_tsu_before_single_n_kana") << "あっさんか"
                                                    << "assanka";
    QTest::addRow("sha_hepburn") << "しゃしん"
                                 << "shashinn";
    QTest::addRow("sha_kunrei") << "しゃしん"
                                << "syasinn";
    QTest::addRow("sha_as_two_kana") << "しゃしん"
                                     << "shixyasinn";
    QTest::addRow("fa") << "ふぁいる"
                        << "fairu";
    QTest::addRow("fa_as_two_kana") << "ふぁいる"
                                    << "huxairu";
    QTest::addRow("katakana_jazu") << "ジャズ"
                                   << "jazu";
    QTest::addRow("katakana_zyazu") << "ジャズ"
                                    << "zyazu";
    QTest::addRow("katakana_long_mark") << "コーヒー"
                                        << "ko-hi-";
    QTest::addRow("katakana_vu") << "ヴァイオリン"
                                 << "vaiorinn";
    QTest::addRow("half_width_katakana_voiced") << "ﾃﾞｰﾀ"
                                                << "de-ta";
    QTest::addRow("half_width_katakana_semi_voiced") << "ﾊﾟﾝ"
                                                     << "pann";
    QTest::addRow("ascii_as_itself") << "CDを2まい"
                                     << "CDwo2mai";
    QTest::addRow("single_n_before_ascii_consonant") << "ほんk"
                                                     << "honk";
    QTest::addRow("nn_before_ascii_n") << "んn"
                                       << "nnn";
    QTest::addRow("full_width_letters_and_digits") << "ＣＤ２"
                                                   << "CD2";
    QTest::addRow("ideographic_space") << "あ　い"
                                       << "a i";
    QTest::addRow("punctuation") << "はい、そう。"
                                 << "hai,sou.";
    QTest::addRow("upper_case_keys_for_kana") << "かっぱ"
                                              << "KaPPA";
    QTest::addRow("empty_answer") << ""
                                  << "";
}

void RomajiJudgeTest::everySpellingCompletesTheAnswer()
{
    QFETCH(QString, answer);
    QFETCH(QString, keys);

    RomajiJudge judge(answer);

    QCOMPARE(refusedAt(judge, keys), -1);
    QVERIFY(judge.complete());
    QCOMPARE(judge.shownText(), answer);
    QCOMPARE(judge.guide(), QString());
    // Typing stops at the full answer.
    QVERIFY(!judge.type(u'a'));
    QVERIFY(!judge.type(u'n'));
    QCOMPARE(judge.shownText(), answer);
}

void RomajiJudgeTest::everyTableSpellingIsTaken()
{
    for (const QString& kana : RomajiTable::kanaTexts()) {
        QString katakana = kana;
        for (QChar& c : katakana) {
            if (c.unicode() >= 0x3041 && c.unicode() <= 0x3096)
                c = QChar(char16_t(c.unicode() + 0x60));
        }
        for (const QString& answer : {kana, katakana}) {
            for (const QString& keys : RomajiTable::spellingsOf(kana)) {
                RomajiJudge judge(answer);
                QVERIFY2(refusedAt(judge, keys) == -1 && judge.complete(),
                         qPrintable(answer + QLatin1Char(' ') + keys));
                QCOMPARE(judge.shownText(), answer);
            }
        }
    }
}

void RomajiJudgeTest::keyThatCannotLeadToTheAnswerIsRefused_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<int>("refused");
    QTest::addColumn<QString>("shown");

    QTest::addRow("konitiha_single_n_before_vowel") << "こんにちは"
                                                    << "konitiha" << 3 << "こn";
    QTest::addRow("single_n_before_vowel") << "かんい"
                                           << "kani" << 3 << "かn";
    QTest::addRow("single_n_before_y") << "きんようび"
                                       << "kinyoubi" << 3 << "きn";
    QTest::addRow("wrong_kana") << "つくえ"
                                << "tsuka" << 4 << "つk";
    QTest::addRow("small_tsu_not_by_n") << "あっな"
                                        << "anna" << 1 << "あ";
    QTest::addRow("small_tsu_not_before_vowel") << "あっあ"
                                                << "aaa" << 1 << "あ";
    QTest::addRow("doubled_consonant_must_fit_next_kana") << "きっぷ"
                                                          << "kikku" << 2 << "き";
    QTest::addRow("doubled_consonant_typed_twice") << "きっぷ"
                                                   << "kipk" << 3 << "きp";
    QTest::addRow("ascii_case_kept") << "CD"
                                     << "cd" << 0 << "";
    QTest::addRow("full_width_letter_case_kept") << "ＣＤ"
                                                 << "Cd" << 1 << "Ｃ";
    QTest::addRow("kanji_cannot_be_typed") << "山"
                                           << "yama" << 0 << "";
    QTest::addRow("stops_before_kanji") << "やま山"
                                        << "yamay" << 4 << "やま";
    QTest::addRow("long_mark_is_not_a_vowel") << "コーヒー"
                                              << "kooh" << 2 << "コ";
    QTest::addRow("key_outside_ascii") << "あ"
                                       << "あ" << 0 << "";
    QTest::addRow("control_key") << "あ"
                                 << "\t" << 0 << "";
}

void RomajiJudgeTest::keyThatCannotLeadToTheAnswerIsRefused()
{
    QFETCH(QString, answer);
    QFETCH(QString, keys);
    QFETCH(int, refused);
    QFETCH(QString, shown);

    RomajiJudge judge(answer);
    QCOMPARE(refusedAt(judge, keys.left(refused + 1)), refused);

    QCOMPARE(judge.shownText(), shown);
    QVERIFY(!judge.complete());
}

void RomajiJudgeTest::shownTextIsKanaThenPendingKeys_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("complete");

    QTest::addRow("shinbun_one_n_short") << "しんぶん"
                                         << "shinbun"
                                         << "しんぶn" << false;
    QTest::addRow("n_pending") << "しんぶん"
                               << "sin"
                               << "しn" << false;
    QTest::addRow("single_n_taken_by_consonant") << "しんぶん"
                                                 << "sinb"
                                                 << "しんb" << false;
    QTest::addRow("two_n_need_nn_each") << "んん"
                                        << "nnn"
                                        << "んn" << false;
    QTest::addRow("nn_shows_n_not_pending") << "こんな"
                                            << "konn"
                                            << "こん" << false;
    QTest::addRow("doubling_pending") << "きっぷ"
                                      << "kip"
                                      << "きp" << false;
    QTest::addRow("doubling_written") << "きっぷ"
                                      << "kipp"
                                      << "きっp" << false;
    QTest::addRow("katakana_written") << "ジャズ"
                                      << "zya"
                                      << "ジャ" << false;
    QTest::addRow("half_width_written") << "ﾃﾞｰﾀ"
                                        << "de-"
                                        << "ﾃﾞｰ" << false;
    QTest::addRow("keys_shown_as_typed") << "きょう"
                                         << "KY"
                                         << "KY" << false;
}

void RomajiJudgeTest::shownTextIsKanaThenPendingKeys()
{
    QFETCH(QString, answer);
    QFETCH(QString, keys);
    QFETCH(QString, shown);
    QFETCH(bool, complete);

    RomajiJudge judge(answer);
    QCOMPARE(refusedAt(judge, keys), -1);

    QCOMPARE(judge.shownText(), shown);
    QCOMPARE(judge.complete(), complete);
}

void RomajiJudgeTest::backspaceRemovesPendingKeyOrLastKana_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<int>("backspaces");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("rest");

    QTest::addRow("pending_key") << "かな"
                                 << "kan" << 1 << "か"
                                 << "na";
    QTest::addRow("one_of_two_pending_keys") << "きょう"
                                             << "ky" << 1 << "k"
                                             << "you";
    QTest::addRow("last_kana") << "かな"
                               << "kana" << 1 << "か"
                               << "na";
    QTest::addRow("second_kana_of_a_pair") << "きゃく"
                                           << "kya" << 1 << "き"
                                           << "xyaku";
    QTest::addRow("doubling_key") << "きっぷ"
                                  << "kip" << 1 << "き"
                                  << "xtupu";
    QTest::addRow("nn") << "こんな"
                        << "konn" << 1 << "こ"
                        << "n'na";
    QTest::addRow("katakana") << "ジャズ"
                              << "jazu" << 2 << "ジ"
                              << "lya"
                                 "zu";
    QTest::addRow("past_the_start") << "かな"
                                    << "k" << 3 << ""
                                    << "kana";
    QTest::addRow("after_a_refused_key") << "かな"
                                         << "kaq" << 1 << ""
                                         << "kana";
}

void RomajiJudgeTest::backspaceRemovesPendingKeyOrLastKana()
{
    QFETCH(QString, answer);
    QFETCH(QString, keys);
    QFETCH(int, backspaces);
    QFETCH(QString, shown);
    QFETCH(QString, rest);

    RomajiJudge judge(answer);
    for (QChar key : keys)
        judge.type(key);
    for (int k = 0; k < backspaces; ++k)
        judge.backspace();

    QCOMPARE(judge.shownText(), shown);
    QCOMPARE(refusedAt(judge, rest), -1);
    QVERIFY(judge.complete());
}

void RomajiJudgeTest::guideFollowsTheSpellingChosen_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("guide");
    QTest::addColumn<bool>("completes");

    QTest::addRow("hepburn_first") << "しんぶん"
                                   << ""
                                   << "shinbunn" << true;
    QTest::addRow("nn_before_na") << "こんな"
                                  << ""
                                  << "konnna" << true;
    QTest::addRow("nn_before_vowel") << "かんい"
                                     << ""
                                     << "kanni" << true;
    QTest::addRow("nn_at_the_end") << "ほん"
                                   << ""
                                   << "honn" << true;
    QTest::addRow("rest_of_pending_n") << "こんな"
                                       << "kon"
                                       << "nna" << true;
    QTest::addRow("rest_of_single_n") << "しんぶん"
                                      << "shin"
                                      << "bunn" << true;
    QTest::addRow("doubled_consonant") << "きっぷ"
                                       << ""
                                       << "kippu" << true;
    QTest::addRow("rest_after_doubling_key") << "きっぷ"
                                             << "kip"
                                             << "pu" << true;
    QTest::addRow("xtu_before_vowel") << "あっあ"
                                      << ""
                                      << "axtua" << true;
    QTest::addRow("two_small_tsu") << "っっか"
                                   << "k"
                                   << "kka" << true;
    QTest::addRow("rest_of_pending_ts") << "つくえ"
                                        << "ts"
                                        << "ukue" << true;
    QTest::addRow("kunrei_kept_for_the_same_kana") << "つくつ"
                                                   << "tu"
                                                   << "kutu" << true;
    QTest::addRow("pair_kept") << "しゃしゃし"
                               << "sya"
                               << "syashi" << true;
    QTest::addRow("pair_not_split_by_a_kana_choice") << "しちしゃ"
                                                     << "si"
                                                     << "chisha" << true;
    QTest::addRow("xtu_kept") << "きっぷっぱ"
                              << "kixtu"
                              << "puxtupa" << true;
    QTest::addRow("rest_of_a_pair") << "しゃしん"
                                    << "sh"
                                    << "ashinn" << true;
    QTest::addRow("katakana") << "ジャズ"
                              << ""
                              << "jazu" << true;
    QTest::addRow("long_mark") << "コーヒー"
                               << ""
                               << "ko-hi-" << true;
    QTest::addRow("ascii") << "CDを"
                           << ""
                           << "CDwo" << true;
    QTest::addRow("single_n_before_ascii_consonant") << "ほんK"
                                                     << ""
                                                     << "honK" << true;
    QTest::addRow("stops_before_kanji") << "やま山だ"
                                        << ""
                                        << "yama" << false;
}

void RomajiJudgeTest::guideFollowsTheSpellingChosen()
{
    QFETCH(QString, answer);
    QFETCH(QString, keys);
    QFETCH(QString, guide);
    QFETCH(bool, completes);

    RomajiJudge judge(answer);
    QCOMPARE(refusedAt(judge, keys), -1);
    QCOMPARE(judge.guide(), guide);

    // The guide is a spelling the judge takes, as far as the answer can be typed.
    QCOMPARE(refusedAt(judge, guide), -1);
    QCOMPARE(judge.complete(), completes);
}

QTEST_APPLESS_MAIN(RomajiJudgeTest)
#include "RomajiJudgeTest.moc"
