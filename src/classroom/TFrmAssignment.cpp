#include "classroom/TFrmAssignment.h"

#include "classroom/AssignmentFile.h"
#include "help/HelpTopics.h"
#include "platform/FileDialog.h"
#include "questions/LevelNames.h"
#include "questions/QuestionFileRequest.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSpinBox>

namespace {

template <typename Control>
Control* named(Control* control, const QString& name, const QString& spoken)
{
    control->setObjectName(name);
    control->setAccessibleName(spoken);
    return control;
}

QSpinBox* spin(QWidget* parent, const QString& name, const QString& spoken, int most)
{
    auto* box = named(new QSpinBox(parent), name, spoken);
    box->setRange(1, most);
    return box;
}

} // namespace

TFrmAssignment::TFrmAssignment(FileDialog& fileDialog, std::function<quint64()> newSeed,
                               QWidget* parent)
    : ProgramDialog({QStringLiteral("TFrmAssignment"),
                     HelpTopics::AssignmentEditorContext,
                     QStringLiteral("課題の作成"),
                     {460, 420}},
                    parent),
      fileDialog(fileDialog), newSeed(std::move(newSeed))
{
    createControls();
    setAssignment({});
}

void TFrmAssignment::createControls()
{
    auto* form = new QFormLayout(this);
    titleEdit = named(new QLineEdit(this), QStringLiteral("titleEdit"), QStringLiteral("題名"));
    titleEdit->setMaxLength(int(AssignmentFile::MostTextCharacters));
    form->addRow(QStringLiteral("題名(&T)"), titleEdit);

    auto* fileRow = new QHBoxLayout;
    questionFileEdit = named(new QLineEdit(this), QStringLiteral("questionFileEdit"),
                             QStringLiteral("問題ファイル"));
    questionFileButton =
        named(new QPushButton(QStringLiteral("参照(&R)..."), this),
              QStringLiteral("questionFileButton"), QStringLiteral("問題ファイルを選ぶ"));
    fileRow->addWidget(questionFileEdit);
    fileRow->addWidget(questionFileButton);
    form->addRow(QStringLiteral("問題ファイル(&F)"), fileRow);

    auto* levelRow = new QHBoxLayout;
    for (int level = 0; level < 3; ++level) {
        levelChecks[level] =
            named(new QCheckBox(LevelNames::name(level), this),
                  QStringLiteral("levelCheck%1").arg(level + 1), LevelNames::name(level));
        levelRow->addWidget(levelChecks[level]);
    }
    form->addRow(QStringLiteral("レベル"), levelRow);

    countSpin = spin(this, QStringLiteral("countSpin"), QStringLiteral("一回の問題数"),
                     AssignmentFile::MostQuestions);
    form->addRow(QStringLiteral("一回の問題数(&N)"), countSpin);
    secondsSpin = spin(this, QStringLiteral("secondsSpin"), QStringLiteral("１問あたりの秒数"),
                       AssignmentFile::MostSeconds);
    form->addRow(QStringLiteral("１問あたりの秒数(&S)"), secondsSpin);

    auto* seedRow = new QHBoxLayout;
    seedEdit =
        named(new QLineEdit(this), QStringLiteral("seedEdit"), QStringLiteral("出題順の番号"));
    seedEdit->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{1,20}")), this));
    seedButton = named(new QPushButton(QStringLiteral("新しい番号(&G)"), this),
                       QStringLiteral("seedButton"), QStringLiteral("新しい出題順の番号"));
    seedRow->addWidget(seedEdit);
    seedRow->addWidget(seedButton);
    form->addRow(QStringLiteral("出題順の番号(&O)"), seedRow);

    modeCombo = named(new QComboBox(this), QStringLiteral("modeCombo"), QStringLiteral("種類"));
    modeCombo->addItems({QStringLiteral("練習"), QStringLiteral("テスト")});
    form->addRow(QStringLiteral("種類(&M)"), modeCombo);
    furiganaCombo =
        named(new QComboBox(this), QStringLiteral("furiganaCombo"), QStringLiteral("ふりがな"));
    furiganaCombo->addItems(
        {QStringLiteral("表示しない"), QStringLiteral("常に"), QStringLiteral("間違えた後")});
    form->addRow(QStringLiteral("ふりがな(&U)"), furiganaCombo);
    romajiCheck = named(new QCheckBox(QStringLiteral("ローマ字入力(&A)"), this),
                        QStringLiteral("romajiCheck"), QStringLiteral("ローマ字入力"));
    byReadingCheck = named(new QCheckBox(QStringLiteral("読みで答える(&Y)"), this),
                           QStringLiteral("byReadingCheck"), QStringLiteral("読みで答える"));
    form->addRow(romajiCheck);
    form->addRow(byReadingCheck);
    handInEdit = named(new QLineEdit(this), QStringLiteral("handInEdit"),
                       QStringLiteral("提出先のフォルダー"));
    handInEdit->setPlaceholderText(QStringLiteral("例: //server/class/2-1 （空欄なら提出しない）"));
    form->addRow(QStringLiteral("提出先のフォルダー(&D)"), handInEdit);

    buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("buttons"));
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("保存(&V)..."));
    form->addRow(buttons);

    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(questionFileButton, &QPushButton::clicked, this, &TFrmAssignment::chooseQuestionFile);
    connect(seedButton, &QPushButton::clicked, this,
            [this] { seedEdit->setText(QString::number(newSeed())); });
    for (QLineEdit* edit : {questionFileEdit, seedEdit})
        connect(edit, &QLineEdit::textChanged, this, &TFrmAssignment::followControls);
    for (QCheckBox* check : levelChecks)
        connect(check, &QCheckBox::toggled, this, &TFrmAssignment::followControls);
}

