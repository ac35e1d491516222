#include "drill/Drill.h"

#include "platform/RandomSource.h"
#include "questions/TextCodec.h"

namespace {

// The counters are signed 32-bit and wrap like the stored settings they start from; a stored
// question count of -2147483648 must not make a decrement undefined.
qint32 wrappingAdd(qint32 value, qint32 delta)
{
    return static_cast<qint32>(static_cast<quint32>(value) + static_cast<quint32>(delta));
}

} // namespace

Drill::Drill(RandomSource& random, DrillScreen& screen) : random(random), screen(screen) {}

void Drill::setReady()
{
    currentState = DrillState::Ready;
    pairs = nullptr;
}

Drill::StartOutcome Drill::start(const PackedPairs& gamePairs, qint32 questionsPerGame)
{
    if (currentState != DrillState::Ready && currentState != DrillState::Paused)
        return StartOutcome::Unavailable;
    if (currentState == DrillState::Ready) {
        if (gamePairs.size() == 0)
            return StartOutcome::EmptyLevel;
        pairs = &gamePairs;
        drawQuestionIndex();
        // The new question is current at once, so input before the first tick is checked
        // against it rather than against the last question of an earlier game.
        question = questionAt(questionIndex);
    }
    currentState = DrillState::Running;
    counters = DrillTally{questionsPerGame, 0, 0, 0};
    return StartOutcome::Started;
}

void Drill::stop()
{
    if (currentState == DrillState::Running)
        currentState = DrillState::Paused;
}

void Drill::end()
{
    if (currentState != DrillState::Running && currentState != DrillState::Paused)
        return;
    currentState = DrillState::Ready;
    pairs = nullptr;
    setBar(0);
    screen.clearInput();
}

void Drill::tick()
{
    // A tick that was already queued when the game stopped belongs to no game.
    if (currentState != DrillState::Running)
        return;
    int position = bar;
    if (position == BarMaximum) {
        timeOut();
        if (counters.questionsRemaining == 0) {
            setBar(0);
            finishGame();
            return;
        }
        position = -1;
    }
    setBar(position + 1);
    question = questionAt(questionIndex);
    screen.showQuestion(question.question);
}

void Drill::timeOut()
{
    screen.drawMark(DrillMark::TimeOut);
    screen.playSound(SoundEvent::TimeOut);
    counters.questionsRemaining = wrappingAdd(counters.questionsRemaining, -1);
    counters.answerTimeSum = wrappingAdd(counters.answerTimeSum, bar);
    drawQuestionIndex();
    screen.clearInput();
}

void Drill::checkAnswer(const std::optional<QByteArray>& typed)
{
    // The typed text comes from the encoder, which writes each character under its one canonical
    // code; an answer saved by another program may hold a second code of the same character.
    if (currentState != DrillState::Running || !typed)
        return;
    if (answers ? !answers(question, *typed) : *typed != TextCodec::canonical(question.answer))
        return;
    screen.drawMark(DrillMark::Correct);
    drawQuestionIndex();
    screen.clearInput();
    counters.correctCount = wrappingAdd(counters.correctCount, 1);
    counters.correctTimeSum = wrappingAdd(counters.correctTimeSum, bar);
    counters.answerTimeSum = wrappingAdd(counters.answerTimeSum, bar);
    counters.questionsRemaining = wrappingAdd(counters.questionsRemaining, -1);
    setBar(0);
    screen.playSound(SoundEvent::Correct);
    if (counters.questionsRemaining == 0)
        finishGame();
}

void Drill::finishGame()
{
    // Ready before the report is asked for, so nothing the window does while the report is open
    // can count towards the finished game.
    currentState = DrillState::Ready;
    pairs = nullptr;
    screen.gameOver();
}

void Drill::drawQuestionIndex()
{
    if (pairs && pairs->size() > 0)
        questionIndex = random.bounded(static_cast<int>(pairs->size()));
}

QuestionItem Drill::questionAt(int index) const
{
    if (!pairs || index >= pairs->size())
        return {};
    const QuestionView pair = pairs->at(index);
    return {pair.question.toByteArray(), pair.answer.toByteArray()};
}

void Drill::setBar(int position)
{
    bar = position;
    screen.setBarPosition(position);
}
