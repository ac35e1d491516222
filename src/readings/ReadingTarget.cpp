#include "readings/ReadingTarget.h"

#include "readings/Kana.h"

ReadingTarget readingTarget(QStringView question, QStringView answer)
{
    if (!Kana::containsKanji(question) && Kana::containsKanji(answer))
        return ReadingTarget::Answer;
    return ReadingTarget::Question;
}
