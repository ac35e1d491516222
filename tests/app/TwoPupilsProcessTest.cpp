#include "UpperCaseBank.h"
#include "classroom/AssignmentFile.h"
#include "classroom/BoardModel.h"
#include "classroom/HandInFolder.h"
#include "questions/QuestionFile.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// Two pupils' PCs, each its own process, on one assignment: the questions come in the same order,
// both games are handed in, and the board lists both pupils.
class TwoPupilsProcessTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir folder;

    QString writeAssignment()
    {
        if (!QuestionFile::write(
                folder.filePath("kanji.DAT"),
                upperCaseBank(
                    {{"yama", "kawa", "sora", "umi", "mori", "hana", "tori", "kumo"}, {}, {}})))
            return {};
        Assignment assignment;
        assignment.title = QStringLiteral("漢字");
        assignment.questionFile = QStringLiteral("kanji.DAT");
        assignment.questionsPerGame = 6;
        assignment.seed = 1234567;
        assignment.mode = AssignmentMode::Test;
        assignment.handInFolder = QStringLiteral("in");
        const QString path = folder.filePath("kanji.kadai");
        QFile file(path);
        if (!QDir().mkpath(folder.filePath("in")) || !file.open(QIODevice::WriteOnly) ||
            file.write(AssignmentFile::write(assignment)) < 0)
            return {};
        return path;
    }

private slots:
    void bothPupilsMeetTheSameQuestionsAndAreOnTheBoard()
    {
        const QString assignment = writeAssignment();
        QVERIFY(!assignment.isEmpty());
        const QStringList pupils{QStringLiteral("1組,3,次郎"), QStringLiteral("2組,10,花子")};
        std::array<QProcess, 2> pcs;
        for (int k = 0; k < 2; ++k)
            pcs[k].start(QStringLiteral(TAZUNE_PUPIL_PROBE),
                         {assignment, pupils[k], folder.filePath("waiting%1").arg(k),
                          QString::number(k + 1)});
        std::array<QStringList, 2> shown;
        for (int k = 0; k < 2; ++k) {
            QVERIFY(pcs[k].waitForFinished(60000));
            QVERIFY2(pcs[k].exitCode() == 0, pcs[k].readAllStandardError().constData());
            shown[k] =
                QString::fromUtf8(pcs[k].readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
            QCOMPARE(shown[k].size(), 6);
        }
        QCOMPARE(shown[0].mid(0, 5), shown[1].mid(0, 5));

        BoardModel board;
        HandInFolder handedIn(folder.filePath("in"));
        const HandInScan scan = handedIn.scan();
        QCOMPARE(scan.read.size(), 2);
        board.apply(scan);
        QCOMPARE(board.rowCount(), 2);
        QStringList names;
        for (int row = 0; row < board.rowCount(); ++row)
            names << board.index(row, BoardModel::Name).data().toString();
        QCOMPARE(names, (QStringList{QStringLiteral("次郎"), QStringLiteral("花子")}));
    }
};

QTEST_GUILESS_MAIN(TwoPupilsProcessTest)
#include "TwoPupilsProcessTest.moc"
