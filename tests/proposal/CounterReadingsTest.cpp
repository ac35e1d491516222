#include "proposal/CounterReadings.h"

#include <QTest>

class CounterReadingsTest : public QObject
{
    Q_OBJECT

private slots:
    void readings_data();
    void readings();
    void spansInText();
};

void CounterReadingsTest::readings_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<QStringList>("readings");
    QTest::addRow("hon_one_small_tsu") << "一本" << QStringList{"いっぽん"};
    QTest::addRow("hon_three_voiced") << "三本" << QStringList{"さんぼん"};
    QTest::addRow("hon_four_plain") << "四本" << QStringList{"よんほん"};
    QTest::addRow("hon_ten") << "十本" << QStringList{"じゅっぽん"};
    QTest::addRow("hon_twenty_ends_in_ten") << "二十本" << QStringList{"にじゅっぽん"};
    QTest::addRow("hon_hundred") << "百本" << QStringList{"ひゃっぽん"};
    QTest::addRow("hiki_six") << "六匹" << QStringList{"ろっぴき"};
    QTest::addRow("hiki_twenty_three_by_last_digit")
        << "二十三匹" << QStringList{"にじゅうさんびき"};
    QTest::addRow("hai_eight") << "八杯" << QStringList{"はっぱい"};
    QTest::addRow("fun_four") << "四分" << QStringList{"よんぷん"};
    QTest::addRow("kai_floor_three") << "三階" << QStringList{"さんがい"};
    QTest::addRow("kai_times_three") << "三回" << QStringList{"さんかい"};
    QTest::addRow("nin_one_alone") << "一人" << QStringList{"ひとり"};
    QTest::addRow("nin_two_alone") << "二人" << QStringList{"ふたり"};
    QTest::addRow("nin_eleven_regular") << "十一人" << QStringList{"じゅういちにん"};
    QTest::addRow("nin_four") << "四人" << QStringList{"よにん"};
    QTest::addRow("nin_seven_both") << "七人" << QStringList{"ななにん", "しちにん"};
    QTest::addRow("nichi_two") << "二日" << QStringList{"ふつか"};
    QTest::addRow("nichi_twenty") << "二十日" << QStringList{"はつか"};
    QTest::addRow("nichi_fourteen") << "十四日" << QStringList{"じゅうよっか"};
    QTest::addRow("nichi_seventeen_old_seven") << "十七日" << QStringList{"じゅうしちにち"};
    QTest::addRow("nichi_one_date_or_span") << "一日" << QStringList{"ついたち", "いちにち"};
    QTest::addRow("ji_nine") << "九時" << QStringList{"くじ"};
    QTest::addRow("gatsu_four") << "四月" << QStringList{"しがつ"};
    QTest::addRow("gatsu_twelve") << "十二月" << QStringList{"じゅうにがつ"};
    QTest::addRow("months_counted_ke") << "一ヶ月" << QStringList{"いっかげつ"};
    QTest::addRow("months_counted_hiragana_ka") << "六か月" << QStringList{"ろっかげつ"};
    QTest::addRow("sai_twenty") << "二十歳" << QStringList{"はたち", "にじゅっさい"};
    QTest::addRow("ascii_digits") << "25日" << QStringList{"にじゅうごにち"};
    QTest::addRow("full_width_digits") << "３本" << QStringList{"さんぼん"};
}

void CounterReadingsTest::readings()
{
    QFETCH(QString, word);
    QFETCH(QStringList, readings);
    const std::vector<CounterReadings::Span> spans = CounterReadings::find(word);
    QCOMPARE(spans.size(), 1u);
    QCOMPARE(spans[0].start, 0);
    QCOMPARE(spans[0].length, word.size());
    QCOMPARE(spans[0].readings, readings);
}

// Only a number directly before a counter is read; a number out of range, however long, a
// thirteenth month or a counter with no number are left to the analysers.
void CounterReadingsTest::spansInText()
{
    const std::vector<CounterReadings::Span> spans = CounterReadings::find(
        u"鉛筆を三本と猫二匹、十三月、本、千本、200本、44444444444本、十十十本");
    QCOMPARE(spans.size(), 2u);
    QCOMPARE(spans[0].start, 3);
    QCOMPARE(spans[0].length, 2);
    QCOMPARE(spans[0].readings, QStringList{"さんぼん"});
    QCOMPARE(spans[1].start, 7);
    QCOMPARE(spans[1].readings, QStringList{"にひき"});
}

QTEST_APPLESS_MAIN(CounterReadingsTest)
#include "CounterReadingsTest.moc"
