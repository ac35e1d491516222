#pragma once

#include "drill/DrillScreen.h"
#include "drill/DrillState.h"
#include "questions/PackedPairs.h"

#include <functional>
#include <optional>

class RandomSource;

// The drill of a game: its state, current question, time bar and tally. The session calls in;
// everything the player sees goes out through the DrillScreen.
class Drill
{
public:
    static constexpr int BarMaximum = 100;
    // The bar moves one step per tick; a full bar is ten seconds.
    static constexpr int TickMilliseconds = 100;
    static constexpr double secondsOf(qint64 ticks) { return ticks * TickMilliseconds / 1000.0; }

    enum class StartOutcome
    {
        Started,
        EmptyLevel,
        Unavailable
    };

    // Whether the typed text (CP932) answers the pair; unset, only the pair's own answer does.
    using AnswerCheck = std::function<bool(const QuestionItem& pair, const QByteArray& typed)>;

    Drill(RandomSource& random, DrillScreen& screen);
    void setAnswerCheck(AnswerCheck check) { answers = std::move(check); }

    DrillState state() const { return currentState; }
    int barPosition() const { return bar; }
    const DrillTally& tally() const { return counters; }
    const QuestionItem& currentQuestion() const { return question; }
    // The question the next tick shows: the current one, or the one drawn after an answer.
    QuestionItem questionToShow() const { return questionAt(questionIndex); }

    // A question file was loaded, or a report was shown.
    void setReady();

    // A new game, when Ready, drawing from the pairs, which must stay as they are until the game
    // ends. Paused, the game goes on instead, on its own pairs. Either way the tally starts afresh.
    StartOutcome start(const PackedPairs& pairs, qint32 questionsPerGame);
    void stop();
    void end();

    // Both do nothing unless a game is running.
    void tick();
    // What the user typed or deleted; the program's own emptying of the line is no input. Typed
    // is nothing when the input cannot be written in the question files' code page; such input
    // equals no answer.
    void checkAnswer(const std::optional<QByteArray>& typed);

private:
    void drawQuestionIndex();
    void setBar(int position);
    void timeOut();
    void finishGame();

    QuestionItem questionAt(int index) const;

    RandomSource& random;
    DrillScreen& screen;

    DrillState currentState = DrillState::NoData;
    const PackedPairs* pairs = nullptr; // those of the game; none between games
    int questionIndex = 0;
    QuestionItem question;
    int bar = 0;
    DrillTally counters;
    AnswerCheck answers;
};
