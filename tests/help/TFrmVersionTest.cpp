#include "help/TFrmVersion.h"
#include "ProductInfo.h"
#include "ScreenReader.h"

#include <QLabel>
#include <QTest>

class TFrmVersionTest : public QObject
{
    Q_OBJECT

private slots:
    void showsNameVersionAndDictionaryCreditToEveryone()
    {
        TFrmVersion dialog;
        const QList<QLabel*> lines = dialog.findChildren<QLabel*>();
        QCOMPARE(lines.size(), 3);
        QCOMPARE(ScreenReader::name(dialog.Label1), QStringLiteral("Tazune"));
        QCOMPARE(ScreenReader::name(dialog.Label2), "Version " + ProductInfo::Version);
        QVERIFY(ScreenReader::name(dialog.dictionaryCredit).contains(QStringLiteral("CC BY-SA")));
    }
};

QTEST_MAIN(TFrmVersionTest)
#include "TFrmVersionTest.moc"
