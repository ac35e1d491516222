#include "speech/SpeechCache.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

void writeFile(const QString& path, qint64 size, qint64 secondsAgo)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(size, 'x'));
    file.flush();
    file.setFileTime(QDateTime::currentDateTimeUtc().addSecs(-secondsAgo),
                     QFileDevice::FileModificationTime);
}

} // namespace

class SpeechCacheTest : public QObject
{
    Q_OBJECT

private slots:
    void theKeyChangesWithWhatMakesTheSound()
    {
        const QString key = SpeechCache::keyOf("山", "m001", 1.0);
        QCOMPARE(SpeechCache::keyOf("山", "m001", 1.0), key);
        QVERIFY(SpeechCache::keyOf("川", "m001", 1.0) != key);
        QVERIFY(SpeechCache::keyOf("山", "other", 1.0) != key);
        QVERIFY(SpeechCache::keyOf("山", "m001", 1.5) != key);
        // Text and voice run into each other without a separator.
        QVERIFY(SpeechCache::keyOf("ab", "c", 1.0) != SpeechCache::keyOf("a", "bc", 1.0));
    }

    void theFilesUsedLongestAgoGoFirst()
    {
        QTemporaryDir folder;
        SpeechCache cache(folder.path(), 150);
        writeFile(cache.pathOf("old.wav"), 100, 300);
        writeFile(cache.pathOf("used.wav"), 100, 200);
        writeFile(cache.pathOf("new.wav"), 100, 100);
        // Using a file makes it the newest.
        QCOMPARE(cache.find("used.wav"), cache.pathOf("used.wav"));
        cache.trim();
        QVERIFY(!QFile::exists(cache.pathOf("old.wav")));
        QVERIFY(!QFile::exists(cache.pathOf("new.wav")));
        QVERIFY(QFile::exists(cache.pathOf("used.wav")));
    }

    void aFolderWithinItsLimitKeepsEverything()
    {
        QTemporaryDir folder;
        SpeechCache cache(folder.path(), 300);
        writeFile(cache.pathOf("a.wav"), 100, 20);
        writeFile(cache.pathOf("b.wav"), 200, 10);
        cache.trim();
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files).size(), 2);
    }

    void anEmptyFileIsNotASound()
    {
        QTemporaryDir folder;
        SpeechCache cache(folder.path());
        writeFile(cache.pathOf("empty.wav"), 0, 0);
        QCOMPARE(cache.find("empty.wav"), QString());
        QCOMPARE(cache.find("missing.wav"), QString());
    }

    void aFolderThatCannotBeMadeIsNotWritable()
    {
        QTemporaryDir folder;
        writeFile(folder.filePath("file"), 1, 0);
        QVERIFY(!SpeechCache(folder.filePath("file/speech")).prepare());
        QVERIFY(SpeechCache(folder.filePath("new/speech")).prepare());
    }
};

QTEST_GUILESS_MAIN(SpeechCacheTest)
#include "SpeechCacheTest.moc"
