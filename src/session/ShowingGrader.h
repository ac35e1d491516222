#pragma once

#include "record/LearningRecord.h"
#include "schedule/AnswerGrade.h"

#include <QSet>

#include <array>

// Grades a game's showings for the review schedule at the learner's own pace: each pair's first
// showing in the game is graded into its schedule and counted for the report; later showings are
// graded for the log only.
class ShowingGrader
{
public:
    // The pace of each input mode, indexed by InputMode, and the time each question has.
    using Pace = std::array<GradeThresholds, 2>;

    void startGame(const Pace& pace, qint32 limitMs);

    ReviewMark answered(const QuestionItem& pair, const AnswerTiming& timing);
    ReviewMark timedOut(const QuestionItem& pair, const AnswerTiming& timing);
    ReviewMark endedOn(const QuestionItem& pair, const AnswerTiming& timing);

    const GradeCounts& counts() const { return graded; }

private:
    ReviewMark mark(const QuestionItem& pair, ShowingEnd end, const AnswerTiming& timing);

    Pace pace{};
    qint32 limitMs = 0;
    QSet<std::pair<QByteArray, QByteArray>> shown;
    GradeCounts graded{};
};
