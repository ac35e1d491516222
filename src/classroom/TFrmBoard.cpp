#include "classroom/TFrmBoard.h"

#include "classroom/BoardReport.h"
#include "classroom/HandInFolder.h"
#include "help/HelpTopics.h"
#include "platform/FileDialog.h"
#include "platform/HelpViewer.h"
#include "platform/MessageBox.h"
#include "platform/ReplaceConfirmation.h"
#include "platform/ReportPrinter.h"
#include "questions/AtomicFile.h"
#include "results/ClassReport.h"
#include "results/ResultsWindow.h"

#include <QApplication>
#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

QLabel* caption(QWidget* parent, const QString& text, QWidget* buddy)
{
    auto* label = new QLabel(text, parent);
    label->setBuddy(buddy);
    buddy->setAccessibleName(QString(text).remove(QStringLiteral("&")));
    return label;
}

QPushButton* button(QWidget* parent, const QString& name, const QString& text)
{
    auto* created = new QPushButton(text, parent);
    created->setObjectName(name);
    created->setAutoDefault(false);
    return created;
}

} // namespace

TFrmBoard::TFrmBoard(const QString& folder, const Services& services, QWidget* parent,
                     std::chrono::milliseconds poll)
    : ProgramDialog(
          {QStringLiteral("TFrmBoard"), HelpTopics::BoardContext, Caption, {640, 480}, true},
          parent),
      folder(folder), services(services)
{
    createControls();
    watcher = new BoardWatcher(folder, board, poll, this);
    connect(watcher, &BoardWatcher::scanned, this, &TFrmBoard::showScanned);
    watcher->rescan();
}

void TFrmBoard::createControls()
{
    auto* layout = new QVBoxLayout(this);
    folderLabel = new QLabel(this);
    folderLabel->setObjectName(QStringLiteral("folderLabel"));
    folderLabel->setWordWrap(true);
    folderLabel->setText(
        QStringLiteral("提出先: %1 を読んでいます…").arg(QDir::toNativeSeparators(folder)));
    folderLabel->setAccessibleName(folderLabel->text());
    layout->addWidget(folderLabel);

    boardTable = new QTableView(this);
    boardTable->setObjectName(QStringLiteral("boardTable"));
    boardTable->setModel(&board);
    boardTable->setSortingEnabled(true);
    boardTable->sortByColumn(BoardModel::ClassGroup, Qt::AscendingOrder);
    boardTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    boardTable->verticalHeader()->hide();
    layout->addWidget(caption(this, QStringLiteral("提出した人(&P)"), boardTable));
    layout->addWidget(boardTable, 3);

    missedTable = new QTableWidget(0, 4, this);
    missedTable->setObjectName(QStringLiteral("missedTable"));
    missedTable->setHorizontalHeaderLabels({QStringLiteral("問題"), QStringLiteral("答え"),
                                            QStringLiteral("時間切れ"), QStringLiteral("人数")});
    missedTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    missedTable->verticalHeader()->hide();
    layout->addWidget(
        caption(this, QStringLiteral("クラスでよく時間切れになる問題(&M)"), missedTable));
    layout->addWidget(missedTable, 2);

    malformedList = new QListWidget(this);
    malformedList->setObjectName(QStringLiteral("malformedList"));
    malformedLabel = caption(this, QStringLiteral("読めなかったファイル(&F)"), malformedList);
    layout->addWidget(malformedLabel);
    layout->addWidget(malformedList, 1);

    auto* buttons = new QHBoxLayout;
    printButton = button(this, QStringLiteral("printButton"), QStringLiteral("印刷(&R)"));
    pdfButton = button(this, QStringLiteral("pdfButton"), QStringLiteral("PDF保存(&S)"));
    helpButton = button(this, QStringLiteral("helpButton"), QStringLiteral("ヘルプ(&H)"));
    closeButton = button(this, QStringLiteral("closeButton"), QStringLiteral("閉じる(&C)"));
    buttons->addWidget(printButton);
    buttons->addWidget(pdfButton);
    buttons->addStretch();
    buttons->addWidget(helpButton);
    buttons->addWidget(closeButton);
    layout->addLayout(buttons);

    connect(printButton, &QPushButton::clicked, this, &TFrmBoard::print);
    connect(pdfButton, &QPushButton::clicked, this, &TFrmBoard::savePdf);
    connect(helpButton, &QPushButton::clicked, this,
            [this] { services.help.showContext(HelpTopics::BoardContext); });
    connect(closeButton, &QPushButton::clicked, this, &QDialog::close);
}

void TFrmBoard::showScanned(bool reachable)
{
    const QString where = QDir::toNativeSeparators(folder);
    folderLabel->setText(
        reachable ? QStringLiteral("提出先: %1（%2 人）").arg(where).arg(board.rowCount())
                  : QStringLiteral("提出先 %1 に届きません。届きしだい表示します。").arg(where));
    folderLabel->setAccessibleName(folderLabel->text());

    const QList<ClassMissedPair> missed = board.mostMissed(MissedShown);
    missedTable->setRowCount(int(missed.size()));
    for (int row = 0; row < missed.size(); ++row) {
        const QStringList cells{missed[row].question, missed[row].answer,
                                QString::number(missed[row].timeOuts),
                                QString::number(missed[row].learners)};
        for (int column = 0; column < cells.size(); ++column)
            missedTable->setItem(row, column, new QTableWidgetItem(cells[column]));
    }

    malformedList->clear();
    for (auto refused = board.malformed().cbegin(); refused != board.malformed().cend(); ++refused)
        malformedList->addItem(refused.key() + QStringLiteral(": ") + refused.value());
    malformedList->sortItems();
    malformedLabel->setVisible(malformedList->count() > 0);
    malformedList->setVisible(malformedList->count() > 0);
}

// The report is made from the folder as it is now, every game in it read afresh.
void TFrmBoard::savePdf()
{
    SaveFileRequest request;
    request.title = QStringLiteral("PDF保存");
    request.filters = {{QStringLiteral("PDFファイル(*.pdf)"), QStringLiteral("*.pdf")}};
    request.defaultSuffix = QStringLiteral("pdf");
    request.presetFile = QStringLiteral("クラスの様子.pdf");
    const std::optional<ChosenFile> chosen = services.fileDialog.getSaveFileName(request);
    if (!chosen || !ReplaceConfirmation::allows(services.messages, chosen->path))
        return;
    const QByteArray pdf = ClassReport::pdf(handedIn(), services.today());
    if (!AtomicFile::replace(chosen->path, pdf))
        services.messages.showError(PdfFailedMessage);
}

void TFrmBoard::print()
{
    const ResultsWindowFactory::Printer chosen = services.printers.printer();
    if (!chosen.printer) {
        services.messages.showError(NoPrinterMessage.arg(chosen.error));
        return;
    }
    const ClassTable table = handedIn();
    const QDate today = services.today();
    chosen.printer->print(Caption, [&table, &today](QPagedPaintDevice& device) {
        ClassReport::paint(device, table, today);
    });
}

// A school's folder takes a second or two to read whole.
ClassTable TFrmBoard::handedIn() const
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QList<HandInSummary> handIns;
    for (const auto& [name, handIn] : HandInFolder(folder).scan().read)
        handIns.append(handIn);
    ClassTable table = BoardReport::tableOf(handIns);
    QApplication::restoreOverrideCursor();
    return table;
}
