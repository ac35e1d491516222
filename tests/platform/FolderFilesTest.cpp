#include "platform/FolderFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

// A hand-in folder is written by anyone: whatever is put in it under a file's name must be read
// within its limits, or passed over, and never make the reader wait.
class FolderFilesTest : public QObject
{
    Q_OBJECT

private slots:
    void listsPlainFilesAndLinksToThemOnly()
    {
        QTemporaryDir folder;
        write(folder.filePath("花子.csv"), "a");
        write(folder.filePath(".hidden.csv"), "b");
        QVERIFY(QDir(folder.path()).mkdir("sub.csv"));
        QVERIFY(QFile::link(folder.filePath("花子.csv"), folder.filePath("link.csv")));
        QVERIFY(QFile::link(folder.filePath("nowhere"), folder.filePath("dangling.csv")));
        QCOMPARE(::mkfifo(QFile::encodeName(folder.filePath("pipe.csv")).constData(), 0600), 0);

        const FolderFiles files(folder.path());
        std::optional<QStringList> names = files.names();
        QVERIFY(names);
        names->sort();
        QCOMPARE(*names, (QStringList{".hidden.csv", "link.csv", "花子.csv"}));
    }

    void readsWithinTheLimitWithTheStampOfTheOpenFile_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<qint64>("mostBytes");
        QTest::addColumn<QByteArray>("read");
        QTest::addRow("whole") << QByteArray("組,番号") << qint64(100) << QByteArray("組,番号");
        QTest::addRow("empty") << QByteArray() << qint64(100) << QByteArray();
        QTest::addRow("at the limit") << QByteArray(8, 'x') << qint64(8) << QByteArray(8, 'x');
        QTest::addRow("over it: one byte more tells")
            << QByteArray(4096, 'x') << qint64(8) << QByteArray(9, 'x');
    }

    void readsWithinTheLimitWithTheStampOfTheOpenFile()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(qint64, mostBytes);
        QFETCH(QByteArray, read);
        QTemporaryDir folder;
        write(folder.filePath("a.csv"), bytes);

        const FolderFiles files(folder.path());
        const auto contents = files.read("a.csv", mostBytes);
        QVERIFY(contents);
        QCOMPARE(contents->bytes, read);
        QCOMPARE(contents->stamp.size, bytes.size());
        QCOMPARE(files.stamp("a.csv"), std::optional(contents->stamp));
        const QDateTime modified = QFileInfo(folder.filePath("a.csv")).lastModified();
        QCOMPARE(contents->stamp.modifiedMs, modified.toMSecsSinceEpoch());
    }

    void refusesWhatIsNotAPlainFile()
    {
        QTemporaryDir folder;
        QVERIFY(QDir(folder.path()).mkdir("sub.csv"));
        QCOMPARE(::mkfifo(QFile::encodeName(folder.filePath("pipe.csv")).constData(), 0600), 0);

        const FolderFiles files(folder.path());
        for (const char* name : {"sub.csv", "pipe.csv", "gone.csv"}) {
            const auto contents = files.read(name, 100);
            QVERIFY2(!contents, name);
            QVERIFY(!contents.failure().isEmpty());
        }
        QCOMPARE(files.stamp("gone.csv"), std::nullopt);
    }

    void aFolderOutOfReachListsNothing()
    {
        QTemporaryDir folder;
        write(folder.filePath("file"), "x");
        for (const QString& path :
             {folder.filePath("missing"), folder.filePath("file"), QString()}) {
            const FolderFiles files(path);
            QVERIFY(!files.isOpen());
            QCOMPARE(files.names(), std::nullopt);
            QVERIFY(!files.read("file", 10));
        }
    }

private:
    static void write(const QString& path, const QByteArray& bytes)
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(bytes), bytes.size());
    }
};

QTEST_GUILESS_MAIN(FolderFilesTest)
#include "FolderFilesTest.moc"
