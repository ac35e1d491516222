#pragma once

#include "import/Deck.h"
#include "questions/QuestionBank.h"
#include "readings/ReadingsTable.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>

// What of a deck goes into the bank: the field shown as the question, the field typed as the
// answer, and the level each note goes to.
enum class LevelSource
{
    One,  // every note to `level`
    Deck, // by the deck or lesson a note sits in
    Tag   // by the first of a note's tags that has a level
};

struct DeckMapping
{
    int question = 0;
    int answer = 1;
    LevelSource levelBy = LevelSource::One;
    // The level of every note when levelBy is One, and of the notes no group gives a level.
    int level = 0;
    // A deck (its path joined by "::") or a tag, to its level. A deck's level holds for the decks
    // inside it that have none of their own.
    QHash<QString, int> groupLevels;
};

// The decks or tags of the notes, in the order the notes first use them; nothing for One.
QStringList groupsOf(const Deck& deck, LevelSource levelBy);

// The question and answer in the deck's first two fields, and the groups in their order to the
// levels 0, 1 and 2, every one after the third to level 2; a group named as a level (or a deck of
// that name inside another) goes to that level.
DeckMapping defaultMapping(const Deck& deck, LevelSource levelBy);

// A note that the bank does not get, with the place the user finds it at.
struct SkippedNote
{
    enum class Kind
    {
        NoCp932Form,
        EmptyQuestion,
        EmptyAnswer,
        DuplicateQuestion
    };

    Kind kind;
    NotePlace place;
    int level = 0;
    // The character without a CP932 form.
    QString detail;
    // The note whose question this one repeats.
    NotePlace earlier;

    friend bool operator==(const SkippedNote&, const SkippedNote&) = default;
};

struct MappedDeck
{
    QuestionBank bank;
    // Where each pair of the bank came from, level by level in bank order.
    std::array<QList<NotePlace>, QuestionBank::LevelCount> places;
    QList<SkippedNote> skipped;
    // The readings the deck's author wrote, in step with the bank.
    ReadingsTable readings;
};

// Texts go through the program's one codec; a question already in its level keeps the first. A
// pair gets a reading when the text it belongs to holds kanji and that field's reading field (see
// readingFieldName) spells it in kana alone; written by the deck's author, it needs no check.
MappedDeck mapDeck(const Deck& deck, const DeckMapping& mapping);
