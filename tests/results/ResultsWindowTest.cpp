#include "LinkedResultsWindows.h"
#include "MainWindowFixture.h"
#include "ModalCloser.h"
#include "ScreenReader.h"
#include "TestFiles.h"
#include "drill/TFrmReport.h"
#include "help/HelpTopics.h"
#include "questions/TextCodec.h"
#include "record/ReviewPlanDays.h"
#include "results/ResultsCsvReader.h"
#include "results/ResultsModule.h"
#include "results/ReviewPlanPage.h"
#include "results/TFrmResults.h"
#include "widgets/BevelPanel.h"

#include <QBuffer>
#include <QChartView>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPdfDocument>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>

#include <functional>

namespace {

QStringList rowTexts(QTableView* view, int row)
{
    QStringList texts;
    for (int column = 0; column < view->model()->columnCount(); ++column)
        texts << view->model()->index(row, column).data().toString();
    return texts;
}

QStringList figureColumns(QTableView* view)
{
    QStringList texts;
    for (int row = 0; row < view->model()->rowCount(); ++row)
        texts << rowTexts(view, row).mid(HistoryModel::CorrectRateColumn).join(u' ');
    return texts;
}

QStringList figureHeaders(QTableView* view)
{
    QStringList texts;
    for (int column = HistoryModel::CorrectRateColumn; column < HistoryModel::ColumnCount; ++column)
        texts << view->model()->headerData(column, Qt::Horizontal).toString();
    return texts;
}

// A table's cell as a screen reader reads it.
QString cellName(QTableView* view, const QModelIndex& index)
{
    QAccessibleTableInterface* table =
        QAccessible::queryAccessibleInterface(view)->tableInterface();
    return table->cellAt(index.row(), index.column())->text(QAccessible::Name);
}

QString pdfText(QPdfDocument& document, int page)
{
    return document.getAllText(page).text().remove(u' ').remove(u'\n');
}

} // namespace

class ResultsWindowTest : public QObject
{
    Q_OBJECT

private:
    LinkedResultsWindows linked;
    std::unique_ptr<MainWindowFixture> f;
    QString file;

    TFrmMain& window() { return *f->window; }
    // Made the first time the menu item asks for it.
    TFrmResults* results() { return window().findChild<TFrmResults*>(); }

    void showWithSample(int questionsPerGame)
    {
        f->settings.values.insert("Cnt", QString::number(questionsPerGame));
        file = f->questionFile("Q1.DAT", {{"yama", "kawa"}, {"sora"}, {}});
        f->show({file});
        QCOMPARE(window().drill().state(), DrillState::Ready);
        QTest::qWait(0);
    }

    // A game in which the questions are answered after the given numbers of ticks, or time out
    // where the number is above the bar's hundred; returns the report's four figures.
    QString play(const QList<int>& ticks)
    {
        ModalCloser closer;
        window().MenuStart->trigger();
        for (int wait : ticks) {
            window().Timer1Timer();
            for (int tick = 1; tick < wait; ++tick)
                window().Timer1Timer();
            if (wait <= 100)
                QTest::keyClicks(window().Edit1, window().Panel1->text().toLower());
        }
        [&] { QTRY_COMPARE(closer.captions, QStringList{QStringLiteral("成績発表")}); }();
        const TFrmReport& report = *window().frmReport;
        return QStringList{report.RPanel4->text(), report.RPanel1->text(), report.RPanel2->text(),
                           report.RPanel3->text()}
            .join(u' ');
    }

    // The result dialog's captions of its figures, in the history table's column order.
    QStringList reportCaptions()
    {
        QStringList captions;
        for (const char* name : {"LPanel4", "LPanel1", "LPanel2", "LPanel3"})
            captions << window().frmReport->findChild<BevelPanel*>(name)->text();
        return captions;
    }

    // Runs the step in the history window once it is open, then closes it.
    void inResults(const std::function<void(TFrmResults&)>& step)
    {
        QTimer::singleShot(0, &window(), [this, step] {
            step(*results());
            results()->close();
        });
        window().MenuResults->trigger();
    }

    void addGame(const QString& path, int level, qint32 corrects, const QList<QByteArray>& missed)
    {
        // A minute apart, so that the newest is known.
        const QDateTime at = QDateTime(QDate(2026, 3, 1), QTime(12, 0), Qt::UTC)
                                 .addSecs(60 * f->record.games.size());
        MemoryLearningRecord::Game game;
        game.start = {{path, "hash"}, level, 20, 10, false, at};
        for (const QByteArray& answer : missed)
            game.outcomes << AnswerOutcome{
                {answer.toUpper(), answer}, std::nullopt, "", {}, {}, {}};
        const ReportInputs inputs{20, 10, corrects, corrects * 30, corrects * 30 + 100};
        game.result = GameResult{inputs, ReportFigures::texts(inputs), at.addSecs(30)};
        f->record.games << game;
    }

private slots:
    void init()
    {
        linked.fakePrinter = {};
        f = std::make_unique<MainWindowFixture>();
        f->resultsWindows = &linked;
    }
    void cleanup() { f.reset(); }

