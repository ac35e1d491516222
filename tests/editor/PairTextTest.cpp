#include "editor/PairText.h"

#include <QTest>

class PairTextTest : public QObject
{
    Q_OBJECT

private slots:
    void firstUnsavableCharacter_data();
    void firstUnsavableCharacter();
    void encode_data();
    void encode();
};

void PairTextTest::firstUnsavableCharacter_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("named"); // empty: the file can hold the whole text
    QTest::addRow("empty") << QString() << QString();
    QTest::addRow("kanji_kana_half_width") << QStringLiteral("山やまｶﾀ") << QString();
    QTest::addRow("umlaut") << QStringLiteral("schön") << QStringLiteral("ö");
    QTest::addRow("first_of_two") << QStringLiteral("€ö") << QStringLiteral("€");
    QTest::addRow("emoji_named_whole") << QStringLiteral("山😀") << QStringLiteral("😀");
    QTest::addRow("lone_high_surrogate") << QString(QChar(0xD83D)) + "a" << QString(QChar(0xD83D));
}

void PairTextTest::firstUnsavableCharacter()
{
    QFETCH(QString, text);
    QFETCH(QString, named);
    const std::optional<QString> found = PairText::firstUnsavableCharacter(text);
    QCOMPARE(found.value_or(QString()), named);
}

void PairTextTest::encode_data()
{
    QTest::addColumn<QString>("question");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QByteArray>("bytes"); // question, a slash, answer
    QTest::addColumn<QString>("refusal");
    QTest::addRow("both_savable") << QStringLiteral("山") << QStringLiteral("yama")
                                  << QByteArray("\x8E\x52/yama") << QString();
    QTest::addRow("both_empty") << QString() << QString() << QByteArray("/") << QString();
    QTest::addRow("answer_refused") << QStringLiteral("山") << QStringLiteral("한") << QByteArray()
                                    << QStringLiteral("「한」はファイルに保存できない文字です");
    QTest::addRow("question_named_first")
        << QStringLiteral("ö") << QStringLiteral("€") << QByteArray()
        << QStringLiteral("「ö」はファイルに保存できない文字です");
}

void PairTextTest::encode()
{
    QFETCH(QString, question);
    QFETCH(QString, answer);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, refusal);
    const PairText::Encoded encoded = PairText::encode(question, answer);
    QCOMPARE(encoded.refusal, refusal);
    QCOMPARE(encoded.item.has_value(), refusal.isEmpty());
    if (encoded.item)
        QCOMPARE(encoded.item->question + '/' + encoded.item->answer, bytes);
}

QTEST_GUILESS_MAIN(PairTextTest)
#include "PairTextTest.moc"
