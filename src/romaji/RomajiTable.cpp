#include "romaji/RomajiTable.h"

#include <QHash>

namespace {

// Rows of a kana and its spellings, the kana separated by bars. Hepburn and Kunrei side by side,
// the small kana with x and l, and the spellings the common input methods take for the rarer pairs
// (ふぁ fa, てぃ thi, くぁ qa); the long mark and the punctuation as the keys an input method
// writes them for.
constexpr const char16_t* Rows[] = {
    u"あ a | い i yi | う u wu whu | え e | お o",
    u"か ka ca | き ki | く ku cu qu | け ke | こ ko co",
    u"さ sa | し shi si ci | す su | せ se ce | そ so",
    u"た ta | ち chi ti | つ tsu tu | て te | と to",
    u"な na | に ni | ぬ nu | ね ne | の no",
    u"は ha | ひ hi | ふ fu hu | へ he | ほ ho",
    u"ま ma | み mi | む mu | め me | も mo",
    u"や ya | ゆ yu | よ yo",
    u"ら ra | り ri | る ru | れ re | ろ ro",
    u"わ wa | ゐ wyi | ゑ wye | を wo | ん nn n' xn",
    u"が ga | ぎ gi | ぐ gu | げ ge | ご go",
    u"ざ za | じ ji zi | ず zu | ぜ ze | ぞ zo",
    u"だ da | ぢ di | づ du | で de | ど do",
    u"ば ba | び bi | ぶ bu | べ be | ぼ bo",
    u"ぱ pa | ぴ pi | ぷ pu | ぺ pe | ぽ po",
    u"ゔ vu",
    u"ぁ xa la | ぃ xi li xyi lyi | ぅ xu lu | ぇ xe le xye lye | ぉ xo lo",
    u"ゃ xya lya | ゅ xyu lyu | ょ xyo lyo | ゎ xwa lwa",
    u"っ xtu ltu xtsu ltsu | ゕ xka lka | ゖ xke lke",
    u"きゃ kya | きぃ kyi | きゅ kyu | きぇ kye | きょ kyo",
    u"ぎゃ gya | ぎぃ gyi | ぎゅ gyu | ぎぇ gye | ぎょ gyo",
    u"しゃ sha sya | しぃ syi | しゅ shu syu | しぇ she sye | しょ sho syo",
    u"じゃ ja zya jya | じぃ zyi jyi | じゅ ju zyu jyu | じぇ je zye jye | じょ jo zyo jyo",
    u"ちゃ cha tya cya | ちぃ tyi cyi | ちゅ chu tyu cyu | ちぇ che tye cye | ちょ cho tyo cyo",
    u"ぢゃ dya | ぢぃ dyi | ぢゅ dyu | ぢぇ dye | ぢょ dyo",
    u"にゃ nya | にぃ nyi | にゅ nyu | にぇ nye | にょ nyo",
    u"ひゃ hya | ひぃ hyi | ひゅ hyu | ひぇ hye | ひょ hyo",
    u"びゃ bya | びぃ byi | びゅ byu | びぇ bye | びょ byo",
    u"ぴゃ pya | ぴぃ pyi | ぴゅ pyu | ぴぇ pye | ぴょ pyo",
    u"みゃ mya | みぃ myi | みゅ myu | みぇ mye | みょ myo",
    u"りゃ rya | りぃ ryi | りゅ ryu | りぇ rye | りょ ryo",
    u"ふぁ fa fwa | ふぃ fi fwi fyi | ふぅ fwu | ふぇ fe fwe fye | ふぉ fo fwo",
    u"ふゃ fya | ふゅ fyu | ふょ fyo",
    u"ゔぁ va | ゔぃ vi vyi | ゔぇ ve vye | ゔぉ vo | ゔゃ vya | ゔゅ vyu | ゔょ vyo",
    u"てぃ thi | てゃ tha | てゅ thu | てぇ the | てょ tho",
    u"でぃ dhi | でゃ dha | でゅ dhu | でぇ dhe | でょ dho",
    u"とぅ twu | どぅ dwu",
    u"うぁ wha | うぃ wi whi | うぇ we whe | うぉ who",
    u"いぇ ye",
    u"くぁ qa kwa qwa | くぃ qi qwi qyi | くぅ qwu | くぇ qe qwe qye | くぉ qo qwo",
    u"くゃ qya | くゅ qyu | くょ qyo",
    u"ぐぁ gwa | ぐぃ gwi | ぐぅ gwu | ぐぇ gwe | ぐぉ gwo",
    u"すぁ swa | すぃ swi | すぅ swu | すぇ swe | すぉ swo",
    u"つぁ tsa | つぃ tsi | つぇ tse | つぉ tso",
    u"ー - | 、 , | 。 . | 「 [ | 」 ] | ・ /",
};

struct Table
{
    QHash<QString, QStringList> spellings;
    QStringList kana;

    Table()
    {
        for (const char16_t* row : Rows) {
            for (const QString& entry : QString::fromUtf16(row).split(u'|')) {
                QStringList words = entry.split(u' ', Qt::SkipEmptyParts);
                const QString text = words.takeFirst();
                spellings.insert(text, words);
                kana.append(text);
            }
        }
    }
};

const Table& table()
{
    static const Table instance;
    return instance;
}

} // namespace

namespace RomajiTable {

const QStringList& spellingsOf(QStringView kana)
{
    static const QStringList none;
    const auto& spellings = table().spellings;
    const auto found = spellings.constFind(kana.toString());
    return found == spellings.cend() ? none : *found;
}

const QStringList& kanaTexts()
{
    return table().kana;
}

bool isConsonant(QChar key)
{
    return key >= u'a' && key <= u'z' && !QStringView(u"aiueo").contains(key);
}

} // namespace RomajiTable
