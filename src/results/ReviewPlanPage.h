#pragma once

#include "results/ReviewPlanModels.h"

#include <QWidget>

class BevelPanel;
class QTableView;

// 復習の予定: the due counts of the coming 30 days as bars, the past year's reviews as a calendar
// with the run of days that ended with nothing due, and the retention achieved beside the one
// asked for. Each is a table a screen reader reads cell by cell; the drawing is the views'.
class ReviewPlanPage : public QWidget
{
    Q_OBJECT

public:
    static inline const QString Caption = QStringLiteral("復習の予定");

    explicit ReviewPlanPage(QWidget* parent);

    void setPlan(const ReviewPlan& plan, QDate today);

    QTableView* ForecastView;
    QTableView* CalendarView;
    QTableView* RetentionView;
    BevelPanel* RunPanel;

private:
    QTableView* table(const QString& name, const QString& spoken, QAbstractItemModel* model);

    DueForecastModel forecast;
    ReviewCalendarModel calendar;
    RetentionModel retention;
};
