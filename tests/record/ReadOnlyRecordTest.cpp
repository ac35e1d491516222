#include "ProductInfo.h"
#include "RecordQuery.h"
#include "TestFiles.h"
#include "record/SqlLearningRecord.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

// The record as tazune-data reads it: read only, beside a running program or after it.
class ReadOnlyRecordTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void readsBesideAWriterThatHoldsItOpen();
    void readsAClosedRecordWithoutChangingIt();
    void missingRecordIsNotCreated();
    void unreadableRecordIsLeftAsItIs_data();
    void unreadableRecordIsLeftAsItIs();
    void defaultPathIsTheProgramsForAnyProgram();

private:
    QString path() const { return folder->filePath(QStringLiteral("record.sqlite")); }
    QStringList entries() const
    {
        return QDir(folder->path())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }
    std::unique_ptr<QTemporaryDir> folder;
};

namespace {

const QDateTime Now = QDateTime(QDate(2026, 3, 1), QTime(12, 0), Qt::UTC);

bool playOneGame(SqlLearningRecord& record)
{
    const std::optional<qint64> game = record.beginGame(
        {{QStringLiteral("/data/Q1.DAT"), QByteArray(32, '\x01')}, 0, 20, 10, false, Now});
    const ReportInputs inputs{20, 10, 7, 215, 515};
    return game && record.recordAnswer(*game, {{"Q", "a"}, std::nullopt, "x", Now, {}, {}}) &&
           record.finishGame(*game, {inputs, ReportFigures::texts(inputs), Now});
}

QByteArray hashOf(const QString& path)
{
    return QCryptographicHash::hash(TestFiles::readBytes(path), QCryptographicHash::Sha256);
}

} // namespace

void ReadOnlyRecordTest::init()
{
    folder = std::make_unique<QTemporaryDir>();
    QVERIFY(folder->isValid());
}

void ReadOnlyRecordTest::readsBesideAWriterThatHoldsItOpen()
{
    SqlLearningRecord writer(path());
    QCOMPARE(writer.open(), LearningRecord::OpenOutcome::Opened);
    QVERIFY(playOneGame(writer));
    QVERIFY(QFileInfo::exists(path() + "-shm"));

    SqlLearningRecord reader(path(), SqlLearningRecord::Access::ReadOnly);
    QCOMPARE(reader.open(), LearningRecord::OpenOutcome::Opened);
    QCOMPARE(reader.finishedGames({}).size(), 1);
    QCOMPARE(reader.timeOutsOf({}).size(), 1);

    QVERIFY(playOneGame(writer));
    QCOMPARE(reader.finishedGames({}).size(), 2);
    QCOMPARE(reader.beginGame({}), std::nullopt);
    QVERIFY(!reader.clear());
    QCOMPARE(writer.finishedGames({}).size(), 2);
}

void ReadOnlyRecordTest::readsAClosedRecordWithoutChangingIt()
{
    {
        SqlLearningRecord writer(path());
        QCOMPARE(writer.open(), LearningRecord::OpenOutcome::Opened);
        QVERIFY(playOneGame(writer));
    }
    const QStringList before = entries();
    const QByteArray hash = hashOf(path());
    {
        SqlLearningRecord reader(path(), SqlLearningRecord::Access::ReadOnly);
        QCOMPARE(reader.open(), LearningRecord::OpenOutcome::Opened);
        QCOMPARE(reader.finishedGames({}).size(), 1);
    }
    QCOMPARE(entries(), before);
    QCOMPARE(hashOf(path()), hash);
}

void ReadOnlyRecordTest::missingRecordIsNotCreated()
{
    SqlLearningRecord reader(folder->filePath(QStringLiteral("sub/record.sqlite")),
                             SqlLearningRecord::Access::ReadOnly);
    QCOMPARE(reader.open(), LearningRecord::OpenOutcome::Unavailable);
    QVERIFY(reader.finishedGames({}).isEmpty());
    QVERIFY(entries().isEmpty());
}

void ReadOnlyRecordTest::unreadableRecordIsLeftAsItIs_data()
{
    QTest::addColumn<QString>("statement");
    QTest::addRow("newer_schema") << "PRAGMA user_version=99";
    QTest::addRow("empty_database") << "PRAGMA user_version=0";
    QTest::addRow("not_a_database") << "";
}

void ReadOnlyRecordTest::unreadableRecordIsLeftAsItIs()
{
    QFETCH(QString, statement);
    if (statement.isEmpty()) {
        QVERIFY(TestFiles::writeBytes(path(), QByteArray(4096, 'x')));
    } else {
        SqlLearningRecord writer(path());
        QCOMPARE(writer.open(), LearningRecord::OpenOutcome::Opened);
        RecordQuery::row(path(), statement);
    }
    const QStringList before = entries();
    const QByteArray hash = hashOf(path());
    SqlLearningRecord reader(path(), SqlLearningRecord::Access::ReadOnly);
    QCOMPARE(reader.open(), LearningRecord::OpenOutcome::Unavailable);
    QCOMPARE(reader.rescue(), std::nullopt);
    QCOMPARE(entries(), before);
    QCOMPARE(hashOf(path()), hash);
}

void ReadOnlyRecordTest::defaultPathIsTheProgramsForAnyProgram()
{
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(ProductInfo::Organisation);
    QCoreApplication::setApplicationName(ProductInfo::Application);
    const QString programs = QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
                                 .filePath(QStringLiteral("record.sqlite"));
    QCoreApplication::setOrganizationName(QString());
    QCoreApplication::setApplicationName(QStringLiteral("tazune-data"));
    QCOMPARE(SqlLearningRecord::defaultPath(), programs);
}

QTEST_GUILESS_MAIN(ReadOnlyRecordTest)
#include "ReadOnlyRecordTest.moc"
