#include "platform/ProgramModule.h"
#include "ProductInfo.h"
#include "TestFiles.h"
#include "platform/WaveOutput.h"
#include "results/ResultsWindow.h"

#include <QTemporaryDir>
#include <QTest>

// The program finds its modules in a build beside itself and in an install under its prefix,
// and takes from a module only the interface it asked for.
class ProgramModuleTest : public QObject
{
    Q_OBJECT

private slots:
    void pathFor_data();
    void pathFor();
    void load_data();
    void load();
};

void ProgramModuleTest::pathFor_data()
{
    QTest::addColumn<QString>("executable");
    QTest::addColumn<QStringList>("present"); // a trailing "/" makes a folder
    QTest::addColumn<QString>("module");

    const QString beside = QStringLiteral("bin/") + ProductInfo::SoundModule;
    const QString installed = ProductInfo::ModuleDir + u'/' + ProductInfo::SoundModule;

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

    QCOMPARE(ProgramModule::pathFor(root.filePath(executable), ProductInfo::SoundModule),
             root.filePath(module));
}

void ProgramModuleTest::load_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("results"); // else the sound output is asked for
    QTest::addColumn<QString>("error");

    const QString sound = QStringLiteral(TAZUNE_SOUND_MODULE_FILE);
    const QString results = QStringLiteral(TAZUNE_RESULTS_WINDOW_MODULE_FILE);
    QTest::addRow("sound_module") << sound << false << QString();
    QTest::addRow("results_module") << results << true << QString();
    QTest::addRow("results_asked_of_the_sound_module")
        << sound << true << sound + ": does not offer " TAZUNE_RESULTS_WINDOW_FACTORY_IID;
    QTest::addRow("sound_asked_of_the_results_module")
        << results << false << results + ": does not offer " TAZUNE_WAVE_OUTPUT_FACTORY_IID;
    QTest::addRow("no_such_file") << sound + ".missing" << false << sound + ".missing: ";
}

void ProgramModuleTest::load()
{
    QFETCH(QString, path);
    QFETCH(bool, results);
    QFETCH(QString, error);

    QString told;
    const bool offered = results ? ProgramModule::load<ResultsWindowFactory>(path, told) != nullptr
                                 : ProgramModule::load<WaveOutputFactory>(path, told) != nullptr;
    QCOMPARE(offered, error.isEmpty());
    QVERIFY2(told.startsWith(error), qPrintable(told));
    QCOMPARE(told.isEmpty(), error.isEmpty());
}

QTEST_GUILESS_MAIN(ProgramModuleTest)
#include "ProgramModuleTest.moc"
