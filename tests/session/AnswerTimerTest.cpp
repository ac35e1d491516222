#include "session/AnswerTimer.h"

#include <QTest>

// Each step is an event at a time in milliseconds; the question becomes current at 0.
struct TimerStep
{
    enum Kind
    {
        Shown,
        Preedit,
        Edit,
        Pause,
        Resume
    } kind;
    qint64 at;
    qsizetype length = 0; // of the committed text, for an edit
};

Q_DECLARE_METATYPE(QList<TimerStep>)
Q_DECLARE_METATYPE(AnswerTiming)

namespace {

AnswerTiming timing(std::optional<qint64> firstKey, std::optional<qint64> match, qint32 keys,
                    qint32 corrections, InputMode mode = InputMode::InputMethod)
{
    return {firstKey, match, keys, corrections, mode};
}

} // namespace

class AnswerTimerTest : public QObject
{
    Q_OBJECT

private slots:
    void answerIsTimedFromItsShowing_data()
    {
        using S = TimerStep;
        QTest::addColumn<QList<TimerStep>>("steps");
        QTest::addColumn<std::optional<qint64>>("matchedAt");
        QTest::addColumn<AnswerTiming>("expected");
        QTest::addRow("typed_straight")
            << QList<S>{{S::Shown, 100}, {S::Edit, 1300, 1}, {S::Edit, 1400, 2}}
            << std::optional<qint64>(1400) << timing(1200, 1300, 2, 0);
        QTest::addRow("preedit_is_the_first_key_but_no_edit")
            << QList<S>{{S::Shown, 100}, {S::Preedit, 900}, {S::Preedit, 1000}, {S::Edit, 2100, 2}}
            << std::optional<qint64>(2100) << timing(800, 2000, 1, 0);
        QTest::addRow("shorter_text_is_a_correction")
            << QList<S>{{S::Shown, 0},     {S::Edit, 500, 1}, {S::Edit, 600, 2},
                        {S::Edit, 700, 1}, {S::Edit, 800, 0}, {S::Edit, 900, 3}}
            << std::optional<qint64>(900) << timing(500, 900, 5, 2);
        QTest::addRow("key_before_the_showing_counts_from_it")
            << QList<S>{{S::Edit, 50, 1}, {S::Shown, 100}} << std::optional<qint64>()
            << timing(0, std::nullopt, 1, 0);
        QTest::addRow("shown_again_keeps_the_first_showing")
            << QList<S>{{S::Shown, 100}, {S::Shown, 200}, {S::Edit, 300, 1}}
            << std::optional<qint64>(300) << timing(200, 200, 1, 0);
        QTest::addRow("never_shown_counts_from_current")
            << QList<S>{{S::Edit, 40, 1}} << std::optional<qint64>(40) << timing(40, 40, 1, 0);
        QTest::addRow("pause_is_no_answering_time")
            << QList<S>{{S::Shown, 100},
                        {S::Edit, 600, 1},
                        {S::Pause, 700},
                        {S::Resume, 60700},
                        {S::Edit, 61000, 2}}
            << std::optional<qint64>(61000) << timing(500, 900, 2, 0);
        QTest::addRow("time_out_without_a_key")
            << QList<S>{{S::Shown, 100}} << std::optional<qint64>() << timing({}, {}, 0, 0);
    }

    void answerIsTimedFromItsShowing()
    {
        QFETCH(QList<TimerStep>, steps);
        QFETCH(std::optional<qint64>, matchedAt);
        QFETCH(AnswerTiming, expected);
        AnswerTimer timer;
        timer.questionCurrent(0);
        for (const TimerStep& step : steps) {
            switch (step.kind) {
            case TimerStep::Shown:
                timer.questionShown(step.at);
                break;
            case TimerStep::Preedit:
                timer.preeditStarted(step.at);
                break;
            case TimerStep::Edit:
                timer.committedTextEdited(step.at, step.length);
                break;
            case TimerStep::Pause:
                timer.pause(step.at);
                break;
            case TimerStep::Resume:
                timer.resume(step.at);
                break;
            }
        }
        QCOMPARE(timer.timing(matchedAt, InputMode::InputMethod), expected);
    }

    void nextQuestionStartsAfresh()
    {
        AnswerTimer timer;
        timer.questionCurrent(0);
        timer.questionShown(100);
        timer.committedTextEdited(200, 3);
        timer.questionCurrent(1000);
        timer.questionShown(1100);
        timer.committedTextEdited(1500, 1);
        QCOMPARE(timer.timing(1500, InputMode::Romaji), timing(400, 400, 1, 0, InputMode::Romaji));
    }
};

QTEST_APPLESS_MAIN(AnswerTimerTest)
#include "AnswerTimerTest.moc"
