#include "editor/TFrmDataMake.h"
#include "FakeFileDialog.h"
#include "FakeMessageBox.h"
#include "FileSizeLimit.h"
#include "RecordingHelpViewer.h"
#include "ScriptedReadingProposer.h"
#include "TestFiles.h"
#include "UpperCaseBank.h"
#include "questions/QuestionFile.h"
#include "questions/TextCodec.h"
#include "widgets/HelpKeys.h"

#include <QAccessible>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString SaveFailed = QStringLiteral("ファイルを保存できませんでした");

const QuestionBank Sample = upperCaseBank({{"yama", "kawa", "sora"}, {"umi"}});

const QByteArray ReadingsHeader = "レベル\t問題\t回答\tよみ\t別解\t要確認\n";

} // namespace

class TFrmDataMakeTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir folder;
    FakeFileDialog files;
    FakeMessageBox messages;
    ScriptedReadingProposer proposer;
    std::unique_ptr<TFrmDataMake> dialog;

    TFrmDataMake& d() { return *dialog; }

    QString writeFile(const QString& name, const QByteArray& bytes)
    {
        TestFiles::writeBytes(folder.filePath(name), bytes);
        return folder.filePath(name);
    }

    QByteArray fileBytes(const QString& name)
    {
        return TestFiles::readBytes(folder.filePath(name));
    }

    void load(const QString& path)
    {
        files.answers = {path};
        QTest::mouseClick(d().Button2, Qt::LeftButton);
    }

    void openWithSample()
    {
        d().show();
        load(writeFile("Q1.DAT", QuestionFile::encode(Sample)));
    }

    void clickRow(int row)
    {
        const QRect cell = d().ListView1->visualRect(d().ListView1->model()->index(row, 1));
        QTest::mouseClick(d().ListView1->viewport(), Qt::LeftButton, {}, cell.center());
    }

    void click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

    QStringList rows() const
    {
        QStringList shown;
        const QAbstractItemModel* model = dialog->ListView1->model();
        for (int row = 0; row < model->rowCount(); ++row)
            shown << model->index(row, 0).data().toString() + '/' +
                         model->index(row, 1).data().toString();
        return shown;
    }

    QStringList boxes() const { return {dialog->Edit1->text(), dialog->Edit2->text()}; }

    void type(QLineEdit* edit, const QString& text)
    {
        edit->clear();
        QTest::keyClicks(edit, text);
    }

    // Japanese text arrives as the input method's commit, not as key presses.
    void commit(QLineEdit* edit, const QString& text)
    {
        edit->clear();
        QInputMethodEvent event;
        event.setCommitString(text);
        QApplication::sendEvent(edit, &event);
    }

    void activate()
    {
        d().show();
        QApplication::setActiveWindow(dialog.get());
        QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
    }

