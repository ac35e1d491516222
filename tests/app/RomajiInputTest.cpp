#include "MainWindowFixture.h"
#include "ScreenReader.h"
#include "questions/TextCodec.h"
#include "widgets/RomajiLineInput.h"

#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>

// The main window with "ﾛｰﾏ字入力(&R)" on: kana answers typed in romaji through Edit1.
class RomajiInputTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { f = std::make_unique<MainWindowFixture>(); }
    void cleanup() { f.reset(); }

    void romajiMatchesTheKanaAnswer_data();
    void romajiMatchesTheKanaAnswer();
    void romajiShortOfTheAnswerDoesNotMatch_data();
    void romajiShortOfTheAnswerDoesNotMatch();
    void backspaceTakesBackAKanaAndTypingGoesOn();
    void guideIsPlaceholderTooltipAndDescription();
    void nextQuestionRestartsTheJudge();
    void keysGoInAsTypedWhileOff();
    void settingIsStoredAndItsBadValueReported();
    void f1OnTheMenuItemAsksForItsPage();

private:
    std::unique_ptr<MainWindowFixture> f;

    TFrmMain& window() { return *f->window; }

    // Starts a game over the given answers of level 0, romaji input on unless told otherwise.
    void startWith(const QStringList& answers, bool romaji = true)
    {
        QByteArrayList bytes;
        for (const QString& answer : answers)
            bytes << TextCodec::encode(answer).value();
        f->show({f->questionFile("KANA.DAT", {bytes, {}, {}})});
        if (romaji)
            window().MenuRomaji->trigger();
        QTest::keyClick(&window(), Qt::Key_F2);
        window().Timer1Timer();
        QCOMPARE(window().drill().state(), DrillState::Running);
    }
};

void RomajiInputTest::romajiMatchesTheKanaAnswer_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("keys");

    QTest::addRow("sinbunn") << "しんぶん"
                             << "sinbunn";
    QTest::addRow("shinbunn") << "しんぶん"
                              << "shinbunn";
    QTest::addRow("shinnbunn") << "しんぶん"
                               << "shinnbunn";
    QTest::addRow("kippu") << "きっぷ"
                           << "kippu";
    QTest::addRow("kixtupu") << "きっぷ"
                             << "kixtupu";
    QTest::addRow("konnnitiha") << "こんにちは"
                                << "konnnitiha";
    QTest::addRow("konnnichiha") << "こんにちは"
                                 << "konnnichiha";
    QTest::addRow("jazu") << "ジャズ"
                          << "jazu";
    QTest::addRow("zyazu") << "ジャズ"
                           << "zyazu";
    QTest::addRow("refused_keys_cost_nothing") << "ジャズ"
                                               << "jxaqzu";
}

void RomajiInputTest::romajiMatchesTheKanaAnswer()
{
    QFETCH(QString, answer);
    QFETCH(QString, keys);
    startWith({answer});
    QSignalSpy edited(window().Edit1, &QLineEdit::textEdited);

    QTest::keyClicks(window().Edit1, keys);

    QCOMPARE(window().drill().tally().correctCount, 1);
    QVERIFY(window().Edit1->text().isEmpty());
    // The kana reached the answer check as typed text does, the full answer last.
    QCOMPARE(edited.constLast().constFirst().toString(), answer);
}

void RomajiInputTest::romajiShortOfTheAnswerDoesNotMatch_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("line");

    QTest::addRow("konitiha") << "こんにちは"
                              << "konitiha"
                              << "こn";
    QTest::addRow("shinbun_one_n_short") << "しんぶん"
                                         << "shinbun"
                                         << "しんぶn";
}

void RomajiInputTest::romajiShortOfTheAnswerDoesNotMatch()
{
    QFETCH(QString, answer);
    QFETCH(QString, keys);
    QFETCH(QString, line);
    startWith({answer});

    QTest::keyClicks(window().Edit1, keys);

    QCOMPARE(window().Edit1->text(), line);
    QCOMPARE(window().drill().tally().correctCount, 0);
}

void RomajiInputTest::backspaceTakesBackAKanaAndTypingGoesOn()
{
    startWith({"こんにちは"});
    QTest::keyClicks(window().Edit1, "konni");
    QCOMPARE(window().Edit1->text(), QStringLiteral("こんに"));

    QTest::keyClick(window().Edit1, Qt::Key_Backspace);
    QCOMPARE(window().Edit1->text(), QStringLiteral("こん"));
    QTest::keyClick(window().Edit1, Qt::Key_Backspace);
    QTest::keyClicks(window().Edit1, "n'nitiha");

    QCOMPARE(window().drill().tally().correctCount, 1);
}

void RomajiInputTest::guideIsPlaceholderTooltipAndDescription()
{
    startWith({"しんぶん"});
    QLineEdit* line = window().Edit1;
    QCOMPARE(line->placeholderText(), QStringLiteral("shinbunn"));

    QTest::keyClicks(line, "si");

    QCOMPARE(line->toolTip(), QStringLiteral("nbunn"));
    QCOMPARE(ScreenReader::description(line), QStringLiteral("nbunn"));
    window().MenuStop->trigger();
    QCOMPARE(line->toolTip(), QString());
}

void RomajiInputTest::nextQuestionRestartsTheJudge()
{
    f->random.values = {0, 0, 1};
    startWith({"ねこ", "いぬ"});
    QTest::keyClicks(window().Edit1, "neko");
    window().Timer1Timer();
    QCOMPARE(window().Edit1->placeholderText(), QStringLiteral("neko"));

    // The same question again: the judge starts afresh, not from the completed answer.
    QTest::keyClicks(window().Edit1, "neko");
    window().Timer1Timer();
    QCOMPARE(window().Edit1->placeholderText(), QStringLiteral("inu"));
    QTest::keyClicks(window().Edit1, "inu");

    QCOMPARE(window().drill().tally().correctCount, 3);
}

void RomajiInputTest::keysGoInAsTypedWhileOff()
{
    startWith({"ねこ"}, false);

    QTest::keyClicks(window().Edit1, "neko");

    QCOMPARE(window().Edit1->text(), QStringLiteral("neko"));
    QCOMPARE(window().Edit1->placeholderText(), QString());
}

void RomajiInputTest::settingIsStoredAndItsBadValueReported()
{
    f->settings.values.insert("Romaji", "1");
    f->show();
    QVERIFY(window().MenuRomaji->isChecked());
    QVERIFY(window().romajiInput->isActive());
    window().MenuRomaji->trigger();
    window().close();
    QCOMPARE(f->settings.values.value("Romaji"), QVariant("0"));

    f->settings.values.insert("Romaji", "2");
    f->show();
    QTRY_COMPARE(f->messageBox.messages, QStringList{"'Romaji' のデータ型が不正です"});
    QVERIFY(!window().MenuRomaji->isChecked());
    QVERIFY(!window().romajiInput->isActive());
}

void RomajiInputTest::f1OnTheMenuItemAsksForItsPage()
{
    f->show();
    QMenu* menu = window().MenuEtc;
    menu->popup(window().mapToGlobal(QPoint(0, 0)));
    QVERIFY(QTest::qWaitForWindowExposed(menu));
    menu->setActiveAction(window().MenuRomaji);

    QTest::keyClick(menu, Qt::Key_F1);
    menu->close();

    QCOMPARE(f->helpViewer.requests, QStringList{"context 18"});
    QVERIFY(!window().MenuRomaji->isChecked());
}

QTEST_MAIN(RomajiInputTest)
#include "RomajiInputTest.moc"
