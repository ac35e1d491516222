#include "import/AnkiPackageReader.h"
#include "AnkiFixtures.h"
#include "import/DeckMapping.h"
#include "import/ImportLimits.h"
#include "questions/QuestionFile.h"
#include "questions/TextCodec.h"

#include <QRandomGenerator>
#include <QTest>

#include <sqlite3.h>

using namespace AnkiFixtures;

class AnkiPackageReaderTest : public QObject
{
    Q_OBJECT

private slots:
    void importsTheNewestCollection_data();
    void importsTheNewestCollection();
    void namesFieldsOfEveryNoteType();
    void refusesWhatIsNoPackage_data();
    void refusesWhatIsNoPackage();
    void refusesLongValueUnread_data();
    void refusesLongValueUnread();
};

namespace {

using Kind = ImportError::Kind;

QByteArray cp932(const char* text)
{
    return TextCodec::encode(QString::fromUtf8(text)).value();
}

// Two decks, one inside the other, the fields HTML with a sound and furigana, as a teacher
// keeps them.
Collection teachersCollection(int schema)
{
    Collection collection;
    collection.schema = schema;
    collection.noteTypes.insert(1111, {QStringLiteral("Basic"), {"Front", "Back"}});
    collection.decks.insert(1, QStringLiteral("Default"));
    collection.decks.insert(20, QStringLiteral("日本語::一課"));
    collection.decks.insert(30, QStringLiteral("日本語::二課"));
    collection.notes = {
        {1111, {"<b>山</b>[sound:yama.mp3]", "やま"}, " n5 ", 20},
        {1111, {" 川[かわ]", "river&nbsp;<br>stream"}, "", 20},
        {1111, {"橋", "はし"}, "n4", 30},
    };
    return collection;
}

QByteArray fileOf(const DeckResult& result, LevelSource levelBy)
{
    if (result.error)
        return "error " + QByteArray::number(int(result.error->kind)) + ' ' +
               result.error->detail.toUtf8();
    return QuestionFile::encode(mapDeck(result.deck, defaultMapping(result.deck, levelBy)).bank);
}

// Text that deflate cannot shrink much, so that a long value is no zip bomb.
QString incompressibleText(qint64 bytesAsUtf8)
{
    QRandomGenerator random(7);
    QString text(bytesAsUtf8 / 3 + 1, Qt::Uninitialized);
    for (QChar& character : text)
        character = QChar(char16_t(0x4E00 + random.bounded(20000)));
    return text;
}

} // namespace

void AnkiPackageReaderTest::importsTheNewestCollection_data()
{
    QTest::addColumn<QByteArray>("package");
    const QByteArray dummy = dummyCollectionFile();
    QTest::addRow("legacy_anki2") << zipOf(
        {{"collection.anki2", collectionFile(teachersCollection(11))}, {"media", "{}"}});
    QTest::addRow("anki21_beside_dummy")
        << zipOf({{"collection.anki2", dummy},
                  {"collection.anki21", collectionFile(teachersCollection(11))}});
    QTest::addRow("zstd_schema18_beside_dummy")
        << zipOf({{"collection.anki2", dummy},
                  {"collection.anki21b", zstdOf(collectionFile(teachersCollection(18)))},
                  {"media", zstdOf("")}});
}

void AnkiPackageReaderTest::importsTheNewestCollection()
{
    QFETCH(QByteArray, package);
    QuestionBank expected;
    expected.Add(0, cp932("山"), cp932("やま"));
    expected.Add(0, cp932("川"), "river stream");
    expected.Add(1, cp932("橋"), cp932("はし"));
    QCOMPARE(
        fileOf(readAnkiPackageBytes(package, AnkiMarkup::LineBreaks::Space), LevelSource::Deck),
        QuestionFile::encode(expected));
}

void AnkiPackageReaderTest::namesFieldsOfEveryNoteType()
{
    Collection collection = teachersCollection(18);
    collection.noteTypes.insert(2222, {QStringLiteral("Vocab"), {"Front", "Reading", "Meaning"}});
    collection.notes.append({2222, {"水", "みず", "water"}, "", 1});
    const DeckResult result = readAnkiPackageBytes(
        zipOf({{"collection.anki21", collectionFile(collection)}}), AnkiMarkup::LineBreaks::Space);
    QVERIFY(!result.error);
    QCOMPARE(result.deck.fieldNames,
             QStringList({"Front", "Back", "Reading", "Meaning", "Front (読み)"}));
    const DeckNote& vocab = result.deck.notes.last();
    QCOMPARE(vocab.fields, QStringList({"水", "", "みず", "water", "水"}));
    QCOMPARE(vocab.path, QStringList({"Default"}));
    QCOMPARE(result.deck.notes[1].fields.last(), QStringLiteral("かわ"));
    QCOMPARE(result.deck.notes[0].tags, QStringList({"n5"}));
    QCOMPARE(vocab.place, (NotePlace{NotePlace::Kind::Note, 4}));
}

