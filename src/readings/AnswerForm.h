#pragma once

#include <QString>

// Which of a pair's accepted answers was typed. The record stores the numbers, so they never
// change.
enum class AnswerForm
{
    Answer = 0,
    Alternative = 1,
    Reading = 2
};

namespace AnswerForms {

// As the notebook and the time-outs list name it, in the editor's words.
QString name(AnswerForm form);

} // namespace AnswerForms
