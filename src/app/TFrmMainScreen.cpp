#include "app/TFrmMain.h"

#include "questions/TextCodec.h"
#include "widgets/RomajiLineInput.h"
#include "widgets/RubyPanel.h"

#include <QInputMethodEvent>
#include <QLineEdit>
#include <QTimer>

void TFrmMain::connectControls()
{
    // What the user types, deletes or commits through an input method; the program's own
    // emptying of the line is no answer.
    connect(Edit1, &QLineEdit::textEdited, this, &TFrmMain::Edit1Change);
    Edit1->installEventFilter(this);
    romajiInput = new RomajiLineInput(Edit1, [this] {
        return session.readings().romajiTarget(session.drill().currentQuestion());
    });
    connect(readings, &ReadingsCommand::answersChanged, romajiInput, &RomajiLineInput::follow);
    connect(Timer1, &QTimer::timeout, this, &TFrmMain::Timer1Timer);
}

void TFrmMain::Timer1Timer()
{
    session.tick();
}

void TFrmMain::Edit1Change()
{
    session.input(Edit1->text());
}

// The first composing of an input method is the learner's first key, though nothing is committed.
bool TFrmMain::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Edit1 && event->type() == QEvent::InputMethod &&
        !static_cast<QInputMethodEvent*>(event)->preeditString().isEmpty())
        session.preeditStarted();
    return QMainWindow::eventFilter(watched, event);
}

void TFrmMain::setBarPosition(int position)
{
    showBar(position);
    listening->barMoved(position);
}

void TFrmMain::showQuestion(const QByteArray& question, const RubySegments& ruby)
{
    if (listening->hidesQuestion())
        Panel1->setRubyText(ListeningCommand::HiddenQuestion, {});
    else
        Panel1->setRubyText(TextCodec::decode(question), ruby);
    romajiInput->follow();
}

void TFrmMain::clearInput()
{
    Edit1->clear();
}

void TFrmMain::playSound(SoundEvent sound)
{
    sounds.play(sound);
}

void TFrmMain::questionAnswered(const AnsweredQuestion& answered)
{
    showMark(DrillMark::Correct);
    classCommand->answered(answered.pair, answered.ticks);
}

void TFrmMain::questionTimedOut(const TimedOutQuestion& timedOut)
{
    showMark(DrillMark::TimeOut);
    classCommand->timedOut(timedOut.pair, timedOut.typed);
}

// The report's dialog runs an event loop of its own, so it opens once the handler that ended
// the game has returned rather than inside it; the session is Ready already and takes no input.
void TFrmMain::gameOver(const ReportInputs& inputs)
{
    classCommand->gameOver(inputs);
    QMetaObject::invokeMethod(
        this,
        [this] {
            MenuScorClick();
            tellRecordMessage();
        },
        Qt::QueuedConnection);
}
