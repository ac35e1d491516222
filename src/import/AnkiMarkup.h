#pragma once

#include <QString>

struct Deck;

// How the other program marks up a field: HTML, sound references and furigana.
namespace AnkiMarkup {

// A question is one line on the drill's screen, so breaks become spaces unless asked to stay.
enum class LineBreaks
{
    Space,
    Keep
};

// The text a field shows: tags dropped (<br>, <div> and </p> break the line), entities decoded,
// the source's own line breaks taken as spaces, as a browser does; edges trimmed.
QString plainText(const QString& html, LineBreaks lineBreaks);

// Plain text that was never HTML: only edges trimmed and breaks treated as asked.
QString plainLines(const QString& text, LineBreaks lineBreaks);

// "[sound:…]" plays a file in the other program and means nothing on a typing drill.
QString withoutSounds(const QString& text);

// "日本 語[ご]" style furigana: a word followed by its reading in brackets, a space before the
// word marking where it starts.
bool hasFurigana(const QString& text);
QString withoutReadings(const QString& text); // 漢字[かんじ] -> 漢字
QString readingsOnly(const QString& text);    // 漢字[かんじ] -> かんじ

// Every field that holds furigana somewhere is shown without it, and its readings become a field
// of their own beside it, so that either can be the question or the answer.
void moveReadingsToFields(Deck& deck);

} // namespace AnkiMarkup
