#include "datatool/Commands.h"

#include "datatool/Messages.h"
#include "import/DeckMapping.h"
#include "import/DeckSource.h"
#include "import/ImportMessages.h"
#include "questions/AtomicFile.h"
#include "questions/CheckReport.h"
#include "questions/LevelNames.h"
#include "questions/QuestionFile.h"
#include "readings/CompanionMessages.h"
#include "readings/NewQuestionFile.h"
#include "readings/ReadingsCompanion.h"
#include "tables/AnkiExport.h"
#include "tables/TableExport.h"
#include "tables/TableImport.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <numeric>

namespace {

// A table with thousands of faulty rows is fixed from its first faults, not read in full here.
constexpr qsizetype ErrorsShown = 20;

void print(QIODevice& device, const QString& text)
{
    device.write(text.toUtf8() + '\n');
}

// Messages name the files as the user gave them.
void printErrors(const Console& console, const QStringList& messages)
{
    for (qsizetype i = 0; i < std::min(messages.size(), ErrorsShown); ++i)
        print(console.err, messages[i]);
    if (messages.size() > ErrorsShown)
        print(console.err, Messages::moreErrors(messages.size() - ErrorsShown, console.language));
    print(console.err, Messages::nothingWritten(console.language));
}

std::array<int, QuestionBank::LevelCount> countsOf(const QuestionBank& bank)
{
    std::array<int, QuestionBank::LevelCount> counts{};
    for (int level = 0; level < QuestionBank::LevelCount; ++level)
        counts[level] = bank.Count(level);
    return counts;
}

struct LoadedFile
{
    QuestionBank bank;
    ReadingsTable readings;
    // The program's own message followed by the reason; empty when the file loaded.
    QString failure;
};

// As the main window loads a file: a path without a file fails before the reader is asked. The
// program's own message, which is Japanese and has no full stop, is closed before the reason.
LoadedFile loadAsTheProgramDoes(const QString& path, Language language)
{
    LoadedFile loaded;
    const QuestionFile::ReadOutcome outcome = QuestionFile::read(path, loaded.bank);
    QString reason;
    if (outcome == QuestionFile::ReadFailure::NotFound)
        reason = Messages::missingFile(language);
    else if (outcome == QuestionFile::ReadFailure::WrongVersion)
        reason = Messages::foreignFile(language);
    else if (outcome == QuestionFile::ReadFailure::Unreadable)
        reason = Messages::unreadableFile(language);
    if (!reason.isEmpty())
        loaded.failure =
            QuestionFile::messageFor(outcome) + wording(language, "。 ", "。") + reason;
    return loaded;
}

// The readings beside the file, as the editor reads them; what could not be read is a warning, as
// the editor shows it, and the rest is used.
ReadingsTable readingsOf(const Request& request, const QuestionBank& bank, const Console& console)
{
    const CompanionFile companion = ReadingsCompanion::read(request.input);
    ReadingsCompanion::Matched matched = ReadingsCompanion::match(companion, bank);
    const QString problems = CompanionMessages::summary(
        ReadingsCompanion::companionPath(request.input), companion.problems + matched.orphans);
    if (!problems.isEmpty())
        print(console.err, Messages::warningPrefix(console.language) + problems);
    return std::move(matched.readings);
}

bool refusesToReplace(const Request& request, const Console& console)
{
    if (request.output.isEmpty() || request.force || !QFileInfo::exists(request.output))
        return false;
    print(console.err, request.output + ": " + Messages::outputExists(console.language));
    return true;
}

// A table over the limit is refused by its size before it is read; one whose size the file
// system does not know (a pipe) by what a read of one byte more than the limit brings.
std::optional<QByteArray> readTable(const QString& path, const Console& console)
{
    QFile file(path);
    if (QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly)) {
        print(console.err,
              path + ": " + Messages::cannotRead(file.errorString(), console.language));
        return std::nullopt;
    }
    QByteArray table;
    if (file.size() <= MaxTableSize)
        table = file.read(MaxTableSize + 1);
    if (file.size() > MaxTableSize || table.size() > MaxTableSize) {
        print(console.err, path + ": " + Messages::tableTooLarge(MaxTableSize, console.language));
        print(console.err, Messages::nothingWritten(console.language));
        return std::nullopt;
    }
    return table;
}

