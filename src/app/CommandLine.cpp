#include "app/CommandLine.h"

#include "app/ScriptCommandLine.h"
#include "data/DataFile.h"
#include "data/DataStore.h"
#include "data/Errors.h"
#include "data/Messages.h"
#include "data/Numbers.h"
#include "data/ReadExplain.h"
#include "data/VectorState.h"
#include "commands/ExportCommands.h"
#include "commands/GridText.h"
#include "commands/SettingsCommands.h"

#include <QDir>

#include <fontconfig/fontconfig.h>
#include <QGuiApplication>

#include <cerrno>
#include <cstdio>
#include <iostream>
#include <thread>

#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int kFailure = 1;
constexpr int kBadUsage = 2;


int usage(const std::string& message)
{
    std::cerr << "kurvix: " << message << "\n\n" << usageText();
    return kBadUsage;
}

// Ends the process once its output is committed. Tearing the application
// object down would first load the whole font configuration just to release
// it again, which takes longer than reading and plotting a full set.
[[noreturn]] void endProcess(int status)
{
    std::cout.flush();
    std::cerr.flush();
    std::fflush(nullptr);
    _exit(status);
}

int fail(const std::string& message)
{
    std::cerr << message << '\n';
    return kFailure;
}

void readInto(DataStore& store, const std::string& path, int firstSet)
{
    // The command line's way into the number loops (see data/VectorState.h).
    clearUpperVectorState();
    if (firstSet < kFirstSet || firstSet > kLastSet)
        throw KurvixError(std::string(Messages::SecondFileSetRange));
    store.loadTargetSet = static_cast<uint8_t>(firstSet);
    readDataFile(store, path);
}

int runConvert(const std::vector<std::string>& args)
{
    std::vector<std::string> files;
    int into = 1;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--into") {
            if (i + 1 >= args.size())
                return usage("--into needs a set number");
            try {
                into = toInteger(args[++i]);
            } catch (const KurvixError& e) {
                return fail(e.what());
            }
        } else if (args[i].rfind("--", 0) == 0) {
            return usage("unknown option " + args[i]);
        } else {
            files.push_back(args[i]);
        }
    }
    if (files.size() != 2)
        return usage("--convert needs an input and an output file");
    try {
        DataStore store;
        readInto(store, files[0], into);
        writeDataFileExactly(store, files[1]);
    } catch (const KurvixError& e) {
        return fail(e.what());
    }
    return 0;
}

// The report of how FILE is read, on standard output; a read that fails is
// reported there too, then its message goes to standard error (status 1).
int runExplain(const std::vector<std::string>& args)
{
    std::vector<std::string> files;
    std::string into = "1";
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--into") {
            if (i + 1 >= args.size())
                return usage("--into needs a set number");
            into = args[++i];
        } else if (args[i].rfind("--", 0) == 0) {
            return usage("unknown option " + args[i]);
        } else {
            files.push_back(args[i]);
        }
    }
    if (files.size() != 1)
        return usage("--explain needs one data file");
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
    return 0;
}

int runExport(const std::vector<std::string>& args)
{
    std::vector<std::string> files;
    bool noDate = false, noFileName = false, grid = false, symbolTable = false, autoscale = false;
    for (const std::string& arg : args) {
        if (arg == "--no-date")
            noDate = true;
        else if (arg == "--no-filename")
            noFileName = true;
        else if (arg == "--grid")
            grid = true;
        else if (arg == "--symbol-table")
            symbolTable = true;
        else if (arg == "--autoscale")
            autoscale = true;
        else if (arg.rfind("--", 0) == 0)
            return usage("unknown option " + arg);
        else
            files.push_back(arg);
    }
    if (files.size() != 2)
        return usage("--export needs an output image and a data file");
    const std::string& out = files[0];

    // Fonts and images need an application object; the offscreen platform
    // needs no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        // Qt wants a private runtime folder; without one it warns on stderr,
        // which is the channel for this mode's messages.
        const QByteArray runtime = QDir::tempPath().toLocal8Bit() + "/kurvix-runtime-" + QByteArray::number(getuid());
        if (mkdir(runtime.constData(), 0700) == 0 || errno == EEXIST)
            qputenv("XDG_RUNTIME_DIR", runtime);
    }
    // Loading the font configuration is the largest fixed cost of an export;
    // it runs on a second core while the application starts and the data
    // file is read, and is finished before the plot writes its first text.
    std::thread fontWarmUp([] { FcInit(); });
    static int argc = 1;
    static char name[] = "kurvix";
    static char* argv[] = {name, nullptr};
    // Never destroyed: the process ends in endProcess() below.
    new QGuiApplication(argc, argv);

    try {
        DataStore store;
        try {
            readInto(store, files[1], 1);
        } catch (...) {
            fontWarmUp.join();
            throw;
        }
        fontWarmUp.join();
        store.plot.showDateTime = !noDate;
        store.plot.showFileName = !noFileName;
        store.plot.plotWithGrid = grid;
        GridText rows;
        Workspace ws(store, rows);
        if (autoscale)
            commands::autoscale(ws);
        commands::exportPlot(ws, out, symbolTable ? commands::ExportDrawing::SymbolTable : commands::ExportDrawing::Plot);
    } catch (const KurvixError& e) {
        endProcess(fail(e.what()));
    }
    endProcess(0);
}

} // namespace

