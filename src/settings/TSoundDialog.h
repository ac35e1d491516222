#pragma once

#include "settings/DrillSettings.h"

#include "widgets/ProgramDialog.h"

class FileDialog;
class QLabel;
class QLineEdit;
class QPushButton;

// "効果音の設定": the wave files played for a correct answer, a mistake and a time-out. The
// dialog edits a copy of the owner's settings; the copy takes the three paths only on OK. A path
// is taken as typed or chosen, unchecked: an empty one means no file.
class TSoundDialog : public ProgramDialog
{
    Q_OBJECT

public:
    explicit TSoundDialog(FileDialog& fileDialog, QWidget* parent = nullptr);

    // The settings to show at the next opening.
    void setValues(const DrillSettings& settings);
    // What was handed in, with the three paths as confirmed by OK since.
    DrillSettings values() const { return edited; }

    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLineEdit* Edit1;
    QLineEdit* Edit2;
    QLineEdit* Edit3;
    QPushButton* Button1;
    QPushButton* Button2;
    QPushButton* Button3;
    QPushButton* BitBtn1;
    QPushButton* BitBtn2;
    QPushButton* BitBtn3;

    void FormShow() override;
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void BitBtn1Click();
    void BitBtn3Click();

private:
    void createControls();
    void createRow(int row, QLabel*& label, QLineEdit*& edit, QPushButton*& button,
                   const QString& caption);
    void chainTabOrder();
    void browse(QLineEdit* edit);

    FileDialog& fileDialog;
    DrillSettings edited;
    // The file dialog's current file: the one last confirmed in it during this run, for any of
    // the three events.
    QString lastChosenFile;
};
