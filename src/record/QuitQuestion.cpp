#include "record/QuitQuestion.h"

#include "platform/MessageBox.h"
#include "record/GameRecorder.h"
#include "record/RecordMessages.h"

namespace QuitQuestion {

void askWhileAnswersWait(GameRecorder& recorder, MessageBox& messageBox)
{
    // Answers the writer has not reached yet are no failure to ask about.
    if (recorder.retryNow())
        return;
    while (recorder.waitingAnswers() > 0 &&
           messageBox.confirm(RecordMessages::quitWhileWaiting(recorder.waitingAnswers()))) {
        if (recorder.retryNow())
            return;
    }
}

} // namespace QuitQuestion
