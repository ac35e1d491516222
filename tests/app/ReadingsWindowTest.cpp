#include "MainWindowFixture.h"
#include "ScreenReader.h"
#include "TestFiles.h"
#include "questions/TextCodec.h"
#include "readings/ReadingsCompanion.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QLineEdit>

// The main window over a file with readings beside it: ふりがな and 読みで答える in その他.
class ReadingsWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { f = std::make_unique<MainWindowFixture>(); }
    void cleanup() { f.reset(); }

    void readingOverTheQuestionAndAsTheAnswer();
    void brokenReadingsAreToldOnceAndTheFileStillLoads();
    void worksheetIsSavedAsPdfFromTheFileMenu();

private:
    std::unique_ptr<MainWindowFixture> f;

    TFrmMain& window() { return *f->window; }

    QString fileWithReadings(const QByteArray& companion)
    {
        QuestionBank bank;
        const QByteArray father = TextCodec::encode(u"お父さん"_qs).value();
        bank.Add(0, father, father);
        const QString path = f->folder.filePath("YOMI.DAT");
        QuestionFile::write(path, bank);
        TestFiles::writeBytes(ReadingsCompanion::companionPath(path), companion);
        return path;
    }

    void commit(const QString& text)
    {
        QInputMethodEvent event;
        event.setCommitString(text);
        QApplication::sendEvent(window().Edit1, &event);
    }
};

void ReadingsWindowTest::readingOverTheQuestionAndAsTheAnswer()
{
    f->show({fileWithReadings(u"レベル\t問題\t回答\tよみ\t別解\t要確認\n"
                              u"初級\tお父さん\tお父さん\tおとうさん\t\t\n"_qs.toUtf8())});
    window().MenuFuriganaMode[int(Furigana::Always)]->trigger();
    window().MenuByReading->trigger();
    QVERIFY(window().Panel1->rubyRoom());
    const int lineHeight = window().Panel1->height();

    QTest::keyClick(&window(), Qt::Key_F2);
    window().Timer1Timer();
    QCOMPARE(ScreenReader::name(window().Panel1), u"お父（とう）さん"_qs);
    QCOMPARE(window().Panel1->height(), lineHeight);
    commit(u"おとうさん"_qs);
    QCOMPARE(window().drill().tally().correctCount, 1);

    window().close();
    QCOMPARE(f->settings.values.value("Furigana").toString(), QStringLiteral("1"));
    QCOMPARE(f->settings.values.value("ByReading").toString(), QStringLiteral("1"));
}

void ReadingsWindowTest::brokenReadingsAreToldOnceAndTheFileStillLoads()
{
    const QString path = fileWithReadings(u"レベル\t問題\t回答\tよみ\n"
                                          u"初級\tお父さん\n"
                                          u"初級\t母\t母\tはは\n"_qs.toUtf8());
    f->show({path});
    QCOMPARE(f->messageBox.told.size(), 1);
    QVERIFY(f->messageBox.told[0].contains(QStringLiteral("2 行目")));
    QVERIFY(f->messageBox.told[0].contains(QStringLiteral("3 行目")));
    QCOMPARE(window().questionBank().Count(0), 1);

    QTest::keyClick(&window(), Qt::Key_F2);
    window().Timer1Timer();
    QCOMPARE(ScreenReader::name(window().Panel1), u"お父さん"_qs);
}

void ReadingsWindowTest::worksheetIsSavedAsPdfFromTheFileMenu()
{
    f->show({fileWithReadings(u"レベル\t問題\t回答\tよみ\t別解\t要確認\n"
                              u"初級\tお父さん\tお父さん\tおとうさん\t\t\n"_qs.toUtf8())});
    const QString pdf = f->folder.filePath("sheet.pdf");
    f->fileDialog.answers = {pdf};
    QVERIFY(window().MenuWorksheet->isEnabled());
    window().MenuWorksheet->trigger();
    QCOMPARE(f->fileDialog.saveRequests.value(0).presetFile, u"YOMI-練習プリント.pdf"_qs);
    QVERIFY(TestFiles::readBytes(pdf).startsWith("%PDF-"));
    QVERIFY(f->messageBox.messages.isEmpty());

    QTest::keyClick(&window(), Qt::Key_F2);
    QVERIFY(!window().MenuWorksheet->isEnabled());
}

QTEST_MAIN(ReadingsWindowTest)
#include "ReadingsWindowTest.moc"