std::string usageText()
{
    return "Usage:\n"
           "  kurvix [FILE]\n"
           "      Start Kurvix; FILE is opened as File / Open does.\n"
           "  kurvix --convert IN OUT [--into N]\n"
           "      Read IN (into set N onward, as Open 2nd file does; default 1) and write\n"
           "      OUT: a KWT file when the upper-cased name contains .KWT, else X;Y lines.\n"
           "  kurvix --export OUT FILE [--no-date] [--no-filename] [--grid] [--symbol-table]\n"
           "                 [--autoscale]\n"
           "      Read FILE, plot it and write the image to OUT: a bitmap when the name\n"
           "      contains .bmp, PNG when it contains .png, else a JPEG file.\n"
           "      --no-date      leave out date and time\n"
           "      --no-filename  leave out the file name\n"
           "      --grid         plot with grid lines\n"
           "      --symbol-table draw the table of symbols instead of the plot\n"
           "      --autoscale    axis ranges from the data first, as Options / Autoscale axes\n"
           + scriptUsageText() +
           "  kurvix --explain FILE [--into N]\n"
           "      Show line by line how FILE is read (into set N onward; default 1): what\n"
           "      each line gives and the notes that explain surprises, then a summary.\n"
           "  kurvix --help\n"
           "      Show this text.\n"
           "  kurvix --version\n"
           "      Show the version.\n"
           "Outputs are written under exactly the name given. A failure prints its\n"
           "message and exits with status 1; bad usage exits with status 2.\n"
           + scriptCommandsText();
}

StartRequest runCommandLine(const std::vector<std::string>& args)
{
    StartRequest request;
    if (args.empty())
        return request;
    const std::string& mode = args[0];
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    if (mode == "--help" || mode == "-h") {
        std::cout << usageText();
        request.exitStatus = 0;
    } else if (mode == "--version") {
        std::cout << "kurvix " KURVIX_VERSION "\n";
        request.exitStatus = 0;
    } else if (mode == "--convert") {
        request.exitStatus = runConvert(rest);
    } else if (mode == "--export") {
        request.exitStatus = runExport(rest);
    } else if (mode == "--run") {
        request.exitStatus = runScriptMode(rest);
    } else if (mode == "--listing") {
        request.exitStatus = runListingMode(rest);
    } else if (mode == "--explain") {
        request.exitStatus = runExplain(rest);
    } else if (mode.rfind("--", 0) == 0) {
        request.exitStatus = usage("unknown option " + mode);
    } else {
        // The windowed start: single-dash arguments belong to Qt (-platform
        // xcb, -geometry ...); the one other argument is the file to open.
        static const char* const qtValueOptions[] = {"-platform", "-platformpluginpath", "-platformtheme", "-plugin",
                                                     "-qwindowgeometry", "-qwindowicon", "-qwindowtitle", "-display",
                                                     "-geometry", "-style", "-stylesheet", "-session", "-name", "-title"};
        std::vector<std::string> files;
        for (size_t i = 0; i < args.size(); ++i) {
            if (args[i].rfind("--", 0) == 0) {
                request.exitStatus = usage("unknown option " + args[i]);
                return request;
            }
            if (args[i].size() > 1 && args[i][0] == '-') {
                for (const char* option : qtValueOptions)
                    if (args[i] == option) {
                        ++i;
                        break;
                    }
                continue;
            }
            files.push_back(args[i]);
        }
        if (files.size() > 1)
            request.exitStatus = usage("only one file can be opened at start");
        else if (!files.empty())
            request.fileToOpen = files[0];
    }
    return request;
}
