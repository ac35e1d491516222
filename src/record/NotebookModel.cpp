#include "record/NotebookModel.h"

#include "questions/TextCodec.h"
#include "record/NotebookRule.h"

namespace {

QString secondsText(const PairProgress& progress)
{
    const std::optional<double> seconds = NotebookRule::averageCorrectSeconds(progress);
    return seconds ? QStringLiteral("%1秒").arg(*seconds, 0, 'f', 1) : QStringLiteral("-");
}

} // namespace

void NotebookModel::setEntries(QList<NotebookEntry> entries)
{
    beginResetModel();
    rows = std::move(entries);
    endResetModel();
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
    if (role == SortRole) {
        switch (index.column()) {
        case MissesColumn:
            return progress.misses;
        case CorrectsColumn:
            return progress.corrects;
        case AverageColumn:
            // Pairs never answered correctly are the slowest.
            return NotebookRule::averageCorrectSeconds(progress).value_or(1e9);
        default:
            return data(index, Qt::DisplayRole);
        }
    }
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