void AnkiPackageReaderTest::refusesWhatIsNoPackage_data()
{
    QTest::addColumn<QByteArray>("package");
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<qint64>("note");
    const QByteArray zeros(32 * 1024 * 1024, '\0');
    Collection huge = teachersCollection(11);
    huge.notes[1].fields[1] = QString(ImportLimits::MaxFieldSize + 1, u'x');
    QTest::addRow("not_a_zip") << QByteArray("#separator:tab\n") << Kind::NotAZip << qint64(0);
    QTest::addRow("zip_without_collection")
        << zipOf({{"notes.txt", "山\tやま"}}) << Kind::NotAnAnkiPackage << qint64(0);
    QTest::addRow("collection_not_sqlite") << zipOf({{"collection.anki2", QByteArray(4096, 'x')}})
                                           << Kind::DamagedCollection << qint64(0);
    QTest::addRow("zstd_damaged") << zipOf({{"collection.anki21b", "\x28\xB5\x2F\xFD garbage"}})
                                  << Kind::DamagedEntry << qint64(0);
    QTest::addRow("zstd_bomb") << zipOf({{"collection.anki21b", zstdOf(zeros)}})
                               << Kind::EntryTooLarge << qint64(0);
    QTest::addRow("deflate_bomb") << zipOf({{"collection.anki2", zeros}}) << Kind::EntryTooLarge
                                  << qint64(0);
    QTest::addRow("field_over_limit")
        << zipOf({{"collection.anki2", collectionFile(huge)}}) << Kind::FieldTooLarge << qint64(2);
}

void AnkiPackageReaderTest::refusesWhatIsNoPackage()
{
    QFETCH(QByteArray, package);
    QFETCH(Kind, kind);
    QFETCH(qint64, note);
    const DeckResult result = readAnkiPackageBytes(package, AnkiMarkup::LineBreaks::Space);
    QVERIFY(result.error);
    QCOMPARE(result.error->kind, kind);
    QCOMPARE(result.error->place.value_or(NotePlace()).number, note);
    QVERIFY(result.deck.notes.isEmpty());
}

void AnkiPackageReaderTest::refusesLongValueUnread_data()
{
    QTest::addColumn<QByteArray>("package");
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QString>("detail");
    QTest::addColumn<qint64>("note");
    const QString beyondLimit = incompressibleText(ImportLimits::MaxCollectionValueSize + 1);
    Collection longField = teachersCollection(11);
    longField.notes[1].fields[1] = beyondLimit;
    Collection longNoteTypeName = teachersCollection(11);
    longNoteTypeName.noteTypes.insert(2222, {beyondLimit, {"Front", "Back"}});
    QTest::addRow("note_field") << zipOf({{"collection.anki2", collectionFile(longField)}})
                                << Kind::FieldTooLarge
                                << QString::number(ImportLimits::MaxFieldSize) << qint64(2);
    QTest::addRow("note_types") << zipOf({{"collection.anki2", collectionFile(longNoteTypeName)}})
                                << Kind::ValueTooLarge << "col" << qint64(0);
}

// The database refuses the value from the length its record states: what SQLite allocates stays
// far below the value's size.
void AnkiPackageReaderTest::refusesLongValueUnread()
{
    QFETCH(QByteArray, package);
    QFETCH(Kind, kind);
    QFETCH(QString, detail);
    QFETCH(qint64, note);
    sqlite3_memory_highwater(1);
    const DeckResult result = readAnkiPackageBytes(package, AnkiMarkup::LineBreaks::Space);
    QVERIFY(result.error);
    QCOMPARE(result.error->kind, kind);
    QCOMPARE(result.error->detail, detail);
    QCOMPARE(result.error->place.value_or(NotePlace()).number, note);
    QCOMPARE_LT(sqlite3_memory_highwater(0), ImportLimits::MaxCollectionValueSize / 4);
}

QTEST_GUILESS_MAIN(AnkiPackageReaderTest)
#include "AnkiPackageReaderTest.moc"
