#pragma once

#include "proposal/ReadingProposal.h"

#include <QStringList>

// What the sources say about one word.
struct ReadingEvidence
{
    // The dictionary's exact entry: its readings, the common ones first, and how many are common.
    QStringList dictionary;
    int commonInDictionary = 0;
    // Each analyser's readings of the whole word, after the counter table; empty when it does not
    // know some part of the word. More than one only where a counter reads two ways.
    QStringList analyser;
    QStringList secondAnalyser;
};

// The dictionary decides when it has the word, unless it knows several readings in common use
// (今日 きょう, こんにち), or several and none common; the default is then the one the analysers
// read. Without the dictionary the analysers must agree. A word nobody knows is proposed empty.
ReadingProposal chooseReading(const ReadingEvidence& evidence);
