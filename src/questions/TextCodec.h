#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The program's one text codec, CP932. Question texts stay bytes everywhere; this is used only to
// show a text on screen and to turn what the user typed into bytes for the answer check.
namespace TextCodec {

QString decode(const QByteArray& bytes);

// Nothing when a character has no CP932 form: such input can never equal an answer, and must not
// become a '?' that happens to match one.
std::optional<QByteArray> encode(const QString& text);

} // namespace TextCodec
