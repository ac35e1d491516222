#include "datatool/TableImport.h"

#include "datatool/TableCodec.h"
#include "datatool/TableReader.h"
#include "questions/LevelNames.h"
#include "questions/TextCodec.h"

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

std::optional<TableError> addRow(TableRow& row, QuestionBank& bank)
{
    if (row.error)
        return row.error;
    if (row.fields.size() != 3)
        return TableError{TableError::Kind::FieldCount, row.line,
                          QString::number(row.fields.size())};
    const std::optional<int> level = levelOf(row.fields[0]);
    if (!level)
        return TableError{TableError::Kind::UnknownLevel, row.line,
                          TextCodec::decode(row.fields[0])};
    bank.Add(*level, std::move(row.fields[1]), std::move(row.fields[2]));
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
    TableReader reader(cp932Table.bytes, options.format);
    TableRow row;
    for (bool first = true; reader.next(row); first = false) {
        if (first && !row.error && isHeader(row.fields.constFirst()))
            continue;
        if (std::optional<TableError> error = addRow(row, result.bank))
            result.errors.append(*std::move(error));
    }
    return result;
}
