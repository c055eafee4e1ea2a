// The `kurvix` command. Converting and explaining data files need no Qt, and
// loading it (some fifty shared libraries) costs more than converting a full
// file, so those modes run here; every other start, the windows included, is
// handed to the program that serves it, with the same arguments.
#include "cli/PlainModes.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

// One of the programs behind this one: beside it in the build folder, in the
// library folder of an install.
std::string programPath(const std::string& name)
{
    char self[4096];
    const ssize_t n = readlink("/proc/self/exe", self, sizeof self - 1);
    if (n <= 0)
        return name;
    std::string folder(self, static_cast<size_t>(n));
    folder.erase(folder.rfind('/') + 1);
    const std::string beside = folder + name;
    if (access(beside.c_str(), X_OK) == 0)
        return beside;
    return folder + KURVIX_PROGRAMS_FROM_BIN + name;
}

} // namespace

int main(int argc, char** argv)
{
    // Over a file-size limit a write then fails and the save says so, with
    // the old file kept, instead of the process being killed part-way.
    std::signal(SIGXFSZ, SIG_IGN);
    if (argc >= 2) {
        const std::string mode = argv[1];
        const std::vector<std::string> rest(argv + 2, argv + argc);
        PlainOutcome outcome{0, "not a plain mode"};
        if (mode == "--convert")
            outcome = runConvertMode(rest);
        else if (mode == "--explain")
            outcome = runExplainMode(rest);
        else if (mode == "--version") {
            std::fputs("kurvix " KURVIX_VERSION "\n", stdout);
            return 0;
        }
        // Bad usage is reported by the full program, with its whole usage text.
        if (outcome.usageMistake.empty()) {
            std::fflush(nullptr);
            return outcome.status;
        }
    }
    // Exports, scripts, listings, the help and bad usage need QtGui at most:
    // kurvix-draw loads neither widgets nor printing. The windows are
    // kurvix-qt's.
    const bool drawing = argc >= 2 && argv[1][0] == '-' && (argv[1][1] == '-' || std::strcmp(argv[1], "-h") == 0);
    const std::string backend = programPath(drawing ? "kurvix-draw" : "kurvix-qt");
    execv(backend.c_str(), argv);
    std::fprintf(stderr, "kurvix: cannot start %s: %s\n", backend.c_str(), std::strerror(errno));
    return 1;
}
