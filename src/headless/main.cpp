// The program behind `kurvix --export`, `--run`, `--listing` and `--help`:
// the same command line as the full program's, without its windows.
#include "headless/CommandLine.h"
#include "headless/CommandLineSupport.h"

#include <csignal>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    // Over a file-size limit a write then fails and the save says so, with
    // the old file kept, instead of the process being killed part-way.
    std::signal(SIGXFSZ, SIG_IGN);
    const StartRequest request = runCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    if (request.exitStatus)
        return *request.exitStatus;
    // A windowed start is the full program's; the front never sends one here.
    return badUsage("no windows here: start kurvix");
}
