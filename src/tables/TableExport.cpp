#include "tables/TableExport.h"

#include "tables/SeparatedText.h"
#include "tables/TableCodec.h"

namespace {

bool needsQuotes(QByteArrayView text)
{
    for (const char c : text) {
        if (c == ',' || c == '"' || c == '\r' || c == '\n')
            return true;
    }
    // Some spreadsheet programs trim unquoted fields, which would lose a meaningful space.
    return !text.isEmpty() && (text.front() == ' ' || text.back() == ' ');
}

// A tab-separated field is taken as it stands; a comma-separated one is kept from running as a
// formula, and import takes the apostrophe off again.
void appendField(QByteArray& table, QByteArrayView text, TableFormat format)
{
    if (format == TableFormat::Tsv) {
        table.append(text);
        return;
    }
    const QByteArray field = SeparatedText::formulaNeutralised(text.toByteArray());
    table.append(needsQuotes(field) ? SeparatedText::quoted(field) : field);
}

void appendRow(QByteArray& table, QByteArrayView level, QByteArrayView question,
               QByteArrayView answer, TableFormat format)
{
    const char separator = format == TableFormat::Tsv ? '\t' : ',';
    appendField(table, level, format);
    table.append(separator);
    appendField(table, question, format);
    table.append(separator);
    appendField(table, answer, format);
    table.append(format == TableFormat::Tsv ? "\n" : "\r\n");
}

bool fitsTsv(QByteArrayView text)
{
    return !text.contains('\t') && !text.contains('\n') && !text.contains('\r');
}

template <typename TextCheck>
QList<ExportError> textsFailing(const QuestionBank& bank, ExportError::Kind kind, TextCheck isFine)
{
    QList<ExportError> errors;
    for (int level = 0; level < QuestionBank::LevelCount; ++level) {
        for (int position = 0; position < bank.Count(level); ++position) {
            const QuestionView item = bank.view(level, position);
            if (!isFine(item.question))
                errors.append({kind, level, position, TextField::Question});
            if (!isFine(item.answer))
                errors.append({kind, level, position, TextField::Answer});
        }
    }
    return errors;
}

} // namespace

ExportResult exportTable(const QuestionBank& bank, const ExportOptions& options)
{
    ExportResult result;
    if (options.format == TableFormat::Tsv) {
        result.errors = textsFailing(bank, ExportError::Kind::TabOrLineBreakInTsv, fitsTsv);
        if (!result.errors.isEmpty())
            return result;
    }
    QByteArray table;
    if (options.header)
        appendRow(table, "level", "question", "answer", options.format);
    for (int level = 0; level < QuestionBank::LevelCount; ++level) {
        const QByteArray number = QByteArray::number(level + 1);
        for (int position = 0; position < bank.Count(level); ++position) {
            const QuestionView item = bank.view(level, position);
            appendRow(table, number, item.question, item.answer, options.format);
        }
    }
    if (std::optional<QByteArray> converted = TableCodec::fromCp932(table, options.encoding))
        result.table = *std::move(converted);
    else
        result.errors =
            textsFailing(bank, ExportError::Kind::NotKeptByUtf8, TableCodec::survivesUtf8);
    return result;
}
