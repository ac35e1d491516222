#pragma once

#include "drill/DrillScreen.h"
#include "drill/DrillState.h"
#include "questions/QuestionBank.h"

#include <optional>

class RandomSource;

// The drill of the main window: its state, level, current question, time bar and tally. The
// window's handlers call in; everything the player sees goes out through the DrillScreen.
class Drill
{
public:
    static constexpr int BarMaximum = 100;

    enum class StartOutcome
    {
        Started,
        EmptyLevel,
        Unavailable
    };

    Drill(const QuestionBank& bank, RandomSource& random, DrillScreen& screen);

    DrillState state() const { return currentState; }
    int level() const { return currentLevel; }
    int barPosition() const { return bar; }
    const DrillTally& tally() const { return counters; }
    const QuestionItem& currentQuestion() const { return question; }

    // A question file was loaded, or a report was shown.
    void setReady();
    void selectLevel(int level);

    StartOutcome start(qint32 questionsPerGame);
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

    const QuestionBank& bank;
    RandomSource& random;
    DrillScreen& screen;

    DrillState currentState = DrillState::NoData;
    int currentLevel = 0;
    int questionIndex = 0;
    QuestionItem question;
    int bar = 0;
    DrillTally counters;
};
