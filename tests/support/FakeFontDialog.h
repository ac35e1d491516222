#pragma once

#include "platform/FontDialog.h"

#include <QList>

// Answers with the next scripted font (nothing = Cancel) and keeps the fonts it was preset with.
class FakeFontDialog : public FontDialog
{
public:
    std::optional<QFont> getFont(const QFont& initial) override
    {
        presets << initial;
        return answers.isEmpty() ? std::nullopt : answers.takeFirst();
    }

    QList<std::optional<QFont>> answers;
    QList<QFont> presets;
};
