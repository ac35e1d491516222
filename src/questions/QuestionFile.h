#pragma once

#include "platform/Outcome.h"
#include "questions/QuestionBank.h"

#include <QByteArrayView>
#include <QCryptographicHash>
#include <QString>

// The question file: "3.00a", a level count, then per level an item count and per item two
// length-prefixed texts; all integers signed 32-bit little-endian.
namespace QuestionFile {

enum class ReadFailure
{
    NotFound,
    WrongVersion,
    Unreadable
};

using ReadOutcome = Outcome<ReadFailure>;
// Why a file was not written, as the file system says it.
using WriteOutcome = Outcome<QString>;

// Empties the bank, then fills it from the bytes. On Unreadable the bank keeps the items read
// completely before the failure.
ReadOutcome parse(QByteArrayView bytes, QuestionBank& bank);

// NotFound, with the bank untouched, when no file is at path (a folder is no file); otherwise
// empties the bank, then reads the file into it. The bytes read are added to the hash when one is
// given, so a file is read only once to be both loaded and known.
ReadOutcome read(const QString& path, QuestionBank& bank, QCryptographicHash* hash = nullptr);

QByteArray encode(const QuestionBank& bank);

// Replaces the file atomically: on failure the previous file is left as it was.
WriteOutcome write(const QString& path, const QuestionBank& bank);

// The message shown to the user for a failed read; empty for a file that was read.
QString messageFor(const ReadOutcome& outcome);

inline const QString OpenFailedMessage = QStringLiteral("ファイルが開けませんでした");
inline const QString WrongVersionMessage = QStringLiteral("処理できないデータのバージョンです");
inline const QString SaveFailedMessage = QStringLiteral("ファイルを保存できませんでした");

} // namespace QuestionFile
