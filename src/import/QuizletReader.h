#pragma once

#include "import/Deck.h"

#include <QString>

// What the other program's export box gives to copy: one card after another, the term and its
// definition between the two separators the user chose there. Fields "用語" and "定義".
struct QuizletSeparators
{
    QString term = QStringLiteral("\t");
    QString card = QStringLiteral("\n");
};

DeckResult readQuizlet(const QString& text, const QuizletSeparators& separators);

// A separator as the user types it on one line: "\t" for a tab, "\n" for a line break.
QString separatorFromTyped(const QString& typed);
QString typedFromSeparator(const QString& separator);
