#include "datatool/ScheduleCommandLine.h"

#include "datatool/Subcommands.h"
#include "schedule/ScheduleMessages.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <initializer_list>

namespace {

QString description(Language language)
{
    return wording(
        language,
        "Replays review logs through the review scheduler, writes the learner's review log for\n"
        "the memory model's optimizer, and replays the learner's record with other settings.\n"
        "\n"
        "Commands:\n"
        "  schedule replay LOG    each line \"pair,time,grade\" replayed, and the pair's new\n"
        "                         schedule printed: pair,state,stability,difficulty,due\n"
        "  schedule export-log [-o REVLOG.CSV]\n"
        "                         the record's reviews for the optimizer (to standard output\n"
        "                         without -o)\n"
        "  schedule reschedule    every schedule in the record replayed with the settings\n"
        "                         given (or the defaults); the pairs scheduled and due now\n"
        "                         are printed\n"
        "\n"
        "replay: a pair is any text without a comma; its lines are replayed in their order,\n"
        "from a new pair. The time is an ISO 8601 time with its offset (2025-04-01T09:30:00Z)\n"
        "or milliseconds since 1970; the grade is 1 again, 2 hard, 3 good or 4 easy. The state\n"
        "is new, learning, review or relearning; stability is in days, difficulty from 1 to\n"
        "10, the due time in UTC. Faulty lines are skipped and named on standard error.\n"
        "export-log reads the record read only, also while Tazune runs, and writes\n"
        "card_id,review_time,review_rating,review_state,review_duration: a line per graded\n"
        "first showing of a pair in its game, oldest first. card_id is the record's number of\n"
        "the pair, review_time milliseconds since 1970 UTC, review_rating the grade 1 to 4,\n"
        "review_state the pair's state before the review (0 new, 1 learning, 2 review,\n"
        "3 relearning, replayed with the settings given), review_duration the time to the\n"
        "correct answer in ms, the whole time limit for a time-out, or 0 when unknown.\n"
        "An existing output file is replaced only with --force.\n"
        "reschedule writes the record; when Tazune is writing it at that moment, it changes\n"
        "nothing and says so.\n"
        "\n"
        "Exit status: 0 done (replay: any line replayed), 1 nothing replayed, a file or the\n"
        "record that cannot be read or written, 2 wrong command line.",
        "レビューの記録をスケジューラで再生し、学習者のレビューの記録を記憶モデルの\n"
        "最適化ツール向けに書き出し、学習者の記録を別の設定で再生し直します。\n"
        "\n"
        "コマンド:\n"
        "  schedule replay 記録   「問題,日時,評価」の各行を再生し、問題の新しい予定を\n"
        "                         「問題,状態,安定度,難易度,期日」の形で表示します\n"
        "  schedule export-log [-o REVLOG.CSV]\n"
        "                         記録にあるレビューを最適化ツール向けに書き出します\n"
        "                         (-o がなければ標準出力)\n"
        "  schedule reschedule    記録にあるすべての予定を、指定した設定 (なければ既定) で\n"
        "                         再生し直し、予定のある問題と今が期日の問題の数を表示します\n"
        "\n"
        "replay: 問題はコンマを含まない任意の文字列で、新しい問題から行の順に再生します。日時は\n"
        "時差付きの ISO 8601 (2025-04-01T09:30:00Z) か 1970 年からのミリ秒、評価は\n"
        "1 (もう一度)、2 (難しい)、3 (正解)、4 (簡単) です。状態は new、learning、review、\n"
        "relearning、安定度は日数、難易度は 1 から 10、期日は UTC です。誤った行は飛ばして\n"
        "標準エラーに示します。\n"
        "export-log は記録を読むだけなので、Tazune の実行中でも使えます。書き出すのは\n"
        "card_id,review_time,review_rating,review_state,review_duration の表で、ゲームごとに\n"
        "問題を最初に出したときの評価のあるレビューを古い順に 1 行ずつ並べます。card_id は\n"
        "記録での問題の番号、review_time は 1970 年 (UTC) からのミリ秒、review_rating は\n"
        "評価 1 から 4、review_state はレビュー前の問題の状態 (0 新規、1 学習中、2 復習、\n"
        "3 再学習。指定した設定で再生して求めます)、review_duration は正解までのミリ秒、\n"
        "時間切れなら制限時間、分からなければ 0 です。\n"
        "書き込み先のファイルがすでにあるときは --force を付けたときだけ置き換えます。\n"
        "reschedule は記録に書き込みます。そのとき Tazune が記録に書き込んでいれば、何も変更\n"
        "せずにそう表示します。\n"
        "\n"
        "終了コード: 0 成功 (replay はどれかの行を再生した)、1 再生できた行がない、ファイルか\n"
        "記録を読み書きできない、2 コマンドラインの誤り。");
}

struct Options
{
    QCommandLineOption noFuzz;
    QCommandLineOption retention;
    QCommandLineOption maximumInterval;
    QCommandLineOption parameters;
    QCommandLineOption output;
    QCommandLineOption force;
    QCommandLineOption record;
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
        {{"o", "output"},
         wording(language, "On export-log, write the log to <file>.",
                 "export-log で、記録を <file> に書き込みます。"),
         "file"},
        {"force", wording(language, "Replace an existing output file.",
                          "書き込み先のファイルがすでにあれば置き換えます。")},
        {"record",
         wording(language, "On export-log and reschedule, the record file (else Tazune's own).",
                 "export-log と reschedule で、使う記録ファイル (なければ Tazune の記録)。"),
         "path"},
        {{"h", "help"}, wording(language, "Show this help.", "このヘルプを表示します。")},
        {{"v", "version"}, wording(language, "Show the version.", "バージョンを表示します。")},
    };
}

