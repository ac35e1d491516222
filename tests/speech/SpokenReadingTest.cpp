#include "speech/SpokenReading.h"
#include "questions/TextCodec.h"
#include "readings/PairReading.h"

#include <QTest>

namespace {

// A trace as the synthesiser writes it: its text analysis, one word a line, then the labels.
QByteArray trace(const QStringList& words)
{
    QByteArray text = "[Text analysis result]\n";
    for (const QString& word : words)
        text += word.toUtf8() + '\n';
    return text + "\n[Output label]\n0 3100000 xx^xx-sil+t=o/A:xx\n";
}

QByteArray cp932(const QString& text)
{
    return TextCodec::encode(text).value();
}

} // namespace

class SpokenReadingTest : public QObject
{
    Q_OBJECT

private slots:
    void theTracesReadingDecidesWhatIsSpoken_data()
    {
        QTest::addColumn<QByteArray>("trace");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("confirmed");
        QTest::addColumn<QString>("spoken");

        const QString tokyo =
            "東京,名詞,固有名詞,地域,一般,*,*,東京,トウキョウ,トーキョー,5/4,C2,-1";
        const QString tower = "タワー,名詞,一般,*,*,*,*,タワー,タワー,タワー,1/3,C1,1";
        const QString today = "今日,名詞,副詞可能,*,*,*,*,今日,キョウ,キョー,1/2,C1,-1";
        const QString comma = "、,記号,読点,*,*,*,*,、,、,、,0/0,*,-1";
        QTest::addRow("same_reading") << trace({tokyo}) << "東京"
                                      << "とうきょう"
                                      << "東京";
        QTest::addRow("katakana_reading_as_hiragana") << trace({tokyo}) << "東京"
                                                      << "トウキョウ"
                                                      << "東京";
        QTest::addRow("long_vowel_mark_as_its_vowel") << trace({tower}) << "タワー"
                                                      << "たわあ"
                                                      << "タワー";
        QTest::addRow("long_vowel_mark_is_not_a_written_u") << trace({tokyo}) << "東京"
                                                            << "とーきょー"
                                                            << "とーきょー";
        QTest::addRow("another_reading_speaks_the_confirmed_one") << trace({today}) << "今日"
                                                                  << "こんにち"
                                                                  << "こんにち";
        QTest::addRow("punctuation_is_not_read") << trace({today, comma, tokyo}) << "今日、東京"
                                                 << "きょうとうきょう"
                                                 << "今日、東京";
        QTest::addRow("a_word_without_reading_counts_as_written")
            << trace({"ABC,名詞,一般"}) << "ABC"
            << "えーびーしー"
            << "えーびーしー";
        QTest::addRow("no_confirmed_reading_speaks_the_text") << trace({today}) << "今日"
                                                              << ""
                                                              << "今日";
        QTest::addRow("no_trace_at_all_speaks_the_confirmed_reading") << QByteArray() << "今日"
                                                                      << "きょう"
                                                                      << "きょう";
    }

    void theTracesReadingDecidesWhatIsSpoken()
    {
        QFETCH(QByteArray, trace);
        QFETCH(QString, text);
        QFETCH(QString, confirmed);
        QFETCH(QString, spoken);
        const QString traced = SpokenReading::fromTrace(trace);
        QCOMPARE(SpokenReading::textToSpeak({text, confirmed}, traced), spoken);
    }

    void onlyAConfirmedReadingOfTheSpokenTextIsUsed_data()
    {
        QTest::addColumn<QString>("question");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<PairReading>("reading");
        QTest::addColumn<int>("part");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("confirmed");

        const int question = int(SpokenPart::Question);
        const int answer = int(SpokenPart::Answer);
        QTest::addRow("kanji_question_spoken")
            << "山"
            << "やま" << PairReading{"やま", {}, false} << question << "山"
            << "やま";
        QTest::addRow("kanji_answer_heard")
            << "mountain"
            << "山" << PairReading{"やま", {}, false} << answer << "山"
            << "やま";
        QTest::addRow("reading_belongs_to_the_other_text")
            << "山"
            << "mountain" << PairReading{"やま", {}, false} << answer << "mountain"
            << "";
        QTest::addRow("reading_to_be_checked_is_not_confirmed")
            << "山"
            << "やま" << PairReading{"さん", {}, true} << question << "山"
            << "";
        QTest::addRow("alternatives_only")
            << "山"
            << "やま" << PairReading{"", {"さん"}, false} << question << "山"
            << "";
    }

    void onlyAConfirmedReadingOfTheSpokenTextIsUsed()
    {
        QFETCH(QString, question);
        QFETCH(QString, answer);
        QFETCH(PairReading, reading);
        QFETCH(int, part);
        QFETCH(QString, text);
        QFETCH(QString, confirmed);
        const SpeechLine line =
            SpokenReading::lineOf({cp932(question), cp932(answer)}, SpokenPart(part), &reading);
        QCOMPARE(line.text, text);
        QCOMPARE(line.confirmedReading, confirmed);
    }
};

QTEST_GUILESS_MAIN(SpokenReadingTest)
#include "SpokenReadingTest.moc"
