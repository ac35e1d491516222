#pragma once

#include "record/TimeOutModel.h"

#include "widgets/ProgramDialog.h"

class QPushButton;
class QTableView;

// "時間切れの答え": the last game's time-outs, each expected answer beside what was typed.
class TFrmTimeOuts : public ProgramDialog
{
    Q_OBJECT

public:
    static inline const QString Caption = QStringLiteral("時間切れの答え");

    explicit TFrmTimeOuts(QWidget* parent = nullptr);

    void setEntries(const QList<TimeOutEntry>& entries);

    QTableView* ListView1;
    QPushButton* BitBtn1;

private:
    TimeOutModel rows;
};
