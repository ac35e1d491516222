#pragma once

#include "record/GameRecorder.h"

#include <QAbstractTableModel>

// This game's time-outs: the question, the expected answer and what was typed, the differing
// characters of both answers in 【】.
class TimeOutModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column
    {
        QuestionColumn,
        ExpectedColumn,
        TypedColumn,
        ColumnCount
    };

    using QAbstractTableModel::QAbstractTableModel;

    void setEntries(QList<TimeOutEntry> entries);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    QList<TimeOutEntry> rows;
};
