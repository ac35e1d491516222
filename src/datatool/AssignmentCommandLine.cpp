#include "datatool/AssignmentCommandLine.h"

#include "classroom/AssignmentFile.h"
#include "datatool/Subcommands.h"
#include "questions/LevelNames.h"
#include "questions/QuestionBank.h"

#include <QCommandLineParser>

#include <tuple>
#include <variant>

namespace {

QString description(Language language)
{
    return wording(
        language,
        "Makes an assignment file: one question file, the same questions in the same order for\n"
        "every pupil, and the folder their games are handed in to.\n"
        "\n"
        "Command:\n"
        "  assignment new QUESTIONFILE -o FILE   the assignment, naming the question file by\n"
        "                                        its path from the assignment's folder (or\n"
        "                                        carrying a copy with --embed)\n"
        "\n"
        "Without --seed a new seed is drawn; the same seed gives every pupil the same draw.\n"
        "An existing output file is replaced only with --force.\n"
        "\n"
        "Exit status: 0 done, 1 bad input or failure, 2 wrong command line.",
        "課題ファイルを作ります。1 つの問題ファイルと、どの生徒にも同じ順で出る同じ問題と、\n"
        "ゲームの提出先のフォルダーを決めます。\n"
        "\n"
        "コマンド:\n"
        "  assignment new 問題ファイル -o FILE   課題ファイルを作ります。問題ファイルは課題の\n"
        "                                        フォルダーからの相対パスで記します (--embed なら\n"
        "                                        写しを課題ファイルに入れます)\n"
        "\n"
        "--seed がなければ新しいシードを選びます。同じシードならどの生徒にも同じ問題が出ます。\n"
        "書き込み先のファイルがすでにあるときは --force を付けたときだけ置き換えます。\n"
        "\n"
        "終了コード: 0 成功、1 入力の誤りまたは失敗、2 コマンドラインの誤り。");
}

struct Options
{
    QCommandLineOption output;
    QCommandLineOption level;
    QCommandLineOption count;
    QCommandLineOption seconds;
    QCommandLineOption seed;
    QCommandLineOption mode;
    QCommandLineOption handIn;
    QCommandLineOption title;
    QCommandLineOption furigana;
    QCommandLineOption romaji;
    QCommandLineOption byReading;
    QCommandLineOption embed;
    QCommandLineOption force;
    QCommandLineOption help;
    QCommandLineOption version;
};

Options makeOptions(Language language)
{
    return {
        {{"o", "output"},
         wording(language, "Write the assignment to <file>.", "課題を <file> に書き込みます。"),
         "file"},
        {"level",
         wording(language, "A level to draw from: 1, 2, 3 or its name; may be repeated.",
                 "問題を出すレベル。1、2、3 かレベルの名前。何度でも指定できます。"),
         "level"},
        {"count",
         wording(language, "Questions per game (1 to 999).", "1 ゲームの問題数 (1～999)。"), "n"},
        {"seconds", wording(language, "Seconds per question (1 to 999).", "1 問の秒数 (1～999)。"),
         "s"},
        {"seed",
         wording(language, "The seed of the draw, a whole number from 0.",
                 "問題の順を決めるシード (0 以上の整数)。"),
         "k"},
        {"mode", wording(language, "practice (the default) or test.", "practice (既定) か test。"),
         "mode"},
        {"hand-in",
         wording(language, "The folder the pupils' games are handed in to.",
                 "生徒のゲームの提出先のフォルダー。"),
         "dir"},
        {"title", wording(language, "The assignment's title.", "課題の題名。"), "text"},
        {"furigana",
         wording(language, "Readings over the question: never, always or after-miss.",
                 "問題のふりがな: never、always か after-miss。"),
         "when"},
        {"romaji", wording(language, "Kana answers are typed in romaji.",
                           "かなの答えをローマ字で入力します。")},
        {"by-reading",
         wording(language, "The reading answers too.", "読みでも答えられるようにします。")},
        {"embed", wording(language, "Carry a copy of the question file inside the assignment.",
                          "問題ファイルの写しを課題ファイルに入れます。")},
        {"force", wording(language, "Replace an existing output file.",
                          "書き込み先のファイルがすでにあれば置き換えます。")},
        {{"h", "help"}, wording(language, "Show this help.", "このヘルプを表示します。")},
        {{"v", "version"}, wording(language, "Show the version.", "バージョンを表示します。")},
    };
}

std::optional<int> levelNamed(const QString& name)
{
    for (int level = 0; level < QuestionBank::LevelCount; ++level) {
        if (name == QString::number(level + 1) || name == LevelNames::name(level))
            return level;
    }
    return std::nullopt;
}

std::optional<qint32> numberWithin(const QString& text, qint32 most)
{
    bool ok = false;
    const uint value = text.toUInt(&ok);
    return ok && value >= 1 && value <= uint(most) ? std::optional(qint32(value)) : std::nullopt;
}

std::optional<Furigana> furiganaNamed(const QString& name)
{
    const QStringList names{"never", "always", "after-miss"};
    const qsizetype index = names.indexOf(name);
    return index < 0 ? std::nullopt : std::optional(Furigana(index));
}

std::optional<AssignmentMode> modeNamed(const QString& name)
{
    if (name == u"practice")
        return AssignmentMode::Practice;
    if (name == u"test")
        return AssignmentMode::Test;
    return std::nullopt;
}

// The request, or the problem with the command line.
std::variant<AssignmentRequest, QString> requestFrom(const QCommandLineParser& parser,
                                                     const Options& options, Language language)
{
    const QStringList positional = parser.positionalArguments();
    if (subcommandNamed(AssignmentGroup, positional.value(1)) != Subcommand::AssignmentNew)
        return wording(language, "Name an assignment command: new.",
                       "assignment のコマンド (new) を指定してください。");
    if (positional.size() != 3)
        return wording(language, "assignment new takes one question file.",
                       "assignment new には問題ファイルを 1 つ指定してください。");
    if (!parser.isSet(options.output))
        return wording(language, "assignment new needs -o FILE.",
                       "assignment new には -o FILE が必要です。");
    AssignmentRequest request;
    request.questionFile = positional[2];
    request.output = parser.value(options.output);
    Assignment& assignment = request.assignment;
    const auto refused = [&](const QCommandLineOption& option) {
        return wording(language, "--%1 cannot be \"%2\".", "--%1 に「%2」は指定できません。")
            .arg(option.names().constLast(), parser.value(option));
    };
    if (parser.isSet(options.level)) {
        assignment.levels.clear();
        for (const QString& name : parser.values(options.level)) {
            const std::optional<int> level = levelNamed(name);
            if (!level || assignment.levels.contains(*level))
                return wording(language, "--level cannot be \"%1\".",
                               "--level に「%1」は指定できません。")
                    .arg(name);
            assignment.levels.append(*level);
        }
    }
    const std::tuple<const QCommandLineOption*, qint32*, qint32> numbers[]{
        {&options.count, &assignment.questionsPerGame, AssignmentFile::MostQuestions},
        {&options.seconds, &assignment.secondsPerQuestion, AssignmentFile::MostSeconds}};
    for (const auto& [option, field, most] : numbers) {
        if (!parser.isSet(*option))
            continue;
        const std::optional<qint32> value = numberWithin(parser.value(*option), most);
        if (!value)
            return refused(*option);
        *field = *value;
    }
    if (parser.isSet(options.seed)) {
        bool ok = false;
        request.seed = parser.value(options.seed).toULongLong(&ok);
        if (!ok)
            return refused(options.seed);
    }
    if (parser.isSet(options.mode)) {
        const std::optional<AssignmentMode> mode = modeNamed(parser.value(options.mode));
        if (!mode)
            return refused(options.mode);
        assignment.mode = *mode;
    }
    if (parser.isSet(options.furigana)) {
        const std::optional<Furigana> furigana = furiganaNamed(parser.value(options.furigana));
        if (!furigana)
            return refused(options.furigana);
        assignment.furigana = *furigana;
    }
    for (const QCommandLineOption* text : {&options.title, &options.handIn}) {
        if (parser.value(*text).size() > AssignmentFile::MostTextCharacters)
            return refused(*text);
    }
    assignment.title = parser.value(options.title);
    assignment.handInFolder = parser.value(options.handIn);
    assignment.romajiInput = parser.isSet(options.romaji);
    assignment.answerByReading = parser.isSet(options.byReading);
    request.embed = parser.isSet(options.embed);
    request.force = parser.isSet(options.force);
    return request;
}

} // namespace

