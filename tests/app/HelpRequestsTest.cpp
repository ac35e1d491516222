#include "MainWindowFixture.h"
#include "TestFiles.h"
#include "drill/TFrmReport.h"
#include "editor/TFrmDataMake.h"
#include "help/HelpTopics.h"
#include "help/TFrmVersion.h"
#include "settings/TFrmSetting.h"
#include "settings/TSoundDialog.h"

#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>

// Every way to ask for help, each sending exactly one request to the viewer.
class HelpRequestsTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<MainWindowFixture> f;

    TFrmMain& window() { return *f->window; }
    QStringList& requests() { return f->helpViewer.requests; }

    // Presses F1 on the focused control of the modal dialog the opener shows, then closes it.
    void pressF1In(QDialog* dialog, const std::function<void()>& opener)
    {
        QTimer::singleShot(0, dialog, [dialog] {
            QApplication::setActiveWindow(dialog);
            QVERIFY(QTest::qWaitForWindowActive(dialog));
            QWidget* focus = dialog->focusWidget() ? dialog->focusWidget() : dialog;
            QTest::keyClick(focus, Qt::Key_F1);
            QVERIFY(dialog->isVisible());
            dialog->reject();
        });
        opener();
    }

private slots:
    void init()
    {
        f = std::make_unique<MainWindowFixture>();
        f->show({f->questionFile("Q1.DAT", {{"yama"}, {}, {}})});
    }
    void cleanup() { f.reset(); }

    void helpMenuAsksForContentsAndFinder()
    {
        window().MenuContents->trigger();
        window().MenuKeyword->trigger();
        QCOMPARE(requests(), (QStringList{"context 1", "finder"}));
    }

    void f1DuringAGameOpensTheContentsAndTheGameGoesOn()
    {
        QTest::keyClick(&window(), Qt::Key_F2);
        window().Edit1->setFocus();
        QTest::keyClick(window().Edit1, Qt::Key_F1);
        QCOMPARE(requests(), QStringList{"context 1"});
        QCOMPARE(window().drill().state(), DrillState::Running);
        QVERIFY(window().Timer1->isActive());
    }

    void f1InADialogTakesTheDialogsContext()
    {
        pressF1In(window().frmSetting, [this] { window().MenuSetting->trigger(); });
        pressF1In(window().frmSound, [this] { window().MenuSound->trigger(); });
        pressF1In(window().frmReport, [this] { window().MenuScor->trigger(); });
        pressF1In(window().frmDataMake, [this] { window().MenuData->trigger(); });
        pressF1In(window().frmVersion, [this] { window().MenuAbout->trigger(); });
        QCOMPARE(requests(), (QStringList{"context 8", "context 10", "context 9", "context 11"}));
    }

    // Every dialog of the program with a ヘルプ button; the results window's, made in its
    // module, is ResultsWindowTest's.
    void helpButtonsAskForTheirDialogsContext_data()
    {
        QTest::addColumn<QString>("menuItem");
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<int>("context");
        QTest::addRow("sounds") << "MenuSound"
                                << "TSoundDialog" << HelpTopics::SoundsContext;
        QTest::addRow("editor") << "MenuData"
                                << "TFrmDataMake" << HelpTopics::EditorContext;
        QTest::addRow("import") << "MenuImport"
                                << "TFrmImport" << HelpTopics::ImportContext;
        QTest::addRow("review_settings")
            << "MenuReviewSetting"
            << "TFrmReviewSetting" << HelpTopics::ReviewSettingsContext;
    }

    void helpButtonsAskForTheirDialogsContext()
    {
        QFETCH(QString, menuItem);
        QFETCH(QString, dialog);
        QFETCH(int, context);
        // Only the import asks for a file first: a deck, which it then previews.
        const QString deck = f->folder.filePath(QStringLiteral("paste.txt"));
        QVERIFY(TestFiles::writeBytes(deck, "yama\tmountain\n"));
        f->fileDialog.answers = {deck};
        QString shown;
        QTimer::singleShot(0, &window(), [&shown] {
            auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            shown = modal->objectName();
            modal->findChild<QPushButton*>(QStringLiteral("BitBtn3"))->click();
            modal->reject();
        });
        window().findChild<QAction*>(menuItem)->trigger();
        QCOMPARE(shown, dialog);
        QCOMPARE(requests(), QStringList{QStringLiteral("context %1").arg(context)});
    }

    void f1InAnOpenMenuTakesTheHighlightedItem_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("request");
        QTest::addRow("contents") << "MenuContents"
                                  << "context 1";
        QTest::addRow("keyword") << "MenuKeyword"
                                 << "context 0";
        QTest::addRow("about") << "MenuAbout"
                               << "context 0";
        QTest::addRow("todays_review")
            << "MenuToday" << QStringLiteral("context %1").arg(HelpTopics::TodaysReviewContext);
        QTest::addRow("review_settings")
            << "MenuReviewSetting"
            << QStringLiteral("context %1").arg(HelpTopics::ReviewSettingsContext);
        const QString readings = QStringLiteral("context %1").arg(HelpTopics::ReadingsContext);
        QTest::addRow("answer_by_reading") << "MenuByReading" << readings;
        QTest::addRow("furigana_choice") << "MenuFuriganaAfterMiss" << readings;
        QTest::addRow("worksheet") << "MenuWorksheet" << readings;
    }

    void f1InAnOpenMenuTakesTheHighlightedItem()
    {
        QFETCH(QString, item);
        QFETCH(QString, request);
        auto* menu = qobject_cast<QMenu*>(window().findChild<QAction*>(item)->parent());
        menu->popup(window().mapToGlobal(QPoint(0, 0)));
        QVERIFY(QTest::qWaitForWindowExposed(menu));
        menu->setActiveAction(window().findChild<QAction*>(item));
        QTest::keyClick(menu, Qt::Key_F1);
        menu->close();
        QCOMPARE(requests(), QStringList{request});
    }
};

QTEST_MAIN(HelpRequestsTest)
#include "HelpRequestsTest.moc"
