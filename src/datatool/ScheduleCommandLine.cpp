#include "datatool/ScheduleCommandLine.h"

#include "datatool/Subcommands.h"
#include "schedule/ScheduleMessages.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace {

QString description(Language language)
{
    return wording(
        language,
        "Replays a review log through the review scheduler.\n"
        "\n"
        "Commands:\n"
        "  schedule replay LOG    each line \"pair,time,grade\" replayed, and the pair's new\n"
        "                         schedule printed: pair,state,stability,difficulty,due\n"
        "\n"
        "A pair is any text without a comma; its lines are replayed in their order, from a new\n"
        "pair. The time is an ISO 8601 time with its offset (2025-04-01T09:30:00Z) or\n"
        "milliseconds since 1970; the grade is 1 again, 2 hard, 3 good or 4 easy. The state\n"
        "is new, learning, review or relearning; stability is in days, difficulty from 1 to\n"
        "10, the due time in UTC. Faulty lines are skipped and named on standard error.\n"
        "\n"
        "Exit status: 0 when any line was replayed, 1 when none was or the log cannot be read,\n"
        "2 wrong command line.",
        "レビューの記録をスケジューラで再生します。\n"
        "\n"
        "コマンド:\n"
        "  schedule replay 記録   「問題,日時,評価」の各行を再生し、問題の新しい予定を\n"
        "                         「問題,状態,安定度,難易度,期日」の形で表示します\n"
        "\n"
        "問題はコンマを含まない任意の文字列で、新しい問題から行の順に再生します。日時は時差\n"
        "付きの ISO 8601 (2025-04-01T09:30:00Z) か 1970 年からのミリ秒、評価は 1 (もう一度)、\n"
        "2 (難しい)、3 (正解)、4 (簡単) です。状態は new、learning、review、relearning、\n"
        "安定度は日数、難易度は 1 から 10、期日は UTC です。誤った行は飛ばして標準エラーに\n"
        "示します。\n"
        "\n"
        "終了コード: 0 どれかの行を再生した、1 再生できた行がないか記録を読めない、\n"
        "2 コマンドラインの誤り。");
}

struct Options
{
    QCommandLineOption noFuzz;
    QCommandLineOption retention;
    QCommandLineOption maximumInterval;
    QCommandLineOption parameters;
    QCommandLineOption help;
    QCommandLineOption version;
};

Options makeOptions(Language language)
{
    return {
        {"no-fuzz", wording(language, "Schedule exact intervals, without their spread.",
                            "間隔をばらつかせず、計算どおりに予定します。")},
        {"retention",
         wording(language, "The chance of recall to aim for, 0.70 to 0.97 (default 0.9).",
                 "目標の正答率。0.70 から 0.97 (既定は 0.9)。"),
         "R"},
        {"maximum-interval",
         wording(language, "The longest interval in days, 1 to 36500 (default 365).",
                 "最大間隔 (日)。1 から 36500 (既定は 365)。"),
         "days"},
        {"parameters",
         wording(language, "The model's 21 parameters w0 to w20, separated by commas or spaces.",
                 "モデルの 21 個のパラメータ w0 から w20。コンマか空白で区切ります。"),
         "w0,…,w20"},
        {{"h", "help"}, wording(language, "Show this help.", "このヘルプを表示します。")},
        {{"v", "version"}, wording(language, "Show the version.", "バージョンを表示します。")},
    };
}

CommandLineOutcome usageError(const QString& message, Language language)
{
    const QString hint = wording(language, "Try \"tazune-data schedule --help\".",
                                 "使い方は「tazune-data schedule --help」で表示されます。");
    return {std::nullopt, message + '\n' + hint + '\n', ExitUsage, std::nullopt, std::nullopt};
}

std::optional<QString> positionalProblem(const QStringList& positional, Language language)
{
    if (subcommandNamed(ScheduleGroup, positional.value(1)) != Subcommand::ScheduleReplay)
        return wording(language, "Name a schedule command: replay.",
                       "schedule のコマンド (replay) を指定してください。");
    if (positional.size() != 3)
        return wording(language, "schedule replay takes one review log.",
                       "schedule replay にはレビューの記録を 1 つ指定してください。");
    return std::nullopt;
}

// A refused value named as the user typed it, which need not be a number.
QString asTyped(ParameterProblem problem, const QString& typed, Language language)
{
    problem.text = typed.toStdString();
    return ScheduleMessages::describe(problem, language);
}

// The parameters the options give, or why they are refused.
std::optional<QString> readParameters(const QCommandLineParser& parser, const Options& options,
                                      Language language, SchedulerParameters& parameters)
{
    parameters.fuzz = !parser.isSet(options.noFuzz);
    if (parser.isSet(options.parameters)) {
        const WeightsParse parsed = parseWeights(parser.value(options.parameters).toStdString());
        if (parsed.problem)
            return ScheduleMessages::describe(*parsed.problem, language);
        parameters.weights = *parsed.weights;
    }
    if (parser.isSet(options.retention)) {
        const QString typed = parser.value(options.retention);
        bool ok = false;
        parameters.retention = typed.toDouble(&ok);
        if (auto problem = checkRetention(ok ? parameters.retention : -1.0))
            return asTyped(*problem, typed, language);
    }
    if (parser.isSet(options.maximumInterval)) {
        const QString typed = parser.value(options.maximumInterval);
        bool ok = false;
        parameters.maximumIntervalDays = typed.toInt(&ok);
        if (auto problem = checkMaximumInterval(ok ? parameters.maximumIntervalDays : 0))
            return asTyped(*problem, typed, language);
    }
    return std::nullopt;
}

} // namespace

bool isScheduleCommandLine(const QStringList& arguments)
{
    return namesGroup(arguments, ScheduleGroup);
}

CommandLineOutcome parseScheduleCommandLine(const QStringList& arguments, Language language)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(description(language));
    const Options options = makeOptions(language);
    parser.addOptions({options.noFuzz, options.retention, options.maximumInterval,
                       options.parameters, options.help, options.version});
    parser.addPositionalArgument("schedule",
                                 wording(language, "The word schedule.", "schedule と書きます。"));
    parser.addPositionalArgument("command", wording(language, "replay.", "replay。"));
    parser.addPositionalArgument(
        "log", wording(language, "The review log to replay.", "再生するレビューの記録。"));
    if (!parser.parse(arguments))
        return usageError(parser.errorText(), language);
    if (parser.isSet(options.help))
        return {std::nullopt, parser.helpText(), ExitDone, std::nullopt, std::nullopt};
    if (parser.isSet(options.version))
        return {std::nullopt,
                QCoreApplication::applicationName() + ' ' + QCoreApplication::applicationVersion() +
                    '\n',
                ExitDone, std::nullopt, std::nullopt};
    const QStringList positional = parser.positionalArguments();
    if (const std::optional<QString> problem = positionalProblem(positional, language))
        return usageError(*problem, language);
    ScheduleRequest request{positional[2], {}};
    if (const std::optional<QString> problem =
            readParameters(parser, options, language, request.parameters))
        return usageError(*problem, language);
    return {std::nullopt, {}, ExitDone, std::nullopt, request};
}
