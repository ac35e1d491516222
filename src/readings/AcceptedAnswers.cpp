#include "readings/AcceptedAnswers.h"

#include "questions/QuestionBank.h"
#include "questions/TextCodec.h"
#include "readings/ReadingTarget.h"
#include "readings/ReadingsTable.h"
#include "romaji/RomajiAnswer.h"

#include <algorithm>

namespace {

QByteArray canonicalForm(const QString& text)
{
    const std::optional<QByteArray> bytes = TextCodec::encode(text);
    return bytes ? TextCodec::canonical(*bytes) : QByteArray();
}

bool typableAsRomaji(const QString& text)
{
    const QList<RomajiUnit> units = romajiUnits(text);
    return std::none_of(units.begin(), units.end(), [](const RomajiUnit& unit) {
        return unit.kind == RomajiUnit::Kind::Untypable;
    });
}

} // namespace

void AcceptedAnswers::setReadings(const QuestionBank& bank, const ReadingsTable& readings)
{
    forms.clear();
    for (int level = 0; level < QuestionBank::LevelCount; ++level) {
        for (int position = 0; position < bank.Count(level); ++position) {
            const PairReading reading = readings.reading(level, position);
            if (reading.reading.isEmpty() && reading.alternatives.isEmpty())
                continue;
            const QuestionView pair = bank.view(level, position);
            Forms& entry = forms[{pair.question.toByteArray(), pair.answer.toByteArray()}];
            entry.reading = reading;
            entry.readingBytes = canonicalForm(reading.reading);
            for (const QString& alternative : reading.alternatives) {
                if (const QByteArray bytes = canonicalForm(alternative); !bytes.isEmpty())
                    entry.alternatives.append(bytes);
            }
        }
    }
}

const PairReading* AcceptedAnswers::readingOf(const QuestionItem& pair) const
{
    const auto found = forms.constFind({pair.question, pair.answer});
    return found == forms.cend() ? nullptr : &found->reading;
}

std::optional<AnswerForm> AcceptedAnswers::match(const QuestionItem& pair, const QByteArray& typed,
                                                 bool byReading) const
{
    if (typed == TextCodec::canonical(pair.answer))
        return AnswerForm::Answer;
    const auto found = forms.constFind({pair.question, pair.answer});
    if (found == forms.cend() || typed.isEmpty())
        return std::nullopt;
    if (found->alternatives.contains(typed))
        return AnswerForm::Alternative;
    if (byReading && typed == found->readingBytes)
        return AnswerForm::Reading;
    return std::nullopt;
}

AcceptedAnswers::Nearest AcceptedAnswers::nearest(const QuestionItem& pair, const QByteArray& typed,
                                                  bool byReading) const
{
    Nearest best{AnswerForm::Answer, pair.answer};
    const auto found = forms.constFind({pair.question, pair.answer});
    if (found == forms.cend() || typed.isEmpty())
        return best;
    const auto sharedStart = [&typed](const QByteArray& text) {
        const auto ends = std::mismatch(typed.cbegin(), typed.cend(), text.cbegin(), text.cend());
        return ends.first - typed.cbegin();
    };
    qsizetype longest = sharedStart(TextCodec::canonical(pair.answer));
    const auto consider = [&](AnswerForm form, const QByteArray& text) {
        if (const qsizetype shared = sharedStart(text); shared > longest) {
            best = {form, text};
            longest = shared;
        }
    };
    for (const QByteArray& alternative : found->alternatives)
        consider(AnswerForm::Alternative, alternative);
    if (byReading && !found->readingBytes.isEmpty())
        consider(AnswerForm::Reading, found->readingBytes);
    return best;
}

RubySegments AcceptedAnswers::questionRuby(const QuestionItem& pair) const
{
    const PairReading* reading = readingOf(pair);
    if (!reading || reading->reading.isEmpty())
        return {};
    const QString question = TextCodec::decode(pair.question);
    if (readingTarget(question, TextCodec::decode(pair.answer)) != ReadingTarget::Question)
        return {};
    const std::optional<RubySegments> segments = RubyText::align(question, reading->reading);
    const bool anyRuby =
        segments && std::any_of(segments->begin(), segments->end(),
                                [](const RubySegment& s) { return !s.ruby.isEmpty(); });
    return anyRuby ? *segments : RubySegments{};
}

QString AcceptedAnswers::romajiTarget(const QuestionItem& pair, bool byReading) const
{
    const QString answer = TextCodec::decode(pair.answer);
    const PairReading* reading = readingOf(pair);
    if (!byReading || !reading || reading->reading.isEmpty() || typableAsRomaji(answer))
        return answer;
    return reading->reading;
}
