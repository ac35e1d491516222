// Stands in for Assistant in the help viewer's tests. It appends what it was started with and
// every line it reads on its standard input to the file named by TAZUNE_FAKE_VIEWER_RECORD, one
// entry a line: "start PID", "arg ARGUMENT", "line TEXT", and "eof" when its input closes. It
// then ends, unless TAZUNE_FAKE_VIEWER_STAYS is set: then it stays until it is killed, as
// Assistant stays open when the program that started it has gone.

#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>

int main(int argc, char* argv[])
{
    const char* recordPath = std::getenv("TAZUNE_FAKE_VIEWER_RECORD");
    if (recordPath == nullptr)
        return 2;
    std::ofstream record(recordPath, std::ios::app);
    record << "start " << getpid() << std::endl;
    for (int i = 1; i < argc; ++i)
        record << "arg " << argv[i] << std::endl;
    std::string line;
    while (std::getline(std::cin, line))
        record << "line " << line << std::endl;
    record << "eof" << std::endl;
    if (std::getenv("TAZUNE_FAKE_VIEWER_STAYS") != nullptr) {
        for (;;)
            pause();
    }
    return 0;
}
