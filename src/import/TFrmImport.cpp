#include "import/TFrmImport.h"

#include "help/HelpRouting.h"
#include "help/HelpTopics.h"
#include "import/ImportMessages.h"
#include "platform/FileDialog.h"
#include "platform/MessageBox.h"
#include "platform/ReplaceConfirmation.h"
#include "questions/LevelNames.h"
#include "questions/QuestionFile.h"
#include "questions/TextCodec.h"
#include "readings/NewQuestionFile.h"
#include "widgets/HelpKeys.h"
#include "widgets/WindowParts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

// The combo box of "レベル分け": three single levels, then the groups of the deck.
enum LevelChoice
{
    AllBeginner,
    AllIntermediate,
    AllAdvanced,
    ByDeck,
    ByTag
};

OpenFileRequest deckRequest()
{
    return {QStringLiteral("インポートするファイル"),
            {{QStringLiteral("単語カードのファイル(*.apkg;*.colpkg;*.txt;*.kvtml)"),
              QStringLiteral("*.apkg *.colpkg *.txt *.kvtml")},
             {QStringLiteral("すべてのﾌｧｲﾙ(*.*)"), QStringLiteral("*.*")}},
            {},
            {},
            true};
}

SaveFileRequest saveRequest(const QString& source)
{
    const QFileInfo info(source);
    return {QStringLiteral("問題ファイルの保存先"),
            {{QStringLiteral("Tazuneﾃﾞｰﾀﾌｧｲﾙ(*.DAT)"), QStringLiteral("*.DAT")}},
            info.dir().filePath(info.completeBaseName() + QStringLiteral(".DAT")),
            QStringLiteral("DAT")};
}

QTableWidget* table(QWidget* parent, const QString& name, const QStringList& headers)
{
    auto* created = new QTableWidget(0, int(headers.size()), parent);
    created->setObjectName(name);
    created->setHorizontalHeaderLabels(headers);
    created->setEditTriggers(QAbstractItemView::NoEditTriggers);
    created->setSelectionBehavior(QAbstractItemView::SelectRows);
    created->verticalHeader()->hide();
    created->horizontalHeader()->setStretchLastSection(true);
    return created;
}

QComboBox* combo(QWidget* parent, const QString& name, const QString& spoken)
{
    auto* created = new QComboBox(parent);
    created->setObjectName(name);
    created->setAccessibleName(spoken);
    return created;
}

} // namespace

TFrmImport::TFrmImport(FileDialog& fileDialog, MessageBox& messageBox, QWidget* parent)
    : ProgramDialog(
          {QStringLiteral("TFrmImport"), HelpTopics::ImportContext, Caption, {560, 520}, true},
          parent),
      fileDialog(fileDialog), messageBox(messageBox)
{
    createControls();
}

