#include "MainWindowFixture.h"
#include "ModalCloser.h"
#include "ScreenReader.h"
#include "TestFiles.h"
#include "editor/TFrmDataMake.h"
#include "settings/TFrmSetting.h"
#include "settings/TSoundDialog.h"
#include "widgets/BevelPanel.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <QTimer>

namespace {
const QString NoDataStatus = QStringLiteral("まずデータファイルのロードを行ってください");
const QString ReadyStatus = QStringLiteral("スタート(F2)ではじまります");
const QString PausedStatus = QStringLiteral("スタート(F2)で続き、終了(F8)で戻ります");
} // namespace

// Counts the paint events a widget receives while it lives.
class PaintCounter : public QObject
{
public:
    explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++count;
        return false;
    }

    int count = 0;
};

// Spins the event loop while a message is "open", as a modal box does, and records how many
// boxes were open at once.
class NestingMessageBox : public MessageBox
{
public:
    void showError(const QString& message) override
    {
        messages << message;
        deepest = std::max(deepest, ++open);
        QTest::qWait(20);
        --open;
    }

    QStringList messages;
    int open = 0;
    int deepest = 0;
};

class TFrmMainTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<MainWindowFixture> f;

    TFrmMain& window() { return *f->window; }

    void showWithSample()
    {
        f->show({f->questionFile("Q1.DAT", {{"yama", "kawa"}, {}, {"sora"}})});
        QCOMPARE(window().drill().state(), DrillState::Ready);
    }

    void typeText(const QString& text)
    {
        for (QChar c : text)
            QTest::sendKeyEvent(QTest::Click, window().Edit1, Qt::Key_unknown, c, Qt::NoModifier);
    }

    void commitText(const QString& text)
    {
        QInputMethodEvent event;
        event.setCommitString(text);
        QApplication::sendEvent(window().Edit1, &event);
    }

