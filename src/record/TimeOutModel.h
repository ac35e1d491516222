#pragma once

#include "record/GameRecorder.h"

#include <QAbstractTableModel>

// This game's time-outs: the question, the accepted answer the typed text was nearest to and what
// was typed, the differing characters of both in 【】, and which accepted answer that was.
class TimeOutModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column
    {
        QuestionColumn,
        ExpectedColumn,
        TypedColumn,
        FormColumn,
        ColumnCount
    };

    using QAbstractTableModel::QAbstractTableModel;

    void setEntries(QList<TimeOutEntry> entries);
    // Whether any was nearer to an alternative or the reading than to the answer itself.
    bool anyOtherForm() const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    QList<TimeOutEntry> rows;
};
