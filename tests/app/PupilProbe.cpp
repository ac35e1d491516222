// One pupil's PC in the two-process assignment test:
//
//   PupilProbe ASSIGNMENT 組,番号,名前 WAITING_FOLDER SCRAMBLE
//
// builds the real main window offscreen over test doubles, opens the assignment through ﾛｰﾄﾞ,
// plays one game to its end by typing each answer, and prints each question as it was shown, one
// a line. SCRAMBLE sets the window's own random source apart from the other pupil's, so only the
// assignment's seed can make the two agree.

#include "MainWindowFixture.h"
#include "ModalCloser.h"
#include "classroom/Pupil.h"
#include "widgets/RubyPanel.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include <cstdio>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    const auto pupil =
        args.size() == 5 ? PupilText::parse(args[2]) : Fallible<Pupil, QString>::failed({});
    if (!pupil) {
        std::fputs("usage: PupilProbe ASSIGNMENT 組,番号,名前 WAITING_FOLDER SCRAMBLE\n", stderr);
        return 2;
    }
    MainWindowFixture f;
    f.settings.values = {{"PupilClass", pupil->classGroup},
                         {"PupilNumber", pupil->number},
                         {"PupilName", pupil->name}};
    for (int k = 0; k < 50; ++k)
        f.random.values << args[4].toInt() * 7 + k * 3;
    f.show();
    TFrmMain& window = *f.window;
    window.classroom().useWaitingFolder(args[3]);
    f.fileDialog.answers << args[1];
    window.MenuLoad->trigger();
    window.MenuStart->trigger();
    if (window.drill().state() != DrillState::Running) {
        std::fputs("the game did not start\n", stderr);
        return 3;
    }
    ModalCloser closer;
    while (window.drill().state() == DrillState::Running) {
        window.Timer1Timer();
        std::printf("%s\n", window.Panel1->text().toUtf8().constData());
        QTest::keyClicks(window.Edit1, window.Panel1->text().toLower());
    }
    if (!QTest::qWaitFor([&closer] { return !closer.captions.isEmpty(); }))
        return 4;
    return f.messageBox.messages.isEmpty() ? 0 : 5;
}
