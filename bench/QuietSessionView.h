#pragma once

#include "session/SessionView.h"

// A session drawn nowhere, so that a benchmark times only the session's own work.
class QuietSessionView : public SessionView
{
public:
    void setBarPosition(int) override {}
    void showQuestion(const QByteArray&, const RubySegments&) override {}
    void clearInput() override {}
    void playSound(SoundEvent) override {}
    void questionAnswered(const AnsweredQuestion&) override {}
    void questionTimedOut(const TimedOutQuestion&) override {}
    void gameOver(const ReportInputs&) override {}
};
