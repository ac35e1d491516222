#include "settings/SettingsStore.h"

#include "MemorySettingsBackend.h"

#include <QTest>

#include <limits>

class SettingsStoreTest : public QObject
{
    Q_OBJECT

private slots:
    void emptyStoreGivesDefaultsInReadOrder();
    void saveAllWritesEveryValueInWriteOrder();
    void savedValuesLoadBack();
    void integersAreTakenAsStored_data();
    void integersAreTakenAsStored();
    void badIntegerGivesDefaultAndMessage_data();
    void badIntegerGivesDefaultAndMessage();
    void firstBadIntegerNamesTheMessage();
    void textOfAnotherTypeGivesEmptyTextSilently_data();
    void textOfAnotherTypeGivesEmptyTextSilently();
    void failedWriteDoesNotStopTheOthers();
    void savePupilWritesOnlyThePupil();
    void rangedValueReadsBackOrGivesDefault_data();
    void rangedValueReadsBackOrGivesDefault();
};

namespace {

constexpr qint32 Min = std::numeric_limits<qint32>::min();
constexpr qint32 Max = std::numeric_limits<qint32>::max();

const QStringList ReviewNames{"ReviewRetention", "ReviewMaxDays", "ReviewNewPerDay",
                              "ReviewWeights",   "Furigana",      "ByReading"};
const QStringList PupilNames{"PupilClass", "PupilNumber", "PupilName"};
const QStringList SpeechNames{"ReadAloud", "SpeechSpeed", "SpeechVoice"};
const QStringList ReadOrder =
    QStringList{"Sec", "Cnt", "SE1", "SE2", "SE3", "Hist0", "Hist1", "Hist2", "Romaji", "Learner"} +
    ReviewNames + PupilNames + SpeechNames;
const QStringList WriteOrder =
    QStringList{"Sec", "Cnt", "Hist0", "Hist1", "Hist2", "SE1", "SE2", "SE3", "Romaji", "Learner"} +
    ReviewNames + SpeechNames;
const QString FittedWeights = QStringLiteral("0.212, 1.2931, 2.3065, 8.2956, 6.4133, 0.8334, "
                                             "3.0194, 0.001, 1.8722, 0.1666, 0.796, 1.4835, "
                                             "0.0614, 0.2629, 1.6483, 0.6014, 1.8729, 0.5425, "
                                             "0.0912, 0.0658, 0.1542");

StoredSettings someSettings()
{
    StoredSettings settings{
        30,
        15,
        QStringLiteral("/音/正解.wav"),
        QStringLiteral("/音/ミス.wav"),
        QStringLiteral("/音/時間切れ.wav"),
        {QStringLiteral("/データ/漢字.DAT"), QStringLiteral("/data/b.dat"), QString()}};
    settings.romajiInput = true;
    settings.learnerName = QStringLiteral("山田 花子");
    settings.review.retention = 0.85;
    settings.review.maximumIntervalDays = 180;
    settings.review.newPairsPerDay = 0;
    settings.review.weights[0] = 0.123456789;
    settings.review.weights[20] = 0.8;
    settings.speech = {true, 1.5, QStringLiteral("/声/my.htsvoice")};
    return settings;
}

} // namespace

void SettingsStoreTest::emptyStoreGivesDefaultsInReadOrder()
{
    MemorySettingsBackend backend;

    const LoadedSettings loaded = SettingsStore(backend).loadAll();

    QCOMPARE(backend.reads, ReadOrder);
    QCOMPARE(loaded.settings, (StoredSettings{20, 10, {}, {}, {}, {}}));
    QCOMPARE(loaded.firstError, std::nullopt);
}

void SettingsStoreTest::saveAllWritesEveryValueInWriteOrder()
{
    MemorySettingsBackend backend;
    StoredSettings settings = someSettings();

    QVERIFY(SettingsStore(backend).saveAll(settings));

    QCOMPARE(backend.writes, WriteOrder);
    QCOMPARE(backend.values.value("Sec"), QVariant(QStringLiteral("30")));
    QCOMPARE(backend.values.value("Cnt"), QVariant(QStringLiteral("15")));
    QCOMPARE(backend.values.value("SE2"), QVariant(QStringLiteral("/音/ミス.wav")));
    QCOMPARE(backend.values.value("Hist0"), QVariant(QStringLiteral("/データ/漢字.DAT")));
    // Empty texts are written too, as texts.
    QCOMPARE(backend.values.value("Hist2"), QVariant(QString()));
}

