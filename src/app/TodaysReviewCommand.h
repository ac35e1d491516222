#pragma once

#include "session/DrillSession.h"

#include <QObject>

#include <functional>

class MessageBox;
class QAction;
class QMenu;

// 今日の復習 in the ﾚﾍﾞﾙ menu: each time the menu opens, its caption counts the pairs due now, or
// says when the next one comes due; chosen, it starts the game or says why there is none.
class TodaysReviewCommand : public QObject
{
    Q_OBJECT

public:
    // New pairs a day that today's review brings in beside the due ones.
    static constexpr int NewPairsPerDay = 10;

    TodaysReviewCommand(DrillSession& session, MessageBox& messages);
    // The menu item whose caption counts the pairs due whenever its menu opens, and which starts
    // the game with the settings as they are when it is chosen.
    void showIn(QAction& item, QMenu& menu, std::function<GameSettings()> settings);

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
    QAction* item = nullptr;
    std::function<GameSettings()> settings;
    DrillSession& session;
    MessageBox& messages;
};
