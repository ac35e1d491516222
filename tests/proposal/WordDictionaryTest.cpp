#include "proposal/WordDictionary.h"

#include <QTemporaryDir>
#include <QTest>

#include "TestFiles.h"

class WordDictionaryTest : public QObject
{
    Q_OBJECT

private slots:
    void commonReadingsComeFirst();
    void readsTheFileInEucJp();
};

// Lines as the file has them: rare readings before common ones, a kana headword, a line of the
// file's own header and a line cut short.
const QString Lines = QStringLiteral("　？？？ /EDICT, EDICT_SUB(P)/Created: 2021-02-03/\n"
                                     "今日 [こんじつ] /(n-t) today/\n"
                                     "今日 [きょう] /(n-t) today/this day/(P)/\n"
                                     "今日 [こんにち] /(n-t) (1) today/(P)/\n"
                                     "上手 [うわて] /(adj-na,n) (1) upper part/\n"
                                     "上手 [かみて] /(adj-na,n) (1) upper part/\n"
                                     "すし /(n) sushi/(P)/\n"
                                     "寿司 [すし\n");

void WordDictionaryTest::commonReadingsComeFirst()
{
    const WordDictionary dictionary = WordDictionary::parse(Lines);

    const std::optional<WordDictionary::Entry> today = dictionary.find(u"今日");
    QVERIFY(today);
    QCOMPARE(today->readings, (QStringList{"きょう", "こんにち", "こんじつ"}));
    QCOMPARE(today->common, 2);
    const std::optional<WordDictionary::Entry> upper = dictionary.find(u"上手");
    QVERIFY(upper);
    QCOMPARE(upper->readings, (QStringList{"うわて", "かみて"}));
    QCOMPARE(upper->common, 0);
    QVERIFY(!dictionary.find(u"すし"));
    QVERIFY(!dictionary.find(u"寿司"));
}

void WordDictionaryTest::readsTheFileInEucJp()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("edict"));
    // 今日 [きょう] /today/(P)/ in EUC-JP.
    QVERIFY(TestFiles::writeBytes(path, TestFiles::hex("BA A3 C6 FC 20 5B A4 AD A4 E7 A4 A6 5D "
                                                       "20 2F 74 6F 64 61 79 2F 28 50 29 2F 0A")));
    QString error;
    const std::optional<WordDictionary> dictionary = WordDictionary::read(path, error);
    QVERIFY(dictionary);
    QCOMPARE(dictionary->find(u"今日")->readings, QStringList{"きょう"});

    QVERIFY(!WordDictionary::read(dir.filePath(QStringLiteral("missing")), error));
    QVERIFY(error.contains(QStringLiteral("missing")));
}

QTEST_APPLESS_MAIN(WordDictionaryTest)
#include "WordDictionaryTest.moc"