void SettingsStoreTest::savedValuesLoadBack()
{
    MemorySettingsBackend backend;
    const SettingsStore store(backend);
    const StoredSettings settings = someSettings();

    store.saveAll(settings);
    const LoadedSettings loaded = store.loadAll();

    QCOMPARE(loaded.settings, settings);
    QCOMPARE(loaded.firstError, std::nullopt);
}

void SettingsStoreTest::integersAreTakenAsStored_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<qint32>("expected");

    QTest::addRow("integer") << QVariant(qint32(25)) << 25;
    QTest::addRow("above_the_dialog_range") << QVariant(qint32(150)) << 150;
    QTest::addRow("zero") << QVariant(qint32(0)) << 0;
    QTest::addRow("negative") << QVariant(qint32(-5)) << -5;
    QTest::addRow("smallest") << QVariant(Min) << Min;
    QTest::addRow("text") << QVariant("25") << 25;
    QTest::addRow("text_above_the_dialog_range") << QVariant("150") << 150;
    QTest::addRow("text_negative") << QVariant("-5") << -5;
    QTest::addRow("text_plus_sign") << QVariant("+7") << 7;
    QTest::addRow("text_leading_zeros") << QVariant("0020") << 20;
    QTest::addRow("text_largest") << QVariant("2147483647") << Max;
    QTest::addRow("text_smallest") << QVariant("-2147483648") << Min;
}

void SettingsStoreTest::integersAreTakenAsStored()
{
    QFETCH(QVariant, stored);
    QFETCH(qint32, expected);

    MemorySettingsBackend backend;
    backend.values.insert("Sec", stored);
    backend.values.insert("Cnt", stored);

    const LoadedSettings loaded = SettingsStore(backend).loadAll();

    QCOMPARE(loaded.settings.drill.secondsPerQuestion, expected);
    QCOMPARE(loaded.settings.drill.questionsPerGame, expected);
    QCOMPARE(loaded.firstError, std::nullopt);
}

void SettingsStoreTest::badIntegerGivesDefaultAndMessage_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QVariant>("stored");

    const QList<std::pair<const char*, QVariant>> bad{
        {"letters", QVariant("abc")},
        {"empty_text", QVariant("")},
        {"eleven_digits", QVariant("99999999999")},
        {"just_above_largest", QVariant("2147483648")},
        {"just_below_smallest", QVariant("-2147483649")},
        {"twenty_digits", QVariant("99999999999999999999")},
        {"sign_only", QVariant("-")},
        {"plus_only", QVariant("+")},
        {"two_signs", QVariant("--5")},
        {"leading_space", QVariant(" 20")},
        {"trailing_space", QVariant("20 ")},
        {"hexadecimal", QVariant("0x14")},
        {"fraction", QVariant("20.0")},
        {"full_width_digits", QVariant("２０")},
        {"wide_integer", QVariant(qint64(99999999999))},
        {"wide_integer_in_range", QVariant(qint64(20))},
        {"real", QVariant(20.0)},
        {"boolean", QVariant(true)},
        {"bytes", QVariant(QByteArray("20"))},
        {"list", QVariant(QStringList{"20", "30"})},
        {"invalid", QVariant()},
    };
    for (const char* name : {"Sec", "Cnt"}) {
        for (const auto& [row, stored] : bad)
            QTest::addRow("%s_%s", name, row) << QString(name) << stored;
    }
}

void SettingsStoreTest::badIntegerGivesDefaultAndMessage()
{
    QFETCH(QString, name);
    QFETCH(QVariant, stored);

    MemorySettingsBackend backend;
    backend.values.insert("Sec", qint32(45));
    backend.values.insert("Cnt", qint32(55));
    backend.values.insert(name, stored);

    const LoadedSettings loaded = SettingsStore(backend).loadAll();

    QCOMPARE(loaded.settings.drill.secondsPerQuestion, name == "Sec" ? 20 : 45);
    QCOMPARE(loaded.settings.drill.questionsPerGame, name == "Cnt" ? 10 : 55);
    QCOMPARE(loaded.firstError, std::optional(QString("'%1' のデータ型が不正です").arg(name)));
}

void SettingsStoreTest::firstBadIntegerNamesTheMessage()
{
    MemorySettingsBackend backend;
    backend.values.insert("Sec", "abc");
    backend.values.insert("Cnt", "def");
    backend.values.insert("Hist2", "/data/c.dat");

    const LoadedSettings loaded = SettingsStore(backend).loadAll();

    QCOMPARE(loaded.firstError, std::optional(QString("'Sec' のデータ型が不正です")));
    QCOMPARE(loaded.settings.drill.questionsPerGame, 10);
    // The values after a bad one are still read.
    QCOMPARE(backend.reads, ReadOrder);
    QCOMPARE(loaded.settings.recent[2], QString("/data/c.dat"));
}

