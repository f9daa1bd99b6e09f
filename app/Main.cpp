// The program's entry on Linux: the command line's answers first, then the wizard.
#include "CommandLine.h"
#include "framework/WinApp.h"

#include <iostream>

int main(int argc, char* argv[])
{
    // --help and --version work anywhere, also where no window can open.
    if (const std::optional<int> nStatus = AnswerCommandLine(argc, argv, std::cout, std::cerr))
        return *nStatus;
    return AfxWinMain(argc, argv);
}
