#pragma once

#include "drill/Drill.h"

#include <QList>
#include <QString>

// Records what the drill shows and never changes the drill's state. Clearing the input is not fed
// back into the drill, as the real input line reports only what the user edits.
class FakeDrillScreen : public DrillScreen
{
public:
    void setBarPosition(int position) override { bar = position; }
    void showQuestion(const QByteArray& question) override { shownQuestion = question; }
    void clearInput() override
    {
        ++clears;
        input.clear();
    }
    void drawMark(DrillMark mark) override { marks << mark; }
    void playSound(SoundEvent sound) override { sounds << sound; }
    void gameOver() override
    {
        ++gamesOver;
        stateAtGameOver = drill->state();
    }

    void type(const QByteArray& text)
    {
        input = text;
        drill->checkAnswer(input);
    }

    Drill* drill = nullptr;
    QByteArray input;
    int bar = 0;
    QByteArray shownQuestion;
    int clears = 0;
    QList<DrillMark> marks;
    QList<SoundEvent> sounds;
    int gamesOver = 0;
    DrillState stateAtGameOver = DrillState::NoData;
};
