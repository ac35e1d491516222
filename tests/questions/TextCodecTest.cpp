#include "questions/TextCodec.h"
#include "TestFiles.h"

#include <QTest>

using TestFiles::hex;

class TextCodecTest : public QObject
{
    Q_OBJECT

private slots:
    void roundTripsCp932_data();
    void roundTripsCp932();
    void refusesCharacterWithoutCp932Form_data();
    void refusesCharacterWithoutCp932Form();
    void validatesWithoutEncodingBack_data();
    void validatesWithoutEncodingBack();
    void takesJisFormsAsTheirCp932Twins_data();
    void takesJisFormsAsTheirCp932Twins();
    void canonicalFormIsWhatTheEncoderWrites_data();
    void canonicalFormIsWhatTheEncoderWrites();
};

void TextCodecTest::roundTripsCp932_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addRow("empty") << QString() << QByteArray();
    QTest::addRow("ascii") << QStringLiteral("yama") << QByteArray("yama");
    QTest::addRow("kanji") << QStringLiteral("山") << hex("8E 52");
    QTest::addRow("hiragana") << QStringLiteral("やま") << hex("82 E2 82 DC");
    QTest::addRow("katakana") << QStringLiteral("ヤマ") << hex("83 84 83 7D");
    QTest::addRow("half_width_katakana") << QStringLiteral("ｶﾀｶﾅ") << hex("B6 C0 B6 C5");
    QTest::addRow("sentence_with_full_stop")
        << QStringLiteral("今日は雨です。") << hex("8D A1 93 FA 82 CD 89 4A 82 C5 82 B7 81 42");
    QTest::addRow("full_width_space_and_hyphen")
        << QStringLiteral("　－　[") << hex("81 40 81 7C 81 40 5B");
}

void TextCodecTest::roundTripsCp932()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(TextCodec::encode(text), std::optional(bytes));
    QCOMPARE(TextCodec::decode(bytes), text);
}

void TextCodecTest::refusesCharacterWithoutCp932Form_data()
{
    QTest::addColumn<QString>("text");
    QTest::addRow("euro_sign") << QStringLiteral("€");
    QTest::addRow("emoji") << QStringLiteral("😀");
    QTest::addRow("emoji_between_kanji") << QStringLiteral("山😀川");
    QTest::addRow("hangul") << QStringLiteral("한");
    QTest::addRow("lone_surrogate") << QString(QChar(0xD800));
}

void TextCodecTest::refusesCharacterWithoutCp932Form()
{
    QFETCH(QString, text);
    QCOMPARE(TextCodec::encode(text), std::nullopt);
}

void TextCodecTest::validatesWithoutEncodingBack_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("valid");
    QTest::addRow("kanji_and_ascii") << hex("8E 52 61") << true;
    QTest::addRow("second_form_of_a_character") << hex("87 9A FA 5B") << true;
    QTest::addRow("user_defined_area") << hex("F0 40") << true;
    QTest::addRow("no_character_at_a0") << hex("61 A0 62") << false;
    QTest::addRow("unassigned_pair") << hex("85 40") << false;
    QTest::addRow("lead_byte_before_tab") << hex("81 09") << false;
    QTest::addRow("lead_byte_at_end") << hex("61 81") << false;
}

void TextCodecTest::validatesWithoutEncodingBack()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, valid);
    QCOMPARE(TextCodec::isValid(bytes), valid);
}

void TextCodecTest::takesJisFormsAsTheirCp932Twins_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addRow("wave_dash") << QStringLiteral("1〜9") << hex("31 81 60 39");
    QTest::addRow("minus_sign") << QStringLiteral("−5") << hex("81 7C 35");
    QTest::addRow("double_vertical_line") << QStringLiteral("‖") << hex("81 61");
    QTest::addRow("em_dash") << QStringLiteral("—") << hex("81 5C");
    QTest::addRow("cent_pound_not") << QStringLiteral("¢£¬") << hex("81 91 81 92 81 CA");
}

void TextCodecTest::takesJisFormsAsTheirCp932Twins()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(TextCodec::encode(text), std::optional(bytes));
}

void TextCodecTest::canonicalFormIsWhatTheEncoderWrites_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QByteArray>("canonical");
    QTest::addRow("plain_text_unchanged") << hex("8E 52 61") << hex("8E 52 61");
    QTest::addRow("nec_selected_ibm_kanji") << hex("EE E0") << hex("FB FC");
    QTest::addRow("nec_row_13_because") << hex("87 9A") << hex("81 E6");
    QTest::addRow("ibm_because") << hex("FA 5B") << hex("81 E6");
    QTest::addRow("ibm_roman_numeral_kept") << hex("FA 40") << hex("FA 40");
    QTest::addRow("nec_roman_numeral") << hex("EE EF") << hex("FA 40");
    QTest::addRow("inside_a_sentence") << hex("61 EE E0 62") << hex("61 FB FC 62");
    QTest::addRow("no_cp932_text_unchanged") << hex("EE E0 A0") << hex("EE E0 A0");
}

void TextCodecTest::canonicalFormIsWhatTheEncoderWrites()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QByteArray, canonical);
    QCOMPARE(TextCodec::canonical(bytes), canonical);
    if (TextCodec::isValid(bytes))
        QCOMPARE(TextCodec::encode(TextCodec::decode(bytes)), std::optional(canonical));
}

QTEST_GUILESS_MAIN(TextCodecTest)
#include "TextCodecTest.moc"
