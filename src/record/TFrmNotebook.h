#pragma once

#include "questions/QuestionBank.h"
#include "record/NotebookModel.h"
#include "record/ReviewGame.h"

#include "widgets/ProgramDialog.h"

#include <array>

class FileDialog;
class MessageBox;
class NotebookEdits;
class RecordQueries;
class QComboBox;
class QPushButton;
class QTableView;

// "間違いノート": the loaded file's pairs that the record holds as missed or slow, one level at a
// time; a review game over them, removal by hand, the choice to answer a pair by its reading and
// export as a question file of their own.
class TFrmNotebook : public ProgramDialog
{
    Q_OBJECT

public:
    static inline const QString Caption = QStringLiteral("間違いノート");

    TFrmNotebook(RecordQueries& record, NotebookEdits& edits, FileDialog& fileDialog,
                 MessageBox& messageBox, QWidget* parent = nullptr);

    // Reads the notebook afresh for the bank's pairs and shows the level, with each pair's chance
    // of recall now as the scheduler reckons it; a pair with a reading can be chosen to be
    // answered by it in the review game.
    void showBank(const QuestionBank& bank, int level, const Scheduler& scheduler,
                  const AcceptedAnswers& readings);
    int level() const;

    QComboBox* ComboBox1;
    QTableView* ListView1;
    QPushButton* BitBtn1; // 復習ゲーム: closes with Accepted, the review of level() is wanted
    QPushButton* BitBtn2; // 削除
    QPushButton* BitBtn3; // 書き出し
    QPushButton* BitBtn4; // 閉じる

    void ComboBox1Change();
    void BitBtn2Click();
    void BitBtn3Click();
    void ListView1ByReadingChosen(const QuestionItem& pair, bool on);

protected:
    void hideEvent(QHideEvent* event) override;

private:
    void createControls();
    void refreshButtons();

    RecordQueries& record;
    NotebookEdits& edits;
    FileDialog& fileDialog;
    MessageBox& messageBox;
    // The loaded file's notebook pairs, per level; read at each showBank() and let go when the
    // window hides, since over a large record they take tens of megabytes.
    ReviewGame::LevelEntries levels;
    NotebookModel entries;
};
