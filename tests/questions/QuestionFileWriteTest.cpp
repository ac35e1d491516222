#include "FileSizeLimit.h"
#include "TestFiles.h"
#include "questions/QuestionFile.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

// Writing must never cost the user the previous file. The tests run as root, for whom permission
// bits stop nothing, so each failure here is one the kernel enforces for root too.
class QuestionFileWriteTest : public QObject
{
    Q_OBJECT

private slots:
    void writesNewFile();
    void replacesLongerFileCompletely();
    void failedWriteKeepsPreviousState_data();
    void failedWriteKeepsPreviousState();
};

namespace {

enum class Obstacle
{
    MissingFolder,
    TargetIsDirectory,
    ProcFolder,
    FileSizeLimit
};

// About 68 bytes per item: 40 items stay within one buffer of the file device, 1000 do not.
QuestionBank bankOfSize(int items)
{
    QuestionBank bank;
    for (int i = 0; i < items; ++i)
        bank.Add(i % QuestionBank::LevelCount, QByteArray(40, 'q'), QByteArray(20, 'a'));
    return bank;
}

QuestionBank smallBank()
{
    QuestionBank bank;
    bank.Add(0, "a", "b");
    return bank;
}

// The entries of the target's folder that start with the target's name: the target itself and
// any temporary file made beside it.
QStringList entriesNamedLike(const QString& target)
{
    const QFileInfo info(target);
    return QDir(info.path())
        .entryList({info.fileName() + '*'},
                   QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

} // namespace

void QuestionFileWriteTest::writesNewFile()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath("new.DAT");
    QVERIFY(QuestionFile::write(path, smallBank()));
    QCOMPARE(TestFiles::readBytes(path), QuestionFile::encode(smallBank()));
    QCOMPARE(entriesNamedLike(path), QStringList("new.DAT"));
}

void QuestionFileWriteTest::replacesLongerFileCompletely()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath("old.DAT");
    QVERIFY(TestFiles::writeBytes(path, QuestionFile::encode(bankOfSize(100))));
    QVERIFY(QuestionFile::write(path, smallBank()));
    QCOMPARE(TestFiles::readBytes(path), QuestionFile::encode(smallBank()));
}

void QuestionFileWriteTest::failedWriteKeepsPreviousState_data()
{
    QTest::addColumn<Obstacle>("obstacle");
    QTest::addColumn<int>("items");
    QTest::addRow("missing_folder") << Obstacle::MissingFolder << 40;
    QTest::addRow("target_is_directory") << Obstacle::TargetIsDirectory << 40;
    QTest::addRow("folder_under_proc") << Obstacle::ProcFolder << 40;
    QTest::addRow("file_size_limit_small_file") << Obstacle::FileSizeLimit << 40;
    QTest::addRow("file_size_limit_large_file") << Obstacle::FileSizeLimit << 1000;
}

void QuestionFileWriteTest::failedWriteKeepsPreviousState()
{
    QFETCH(Obstacle, obstacle);
    QFETCH(int, items);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QString target = dir.filePath("q.DAT");
    const QByteArray previous = QuestionFile::encode(smallBank());
    switch (obstacle) {
    case Obstacle::MissingFolder:
        target = dir.filePath("missing/q.DAT");
        break;
    case Obstacle::TargetIsDirectory:
        QVERIFY(QDir(dir.path()).mkdir("q.DAT"));
        break;
    case Obstacle::ProcFolder:
        if (!QFileInfo::exists("/proc/self/stat"))
            QSKIP("no proc file system mounted");
        target = QStringLiteral("/proc/tazune-%1.DAT").arg(QCoreApplication::applicationPid());
        break;
    case Obstacle::FileSizeLimit:
        QVERIFY(TestFiles::writeBytes(target, previous));
        break;
    }
    const QStringList entriesBefore = entriesNamedLike(target);

    QuestionFile::WriteOutcome written;
    if (obstacle == Obstacle::FileSizeLimit) {
        const FileSizeLimit limit(1024);
        QVERIFY(limit.active);
        written = QuestionFile::write(target, bankOfSize(items));
    } else {
        written = QuestionFile::write(target, bankOfSize(items));
    }

    QVERIFY(!written);
    QVERIFY(!written.failure().isEmpty());
    QCOMPARE(entriesNamedLike(target), entriesBefore);
    if (obstacle == Obstacle::FileSizeLimit)
        QCOMPARE(TestFiles::readBytes(target), previous);
    if (obstacle == Obstacle::TargetIsDirectory)
        QVERIFY(QFileInfo(target).isDir());
}

QTEST_GUILESS_MAIN(QuestionFileWriteTest)
#include "QuestionFileWriteTest.moc"
