#include "import/DeckMapping.h"
#include "import/AnkiMarkup.h"
#include "questions/TextCodec.h"

#include <QTest>

class DeckMappingTest : public QObject
{
    Q_OBJECT

private slots:
    void listsWhatCannotBeStored_data();
    void listsWhatCannotBeStored();
    void givesLevelsByGroup_data();
    void givesLevelsByGroup();
    void takesTheAuthorsFuriganaAsTheReading_data();
    void takesTheAuthorsFuriganaAsTheReading();
};

namespace {

using Kind = SkippedNote::Kind;
using GroupLevels = QHash<QString, int>;

NotePlace line(qint64 number)
{
    return {NotePlace::Kind::Line, number};
}

Deck deckOf(const QList<QStringList>& rows)
{
    Deck deck;
    deck.fieldNames = {"Q", "A"};
    for (qsizetype i = 0; i < rows.size(); ++i)
        deck.notes.append({rows[i], {}, {}, line(i + 1)});
    return deck;
}

QByteArray cp932(const QString& text)
{
    return TextCodec::encode(text).value();
}

} // namespace

void DeckMappingTest::listsWhatCannotBeStored_data()
{
    QTest::addColumn<QStringList>("note");
    QTest::addColumn<SkippedNote>("skipped");
    const QStringList kept{"山", "やま"};
    QTest::addRow("emoji_in_answer")
        << QStringList({"犬", "いぬ🐕"}) << SkippedNote{Kind::NoCp932Form, line(2), 0, "🐕", {}};
    QTest::addRow("hangul_in_question")
        << QStringList({"개", "inu"}) << SkippedNote{Kind::NoCp932Form, line(2), 0, "개", {}};
    QTest::addRow("empty_answer") << QStringList({"川", ""})
                                  << SkippedNote{Kind::EmptyAnswer, line(2), 0, {}, {}};
    QTest::addRow("missing_answer_field")
        << QStringList({"川"}) << SkippedNote{Kind::EmptyAnswer, line(2), 0, {}, {}};
    QTest::addRow("empty_question")
        << QStringList({"", "kawa"}) << SkippedNote{Kind::EmptyQuestion, line(2), 0, {}, {}};
    QTest::addRow("duplicate_question")
        << QStringList({"山", "さん"})
        << SkippedNote{Kind::DuplicateQuestion, line(2), 0, {}, line(1)};
}

void DeckMappingTest::listsWhatCannotBeStored()
{
    QFETCH(QStringList, note);
    QFETCH(SkippedNote, skipped);
    const Deck deck = deckOf({{"山", "やま"}, note, {"海", "うみ"}});
    const MappedDeck mapped = mapDeck(deck, defaultMapping(deck, LevelSource::One));
    QCOMPARE(mapped.skipped, QList<SkippedNote>({skipped}));
    QuestionBank expected;
    expected.Add(0, cp932("山"), cp932("やま"));
    expected.Add(0, cp932("海"), cp932("うみ"));
    QCOMPARE(mapped.bank, expected);
    QCOMPARE(mapped.places[0], QList<NotePlace>({line(1), line(3)}));
}

void DeckMappingTest::givesLevelsByGroup_data()
{
    QTest::addColumn<LevelSource>("levelBy");
    QTest::addColumn<GroupLevels>("groupLevels");
    QTest::addColumn<QList<int>>("counts");
    QTest::addRow("decks_in_order_of_use")
        << LevelSource::Deck << GroupLevels() << QList<int>({1, 2, 2});
    QTest::addRow("inner_deck_takes_outer_level")
        << LevelSource::Deck << GroupLevels({{"一課", 2}, {"二課", 0}}) << QList<int>({3, 0, 2});
    QTest::addRow("inner_deck_own_level")
        << LevelSource::Deck << GroupLevels({{"一課", 2}, {"一課::復習", 1}})
        << QList<int>({3, 1, 1});
    QTest::addRow("first_tag_with_a_level")
        << LevelSource::Tag << GroupLevels({{"n4", 1}, {"n3", 2}}) << QList<int>({2, 1, 2});
}

void DeckMappingTest::givesLevelsByGroup()
{
    QFETCH(LevelSource, levelBy);
    QFETCH(GroupLevels, groupLevels);
    QFETCH(QList<int>, counts);
    Deck deck = deckOf({{"a", "1"}, {"b", "2"}, {"c", "3"}, {"d", "4"}, {"e", "5"}});
    const QList<QStringList> paths{{"一課"}, {"二課"}, {"一課", "復習"}, {"三課"}, {"二課"}};
    const QList<QStringList> tags{{"n5"}, {"n3"}, {"x", "n4"}, {"n3", "n4"}, {}};
    for (qsizetype i = 0; i < deck.notes.size(); ++i) {
        deck.notes[i].path = paths[i];
        deck.notes[i].tags = tags[i];
    }
    DeckMapping mapping = defaultMapping(deck, levelBy);
    if (!groupLevels.isEmpty())
        mapping.groupLevels = groupLevels;
    const MappedDeck mapped = mapDeck(deck, mapping);
    QList<int> got;
    for (int level = 0; level < QuestionBank::LevelCount; ++level)
        got.append(mapped.bank.Count(level));
    QCOMPARE(got, counts);
}

void DeckMappingTest::takesTheAuthorsFuriganaAsTheReading_data()
{
    QTest::addColumn<QString>("question");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("reading");
    QTest::addRow("one_word") << "漢字[かんじ]"
                              << "kanji"
                              << "かんじ";
    QTest::addRow("bare_kana_between_rubies") << "食[た]べ 物[もの]"
                                              << "tabemono"
                                              << "たべもの";
    QTest::addRow("katakana_ruby_as_hiragana") << "煙草[タバコ]"
                                               << "tabako"
                                               << "たばこ";
    QTest::addRow("punctuation_read_as_nothing") << "「 山[やま]」です。"
                                                 << "yama desu"
                                                 << "やまです";
    QTest::addRow("kanji_left_without_ruby") << "日本[にほん]の文化"
                                             << "nihon no bunka"
                                             << "";
    QTest::addRow("kana_question_reads_the_answer") << "ねこ"
                                                    << "猫[ねこ]"
                                                    << "ねこ";
    QTest::addRow("question_needs_it_answer_has_it") << "猫"
                                                     << "猫[ねこ]"
                                                     << "";
    QTest::addRow("no_kanji_anywhere") << "ね[ネ]こ"
                                       << "cat"
                                       << "";
}

void DeckMappingTest::takesTheAuthorsFuriganaAsTheReading()
{
    QFETCH(QString, question);
    QFETCH(QString, answer);
    QFETCH(QString, reading);
    // A second note without furigana leaves its reading field as its text.
    Deck deck = deckOf({{question, answer}, {"川", "kawa"}});
    AnkiMarkup::moveReadingsToFields(deck);
    const MappedDeck mapped = mapDeck(deck, defaultMapping(deck, LevelSource::One));
    QCOMPARE(mapped.bank.Count(0), 2);
    QCOMPARE(mapped.readings.reading(0, 0), (PairReading{reading, {}, false}));
    QCOMPARE(mapped.readings.reading(0, 1), PairReading());
}

QTEST_GUILESS_MAIN(DeckMappingTest)
#include "DeckMappingTest.moc"
