// tazune-data: question files to and from spreadsheet tables, a check of a question file, and the
// recorded results as tables. The rules live in tazune_datatool; this only picks the language and
// wires the console, the record and the settings.

#include "ProductInfo.h"
#include "datatool/CommandLine.h"
#include "datatool/Commands.h"
#include "datatool/ResultsCommands.h"
#include "platform/QSettingsBackend.h"
#include "record/SqlLearningRecord.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QTranslator>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
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
    if (!outcome.request && !outcome.results) {
        (outcome.exitCode == ExitDone ? out : err).write(outcome.text.toUtf8());
        return outcome.exitCode;
    }
    const Console console{out, err, language};
    if (outcome.results) {
        QSettingsBackend settings;
        const ResultsSources sources{[](const QString& path) {
                                         return std::make_unique<SqlLearningRecord>(
                                             path, SqlLearningRecord::Access::ReadOnly);
                                     },
                                     SqlLearningRecord::defaultPath(), settings};
        return runResults(*outcome.results, console, sources);
    }
    return run(*outcome.request, console);
}
