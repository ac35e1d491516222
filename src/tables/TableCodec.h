#pragma once

#include "tables/Table.h"

#include <QByteArray>
#include <QList>

#include <optional>

// Tables are read as CP932 bytes, the form the question file keeps its texts in, so that a CP932
// table reaches the file byte for byte and a UTF-8 table goes through the program's own codec.
namespace TableCodec {

struct Cp932Table
{
    QByteArray bytes;
    QList<TableError> errors;
};

// UTF-8 when the bytes are valid UTF-8 (plain ASCII included), CP932 otherwise.
TableEncoding detect(QByteArrayView table);

// The table as CP932 bytes, in the given encoding or the detected one; a UTF-8 byte order mark is
// dropped. A detected CP932 table must be valid CP932; one named CP932 is taken as it stands. On
// errors the bytes are empty and every faulty line is named.
Cp932Table toCp932(const QByteArray& table, std::optional<TableEncoding> encoding);

// A table of CP932 bytes in the given encoding; nothing when some text would not come back from
// UTF-8 as the same bytes (see survivesUtf8), so that the caller can name the texts at fault.
std::optional<QByteArray> fromCp932(const QByteArray& table, TableEncoding encoding);

// Whether a text written as UTF-8 and read back is the same bytes. Not so for bytes that are not
// CP932, nor for the second form of a character CP932 holds twice (the NEC and IBM rows).
bool survivesUtf8(QByteArrayView text);

} // namespace TableCodec
