#pragma once

#include "record/LearningRecord.h"

// What the windows read from the learning record: nothing here writes. Each call reads afresh and
// gives nothing while the record is unavailable.
class RecordQueries
{
public:
    virtual ~RecordQueries() = default;

    // Every pair now in the notebook, of every file.
    virtual QList<NotebookEntry> notebook() = 0;
    // The games that reached their report, oldest first, and their time-outs in the order they
    // happened.
    virtual QList<FinishedGame> finishedGames(const GameFilter& filter) = 0;
    virtual QList<GameTimeOut> timeOutsOf(const GameFilter& filter) = 0;
    // The path of every file a finished game drew from, in the order of their first game.
    virtual QStringList recordedFiles() = 0;

    // Today's review: how many pairs are due by a moment, which, which pairs the learner has met,
    // how many were met first since a moment, and the learner's pace in an input mode.
    virtual DueSummary dueSummary(const QDateTime& by) = 0;
    virtual QList<ScheduledPair> duePairs(const QDateTime& by, qsizetype limit) = 0;
    virtual QList<QuestionItem> scheduledPairs() = 0;
    virtual qint64 pairsFirstMetSince(const QDateTime& since) = 0;
    virtual std::vector<AnswerTimingSample> correctTimings(InputMode mode) = 0;
    // 復習の予定: the coming days' due counts, the past year's reviews and the retention achieved.
    virtual ReviewPlan reviewPlan(const QDateTime& now) = 0;
};

// The one write the notebook's window makes. The removal is kept in order with the game's writes
// and stored as soon as the record takes it.
class NotebookEdits
{
public:
    virtual ~NotebookEdits() = default;
    virtual void removeFromNotebook(const QuestionItem& pair) = 0;
    // Whether the pair's reading answers it in a review game, besides its answer.
    virtual void setAnswerByReading(const QuestionItem& pair, bool on) = 0;
};
