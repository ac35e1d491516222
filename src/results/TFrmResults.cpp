#include "results/TFrmResults.h"

#include "help/HelpRouting.h"
#include "help/HelpTopics.h"
#include "platform/FileDialog.h"
#include "platform/MessageBox.h"
#include "platform/ReplaceConfirmation.h"
#include "platform/ReportPrinter.h"
#include "questions/AtomicFile.h"
#include "questions/LevelNames.h"
#include "questions/QuestionBank.h"
#include "record/RecordQueries.h"
#include "record/ReviewPlanDays.h"
#include "results/HistoryChart.h"
#include "results/HistorySummary.h"
#include "results/MostMissed.h"
#include "results/ResultsCsv.h"
#include "results/ReviewPlanPage.h"
#include "widgets/BevelPanel.h"
#include "widgets/HelpKeys.h"
#include "widgets/WindowParts.h"

#include <QChartView>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace {

QComboBox* selector(QWidget* parent, const QString& name, const QString& spoken)
{
    auto* created = new QComboBox(parent);
    created->setObjectName(name);
    created->setAccessibleName(spoken);
    return created;
}

// A file named after the question file, e.g. 漢字-成績.pdf, in the folder the dialog offers.
SaveFileRequest saveRequest(const QString& title, const QStringList& filters, const QString& suffix,
                            const QString& recordedFile)
{
    SaveFileRequest request;
    request.title = title;
    for (const QString& filter : filters)
        request.filters.append({filter, QStringLiteral("*.") + suffix});
    request.presetFile =
        QFileInfo(recordedFile).completeBaseName() + QStringLiteral("-成績.") + suffix;
    request.defaultSuffix = suffix;
    return request;
}

// CSV書き出し's second filter, after UTF-8.
constexpr qsizetype Cp932Filter = 1;

} // namespace

TFrmResults::TFrmResults(RecordQueries& recorder, FileDialog& fileDialog, MessageBox& messageBox,
                         ReportPrinter& printer, QWidget* parent)
    : ProgramDialog(
          {QStringLiteral("TFrmResults"), HelpTopics::ResultsContext, Caption, {760, 600}, true},
          parent),
      recorder(recorder), fileDialog(fileDialog), messageBox(messageBox), printer(printer)
{
    createControls();
}

// Equipped here, by the copy of HelpKeys that ヘルプ asks: in the module, the module's own.
TFrmResults* TFrmResults::make(const Services& services, ReportPrinter& printer, QWidget* parent)
{
    auto* window = new TFrmResults(services.recorder, services.fileDialog, services.messageBox,
                                   printer, parent);
    HelpKeys::installOnDialog(window, services.helpViewer);
    return window;
}

