#include "schedule/AnswerGrade.h"
#include "schedule/GradeThresholds.h"

#include <QTest>

#include <vector>

Q_DECLARE_METATYPE(TypedAnswer)
Q_DECLARE_METATYPE(std::vector<AnswerTimingSample>)

class AnswerGradeTest : public QObject
{
    Q_OBJECT

private slots:
    void typingGradesTheAnswer_data();
    void typingGradesTheAnswer();
    void thresholdsFollowTheLearnersLatestAnswers_data();
    void thresholdsFollowTheLearnersLatestAnswers();
};

namespace {

// E 1 s, H 3 s, 250 ms a key; ten seconds to answer.
const GradeThresholds Pace{1000, 3000, 250};

TypedAnswer correct(std::optional<int> firstKeyMs, int matchMs, int keys, int corrections = 0)
{
    return {ShowingEnd::Correct, firstKeyMs, matchMs, corrections, keys, 10'000};
}

// n answers whose first key takes 100, 200, … ms and whose keys take perKey ms each.
std::vector<AnswerTimingSample> steadyAnswers(int n, int perKey)
{
    std::vector<AnswerTimingSample> answers;
    for (int i = 1; i <= n; ++i)
        answers.push_back({i * 100, i * 100 + 4 * perKey, 4});
    return answers;
}

} // namespace

void AnswerGradeTest::typingGradesTheAnswer_data()
{
    QTest::addColumn<TypedAnswer>("answer");
    QTest::addColumn<int>("grade");

    const int again = int(Grade::Again), hard = int(Grade::Hard), good = int(Grade::Good),
              easy = int(Grade::Easy);
    QTest::addRow("timed_out") << TypedAnswer{ShowingEnd::TimedOut, 500, 10'000, 0, 3, 10'000}
                               << again;
    QTest::addRow("game_ended_on_it")
        << TypedAnswer{ShowingEnd::GameEnded, std::nullopt, 2000, 0, 0, 10'000} << again;
    QTest::addRow("answer_shown") << TypedAnswer{ShowingEnd::AnswerShown, 400, 900, 0, 2, 10'000}
                                  << again;
    QTest::addRow("quick_and_clean") << correct(800, 1800, 4) << easy;
    QTest::addRow("first_key_at_e_whole_at_limit") << correct(1000, 2000, 4) << easy;
    QTest::addRow("whole_answer_just_slow") << correct(1000, 2001, 4) << good;
    QTest::addRow("first_key_just_after_e") << correct(1001, 1500, 4) << good;
    QTest::addRow("first_key_at_h") << correct(3000, 3500, 4) << good;
    QTest::addRow("first_key_after_h") << correct(3001, 3500, 4) << hard;
    QTest::addRow("one_correction_however_quick") << correct(500, 900, 4, 1) << hard;
    QTest::addRow("match_at_four_fifths") << correct(2000, 8000, 40) << good;
    QTest::addRow("match_past_four_fifths") << correct(2000, 8001, 40) << hard;
    QTest::addRow("no_first_key_known") << correct(std::nullopt, 900, 4) << good;
}

void AnswerGradeTest::typingGradesTheAnswer()
{
    QFETCH(TypedAnswer, answer);
    QFETCH(int, grade);

    QCOMPARE(int(gradeAnswer(answer, Pace)), grade);
}

void AnswerGradeTest::thresholdsFollowTheLearnersLatestAnswers_data()
{
    QTest::addColumn<std::vector<AnswerTimingSample>>("answers");
    QTest::addColumn<int>("easyMs");
    QTest::addColumn<int>("hardMs");
    QTest::addColumn<double>("perKeyMs");

    QTest::addRow("none_yet") << std::vector<AnswerTimingSample>{} << 1000 << 3000 << 250.0;
    QTest::addRow("forty_nine_keep_defaults") << steadyAnswers(49, 100) << 1000 << 3000 << 250.0;
    QTest::addRow("fifty_own_percentiles") << steadyAnswers(50, 100) << 500 << 4500 << 100.0;
    QTest::addRow("hundred") << steadyAnswers(100, 150) << 1000 << 9000 << 150.0;

    // 600 answers: only the latest 500 (first keys 10.1 s to 60 s) count.
    QTest::addRow("latest_five_hundred") << steadyAnswers(600, 100) << 15000 << 55000 << 100.0;

    // 52 answers, half at 100 ms a key and half at 200 (one with no key counted as one): the
    // median lies between the middle two.
    std::vector<AnswerTimingSample> mixed = steadyAnswers(26, 100);
    const std::vector<AnswerTimingSample> slower = steadyAnswers(25, 200);
    mixed.insert(mixed.end(), slower.begin(), slower.end());
    mixed.push_back({100, 300, 0});
    QTest::addRow("median_of_even_count_and_no_keys") << mixed << 300 << 2300 << 150.0;
}

void AnswerGradeTest::thresholdsFollowTheLearnersLatestAnswers()
{
    QFETCH(std::vector<AnswerTimingSample>, answers);
    QFETCH(int, easyMs);
    QFETCH(int, hardMs);
    QFETCH(double, perKeyMs);

    const GradeThresholds thresholds = gradeThresholds(answers);
    QCOMPARE(thresholds.easyFirstKeyMs, easyMs);
    QCOMPARE(thresholds.hardFirstKeyMs, hardMs);
    QCOMPARE(thresholds.medianMsPerKey, perKeyMs);
}

QTEST_APPLESS_MAIN(AnswerGradeTest)
#include "AnswerGradeTest.moc"
