#include "datatool/ScheduleCommands.h"

#include "datatool/Messages.h"
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

} // namespace

ExitCode runSchedule(const ScheduleRequest& request, const Console& console)
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
