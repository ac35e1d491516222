#include "tables/TableCodec.h"

#include "questions/TextCodec.h"
#include "tables/SeparatedText.h"

namespace TableCodec {

namespace {

// Run only after a check of the whole table failed, to name the lines at fault. Cutting at line
// feeds is safe in both encodings: 0x0A is never part of a longer character.
template <typename LineCheck>
QList<TableError> faultyLines(QByteArrayView table, TableError::Kind kind, LineCheck isFine)
{
    QList<TableError> errors;
    int line = 1;
    qsizetype start = 0;
    while (start <= table.size()) {
        qsizetype end = table.indexOf('\n', start);
        if (end < 0)
            end = table.size();
        if (!isFine(table.sliced(start, end - start)))
            errors.append({kind, line, {}});
        start = end + 1;
        ++line;
    }
    return errors;
}

// Lines are counted on from firstLine, the line the text starts on.
QList<TableError> charactersWithoutCp932Form(const QString& text, int firstLine)
{
    QList<TableError> errors;
    int line = firstLine;
    for (const QStringView lineText : QStringTokenizer(text, u'\n')) {
        for (const QString& character : TextCodec::charactersWithoutForm(lineText))
            errors.append({TableError::Kind::NoCp932Form, line, character});
        ++line;
    }
    return errors;
}

// The codec runs over pieces of about this size, cut after a line feed: per field it would cost
// several times the rest of an import, over the whole table its UTF-16 form would take twice the
// table's size.
constexpr qsizetype PieceSize = 1024 * 1024;

qsizetype pieceEnd(QByteArrayView table, qsizetype start)
{
    if (table.size() - start <= PieceSize)
        return table.size();
    const qsizetype lineFeed = table.indexOf('\n', start + PieceSize);
    return lineFeed < 0 ? table.size() : lineFeed + 1;
}

Cp932Table fromUtf8(QByteArrayView table)
{
    table = SeparatedText::withoutByteOrderMark(table);
    if (!table.isValidUtf8()) {
        return {{}, faultyLines(table, TableError::Kind::InvalidUtf8, [](QByteArrayView line) {
                    return line.isValidUtf8();
                })};
    }
    // No CP932 character is longer than its UTF-8 form.
    Cp932Table result;
    result.bytes.reserve(table.size());
    int line = 1;
    for (qsizetype start = 0; start < table.size();) {
        const qsizetype end = pieceEnd(table, start);
        const QByteArrayView piece = table.sliced(start, end - start);
        const QString text = QString::fromUtf8(piece);
        if (std::optional<QByteArray> bytes = TextCodec::encode(text))
            result.bytes.append(*bytes);
        else
            result.errors.append(charactersWithoutCp932Form(text, line));
        line += int(piece.count('\n'));
        start = end;
    }
    if (!result.errors.isEmpty())
        result.bytes.clear();
    return result;
}

} // namespace

TableEncoding detect(QByteArrayView table)
{
    return table.isValidUtf8() ? TableEncoding::Utf8 : TableEncoding::Cp932;
}

Cp932Table toCp932(const QByteArray& table, std::optional<TableEncoding> encoding)
{
    // A table named CP932 is taken as it stands, so that any file exported as CP932 comes back
    // byte for byte, even with bytes that are no CP932 character.
    if (encoding == TableEncoding::Cp932)
        return {table, {}};
    if (encoding == TableEncoding::Utf8 || detect(table) == TableEncoding::Utf8)
        return fromUtf8(table);
    if (TextCodec::isValid(table))
        return {table, {}};
    return {{}, faultyLines(table, TableError::Kind::NeitherUtf8NorCp932, TextCodec::isValid)};
}

std::optional<QByteArray> fromCp932(const QByteArray& table, TableEncoding encoding)
{
    if (encoding == TableEncoding::Cp932)
        return table;
    // No CP932 character spans a separator or line end (none of them can be a second byte), so
    // the whole table comes back unchanged exactly when every text does.
    const QString text = TextCodec::decode(table);
    if (TextCodec::encode(text) != table)
        return std::nullopt;
    return text.toUtf8();
}

bool survivesUtf8(QByteArrayView text)
{
    return TextCodec::encode(TextCodec::decode(text)) == text;
}

} // namespace TableCodec
