#include "datatool/CommandLine.h"

#include "datatool/AssignmentCommandLine.h"
#include "datatool/CommandLineHelp.h"
#include "datatool/ReadingsCommandLine.h"
#include "datatool/ResultsCommandLine.h"
#include "datatool/ScheduleCommandLine.h"
#include "datatool/Subcommands.h"
#include "import/QuizletReader.h"
#include "questions/LevelNames.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <initializer_list>

namespace {

struct Options
{
    QCommandLineOption output;
    QCommandLineOption csv;
    QCommandLineOption encoding;
    QCommandLineOption header;
    QCommandLineOption force;
    QCommandLineOption from;
    QCommandLineOption question;
    QCommandLineOption answer;
    QCommandLineOption levelBy;
    QCommandLineOption keepLineBreaks;
    QCommandLineOption termSeparator;
    QCommandLineOption cardSeparator;
    QCommandLineOption to;
    QCommandLineOption level;
    QCommandLineOption furigana;
    QCommandLineOption count;
    QCommandLineOption seed;
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
        {"from",
         wording(language, "On import, what the file is: table, anki, apkg, kvtml or quizlet.",
                 "import で、ファイルの種類。table、anki、apkg、kvtml、quizlet のどれか。"),
         "source"},
        {"question",
         wording(language, "On import from a deck, the field shown as the question.",
                 "デッキからの import で、問題にするフィールド。"),
         "field"},
        {"answer",
         wording(language, "On import from a deck, the field typed as the answer.",
                 "デッキからの import で、答えにするフィールド。"),
         "field"},
        {"level-by",
         wording(language, "On import from a deck: deck, lesson, tag, or a level (1, 2, 3).",
                 "デッキからの import で、レベルの決め方。deck、lesson、tag かレベル (1、2、3)。"),
         "rule"},
        {"keep-line-breaks",
         wording(language, "On import from a deck, keep line breaks in fields (else spaces).",
                 "デッキからの import で、フィールドの改行を残します (既定は空白にします)。")},
        {"term-separator",
         wording(language,
                 "On import from quizlet, what stands between term and definition "
                 "(\\t for a tab, the default).",
                 "quizlet からの import で、用語と定義の区切り (\\t はタブ。既定)。"),
         "text"},
        {"card-separator",
         wording(language,
                 "On import from quizlet, what stands between cards (\\n for a line "
                 "break, the default).",
                 "quizlet からの import で、カードの区切り (\\n は改行。既定)。"),
         "text"},
        {"to",
         wording(language, "On export, what to write: table or anki.",
                 "export で、書き出す形式。table か anki。"),
         "format"},
        {"level",
         wording(language, "On worksheet, the level: 1, 2, 3 or its name.",
                 "worksheet で、レベル。1、2、3 かその名前。"),
         "level"},
        {"furigana",
         wording(language, "On worksheet, readings over the questions: none or always.",
                 "worksheet で、問題のふりがな。none か always。"),
         "choice"},
        {"count",
         wording(language, "On worksheet, draw this many questions at random.",
                 "worksheet で、無作為に選ぶ問題の数。"),
         "n"},
        {"seed",
         wording(language, "On worksheet, the seed of the draw, to draw the same questions again.",
                 "worksheet で、同じ問題を選び直すための乱数の種。"),
         "k"},
        {{"h", "help"}, wording(language, "Show this help.", "このヘルプを表示します。")},
        {{"v", "version"}, wording(language, "Show the version.", "バージョンを表示します。")},
    };
}