// An import that brings no pair is refused rather than written as an empty file.
ExitCode writeBank(const Request& request, const QuestionBank& bank, const ReadingsTable& readings,
                   const Console& console)
{
    const std::array<int, QuestionBank::LevelCount> counts = countsOf(bank);
    if (std::reduce(counts.begin(), counts.end()) == 0) {
        print(console.err, request.input + ": " + Messages::noPairs(console.language));
        print(console.err, Messages::nothingWritten(console.language));
        return ExitFailed;
    }
    if (!NewQuestionFile::write(request.output, bank, readings)) {
        print(console.err, request.output + ": " + QuestionFile::SaveFailedMessage);
        return ExitFailed;
    }
    print(console.out, request.output + ": " + Messages::written(counts, console.language));
    return ExitDone;
}

std::optional<DeckFormat> deckFormatOf(const Request& request)
{
    switch (request.from) {
    case ImportSource::Detect:
        return detectFormat(request.input, startOfFile(request.input));
    case ImportSource::Table:
        return std::nullopt;
    case ImportSource::AnkiText:
        return DeckFormat::AnkiText;
    case ImportSource::AnkiPackage:
        return DeckFormat::AnkiPackage;
    case ImportSource::Kvtml:
        return DeckFormat::Kvtml;
    case ImportSource::Quizlet:
        return DeckFormat::Quizlet;
    }
    return std::nullopt;
}

// A field by its name, or by its number from 1 as the columns of a text file are counted.
std::optional<int> fieldNamed(const Deck& deck, const QString& name, int byDefault)
{
    if (name.isEmpty())
        return byDefault;
    if (const qsizetype index = deck.fieldNames.indexOf(name); index >= 0)
        return int(index);
    bool number = false;
    const int position = name.toInt(&number);
    if (number && position >= 1 && position <= deck.fieldNames.size())
        return position - 1;
    return std::nullopt;
}

std::optional<DeckMapping> mappingFor(const Deck& deck, const Request& request,
                                      const Console& console)
{
    const QString& rule = request.levelBy;
    const LevelSource levelBy = rule == QLatin1String("deck") || rule == QLatin1String("lesson")
                                    ? LevelSource::Deck
                                : rule == QLatin1String("tag") ? LevelSource::Tag
                                                               : LevelSource::One;
    DeckMapping mapping = defaultMapping(deck, levelBy);
    for (int level = 0; level < QuestionBank::LevelCount; ++level) {
        if (rule == QString::number(level + 1) || rule == LevelNames::name(level))
            mapping.level = level;
    }
    const std::optional<int> question = fieldNamed(deck, request.question, mapping.question);
    const std::optional<int> answer = fieldNamed(deck, request.answer, mapping.answer);
    if (!question || !answer) {
        print(console.err, request.input + ": " +
                               Messages::noSuchField(!question ? request.question : request.answer,
                                                     deck.fieldNames, console.language));
        print(console.err, Messages::nothingWritten(console.language));
        return std::nullopt;
    }
    mapping.question = *question;
    mapping.answer = *answer;
    return mapping;
}

ExitCode runDeckImport(const Request& request, DeckFormat format, const Console& console)
{
    DeckReadOptions options;
    options.lineBreaks =
        request.keepLineBreaks ? AnkiMarkup::LineBreaks::Keep : AnkiMarkup::LineBreaks::Space;
    options.quizlet = {request.termSeparator, request.cardSeparator};
    const DeckResult read = readDeckFile(request.input, format, options);
    if (read.error) {
        print(console.err,
              request.input + ": " + ImportMessages::describe(*read.error, console.language));
        print(console.err, Messages::nothingWritten(console.language));
        return ExitFailed;
    }
    const std::optional<DeckMapping> mapping = mappingFor(read.deck, request, console);
    if (!mapping)
        return ExitFailed;
    const MappedDeck mapped = mapDeck(read.deck, *mapping);
    QStringList skipped;
    for (const SkippedNote& note : mapped.skipped)
        skipped.append(request.input + ": " + Messages::warningPrefix(console.language) +
                       ImportMessages::describe(note, console.language));
    for (qsizetype i = 0; i < std::min(skipped.size(), ErrorsShown); ++i)
        print(console.err, skipped[i]);
    if (skipped.size() > ErrorsShown)
        print(console.err, Messages::moreErrors(skipped.size() - ErrorsShown, console.language));
    return writeBank(request, mapped.bank, mapped.readings, console);
}

