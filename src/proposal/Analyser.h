#pragma once

#include <QString>

#include <optional>

// One morphological analyser's reading of a text, in hiragana with the text's own kana kept;
// nothing when some part with kanji is unknown to it.
class Analyser
{
public:
    virtual ~Analyser() = default;
    virtual std::optional<QString> read(const QString& text) = 0;
};