// A new assignment is offered a new seed; one being changed keeps its own.
void TFrmAssignment::setAssignment(const Assignment& assignment)
{
    edited = assignment;
    titleEdit->setText(assignment.title);
    questionFileEdit->setText(assignment.questionFile);
    for (int level = 0; level < 3; ++level)
        levelChecks[level]->setChecked(assignment.levels.contains(level));
    countSpin->setValue(assignment.questionsPerGame);
    secondsSpin->setValue(assignment.secondsPerQuestion);
    seedEdit->setText(QString::number(assignment.seed == 0 ? newSeed() : assignment.seed));
    modeCombo->setCurrentIndex(assignment.mode == AssignmentMode::Test ? 1 : 0);
    furiganaCombo->setCurrentIndex(int(assignment.furigana));
    romajiCheck->setChecked(assignment.romajiInput);
    byReadingCheck->setChecked(assignment.answerByReading);
    handInEdit->setText(assignment.handInFolder);
    followControls();
}

Assignment TFrmAssignment::assignment() const
{
    Assignment made = edited;
    made.title = titleEdit->text().trimmed();
    made.questionFile = questionFileEdit->text().trimmed();
    made.levels.clear();
    for (int level = 0; level < 3; ++level) {
        if (levelChecks[level]->isChecked())
            made.levels.append(level);
    }
    made.questionsPerGame = countSpin->value();
    made.secondsPerQuestion = secondsSpin->value();
    made.seed = seedEdit->text().toULongLong();
    made.mode = modeCombo->currentIndex() == 1 ? AssignmentMode::Test : AssignmentMode::Practice;
    made.furigana = Furigana(furiganaCombo->currentIndex());
    made.romajiInput = romajiCheck->isChecked();
    made.answerByReading = byReadingCheck->isChecked();
    made.handInFolder = handInEdit->text().trimmed();
    return made;
}

void TFrmAssignment::chooseQuestionFile()
{
    OpenFileRequest request = QuestionFile::openRequest();
    request.presetFile = questionFileEdit->text();
    if (const std::optional<QString> chosen = fileDialog.getOpenFileName(request))
        questionFileEdit->setText(*chosen);
}

void TFrmAssignment::followControls()
{
    const Assignment made = assignment();
    bool seedRead = false;
    seedEdit->text().toULongLong(&seedRead);
    buttons->button(QDialogButtonBox::Ok)
        ->setEnabled(!made.questionFile.isEmpty() && !made.levels.isEmpty() && seedRead);
}
