#pragma once

#include "platform/ColorDialog.h"
#include "platform/FontDialog.h"

#include <QList>

#include <optional>

// A dialog that answers with the next scripted value (nothing = Cancel) and keeps the values it
// was preset with.
template <typename Value> class ScriptedAnswers
{
public:
    QList<std::optional<Value>> answers;
    QList<Value> presets;

protected:
    std::optional<Value> answer(const Value& initial)
    {
        presets << initial;
        return answers.isEmpty() ? std::nullopt : answers.takeFirst();
    }
};

class FakeColorDialog : public ColorDialog, public ScriptedAnswers<QColor>
{
public:
    std::optional<QColor> getColor(const QColor& initial) override { return answer(initial); }
};

class FakeFontDialog : public FontDialog, public ScriptedAnswers<QFont>
{
public:
    std::optional<QFont> getFont(const QFont& initial) override { return answer(initial); }
};
