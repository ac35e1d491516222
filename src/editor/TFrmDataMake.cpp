#include "editor/TFrmDataMake.h"

#include "editor/PairText.h"
#include "editor/ProposedReadings.h"
#include "help/HelpRouting.h"
#include "help/HelpTopics.h"
#include "platform/FileDialog.h"
#include "platform/MessageBox.h"
#include "proposal/ProposalMessages.h"
#include "questions/LevelNames.h"
#include "questions/QuestionFileRequest.h"
#include "readings/CompanionMessages.h"
#include "readings/Kana.h"
#include "readings/ReadingCheck.h"
#include "widgets/HelpKeys.h"
#include "widgets/WindowParts.h"

#include <QApplication>
#include <QButtonGroup>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>

namespace {

OpenFileRequest questionFileRequest(const QString& presetFile)
{
    OpenFileRequest request = QuestionFile::openRequest();
    request.presetFile = presetFile;
    request.defaultSuffix = QStringLiteral("dat");
    return request;
}

// Left to itself, Qt names a control "問題(M)" after its caption "問題(&M)"; a screen reader
// should say just "問題".
QString spokenCaption(const QString& caption)
{
    const qsizetype key = caption.indexOf(QStringLiteral("(&"));
    return key < 0 ? caption : caption.left(key);
}

// Enter always means "設定", whichever button has the focus, so no other button may take
// Enter for itself.
QPushButton* button(QWidget* parent, const QString& name, const QString& caption,
                    const QRect& bounds)
{
    auto* created = new QPushButton(caption, parent);
    created->setObjectName(name);
    created->setGeometry(bounds);
    created->setAutoDefault(false);
    created->setAccessibleName(spokenCaption(caption));
    return created;
}

QPushButton* glyphButton(QWidget* parent, const QString& name, QStyle::StandardPixmap glyph,
                         const QString& caption, const QRect& bounds)
{
    QPushButton* created = WindowParts::glyphButton(parent, name, glyph, caption, bounds);
    created->setAutoDefault(false);
    created->setAccessibleName(spokenCaption(caption));
    return created;
}

} // namespace

TFrmDataMake::TFrmDataMake(FileDialog& fileDialog, MessageBox& messageBox,
                           ReadingProposer& proposer, QWidget* parent)
    : ProgramDialog(
          {QStringLiteral("TFrmDataMake"), HelpTopics::EditorContext, Caption, {409, 399}}, parent),
      fileDialog(fileDialog), messageBox(messageBox), proposer(proposer)
{
    createControls();
    FormCreate();
}

void TFrmDataMake::createControls()
{
    createLevelGroup();
    createList();
    BitBtn1 = glyphButton(this, QStringLiteral("BitBtn1"), QStyle::SP_DialogOkButton,
                          QStringLiteral("OK(&O)"), {328, 136, 75, 25});
    BitBtn2 = glyphButton(this, QStringLiteral("BitBtn2"), QStyle::SP_DialogCancelButton,
                          QStringLiteral("キャンセル"), {328, 168, 75, 25});
    BitBtn3 = glyphButton(this, QStringLiteral("BitBtn3"), QStyle::SP_DialogHelpButton,
                          QStringLiteral("ヘルプ(&H)"), {328, 200, 75, 25});
    HelpRouting::setContext(BitBtn3, HelpTopics::EditorContext);
    createEditRow(272, Panel1, Edit1, QStringLiteral("1"), QStringLiteral("問題(&M)"));
    createEditRow(304, Panel2, Edit2, QStringLiteral("2"), QStringLiteral("回答(&K)"));
    createEditRow(336, Panel3, Edit3, QStringLiteral("3"), QStringLiteral("よみ(&Y)"));
    createEditRow(368, Panel4, Edit4, QStringLiteral("4"), QStringLiteral("別解(&B)"));
    Edit4->setPlaceholderText(QStringLiteral("区切りは「%1」").arg(Alternatives::Separator));
    Button1 =
        button(this, QStringLiteral("Button1"), QStringLiteral("設定(&S)"), {328, 304, 75, 25});
    Button1->setDefault(true);
    Button2 =
        button(this, QStringLiteral("Button2"), QStringLiteral("ロード(&L)"), {328, 96, 75, 25});
    Button3 =
        button(this, QStringLiteral("Button3"), QStringLiteral("削除(&D)"), {328, 240, 75, 25});
    Button4 =
        button(this, QStringLiteral("Button4"), QStringLiteral("追加(&A)"), {328, 272, 75, 25});
    Button5 = button(this, QStringLiteral("Button5"), QStringLiteral("読みを提案(&P)"),
                     {328, 336, 75, 25});
    HelpRouting::setContext(Button5, HelpTopics::ReadingsContext);
    connectHandlers();
    chainTabOrder();
}

