#include "FakeSessionView.h"
#include "MemoryLearningRecord.h"
#include "ScriptedRandom.h"
#include "questions/QuestionFile.h"
#include "questions/TextCodec.h"
#include "session/DrillSession.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

QByteArray cp932(const QString& text)
{
    return TextCodec::encode(text).value();
}

// Keeps what the session told it; it answers nothing by itself.
struct RecordingVoice : QuestionVoice
{
    void questionAppeared(const QuestionItem& pair,
                          const std::optional<QuestionItem>& next) override
    {
        appeared << TextCodec::decode(pair.answer);
        following << (next ? TextCodec::decode(next->answer) : QString());
    }

    QStringList appeared;
    QStringList following;
};

} // namespace

// The listening game: each question is heard before its bar moves, and the pair drawn to follow
// it is told ahead, so that its sound can be made in the meantime.
class ListeningGameTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir folder;
    ScriptedRandom random;
    MemoryLearningRecord record;
    FakeSessionView view;
    RecordingVoice voice;
    std::unique_ptr<DrillSession> session;

    void ticks(int count)
    {
        for (int k = 0; k < count; ++k)
            session->tick();
    }

private slots:
    void init()
    {
        const QString file = folder.filePath("J.DAT");
        QuestionBank bank;
        bank.Add(0, cp932("やま"), cp932("山"));
        bank.Add(0, cp932("かわ"), cp932("川"));
        QVERIFY(QuestionFile::write(file, bank));
        QFile companion(file + ".yomi.tsv");
        QVERIFY(companion.open(QIODevice::WriteOnly));
        companion.write("レベル\t問題\t回答\tよみ\t別解\t要確認\n"
                        "初級\tやま\t山\tやま\t\t\n");
        companion.close();
        random = ScriptedRandom();
        record = MemoryLearningRecord();
        view = FakeSessionView();
        voice = RecordingVoice();
        session = std::make_unique<DrillSession>(random, record, view);
        session->setVoice(&voice);
        QVERIFY(session->load(file));
    }

    void theBarWaitsUntilTheQuestionWasHeard()
    {
        random.values = {0, 1};
        QCOMPARE(session->start({20, 2, true}), DrillSession::StartOutcome::Started);
        QVERIFY(session->listening());
        ticks(5);
        QCOMPARE(voice.appeared, QStringList{"山"});
        QCOMPARE(voice.following, QStringList{"川"});
        QCOMPARE(view.bar, 0);
        QVERIFY(session->waitingForSpeech());

        session->speechEnded();
        ticks(3);
        QCOMPARE(view.bar, 3);
        QCOMPARE(voice.appeared.size(), 1);
    }

    void theDrawToldAheadIsTheQuestionThatFollows()
    {
        random.values = {0, 1};
        session->start({20, 2, true});
        ticks(1);
        session->speechEnded();
        ticks(1);
        session->input("山");
        ticks(1);
        QCOMPARE(voice.appeared, (QStringList{"山", "川"}));
        // The last question has nothing to follow it.
        QCOMPARE(voice.following, (QStringList{"川", ""}));
        QCOMPARE(view.bar, 0);
    }

    void aTimedOutQuestionsSuccessorIsHeardBeforeItsBarMoves()
    {
        random.values = {0, 1};
        session->start({20, 2, true});
        ticks(1);
        session->speechEnded();
        ticks(Drill::BarMaximum + 1);
        QCOMPARE(view.timedOut.size(), 1);
        QCOMPARE(voice.appeared, (QStringList{"山", "川"}));
        ticks(4);
        QCOMPARE(view.bar, 0);
    }

    void theHeardWordMayBeTypedAsItsReading()
    {
        random.values = {0, 1};
        session->start({20, 2, true});
        ticks(1);
        session->speechEnded();
        ticks(2);
        session->input("やま");
        QCOMPARE(view.answered.size(), 1);
    }

    void aGameThatIsNotListeningSpeaksOnlyWhenReadAloud()
    {
        random.values = {0, 1};
        session->start({20, 2, false});
        ticks(3);
        QVERIFY(voice.appeared.isEmpty());
        QCOMPARE(view.bar, 3);
        session->end();

        session->setReadAloud(true);
        session->start({20, 2, false});
        ticks(3);
        QCOMPARE(voice.appeared.size(), 1);
        QCOMPARE(view.bar, 3);
        QVERIFY(!session->listening());
    }
};

QTEST_GUILESS_MAIN(ListeningGameTest)
#include "ListeningGameTest.moc"