void TFrmImport::createControls()
{
    ComboBox1 = combo(this, QStringLiteral("ComboBox1"), QStringLiteral("問題にするフィールド"));
    ComboBox2 = combo(this, QStringLiteral("ComboBox2"), QStringLiteral("答えにするフィールド"));
    ComboBox3 = combo(this, QStringLiteral("ComboBox3"), QStringLiteral("レベル分け"));
    for (int level = 0; level < QuestionBank::LevelCount; ++level)
        ComboBox3->addItem(QStringLiteral("すべて") + LevelNames::name(level));
    ComboBox3->addItems({QStringLiteral("デッキ・レッスンごと"), QStringLiteral("タグごと")});
    CheckBox1 = new QCheckBox(QStringLiteral("改行を残す(&K)"), this);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox1->setAccessibleName(QStringLiteral("改行を残す"));

    Edit1 = new QLineEdit(typedFromSeparator(QuizletSeparators().term), this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setAccessibleName(QStringLiteral("用語と定義の区切り"));
    Edit2 = new QLineEdit(typedFromSeparator(QuizletSeparators().card), this);
    Edit2->setObjectName(QStringLiteral("Edit2"));
    Edit2->setAccessibleName(QStringLiteral("カードの区切り"));

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("問題(&M)"), ComboBox1);
    form->addRow(QStringLiteral("回答(&K)"), ComboBox2);
    form->addRow(QStringLiteral("レベル分け(&L)"), ComboBox3);
    form->addRow(QString(), CheckBox1);
    // Only a pasted list leaves its separators to the user; \t is a tab, \n a line break.
    form->addRow(QStringLiteral("用語と定義の区切り(&T)"), Edit1);
    form->addRow(QStringLiteral("カードの区切り(&C)"), Edit2);

    ListView1 = table(this, QStringLiteral("ListView1"),
                      {QStringLiteral("デッキ・レッスン・タグ"), QStringLiteral("レベル")});
    ListView1->setAccessibleName(QStringLiteral("デッキとレベル"));
    ListView2 = table(this, QStringLiteral("ListView2"),
                      {QStringLiteral("レベル"), QStringLiteral("問題"), QStringLiteral("回答")});
    ListView2->setAccessibleName(QStringLiteral("取り込む問題の先頭"));
    ListBox1 = new QListWidget(this);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setAccessibleName(QStringLiteral("取り込まない項目"));
    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));

    BitBtn1 = WindowParts::glyphButton(this, QStringLiteral("BitBtn1"), QStyle::SP_DialogOkButton,
                                       QStringLiteral("OK(&O)"), {});
    BitBtn1->setAccessibleName(QStringLiteral("OK"));
    BitBtn2 =
        WindowParts::glyphButton(this, QStringLiteral("BitBtn2"), QStyle::SP_DialogCancelButton,
                                 QStringLiteral("キャンセル"), {});
    BitBtn3 = WindowParts::glyphButton(this, QStringLiteral("BitBtn3"), QStyle::SP_DialogHelpButton,
                                       QStringLiteral("ヘルプ(&H)"), {});
    BitBtn3->setAccessibleName(QStringLiteral("ヘルプ"));
    HelpRouting::setContext(BitBtn3, HelpTopics::ImportContext);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Label1, 1);
    buttons->addWidget(BitBtn1);
    buttons->addWidget(BitBtn2);
    buttons->addWidget(BitBtn3);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(ListView1, 1);
    layout->addWidget(new QLabel(QStringLiteral("取り込む問題（先頭 %1 問）").arg(PreviewRows)));
    layout->addWidget(ListView2, 2);
    layout->addWidget(new QLabel(QStringLiteral("取り込まない項目")));
    layout->addWidget(ListBox1, 1);
    layout->addLayout(buttons);

    const auto refresh = [this] { Refresh(); };
    connect(ComboBox1, &QComboBox::activated, this, refresh);
    connect(ComboBox2, &QComboBox::activated, this, refresh);
    connect(ComboBox3, &QComboBox::activated, this, &TFrmImport::ComboBox3Change);
    connect(CheckBox1, &QCheckBox::clicked, this, &TFrmImport::CheckBox1Click);
    connect(Edit1, &QLineEdit::editingFinished, this, &TFrmImport::EditSeparatorsDone);
    connect(Edit2, &QLineEdit::editingFinished, this, &TFrmImport::EditSeparatorsDone);
    connect(BitBtn1, &QPushButton::clicked, this, &TFrmImport::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
    connect(BitBtn3, &QPushButton::clicked, this, &TFrmImport::BitBtn3Click);
}

std::optional<QString> TFrmImport::importFile()
{
    const std::optional<QString> path = fileDialog.getOpenFileName(deckRequest());
    if (!path || !open(*path))
        return std::nullopt;
    if (exec() != QDialog::Accepted)
        return std::nullopt;
    return saved;
}

bool TFrmImport::readDeck()
{
    DeckReadOptions options;
    options.lineBreaks =
        CheckBox1->isChecked() ? AnkiMarkup::LineBreaks::Keep : AnkiMarkup::LineBreaks::Space;
    options.quizlet = {separatorFromTyped(Edit1->text()), separatorFromTyped(Edit2->text())};
    // A file no header tells apart is taken as a pasted list of term and definition.
    const DeckResult read = readDeckFile(sourcePath, format.value_or(DeckFormat::Quizlet), options);
    if (read.error) {
        messageBox.showError(QFileInfo(sourcePath).fileName() + QStringLiteral(": ") +
                             ImportMessages::describe(*read.error, Language::Japanese));
        return false;
    }
    deck = read.deck;
    return true;
}

bool TFrmImport::open(const QString& path)
{
    sourcePath = path;
    format = detectFormat(path, startOfFile(path));
    saved.reset();
    if (!readDeck())
        return false;
    setWindowTitle(WindowParts::captionWithFile(Caption, path));
    Edit1->setEnabled(!format);
    Edit2->setEnabled(!format);
    fillFields();
    ComboBox3->setCurrentIndex(groupsOf(deck, LevelSource::Deck).size() > 1 ? ByDeck : AllBeginner);
    fillGroups();
    Refresh();
    return true;
}

void TFrmImport::fillFields()
{
    const DeckMapping defaults = defaultMapping(deck, LevelSource::One);
    for (QComboBox* box : {ComboBox1, ComboBox2}) {
        box->clear();
        box->addItems(deck.fieldNames);
    }
    ComboBox1->setCurrentIndex(defaults.question);
    ComboBox2->setCurrentIndex(defaults.answer);
}

