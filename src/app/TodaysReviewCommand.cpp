#include "app/TodaysReviewCommand.h"

#include "platform/MessageBox.h"
#include "settings/TFrmReviewSetting.h"
#include "widgets/HelpKeys.h"

#include <QAction>
#include <QLocale>
#include <QMenu>

namespace {

QString whenText(const QDateTime& due)
{
    return QLocale(QLocale::Japanese).toString(due.toLocalTime(), QStringLiteral("M月d日 H:mm"));
}

} // namespace

TodaysReviewCommand::TodaysReviewCommand(DrillSession& session, MessageBox& messages,
                                         HelpViewer& help)
    : session(session), messages(messages), help(help)
{}

void TodaysReviewCommand::showIn(QAction& menuItem, QMenu& menu,
                                 std::function<GameSettings()> current)
{
    item = &menuItem;
    settings = std::move(current);
    connect(&menu, &QMenu::aboutToShow, this, &TodaysReviewCommand::refreshCaption);
    connect(item, &QAction::triggered, this, &TodaysReviewCommand::start);
}

void TodaysReviewCommand::showSettingsIn(QAction& settingsItem, QWidget& owner)
{
    window = &owner;
    connect(&settingsItem, &QAction::triggered, this, &TodaysReviewCommand::editSettings);
}

void TodaysReviewCommand::useStored(const ReviewSettings& stored)
{
    review = stored;
    useScheduler();
}

void TodaysReviewCommand::editSettings()
{
    if (!settingsDialog) {
        settingsDialog = new TFrmReviewSetting(messages, window);
        HelpKeys::installOnDialog(settingsDialog, help);
    }
    settingsDialog->setValues(review);
    if (settingsDialog->exec() != QDialog::Accepted)
        return;
    const bool scheduleChanged = settingsDialog->values().schedulesDifferFrom(review);
    review = settingsDialog->values();
    if (scheduleChanged) {
        useScheduler();
        session.recorder().reschedule();
    }
}

void TodaysReviewCommand::useScheduler()
{
    session.useScheduler(Scheduler(review.schedulerParameters()));
}

void TodaysReviewCommand::start()
{
    const DrillSession::StartOutcome outcome =
        session.startTodaysReview(settings(), review.newPairsPerDay);
    if (outcome == DrillSession::StartOutcome::EmptyLevel)
        messages.tell(nothingToPlay(session.due()));
    else if (outcome == DrillSession::StartOutcome::Started)
        emit started();
}

void TodaysReviewCommand::refreshCaption()
{
    if (item)
        item->setText(caption(session.due()));
}

QString TodaysReviewCommand::caption(const DueSummary& due)
{
    if (due.due > 0 || !due.nextDue)
        return QStringLiteral("今日の復習(&T)  %1").arg(due.due);
    return QStringLiteral("今日の復習(&T)  0（次は %1）").arg(whenText(*due.nextDue));
}

QString TodaysReviewCommand::nothingToPlay(const DueSummary& due)
{
    if (!due.nextDue)
        return QStringLiteral("復習する問題はまだありません。ゲームで問題に答えると、"
                              "問題ごとに復習の予定ができます。");
    return QStringLiteral("いま復習する問題はありません。次の復習は %1 からです。")
        .arg(whenText(*due.nextDue));
}
