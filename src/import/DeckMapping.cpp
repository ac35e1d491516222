#include "import/DeckMapping.h"

#include "import/ImportMessages.h"
#include "questions/LevelNames.h"
#include "questions/TextCodec.h"
#include "readings/Kana.h"
#include "readings/ReadingTarget.h"

#include <QSet>

namespace {

QString deckKey(const QStringList& path)
{
    return path.join(QStringLiteral("::"));
}

int levelOf(const DeckNote& note, const DeckMapping& mapping)
{
    if (mapping.levelBy == LevelSource::Deck) {
        // The innermost deck with a level of its own decides.
        for (qsizetype depth = note.path.size(); depth > 0; --depth) {
            const auto found = mapping.groupLevels.constFind(deckKey(note.path.first(depth)));
            if (found != mapping.groupLevels.cend())
                return *found;
        }
    } else if (mapping.levelBy == LevelSource::Tag) {
        for (const QString& tag : note.tags) {
            const auto found = mapping.groupLevels.constFind(tag);
            if (found != mapping.groupLevels.cend())
                return *found;
        }
    }
    return mapping.level;
}

QString fieldOf(const DeckNote& note, int field)
{
    return field >= 0 && field < note.fields.size() ? note.fields[field] : QString();
}

QString firstWithoutCp932Form(const QString& text)
{
    for (qsizetype i = 0; i < text.size();) {
        const bool pair =
            text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        const QString character = text.sliced(i, pair ? 2 : 1);
        if (!TextCodec::encode(character))
            return character;
        i += character.size();
    }
    return {};
}

// The codec is costly to set up, so texts go through it many at once, cut apart again at NUL,
// which no CP932 character holds as a byte; a batch that fails is taken text by text. Batches
// stay small enough that no joined text comes near the allocation limit.
constexpr qsizetype BatchSize = 4096;

void encodeBatch(QList<QString>::const_iterator begin, QList<QString>::const_iterator end,
                 QList<std::optional<QByteArray>>& result)
{
    const qsizetype count = end - begin;
    const bool cleanCut =
        std::none_of(begin, end, [](const QString& text) { return text.contains(u'\0'); });
    if (cleanCut) {
        QString joined;
        for (auto text = begin; text != end; ++text) {
            if (text != begin)
                joined.append(QChar(0));
            joined.append(*text);
        }
        if (const std::optional<QByteArray> all = TextCodec::encode(joined)) {
            QList<QByteArray> parts = all->split('\0');
            if (parts.size() == count) {
                for (QByteArray& part : parts)
                    result.append(std::move(part));
                return;
            }
        }
    }
    for (auto text = begin; text != end; ++text)
        result.append(TextCodec::encode(*text));
}

QList<std::optional<QByteArray>> encodeAll(const QStringList& texts)
{
    QList<std::optional<QByteArray>> result;
    result.reserve(texts.size());
    for (qsizetype start = 0; start < texts.size(); start += BatchSize)
        encodeBatch(texts.cbegin() + start,
                    texts.cbegin() + std::min(start + BatchSize, texts.size()), result);
    return result;
}

// The reading in hiragana, the punctuation and spaces between its parts left out; nothing when
// some character still needs a reading.
QString kanaReading(const QString& text)
{
    QString kana;
    for (qsizetype at = 0; at < text.size();) {
        const qsizetype start = at;
        const Kana::Kind kind = Kana::kindOf(Kana::nextCharacter(text, at));
        if (kind == Kana::Kind::NeedsReading)
            return {};
        if (kind == Kana::Kind::Kana)
            kana += QStringView(text).sliced(start, at - start);
    }
    return Kana::toHiragana(kana);
}

struct ReadingFields
{
    int question = -1;
    int answer = -1;
};

ReadingFields readingFieldsOf(const Deck& deck, const DeckMapping& mapping)
{
    const auto readingField = [&deck](int field) {
        if (field < 0 || field >= deck.fieldNames.size())
            return -1;
        return int(deck.fieldNames.indexOf(readingFieldName(deck.fieldNames[field])));
    };
    return {readingField(mapping.question), readingField(mapping.answer)};
}

PairReading authorsReading(const DeckNote& note, const ReadingFields& fields,
                           const QString& question, const QString& answer)
{
    const bool ofQuestion = readingTarget(question, answer) == ReadingTarget::Question;
    const QString& target = ofQuestion ? question : answer;
    const int field = ofQuestion ? fields.question : fields.answer;
    if (field < 0 || !Kana::containsKanji(target))
        return {};
    return {kanaReading(fieldOf(note, field)), {}, false};
}

} // namespace

