#include "results/HistoryModel.h"

namespace {

QString cellText(const FinishedGame& game, int column)
{
    const ReportInputs& inputs = game.result.inputs;
    const ReportTexts& texts = game.result.texts;
    switch (column) {
    case HistoryModel::FinishedColumn:
        return HistoryModel::finishedText(game);
    case HistoryModel::KindColumn:
        return HistoryModel::kindText(game);
    case HistoryModel::QuestionsColumn:
        return QString::number(inputs.questionsPerGame);
    case HistoryModel::CorrectsColumn:
        return QString::number(inputs.correctCount);
    case HistoryModel::CorrectRateColumn:
        return texts.correctRate;
    case HistoryModel::StandardTimeColumn:
        return texts.standardTime;
    case HistoryModel::AverageCorrectColumn:
        return texts.averageCorrectTime;
    case HistoryModel::AverageInputColumn:
        return texts.averageInputTime;
    }
    return {};
}

// A figure the report could not compute sorts below every number.
double ratio(qint64 sum, qint64 standard)
{
    return standard > 0 ? static_cast<double>(sum) / static_cast<double>(standard) : -1.0;
}

QVariant sortKey(const FinishedGame& game, int column)
{
    const ReportInputs& inputs = game.result.inputs;
    const qint64 standard =
        ReportFigures::standardTime(inputs.secondsPerQuestion, inputs.questionsPerGame);
    switch (column) {
    case HistoryModel::FinishedColumn:
        return game.result.finishedAt;
    case HistoryModel::KindColumn:
        return game.review;
    case HistoryModel::QuestionsColumn:
        return inputs.questionsPerGame;
    case HistoryModel::CorrectsColumn:
        return inputs.correctCount;
    case HistoryModel::CorrectRateColumn:
        return ReportFigures::correctRate(inputs.correctCount, inputs.questionsPerGame)
            .value_or(-1);
    case HistoryModel::StandardTimeColumn:
        return standard;
    case HistoryModel::AverageCorrectColumn:
        return ratio(inputs.correctTimeSum, standard);
    case HistoryModel::AverageInputColumn:
        return ratio(inputs.answerTimeSum, standard);
    }
    return {};
}

} // namespace

void HistoryModel::setGames(QList<FinishedGame> games)
{
    beginResetModel();
    rows = std::move(games);
    endResetModel();
}

QString HistoryModel::kindText(const FinishedGame& game)
{
    QStringList marks;
    if (game.review)
        marks << ReviewMark;
    if (game.answersMissing)
        marks << AnswersMissingMark;
    return marks.join(u'・');
}

QString HistoryModel::finishedText(const FinishedGame& game)
{
    return game.result.finishedAt.toLocalTime().toString(QStringLiteral("yyyy/MM/dd HH:mm"));
}

int HistoryModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(rows.size());
}

int HistoryModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant HistoryModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const FinishedGame& game = rows[index.row()];
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
        return cellText(game, index.column());
    if (role == SortRole)
        return sortKey(game, index.column());
    if (role == Qt::ToolTipRole && game.answersMissing)
        return AnswersMissingNote;
    if (role == Qt::TextAlignmentRole && index.column() >= QuestionsColumn)
        return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QVariant HistoryModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case FinishedColumn:
        return QStringLiteral("日時");
    case KindColumn:
        return QStringLiteral("種類");
    case QuestionsColumn:
        return QStringLiteral("問題数");
    case CorrectsColumn:
        return QStringLiteral("正解数");
    case CorrectRateColumn:
        return ReportFigures::CorrectRateCaption;
    case StandardTimeColumn:
        return ReportFigures::StandardTimeCaption;
    case AverageCorrectColumn:
        return ReportFigures::AverageCorrectTimeCaption;
    case AverageInputColumn:
        return ReportFigures::AverageInputTimeCaption;
    }
    return {};
}
