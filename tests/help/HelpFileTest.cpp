#include "help/HelpFile.h"
#include "TestFiles.h"

#include <QTemporaryDir>
#include <QTest>

class HelpFileTest : public QObject
{
    Q_OBJECT

private slots:
    void pathFor_data();
    void pathFor();
    void installedPathFor_data();
    void installedPathFor();
    void collectionFor_data();
    void collectionFor();
};

void HelpFileTest::pathFor_data()
{
    QTest::addColumn<QString>("executable");
    QTest::addColumn<QString>("collection");

    QTest::addRow("no_extension") << "/usr/bin/tazune"
                                  << "/usr/bin/tazune.qhc";
    QTest::addRow("extension_replaced") << "/opt/drill/TYPE.EXE"
                                        << "/opt/drill/TYPE.qhc";
    QTest::addRow("last_extension_only") << "/opt/tazune.bin.x"
                                         << "/opt/tazune.bin.qhc";
    QTest::addRow("dot_in_folder_only") << "/home/a.b/tazune"
                                        << "/home/a.b/tazune.qhc";
    QTest::addRow("renamed_executable") << "/usr/bin/kanji-drill"
                                        << "/usr/bin/kanji-drill.qhc";
}

void HelpFileTest::pathFor()
{
    QFETCH(QString, executable);
    QFETCH(QString, collection);
    QCOMPARE(HelpFile::pathFor(executable), collection);
}

void HelpFileTest::installedPathFor_data()
{
    QTest::addColumn<QString>("executable");
    QTest::addColumn<QString>("collection");

    QTest::addRow("system_prefix") << "/usr/bin/tazune"
                                   << "/usr/share/tazune/tazune.qhc";
    QTest::addRow("local_prefix") << "/usr/local/bin/tazune"
                                  << "/usr/local/share/tazune/tazune.qhc";
    QTest::addRow("renamed_executable") << "/opt/drill/bin/kanji.exe"
                                        << "/opt/drill/share/tazune/kanji.qhc";
    QTest::addRow("dot_in_prefix") << "/opt/v1.5/bin/tazune"
                                   << "/opt/v1.5/share/tazune/tazune.qhc";
    QTest::addRow("executable_in_root") << "/tazune"
                                        << "/share/tazune/tazune.qhc";
}

void HelpFileTest::installedPathFor()
{
    QFETCH(QString, executable);
    QFETCH(QString, collection);
    QCOMPARE(HelpFile::installedPathFor(executable), collection);
}

void HelpFileTest::collectionFor_data()
{
    QTest::addColumn<QString>("executable");
    QTest::addColumn<QStringList>("present"); // a trailing "/" makes a folder
    QTest::addColumn<QString>("collection");

    const QString beside = QStringLiteral("bin/tazune.qhc");
    const QString installed = QStringLiteral("share/tazune/tazune.qhc");

    QTest::addRow("beside_only") << "bin/tazune" << QStringList{beside} << beside;
    QTest::addRow("installed_only") << "bin/tazune" << QStringList{installed} << installed;
    QTest::addRow("beside_preferred") << "bin/tazune" << QStringList{installed, beside} << beside;
    QTest::addRow("neither_gives_beside") << "bin/tazune" << QStringList{} << beside;
    QTest::addRow("folder_beside_is_no_collection")
        << "bin/tazune" << QStringList{beside + "/", installed} << installed;
    QTest::addRow("renamed_executable_ignores_old_name")
        << "bin/kanji" << QStringList{beside, installed} << "bin/kanji.qhc";
    QTest::addRow("renamed_executable_installed")
        << "bin/kanji" << QStringList{installed, "share/tazune/kanji.qhc"}
        << "share/tazune/kanji.qhc";
}

void HelpFileTest::collectionFor()
{
    QFETCH(QString, executable);
    QFETCH(QStringList, present);
    QFETCH(QString, collection);

    QTemporaryDir root;
    QVERIFY(TestFiles::makeEntries(root.path(), QStringList{"bin/"} + present));

    QCOMPARE(HelpFile::collectionFor(root.filePath(executable)), root.filePath(collection));
}

QTEST_GUILESS_MAIN(HelpFileTest)
#include "HelpFileTest.moc"
