#pragma once

#include "import/AnkiMarkup.h"
#include "import/Deck.h"
#include "import/QuizletReader.h"

#include <QByteArrayView>
#include <QString>

#include <optional>

enum class DeckFormat
{
    AnkiText,
    AnkiPackage,
    Kvtml,
    Quizlet
};

struct DeckReadOptions
{
    AnkiMarkup::LineBreaks lineBreaks = AnkiMarkup::LineBreaks::Space;
    QuizletSeparators quizlet;
};

// The format a file shows by its name or its first bytes: a package by its zip signature or
// extension, a vocabulary file by its root element, a text export by its header lines. Nothing
// for anything else, which a pasted list and a plain table look alike as.
std::optional<DeckFormat> detectFormat(const QString& path, QByteArrayView start);

// Reads the file at path as the format says; a text file over the size limit is refused before
// it is read.
DeckResult readDeckFile(const QString& path, DeckFormat format, const DeckReadOptions& options);

// The first bytes detectFormat needs.
QByteArray startOfFile(const QString& path);