    void historyShowsEveryPlayedGameAsItsReportDid()
    {
        showWithSample(2);
        QVERIFY(!results());
        const QList<QList<int>> games{{7, 12}, {101, 30}, {101, 101}};
        QStringList reports;
        for (const QList<int>& ticks : games)
            reports.prepend(play(ticks));
        QList<QAction*> items = window().MenuLevel->actions();
        QCOMPARE(items.indexOf(window().MenuResults), items.indexOf(window().MenuNote) + 1);

        QStringList shown;
        QStringList headers;
        QString summary;
        QString chartName;
        const QString csv = f->folder.filePath("results.csv");
        const QString cp932 = f->folder.filePath("results-cp932.csv");
        f->fileDialog.answers = {csv, cp932};
        f->fileDialog.filterAnswers = {0, 1};
        f->messageBox.textAnswers = {QStringLiteral("山田 花子")};
        inResults([&](TFrmResults& dialog) {
            dialog.BitBtn6->click();
            dialog.BitBtn6->click();
            shown = figureColumns(dialog.ListView1);
            headers = figureHeaders(dialog.ListView1);
            summary = ScreenReader::name(dialog.Panel1);
            QVERIFY(dialog.ChartView1);
            chartName = ScreenReader::name(dialog.ChartView1);
            QCOMPARE(dialog.ComboBox1->currentData().toString(), file);
            QCOMPARE(dialog.windowTitle(), QStringLiteral("成績の記録"));
        });
        QCOMPARE(shown, reports);
        QCOMPARE(headers, reportCaptions());
        QCOMPARE(summary, QStringLiteral("これまで3回の正解率 50％"));
        QCOMPARE(chartName, summary);

        // The exported table holds the same games, oldest first, with the report's numbers.
        const ResultsCsvRead table = ResultsCsvReader::read(TestFiles::readBytes(csv));
        QVERIFY(!table.error);
        QStringList exported;
        for (const ResultRow& row : table.rows) {
            QCOMPARE(row.learner, QStringLiteral("山田 花子"));
            QCOMPARE(row.file, file);
            const ResultFigures& figures = row.figures;
            exported.prepend(QStringList{figures.correctRate + QStringLiteral("／％"),
                                         figures.standardTime + QStringLiteral("／秒"),
                                         figures.averageCorrectTime + QStringLiteral("／秒"),
                                         figures.averageInputTime + QStringLiteral("／秒")}
                                 .join(u' '));
        }
        QCOMPARE(exported, reports);

        // The second filter writes the same table in CP932, without the byte order mark that
        // only UTF-8 needs.
        const QByteArray cp932Bytes = TestFiles::readBytes(cp932);
        QVERIFY(!cp932Bytes.startsWith("\xEF\xBB\xBF"));
        QVERIFY(!cp932Bytes.isValidUtf8());
        QVERIFY(TextCodec::decode(cp932Bytes).contains(QStringLiteral("山田 花子")));
        QCOMPARE(ResultsCsvReader::read(cp932Bytes).rows, table.rows);
    }

    void cp932ExportOfAnUnwritableNameTellsWhyAndWritesNothing()
    {
        showWithSample(2);
        addGame(file, 0, 7, {"kawa"});
        const QString csv = f->folder.filePath("results.csv");
        f->fileDialog.answers = {csv};
        f->fileDialog.filterAnswers = {1};
        f->messageBox.textAnswers = {QStringLiteral("𠮷田")};
        inResults([](TFrmResults& dialog) { dialog.BitBtn6->click(); });
        QCOMPARE(f->messageBox.messages, QStringList{TFrmResults::Cp932FailedMessage.arg("𠮷")});
        QVERIFY(!QFileInfo::exists(csv));
    }

