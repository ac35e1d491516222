#include "datatool/ReadingsCommandLine.h"

#include "datatool/Subcommands.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace {

QString description(Language language)
{
    return wording(
        language,
        "Proposes readings for the pairs of a question file.\n"
        "\n"
        "Commands:\n"
        "  readings propose FILE [--check-only]\n"
        "                         a line per pair: level, question, answer, reading and\n"
        "                         要確認 where the reading should be checked\n"
        "\n"
        "The reading belongs to the question when it has kanji, else to the answer when that\n"
        "has kanji, else to the question. It comes from the dictionary when it has the word,\n"
        "else from the morphological analyser, with numbers and counters read from a table of\n"
        "their own; a second analyser gives a second opinion. 要確認 marks a reading the two\n"
        "analysers disagree on, a word with several readings, and a word nobody knows (its\n"
        "reading is then empty). The lines are TSV in UTF-8; a tab or line break inside a text\n"
        "is written as a space. A summary goes to standard error. The analysers and the\n"
        "dictionary come from the packages mecab-ipadic-utf8, kakasi-dic and edict.\n"
        "\n"
        "Exit status: 0 done, 1 a file or a package missing, 2 wrong command line.",
        "問題ファイルの各問題に読みを提案します。\n"
        "\n"
        "コマンド:\n"
        "  readings propose ファイル [--check-only]\n"
        "                         問題ごとに 1 行: レベル、問題、答え、読み、確認が必要なら\n"
        "                         要確認\n"
        "\n"
        "読みは、問題に漢字があれば問題の、なければ答えに漢字があれば答えの、どちらにもなければ\n"
        "問題の読みです。辞書にある語は辞書から、ない語は形態素解析から読み、数と助数詞は専用の\n"
        "表で読みます。もう 1 つの解析器の読みと比べます。2 つの解析器の読みが違うとき、読みが\n"
        "いくつもあるとき、どれも知らない語 (読みは空) のときに 要確認 を付けます。行は UTF-8 の\n"
        "TSV で、文字列の中のタブと改行は空白で書きます。集計は標準エラーに出します。解析器と\n"
        "辞書はパッケージ mecab-ipadic-utf8、kakasi-dic、edict のものを使います。\n"
        "\n"
        "終了コード: 0 成功、1 ファイルかパッケージがない、2 コマンドラインの誤り。");
}

struct Options
{
    QCommandLineOption checkOnly;
    QCommandLineOption help;
    QCommandLineOption version;
};

Options makeOptions(Language language)
{
    return {
        {"check-only", wording(language, "Print only the pairs whose reading should be checked.",
                               "確認が必要な問題だけを表示します。")},
        {{"h", "help"}, wording(language, "Show this help.", "このヘルプを表示します。")},
        {{"v", "version"}, wording(language, "Show the version.", "バージョンを表示します。")},
    };
}

std::optional<QString> positionalProblem(const QStringList& positional, Language language)
{
    if (subcommandNamed(ReadingsGroup, positional.value(1)) != Subcommand::ReadingsPropose)
        return wording(language, "Name a readings command: propose.",
                       "readings のコマンド (propose) を指定してください。");
    if (positional.size() != 3)
        return wording(language, "readings propose needs one question file.",
                       "readings propose には問題ファイルを 1 つ指定してください。");
    return std::nullopt;
}

} // namespace

bool isReadingsCommandLine(const QStringList& arguments)
{
    return namesGroup(arguments, ReadingsGroup);
}

CommandLineOutcome parseReadingsCommandLine(const QStringList& arguments, Language language)
{
    const QString command = QStringLiteral("tazune-data readings");
    QCommandLineParser parser;
    parser.setApplicationDescription(description(language));
    const Options options = makeOptions(language);
    parser.addOptions({options.checkOnly, options.help, options.version});
    parser.addPositionalArgument("readings",
                                 wording(language, "The word readings.", "readings と書きます。"));
    parser.addPositionalArgument("command", wording(language, "propose.", "propose。"));
    parser.addPositionalArgument("file", wording(language, "The question file.", "問題ファイル。"));
    if (!parser.parse(arguments))
        return usageError(parser.errorText(), command, language);
    if (std::optional<CommandLineOutcome> answer =
            helpOrVersion(parser, options.help, options.version))
        return *answer;
    const QStringList positional = parser.positionalArguments();
    if (const std::optional<QString> problem = positionalProblem(positional, language))
        return usageError(*problem, command, language);
    CommandLineOutcome outcome;
    outcome.readings = ReadingsRequest{positional[2], parser.isSet(options.checkOnly)};
    return outcome;
}
