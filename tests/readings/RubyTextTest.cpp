#include "readings/RubyText.h"
#include "readings/RubyNotation.h"

#include <QTest>

Q_DECLARE_METATYPE(RubySegments)

namespace {

// "食:た" is a piece with its reading, "べ" a bare one.
RubySegments pieces(const QStringList& written)
{
    RubySegments segments;
    for (const QString& piece : written) {
        const qsizetype colon = piece.indexOf(':');
        segments.append(colon < 0 ? RubySegment{piece, {}}
                                  : RubySegment{piece.left(colon), piece.mid(colon + 1)});
    }
    return segments;
}

} // namespace

class RubyTextTest : public QObject
{
    Q_OBJECT

private slots:
    void readingGoesOverTheKanjiBetweenKanaAnchors_data()
    {
        QTest::addColumn<QString>("base");
        QTest::addColumn<QString>("reading");
        QTest::addColumn<bool>("fits");
        QTest::addColumn<QStringList>("segments");
        QTest::addRow("okurigana_left_bare")
            << "食べ物"
            << "たべもの" << true << QStringList{"食:た", "べ", "物:もの"};
        QTest::addRow("kana_on_both_sides")
            << "お父さん"
            << "おとうさん" << true << QStringList{"お", "父:とう", "さん"};
        QTest::addRow("compound_as_one_group")
            << "金曜日"
            << "きんようび" << true << QStringList{"金曜日:きんようび"};
        QTest::addRow("katakana_anchor_against_hiragana")
            << "消しゴム"
            << "けしごむ" << true << QStringList{"消:け", "しゴム"};
        QTest::addRow("half_width_katakana_anchor")
            << "ｶﾞス代"
            << "がすだい" << true << QStringList{"ｶﾞス", "代:だい"};
        QTest::addRow("katakana_reading") << "山"
                                          << "ヤマ" << true << QStringList{"山:やま"};
        QTest::addRow("punctuation_between_kanji_joins_them")
            << "東京・大阪"
            << "とうきょうおおさか" << true << QStringList{"東京・大阪:とうきょうおおさか"};
        QTest::addRow("punctuation_at_the_edges_stays_bare")
            << "「山」"
            << "やま" << true << QStringList{"「", "山:やま", "」"};
        QTest::addRow("small_ke_needs_reading")
            << "一ヶ月"
            << "いっかげつ" << true << QStringList{"一ヶ月:いっかげつ"};
        QTest::addRow("letters_need_reading")
            << "Tシャツ"
            << "てぃーしゃつ" << true << QStringList{"T:てぃー", "シャツ"};
        // The anchor の could fall after き or after きのこ: each run takes the shortest reading
        // with which the rest still fits.
        QTest::addRow("ambiguous_anchor_shortest_first")
            << "木の木の"
            << "きのこのきの" << true << QStringList{"木:き", "の", "木:このき", "の"};
        QTest::addRow("only_kana_needs_no_ruby")
            << "ひらがな"
            << "ぜんぜんちがう" << true << QStringList{"ひらがな"};
        QTest::addRow("empty_base") << ""
                                    << "" << true << QStringList();
        QTest::addRow("reading_omits_okurigana") << "食べ物"
                                                 << "たもの" << false << QStringList();
        QTest::addRow("kana_of_base_not_in_reading") << "お父さん"
                                                     << "ちちうえ" << false << QStringList();
        QTest::addRow("empty_reading") << "山"
                                       << "" << false << QStringList();
        QTest::addRow("nothing_left_for_the_kanji") << "山だ"
                                                    << "だ" << false << QStringList();
        QTest::addRow("reading_runs_past_the_last_kana") << "食べる"
                                                         << "たべるよ" << false << QStringList();
    }

    void readingGoesOverTheKanjiBetweenKanaAnchors()
    {
        QFETCH(QString, base);
        QFETCH(QString, reading);
        QFETCH(bool, fits);
        QFETCH(QStringList, segments);
        const std::optional<RubySegments> aligned = RubyText::align(base, reading);
        QCOMPARE(aligned.has_value(), fits);
        if (fits)
            QCOMPARE(*aligned, pieces(segments));
    }

    void screenReadersHearReadingsInBrackets_data()
    {
        QTest::addColumn<QStringList>("segments");
        QTest::addColumn<QString>("spoken");
        QTest::addRow("kana_around") << QStringList{"お", "父:とう", "さん"} << "お父（とう）さん";
        QTest::addRow("two_readings")
            << QStringList{"食:た", "べ", "物:もの"} << "食（た）べ物（もの）";
        QTest::addRow("no_reading") << QStringList{"ひらがな"} << "ひらがな";
    }

    void screenReadersHearReadingsInBrackets()
    {
        QFETCH(QStringList, segments);
        QTEST(RubyText::bracketText(pieces(segments)), "spoken");
    }

    void notationWritesAndReadsTheSamePieces_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("segments");
        QTest::addRow("space_marks_the_second_base")
            << "食[た]べ 物[もの]" << QStringList{"食:た", "べ", "物:もの"};
        QTest::addRow("kana_before_the_first_base")
            << "お 父[とう]さん" << QStringList{"お", "父:とう", "さん"};
        QTest::addRow("readings_back_to_back")
            << "金[きん]曜[よう]日[び]" << QStringList{"金:きん", "曜:よう", "日:び"};
        QTest::addRow("a_real_space_before_a_base")
            << "a  山[やま]" << QStringList{"a ", "山:やま"};
        QTest::addRow("plain_text") << "ひらがな" << QStringList{"ひらがな"};
    }

    void notationWritesAndReadsTheSamePieces()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, segments);
        QCOMPARE(RubyNotation::parse(text), pieces(segments));
        QCOMPARE(RubyNotation::format(pieces(segments)), text);
    }

    void notationReadsWhatOthersWrite_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("segments");
        QTest::addRow("base_runs_back_to_the_start")
            << "お父[とう]さん" << QStringList{"お父:とう", "さん"};
        QTest::addRow("unclosed_bracket_is_text") << "山[やま" << QStringList{"山[やま"};
        QTest::addRow("empty_reading_is_text") << "山[]" << QStringList{"山[]"};
        QTest::addRow("bracket_without_base_is_text")
            << "[やま] 川[かわ]" << QStringList{"[やま]", "川:かわ"};
    }

    void notationReadsWhatOthersWrite()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, segments);
        QCOMPARE(RubyNotation::parse(text), pieces(segments));
    }
};

QTEST_GUILESS_MAIN(RubyTextTest)
#include "RubyTextTest.moc"
