#include "editor/QuestionTableModel.h"

#include "questions/TextCodec.h"

namespace {

const QString Headers[] = {QStringLiteral("問題"), QStringLiteral("回答")};

// A screen reader reads a row as one pair wherever in it the focus stands, and says so when a
// text is empty instead of falling silent.
QString spokenPair(const QString& question, const QString& answer)
{
    const QString empty = QStringLiteral("空欄");
    return QStringLiteral("%1 %2、%3 %4")
        .arg(Headers[0], question.isEmpty() ? empty : question, Headers[1],
             answer.isEmpty() ? empty : answer);
}

} // namespace

QuestionTableModel::QuestionTableModel(QuestionBank& bank, QObject* parent)
    : QAbstractTableModel(parent), bank(bank)
{}

void QuestionTableModel::setLevel(int level)
{
    beginResetModel();
    shownLevel = level;
    endResetModel();
}

void QuestionTableModel::replaceBank(QuestionBank contents)
{
    beginResetModel();
    bank = std::move(contents);
    endResetModel();
}

bool QuestionTableModel::replacePair(int row, QuestionItem item)
{
    if (!bank.SetItem(shownLevel, row, std::move(item.question), std::move(item.answer)))
        return false;
    emit dataChanged(index(row, QuestionColumn), index(row, AnswerColumn));
    return true;
}

bool QuestionTableModel::deletePair(int row)
{
    if (row < 0 || row >= rowCount())
        return false;
    beginRemoveRows({}, row, row);
    bank.Delete(shownLevel, row);
    endRemoveRows();
    return true;
}

void QuestionTableModel::appendPair(QuestionItem item)
{
    const int row = rowCount();
    beginInsertRows({}, row, row);
    bank.Add(shownLevel, std::move(item.question), std::move(item.answer));
    endInsertRows();
}

int QuestionTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : bank.Count(shownLevel);
}

int QuestionTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant QuestionTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const QuestionView item = bank.view(shownLevel, index.row());
    switch (role) {
    case Qt::DisplayRole:
        return TextCodec::decode(index.column() == QuestionColumn ? item.question : item.answer);
    case Qt::AccessibleTextRole:
        return spokenPair(TextCodec::decode(item.question), TextCodec::decode(item.answer));
    default:
        return {};
    }
}

QVariant QuestionTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= ColumnCount)
        return {};
    return Headers[section];
}

Qt::ItemFlags QuestionTableModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemNeverHasChildren;
}
