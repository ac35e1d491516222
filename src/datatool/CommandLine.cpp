#include "datatool/CommandLine.h"

#include "questions/LevelNames.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <initializer_list>

namespace {

QString description(Language language)
{
    return wording(
               language,
               "Moves Tazune question files to and from spreadsheet tables, and checks a question "
               "file.\n"
               "\n"
               "Commands:\n"
               "  import TABLE -o FILE.DAT    make a question file from a table\n"
               "  export FILE.DAT [-o TABLE]  write a question file as a table (to standard "
               "output\n"
               "                              without -o)\n"
               "  check FILE.DAT              read a question file as Tazune does, count its pairs "
               "per\n"
               "                              level and warn about empty answers, repeated "
               "questions,\n"
               "                              questions that differ only by trailing spaces and "
               "answers\n"
               "                              that write a character with a second CP932 code\n"
               "\n"
               "A table has one row per pair: level, question, answer. The level is 1, 2 or 3, or\n"
               "%1; rows keep their order within each level. Fields are separated by tabs\n"
               "(TSV, every field taken as it stands) or, with --csv, by commas with RFC 4180 "
               "quotes,\n"
               "so that a field can hold commas, quotes and line breaks. Lines end in LF or CRLF; "
               "blank\n"
               "lines are skipped. There is no header row unless export is given --header; import "
               "skips\n"
               "a first row whose level reads \"level\" or \"レベル\".\n"
               "Import takes a table as UTF-8 (with or without byte order mark) when it is valid "
               "UTF-8,\n"
               "as CP932 otherwise; export writes UTF-8. --encoding sets either; a table named "
               "cp932\n"
               "goes into the question file byte for byte.\n"
               "An existing output file is replaced only with --force; a command that fails "
               "writes\n"
               "nothing.\n"
               "\n"
               "Exit status: 0 done, 1 bad input or failure, 2 wrong command line.",
               "Tazune の問題ファイルと表計算ソフトの表を相互に変換し、問題ファイルを検査します。\n"
               "\n"
               "コマンド:\n"
               "  import 表 -o FILE.DAT         表から問題ファイルを作ります\n"
               "  export FILE.DAT [-o 表]       問題ファイルを表に書き出します (-o "
               "がなければ標準出力)\n"
               "  check FILE.DAT                問題ファイルを Tazune "
               "と同じように読み、レベルごとの\n"
               "                                "
               "問題数を表示し、空の答え、同じ問題の重複、末尾の空白\n"
               "                                だけが違う問題、CP932 "
               "の別の符号で書かれた文字のある\n"
               "                                答えを警告します\n"
               "\n"
               "表は 1 行に 1 問で、レベル、問題、答えの順に並べます。レベルは 1、2、3 または\n"
               "%1です。各レベルの中で行の順番は保たれます。区切りはタブ (TSV、各\n"
               "フィールドをそのまま使います) か、--csv を付けたときはカンマです。CSV は RFC 4180 "
               "の\n"
               "引用符に従い、フィールドにカンマ、引用符、改行を入れられます。行末は LF か CRLF "
               "で、\n"
               "空の行は読み飛ばします。見出し行は export に --header を付けたときだけ書きます。\n"
               "import "
               "は、最初の行のレベルが「level」か「レベル」ならその行を見出しとして読み飛ばします。"
               "\n"
               "import は表が正しい UTF-8 (BOM の有無は問いません) なら UTF-8、そうでなければ "
               "CP932\n"
               "として読みます。export は UTF-8 で書きます。--encoding でどちらも指定できます。\n"
               "cp932 を指定した表はバイトのまま問題ファイルに入ります。\n"
               "書き込み先のファイルがすでにあるときは --force "
               "を付けたときだけ置き換えます。失敗した\n"
               "コマンドは何も書き込みません。\n"
               "\n"
               "終了コード: 0 成功、1 入力の誤りまたは失敗、2 コマンドラインの誤り。")
        .arg(LevelNames::all(wording(language, ", ", "、")));
}

struct Options
{
    QCommandLineOption output;
    QCommandLineOption csv;
    QCommandLineOption encoding;
    QCommandLineOption header;
    QCommandLineOption force;
    QCommandLineOption help;
    QCommandLineOption version;
};

Options makeOptions(Language language)
{
    return {
        {{"o", "output"},
         wording(language, "Write to <file>: the question file on import, the table on export.",
                 "書き込み先の <file>。import では問題ファイル、export では表です。"),
         "file"},
        {"csv", wording(language, "The table is CSV (RFC 4180) instead of TSV.",
                        "表を TSV ではなく CSV (RFC 4180) として扱います。")},
        {"encoding",
         wording(language, "The table's encoding: utf-8 or cp932 (on import also auto).",
                 "表の文字コード。utf-8 か cp932 (import では auto も可)。"),
         "name"},
        {"header",
         wording(language, "On export, start the table with the row level, question, answer.",
                 "export で、表の先頭に見出し行 level、question、answer を書きます。")},
        {"force", wording(language, "Replace an existing output file.",
                          "書き込み先のファイルがすでにあれば置き換えます。")},
        {{"h", "help"}, wording(language, "Show this help.", "このヘルプを表示します。")},
        {{"v", "version"}, wording(language, "Show the version.", "バージョンを表示します。")},
    };
}

CommandLineOutcome usageError(const QString& message, Language language)
{
    const QString hint = wording(language, "Try \"tazune-data --help\".",
                                 "使い方は「tazune-data --help」で表示されます。");
    return {std::nullopt, message + '\n' + hint + '\n', ExitUsage};
}

std::optional<Command> commandNamed(const QString& name)
{
    if (name == QLatin1String("import"))
        return Command::Import;
    if (name == QLatin1String("export"))
        return Command::Export;
    if (name == QLatin1String("check"))
        return Command::Check;
    return std::nullopt;
}

std::optional<TableEncoding> encodingNamed(const QString& name)
{
    const QString lower = name.toLower();
    if (lower == QLatin1String("utf-8") || lower == QLatin1String("utf8"))
        return TableEncoding::Utf8;
    if (lower == QLatin1String("cp932") || lower == QLatin1String("shift_jis") ||
        lower == QLatin1String("sjis"))
        return TableEncoding::Cp932;
    return std::nullopt;
}

// The first option given that the command has no use for, if any.
std::optional<QString> misplacedOption(const QCommandLineParser& parser, const Options& options,
                                       Command command)
{
    const bool writes = command != Command::Check;
    const std::initializer_list<std::pair<const QCommandLineOption*, bool>> applies{
        {&options.output, writes},
        {&options.csv, writes},
        {&options.encoding, writes},
        {&options.force, writes},
        {&options.header, command == Command::Export}};
    for (const auto& [option, applicable] : applies) {
        if (!applicable && parser.isSet(*option))
            return "--" + option->names().constLast();
    }
    return std::nullopt;
}

// What keeps the parsed command line from being a request, if anything.
std::optional<QString> usageProblem(const QCommandLineParser& parser, const Options& options,
                                    Language language)
{
    const QStringList positional = parser.positionalArguments();
    if (positional.isEmpty())
        return wording(language, "Name a command: import, export or check.",
                       "コマンド (import、export、check) を指定してください。");
    const std::optional<Command> command = commandNamed(positional[0]);
    if (!command)
        return wording(language, "There is no command \"%1\".",
                       "「%1」というコマンドはありません。")
            .arg(positional[0]);
    if (positional.size() != 2)
        return wording(language, "%1 takes exactly one file.",
                       "%1 にはファイルを 1 つだけ指定してください。")
            .arg(positional[0]);
    if (const std::optional<QString> option = misplacedOption(parser, options, *command))
        return wording(language, "%1 does not apply to %2.", "%1 は %2 には使えません。")
            .arg(*option, positional[0]);
    if (*command == Command::Import && !parser.isSet(options.output))
        return wording(language, "import needs the question file to write: -o FILE.DAT.",
                       "import には書き込む問題ファイルを -o FILE.DAT で指定してください。");
    const QString encoding = parser.value(options.encoding);
    const bool detect = *command == Command::Import && encoding.toLower() == QLatin1String("auto");
    if (parser.isSet(options.encoding) && !detect && !encodingNamed(encoding))
        return wording(language, "There is no encoding \"%1\"; use utf-8 or cp932.",
                       "「%1」という文字コードはありません。utf-8 か cp932 を指定してください。")
            .arg(encoding);
    return std::nullopt;
}

Request requestFrom(const QCommandLineParser& parser, const Options& options)
{
    const QStringList positional = parser.positionalArguments();
    Request request;
    request.command = commandNamed(positional[0]).value();
    request.input = positional[1];
    request.output = parser.value(options.output);
    request.format = parser.isSet(options.csv) ? TableFormat::Csv : TableFormat::Tsv;
    request.encoding = encodingNamed(parser.value(options.encoding));
    request.header = parser.isSet(options.header);
    request.force = parser.isSet(options.force);
    return request;
}

} // namespace

CommandLineOutcome parseCommandLine(const QStringList& arguments, Language language)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(description(language));
    const Options options = makeOptions(language);
    parser.addOptions({options.output, options.csv, options.encoding, options.header, options.force,
                       options.help, options.version});
    parser.addPositionalArgument("command", wording(language, "import, export or check.",
                                                    "import、export、check のどれか。"));
    parser.addPositionalArgument(
        "file", wording(language, "The table on import, the question file otherwise.",
                        "import では表、それ以外では問題ファイル。"));
    if (!parser.parse(arguments))
        return usageError(parser.errorText(), language);
    if (parser.isSet(options.help))
        return {std::nullopt, parser.helpText(), ExitDone};
    if (parser.isSet(options.version))
        return {std::nullopt,
                QCoreApplication::applicationName() + ' ' + QCoreApplication::applicationVersion() +
                    '\n',
                ExitDone};
    if (const std::optional<QString> problem = usageProblem(parser, options, language))
        return usageError(*problem, language);
    return {requestFrom(parser, options), {}, ExitDone};
}
