#pragma once

#include "classroom/Assignment.h"
#include "platform/Outcome.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// What keeps an assignment file from being read, at the line (counted from 1) where it is.
struct AssignmentError
{
    enum class Kind
    {
        TooLarge,
        NotUtf8,
        NoHeader,
        LaterVersion,
        NotKeyValue,
        DuplicateKey,
        TooLong,
        BadValue,
        MissingKey
    };

    Kind kind;
    int line = 0;
    QString key;

    friend bool operator==(const AssignmentError&, const AssignmentError&) = default;
};

// The assignment file: UTF-8 text, the header line "Tazune-assignment 1", then one key=value
// line per setting, in a fixed order, ending in LF (CRLF read too):
//   title, file, levels (level names joined by commas), count, seconds, seed (decimal), mode
//   (練習 or テスト), furigana (表示しない, 常に or 間違えた後), romaji and byReading (0 or 1),
//   handIn, and data (the question file's bytes in Base64) when the file carries a copy.
// Unknown keys are kept; "file" is the only key that must be there.
namespace AssignmentFile {

inline constexpr qsizetype MostBytes = 48 * 1024 * 1024;
inline constexpr qsizetype MostTextCharacters = 1000;
inline constexpr qint32 MostQuestions = 999;
inline constexpr qint32 MostSeconds = 999;

QByteArray write(const Assignment& assignment);
Fallible<Assignment, AssignmentError> read(QByteArrayView bytes);

// The question file's path: the one written in the assignment, taken against the assignment's
// folder when it is relative.
QString questionFilePath(const QString& assignmentPath, const Assignment& assignment);

// The error as the program and the data tool tell it.
QString message(const AssignmentError& error);

} // namespace AssignmentFile
