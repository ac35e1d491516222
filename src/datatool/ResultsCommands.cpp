#include "datatool/ResultsCommands.h"

#include "datatool/Messages.h"
#include "datatool/ResultsMessages.h"
#include "questions/AtomicFile.h"
#include "results/ClassCsv.h"
#include "results/ClassMerge.h"
#include "results/ResultsCsv.h"
#include "results/ResultsCsvReader.h"
#include "settings/SettingsStore.h"

#include <QFile>
#include <QFileInfo>

namespace {

void print(QIODevice& device, const QString& text)
{
    device.write(text.toUtf8() + '\n');
}

bool refusesToReplace(const ResultsRequest& request, const Console& console)
{
    for (const QString& output : {request.output, request.missed, request.pdf}) {
        if (!output.isEmpty() && !request.force && QFileInfo::exists(output)) {
            print(console.err, output + ": " + Messages::outputExists(console.language));
            return true;
        }
    }
    return false;
}

// The file as the record names it: as given, or made absolute as the program records it.
GameFilter filterFor(const ResultsRequest& request, LearningRecord& record)
{
    GameFilter filter{request.file, request.level};
    if (request.file && !record.recordedFiles().contains(*request.file))
        filter.filePath = QFileInfo(*request.file).absoluteFilePath();
    return filter;
}

QString learnerName(const ResultsRequest& request, const ResultsSources& sources)
{
    return request.name ? *request.name
                        : SettingsStore(sources.settings).loadAll().settings.learnerName;
}

bool encoded(const CsvText::Encoded& table, const QString& name, const Console& console)
{
    if (table.withoutCp932Form.isEmpty())
        return true;
    print(console.err,
          name + ": " +
              ResultsMessages::withoutCp932Form(table.withoutCp932Form, console.language));
    print(console.err, Messages::nothingWritten(console.language));
    return false;
}

bool writeTables(const QList<AtomicFile::Replacement>& files, const Console& console)
{
    if (const auto written = AtomicFile::replaceAll(files); !written) {
        print(console.err, written.failure().path + ": " + Messages::cannotWrite(console.language) +
                               " (" + written.failure().reason + ')');
        return false;
    }
    return true;
}

ExitCode runExport(const ResultsRequest& request, const Console& console,
                   const ResultsSources& sources)
{
    if (refusesToReplace(request, console))
        return ExitFailed;
    const QString path = request.record.isEmpty() ? sources.defaultRecord : request.record;
    const std::unique_ptr<LearningRecord> record = sources.readOnlyRecord(path);
    if (record->open() != LearningRecord::OpenOutcome::Opened) {
        print(console.err, path + ": " + ResultsMessages::recordUnavailable(console.language));
        return ExitFailed;
    }
    const GameFilter filter = filterFor(request, *record);
    const QList<FinishedGame> games = record->finishedGames(filter);
    const QString learner = learnerName(request, sources);
    if (learner.isEmpty())
        print(console.err, ResultsMessages::noLearnerName(console.language));
    if (request.file && games.isEmpty())
        print(console.err, *request.file + ": " + ResultsMessages::noGamesOfFile(console.language));
    const CsvText::Encoded table = ResultsCsv::write(
        ResultsCsv::rowsOf(learner, games, record->timeOutsOf(filter)), request.encoding);
    if (!encoded(table, learner, console))
        return ExitFailed;
    if (request.output.isEmpty()) {
        console.out.write(table.bytes);
        return ExitDone;
    }
    if (!writeTables({{request.output, table.bytes}}, console))
        return ExitFailed;
    print(console.out,
          request.output + ": " + ResultsMessages::gamesWritten(games.size(), console.language));
    return ExitDone;
}

// Every table's rows, a nameless learner named after the table; nothing when one fails.
std::optional<QList<ResultRow>> readTables(const QStringList& paths, const Console& console)
{
    QList<ResultRow> rows;
    for (const QString& path : paths) {
        QFile file(path);
        if (QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly)) {
            print(console.err,
                  path + ": " + Messages::cannotRead(file.errorString(), console.language));
            return std::nullopt;
        }
        ResultsCsvRead read = ResultsCsvReader::read(file.readAll());
        if (read.error) {
            print(console.err, QStringLiteral("%1:%2: %3")
                                   .arg(path)
                                   .arg(read.error->line)
                                   .arg(ResultsMessages::describe(*read.error, console.language)));
            return std::nullopt;
        }
        for (ResultRow& row : read.rows) {
            if (row.learner.isEmpty())
                row.learner = QFileInfo(path).completeBaseName();
        }
        rows += read.rows;
    }
    return rows;
}

ExitCode runMerge(const ResultsRequest& request, const Console& console,
                  const ResultsSources& sources)
{
    if (refusesToReplace(request, console))
        return ExitFailed;
    const std::optional<QList<ResultRow>> rows = readTables(request.inputs, console);
    if (!rows) {
        print(console.err, Messages::nothingWritten(console.language));
        return ExitFailed;
    }
    const ClassTable table = ClassMerge::merge(*rows);
    const CsvText::Encoded classTable = ClassCsv::classTable(table, request.encoding);
    const CsvText::Encoded missed = ClassCsv::missedPairs(table, request.encoding);
    if (!encoded(classTable, request.output, console) || !encoded(missed, request.missed, console))
        return ExitFailed;
    QList<AtomicFile::Replacement> files;
    if (!request.output.isEmpty())
        files.append({request.output, classTable.bytes});
    if (!request.missed.isEmpty())
        files.append({request.missed, missed.bytes});
    if (!request.pdf.isEmpty())
        files.append({request.pdf, sources.classReport(table)});
    if (!writeTables(files, console))
        return ExitFailed;
    if (request.output.isEmpty())
        console.out.write(classTable.bytes);
    else
        print(console.out, request.output + ": " +
                               ResultsMessages::classWritten(table.rows.size(), console.language));
    if (!request.missed.isEmpty())
        print(request.output.isEmpty() ? console.err : console.out,
              request.missed + ": " +
                  ResultsMessages::missedWritten(table.missed.size(), console.language));
    if (!request.pdf.isEmpty())
        print(request.output.isEmpty() ? console.err : console.out,
              request.pdf + ": " + ResultsMessages::reportWritten(console.language));
    return ExitDone;
}

} // namespace

ExitCode runResults(const ResultsRequest& request, const Console& console,
                    const ResultsSources& sources)
{
    if (request.action == ResultsRequest::Action::Export)
        return runExport(request, console, sources);
    return runMerge(request, console, sources);
}