bool isAssignmentCommandLine(const QStringList& arguments)
{
    return namesGroup(arguments, AssignmentGroup);
}

CommandLineOutcome parseAssignmentCommandLine(const QStringList& arguments, Language language)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(description(language));
    const Options options = makeOptions(language);
    parser.addOptions({options.output, options.level, options.count, options.seconds, options.seed,
                       options.mode, options.handIn, options.title, options.furigana,
                       options.romaji, options.byReading, options.embed, options.force,
                       options.help, options.version});
    parser.addPositionalArgument(
        "assignment", wording(language, "The word assignment.", "assignment と書きます。"));
    parser.addPositionalArgument("command", wording(language, "new.", "new。"));
    parser.addPositionalArgument("questionfile",
                                 wording(language, "The question file.", "問題ファイル。"),
                                 wording(language, "QUESTIONFILE", "問題ファイル"));
    const QString command = QStringLiteral("tazune-data assignment");
    if (!parser.parse(arguments))
        return usageError(parser.errorText(), command, language);
    if (std::optional<CommandLineOutcome> answer =
            helpOrVersion(parser, options.help, options.version))
        return *std::move(answer);
    auto request = requestFrom(parser, options, language);
    if (const QString* problem = std::get_if<QString>(&request))
        return usageError(*problem, command, language);
    CommandLineOutcome outcome;
    outcome.assignment = std::get<AssignmentRequest>(std::move(request));
    return outcome;
}
