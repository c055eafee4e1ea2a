#include "cli/PlainModes.h"

#include "data/DataFile.h"
#include "data/DataStore.h"
#include "data/Errors.h"
#include "data/Messages.h"
#include "data/Numbers.h"
#include "data/ReadExplain.h"
#include "data/VectorState.h"

#include <iostream>

namespace {

constexpr int kFailure = 1;

PlainOutcome mistake(std::string text)
{
    return {2, std::move(text)};
}

PlainOutcome fail(const std::string& message)
{
    std::cerr << message << '\n';
    return {kFailure, {}};
}

} // namespace

void readIntoSet(DataStore& store, const std::string& path, int firstSet)
{
    // The command line's way into the number loops (see data/VectorState.h).
    clearUpperVectorState();
    if (firstSet < kFirstSet || firstSet > kLastSet)
        throw KurvixError(std::string(Messages::SecondFileSetRange));
    store.loadTargetSet = static_cast<uint8_t>(firstSet);
    // A failed read ends the run, so nothing needs the store as it was.
    readDataFileOnce(store, path);
}

PlainOutcome runConvertMode(const std::vector<std::string>& args)
{
    std::vector<std::string> files;
    int into = 1;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--into") {
            if (i + 1 >= args.size())
                return mistake("--into needs a set number");
            try {
                into = toInteger(args[++i]);
            } catch (const KurvixError& e) {
                return fail(e.what());
            }
        } else if (args[i].rfind("--", 0) == 0) {
            return mistake("unknown option " + args[i]);
        } else {
            files.push_back(args[i]);
        }
    }
    if (files.size() != 2)
        return mistake("--convert needs an input and an output file");
    try {
        DataStore store;
        readIntoSet(store, files[0], into);
        writeDataFileExactly(store, files[1]);
    } catch (const KurvixError& e) {
        return fail(e.what());
    }
    return {};
}

// The report of how FILE is read, on standard output; a read that fails is
// reported there too, then its message goes to standard error (status 1).
PlainOutcome runExplainMode(const std::vector<std::string>& args)
{
    std::vector<std::string> files;
    std::string into = "1";
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--into") {
            if (i + 1 >= args.size())
                return mistake("--into needs a set number");
            into = args[++i];
        } else if (args[i].rfind("--", 0) == 0) {
            return mistake("unknown option " + args[i]);
        } else {
            files.push_back(args[i]);
        }
    }
    if (files.size() != 1)
        return mistake("--explain needs one data file");
    try {
        const int set = toInteger(into);
        if (set < kFirstSet || set > kLastSet)
            throw KurvixError(std::string(Messages::SecondFileSetRange));
        clearUpperVectorState();
        const ReadExplanation report = explainDataFile(files[0], set);
        std::cout << report.text;
        if (!report.failure.empty())
            return fail(report.failure);
    } catch (const KurvixError& e) {
        return fail(e.what());
    }
    return {};
}
