#include "readings/ReadingsCompanion.h"

#include "questions/TextCodec.h"

#include <QHash>

#include <deque>

namespace ReadingsCompanion {

namespace {

// Rows waiting for their pair, by level and the CP932 bytes of both texts.
class RowQueues
{
public:
    explicit RowQueues(const CompanionFile& file)
    {
        for (qsizetype line = 0; line < file.lines.size(); ++line) {
            const std::optional<CompanionRow>& row = file.lines[line].row;
            if (!row)
                continue;
            const std::optional<QByteArray> question = TextCodec::encode(row->question);
            const std::optional<QByteArray> answer = TextCodec::encode(row->answer);
            if (!question || !answer)
                continue;
            queues[keyOf(row->level, *question, *answer)].push_back(line);
            ++waiting;
        }
    }

    std::optional<qsizetype> take(int level, QuestionView pair)
    {
        if (waiting == 0)
            return std::nullopt;
        if (std::optional<qsizetype> line = takeKey(keyOf(level, pair.question, pair.answer)))
            return line;
        const QByteArray question = TextCodec::canonical(pair.question.toByteArray());
        const QByteArray answer = TextCodec::canonical(pair.answer.toByteArray());
        if (question == pair.question && answer == pair.answer)
            return std::nullopt;
        return takeKey(keyOf(level, question, answer));
    }

private:
    static QByteArray keyOf(int level, QByteArrayView question, QByteArrayView answer)
    {
        return QByteArray::number(level) + ':' + QByteArray::number(question.size()) + ':' +
               question.toByteArray() + answer.toByteArray();
    }

    std::optional<qsizetype> takeKey(const QByteArray& key)
    {
        const auto found = queues.find(key);
        if (found == queues.end() || found->empty())
            return std::nullopt;
        const qsizetype line = found->front();
        found->pop_front();
        --waiting;
        return line;
    }

    QHash<QByteArray, std::deque<qsizetype>> queues;
    qsizetype waiting = 0;
};

} // namespace

Matched match(const CompanionFile& file, const QuestionBank& bank)
{
    Matched matched;
    matched.readings = ReadingsTable(bank);
    RowQueues rows(file);
    QList<bool> taken(file.lines.size(), false);
    for (int level = 0; level < QuestionBank::LevelCount; ++level) {
        for (int position = 0; position < bank.Count(level); ++position) {
            const std::optional<qsizetype> line = rows.take(level, bank.view(level, position));
            if (!line)
                continue;
            matched.readings.attach(level, position, file.lines[*line].row->reading, *line);
            taken[*line] = true;
        }
    }
    for (qsizetype line = 0; line < file.lines.size(); ++line) {
        if (!file.lines[line].row || taken[line])
            continue;
        matched.orphans.append(CompanionProblem::at(CompanionProblem::Kind::NoPair, line + 1));
        matched.orphans.last().row = file.lines[line].row;
    }
    return matched;
}

} // namespace ReadingsCompanion
