#pragma once

#include "proposal/Analyser.h"

#include <memory>

struct mecab_t;

// The morphological analyser: a reading per morpheme, laid over the morpheme's own kana.
class MecabAnalyser : public Analyser
{
public:
    // Nothing, and the library's words in error, when the dictionary folder cannot be opened.
    static std::unique_ptr<MecabAnalyser> open(const QString& dictionaryFolder, QString& error);
    ~MecabAnalyser() override;

    std::optional<QString> read(const QString& text) override;

private:
    explicit MecabAnalyser(mecab_t* tagger);

    mecab_t* tagger;
};
