#pragma once

#include "record/LearningRecord.h"

#include <QAbstractTableModel>

// The finished games of one file and level, one row each, oldest first. The four figures are the
// texts the report showed, as the record keeps them, so the table never disagrees with a report
// the learner saw. Each cell is its own text for a screen reader; SortRole gives the number a
// column sorts by, so that "10" comes after "9" and "1.075／秒" after "0.6／秒".
class HistoryModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column
    {
        FinishedColumn,
        KindColumn,
        QuestionsColumn,
        CorrectsColumn,
        CorrectRateColumn,
        StandardTimeColumn,
        AverageCorrectColumn,
        AverageInputColumn,
        ColumnCount
    };

    static constexpr int SortRole = Qt::UserRole;
    static inline const QString ReviewMark = QStringLiteral("復習");
    // A game whose result counts more answers than the record holds: the figures are the report's,
    // the notebook and the answers' lists know only the answers stored.
    static inline const QString AnswersMissingMark = QStringLiteral("答え欠け");
    static inline const QString AnswersMissingNote =
        QStringLiteral("この成績の答えの一部は学習記録に残っていません");

    using QAbstractTableModel::QAbstractTableModel;

    void setGames(QList<FinishedGame> games);
    const QList<FinishedGame>& games() const { return rows; }

    // The kind column: 復習 for a review, 答え欠け for a result missing answers.
    static QString kindText(const FinishedGame& game);
    // The local date and minute a game finished, as the table and the printed report show it.
    static QString finishedText(const FinishedGame& game);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    QList<FinishedGame> rows;
};
