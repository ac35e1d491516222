#include "datatool/CommandLine.h"

#include "language/Language.h"

#include <QCommandLineParser>
#include <QCoreApplication>

CommandLineOutcome usageError(const QString& message, const QString& command, Language language)
{
    const QString hint =
        wording(language, "Try \"%1 --help\".", "使い方は「%1 --help」で表示されます。")
            .arg(command);
    CommandLineOutcome outcome;
    outcome.text = message + '\n' + hint + '\n';
    outcome.exitCode = ExitUsage;
    return outcome;
}

std::optional<CommandLineOutcome> helpOrVersion(const QCommandLineParser& parser,
                                                const QCommandLineOption& help,
                                                const QCommandLineOption& version)
{
    CommandLineOutcome outcome;
    if (parser.isSet(help))
        outcome.text = parser.helpText();
    else if (parser.isSet(version))
        outcome.text = QCoreApplication::applicationName() + ' ' +
                       QCoreApplication::applicationVersion() + '\n';
    else
        return std::nullopt;
    return outcome;
}