void SettingsStoreTest::textOfAnotherTypeGivesEmptyTextSilently_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QVariant>("stored");

    QTest::addRow("list_in_SE1") << "SE1" << QVariant(QStringList{"/a", "b.wav"});
    QTest::addRow("integer_in_SE3") << "SE3" << QVariant(qint32(5));
    QTest::addRow("bytes_in_Hist0") << "Hist0" << QVariant(QByteArray("/data/a.dat"));
    QTest::addRow("integer_in_Hist1") << "Hist1" << QVariant(qint32(1));
    QTest::addRow("invalid_in_Hist2") << "Hist2" << QVariant();
}

void SettingsStoreTest::textOfAnotherTypeGivesEmptyTextSilently()
{
    QFETCH(QString, name);
    QFETCH(QVariant, stored);

    MemorySettingsBackend backend;
    const SettingsStore store(backend);
    StoredSettings expected = someSettings();
    store.saveAll(expected);
    backend.values.insert(name, stored);

    const LoadedSettings loaded = store.loadAll();

    const QStringList texts{"SE1", "SE2", "SE3", "Hist0", "Hist1", "Hist2"};
    QString* fields[] = {&expected.drill.correctSound, &expected.drill.mistakeSound,
                         &expected.drill.timeOutSound, &expected.recent[0],
                         &expected.recent[1],          &expected.recent[2]};
    fields[texts.indexOf(name)]->clear();
    QCOMPARE(loaded.settings, expected);
    QCOMPARE(loaded.firstError, std::nullopt);
}

void SettingsStoreTest::failedWriteDoesNotStopTheOthers()
{
    MemorySettingsBackend backend;
    backend.failingWrites = {"Cnt", "SE1"};
    const StoredSettings settings = someSettings();

    const Outcome<QString> saved = SettingsStore(backend).saveAll(settings);

    QCOMPARE(saved, Outcome<QString>(QString("'Cnt' の設定に失敗しました")));
    QCOMPARE(backend.writes, WriteOrder);
    QCOMPARE(backend.values.value("Sec"), QVariant(QStringLiteral("30")));
    QCOMPARE(backend.values.value("Hist0"), QVariant(settings.recent[0]));
    QCOMPARE(backend.values.value("SE3"), QVariant(settings.drill.timeOutSound));
    QVERIFY(!backend.values.contains("Cnt"));
    QVERIFY(!backend.values.contains("SE1"));
}

