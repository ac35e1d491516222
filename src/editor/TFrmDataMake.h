#pragma once

#include "editor/EditorDocument.h"
#include "questions/QuestionItem.h"
#include "readings/PairReading.h"

#include "widgets/ProgramDialog.h"

#include <array>
#include <optional>

class FileDialog;
class MessageBox;
class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableView;
class ReadingProposer;

// "データ編集": the user's own question files, one level at a time as a list of pairs with their
// readings, changed pair by pair and saved back to the file they came from. Created once and hidden
// between openings, so the bank, the list, the boxes and the path stay as the user left them.
class TFrmDataMake : public ProgramDialog
{
    Q_OBJECT

public:
    static inline const QString Caption = QStringLiteral("データ編集");

    TFrmDataMake(FileDialog& fileDialog, MessageBox& messageBox, ReadingProposer& proposer,
                 QWidget* parent = nullptr);

    const EditorDocument& document() const { return editor; }

    QGroupBox* RadioGroup1;
    std::array<QRadioButton*, 3> RadioGroup1Items;
    QTableView* ListView1;
    QPushButton* BitBtn1;
    QPushButton* BitBtn2;
    QPushButton* BitBtn3;
    QLabel* Panel1;
    QLineEdit* Edit1;
    QLabel* Panel2;
    QLineEdit* Edit2;
    QLabel* Panel3;
    QLineEdit* Edit3; // the reading
    QLabel* Panel4;
    QLineEdit* Edit4; // the alternatives
    QPushButton* Button1;
    QPushButton* Button2;
    QPushButton* Button3;
    QPushButton* Button4;
    QPushButton* Button5; // 読みを提案

    void FillList();
    void RadioGroup1Click();
    void ListView1Click();
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();
    void Button5Click();
    void BitBtn1Click();
    void BitBtn3Click();

private:
    void FormCreate();
    void FormShow() override;
    void createControls();
    void createLevelGroup();
    void createList();
    void createEditRow(int top, QLabel*& panel, QLineEdit*& edit, const QString& name,
                       const QString& caption);
    void connectHandlers();
    void chainTabOrder();

    int selectedLevel() const;
    // The first selected row from the top; the view's selection is the only record of it.
    std::optional<int> selectedRow() const;
    struct TypedPair
    {
        QuestionItem item;
        PairReading reading;
    };
    // The boxes as a pair the file can hold with a reading that can be used, or nothing once
    // the user has been told why not.
    std::optional<TypedPair> typedPair();
    void clearBoxes();

    FileDialog& fileDialog;
    MessageBox& messageBox;
    ReadingProposer& proposer;
    EditorDocument editor;
    QButtonGroup* levels;
};
