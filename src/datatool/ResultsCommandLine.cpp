#include "datatool/ResultsCommandLine.h"

#include "datatool/Subcommands.h"
#include "questions/LevelNames.h"
#include "questions/QuestionBank.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <initializer_list>

namespace {

QString description(Language language)
{
    return wording(
        language,
        "Writes the games recorded by Tazune as a CSV table, and merges the tables of several\n"
        "learners into one class table.\n"
        "\n"
        "Commands:\n"
        "  results export [-o ME.CSV]             the record's finished games, one line each\n"
        "                                         (to standard output without -o)\n"
        "  results merge A.CSV B.CSV… [-o CLASS.CSV] [--missed MISSED.CSV]\n"
        "      [--pdf CLASS.PDF]                  one line per learner, file and level, the\n"
        "                                         pairs most missed across the class, and\n"
        "                                         the class report on A4 pages\n"
        "\n"
        "export reads the record read only, also while Tazune runs. The learner's name is\n"
        "--name, or else the one Tazune asked for and stored. Tables are UTF-8 with a byte\n"
        "order mark (spreadsheets need it), or CP932 with --encoding cp932; merge reads both.\n"
        "The class table gives each learner's games (review games apart), the first and last\n"
        "day, and the mean correct rate and average correct time over the first and over the\n"
        "latest 10 games with their change. A game found in two tables counts once.\n"
        "--pdf writes the same as a class report on A4 pages: a block per learner, file and\n"
        "level, and the 20 pairs most missed; it needs no display. A malformed table is\n"
        "named with its line, and then nothing is written.\n"
        "An existing output file is replaced only with --force.\n"
        "\n"
        "Exit status: 0 done, 1 bad input or failure, 2 wrong command line.",
        "Tazune が記録したゲームを CSV の表に書き出し、何人かの学習者の表を 1 つのクラスの表に\n"
        "まとめます。\n"
        "\n"
        "コマンド:\n"
        "  results export [-o ME.CSV]             記録にある終わったゲームを 1 行ずつ書き出し\n"
        "                                         ます (-o がなければ標準出力)\n"
        "  results merge A.CSV B.CSV… [-o CLASS.CSV] [--missed MISSED.CSV]\n"
        "      [--pdf CLASS.PDF]                  学習者、ファイル、レベルごとに 1 行の表と、\n"
        "                                         クラス全体でよく時間切れになった問題の表と、\n"
        "                                         A4 のクラスの成績表\n"
        "\n"
        "export は記録を読むだけなので、Tazune の実行中でも使えます。学習者の名前は --name、\n"
        "なければ Tazune で入力して保存された名前です。表は BOM 付きの UTF-8 (表計算ソフトが\n"
        "文字コードを見分けるのに必要です) か、--encoding cp932 なら CP932 で書きます。merge は\n"
        "どちらも読みます。クラスの表には、学習者ごとのゲーム数 (復習は別に数えます)、最初と\n"
        "最後の日時、最初の 10 回と最近の 10 回の正解率と平均正解時間の平均、その変化が入り\n"
        "ます。2 つの表にある同じゲームは 1 回と数えます。--pdf では同じ内容を A4 のクラスの\n"
        "成績表にします (学習者、ファイル、レベルごとの欄と、よく時間切れになった 20 問。\n"
        "画面は要りません)。形式の誤った表があれば、その行を示して何も書き込みません。\n"
        "書き込み先のファイルがすでにあるときは --force を付けたときだけ置き換えます。\n"
        "\n"
        "終了コード: 0 成功、1 入力の誤りまたは失敗、2 コマンドラインの誤り。");
}

struct Options
{
    QCommandLineOption output;
    QCommandLineOption missed;
    QCommandLineOption pdf;
    QCommandLineOption encoding;
    QCommandLineOption force;
    QCommandLineOption file;
    QCommandLineOption level;
    QCommandLineOption name;
    QCommandLineOption record;
    QCommandLineOption help;
    QCommandLineOption version;
};

Options makeOptions(Language language)
{
    return {
        {{"o", "output"},
         wording(language, "Write the table to <file> (the class table on merge).",
                 "表を <file> に書き込みます (merge ではクラスの表)。"),
         "file"},
        {"missed",
         wording(language, "On merge, write the most missed pairs to <file>.",
                 "merge で、よく時間切れになった問題の表を <file> に書き込みます。"),
         "file"},
        {"pdf",
         wording(language, "On merge, write the class report as a PDF to <file>.",
                 "merge で、クラスの成績表を PDF で <file> に書き込みます。"),
         "file"},
        {"encoding",
         wording(language, "The tables' encoding: utf-8 (the default) or cp932.",
                 "書き込む表の文字コード。utf-8 (既定) か cp932。"),
         "name"},
        {"force", wording(language, "Replace existing output files.",
                          "書き込み先のファイルがすでにあれば置き換えます。")},
        {"file",
         wording(language, "On export, only the games of the question file at <path>.",
                 "export で、<path> の問題ファイルのゲームだけを書き出します。"),
         "path"},
        {"level",
         wording(language, "On export, only the games of a level: 1, 2, 3 or its name.",
                 "export で、あるレベルのゲームだけを書き出します。1、2、3 かレベルの名前。"),
         "level"},
        {"name",
         wording(language, "On export, the learner's name (else the one Tazune stored).",
                 "export で、学習者の名前 (なければ Tazune に保存された名前)。"),
         "name"},
        {"record",
         wording(language, "On export, the record file to read (else Tazune's own).",
                 "export で、読む記録ファイル (なければ Tazune の記録)。"),
         "path"},
        {{"h", "help"}, wording(language, "Show this help.", "このヘルプを表示します。")},
        {{"v", "version"}, wording(language, "Show the version.", "バージョンを表示します。")},
    };
}

std::optional<CsvText::Encoding> encodingNamed(const QString& name)
{
    const QString lower = name.toLower();
    if (lower == QLatin1String("utf-8") || lower == QLatin1String("utf8"))
        return CsvText::Encoding::Utf8;
    if (lower == QLatin1String("cp932") || lower == QLatin1String("shift_jis") ||
        lower == QLatin1String("sjis"))
        return CsvText::Encoding::Cp932;
    return std::nullopt;
}

std::optional<int> levelNamed(const QString& name)
{
    for (int level = 0; level < QuestionBank::LevelCount; ++level) {
        if (name == QString::number(level + 1) || name == LevelNames::name(level))
            return level;
    }
    return std::nullopt;
}

std::optional<QString> misplacedOption(const QCommandLineParser& parser, const Options& options,
                                       bool exporting)
{
    const std::initializer_list<std::pair<const QCommandLineOption*, bool>> applies{
        {&options.missed, !exporting}, {&options.pdf, !exporting}, {&options.file, exporting},
        {&options.level, exporting},   {&options.name, exporting}, {&options.record, exporting}};
    for (const auto& [option, applicable] : applies) {
        if (!applicable && parser.isSet(*option))
            return "--" + option->names().constLast();
    }
    return std::nullopt;
}

std::optional<QString> usageProblem(const QCommandLineParser& parser, const Options& options,
                                    Language language)
{
    const QStringList positional = parser.positionalArguments();
    const QString action = positional.value(1);
    const std::optional<Subcommand> subcommand = subcommandNamed(ResultsGroup, action);
    if (!subcommand)
        return wording(language, "Name a results command: export or merge.",
                       "results のコマンド (export か merge) を指定してください。");
    const bool exporting = subcommand == Subcommand::ResultsExport;
    if (exporting && positional.size() > 2)
        return wording(language, "results export takes no file; the table goes to -o.",
                       "results export にファイルは指定できません。書き込み先は -o です。");
    if (!exporting && positional.size() < 3)
        return wording(language, "results merge needs the tables to merge.",
                       "results merge にはまとめる表を指定してください。");
    if (const std::optional<QString> option = misplacedOption(parser, options, exporting))
        return wording(language, "%1 does not apply to results %2.",
                       "%1 は results %2 には使えません。")
            .arg(*option, action);
    if (parser.isSet(options.encoding) && !encodingNamed(parser.value(options.encoding)))
        return wording(language, "There is no encoding \"%1\"; use utf-8 or cp932.",
                       "「%1」という文字コードはありません。utf-8 か cp932 を指定してください。")
            .arg(parser.value(options.encoding));
    if (parser.isSet(options.level) && !levelNamed(parser.value(options.level)))
        return wording(language, "There is no level \"%1\"; use 1, 2, 3, %2.",
                       "「%1」というレベルはありません。1、2、3、%2のどれかを指定してください。")
            .arg(parser.value(options.level), LevelNames::all(wording(language, ", ", "、")));
    return std::nullopt;
}

std::optional<QString> valueIfSet(const QCommandLineParser& parser,
                                  const QCommandLineOption& option)
{
    return parser.isSet(option) ? std::optional(parser.value(option)) : std::nullopt;
}

ResultsRequest requestFrom(const QCommandLineParser& parser, const Options& options)
{
    const QStringList positional = parser.positionalArguments();
    ResultsRequest request;
    request.action = subcommandNamed(ResultsGroup, positional[1]) == Subcommand::ResultsExport
                         ? ResultsRequest::Action::Export
                         : ResultsRequest::Action::Merge;
    request.inputs = positional.mid(2);
    request.output = parser.value(options.output);
    request.missed = parser.value(options.missed);
    request.pdf = parser.value(options.pdf);
    request.encoding =
        encodingNamed(parser.value(options.encoding)).value_or(CsvText::Encoding::Utf8);
    request.force = parser.isSet(options.force);
    request.file = valueIfSet(parser, options.file);
    request.level = levelNamed(parser.value(options.level));
    request.name = valueIfSet(parser, options.name);
    request.record = parser.value(options.record);
    return request;
}

} // namespace

