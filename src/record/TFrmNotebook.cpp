#include "record/TFrmNotebook.h"

#include "questions/LevelNames.h"

#include "help/HelpTopics.h"
#include "platform/FileDialog.h"
#include "platform/FreedMemory.h"
#include "platform/MessageBox.h"
#include "platform/ReplaceConfirmation.h"
#include "questions/QuestionFile.h"
#include "questions/QuestionFileRequest.h"
#include "record/RecordQueries.h"
#include "record/ReviewGame.h"
#include "widgets/WindowParts.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace {

SaveFileRequest exportRequest()
{
    return {
        QStringLiteral("書き出し"), QuestionFile::openRequest().filters, {}, QStringLiteral("DAT")};
}

} // namespace

TFrmNotebook::TFrmNotebook(RecordQueries& record, NotebookEdits& edits, FileDialog& fileDialog,
                           MessageBox& messageBox, QWidget* parent)
    : ProgramDialog(
          {QStringLiteral("TFrmNotebook"), HelpTopics::NotebookContext, Caption, {600, 360}, true},
          parent),
      record(record), edits(edits), fileDialog(fileDialog), messageBox(messageBox)
{
    createControls();
}

void TFrmNotebook::createControls()
{
    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    for (int level = 0; level < QuestionBank::LevelCount; ++level)
        ComboBox1->addItem(LevelNames::name(level));
    ComboBox1->setAccessibleName(QStringLiteral("レベル"));
    auto* levelCaption = new QLabel(QStringLiteral("レベル(&V)"), this);
    levelCaption->setBuddy(ComboBox1);

    ListView1 = new QTableView(this);
    ListView1->setObjectName(QStringLiteral("ListView1"));
    ListView1->setModel(&entries);
    ListView1->setSortingEnabled(true);
    ListView1->sortByColumn(NotebookModel::MissesColumn, Qt::DescendingOrder);
    ListView1->setSelectionBehavior(QAbstractItemView::SelectRows);
    ListView1->setSelectionMode(QAbstractItemView::SingleSelection);
    ListView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListView1->horizontalHeader()->setStretchLastSection(true);
    ListView1->verticalHeader()->hide();
    ListView1->setAccessibleName(Caption);

    BitBtn1 =
        WindowParts::layoutButton(this, QStringLiteral("BitBtn1"), QStringLiteral("復習ゲーム(&G)"),
                                  QStringLiteral("復習ゲーム"));
    BitBtn2 = WindowParts::layoutButton(this, QStringLiteral("BitBtn2"), QStringLiteral("削除(&D)"),
                                        QStringLiteral("削除"));
    BitBtn3 = WindowParts::layoutButton(this, QStringLiteral("BitBtn3"),
                                        QStringLiteral("書き出し(&E)"), QStringLiteral("書き出し"));
    BitBtn4 = WindowParts::layoutButton(this, QStringLiteral("BitBtn4"), QStringLiteral("閉じる"),
                                        QStringLiteral("閉じる"));

    auto* top = new QHBoxLayout;
    top->addWidget(levelCaption);
    top->addWidget(ComboBox1);
    top->addStretch();
    auto* buttons = new QHBoxLayout;
    for (QPushButton* each : {BitBtn1, BitBtn2, BitBtn3})
        buttons->addWidget(each);
    buttons->addStretch();
    buttons->addWidget(BitBtn4);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(ListView1);
    layout->addLayout(buttons);

    connect(ComboBox1, &QComboBox::currentIndexChanged, this, &TFrmNotebook::ComboBox1Change);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    connect(BitBtn2, &QPushButton::clicked, this, &TFrmNotebook::BitBtn2Click);
    connect(BitBtn3, &QPushButton::clicked, this, &TFrmNotebook::BitBtn3Click);
    connect(BitBtn4, &QPushButton::clicked, this, &QDialog::reject);
    connect(ListView1->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &TFrmNotebook::refreshButtons);
    connect(&entries, &NotebookModel::answerByReadingChosen, this,
            &TFrmNotebook::ListView1ByReadingChosen);
}

void TFrmNotebook::showBank(const QuestionBank& bank, int level, const Scheduler& scheduler,
                            const AcceptedAnswers& readings)
{
    entries.setRecall(scheduler, QDateTime::currentDateTimeUtc());
    entries.setReadings(readings);
    levels = ReviewGame::entriesByLevel(bank, record.notebook());
    const QSignalBlocker quiet(ComboBox1);
    ComboBox1->setCurrentIndex(level);
    ComboBox1Change();
}

void TFrmNotebook::hideEvent(QHideEvent* event)
{
    ProgramDialog::hideEvent(event);
    entries.setEntries({});
    entries.setReadings({});
    levels = {};
    FreedMemory::giveBack();
}

int TFrmNotebook::level() const
{
    return ComboBox1->currentIndex();
}

void TFrmNotebook::ComboBox1Change()
{
    entries.setEntries(level() >= 0 ? levels[level()] : QList<NotebookEntry>{});
    refreshButtons();
}

void TFrmNotebook::refreshButtons()
{
    BitBtn1->setEnabled(entries.rowCount() > 0);
    BitBtn2->setEnabled(ListView1->selectionModel()->hasSelection());
    BitBtn3->setEnabled(std::any_of(levels.cbegin(), levels.cend(),
                                    [](const auto& pairs) { return !pairs.isEmpty(); }));
}

void TFrmNotebook::BitBtn2Click()
{
    const QModelIndexList selected = ListView1->selectionModel()->selectedRows();
    if (selected.isEmpty())
        return;
    const int row = selected.constFirst().row();
    const QuestionItem pair = entries.entry(row).pair;
    edits.removeFromNotebook(pair);
    // The pair leaves every level the file has it in.
    for (QList<NotebookEntry>& pairs : levels)
        pairs.removeIf([&](const NotebookEntry& entry) { return entry.pair == pair; });
    entries.removeEntry(row);
    refreshButtons();
}

// The choice is kept with the pair in every level the file has it in, so that it holds when the
// level is shown again.
void TFrmNotebook::ListView1ByReadingChosen(const QuestionItem& pair, bool on)
{
    edits.setAnswerByReading(pair, on);
    for (QList<NotebookEntry>& pairs : levels) {
        for (qsizetype k = 0; k < pairs.size(); ++k) {
            if (pairs.at(k).pair == pair)
                pairs[k].progress.answerByReading = on;
        }
    }
}

// All three levels go out, each pair in the level it has in the loaded file.
void TFrmNotebook::BitBtn3Click()
{
    const std::optional<ChosenFile> chosen = fileDialog.getSaveFileName(exportRequest());
    if (!chosen || !ReplaceConfirmation::allows(messageBox, chosen->path))
        return;
    QuestionBank hardest;
    for (int k = 0; k < QuestionBank::LevelCount; ++k) {
        for (const NotebookEntry& entry : levels[k])
            hardest.Add(k, entry.pair.question, entry.pair.answer);
    }
    if (!QuestionFile::write(chosen->path, hardest))
        messageBox.showError(QuestionFile::SaveFailedMessage);
}
