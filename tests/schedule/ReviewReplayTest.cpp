#include "schedule/ReviewReplay.h"
#include "schedule/InstantText.h"

#include <QTest>

using namespace std::chrono;

class ReviewReplayTest : public QObject
{
    Q_OBJECT

private slots:
    void timesAreReadAsInstants_data();
    void timesAreReadAsInstants();
    void dueTimesPastYear9999AreWrittenInFull();
    void eachPairIsReplayedOnItsOwn();
    void faultyLinesAreSkippedAndNamed();
};

namespace {

Scheduler unfuzzed()
{
    SchedulerParameters parameters;
    parameters.fuzz = false;
    return Scheduler(parameters);
}

std::vector<std::string> lines(const std::string& text)
{
    std::vector<std::string> result;
    QString all = QString::fromStdString(text);
    for (const QString& line : all.split('\n', Qt::SkipEmptyParts))
        result.push_back(line.toStdString());
    return result;
}

} // namespace

void ReviewReplayTest::timesAreReadAsInstants_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("instant");

    QTest::addRow("utc") << "2025-04-01T09:30:00Z"
                         << "2025-04-01T09:30:00Z";
    QTest::addRow("offset_east") << "2025-04-01T18:30:00+09:00"
                                 << "2025-04-01T09:30:00Z";
    QTest::addRow("offset_west_no_colon") << "2025-03-31T23:30-1000"
                                          << "2025-04-01T09:30:00Z";
    QTest::addRow("fraction_to_milliseconds") << "2025-04-01T09:30:00.2509Z"
                                              << "2025-04-01T09:30:00.250Z";
    QTest::addRow("space_for_t") << "2024-02-29 00:00:00Z"
                                 << "2024-02-29T00:00:00Z";
    QTest::addRow("epoch_milliseconds") << "1743499800250"
                                        << "2025-04-01T09:30:00.250Z";
    QTest::addRow("epoch_itself") << "0"
                                  << "1970-01-01T00:00:00Z";
    QTest::addRow("no_offset_is_no_instant") << "2025-04-01T09:30:00" << QString();
    QTest::addRow("no_such_day") << "2025-02-29T09:30:00Z" << QString();
    QTest::addRow("hour_24") << "2025-04-01T24:00:00Z" << QString();
    QTest::addRow("date_only") << "2025-04-01" << QString();
    QTest::addRow("negative_milliseconds") << "-5" << QString();
    QTest::addRow("past_year_9999") << "253402300800000" << QString();
    QTest::addRow("trailing_text") << "2025-04-01T09:30:00Zx" << QString();
    QTest::addRow("empty") << QString() << QString();
}

void ReviewReplayTest::timesAreReadAsInstants()
{
    QFETCH(QString, text);
    QFETCH(QString, instant);

    const std::optional<Instant> read = parseInstant(text.toStdString());
    QCOMPARE(read ? QString::fromStdString(instantText(*read)) : QString(), instant);
}

void ReviewReplayTest::dueTimesPastYear9999AreWrittenInFull()
{
    // Easy answers on the last day a log may hold carry the due time into the year 10000.
    SchedulerParameters parameters;
    parameters.fuzz = false;
    parameters.maximumIntervalDays = MaximumIntervalLimit;
    std::string out;
    replayReviews("a,9999-12-31T00:00:00Z,4\na,9999-12-31T00:00:00Z,4\n"
                  "a,9999-12-31T00:00:00Z,4\na,9999-12-31T00:00:00Z,4\n",
                  Scheduler(parameters), out);
    const QByteArray last = QByteArray::fromStdString(out).trimmed().split('\n').constLast();
    QVERIFY2(last.startsWith("a,review,") && last.contains(",10000-"), last.constData());
}

void ReviewReplayTest::eachPairIsReplayedOnItsOwn()
{
    // Two pairs interleaved, a blank line, a byte order mark and spaces around fields: each pair
    // goes through the steps as if alone.
    const std::string log = "\xEF\xBB\xBF"
                            "a,2025-04-01T09:00:00Z,3\n"
                            "b, 1743498000000 ,1\r\n"
                            "\n"
                            "a,2025-04-01T09:10:00Z,3\n"
                            "b,2025-04-01T09:01:00Z,4\n";
    std::string out;
    const ReplaySummary summary = replayReviews(log, unfuzzed(), out);

    QCOMPARE(summary.replayed, std::size_t(4));
    QVERIFY(summary.problems.empty());
    const std::vector<std::string> expected{
        "a,learning,2.3065,2.1181,2025-04-01T09:10:00Z",
        "b,learning,0.212,6.4133,2025-04-01T09:01:00Z",
        "a,review,2.3065,2.11121,2025-04-03T09:10:00Z",
        "b,review,0.42438,5.20002,2025-04-02T09:01:00Z",
    };
    QCOMPARE(lines(out), expected);
}

void ReviewReplayTest::faultyLinesAreSkippedAndNamed()
{
    const std::string log = "pair,time,grade\n"
                            "a,2025-04-01T09:00:00Z\n"
                            "a,2025-04-01T09:00:00Z,3,extra\n"
                            "a,2025-04-01T09:00:00Z,5\n"
                            "a,2025-04-01T09:00:00Z,0\n"
                            "a,yesterday,3\n"
                            "a,2025-04-01T09:00:00Z,3\n";
    std::string out;
    const ReplaySummary summary = replayReviews(log, unfuzzed(), out);

    QCOMPARE(summary.replayed, std::size_t(1));
    QCOMPARE(lines(out).size(), std::size_t(1));
    using Kind = ReplayProblem::Kind;
    const std::vector<std::tuple<Kind, std::size_t, std::string>> expected{
        {Kind::BadTime, 1, "time"}, {Kind::FieldCount, 2, "2"}, {Kind::FieldCount, 3, "4"},
        {Kind::BadGrade, 4, "5"},   {Kind::BadGrade, 5, "0"},   {Kind::BadTime, 6, "yesterday"},
    };
    std::vector<std::tuple<Kind, std::size_t, std::string>> found;
    for (const ReplayProblem& problem : summary.problems)
        found.emplace_back(problem.kind, problem.line, problem.text);
    QVERIFY(found == expected);
}

QTEST_APPLESS_MAIN(ReviewReplayTest)
#include "ReviewReplayTest.moc"
