#pragma once

#include "classroom/Assignment.h"
#include "classroom/HandIn.h"
#include "drill/DrillState.h"
#include "drill/ReportFigures.h"
#include "questions/QuestionBank.h"

#include <QDateTime>
#include <QList>
#include <QString>

// One game of an assignment as it is played, and the hand-in it becomes at its end. The answers
// are kept as they happen, so the file does not wait for the learning record's writer.
class AssignmentGame
{
public:
    AssignmentGame(const Assignment& assignment, const Pupil& pupil, const QString& questionFile,
                   const QDateTime& startedAt);

    void answered(const QuestionItem& pair, int ticks);
    void timedOut(const QuestionItem& pair, const QByteArray& typed);

    // The game used up its questions.
    HandIn finished(const ReportInputs& inputs, const QDateTime& finishedAt) const;
    // A テスト ended with 終わる: the question on the screen and every one not yet asked count as
    // missed, each with the whole bar, so ending early never raises a figure.
    HandIn ended(const DrillTally& tally, const QuestionItem& shown,
                 const QDateTime& finishedAt) const;

private:
    // The figures of a game ended with 終わる.
    static ReportInputs endedInputs(const DrillTally& tally, qint32 secondsPerQuestion,
                                    qint32 questionsPerGame);
    qint64 wholeBar() const;
    HandIn handIn(const ReportInputs& inputs, const QList<HandInAnswer>& answers,
                  const QDateTime& finishedAt) const;

    Assignment assignment;
    Pupil pupil;
    QString questionFile;
    QDateTime startedAt;
    QList<HandInAnswer> answers;
};
