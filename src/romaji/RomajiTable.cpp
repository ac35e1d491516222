#include "romaji/RomajiTable.h"

#include <QHash>

namespace {

struct Entry
{
    const char16_t* kana;
    const char* spellings; // separated by spaces
};

// Hepburn and Kunrei side by side, the small kana with x and l, and the spellings the common
// input methods take for the rarer pairs (ふぁ fa, てぃ thi, くぁ qa).
constexpr Entry Entries[] = {
    {u"あ", "a"}, {u"い", "i yi"}, {u"う", "u wu whu"}, {u"え", "e"}, {u"お", "o"},
    {u"か", "ka ca"}, {u"き", "ki"}, {u"く", "ku cu qu"}, {u"け", "ke"}, {u"こ", "ko co"},
    {u"さ", "sa"}, {u"し", "shi si ci"}, {u"す", "su"}, {u"せ", "se ce"}, {u"そ", "so"},
    {u"た", "ta"}, {u"ち", "chi ti"}, {u"つ", "tsu tu"}, {u"て", "te"}, {u"と", "to"},
    {u"な", "na"}, {u"に", "ni"}, {u"ぬ", "nu"}, {u"ね", "ne"}, {u"の", "no"},
    {u"は", "ha"}, {u"ひ", "hi"}, {u"ふ", "fu hu"}, {u"へ", "he"}, {u"ほ", "ho"},
    {u"ま", "ma"}, {u"み", "mi"}, {u"む", "mu"}, {u"め", "me"}, {u"も", "mo"},
    {u"や", "ya"}, {u"ゆ", "yu"}, {u"よ", "yo"},
    {u"ら", "ra"}, {u"り", "ri"}, {u"る", "ru"}, {u"れ", "re"}, {u"ろ", "ro"},
    {u"わ", "wa"}, {u"ゐ", "wyi"}, {u"ゑ", "wye"}, {u"を", "wo"}, {u"ん", "nn n' xn"},
    {u"が", "ga"}, {u"ぎ", "gi"}, {u"ぐ", "gu"}, {u"げ", "ge"}, {u"ご", "go"},
    {u"ざ", "za"}, {u"じ", "ji zi"}, {u"ず", "zu"}, {u"ぜ", "ze"}, {u"ぞ", "zo"},
    {u"だ", "da"}, {u"ぢ", "di"}, {u"づ", "du"}, {u"で", "de"}, {u"ど", "do"},
    {u"ば", "ba"}, {u"び", "bi"}, {u"ぶ", "bu"}, {u"べ", "be"}, {u"ぼ", "bo"},
    {u"ぱ", "pa"}, {u"ぴ", "pi"}, {u"ぷ", "pu"}, {u"ぺ", "pe"}, {u"ぽ", "po"},
    {u"ゔ", "vu"},
    {u"ぁ", "xa la"}, {u"ぃ", "xi li xyi lyi"}, {u"ぅ", "xu lu"}, {u"ぇ", "xe le xye lye"},
    {u"ぉ", "xo lo"}, {u"ゃ", "xya lya"}, {u"ゅ", "xyu lyu"}, {u"ょ", "xyo lyo"},
    {u"っ", "xtu ltu xtsu ltsu"}, {u"ゎ", "xwa lwa"}, {u"ゕ", "xka lka"}, {u"ゖ", "xke lke"},

    {u"きゃ", "kya"}, {u"きぃ", "kyi"}, {u"きゅ", "kyu"}, {u"きぇ", "kye"}, {u"きょ", "kyo"},
    {u"ぎゃ", "gya"}, {u"ぎぃ", "gyi"}, {u"ぎゅ", "gyu"}, {u"ぎぇ", "gye"}, {u"ぎょ", "gyo"},
    {u"しゃ", "sha sya"}, {u"しぃ", "syi"}, {u"しゅ", "shu syu"}, {u"しぇ", "she sye"},
    {u"しょ", "sho syo"},
    {u"じゃ", "ja zya jya"}, {u"じぃ", "zyi jyi"}, {u"じゅ", "ju zyu jyu"},
    {u"じぇ", "je zye jye"}, {u"じょ", "jo zyo jyo"},
    {u"ちゃ", "cha tya cya"}, {u"ちぃ", "tyi cyi"}, {u"ちゅ", "chu tyu cyu"},
    {u"ちぇ", "che tye cye"}, {u"ちょ", "cho tyo cyo"},
    {u"ぢゃ", "dya"}, {u"ぢぃ", "dyi"}, {u"ぢゅ", "dyu"}, {u"ぢぇ", "dye"}, {u"ぢょ", "dyo"},
    {u"にゃ", "nya"}, {u"にぃ", "nyi"}, {u"にゅ", "nyu"}, {u"にぇ", "nye"}, {u"にょ", "nyo"},
    {u"ひゃ", "hya"}, {u"ひぃ", "hyi"}, {u"ひゅ", "hyu"}, {u"ひぇ", "hye"}, {u"ひょ", "hyo"},
    {u"びゃ", "bya"}, {u"びぃ", "byi"}, {u"びゅ", "byu"}, {u"びぇ", "bye"}, {u"びょ", "byo"},
    {u"ぴゃ", "pya"}, {u"ぴぃ", "pyi"}, {u"ぴゅ", "pyu"}, {u"ぴぇ", "pye"}, {u"ぴょ", "pyo"},
    {u"みゃ", "mya"}, {u"みぃ", "myi"}, {u"みゅ", "myu"}, {u"みぇ", "mye"}, {u"みょ", "myo"},
    {u"りゃ", "rya"}, {u"りぃ", "ryi"}, {u"りゅ", "ryu"}, {u"りぇ", "rye"}, {u"りょ", "ryo"},
    {u"ふぁ", "fa fwa"}, {u"ふぃ", "fi fwi fyi"}, {u"ふぅ", "fwu"}, {u"ふぇ", "fe fwe fye"},
    {u"ふぉ", "fo fwo"}, {u"ふゃ", "fya"}, {u"ふゅ", "fyu"}, {u"ふょ", "fyo"},
    {u"ゔぁ", "va"}, {u"ゔぃ", "vi vyi"}, {u"ゔぇ", "ve vye"}, {u"ゔぉ", "vo"},
    {u"ゔゃ", "vya"}, {u"ゔゅ", "vyu"}, {u"ゔょ", "vyo"},
    {u"てぃ", "thi"}, {u"てゃ", "tha"}, {u"てゅ", "thu"}, {u"てぇ", "the"}, {u"てょ", "tho"},
    {u"でぃ", "dhi"}, {u"でゃ", "dha"}, {u"でゅ", "dhu"}, {u"でぇ", "dhe"}, {u"でょ", "dho"},
    {u"とぅ", "twu"}, {u"どぅ", "dwu"},
    {u"うぁ", "wha"}, {u"うぃ", "wi whi"}, {u"うぇ", "we whe"}, {u"うぉ", "who"},
    {u"いぇ", "ye"},
    {u"くぁ", "qa kwa qwa"}, {u"くぃ", "qi qwi qyi"}, {u"くぅ", "qwu"}, {u"くぇ", "qe qwe qye"},
    {u"くぉ", "qo qwo"}, {u"くゃ", "qya"}, {u"くゅ", "qyu"}, {u"くょ", "qyo"},
    {u"ぐぁ", "gwa"}, {u"ぐぃ", "gwi"}, {u"ぐぅ", "gwu"}, {u"ぐぇ", "gwe"}, {u"ぐぉ", "gwo"},
    {u"すぁ", "swa"}, {u"すぃ", "swi"}, {u"すぅ", "swu"}, {u"すぇ", "swe"}, {u"すぉ", "swo"},
    {u"つぁ", "tsa"}, {u"つぃ", "tsi"}, {u"つぇ", "tse"}, {u"つぉ", "tso"},

    // The long mark and the punctuation an input method writes for these keys.
    {u"ー", "-"}, {u"、", ","}, {u"。", "."}, {u"「", "["}, {u"」", "]"}, {u"・", "/"},
};

struct Table
{
    QHash<QString, QStringList> spellings;
    QStringList kana;

    Table()
    {
        for (const Entry& entry : Entries) {
            const QString text = QString::fromUtf16(entry.kana);
            spellings.insert(text, QString::fromLatin1(entry.spellings).split(u' '));
            kana.append(text);
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
