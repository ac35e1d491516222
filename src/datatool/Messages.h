#pragma once

#include "language/Language.h"
#include "questions/CheckReport.h"
#include "tables/Table.h"
#include "tables/TableExport.h"

#include <QString>

#include <array>

// The tool's own messages in the user's language. The messages of the program itself, which
// check repeats, stay Japanese as the program shows them.
namespace Messages {

QString describe(const TableError& error, Language language);
QString describe(const ExportError& error, Language language);
QString describe(const CheckWarning& warning, Language language);

QString warningPrefix(Language language);
// Each level's name and count, and the total: "<name> 120, <name> 80, <name> 40 (240 pairs)"
QString pairCounts(const std::array<int, QuestionBank::LevelCount>& counts, Language language);
QString moreErrors(qsizetype count, Language language);
QString nothingWritten(Language language);
// "written: " and the counts, for the file just written.
QString written(const std::array<int, QuestionBank::LevelCount>& counts, Language language);
// Why an import that would leave the question file empty writes nothing.
QString noPairs(Language language);
QString tableTooLarge(qint64 limit, Language language);

// Why a question file was not loaded, after the program's own message.
QString missingFile(Language language);
QString unreadableFile(Language language);
QString foreignFile(Language language);

QString outputExists(Language language);
// Why a worksheet of an empty level is not written.
QString noQuestionsAtLevel(int level, Language language);
// "written: " and the level of the worksheet just written, its questions of those the level holds.
QString worksheetWritten(int level, qsizetype questions, qsizetype available, Language language);
QString noSuchField(const QString& name, const QStringList& fields, Language language);
QString cannotRead(const QString& reason, Language language);
QString cannotWrite(Language language);

} // namespace Messages
