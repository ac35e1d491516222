#include "drill/ReportFigures.h"

#include <QTest>

#include <limits>

class ReportFiguresTest : public QObject
{
    Q_OBJECT

private slots:
    void texts_data();
    void texts();
    void generalNumberText_data();
    void generalNumberText();
    void correctRate_data();
    void correctRate();
    void correctRateNeedsPositiveQuestionCount();
};

namespace {

constexpr qint32 Min = std::numeric_limits<qint32>::min();
constexpr qint32 Max = std::numeric_limits<qint32>::max();

} // namespace

void ReportFiguresTest::texts_data()
{
    QTest::addColumn<ReportInputs>("inputs");
    QTest::addColumn<ReportTexts>("expected");

    auto row = [](const char* name, ReportInputs inputs, ReportTexts expected) {
        QTest::addRow("%s", name) << inputs << expected;
    };
    row("before_first_game", {20, 10, 0, 0, 0}, {"200／秒", "0／秒", "0／秒", "0／％"});
    row("seven_correct", {20, 10, 7, 215, 515}, {"200／秒", "1.075／秒", "2.575／秒", "70／％"});
    row("all_timed_out", {20, 10, 0, 0, 1000}, {"200／秒", "0／秒", "5／秒", "0／％"});
    row("all_correct_at_the_end", {20, 10, 10, 1000, 1000},
        {"200／秒", "5／秒", "5／秒", "100／％"});
    row("broken_off_by_end", {20, 10, 4, 120, 320}, {"200／秒", "0.6／秒", "1.6／秒", "40／％"});
    row("thirds", {30, 3, 2, 30, 130},
        {"90／秒", "0.333333333333333／秒", "1.44444444444444／秒", "67／％"});
    row("eighths_one", {20, 8, 1, 50, 750}, {"160／秒", "0.3125／秒", "4.6875／秒", "12／％"});
    row("eighths_three", {20, 8, 3, 90, 590}, {"160／秒", "0.5625／秒", "3.6875／秒", "38／％"});
    row("questions_raised_after_the_game", {20, 20, 7, 215, 515},
        {"400／秒", "0.5375／秒", "1.2875／秒", "35／％"});

    row("zero_seconds", {0, 10, 7, 215, 515}, {"0／秒", "-／秒", "-／秒", "70／％"});
    row("negative_seconds", {-20, 10, 7, 215, 515}, {"-200／秒", "-／秒", "-／秒", "70／％"});
    row("zero_questions", {20, 0, 7, 215, 515}, {"0／秒", "-／秒", "-／秒", "-／％"});
    row("negative_questions", {20, -10, 7, 215, 515}, {"-200／秒", "-／秒", "-／秒", "-／％"});
    row("both_negative", {-20, -10, 7, 215, 515}, {"200／秒", "1.075／秒", "2.575／秒", "-／％"});

    row("min_times_min", {Min, Min, 0, 1000, Max},
        {"4611686018427387904／秒", "2.16840434497101E-16／秒", "4.65661287090899E-10／秒",
         "-／％"});
    row("max_times_max", {Max, Max, Max, 1000, Max},
        {"4611686014132420609／秒", "2.16840434699049E-16／秒", "4.6566128752458E-10／秒",
         "100／％"});
    row("min_times_max", {Min, Max, Max, 1000, Max},
        {"-4611686016279904256／秒", "-／秒", "-／秒", "100／％"});
    row("extreme_tally", {1, 1, Min, Min, Max},
        {"1／秒", "-2147483648／秒", "2147483647／秒", "-214748364800／％"});
}

void ReportFiguresTest::texts()
{
    QFETCH(ReportInputs, inputs);
    QFETCH(ReportTexts, expected);

    const ReportTexts actual = ReportFigures::texts(inputs);

    QCOMPARE(actual.standardTime, expected.standardTime);
    QCOMPARE(actual.averageCorrectTime, expected.averageCorrectTime);
    QCOMPARE(actual.averageInputTime, expected.averageInputTime);
    QCOMPARE(actual.correctRate, expected.correctRate);
}

