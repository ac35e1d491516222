#pragma once

#include "results/HistoryModel.h"
#include "results/ResultsReport.h"
#include "results/ResultsWindow.h"

#include "widgets/ProgramDialog.h"

#include <QSortFilterProxyModel>

class BevelPanel;
class FileDialog;
class MessageBox;
class QChartView;
class QComboBox;
class QHBoxLayout;
class QPushButton;
class QTabWidget;
class QTableView;
class QVBoxLayout;
class ReportPrinter;
class ReviewPlanPage;

// "成績の記録": every finished game of one file and level from the learning record, as a table,
// a chart and a summary line, and the same as a one-page report on paper or in a PDF file.
class TFrmResults : public ProgramDialog, public ResultsWindow
{
    Q_OBJECT

public:
    static inline const QString Caption = QStringLiteral("成績の記録");
    static inline const QString NameQuestion =
        QStringLiteral("成績表に載せる名前を入力してください");
    static inline const QString PdfFailedMessage = QStringLiteral("PDFを保存できませんでした");
    static inline const QString CsvFailedMessage = QStringLiteral("CSVを保存できませんでした");
    static inline const QString Cp932FailedMessage = QStringLiteral(
        "%1 は CP932 にないため、CSVを保存できませんでした。UTF-8 で書き出してください");
    // The save dialog's filters of CSV書き出し, in this order.
    static inline const QString Utf8CsvFilter = QStringLiteral("CSVファイル UTF-8(*.csv)");
    static inline const QString Cp932CsvFilter =
        QStringLiteral("CSVファイル CP932・Shift_JIS 古い表計算ソフト用(*.csv)");

    TFrmResults(RecordQueries& recorder, FileDialog& fileDialog, MessageBox& messageBox,
                ReportPrinter& printer, QWidget* parent = nullptr);
    // The window as the program gets it: with F1 and ヘルプ asking the services' help viewer.
    static TFrmResults* make(const Services& services, ReportPrinter& printer, QWidget* parent);

    QDialog& dialog() override { return *this; }
    void showRecord(const QString& loadedFile, int level, const QString& learnerName) override;
    QString learnerName() const override { return learner; }

    QTabWidget* PageControl1; // 成績, 復習の予定
    ReviewPlanPage* ReviewPlan1;
    QComboBox* ComboBox1;             // file
    QComboBox* ComboBox2;             // level
    QChartView* ChartView1 = nullptr; // made the first time the window shows
    BevelPanel* Panel1;               // the summary line
    QTableView* ListView1;
    QPushButton* BitBtn1; // 印刷
    QPushButton* BitBtn2; // PDF保存
    QPushButton* BitBtn3; // 名前
    QPushButton* BitBtn4; // 閉じる
    QPushButton* BitBtn5; // ヘルプ
    QPushButton* BitBtn6; // CSV書き出し

    void ComboBoxChange();
    void PageControl1Change();
    void BitBtn1Click();
    void BitBtn2Click();
    bool BitBtn3Click();
    void BitBtn6Click();

protected:
    void FormShow() override;

private:
    void createControls();
    QWidget* createGamesPage();
    void enableGameButtons();
    QHBoxLayout* createButtons();
    void showChart();
    GameFilter filter() const;
    std::optional<ResultsReportContent> reportContent();

    RecordQueries& recorder;
    FileDialog& fileDialog;
    MessageBox& messageBox;
    ReportPrinter& printer;
    QString learner;
    bool planShown = false;
    HistoryModel games;
    QSortFilterProxyModel sortedGames;
    QVBoxLayout* chartPlace;
};
