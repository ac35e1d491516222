#pragma once

#include "record/LearningRecord.h"

#include <QAbstractTableModel>

#include <vector>

// The notebook's pairs of one level, one row each: question, answer, misses, correct answers,
// average correct time, what was typed at the last time-out, the next review and the chance of
// recalling the pair now. Each cell is its own text, so a
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
        TypedColumn,
        NextReviewColumn,
        RecallColumn,
        ColumnCount
    };

    using QAbstractTableModel::QAbstractTableModel;

    void setEntries(QList<NotebookEntry> entries);
    // The chance of recall is reckoned by this scheduler at this moment; until then it is not
    // shown.
    void setRecall(const Scheduler& scheduler, const QDateTime& now);
    // The entry shown in the row; row must be below rowCount().
    const NotebookEntry& entry(int row) const { return given[positions[row]]; }
    bool removeEntry(int row);
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    void sortRows();
    std::optional<double> recallOf(const NotebookEntry& entry) const;

    QList<NotebookEntry> given;
    // Where in given each row's entry is, top to bottom.
    std::vector<qsizetype> positions;
    int sortColumn = MissesColumn;
    Qt::SortOrder sortOrder = Qt::DescendingOrder;
    Scheduler recall;
    QDateTime recallAt;
};