// The commands outside any group; the results group has a parser of its own.
std::optional<Command> commandNamed(const QString& name)
{
    const std::optional<Subcommand> subcommand = subcommandNamed({}, name);
    if (subcommand == Subcommand::Import)
        return Command::Import;
    if (subcommand == Subcommand::Export)
        return Command::Export;
    if (subcommand == Subcommand::Check)
        return Command::Check;
    if (subcommand == Subcommand::Worksheet)
        return Command::Worksheet;
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

std::optional<ImportSource> sourceNamed(const QString& name)
{
    const QString lower = name.toLower();
    if (lower == QLatin1String("table"))
        return ImportSource::Table;
    if (lower == QLatin1String("anki"))
        return ImportSource::AnkiText;
    if (lower == QLatin1String("apkg") || lower == QLatin1String("colpkg"))
        return ImportSource::AnkiPackage;
    if (lower == QLatin1String("kvtml"))
        return ImportSource::Kvtml;
    if (lower == QLatin1String("quizlet"))
        return ImportSource::Quizlet;
    return std::nullopt;
}

std::optional<ExportFormat> exportFormatNamed(const QString& name)
{
    const QString lower = name.toLower();
    if (lower == QLatin1String("table"))
        return ExportFormat::Table;
    if (lower == QLatin1String("anki"))
        return ExportFormat::AnkiText;
    return std::nullopt;
}

std::optional<int> worksheetLevelNamed(const QString& name)
{
    for (int level = 0; level < QuestionBank::LevelCount; ++level) {
        if (name == QString::number(level + 1) || name == LevelNames::name(level))
            return level;
    }
    return std::nullopt;
}

std::optional<WorksheetFurigana> furiganaNamed(const QString& name)
{
    const QString lower = name.toLower();
    if (lower == QLatin1String("none"))
        return WorksheetFurigana::None;
    if (lower == QLatin1String("always"))
        return WorksheetFurigana::Always;
    return std::nullopt;
}

bool isLevelRule(const QString& rule)
{
    static const QStringList rules{"deck",
                                   "lesson",
                                   "tag",
                                   "1",
                                   "2",
                                   "3",
                                   LevelNames::name(0),
                                   LevelNames::name(1),
                                   LevelNames::name(2)};
    return rules.contains(rule.toLower());
}

// The first option given that the command has no use for, if any.
std::optional<QString> misplacedOption(const QCommandLineParser& parser, const Options& options,
                                       Command command)
{
    const bool writes = command != Command::Check;
    const std::optional<ImportSource> source = sourceNamed(parser.value(options.from));
    const bool fromDeck =
        command == Command::Import && parser.isSet(options.from) && source != ImportSource::Table;
    const bool toAnki = command == Command::Export &&
                        exportFormatNamed(parser.value(options.to)) == ExportFormat::AnkiText;
    const bool table = !fromDeck && !toAnki && command != Command::Worksheet;
    const std::initializer_list<std::pair<const QCommandLineOption*, bool>> applies{
        {&options.output, writes},
        {&options.csv, writes && table},
        {&options.encoding, writes && table},
        {&options.force, writes},
        {&options.header, command == Command::Export && table},
        {&options.from, command == Command::Import},
        {&options.question, command == Command::Import && source != ImportSource::Table},
        {&options.answer, command == Command::Import && source != ImportSource::Table},
        {&options.levelBy, command == Command::Import && source != ImportSource::Table},
        {&options.keepLineBreaks, command == Command::Import && source != ImportSource::Table},
        {&options.termSeparator, command == Command::Import && source == ImportSource::Quizlet},
        {&options.cardSeparator, command == Command::Import && source == ImportSource::Quizlet},
        {&options.to, command == Command::Export},
        {&options.level, command == Command::Worksheet},
        {&options.furigana, command == Command::Worksheet},
        {&options.count, command == Command::Worksheet},
        {&options.seed, command == Command::Worksheet}};
    for (const auto& [option, applicable] : applies) {
        if (!applicable && parser.isSet(*option))
            return "--" + option->names().constLast();
    }
    return std::nullopt;
}

std::optional<QString> worksheetProblem(const QCommandLineParser& parser, const Options& options,
                                        Command command, Language language)
{
    if (command != Command::Worksheet)
        return std::nullopt;
    if (!parser.isSet(options.output))
        return wording(language, "worksheet needs the PDF file to write: -o FILE.pdf.",
                       "worksheet には書き込む PDF ファイルを -o FILE.pdf で指定してください。");
    if (parser.isSet(options.level) && !worksheetLevelNamed(parser.value(options.level)))
        return wording(language, "There is no level \"%1\"; use 1, 2, 3 or %2.",
                       "「%1」というレベルはありません。1、2、3 か%2を指定してください。")
            .arg(parser.value(options.level), LevelNames::all(wording(language, ", ", "、")));
    if (parser.isSet(options.furigana) && !furiganaNamed(parser.value(options.furigana)))
        return wording(
                   language, "There is no furigana choice \"%1\"; use none or always.",
                   "「%1」というふりがなの指定はありません。none か always を指定してください。")
            .arg(parser.value(options.furigana));
    bool number = false;
    if (parser.isSet(options.count) && (parser.value(options.count).toInt(&number) < 1 || !number))
        return wording(language, "--count takes a number of questions from 1.",
                       "--count には 1 以上の問題数を指定してください。");
    if (parser.isSet(options.seed)) {
        parser.value(options.seed).toUInt(&number);
        if (!number)
            return wording(language, "--seed takes a whole number from 0 to 4294967295.",
                           "--seed には 0 から 4294967295 までの整数を指定してください。");
        if (!parser.isSet(options.count))
            return wording(language, "--seed needs --count: only a draw has a seed.",
                           "--seed は --count といっしょに指定してください。");
    }
    return std::nullopt;
}

// What keeps the parsed command line from being a request, if anything.
std::optional<QString> usageProblem(const QCommandLineParser& parser, const Options& options,
                                    Language language)
{
    const QStringList positional = parser.positionalArguments();
    if (positional.isEmpty())
        return wording(language, "Name a command: import, export, check or worksheet.",
                       "コマンド (import、export、check、worksheet) を指定してください。");
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
    if (const std::optional<QString> problem =
            worksheetProblem(parser, options, *command, language))
        return problem;
    if (parser.isSet(options.from) && !sourceNamed(parser.value(options.from)))
        return wording(language,
                       "There is no source \"%1\"; use table, anki, apkg, kvtml or quizlet.",
                       "「%1」という種類はありません。table、anki、apkg、kvtml、quizlet の"
                       "どれかを指定してください。")
            .arg(parser.value(options.from));
    if (parser.isSet(options.to) && !exportFormatNamed(parser.value(options.to)))
        return wording(language, "There is no format \"%1\"; use table or anki.",
                       "「%1」という形式はありません。table か anki を指定してください。")
            .arg(parser.value(options.to));
    if (parser.isSet(options.levelBy) && !isLevelRule(parser.value(options.levelBy)))
        return wording(language, "There is no level rule \"%1\"; use deck, lesson, tag, 1, 2 or 3.",
                       "「%1」というレベルの決め方はありません。deck、lesson、tag、1、2、3 の"
                       "どれかを指定してください。")
            .arg(parser.value(options.levelBy));
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
    request.from = sourceNamed(parser.value(options.from)).value_or(ImportSource::Detect);
    request.question = parser.value(options.question);
    request.answer = parser.value(options.answer);
    request.levelBy = parser.value(options.levelBy).toLower();
    request.keepLineBreaks = parser.isSet(options.keepLineBreaks);
    request.termSeparator = separatorFromTyped(parser.value(options.termSeparator));
    request.cardSeparator = separatorFromTyped(parser.value(options.cardSeparator));
    request.to = exportFormatNamed(parser.value(options.to)).value_or(ExportFormat::Table);
    request.level = worksheetLevelNamed(parser.value(options.level)).value_or(0);
    request.furigana =
        furiganaNamed(parser.value(options.furigana)).value_or(WorksheetFurigana::None);
    request.count = parser.value(options.count).toInt();
    if (parser.isSet(options.seed))
        request.seed = parser.value(options.seed).toUInt();
    return request;
}

} // namespace

