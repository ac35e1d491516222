#pragma once

#include <QList>
#include <QString>

// One character of an answer as the keys see it: a kana, read as hiragana whatever script and
// width the answer writes it in, or a character typed as itself. ﾃﾞ is one unit, as デ is.
struct RomajiUnit
{
    enum class Kind
    {
        Kana,
        TypedAsItself,
        Untypable
    };

    Kind kind;
    // The hiragana (or ー and the punctuation of the table) for a kana; the key for a character
    // typed as itself.
    QChar key;
    // Where the unit ends in the answer's text.
    qsizetype end;
};

QList<RomajiUnit> romajiUnits(const QString& answer);
