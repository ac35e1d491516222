#include "datatool/TableReader.h"

bool TableReader::next(TableRow& row)
{
    row.fields.clear();
    row.error.reset();
    return format == TableFormat::Tsv ? nextTsvRow(row) : nextCsvRow(row);
}

bool TableReader::nextTsvRow(TableRow& row)
{
    while (position < table.size()) {
        qsizetype end = table.indexOf('\n', position);
        if (end < 0)
            end = table.size();
        QByteArrayView text = table.sliced(position, end - position);
        row.line = line++;
        position = end + 1;
        if (text.endsWith('\r'))
            text.chop(1);
        if (text.isEmpty())
            continue;
        if (text.contains('\r')) {
            row.error = TableError{TableError::Kind::StrayCarriageReturn, row.line, {}};
            return true;
        }
        qsizetype start = 0;
        for (qsizetype tab = text.indexOf('\t'); tab >= 0; tab = text.indexOf('\t', start)) {
            row.fields.append(text.sliced(start, tab - start).toByteArray());
            start = tab + 1;
        }
        row.fields.append(text.sliced(start).toByteArray());
        return true;
    }
    return false;
}

bool TableReader::nextCsvRow(TableRow& row)
{
    while (position < table.size()) {
        row.line = line;
        if (atLineEnd()) {
            skipLineEnd();
            continue;
        }
        while (readCsvField(row)) {
        }
        return true;
    }
    return false;
}

// Reads one field and what follows it; true when a comma announces another field of the row.
bool TableReader::readCsvField(TableRow& row)
{
    QByteArray field;
    if (position < table.size() && table[position] == '"') {
        if (!readQuotedField(field, row))
            return false;
    } else {
        const qsizetype start = position;
        for (; position < table.size() && table[position] != ',' && !atLineEnd(); ++position) {
            if (table[position] == '"') {
                fail(row, TableError::Kind::QuoteInUnquotedField);
                return false;
            }
            if (table[position] == '\r') {
                fail(row, TableError::Kind::StrayCarriageReturn);
                return false;
            }
        }
        field = table.sliced(start, position - start).toByteArray();
    }
    row.fields.append(std::move(field));
    if (position < table.size() && table[position] == ',') {
        ++position;
        return true;
    }
    if (position == table.size() || atLineEnd()) {
        skipLineEnd();
        return false;
    }
    fail(row, TableError::Kind::TextAfterClosingQuote);
    return false;
}

// A quoted field may hold commas and line breaks; a doubled quote stands for one quote.
bool TableReader::readQuotedField(QByteArray& field, TableRow& row)
{
    const int startLine = line;
    ++position;
    for (;;) {
        const qsizetype quote = table.indexOf('"', position);
        if (quote < 0) {
            row.error = TableError{TableError::Kind::UnclosedQuote, startLine, {}};
            position = table.size();
            return false;
        }
        const QByteArrayView part = table.sliced(position, quote - position);
        line += int(part.count('\n'));
        field.append(part);
        position = quote + 1;
        if (position == table.size() || table[position] != '"')
            return true;
        field.append('"');
        ++position;
    }
}

bool TableReader::atLineEnd() const
{
    if (position >= table.size())
        return false;
    if (table[position] == '\n')
        return true;
    return table[position] == '\r' && position + 1 < table.size() && table[position + 1] == '\n';
}

void TableReader::skipLineEnd()
{
    if (position < table.size() && table[position] == '\r')
        ++position;
    if (position < table.size() && table[position] == '\n') {
        ++position;
        ++line;
    }
}

void TableReader::skipRestOfLine()
{
    const qsizetype end = table.indexOf('\n', position);
    position = end < 0 ? table.size() : end + 1;
    if (end >= 0)
        ++line;
}

void TableReader::fail(TableRow& row, TableError::Kind kind)
{
    row.error = TableError{kind, line, {}};
    skipRestOfLine();
}
