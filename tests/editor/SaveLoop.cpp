#include "SaveLoopBanks.h"
#include "questions/QuestionFile.h"

#include <QCoreApplication>

#include <cstdio>

// Saves the two banks over the file named on the command line in turn, for ever, and prints a
// line after each save. Only a kill ends it; a failed save ends it with an error.
int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 2)
        return 2;
    const QString path = QString::fromLocal8Bit(argv[1]);
    const std::array<QuestionBank, 2> banks = saveLoopBanks();
    for (std::size_t turn = 1;; ++turn) {
        if (!QuestionFile::write(path, banks[turn % 2]))
            return 1;
        std::puts("saved");
        std::fflush(stdout);
    }
}
