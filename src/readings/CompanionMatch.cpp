#include "readings/ReadingsCompanion.h"

#include "questions/TextCodec.h"

#include <QHash>

#include <algorithm>
#include <vector>

namespace ReadingsCompanion {

namespace {

// Bytes that start a character of the NEC and IBM rows, whose characters CP932 also holds under
// another code. They may be second bytes as well, so this only rules out the texts that surely
// hold none.
bool mayHoldSecondCodes(QByteArrayView text)
{
    return std::any_of(text.begin(), text.end(), [](char byte) {
        const uchar code = uchar(byte);
        return code == 0x87 || code == 0xED || code == 0xEE || code >= 0xFA;
    });
}

// Rows waiting for their pair, by level and the CP932 bytes of both texts: for each key the
// first waiting line, and from each line the next one with the same key.
class RowQueues
{
public:
    explicit RowQueues(const CompanionFile& file) : next(std::size_t(file.lines.size()), -1)
    {
        for (qsizetype line = file.lines.size() - 1; line >= 0; --line) {
            const std::optional<CompanionRow>& row = file.lines[line].row;
            if (!row)
                continue;
            const std::optional<QByteArray> question = TextCodec::encode(row->question);
            const std::optional<QByteArray> answer = TextCodec::encode(row->answer);
            if (!question || !answer)
                continue;
            qsizetype& head = first[keyOf(row->level, *question, *answer)];
            next[std::size_t(line)] = head - 1;
            head = line + 1;
            ++waiting;
        }
    }

    std::optional<qsizetype> take(int level, QuestionView pair)
    {
        if (waiting == 0)
            return std::nullopt;
        if (std::optional<qsizetype> line = takeKey(keyOf(level, pair.question, pair.answer)))
            return line;
        if (!mayHoldSecondCodes(pair.question) && !mayHoldSecondCodes(pair.answer))
            return std::nullopt;
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
        const auto found = first.find(key);
        if (found == first.end() || *found == 0)
            return std::nullopt;
        const qsizetype line = *found - 1;
        *found = next[std::size_t(line)] + 1;
        --waiting;
        return line;
    }

    // Lines counted from 1 here, so that 0, what a new key starts with, means none waiting.
    QHash<QByteArray, qsizetype> first;
    std::vector<qsizetype> next; // from 0, -1 for none
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
