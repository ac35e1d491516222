#pragma once

#include "settings/ReviewSettings.h"

#include "widgets/ProgramDialog.h"

class MessageBox;
class QDoubleSpinBox;
class QLineEdit;
class QPushButton;
class QSpinBox;
struct ParameterProblem;

// "復習の設定": the retention today's review aims for, its longest interval, the new pairs it
// brings in a day and the memory model's 21 weights. The dialog edits a copy of the owner's
// settings; OK takes the fields only once each is checked, and a refused one is told and focused
// with the dialog left open.
class TFrmReviewSetting : public ProgramDialog
{
    Q_OBJECT

public:
    static inline const QString Caption = QStringLiteral("復習の設定");

    explicit TFrmReviewSetting(MessageBox& messageBox, QWidget* parent = nullptr);

    // The settings to show at the next opening.
    void setValues(const ReviewSettings& settings) { edited = settings; }
    // What was handed in, as confirmed by OK since.
    ReviewSettings values() const { return edited; }

    QDoubleSpinBox* retentionBox;
    QSpinBox* longestIntervalBox;
    QSpinBox* newPairsBox;
    QLineEdit* weightsEdit;
    QPushButton* defaultWeightsButton;
    QPushButton* BitBtn1; // OK
    QPushButton* BitBtn2; // キャンセル
    QPushButton* BitBtn3; // ヘルプ

    void FormShow() override;
    void BitBtn1Click();
    void defaultWeightsButtonClick();
    void BitBtn3Click();

private:
    void createControls();
    void refuse(const ParameterProblem& problem, QWidget* field);

    MessageBox& messageBox;
    ReviewSettings edited;
};
