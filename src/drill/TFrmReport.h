#pragma once

#include "drill/ReportFigures.h"

#include "widgets/ProgramDialog.h"

#include <array>

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
    // How many questions of the game ran out of time; with none the answers' button is off.
    void setTimeOutCount(int count);

    BevelPanel* RPanel1;
    BevelPanel* RPanel2;
    BevelPanel* RPanel3;
    BevelPanel* RPanel4;
    QPushButton* BitBtn1;
    QPushButton* BitBtn2;

signals:
    // The answers' button: the game's time-outs are wanted beside what was typed.
    void timeOutsRequested();

private:
    BevelPanel* createRow(int row, const QString& caption);
};
