#include "readings/CompanionMessages.h"

#include "questions/LevelNames.h"

namespace CompanionMessages {

namespace {

const QString LineKept = QStringLiteral("この行は読まずに残します。");
const QString FileKept = QStringLiteral("ファイルは書き換えずに残します。");

QString megabytes(const QString& bytes)
{
    return QString::number(bytes.toDouble() / (1024 * 1024), 'g', 3);
}

QString whatOfFile(const CompanionProblem& problem)
{
    using Kind = CompanionProblem::Kind;
    switch (problem.kind) {
    case Kind::CannotOpen:
        return QStringLiteral("開けません (%1)。").arg(problem.detail) + FileKept;
    case Kind::TooLarge:
        return QStringLiteral("問題ファイルに比べて大きすぎる (%1 MB を超えている) ため、"
                              "読み込みませんでした。")
                   .arg(megabytes(problem.detail)) +
               FileKept;
    case Kind::TooManyLines:
        return QStringLiteral("%1 行を超えているため、読み込みませんでした。").arg(problem.detail) +
               FileKept;
    default:
        return {};
    }
}

QString whatOfLine(const CompanionProblem& problem)
{
    using Kind = CompanionProblem::Kind;
    switch (problem.kind) {
    case Kind::NotUtf8:
        return QStringLiteral("UTF-8 のテキストではありません。") + LineKept;
    case Kind::TooFewColumns:
        return QStringLiteral("列が %1 つしかありません (レベル、問題、回答、よみの 4 つが"
                              "必要です)。")
                   .arg(problem.detail) +
               LineKept;
    case Kind::UnknownLevel:
        return QStringLiteral("レベル「%1」は%2のどれでもありません。")
                   .arg(problem.detail, LevelNames::all(QStringLiteral("、"))) +
               LineKept;
    case Kind::BadReading:
        return describe(*problem.fault);
    case Kind::NoPair:
        return QStringLiteral("%1の問題「%2」と回答「%3」の組は問題ファイルにありません。"
                              "この行は消さずに残します。")
            .arg(LevelNames::name(problem.row->level), problem.row->question, problem.row->answer);
    default:
        return {};
    }
}

} // namespace

QString describe(const ReadingFault& fault)
{
    switch (fault.kind) {
    case ReadingFault::Kind::ReadingNotKana:
        return QStringLiteral("よみ「%1」にかなでない文字「%2」があります。よみはひらがなで"
                              "書いてください。")
            .arg(fault.text, fault.character);
    case ReadingFault::Kind::AlternativeNotCp932:
        return QStringLiteral("別解「%1」の「%2」はファイルに保存できない文字のため、答えに"
                              "できません。")
            .arg(fault.text, fault.character);
    }
    return {};
}

QString describe(const CompanionProblem& problem)
{
    if (problem.line == 0)
        return whatOfFile(problem);
    return QStringLiteral("%1 行目: ").arg(problem.line) + whatOfLine(problem);
}

QString summary(const QString& companionPath, const QList<CompanionProblem>& problems)
{
    if (problems.isEmpty())
        return {};
    QStringList lines{QStringLiteral("よみのファイル %1:").arg(companionPath)};
    for (qsizetype i = 0; i < std::min(problems.size(), ListedProblems); ++i)
        lines.append(describe(problems[i]));
    if (problems.size() > ListedProblems)
        lines.append(QStringLiteral("ほか %1 件").arg(problems.size() - ListedProblems));
    return lines.join(QLatin1Char('\n'));
}

QString keptUnchanged(const QString& companionPath)
{
    return QStringLiteral("よみのファイル %1 は読み込めなかったため、書き換えていません。"
                          "入力したよみは保存されていません。")
        .arg(companionPath);
}

} // namespace CompanionMessages
