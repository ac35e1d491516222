#pragma once

#include "drill/ReportFigures.h"
#include "media/SoundEvent.h"
#include "readings/RubyText.h"
#include "record/LearningRecord.h"

// A question of the game answered correctly: the pair, the bar's position then and the timing.
struct AnsweredQuestion
{
    QuestionItem pair;
    int ticks = 0;
    AnswerTiming timing;
};

// A question of the game that ran out of time, with what the input line held as the session last
// received it (CP932; empty when it could not be written so).
struct TimedOutQuestion
{
    QuestionItem pair;
    QByteArray typed;
    AnswerTiming timing;
};

// What the session needs of the window a game is played in: it draws and sounds what the session
// tells it and opens the report; it decides nothing.
class SessionView
{
public:
    virtual ~SessionView() = default;

    virtual void setBarPosition(int position) = 0;
    // The question with its reading over it, or no ruby to show it bare.
    virtual void showQuestion(const QByteArray& question, const RubySegments& ruby) = 0;
    // Empties the input line. This is not an input: the window does not report it back.
    virtual void clearInput() = 0;
    virtual void playSound(SoundEvent sound) = 0;

    virtual void questionAnswered(const AnsweredQuestion& answered) = 0;
    virtual void questionTimedOut(const TimedOutQuestion& timedOut) = 0;
    // The game used up its questions and is stored; the session is Ready again.
    virtual void gameOver(const ReportInputs& inputs) = 0;
};