void TFrmDataMake::createLevelGroup()
{
    RadioGroup1 = new QGroupBox(QStringLiteral("レベル"), this);
    RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
    RadioGroup1->setGeometry(328, 8, 73, 81);
    levels = new QButtonGroup(RadioGroup1);
    for (int level = 0; level < QuestionBank::LevelCount; ++level) {
        auto* item = new QRadioButton(LevelNames::caption(level), RadioGroup1);
        item->setObjectName(QStringLiteral("RadioGroup1Item%1").arg(level + 1));
        item->setGeometry(8, 18 + 20 * level, 60, 20);
        item->setAccessibleName(LevelNames::name(level));
        levels->addButton(item, level);
        RadioGroup1Items[level] = item;
    }
    connect(levels, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked)
            RadioGroup1Click();
    });
}

void TFrmDataMake::createList()
{
    ListView1 = new QTableView(this);
    ListView1->setObjectName(QStringLiteral("ListView1"));
    ListView1->setGeometry(8, 16, 313, 241);
    ListView1->setAccessibleName(QStringLiteral("問題と回答"));
    ListView1->setAccessibleDescription(
        QStringLiteral("よみ、別解、要確認の列もあります。要確認はスペースキーで外せます。"));
    ListView1->setSelectionBehavior(QAbstractItemView::SelectRows);
    ListView1->setSelectionMode(QAbstractItemView::SingleSelection);
    ListView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListView1->setTabKeyNavigation(false);
    ListView1->setShowGrid(false);
    ListView1->setWordWrap(false);
    ListView1->horizontalHeader()->setDefaultSectionSize(154);
    ListView1->horizontalHeader()->setHighlightSections(false);
    // Rows of one fixed height let the view place any of many thousands without measuring them.
    ListView1->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    ListView1->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    ListView1->verticalHeader()->hide();
}

void TFrmDataMake::createEditRow(int top, QLabel*& panel, QLineEdit*& edit, const QString& name,
                                 const QString& caption)
{
    panel = new QLabel(caption, this);
    panel->setObjectName(QStringLiteral("Panel") + name);
    panel->setGeometry(8, top, 49, 25);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setAlignment(Qt::AlignCenter);
    edit = new QLineEdit(this);
    edit->setObjectName(QStringLiteral("Edit") + name);
    edit->setGeometry(56, top, 265, 20);
    edit->setAccessibleName(spokenCaption(caption));
    panel->setBuddy(edit);
}

