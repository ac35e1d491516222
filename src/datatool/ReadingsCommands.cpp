#include "datatool/ReadingsCommands.h"

#include "datatool/Messages.h"
#include "proposal/KanaText.h"
#include "proposal/ProposalMessages.h"
#include "questions/LevelNames.h"
#include "questions/QuestionFile.h"
#include "questions/TextCodec.h"

namespace {

struct Pair
{
    int level = 0;
    QString question;
    QString answer;
};

void print(QIODevice& device, const QString& text)
{
    device.write(text.toUtf8() + '\n');
}

// A row is one line of fields: a tab or a line break inside a text would cut it.
QString field(QString text)
{
    for (QChar& c : text) {
        if (c == u'\t' || c == u'\n' || c == u'\r')
            c = u' ';
    }
    return text;
}

QList<Pair> pairsOf(const QuestionBank& bank)
{
    QList<Pair> pairs;
    for (int level = 0; level < QuestionBank::LevelCount; ++level) {
        for (int i = 0; i < bank.Count(level); ++i) {
            const QuestionView item = bank.view(level, i);
            pairs.append({level, TextCodec::decode(item.question), TextCodec::decode(item.answer)});
        }
    }
    return pairs;
}

QString summary(qsizetype proposed, qsizetype toCheck, Language language)
{
    return wording(language, "proposed: %1 readings, %2 to check (要確認).",
                   "読みを提案しました: %1 件、うち要確認 %2 件。")
        .arg(proposed)
        .arg(toCheck);
}

} // namespace

QString textToRead(const QString& question, const QString& answer)
{
    if (!KanaText::hasKanji(question) && KanaText::hasKanji(answer))
        return answer;
    return question;
}

ExitCode runReadings(const ReadingsRequest& request, const Console& console,
                     ReadingProposer& proposer)
{
    QuestionBank bank;
    const QuestionFile::ReadOutcome outcome = QuestionFile::read(request.file, bank);
    if (!outcome) {
        print(console.err, request.file + ": " + QuestionFile::messageFor(outcome));
        return ExitFailed;
    }
    const QList<Pair> pairs = pairsOf(bank);
    QStringList words;
    for (const Pair& pair : pairs)
        words << textToRead(pair.question, pair.answer);
    const ProposalBatch batch = proposer.propose(words);
    if (batch.unavailable) {
        print(console.err, ProposalMessages::unavailable(*batch.unavailable, console.language));
        return ExitFailed;
    }
    qsizetype toCheck = 0;
    for (qsizetype i = 0; i < pairs.size(); ++i) {
        const ReadingProposal& proposal = batch.proposals[std::size_t(i)];
        toCheck += proposal.needsCheck();
        if (request.checkOnly && !proposal.needsCheck())
            continue;
        const Pair& pair = pairs[i];
        print(console.out,
              QStringList{LevelNames::name(pair.level), field(pair.question), field(pair.answer),
                          field(proposal.reading),
                          proposal.needsCheck() ? ProposalMessages::CheckMark : QString()}
                  .join(u'\t'));
    }
    print(console.err, summary(pairs.size(), toCheck, console.language));
    return ExitDone;
}
