#include "editor/TFrmDataMake.h"
#include "FakeFileDialog.h"
#include "FakeMessageBox.h"
#include "FileSizeLimit.h"
#include "TestFiles.h"
#include "questions/QuestionFile.h"
#include "questions/TextCodec.h"

#include <QAccessible>
#include <QApplication>
#include <QGroupBox>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString SaveFailed = QStringLiteral("ファイルを保存できませんでした");

// Level n holds the pairs "Qn/an" spelled out in the given answers, the question being the
// answer in upper case.
QuestionBank bankOf(const QList<QByteArrayList>& levels)
{
    QuestionBank bank;
    for (int level = 0; level < levels.size(); ++level) {
        for (const QByteArray& answer : levels[level])
            bank.Add(level, answer.toUpper(), answer);
    }
    return bank;
}

const QuestionBank Sample = bankOf({{"yama", "kawa", "sora"}, {"umi"}, {}});

} // namespace

class TFrmDataMakeTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir folder;
    FakeFileDialog files;
    FakeMessageBox messages;
    std::unique_ptr<TFrmDataMake> dialog;

    TFrmDataMake& d() { return *dialog; }

    QString writeFile(const QString& name, const QByteArray& bytes)
    {
        const QString path = folder.filePath(name);
        return TestFiles::writeBytes(path, bytes) ? path : QString();
    }

    // Loads through the dialog's own "ロード" button.
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
    void init() { dialog = std::make_unique<TFrmDataMake>(files, messages); }
    void cleanup()
    {
        dialog.reset();
        files = {};
        messages.messages.clear();
    }

    void firstOpeningShowsAnEmptyBeginnerList()
    {
        d().show();
        QCOMPARE(d().windowTitle(), QStringLiteral("データ編集"));
        QCOMPARE(d().ListView1->model()->rowCount(), 0);
        QVERIFY(d().RadioGroup1Items[0]->isChecked());
    }

    void loadAsksForAnExistingQuestionFile()
    {
        openWithSample();
        load(folder.filePath("Q1.DAT"));
        files.answers = {std::nullopt};
        QTest::mouseClick(d().Button2, Qt::LeftButton);

        QCOMPARE(files.requests.size(), 3);
        const OpenFileRequest& request = files.requests[0];
        QCOMPARE(request.title, QStringLiteral("ファイルを開く"));
        QCOMPARE(request.filters.size(), 2);
        QCOMPARE(request.filters[0].description, QStringLiteral("Tazuneﾃﾞｰﾀﾌｧｲﾙ(*.DAT)"));
        QCOMPARE(request.filters[0].pattern, QStringLiteral("*.DAT"));
        QCOMPARE(request.filters[1].description, QStringLiteral("すべてのﾌｧｲﾙ(*.*)"));
        QCOMPARE(request.filters[1].pattern, QStringLiteral("*.*"));
        QCOMPARE(request.defaultSuffix, QStringLiteral("dat"));
        QVERIFY(request.mustExist);
        QCOMPARE(files.requests[2].presetFile, folder.filePath("Q1.DAT"));
        // The cancelled third request changed nothing.
        QCOMPARE(d().windowTitle(),
                 QStringLiteral("データ編集　－　[%1]").arg(folder.filePath("Q1.DAT")));
        QCOMPARE(rows(), QStringList({"YAMA/yama", "KAWA/kawa", "SORA/sora"}));
    }

    void failedLoadKeepsTheCaptionAndOkWritesNothing_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QStringList>("shown");
        const QByteArray whole = QuestionFile::encode(Sample);
        QTest::addRow("wrong_version")
            << QByteArray("3.00A") + whole.mid(5)
            << QStringLiteral("処理できないデータのバージョンです") << QStringList();
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
        const QString damaged = writeFile("BAD.DAT", bytes);

        load(damaged);
        QCOMPARE(d().windowTitle(), caption);
        QTEST(rows(), "shown");
        QTest::mouseClick(d().BitBtn1, Qt::LeftButton);

        QCOMPARE(messages.messages, QStringList({message, SaveFailed}));
        QCOMPARE(d().result(), QDialog::Accepted);
        QCOMPARE(TestFiles::readBytes(damaged), bytes);
        QCOMPARE(TestFiles::readBytes(folder.filePath("Q1.DAT")), QuestionFile::encode(Sample));

        d().show();
        load(folder.filePath("Q1.DAT"));
        QTest::mouseClick(d().Button4, Qt::LeftButton);
        QTest::mouseClick(d().BitBtn1, Qt::LeftButton);
        QCOMPARE(messages.messages.size(), 2);
        QuestionBank expected = Sample;
        expected.Add(0, {}, {});
        QCOMPARE(TestFiles::readBytes(folder.filePath("Q1.DAT")), QuestionFile::encode(expected));
    }

    void levelSwitchKeepsTheBoxes()
    {
        openWithSample();
        clickRow(2);
        QTest::mouseClick(d().RadioGroup1Items[1], Qt::LeftButton);

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
            QTest::mouseClick(d().Button1, Qt::LeftButton);

        QCOMPARE(rows(), QStringList({"YAMA/yama", "川/kawa2", "SORA/sora"}));
        QCOMPARE(d().document().bank().Item(0, 1)->question, TextCodec::encode("川").value());
        QCOMPARE(boxes(), QStringList({"", ""}));
        QVERIFY(d().isVisible());

        QTest::mouseClick(d().Button1, Qt::LeftButton);
        QCOMPARE(rows(), QStringList({"YAMA/yama", "/", "SORA/sora"}));
        QCOMPARE(d().document().bank().Item(0, 1), std::optional(QuestionItem{}));
    }

    void setAndDeleteWithoutSelectionChangeNothing()
    {
        openWithSample();
        type(d().Edit1, "X");
        QTest::mouseClick(d().Button1, Qt::LeftButton);
        QTest::mouseClick(d().Button3, Qt::LeftButton);

        QCOMPARE(rows(), QStringList({"YAMA/yama", "KAWA/kawa", "SORA/sora"}));
        QCOMPARE(boxes(), QStringList({"X", ""}));
        QVERIFY(messages.messages.isEmpty());
    }

    void addAppendsEvenWithASelection()
    {
        openWithSample();
        clickRow(0);
        commit(d().Edit2, QStringLiteral("やま"));
        QTest::mouseClick(d().Button4, Qt::LeftButton);

        QCOMPARE(rows(), QStringList({"YAMA/yama", "KAWA/kawa", "SORA/sora", "YAMA/やま"}));
        QCOMPARE(boxes(), QStringList({"", ""}));
    }

    void deleteFirstOfThreeThenSave()
    {
        openWithSample();
        clickRow(0);
        QTest::mouseClick(d().Button3, Qt::LeftButton);
        QCOMPARE(rows(), QStringList({"KAWA/kawa", "SORA/sora"}));
        QTest::mouseClick(d().BitBtn1, Qt::LeftButton);

        QCOMPARE(TestFiles::readBytes(folder.filePath("Q1.DAT")),
                 QuestionFile::encode(bankOf({{"kawa", "sora"}, {"umi"}, {}})));
        QVERIFY(messages.messages.isEmpty());
    }

    void okWithoutLoadShowsTheSaveMessage()
    {
        d().show();
        QTest::mouseClick(d().BitBtn1, Qt::LeftButton);
        QCOMPARE(messages.messages, QStringList{SaveFailed});
        QVERIFY(!d().isVisible());
        QCOMPARE(d().result(), QDialog::Accepted);
    }

    void cancelKeepsEditsForTheNextOpening()
    {
        openWithSample();
        QTest::mouseClick(d().RadioGroup1Items[2], Qt::LeftButton);
        type(d().Edit1, "NEW");
        type(d().Edit2, "new");
        QTest::mouseClick(d().Button4, Qt::LeftButton);
        type(d().Edit1, "typed");
        QTest::keyClick(d().Edit1, Qt::Key_Escape);
        QCOMPARE(d().result(), QDialog::Rejected);
        QCOMPARE(TestFiles::readBytes(folder.filePath("Q1.DAT")), QuestionFile::encode(Sample));

        d().show();
        QCOMPARE(rows(), QStringList{"NEW/new"});
        QCOMPARE(boxes(), QStringList({"typed", ""}));
        QTest::mouseClick(d().BitBtn1, Qt::LeftButton);
        QCOMPARE(TestFiles::readBytes(folder.filePath("Q1.DAT")),
                 QuestionFile::encode(bankOf({{"yama", "kawa", "sora"}, {"umi"}, {"new"}})));
    }

    void saveRoundTripIsByteIdentical()
    {
        QuestionBank bank = Sample;
        bank.Add(2, TextCodec::encode(QStringLiteral("今日は雨です。")).value(), {});
        bank.Add(2, {}, "\x81\x40");
        const QByteArray bytes = QuestionFile::encode(bank);
        d().show();
        load(writeFile("JA.DAT", bytes));
        QTest::mouseClick(d().BitBtn1, Qt::LeftButton);
        QCOMPARE(TestFiles::readBytes(folder.filePath("JA.DAT")), bytes);
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
        QTest::addRow("add_both_question_first") << &TFrmDataMake::Button4 << "€"
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
        QTest::mouseClick(d().*button, Qt::LeftButton);

        QCOMPARE(messages.messages,
                 QStringList{QStringLiteral("「%1」はファイルに保存できない文字です").arg(named)});
        QCOMPARE(d().document().bank(), Sample);
        QCOMPARE(boxes(), QStringList({question, answer}));
    }

    void fullDiskKeepsTheFile()
    {
        const QuestionBank big = bankOf({QByteArrayList(100, "kotae")});
        const QByteArray bytes = QuestionFile::encode(big);
        d().show();
        load(writeFile("BIG.DAT", bytes));
        clickRow(0);
        QTest::mouseClick(d().Button3, Qt::LeftButton);
        {
            const FileSizeLimit limit(1024);
            QVERIFY(limit.active);
            QTest::mouseClick(d().BitBtn1, Qt::LeftButton);
        }
        QCOMPARE(messages.messages, QStringList{SaveFailed});
        QCOMPARE(TestFiles::readBytes(folder.filePath("BIG.DAT")), bytes);
        QCOMPARE(d().document().bank().Count(0), 99);
    }

    void helpAsksForTopic11Once_data()
    {
        QTest::addColumn<bool>("byKey");
        QTest::addRow("help_button") << false;
        QTest::addRow("f1_in_the_list") << true;
    }

    void helpAsksForTopic11Once()
    {
        QFETCH(bool, byKey);
        QSignalSpy help(dialog.get(), &TFrmDataMake::helpRequested);
        activate();
        if (byKey) {
            d().ListView1->setFocus();
            QTest::keyClick(d().ListView1, Qt::Key_F1);
        } else {
            QTest::mouseClick(d().BitBtn3, Qt::LeftButton);
        }
        QCOMPARE(help.size(), 1);
        QCOMPARE(help.constFirst().constFirst().toInt(), 11);
        QVERIFY(d().isVisible());
    }

    void keyboardReachesEveryControl()
    {
        activate();
        QTest::keyClick(dialog.get(), Qt::Key_K, Qt::AltModifier);
        QCOMPARE(QApplication::focusWidget(), d().Edit2);
        QTest::keyClick(dialog.get(), Qt::Key_M, Qt::AltModifier);
        QCOMPARE(QApplication::focusWidget(), d().Edit1);

        d().RadioGroup1Items[0]->setFocus();
        QStringList visited{QApplication::focusWidget()->objectName()};
        for (int step = 0; step < 11; ++step) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(visited, QStringList({"RadioGroup1Item1", "ListView1", "BitBtn1", "BitBtn2",
                                       "BitBtn3", "Edit1", "Edit2", "Button1", "Button2", "Button3",
                                       "Button4", "RadioGroup1Item1"}));
    }

    void screenReadersNameEveryControlAndReadRowsAsPairs()
    {
        openWithSample();
        QStringList names;
        for (QWidget* widget : std::initializer_list<QWidget*>{
                 d().ListView1, d().Edit1, d().Edit2, d().BitBtn1, d().BitBtn2, d().BitBtn3,
                 d().Button1, d().Button2, d().Button3, d().Button4})
            names << QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
        QCOMPARE(names, QStringList({"問題と回答", "問題", "回答", "OK", "キャンセル", "ヘルプ",
                                     "設定", "ロード", "削除", "追加"}));
        QAccessibleTableInterface* table =
            QAccessible::queryAccessibleInterface(d().ListView1)->tableInterface();
        QCOMPARE(table->cellAt(1, 1)->text(QAccessible::Name),
                 QStringLiteral("問題 KAWA、回答 kawa"));
    }
};

QTEST_MAIN(TFrmDataMakeTest)
#include "TFrmDataMakeTest.moc"
