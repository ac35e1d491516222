#include "romaji/RomajiJudge.h"

#include "romaji/RomajiTable.h"

#include <algorithm>

namespace {

QChar folded(QChar key)
{
    return key >= u'A' && key <= u'Z' ? QChar(char16_t(key.unicode() + (u'a' - u'A'))) : key;
}

QString folded(const QString& keys)
{
    QString text = keys;
    for (QChar& key : text)
        key = folded(key);
    return text;
}

quint32 letterBit(QChar letter)
{
    return letter >= u'a' && letter <= u'z' ? quint32(1) << (letter.unicode() - u'a') : 0;
}

// The letters a doubled consonant may be: not a vowel and not n, which would read as ん.
quint32 doublingLetters()
{
    quint32 letters = 0;
    for (char16_t letter = u'a'; letter <= u'z'; ++letter) {
        if (RomajiTable::isConsonant(letter) && letter != u'n')
            letters |= letterBit(letter);
    }
    return letters;
}

// ん may be a single n only before a key that cannot begin a kana with it: a vowel or y would
// make it な or にゃ. Before the n of な to の it is taken too, since the answer tells which is
// meant (こんな as konna); before an n typed as itself or another ん, "nn" would already be the
// whole of んn or read as ん and the n of the next.
bool endsSingleN(QChar key, bool naRowNext)
{
    return RomajiTable::isConsonant(key) && key != u'y' && (key != u'n' || naRowNext);
}

} // namespace

RomajiJudge::RomajiJudge(const QString& answer)
    : expected(answer), units(romajiUnits(answer)), chunks(units.size()),
      startLetters(units.size() + 1, 0)
{
    const int count = int(units.size());
    for (int position = 0; position < count; ++position) {
        const RomajiUnit& unit = units[position];
        std::vector<Chunk>& here = chunks[position];
        if (unit.kind == RomajiUnit::Kind::TypedAsItself) {
            here.push_back({QString(unit.key), 1, true, {}});
            continue;
        }
        if (unit.kind != RomajiUnit::Kind::Kana)
            continue;
        if (position + 1 < count && units[position + 1].kind == RomajiUnit::Kind::Kana) {
            const QString pair = kanaText(position, 2);
            for (const QString& keys : RomajiTable::spellingsOf(pair))
                here.push_back({keys, 2, false, pair});
        }
        const QString kana = kanaText(position, 1);
        for (const QString& keys : RomajiTable::spellingsOf(kana))
            here.push_back({keys, 1, false, kana});
    }
    static const quint32 doubling = doublingLetters();
    for (int position = count - 1; position >= 0; --position) {
        quint32 letters = 0;
        for (const Chunk& chunk : chunks[position]) {
            if (!chunk.exact)
                letters |= letterBit(chunk.keys.front());
        }
        if (isKana(position, RomajiTable::SmallTsu))
            letters |= startLetters[position + 1] & doubling;
        startLetters[position] = letters;
    }
    readings.push_back({0, {}});
}

QString RomajiJudge::kanaText(int position, int length) const
{
    QString text;
    for (int k = position; k < position + length; ++k)
        text.append(units[k].key);
    return text;
}

bool RomajiJudge::kanaAt(int position) const
{
    return position < units.size() && units[position].kind == RomajiUnit::Kind::Kana;
}

bool RomajiJudge::isKana(int position, QChar kana) const
{
    return kanaAt(position) && units[position].key == kana;
}

bool RomajiJudge::canStartWith(int position, QChar letter) const
{
    return kanaAt(position) && (startLetters[position] & letterBit(letter)) != 0;
}

void RomajiJudge::step(const Reading& reading, QChar key, std::vector<Reading>& next,
                       QList<std::pair<QString, QString>>& chosen) const
{
    const int position = reading.position;
    if (position >= units.size())
        return;
    const auto keep = [&next](const Reading& kept) {
        if (std::find(next.begin(), next.end(), kept) == next.end())
            next.push_back(kept);
    };
    const QChar letter = folded(key);
    if (reading.doubling) {
        if (letter == folded(reading.pending.front()))
            step({position + 1, {}}, key, next, chosen);
        return;
    }
    const QString typed = reading.pending + key;
    const QString typedFolded = folded(typed);
    for (const Chunk& chunk : chunks[position]) {
        const QString& against = chunk.exact ? typed : typedFolded;
        if (chunk.keys == against) {
            keep({position + chunk.length, {}});
            if (!chunk.exact)
                chosen.append({chunk.kana, chunk.keys});
        } else if (chunk.keys.startsWith(against)) {
            keep({position, typed});
        }
    }
    const bool naRowNext = kanaAt(position + 1) && !isKana(position + 1, RomajiTable::Syllabic);
    if (isKana(position, RomajiTable::Syllabic) && typedFolded.size() == 2 &&
        typedFolded.front() == u'n' && endsSingleN(letter, naRowNext))
        step({position + 1, {}}, key, next, chosen);
    if (isKana(position, RomajiTable::SmallTsu) && reading.pending.isEmpty() &&
        canStartWith(position + 1, letter) && RomajiTable::isConsonant(letter) && letter != u'n')
        keep({position, QString(key), true});
}

