#include "proposal/ProposalMessages.h"

namespace ProposalMessages {

QString doubt(ReadingDoubt doubt, Language language)
{
    switch (doubt) {
    case ReadingDoubt::None:
        break;
    case ReadingDoubt::AnalysersDisagree:
        return wording(language, "the analysers read it differently", "解析器の読みが違います");
    case ReadingDoubt::SeveralReadings:
        return wording(language, "it has several readings", "読みがいくつもあります");
    case ReadingDoubt::UnknownWord:
        return wording(language, "no source knows the word", "どの辞書にもない語です");
    }
    return {};
}

QString unavailable(const ProposerUnavailable& unavailable, Language language)
{
    return wording(language, "Readings cannot be proposed: install the package %1 (%2).",
                   "読みを提案できません。パッケージ %1 をインストールしてください (%2)。")
        .arg(unavailable.package, unavailable.detail);
}

} // namespace ProposalMessages
