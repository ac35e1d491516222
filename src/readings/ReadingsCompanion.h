#pragma once

#include "questions/QuestionBank.h"
#include "readings/ReadingCheck.h"
#include "readings/ReadingsTable.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

// The readings of a question file live beside it in NAME.yomi.tsv: UTF-8, a header line, then
// one line per pair with its level, question, answer, reading, alternatives joined by " | " and a
// mark while the reading waits for a check. A tab, a line break or a backslash inside a text is
// written \t, \n, \r or \\. The question file itself is never touched by any of this.
//
// Every line is kept as the bytes it was read as, its own line ending included, and written back
// as those bytes unless the pair's reading or texts changed. So a file nobody edited comes back
// byte for byte, whatever its header, line endings, blank lines or lines this program could not
// read, and a line whose pair is not in the question file is kept for when it comes back.
struct CompanionRow
{
    int level = 0;
    QString question;
    QString answer;
    PairReading reading;

    friend bool operator==(const CompanionRow&, const CompanionRow&) = default;
};

struct CompanionLine
{
    QByteArray raw;                  // as read, its line ending included
    std::optional<CompanionRow> row; // nothing for the header, a blank or an unreadable line
};

struct CompanionProblem
{
    enum class Kind
    {
        CannotOpen,
        TooLarge,
        TooManyLines,
        NotUtf8,
        TooFewColumns,
        UnknownLevel,
        BadReading, // see fault
        NoPair
    };

    Kind kind = Kind::CannotOpen;
    qsizetype line = 0; // from 1; 0 for the file as a whole
    QString detail;     // the reason, the level or the question, as the kind needs
    std::optional<ReadingFault> fault;
    std::optional<CompanionRow> row; // the row of NoPair

    static CompanionProblem at(Kind kind, qsizetype line, QString detail = {})
    {
        CompanionProblem problem;
        problem.kind = kind;
        problem.line = line;
        problem.detail = std::move(detail);
        return problem;
    }

    friend bool operator==(const CompanionProblem&, const CompanionProblem&) = default;
};

struct CompanionFile
{
    bool exists = false;
    // Not read at all (too large, too many lines, cannot be opened): it must not be written over.
    bool refused = false;
    QList<CompanionLine> lines;
    QList<CompanionProblem> problems;
};

// How much is read, from the question file's size: a companion holds one short line per pair,
// and a pair takes at least 8 bytes in the question file.
struct CompanionLimits
{
    qint64 maxBytes = 0;
    qsizetype maxLines = 0;
};

namespace ReadingsCompanion {

inline constexpr qint64 MinimumMaxBytes = 1024 * 1024;
inline constexpr qint64 BytesPerQuestionFileByte = 8;
inline constexpr qsizetype MinimumMaxLines = 65'536;

QString companionPath(const QString& questionFile);

// At most max(1 MiB, 8 times the question file) and max(65,536 lines, a line for every 4 bytes
// of the question file).
CompanionLimits limitsFor(qint64 questionFileSize);

// Reads what can be read; every line that cannot is kept and reported with its number.
CompanionFile parse(QByteArrayView bytes, const CompanionLimits& limits);

// The companion of the question file at questionFile: an absent one is an empty CompanionFile.
CompanionFile read(const QString& questionFile);

struct Matched
{
    ReadingsTable readings;
    QList<CompanionProblem> orphans; // rows whose pair the bank does not hold
};

// Each row goes to the first pair not yet taken with the same level, question and answer, so
// rows for a pair that is in the bank twice apply in their order: a reading written for only the
// second of two identical pairs is read back as the first one's. The row's texts are encoded
// to CP932 and compared as bytes; a pair written with the second code of a character (an NEC
// or IBM row) is compared by its usual code when nothing matched it as it stands.
Matched match(const CompanionFile& file, const QuestionBank& bank);

// The file to write for the bank with these readings: the unchanged lines as they were read,
// changed ones written anew, lines of removed pairs left out, new readings added at the end.
// Nothing when no file is wanted: there was none and there are no readings, or the one there
// was refused.
std::optional<QByteArray> write(const CompanionFile& source, const QuestionBank& bank,
                                const ReadingsTable& readings);

} // namespace ReadingsCompanion
