#include "datatool/CommandLine.h"

#include "datatool/AssignmentCommandLine.h"
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

QString description(Language language)
{
    const QString text = wording(
        language,
        "Moves Tazune question files to and from spreadsheet tables, and checks a question file.\n"
        "\n"
        "Commands:\n"
        "  import TABLE -o FILE.DAT    make a question file from a table or a deck\n"
        "  export FILE.DAT [-o TABLE]  write a question file as a table (to standard output\n"
        "                              without -o)\n"
        "  check FILE.DAT              read a question file as Tazune does, count its pairs per\n"
        "                              level and warn about empty answers, repeated questions,\n"
        "                              questions that differ only by trailing spaces and answers\n"
        "                              that write a character with a second CP932 code\n"
        "  results export | merge      the games Tazune recorded as a CSV table, and a class\n"
        "                              table merged from several (tazune-data results --help)\n"
        "  schedule replay LOG         a review log replayed through the review scheduler;\n"
        "  schedule export-log | reschedule\n"
        "                              the record's review log for the memory model's\n"
        "                              optimizer, and its schedules made again with other\n"
        "                              settings (tazune-data schedule --help)\n"
        "  assignment new QUESTIONFILE -o FILE\n"
        "                              an assignment for a class: the same questions in the\n"
        "                              same order for every pupil, and the folder their games\n"
        "                              are handed in to (tazune-data assignment --help)\n"
        "\n"
        "A table has one row per pair: level, question, answer. The level is 1, 2 or 3, or\n"
        "%1; rows keep their order within each level. Fields are separated by tabs\n"
        "(TSV, every field taken as it stands) or, with --csv, by commas with RFC 4180 quotes,\n"
        "so that a field can hold commas, quotes and line breaks; a CSV text a spreadsheet would\n"
        "run as a formula (= + - @ first) is written after an apostrophe, which import takes off.\n"
        "Lines end in LF or CRLF; blank\n"
        "lines are skipped. There is no header row unless export is given --header; import skips\n"
        "a first row whose level reads \"level\" or \"レベル\".\n"
        "Import takes a table as UTF-8 (with or without byte order mark) when it is valid UTF-8,\n"
        "as CP932 otherwise; export writes UTF-8. --encoding sets either; a table named cp932\n"
        "goes into the question file byte for byte.\n"
        "An existing output file is replaced only with --force; a command that fails writes\n"
        "nothing.\n"
        "\n"
        "Import also reads the decks of other flash-card programs (--from, detected from the\n"
        "file where it can): anki, a text export with its header lines (HTML made plain text,\n"
        "sound references dropped, furigana 漢字[かんじ] read as 漢字 with the reading as a\n"
        "field \"<field> (読み)\"); apkg, a package (.apkg, .colpkg); kvtml, a KWordQuiz or\n"
        "Parley vocabulary file (a pronunciation becomes a reading field); quizlet, a copied\n"
        "list of term, tab, definition per line. --question and --answer name the fields (by\n"
        "name or number from 1; the first two by default); --level-by deck (or lesson) or tag\n"
        "gives the decks or tags in their order %1 (a deck or tag named after a\n"
        "level keeps it), or a level takes every pair. Notes without a CP932 form, with an\n"
        "empty question or answer, or repeating a question of their level are left out and\n"
        "listed. export --to anki writes a text file the other program imports.\n"
        "\n"
        "Exit status: 0 done, 1 bad input or failure, 2 wrong command line.",
        "Tazune の問題ファイルと表計算ソフトの表を相互に変換し、問題ファイルを検査します。\n"
        "\n"
        "コマンド:\n"
        "  import 表 -o FILE.DAT         表かデッキから問題ファイルを作ります\n"
        "  export FILE.DAT [-o 表]       問題ファイルを表に書き出します (-o がなければ標準出力)\n"
        "  check FILE.DAT                問題ファイルを Tazune と同じように読み、レベルごとの\n"
        "                                問題数を表示し、空の答え、同じ問題の重複、末尾の空白\n"
        "                                だけが違う問題、CP932 の別の符号で書かれた文字のある\n"
        "                                答えを警告します\n"
        "  results export | merge        Tazune が記録したゲームを CSV の表に書き出し、何人かの\n"
        "                                表をクラスの表にまとめます (tazune-data results --help)\n"
        "  schedule replay 記録          レビューの記録をスケジューラで再生します。\n"
        "  schedule export-log | reschedule\n"
        "                                学習記録の復習の記録を記憶モデルの最適化ツール向けに\n"
        "                                書き出し、別の設定で予定を作り直します\n"
        "                                (tazune-data schedule --help)\n"
        "  assignment new 問題ファイル -o FILE\n"
        "                                クラスの課題を作ります。どの生徒にも同じ順で同じ問題が\n"
        "                                出て、ゲームは決めたフォルダーに提出されます\n"
        "                                (tazune-data assignment --help)\n"
        "\n"
        "表は 1 行に 1 問で、レベル、問題、答えの順に並べます。レベルは 1、2、3 または\n"
        "%1です。各レベルの中で行の順番は保たれます。区切りはタブ (TSV、各\n"
        "フィールドをそのまま使います) か、--csv を付けたときはカンマです。CSV は RFC 4180 の\n"
        "引用符に従い、フィールドにカンマ、引用符、改行を入れられます。表計算ソフトが数式として\n"
        "実行する CSV の文字列 (= + - @ で始まるもの) は前にアポストロフィを付けて書き、import\n"
        "で取り除きます。行末は LF か CRLF で、\n"
        "空の行は読み飛ばします。見出し行は export に --header を付けたときだけ書きます。\n"
        "import "
        "は、最初の行のレベルが「level」か「レベル」ならその行を見出しとして読み飛ばします。\n"
        "import は表が正しい UTF-8 (BOM の有無は問いません) なら UTF-8、そうでなければ CP932\n"
        "として読みます。export は UTF-8 で書きます。--encoding でどちらも指定できます。\n"
        "cp932 を指定した表はバイトのまま問題ファイルに入ります。\n"
        "書き込み先のファイルがすでにあるときは --force を付けたときだけ置き換えます。失敗した\n"
        "コマンドは何も書き込みません。\n"
        "\n"
        "import はほかの単語カードソフトのデッキも読みます (--from。ファイルから分かるときは\n"
        "自動で判別します): anki はヘッダー行付きのテキスト書き出し (HTML は文字だけにし、\n"
        "音声の参照は除き、ふりがな 漢字[かんじ] は 漢字 とし、読みを「<フィールド> (読み)」\n"
        "という別のフィールドにします)、apkg はパッケージ (.apkg、.colpkg)、kvtml は\n"
        "KWordQuiz や Parley の単語帳ファイル (発音は読みのフィールドになります)、quizlet は\n"
        "1 行に用語、タブ、定義を並べてコピーした一覧です。--question と --answer で問題と\n"
        "答えのフィールドを名前か 1 からの番号で指定します (既定は最初の 2 つ)。\n"
        "--level-by deck (lesson も可) か tag で、デッキかタグを現れた順に%1に\n"
        "振り分けます (レベルと同じ名前のデッキやタグはそのレベルになります)。レベルを指定\n"
        "すると全部をそのレベルに入れます。CP932 にない文字を含むもの、問題か答えが空の\n"
        "もの、同じレベルに同じ問題があるものは取り込まず、一覧にします。\n"
        "export --to anki はそのソフトが取り込めるテキストファイルを書き出します。\n"
        "\n"
        "終了コード: 0 成功、1 入力の誤りまたは失敗、2 コマンドラインの誤り。");
    return text.arg(LevelNames::all(wording(language, ", ", "、")));
}

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
    const bool table = !fromDeck && !toAnki;
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
        {&options.to, command == Command::Export}};
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
    parser.setApplicationDescription(description(language));
    const Options options = makeOptions(language);
    parser.addOptions({options.output, options.csv, options.encoding, options.header, options.force,
                       options.from, options.question, options.answer, options.levelBy,
                       options.keepLineBreaks, options.termSeparator, options.cardSeparator,
                       options.to, options.help, options.version});
    parser.addPositionalArgument("command", wording(language, "import, export or check.",
                                                    "import、export、check のどれか。"));
    parser.addPositionalArgument(
        "file", wording(language, "The table on import, the question file otherwise.",
                        "import では表、それ以外では問題ファイル。"));
    if (!parser.parse(arguments))
        return usageError(parser.errorText(), QStringLiteral("tazune-data"), language);
    if (parser.isSet(options.help))
        return {std::nullopt, parser.helpText(), ExitDone,
                std::nullopt, std::nullopt,      std::nullopt};
    if (parser.isSet(options.version))
        return {std::nullopt,
                QCoreApplication::applicationName() + ' ' + QCoreApplication::applicationVersion() +
                    '\n',
                ExitDone,
                std::nullopt,
                std::nullopt,
                std::nullopt};
    if (const std::optional<QString> problem = usageProblem(parser, options, language))
        return usageError(*problem, QStringLiteral("tazune-data"), language);
    return {requestFrom(parser, options), {}, ExitDone, std::nullopt, std::nullopt, std::nullopt};
}

CommandLineOutcome usageError(const QString& message, const QString& command, Language language)
{
    const QString hint =
        wording(language, "Try \"%1 --help\".", "使い方は「%1 --help」で表示されます。")
            .arg(command);
    return {std::nullopt, message + '\n' + hint + '\n', ExitUsage, std::nullopt, std::nullopt,
            std::nullopt};
}
