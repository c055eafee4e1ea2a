#include "headless/ScriptCommandLine.h"

#include "headless/CommandLine.h"
#include "headless/CommandLineSupport.h"
#include "commands/FileCommands.h"
#include "commands/GridText.h"
#include "commands/ListingCommands.h"
#include "commands/Script.h"
#include "commands/ScriptRun.h"
#include "commands/SettingsCommands.h"
#include "data/Errors.h"
#include "data/Messages.h"
#include "data/Numbers.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <optional>

#include <unistd.h>

namespace {

std::string readScriptFile(const std::string& path)
{
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        throw FileError(Messages::message(Messages::CannotOpenFile, {path, std::strerror(errno)}));
    std::string bytes;
    char buffer[65536];
    size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        bytes.append(buffer, got);
    const bool failed = std::ferror(file) != 0;
    const int error = errno;
    std::fclose(file);
    if (failed)
        throw FileError(Messages::message(Messages::CannotOpenFile, {path, std::strerror(error)}));
    return bytes;
}

// A message on one line: its line breaks become blanks.
std::string oneLine(std::string text)
{
    size_t crlf = 0;
    while ((crlf = text.find("\r\n")) != std::string::npos)
        text.erase(crlf, 1);
    std::replace(text.begin(), text.end(), '\n', ' ');
    std::replace(text.begin(), text.end(), '\r', ' ');
    return text;
}

std::optional<int> wholeNumber(const std::string& text)
{
    try {
        return toInteger(text);
    } catch (const KurvixError&) {
        return std::nullopt;
    }
}

} // namespace

int runScriptMode(const std::vector<std::string>& args)
{
    std::vector<std::string> names;
    int jobs = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    bool options = true;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (options && arg == "--") {
            options = false;
        } else if (options && arg == "--jobs") {
            const std::optional<int> n = i + 1 < args.size() ? wholeNumber(args[++i]) : std::nullopt;
            if (!n || *n < 1)
                return badUsage("--jobs needs a number of at least 1");
            jobs = *n;
        } else if (options && arg.rfind("--", 0) == 0) {
            return badUsage("unknown option " + arg);
        } else {
            names.push_back(arg);
        }
    }
    if (names.empty())
        return badUsage("--run needs a script");
    const std::string scriptName = names.front();
    const std::vector<std::string> files(names.begin() + 1, names.end());

    std::string text;
    try {
        text = scriptText(readScriptFile(scriptName));
    } catch (const KurvixError& e) {
        return failWith(e.what());
    }
    std::vector<ScriptProblem> problems;
    const Script script = parseScript(text, problems);
    if (files.empty() && script.namesFile) {
        for (const ScriptLine& line : script.lines)
            if (std::any_of(line.fields.begin(), line.fields.end(), namesRunFile)) {
                problems.push_back({line.number, "$FILE, $NAME and $DIR need a FILE to run on"});
                break;
            }
    }
    if (!problems.empty()) {
        std::sort(problems.begin(), problems.end(),
                  [](const ScriptProblem& a, const ScriptProblem& b) { return a.line < b.line; });
        for (const ScriptProblem& problem : problems)
            std::cerr << scriptName << ':' << problem.line << ": " << problem.text << '\n';
        return kBadUsageStatus;
    }

    const bool drawsOrPrints = std::any_of(script.lines.begin(), script.lines.end(), [](const ScriptLine& line) {
        return line.command == CommandId::Export || line.command == CommandId::Listing;
    });
    if (drawsOrPrints)
        startHeadlessGui().join();
    keepLargeBlocksForReuse();

    bool anyFailed = false;
    runScriptOverFiles(script, files, jobs, [&](size_t index, const std::optional<ScriptStop>& stop) {
        if (!stop)
            return;
        anyFailed = true;
        std::cerr << scriptName << ':' << stop->line << ": " << oneLine(stop->message);
        if (!files.empty())
            std::cerr << " (" << files[index] << ')';
        std::cerr << std::endl;
    });
    const int status = anyFailed ? kFailureStatus : 0;
    if (drawsOrPrints)
        endProcess(status);
    return status;
}

int runListingMode(const std::vector<std::string>& args)
{
    std::vector<std::string> files;
    std::string pdf;
    int set = kFirstSet;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--set") {
            const std::optional<int> n = i + 1 < args.size() ? wholeNumber(args[++i]) : std::nullopt;
            if (!n || *n < kFirstSet || *n > kLastSet)
                return badUsage("--set needs a set number 1 to 9");
            set = *n;
        } else if (args[i] == "--pdf") {
            if (i + 1 >= args.size())
                return badUsage("--pdf needs an output file");
            pdf = args[++i];
        } else if (args[i].rfind("--", 0) == 0) {
            return badUsage("unknown option " + args[i]);
        } else {
            files.push_back(args[i]);
        }
    }
    if (files.size() != 1)
        return badUsage("--listing needs one data file");
    if (!pdf.empty())
        startHeadlessGui().join();

    int status = 0;
    try {
        DataStore store;
        GridText grid;
        Workspace ws(store, grid);
        commands::startUp(ws);
        commands::openFile(ws, files.front());
        commands::selectSet(ws, set);
        const QDateTime now = QDateTime::currentDateTime();
        if (pdf.empty()) {
            const std::string bytes = commands::listingBytes(store, now);
            std::fwrite(bytes.data(), 1, bytes.size(), stdout);
        } else {
            commands::writeListing(ws, pdf, commands::ListingKind::Pdf, now);
        }
    } catch (const KurvixError& e) {
        status = failWith(e.what());
    }
    if (!pdf.empty())
        endProcess(status);
    return status;
}

std::string scriptUsageText()
{
    return
        "  kurvix --run SCRIPT [FILE ...] [--jobs N]\n"
        "      Run the command script SCRIPT once per FILE, each from the start-up\n"
        "      state (once without a FILE when none is given), on N threads (default:\n"
        "      the number of cores). A failing command stops that FILE's run with\n"
        "      SCRIPT:LINE: MESSAGE (FILE); the next FILE still runs.\n"
        "  kurvix --listing FILE [--set N] [--pdf OUT.pdf]\n"
        "      Read FILE as File / Open does and write the data listing of set N\n"
        "      (default 1) to standard output, or print it into the PDF file OUT.pdf.\n";
}

std::string scriptCommandsText()
{
    std::string text =
        "Script commands, one a line (# starts a comment; in arguments $FILE is the\n"
        "FILE of the run, $NAME its name without folder and extension, $DIR its\n"
        "folder, $$ a single $):\n";
    const std::span<const ScriptCommand> commands = scriptCommands();
    constexpr size_t kColumn = 25;
    for (size_t i = 0; i < commands.size(); ++i) {
        std::string entry = std::string(commandInfo(commands[i].id).scriptWord);
        if (!commands[i].argument.empty())
            entry += ' ' + std::string(commands[i].argument);
        const bool last = i % 3 == 2 || i + 1 == commands.size();
        text += (i % 3 == 0 ? "  " : "");
        text += last ? entry + '\n' : entry + std::string(kColumn > entry.size() ? kColumn - entry.size() : 1, ' ');
    }
    return text;
}
