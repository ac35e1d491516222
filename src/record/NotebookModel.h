#pragma once

#include "readings/AcceptedAnswers.h"
#include "record/LearningRecord.h"

#include <QAbstractTableModel>
#include <QHash>

#include <vector>

// The notebook's pairs of one level, one row each: question, answer, misses, correct answers,
// average correct time, which accepted answer was typed last, what was typed at the last
// time-out, the next review, the chance of recalling the pair now and, for a pair with a reading,
// the learner's choice to answer it by its reading in the review game. Each cell is its own
// text, so a
// screen reader reads the table as the eye does. The rows keep the order last asked for by sort(),
// figures by their numbers; sorting here rather than in a proxy keeps 100,000 rows quick, and
// sorting only the entries' positions leaves the entries as they were given, shared and unmoved.
class NotebookModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column
    {
        QuestionColumn,
        AnswerColumn,
        MissesColumn,
        CorrectsColumn,
        AverageColumn,
        AnsweredByColumn,
        TypedColumn,
        NextReviewColumn,
        RecallColumn,
        ByReadingColumn,
        ColumnCount
    };

    using QAbstractTableModel::QAbstractTableModel;

    void setEntries(QList<NotebookEntry> entries);
    // Which pairs have a reading to answer by; until then none offers the choice. A copy shares
    // the session's tables.
    void setReadings(const AcceptedAnswers& accepted) { readings = accepted; }
    // The chance of recall is reckoned by this scheduler at this moment; until then it is not
    // shown.
    void setRecall(const Scheduler& scheduler, const QDateTime& now);
    // The entry shown in the row; row must be below rowCount().
    const NotebookEntry& entry(int row) const { return given[positions[row]]; }
    bool answerByReading(int row) const;
    bool removeEntry(int row);
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

signals:
    void answerByReadingChosen(const QuestionItem& pair, bool on);

private:
    void sortRows();
    std::optional<double> recallOf(const NotebookEntry& entry) const;
    bool offersByReading(int row) const;
    QVariant byReadingData(int row, int role) const;

    QList<NotebookEntry> given;
    // Where in given each row's entry is, top to bottom.
    std::vector<qsizetype> positions;
    int sortColumn = MissesColumn;
    Qt::SortOrder sortOrder = Qt::DescendingOrder;
    Scheduler recall;
    QDateTime recallAt;
    AcceptedAnswers readings;
    // Choices made here, by position in given: changing the entries would copy the shared list.
    QHash<qsizetype, bool> chosen;
};
