#include "settings/TFrmReviewSetting.h"

#include "help/HelpRouting.h"
#include "help/HelpTopics.h"
#include "platform/MessageBox.h"
#include "schedule/ScheduleMessages.h"
#include "widgets/HelpKeys.h"
#include "widgets/WindowParts.h"

#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

// The boxes take more than the scheduler does, so that a value out of range is told why rather
// than silently pulled to the nearer end.
constexpr double WidestRetention = 1.0;
constexpr int WidestInterval = 99999;

template <typename Box> Box* numberBox(QWidget* parent, const QString& name, const QString& spoken)
{
    auto* box = new Box(parent);
    box->setObjectName(name);
    box->setAccessibleName(spoken);
    box->setLocale(QLocale::c());
    return box;
}

} // namespace

TFrmReviewSetting::TFrmReviewSetting(MessageBox& messageBox, QWidget* parent)
    : ProgramDialog({QStringLiteral("TFrmReviewSetting"),
                     HelpTopics::ReviewSettingsContext,
                     Caption,
                     {560, 210}},
                    parent),
      messageBox(messageBox)
{
    createControls();
}

void TFrmReviewSetting::createControls()
{
    retentionBox = numberBox<QDoubleSpinBox>(this, QStringLiteral("retentionBox"),
                                             QStringLiteral("目標の正答率"));
    retentionBox->setRange(0.0, WidestRetention);
    retentionBox->setDecimals(2);
    retentionBox->setSingleStep(0.01);
    longestIntervalBox = numberBox<QSpinBox>(this, QStringLiteral("longestIntervalBox"),
                                             QStringLiteral("最大間隔（日）"));
    longestIntervalBox->setRange(0, WidestInterval);
    newPairsBox = numberBox<QSpinBox>(this, QStringLiteral("newPairsBox"),
                                      QStringLiteral("1日の新しい問題数"));
    newPairsBox->setRange(0, ReviewSettings::MostNewPairsPerDay);
    weightsEdit = new QLineEdit(this);
    weightsEdit->setObjectName(QStringLiteral("weightsEdit"));
    weightsEdit->setAccessibleName(QStringLiteral("パラメータ（21 個）"));
    defaultWeightsButton = WindowParts::layoutButton(this, QStringLiteral("defaultWeightsButton"),
                                                     QStringLiteral("既定値に戻す(&D)"),
                                                     QStringLiteral("既定値に戻す"));

    auto* weightsRow = new QHBoxLayout;
    weightsRow->addWidget(weightsEdit, 1);
    weightsRow->addWidget(defaultWeightsButton);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("目標の正答率(&R)"), retentionBox);
    form->addRow(QStringLiteral("最大間隔（日）(&I)"), longestIntervalBox);
    form->addRow(QStringLiteral("1日の新しい問題数(&N)"), newPairsBox);
    form->addRow(QStringLiteral("パラメータ（21 個）(&P)"), weightsRow);
    // The buddy of a row's label is its first field: the line, not the button beside it.
    static_cast<QLabel*>(form->labelForField(weightsRow))->setBuddy(weightsEdit);

    BitBtn1 = WindowParts::glyphButton(this, QStringLiteral("BitBtn1"), QStyle::SP_DialogOkButton,
                                       QStringLiteral("OK"), {});
    BitBtn1->setDefault(true);
    BitBtn2 =
        WindowParts::glyphButton(this, QStringLiteral("BitBtn2"), QStyle::SP_DialogCancelButton,
                                 QStringLiteral("キャンセル"), {});
    BitBtn3 = WindowParts::glyphButton(this, QStringLiteral("BitBtn3"), QStyle::SP_DialogHelpButton,
                                       QStringLiteral("ヘルプ(&H)"), {});
    BitBtn3->setAccessibleName(QStringLiteral("ヘルプ"));
    BitBtn3->setAutoDefault(false);
    HelpRouting::setContext(BitBtn3, HelpTopics::ReviewSettingsContext);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (QPushButton* button : {BitBtn1, BitBtn2, BitBtn3})
        buttons->addWidget(button);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(new QLabel(
        QStringLiteral(
            "パラメータは w0 から w20 までを、コンマか空白で区切って 1 行で貼り付けます。"),
        this));
    layout->addStretch(1);
    layout->addLayout(buttons);

    connect(BitBtn1, &QPushButton::clicked, this, &TFrmReviewSetting::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
    connect(BitBtn3, &QPushButton::clicked, this, &TFrmReviewSetting::BitBtn3Click);
    connect(defaultWeightsButton, &QPushButton::clicked, this,
            &TFrmReviewSetting::defaultWeightsButtonClick);
}

void TFrmReviewSetting::FormShow()
{
    retentionBox->setValue(edited.retention);
    longestIntervalBox->setValue(edited.maximumIntervalDays);
    newPairsBox->setValue(edited.newPairsPerDay);
    weightsEdit->setText(weightsText(edited.weights));
    retentionBox->setFocus();
}

void TFrmReviewSetting::BitBtn1Click()
{
    for (QAbstractSpinBox* box :
         std::initializer_list<QAbstractSpinBox*>{retentionBox, longestIntervalBox, newPairsBox})
        box->interpretText();
    if (const auto problem = checkRetention(retentionBox->value()))
        return refuse(*problem, retentionBox);
    if (const auto problem = checkMaximumInterval(longestIntervalBox->value()))
        return refuse(*problem, longestIntervalBox);
    const WeightsParse weights = parseWeights(weightsEdit->text().toStdString());
    if (weights.problem)
        return refuse(*weights.problem, weightsEdit);
    edited.retention = retentionBox->value();
    edited.maximumIntervalDays = longestIntervalBox->value();
    edited.newPairsPerDay = newPairsBox->value();
    edited.weights = *weights.weights;
    accept();
}

void TFrmReviewSetting::refuse(const ParameterProblem& problem, QWidget* field)
{
    messageBox.showError(ScheduleMessages::describe(problem, Language::Japanese));
    field->setFocus();
}

void TFrmReviewSetting::defaultWeightsButtonClick()
{
    weightsEdit->setText(weightsText(DefaultWeights));
    weightsEdit->setFocus();
}

void TFrmReviewSetting::BitBtn3Click()
{
    HelpKeys::ask(BitBtn3);
}
