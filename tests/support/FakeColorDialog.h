#pragma once

#include "platform/ColorDialog.h"

#include <QList>

// Answers with the next scripted colour (nothing = Cancel) and keeps the colours it was preset
// with.
class FakeColorDialog : public ColorDialog
{
public:
    std::optional<QColor> getColor(const QColor& initial) override
    {
        presets << initial;
        return answers.isEmpty() ? std::nullopt : answers.takeFirst();
    }

    QList<std::optional<QColor>> answers;
    QList<QColor> presets;
};