private slots:
    void init() { f = std::make_unique<MainWindowFixture>(); }
    void cleanup() { f.reset(); }

    void freshStartWaitsForData()
    {
        f->show();
        QCOMPARE(window().windowTitle(), QStringLiteral("Tazune"));
        QCOMPARE(window().Panel2->text(), NoDataStatus);
        QVERIFY(window().Panel1->text().isEmpty());
        QVERIFY(window().Image1->pixmap().isNull());
        QVERIFY(window().MenuLoad->isEnabled());
        QVERIFY(!window().MenuStart->isEnabled());
        QVERIFY(!window().MenuStop->isEnabled());
        QVERIFY(!window().MenuEnd->isEnabled());
        QVERIFY(!window().MenuLevel->menuAction()->isEnabled());
        QVERIFY(window().MenuEtc->menuAction()->isEnabled());
        QVERIFY(window().MenuClose->isEnabled());
        QVERIFY(window().MenuAbout->isEnabled());
        QVERIFY(!window().N3->isVisible());
        QVERIFY(window().Edit1->isReadOnly());
        QVERIFY(!window().Timer1->isActive());
        QVERIFY(f->messageBox.messages.isEmpty());
    }

    void layoutMatchesTheDesign()
    {
        f->show();
        QCOMPARE(window().centralWidget()->size(), QSize(498, 128));
        QCOMPARE(window().minimumSize(), window().maximumSize());
        QCOMPARE(window().centralWidget()->palette().color(QPalette::Window), QColor(0, 128, 0));
        QCOMPARE(window().Edit1->geometry(), QRect(88, 64, 361, 25));
        QCOMPARE(window().Panel1->geometry(), QRect(88, 32, 361, 25));
        QCOMPARE(window().Panel2->geometry(), QRect(88, 8, 361, 17));
        QCOMPARE(window().Image1->geometry(), QRect(456, 16, 33, 33));
        QCOMPARE(window().ProgressBar1->maximum(), 100);
        QCOMPARE(window().Label1->font().pixelSize(), 16);
        QCOMPARE(window().Edit1->accessibleName(), QStringLiteral("入力場所"));
        QCOMPARE(window().MenuStart->shortcut(), QKeySequence(Qt::Key_F2));
        QCOMPARE(window().MenuStop->shortcut(), QKeySequence(Qt::Key_F5));
        QCOMPARE(window().MenuEnd->shortcut(), QKeySequence(Qt::Key_F8));
        QCOMPARE(window().MenuContents->shortcut(), QKeySequence(Qt::Key_F1));
    }

    void commandLineFileIsLoaded()
    {
        const QString path = f->questionFile("Q1.DAT", {{"yama"}, {}, {}});
        f->show({path, f->folder.filePath("ignored.DAT")});
        QCOMPARE(window().windowTitle(), QStringLiteral("Tazune　－　[") + path + "]");
        QCOMPARE(window().Panel2->text(), ReadyStatus);
        QCOMPARE(window().recentFiles().entry(0), path);
        QVERIFY(window().N3->isVisible());
        QVERIFY(window().MenuHist[0]->isVisible());
        QCOMPARE(window().MenuHist[0]->text(), QStringLiteral("(&1) Q1.DAT"));
        QVERIFY(!window().MenuHist[1]->isVisible());
        QVERIFY(f->messageBox.messages.isEmpty());
    }

    void relativePathIsTakenAgainstTheProgramsFolder()
    {
        f->questionFile("REL.DAT", {{"yama"}, {}, {}});
        f->show({"REL.DAT"});
        QCOMPARE(window().drill().state(), DrillState::Ready);
        QCOMPARE(window().questionBank().Count(0), 1);
    }

    void badCommandLineFilesLeaveAUsableWindow_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("message");
        const QString open = QStringLiteral("ファイルが開けませんでした");
        QTest::addRow("empty") << QByteArray() << open;
        QTest::addRow("four_bytes") << QByteArray("3.00") << open;
        QTest::addRow("wrong_header") << QByteArray("3.00A\3\0\0\0", 9)
                                      << QStringLiteral("処理できないデータのバージョンです");
        QTest::addRow("truncated")
            << TestFiles::hex("332E303061 03000000 01000000 05000000 61") << open;
        QTest::addRow("two_gib_length")
            << TestFiles::hex("332E303061 03000000 01000000 FFFFFF7F 6162636465") << open;
    }

    void badCommandLineFilesLeaveAUsableWindow()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        const QString path = f->folder.filePath("BAD.DAT");
        QVERIFY(TestFiles::writeBytes(path, bytes));
        f->show({path});
        QCOMPARE(f->messageBox.messages, QStringList{message});
        QCOMPARE(window().drill().state(), DrillState::NoData);
        QCOMPARE(window().windowTitle(), QStringLiteral("Tazune"));
        QCOMPARE(window().Panel2->text(), NoDataStatus);
        QVERIFY(window().recentFiles().entry(0).isEmpty());
        QVERIFY(window().MenuLoad->isEnabled());
    }

    void missingFileOrFolderIsNotAFile_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addRow("missing") << "NOPE.DAT";
        QTest::addRow("folder") << ".";
    }

    void missingFileOrFolderIsNotAFile()
    {
        QFETCH(QString, name);
        showWithSample();
        const QString caption = window().windowTitle();
        f->fileDialog.answers = {f->folder.filePath(name)};
        window().MenuLoad->trigger();
        QCOMPARE(f->messageBox.messages, QStringList{QStringLiteral("ファイルが開けませんでした")});
        QCOMPARE(window().windowTitle(), caption);
        QCOMPARE(window().questionBank().Count(0), 2);
        QCOMPARE(window().drill().state(), DrillState::Ready);
    }

    void unreadableFileShowsTheOpenMessage()
    {
        const QString path = f->questionFile("LOCKED.DAT", {{"yama"}, {}, {}});
        QFile::setPermissions(path, QFileDevice::Permissions());
        QFile probe(path);
        if (probe.open(QIODevice::ReadOnly))
            QSKIP("this user reads files whatever their permissions say");
        f->show({path});
        QCOMPARE(f->messageBox.messages, QStringList{QStringLiteral("ファイルが開けませんでした")});
        QCOMPARE(window().drill().state(), DrillState::NoData);
    }

    void loadThroughTheDialog()
    {
        f->show();
        const QString path = f->questionFile("Q2.DAT", {{"yama"}, {}, {}});
        f->fileDialog.answers = {path};
        window().MenuLoad->trigger();
        QCOMPARE(f->fileDialog.requests.size(), 1);
        const OpenFileRequest& request = f->fileDialog.requests.first();
        QCOMPARE(request.title, QStringLiteral("ファイルを開く"));
        QCOMPARE(request.filters.size(), 2);
        QCOMPARE(request.filters[0].description, QStringLiteral("Tazuneﾃﾞｰﾀﾌｧｲﾙ(*.DAT)"));
        QCOMPARE(request.filters[0].pattern, QStringLiteral("*.DAT"));
        QCOMPARE(request.filters[1].pattern, QStringLiteral("*.*"));
        QVERIFY(request.mustExist);
        QCOMPARE(window().drill().state(), DrillState::Ready);
        QCOMPARE(window().Panel2->text(), ReadyStatus);
    }

    void cancelledLoadChangesNothing()
    {
        showWithSample();
        const QString caption = window().windowTitle();
        window().MenuLoad->trigger();
        QCOMPARE(window().windowTitle(), caption);
        QCOMPARE(window().drill().state(), DrillState::Ready);
        QVERIFY(f->messageBox.messages.isEmpty());
    }

    void damagedFileEmptiesTheBankButKeepsTheCaption()
    {
        showWithSample();
        const QString caption = window().windowTitle();
        const QString bad = f->folder.filePath("BAD.DAT");
        QVERIFY(TestFiles::writeBytes(bad, "3.00"));
        f->fileDialog.answers = {bad};
        window().MenuLoad->trigger();
        QCOMPARE(window().windowTitle(), caption);
        QCOMPARE(window().questionBank().Count(0), 0);
        QCOMPARE(window().drill().state(), DrillState::Ready);
    }

    void startOnAnEmptyLevelIsRefused()
    {
        showWithSample();
        window().MenuLv[1]->trigger();
        QTest::keyClick(&window(), Qt::Key_F2);
        QCOMPARE(f->messageBox.messages,
                 QStringList{QStringLiteral("このレベルには問題が登録されていません")});
        QCOMPARE(window().drill().state(), DrillState::Ready);
        QVERIFY(!window().Timer1->isActive());
    }

    void startStopEndFollowTheState()
    {
        showWithSample();
        QTest::keyClick(&window(), Qt::Key_F2);
        QCOMPARE(window().drill().state(), DrillState::Running);
        QVERIFY(window().Timer1->isActive());
        QVERIFY(window().ProgressBar1->isVisible());
        QVERIFY(!window().Edit1->isReadOnly());
        QVERIFY(!window().MenuLoad->isEnabled());
        QVERIFY(!window().MenuEtc->menuAction()->isEnabled());
        QVERIFY(!window().MenuLevel->menuAction()->isEnabled());
        QVERIFY(!window().MenuHist[0]->isEnabled());
        QVERIFY(window().MenuAbout->isEnabled());

        window().Timer1Timer();
        QCOMPARE(window().Panel1->text(), QStringLiteral("YAMA"));
        typeText("ya");
        QTest::keyClick(&window(), Qt::Key_F5);
        QCOMPARE(window().drill().state(), DrillState::Paused);
        QCOMPARE(window().Panel2->text(), PausedStatus);
        QVERIFY(window().Panel1->text().isEmpty());
        QCOMPARE(window().Edit1->text(), QStringLiteral("ya"));
        QVERIFY(window().Edit1->isReadOnly());
        QVERIFY(!window().Timer1->isActive());
        QVERIFY(!window().ProgressBar1->isVisible());
        QCOMPARE(window().ProgressBar1->value(), 1);

        QTest::keyClick(&window(), Qt::Key_F8);
        QCOMPARE(window().drill().state(), DrillState::Ready);
        QCOMPARE(window().Panel2->text(), ReadyStatus);
        QCOMPARE(window().ProgressBar1->value(), 0);
        QVERIFY(window().Edit1->text().isEmpty());
    }

    void unavailableShortcutsDoNothing()
    {
        showWithSample();
        QTest::keyClick(&window(), Qt::Key_F5);
        QTest::keyClick(&window(), Qt::Key_F8);
        QCOMPARE(window().drill().state(), DrillState::Ready);
        QTest::keyClick(&window(), Qt::Key_F2);
        QTest::keyClick(&window(), Qt::Key_F2);
        QCOMPARE(window().drill().state(), DrillState::Running);
        QCOMPARE(f->random.bounds.size(), 1);
    }

    void levelItemMovesTheCheckMark()
    {
        showWithSample();
        window().MenuLv[2]->trigger();
        QVERIFY(!window().MenuLv[0]->isChecked());
        QVERIFY(!window().MenuLv[1]->isChecked());
        QVERIFY(window().MenuLv[2]->isChecked());
        window().MenuLv[2]->trigger();
        QVERIFY(window().MenuLv[2]->isChecked());
        QTest::keyClick(&window(), Qt::Key_F2);
        window().Timer1Timer();
        QCOMPARE(window().Panel1->text(), QStringLiteral("SORA"));
    }

    void typedAnswerDrawsTheCorrectMark()
    {
        showWithSample();
        QTest::keyClick(&window(), Qt::Key_F2);
        window().Timer1Timer();
        typeText("yama");
        QCOMPARE(window().drill().tally().correctCount, 1);
        QVERIFY(window().Edit1->text().isEmpty());
        QCOMPARE(window().Image1->accessibleName(), QStringLiteral("正解"));
        QCOMPARE(window().Image1->pixmap().size(), QSize(33, 33));
    }

    void japaneseAnswerIsTypedThroughTheInputMethod()
    {
        f->show({f->questionFile("JA.DAT", {{QByteArray("\x8e\x52")}, {}, {}})});
        QTest::keyClick(&window(), Qt::Key_F2);
        window().Timer1Timer();
        commitText(QStringLiteral("😀"));
        QCOMPARE(window().drill().tally().correctCount, 0);
        window().Edit1->clear();
        commitText(QStringLiteral("山"));
        QCOMPARE(window().drill().tally().correctCount, 1);
    }

    void answerHeldUnderAnotherCodeIsTyped_data()
    {
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<QString>("committed");
        QTest::addRow("wave_dash_from_an_input_method") << QByteArray("\x81\x60") << "〜";
        QTest::addRow("minus_sign") << QByteArray("\x81\x7C") << "−";
        QTest::addRow("nec_selected_kanji") << QByteArray("\xEE\xE0") << "髙";
        QTest::addRow("nec_row_13_symbol") << QByteArray("\x87\x9A") << "∵";
        QTest::addRow("ibm_symbol") << QByteArray("\xFA\x5B") << "∵";
    }

    void answerHeldUnderAnotherCodeIsTyped()
    {
        QFETCH(QByteArray, answer);
        QFETCH(QString, committed);
        f->show({f->questionFile("TWIN.DAT", {{answer}, {}, {}})});
        QTest::keyClick(&window(), Qt::Key_F2);
        window().Timer1Timer();
        commitText(committed);
        QCOMPARE(window().drill().tally().correctCount, 1);
    }

    void emptyAnswerCountsOnlyWhenTheUserEmptiesTheLine()
    {
        f->show({f->questionFile("BLANK.DAT", {{""}, {}, {}})});
        QTest::keyClick(&window(), Qt::Key_F2);
        window().Timer1Timer();
        typeText("x");
        for (int tick = 0; tick < 100; ++tick)
            window().Timer1Timer();
        QCOMPARE(window().drill().tally(), (DrillTally{9, 0, 0, 100}));
        typeText("x");
        QTest::keyClick(window().Edit1, Qt::Key_Backspace);
        QCOMPARE(window().drill().tally(), (DrillTally{8, 1, 0, 100}));
    }

    void lastAnswerShowsTheReport()
    {
        f->settings.values = {{"Cnt", "1"}};
        showWithSample();
        QTest::keyClick(&window(), Qt::Key_F2);
        window().Timer1Timer();
        ModalCloser closer;
        typeText("yama");
        QCOMPARE(window().drill().state(), DrillState::Ready);
        QVERIFY(!QApplication::activeModalWidget());
        QTRY_COMPARE(closer.captions, QStringList{QStringLiteral("成績発表")});
        QVERIFY(window().Panel1->text().isEmpty());
        QVERIFY(!window().ProgressBar1->isVisible());
        QVERIFY(!window().Timer1->isActive());
    }

    void lastTimeOutShowsTheReport()
    {
        f->settings.values = {{"Cnt", "1"}};
        showWithSample();
        QTest::keyClick(&window(), Qt::Key_F2);
        ModalCloser closer;
        for (int tick = 0; tick < 101; ++tick)
            window().Timer1Timer();
        QTRY_COMPARE(closer.captions, QStringList{QStringLiteral("成績発表")});
        QCOMPARE(window().Image1->accessibleName(), QStringLiteral("時間切れ"));
        QVERIFY(window().Panel1->text().isEmpty());
        QCOMPARE(window().drill().tally(), (DrillTally{0, 0, 0, 100}));
    }

    void screenReaderHearsEveryValueAndItsCaption()
    {
        showWithSample();
        QCOMPARE(ScreenReader::name(window().Panel2), ReadyStatus);
        QCOMPARE(ScreenReader::description(window().Panel2), QStringLiteral("残り時間"));
        QCOMPARE(ScreenReader::description(window().Panel1), QStringLiteral("問題文章"));
        QTest::keyClick(&window(), Qt::Key_F2);
        window().Timer1Timer();
        QCOMPARE(ScreenReader::name(window().Panel1), QStringLiteral("YAMA"));
        QCOMPARE(ScreenReader::name(window().Panel2), QStringLiteral("ゲーム中"));
        QCOMPARE(ScreenReader::name(window().ProgressBar1), QStringLiteral("残り10秒"));
        QCOMPARE(ScreenReader::description(window().ProgressBar1), QStringLiteral("残り時間"));
        for (int tick = 0; tick < 10; ++tick)
            window().Timer1Timer();
        QCOMPARE(ScreenReader::name(window().ProgressBar1), QStringLiteral("残り9秒"));
        typeText("yama");
        QCOMPARE(ScreenReader::name(window().Image1), QStringLiteral("正解"));
    }

    void backgroundColourChangesOnlyOnConfirm()
    {
        f->show();
        const QColor panelColour = window().Panel1->palette().color(QPalette::Base);
        f->colorDialog.answers = {QColor(Qt::blue), std::nullopt};
        window().MenuBgColor->trigger();
        window().MenuBgColor->trigger();
        QCOMPARE(f->colorDialog.presets, (QList<QColor>{QColor(0, 128, 0), QColor(Qt::blue)}));
        QCOMPARE(window().Label2->palette().color(QPalette::Window), QColor(Qt::blue));
        QCOMPARE(window().Panel1->palette().color(QPalette::Base), panelColour);
    }

    void chosenFontGoesToBothLines()
    {
        f->show();
        QFont chosen(QStringLiteral("IPAGothic"));
        chosen.setPixelSize(40);
        chosen.setBold(true);
        f->fontDialog.answers = {chosen, std::nullopt};
        window().MenuFont->trigger();
        window().MenuFont->trigger();
        QCOMPARE(f->fontDialog.presets.size(), 2);
        QCOMPARE(f->fontDialog.presets[0].family(), QStringLiteral("ＭＳ Ｐゴシック"));
        QCOMPARE(f->fontDialog.presets[1], window().Panel1->font());
        for (QWidget* line :
             {static_cast<QWidget*>(window().Panel1), static_cast<QWidget*>(window().Edit1)}) {
            QCOMPARE(line->font().family(), QStringLiteral("IPAGothic"));
            QCOMPARE(line->font().pixelSize(), 40);
            QVERIFY(line->font().bold());
            QCOMPARE(line->height(), 25);
        }
    }

    void onlyCommittedTextIsAnAnswer()
    {
        showWithSample();
        QTest::keyClick(&window(), Qt::Key_F2);
        window().Timer1Timer();
        QInputMethodEvent composing(QStringLiteral("yama"), {});
        QApplication::sendEvent(window().Edit1, &composing);
        QCOMPARE(window().drill().tally().correctCount, 0);
        for (int tick = 0; tick < 100; ++tick)
            window().Timer1Timer();
        QCOMPARE(window().drill().tally(), (DrillTally{9, 0, 0, 100}));
        QCOMPARE(window().Image1->accessibleName(), QStringLiteral("時間切れ"));
        commitText(QStringLiteral("yama"));
        QCOMPARE(window().drill().tally().correctCount, 1);
    }

    void closingDuringAGameShowsNoReport()
    {
        showWithSample();
        QTest::keyClick(&window(), Qt::Key_F2);
        ModalCloser closer;
        window().MenuClose->trigger();
        QVERIFY(!window().isVisible());
        QVERIFY(closer.captions.isEmpty());
        QCOMPARE(window().questionBank().Count(0), 0);
    }

    void unchangedQuestionIsNotRepainted()
    {
        showWithSample();
        QTest::keyClick(&window(), Qt::Key_F2);
        window().Timer1Timer();
        QApplication::processEvents();
        PaintCounter paints(window().Panel1);
        for (int tick = 0; tick < 5; ++tick) {
            window().Timer1Timer();
            QApplication::processEvents();
        }
        QCOMPARE(paints.count, 0);
        QCOMPARE(window().ProgressBar1->value(), 6);
    }

    void storedSettingsAreReadAtShowAndWrittenAtClose()
    {
        f->settings.values = {{"Sec", 30}, {"Cnt", 15}, {"Hist0", f->folder.filePath("A.DAT")}};
        f->show();
        QCOMPARE(window().drillSettings().secondsPerQuestion, 30);
        QCOMPARE(window().drillSettings().questionsPerGame, 15);
        QCOMPARE(window().MenuHist[0]->text(), QStringLiteral("(&1) A.DAT"));
        QVERIFY(window().MenuHist[0]->isVisible());
        const QString path = f->questionFile("B.DAT", {{"yama"}, {}, {}});
        f->fileDialog.answers = {path};
        window().MenuLoad->trigger();
        f->settings.writes.clear();
        window().close();
        QCOMPARE(f->settings.writes,
                 (QStringList{"Sec", "Cnt", "Hist0", "Hist1", "Hist2", "SE1", "SE2", "SE3",
                              "Romaji", "Learner", "ReviewRetention", "ReviewMaxDays",
                              "ReviewNewPerDay", "ReviewWeights", "Furigana", "ByReading",
                              "ReadAloud", "SpeechSpeed", "SpeechVoice"}));
        QCOMPARE(f->settings.values["Hist0"].toString(), path);
        QCOMPARE(f->settings.values["Hist1"].toString(), f->folder.filePath("A.DAT"));
        QCOMPARE(f->settings.values["Sec"].toInt(), 30);
    }

    void damagedStoredValueIsReportedOnceTheWindowIsUp()
    {
        f->settings.values = {{"Sec", "abc"}, {"Cnt", "99999999999"}};
        f->show({f->questionFile("Q1.DAT", {{"yama"}, {}, {}})});
        QCOMPARE(window().drill().state(), DrillState::Ready);
        QTRY_COMPARE(f->messageBox.messages,
                     QStringList{QStringLiteral("'Sec' のデータ型が不正です")});
        QCOMPARE(window().drillSettings().secondsPerQuestion, 20);
        QCOMPARE(window().drillSettings().questionsPerGame, 10);
    }

    void startUpMessagesWaitForEachOther()
    {
        NestingMessageBox boxes;
        f->settings.values = {{"Sec", "abc"}};
        f->create(&boxes);
        f->show({f->folder.filePath("MISSING.DAT")});
        QTRY_COMPARE(boxes.messages.size(), 2);
        QCOMPARE(boxes.messages[0], QStringLiteral("ファイルが開けませんでした"));
        QCOMPARE(boxes.deepest, 1);
    }

    void cancelledDialogsLeaveTheSettingsAlone_data()
    {
        QTest::addColumn<bool>("confirm");
        QTest::addRow("cancel") << false;
        QTest::addRow("ok") << true;
    }

    void cancelledDialogsLeaveTheSettingsAlone()
    {
        QFETCH(bool, confirm);
        f->show();
        const DrillSettings before = window().drillSettings();
        QTimer::singleShot(0, window().frmSetting, [this, confirm] {
            window().frmSetting->TrackBar1->setValue(45);
            (confirm ? window().frmSetting->BitBtn1 : window().frmSetting->BitBtn2)->click();
        });
        window().MenuSetting->trigger();
        QTimer::singleShot(0, window().frmSound, [this, confirm] {
            window().frmSound->Edit3->setText(QStringLiteral("/snd/late.wav"));
            (confirm ? window().frmSound->BitBtn1 : window().frmSound->BitBtn2)->click();
        });
        window().MenuSound->trigger();

        DrillSettings expected = before;
        if (confirm) {
            expected.secondsPerQuestion = 45;
            expected.timeOutSound = QStringLiteral("/snd/late.wav");
        }
        QCOMPARE(window().drillSettings(), expected);
    }

    void failedWriteAtCloseIsReportedAndTheRestIsWritten()
    {
        f->settings.failingWrites = {"Cnt"};
        f->show();
        window().close();
        QCOMPARE(f->messageBox.messages, QStringList{QStringLiteral("'Cnt' の設定に失敗しました")});
        QVERIFY(f->settings.values.contains("SE3"));
        QVERIFY(!window().isVisible());
    }

    void hugeStoredRecentEntryIsJustALongCaption()
    {
        const QString huge = QStringLiteral("/data/") + QString(1 << 20, QLatin1Char('x'));
        f->settings.values = {{"Hist0", huge}};
        f->show();
        QVERIFY(window().MenuHist[0]->isVisible());
        QCOMPARE(window().MenuHist[0]->text().size(), (1 << 20) + 5);
        window().close();
        QCOMPARE(f->settings.values["Hist0"].toString(), huge);
    }

    void deletedRecentFileStaysListed()
    {
        const QString gone = f->folder.filePath("GONE.DAT");
        f->settings.values = {{"Hist0", gone}};
        f->show();
        window().MenuHist[0]->trigger();
        QCOMPARE(f->messageBox.messages, QStringList{QStringLiteral("ファイルが開けませんでした")});
        QCOMPARE(window().recentFiles().entry(0), gone);
        QCOMPARE(window().drill().state(), DrillState::NoData);
    }

    void eventsPlayTheirOwnSounds()
    {
        f->settings.values = {
            {"SE1", "/snd/ok.wav"}, {"SE2", "/snd/miss.wav"}, {"SE3", "/snd/late.wav"}};
        showWithSample();
        QCOMPARE(f->player.preloaded, (QStringList{"/snd/ok.wav", "/snd/late.wav"}));
        QTest::keyClick(&window(), Qt::Key_F2);
        window().Timer1Timer();
        typeText("yamx");
        QVERIFY(f->player.played.isEmpty());
        window().Edit1->clear();
        typeText("yama");
        for (int tick = 0; tick < 102; ++tick)
            window().Timer1Timer();
        QCOMPARE(f->player.played, (QStringList{"/snd/ok.wav", "/snd/late.wav"}));
    }

    void relativeSoundPathNamesAFileInTheProgramsFolder()
    {
        f->settings.values = {{"SE1", "ok.wav"}};
        showWithSample();
        QCOMPARE(f->player.preloaded, QStringList{f->folder.filePath("ok.wav")});
    }

    void soundThatFailsChangesNothingElse()
    {
        f->settings.values = {{"SE1", "/snd/broken.wav"}};
        f->player.failingPaths = {"/snd/broken.wav"};
        showWithSample();
        QTest::keyClick(&window(), Qt::Key_F2);
        window().Timer1Timer();
        typeText("yama");
        QVERIFY(f->player.played.isEmpty());
        QCOMPARE(window().drill().tally(), (DrillTally{9, 1, 1, 1}));
        QVERIFY(f->messageBox.messages.isEmpty());
    }

    void soundPathsAreStoredAndConfirmedPathsPreloaded()
    {
        f->show();
        f->fileDialog.answers = {QStringLiteral("/snd/new.wav")};
        QTimer::singleShot(0, window().frmSound, [this] {
            window().frmSound->Button1Click();
            window().frmSound->BitBtn1Click();
        });
        window().MenuSound->trigger();
        QCOMPARE(f->player.preloaded, QStringList{"/snd/new.wav"});
        window().close();
        QCOMPARE(f->settings.values["SE1"].toString(), QStringLiteral("/snd/new.wav"));
        QCOMPARE(f->settings.values["SE3"].toString(), QString());
    }

    void editorSavesTheFileButTheDrillKeepsItsQuestions()
    {
        showWithSample();
        const QuestionBank before = window().questionBank();
        const QString path = f->folder.filePath("Q1.DAT");
        f->fileDialog.answers = {path};
        QWidget* modal = nullptr;
        QTimer::singleShot(0, window().frmDataMake, [this, &modal] {
            modal = QApplication::activeModalWidget();
            TFrmDataMake* editor = window().frmDataMake;
            editor->Button2->click();
            editor->Edit1->setText("NEW");
            editor->Button4->click();
            editor->BitBtn1->click();
        });
        window().MenuData->trigger();

        QCOMPARE(modal, window().frmDataMake);
        QuestionBank saved = before;
        saved.Add(0, "NEW", {});
        QCOMPARE(TestFiles::readBytes(path), QuestionFile::encode(saved));
        QCOMPARE(window().questionBank(), before);
    }
};

QTEST_MAIN(TFrmMainTest)
#include "TFrmMainTest.moc"
