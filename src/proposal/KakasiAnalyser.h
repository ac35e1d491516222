#pragma once

#include "proposal/Analyser.h"

#include <memory>

// The second opinion: kanji and katakana to hiragana by the second analyser's own dictionary. Its
// library keeps one state for the whole process, so there is at most one of these.
class KakasiAnalyser : public Analyser
{
public:
    // Nothing, and why in error, when the library does not take its options.
    static std::unique_ptr<KakasiAnalyser> open(const QString& dictionaryFile, QString& error);
    ~KakasiAnalyser() override;

    std::optional<QString> read(const QString& text) override;

private:
    KakasiAnalyser() = default;
};
