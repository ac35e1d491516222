#pragma once

#include "record/LearningRecord.h"

#include <optional>

// Times one question's answer on a monotonic clock: from the moment it is shown to the first key
// (or the start of pre-edit) and to the match, with the edits of the committed text and how often
// it got shorter. The question is current a moment before it is shown; what is typed then counts
// from the showing.
class AnswerTimer
{
public:
    void questionCurrent(qint64 now);
    // Only the first showing of a current question counts.
    void questionShown(qint64 now);
    void preeditStarted(qint64 now);
    void committedTextEdited(qint64 now, qsizetype length);
    // The time a game stands paused is no time taken to answer.
    void pause(qint64 now);
    void resume(qint64 now);

    AnswerTiming timing(std::optional<qint64> matchedAt, InputMode mode) const;

private:
    qint64 since(qint64 at) const;

    qint64 currentAt = 0;
    std::optional<qint64> shownAt;
    std::optional<qint64> firstKeyAt;
    std::optional<qint64> pausedAt;
    qsizetype committedLength = 0;
    qint32 keys = 0;
    qint32 corrections = 0;
};
