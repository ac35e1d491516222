#include "results/ReviewPlanModels.h"

#include <algorithm>
#include <cmath>

namespace {

const QString Weekdays = QStringLiteral("日月火水木金土");

int sundayIndex(QDate date)
{
    return date.dayOfWeek() % 7;
}

QString percentText(double share)
{
    return QString::number(share * 100, 'f', 1) + u'%';
}

} // namespace

namespace ReviewPlanText {

QString dayText(QDate date)
{
    return QStringLiteral("%1年%2月%3日(%4)")
        .arg(date.year())
        .arg(date.month())
        .arg(date.day())
        .arg(Weekdays[sundayIndex(date)]);
}

QString shareText(const RetentionTally& tally)
{
    return tally.due == 0 ? QStringLiteral("―") : percentText(double(tally.passed) / tally.due);
}

QString runText(const ReviewPlan& plan)
{
    return plan.runFillsCalendar ? QStringLiteral("%1日以上").arg(plan.clearedRun)
                                 : QStringLiteral("%1日").arg(plan.clearedRun);
}

} // namespace ReviewPlanText

void DueForecastModel::setDays(std::vector<int> given, QDate day)
{
    beginResetModel();
    counts = std::move(given);
    today = day;
    maximum = counts.empty() ? 0 : *std::max_element(counts.begin(), counts.end());
    endResetModel();
}

int DueForecastModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 1;
}

int DueForecastModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(counts.size());
}

QVariant DueForecastModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const int count = counts[std::size_t(index.column())];
    switch (role) {
    case Qt::DisplayRole:
        return count;
    case MaximumRole:
        return maximum;
    case Qt::AccessibleTextRole:
    case Qt::ToolTipRole:
        return QStringLiteral("%1 %2件")
            .arg(ReviewPlanText::dayText(today.addDays(index.column())))
            .arg(count);
    }
    return {};
}

QVariant DueForecastModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return QStringLiteral("期日の数");
    const QDate day = today.addDays(section);
    return day.day() == 1 ? QStringLiteral("%1/%2").arg(day.month()).arg(day.day())
                          : QString::number(day.day());
}

void ReviewCalendarModel::setDays(std::vector<int> given, QDate today)
{
    beginResetModel();
    reviews = std::move(given);
    firstDay = today.addDays(1 - qint64(reviews.size()));
    firstSunday = firstDay.addDays(-sundayIndex(firstDay));
    maximum = reviews.empty() ? 0 : *std::max_element(reviews.begin(), reviews.end());
    endResetModel();
}

QModelIndex ReviewCalendarModel::indexOf(QDate date) const
{
    const qint64 day = firstSunday.daysTo(date);
    return index(int(day % 7), int(day / 7));
}

int ReviewCalendarModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 7;
}

int ReviewCalendarModel::columnCount(const QModelIndex& parent) const
{
    if (parent.isValid() || reviews.empty())
        return 0;
    return int(firstSunday.daysTo(firstDay.addDays(qint64(reviews.size()) - 1)) / 7) + 1;
}

// A day outside the calendar, before its first day or after today, is an empty cell.
QDate ReviewCalendarModel::dateAt(const QModelIndex& index) const
{
    const QDate date = firstSunday.addDays(index.column() * 7 + index.row());
    const qint64 day = firstDay.daysTo(date);
    return day >= 0 && day < qint64(reviews.size()) ? date : QDate();
}

QDate ReviewCalendarModel::weekStart(int column) const
{
    return firstSunday.addDays(column * 7);
}

Qt::ItemFlags ReviewCalendarModel::flags(const QModelIndex& index) const
{
    return dateAt(index).isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

QVariant ReviewCalendarModel::data(const QModelIndex& index, int role) const
{
    const QDate date = index.isValid() ? dateAt(index) : QDate();
    if (!date.isValid())
        return {};
    const int count = reviews[std::size_t(firstDay.daysTo(date))];
    switch (role) {
    case HeatRole:
        return count == 0 ? 0 : int(std::ceil(double(HeatLevels) * count / maximum));
    case Qt::AccessibleTextRole:
    case Qt::ToolTipRole:
        return QStringLiteral("%1 復習%2回").arg(ReviewPlanText::dayText(date)).arg(count);
    }
    return {};
}

QVariant ReviewCalendarModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Vertical)
        return role == Qt::DisplayRole ? QVariant(QString(Weekdays[section])) : QVariant();
    if (role != MonthRole)
        return {};
    const QDate start = section == 0 ? firstDay : weekStart(section);
    const QDate end = weekStart(section).addDays(6);
    if (section == 0 || start.day() == 1)
        return QStringLiteral("%1月").arg(start.month());
    return start.month() != end.month() ? QStringLiteral("%1月").arg(end.month()) : QString();
}

void RetentionModel::setPlan(const ReviewPlan& plan)
{
    beginResetModel();
    tallies = {plan.lastMonth, plan.calendar};
    desired = plan.desiredRetention;
    endResetModel();
}

int RetentionModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(tallies.size());
}

int RetentionModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 4;
}

QVariant RetentionModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::AccessibleTextRole))
        return {};
    const RetentionTally& tally = tallies[std::size_t(index.row())];
    switch (index.column()) {
    case 0:
        return QString::number(tally.due);
    case 1:
        return QString::number(tally.passed);
    case 2:
        return ReviewPlanText::shareText(tally);
    default:
        return percentText(desired);
    }
}

QVariant RetentionModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section == 0 ? QStringLiteral("直近30日") : QStringLiteral("直近1年");
    static const std::array<QString, 4> names{
        QStringLiteral("期日の来た復習"), QStringLiteral("思い出せた"),
        QStringLiteral("実際の正答率"), QStringLiteral("目標の正答率")};
    return names[std::size_t(section)];
}
