#pragma once

#include "drill/DrillState.h"

#include <QByteArray>

// What the drill needs of the window it runs in. The window shows, the drill decides.
class DrillScreen
{
public:
    virtual ~DrillScreen() = default;

    virtual void setBarPosition(int position) = 0;
    virtual void showQuestion(const QByteArray& question) = 0;
    // Empties the input line. This is not an input: the window does not report it back.
    virtual void clearInput() = 0;
    virtual void drawMark(DrillMark mark) = 0;
    virtual void playSound(SoundEvent sound) = 0;
    // The set number of questions is used up and the drill is Ready again: the window shows the
    // report.
    virtual void gameOver() = 0;
};
