#include "MainWindowFixture.h"
#include "ScreenReader.h"
#include "TestFiles.h"
#include "questions/TextCodec.h"
#include "readings/ReadingsCompanion.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

// 聞き取り and 読み上げ in the main window, with the speech double answering when told to.
class ListeningWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { f = std::make_unique<MainWindowFixture>(); }
    void cleanup() { f.reset(); }

    void theAnswerIsHeardThenTypedAndF3SpeaksItAgain();
    void speechThatFailsIsToldOnceAndTheGameGoesOnInSilence();
    void readAloudSpeaksTheQuestionsAndTheTimeLeftWithoutHoldingTheBar();
    void aVoiceThatIsNoVoiceIsToldOnceWithTheFirstQuestionSpoken();

private:
    std::unique_ptr<MainWindowFixture> f;

    TFrmMain& window() { return *f->window; }

    // 初級 asks やま for 山 (read やま, confirmed) and かわ for 川.
    QString file()
    {
        QuestionBank bank;
        bank.Add(0, TextCodec::encode(u"やま"_qs).value(), TextCodec::encode(u"山"_qs).value());
        bank.Add(0, TextCodec::encode(u"かわ"_qs).value(), TextCodec::encode(u"川"_qs).value());
        const QString path = f->folder.filePath("KIKU.DAT");
        QuestionFile::write(path, bank);
        TestFiles::writeBytes(ReadingsCompanion::companionPath(path),
                              u"レベル\t問題\t回答\tよみ\t別解\t要確認\n"
                              u"初級\tやま\t山\tやま\t\t\n"_qs.toUtf8());
        return path;
    }

    void commit(const QString& text)
    {
        QInputMethodEvent event;
        event.setCommitString(text);
        QApplication::sendEvent(window().Edit1, &event);
    }

    void ticks(int count)
    {
        for (int k = 0; k < count; ++k)
            window().Timer1Timer();
    }
};

void ListeningWindowTest::theAnswerIsHeardThenTypedAndF3SpeaksItAgain()
{
    f->random.values = {0, 1};
    f->show({file()});
    window().findChild<QAction*>("MenuListen")->trigger();
    QVERIFY(window().drill().state() == DrillState::Running);
    auto* again = window().findChild<QPushButton*>("againButton");
    QVERIFY(again->isVisible());

    ticks(1);
    // The answer is asked for with its confirmed reading, the next pair's ahead of time.
    QCOMPARE(f->speech.requested, (QStringList{"山", "川"}));
    QCOMPARE(f->speech.nextLine(), (SpeechLine{"山", "やま"}));
    f->speech.answerAll();
    QCOMPARE(f->player.played, QStringList{"山.wav"});
    QCOMPARE(ScreenReader::name(window().Panel1), ListeningCommand::HiddenQuestion);

    ticks(5);
    QCOMPARE(window().ProgressBar1->value(), 0);
    f->player.endSound();
    ticks(3);
    QCOMPARE(window().ProgressBar1->value(), 3);
    QCOMPARE(ScreenReader::name(window().Panel1), ListeningCommand::HiddenQuestion);

    QTest::keyClick(&window(), Qt::Key_F3);
    QCOMPARE(f->player.played, (QStringList{"山.wav", "山.wav"}));
    f->player.endSound();
    QTest::mouseClick(again, Qt::LeftButton);
    QCOMPARE(f->player.played.size(), 3);

    // What was heard is typed as its reading; the next question's sound is ready at once.
    commit(u"やま"_qs);
    QCOMPARE(window().drill().tally().correctCount, 1);
    // The record notes the game as heard, and its answer as given by the reading.
    QVERIFY(f->record.games.constLast().start.listening);
    QCOMPARE(f->record.games.constLast().outcomes.value(0).answeredBy,
             std::optional(AnswerForm::Reading));
    ticks(1);
    QCOMPARE(f->player.played.last(), QStringLiteral("川.wav"));
    QCOMPARE(f->speech.requested.size(), 2);
    QCOMPARE(window().ProgressBar1->value(), 0);

    window().MenuEnd->trigger();
    QVERIFY(!again->isVisible());
    QVERIFY(!f->speech.hasWaiting());
}

void ListeningWindowTest::speechThatFailsIsToldOnceAndTheGameGoesOnInSilence()
{
    f->random.values = {0, 1};
    f->show({file()});
    window().findChild<QAction*>("MenuListenLevel")->trigger();
    ticks(1);
    f->speech.fail(u"espeak-ng を起動できません。"_qs);
    f->speech.fail(u"espeak-ng を起動できません。"_qs);
    ticks(2);
    QCOMPARE(window().ProgressBar1->value(), 2);
    commit(u"やま"_qs);
    ticks(2);
    QTRY_COMPARE(f->messageBox.told.size(), 1);
    QVERIFY(f->messageBox.told.first().contains(u"espeak-ng を起動できません。"_qs));
    QCOMPARE(window().drill().tally().correctCount, 1);
    QVERIFY(f->player.played.isEmpty());
}

void ListeningWindowTest::readAloudSpeaksTheQuestionsAndTheTimeLeftWithoutHoldingTheBar()
{
    f->settings.values.insert("ReadAloud", 1);
    f->settings.values.insert("SpeechSpeed", "1.5");
    f->random.values = {0, 1};
    f->show({file()});
    QCOMPARE(f->speech.settingsUsed.last(), QStringLiteral("1.5 "));
    QTest::keyClick(&window(), Qt::Key_F2);
    ticks(2);
    QCOMPARE(ScreenReader::name(window().Panel1), u"やま"_qs);
    QCOMPARE(f->speech.nextLine(), (SpeechLine{"やま", {}}));
    QCOMPARE(window().ProgressBar1->value(), 2);
    QVERIFY(!window().findChild<QPushButton*>("againButton")->isVisible());

    // The time left is spoken at the half and at the last two seconds, and nowhere else.
    f->speech.answerAll();
    QCOMPARE(f->speech.requested, (QStringList{"やま", "かわ", "残り半分", "あと2秒"}));
    QCOMPARE(f->player.played, QStringList{"やま.wav"});
    ticks(47);
    QCOMPARE(f->player.played.size(), 1);
    ticks(1);
    QCOMPARE(window().ProgressBar1->value(), 50);
    QCOMPARE(f->player.played.last(), QStringLiteral("残り半分.wav"));
    ticks(30);
    QCOMPARE(f->player.played, (QStringList{"やま.wav", "残り半分.wav", "あと2秒.wav"}));
    ticks(19);
    QCOMPARE(f->player.played.size(), 3);
}

void ListeningWindowTest::aVoiceThatIsNoVoiceIsToldOnceWithTheFirstQuestionSpoken()
{
    f->speech.voiceFault = u"/v/notes.txt は声のファイル (.htsvoice) ではありません。"_qs;
    f->settings.values.insert("SpeechVoice", "/v/notes.txt");
    f->show({file()});
    QCOMPARE(f->speech.settingsUsed.last(), QStringLiteral("1 /v/notes.txt"));
    QTest::qWait(0);
    QVERIFY(f->messageBox.told.isEmpty());
    for (int game = 0; game < 2; ++game) {
        window().findChild<QAction*>("MenuListen")->trigger();
        ticks(1);
        f->speech.answerAll();
        f->player.endSound();
        window().MenuEnd->trigger();
    }
    QTRY_COMPARE(f->messageBox.told.size(), 1);
    QVERIFY(f->messageBox.told.first().contains(f->speech.voiceFault));
}

QTEST_MAIN(ListeningWindowTest)
#include "ListeningWindowTest.moc"
