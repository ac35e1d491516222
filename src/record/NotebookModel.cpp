#include "record/NotebookModel.h"

#include "questions/TextCodec.h"

#include "record/NotebookRule.h"
#include <algorithm>
#include <numeric>
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

bool isTextColumn(int column)
{
    return column == NotebookModel::QuestionColumn || column == NotebookModel::AnswerColumn ||
           column == NotebookModel::TypedColumn;
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

double numberKey(int column, const NotebookEntry& entry)
{
    switch (column) {
    case NotebookModel::MissesColumn:
        return entry.progress.misses;
    case NotebookModel::CorrectsColumn:
        return entry.progress.corrects;
    default:
        return averageForSorting(entry.progress);
    }
}

// Each row's key is computed once, and the rows move once, whatever the number of comparisons.
template <typename KeyOf>
QList<NotebookEntry> sortedBy(QList<NotebookEntry> rows, KeyOf keyOf, Qt::SortOrder order)
{
    using Key = decltype(keyOf(rows.constFirst()));
    std::vector<Key> keys;
    keys.reserve(rows.size());
    for (const NotebookEntry& entry : std::as_const(rows))
        keys.push_back(keyOf(entry));
    std::vector<qsizetype> positions(rows.size());
    std::iota(positions.begin(), positions.end(), 0);
    if (order == Qt::AscendingOrder)
        std::stable_sort(positions.begin(), positions.end(),
                         [&keys](qsizetype a, qsizetype b) { return keys[a] < keys[b]; });
    else
        std::stable_sort(positions.begin(), positions.end(),
                         [&keys](qsizetype a, qsizetype b) { return keys[b] < keys[a]; });
    QList<NotebookEntry> sorted;
    sorted.reserve(rows.size());
    for (const qsizetype position : positions)
        sorted.append(std::move(rows[position]));
    return sorted;
}

} // namespace

void NotebookModel::setEntries(QList<NotebookEntry> entries)
{
    beginResetModel();
    rows = std::move(entries);
    sortRows();
    endResetModel();
}

void NotebookModel::sort(int column, Qt::SortOrder order)
{
    if (column < 0 || column >= ColumnCount)
        return;
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList before = persistentIndexList();
    QList<NotebookEntry> held;
    for (const QModelIndex& index : before)
        held << rows[index.row()];
    sortColumn = column;
    sortOrder = order;
    sortRows();
    // Persistent indexes (the selection) follow their rows to where the sort put them.
    QModelIndexList after;
    for (qsizetype k = 0; k < before.size(); ++k) {
        const auto found = std::find(rows.cbegin(), rows.cend(), held[k]);
        after << index(static_cast<int>(found - rows.cbegin()), before[k].column());
    }
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void NotebookModel::sortRows()
{
    if (rows.isEmpty())
        return;
    const int column = sortColumn;
    if (isTextColumn(column))
        rows = sortedBy(
            std::move(rows), [column](const auto& entry) { return textKey(column, entry); },
            sortOrder);
    else
        rows = sortedBy(
            std::move(rows), [column](const auto& entry) { return numberKey(column, entry); },
            sortOrder);
}

bool NotebookModel::removeEntry(int row)
{
    if (row < 0 || row >= rows.size())
        return false;
    beginRemoveRows({}, row, row);
    rows.removeAt(row);
    endRemoveRows();
    return true;
}

int NotebookModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(rows.size());
}

int NotebookModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant NotebookModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const NotebookEntry& entry = rows[index.row()];
    const PairProgress& progress = entry.progress;
    if (role == Qt::TextAlignmentRole && index.column() >= MissesColumn &&
        index.column() <= AverageColumn)
        return QVariant(Qt::AlignRight | Qt::AlignVCenter);
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
    case TypedColumn:
        return TextCodec::decode(progress.lastTimeOutTyped);
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
    case TypedColumn:
        return QStringLiteral("最後の入力");
    }
    return {};
}
