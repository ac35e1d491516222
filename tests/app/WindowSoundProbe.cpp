// Plays one drill event in a real main window with the real wave player, for the end-to-end
// sound test:
//
//   WindowSoundProbe correct|timeout CORRECT_SOUND TIME_OUT_SOUND
//
// "correct" types the answer of the first question, "timeout" lets it run out. The window keeps
// running for a second and a half so the sound can be heard, then closes. The process fails when
// the window showed a message, since a sound must never cause one.

#include "FakeColorDialog.h"
#include "FakeFileDialog.h"
#include "FakeFontDialog.h"
#include "FakeMessageBox.h"
#include "MemoryLearningRecord.h"
#include "MemorySettingsBackend.h"
#include "RecordingHelpViewer.h"
#include "ScriptedRandom.h"
#include "app/TFrmMain.h"
#include "platform/ExitPolicy.h"
#include "platform/QtWavePlayer.h"
#include "questions/QuestionFile.h"

#include <QApplication>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cstdio>

namespace {

constexpr int HearingTimeMs = 1500;

QString writeQuestions(const QTemporaryDir& folder)
{
    QuestionBank bank;
    bank.Add(0, "YAMA", "yama");
    const QString path = folder.filePath("PROBE.DAT");
    QuestionFile::write(path, bank);
    return path;
}

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
    QTemporaryDir folder;
    FakeMessageBox messageBox;
    FakeFileDialog fileDialog;
    FakeColorDialog colorDialog;
    FakeFontDialog fontDialog;
    RecordingHelpViewer helpViewer;
    ScriptedRandom random;
    QtWavePlayer player(ExitPolicy::endProcessBeforeLibraryCleanUp);
    MemorySettingsBackend settings;
    settings.values = {{"SE1", args[2]}, {"SE3", args[3]}};
    MemoryLearningRecord record;
    TFrmMain window({messageBox,
                     fileDialog,
                     colorDialog,
                     fontDialog,
                     helpViewer,
                     random,
                     player,
                     settings,
                     folder.filePath("tazune"),
                     {writeQuestions(folder)},
                     record});
    window.show();
    playEvent(window, args[1]);
    QTimer::singleShot(HearingTimeMs, &window, &QWidget::close);
    app.exec();
    std::printf("messages %d\n", int(messageBox.messages.size()));
    return messageBox.messages.isEmpty() ? 0 : 3;
}
