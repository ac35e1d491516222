#pragma once

#include "session/DrillSession.h"
#include "speech/Speaker.h"
#include "speech/SpeechSettings.h"

#include <QObject>

#include <functional>

class MessageBox;
class QAction;
class QMainWindow;
class QMenu;
class QPushButton;
class SpeechService;
class TodaysReviewCommand;
class WavePlayer;

// 聞き取り: the listening game, from the ﾌｧｲﾙ and ﾚﾍﾞﾙ menus and for 今日の復習, where the answer
// is heard and not seen and the bar starts once it was heard; F3 or the button beside the input
// line speaks it again. With 読み上げ on, every game speaks its questions as they appear. Speech
// that fails is told once a game, and the game goes on in silence.
class ListeningCommand : public QObject, private QuestionVoice
{
    Q_OBJECT

public:
    struct Services
    {
        SpeechService& speech;
        WavePlayer& player;
        MessageBox& messages;
    };

    // What the question line shows in place of a question heard.
    static const QString HiddenQuestion;

    ListeningCommand(DrillSession& session, const Services& services, QObject* parent = nullptr);

    // The menu items, F3 and the button, in the window's menus and beside its input line; the
    // games start with the settings as they are when chosen.
    void showIn(QMainWindow& window, QMenu& fileMenu, QAction& fileItemAfter, QMenu& levelMenu,
                TodaysReviewCommand& today, std::function<GameSettings()> settings);
    void useSettings(const SpeechSettings& chosen);
    const SpeechSettings& speechSettings() const { return current; }
    // What can be done in the session's state.
    // allowed: whether a listening game may start at all.
    void refresh(bool allowed);
    // With 読み上げ on, the time left is spoken at the half and at the last two seconds.
    void barMoved(int position);
    // The question line hides the question while a listening game is played.
    bool hidesQuestion() const;

    QAction* MenuListen = nullptr;
    QAction* MenuListenLevel = nullptr;
    QAction* MenuListenToday = nullptr;
    QAction* againAction = nullptr;
    QPushButton* againButton = nullptr;

signals:
    void started();

private:
    void questionAppeared(const QuestionItem& pair,
                          const std::optional<QuestionItem>& next) override;
    SpeechLine lineOf(const QuestionItem& pair) const;
    void startLevel();
    void startToday();
    void tell(const QString& message);

    DrillSession& session;
    Services services;
    Speaker speaker;
    SpeechSettings current;
    std::function<GameSettings()> settings;
    TodaysReviewCommand* today = nullptr;
    bool wasInGame = false;
    // Why the chosen voice is none, told with the next question spoken.
    QString voiceFault;
};
