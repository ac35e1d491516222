#include "MainWindowFixture.h"
#include "ModalCloser.h"
#include "TestFiles.h"
#include "classroom/AssignmentFile.h"
#include "classroom/HandInReader.h"
#include "classroom/TFrmAssignment.h"
#include "classroom/TFrmPupil.h"
#include "widgets/RubyPanel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QStatusBar>

namespace {

const QStringList HanakoValues{QStringLiteral("3年2組"), QStringLiteral("15"),
                               QStringLiteral("山田 花子")};

QList<HandIn> handInsIn(const QString& folder)
{
    QList<HandIn> read;
    const QDir dir(folder);
    for (const QString& name : dir.entryList({QStringLiteral("*.csv")}, QDir::Files, QDir::Name)) {
        QFile file(dir.filePath(name));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        if (const auto handIn = HandInReader::read(file.readAll()))
            read << *handIn;
    }
    return read;
}

// Japanese text comes through the input method, as a pupil types it.
void commit(QWidget* edit, const QString& text)
{
    edit->setFocus();
    QInputMethodEvent event;
    event.setCommitString(text);
    QApplication::sendEvent(edit, &event);
}

} // namespace

class ClassroomWindowTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<MainWindowFixture> f;
    QString handInFolder;

    TFrmMain& window() { return *f->window; }

    // An assignment beside its question file, handing in to the folder "in" there.
    QString assignmentFile(AssignmentMode mode, bool romaji = false, QList<int> levels = {0, 1})
    {
        f->questionFile("kanji.DAT", {{"yama", "kawa", "sora"}, {"umi"}, {}});
        Assignment assignment;
        assignment.title = QStringLiteral("漢字");
        assignment.questionFile = QStringLiteral("kanji.DAT");
        assignment.levels = levels;
        assignment.questionsPerGame = 3;
        assignment.seed = 99;
        assignment.mode = mode;
        assignment.romajiInput = romaji;
        assignment.furigana = Furigana::Always;
        assignment.handInFolder = QStringLiteral("in");
        const QString path = f->folder.filePath("kanji.kadai");
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(AssignmentFile::write(assignment)) < 0)
            return {};
        return path;
    }

    void showWithPupil(bool knownPupil = true, bool folderReachable = true)
    {
        if (knownPupil)
            f->settings.values = {{"PupilClass", HanakoValues[0]},
                                  {"PupilNumber", HanakoValues[1]},
                                  {"PupilName", HanakoValues[2]}};
        f->show();
        handInFolder = f->folder.filePath("in");
        if (folderReachable)
            QVERIFY(QDir().mkpath(handInFolder));
        window().classroom().useWaitingFolder(f->folder.filePath("waiting"));
    }

    void open(const QString& path)
    {
        f->fileDialog.answers << path;
        window().MenuLoad->trigger();
    }

    // The question on the screen is its answer in upper case.
    void answerShown()
    {
        window().Timer1Timer();
        QTest::keyClicks(window().Edit1, window().Panel1->text().toLower());
    }

    void playGame()
    {
        // Started from the menu: once a dialog has closed, the window takes keys only after it is
        // active again.
        window().MenuStart->trigger();
        QCOMPARE(window().drill().state(), DrillState::Running);
        finishGame();
    }

    void finishGame()
    {
        ModalCloser closer;
        for (int k = 0; k < 3; ++k)
            answerShown();
        QCOMPARE(window().drill().state(), DrillState::Ready);
        QTRY_COMPARE(closer.captions, QStringList{QStringLiteral("成績発表")});
    }

    QList<bool> lockedItems()
    {
        return {
            window().MenuLv[0]->isEnabled(),     window().MenuLv[1]->isEnabled(),
            window().MenuSetting->isEnabled(),   window().MenuRomaji->isEnabled(),
            window().MenuByReading->isEnabled(), window().MenuFurigana->menuAction()->isEnabled(),
            window().MenuNote->isEnabled()};
    }

