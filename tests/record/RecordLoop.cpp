#include "record/SqlLearningRecord.h"

#include <QCoreApplication>

#include <cstdio>

// Plays games against the record at the path given, as fast as it can, until it is killed. After
// each answer is committed it prints the number of answers committed so far.
int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (argc < 2)
        return 2;
    SqlLearningRecord record(QString::fromLocal8Bit(argv[1]));
    if (record.open() == LearningRecord::OpenOutcome::Unavailable)
        return 1;
    std::printf("open\n");
    std::fflush(stdout);
    for (qint64 answers = 0;;) {
        const std::optional<qint64> game =
            record.beginGame({{QStringLiteral("/loop/Q.DAT"), QByteArray(32, 'h')},
                              0,
                              20,
                              10,
                              false,
                              QDateTime::currentDateTimeUtc()});
        if (!game)
            return 1;
        for (int question = 0; question < 10; ++question) {
            const QuestionItem pair{"Q" + QByteArray::number(answers % 50), "a"};
            AnswerOutcome outcome{pair, std::nullopt, "typed", QDateTime::currentDateTimeUtc(), {},
                                  {}};
            if (question % 3 != 0)
                outcome.correctTicks = 20 + question;
            if (!record.recordAnswer(*game, outcome))
                return 1;
            std::printf("%lld\n", ++answers);
            std::fflush(stdout);
        }
        const ReportInputs inputs{20, 10, 6, 150, 550};
        if (!record.finishGame(
                *game, {inputs, ReportFigures::texts(inputs), QDateTime::currentDateTimeUtc()}))
            return 1;
    }
}
