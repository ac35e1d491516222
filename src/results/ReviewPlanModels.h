#pragma once

#include "schedule/ReviewPlan.h"

#include <QAbstractTableModel>
#include <QDate>

// 復習の予定 as three tables, so that a screen reader reads each figure the page draws: every
// cell's accessible text names its day and its count.

// The coming days, one column each, today first; the view draws each count as a bar.
class DueForecastModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    // The largest count, for the bars' scale.
    static constexpr int MaximumRole = Qt::UserRole;

    using QAbstractTableModel::QAbstractTableModel;
    void setDays(std::vector<int> counts, QDate today);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    std::vector<int> counts;
    QDate today;
    int maximum = 0;
};

// The calendar's days as weeks from Sunday, one column a week, a row a weekday; HeatRole ranks a
// day's reviews from 0 (none) to 4 (near the busiest day). A week's MonthRole names the month
// that begins in it: too long for its narrow column, the header draws it across the next ones.
class ReviewCalendarModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    static constexpr int HeatRole = Qt::UserRole;
    static constexpr int MonthRole = Qt::UserRole + 1;
    static constexpr int HeatLevels = 4;

    using QAbstractTableModel::QAbstractTableModel;
    void setDays(std::vector<int> reviews, QDate today);
    QModelIndex indexOf(QDate date) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    QDate dateAt(const QModelIndex& index) const;
    QDate weekStart(int column) const;

    std::vector<int> reviews;
    QDate firstDay;
    QDate firstSunday;
    int maximum = 0;
};

// The retention achieved over the last 30 days and the year, beside the one the learner asked
// the scheduler for.
class RetentionModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    using QAbstractTableModel::QAbstractTableModel;
    void setPlan(const ReviewPlan& plan);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    std::array<RetentionTally, 2> tallies;
    double desired = 0;
};

namespace ReviewPlanText {

// e.g. 2026年3月4日(水)
QString dayText(QDate date);
// e.g. 91.3% ; a dash when nothing came due.
QString shareText(const RetentionTally& tally);
// The run as the page shows it: 12日, or 366日以上 when it reaches past the calendar.
QString runText(const ReviewPlan& plan);

} // namespace ReviewPlanText