    void filtersSwitchFileAndLevel()
    {
        const QString other = f->folder.filePath("OTHER.DAT");
        addGame(other, 0, 1, {});
        showWithSample(2);
        addGame(file, 0, 2, {});
        addGame(file, 1, 3, {});
        addGame(file, 1, 4, {});
        QList<QStringList> rates;
        QStringList files;
        const auto rateColumn = [](QTableView* view) {
            QStringList texts;
            for (int row = 0; row < view->model()->rowCount(); ++row)
                texts
                    << view->model()->index(row, HistoryModel::CorrectRateColumn).data().toString();
            return texts;
        };
        inResults([&](TFrmResults& dialog) {
            for (int k = 0; k < dialog.ComboBox1->count(); ++k)
                files << dialog.ComboBox1->itemData(k).toString();
            rates << rateColumn(dialog.ListView1);
            dialog.ComboBox2->setCurrentIndex(1);
            rates << rateColumn(dialog.ListView1);
            dialog.ComboBox1->setCurrentIndex(dialog.ComboBox1->findData(other));
            rates << rateColumn(dialog.ListView1);
            dialog.ComboBox2->setCurrentIndex(0);
            rates << rateColumn(dialog.ListView1);
            QVERIFY(dialog.BitBtn2->isEnabled());
        });
        QCOMPARE(files, (QStringList{other, file}));
        QCOMPARE(rates, (QList<QStringList>{{"20／％"}, {"40／％", "30／％"}, {}, {"10／％"}}));
    }

    void pdfReportIsOnePageWithTheLearnerTheFileAndTheMissedPairs()
    {
        showWithSample(2);
        for (int k = 0; k < 20; ++k)
            addGame(file, 0, k % 10, {"kawa", "sora"});
        addGame(file, 0, 5, {"yama"});
        const QString pdf = f->folder.filePath("report.pdf");
        f->fileDialog.answers = {pdf, pdf};
        f->messageBox.textAnswers = {QStringLiteral(" 山田 花子 ")};
        f->messageBox.confirmAnswers = {true};
        inResults([](TFrmResults& dialog) {
            dialog.BitBtn2->click();
            dialog.BitBtn2->click();
        });
        QCOMPARE(f->messageBox.textQuestions, QStringList{TFrmResults::NameQuestion});
        QCOMPARE(f->messageBox.questions.size(), 1);
        QCOMPARE(f->fileDialog.saveRequests.size(), 2);

        QPdfDocument document;
        QCOMPARE(document.load(pdf), QPdfDocument::Error::None);
        QCOMPARE(document.pageCount(), 1);
        const QString text = pdfText(document, 0);
        QVERIFY2(text.contains(QStringLiteral("山田花子")), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("Q1.DAT")));
        QVERIFY(text.contains(QStringLiteral("直近10回の正解率")));
        QVERIFY(text.contains(QStringLiteral("基準タイム正解平均タイム入力平均タイム")));
        QVERIFY(text.contains(QStringLiteral("KAWA")) && text.contains(QStringLiteral("sora")));

