#include "questions/CheckReport.h"

#include "questions/TextCodec.h"

#include <QHash>

namespace {

bool isCp932LeadByte(uchar byte)
{
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

// Walked character by character: the bytes 81 40 are a full-width space only where they start a
// character, and may otherwise be the end of one character and an '@'.
QByteArrayView withoutTrailingSpaces(QByteArrayView text)
{
    qsizetype end = 0;
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype width = isCp932LeadByte(uchar(text[i])) && i + 1 < text.size() ? 2 : 1;
        const QByteArrayView character = text.sliced(i, width);
        i += width;
        if (character != " " && character != "\x81\x40")
            end = i;
    }
    return text.first(end);
}

void checkLevel(const QuestionBank& bank, int level, QList<CheckWarning>& warnings)
{
    QHash<QByteArrayView, int> firstWithQuestion;
    QHash<QByteArrayView, int> firstWithTrimmedQuestion;
    for (int position = 0; position < bank.Count(level); ++position) {
        const QByteArrayView question = bank.view(level, position).question;
        const QByteArray answer = bank.view(level, position).answer.toByteArray();
        if (answer.isEmpty())
            warnings.append({CheckWarning::Kind::EmptyAnswer, level, position});
        else if (TextCodec::canonical(answer) != answer)
            warnings.append({CheckWarning::Kind::AnswerWithSecondCode, level, position});
        if (const auto same = firstWithQuestion.constFind(question);
            same != firstWithQuestion.cend()) {
            warnings.append({CheckWarning::Kind::DuplicateQuestion, level, position, *same});
            continue;
        }
        firstWithQuestion.insert(question, position);
        const QByteArrayView trimmed = withoutTrailingSpaces(question);
        if (const auto near = firstWithTrimmedQuestion.constFind(trimmed);
            near != firstWithTrimmedQuestion.cend()) {
            warnings.append({CheckWarning::Kind::DiffersByTrailingSpaces, level, position, *near});
        } else {
            firstWithTrimmedQuestion.insert(trimmed, position);
        }
    }
}

} // namespace

CheckReport checkBank(const QuestionBank& bank)
{
    CheckReport report;
    for (int level = 0; level < QuestionBank::LevelCount; ++level) {
        report.counts[level] = bank.Count(level);
        checkLevel(bank, level, report.warnings);
    }
    return report;
}
