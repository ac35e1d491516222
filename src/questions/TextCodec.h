#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

// The program's one text codec, CP932. Question texts stay bytes everywhere; this is used only to
// show a text on screen, to turn what the user typed into bytes for the answer check, and by
// tazune-data to move texts between spreadsheet tables and question files.
namespace TextCodec {

QString decode(QByteArrayView bytes);

// Whether every byte sequence is a CP932 character. Checked without encoding back, so bytes of
// characters CP932 holds twice (the NEC and IBM rows) count as valid and can be kept as they are.
bool isValid(QByteArrayView bytes);

// Nothing when a character has no CP932 form: such input can never equal an answer, and must not
// become a '?' that happens to match one.
std::optional<QByteArray> encode(const QString& text);

} // namespace TextCodec
