#include "record/NotebookModel.h"

#include "questions/TextCodec.h"

#include "record/NotebookRule.h"
#include "record/ScheduleTime.h"
#include <algorithm>
#include <cmath>
#include <numeric>
#include <utility>
#include <vector>

namespace {

QString secondsText(const PairProgress& progress)
{
    const std::optional<double> seconds = NotebookRule::averageCorrectSeconds(progress);
    return seconds ? QStringLiteral("%1秒").arg(*seconds, 0, 'f', 1) : QStringLiteral("-");
}

// Pairs never answered correctly are the slowest.
double averageForSorting(const PairProgress& progress)
{
    return NotebookRule::averageCorrectSeconds(progress).value_or(1e300);
}

QString nextReviewText(const NotebookEntry& entry)
{
    if (!entry.schedule)
        return QStringLiteral("-");
    return ScheduleTime::dateTimeOf(entry.schedule->due)
        .toLocalTime()
        .toString(QStringLiteral("yyyy/MM/dd HH:mm"));
}

bool isTextColumn(int column)
{
    return column == NotebookModel::QuestionColumn || column == NotebookModel::AnswerColumn ||
           column == NotebookModel::TypedColumn;
}

QString answeredByText(const PairProgress& progress)
{
    return progress.lastAnsweredBy ? AnswerForms::name(*progress.lastAnsweredBy)
                                   : QStringLiteral("-");
}

QString textKey(int column, const NotebookEntry& entry)
{
    switch (column) {
    case NotebookModel::QuestionColumn:
        return TextCodec::decode(entry.pair.question);
    case NotebookModel::AnswerColumn:
        return TextCodec::decode(entry.pair.answer);
    default:
        return TextCodec::decode(entry.progress.lastTimeOutTyped);
    }
}

// Pairs with no schedule come after every scheduled one, as the least known.
double numberKey(int column, const NotebookEntry& entry, std::optional<double> recall,
                 bool byReading)
{
    switch (column) {
    case NotebookModel::AnsweredByColumn:
        return entry.progress.lastAnsweredBy ? int(*entry.progress.lastAnsweredBy) : -1;
    case NotebookModel::ByReadingColumn:
        return byReading ? 1 : 0;
    case NotebookModel::MissesColumn:
        return entry.progress.misses;
    case NotebookModel::CorrectsColumn:
        return entry.progress.corrects;
    case NotebookModel::NextReviewColumn:
        return entry.schedule ? double(entry.schedule->due.time_since_epoch().count()) : 1e300;
    case NotebookModel::RecallColumn:
        return recall.value_or(-1);
    default:
        return averageForSorting(entry.progress);
    }
}

// Each shown entry's key is computed once, beside its position, and only the positions move:
// the entries are neither copied nor moved, whatever the number of comparisons.
template <typename KeyOf>
void sortPositions(std::vector<qsizetype>& positions, KeyOf keyOf, Qt::SortOrder order)
{
    using Key = decltype(keyOf(qsizetype(0)));
    std::vector<std::pair<Key, qsizetype>> keyed;
    keyed.reserve(positions.size());
    for (const qsizetype position : positions)
        keyed.emplace_back(keyOf(position), position);
    if (order == Qt::AscendingOrder)
        std::stable_sort(keyed.begin(), keyed.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
    else
        std::stable_sort(keyed.begin(), keyed.end(),
                         [](const auto& a, const auto& b) { return b.first < a.first; });
    for (std::size_t row = 0; row < keyed.size(); ++row)
        positions[row] = keyed[row].second;
}

} // namespace

void NotebookModel::setEntries(QList<NotebookEntry> entries)
{
    beginResetModel();
    given = std::move(entries);
    chosen.clear();
    positions.resize(given.size());
    std::iota(positions.begin(), positions.end(), 0);
    sortRows();
    endResetModel();
}

void NotebookModel::setRecall(const Scheduler& scheduler, const QDateTime& now)
{
    recall = scheduler;
    recallAt = now;
    if (!positions.empty())
        emit dataChanged(index(0, RecallColumn), index(rowCount() - 1, RecallColumn));
}

std::optional<double> NotebookModel::recallOf(const NotebookEntry& entry) const
{
    if (!entry.schedule || !recallAt.isValid())
        return std::nullopt;
    return recall.retrievability(*entry.schedule, ScheduleTime::instantOf(recallAt));
}

void NotebookModel::sort(int column, Qt::SortOrder order)
{
    if (column < 0 || column >= ColumnCount)
        return;
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList before = persistentIndexList();
    std::vector<qsizetype> held;
    held.reserve(before.size());
    for (const QModelIndex& index : before)
        held.push_back(positions[index.row()]);
    sortColumn = column;
    sortOrder = order;
    sortRows();
    // Persistent indexes (the selection) follow their rows to where the sort put them.
    QModelIndexList after;
    for (qsizetype k = 0; k < before.size(); ++k) {
        const auto found = std::find(positions.cbegin(), positions.cend(), held[k]);
        after << index(static_cast<int>(found - positions.cbegin()), before[k].column());
    }
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void NotebookModel::sortRows()
{
    const int column = sortColumn;
    if (positions.empty())
        return;
    if (isTextColumn(column))
        sortPositions(
            positions,
            [this, column](qsizetype position) { return textKey(column, given[position]); },
            sortOrder);
    else
        sortPositions(
            positions,
            [this, column](qsizetype position) {
                const NotebookEntry& entry = given[position];
                return numberKey(column, entry,
                                 column == RecallColumn ? recallOf(entry) : std::nullopt,
                                 chosen.value(position, entry.progress.answerByReading));
            },
            sortOrder);
}

// The entry stays in given, never shown again: given is shared with the caller's list, which
// taking it out of would copy.
bool NotebookModel::removeEntry(int row)
{
    if (row < 0 || row >= rowCount())
        return false;
    beginRemoveRows({}, row, row);
    positions.erase(positions.begin() + row);
    endRemoveRows();
    return true;
}

int NotebookModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(positions.size());
}

int NotebookModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant NotebookModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const NotebookEntry& entry = this->entry(index.row());
    const PairProgress& progress = entry.progress;
    if (role == Qt::TextAlignmentRole && index.column() != QuestionColumn &&
        index.column() != AnswerColumn && index.column() != TypedColumn &&
        index.column() != AnsweredByColumn)
        return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    if (index.column() == ByReadingColumn)
        return byReadingData(index.row(), role);
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole)
        return {};
    switch (index.column()) {
    case QuestionColumn:
        return TextCodec::decode(entry.pair.question);
    case AnswerColumn:
        return TextCodec::decode(entry.pair.answer);
    case MissesColumn:
        return QString::number(progress.misses);
    case CorrectsColumn:
        return QString::number(progress.corrects);
    case AverageColumn:
        return secondsText(progress);
    case AnsweredByColumn:
        return answeredByText(progress);
    case TypedColumn:
        return TextCodec::decode(progress.lastTimeOutTyped);
    case NextReviewColumn:
        return nextReviewText(entry);
    case RecallColumn:
        if (const std::optional<double> chance = recallOf(entry))
            return QStringLiteral("%1%").arg(std::lround(*chance * 100));
        return QStringLiteral("-");
    }
    return {};
}

