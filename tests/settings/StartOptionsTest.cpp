#include "settings/StartOptions.h"

#include <QTest>

class StartOptionsTest : public QObject
{
    Q_OBJECT

private slots:
    void readsTheCommandLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<StartOptions>("options");
        QTest::addColumn<QString>("message");

        const Pupil hanako{"2組", "7", "花子"};
        QTest::addRow("nothing") << QStringList() << StartOptions{} << QString();
        QTest::addRow("a file") << QStringList{"q.DAT"} << StartOptions{"q.DAT", {}, {}, {}}
                                << QString();
        QTest::addRow("later files ignored")
            << QStringList{"q.DAT", "r.DAT"} << StartOptions{"q.DAT", {}, {}, {}} << QString();
        QTest::addRow("data folder then file")
            << QStringList{"--data", "/mnt/usb/tazune", "q.DAT"}
            << StartOptions{"q.DAT", "/mnt/usb/tazune", {}, {}} << QString();
        QTest::addRow("data folder with equals")
            << QStringList{"q.DAT", "--data=/d"} << StartOptions{"q.DAT", "/d", {}, {}}
            << QString();
        QTest::addRow("pupil") << QStringList{"--pupil", "2組,7,花子"}
                               << StartOptions{{}, {}, hanako, {}} << QString();
        QTest::addRow("pupil with equals") << QStringList{"--pupil=2組,7,花子", "q.DAT"}
                                           << StartOptions{"q.DAT", {}, hanako, {}} << QString();
        QTest::addRow("a file that looks like an option")
            << QStringList{"-x.DAT"} << StartOptions{"-x.DAT", {}, {}, {}} << QString();
        QTest::addRow("data folder missing") << QStringList{"q.DAT", "--data"} << StartOptions{}
                                             << "--data にはフォルダーを指定してください";
        QTest::addRow("data folder empty") << QStringList{"--data="} << StartOptions{}
                                           << "--data にはフォルダーを指定してください";
        QTest::addRow("board of a folder") << QStringList{"--board", "/share/in"}
                                           << StartOptions{{}, {}, {}, "/share/in"} << QString();
        QTest::addRow("board with equals and data folder")
            << QStringList{"--board=/share/in", "--data", "/d"}
            << StartOptions{{}, "/d", {}, "/share/in"} << QString();
        QTest::addRow("board folder missing") << QStringList{"--board"} << StartOptions{}
                                              << "--board には提出先のフォルダーを指定してください";
        QTest::addRow("pupil without a name")
            << QStringList{"--pupil", "2組,7,"} << StartOptions{} << "--pupil: 名前 が空です";
    }

    void readsTheCommandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(StartOptions, options);
        QFETCH(QString, message);

        const auto parsed = StartOptions::parse(arguments);
        QCOMPARE(bool(parsed), message.isEmpty());
        if (parsed)
            QCOMPARE(*parsed, options);
        else
            QCOMPARE(parsed.failure(), message);
    }

    void keepsEverythingUnderTheDataFolder_data()
    {
        QTest::addColumn<QString>("dataFolder");
        QTest::addColumn<QString>("record");
        QTest::addColumn<QString>("settings");
        QTest::addColumn<QString>("waiting");
        QTest::addColumn<QString>("speechCache");

        QTest::addRow("usual folders")
            << QString() << "/home/u/.local/share/Velmora/Tazune/record.sqlite" << QString()
            << "/home/u/.local/share/Velmora/Tazune/hand-in"
            << "/home/u/.cache/tazune/speech";
        QTest::addRow("data folder") << "/mnt/usb/tazune"
                                     << "/mnt/usb/tazune/record.sqlite"
                                     << "/mnt/usb/tazune/Tazune.ini"
                                     << "/mnt/usb/tazune/hand-in"
                                     << "/mnt/usb/tazune/cache/speech";
    }

    void keepsEverythingUnderTheDataFolder()
    {
        QFETCH(QString, dataFolder);
        QFETCH(QString, record);
        QFETCH(QString, settings);
        QFETCH(QString, waiting);
        QFETCH(QString, speechCache);

        const QString usual = QStringLiteral("/home/u/.local/share/Velmora/Tazune/record.sqlite");
        const StartOptions options{{}, dataFolder, {}, {}};
        QCOMPARE(options.recordPath(usual), record);
        QCOMPARE(options.settingsFile(), settings);
        QCOMPARE(options.waitingHandInFolder(usual), waiting);
        QCOMPARE(options.speechCacheFolder(QStringLiteral("/home/u/.cache/tazune/speech")),
                 speechCache);
    }
};

QTEST_GUILESS_MAIN(StartOptionsTest)
#include "StartOptionsTest.moc"
