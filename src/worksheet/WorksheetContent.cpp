#include "worksheet/WorksheetContent.h"

#include "questions/TextCodec.h"
#include "readings/ReadingTarget.h"

#include <QSet>

#include <numeric>
#include <vector>

namespace {

// The positions printed: all in order, or count of them drawn without repeats.
std::vector<int> positionsOf(int available, int count, RandomSource& random)
{
    std::vector<int> positions(std::size_t(available), 0);
    std::iota(positions.begin(), positions.end(), 0);
    if (count <= 0 || count >= available)
        return positions;
    for (int drawn = 0; drawn < count; ++drawn)
        std::swap(positions[std::size_t(drawn)],
                  positions[std::size_t(drawn + random.bounded(available - drawn))]);
    positions.resize(std::size_t(count));
    return positions;
}

QByteArray pairKey(QByteArrayView question, QByteArrayView answer)
{
    return question.toByteArray() + '\0' + answer.toByteArray();
}

} // namespace

namespace WorksheetContents {

RubySegments withFurigana(const QString& question, const QString& answer,
                          const PairReading& reading)
{
    if (reading.reading.isEmpty() || readingTarget(question, answer) != ReadingTarget::Question)
        return {{question, {}}};
    if (std::optional<RubySegments> aligned = RubyText::align(question, reading.reading))
        return *std::move(aligned);
    return {{question, reading.reading}};
}

WorksheetContent make(const QString& fileName, const QuestionBank& bank,
                      const ReadingsTable& readings, const WorksheetOptions& options,
                      RandomSource& random)
{
    WorksheetContent content{fileName, options.level, {}};
    QSet<QByteArray> missed;
    for (const QuestionItem& pair : options.missed)
        missed.insert(pairKey(pair.question, pair.answer));
    for (const int position : positionsOf(bank.Count(options.level), options.count, random)) {
        const QuestionView pair = bank.view(options.level, position);
        const QString question = TextCodec::decode(pair.question);
        const bool shown = options.furigana == WorksheetFurigana::Always ||
                           (options.furigana == WorksheetFurigana::AfterMistakes &&
                            missed.contains(pairKey(pair.question, pair.answer)));
        content.questions.append(shown ? withFurigana(question, TextCodec::decode(pair.answer),
                                                      readings.reading(options.level, position))
                                       : RubySegments{{question, {}}});
    }
    return content;
}

} // namespace WorksheetContents
