#pragma once

#include "platform/MessageBox.h"

#include <QStringList>

// Records every message instead of blocking on a modal box.
class FakeMessageBox : public MessageBox
{
public:
    void showError(const QString& message) override { messages << message; }
    bool confirm(const QString& question) override
    {
        questions << question;
        return confirmAnswer;
    }

    QStringList messages;
    QStringList questions;
    bool confirmAnswer = true;
};
