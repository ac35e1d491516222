#include "schedule/SchedulerParameters.h"
#include "schedule/ScheduleMessages.h"

#include <QTest>

class SchedulerParametersTest : public QObject
{
    Q_OBJECT

private slots:
    void pastedWeightsAreRead_data();
    void pastedWeightsAreRead();
    void faultyWeightsAreRefusedByName_data();
    void faultyWeightsAreRefusedByName();
    void retentionAndMaximumIntervalAreChecked_data();
    void retentionAndMaximumIntervalAreChecked();
};

namespace {

const QString Defaults = QStringLiteral("0.212, 1.2931, 2.3065, 8.2956, 6.4133, 0.8334, 3.0194, "
                                        "0.001, 1.8722, 0.1666, 0.796, 1.4835, 0.0614, 0.2629, "
                                        "1.6483, 0.6014, 1.8729, 0.5425, 0.0912, 0.0658, 0.1542");

// The default line with one weight replaced.
QString withWeight(int index, const QString& value)
{
    QStringList weights = Defaults.split(QStringLiteral(", "));
    weights[index] = value;
    return weights.join(QStringLiteral(", "));
}

} // namespace

void SchedulerParametersTest::pastedWeightsAreRead_data()
{
    QTest::addColumn<QString>("line");

    QTest::addRow("commas_and_spaces") << Defaults;
    QTest::addRow("commas_only") << QString(Defaults).remove(' ');
    QTest::addRow("spaces_only") << QString(Defaults).remove(',');
    QTest::addRow("tabs_and_line_end") << QString(Defaults).replace(", ", "\t") + "\r\n";
    QTest::addRow("plus_signs_and_exponents")
        << withWeight(0, QStringLiteral("+0.212")).replace("0.001", "1e-3");
}

void SchedulerParametersTest::pastedWeightsAreRead()
{
    QFETCH(QString, line);

    const WeightsParse parsed = parseWeights(line.toStdString());
    QVERIFY(!parsed.problem);
    QVERIFY(parsed.weights == DefaultWeights);
}

void SchedulerParametersTest::faultyWeightsAreRefusedByName_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("message");

    QTest::addRow("twenty") << Defaults.section(QStringLiteral(", "), 0, 19)
                            << "パラメータが 20 個あります。w0 から w20 までの 21 個が必要です。";
    QTest::addRow("twenty_two")
        << Defaults + ", 1"
        << "パラメータが 22 個あります。w0 から w20 までの 21 個が必要です。";
    QTest::addRow("empty") << QString()
                           << "パラメータが 0 個あります。w0 から w20 までの 21 個が必要です。";
    QTest::addRow("word") << withWeight(3, "abc") << "w3: 「abc」は数ではありません。";
    QTest::addRow("decimal_comma_splits") << withWeight(0, "0,212")
                                          << "パラメータが 22 個あります。w0 から w20 までの 21 "
                                             "個が必要です。";
    QTest::addRow("stability_below_minimum")
        << withWeight(0, "0") << "w0 が 0 です。0.001 から 100 の範囲で指定してください。";
    QTest::addRow("initial_difficulty_above")
        << withWeight(4, "10.5") << "w4 が 10.5 です。1 から 10 の範囲で指定してください。";
    QTest::addRow("negative_damping")
        << withWeight(9, "-0.1") << "w9 が -0.1 です。0 から 0.8 の範囲で指定してください。";
    QTest::addRow("easy_bonus_below_one")
        << withWeight(16, "0.9") << "w16 が 0.9 です。1 から 6 の範囲で指定してください。";
    QTest::addRow("decay_above") << withWeight(20, "0.81")
                                 << "w20 が 0.81 です。0.1 から 0.8 の範囲で指定してください。";
    QTest::addRow("not_a_number") << withWeight(12, "nan")
                                  << "w12 が nan です。0.001 から 0.25 の範囲で指定してください。";
}

void SchedulerParametersTest::faultyWeightsAreRefusedByName()
{
    QFETCH(QString, line);
    QFETCH(QString, message);

    const WeightsParse parsed = parseWeights(line.toStdString());
    QVERIFY(!parsed.weights);
    QVERIFY(parsed.problem);
    QCOMPARE(ScheduleMessages::describe(*parsed.problem, Language::Japanese), message);
}

void SchedulerParametersTest::retentionAndMaximumIntervalAreChecked_data()
{
    QTest::addColumn<double>("retention");
    QTest::addColumn<int>("maximumDays");
    QTest::addColumn<QString>("message");

    QTest::addRow("both_at_lower_ends") << 0.70 << 1 << QString();
    QTest::addRow("both_at_upper_ends") << 0.97 << 36500 << QString();
    QTest::addRow("retention_too_low")
        << 0.69 << 365 << "目標の正答率が 0.69 です。0.7 から 0.97 の範囲で指定してください。";
    QTest::addRow("retention_too_high")
        << 0.98 << 365 << "目標の正答率が 0.98 です。0.7 から 0.97 の範囲で指定してください。";
    QTest::addRow("no_interval")
        << 0.9 << 0 << "最大間隔が 0 日です。1 から 36500 日の範囲で指定してください。";
    QTest::addRow("beyond_a_century")
        << 0.9 << 36501 << "最大間隔が 36501 日です。1 から 36500 日の範囲で指定してください。";
}

void SchedulerParametersTest::retentionAndMaximumIntervalAreChecked()
{
    QFETCH(double, retention);
    QFETCH(int, maximumDays);
    QFETCH(QString, message);

    std::optional<ParameterProblem> problem = checkRetention(retention);
    if (!problem)
        problem = checkMaximumInterval(maximumDays);
    QCOMPARE(problem ? ScheduleMessages::describe(*problem, Language::Japanese) : QString(),
             message);
}

QTEST_APPLESS_MAIN(SchedulerParametersTest)
#include "SchedulerParametersTest.moc"
