#pragma once

class GameRecorder;
class MessageBox;

namespace QuitQuestion {

// Before the program ends while answers still wait to be stored: says how many and tries again
// for as long as the user asks (OK); Cancel ends without them.
void askWhileAnswersWait(GameRecorder& recorder, MessageBox& messageBox);

} // namespace QuitQuestion