QStringList groupsOf(const Deck& deck, LevelSource levelBy)
{
    QStringList groups;
    QSet<QString> seen;
    const auto add = [&](const QString& group) {
        if (!group.isEmpty() && !seen.contains(group)) {
            seen.insert(group);
            groups.append(group);
        }
    };
    for (const DeckNote& note : deck.notes) {
        if (levelBy == LevelSource::Deck) {
            add(deckKey(note.path));
        } else if (levelBy == LevelSource::Tag) {
            for (const QString& tag : note.tags)
                add(tag);
        }
    }
    return groups;
}

DeckMapping defaultMapping(const Deck& deck, LevelSource levelBy)
{
    DeckMapping mapping;
    mapping.answer = deck.fieldNames.size() > 1 ? 1 : 0;
    mapping.levelBy = levelBy;
    const QStringList groups = groupsOf(deck, levelBy);
    for (qsizetype i = 0; i < groups.size(); ++i)
        mapping.groupLevels.insert(groups[i], int(std::min<qsizetype>(i, 2)));
    // A deck or tag named after a level, as an exported question file has them, keeps it.
    for (const QString& group : groups) {
        const QString last = group.split(QStringLiteral("::")).constLast();
        for (int level = 0; level < QuestionBank::LevelCount; ++level) {
            if (last == LevelNames::name(level))
                mapping.groupLevels.insert(group, level);
        }
    }
    return mapping;
}

MappedDeck mapDeck(const Deck& deck, const DeckMapping& mapping)
{
    QStringList texts;
    texts.reserve(deck.notes.size() * 2);
    for (const DeckNote& note : deck.notes) {
        texts.append(fieldOf(note, mapping.question));
        texts.append(fieldOf(note, mapping.answer));
    }
    const QList<std::optional<QByteArray>> encoded = encodeAll(texts);

    MappedDeck mapped;
    const ReadingFields readingFields = readingFieldsOf(deck, mapping);
    std::array<QHash<QByteArray, NotePlace>, QuestionBank::LevelCount> questionsSeen;
    for (auto& seen : questionsSeen)
        seen.reserve(deck.notes.size());
    for (qsizetype i = 0; i < deck.notes.size(); ++i) {
        const DeckNote& note = deck.notes[i];
        const int level = std::clamp(levelOf(note, mapping), 0, QuestionBank::LevelCount - 1);
        const std::optional<QByteArray>& question = encoded[2 * i];
        const std::optional<QByteArray>& answer = encoded[2 * i + 1];
        using Kind = SkippedNote::Kind;
        if (!question || !answer) {
            const QString character =
                firstWithoutCp932Form(!question ? texts[2 * i] : texts[2 * i + 1]);
            mapped.skipped.append({Kind::NoCp932Form, note.place, level, character, {}});
            continue;
        }
        if (question->isEmpty()) {
            mapped.skipped.append({Kind::EmptyQuestion, note.place, level, {}, {}});
            continue;
        }
        if (answer->isEmpty()) {
            mapped.skipped.append({Kind::EmptyAnswer, note.place, level, {}, {}});
            continue;
        }
        const auto earlier = questionsSeen[level].constFind(*question);
        if (earlier != questionsSeen[level].cend()) {
            mapped.skipped.append({Kind::DuplicateQuestion, note.place, level, {}, *earlier});
            continue;
        }
        questionsSeen[level].insert(*question, note.place);
        mapped.bank.Add(level, *question, *answer);
        mapped.places[level].append(note.place);
        mapped.readings.append(level);
        mapped.readings.setReading(
            level, mapped.bank.Count(level) - 1,
            authorsReading(note, readingFields, texts[2 * i], texts[2 * i + 1]));
    }
    return mapped;
}
