#include "MainWindowFixture.h"
#include "ModalCloser.h"
#include "ScreenReader.h"
#include "TestFiles.h"
#include "drill/TFrmReport.h"
#include "help/HelpTopics.h"
#include "questions/TextCodec.h"
#include "readings/ReadingsCompanion.h"
#include "record/RecordMessages.h"
#include "record/ScheduleTime.h"
#include "record/TFrmNotebook.h"
#include "record/TFrmTimeOuts.h"
#include "settings/TFrmReviewSetting.h"
#include "widgets/BevelPanel.h"

#include <QAbstractItemModelTester>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>

#include <functional>

namespace {

QStringList rowTexts(QTableView* view, int row)
{
    QStringList texts;
    for (int column = 0; column < view->model()->columnCount(); ++column) {
        if (!view->isColumnHidden(column))
            texts << view->model()->index(row, column).data().toString();
    }
    return texts;
}

PairProgress missed(int misses, const QByteArray& typed)
{
    PairProgress progress;
    progress.misses = misses;
    progress.corrects = 1;
    progress.correctTicks = 65;
    progress.inNotebook = true;
    progress.lastMiss = QDateTime::currentDateTimeUtc();
    progress.lastTimeOutTyped = typed;
    return progress;
}

// Runs each step on the modal window that is open when its turn comes, until all have run.
class ModalScript : public QObject
{
public:
    explicit ModalScript(QList<std::function<void(QWidget*)>> steps) : steps(std::move(steps))
    {
        connect(&timer, &QTimer::timeout, this, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal || this->steps.isEmpty() || modal == lastModal)
                return;
            lastModal = modal;
            this->steps.takeFirst()(modal);
        });
        timer.start(5);
    }

private:
    QList<std::function<void(QWidget*)>> steps;
    QWidget* lastModal = nullptr;
    QTimer timer;
};

} // namespace

class RecordWindowTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<MainWindowFixture> f;
    QString file;

    TFrmMain& window() { return *f->window; }

    void showWithSample(int questionsPerGame)
    {
        f->settings.values = {{"Cnt", QString::number(questionsPerGame)}};
        file = f->questionFile("Q1.DAT", {{"yama", "kawa"}, {"sora"}, {}});
        f->show({file});
        QCOMPARE(window().drill().state(), DrillState::Ready);
        QTest::qWait(0);
    }

    void timeOut(const QString& typed)
    {
        QTest::keyClicks(window().Edit1, typed);
        for (int tick = 0; tick < 101; ++tick)
            window().Timer1Timer();
    }

