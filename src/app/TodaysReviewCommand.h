#pragma once

#include "session/DrillSession.h"
#include "settings/ReviewSettings.h"

#include <QObject>

#include <functional>

class HelpViewer;
class MessageBox;
class QAction;
class QMenu;
class TFrmReviewSetting;

// 今日の復習 in the ﾚﾍﾞﾙ menu: each time the menu opens, its caption counts the pairs due now, or
// says when the next one comes due; chosen, it starts the game or says why there is none. It
// keeps the review's settings, which 復習の設定 changes: the scheduler they give orders the game
// and schedules the answers in the record.
class TodaysReviewCommand : public QObject
{
    Q_OBJECT

public:
    TodaysReviewCommand(DrillSession& session, MessageBox& messages, HelpViewer& help);
    // The menu item whose caption counts the pairs due whenever its menu opens, and which starts
    // the game with the settings as they are when it is chosen.
    void showIn(QAction& item, QMenu& menu, std::function<GameSettings()> settings);
    // The menu item that opens the review's settings over the window.
    void showSettingsIn(QAction& settingsItem, QWidget& window);

    // The settings as stored: the schedules in the record were worked out with them.
    void useStored(const ReviewSettings& stored);
    const ReviewSettings& reviewSettings() const { return review; }
    // Opens 復習の設定; settings changed there are used at once, and a changed scheduler works
    // the record's schedules out again, without the window waiting for it.
    void editSettings();

    // Starts the game, or tells why there is none.
    void start();
    void refreshCaption();

    // The caption for the pairs due, as the menu shows it.
    static QString caption(const DueSummary& due);
    // What the learner is told when there is nothing to play.
    static QString nothingToPlay(const DueSummary& due);

signals:
    void started();

private:
    void useScheduler();

    QAction* item = nullptr;
    std::function<GameSettings()> settings;
    DrillSession& session;
    MessageBox& messages;
    HelpViewer& help;
    ReviewSettings review;
    QWidget* window = nullptr;
    // Made the first time it is opened.
    TFrmReviewSetting* settingsDialog = nullptr;
};
