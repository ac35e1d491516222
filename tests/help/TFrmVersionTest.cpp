#include "help/TFrmVersion.h"
#include "ProductInfo.h"
#include "ScreenReader.h"

#include <QLabel>
#include <QTest>

class TFrmVersionTest : public QObject
{
    Q_OBJECT

private slots:
    void showsNameAndVersionToEveryone()
    {
        TFrmVersion dialog;
        const QList<QLabel*> lines = dialog.findChildren<QLabel*>();
        QCOMPARE(lines.size(), 2);
        QCOMPARE(ScreenReader::name(dialog.Label1), QStringLiteral("Tazune"));
        QCOMPARE(ScreenReader::name(dialog.Label2), "Version " + ProductInfo::Version);
    }
};

QTEST_MAIN(TFrmVersionTest)
#include "TFrmVersionTest.moc"
