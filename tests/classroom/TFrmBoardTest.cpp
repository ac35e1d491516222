#include "classroom/TFrmBoard.h"
#include "FakeFileDialog.h"
#include "FakeMessageBox.h"
#include "FakeReportPrinter.h"
#include "HandInSamples.h"
#include "RecordingHelpViewer.h"
#include "classroom/BoardReport.h"
#include "classroom/HandInFile.h"
#include "results/ResultsWindow.h"

#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

namespace {

const Pupil Hanako{QStringLiteral("2組"), QStringLiteral("10"), QStringLiteral("花子")};
const Pupil Taro{QStringLiteral("2組"), QStringLiteral("9"), QStringLiteral("太郎")};
const Pupil Jiro{QStringLiteral("1組"), QStringLiteral("3"), QStringLiteral("次郎")};
const QDateTime Noon(QDate(2026, 3, 1), QTime(3, 0), Qt::UTC);

QStringList names(const QAbstractItemModel& model)
{
    QStringList shown;
    for (int row = 0; row < model.rowCount(); ++row)
        shown << model.index(row, BoardModel::Name).data().toString();
    return shown;
}

} // namespace

// The results' module as the board meets it: only its printer, or why there is none.
class PrintingOnly : public ResultsWindowFactory
{
public:
    FakeReportPrinter fake;
    QString missing;

    Made create(const ResultsWindow::Services&, QWidget*) override { return {}; }
    Printer printer() override
    {
        return missing.isEmpty() ? Printer{&fake, {}} : Printer{nullptr, missing};
    }
};

class TFrmBoardTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir folder;
    FakeFileDialog fileDialog;
    FakeMessageBox messages;
    RecordingHelpViewer help;
    PrintingOnly printers;

    void handIn(const Pupil& pupil, int minutes)
    {
        QVERIFY(
            HandInFile::put(folder.path(), HandInFile::nameOf(pupil, Noon.addSecs(60 * minutes)),
                            HandInFile::write(sampleHandIn(pupil, Noon.addSecs(60 * minutes)))));
    }

    std::unique_ptr<TFrmBoard> board(const QString& path)
    {
        auto made =
            std::make_unique<TFrmBoard>(path,
                                        TFrmBoard::Services{fileDialog, messages, help, printers,
                                                            [] { return QDate(2026, 3, 1); }},
                                        nullptr, std::chrono::milliseconds(20));
        made->show();
        return made;
    }

private slots:
    void theClassAppearsSortedAsTheTeacherClicksAndNewHandInsFollow()
    {
        handIn(Hanako, 0);
        handIn(Taro, 1);
        QFile junk(folder.filePath("junk.csv"));
        QVERIFY(junk.open(QIODevice::WriteOnly) && junk.write("not a hand-in\n") > 0);
        junk.close();
        const auto window = board(folder.path());
        QVERIFY(window->folderLabel->text().contains(QStringLiteral("読んでいます")));

        QTRY_VERIFY(window->folderLabel->text().contains(QStringLiteral("2 人")));
        QCOMPARE(names(*window->boardTable->model()),
                 (QStringList{QStringLiteral("太郎"), QStringLiteral("花子")}));
        QCOMPARE(window->missedTable->rowCount(), 1);
        QCOMPARE(window->missedTable->item(0, 0)->text(), QStringLiteral("川"));
        QCOMPARE(window->missedTable->item(0, 3)->text(), QStringLiteral("2"));
        QCOMPARE(window->malformedList->count(), 1);
        QVERIFY(window->malformedList->item(0)->text().startsWith(QStringLiteral("junk.csv: ")));
        QVERIFY(window->malformedList->isVisible());
        QVERIFY(!window->boardTable->accessibleName().isEmpty());

        QHeaderView* header = window->boardTable->horizontalHeader();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(BoardModel::Number) + 5, 5));
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(BoardModel::Number) + 5, 5));
        QCOMPARE(names(*window->boardTable->model()),
                 (QStringList{QStringLiteral("花子"), QStringLiteral("太郎")}));

        handIn(Jiro, 2);
        QTRY_COMPARE(window->boardTable->model()->rowCount(), 3);
        QTRY_VERIFY(window->folderLabel->text().contains(QStringLiteral("3 人")));
    }

    void theReportOfEveryGameIsPrintedAndSavedAsPdf()
    {
        handIn(Hanako, 0);
        const auto window = board(folder.path());
        printers.fake.answers << true;
        QTest::mouseClick(window->printButton, Qt::LeftButton);
        QCOMPARE(printers.fake.documentNames, QStringList{TFrmBoard::Caption});
        QVERIFY(printers.fake.printed.value(0).startsWith("%PDF"));
        printers.missing = QStringLiteral("no module");
        QTest::mouseClick(window->printButton, Qt::LeftButton);
        QCOMPARE(messages.messages.size(), 1);
        QVERIFY(messages.messages[0].contains(QStringLiteral("no module")));
        messages.messages.clear();

        const QString pdf = folder.filePath("out/board.pdf");
        QVERIFY(QDir().mkpath(folder.filePath("out")));
        fileDialog.answers << pdf;
        QTest::mouseClick(window->pdfButton, Qt::LeftButton);
        QFile written(pdf);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QVERIFY(written.readAll().startsWith("%PDF"));
        QVERIFY(messages.messages.isEmpty());

        QTest::mouseClick(window->helpButton, Qt::LeftButton);
        QCOMPARE(help.requests, QStringList{QStringLiteral("context 32")});
    }

    void aFolderOutOfReachIsSaid()
    {
        const auto window = board(folder.filePath("share-down"));
        QTRY_VERIFY(window->folderLabel->text().contains(QStringLiteral("届きません")));
        QVERIFY(!window->malformedList->isVisible());
        QVERIFY(QDir().mkpath(folder.filePath("share-down")));
        QTRY_VERIFY(window->folderLabel->text().contains(QStringLiteral("0 人")));
    }

    void pupilsOfOneNameInTwoClassesStayApartOnPaper()
    {
        const Pupil otherHanako{QStringLiteral("3組"), QStringLiteral("10"),
                                QStringLiteral("花子")};
        const ClassTable table =
            BoardReport::tableOf({HandInSummary::of(sampleHandIn(Hanako, Noon)),
                                  HandInSummary::of(sampleHandIn(otherHanako, Noon))});
        QCOMPARE(table.rows.size(), 2);
        QCOMPARE(table.rows[0].learner, QStringLiteral("2組 10番 花子"));
        QCOMPARE(table.missed.value(0).learners, 2);
    }
};

QTEST_MAIN(TFrmBoardTest)
#include "TFrmBoardTest.moc"