QVariant NotebookModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case QuestionColumn:
        return QStringLiteral("問題");
    case AnswerColumn:
        return QStringLiteral("答え");
    case MissesColumn:
        return QStringLiteral("時間切れ");
    case CorrectsColumn:
        return QStringLiteral("正解");
    case AverageColumn:
        return QStringLiteral("正解平均");
    case AnsweredByColumn:
        return QStringLiteral("答え方");
    case TypedColumn:
        return QStringLiteral("最後の入力");
    case NextReviewColumn:
        return QStringLiteral("次の復習");
    case RecallColumn:
        return QStringLiteral("思い出せる見込み");
    case ByReadingColumn:
        return QStringLiteral("読みで答える");
    }
    return {};
}

bool NotebookModel::answerByReading(int row) const
{
    const qsizetype position = positions[row];
    return chosen.value(position, given[position].progress.answerByReading);
}

bool NotebookModel::offersByReading(int row) const
{
    const PairReading* reading = readings.readingOf(entry(row).pair);
    return reading && !reading->reading.isEmpty();
}

// A pair without a reading has no box: there is nothing to answer it by.
QVariant NotebookModel::byReadingData(int row, int role) const
{
    if (!offersByReading(row))
        return role == Qt::AccessibleTextRole ? QStringLiteral("よみなし") : QVariant();
    const bool on = answerByReading(row);
    if (role == Qt::CheckStateRole)
        return on ? Qt::Checked : Qt::Unchecked;
    if (role == Qt::AccessibleTextRole)
        return on ? QStringLiteral("読みで答える") : QStringLiteral("読みで答えない");
    return {};
}

Qt::ItemFlags NotebookModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags shown = QAbstractTableModel::flags(index);
    if (index.isValid() && index.column() == ByReadingColumn && offersByReading(index.row()))
        shown |= Qt::ItemIsUserCheckable;
    return shown;
}

bool NotebookModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::CheckStateRole || !(flags(index) & Qt::ItemIsUserCheckable))
        return false;
    const bool on = value.toInt() == Qt::Checked;
    chosen.insert(positions[index.row()], on);
    emit dataChanged(index, index);
    emit answerByReadingChosen(entry(index.row()).pair, on);
    return true;
}
