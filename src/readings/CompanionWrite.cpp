#include "readings/ReadingsCompanion.h"

#include "questions/LevelNames.h"
#include "questions/TextCodec.h"
#include "readings/CompanionFields.h"

namespace ReadingsCompanion {

namespace {

using namespace CompanionFields;

QByteArray lineEndingOf(const CompanionFile& file)
{
    for (const CompanionLine& line : file.lines) {
        if (line.raw.endsWith("\r\n"))
            return "\r\n";
        if (line.raw.endsWith('\n'))
            return "\n";
    }
    return "\n";
}

QByteArray formattedRow(const QuestionBank& bank, PairPlace place, const PairReading& reading,
                        const QByteArray& lineEnding)
{
    const QuestionView pair = bank.view(place.level, place.position);
    const QStringList fields{LevelNames::name(place.level),
                             escaped(TextCodec::decode(pair.question)),
                             escaped(TextCodec::decode(pair.answer)),
                             escaped(reading.reading),
                             escaped(Alternatives::join(reading.alternatives)),
                             reading.needsCheck ? CheckMark : QString()};
    return fields.join(QLatin1Char('\t')).toUtf8() + lineEnding;
}

} // namespace

std::optional<QByteArray> write(const CompanionFile& source, const QuestionBank& bank,
                                const ReadingsTable& readings)
{
    if (source.refused || (!source.exists && !readings.hasReadings()))
        return std::nullopt;
    const QByteArray lineEnding = lineEndingOf(source);
    const QHash<qsizetype, PairPlace> linked = readings.linkedLines();
    QByteArray out;
    for (qsizetype line = 0; line < source.lines.size(); ++line) {
        const auto pair = linked.constFind(line);
        if (pair == linked.cend()) {
            if (!readings.isReleased(line))
                out += source.lines[line].raw;
            continue;
        }
        const ReadingSlot& slot = *readings.slot(pair->level, pair->position);
        if (!slot.edited)
            out += source.lines[line].raw;
        else if (!slot.reading.isEmpty())
            out += formattedRow(bank, *pair, slot.reading, lineEnding);
    }
    bool added = false;
    for (int level = 0; level < QuestionBank::LevelCount; ++level) {
        for (int position = 0; position < readings.count(level); ++position) {
            const ReadingSlot* slot = readings.slot(level, position);
            if (!slot || slot->sourceLine >= 0 || slot->reading.isEmpty())
                continue;
            if (!added && source.lines.isEmpty())
                out += Header.toUtf8() + lineEnding;
            else if (!added && !out.isEmpty() && !out.endsWith('\n'))
                out += lineEnding;
            added = true;
            out += formattedRow(bank, {level, position}, slot->reading, lineEnding);
        }
    }
    return out;
}

} // namespace ReadingsCompanion
