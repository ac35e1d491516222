// tazune-data: question files to and from spreadsheet tables, a check of a question file, a
// worksheet to answer on paper, the recorded results as tables, review logs replayed through the
// scheduler and the record's own log exported or replayed, and readings proposed for a question
// file. The rules live in tazune_datatool; this only picks the language and wires the console,
// the record, the settings, the clock, the painters of the class report and the worksheet, and
// the readings' module.

#include "ProductInfo.h"
#include "datatool/AssignmentCommands.h"
#include "datatool/CommandLine.h"
#include "datatool/Commands.h"
#include "datatool/ReadingsCommands.h"
#include "datatool/ResultsCommandLine.h"
#include "datatool/ResultsCommands.h"
#include "datatool/ScheduleCommands.h"
#include "platform/ProgramModule.h"
#include "platform/QSettingsBackend.h"
#include "proposal/ProposerModule.h"
#include "record/SqlLearningRecord.h"
#include "results/ClassReport.h"
#include "widgets/JapaneseFont.h"
#include "worksheet/Worksheet.h"

#include <QFile>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QRandomGenerator>
#include <QTranslator>

#include <cstdio>
#include <memory>

namespace {

// Only the class report and the worksheet need fonts, and so a QGuiApplication; they are painted
// off screen where there is no display to connect to, as on a server that merges the class's
// tables.
std::unique_ptr<QCoreApplication> makeApplication(int& argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (!asksForClassReport(arguments) && !asksForWorksheet(arguments))
        return std::make_unique<QCoreApplication>(argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    auto app = std::make_unique<QGuiApplication>(argc, argv);
    JapaneseFont::installSubstitutes();
    return app;
}

} // namespace

int main(int argc, char** argv)
{
    const std::unique_ptr<QCoreApplication> app = makeApplication(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tazune-data"));
    QCoreApplication::setApplicationVersion(ProductInfo::Version);

    const Language language = languageOf(QLocale::system());
    // Qt's own parts of the help ("Usage:", "Options:") in the same language as ours.
    QTranslator qtTexts;
    if (language == Language::Japanese &&
        qtTexts.load(QLocale::system(), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qtTexts);

    QFile out;
    QFile err;
    out.open(stdout, QIODevice::WriteOnly);
    err.open(stderr, QIODevice::WriteOnly);

    const CommandLineOutcome outcome = parseCommandLine(QCoreApplication::arguments(), language);
    if (!outcome.request && !outcome.results && !outcome.schedule && !outcome.readings &&
        !outcome.assignment) {
        (outcome.exitCode == ExitDone ? out : err).write(outcome.text.toUtf8());
        return outcome.exitCode;
    }
    const Console console{out, err, language};
    if (outcome.assignment)
        return runAssignment(*outcome.assignment, console,
                             [] { return QRandomGenerator::system()->generate64(); });
    if (outcome.readings) {
        ProposerModule proposer(ProgramModule::pathFor(QCoreApplication::applicationFilePath(),
                                                       ProductInfo::ReadingsModule),
                                ReadingSources());
        return runReadings(*outcome.readings, console, proposer);
    }
    if (outcome.schedule) {
        const ScheduleSources sources{[](const QString& path, ScheduleSources::Access access) {
                                          return std::make_unique<SqlLearningRecord>(
                                              path, access == ScheduleSources::Access::ReadOnly
                                                        ? SqlLearningRecord::Access::ReadOnly
                                                        : SqlLearningRecord::Access::ReadWrite);
                                      },
                                      SqlLearningRecord::defaultPath(),
                                      [] { return QDateTime::currentDateTimeUtc(); }};
        return runSchedule(*outcome.schedule, console, sources);
    }
    if (outcome.results) {
        QSettingsBackend settings;
        const ResultsSources sources{
            [](const QString& path) {
                return std::make_unique<SqlLearningRecord>(path,
                                                           SqlLearningRecord::Access::ReadOnly);
            },
            SqlLearningRecord::defaultPath(), settings,
            [](const ClassTable& table) { return ClassReport::pdf(table, QDate::currentDate()); }};
        return runResults(*outcome.results, console, sources);
    }
    return run(*outcome.request, console, Worksheet::pdf);
}
