#include "app/TFrmMain.h"

#include "questions/TextCodec.h"
#include "widgets/BevelPanel.h"
#include "widgets/RomajiLineInput.h"

#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>

void TFrmMain::Timer1Timer()
{
    game.tick();
}

void TFrmMain::Edit1Change()
{
    game.checkAnswer(TextCodec::encode(Edit1->text()));
}

void TFrmMain::setBarPosition(int position)
{
    ProgressBar1->setValue(position);
    showRemainingTime(position);
}

// In whole seconds, so that a screen reader hears of it once a second rather than every tick.
void TFrmMain::showRemainingTime(int position)
{
    const int tenths = Drill::BarMaximum - position;
    const QString remaining = QStringLiteral("残り%1秒").arg((tenths + 9) / 10);
    if (ProgressBar1->accessibleName() != remaining)
        ProgressBar1->setAccessibleName(remaining);
}

void TFrmMain::showQuestion(const QByteArray& question)
{
    Panel1->setPanelText(TextCodec::decode(question));
    romajiInput->follow();
}

void TFrmMain::clearInput()
{
    Edit1->clear();
}

void TFrmMain::drawMark(DrillMark mark)
{
    Image1->setPixmap(ImageList1[static_cast<int>(mark)]);
    Image1->setAccessibleName(mark == DrillMark::Correct ? QStringLiteral("正解")
                                                         : QStringLiteral("時間切れ"));
    // The mark comes before the drill moves on, so question, bar and input are still the answer's.
    // Input with characters outside the question files' code page is kept as empty.
    if (mark == DrillMark::Correct)
        recorder.answered(game.currentQuestion(), game.barPosition(), {});
    else
        recorder.timedOut(game.currentQuestion(),
                          TextCodec::encode(Edit1->text()).value_or(QByteArray()), {});
}

void TFrmMain::playSound(SoundEvent sound)
{
    sounds.play(sound);
}

// The report's dialog runs an event loop of its own, so it opens once the handler that ended
// the game has returned rather than inside it; the drill is Ready already and takes no input.
void TFrmMain::gameOver()
{
    const ReportInputs inputs = reportInputs();
    recorder.gameReported(inputs, ReportFigures::texts(inputs));
    review.end(bank);
    QMetaObject::invokeMethod(
        this,
        [this] {
            MenuScorClick();
            tellRecordMessage();
        },
        Qt::QueuedConnection);
}
