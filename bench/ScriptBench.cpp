// One file's run of a command script, as `kurvix --run` makes it per file:
// a plain file of 10000 points opened, its ranges set, smoothed and derived,
// then saved and plotted; each output added on its own, so the figures show
// what reading and computing, the save and the export cost.

#include "commands/Script.h"
#include "commands/ScriptRun.h"

#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>

namespace {

class BenchFolder {
public:
    BenchFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "kurvix-script-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr)
            throw std::runtime_error("mkdtemp failed");
        path_ = pattern;
        std::ofstream data(path("data.txt"));
        char line[64];
        for (int i = 0; i < kSetCapacity; ++i) {
            const double x = i * 0.01;
            std::snprintf(line, sizeof line, "%.2f %.6f\n", x, std::sin(x) + 0.01 * std::sin(37 * x));
            data << line;
        }
    }
    ~BenchFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    BenchFolder(const BenchFolder&) = delete;
    BenchFolder& operator=(const BenchFolder&) = delete;
    std::string path(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

void runPerFileScript(benchmark::State& state, const std::string& outputs)
{
    BenchFolder folder;
    keepLargeBlocksForReuse(); // as `kurvix --run` does
    std::vector<ScriptProblem> problems;
    const Script script = parseScript("open $FILE\nxfrom 0\nxto 100\nyfrom -2\nyto 2\nsmooth\nderivative\n" + outputs,
                                      problems);
    const RunFile file{folder.path("data.txt")};
    // One run's state for every file, as each thread of `kurvix --run` keeps it.
    ScriptRun run;
    for (auto _ : state) {
        run.reset();
        const auto stop = runScript(script, &file, run);
        if (stop) {
            state.SkipWithError(stop->message.c_str());
            return;
        }
    }
}

void BM_ScriptReadAndCompute(benchmark::State& state)
{
    runPerFileScript(state, "");
}
BENCHMARK(BM_ScriptReadAndCompute)->Unit(benchmark::kMillisecond);

void BM_ScriptWithSave(benchmark::State& state)
{
    runPerFileScript(state, "save $DIR/$NAME.kwt\n");
}
BENCHMARK(BM_ScriptWithSave)->Unit(benchmark::kMillisecond);

void BM_ScriptWithExport(benchmark::State& state)
{
    runPerFileScript(state, "export $DIR/$NAME.png\n");
}
BENCHMARK(BM_ScriptWithExport)->Unit(benchmark::kMillisecond);

void BM_ScriptWithJpegExport(benchmark::State& state)
{
    runPerFileScript(state, "export $DIR/$NAME.jpg\n");
}
BENCHMARK(BM_ScriptWithJpegExport)->Unit(benchmark::kMillisecond);

void BM_ScriptWithBmpExport(benchmark::State& state)
{
    runPerFileScript(state, "export $DIR/$NAME.bmp\n");
}
BENCHMARK(BM_ScriptWithBmpExport)->Unit(benchmark::kMillisecond);

void BM_ScriptWithSaveAndExport(benchmark::State& state)
{
    runPerFileScript(state, "save $DIR/$NAME.kwt\nexport $DIR/$NAME.png\n");
}
BENCHMARK(BM_ScriptWithSaveAndExport)->Unit(benchmark::kMillisecond);

} // namespace