CommandLineOutcome parseCommandLine(const QStringList& arguments, Language language)
{
    if (isResultsCommandLine(arguments))
        return parseResultsCommandLine(arguments, language);
    if (isScheduleCommandLine(arguments))
        return parseScheduleCommandLine(arguments, language);
    if (isReadingsCommandLine(arguments))
        return parseReadingsCommandLine(arguments, language);
    if (isAssignmentCommandLine(arguments))
        return parseAssignmentCommandLine(arguments, language);
    QCommandLineParser parser;
    parser.setApplicationDescription(toolDescription(language));
    const Options options = makeOptions(language);
    parser.addOptions({options.output, options.csv, options.encoding, options.header, options.force,
                       options.from, options.question, options.answer, options.levelBy,
                       options.keepLineBreaks, options.termSeparator, options.cardSeparator,
                       options.to, options.level, options.furigana, options.count, options.seed,
                       options.help, options.version});
    parser.addPositionalArgument("command", wording(language, "import, export, check or worksheet.",
                                                    "import、export、check、worksheet のどれか。"));
    parser.addPositionalArgument(
        "file", wording(language, "The table on import, the question file otherwise.",
                        "import では表、それ以外では問題ファイル。"));
    if (!parser.parse(arguments))
        return usageError(parser.errorText(), QStringLiteral("tazune-data"), language);
    if (std::optional<CommandLineOutcome> answer =
            helpOrVersion(parser, options.help, options.version))
        return *answer;
    if (const std::optional<QString> problem = usageProblem(parser, options, language))
        return usageError(*problem, QStringLiteral("tazune-data"), language);
    CommandLineOutcome outcome;
    outcome.request = requestFrom(parser, options);
    return outcome;
}

bool asksForWorksheet(const QStringList& arguments)
{
    for (const QString& argument : arguments.mid(1)) {
        if (argument == QLatin1String("--"))
            return false;
        if (argument == QLatin1String("worksheet"))
            return true;
    }
    return false;
}
