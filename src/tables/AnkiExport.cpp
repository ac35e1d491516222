#include "tables/AnkiExport.h"

#include "questions/LevelNames.h"
#include "questions/TextCodec.h"
#include "readings/ReadingTarget.h"
#include "readings/RubyNotation.h"
#include "tables/SeparatedText.h"
#include "tables/TableCodec.h"

namespace {

void appendField(QString& text, const QString& field)
{
    // A first field starting with '#' would read as a header line.
    const bool quoted = field.contains(u'\t') || field.contains(u'\n') || field.contains(u'\r') ||
                        field.contains(u'"') || field.startsWith(u'#');
    text.append(quoted ? SeparatedText::quoted(field) : field);
}

struct PairTexts
{
    QString question;
    QString answer;
};

PairTexts textsWithFurigana(const QuestionView& item, const PairReading& reading)
{
    PairTexts texts{TextCodec::decode(item.question), TextCodec::decode(item.answer)};
    if (reading.reading.isEmpty())
        return texts;
    QString& target = readingTarget(texts.question, texts.answer) == ReadingTarget::Question
                          ? texts.question
                          : texts.answer;
    if (const std::optional<RubySegments> segments = RubyText::align(target, reading.reading))
        target = RubyNotation::format(*segments);
    return texts;
}

} // namespace

ExportResult exportAnkiText(const QuestionBank& bank, const QString& deck,
                            const ReadingsTable& readings)
{
    ExportResult result;
    for (int level = 0; level < QuestionBank::LevelCount; ++level) {
        for (int position = 0; position < bank.Count(level); ++position) {
            const QuestionView item = bank.view(level, position);
            if (!TableCodec::survivesUtf8(item.question))
                result.errors.append(
                    {ExportError::Kind::NotKeptByUtf8, level, position, TextField::Question});
            if (!TableCodec::survivesUtf8(item.answer))
                result.errors.append(
                    {ExportError::Kind::NotKeptByUtf8, level, position, TextField::Answer});
        }
    }
    if (!result.errors.isEmpty())
        return result;
    QString text = QStringLiteral("#separator:tab\n"
                                  "#html:false\n"
                                  "#notetype:Basic\n"
                                  "#columns:Front\tBack\tDeck\n"
                                  "#deck column:3\n");
    for (int level = 0; level < QuestionBank::LevelCount; ++level) {
        const QString deckName = deck + QStringLiteral("::") + LevelNames::name(level);
        for (int position = 0; position < bank.Count(level); ++position) {
            const PairTexts texts =
                textsWithFurigana(bank.view(level, position), readings.reading(level, position));
            appendField(text, texts.question);
            text.append(u'\t');
            appendField(text, texts.answer);
            text.append(u'\t');
            appendField(text, deckName);
            text.append(u'\n');
        }
    }
    result.table = text.toUtf8();
    return result;
}
