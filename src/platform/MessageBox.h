#pragma once

#include <QString>

// The program's one way of telling the user that something failed: a modal box with the caption
// "Tazuneエラーメッセージ", no icon and the buttons OK and Cancel, whichever is pressed.
class MessageBox
{
public:
    virtual ~MessageBox() = default;
    virtual void showError(const QString& message) = 0;
};
