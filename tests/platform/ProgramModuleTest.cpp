#include "platform/ProgramModule.h"
#include "TestFiles.h"

#include <QTemporaryDir>
#include <QTest>

// The program finds its sound module in a build beside itself and in an install under its prefix.
class ProgramModuleTest : public QObject
{
    Q_OBJECT

private slots:
    void pathFor_data();
    void pathFor();
};

void ProgramModuleTest::pathFor_data()
{
    QTest::addColumn<QString>("executable");
    QTest::addColumn<QStringList>("present"); // a trailing "/" makes a folder
    QTest::addColumn<QString>("module");

    const QString beside = QStringLiteral("bin/tazune-audio.so");
    const QString installed = QStringLiteral("lib/tazune/tazune-audio.so");

    QTest::addRow("built_beside") << "bin/tazune" << QStringList{beside} << beside;
    QTest::addRow("installed_under_the_prefix")
        << "bin/tazune" << QStringList{installed} << installed;
    QTest::addRow("beside_preferred") << "bin/tazune" << QStringList{installed, beside} << beside;
    QTest::addRow("neither_names_beside") << "bin/tazune" << QStringList{} << beside;
    QTest::addRow("folder_beside_is_no_module")
        << "bin/tazune" << QStringList{beside + "/", installed} << installed;
    QTest::addRow("renamed_executable_keeps_the_module")
        << "bin/kanji-drill" << QStringList{installed} << installed;
}

void ProgramModuleTest::pathFor()
{
    QFETCH(QString, executable);
    QFETCH(QStringList, present);
    QFETCH(QString, module);

    QTemporaryDir root;
    QVERIFY(TestFiles::makeEntries(root.path(), QStringList{"bin/"} + present));

    QCOMPARE(ProgramModule::pathFor(root.filePath(executable), ProgramModule::soundFileName()),
             root.filePath(module));
}

QTEST_GUILESS_MAIN(ProgramModuleTest)
#include "ProgramModuleTest.moc"
