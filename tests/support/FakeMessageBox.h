#pragma once

#include "platform/MessageBox.h"

#include <QStringList>

// Records every message instead of blocking on a modal box.
class FakeMessageBox : public MessageBox
{
public:
    void showError(const QString& message) override { messages << message; }
    // Answers each question with the next scripted answer, Cancel when none is left.
    bool confirm(const QString& question) override
    {
        questions << question;
        return !confirmAnswers.isEmpty() && confirmAnswers.takeFirst();
    }

    QStringList messages;
    QStringList questions;
    QList<bool> confirmAnswers;
};
