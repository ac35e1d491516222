#pragma once

#include "import/AnkiMarkup.h"
#include "import/Deck.h"

#include <QByteArrayView>

// A text file the other program exports its notes to: UTF-8, optional header lines
// ("#separator:tab", "#html:true", "#columns:…", "#deck column:3", "#tags column:4", …), then one
// note per row with fields between separators, quoted with '"' where a field holds one. Fields
// are named by the columns header, else by their number from 1.
DeckResult readAnkiText(QByteArrayView bytes, AnkiMarkup::LineBreaks lineBreaks);

// Whether the bytes start as such a file does, with a header line only it writes.
bool looksLikeAnkiText(QByteArrayView bytes);
