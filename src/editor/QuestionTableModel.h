#pragma once

#include "questions/QuestionBank.h"
#include "readings/ReadingsTable.h"

#include <QAbstractTableModel>

// One level of a bank as rows of question, answer and the pair's reading, read from the bank and
// its readings themselves: row k is item k. Every change of either that the rows show goes
// through here, so the three never drift apart and a view sees each change as it happens.
class QuestionTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column
    {
        QuestionColumn,
        AnswerColumn,
        ReadingColumn,
        AlternativesColumn,
        // Checked while the reading waits for a person's check; unchecking it confirms the
        // reading, and nothing else can check it.
        CheckColumn,
        ColumnCount
    };

    QuestionTableModel(QuestionBank& bank, ReadingsTable& readings, QObject* parent = nullptr);

    int level() const { return shownLevel; }
    // Shows another level, or the same one afresh; nothing stays selected.
    void setLevel(int level);
    // Takes over contents as the whole bank, all three levels at once, with their readings.
    void replaceBank(QuestionBank contents, ReadingsTable pairReadings);

    // Each refuses a row outside the shown level and then changes nothing. A reading that differs
    // from the pair's own was given by hand and counts as confirmed; new texts under an unchanged
    // reading make it wait for a check.
    bool replacePair(int row, QuestionItem item, PairReading reading = {});
    bool deletePair(int row);
    void appendPair(QuestionItem item, PairReading reading = {});
    // A reading nobody typed, kept with its mark as given; refused where the pair has one.
    bool proposeReading(int row, const QString& reading, bool needsCheck);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

private:
    QVariant shownText(int row, int column) const;
    QVariant checkState(const QModelIndex& index) const;
    QString spokenRow(int row) const;
    void rowChanged(int row);

    QuestionBank& bank;
    ReadingsTable& readings;
    int shownLevel = 0;
};