        window().close();
        QCOMPARE(f->settings.values.value("Learner").toString(), QStringLiteral("山田 花子"));
    }

    void printingAsksForThePrinterAndKeepsTheStoredName()
    {
        f->settings.values.insert("Learner", QStringLiteral("佐藤"));
        showWithSample(2);
        addGame(file, 0, 7, {"kawa"});
        linked.fakePrinter.answers = {false, true};
        inResults([](TFrmResults& dialog) {
            dialog.BitBtn1->click();
            dialog.BitBtn1->click();
        });
        QVERIFY(f->messageBox.textQuestions.isEmpty());
        QCOMPARE(linked.fakePrinter.documentNames.size(), 2);
        QCOMPARE(linked.fakePrinter.printed.size(), 1);
        QPdfDocument document;
        QBuffer printed(&linked.fakePrinter.printed[0]);
        printed.open(QIODevice::ReadOnly);
        document.load(&printed);
        QTRY_COMPARE(document.status(), QPdfDocument::Status::Ready);
        QCOMPARE(document.pageCount(), 1);
        QVERIFY(pdfText(document, 0).contains(QStringLiteral("佐藤")));
    }

    void nameIsChangedWithTheFieldHoldingTheOldOne()
    {
        f->settings.values.insert("Learner", QStringLiteral("佐藤"));
        showWithSample(2);
        f->messageBox.textAnswers = {QStringLiteral("鈴木"), std::nullopt};
        inResults([](TFrmResults& dialog) {
            dialog.BitBtn3->click();
            dialog.BitBtn3->click();
        });
        QCOMPARE(f->messageBox.textPresets, (QStringList{"佐藤", "鈴木"}));
        window().close();
        QCOMPARE(f->settings.values.value("Learner").toString(), QStringLiteral("鈴木"));
    }

    // The program's window comes from its module, which links its own copy of the window's class
    // and of the help keys: ヘルプ and F1 there each still send one request.
    // After a game, its pairs fall due in the coming days and today's reviews are on the calendar;
    // every figure is a table cell a screen reader names with its day.
    void reviewPlanPageReadsTheRecordAsTables()
    {
        showWithSample(1);
        play({7});
        const QDate today = ReviewPlanDays::learnerDate(QDateTime::currentDateTime());
        const QString todayText = ReviewPlanText::dayText(today);
        inResults([&](TFrmResults& dialog) {
            QTabBar* tabs = dialog.PageControl1->tabBar();
            QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
            const ReviewPlanPage& page = *dialog.ReviewPlan1;
            QVERIFY(page.isVisible());
            QVERIFY(!dialog.BitBtn1->isEnabled());

            QAbstractItemModel* forecast = page.ForecastView->model();
            QCOMPARE(forecast->columnCount(), ReviewPlanDays::ForecastDays);
            int due = 0;
            for (int day = 0; day < forecast->columnCount(); ++day)
                due += forecast->index(0, day).data().toInt();
            QCOMPARE(due, 1);
            QVERIFY(cellName(page.ForecastView, forecast->index(0, 0)).startsWith(todayText));

            const auto* calendar = static_cast<ReviewCalendarModel*>(page.CalendarView->model());
            QCOMPARE(cellName(page.CalendarView, calendar->indexOf(today)),
                     todayText + QStringLiteral(" 復習1回"));
            QCOMPARE(cellName(page.CalendarView, calendar->indexOf(today.addDays(-1))),
                     ReviewPlanText::dayText(today.addDays(-1)) + QStringLiteral(" 復習0回"));

            QAbstractItemModel* retention = page.RetentionView->model();
            QCOMPARE(cellName(page.RetentionView, retention->index(0, 2)), QStringLiteral("―"));
            QCOMPARE(cellName(page.RetentionView, retention->index(1, 3)), QStringLiteral("90.0%"));
            QCOMPARE(ScreenReader::name(page.RunPanel), QStringLiteral("1日"));
            QCOMPARE(ScreenReader::description(page.RunPanel),
                     QStringLiteral("期日の復習を終えた日の連続"));

            dialog.BitBtn5->click();
            QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(0).center());
            QVERIFY(dialog.BitBtn1->isEnabled());
        });
        QCOMPARE(f->helpViewer.requests,
                 QStringList{QStringLiteral("context %1").arg(HelpTopics::ReviewPlanContext)});
    }

    void helpButtonAndF1InTheModulesWindowOpenTheResultsPage()
    {
        ResultsModule module(QStringLiteral(TAZUNE_RESULTS_WINDOW_MODULE_FILE));
        f->resultsWindows = &module;
        showWithSample(2);
        bool madeByTheModule = false;
        QTimer::singleShot(0, &window(), [&] {
            auto* dialog = window().findChild<QDialog*>(QStringLiteral("TFrmResults"));
            // The test's copy of the class is not the module's.
            madeByTheModule = !qobject_cast<TFrmResults*>(dialog);
            dialog->findChild<QPushButton*>(QStringLiteral("BitBtn5"))->click();
            QApplication::setActiveWindow(dialog);
            QVERIFY(QTest::qWaitForWindowActive(dialog));
            QTest::keyClick(dialog->focusWidget() ? dialog->focusWidget() : dialog, Qt::Key_F1);
            dialog->close();
        });
        window().MenuResults->trigger();
        QVERIFY(madeByTheModule);
        const QString request = QStringLiteral("context %1").arg(HelpTopics::ResultsContext);
        QCOMPARE(f->helpViewer.requests, (QStringList{request, request}));
    }

    // The program's window comes from the module the build puts beside it, with its own copy of
    // the window's class: it is found by its name.
    void menuOpensTheWindowOfTheBuiltModule()
    {
        ResultsModule module(QStringLiteral(TAZUNE_RESULTS_WINDOW_MODULE_FILE));
        f->resultsWindows = &module;
        showWithSample(2);
        play({7, 12});
        QString title;
        int rows = -1;
        QTimer::singleShot(0, &window(), [&] {
            auto* dialog = window().findChild<QDialog*>(QStringLiteral("TFrmResults"));
            title = dialog->windowTitle();
            rows = dialog->findChild<QTableView*>(QStringLiteral("ListView1"))->model()->rowCount();
            dialog->close();
        });
        window().MenuResults->trigger();
        QCOMPARE(title, TFrmResults::Caption);
        QCOMPARE(rows, 1);
    }

    void missingModuleIsToldAndTheDrillGoesOn()
    {
        f->resultsWindows = &f->resultsModule;
        showWithSample(2);
        window().MenuResults->trigger();
        QCOMPARE(f->messageBox.messages.size(), 1);
        QVERIFY(
            f->messageBox.messages[0].startsWith(OnDemandWindows::ResultsUnavailableMessage.left(
                OnDemandWindows::ResultsUnavailableMessage.indexOf(u'%'))));
        QVERIFY(f->messageBox.messages[0].contains(ProductInfo::ResultsWindowModule));
        window().MenuStart->trigger();
        QCOMPARE(window().drill().state(), DrillState::Running);
    }
};

QTEST_MAIN(ResultsWindowTest)
#include "ResultsWindowTest.moc"
