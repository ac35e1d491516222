#pragma once

#include "classroom/Assignment.h"
#include "widgets/ProgramDialog.h"

#include <array>
#include <functional>

class FileDialog;
class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QLineEdit;
class QPushButton;
class QSpinBox;

// 課題の作成: the teacher sets an assignment's question file, levels, length, seed and choices
// on a copy of an Assignment; the caller saves it.
class TFrmAssignment : public ProgramDialog
{
    Q_OBJECT

public:
    TFrmAssignment(FileDialog& fileDialog, std::function<quint64()> newSeed, QWidget* parent);

    // The question file is shown as an absolute path.
    void setAssignment(const Assignment& assignment);
    Assignment assignment() const;

    QLineEdit* titleEdit;
    QLineEdit* questionFileEdit;
    QPushButton* questionFileButton;
    std::array<QCheckBox*, 3> levelChecks;
    QSpinBox* countSpin;
    QSpinBox* secondsSpin;
    QLineEdit* seedEdit;
    QPushButton* seedButton;
    QComboBox* modeCombo;
    QComboBox* furiganaCombo;
    QCheckBox* romajiCheck;
    QCheckBox* byReadingCheck;
    QLineEdit* handInEdit;
    QDialogButtonBox* buttons;

private:
    void createControls();
    void chooseQuestionFile();
    // OK once there is a question file, a level and a seed.
    void followControls();

    FileDialog& fileDialog;
    std::function<quint64()> newSeed;
    Assignment edited;
};
