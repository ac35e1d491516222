#include "platform/QSettingsBackend.h"
#include "settings/SettingsStore.h"

#include "TestFiles.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <limits>

// The store against the real settings file, in a configuration folder of its own. Qt fixes the
// folder at the first QSettings of the process, so every test shares it and starts by clearing
// it.
class QSettingsBackendTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void firstRunGivesDefaultsAndStoresAllValues();
    void roundTrip_data();
    void roundTrip();
    void handWrittenFile_data();
    void handWrittenFile();
    void corruptFileGivesDefaults();
    void saveAllReplacesCorruptFile();
    void unwritableFileReportsFailure_data();
    void unwritableFileReportsFailure();
    void dataFolderKeepsTheSettingsInItsOwnIniFile();

private:
    QString folderPath() const { return configHome.path() + "/Velmora"; }
    QString filePath() const { return folderPath() + "/Tazune.conf"; }
    void writeFile(const QByteArray& bytes);
    void stampNewTime();

    QTemporaryDir configHome;
    int stamps = 0;
};

namespace {

const QStringList AllNames{"Sec",   "Cnt",   "SE1",   "SE2",    "SE3",
                           "Hist0", "Hist1", "Hist2", "Romaji", "Learner"};

// Bytes Qt's settings parser rejects: stray control bytes, a broken UTF-8 sequence and an
// unterminated section header.
const QByteArray CorruptBytes =
    TestFiles::hex("FF FE 00 01 5B 5B 5B 3D 0A 80 81 00 0A 5B 47 65 6E 0A 3D 3D 00");

} // namespace

void QSettingsBackendTest::initTestCase()
{
    QVERIFY(configHome.isValid());
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(configHome.path()));
    QCOMPARE(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation),
             configHome.path());
}

void QSettingsBackendTest::init()
{
    QFile::remove(folderPath());
    QDir(folderPath()).removeRecursively();
}

void QSettingsBackendTest::writeFile(const QByteArray& bytes)
{
    QVERIFY(QDir().mkpath(folderPath()));
    QVERIFY(TestFiles::writeBytes(filePath(), bytes));
    stampNewTime();
}

// Qt keeps each parsed settings file for the rest of the process and reads it again only when
// its size or time stamp changed; a time stamp of its own makes the next read come from the
// file, as in a new run.
void QSettingsBackendTest::stampNewTime()
{
    QFile file(filePath());
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.setFileTime(QDateTime(QDate(2001, 1, 1), QTime(0, 0)).addSecs(++stamps),
                             QFileDevice::FileModificationTime));
}

void QSettingsBackendTest::firstRunGivesDefaultsAndStoresAllValues()
{
    QSettingsBackend backend;
    const SettingsStore store(backend);

    const LoadedSettings loaded = store.loadAll();
    QCOMPARE(loaded.settings, (StoredSettings{20, 10, {}, {}, {}, {}}));
    QCOMPARE(loaded.firstError, std::nullopt);

    QVERIFY(store.saveAll(loaded.settings));
    stampNewTime();
    for (const QString& name : AllNames)
        QVERIFY2(backend.read(name).has_value(), qPrintable(name));
    QCOMPARE(backend.read("Hist0"), std::optional<QVariant>(QString()));
    // Read back from the file, not from what this process wrote.
    QCOMPARE(backend.read("Sec"), std::optional<QVariant>(QString("20")));
}

void QSettingsBackendTest::roundTrip_data()
{
    QTest::addColumn<StoredSettings>("settings");

    QTest::addRow("japanese_paths")
        << StoredSettings{30,
                          15,
                          "/home/ユーザー/音/正解.wav",
                          "/home/ユーザー/音/ミス.wav",
                          "/home/ユーザー/音/時間切れ.wav",
                          {"/データ/漢字.DAT", "/データ/ソ表/英単語.DAT", "/data/c.dat"}};
    QTest::addRow("characters_the_file_format_quotes")
        << StoredSettings{5,
                          1,
                          "/a,b/c.wav",
                          "/x;y/#z=1.wav",
                          " /lead and trail/ ",
                          {"@Invalid()", "C:\\DATA\\\"A\".DAT", "%HOME%/$USER/[General].dat"}};
    QTest::addRow("out_of_range_integers")
        << StoredSettings{150, 0, {}, {}, {}, {"/data/a.dat", {}, {}}};
    QTest::addRow("integer_limits") << StoredSettings{
        std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max(), {}, {}, {}, {}};
}

void QSettingsBackendTest::roundTrip()
{
    QFETCH(StoredSettings, settings);
    QSettingsBackend backend;
    const SettingsStore store(backend);

    QVERIFY(store.saveAll(settings));
    stampNewTime();
    const LoadedSettings loaded = store.loadAll();

    QCOMPARE(loaded.settings, settings);
    QCOMPARE(loaded.firstError, std::nullopt);
}

