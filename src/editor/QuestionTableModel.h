#pragma once

#include "questions/QuestionBank.h"

#include <QAbstractTableModel>

// One level of a bank as rows of question and answer, read from the bank itself: row k is item
// k. Every change of the bank that the rows show goes through here, so the two never drift
// apart and a view sees each change as it happens.
class QuestionTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column
    {
        QuestionColumn,
        AnswerColumn,
        ColumnCount
    };

    explicit QuestionTableModel(QuestionBank& bank, QObject* parent = nullptr);

    int level() const { return shownLevel; }
    // Shows another level, or the same one afresh; nothing stays selected.
    void setLevel(int level);
    // Takes over contents as the whole bank, all three levels at once.
    void replaceBank(QuestionBank contents);

    // Each refuses a row outside the shown level and then changes nothing.
    bool replacePair(int row, QuestionItem item);
    bool deletePair(int row);
    void appendPair(QuestionItem item);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    QuestionBank& bank;
    int shownLevel = 0;
};
