#include "settings/TFrmSetting.h"
#include "ScreenReader.h"
#include "settings/SpeechSettingsBox.h"
#include "widgets/BevelPanel.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QLineEdit>

#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <QTimer>

// Drives the modal dialog: the action runs once the dialog is up, then the dialog must be gone.
template <typename Action> void whileShown(TFrmSetting& dialog, Action action)
{
    QTimer::singleShot(0, &dialog, [&] {
        action();
        if (dialog.isVisible())
            dialog.reject();
    });
    dialog.exec();
}

class TFrmSettingTest : public QObject
{
    Q_OBJECT

private slots:
    void opensWithTheDefaults()
    {
        TFrmSetting dialog;
        whileShown(dialog, [&] {
            QCOMPARE(dialog.RPanel1->text(), QStringLiteral("20秒"));
            QCOMPARE(dialog.RPanel2->text(), QStringLiteral("10問"));
            QCOMPARE(ScreenReader::name(dialog.RPanel2), QStringLiteral("10問"));
            QCOMPARE(ScreenReader::description(dialog.RPanel2), QStringLiteral("一回の問題数"));
        });
        QCOMPARE(dialog.values().secondsPerQuestion, 20);
        QCOMPARE(dialog.values().questionsPerGame, 10);
    }

    void barsFollowTheDesign()
    {
        TFrmSetting dialog;
        QCOMPARE(dialog.size(), QSize(441, 264));
        QCOMPARE(dialog.TrackBar1->minimum(), 5);
        QCOMPARE(dialog.TrackBar1->maximum(), 100);
        QCOMPARE(dialog.TrackBar2->minimum(), 1);
        QCOMPARE(dialog.TrackBar2->maximum(), 100);
        for (QSlider* bar : {dialog.TrackBar1, dialog.TrackBar2}) {
            QCOMPARE(bar->pageStep(), 5);
            QCOMPARE(bar->singleStep(), 1);
            QCOMPARE(bar->tickInterval(), 5);
            QCOMPARE(bar->tickPosition(), QSlider::TicksBelow);
        }
        QVERIFY(dialog.BitBtn1->isDefault());
    }

    void keysMoveTheBarsAndTheNumbersFollow()
    {
        TFrmSetting dialog;
        whileShown(dialog, [&] {
            dialog.TrackBar1->setFocus();
            QTest::keyClick(dialog.TrackBar1, Qt::Key_Right);
            QCOMPARE(dialog.RPanel1->text(), QStringLiteral("21秒"));
            QCOMPARE(ScreenReader::name(dialog.RPanel1), QStringLiteral("21秒"));
            QTest::keyClick(dialog.TrackBar1, Qt::Key_PageUp);
            QCOMPARE(dialog.RPanel1->text(), QStringLiteral("26秒"));
            QTest::keyClick(dialog.TrackBar2, Qt::Key_Home);
            QCOMPARE(dialog.RPanel2->text(), QStringLiteral("1問"));
            QTest::keyClick(dialog.TrackBar2, Qt::Key_End);
            QCOMPARE(dialog.RPanel2->text(), QStringLiteral("100問"));
        });
    }

    void cancelKeepsTheValues()
    {
        TFrmSetting dialog;
        whileShown(dialog, [&] {
            dialog.TrackBar1->setValue(35);
            dialog.TrackBar2->setValue(50);
            QTest::keyClick(&dialog, Qt::Key_Escape);
        });
        QCOMPARE(dialog.values().secondsPerQuestion, 20);
        QCOMPARE(dialog.values().questionsPerGame, 10);
        whileShown(dialog, [&] {
            QCOMPARE(dialog.TrackBar1->value(), 20);
            QCOMPARE(dialog.RPanel2->text(), QStringLiteral("10問"));
        });
    }

