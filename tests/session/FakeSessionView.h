#pragma once

#include "session/SessionView.h"

#include <QList>

// Keeps what the session told the window, and never calls back into the session.
class FakeSessionView : public SessionView
{
public:
    void setBarPosition(int position) override { bar = position; }
    void showQuestion(const QByteArray& question, const RubySegments& ruby) override
    {
        shownQuestion = question;
        shownRuby = ruby;
    }
    void clearInput() override { ++clears; }
    void playSound(SoundEvent sound) override { sounds << sound; }
    void questionAnswered(const AnsweredQuestion& question) override { answered << question; }
    void questionTimedOut(const TimedOutQuestion& question) override { timedOut << question; }
    void gameOver(const ReportInputs& inputs) override { reports << inputs; }

    int bar = 0;
    QByteArray shownQuestion;
    RubySegments shownRuby;
    int clears = 0;
    QList<SoundEvent> sounds;
    QList<AnsweredQuestion> answered;
    QList<TimedOutQuestion> timedOut;
    QList<ReportInputs> reports;
};
