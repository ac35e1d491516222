#pragma once

#include "classroom/HandIn.h"
#include "platform/Outcome.h"
#include "record/LearningRecord.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

// The file one finished game is handed in as: a CSV in UTF-8 with a byte order mark that a
// spreadsheet opens as it is, in four parts:
//   Tazune-hand-in,1
//   組,番号,名前,課題            and the pupil's line under it
//   the results table's header   and the game's line under it, as the results export writes it
//   問題,答え,結果,時間(秒),入力  and one line per question: 正解 or 時間切れ, its seconds, and
//                                what was typed at a time-out
namespace HandInFile {

// The game's questions as text, from the record's outcomes of its answers.
QList<HandInAnswer> answersOf(const QList<AnswerOutcome>& outcomes, qint32 secondsPerQuestion);

QByteArray write(const HandIn& handIn);

// 組_番号_名前_YYYYMMDD-HHMMSS.csv at the game's end in local time, each character a file system
// would refuse or misread (/ \ : * ? " < > |, controls, a leading dot) replaced by "_": two PCs
// never write the same name unless the same pupil ends two games in the same second.
QString nameOf(const Pupil& pupil, const QDateTime& finishedAt);

// Puts the bytes into the folder under the name, or under the name with "-2", "-3", … before
// ".csv" when it is taken; the bytes go to a hidden temporary file in the folder first and take
// their name only once complete, so a reader never sees half a file and nothing is overwritten.
// Gives the path written, or the file system's reason; an empty folder is no folder.
Fallible<QString, QString> put(const QString& folder, const QString& name, const QByteArray& bytes);

} // namespace HandInFile
