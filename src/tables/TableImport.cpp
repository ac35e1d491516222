#include "tables/TableImport.h"

#include "questions/LevelNames.h"
#include "questions/TextCodec.h"
#include "readings/ReadingCheck.h"
#include "tables/SeparatedText.h"
#include "tables/TableCodec.h"

#include <array>

namespace {

// The table has been turned into CP932 bytes, so the level names are compared as such.
QByteArray cp932(const QString& text)
{
    return TextCodec::encode(text).value();
}

std::optional<int> levelOf(const QByteArray& field)
{
    static const std::array<QByteArray, QuestionBank::LevelCount> numbers{"1", "2", "3"};
    static const std::array<QByteArray, QuestionBank::LevelCount> names{
        cp932(LevelNames::name(0)), cp932(LevelNames::name(1)), cp932(LevelNames::name(2))};
    for (int level = 0; level < QuestionBank::LevelCount; ++level) {
        if (field == numbers[level] || field == names[level])
            return level;
    }
    return std::nullopt;
}

bool isHeader(const QByteArray& levelField)
{
    static const QByteArray japanese = cp932(QStringLiteral("レベル"));
    return levelField.compare("level", Qt::CaseInsensitive) == 0 || levelField == japanese;
}

using Row = SeparatedText::Record<QByteArray>;

TableError::Kind kindOf(SeparatedText::Fault fault)
{
    switch (fault) {
    case SeparatedText::Fault::StrayCarriageReturn:
        return TableError::Kind::StrayCarriageReturn;
    case SeparatedText::Fault::QuoteInUnquotedField:
        return TableError::Kind::QuoteInUnquotedField;
    case SeparatedText::Fault::TextAfterClosingQuote:
        return TableError::Kind::TextAfterClosingQuote;
    case SeparatedText::Fault::UnclosedQuote:
        break;
    }
    return TableError::Kind::UnclosedQuote;
}

// A TSV table has no quoting; in both, a carriage return belongs only before a line feed.
SeparatedText::Rules rulesOf(TableFormat format)
{
    if (format == TableFormat::Tsv)
        return {u'\t', SeparatedText::Quoting::None, true};
    return {u',', SeparatedText::Quoting::Strict, true};
}

// Level, question and answer, then the reading, its alternatives and its check mark.
constexpr qsizetype PairFields = 3;
constexpr qsizetype MostFields = 6;

PairReading readingOf(const Row& row)
{
    const auto text = [&row](qsizetype field) {
        return field < row.fields.size() ? TextCodec::decode(row.fields[field]) : QString();
    };
    return {text(3), Alternatives::split(text(4)), !text(5).trimmed().isEmpty()};
}

std::optional<TableError> addRow(Row& row, TableFormat format, ImportResult& result)
{
    if (row.fault)
        return TableError{kindOf(*row.fault), row.faultLine, {}};
    if (row.fields.size() < PairFields || row.fields.size() > MostFields)
        return TableError{TableError::Kind::FieldCount, row.line,
                          QString::number(row.fields.size())};
    const std::optional<int> level = levelOf(row.fields[0]);
    if (!level)
        return TableError{TableError::Kind::UnknownLevel, row.line,
                          TextCodec::decode(row.fields[0])};
    // The export kept comma-separated texts from running as formulas with an apostrophe.
    if (format == TableFormat::Csv) {
        for (QByteArray& field : row.fields)
            field = SeparatedText::formulaRestored(field);
    }
    const PairReading reading = readingOf(row);
    // Alternatives came through the table's CP932 form, so only the reading can be at fault.
    if (const std::optional<ReadingFault> fault = ReadingCheck::faultOf(reading))
        return TableError{TableError::Kind::ReadingNotKana, row.line, fault->character};
    result.bank.Add(*level, std::move(row.fields[1]), std::move(row.fields[2]));
    result.readings.append(*level);
    if (!reading.isEmpty())
        result.readings.setReading(*level, result.bank.Count(*level) - 1, reading);
    return std::nullopt;
}

} // namespace

ImportResult importTable(QByteArray table, const ImportOptions& options)
{
    ImportResult result;
    TableCodec::Cp932Table cp932Table = TableCodec::toCp932(table, options.encoding);
    // The table as read is let go once its CP932 form is made (the same bytes when it was CP932).
    table = QByteArray();
    if (!cp932Table.errors.isEmpty()) {
        result.errors = std::move(cp932Table.errors);
        return result;
    }
    SeparatedText::Reader<QByteArrayView> reader(cp932Table.bytes, rulesOf(options.format));
    Row row;
    for (bool first = true; reader.next(row); first = false) {
        if (first && !row.fault && isHeader(row.fields.constFirst()))
            continue;
        if (std::optional<TableError> error = addRow(row, options.format, result))
            result.errors.append(*std::move(error));
    }
    return result;
}
