#include "import/TFrmImport.h"
#include "AnkiFixtures.h"
#include "FakeFileDialog.h"
#include "FakeMessageBox.h"
#include "ScreenReader.h"
#include "TestFiles.h"
#include "import/ImportLimits.h"
#include "questions/QuestionFile.h"
#include "questions/TextCodec.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

class TFrmImportTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void savesTheDeckAsMapped();
    void asksBeforeReplacing();
    void namesTheFileThatCannotBeRead_data();
    void namesTheFileThatCannotBeRead();

private:
    QString writeFile(const QString& name, const QByteArray& bytes)
    {
        TestFiles::writeBytes(folder->filePath(name), bytes);
        return folder->filePath(name);
    }

    std::unique_ptr<QTemporaryDir> folder;
    FakeFileDialog files;
    FakeMessageBox messages;
    std::unique_ptr<TFrmImport> dialog;
};

namespace {

// Two lessons, one word with a pronunciation, one whose answer is an emoji.
const QByteArray Vocabulary = R"(<?xml version="1.0" encoding="UTF-8"?>
<kvtml version="2.0">
 <identifiers><identifier id="0"><name>日本語</name></identifier>
  <identifier id="1"><name>English</name></identifier></identifiers>
 <entries>
  <entry id="0"><translation id="0"><text>犬</text><pronunciation>いぬ</pronunciation>
   </translation><translation id="1"><text>dog</text></translation></entry>
  <entry id="1"><translation id="0"><text>猫</text><pronunciation>ねこ</pronunciation>
   </translation><translation id="1"><text>🐈</text></translation></entry>
  <entry id="2"><translation id="0"><text>鳥</text><pronunciation>とり</pronunciation>
   </translation><translation id="1"><text>bird</text></translation></entry>
 </entries>
 <lessons><container><name>一課</name><entry id="0"/><entry id="1"/></container>
  <container><name>二課</name><entry id="2"/></container></lessons>
</kvtml>)";

QByteArray cp932(const char* text)
{
    return TextCodec::encode(QString::fromUtf8(text)).value();
}

void choose(QComboBox* box, int index)
{
    box->setCurrentIndex(index);
    emit box->activated(index);
}

} // namespace

void TFrmImportTest::init()
{
    folder = std::make_unique<QTemporaryDir>();
    files = {};
    messages = {};
    dialog = std::make_unique<TFrmImport>(files, messages);
}

void TFrmImportTest::savesTheDeckAsMapped()
{
    const QString source = writeFile(QStringLiteral("words.kvtml"), Vocabulary);
    QVERIFY(dialog->open(source));
    QCOMPARE(dialog->ComboBox3->currentText(), QStringLiteral("デッキ・レッスンごと"));
    QCOMPARE(dialog->ListView1->rowCount(), 2);
    QCOMPARE(dialog->ListBox1->count(), 1);
    QVERIFY(dialog->ListBox1->item(0)->text().startsWith(QStringLiteral("8 行目: 文字「🐈」")));

    // The reading as the answer, and the second lesson to 上級.
    QCOMPARE(dialog->ComboBox2->itemText(2), QStringLiteral("日本語 (読み)"));
    choose(dialog->ComboBox2, 2);
    choose(static_cast<QComboBox*>(dialog->ListView1->cellWidget(1, 1)), 2);
    QCOMPARE(dialog->ListBox1->count(), 0);
    QCOMPARE(dialog->ListView2->rowCount(), 3);
    QCOMPARE(dialog->ListView2->item(2, 0)->text(), QStringLiteral("上級"));
    QCOMPARE(dialog->ListView2->item(2, 2)->text(), QStringLiteral("とり"));

    files.answers = {folder->filePath(QStringLiteral("words.DAT"))};
    dialog->BitBtn1Click();
    QCOMPARE(files.saveRequests.last().presetFile, folder->filePath(QStringLiteral("words.DAT")));
    QuestionBank expected;
    expected.Add(0, cp932("犬"), cp932("いぬ"));
    expected.Add(0, cp932("猫"), cp932("ねこ"));
    expected.Add(2, cp932("鳥"), cp932("とり"));
    QCOMPARE(TestFiles::readBytes(folder->filePath(QStringLiteral("words.DAT"))),
             QuestionFile::encode(expected));
    // The pronunciations are the readings of the kanji questions, saved beside the file.
    const auto row = [](int level, const char* question, const char* reading) {
        const QString kana = QString::fromUtf8(reading);
        return CompanionRow{level, QString::fromUtf8(question), kana, {kana, {}, false}};
    };
    QCOMPARE(
        TestFiles::companionRows(folder->filePath(QStringLiteral("words.DAT.yomi.tsv"))),
        (QList<CompanionRow>{row(0, "犬", "いぬ"), row(0, "猫", "ねこ"), row(2, "鳥", "とり")}));
    QCOMPARE(dialog->savedPath(), folder->filePath(QStringLiteral("words.DAT")));
    QCOMPARE(dialog->result(), int(QDialog::Accepted));
    QVERIFY(messages.questions.isEmpty());
    for (QWidget* control : std::initializer_list<QWidget*>{
             dialog->ComboBox1, dialog->ComboBox2, dialog->ComboBox3, dialog->CheckBox1,
             dialog->ListView1, dialog->ListView2, dialog->ListBox1, dialog->BitBtn1,
             dialog->BitBtn3, dialog->ListView1->cellWidget(0, 1)})
        QVERIFY2(!ScreenReader::name(control).isEmpty(), qPrintable(control->objectName()));
}

