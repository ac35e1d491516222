#pragma once

#include "record/LearningRecord.h"
#include "record/NotebookRule.h"
#include "record/ReviewPlanDays.h"
#include "record/ScheduleTime.h"

#include <QMap>

#include <algorithm>

// The learning record in memory, with the SQL record's rules; a test can make it refuse to open
// or to write, and say why, and find damage.
class MemoryLearningRecord : public LearningRecord
{
public:
    struct Game
    {
        GameStart start;
        QList<AnswerOutcome> outcomes;
        std::optional<GameResult> result;
    };

    OpenOutcome open() override
    {
        ++opens;
        return openOutcome;
    }
    void close() override {}
    // Written where the recorder is called, so a test reads what the game stored at once.
    bool waitsOnDisk() const override { return false; }
    QString location() const override { return QStringLiteral("/home/u/record.sqlite"); }
    RecordFailure lastFailure() const override { return writable ? RecordFailure{} : failure; }
    bool startAfresh() override
    {
        ++freshStarts;
        // A new record takes writes again.
        if (failure.kind == RecordFailure::Kind::Damaged)
            writable = true;
        return true;
    }
    std::optional<RecordRescue> rescue() const override { return rescued; }
    bool wholeFileSound() const override { return sound; }

    std::optional<qint64> beginGame(const GameStart& start) override
    {
        if (!writable)
            return std::nullopt;
        games.append({start, {}, std::nullopt});
        return games.size() - 1;
    }

    bool recordAnswer(qint64 game, const AnswerOutcome& outcome) override
    {
        if (!writable)
            return false;
        showings.append(outcome);
        const std::pair key{outcome.pair.question, outcome.pair.answer};
        if (!outcome.review.gameEndedOnIt) {
            games[game].outcomes.append(outcome);
            progress[key] = NotebookRule::after(progress[key], outcome);
        }
        moveSchedule(outcome);
        return true;
    }

    bool finishGame(qint64 game, const GameResult& result) override
    {
        if (!writable)
            return false;
        games[game].result = result;
        return true;
    }

    bool removeFromNotebook(const QuestionItem& pair) override
    {
        PairProgress& known = progress[{pair.question, pair.answer}];
        known = NotebookRule::removedByHand(known);
        return writable;
    }

    bool setAnswerByReading(const QuestionItem& pair, bool on) override
    {
        progress[{pair.question, pair.answer}].answerByReading = on;
        return writable;
    }

    bool clear() override
    {
        games.clear();
        progress.clear();
        return writable;
    }

    QList<NotebookEntry> notebook() override
    {
        QList<NotebookEntry> entries;
        for (auto it = progress.cbegin(); it != progress.cend(); ++it) {
            if (!it.value().inNotebook)
                continue;
            const auto schedule = schedules.constFind(it.key());
            entries.append(
                {{it.key().first, it.key().second},
                 it.value(),
                 schedule == schedules.cend() ? std::nullopt : std::optional(*schedule)});
        }
        return entries;
    }

    QList<FinishedGame> finishedGames(const GameFilter& filter) override
    {
        QList<FinishedGame> finished;
        for (qsizetype id = 0; id < games.size(); ++id) {
            const Game& game = games[id];
            if (game.result && matches(game.start, filter))
                finished.append({id, game.start.file.path, game.start.level, game.start.review,
                                 game.start.startedAt, *game.result, answersMissing(game)});
        }
        return finished;
    }

    QList<GameTimeOut> timeOutsOf(const GameFilter& filter) override
    {
        QList<GameTimeOut> timeOuts;
        for (const FinishedGame& game : finishedGames(filter)) {
            for (const AnswerOutcome& outcome : games[game.id].outcomes) {
                if (!outcome.correctTicks)
                    timeOuts.append({game.id, outcome.pair, outcome.typed});
            }
        }
        return timeOuts;
    }

    QStringList recordedFiles() override
    {
        QStringList paths;
        for (const FinishedGame& game : finishedGames({})) {
            if (!paths.contains(game.filePath))
                paths.append(game.filePath);
        }
        return paths;
    }

    void setScheduler(const Scheduler& given) override { scheduler = given; }

    DueSummary dueSummary(const QDateTime& by) override
    {
        DueSummary summary;
        for (const PairSchedule& schedule : schedules) {
            const QDateTime due = ScheduleTime::dateTimeOf(schedule.due);
            if (due <= by)
                ++summary.due;
            else if (!summary.nextDue || due < *summary.nextDue)
                summary.nextDue = due;
        }
        return summary;
    }

