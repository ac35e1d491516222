#include "import/AnkiTextReader.h"
#include "import/DeckMapping.h"
#include "import/ImportLimits.h"
#include "import/KvtmlReader.h"
#include "import/QuizletReader.h"
#include "questions/QuestionFile.h"
#include "questions/TextCodec.h"

#include <QTest>

// The readers of text sources, each from a small file as the other program writes it to the
// question file it gives.
class DeckReadersTest : public QObject
{
    Q_OBJECT

private slots:
    void importsAnkiTextExport();
    void readsAnkiTextRows_data();
    void readsAnkiTextRows();
    void importsQuizletPaste_data();
    void importsQuizletPaste();
    void importsKvtml_data();
    void importsKvtml();
    void refusesUnsafeXml_data();
    void refusesUnsafeXml();
};

namespace {

using Kind = ImportError::Kind;

QByteArray cp932(const char* text)
{
    return TextCodec::encode(QString::fromUtf8(text)).value();
}

QByteArray fileOf(const DeckResult& result, DeckMapping mapping)
{
    if (result.error)
        return "error " + QByteArray::number(int(result.error->kind));
    return QuestionFile::encode(mapDeck(result.deck, mapping).bank);
}

DeckMapping byGroups(const DeckResult& result, LevelSource levelBy, int question = 0,
                     int answer = 1)
{
    DeckMapping mapping = defaultMapping(result.deck, levelBy);
    mapping.question = question;
    mapping.answer = answer;
    return mapping;
}

} // namespace

void DeckReadersTest::importsAnkiTextExport()
{
    const QByteArray text = "\xEF\xBB\xBF"
                            "#separator:tab\n"
                            "#html:true\n"
                            "#notetype column:1\n"
                            "#deck column:2\n"
                            "#tags column:5\n"
                            "#columns:Type\tDeck\tFront\tBack\tTags\n"
                            "Basic\t日本語::一課\t 漢字[かんじ]\t<b>kanji</b>[sound:k.mp3]\tn5\n"
                            "Basic\t日本語::二課\t\"二つの\tタブ\"\t\"two\r\nlines\"\t\n"
                            "Basic\t日本語::一課\t 山[やま]\tmountain\tn5\n";
    const DeckResult result = readAnkiText(text, AnkiMarkup::LineBreaks::Space);
    QVERIFY(!result.error);
    QCOMPARE(result.deck.fieldNames, QStringList({"Front", "Back", "Front (読み)"}));
    QCOMPARE(result.deck.notes[2].place, (NotePlace{NotePlace::Kind::Line, 10}));

    QuestionBank byDeck;
    byDeck.Add(0, cp932("漢字"), "kanji");
    byDeck.Add(0, cp932("山"), "mountain");
    byDeck.Add(1, cp932("二つの タブ"), "two lines");
    QCOMPARE(fileOf(result, byGroups(result, LevelSource::Deck)), QuestionFile::encode(byDeck));

    // The reading as the answer to type, every note to 中級.
    DeckMapping reading = byGroups(result, LevelSource::One, 0, 2);
    reading.level = 1;
    QuestionBank readings;
    readings.Add(1, cp932("漢字"), cp932("かんじ"));
    readings.Add(1, cp932("二つの タブ"), cp932("二つの タブ"));
    readings.Add(1, cp932("山"), cp932("やま"));
    QCOMPARE(fileOf(result, reading), QuestionFile::encode(readings));
}

void DeckReadersTest::readsAnkiTextRows_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QStringList>("fieldNames");
    QTest::addColumn<QStringList>("firstFields");
    QTest::addRow("no_header_numbered_fields")
        << QByteArray("a\tb\tc\n") << QStringList({"1", "2", "3"}) << QStringList({"a", "b", "c"});
    QTest::addRow("named_separator") << QByteArray("#separator:Semicolon\na;b\n")
                                     << QStringList({"1", "2"}) << QStringList({"a", "b"});
    QTest::addRow("html_off_keeps_tags")
        << QByteArray("#html:false\n<b>a</b>\tb\n") << QStringList({"1", "2"})
        << QStringList({"<b>a</b>", "b"});
    QTest::addRow("doubled_quote") << QByteArray("\"say \"\"hi\"\"\"\tb\n")
                                   << QStringList({"1", "2"}) << QStringList({"say \"hi\"", "b"});
    QTest::addRow("columns_before_separator") << QByteArray("#columns:Q,A\n#separator:comma\nx,y\n")
                                              << QStringList({"Q", "A"}) << QStringList({"x", "y"});
    QTest::addRow("guid_column_left_out") << QByteArray("#guid column:1\nabc123\tq\ta\n")
                                          << QStringList({"2", "3"}) << QStringList({"q", "a"});
}

void DeckReadersTest::readsAnkiTextRows()
{
    QFETCH(QByteArray, text);
    QFETCH(QStringList, fieldNames);
    QFETCH(QStringList, firstFields);
    const DeckResult result = readAnkiText(text, AnkiMarkup::LineBreaks::Space);
    QVERIFY(!result.error);
    QCOMPARE(result.deck.fieldNames, fieldNames);
    QCOMPARE(result.deck.notes.size(), 1);
    QCOMPARE(result.deck.notes[0].fields, firstFields);
}

void DeckReadersTest::importsQuizletPaste_data()
{
    QTest::addColumn<QString>("paste");
    QTest::addColumn<QuizletSeparators>("separators");
    QTest::addColumn<qint64>("lastLine");
    QTest::addRow("tab_and_newline") << "犬\tdog\r\n\n猫\tcat\n"
                                     << QuizletSeparators() << qint64(3);
    QTest::addRow("chosen_separators")
        << " 犬 - dog ;\n猫 - cat;" << QuizletSeparators{" - ", ";"} << qint64(2);
}