void TFrmImportTest::asksBeforeReplacing()
{
    const QString target = writeFile(QStringLiteral("old.DAT"), "kept");
    QVERIFY(dialog->open(writeFile(QStringLiteral("paste.txt"), "犬 - dog;猫 - cat;")));
    QVERIFY(dialog->Edit1->isEnabled());
    dialog->Edit1->setText(QStringLiteral(" - "));
    dialog->Edit2->setText(QStringLiteral(";"));
    dialog->EditSeparatorsDone();
    files.answers = {target, target};
    messages.confirmAnswers = {false, true};
    dialog->BitBtn1Click();
    QCOMPARE(messages.questions.size(), 1);
    QVERIFY(messages.questions[0].contains(target));
    QCOMPARE(TestFiles::readBytes(target), QByteArray("kept"));
    QVERIFY(!dialog->savedPath());

    dialog->BitBtn1Click();
    QuestionBank expected;
    expected.Add(0, cp932("犬"), "dog");
    expected.Add(0, cp932("猫"), "cat");
    QCOMPARE(TestFiles::readBytes(target), QuestionFile::encode(expected));
    QCOMPARE(dialog->savedPath(), target);
}

void TFrmImportTest::namesTheFileThatCannotBeRead_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");
    AnkiFixtures::Collection longField;
    longField.noteTypes.insert(7, {QStringLiteral("Basic"), {"Front", "Back"}});
    longField.notes = {{7, {"山", "やま"}, "", 1},
                       {7, {"川", QString(ImportLimits::MaxFieldSize + 1, u'x')}, "", 1}};
    QTest::addRow("vocabulary_with_entities")
        << "laughs.kvtml"
        << QByteArray("<?xml version=\"1.0\"?>\n<!DOCTYPE kvtml [<!ENTITY a \"aaaa\">]>\n<kvtml/>")
        << "laughs.kvtml: 2 行目: XML の実体 (エンティティ) を宣言または使用しているため、読み込め"
           "ません。";
    QTest::addRow("package_with_long_field")
        << "long.apkg"
        << AnkiFixtures::zipOf({{"collection.anki2", AnkiFixtures::collectionFile(longField)}})
        << "long.apkg: 2 番目のノート: 256 KB を超えるフィールドがあるため、読み込みませんでした。";
}

void TFrmImportTest::namesTheFileThatCannotBeRead()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    QVERIFY(!dialog->open(writeFile(name, bytes)));
    QCOMPARE(messages.messages, QStringList{message});
}

QTEST_MAIN(TFrmImportTest)
#include "TFrmImportTest.moc"
