#include "settings/TSoundDialog.h"
#include "FakeFileDialog.h"
#include "RecordingHelpViewer.h"
#include "widgets/HelpKeys.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using Answer = std::optional<QString>;

class TSoundDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void firstShowHasEmptyLines();
    void closing_data();
    void closing();
    void showReplacesWhatAnEarlierCancelLeft();
    void browseFillsItsOwnLine_data();
    void browseFillsItsOwnLine();
    void browseAsksForSoundFiles();
    void presetIsTheFileLastConfirmedByAnyButton();
    void cancelledBrowseKeepsTextAndPreset();
    void helpKeepsTheDialogOpen();
    void tabVisitsLinesThenButtons();
};

namespace {

void setPaths(TSoundDialog& dialog, const QString& correct, const QString& mistake,
              const QString& timeOut)
{
    DrillSettings settings;
    settings.correctSound = correct;
    settings.mistakeSound = mistake;
    settings.timeOutSound = timeOut;
    dialog.setValues(settings);
}

QStringList pathsOf(const TSoundDialog& dialog)
{
    const DrillSettings settings = dialog.values();
    return {settings.correctSound, settings.mistakeSound, settings.timeOutSound};
}

QStringList linesOf(const TSoundDialog& dialog)
{
    return {dialog.Edit1->text(), dialog.Edit2->text(), dialog.Edit3->text()};
}

void typeInto(QLineEdit* edit, const QString& text)
{
    edit->clear();
    QTest::keyClicks(edit, text);
}

} // namespace

void TSoundDialogTest::firstShowHasEmptyLines()
{
    FakeFileDialog files;
    TSoundDialog dialog(files);

    dialog.open();

    QCOMPARE(linesOf(dialog), QStringList({"", "", ""}));
    QCOMPARE(pathsOf(dialog), QStringList({"", "", ""}));
}

void TSoundDialogTest::closing_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("accepted");

    QTest::addRow("ok_button") << "ok" << true;
    QTest::addRow("enter_in_a_line") << "enter" << true;
    QTest::addRow("cancel_button") << "cancel" << false;
    QTest::addRow("escape") << "escape" << false;
    QTest::addRow("close_box") << "close" << false;
}

void TSoundDialogTest::closing()
{
    QFETCH(QString, how);
    QFETCH(bool, accepted);
    FakeFileDialog files;
    TSoundDialog dialog(files);
    setPaths(dialog, "/old/ok.wav", "/old/ng.wav", "/old/out.wav");
    dialog.open();
    QCOMPARE(linesOf(dialog), pathsOf(dialog));

    typeInto(dialog.Edit1, "/new/ok.wav");
    dialog.Edit2->clear();
    typeInto(dialog.Edit3, "/new/out.wav");
    if (how == "ok")
        QTest::mouseClick(dialog.BitBtn1, Qt::LeftButton);
    else if (how == "enter")
        QTest::keyClick(dialog.Edit3, Qt::Key_Return);
    else if (how == "cancel")
        QTest::mouseClick(dialog.BitBtn2, Qt::LeftButton);
    else if (how == "escape")
        QTest::keyClick(dialog.Edit1, Qt::Key_Escape);
    else
        dialog.close();

    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), accepted ? QDialog::Accepted : QDialog::Rejected);
    const QStringList expected = accepted
                                     ? QStringList{"/new/ok.wav", "", "/new/out.wav"}
                                     : QStringList{"/old/ok.wav", "/old/ng.wav", "/old/out.wav"};
    QCOMPARE(pathsOf(dialog), expected);
}

void TSoundDialogTest::showReplacesWhatAnEarlierCancelLeft()
{
    FakeFileDialog files;
    TSoundDialog dialog(files);
    setPaths(dialog, "a.wav", "b.wav", "c.wav");
    dialog.open();
    typeInto(dialog.Edit2, "typed by hand");
    dialog.reject();

    dialog.open();

    QCOMPARE(linesOf(dialog), QStringList({"a.wav", "b.wav", "c.wav"}));
}

void TSoundDialogTest::browseFillsItsOwnLine_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<QStringList>("lines");

    QTest::addRow("correct") << 1 << QStringList{"/wav/OK.WAV", "b", "c"};
    QTest::addRow("mistake") << 2 << QStringList{"a", "/wav/OK.WAV", "c"};
    QTest::addRow("time_out") << 3 << QStringList{"a", "b", "/wav/OK.WAV"};
}

