#include "TestFiles.h"

#include <QDir>
#include <QTest>

#include <cstdint>

// The fuzzer this program is built with; it aborts on any input that breaks one of its checks.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

// Replays a fuzzer's seed corpus through its own checks under the ordinary compiler and in the
// sanitizer build. Every file found is a row, so a seed or a finding added later is replayed too.
class FuzzReplayTest : public QObject
{
    Q_OBJECT

private slots:
    void seedPassesTheChecks_data();
    void seedPassesTheChecks();
};

namespace {

QDir corpus()
{
    return QDir(QStringLiteral(TAZUNE_FUZZ_CORPUS_DIR));
}

} // namespace

void FuzzReplayTest::seedPassesTheChecks_data()
{
    QTest::addColumn<QString>("name");
    const QStringList names = corpus().entryList(QDir::Files, QDir::Name);
    QVERIFY(!names.isEmpty());
    for (const QString& name : names)
        QTest::newRow(qPrintable(name)) << name;
}

void FuzzReplayTest::seedPassesTheChecks()
{
    QFETCH(QString, name);
    const QByteArray bytes = TestFiles::readBytes(corpus().filePath(name));
    QCOMPARE(LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.constData()),
                                    size_t(bytes.size())),
             0);
}

QTEST_GUILESS_MAIN(FuzzReplayTest)
#include "FuzzReplayTest.moc"
