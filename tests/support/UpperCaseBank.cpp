#include "UpperCaseBank.h"

QuestionBank upperCaseBank(const QList<QByteArrayList>& answersPerLevel)
{
    QuestionBank bank;
    for (int level = 0; level < answersPerLevel.size(); ++level) {
        for (const QByteArray& answer : answersPerLevel[level])
            bank.Add(level, answer.toUpper(), answer);
    }
    return bank;
}
