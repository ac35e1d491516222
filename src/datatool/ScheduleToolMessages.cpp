#include "datatool/ScheduleToolMessages.h"

namespace ScheduleToolMessages {

QString reviewsWritten(qsizetype reviews, Language language)
{
    return wording(language, "written: %1 reviews", "書き込みました: レビュー %1 件").arg(reviews);
}

QString notRescheduled(const RecordFailure& failure, Language language)
{
    if (failure.kind == RecordFailure::Kind::Busy)
        return wording(language,
                       "the record is being written by Tazune just now; nothing was changed. "
                       "Try again in a moment, or after closing Tazune.",
                       "Tazune が記録に書き込んでいるところです。何も変更していません。"
                       "少し待つか、Tazune を終了してからもう一度実行してください。");
    const QString notChanged =
        wording(language, "the schedules could not be rewritten; nothing was changed",
                "予定を書き換えられませんでした。何も変更していません");
    return failure.reason.isEmpty() ? notChanged + wording(language, ".", "。")
                                    : notChanged + QStringLiteral(" (%1)").arg(failure.reason) +
                                          wording(language, ".", "。");
}

QString rescheduled(qint64 scheduled, qint64 due, Language language)
{
    return wording(language, "rescheduled: %1 pairs have a schedule, %2 due now.",
                   "予定を計算し直しました: 予定のある問題 %1 問、今が期日の問題 %2 問。")
        .arg(scheduled)
        .arg(due);
}

} // namespace ScheduleToolMessages
