#include "editor/PairText.h"

#include <QTest>

class PairTextTest : public QObject
{
    Q_OBJECT

private slots:
    void encode_data();
    void encode();
};

void PairTextTest::encode_data()
{
    QTest::addColumn<QString>("question");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QByteArray>("bytes"); // question, a slash, answer
    QTest::addColumn<QString>("named");    // the character refused, if any
    QTest::addRow("kanji_and_ascii") << "山"
                                     << "yama" << QByteArray("\x8E\x52/yama") << "";
    QTest::addRow("both_empty") << ""
                                << "" << QByteArray("/") << "";
    QTest::addRow("half_width_kana") << "ｶﾀ"
                                     << "" << QByteArray("\xB6\xC0/") << "";
    QTest::addRow("jis_wave_dash_and_minus_as_typed") << "1〜9"
                                                      << "−5"
                                                      << QByteArray("1\x81\x60"
                                                                    "9/\x81\x7C"
                                                                    "5")
                                                      << "";
    QTest::addRow("umlaut_in_answer") << "山"
                                      << "schön" << QByteArray() << "ö";
    QTest::addRow("first_of_two_in_a_text") << "€ö"
                                            << "" << QByteArray() << "€";
    QTest::addRow("question_before_answer") << "한"
                                            << "ö" << QByteArray() << "한";
    QTest::addRow("emoji_named_whole") << "山😀"
                                       << "" << QByteArray() << "😀";
    QTest::addRow("lone_high_surrogate") << QString(QChar(0xD83D)) + "a"
                                         << "" << QByteArray() << QString(QChar(0xD83D));
}

void PairTextTest::encode()
{
    QFETCH(QString, question);
    QFETCH(QString, answer);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, named);
    const PairText::Encoded encoded = PairText::encode(question, answer);
    if (named.isEmpty()) {
        QVERIFY(encoded.item);
        QCOMPARE(encoded.item->question + '/' + encoded.item->answer, bytes);
    } else {
        QVERIFY(!encoded.item);
        QCOMPARE(encoded.refusal, "「" + named + "」はファイルに保存できない文字です");
    }
}

QTEST_GUILESS_MAIN(PairTextTest)
#include "PairTextTest.moc"
