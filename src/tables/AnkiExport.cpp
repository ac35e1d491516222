#include "tables/AnkiExport.h"

#include "questions/LevelNames.h"
#include "questions/TextCodec.h"
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

} // namespace

ExportResult exportAnkiText(const QuestionBank& bank, const QString& deck)
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
            const QuestionView item = bank.view(level, position);
            appendField(text, TextCodec::decode(item.question));
            text.append(u'\t');
            appendField(text, TextCodec::decode(item.answer));
            text.append(u'\t');
            appendField(text, deckName);
            text.append(u'\n');
        }
    }
    result.table = text.toUtf8();
    return result;
}
