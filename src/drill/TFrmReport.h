#pragma once

#include "drill/ReportFigures.h"
#include "schedule/Grade.h"

#include "widgets/ProgramDialog.h"

#include <array>
#include <optional>

class BevelPanel;
class QPushButton;

// "成績発表": the four figures of the last game beside their labels, and OK. Created once and
// reused; every report overwrites all four figures.
class TFrmReport : public ProgramDialog
{
    Q_OBJECT

public:
    explicit TFrmReport(QWidget* parent = nullptr);

    void setFigures(const ReportTexts& texts);
    // The figures of a game, its time-outs and, for a review game, its grades.
    void setReport(const ReportInputs& inputs, int timeOutCount,
                   const std::optional<GradeCounts>& grades);
    // How many questions of the game ran out of time; with none the answers' button is off.
    void setTimeOutCount(int count);
    // A review game's grades, in rows of their own below the figures; nothing for other games.
    void setGrades(const std::optional<GradeCounts>& grades);

    BevelPanel* RPanel1;
    BevelPanel* RPanel2;
    BevelPanel* RPanel3;
    BevelPanel* RPanel4;
    std::array<BevelPanel*, 4> GPanel;
    QPushButton* BitBtn1;
    QPushButton* BitBtn2;

signals:
    // The answers' button: the game's time-outs are wanted beside what was typed.
    void timeOutsRequested();

private:
    BevelPanel* createRow(int row, const QString& caption, const QString& name);
    void placeButtons(int rows);

    std::array<BevelPanel*, 4> gradeCaptions;
};
