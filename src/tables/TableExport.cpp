#include "tables/TableExport.h"

#include "questions/TextCodec.h"
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

void appendRow(QByteArray& table, const QList<QByteArray>& fields, TableFormat format)
{
    const char separator = format == TableFormat::Tsv ? '\t' : ',';
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (i > 0)
            table.append(separator);
        appendField(table, fields[i], format);
    }
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

// The reading's fields are CP932 like the texts, so that the whole table is converted at once;
// a reading holds only kana and its alternatives were checked to have a CP932 form. The
// companion's ✓ has none, so a table marks a reading to check with ○.
QList<QByteArray> readingFields(const PairReading& reading)
{
    const auto cp932 = [](const QString& text) {
        return TextCodec::encode(text).value_or(QByteArray());
    };
    return {cp932(reading.reading), cp932(Alternatives::join(reading.alternatives)),
            reading.needsCheck ? cp932(TableCheckMark) : QByteArray()};
}

QList<ExportError> alternativesFailingTsv(const ReadingsTable& readings)
{
    QList<ExportError> errors;
    for (int level = 0; level < QuestionBank::LevelCount; ++level) {
        for (int position = 0; position < readings.count(level); ++position) {
            const QStringList alternatives = readings.reading(level, position).alternatives;
            if (std::any_of(alternatives.cbegin(), alternatives.cend(),
                            [](const QString& text) { return !fitsTsv(text.toUtf8()); }))
                errors.append({ExportError::Kind::TabOrLineBreakInTsv, level, position,
                               TextField::Alternatives});
        }
    }
    return errors;
}

} // namespace

ExportResult exportTable(const QuestionBank& bank, const ExportOptions& options,
                         const ReadingsTable& readings)
{
    ExportResult result;
    const bool withReadings = readings.hasReadings();
    if (options.format == TableFormat::Tsv) {
        result.errors = textsFailing(bank, ExportError::Kind::TabOrLineBreakInTsv, fitsTsv);
        if (withReadings)
            result.errors += alternativesFailingTsv(readings);
        if (!result.errors.isEmpty())
            return result;
    }
    QByteArray table;
    if (options.header)
        appendRow(table,
                  withReadings ? QList<QByteArray>{"level", "question", "answer", "reading",
                                                   "alternatives", "check"}
                               : QList<QByteArray>{"level", "question", "answer"},
                  options.format);
    for (int level = 0; level < QuestionBank::LevelCount; ++level) {
        const QByteArray number = QByteArray::number(level + 1);
        for (int position = 0; position < bank.Count(level); ++position) {
            const QuestionView item = bank.view(level, position);
            QList<QByteArray> fields{number, item.question.toByteArray(),
                                     item.answer.toByteArray()};
            if (withReadings)
                fields += readingFields(readings.reading(level, position));
            appendRow(table, fields, options.format);
        }
    }
    if (std::optional<QByteArray> converted = TableCodec::fromCp932(table, options.encoding))
        result.table = *std::move(converted);
    else
        result.errors =
            textsFailing(bank, ExportError::Kind::NotKeptByUtf8, TableCodec::survivesUtf8);
    return result;
}
