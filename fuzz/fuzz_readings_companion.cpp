// A companion file of readings from anyone, matched against a small bank. Whatever reads must be
// written back byte for byte while nothing was edited, every reported line must be a line of the
// file, a reading set on a pair must read back from what is written, and every row's reading
// must align with its text or be refused without harm.

#include "questions/TextCodec.h"
#include "readings/ReadingsCompanion.h"
#include "readings/RubyNotation.h"
#include "readings/RubyText.h"

#include <cstdint>
#include <cstdlib>

namespace {

// 初級: 山/yama twice and a text with a tab and a backslash; 中級: ∵ in its NEC code.
QuestionBank sampleBank()
{
    QuestionBank bank;
    const QByteArray mountain = TextCodec::encode(QStringLiteral("山")).value();
    bank.Add(0, mountain, "yama");
    bank.Add(0, mountain, "yama");
    bank.Add(0, "a\tb\\", "c");
    bank.Add(1, "\x87\x9a", {});
    return bank;
}

void checkProblemLines(const QList<CompanionProblem>& problems, qsizetype lines)
{
    for (const CompanionProblem& problem : problems) {
        if (problem.line < 1 || problem.line > lines)
            std::abort();
    }
}

void alignRows(const CompanionFile& file)
{
    for (const CompanionLine& line : file.lines) {
        if (!line.row)
            continue;
        if (const auto segments = RubyText::align(line.row->question, line.row->reading.reading))
            RubyText::bracketText(*segments);
        RubyNotation::format(RubyNotation::parse(line.row->reading.reading));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const QuestionBank bank = sampleBank();
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const CompanionFile file = ReadingsCompanion::parse(bytes, ReadingsCompanion::limitsFor(0));
    if (file.refused) {
        if (!file.lines.isEmpty() || ReadingsCompanion::write(file, bank, {}))
            std::abort();
        return 0;
    }
    const ReadingsCompanion::Matched matched = ReadingsCompanion::match(file, bank);
    if (ReadingsCompanion::write(file, bank, matched.readings) != std::optional(bytes))
        std::abort();
    checkProblemLines(file.problems, file.lines.size());
    checkProblemLines(matched.orphans, file.lines.size());
    alignRows(file);

    ReadingsTable edited = matched.readings;
    const PairReading reading{QStringLiteral("やま"), {QStringLiteral("山")}, true};
    // The pair that is in the bank once: identical pairs are told apart only by the order of
    // their rows.
    edited.setReading(0, 2, reading);
    const std::optional<QByteArray> written = ReadingsCompanion::write(file, bank, edited);
    if (!written)
        std::abort();
    const CompanionFile reread =
        ReadingsCompanion::parse(*written, ReadingsCompanion::limitsFor(written->size()));
    if (ReadingsCompanion::match(reread, bank).readings.reading(0, 2) != reading)
        std::abort();
    return 0;
}
