#include "record/TimeOutModel.h"

#include "questions/TextCodec.h"
#include "record/AnswerDifference.h"

#include <algorithm>

void TimeOutModel::setEntries(QList<TimeOutEntry> entries)
{
    beginResetModel();
    rows = std::move(entries);
    endResetModel();
}

bool TimeOutModel::anyOtherForm() const
{
    return std::any_of(rows.cbegin(), rows.cend(), [](const TimeOutEntry& entry) {
        return entry.nearest.form != AnswerForm::Answer;
    });
}

int TimeOutModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(rows.size());
}

int TimeOutModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant TimeOutModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid) ||
        (role != Qt::DisplayRole && role != Qt::AccessibleTextRole))
        return {};
    const TimeOutEntry& entry = rows[index.row()];
    const QString expected = TextCodec::decode(entry.nearest.text);
    const QString typed = TextCodec::decode(entry.typed);
    const AnswerDifference difference = AnswerDifference::between(expected, typed);
    switch (index.column()) {
    case QuestionColumn:
        return TextCodec::decode(entry.pair.question);
    case ExpectedColumn:
        return difference.markedExpected(expected);
    case TypedColumn:
        return difference.markedTyped(typed);
    case FormColumn:
        return AnswerForms::name(entry.nearest.form);
    }
    return {};
}

QVariant TimeOutModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case QuestionColumn:
        return QStringLiteral("問題");
    case ExpectedColumn:
        return QStringLiteral("答え");
    case TypedColumn:
        return QStringLiteral("入力");
    case FormColumn:
        return QStringLiteral("答え方");
    }
    return {};
}
