#include "datatool/ScheduleCommands.h"

#include "datatool/Messages.h"
#include "datatool/OptimizerLog.h"
#include "datatool/ResultsMessages.h"
#include "datatool/ScheduleToolMessages.h"
#include "questions/AtomicFile.h"
#include "schedule/ReviewReplay.h"
#include "schedule/ScheduleMessages.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace {

// A log with thousands of faulty lines is fixed from its first faults.
constexpr std::size_t ProblemsShown = 20;

void print(QIODevice& device, const QString& text)
{
    device.write(text.toUtf8() + '\n');
}

void printProblems(const ScheduleRequest& request, const ReplaySummary& summary,
                   const Console& console)
{
    const std::size_t count = summary.problems.size();
    for (std::size_t i = 0; i < std::min(count, ProblemsShown); ++i)
        print(console.err, request.log + ": " +
                               ScheduleMessages::describe(summary.problems[i], console.language));
    if (count > ProblemsShown)
        print(console.err,
              Messages::moreErrors(qsizetype(count - ProblemsShown), console.language));
    print(console.err,
          request.log + ": " +
              ScheduleMessages::linesSkipped(summary.replayed, count, console.language));
}

ExitCode runReplay(const ScheduleRequest& request, const Console& console)
{
    QFile file(request.log);
    if (QFileInfo(request.log).isDir() || !file.open(QIODevice::ReadOnly)) {
        print(console.err,
              request.log + ": " + Messages::cannotRead(file.errorString(), console.language));
        return ExitFailed;
    }
    const QByteArray log = file.readAll();
    std::string out;
    const ReplaySummary summary = replayReviews(std::string_view(log.constData(), log.size()),
                                                Scheduler(request.parameters), out);
    console.out.write(out.data(), qint64(out.size()));
    if (!summary.problems.empty())
        printProblems(request, summary, console);
    if (summary.replayed == 0) {
        print(console.err,
              request.log + ": " + ScheduleMessages::nothingReplayed(console.language));
        return ExitFailed;
    }
    return ExitDone;
}

QString recordPath(const ScheduleRequest& request, const ScheduleSources& sources)
{
    return request.record.isEmpty() ? sources.defaultRecord : request.record;
}

ExitCode runExportLog(const ScheduleRequest& request, const Console& console,
                      const ScheduleSources& sources)
{
    if (!request.output.isEmpty() && !request.force && QFileInfo::exists(request.output)) {
        print(console.err, request.output + ": " + Messages::outputExists(console.language));
        return ExitFailed;
    }
    const QString path = recordPath(request, sources);
    const std::unique_ptr<LearningRecord> record =
        sources.record(path, ScheduleSources::Access::ReadOnly);
    if (record->open() != LearningRecord::OpenOutcome::Opened) {
        print(console.err, path + ": " + ResultsMessages::recordUnavailable(console.language));
        return ExitFailed;
    }
    const std::vector<LoggedReview> log = record->reviewLog();
    if (const RecordFailure failure = record->lastFailure();
        failure.kind != RecordFailure::Kind::None) {
        print(console.err, path + ": " + Messages::cannotRead(failure.reason, console.language));
        return ExitFailed;
    }
    const QByteArray csv = optimizerLog(log, Scheduler(request.parameters));
    if (request.output.isEmpty()) {
        console.out.write(csv);
        return ExitDone;
    }
    if (const auto written = AtomicFile::replace(request.output, csv); !written) {
        print(console.err, request.output + ": " + Messages::cannotWrite(console.language) + " (" +
                               written.failure() + ')');
        return ExitFailed;
    }
    print(console.out,
          request.output + ": " +
              ScheduleToolMessages::reviewsWritten(qsizetype(log.size()), console.language));
    return ExitDone;
}

ExitCode runReschedule(const ScheduleRequest& request, const Console& console,
                       const ScheduleSources& sources)
{
    const QString path = recordPath(request, sources);
    // Opened for writing, a missing record would be created empty.
    if (!QFileInfo::exists(path)) {
        print(console.err, path + ": " + ResultsMessages::recordUnavailable(console.language));
        return ExitFailed;
    }
    const std::unique_ptr<LearningRecord> record =
        sources.record(path, ScheduleSources::Access::ReadWrite);
    // Set before opening: a record left stale by its upgrade is rescheduled as it opens.
    record->setScheduler(Scheduler(request.parameters));
    if (record->open() == LearningRecord::OpenOutcome::Unavailable || !record->reschedule()) {
        print(console.err,
              path + ": " +
                  ScheduleToolMessages::notRescheduled(record->lastFailure(), console.language));
        return ExitFailed;
    }
    const qint64 scheduled = record->scheduledPairs().size();
    const qint64 due = record->dueSummary(sources.now()).due;
    print(console.out,
          path + ": " + ScheduleToolMessages::rescheduled(scheduled, due, console.language));
    return ExitDone;
}

} // namespace

ExitCode runSchedule(const ScheduleRequest& request, const Console& console,
                     const ScheduleSources& sources)
{
    switch (request.action) {
    case ScheduleRequest::Action::Replay:
        return runReplay(request, console);
    case ScheduleRequest::Action::ExportLog:
        return runExportLog(request, console, sources);
    case ScheduleRequest::Action::Reschedule:
        return runReschedule(request, console, sources);
    }
    return ExitUsage;
}