std::optional<QString> positionalProblem(const QStringList& positional, Language language)
{
    const std::optional<Subcommand> subcommand =
        subcommandNamed(ScheduleGroup, positional.value(1));
    if (!subcommand)
        return wording(
            language, "Name a schedule command: replay, export-log or reschedule.",
            "schedule のコマンド (replay、export-log か reschedule) を指定してください。");
    if (subcommand == Subcommand::ScheduleReplay && positional.size() != 3)
        return wording(language, "schedule replay takes one review log.",
                       "schedule replay にはレビューの記録を 1 つ指定してください。");
    if (subcommand != Subcommand::ScheduleReplay && positional.size() != 2)
        return wording(language, "schedule %1 takes no file.",
                       "schedule %1 にファイルは指定できません。")
            .arg(positional[1]);
    return std::nullopt;
}

std::optional<QString> misplacedOption(const QCommandLineParser& parser, const Options& options,
                                       Subcommand subcommand)
{
    const bool exporting = subcommand == Subcommand::ScheduleExportLog;
    const std::initializer_list<std::pair<const QCommandLineOption*, bool>> applies{
        {&options.output, exporting},
        {&options.force, exporting},
        {&options.record, subcommand != Subcommand::ScheduleReplay}};
    for (const auto& [option, applicable] : applies) {
        if (!applicable && parser.isSet(*option))
            return "--" + option->names().constLast();
    }
    return std::nullopt;
}

ScheduleRequest::Action actionOf(Subcommand subcommand)
{
    if (subcommand == Subcommand::ScheduleExportLog)
        return ScheduleRequest::Action::ExportLog;
    if (subcommand == Subcommand::ScheduleReschedule)
        return ScheduleRequest::Action::Reschedule;
    return ScheduleRequest::Action::Replay;
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
                       options.parameters, options.output, options.force, options.record,
                       options.help, options.version});
    parser.addPositionalArgument("schedule",
                                 wording(language, "The word schedule.", "schedule と書きます。"));
    parser.addPositionalArgument("command", wording(language, "replay, export-log or reschedule.",
                                                    "replay、export-log か reschedule。"));
    parser.addPositionalArgument("log",
                                 wording(language, "On replay, the review log to replay.",
                                         "replay で再生するレビューの記録。"),
                                 wording(language, "[log]", "[記録]"));
    if (!parser.parse(arguments))
        return usageError(parser.errorText(), QStringLiteral("tazune-data schedule"), language);
    if (std::optional<CommandLineOutcome> answer =
            helpOrVersion(parser, options.help, options.version))
        return *answer;
    const QStringList positional = parser.positionalArguments();
    if (const std::optional<QString> problem = positionalProblem(positional, language))
        return usageError(*problem, QStringLiteral("tazune-data schedule"), language);
    const Subcommand subcommand = *subcommandNamed(ScheduleGroup, positional[1]);
    if (const std::optional<QString> option = misplacedOption(parser, options, subcommand))
        return usageError(wording(language, "%1 does not apply to schedule %2.",
                                  "%1 は schedule %2 には使えません。")
                              .arg(*option, positional[1]),
                          QStringLiteral("tazune-data schedule"), language);
    ScheduleRequest request;
    request.action = actionOf(subcommand);
    request.log = positional.value(2);
    request.output = parser.value(options.output);
    request.force = parser.isSet(options.force);
    request.record = parser.value(options.record);
    if (const std::optional<QString> problem =
            readParameters(parser, options, language, request.parameters))
        return usageError(*problem, QStringLiteral("tazune-data schedule"), language);
    CommandLineOutcome outcome;
    outcome.schedule = request;
    return outcome;
}
