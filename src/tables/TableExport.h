#pragma once

#include "questions/QuestionBank.h"
#include "readings/ReadingsTable.h"
#include "tables/Table.h"

#include <QByteArray>
#include <QList>

enum class TextField
{
    Question,
    Answer,
    Alternatives
};

// A text of the bank that cannot go into the table as asked; level and position count from 0,
// as the bank does.
struct ExportError
{
    enum class Kind
    {
        TabOrLineBreakInTsv,
        NotKeptByUtf8
    };

    Kind kind;
    int level = 0;
    int position = 0;
    TextField field = TextField::Question;

    friend bool operator==(const ExportError&, const ExportError&) = default;
};

// What the check column holds for a reading that waits for a person's check; import takes any
// mark there.
inline const QString TableCheckMark = QStringLiteral("○");

struct ExportOptions
{
    TableFormat format = TableFormat::Tsv;
    TableEncoding encoding = TableEncoding::Utf8;
    bool header = false;
};

struct ExportResult
{
    QByteArray table;
    // When there is any, the table is empty and nothing may be written.
    QList<ExportError> errors;
};

// One row per pair, level as 1, 2 or 3, in bank order; rows end in LF for TSV and in CRLF for
// CSV, whose fields are quoted when they hold a comma, a quote, a line break or edge spaces. A
// table in CP932 keeps every text's bytes; one in UTF-8 takes only texts that come back unchanged.
// When some pair has a reading, every row goes on with three more fields: the reading, the
// alternatives joined by " | " and a mark while the reading waits for a check.
ExportResult exportTable(const QuestionBank& bank, const ExportOptions& options,
                         const ReadingsTable& readings = ReadingsTable());