void DeckReadersTest::importsQuizletPaste()
{
    QFETCH(QString, paste);
    QFETCH(QuizletSeparators, separators);
    QFETCH(qint64, lastLine);
    const DeckResult result = readQuizlet(paste, separators);
    QuestionBank expected;
    expected.Add(0, cp932("犬"), "dog");
    expected.Add(0, cp932("猫"), "cat");
    QCOMPARE(fileOf(result, byGroups(result, LevelSource::One)), QuestionFile::encode(expected));
    QCOMPARE(result.deck.notes.last().place.number, lastLine);
}

void DeckReadersTest::importsKvtml_data()
{
    QTest::addColumn<QByteArray>("xml");
    QTest::addColumn<int>("question");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QByteArray>("file");

    QTest::addRow("version2_lessons_and_pronunciation")
        << QByteArray(R"(<?xml version="1.0" encoding="UTF-8"?>
<!DOCTYPE kvtml PUBLIC "kvtml2.dtd" "http://edu.kde.org/kvtml/kvtml2.dtd">
<kvtml version="2.0">
 <information><title>語彙</title></information>
 <identifiers>
  <identifier id="0"><name>日本語</name><locale>ja</locale></identifier>
  <identifier id="1"><name>English</name><locale>en</locale></identifier>
 </identifiers>
 <entries>
  <entry id="0"><translation id="0"><text>犬</text><pronunciation>いぬ</pronunciation></translation>
   <translation id="1"><text>dog</text></translation></entry>
  <entry id="1"><translation id="0"><text>猫</text><pronunciation>ねこ</pronunciation></translation>
   <translation id="1"><text>cat &amp; kitten</text></translation></entry>
  <entry id="2"><translation id="0"><text>鳥</text></translation>
   <translation id="1"><text>bird</text></translation></entry>
 </entries>
 <lessons>
  <container><name>一課</name><entry id="1"/>
   <container><name>復習</name><entry id="2"/></container>
  </container>
  <container><name>二課</name><entry id="0"/></container>
 </lessons>
</kvtml>)")
        << 0 << 2 << QByteArray();
    QTest::addRow("version1") << QByteArray(R"(<?xml version="1.0" encoding="UTF-8"?>
<kvtml encoding="UTF-8" generator="kwordquiz" cols="2" lines="3">
 <lesson><desc no="1">一課</desc><desc no="2">二課</desc></lesson>
 <e m="2"><o l="ja">犬</o><t l="en">dog</t></e>
 <e m="1"><o>猫</o><t>cat &amp; kitten</t></e>
 <e m="1"><o>鳥</o><t>bird</t></e>
</kvtml>)") << 0 << 1 << QByteArray();
}

void DeckReadersTest::importsKvtml()
{
    QFETCH(QByteArray, xml);
    QFETCH(int, question);
    QFETCH(int, answer);
    const DeckResult result = readKvtml(xml);
    QVERIFY2(!result.error, qPrintable(result.error ? result.error->detail : QString()));
    // Lessons in the order the entries first use them: 二課 (犬), then 一課 (猫) and 一課::復習.
    DeckMapping mapping = byGroups(result, LevelSource::Deck, question, answer);
    QuestionBank expected;
    if (answer == 2) {
        QCOMPARE(result.deck.fieldNames, QStringList({"日本語", "English", "日本語 (読み)"}));
        expected.Add(0, cp932("犬"), cp932("いぬ"));
        expected.Add(1, cp932("猫"), cp932("ねこ"));
        // 鳥 has no reading: an empty answer the bank does not get.
        QCOMPARE(mapDeck(result.deck, mapping).skipped.size(), 1);
    } else {
        QCOMPARE(result.deck.fieldNames, QStringList({"ja", "en"}));
        expected.Add(0, cp932("犬"), "dog");
        expected.Add(1, cp932("猫"), "cat & kitten");
        expected.Add(1, cp932("鳥"), "bird");
    }
    QCOMPARE(fileOf(result, mapping), QuestionFile::encode(expected));
}

void DeckReadersTest::refusesUnsafeXml_data()
{
    QTest::addColumn<QByteArray>("xml");
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<qint64>("line");
    QTest::addRow("entity_expansion") << QByteArray(R"(<?xml version="1.0"?>
<!DOCTYPE kvtml [<!ENTITY a "aaaaaaaaaa"><!ENTITY b "&a;&a;&a;&a;&a;&a;&a;&a;">]>
<kvtml version="2.0"><entries><entry id="0"><translation id="0"><text>&b;</text>
</translation></entry></entries></kvtml>)")
                                      << Kind::XmlEntities << qint64(2);
    QByteArray deep = "<kvtml version=\"2.0\">\n";
    for (int i = 0; i < ImportLimits::MaxXmlDepth; ++i)
        deep += "<x>";
    QTest::addRow("deep_nesting") << deep << Kind::XmlTooDeep << qint64(2);
    QTest::addRow("other_xml") << QByteArray("<html><body/></html>") << Kind::NotAVocabulary
                               << qint64(1);
    QTest::addRow("broken") << QByteArray("<kvtml version=\"2.0\">\n<entries>\n</kvtml>")
                            << Kind::BadXml << qint64(3);
}

void DeckReadersTest::refusesUnsafeXml()
{
    QFETCH(QByteArray, xml);
    QFETCH(Kind, kind);
    QFETCH(qint64, line);
    const DeckResult result = readKvtml(xml);
    QVERIFY(result.error);
    QCOMPARE(result.error->kind, kind);
    QCOMPARE(result.error->place.value_or(NotePlace()).number, line);
}

QTEST_GUILESS_MAIN(DeckReadersTest)
#include "DeckReadersTest.moc"
