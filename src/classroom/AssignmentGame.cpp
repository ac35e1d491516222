#include "classroom/AssignmentGame.h"

#include "drill/Drill.h"
#include "questions/TextCodec.h"
#include "results/ClassMerge.h"
#include "results/ResultsCsv.h"

#include <algorithm>
#include <limits>

AssignmentGame::AssignmentGame(const Assignment& assignment, const Pupil& pupil,
                               const QString& questionFile, const QDateTime& startedAt)
    : assignment(assignment), pupil(pupil), questionFile(ClassMerge::fileName(questionFile)),
      startedAt(startedAt)
{}

void AssignmentGame::answered(const QuestionItem& pair, int ticks)
{
    answers.append(
        {TextCodec::decode(pair.question), TextCodec::decode(pair.answer), true, ticks, QString()});
}

void AssignmentGame::timedOut(const QuestionItem& pair, const QByteArray& typed)
{
    answers.append({TextCodec::decode(pair.question), TextCodec::decode(pair.answer), false,
                    wholeBar(), TextCodec::decode(typed)});
}

// As the hand-in file counts a time-out: the question's seconds, in tenths.
qint64 AssignmentGame::wholeBar() const
{
    return qint64(assignment.secondsPerQuestion) * 10;
}

HandIn AssignmentGame::finished(const ReportInputs& inputs, const QDateTime& finishedAt) const
{
    return handIn(inputs, answers, finishedAt);
}

HandIn AssignmentGame::ended(const DrillTally& tally, const QuestionItem& shown,
                             const QDateTime& finishedAt) const
{
    QList<HandInAnswer> all = answers;
    if (tally.questionsRemaining > 0)
        all.append({TextCodec::decode(shown.question), TextCodec::decode(shown.answer), false,
                    wholeBar(), QString()});
    return handIn(endedInputs(tally, assignment.secondsPerQuestion, assignment.questionsPerGame),
                  all, finishedAt);
}

ReportInputs AssignmentGame::endedInputs(const DrillTally& tally, qint32 secondsPerQuestion,
                                         qint32 questionsPerGame)
{
    const qint64 missed = std::max<qint32>(0, tally.questionsRemaining);
    const qint64 answerTime = tally.answerTimeSum + missed * Drill::BarMaximum;
    return {secondsPerQuestion, questionsPerGame, tally.correctCount, tally.correctTimeSum,
            qint32(std::min<qint64>(answerTime, std::numeric_limits<qint32>::max()))};
}

HandIn AssignmentGame::handIn(const ReportInputs& inputs, const QList<HandInAnswer>& played,
                              const QDateTime& finishedAt) const
{
    QList<MissedText> timeOuts;
    for (const HandInAnswer& answer : played) {
        if (!answer.correct)
            timeOuts.append({answer.question, answer.answer});
    }
    const ResultRow game{pupil.name,
                         questionFile,
                         assignment.levels.value(0),
                         startedAt,
                         finishedAt,
                         false,
                         inputs,
                         ResultsCsv::figuresOf(ReportFigures::texts(inputs)),
                         timeOuts};
    return {pupil, assignment.title, game, played};
}