void TSoundDialogTest::browseFillsItsOwnLine()
{
    QFETCH(int, button);
    FakeFileDialog files;
    files.answers = {QStringLiteral("/wav/OK.WAV")};
    TSoundDialog dialog(files);
    setPaths(dialog, "a", "b", "c");
    dialog.open();

    QPushButton* buttons[] = {dialog.Button1, dialog.Button2, dialog.Button3};
    QTest::mouseClick(buttons[button - 1], Qt::LeftButton);

    QTEST(linesOf(dialog), "lines");
    QCOMPARE(pathsOf(dialog), QStringList({"a", "b", "c"}));
}

void TSoundDialogTest::browseAsksForSoundFiles()
{
    FakeFileDialog files;
    TSoundDialog dialog(files);
    dialog.open();

    QTest::mouseClick(dialog.Button2, Qt::LeftButton);

    QCOMPARE(files.requests.size(), 1);
    const OpenFileRequest& request = files.requests.constFirst();
    QCOMPARE(request.title, QStringLiteral("効果音ファイル指定"));
    QCOMPARE(request.filters.size(), 2);
    QCOMPARE(request.filters[0].description, QStringLiteral("効果音ファイル(*.WAV)"));
    QCOMPARE(request.filters[0].pattern, QStringLiteral("*wav"));
    QCOMPARE(request.filters[1].description, QStringLiteral("すべてのファイル(*.*)"));
    QCOMPARE(request.filters[1].pattern, QStringLiteral("*.*"));
    QCOMPARE(request.defaultSuffix, QStringLiteral("wav"));
    QCOMPARE(request.mustExist, false);
    QCOMPARE(request.presetFile, QString());
}

void TSoundDialogTest::presetIsTheFileLastConfirmedByAnyButton()
{
    FakeFileDialog files;
    files.answers = {QStringLiteral("/wav/OK.WAV"), Answer(), QStringLiteral("/wav/OUT.WAV"),
                     Answer()};
    TSoundDialog dialog(files);
    dialog.open();

    QTest::mouseClick(dialog.Button1, Qt::LeftButton);
    QTest::mouseClick(dialog.Button3, Qt::LeftButton);
    QTest::mouseClick(dialog.Button2, Qt::LeftButton);
    dialog.reject();
    dialog.open();
    QTest::mouseClick(dialog.Button1, Qt::LeftButton);

    QStringList presets;
    for (const OpenFileRequest& request : files.requests)
        presets << request.presetFile;
    // The file dialog keeps its file for the whole run, whatever became of the sound dialog.
    QCOMPARE(presets, QStringList({"", "/wav/OK.WAV", "/wav/OK.WAV", "/wav/OUT.WAV"}));
}

void TSoundDialogTest::cancelledBrowseKeepsTextAndPreset()
{
    FakeFileDialog files;
    files.answers = {Answer(), Answer()};
    TSoundDialog dialog(files);
    dialog.open();
    typeInto(dialog.Edit3, "kept.wav");

    QTest::mouseClick(dialog.Button3, Qt::LeftButton);
    QTest::mouseClick(dialog.Button3, Qt::LeftButton);

    QCOMPARE(dialog.Edit3->text(), QStringLiteral("kept.wav"));
    QCOMPARE(files.requests.size(), 2);
    QCOMPARE(files.requests[1].presetFile, QString());
}

void TSoundDialogTest::helpKeepsTheDialogOpen()
{
    FakeFileDialog files;
    TSoundDialog dialog(files);
    RecordingHelpViewer viewer;
    HelpKeys::installOnDialog(&dialog, viewer);
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    QVERIFY(QTest::qWaitForWindowActive(&dialog));

    QTest::mouseClick(dialog.BitBtn3, Qt::LeftButton);

    QCOMPARE(viewer.requests, QStringList{"context 10"});
    QVERIFY(dialog.isVisible());
}

void TSoundDialogTest::tabVisitsLinesThenButtons()
{
    FakeFileDialog files;
    TSoundDialog dialog(files);
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    dialog.Edit1->setFocus();

    QStringList visited{QApplication::focusWidget()->objectName()};
    for (int step = 0; step < 9; ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }

    QCOMPARE(visited, QStringList({"Edit1", "Button1", "Edit2", "Button2", "Edit3", "Button3",
                                   "BitBtn1", "BitBtn2", "BitBtn3", "Edit1"}));
}

QTEST_MAIN(TSoundDialogTest)
#include "TSoundDialogTest.moc"
