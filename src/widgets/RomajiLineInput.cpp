#include "widgets/RomajiLineInput.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>

RomajiLineInput::RomajiLineInput(QLineEdit* line, std::function<QString()> expectedAnswer)
    : QObject(line), line(line), expectedAnswer(std::move(expectedAnswer))
{
    line->installEventFilter(this);
}

void RomajiLineInput::setActive(bool on)
{
    active = on;
    judge.reset();
    // The keys themselves are the input; an input method would turn them into kana first.
    line->setAttribute(Qt::WA_InputMethodEnabled, !on && !line->isReadOnly());
    if (on)
        follow();
    else
        showGuide(QString());
}

void RomajiLineInput::follow()
{
    if (!active)
        return;
    const QString answer = expectedAnswer();
    if (!judge || judge->answer() != answer || line->text() != judge->shownText())
        judge.emplace(answer);
    showGuide(line->isReadOnly() ? QString() : judge->guide());
}

bool RomajiLineInput::eventFilter(QObject* watched, QEvent* event)
{
    if (!active || watched != line)
        return false;
    switch (event->type()) {
    case QEvent::KeyPress:
        return !line->isReadOnly() && keyPressed(static_cast<QKeyEvent*>(event));
    case QEvent::InputMethod:
        return true;
    case QEvent::ReadOnlyChange:
        // The line sets its input method afresh whenever it changes to writable.
        line->setAttribute(Qt::WA_InputMethodEnabled, false);
        follow();
        return false;
    default:
        return false;
    }
}

// Returns whether the key was the judge's, taken or refused.
bool RomajiLineInput::keyPressed(const QKeyEvent* key)
{
    // Edits that go round the judge would leave the line showing something it did not make.
    if (key->matches(QKeySequence::Paste) || key->matches(QKeySequence::Cut) ||
        key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo) ||
        key->matches(QKeySequence::Delete) || key->matches(QKeySequence::DeleteEndOfWord) ||
        key->matches(QKeySequence::DeleteStartOfWord) ||
        key->matches(QKeySequence::DeleteEndOfLine))
        return true;
    if (key->key() == Qt::Key_Backspace) {
        follow();
        judge->backspace();
        showJudgedText();
        return true;
    }
    const QString text = key->text();
    if (text.size() != 1 || text.front().unicode() < 0x20 || text.front().unicode() > 0x7E ||
        (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
        return false;
    follow();
    if (judge->type(text.front()))
        showJudgedText();
    return true;
}

// Through the line's own editing, so the change reaches the answer check as typed text does.
void RomajiLineInput::showJudgedText()
{
    const QString shown = judge->shownText();
    const QString guide = judge->guide();
    if (line->text() != shown) {
        line->selectAll();
        line->insert(shown);
    }
    // A correct answer has emptied the line and moved on; the next question brings its guide.
    showGuide(line->text() == shown ? guide : QString());
}

// Called at every tick: an unchanged guide must neither repaint the line nor be announced again.
void RomajiLineInput::showGuide(const QString& guide)
{
    if (line->toolTip() == guide)
        return;
    line->setPlaceholderText(guide);
    line->setToolTip(guide);
    line->setAccessibleDescription(guide);
}
