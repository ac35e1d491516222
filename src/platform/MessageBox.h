#pragma once

#include <QString>

// The program's one way of telling the user that something failed: a modal box with the caption
// "Tazuneエラーメッセージ", no icon and the buttons OK and Cancel, whichever is pressed.
class MessageBox
{
public:
    virtual ~MessageBox() = default;
    virtual void showError(const QString& message) = 0;
    // A yes-or-no question before something that cannot be undone, such as replacing a file;
    // true only for yes. A box that cannot ask answers no, so nothing is replaced unasked.
    virtual bool confirm(const QString& question)
    {
        Q_UNUSED(question);
        return false;
    }
};
