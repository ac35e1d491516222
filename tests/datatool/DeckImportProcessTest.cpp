#include "AnkiFixtures.h"
#include "TestFiles.h"
#include "ToolProcess.h"
#include "questions/QuestionFile.h"
#include "questions/TextCodec.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// The built tazune-data importing other programs' decks and exporting for one of them.
class DeckImportProcessTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void importsDetectedDecks_data();
    void importsDetectedDecks();
    void refusesZipBombWithoutWriting();
    void ankiExportImportsToTheSameFile();

private:
    QString path(const QString& name) const { return dir->filePath(name); }

    std::unique_ptr<QTemporaryDir> dir;
};

namespace {

QByteArray cp932(const char* text)
{
    return TextCodec::encode(QString::fromUtf8(text)).value();
}

} // namespace

void DeckImportProcessTest::init()
{
    dir = std::make_unique<QTemporaryDir>();
    QVERIFY(dir->isValid());
}

void DeckImportProcessTest::importsDetectedDecks_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("options");
    AnkiFixtures::Collection collection;
    collection.noteTypes.insert(7, {QStringLiteral("Basic"), {"Front", "Back"}});
    collection.decks.insert(1, QStringLiteral("語彙::上級"));
    collection.notes = {{7, {"山", "やま"}, "", 1}, {7, {"犬🐕", "いぬ"}, "", 1}};
    QTest::addRow("package_by_deck")
        << "deck.apkg"
        << AnkiFixtures::zipOf({{"collection.anki21", AnkiFixtures::collectionFile(collection)}})
        << QStringList({"--level-by", "deck"});
    QTest::addRow("vocabulary_to_one_level")
        << "words.kvtml"
        << QByteArray("<kvtml version=\"2.0\"><entries><entry id=\"0\"><translation id=\"0\">"
                      "<text>山</text></translation><translation id=\"1\"><text>やま</text>"
                      "</translation></entry><entry id=\"1\"><translation id=\"0\"><text>犬🐕"
                      "</text></translation><translation id=\"1\"><text>いぬ</text>"
                      "</translation></entry></entries></kvtml>")
        << QStringList({"--level-by", "3"});
    QTest::addRow("paste_with_chosen_separators")
        << "paste.txt" << QByteArray("山 = やま; 犬🐕 = いぬ;")
        << QStringList({"--from", "quizlet", "--term-separator", " = ", "--card-separator", ";",
                        "--level-by", "上級"});
}

void DeckImportProcessTest::importsDetectedDecks()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, options);
    QVERIFY(TestFiles::writeBytes(path(name), bytes));
    const ToolRun run = runTool(QStringList{"import", path(name), "-o", path("q.DAT")} + options);
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.errText().contains(path(name) + ": warning: ") &&
                 run.errText().contains("U+1F415"),
             qPrintable(run.errText()));
    QuestionBank expected;
    expected.Add(2, cp932("山"), cp932("やま"));
    QCOMPARE(TestFiles::readBytes(path("q.DAT")), QuestionFile::encode(expected));
}

void DeckImportProcessTest::refusesZipBombWithoutWriting()
{
    QVERIFY(TestFiles::writeBytes(
        path("bomb.apkg"),
        AnkiFixtures::zipOf(
            {{"collection.anki21b", AnkiFixtures::zstdOf(QByteArray(8 * 1024 * 1024, '\0'))}})));
    const ToolRun run = runTool({"import", path("bomb.apkg"), "-o", path("q.DAT")});
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.errText().startsWith(path("bomb.apkg") + ": collection.anki21b would grow"),
             qPrintable(run.errText()));
    QVERIFY(run.errText().endsWith("Nothing was written.\n"));
    QVERIFY(!QFile::exists(path("q.DAT")));
}

void DeckImportProcessTest::ankiExportImportsToTheSameFile()
{
    QuestionBank bank;
    bank.Add(0, cp932("「山」"), cp932("やま"));
    bank.Add(1, "#1", "tab\there");
    bank.Add(2, cp932("二行"), "one\ntwo \"quoted\"");
    bank.Add(2, cp932("sake"), cp932("お酒"));
    QVERIFY(QuestionFile::write(path("q.DAT"), bank));
    // Readings the deck's notation holds: the author's, needing no check.
    QVERIFY(TestFiles::writeBytes(path("q.DAT.yomi.tsv"),
                                  "レベル\t問題\t回答\tよみ\t別解\t要確認\n"
                                  "初級\t「山」\tやま\tやま\t\t\n"
                                  "上級\t二行\tone\\ntwo \"quoted\"\tにぎょう\t\t\n"
                                  "上級\tsake\tお酒\tおさけ\t\t\n"));
    const ToolRun exported =
        runTool({"export", "--to", "anki", path("q.DAT"), "-o", path("q.txt")});
    QCOMPARE(exported.exitCode, 0);
    const QByteArray deck = TestFiles::readBytes(path("q.txt"));
    QVERIFY(deck.contains("\tq::中級\n"));
    QVERIFY2(deck.contains("「 山[やま]」\tやま") && deck.contains("sake\tお 酒[さけ]"), deck);
    const ToolRun imported = runTool({"import", path("q.txt"), "--level-by", "deck",
                                      "--keep-line-breaks", "-o", path("back.DAT")});
    QVERIFY2(imported.exitCode == 0, qPrintable(imported.errText()));
    QCOMPARE(TestFiles::readBytes(path("back.DAT")), QuestionFile::encode(bank));
    QCOMPARE(TestFiles::companionRows(path("back.DAT.yomi.tsv")),
             TestFiles::companionRows(path("q.DAT.yomi.tsv")));
}

QTEST_GUILESS_MAIN(DeckImportProcessTest)
#include "DeckImportProcessTest.moc"
