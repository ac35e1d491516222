#include "platform/ReplaceConfirmation.h"
#include "FakeMessageBox.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// A chosen file is written over only with the user's word, and a new one without a question.
class ReplaceConfirmationTest : public QObject
{
    Q_OBJECT

private slots:
    void asksOnlyWhenTheFileIsThere_data()
    {
        QTest::addColumn<bool>("exists");
        QTest::addColumn<QList<bool>>("answers");
        QTest::addColumn<bool>("allowed");
        QTest::addColumn<bool>("asked");
        QTest::addRow("new file") << false << QList<bool>{} << true << false;
        QTest::addRow("existing, OK") << true << QList<bool>{true} << true << true;
        QTest::addRow("existing, Cancel") << true << QList<bool>{false} << false << true;
    }

    void asksOnlyWhenTheFileIsThere()
    {
        QFETCH(bool, exists);
        QFETCH(QList<bool>, answers);
        QFETCH(bool, allowed);
        QFETCH(bool, asked);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("成績.csv"));
        if (exists) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        FakeMessageBox box;
        box.confirmAnswers = answers;
        QCOMPARE(ReplaceConfirmation::allows(box, path), allowed);
        QCOMPARE(box.questions,
                 asked ? QStringList{path + QStringLiteral(" はすでにあります。置き換えますか?")}
                       : QStringList{});
    }
};

QTEST_GUILESS_MAIN(ReplaceConfirmationTest)
#include "ReplaceConfirmationTest.moc"
