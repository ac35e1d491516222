#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QStringView>

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
// become a '?' that happens to match one. The JIS forms of the characters CP932 writes with
// Microsoft's code points (〜 for ～, − for －, ‖ ― ¢ £ ¬) are taken as those, because input
// methods and other programs produce them for what the user sees as the same character.
std::optional<QByteArray> encode(const QString& text);

// Every character of text that encode refuses, in order, repeats included; a character beyond the
// basic plane comes back whole, both halves of its surrogate pair.
QStringList charactersWithoutForm(QStringView text);

// The bytes as the encoder would write their characters: the one code of each character that
// CP932 holds under two or three. Bytes that are no CP932 text come back as they are.
QByteArray canonical(const QByteArray& bytes);

} // namespace TextCodec
