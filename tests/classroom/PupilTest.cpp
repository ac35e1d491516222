#include "classroom/Pupil.h"

#include <QTest>

class PupilTest : public QObject
{
    Q_OBJECT

private slots:
    void readsTheCommandLinesPupil_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<Pupil>("pupil");
        QTest::addColumn<QString>("message");

        QTest::addRow("three parts")
            << "3年2組,15,山田 花子" << Pupil{"3年2組", "15", "山田 花子"} << QString();
        QTest::addRow("trimmed") << " 2組 , 7 ,  Jo " << Pupil{"2組", "7", "Jo"} << QString();
        QTest::addRow("full-width commas")
            << "2組，7，花子" << Pupil{"2組", "7", "花子"} << QString();
        QTest::addRow("longest name")
            << "2組,7," + QString(40, u'あ') << Pupil{"2組", "7", QString(40, u'あ')} << QString();
        QTest::addRow("two parts")
            << "2組,花子" << Pupil{} << "組,番号,名前 の三つをコンマで区切って指定してください";
        QTest::addRow("comma in the name")
            << "2組,7,Smith, Jo" << Pupil{}
            << "組,番号,名前 の三つをコンマで区切って指定してください";
        QTest::addRow("empty number") << "2組, ,花子" << Pupil{} << "番号 が空です";
        QTest::addRow("empty class") << ",7,花子" << Pupil{} << "組 が空です";
        QTest::addRow("name too long")
            << "2組,7," + QString(41, u'あ') << Pupil{} << "名前 は 40 文字までです";
        QTest::addRow("class too long")
            << QString(21, u'x') + ",7,花子" << Pupil{} << "組 は 20 文字までです";
    }

    void readsTheCommandLinesPupil()
    {
        QFETCH(QString, text);
        QFETCH(Pupil, pupil);
        QFETCH(QString, message);

        const auto parsed = PupilText::parse(text);
        QCOMPARE(bool(parsed), message.isEmpty());
        if (parsed)
            QCOMPARE(*parsed, pupil);
        else
            QCOMPARE(parsed.failure(), message);
    }
};

QTEST_GUILESS_MAIN(PupilTest)
#include "PupilTest.moc"
