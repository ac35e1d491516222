#include "MainWindowFixture.h"
#include "TestFiles.h"
#include "import/TFrmImport.h"
#include "questions/TextCodec.h"

#include <QApplication>
#include <QTimer>

// ﾌｧｲﾙ → ｲﾝﾎﾟｰﾄ in the main window: available as ﾛｰﾄﾞ is, and the saved file loads as a file
// loaded with ﾛｰﾄﾞ does.
class ImportMenuTest : public QObject
{
    Q_OBJECT

private slots:
    void importedFileLoads();
};

void ImportMenuTest::importedFileLoads()
{
    MainWindowFixture f;
    f.show();
    TFrmMain& window = *f.window;
    QVERIFY(window.MenuImport->isEnabled());
    const QString deck = f.folder.filePath(QStringLiteral("paste.txt"));
    const QString saved = f.folder.filePath(QStringLiteral("paste.DAT"));
    QVERIFY(TestFiles::writeBytes(deck, "yama\tmountain\nkawa\triver\n"));
    f.fileDialog.answers = {deck, saved};
    // The preview is modal; its OK is pressed once it shows.
    QTimer::singleShot(0, &window, [] {
        if (auto* preview = qobject_cast<TFrmImport*>(QApplication::activeModalWidget()))
            preview->BitBtn1Click();
    });
    window.MenuImport->trigger();

    QCOMPARE(window.windowTitle(), QStringLiteral("Tazune　－　[") + saved + QLatin1Char(']'));
    QCOMPARE(window.questionBank().Count(0), 2);
    QCOMPARE(window.recentFiles().entry(0), saved);
    QVERIFY(f.messageBox.messages.isEmpty());
    window.MenuStartClick();
    QCOMPARE(window.drill().state(), DrillState::Running);
    QVERIFY(!window.MenuImport->isEnabled());
}

QTEST_MAIN(ImportMenuTest)
#include "ImportMenuTest.moc"
