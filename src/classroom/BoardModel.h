#pragma once

#include "classroom/HandInFolder.h"
#include "results/ClassMerge.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QList>
#include <QSet>

#include <optional>

// The class's board during a lesson: one row per pupil who has handed in a game, with how many,
// the last and the best correct rate, the last average time and when the last came in; and the
// pairs the class ran out of time on most. Fed by the hand-in folder's scans.
class BoardModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column
    {
        ClassGroup,
        Number,
        Name,
        Games,
        LastCorrectRate,
        BestCorrectRate,
        LastAverageTime,
        LastHandedIn,
        ColumnCount
    };

    explicit BoardModel(QObject* parent = nullptr);

    void apply(const HandInScan& scan);

    // The files refused, by name, with why: the board lists them and goes on.
    const QHash<QString, QString>& malformed() const { return refused; }

    // Most time-outs first, then most pupils, then the question's order.
    QList<ClassMissedPair> mostMissed(int count) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

private:
    // What the board keeps of one handed-in game.
    struct Game
    {
        int pupil = 0; // the pupil's number on this board
        QDateTime finishedAt;
        std::optional<double> correctRate;
        std::optional<double> averageTime;
        QList<MissedText> timeOuts;
    };

    struct Row
    {
        int pupilNumber = 0;
        Pupil pupil;
        int games = 0;
        std::optional<double> lastCorrectRate;
        std::optional<double> bestCorrectRate;
        std::optional<double> lastAverageTime;
        QDateTime lastHandedIn;
        QStringList files;
    };

    // One pair's time-outs over the class, kept as games come and go: the board asks for the
    // ranking after every scan, and counting every game afresh would take longer than the scan.
    struct Misses
    {
        int timeOuts = 0;
        QHash<int, int> byPupil;
    };

    Game gameOf(const HandInSummary& handIn);
    void addRowsFor(const HandInScan& scan, const QList<Game>& arrived);
    void forget(const QString& file, QSet<int>& stale);
    void countMisses(const Game& game, int change);
    static void count(Row& row, const Game& game);
    void recount(Row& row) const;
    void removeEmptyRows();
    void reindex();
    bool lessThan(const Row& left, const Row& right) const;

    QHash<QString, Game> games;
    QHash<QString, QString> refused;
    QHash<std::pair<QString, QString>, Misses> misses;
    QList<Row> rows;
    // Every pupil seen gets a number for good, by 組, 番号 and 名前 together; the board's rows
    // are found by it, since sorting moves them.
    QHash<QString, int> pupilNumbers;
    QList<int> rowOfPupil; // -1 for a pupil whose games are all gone
    int sortColumn = ClassGroup;
    Qt::SortOrder sortOrder = Qt::AscendingOrder;
};
