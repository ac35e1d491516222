#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// Where a note came from, for messages: the line of a text or XML file, or the note's position in
// a collection; both counted from 1 as the user counts them.
struct NotePlace
{
    enum class Kind
    {
        Line,
        Note
    };

    Kind kind = Kind::Line;
    qint64 number = 0;

    friend bool operator==(const NotePlace&, const NotePlace&) = default;
};

struct DeckNote
{
    // By field index of the deck; a note type without a field leaves it empty.
    QStringList fields;
    // The deck or lesson it sits in, outermost first; empty when the source has none.
    QStringList path;
    QStringList tags;
    NotePlace place;
};

// Notes with named fields, read from another program's file, before any of it is mapped onto
// the three levels.
struct Deck
{
    QStringList fieldNames;
    QList<DeckNote> notes;

    // Adds a field to every note and returns its index; a name already there is reused.
    int addField(const QString& name);
};

// The column that holds how a field is read: furigana of a field, a pronunciation of a word.
QString readingFieldName(const QString& fieldName);

// What keeps a file from becoming a deck. The detail is what the message names: the limit, the
// entry, the character, or the reason another library gave.
struct ImportError
{
    enum class Kind
    {
        CannotOpen,
        FileTooLarge,
        InvalidUtf8,
        NotAZip,
        NotAnAnkiPackage,
        EntryTooLarge,
        DamagedEntry,
        DamagedCollection,
        FieldTooLarge,
        ValueTooLarge,
        TooManyNotes,
        TooManyFields,
        BadXml,
        XmlEntities,
        XmlTooDeep,
        NotAVocabulary
    };

    Kind kind;
    QString detail;
    std::optional<NotePlace> place = std::nullopt;

    friend bool operator==(const ImportError&, const ImportError&) = default;
};

struct DeckResult
{
    Deck deck;
    // When set, the deck is empty and nothing may be written.
    std::optional<ImportError> error;
};