void TFrmImport::fillGroups()
{
    const int choice = ComboBox3->currentIndex();
    const LevelSource source = choice == ByDeck  ? LevelSource::Deck
                               : choice == ByTag ? LevelSource::Tag
                                                 : LevelSource::One;
    const QStringList groups = groupsOf(deck, source);
    const DeckMapping defaults = defaultMapping(deck, source);
    ListView1->setRowCount(int(groups.size()));
    ListView1->setEnabled(source != LevelSource::One);
    for (int row = 0; row < int(groups.size()); ++row) {
        ListView1->setItem(row, 0, new QTableWidgetItem(groups[row]));
        auto* level = new QComboBox(ListView1);
        level->setAccessibleName(groups[row] + QStringLiteral("のレベル"));
        for (int k = 0; k < QuestionBank::LevelCount; ++k)
            level->addItem(LevelNames::name(k));
        level->setCurrentIndex(defaults.groupLevels.value(groups[row]));
        connect(level, &QComboBox::activated, this, [this] { Refresh(); });
        ListView1->setCellWidget(row, 1, level);
    }
}

DeckMapping TFrmImport::mappingFromControls() const
{
    DeckMapping mapping;
    mapping.question = ComboBox1->currentIndex();
    mapping.answer = ComboBox2->currentIndex();
    const int choice = ComboBox3->currentIndex();
    if (choice <= AllAdvanced) {
        mapping.level = choice;
        return mapping;
    }
    mapping.levelBy = choice == ByDeck ? LevelSource::Deck : LevelSource::Tag;
    for (int row = 0; row < ListView1->rowCount(); ++row) {
        const auto* level = static_cast<QComboBox*>(ListView1->cellWidget(row, 1));
        mapping.groupLevels.insert(ListView1->item(row, 0)->text(), level->currentIndex());
    }
    return mapping;
}

void TFrmImport::Refresh()
{
    mappedDeck = mapDeck(deck, mappingFromControls());
    ListView2->setRowCount(0);
    for (int level = 0; level < QuestionBank::LevelCount; ++level) {
        for (int position = 0; position < mappedDeck.bank.Count(level); ++position) {
            if (ListView2->rowCount() >= PreviewRows)
                break;
            const QuestionView item = mappedDeck.bank.view(level, position);
            const int row = ListView2->rowCount();
            ListView2->insertRow(row);
            ListView2->setItem(row, 0, new QTableWidgetItem(LevelNames::name(level)));
            ListView2->setItem(row, 1, new QTableWidgetItem(TextCodec::decode(item.question)));
            ListView2->setItem(row, 2, new QTableWidgetItem(TextCodec::decode(item.answer)));
        }
    }
    ListBox1->clear();
    for (const SkippedNote& skipped : mappedDeck.skipped)
        ListBox1->addItem(ImportMessages::describe(skipped, Language::Japanese));
    QStringList counts;
    for (int level = 0; level < QuestionBank::LevelCount; ++level)
        counts.append(QStringLiteral("%1 %2 問")
                          .arg(LevelNames::name(level))
                          .arg(mappedDeck.bank.Count(level)));
    Label1->setText(counts.join(QStringLiteral("、")) +
                    QStringLiteral("（取り込まない項目 %1）").arg(mappedDeck.skipped.size()));
    BitBtn1->setEnabled(
        mappedDeck.bank.Count(0) + mappedDeck.bank.Count(1) + mappedDeck.bank.Count(2) > 0);
}

void TFrmImport::ComboBox3Change()
{
    fillGroups();
    Refresh();
}

// Breaks are made when the file is read, so it is read again; the fields and groups stay.
void TFrmImport::CheckBox1Click()
{
    if (readDeck())
        Refresh();
}

// New separators make other cards, so the fields and groups are made afresh.
void TFrmImport::EditSeparatorsDone()
{
    if (!readDeck())
        return;
    fillFields();
    fillGroups();
    Refresh();
}

void TFrmImport::BitBtn1Click()
{
    const std::optional<ChosenFile> chosen = fileDialog.getSaveFileName(saveRequest(sourcePath));
    if (!chosen || !ReplaceConfirmation::allows(messageBox, chosen->path))
        return;
    if (!NewQuestionFile::write(chosen->path, mappedDeck.bank, mappedDeck.readings)) {
        messageBox.showError(QuestionFile::SaveFailedMessage);
        return;
    }
    saved = chosen->path;
    accept();
}

void TFrmImport::BitBtn3Click()
{
    HelpKeys::ask(BitBtn3);
}
