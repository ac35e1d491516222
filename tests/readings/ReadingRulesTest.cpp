#include "readings/ReadingCheck.h"
#include "readings/ReadingTarget.h"

#include <QTest>

Q_DECLARE_METATYPE(ReadingTarget)
Q_DECLARE_METATYPE(std::optional<ReadingFault>)

class ReadingRulesTest : public QObject
{
    Q_OBJECT

private slots:
    void readingBelongsToTheTextWithKanji_data()
    {
        QTest::addColumn<QString>("question");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<ReadingTarget>("target");
        QTest::addRow("kanji_question") << "山"
                                        << "yama" << ReadingTarget::Question;
        QTest::addRow("both_with_kanji") << "山"
                                         << "山岳" << ReadingTarget::Question;
        QTest::addRow("kana_question_kanji_answer") << "やま"
                                                    << "山" << ReadingTarget::Answer;
        QTest::addRow("no_kanji_anywhere") << "やま"
                                           << "yama" << ReadingTarget::Question;
        QTest::addRow("iteration_mark_is_kanji") << "々"
                                                 << "人々" << ReadingTarget::Question;
        QTest::addRow("kanji_beyond_the_basic_plane")
            << "hokke" << QStringLiteral("\U00029E3D") << ReadingTarget::Answer;
    }

    void readingBelongsToTheTextWithKanji()
    {
        QFETCH(QString, question);
        QFETCH(QString, answer);
        QTEST(readingTarget(question, answer), "target");
    }

    void readingIsKanaAndAlternativesAreTypable_data()
    {
        using Kind = ReadingFault::Kind;
        QTest::addColumn<QString>("reading");
        QTest::addColumn<QStringList>("alternatives");
        QTest::addColumn<std::optional<ReadingFault>>("fault");
        const std::optional<ReadingFault> none;
        QTest::addRow("hiragana") << "きんようび" << QStringList{"金曜"} << none;
        QTest::addRow("katakana_and_long_vowel") << "コーヒー" << QStringList() << none;
        QTest::addRow("empty") << "" << QStringList() << none;
        QTest::addRow("iteration_mark_and_small_ke") << "いすゞヶ" << QStringList() << none;
        QTest::addRow("kanji_in_reading")
            << "やま川" << QStringList()
            << std::optional(ReadingFault{Kind::ReadingNotKana, "やま川", "川"});
        QTest::addRow("space_in_reading")
            << "や ま" << QStringList()
            << std::optional(ReadingFault{Kind::ReadingNotKana, "や ま", " "});
        QTest::addRow("alternative_without_cp932")
            << "やま" << QStringList{"山", "yama😀"}
            << std::optional(ReadingFault{Kind::AlternativeNotCp932, "yama😀", "😀"});
        QTest::addRow("reading_checked_first")
            << "x" << QStringList{"€"}
            << std::optional(ReadingFault{Kind::ReadingNotKana, "x", "x"});
    }

    void readingIsKanaAndAlternativesAreTypable()
    {
        QFETCH(QString, reading);
        QFETCH(QStringList, alternatives);
        QTEST(ReadingCheck::faultOf({reading, alternatives}), "fault");
    }
};

QTEST_GUILESS_MAIN(ReadingRulesTest)
#include "ReadingRulesTest.moc"
