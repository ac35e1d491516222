#include "app/ListeningCommand.h"

#include "app/TodaysReviewCommand.h"
#include "help/HelpRouting.h"
#include "help/HelpTopics.h"
#include "platform/MessageBox.h"
#include "platform/WavePlayer.h"
#include "speech/SpeechService.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QPushButton>
#include <QTimer>

#include <utility>

namespace {

const QString EmptyLevelMessage = QStringLiteral("このレベルには問題が登録されていません");

// The bar's positions at which the time left is spoken, and what is said.
const std::pair<int, SpeechLine> TimeAnnouncements[] = {
    {Drill::BarMaximum / 2, {QStringLiteral("残り半分"), QStringLiteral("のこりはんぶん")}},
    {Drill::BarMaximum - 2000 / Drill::TickMilliseconds,
     {QStringLiteral("あと2秒"), QStringLiteral("あとにびょう")}},
};

} // namespace

const QString ListeningCommand::HiddenQuestion = QStringLiteral("（聞いて入力してください）");

ListeningCommand::ListeningCommand(DrillSession& session, const Services& services, QObject* parent)
    : QObject(parent), session(session), services(services),
      speaker(services.speech, services.player)
{
    session.setVoice(this);
    connect(&speaker, &Speaker::ended, this, [this] { this->session.speechEnded(); });
    connect(&speaker, &Speaker::fault, this, &ListeningCommand::tell);
}

void ListeningCommand::showIn(QMainWindow& window, QMenu& fileMenu, QAction& fileItemAfter,
                              QMenu& levelMenu, TodaysReviewCommand& todaysReview,
                              std::function<GameSettings()> current)
{
    settings = std::move(current);
    today = &todaysReview;
    MenuListen = new QAction(QStringLiteral("聞き取り(&K)"), &window);
    MenuListen->setObjectName(QStringLiteral("MenuListen"));
    fileMenu.insertAction(&fileItemAfter, MenuListen);
    MenuListenLevel = levelMenu.addAction(QStringLiteral("聞き取り(&K)"));
    MenuListenLevel->setObjectName(QStringLiteral("MenuListenLevel"));
    MenuListenToday = levelMenu.addAction(QStringLiteral("今日の復習を聞き取りで(&D)"));
    MenuListenToday->setObjectName(QStringLiteral("MenuListenToday"));
    againAction = new QAction(QStringLiteral("もう一度聞く"), &window);
    againAction->setObjectName(QStringLiteral("againAction"));
    againAction->setShortcut(Qt::Key_F3);
    window.addAction(againAction);

    QWidget* client = window.centralWidget();
    againButton = new QPushButton(QStringLiteral("もう一度聞く (F3)"), client);
    againButton->setObjectName(QStringLiteral("againButton"));
    againButton->setGeometry(88, 96, 140, 25);
    againButton->setFocusPolicy(Qt::NoFocus);
    againButton->hide();

    for (QObject* part :
         {static_cast<QObject*>(MenuListen), static_cast<QObject*>(MenuListenLevel),
          static_cast<QObject*>(MenuListenToday), static_cast<QObject*>(againButton)})
        HelpRouting::setContext(part, HelpTopics::ListeningContext);

    connect(MenuListen, &QAction::triggered, this, &ListeningCommand::startLevel);
    connect(MenuListenLevel, &QAction::triggered, this, &ListeningCommand::startLevel);
    connect(MenuListenToday, &QAction::triggered, this, &ListeningCommand::startToday);
    connect(againAction, &QAction::triggered, &speaker, &Speaker::again);
    connect(againButton, &QPushButton::clicked, &speaker, &Speaker::again);
    refresh(true);
}

void ListeningCommand::useSettings(const SpeechSettings& chosen)
{
    current = chosen;
    session.setReadAloud(chosen.readAloud);
    voiceFault = services.speech.useSettings(chosen.speed, chosen.voice);
}

void ListeningCommand::refresh(bool allowed)
{
    const bool ready = allowed && session.state() == DrillState::Ready;
    for (QAction* item : {MenuListen, MenuListenLevel, MenuListenToday})
        if (item)
            item->setEnabled(ready);
    const bool listening = hidesQuestion();
    if (againAction)
        againAction->setEnabled(listening);
    if (againButton)
        againButton->setVisible(listening);
    // A game that ended or was left says nothing more.
    if (wasInGame && !session.inGame())
        speaker.stop();
    wasInGame = session.inGame();
}

bool ListeningCommand::hidesQuestion() const
{
    return session.inGame() && session.listening();
}

SpeechLine ListeningCommand::lineOf(const QuestionItem& pair) const
{
    return SpokenReading::lineOf(pair,
                                 session.listening() ? SpokenPart::Answer : SpokenPart::Question,
                                 session.readings().readingOf(pair));
}

void ListeningCommand::questionAppeared(const QuestionItem& pair,
                                        const std::optional<QuestionItem>& next)
{
    if (!voiceFault.isEmpty())
        tell(std::exchange(voiceFault, QString()));
    speaker.say(lineOf(pair));
    if (next)
        speaker.prepare(lineOf(*next));
    if (current.readAloud) {
        for (const auto& [position, line] : TimeAnnouncements)
            speaker.prepare(line);
    }
}

void ListeningCommand::barMoved(int position)
{
    if (!current.readAloud || session.state() != DrillState::Running)
        return;
    for (const auto& [at, line] : TimeAnnouncements) {
        if (position == at)
            speaker.announce(line);
    }
}

void ListeningCommand::startLevel()
{
    GameSettings chosen = settings();
    chosen.listening = true;
    if (session.start(chosen) == DrillSession::StartOutcome::EmptyLevel)
        services.messages.showError(EmptyLevelMessage);
    else
        emit started();
}

void ListeningCommand::startToday()
{
    GameSettings chosen = settings();
    chosen.listening = true;
    const DrillSession::StartOutcome outcome =
        session.startTodaysReview(chosen, today->reviewSettings().newPairsPerDay);
    if (outcome == DrillSession::StartOutcome::EmptyLevel)
        services.messages.tell(TodaysReviewCommand::nothingToPlay(session.due()));
    else if (outcome == DrillSession::StartOutcome::Started)
        emit started();
}

// Told from the event loop: the fault arrives inside the game's own handlers.
void ListeningCommand::tell(const QString& message)
{
    QTimer::singleShot(0, this, [this, message] {
        services.messages.tell(
            QStringLiteral("音声で問題を出せません。ゲームは音なしで続きます。\n") + message);
    });
}
