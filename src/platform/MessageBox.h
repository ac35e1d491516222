#pragma once

#include <QString>

#include <optional>

// The program's one way of telling the user that something failed: a modal box with the caption
// "Tazuneエラーメッセージ", no icon and the one button OK.
class MessageBox
{
public:
    virtual ~MessageBox() = default;
    virtual void showError(const QString& message) = 0;
    // A box captioned "Tazune" that tells what the user asked for is not there, such as no pair
    // due for review, with the one button OK. A box that cannot tell stays silent.
    virtual void tell(const QString& message) { Q_UNUSED(message); }
    // The same box with the buttons OK and Cancel asking a question, such as whether to replace a
    // file: true only for OK. A box that cannot ask answers Cancel, so nothing is done without the
    // user's word.
    virtual bool confirm(const QString& question)
    {
        Q_UNUSED(question);
        return false;
    }
    // A box asking for one line of text, such as the learner's name, its field holding preset:
    // the text on OK, nothing on Cancel. A box that cannot ask answers nothing.
    virtual std::optional<QString> askText(const QString& question, const QString& preset)
    {
        Q_UNUSED(question);
        Q_UNUSED(preset);
        return std::nullopt;
    }
};