bool asksForClassReport(const QStringList& arguments)
{
    if (!isResultsCommandLine(arguments))
        return false;
    for (const QString& argument : arguments.mid(1)) {
        if (argument == QLatin1String("--"))
            return false;
        if (argument == QLatin1String("--pdf") || argument.startsWith(QLatin1String("--pdf=")))
            return true;
    }
    return false;
}

bool isResultsCommandLine(const QStringList& arguments)
{
    return namesGroup(arguments, ResultsGroup);
}

CommandLineOutcome parseResultsCommandLine(const QStringList& arguments, Language language)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(description(language));
    const Options options = makeOptions(language);
    parser.addOptions({options.output, options.missed, options.pdf, options.encoding, options.force,
                       options.file, options.level, options.name, options.record, options.help,
                       options.version});
    parser.addPositionalArgument("results",
                                 wording(language, "The word results.", "results と書きます。"));
    parser.addPositionalArgument("command",
                                 wording(language, "export or merge.", "export か merge。"));
    parser.addPositionalArgument(
        "tables", wording(language, "On merge, the tables to merge.", "merge でまとめる表。"),
        wording(language, "[tables…]", "[表…]"));
    if (!parser.parse(arguments))
        return usageError(parser.errorText(), QStringLiteral("tazune-data results"), language);
    if (std::optional<CommandLineOutcome> answer =
            helpOrVersion(parser, options.help, options.version))
        return *answer;
    if (const std::optional<QString> problem = usageProblem(parser, options, language))
        return usageError(*problem, QStringLiteral("tazune-data results"), language);
    CommandLineOutcome outcome;
    outcome.results = requestFrom(parser, options);
    return outcome;
}
