#include "schedule/ScheduleMessages.h"

namespace ScheduleMessages {

namespace {

QString number(double value)
{
    return QString::number(value, 'g', 6);
}

QString text(const std::string& value)
{
    return QString::fromStdString(value);
}

} // namespace

QString describe(const ParameterProblem& problem, Language language)
{
    using Kind = ParameterProblem::Kind;
    const QString lower = number(problem.bounds.lower);
    const QString upper = number(problem.bounds.upper);
    switch (problem.kind) {
    case Kind::WeightCount:
        return wording(language, "%1 parameters given where w0 to w20 need %2.",
                       "パラメータが %1 個あります。w0 から w20 までの %2 個が必要です。")
            .arg(problem.count)
            .arg(WeightCount);
    case Kind::NotANumber:
        return wording(language, "w%1: \"%2\" is not a number.", "w%1: 「%2」は数ではありません。")
            .arg(problem.index)
            .arg(text(problem.text));
    case Kind::WeightOutOfRange:
        return wording(language, "w%1 is %2; it must lie between %3 and %4.",
                       "w%1 が %2 です。%3 から %4 の範囲で指定してください。")
            .arg(problem.index)
            .arg(text(problem.text), lower, upper);
    case Kind::RetentionOutOfRange:
        return wording(language, "The retention is %1; it must lie between %2 and %3.",
                       "目標の正答率が %1 です。%2 から %3 の範囲で指定してください。")
            .arg(text(problem.text), lower, upper);
    case Kind::MaximumIntervalOutOfRange:
        return wording(language, "The maximum interval is %1 days; it must lie between %2 and %3.",
                       "最大間隔が %1 日です。%2 から %3 日の範囲で指定してください。")
            .arg(text(problem.text), lower, upper);
    }
    return {};
}

QString describe(const ReplayProblem& problem, Language language)
{
    using Kind = ReplayProblem::Kind;
    switch (problem.kind) {
    case Kind::FieldCount:
        return wording(language, "line %1: %2 fields where pair, time and grade are expected.",
                       "%1 行目: フィールドが %2 個あります。問題、日時、評価の 3 個が必要です。")
            .arg(problem.line)
            .arg(text(problem.text));
    case Kind::BadTime:
        return wording(language,
                       "line %1: \"%2\" is neither an ISO 8601 time with its offset nor "
                       "milliseconds since 1970.",
                       "%1 行目: 「%2」は時差付きの ISO 8601 の日時でも 1970 年からのミリ秒でも"
                       "ありません。")
            .arg(problem.line)
            .arg(text(problem.text));
    case Kind::BadGrade:
        return wording(language, "line %1: the grade \"%2\" is not 1, 2, 3 or 4.",
                       "%1 行目: 評価「%2」は 1、2、3、4 のどれでもありません。")
            .arg(problem.line)
            .arg(text(problem.text));
    }
    return {};
}

QString linesSkipped(std::size_t replayed, std::size_t skipped, Language language)
{
    return wording(language, "%1 lines replayed, %2 skipped.",
                   "%1 行を再生し、%2 行を飛ばしました。")
        .arg(replayed)
        .arg(skipped);
}

QString nothingReplayed(Language language)
{
    return wording(language, "no review could be replayed.",
                   "再生できるレビューがありませんでした。");
}

} // namespace ScheduleMessages
