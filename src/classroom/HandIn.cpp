#include "classroom/HandIn.h"

HandInSummary HandInSummary::of(const HandIn& handIn)
{
    HandInSummary summary{handIn.pupil, handIn.game};
    summary.game.timeOuts.clear();
    for (const HandInAnswer& answer : handIn.answers) {
        if (!answer.correct)
            summary.game.timeOuts.append({answer.question, answer.answer});
    }
    return summary;
}