    void theSpeechSettingsAreTakenOnOkOnly()
    {
        TFrmSetting dialog;
        dialog.setSpeech({false, 1.0, {}});
        whileShown(dialog, [&] {
            QTest::mouseClick(dialog.speechBox->readAloudCheck, Qt::LeftButton);
            dialog.speechBox->speedSpin->selectAll();
            QTest::keyClicks(dialog.speechBox->speedSpin, "2.7");
            QTest::keyClicks(dialog.speechBox->voiceEdit, " /v/a.htsvoice ");
            QTest::keyClick(&dialog, Qt::Key_Escape);
        });
        QCOMPARE(dialog.speech(), (SpeechSettings{false, 1.0, {}}));

        whileShown(dialog, [&] {
            QVERIFY(!dialog.speechBox->readAloudCheck->isChecked());
            QCOMPARE(dialog.speechBox->voiceEdit->text(), QString());
            QTest::mouseClick(dialog.speechBox->readAloudCheck, Qt::LeftButton);
            dialog.speechBox->speedSpin->selectAll();
            QTest::keyClicks(dialog.speechBox->speedSpin, "1.5");
            QTest::keyClicks(dialog.speechBox->voiceEdit, " /v/a.htsvoice ");
            QTest::mouseClick(dialog.BitBtn1, Qt::LeftButton);
        });
        QCOMPARE(dialog.speech(), (SpeechSettings{true, 1.5, "/v/a.htsvoice"}));
    }

    void okTakesTheBars()
    {
        TFrmSetting dialog;
        whileShown(dialog, [&] {
            dialog.TrackBar1->setValue(30);
            dialog.TrackBar2->setValue(15);
            QTest::keyClick(&dialog, Qt::Key_Return);
        });
        QCOMPARE(dialog.values().secondsPerQuestion, 30);
        QCOMPARE(dialog.values().questionsPerGame, 15);
    }

    void resetSetsTheDefaultsButOnlyOkKeepsThem_data()
    {
        QTest::addColumn<bool>("confirm");
        QTest::addColumn<int>("seconds");
        QTest::addColumn<int>("questions");
        QTest::addRow("cancel") << false << 40 << 60;
        QTest::addRow("ok") << true << 20 << 10;
    }

    void resetSetsTheDefaultsButOnlyOkKeepsThem()
    {
        QFETCH(bool, confirm);
        QFETCH(int, seconds);
        QFETCH(int, questions);
        TFrmSetting dialog;
        dialog.setValues({.secondsPerQuestion = 40, .questionsPerGame = 60});
        whileShown(dialog, [&] {
            QTest::mouseClick(dialog.BitBtn3, Qt::LeftButton);
            QVERIFY(dialog.isVisible());
            QCOMPARE(dialog.RPanel1->text(), QStringLiteral("20秒"));
            QCOMPARE(dialog.RPanel2->text(), QStringLiteral("10問"));
            QTest::mouseClick(confirm ? dialog.BitBtn1 : dialog.BitBtn2, Qt::LeftButton);
        });
        QCOMPARE(dialog.values().secondsPerQuestion, seconds);
        QCOMPARE(dialog.values().questionsPerGame, questions);
    }

    void storedValuesOutsideTheRangeAreShownClamped_data()
    {
        QTest::addColumn<bool>("confirm");
        QTest::addColumn<int>("seconds");
        QTest::addColumn<int>("questions");
        QTest::addRow("cancel_keeps_them") << false << 150 << 0;
        QTest::addRow("ok_clamps_them") << true << 100 << 1;
    }

    void storedValuesOutsideTheRangeAreShownClamped()
    {
        QFETCH(bool, confirm);
        QFETCH(int, seconds);
        QFETCH(int, questions);
        TFrmSetting dialog;
        dialog.setValues({.secondsPerQuestion = 150, .questionsPerGame = 0});
        whileShown(dialog, [&] {
            QCOMPARE(dialog.RPanel1->text(), QStringLiteral("100秒"));
            QCOMPARE(dialog.RPanel2->text(), QStringLiteral("1問"));
            if (confirm)
                dialog.BitBtn1Click();
        });
        QCOMPARE(dialog.values().secondsPerQuestion, seconds);
        QCOMPARE(dialog.values().questionsPerGame, questions);
    }
};

QTEST_MAIN(TFrmSettingTest)
#include "TFrmSettingTest.moc"