void TFrmResults::createControls()
{
    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->addTab(createGamesPage(), QStringLiteral("成績(&G)"));
    ReviewPlan1 = new ReviewPlanPage(PageControl1);
    HelpRouting::setContext(ReviewPlan1, HelpTopics::ReviewPlanContext);
    PageControl1->addTab(ReviewPlan1, QStringLiteral("復習の予定(&S)"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(PageControl1);
    layout->addLayout(createButtons());
    connect(PageControl1, &QTabWidget::currentChanged, this, &TFrmResults::PageControl1Change);
}

// The games of one file and level: the table, its chart and its summary line.
QWidget* TFrmResults::createGamesPage()
{
    auto* page = new QWidget(this);
    ComboBox1 = selector(page, QStringLiteral("ComboBox1"), QStringLiteral("問題ファイル"));
    ComboBox1->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    ComboBox1->setMinimumContentsLength(40);
    ComboBox2 = selector(page, QStringLiteral("ComboBox2"), QStringLiteral("レベル"));
    for (int level = 0; level < QuestionBank::LevelCount; ++level)
        ComboBox2->addItem(LevelNames::name(level));
    auto* fileCaption = new QLabel(QStringLiteral("ファイル(&I)"), page);
    fileCaption->setBuddy(ComboBox1);
    auto* levelCaption = new QLabel(QStringLiteral("レベル(&V)"), page);
    levelCaption->setBuddy(ComboBox2);

    Panel1 = new BevelPanel(page, QStringLiteral("Panel1"));
    Panel1->setCaption(QStringLiteral("成績のまとめ"));

    sortedGames.setSourceModel(&games);
    sortedGames.setSortRole(HistoryModel::SortRole);
    ListView1 = new QTableView(page);
    ListView1->setObjectName(QStringLiteral("ListView1"));
    ListView1->setModel(&sortedGames);
    ListView1->setSortingEnabled(true);
    ListView1->sortByColumn(HistoryModel::FinishedColumn, Qt::DescendingOrder);
    ListView1->setSelectionBehavior(QAbstractItemView::SelectRows);
    ListView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListView1->horizontalHeader()->setStretchLastSection(true);
    ListView1->verticalHeader()->hide();
    ListView1->setAccessibleName(Caption);

    auto* top = new QHBoxLayout;
    top->addWidget(fileCaption);
    top->addWidget(ComboBox1, 1);
    top->addWidget(levelCaption);
    top->addWidget(ComboBox2);
    chartPlace = new QVBoxLayout;
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(top);
    layout->addLayout(chartPlace, 3);
    layout->addWidget(Panel1);
    layout->addWidget(ListView1, 2);

    connect(ComboBox1, &QComboBox::currentIndexChanged, this, &TFrmResults::ComboBoxChange);
    connect(ComboBox2, &QComboBox::currentIndexChanged, this, &TFrmResults::ComboBoxChange);
    return page;
}

// The report's buttons first, then the one that changes the name on it; closing and help last.
QHBoxLayout* TFrmResults::createButtons()
{
    BitBtn1 = WindowParts::layoutButton(this, QStringLiteral("BitBtn1"),
                                        QStringLiteral("印刷(&P)..."), QStringLiteral("印刷"));
    BitBtn2 =
        WindowParts::layoutButton(this, QStringLiteral("BitBtn2"), QStringLiteral("PDF保存(&F)..."),
                                  QStringLiteral("PDF保存"));
    BitBtn6 = WindowParts::layoutButton(this, QStringLiteral("BitBtn6"),
                                        QStringLiteral("CSV書き出し(&E)..."),
                                        QStringLiteral("CSV書き出し"));
    BitBtn3 = WindowParts::layoutButton(this, QStringLiteral("BitBtn3"),
                                        QStringLiteral("名前(&N)..."), QStringLiteral("名前"));
    BitBtn4 = WindowParts::layoutButton(this, QStringLiteral("BitBtn4"), QStringLiteral("閉じる"),
                                        QStringLiteral("閉じる"));
    BitBtn5 = WindowParts::layoutButton(this, QStringLiteral("BitBtn5"),
                                        QStringLiteral("ヘルプ(&H)"), QStringLiteral("ヘルプ"));

    auto* buttons = new QHBoxLayout;
    for (QPushButton* each : {BitBtn1, BitBtn2, BitBtn6, BitBtn3})
        buttons->addWidget(each);
    buttons->addStretch();
    buttons->addWidget(BitBtn4);
    buttons->addWidget(BitBtn5);

    connect(BitBtn1, &QPushButton::clicked, this, &TFrmResults::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TFrmResults::BitBtn2Click);
    connect(BitBtn6, &QPushButton::clicked, this, &TFrmResults::BitBtn6Click);
    connect(BitBtn3, &QPushButton::clicked, this, &TFrmResults::BitBtn3Click);
    connect(BitBtn4, &QPushButton::clicked, this, &QDialog::reject);
    connect(BitBtn5, &QPushButton::clicked, this,
            [this] { HelpKeys::ask(PageControl1->currentWidget()); });
    return buttons;
}

void TFrmResults::showRecord(const QString& loadedFile, int level, const QString& learnerName)
{
    learner = learnerName;
    const QSignalBlocker quietFiles(ComboBox1);
    const QSignalBlocker quietLevels(ComboBox2);
    ComboBox1->clear();
    for (const QString& path : recorder.recordedFiles())
        ComboBox1->addItem(QDir::toNativeSeparators(path), path);
    ComboBox1->setCurrentIndex(std::max(0, ComboBox1->findData(loadedFile)));
    ComboBox2->setCurrentIndex(level);
    ComboBoxChange();
    planShown = false;
    PageControl1Change();
}

GameFilter TFrmResults::filter() const
{
    return {ComboBox1->currentData().toString(), ComboBox2->currentIndex()};
}

void TFrmResults::ComboBoxChange()
{
    games.setGames(ComboBox1->count() > 0 ? recorder.finishedGames(filter())
                                          : QList<FinishedGame>{});
    Panel1->setPanelText(HistorySummary::line(games.games()));
    enableGameButtons();
    if (ChartView1)
        showChart();
}

// The report, the PDF and the CSV are of the games on the first page.
void TFrmResults::enableGameButtons()
{
    const bool any = PageControl1->currentIndex() == 0 && !games.games().isEmpty();
    for (QPushButton* button : {BitBtn1, BitBtn2, BitBtn6})
        button->setEnabled(any);
}

// The plan replays the whole review log, so it is read only when its page is first looked at.
void TFrmResults::PageControl1Change()
{
    enableGameButtons();
    if (PageControl1->currentWidget() != ReviewPlan1 || planShown)
        return;
    const QDateTime now = QDateTime::currentDateTime();
    ReviewPlan1->setPlan(recorder.reviewPlan(now), ReviewPlanDays::learnerDate(now));
    planShown = true;
}

// Qt Charts is set up only for a window the learner opens, not for every start of the program.
void TFrmResults::FormShow()
{
    if (ChartView1)
        return;
    ChartView1 = new QChartView(this);
    ChartView1->setObjectName(QStringLiteral("ChartView1"));
    ChartView1->setRenderHint(QPainter::Antialiasing);
    ChartView1->setMinimumHeight(200);
    chartPlace->addWidget(ChartView1);
    showChart();
}

// The table holds the same figures as text, so the chart is told by the summary alone.
void TFrmResults::showChart()
{
    QChart* old = ChartView1->chart();
    ChartView1->setChart(HistoryChart::create(HistorySummary::series(games.games())));
    delete old;
    ChartView1->setAccessibleName(Panel1->text());
    ChartView1->setAccessibleDescription(Panel1->text());
}

// The learner's name goes on the report; the first report asks for it.
std::optional<ResultsReportContent> TFrmResults::reportContent()
{
    if (learner.isEmpty() && !BitBtn3Click())
        return std::nullopt;
    return ResultsReportContent{learner,
                                ComboBox1->currentData().toString(),
                                ComboBox2->currentIndex(),
                                QDate::currentDate(),
                                games.games(),
                                MostMissed::ranking(recorder.timeOutsOf(filter()))};
}

void TFrmResults::BitBtn1Click()
{
    if (const std::optional<ResultsReportContent> content = reportContent()) {
        printer.print(Caption,
                      [&](QPagedPaintDevice& device) { ResultsReport::paint(device, *content); });
    }
}

void TFrmResults::BitBtn2Click()
{
    const std::optional<ResultsReportContent> content = reportContent();
    if (!content)
        return;
    const std::optional<ChosenFile> chosen = fileDialog.getSaveFileName(
        saveRequest(QStringLiteral("PDF保存"), {QStringLiteral("PDFファイル(*.pdf)")},
                    QStringLiteral("pdf"), content->filePath));
    if (!chosen || !ReplaceConfirmation::allows(messageBox, chosen->path))
        return;
    if (!ResultsReport::writePdf(chosen->path, *content))
        messageBox.showError(PdfFailedMessage);
}

// The table a spreadsheet opens, and a teacher merges with the class's: each line carries the
// learner's name, so the first export asks for it as the first report does. The encoding is
// chosen as a filter of the save dialog, UTF-8 first; CP932 is for spreadsheets that cannot read
// anything else.
void TFrmResults::BitBtn6Click()
{
    if (learner.isEmpty() && !BitBtn3Click())
        return;
    const std::optional<ChosenFile> chosen = fileDialog.getSaveFileName(
        saveRequest(QStringLiteral("CSV書き出し"), {Utf8CsvFilter, Cp932CsvFilter},
                    QStringLiteral("csv"), ComboBox1->currentData().toString()));
    if (!chosen || !ReplaceConfirmation::allows(messageBox, chosen->path))
        return;
    const QList<ResultRow> rows =
        ResultsCsv::rowsOf(learner, games.games(), recorder.timeOutsOf(filter()));
    const CsvText::Encoded table = ResultsCsv::write(
        rows, chosen->filter == Cp932Filter ? CsvText::Encoding::Cp932 : CsvText::Encoding::Utf8);
    if (!table.withoutCp932Form.isEmpty())
        messageBox.showError(Cp932FailedMessage.arg(table.withoutCp932Form.join(u'、')));
    else if (!AtomicFile::replace(chosen->path, table.bytes))
        messageBox.showError(CsvFailedMessage);
}

bool TFrmResults::BitBtn3Click()
{
    const std::optional<QString> name = messageBox.askText(NameQuestion, learner);
    if (!name)
        return false;
    learner = name->trimmed();
    return true;
}