private slots:
    void init() { f = std::make_unique<MainWindowFixture>(); }
    void cleanup() { f.reset(); }

    void reportShowsTheGamesTimeOuts()
    {
        f->random.values = {0, 1};
        showWithSample(2);
        window().MenuStart->trigger();
        timeOut("yamu");
        QStringList shown;
        QString spoken;
        ModalScript script(
            {[](QWidget* report) {
                 auto* dialog = static_cast<TFrmReport*>(report);
                 QVERIFY(dialog->BitBtn2->isEnabled());
                 QCOMPARE(ScreenReader::name(dialog->BitBtn2), QStringLiteral("時間切れの答え"));
                 // From the event loop: the list opens a modal loop of its own.
                 QTimer::singleShot(0, dialog->BitBtn2, &QPushButton::click);
             },
             [&](QWidget* list) {
                 auto* dialog = static_cast<TFrmTimeOuts*>(list);
                 QCOMPARE(dialog->windowTitle(), QStringLiteral("時間切れの答え"));
                 for (int row = 0; row < dialog->ListView1->model()->rowCount(); ++row)
                     shown << rowTexts(dialog->ListView1, row);
                 spoken = ScreenReader::description(dialog->ListView1);
                 dialog->close();
             },
             [](QWidget* report) { report->close(); }});
        timeOut("");
        QTRY_COMPARE(shown,
                     (QStringList{"YAMA", "yam【a】", "yam【u】", "KAWA", "【kawa】", "【】"}));
        QVERIFY(spoken.contains(QStringLiteral("【】")));
    }

    void notebookShowsTheLoadedFilesPairsOfALevel()
    {
        f->record.progress[{"KAWA", "kawa"}] = missed(3, "kaw");
        f->record.progress[{"SORA", "sora"}] = missed(1, "");
        f->record.progress[{"UMI", "umi"}] = missed(5, ""); // of another file
        // Reviewed three days ago, and due on a day of its own.
        const QDateTime due(QDate(2030, 1, 2), QTime(3, 4), QTimeZone::utc());
        f->record.schedules[{"KAWA", "kawa"}] = {
            PairState::Review,
            0,
            10,
            5,
            ScheduleTime::instantOf(due),
            ScheduleTime::instantOf(QDateTime::currentDateTimeUtc().addDays(-3))};
        showWithSample(2);
        QCOMPARE(window().MenuNote->text(), QStringLiteral("間違いﾉｰﾄ(&M)"));
        QStringList level0;
        QStringList level1;
        QStringList headers;
        ModalScript script({[&](QWidget* modal) {
            auto* notebook = static_cast<TFrmNotebook*>(modal);
            QAbstractItemModelTester tester(notebook->ListView1->model());
            QCOMPARE(notebook->windowTitle(), QStringLiteral("間違いノート"));
            QCOMPARE(notebook->ListView1->model()->rowCount(), 1);
            level0 = rowTexts(notebook->ListView1, 0);
            for (int column = 0; column < notebook->ListView1->model()->columnCount(); ++column)
                headers
                    << notebook->ListView1->model()->headerData(column, Qt::Horizontal).toString();
            notebook->ComboBox1->setCurrentIndex(1);
            level1 = rowTexts(notebook->ListView1, 0);
            notebook->close();
        }});
        window().MenuNote->trigger();
        // Closed, it holds none of the record's rows.
        QCOMPARE(window().findChild<TFrmNotebook*>()->ListView1->model()->rowCount(), 0);
        QCOMPARE(headers,
                 (QStringList{"問題", "答え", "時間切れ", "正解", "正解平均", "答え方",
                              "最後の入力", "次の復習", "思い出せる見込み", "読みで答える"}));
        // After 3 days at a stability of 10 days, recall stands at 96 %.
        QCOMPARE(level0, (QStringList{"KAWA", "kawa", "3", "1", "6.5秒", "-", "kaw",
                                      due.toLocalTime().toString("yyyy/MM/dd HH:mm"), "96%", ""}));
        QCOMPARE(level1, (QStringList{"SORA", "sora", "1", "1", "6.5秒", "-", "", "-", "-", ""}));
    }

    void reviewGameDrawsOnlyNotebookPairs()
    {
        f->record.progress[{"KAWA", "kawa"}] = missed(1, "");
        showWithSample(3);
        ModalScript script({[](QWidget* modal) {
            auto* notebook = static_cast<TFrmNotebook*>(modal);
            QVERIFY(notebook->BitBtn1->isEnabled());
            notebook->BitBtn1->click();
        }});
        window().MenuNote->trigger();
        QCOMPARE(window().drill().state(), DrillState::Running);
        ModalCloser closer;
        for (int answer = 0; answer < 3; ++answer) {
            window().Timer1Timer();
            QCOMPARE(window().Panel1->text(), QStringLiteral("KAWA"));
            QTest::keyClicks(window().Edit1, "kawa");
        }
        QTRY_COMPARE(closer.captions, QStringList{QStringLiteral("成績発表")});
        QVERIFY(f->record.games.constLast().start.review);
        QVERIFY(f->record.games.constLast().result);
        // Three fast answers in a row: the pair has left the notebook, and the file is back.
        QVERIFY(f->record.notebook().isEmpty());
        QCOMPARE(window().questionBank().Count(0), 2);
    }

    // The pair chosen in the notebook is answered by its reading in the review game, though the
    // setting is off, and the record keeps that it was.
    void readingChosenInTheNotebookAnswersTheReviewGame()
    {
        const QByteArray father = TextCodec::encode(u"お父さん"_qs).value();
        f->record.progress[{father, father}] = missed(1, "");
        f->settings.values = {{"Cnt", "1"}};
        QuestionBank bank;
        bank.Add(0, father, father);
        file = f->folder.filePath("YOMI.DAT");
        QuestionFile::write(file, bank);
        TestFiles::writeBytes(ReadingsCompanion::companionPath(file),
                              u"レベル\t問題\t回答\tよみ\t別解\t要確認\n"
                              u"初級\tお父さん\tお父さん\tおとうさん\t\t\n"_qs.toUtf8());
        f->show({file});
        ModalScript script({[](QWidget* modal) {
            auto* notebook = static_cast<TFrmNotebook*>(modal);
            QTableView* view = notebook->ListView1;
            view->setCurrentIndex(view->model()->index(0, NotebookModel::ByReadingColumn));
            QTest::keyClick(view, Qt::Key_Space);
            notebook->BitBtn1->click();
        }});
        window().MenuNote->trigger();
        QCOMPARE(window().drill().state(), DrillState::Running);
        ModalCloser closer;
        window().Timer1Timer();
        QInputMethodEvent typed;
        typed.setCommitString(u"おとうさん"_qs);
        QApplication::sendEvent(window().Edit1, &typed);
        QTRY_COMPARE(closer.captions, QStringList{QStringLiteral("成績発表")});
        QCOMPARE(f->record.games.constLast().outcomes.value(0).answeredBy,
                 std::optional(AnswerForm::Reading));
        QVERIFY(f->record.progress.value({father, father}).answerByReading);
        // Outside the review game the reading answers only by the setting.
        QVERIFY(!window().MenuByReading->isChecked());
    }

    void todaysReviewPlaysTheDuePairsThenTheNewOnes()
    {
        const Instant yesterday =
            ScheduleTime::instantOf(QDateTime::currentDateTimeUtc().addDays(-1));
        f->record.schedules[{"KAWA", "kawa"}] = {
            PairState::Review, 0, 3, 5, yesterday, yesterday - std::chrono::days(3)};
        showWithSample(5);
        window().MenuLevel->popup({});
        QCOMPARE(window().MenuToday->text(), QStringLiteral("今日の復習(&T)  1"));
        window().MenuLevel->hide();

        window().MenuToday->trigger();
        QCOMPARE(window().drill().state(), DrillState::Running);
        window().Timer1Timer();
        QCOMPARE(window().Panel1->text(), QStringLiteral("KAWA"));
        QTest::keyClicks(window().Edit1, "kawa");
        QStringList grades;
        ModalScript script({[&](QWidget* report) {
            for (BevelPanel* panel : static_cast<TFrmReport*>(report)->GPanel)
                grades << ScreenReader::description(panel) + u' ' + ScreenReader::name(panel);
            report->close();
        }});
        window().Timer1Timer();
        QCOMPARE(window().Panel1->text(), QStringLiteral("YAMA"));
        timeOut("");
        QTRY_COMPARE(grades,
                     (QStringList{"もう一度 1問", "むずかしい 0問", "ふつう 0問", "かんたん 1問"}));

        // Both met today, neither due yet: the menu and the item say when the next comes.
        window().MenuLevel->popup({});
        QVERIFY(window().MenuToday->text().contains(QStringLiteral("次は")));
        window().MenuLevel->hide();
        window().MenuToday->trigger();
        QCOMPARE(window().drill().state(), DrillState::Ready);
        QCOMPARE(f->messageBox.told.size(), 1);
        QVERIFY(f->messageBox.told[0].startsWith(QStringLiteral("いま復習する問題はありません")));
    }

    void reviewSettingsChangedInTheirDialogReachTodaysReview()
    {
        showWithSample(5);
        ModalScript settings({[](QWidget* modal) {
            auto* dialog = static_cast<TFrmReviewSetting*>(modal);
            QCOMPARE(dialog->windowTitle(), QStringLiteral("復習の設定"));
            for (auto [box, keys] : {std::pair{static_cast<QWidget*>(dialog->retentionBox), "0.85"},
                                     std::pair{static_cast<QWidget*>(dialog->newPairsBox), "1"}}) {
                box->setFocus();
                QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
                QTest::keyClicks(box, keys);
            }
            QTest::keyClick(dialog->newPairsBox, Qt::Key_Return);
        }});
        window().MenuReviewSetting->trigger();
        QCOMPARE(f->record.scheduler.parameters().retention, 0.85);
        QCOMPARE(f->record.reschedules, 1);

        // Two pairs never met, one brought in a day.
        window().MenuToday->trigger();
        QCOMPARE(window().drill().state(), DrillState::Running);
        window().Timer1Timer();
        QStringList grades;
        ModalScript report({[&](QWidget* modal) {
            for (BevelPanel* panel : static_cast<TFrmReport*>(modal)->GPanel)
                grades << ScreenReader::name(panel);
            modal->close();
        }});
        QTest::keyClicks(window().Edit1, window().Panel1->text().toLower());
        window().Timer1Timer();
        QTRY_COMPARE(grades, (QStringList{"0問", "0問", "0問", "1問"}));

        window().close();
        QCOMPARE(f->settings.values.value("ReviewNewPerDay"), QVariant("1"));
        QCOMPARE(f->settings.values.value("ReviewRetention"), QVariant("0.85"));
    }

    void removedPairLeavesTheNotebook()
    {
        f->record.progress[{"KAWA", "kawa"}] = missed(1, "");
        f->record.progress[{"YAMA", "yama"}] = missed(2, "");
        showWithSample(2);
        int rowsLeft = -1;
        ModalScript script({[&](QWidget* modal) {
            auto* notebook = static_cast<TFrmNotebook*>(modal);
            QVERIFY(!notebook->BitBtn2->isEnabled());
            notebook->ListView1->selectRow(0); // sorted by misses: yama first
            notebook->BitBtn2->click();
            rowsLeft = notebook->ListView1->model()->rowCount();
            notebook->close();
        }});
        window().MenuNote->trigger();
        QCOMPARE(rowsLeft, 1);
        QCOMPARE(f->record.notebook().size(), 1);
        QCOMPARE(f->record.notebook()[0].pair, (QuestionItem{"KAWA", "kawa"}));
    }

    void exportWritesTheNotebookAsAQuestionFile()
    {
        f->record.progress[{"KAWA", "kawa"}] = missed(1, "");
        f->record.progress[{"SORA", "sora"}] = missed(1, "");
        showWithSample(2);
        const QString target = f->folder.filePath("HARD.DAT");
        f->fileDialog.answers = {target};
        ModalScript script({[](QWidget* modal) {
            auto* notebook = static_cast<TFrmNotebook*>(modal);
            notebook->BitBtn3->click();
            notebook->close();
        }});
        window().MenuNote->trigger();
        QCOMPARE(f->fileDialog.saveRequests.size(), 1);
        QCOMPARE(TestFiles::readBytes(target),
                 TestFiles::hex("33 2E 30 30 61 | 03 00 00 00"
                                "| 01 00 00 00 | 04 00 00 00 4B 41 57 41 | 04 00 00 00 6B 61 77 61"
                                "| 01 00 00 00 | 04 00 00 00 53 4F 52 41 | 04 00 00 00 73 6F 72 61"
                                "| 00 00 00 00"));
    }

    void clearingTheRecordAsksFirst()
    {
        f->record.progress[{"KAWA", "kawa"}] = missed(1, "");
        showWithSample(2);
        f->messageBox.confirmAnswers = {false, true};
        window().MenuClearRecord->trigger();
        QCOMPARE(f->record.notebook().size(), 1);
        window().MenuClearRecord->trigger();
        QVERIFY(f->record.notebook().isEmpty());
        QCOMPARE(f->messageBox.questions.size(), 2);
    }

    void unwritableRecordIsToldOnceAfterTheGame()
    {
        f->record.writable = false;
        showWithSample(1);
        for (int game = 0; game < 2; ++game) {
            window().MenuStart->trigger();
            QCOMPARE(window().drill().state(), DrillState::Running);
            ModalCloser closer;
            timeOut("x");
            QTRY_COMPARE(closer.captions, QStringList{QStringLiteral("成績発表")});
            QTest::qWait(0);
        }
        QCOMPARE(f->messageBox.messages, QStringList{RecordMessages::unsaved(
                                             f->record.failure.reason, f->record.location())});
    }

    void f1InTheNotebookOpensItsPage()
    {
        showWithSample(2);
        ModalScript script({[](QWidget* notebook) {
            QApplication::setActiveWindow(notebook);
            QVERIFY(QTest::qWaitForWindowActive(notebook));
            QTest::keyClick(notebook->focusWidget() ? notebook->focusWidget() : notebook,
                            Qt::Key_F1);
            notebook->close();
        }});
        window().MenuNote->trigger();
        QCOMPARE(f->helpViewer.requests,
                 QStringList{QStringLiteral("context %1").arg(HelpTopics::NotebookContext)});
    }

    void recordTroubleAtStartIsToldOnce_data()
    {
        QTest::addColumn<LearningRecord::OpenOutcome>("outcome");
        QTest::addColumn<QString>("message");

        const QString path = QStringLiteral("/home/u/record.sqlite");
        QTest::addRow("damaged_file_moved_aside")
            << LearningRecord::OpenOutcome::StartedAfresh
            << RecordMessages::damaged(path, {path + ".damaged-20260301-120000", 120, 8});
        QTest::addRow("folder_not_writable")
            << LearningRecord::OpenOutcome::Unavailable
            << RecordMessages::unsaved(QStringLiteral("Permission denied"), path);
    }

    void recordTroubleAtStartIsToldOnce()
    {
        QFETCH(LearningRecord::OpenOutcome, outcome);
        QFETCH(QString, message);

        f->record.openOutcome = outcome;
        f->record.rescued =
            RecordRescue{QStringLiteral("/home/u/record.sqlite.damaged-20260301-120000"), 120, 8};
        f->record.failure.reason = QStringLiteral("Permission denied");
        // The drill's writes meet the same refusal as the open.
        f->record.writable = outcome != LearningRecord::OpenOutcome::Unavailable;
        showWithSample(1);
        QTest::qWait(0);
        QCOMPARE(f->messageBox.messages, QStringList{message});
        // The drill goes on as before, and no game brings the message back.
        window().MenuStart->trigger();
        ModalCloser closer;
        timeOut("");
        QTRY_COMPARE(closer.captions, QStringList{QStringLiteral("成績発表")});
        QTest::qWait(0);
        QCOMPARE(f->messageBox.messages, QStringList{message});
    }

    void notebookSortsFiguresAsNumbersAndKeepsTheSelection()
    {
        for (const auto& [pair, misses] : {std::pair{QuestionItem{"YAMA", "yama"}, 2},
                                           std::pair{QuestionItem{"KAWA", "kawa"}, 10},
                                           std::pair{QuestionItem{"UMI", "umi"}, 9}})
            f->record.progress[{pair.question, pair.answer}] = missed(misses, "");
        f->settings.values = {{"Cnt", "2"}};
        f->show({f->questionFile("Q1.DAT", {{"yama", "kawa", "umi"}, {}, {}})});
        QStringList byMisses;
        QStringList byAnswer;
        QString selected;
        ModalScript script({[&](QWidget* modal) {
            auto* notebook = static_cast<TFrmNotebook*>(modal);
            QTableView* view = notebook->ListView1;
            for (int row = 0; row < 3; ++row)
                byMisses
                    << view->model()->index(row, NotebookModel::MissesColumn).data().toString();
            view->selectRow(0);
            view->sortByColumn(NotebookModel::AnswerColumn, Qt::DescendingOrder);
            for (int row = 0; row < 3; ++row)
                byAnswer
                    << view->model()->index(row, NotebookModel::AnswerColumn).data().toString();
            selected = view->selectionModel()
                           ->selectedRows(NotebookModel::AnswerColumn)
                           .value(0)
                           .data()
                           .toString();
            notebook->close();
        }});
        window().MenuNote->trigger();
        QCOMPARE(byMisses, (QStringList{"10", "9", "2"}));
        QCOMPARE(byAnswer, (QStringList{"yama", "umi", "kawa"}));
        QCOMPARE(selected, QStringLiteral("kawa"));
    }
};

QTEST_MAIN(RecordWindowTest)
#include "RecordWindowTest.moc"