private slots:
    void init() { f = std::make_unique<MainWindowFixture>(); }
    void cleanup() { f.reset(); }

    void anOpenAssignmentLocksItsChoicesUntilItCloses()
    {
        showWithPupil();
        const QString path = assignmentFile(AssignmentMode::Practice, true);
        open(path);
        QVERIFY(f->messageBox.messages.isEmpty());
        QCOMPARE(window().windowTitle(),
                 QStringLiteral("Tazune　－　課題「漢字」（練習・初級・中級・3問・20秒）"));
        QCOMPARE(lockedItems(), QList<bool>(7, false));
        QVERIFY(window().MenuRomaji->isChecked());
        QVERIFY(window().MenuFuriganaMode[1]->isChecked());
        QVERIFY(window().MenuAssignmentClose->isEnabled());
        QCOMPARE(window().recentFiles().entry(0), path);

        window().MenuAssignmentClose->trigger();
        QCOMPARE(lockedItems(), QList<bool>(7, true));
        QVERIFY(!window().MenuRomaji->isChecked());
        QVERIFY(window().MenuFuriganaMode[0]->isChecked());
        QVERIFY(!window().MenuAssignmentClose->isEnabled());
        QVERIFY(!window().windowTitle().contains(QStringLiteral("課題")));

        // Opened again from the recent files, and closed by opening a question file.
        window().MenuHist[0]->trigger();
        QCOMPARE(lockedItems(), QList<bool>(7, false));
        open(f->folder.filePath("kanji.DAT"));
        QCOMPARE(lockedItems(), QList<bool>(7, true));
        QVERIFY(!window().MenuRomaji->isChecked());
    }

    // Files that are not there change nothing; a damaged question file has emptied the questions,
    // and the assignment they were goes with them.
    void anAssignmentStaysOpenUntilOtherQuestionsAreLoaded()
    {
        showWithPupil();
        open(assignmentFile(AssignmentMode::Practice));
        const QString caption = window().windowTitle();
        Assignment orphan;
        orphan.questionFile = QStringLiteral("gone.DAT");
        const QString orphanPath = f->folder.filePath("orphan.kadai");
        QVERIFY(TestFiles::writeBytes(orphanPath, AssignmentFile::write(orphan)));

        for (const QString& missing : {f->folder.filePath("gone.DAT"), orphanPath}) {
            open(missing);
            QCOMPARE(f->messageBox.messages.size(), 1);
            f->messageBox.messages.clear();
            QCOMPARE(window().windowTitle(), caption);
            QVERIFY(window().classroom().isOpen());
            QCOMPARE(window().questionBank().list(0).size(), 3);
        }

        QVERIFY(TestFiles::writeBytes(f->folder.filePath("damaged.DAT"), "damaged"));
        open(f->folder.filePath("damaged.DAT"));
        QCOMPARE(f->messageBox.messages.size(), 1);
        QVERIFY(!window().classroom().isOpen());
        QVERIFY(!window().windowTitle().contains(QStringLiteral("課題")));
    }

    void theFirstGameAsksThePupilOnceAndEveryGameIsHandedIn()
    {
        showWithPupil(false);
        open(assignmentFile(AssignmentMode::Practice));
        QTimer::singleShot(0, this, [] {
            auto* dialog = qobject_cast<TFrmPupil*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            QVERIFY(!dialog->buttons->button(QDialogButtonBox::Ok)->isEnabled());
            dialog->reject();
        });
        QTest::keyClick(&window(), Qt::Key_F2);
        QCOMPARE(window().drill().state(), DrillState::Ready);

        QTimer::singleShot(0, this, [] {
            auto* dialog = qobject_cast<TFrmPupil*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            commit(dialog->classEdit, HanakoValues[0]);
            QTest::keyClicks(dialog->numberEdit, HanakoValues[1]);
            commit(dialog->nameEdit, HanakoValues[2]);
            QTest::mouseClick(dialog->buttons->button(QDialogButtonBox::Ok), Qt::LeftButton);
        });
        window().MenuStart->trigger();
        QCOMPARE(window().drill().state(), DrillState::Running);
        finishGame();
        QCOMPARE(f->settings.values.value("PupilName"), QVariant(HanakoValues[2]));
        playGame();

        const QList<HandIn> handedIn = handInsIn(handInFolder);
        QCOMPARE(handedIn.size(), 2);
        for (const HandIn& handIn : handedIn) {
            QCOMPARE((QStringList{handIn.pupil.classGroup, handIn.pupil.number, handIn.pupil.name}),
                     HanakoValues);
            QCOMPARE(handIn.assignmentTitle, QStringLiteral("漢字"));
            QCOMPARE(handIn.game.figures.correctRate, QStringLiteral("100"));
            QCOMPARE(handIn.answers.size(), 3);
        }
        QCOMPARE(handedIn[0].answers, handedIn[1].answers);
    }

    void aTestCannotPauseAndEndingHandsInTheRestAsMissed()
    {
        showWithPupil();
        open(assignmentFile(AssignmentMode::Test));
        QTest::keyClick(&window(), Qt::Key_F2);
        answerShown();
        QVERIFY(!window().MenuStop->isEnabled());
        QTest::keyClick(&window(), Qt::Key_F5);
        QCOMPARE(window().drill().state(), DrillState::Running);

        QTest::keyClick(&window(), Qt::Key_F8);
        QCOMPARE(window().drill().state(), DrillState::Ready);
        const QList<HandIn> handedIn = handInsIn(handInFolder);
        QCOMPARE(handedIn.size(), 1);
        QCOMPARE(handedIn[0].game.inputs.correctCount, 1);
        QCOMPARE(handedIn[0].game.inputs.questionsPerGame, 3);
        QCOMPARE(handedIn[0].game.figures.correctRate, QStringLiteral("33"));
        QCOMPARE(handedIn[0].answers.size(), 2);
    }

    void aHandInThatCannotReachItsFolderWaitsAndIsToldOnce()
    {
        showWithPupil(true, false);
        open(assignmentFile(AssignmentMode::Practice));
        playGame();
        playGame();
        QCOMPARE(f->messageBox.told, QStringList{ClassroomCommand::WaitingMessage});
        auto* panel = window().findChild<QLabel*>(QStringLiteral("waitingPanel"));
        QVERIFY(panel && window().statusBar()->isVisible());
        QCOMPARE(panel->accessibleName(), QStringLiteral("提出待ちの成績 2 件"));

        QVERIFY(QDir().mkpath(handInFolder));
        playGame();
        QCOMPARE(handInsIn(handInFolder).size(), 3);
        QCOMPARE(window().classroom().waitingCount(), 0);
        QVERIFY(!window().statusBar()->isVisible());
        QCOMPARE(f->messageBox.told.size(), 1);
    }

    void aTeacherMakesAnAssignmentThatOpensFromItsOwnFolder()
    {
        showWithPupil();
        const QString questions = f->questionFile("kanji.DAT", {{"yama"}, {"umi"}, {}});
        QVERIFY(QDir().mkpath(f->folder.filePath("class")));
        const QString saved = f->folder.filePath("class/test.kadai");
        f->fileDialog.answers << questions << saved;
        QTimer::singleShot(0, this, [] {
            auto* dialog = qobject_cast<TFrmAssignment*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            QVERIFY(!dialog->seedEdit->text().isEmpty());
            QVERIFY(!dialog->buttons->button(QDialogButtonBox::Ok)->isEnabled());
            QTest::mouseClick(dialog->questionFileButton, Qt::LeftButton);
            dialog->levelChecks[0]->setChecked(false);
            QVERIFY(!dialog->buttons->button(QDialogButtonBox::Ok)->isEnabled());
            dialog->levelChecks[1]->setChecked(true);
            commit(dialog->titleEdit, QStringLiteral("単語テスト"));
            dialog->countSpin->setValue(4);
            dialog->modeCombo->setCurrentIndex(1);
            QTest::keyClicks(dialog->handInEdit, QStringLiteral("in"));
            QTest::mouseClick(dialog->buttons->button(QDialogButtonBox::Ok), Qt::LeftButton);
        });
        window().MenuAssignmentNew->trigger();
        QVERIFY(f->messageBox.messages.isEmpty());

        open(saved);
        QVERIFY(f->messageBox.messages.isEmpty());
        QCOMPARE(window().windowTitle(),
                 QStringLiteral("Tazune　－　課題「単語テスト」（テスト・中級・4問・20秒）"));
        QCOMPARE(window().questionBank().list(1).size(), 1);
        QCOMPARE(window().classroom().assignment()->questionFile, QStringLiteral("../kanji.DAT"));
    }

    void anAssignmentOfEmptyLevelsSaysSoAndPlaysNothing()
    {
        showWithPupil();
        open(assignmentFile(AssignmentMode::Test, false, {2}));
        window().MenuStart->trigger();
        QCOMPARE(window().drill().state(), DrillState::Ready);
        QCOMPARE(f->messageBox.messages, QStringList{ClassroomCommand::EmptyLevelsMessage});
        QVERIFY(handInsIn(handInFolder).isEmpty());
    }

    // Sent by mail, the assignment arrives without the question file it names, but with its copy.
    void anAssignmentCarryingItsQuestionsOpensAlone()
    {
        showWithPupil();
        const QString original = assignmentFile(AssignmentMode::Practice);
        QFile file(original);
        QVERIFY(file.open(QIODevice::ReadOnly));
        Assignment carrying = AssignmentFile::read(file.readAll()).value();
        carrying.embeddedQuestions = TestFiles::readBytes(f->folder.filePath("kanji.DAT"));
        QVERIFY(QFile::remove(f->folder.filePath("kanji.DAT")));
        QVERIFY(QDir().mkpath(f->folder.filePath("mail")));
        const QString mailed = f->folder.filePath("mail/kanji.kadai");
        QVERIFY(TestFiles::writeBytes(mailed, AssignmentFile::write(carrying)));

        open(mailed);
        QVERIFY(f->messageBox.messages.isEmpty());
        QCOMPARE(window().questionBank().list(0).size(), 3);
        window().MenuStart->trigger();
        QCOMPARE(window().drill().state(), DrillState::Running);
    }
};

QTEST_MAIN(ClassroomWindowTest)
#include "ClassroomWindowTest.moc"