void TFrmDataMake::connectHandlers()
{
    connect(ListView1, &QTableView::clicked, this, &TFrmDataMake::ListView1Click);
    connect(Button1, &QPushButton::clicked, this, &TFrmDataMake::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TFrmDataMake::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &TFrmDataMake::Button3Click);
    connect(Button4, &QPushButton::clicked, this, &TFrmDataMake::Button4Click);
    connect(Button5, &QPushButton::clicked, this, &TFrmDataMake::Button5Click);
    connect(BitBtn1, &QPushButton::clicked, this, &TFrmDataMake::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
    connect(BitBtn3, &QPushButton::clicked, this, &TFrmDataMake::BitBtn3Click);
}

void TFrmDataMake::chainTabOrder()
{
    QWidget* const order[] = {RadioGroup1Items[0],
                              RadioGroup1Items[1],
                              RadioGroup1Items[2],
                              ListView1,
                              BitBtn1,
                              BitBtn2,
                              BitBtn3,
                              Edit1,
                              Edit2,
                              Edit3,
                              Edit4,
                              Button1,
                              Button2,
                              Button3,
                              Button4,
                              Button5};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void TFrmDataMake::FormCreate()
{
    RadioGroup1Items[0]->setChecked(true);
}

// The list's header measures its font the first time the list has a model. That waits for the
// editor's first opening, so the main window is not kept waiting for it at start-up.
void TFrmDataMake::FormShow()
{
    if (ListView1->model())
        return;
    ListView1->setModel(&editor.model());
    ListView1->setColumnWidth(QuestionTableModel::ReadingColumn, 120);
    ListView1->setColumnWidth(QuestionTableModel::AlternativesColumn, 120);
    ListView1->setColumnWidth(QuestionTableModel::CheckColumn, 60);
}

void TFrmDataMake::FillList()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    editor.model().setLevel(selectedLevel());
    QApplication::restoreOverrideCursor();
}

void TFrmDataMake::RadioGroup1Click()
{
    FillList();
}

void TFrmDataMake::ListView1Click()
{
    const std::optional<int> row = selectedRow();
    if (!row)
        return;
    const QuestionTableModel& model = editor.model();
    Edit1->setText(model.index(*row, QuestionTableModel::QuestionColumn).data().toString());
    Edit2->setText(model.index(*row, QuestionTableModel::AnswerColumn).data().toString());
    Edit3->setText(model.index(*row, QuestionTableModel::ReadingColumn).data().toString());
    Edit4->setText(model.index(*row, QuestionTableModel::AlternativesColumn).data().toString());
}

void TFrmDataMake::Button1Click()
{
    const std::optional<int> row = selectedRow();
    if (!row)
        return;
    std::optional<TypedPair> pair = typedPair();
    if (!pair)
        return;
    editor.model().replacePair(*row, std::move(pair->item), std::move(pair->reading));
    clearBoxes();
}

void TFrmDataMake::Button2Click()
{
    const std::optional<QString> path =
        fileDialog.getOpenFileName(questionFileRequest(editor.path()));
    if (!path)
        return;
    const QuestionFile::ReadOutcome outcome = editor.load(*path);
    if (outcome)
        setWindowTitle(WindowParts::captionWithFile(Caption, *path));
    else
        messageBox.showError(QuestionFile::messageFor(outcome));
    FillList();
    if (const QString report = editor.companionReport(); !report.isEmpty())
        messageBox.showError(report);
}

void TFrmDataMake::Button3Click()
{
    const std::optional<int> row = selectedRow();
    if (!row)
        return;
    editor.model().deletePair(*row);
    // The view would select the row that moved up; a second press would then delete a pair the
    // user never chose.
    ListView1->selectionModel()->clearSelection();
}

void TFrmDataMake::Button4Click()
{
    std::optional<TypedPair> pair = typedPair();
    if (!pair)
        return;
    editor.model().appendPair(std::move(pair->item), std::move(pair->reading));
    clearBoxes();
}

// The analysers load the first time, which can take a moment; the list shows the proposals
// with their marks, for the teacher to check before saving.
void TFrmDataMake::Button5Click()
{
    const ProposedReadings::Outcome outcome =
        ProposedReadings::fillEmpty(editor.model(), editor.bank(), editor.readings(), proposer);
    if (outcome.unavailable)
        messageBox.showError(
            ProposalMessages::unavailable(*outcome.unavailable, Language::Japanese));
    else
        messageBox.tell(ProposedReadings::doneMessage(outcome));
}

void TFrmDataMake::BitBtn1Click()
{
    if (const Outcome<QString> saved = editor.save(); !saved)
        messageBox.showError(saved.failure());
    accept();
}

void TFrmDataMake::BitBtn3Click()
{
    HelpKeys::ask(BitBtn3);
}

int TFrmDataMake::selectedLevel() const
{
    return levels->checkedId();
}

std::optional<int> TFrmDataMake::selectedRow() const
{
    std::optional<int> first;
    for (const QModelIndex& index : ListView1->selectionModel()->selectedRows()) {
        if (!first || index.row() < *first)
            first = index.row();
    }
    return first;
}

std::optional<TFrmDataMake::TypedPair> TFrmDataMake::typedPair()
{
    PairText::Encoded pair = PairText::encode(Edit1->text(), Edit2->text());
    if (!pair.item) {
        messageBox.showError(pair.refusal);
        return std::nullopt;
    }
    // A reading typed in katakana is the same reading.
    const PairReading reading{Kana::toHiragana(Edit3->text().trimmed()),
                              Alternatives::split(Edit4->text())};
    if (const std::optional<ReadingFault> fault = ReadingCheck::faultOf(reading)) {
        messageBox.showError(CompanionMessages::describe(*fault));
        return std::nullopt;
    }
    return TypedPair{std::move(*pair.item), reading};
}

void TFrmDataMake::clearBoxes()
{
    for (QLineEdit* box : {Edit1, Edit2, Edit3, Edit4})
        box->clear();
}