bool RomajiJudge::type(QChar key)
{
    if (key.unicode() < 0x20 || key.unicode() > 0x7E || complete())
        return false;
    std::vector<Reading> next;
    QList<std::pair<QString, QString>> chosen;
    for (const Reading& reading : readings)
        step(reading, key, next, chosen);
    if (next.empty())
        return false;
    readings = std::move(next);
    for (const auto& [kana, keys] : chosen) {
        QString& spelling = chosenSpellings[kana];
        if (spelling != keys) {
            spelling = keys;
            stepsMade = false;
        }
    }
    return true;
}

const RomajiJudge::Reading& RomajiJudge::shownReading() const
{
    // The furthest reading, and of those the one with the least still pending: after "konn" for
    // こんな the line shows こん, though "konna" is taken as well.
    return *std::min_element(readings.begin(), readings.end(),
                             [](const Reading& a, const Reading& b) {
                                 if (a.position != b.position)
                                     return a.position > b.position;
                                 return a.pending.size() < b.pending.size();
                             });
}

void RomajiJudge::backspace()
{
    const Reading shown = shownReading();
    if (!shown.pending.isEmpty())
        readings = {{shown.position, shown.pending.chopped(1)}};
    else if (shown.position > 0)
        readings = {{shown.position - 1, {}}};
}

QString RomajiJudge::shownText() const
{
    const Reading& shown = shownReading();
    const qsizetype kanaEnd = shown.position > 0 ? units[shown.position - 1].end : 0;
    return expected.left(kanaEnd) + shown.pending;
}

bool RomajiJudge::complete() const
{
    return std::any_of(readings.begin(), readings.end(),
                       [this](const Reading& r) { return r.position == units.size(); });
}

// Built from the end, since how ん and っ are spelt depends on the key after them.
const std::vector<RomajiJudge::GuideStep>& RomajiJudge::guideSteps() const
{
    if (stepsMade)
        return steps;
    stepsMade = true;
    const int count = int(units.size());
    steps.assign(count + 1, {});
    const auto firstKey = [this](int position) {
        return steps[position].length > 0 ? folded(steps[position].keys.front()) : QChar();
    };
    for (int position = count - 1; position >= 0; --position) {
        const std::vector<Chunk>& here = chunks[position];
        if (here.empty())
            continue;
        const QString chosen = chosenSpellings.value(here.front().kana);
        if (isKana(position, RomajiTable::Syllabic) && chosen.isEmpty()) {
            // The guide keeps nn before the n of a kana, as input methods need it.
            steps[position] = {endsSingleN(firstKey(position + 1), false) ? QStringLiteral("n")
                                                                          : QStringLiteral("nn"),
                               1};
        } else if (isKana(position, RomajiTable::SmallTsu) && chosen.isEmpty() &&
                   canStartWith(position + 1, firstKey(position + 1)) &&
                   RomajiTable::isConsonant(firstKey(position + 1)) &&
                   firstKey(position + 1) != u'n') {
            steps[position] = {QString(firstKey(position + 1)), 1};
        } else {
            // A pair (しゃ) is guided as the pair, never as its two kana.
            const auto same = std::find_if(here.begin(), here.end(), [&](const Chunk& chunk) {
                return chunk.length == here.front().length && chunk.keys == chosen;
            });
            const Chunk& chunk = same != here.end() ? *same : here.front();
            steps[position] = {chunk.keys, chunk.length};
        }
    }
    return steps;
}

std::pair<QString, int> RomajiJudge::completion(int position, const QString& typed) const
{
    const QString keys = folded(typed);
    if (position >= units.size())
        return {keys, position};
    if (const GuideStep& guided = guideSteps()[position];
        guided.length > 0 && guided.keys.startsWith(keys))
        return {guided.keys, position + guided.length};
    for (const Chunk& chunk : chunks[position]) {
        if (!chunk.exact && chunk.keys.startsWith(keys))
            return {chunk.keys, position + chunk.length};
    }
    // A doubled consonant over a っ that the guide spells otherwise.
    if (!isKana(position, RomajiTable::SmallTsu))
        return {keys, position};
    const auto [rest, after] = completion(position + 1, keys);
    return {keys + rest, after};
}

QString RomajiJudge::guide() const
{
    const Reading& shown = shownReading();
    if (shown.position >= units.size())
        return {};
    const std::vector<GuideStep>& steps = guideSteps();
    QString text;
    int position = shown.position;
    if (shown.doubling) {
        std::tie(text, position) = completion(position + 1, shown.pending);
    } else if (!shown.pending.isEmpty()) {
        std::tie(text, position) = completion(position, shown.pending);
        text.remove(0, shown.pending.size());
    }
    while (position < units.size() && steps[position].length > 0) {
        text += steps[position].keys;
        position += steps[position].length;
    }
    return text;
}
