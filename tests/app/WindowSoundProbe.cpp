// Plays one drill event in a real main window with the real wave player, for the end-to-end
// sound test:
//
//   WindowSoundProbe correct|timeout CORRECT_SOUND TIME_OUT_SOUND
//
// "correct" types the answer of the first question, "timeout" lets it run out. The window keeps
// running for a second and a half so the sound can be heard, then closes. The process fails when
// the window showed a message, since a sound must never cause one.

#include "MainWindowFixture.h"
#include "platform/ExitPolicy.h"
#include "platform/QtWavePlayer.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include <cstdio>

namespace {

constexpr int HearingTimeMs = 1500;

void playEvent(TFrmMain& window, const QString& mode)
{
    window.MenuStartClick();
    window.Timer1Timer();
    if (mode == QLatin1String("correct")) {
        QTest::keyClicks(window.Edit1, QStringLiteral("yama"));
        return;
    }
    for (int tick = 0; tick < 100; ++tick)
        window.Timer1Timer();
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    if (args.size() != 4) {
        std::fputs("usage: WindowSoundProbe correct|timeout CORRECT_SOUND TIME_OUT_SOUND\n",
                   stderr);
        return 2;
    }
    // The player outlives the window that plays through it.
    QtWavePlayer player(QStringLiteral(TAZUNE_WAVE_OUTPUT_MODULE_FILE),
                        ExitPolicy::endProcessBeforeLibraryCleanUp);
    player.connectToServer();
    MainWindowFixture f;
    f.settings.values = {{"SE1", args[2]}, {"SE3", args[3]}};
    f.create(nullptr, &player);
    TFrmMain& window = *f.window;
    window.show();
    window.FormShow(f.questionFile("PROBE.DAT", {{"yama"}}));
    playEvent(window, args[1]);
    QTimer::singleShot(HearingTimeMs, &window, &QWidget::close);
    app.exec();
    std::printf("messages %d\n", int(f.messageBox.messages.size()));
    return f.messageBox.messages.isEmpty() ? 0 : 3;
}