void ReportFiguresTest::generalNumberText_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");

    QTest::addRow("zero") << 0.0 << "0";
    QTest::addRow("negative_zero") << -0.0 << "0";
    QTest::addRow("1000_by_200") << 1000.0 / 200 << "5";
    QTest::addRow("350_by_200") << 350.0 / 200 << "1.75";
    QTest::addRow("177_by_200") << 177.0 / 200 << "0.885";
    QTest::addRow("1_by_3") << 1.0 / 3 << "0.333333333333333";
    QTest::addRow("2_by_3") << 2.0 / 3 << "0.666666666666667";
    QTest::addRow("130_by_90") << 130.0 / 90 << "1.44444444444444";
    QTest::addRow("200_by_3") << 200.0 / 3 << "66.6666666666667";
    QTest::addRow("1_by_7") << 1.0 / 7 << "0.142857142857143";
    QTest::addRow("point_one_plus_point_two") << 0.1 + 0.2 << "0.3";
    QTest::addRow("0.07_stored_above") << 0.07 << "0.07";
    QTest::addRow("negative") << -1.75 << "-1.75";

    QTest::addRow("smallest_positional") << 1.0 / 10000 << "0.0001";
    QTest::addRow("positional_E_minus_3_full") << 0.000123456789012345678 << "0.000123456789012346";
    QTest::addRow("exponent_below") << 1e-5 << "1E-5";
    QTest::addRow("exponent_below_negative") << -1e-5 << "-1E-5";
    QTest::addRow("exponent_two_digits") << 1e-10 << "1E-10";
    QTest::addRow("largest_positional") << 123456789012345.0 << "123456789012345";
    QTest::addRow("whole_with_zeros") << 1e14 << "100000000000000";
    QTest::addRow("exponent_above") << 1e15 << "1E15";
    QTest::addRow("exponent_with_fraction") << 1.5e20 << "1.5E20";
    QTest::addRow("exponent_three_digits") << 1e100 << "1E100";
    QTest::addRow("seventeen_digits") << 123456789012345678.0 << "1.23456789012346E17";
    QTest::addRow("largest_double") << std::numeric_limits<double>::max() << "1.79769313486232E308";
    QTest::addRow("smallest_subnormal")
        << std::numeric_limits<double>::denorm_min() << "4.94065645841247E-324";

    // Exact ties at the 16th digit round up, unlike printf's rounding to even.
    QTest::addRow("tie_rounds_up_from_even") << 1000000000000005.0 << "1.00000000000001E15";
    QTest::addRow("tie_rounds_up_from_odd") << 1000000000000025.0 << "1.00000000000003E15";
    QTest::addRow("carry_to_ten") << 9.999999999999998 << "10";
    QTest::addRow("carry_into_exponent_form") << 999999999999999.9 << "1E15";
    QTest::addRow("carry_stays_positional") << 99999999999999.98 << "100000000000000";
    QTest::addRow("carry_into_positional") << 0.0009999999999999998 << "0.001";

    QTest::addRow("nan") << std::numeric_limits<double>::quiet_NaN() << "-";
    QTest::addRow("infinity") << std::numeric_limits<double>::infinity() << "-";
    QTest::addRow("negative_infinity") << -std::numeric_limits<double>::infinity() << "-";
}

void ReportFiguresTest::generalNumberText()
{
    QFETCH(double, value);
    QFETCH(QString, expected);

    QCOMPARE(ReportFigures::generalNumberText(value), expected);
}

void ReportFiguresTest::correctRate_data()
{
    QTest::addColumn<qint32>("correct");
    QTest::addColumn<qint32>("questions");
    QTest::addColumn<qint64>("expected");

    QTest::addRow("eighths_1_halfway_down") << 1 << 8 << qint64(12);
    QTest::addRow("eighths_3_halfway_up") << 3 << 8 << qint64(38);
    QTest::addRow("eighths_5_halfway_down") << 5 << 8 << qint64(62);
    QTest::addRow("eighths_7_halfway_up") << 7 << 8 << qint64(88);
    QTest::addRow("23_of_40_just_below_half") << 23 << 40 << qint64(57);
    QTest::addRow("1_of_3") << 1 << 3 << qint64(33);
    QTest::addRow("2_of_3") << 2 << 3 << qint64(67);
    QTest::addRow("1_of_200_halfway_to_zero") << 1 << 200 << qint64(0);
    QTest::addRow("3_of_200_halfway_up") << 3 << 200 << qint64(2);
    QTest::addRow("negative_halfway") << -1 << 8 << qint64(-12);
    QTest::addRow("negative_halfway_up") << -3 << 8 << qint64(-38);
    QTest::addRow("more_than_all") << 15 << 10 << qint64(150);
    QTest::addRow("max_of_one") << Max << 1 << qint64(214748364700);
}

void ReportFiguresTest::correctRate()
{
    QFETCH(qint32, correct);
    QFETCH(qint32, questions);
    QFETCH(qint64, expected);

    QCOMPARE(ReportFigures::correctRate(correct, questions), std::optional<qint64>(expected));
}

void ReportFiguresTest::correctRateNeedsPositiveQuestionCount()
{
    QCOMPARE(ReportFigures::correctRate(0, 0), std::nullopt);
    QCOMPARE(ReportFigures::correctRate(5, -8), std::nullopt);
    QCOMPARE(ReportFigures::correctRate(Max, Min), std::nullopt);
}

QTEST_APPLESS_MAIN(ReportFiguresTest)
#include "ReportFiguresTest.moc"
