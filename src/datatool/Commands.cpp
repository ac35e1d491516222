#include "datatool/Commands.h"

#include "datatool/CheckReport.h"
#include "datatool/Messages.h"
#include "datatool/TableExport.h"
#include "datatool/TableImport.h"
#include "questions/AtomicFile.h"
#include "questions/QuestionFile.h"

#include <QFile>
#include <QFileInfo>

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
    // The program's own message followed by the reason; empty when the file loaded.
    QString failure;
};

// As the main window loads a file: a path without a file fails before the reader is asked.
LoadedFile loadAsTheProgramDoes(const QString& path, Language language)
{
    LoadedFile loaded;
    const QuestionFile::ReadOutcome outcome = QuestionFile::read(path, loaded.bank);
    if (outcome == QuestionFile::ReadFailure::NotFound)
        loaded.failure = QuestionFile::messageFor(outcome) + ' ' + Messages::missingFile(language);
    else if (outcome == QuestionFile::ReadFailure::WrongVersion)
        loaded.failure = QuestionFile::messageFor(outcome) + ' ' + Messages::foreignFile(language);
    else if (outcome == QuestionFile::ReadFailure::Unreadable)
        loaded.failure =
            QuestionFile::messageFor(outcome) + ' ' + Messages::unreadableFile(language);
    return loaded;
}

bool refusesToReplace(const Request& request, const Console& console)
{
    if (request.output.isEmpty() || request.force || !QFileInfo::exists(request.output))
        return false;
    print(console.err, request.output + ": " + Messages::outputExists(console.language));
    return true;
}

std::optional<QByteArray> readTable(const QString& path, const Console& console)
{
    QFile file(path);
    if (QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly)) {
        print(console.err,
              path + ": " + Messages::cannotRead(file.errorString(), console.language));
        return std::nullopt;
    }
    return file.readAll();
}

ExitCode runImport(const Request& request, const Console& console)
{
    if (refusesToReplace(request, console))
        return ExitFailed;
    const std::optional<QByteArray> table = readTable(request.input, console);
    if (!table)
        return ExitFailed;
    const ImportResult result = importTable(*table, {request.format, request.encoding});
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
    if (!QuestionFile::write(request.output, result.bank)) {
        print(console.err, request.output + ": " + QuestionFile::SaveFailedMessage);
        return ExitFailed;
    }
    print(console.out, request.output + ": " + Messages::written(console.language) +
                           Messages::pairCounts(countsOf(result.bank), console.language));
    return ExitDone;
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
    const ExportResult result =
        exportTable(loaded.bank, {request.format, request.encoding.value_or(TableEncoding::Utf8),
                                  request.header});
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

} // namespace

ExitCode run(const Request& request, const Console& console)
{
    switch (request.command) {
    case Command::Import:
        return runImport(request, console);
    case Command::Export:
        return runExport(request, console);
    case Command::Check:
        return runCheck(request, console);
    }
    return ExitUsage;
}