ExitCode runImport(const Request& request, const Console& console)
{
    if (refusesToReplace(request, console))
        return ExitFailed;
    if (const std::optional<DeckFormat> format = deckFormatOf(request))
        return runDeckImport(request, *format, console);
    std::optional<QByteArray> table = readTable(request.input, console);
    if (!table)
        return ExitFailed;
    const ImportResult result = importTable(*std::move(table), {request.format, request.encoding});
    if (!result.errors.isEmpty()) {
        QStringList messages;
        for (const TableError& error : result.errors)
            messages.append(QStringLiteral("%1:%2: %3")
                                .arg(request.input)
                                .arg(error.line)
                                .arg(Messages::describe(error, console.language)));
        printErrors(console, messages);
        return ExitFailed;
    }
    return writeBank(request, result.bank, result.readings, console);
}

ExitCode runExport(const Request& request, const Console& console)
{
    if (refusesToReplace(request, console))
        return ExitFailed;
    const LoadedFile loaded = loadAsTheProgramDoes(request.input, console.language);
    if (!loaded.failure.isEmpty()) {
        print(console.err, request.input + ": " + loaded.failure);
        return ExitFailed;
    }
    const ReadingsTable readings = readingsOf(request, loaded.bank, console);
    const ExportResult result =
        request.to == ExportFormat::AnkiText
            ? exportAnkiText(loaded.bank, QFileInfo(request.input).completeBaseName(), readings)
            : exportTable(
                  loaded.bank,
                  {request.format, request.encoding.value_or(TableEncoding::Utf8), request.header},
                  readings);
    if (!result.errors.isEmpty()) {
        QStringList messages;
        for (const ExportError& error : result.errors)
            messages.append(request.input + ": " + Messages::describe(error, console.language));
        printErrors(console, messages);
        return ExitFailed;
    }
    if (request.output.isEmpty()) {
        console.out.write(result.table);
        return ExitDone;
    }
    if (!AtomicFile::replace(request.output, result.table)) {
        print(console.err, request.output + ": " + Messages::cannotWrite(console.language));
        return ExitFailed;
    }
    return ExitDone;
}

ExitCode runCheck(const Request& request, const Console& console)
{
    const LoadedFile loaded = loadAsTheProgramDoes(request.input, console.language);
    if (!loaded.failure.isEmpty()) {
        print(console.err, request.input + ": " + loaded.failure);
        return ExitFailed;
    }
    const CheckReport report = checkBank(loaded.bank);
    print(console.out,
          request.input + ": " + Messages::pairCounts(report.counts, console.language));
    for (const CheckWarning& warning : report.warnings)
        print(console.out, request.input + ": " + Messages::warningPrefix(console.language) +
                               Messages::describe(warning, console.language));
    return ExitDone;
}

// A draw is the same for the same seed; without one, every run draws anew.
class DrawRandom : public RandomSource
{
public:
    explicit DrawRandom(std::optional<quint32> seed)
        : generator(seed.value_or(QRandomGenerator::system()->generate()))
    {}
    int bounded(int bound) override { return int(generator.bounded(quint32(bound))); }

private:
    QRandomGenerator generator;
};

ExitCode runWorksheet(const Request& request, const Console& console,
                      const WorksheetPdf& worksheetPdf)
{
    if (refusesToReplace(request, console))
        return ExitFailed;
    const LoadedFile loaded = loadAsTheProgramDoes(request.input, console.language);
    if (!loaded.failure.isEmpty()) {
        print(console.err, request.input + ": " + loaded.failure);
        return ExitFailed;
    }
    if (loaded.bank.Count(request.level) == 0) {
        print(console.err,
              request.input + ": " + Messages::noQuestionsAtLevel(request.level, console.language));
        print(console.err, Messages::nothingWritten(console.language));
        return ExitFailed;
    }
    const ReadingsTable readings = readingsOf(request, loaded.bank, console);
    DrawRandom random(request.seed);
    const WorksheetContent content =
        WorksheetContents::make(QFileInfo(request.input).fileName(), loaded.bank, readings,
                                {request.level, request.furigana, request.count, {}}, random);
    if (!AtomicFile::replace(request.output, worksheetPdf(content))) {
        print(console.err, request.output + ": " + Messages::cannotWrite(console.language));
        return ExitFailed;
    }
    print(console.out,
          request.output + ": " +
              Messages::worksheetWritten(request.level, content.questions.size(),
                                         loaded.bank.Count(request.level), console.language));
    return ExitDone;
}

} // namespace

ExitCode run(const Request& request, const Console& console, const WorksheetPdf& worksheetPdf)
{
    switch (request.command) {
    case Command::Import:
        return runImport(request, console);
    case Command::Export:
        return runExport(request, console);
    case Command::Check:
        return runCheck(request, console);
    case Command::Worksheet:
        return runWorksheet(request, console, worksheetPdf);
    }
    return ExitUsage;
}