private slots:
    void init() { dialog = std::make_unique<TFrmDataMake>(files, messages, proposer); }
    void cleanup()
    {
        dialog.reset();
        // Each test starts without readings beside its question file.
        QFile::remove(folder.filePath("Q1.DAT.yomi.tsv"));
        files = {};
        messages.messages.clear();
    }

    void firstOpeningThenOkWithoutLoad()
    {
        d().show();
        QCOMPARE(d().windowTitle(), QStringLiteral("データ編集"));
        QCOMPARE(rows(), QStringList());
        QVERIFY(d().RadioGroup1Items[0]->isChecked());
        click(d().BitBtn1);
        QCOMPARE(messages.messages, QStringList{SaveFailed});
        QVERIFY(!d().isVisible());
        QCOMPARE(d().result(), QDialog::Accepted);
    }

    void loadShowsTheFileAndOkSavesItUnchanged()
    {
        openWithSample();
        files.answers = {std::nullopt}; // a cancelled second load changes nothing
        click(d().Button2);

        QCOMPARE(d().windowTitle(), "データ編集　－　[" + folder.filePath("Q1.DAT") + "]");
        QCOMPARE(rows(), QStringList({"YAMA/yama", "KAWA/kawa", "SORA/sora"}));
        QCOMPARE(files.requests[0].defaultSuffix, QStringLiteral("dat"));
        QVERIFY(files.requests[0].mustExist);
        QCOMPARE(files.requests[1].presetFile, folder.filePath("Q1.DAT"));
        click(d().BitBtn1);
        QCOMPARE(fileBytes("Q1.DAT"), QuestionFile::encode(Sample));
        QVERIFY(!QFile::exists(folder.filePath("Q1.DAT.yomi.tsv")));
    }

    void typedReadingIsSavedBesideTheUnchangedQuestionFile()
    {
        openWithSample();
        clickRow(1);
        commit(d().Edit3, QStringLiteral("カワ"));
        commit(d().Edit4, QStringLiteral("川 |かわ"));
        QTest::keyClick(d().Edit4, Qt::Key_Return);
        QCOMPARE(d().ListView1->model()->index(1, QuestionTableModel::ReadingColumn).data(),
                 QStringLiteral("かわ"));
        click(d().BitBtn1);

        const QByteArray companion = ReadingsHeader + "初級\tKAWA\tkawa\tかわ\t川 | かわ\t\n";
        QCOMPARE(fileBytes("Q1.DAT.yomi.tsv"), companion);
        QCOMPARE(fileBytes("Q1.DAT"), QuestionFile::encode(Sample));
        d().show();
        load(folder.filePath("Q1.DAT"));
        clickRow(1);
        QCOMPARE(boxes() + QStringList({d().Edit3->text(), d().Edit4->text()}),
                 QStringList({"KAWA", "kawa", "かわ", "川 | かわ"}));
        click(d().BitBtn1);
        QCOMPARE(fileBytes("Q1.DAT.yomi.tsv"), companion);
        QCOMPARE(fileBytes("Q1.DAT"), QuestionFile::encode(Sample));
        QCOMPARE(messages.messages, QStringList());
    }

    void unusableReadingChangesNothing_data()
    {
        QTest::addColumn<QString>("reading");
        QTest::addColumn<QString>("alternatives");
        QTest::addColumn<QString>("message");
        QTest::addRow("reading_not_kana")
            << "かわ川"
            << ""
            << "よみ「かわ川」にかなでない文字「川」があります。よみはひらがなで書いてください。";
        QTest::addRow("alternative_not_cp932")
            << "かわ"
            << "kawa | ka😀"
            << "別解「ka😀」の「😀」はファイルに保存できない文字のため、答えにできません。";
    }

    void unusableReadingChangesNothing()
    {
        QFETCH(QString, reading);
        QFETCH(QString, alternatives);
        openWithSample();
        clickRow(1);
        commit(d().Edit3, reading);
        commit(d().Edit4, alternatives);
        click(d().Button1);
        click(d().Button4);

        QFETCH(QString, message);
        QCOMPARE(messages.messages, QStringList({message, message}));
        QCOMPARE(d().document().bank(), Sample);
        QVERIFY(!d().document().readings().hasReadings());
        QCOMPARE(d().Edit3->text() + '/' + d().Edit4->text(), reading + '/' + alternatives);
    }

    void companionFaultsAreReportedAndItsLinesKept()
    {
        const QByteArray companion = ReadingsHeader + "初級\tKAWA\tkawa\tかわ\t\t✓\n" +
                                     "初級\t\xff\n" + "中級\tGONE\tgone\tない\n";
        writeFile("Q1.DAT.yomi.tsv", companion);
        openWithSample();
        QCOMPARE(messages.messages,
                 QStringList{"よみのファイル " + folder.filePath("Q1.DAT.yomi.tsv") +
                             ":\n3 行目: UTF-8 のテキストではありません。この行は読まずに残します。"
                             "\n4 行目: 中級の問題「GONE」と回答「gone」の組は問題ファイルにありま"
                             "せん。この行は消さずに残します。"});
        QCOMPARE(d().ListView1->model()->index(1, QuestionTableModel::ReadingColumn).data(),
                 QStringLiteral("かわ"));
        click(d().BitBtn1);
        QCOMPARE(fileBytes("Q1.DAT.yomi.tsv"), companion);
        QCOMPARE(fileBytes("Q1.DAT"), QuestionFile::encode(Sample));
    }

    void spaceOnTheMarkConfirmsTheReading()
    {
        writeFile("Q1.DAT.yomi.tsv", ReadingsHeader + "初級\tSORA\tsora\tそら\t\t✓\n");
        openWithSample();
        const QModelIndex mark = d().ListView1->model()->index(2, QuestionTableModel::CheckColumn);
        QCOMPARE(mark.data(Qt::CheckStateRole), QVariant(int(Qt::Checked)));
        d().ListView1->setFocus();
        d().ListView1->setCurrentIndex(mark);
        QTest::keyClick(d().ListView1, Qt::Key_Space);
        QCOMPARE(mark.data(Qt::CheckStateRole), QVariant(int(Qt::Unchecked)));
        click(d().BitBtn1);
        QCOMPARE(fileBytes("Q1.DAT.yomi.tsv"), ReadingsHeader + "初級\tSORA\tsora\tそら\t\t\n");
    }

    void companionTooLargeIsLeftAsItIs()
    {
        const QByteArray companion(1024 * 1024 + 1, 'x');
        writeFile("Q1.DAT.yomi.tsv", companion);
        openWithSample();
        QCOMPARE(messages.messages.size(), 1);
        QVERIFY(messages.messages[0].contains(QStringLiteral("読み込みませんでした")));
        clickRow(0);
        commit(d().Edit3, QStringLiteral("やま"));
        click(d().Button1);
        click(d().BitBtn1);
        QCOMPARE(messages.messages.last(),
                 "よみのファイル " + folder.filePath("Q1.DAT.yomi.tsv") +
                     " は読み込めなかったため、書き換えていません。入力したよみは保存されていま"
                     "せん。");
        QCOMPARE(fileBytes("Q1.DAT.yomi.tsv"), companion);
        QCOMPARE(fileBytes("Q1.DAT"), QuestionFile::encode(Sample));
    }

    // 読みを提案 fills only empty readings, marks the doubtful ones, and says what is missing
    // when the analysers are not installed.
    void proposedReadingsFillTheEmptyOnesWithTheirMarks()
    {
        writeFile("Q1.DAT.yomi.tsv", ReadingsHeader + "初級\tSORA\tsora\tそら\t\t\n");
        openWithSample();
        proposer.proposals.insert("YAMA",
                                  {"やま", {"やま", "さん"}, ReadingDoubt::SeveralReadings});
        proposer.proposals.insert("KAWA", {"かわ", {"かわ"}, ReadingDoubt::None});
        click(d().Button5);
        QCOMPARE(proposer.asked, (QList<QStringList>{{"YAMA", "KAWA"}}));
        const QAbstractItemModel* model = d().ListView1->model();
        QStringList shown;
        for (int row = 0; row < model->rowCount(); ++row)
            shown << model->index(row, QuestionTableModel::ReadingColumn).data().toString() +
                         (model->index(row, QuestionTableModel::CheckColumn)
                                      .data(Qt::CheckStateRole) == int(Qt::Checked)
                              ? "✓"
                              : "");
        QCOMPARE(shown, (QStringList{"やま✓", "かわ", "そら"}));
        QCOMPARE(messages.told, QStringList{"2 件のよみを提案しました（要確認 1 件）"});

        proposer.unavailable = ProposerUnavailable{"edict", "/usr/share/edict/edict"};
        d().RadioGroup1Items[1]->click();
        click(d().Button5);
        QCOMPARE(messages.messages.size(), 1);
        QVERIFY(messages.messages[0].contains("edict"));
    }

    void failedLoadKeepsTheCaptionAndOkWritesNothing_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QStringList>("shown");
        const QByteArray whole = QuestionFile::encode(Sample);
        QTest::addRow("wrong_version")
            << "3.00A" + whole.mid(5) << QStringLiteral("処理できないデータのバージョンです")
            << QStringList();
        QTest::addRow("cut_in_second_pair")
            << whole.left(40) << QStringLiteral("ファイルが開けませんでした")
            << QStringList{"YAMA/yama"};
    }

    void failedLoadKeepsTheCaptionAndOkWritesNothing()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        openWithSample();
        const QString caption = d().windowTitle();

        load(writeFile("BAD.DAT", bytes));
        QCOMPARE(d().windowTitle(), caption);
        QTEST(rows(), "shown");
        click(d().BitBtn1);
        QCOMPARE(messages.messages, QStringList({message, SaveFailed}));
        QCOMPARE(fileBytes("BAD.DAT"), bytes);
        QCOMPARE(fileBytes("Q1.DAT"), QuestionFile::encode(Sample));

        // A good load makes OK save again.
        d().show();
        load(folder.filePath("Q1.DAT"));
        click(d().Button4);
        click(d().BitBtn1);
        QCOMPARE(messages.messages.size(), 2);
        QuestionBank expected = Sample;
        expected.Add(0, {}, {});
        QCOMPARE(fileBytes("Q1.DAT"), QuestionFile::encode(expected));
    }

    void levelSwitchKeepsTheBoxes()
    {
        openWithSample();
        clickRow(2);
        click(d().RadioGroup1Items[1]);

        QCOMPARE(rows(), QStringList{"UMI/umi"});
        QCOMPARE(boxes(), QStringList({"SORA", "sora"}));
        QVERIFY(!d().ListView1->selectionModel()->hasSelection());
        QCOMPARE(QApplication::overrideCursor(), nullptr);
    }

    void setReplacesTheClickedPairThenEmptiesIt_data()
    {
        QTest::addColumn<bool>("byEnter");
        QTest::addRow("button") << false;
        QTest::addRow("enter_in_a_box") << true;
    }

    void setReplacesTheClickedPairThenEmptiesIt()
    {
        QFETCH(bool, byEnter);
        openWithSample();
        clickRow(1);
        QCOMPARE(boxes(), QStringList({"KAWA", "kawa"}));
        commit(d().Edit1, QStringLiteral("川"));
        type(d().Edit2, "kawa2");
        if (byEnter)
            QTest::keyClick(d().Edit2, Qt::Key_Return);
        else
            click(d().Button1);

        QCOMPARE(rows(), QStringList({"YAMA/yama", "川/kawa2", "SORA/sora"}));
        QCOMPARE(d().document().bank().Item(0, 1)->question, TextCodec::encode("川"));
        QCOMPARE(boxes(), QStringList({"", ""}));
        // The row stays selected: a second set makes the pair two empty texts.
        click(d().Button1);
        QCOMPARE(d().document().bank().Item(0, 1), std::optional(QuestionItem{}));
    }

    void setAndDeleteWithoutSelectionChangeNothing()
    {
        openWithSample();
        type(d().Edit1, "X");
        click(d().Button1);
        click(d().Button3);
        QCOMPARE(d().document().bank(), Sample);
        QCOMPARE(boxes(), QStringList({"X", ""}));
    }

    void addAppendsEvenWithASelection()
    {
        openWithSample();
        clickRow(0);
        commit(d().Edit2, QStringLiteral("やま"));
        click(d().Button4);
        QCOMPARE(rows(), QStringList({"YAMA/yama", "KAWA/kawa", "SORA/sora", "YAMA/やま"}));
        QCOMPARE(boxes(), QStringList({"", ""}));
    }

    void deleteFirstOfThreeThenSave()
    {
        openWithSample();
        clickRow(0);
        click(d().Button3);
        click(d().Button3);
        QCOMPARE(rows(), QStringList({"KAWA/kawa", "SORA/sora"}));
        click(d().BitBtn1);
        QCOMPARE(fileBytes("Q1.DAT"),
                 QuestionFile::encode(upperCaseBank({{"kawa", "sora"}, {"umi"}})));
    }

    void cancelKeepsEditsForTheNextOpening()
    {
        openWithSample();
        click(d().RadioGroup1Items[2]);
        type(d().Edit1, "NEW");
        click(d().Button4);
        type(d().Edit1, "typed");
        QTest::keyClick(d().Edit1, Qt::Key_Escape);
        QCOMPARE(d().result(), QDialog::Rejected);
        QCOMPARE(fileBytes("Q1.DAT"), QuestionFile::encode(Sample));

        d().show();
        QCOMPARE(rows(), QStringList{"NEW/"});
        QCOMPARE(boxes(), QStringList({"typed", ""}));
        click(d().BitBtn1);
        QuestionBank expected = Sample;
        expected.Add(2, "NEW", {});
        QCOMPARE(fileBytes("Q1.DAT"), QuestionFile::encode(expected));
    }

    void unsavableCharacterChangesNothing_data()
    {
        QTest::addColumn<QPushButton * TFrmDataMake::*>("button");
        QTest::addColumn<QString>("question");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("named");
        QTest::addRow("set_question") << &TFrmDataMake::Button1 << "schön"
                                      << "x"
                                      << "ö";
        QTest::addRow("set_answer") << &TFrmDataMake::Button1 << "山"
                                    << "x😀"
                                    << "😀";
        QTest::addRow("add_question_first") << &TFrmDataMake::Button4 << "€"
                                            << "ö"
                                            << "€";
    }

    void unsavableCharacterChangesNothing()
    {
        QFETCH(QPushButton * TFrmDataMake::*, button);
        QFETCH(QString, question);
        QFETCH(QString, answer);
        QFETCH(QString, named);
        openWithSample();
        clickRow(0);
        commit(d().Edit1, question);
        commit(d().Edit2, answer);
        click(d().*button);

        QCOMPARE(messages.messages,
                 QStringList{QStringLiteral("「%1」はファイルに保存できない文字です").arg(named)});
        QCOMPARE(d().document().bank(), Sample);
        QCOMPARE(boxes(), QStringList({question, answer}));
    }

    void fullDiskKeepsTheFile()
    {
        const QByteArray bytes =
            QuestionFile::encode(upperCaseBank({QByteArrayList(100, "kotae")}));
        d().show();
        load(writeFile("BIG.DAT", bytes));
        clickRow(0);
        click(d().Button3);
        {
            const FileSizeLimit limit(1024);
            QVERIFY(limit.active);
            click(d().BitBtn1);
        }
        QCOMPARE(messages.messages, QStringList{SaveFailed});
        QCOMPARE(fileBytes("BIG.DAT"), bytes);
        QCOMPARE(d().document().bank().Count(0), 99);
    }

    void helpButtonAsksForTopic11Once()
    {
        RecordingHelpViewer viewer;
        HelpKeys::installOnDialog(dialog.get(), viewer);
        activate();
        click(d().BitBtn3);
        QCOMPARE(viewer.requests, QStringList{"context 11"});
        QVERIFY(d().isVisible());
    }

    void keyboardReachesEveryControl()
    {
        activate();
        QTest::keyClick(dialog.get(), Qt::Key_K, Qt::AltModifier);
        QCOMPARE(QApplication::focusWidget(), d().Edit2);
        QTest::keyClick(dialog.get(), Qt::Key_M, Qt::AltModifier);
        QCOMPARE(QApplication::focusWidget(), d().Edit1);
        QTest::keyClick(dialog.get(), Qt::Key_Y, Qt::AltModifier);
        QCOMPARE(QApplication::focusWidget(), d().Edit3);
        QTest::keyClick(dialog.get(), Qt::Key_B, Qt::AltModifier);
        QCOMPARE(QApplication::focusWidget(), d().Edit4);

        d().RadioGroup1Items[0]->setFocus();
        QStringList visited{QApplication::focusWidget()->objectName()};
        for (int step = 0; step < 14; ++step) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(visited,
                 QStringList({"RadioGroup1Item1", "ListView1", "BitBtn1", "BitBtn2", "BitBtn3",
                              "Edit1", "Edit2", "Edit3", "Edit4", "Button1", "Button2", "Button3",
                              "Button4", "Button5", "RadioGroup1Item1"}));
    }

    void screenReadersNameEveryControlAndReadRowsAsPairs()
    {
        openWithSample();
        QStringList names;
        const QList<QWidget*> controls{d().ListView1, d().Edit1,   d().Edit2,   d().Edit3,
                                       d().Edit4,     d().BitBtn1, d().BitBtn2, d().BitBtn3,
                                       d().Button1,   d().Button2, d().Button3, d().Button4};
        for (QWidget* widget : controls)
            names << QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
        QCOMPARE(names, QStringList({"問題と回答", "問題", "回答", "よみ", "別解", "OK",
                                     "キャンセル", "ヘルプ", "設定", "ロード", "削除", "追加"}));
        QAccessibleTableInterface* table =
            QAccessible::queryAccessibleInterface(d().ListView1)->tableInterface();
        QCOMPARE(table->cellAt(1, 1)->text(QAccessible::Name),
                 QStringLiteral("問題 KAWA、回答 kawa"));
    }
};

QTEST_MAIN(TFrmDataMakeTest)
#include "TFrmDataMakeTest.moc"
