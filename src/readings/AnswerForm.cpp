#include "readings/AnswerForm.h"

QString AnswerForms::name(AnswerForm form)
{
    switch (form) {
    case AnswerForm::Alternative:
        return QStringLiteral("別解");
    case AnswerForm::Reading:
        return QStringLiteral("よみ");
    case AnswerForm::Answer:
        break;
    }
    return QStringLiteral("答え");
}
