#include "headless/CommandLine.h"

#include "headless/CommandLineSupport.h"
#include "headless/ScriptCommandLine.h"
#include "cli/PlainModes.h"
#include "data/DataStore.h"
#include "data/Errors.h"
#include "data/Messages.h"
#include "commands/ExportCommands.h"
#include "commands/GridText.h"
#include "commands/SettingsCommands.h"

#include <iostream>
#include <thread>

namespace {

int plainMode(const PlainOutcome& outcome)
{
    return outcome.usageMistake.empty() ? outcome.status : badUsage(outcome.usageMistake);
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
            return badUsage("unknown option " + arg);
        else
            files.push_back(arg);
    }
    if (files.size() != 2)
        return badUsage("--export needs an output image and a data file");
    const std::string& out = files[0];

    // The font configuration loads while the data file is read; it is
    // finished before the plot writes its first text.
    std::thread fontWarmUp = startHeadlessGui();

    try {
        DataStore store;
        try {
            readIntoSet(store, files[1], 1);
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
        endProcess(failWith(e.what()));
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
           "      contains .bmp, else SVG or PDF (the plot as vector shapes) when it\n"
           "      contains .svg or .pdf, PNG when it contains .png, else a JPEG file.\n"
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
        request.exitStatus = plainMode(runConvertMode(rest));
    } else if (mode == "--export") {
        request.exitStatus = runExport(rest);
    } else if (mode == "--run") {
        request.exitStatus = runScriptMode(rest);
    } else if (mode == "--listing") {
        request.exitStatus = runListingMode(rest);
    } else if (mode == "--explain") {
        request.exitStatus = plainMode(runExplainMode(rest));
    } else if (mode.rfind("--", 0) == 0) {
        request.exitStatus = badUsage("unknown option " + mode);
    } else {
        // The windowed start: single-dash arguments belong to Qt (-platform
        // xcb, -geometry ...); the one other argument is the file to open.
        static const char* const qtValueOptions[] = {"-platform", "-platformpluginpath", "-platformtheme", "-plugin",
                                                     "-qwindowgeometry", "-qwindowicon", "-qwindowtitle", "-display",
                                                     "-geometry", "-style", "-stylesheet", "-session", "-name", "-title"};
        std::vector<std::string> files;
        for (size_t i = 0; i < args.size(); ++i) {
            if (args[i].rfind("--", 0) == 0) {
                request.exitStatus = badUsage("unknown option " + args[i]);
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
            request.exitStatus = badUsage("only one file can be opened at start");
        else if (!files.empty())
            request.fileToOpen = files[0];
    }
    return request;
}