// Read, then written back as the text it is stored as; a damaged value gives its default.
void SettingsStoreTest::rangedValueReadsBackOrGivesDefault_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<QString>("written");
    QTest::addColumn<bool>("damaged");

    QTest::addRow("romaji_missing") << "Romaji" << QVariant() << "0" << false;
    QTest::addRow("romaji_zero") << "Romaji" << QVariant(qint32(0)) << "0" << false;
    QTest::addRow("romaji_one") << "Romaji" << QVariant(qint32(1)) << "1" << false;
    QTest::addRow("romaji_text_one") << "Romaji" << QVariant("1") << "1" << false;
    QTest::addRow("romaji_text_zero") << "Romaji" << QVariant("0") << "0" << false;
    QTest::addRow("romaji_two") << "Romaji" << QVariant(qint32(2)) << "0" << true;
    QTest::addRow("romaji_minus_one") << "Romaji" << QVariant(qint32(-1)) << "0" << true;
    QTest::addRow("romaji_text_true") << "Romaji" << QVariant("true") << "0" << true;
    QTest::addRow("romaji_boolean") << "Romaji" << QVariant(true) << "0" << true;
    QTest::addRow("romaji_empty_text") << "Romaji" << QVariant("") << "0" << true;

    const QString retention = "ReviewRetention";
    QTest::addRow("retention_missing") << retention << QVariant() << "0.9" << false;
    QTest::addRow("retention_text") << retention << QVariant("0.85") << "0.85" << false;
    QTest::addRow("retention_real") << retention << QVariant(0.8) << "0.8" << false;
    QTest::addRow("retention_lowest") << retention << QVariant("0.7") << "0.7" << false;
    QTest::addRow("retention_highest") << retention << QVariant("0.97") << "0.97" << false;
    QTest::addRow("retention_below") << retention << QVariant("0.69") << "0.9" << true;
    QTest::addRow("retention_above") << retention << QVariant("0.98") << "0.9" << true;
    QTest::addRow("retention_percent") << retention << QVariant("90") << "0.9" << true;
    QTest::addRow("retention_nan") << retention << QVariant("nan") << "0.9" << true;
    QTest::addRow("retention_letters") << retention << QVariant("abc") << "0.9" << true;
    QTest::addRow("retention_list")
        << retention << QVariant(QStringList{"0", "9"}) << "0.9" << true;

    QTest::addRow("speed_slowest") << "SpeechSpeed" << QVariant("0.5") << "0.5" << false;
    QTest::addRow("speed_fastest") << "SpeechSpeed" << QVariant(2.0) << "2" << false;
    QTest::addRow("speed_below") << "SpeechSpeed" << QVariant("0.4") << "1" << true;
    QTest::addRow("speed_above") << "SpeechSpeed" << QVariant("2.5") << "1" << true;
    QTest::addRow("read_aloud_two") << "ReadAloud" << QVariant("2") << "0" << true;

    QTest::addRow("furigana_after_miss") << "Furigana" << QVariant("2") << "2" << false;
    QTest::addRow("furigana_unknown_choice") << "Furigana" << QVariant("3") << "0" << true;

    const QString longest = "ReviewMaxDays";
    QTest::addRow("longest_missing") << longest << QVariant() << "365" << false;
    QTest::addRow("longest_one_day") << longest << QVariant("1") << "1" << false;
    QTest::addRow("longest_hundred_years")
        << longest << QVariant(qint32(36500)) << "36500" << false;
    QTest::addRow("longest_zero") << longest << QVariant("0") << "365" << true;
    QTest::addRow("longest_above") << longest << QVariant("36501") << "365" << true;
    QTest::addRow("longest_fraction") << longest << QVariant("30.5") << "365" << true;

    const QString fresh = "ReviewNewPerDay";
    QTest::addRow("new_missing") << fresh << QVariant() << "10" << false;
    QTest::addRow("new_none") << fresh << QVariant("0") << "0" << false;
    QTest::addRow("new_most") << fresh << QVariant("999") << "999" << false;
    QTest::addRow("new_negative") << fresh << QVariant("-1") << "10" << true;
    QTest::addRow("new_above") << fresh << QVariant("1000") << "10" << true;

    const QString weights = "ReviewWeights";
    QString spaced = FittedWeights;
    spaced.remove(u',');
    QString changed = FittedWeights;
    changed.replace(QStringLiteral("0.212,"), QStringLiteral("0.4,"));
    QString outOfRange = FittedWeights;
    outOfRange.replace(QStringLiteral("6.4133"), QStringLiteral("12"));
    QTest::addRow("weights_missing") << weights << QVariant() << FittedWeights << false;
    QTest::addRow("weights_one_changed") << weights << QVariant(changed) << changed << false;
    QTest::addRow("weights_spaces_only") << weights << QVariant(spaced) << FittedWeights << false;
    // A settings file edited by hand with the line unquoted reads back as a list.
    QTest::addRow("weights_unquoted")
        << weights << QVariant(changed.split(QStringLiteral(", "))) << changed << false;
    QTest::addRow("weights_twenty")
        << weights << QVariant(FittedWeights.section(u',', 0, 19)) << FittedWeights << true;
    QTest::addRow("weights_out_of_range")
        << weights << QVariant(outOfRange) << FittedWeights << true;
    QTest::addRow("weights_integer") << weights << QVariant(qint32(1)) << FittedWeights << true;
}

void SettingsStoreTest::rangedValueReadsBackOrGivesDefault()
{
    QFETCH(QString, name);
    QFETCH(QVariant, stored);
    QFETCH(QString, written);
    QFETCH(bool, damaged);

    MemorySettingsBackend backend;
    if (stored.isValid())
        backend.values.insert(name, stored);

    const LoadedSettings loaded = SettingsStore(backend).loadAll();

    const QString typeError = QStringLiteral("'%1' のデータ型が不正です").arg(name);
    QCOMPARE(loaded.firstError, damaged ? std::optional(typeError) : std::nullopt);
    SettingsStore(backend).saveAll(loaded.settings);
    QCOMPARE(backend.values.value(name), QVariant(written));
}

// The pupil is written on its own, and a later save of everything else leaves it as it is.
void SettingsStoreTest::savePupilWritesOnlyThePupil()
{
    MemorySettingsBackend backend;
    const SettingsStore store(backend);
    store.saveAll(someSettings());
    backend.writes.clear();

    QVERIFY(store.savePupil({"1組", "3", "次郎"}));
    QCOMPARE(backend.writes, PupilNames);
    QVERIFY(store.saveAll(someSettings()));

    StoredSettings expected = someSettings();
    expected.pupil = {"1組", "3", "次郎"};
    QCOMPARE(store.loadAll().settings, expected);
}

QTEST_APPLESS_MAIN(SettingsStoreTest)
#include "SettingsStoreTest.moc"
