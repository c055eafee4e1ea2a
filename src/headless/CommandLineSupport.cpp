#include "headless/CommandLineSupport.h"

#include "headless/CommandLine.h"

#include <QDir>
#include <QGuiApplication>

#include <fontconfig/fontconfig.h>

#include <cerrno>
#include <cstdio>
#include <iostream>

#include <sys/stat.h>
#include <unistd.h>

int badUsage(const std::string& message)
{
    std::cerr << "kurvix: " << message << "\n\n" << usageText();
    return kBadUsageStatus;
}

int failWith(const std::string& message)
{
    std::cerr << message << '\n';
    return kFailureStatus;
}

std::thread startHeadlessGui()
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        // Without a private runtime folder Qt warns on stderr, the channel
        // of these modes' messages.
        const QByteArray runtime = QDir::tempPath().toLocal8Bit() + "/kurvix-runtime-" + QByteArray::number(getuid());
        if (mkdir(runtime.constData(), 0700) == 0 || errno == EEXIST)
            qputenv("XDG_RUNTIME_DIR", runtime);
    }
    std::thread fontWarmUp([] { FcInit(); });
    static int argc = 1;
    static char name[] = "kurvix";
    static char* argv[] = {name, nullptr};
    new QGuiApplication(argc, argv);
    return fontWarmUp;
}

void endProcess(int status)
{
    std::cout.flush();
    std::cerr.flush();
    std::fflush(nullptr);
    _exit(status);
}
