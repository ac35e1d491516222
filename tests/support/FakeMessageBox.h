#pragma once

#include "platform/MessageBox.h"

#include <QStringList>

// Records every message instead of blocking on a modal box.
class FakeMessageBox : public MessageBox
{
public:
    void showError(const QString& message) override { messages << message; }
    void tell(const QString& message) override { told << message; }
    // Answers each question with the next scripted answer, Cancel when none is left.
    bool confirm(const QString& question) override
    {
        questions << question;
        return !confirmAnswers.isEmpty() && confirmAnswers.takeFirst();
    }

    // Answers each text question with the next scripted text, Cancel when none is left.
    std::optional<QString> askText(const QString& question, const QString& preset) override
    {
        textQuestions << question;
        textPresets << preset;
        return textAnswers.isEmpty() ? std::nullopt : textAnswers.takeFirst();
    }

    QStringList messages;
    QStringList told;
    QStringList questions;
    QList<bool> confirmAnswers;
    QStringList textQuestions;
    QStringList textPresets;
    QList<std::optional<QString>> textAnswers;
};
