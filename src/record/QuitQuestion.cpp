#include "record/QuitQuestion.h"

#include "platform/MessageBox.h"
#include "record/GameRecorder.h"
#include "record/RecordMessages.h"

namespace QuitQuestion {

void askWhileAnswersWait(GameRecorder& recorder, MessageBox& messageBox)
{
    while (recorder.waitingAnswers() > 0 &&
           messageBox.confirm(RecordMessages::quitWhileWaiting(recorder.waitingAnswers()))) {
        if (recorder.retryNow())
            return;
    }
}

} // namespace QuitQuestion