void QSettingsBackendTest::handWrittenFile_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<StoredSettings>("expected");
    QTest::addColumn<QString>("error");

    QTest::addRow("integers_and_texts")
        << QByteArray("[General]\nSec=45\nCnt=-3\nSE2=/音/ミス.wav\nHist1=5\n")
        << StoredSettings{45, -3, {}, "/音/ミス.wav", {}, {"", "5", ""}} << QString();
    QTest::addRow("unquoted_comma_makes_a_list")
        << QByteArray("[General]\nSE1=/a,b.wav\nHist0=/data/a.dat\n")
        << StoredSettings{20, 10, {}, {}, {}, {"/data/a.dat", {}, {}}} << QString();
    QTest::addRow("integer_too_large")
        << QByteArray("[General]\nSec=99999999999\nCnt=12\n")
        << StoredSettings{20, 12, {}, {}, {}, {}} << QString("'Sec' のデータ型が不正です");
    QTest::addRow("integer_empty")
        << QByteArray("[General]\nCnt=\n") << StoredSettings{20, 10, {}, {}, {}, {}}
        << QString("'Cnt' のデータ型が不正です");
}

void QSettingsBackendTest::handWrittenFile()
{
    QFETCH(QByteArray, file);
    QFETCH(StoredSettings, expected);
    QFETCH(QString, error);
    writeFile(file);
    QSettingsBackend backend;

    const LoadedSettings loaded = SettingsStore(backend).loadAll();

    QCOMPARE(loaded.settings, expected);
    QCOMPARE(loaded.firstError, error.isEmpty() ? std::nullopt : std::optional(error));
}

void QSettingsBackendTest::corruptFileGivesDefaults()
{
    writeFile(CorruptBytes);
    QSettingsBackend backend;

    const LoadedSettings loaded = SettingsStore(backend).loadAll();

    QCOMPARE(loaded.settings, (StoredSettings{20, 10, {}, {}, {}, {}}));
    QCOMPARE(loaded.firstError, std::nullopt);
}

void QSettingsBackendTest::saveAllReplacesCorruptFile()
{
    writeFile(CorruptBytes);
    QSettingsBackend backend;
    const SettingsStore store(backend);
    const StoredSettings settings{25, 12, "/se1.wav", {}, {}, {"/data/a.dat", {}, {}}};

    // Saved without a load before it, so the first write is the first to parse the file.
    QVERIFY(store.saveAll(settings));
    stampNewTime();

    QCOMPARE(store.loadAll().settings, settings);
}

void QSettingsBackendTest::unwritableFileReportsFailure_data()
{
    QTest::addColumn<bool>("folderIsAFile");

    // Both obstacles hold for root too, unlike permission bits.
    QTest::addRow("settings_file_is_a_folder") << false;
    QTest::addRow("settings_folder_is_a_file") << true;
}

void QSettingsBackendTest::unwritableFileReportsFailure()
{
    QFETCH(bool, folderIsAFile);
    if (folderIsAFile)
        QVERIFY(TestFiles::writeBytes(folderPath(), "not a folder"));
    else
        QVERIFY(QDir().mkpath(filePath()));
    QSettingsBackend backend;
    const SettingsStore store(backend);

    const LoadedSettings loaded = store.loadAll();
    QCOMPARE(loaded.settings, (StoredSettings{20, 10, {}, {}, {}, {}}));
    QCOMPARE(loaded.firstError, std::nullopt);

    const StoredSettings settings{25, 12, "/se1.wav", {}, {}, {"/data/a.dat", {}, {}}};
    QCOMPARE(store.saveAll(settings), Outcome<QString>(QString("'Sec' の設定に失敗しました")));
    QVERIFY(!backend.write("Hist2", QString("/data/c.dat")));
    QCOMPARE(backend.read("Hist2"), std::nullopt);
}

// As --data DIR starts the program: the settings go to DIR's INI file, in a folder made for it,
// and never to the user's own settings file.
void QSettingsBackendTest::dataFolderKeepsTheSettingsInItsOwnIniFile()
{
    QTemporaryDir data;
    const QString ini = data.filePath("usb/tazune/Tazune.ini");
    QSettingsBackend backend(ini);
    const SettingsStore store(backend);
    StoredSettings settings{25, 12, "/音/正解.wav", {}, {}, {"/データ/a.DAT", {}, {}}};
    settings.pupil = {"2組", "7", "花子"};

    QVERIFY(store.saveAll(settings));
    QVERIFY(store.savePupil(settings.pupil));

    QVERIFY(QFile::exists(ini));
    QVERIFY(!QFile::exists(filePath()));
    QSettingsBackend reopened(ini);
    QCOMPARE(SettingsStore(reopened).loadAll().settings, settings);
}

QTEST_GUILESS_MAIN(QSettingsBackendTest)
#include "QSettingsBackendTest.moc"
