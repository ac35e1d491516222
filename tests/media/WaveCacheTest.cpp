#include "media/WaveCache.h"
#include "TestFiles.h"
#include "WaveBytes.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using TestFiles::hex;
using TestFiles::writeBytes;

class WaveCacheTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void keptFileIsHeldWhileUnchanged();
    void changedFileIsReadAgain_data();
    void changedFileIsReadAgain();
    void fileNotKeptIsReadAtEachFetch();
    void keepReleasesFilesNoLongerNamed();
    void fileThatFailedIsTriedAgain();

private:
    QString path(const char* name) const { return dir->filePath(QString::fromLatin1(name)); }

    std::unique_ptr<QTemporaryDir> dir;
};

namespace {

const QByteArray Tone = WaveBytes::pcm(1, 8000, 16, hex("0100 0200"));

} // namespace

void WaveCacheTest::init()
{
    dir = std::make_unique<QTemporaryDir>();
    QVERIFY(dir->isValid());
}

void WaveCacheTest::keptFileIsHeldWhileUnchanged()
{
    QVERIFY(writeBytes(path("a.wav"), Tone));
    WaveCache cache;
    cache.keep({path("a.wav")});

    const WaveCache::Result first = cache.fetch(path("a.wav"));
    const WaveCache::Result second = cache.fetch(path("a.wav"));

    QVERIFY(first && second);
    QCOMPARE(*second, *first);
}

void WaveCacheTest::changedFileIsReadAgain_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<bool>("playable");

    QTest::addRow("grown") << "grown" << true;
    QTest::addRow("same_size_newer_time") << "touched" << true;
    QTest::addRow("damaged") << "damaged" << false;
    QTest::addRow("removed") << "removed" << false;
    QTest::addRow("replaced_by_folder") << "folder" << false;
}

void WaveCacheTest::changedFileIsReadAgain()
{
    QFETCH(QString, change);
    QFETCH(bool, playable);
    const QString file = path("a.wav");
    QVERIFY(writeBytes(file, Tone));
    WaveCache cache;
    cache.keep({file});
    const WaveCache::Sound before = *cache.fetch(file);
    QVERIFY(before);

    if (change == QLatin1String("grown")) {
        QVERIFY(writeBytes(file, WaveBytes::pcm(1, 8000, 16, hex("0100 0200 0300"))));
    } else if (change == QLatin1String("touched")) {
        QVERIFY(writeBytes(file, WaveBytes::pcm(1, 8000, 16, hex("0900 0900"))));
        QFile touched(file);
        QVERIFY(touched.open(QIODevice::ReadWrite));
        QVERIFY(touched.setFileTime(QDateTime::currentDateTime().addSecs(60),
                                    QFileDevice::FileModificationTime));
    } else if (change == QLatin1String("damaged")) {
        QVERIFY(writeBytes(file, Tone.left(30)));
    } else {
        QVERIFY(QFile::remove(file));
        if (change == QLatin1String("folder"))
            QVERIFY(QDir(dir->path()).mkdir(QStringLiteral("a.wav")));
    }
    const WaveCache::Result after = cache.fetch(file);

    QCOMPARE(bool(after), playable);
    if (!playable)
        QVERIFY(!after.failure().isEmpty());
    if (playable) {
        QVERIFY(*after != before);
        QVERIFY((*after)->samples != before->samples);
    }
}

void WaveCacheTest::fileNotKeptIsReadAtEachFetch()
{
    QVERIFY(writeBytes(path("a.wav"), Tone));
    QVERIFY(writeBytes(path("b.wav"), Tone));
    WaveCache cache;
    cache.keep({path("a.wav")});

    const WaveCache::Sound first = *cache.fetch(path("b.wav"));
    const WaveCache::Sound second = *cache.fetch(path("b.wav"));

    QVERIFY(first && second);
    QVERIFY(second != first);
}

void WaveCacheTest::keepReleasesFilesNoLongerNamed()
{
    QVERIFY(writeBytes(path("a.wav"), Tone));
    QVERIFY(writeBytes(path("b.wav"), Tone));
    WaveCache cache;
    cache.keep({path("a.wav"), path("b.wav")});
    const WaveCache::Sound a = *cache.fetch(path("a.wav"));
    const WaveCache::Sound b = *cache.fetch(path("b.wav"));

    cache.keep({path("b.wav")});

    QVERIFY(*cache.fetch(path("a.wav")) != a);
    QCOMPARE(*cache.fetch(path("b.wav")), b);
}

void WaveCacheTest::fileThatFailedIsTriedAgain()
{
    WaveCache cache;
    cache.keep({path("late.wav")});
    QVERIFY(!cache.fetch(path("late.wav")));

    QVERIFY(writeBytes(path("late.wav"), Tone));

    QVERIFY(cache.fetch(path("late.wav")));
}

QTEST_GUILESS_MAIN(WaveCacheTest)
#include "WaveCacheTest.moc"
