#include "record/RecordMessages.h"

QString RecordMessages::unsaved(const QString& reason, const QString& path)
{
    return QStringLiteral("学習記録を保存できませんでした: %1\n記録: %2\n"
                          "答えはこのまま保たれ、保存できるようになりしだい記録されます。")
        .arg(reason, path);
}

QString RecordMessages::damaged(const QString& path, const RecordRescue& rescue)
{
    return QStringLiteral(
               "学習記録が壊れていたので、新しい記録を始めました: %1\n"
               "読めた答え %2 件を新しい記録に移しました。読めなかった答えは %3 件です。\n"
               "壊れた記録は %4 に残してあります。")
        .arg(path)
        .arg(rescue.answersSaved)
        .arg(rescue.answersLost)
        .arg(rescue.movedTo);
}

QString RecordMessages::quitWhileWaiting(qsizetype answers)
{
    return QStringLiteral("学習記録に保存できていない答えが %1 件あります。\n"
                          "OK でもう一度保存を試します。キャンセルで保存せずに終わります。")
        .arg(answers);
}
