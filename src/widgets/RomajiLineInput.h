#pragma once

#include "romaji/RomajiJudge.h"

#include <QObject>
#include <QString>

#include <functional>
#include <optional>

class QKeyEvent;
class QLineEdit;

// Lets an input line take keystrokes as romaji for a kana answer, with no input method: the line
// shows what the judge makes of the keys, a key that cannot lead to the answer is refused and the
// line keeps its text. The guide to the rest of the answer is the line's tooltip and accessible
// description, and its placeholder while it is empty.
class RomajiLineInput : public QObject
{
    Q_OBJECT

public:
    // The keys are judged against what expectedAnswer gives at the time of each key.
    RomajiLineInput(QLineEdit* line, std::function<QString()> expectedAnswer);

    void setActive(bool on);
    bool isActive() const { return active; }

    // Starts the judge afresh when the answer is another one or the line no longer shows what the
    // judge made of the keys (the program emptied it), and shows the guide.
    void follow();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool keyPressed(const QKeyEvent* key);
    void showJudgedText();
    void showGuide(const QString& guide);

    QLineEdit* line;
    std::function<QString()> expectedAnswer;
    std::optional<RomajiJudge> judge;
    bool active = false;
};