    QList<ScheduledPair> duePairs(const QDateTime& by, qsizetype limit) override
    {
        QList<ScheduledPair> due;
        for (auto k = schedules.cbegin(); k != schedules.cend(); ++k) {
            if (ScheduleTime::dateTimeOf(k->due) <= by)
                due.append({{k.key().first, k.key().second}, *k});
        }
        const Instant at = ScheduleTime::instantOf(by);
        std::stable_sort(due.begin(), due.end(), [&](const auto& a, const auto& b) {
            return scheduler.retrievability(a.schedule, at) <
                   scheduler.retrievability(b.schedule, at);
        });
        return due.first(std::min(limit, due.size()));
    }

    QList<QuestionItem> scheduledPairs() override
    {
        QList<QuestionItem> pairs;
        for (const auto& key : schedules.keys())
            pairs.append({key.first, key.second});
        return pairs;
    }

    qint64 pairsFirstMetSince(const QDateTime& since) override
    {
        return std::count_if(firstMet.cbegin(), firstMet.cend(),
                             [&](const QDateTime& met) { return met >= since; });
    }

    std::vector<AnswerTimingSample> correctTimings(InputMode) override { return timings; }

    ReviewPlan reviewPlan(const QDateTime& now) override
    {
        return ReviewPlanDays::replay(reviewLog(), scheduler, now);
    }

    std::vector<LoggedReview> reviewLog() override
    {
        std::vector<LoggedReview> log;
        for (const AnswerOutcome& outcome : showingsInTimeOrder()) {
            if (outcome.review.firstInGame && outcome.review.grade)
                log.push_back({qint64(pairId(outcome.pair)), outcome.at.toMSecsSinceEpoch(),
                               *outcome.review.grade,
                               !outcome.correctTicks && !outcome.review.gameEndedOnIt,
                               outcome.timing.matchMs, outcome.review.limitMs});
        }
        return log;
    }

    // Replays the graded showings; unlike the SQL record it has no pace to grade the rest by.
    bool reschedule() override
    {
        if (!writable)
            return false;
        ++reschedules;
        schedules.clear();
        firstMet.clear();
        for (const AnswerOutcome& outcome : showingsInTimeOrder())
            moveSchedule(outcome);
        return true;
    }

    OpenOutcome openOutcome = OpenOutcome::Opened;
    std::optional<RecordRescue> rescued;
    bool writable = true;
    RecordFailure failure{RecordFailure::Kind::Refused, QStringLiteral("database or disk is full")};
    bool sound = true;
    int opens = 0;
    int freshStarts = 0;
    int reschedules = 0;
    QList<Game> games;
    QMap<std::pair<QByteArray, QByteArray>, PairProgress> progress;
    // Every showing handed to the record, a game ended on it too, as the review log keeps them.
    QList<AnswerOutcome> showings;
    Scheduler scheduler;
    QMap<std::pair<QByteArray, QByteArray>, PairSchedule> schedules;
    QMap<std::pair<QByteArray, QByteArray>, QDateTime> firstMet;
    std::vector<AnswerTimingSample> timings;

private:
    static quint64 pairId(const QuestionItem& pair)
    {
        return static_cast<quint64>(qHash(std::pair{pair.question, pair.answer}));
    }

    // As the review log replays: the first showing of a pair in a game, once it has a grade.
    void moveSchedule(const AnswerOutcome& outcome)
    {
        if (!outcome.review.firstInGame || !outcome.review.grade)
            return;
        const std::pair key{outcome.pair.question, outcome.pair.answer};
        if (!schedules.contains(key))
            firstMet[key] = outcome.at;
        schedules[key] =
            scheduler.review(schedules.value(key), *outcome.review.grade,
                             ScheduleTime::instantOf(outcome.at), pairId(outcome.pair));
    }

    QList<AnswerOutcome> showingsInTimeOrder() const
    {
        QList<AnswerOutcome> ordered = showings;
        std::stable_sort(ordered.begin(), ordered.end(),
                         [](const auto& a, const auto& b) { return a.at < b.at; });
        return ordered;
    }

    // As the SQL record counts them: fewer answers than questions, or fewer correct ones.
    static bool answersMissing(const Game& game)
    {
        const auto corrects = std::count_if(game.outcomes.cbegin(), game.outcomes.cend(),
                                            [](const AnswerOutcome& o) { return o.correctTicks; });
        return game.outcomes.size() < game.result->inputs.questionsPerGame ||
               corrects < game.result->inputs.correctCount;
    }

    static bool matches(const GameStart& start, const GameFilter& filter)
    {
        return (!filter.filePath || *filter.filePath == start.file.path) &&
               (!filter.level || *filter.level == start.level);
    }
};
