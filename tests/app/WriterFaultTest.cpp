// Every way the program writes a file, made to fail: part-way through (a
// write that fails after N bytes, a file-size limit on the process), into a
// folder that cannot be written, onto a folder, into a folder that has
// vanished. Whatever the fault, an existing file keeps its bytes, no
// temporary file is left, the store's unsavedChanges and currentFileName
// stay, and the message names the file.
//
// A new writer joins as one row of writers().

#include "app/ErrorReport.h"
#include "app/TForm1.h"
#include "app/TForm2.h"
#include "data/AtomicFile.h"
#include "data/DataStore.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <functional>

namespace {

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

QStringList namesIn(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

const QByteArray kOldBytes = "the old file\r\n";
const char kPoints[] = "T\r\nC\r\nX\r\n0\r\n10\r\nY\r\n0\r\n10\r\n3.0103\r\n1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n";

// One writer of the program, run the way a user reaches it. open() sets up
// what the writer needs around the store (a window, once) and gives the save,
// which returns the failure message, empty when the file was written.
using Save = std::function<std::string(const QString& target)>;
struct Writer {
    const char* name;
    const char* fileName; // the target's name in its folder
    std::function<Save(DataStore& store)> open;
};

// What a save must not change when it fails; set once the window exists, as
// building the main window starts the store afresh.
void markUnsaved(DataStore& store)
{
    store.unsavedChanges = true;
    store.currentFileName = "VORHER.KWT";
}

// The data file the command-line writers read.
QString& inputFile()
{
    static QString path;
    return path;
}

// The windows report failures through the failure sink; the command line on
// standard error with status 1.
std::string throughSink(const std::function<void()>& work)
{
    std::string message;
    setFailureSink([&](const std::string& m) { message = m; });
    work();
    setFailureSink(nullptr);
    return message;
}

std::string commandLine(const QStringList& args, const QString& limitBlocks = QString())
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(env);
    if (limitBlocks.isEmpty()) {
        process.start(QStringLiteral(KURVIX_BINARY), args);
    } else {
        // A file-size limit on the process: a disk that is full after so
        // many blocks of 512 bytes.
        process.start(QStringLiteral("/bin/sh"),
                      QStringList{QStringLiteral("-c"), QStringLiteral("ulimit -f %1 && exec \"$0\" \"$@\"").arg(limitBlocks),
                                  QStringLiteral(KURVIX_BINARY)}
                          + args);
    }
    process.waitForFinished(120000);
    if (process.exitStatus() != QProcess::NormalExit)
        return "killed by a signal";
    if (process.exitCode() == 0)
        return {};
    return QString::fromUtf8(process.readAllStandardError()).trimmed().toStdString();
}

const std::vector<Writer>& writers()
{
    static const std::vector<Writer> table = {
        {"File / Save", "daten.kwt",
         [](DataStore& store) -> Save {
             auto form = std::make_shared<TForm1>(store, nullptr, nullptr);
             return [form](const QString& target) {
                 form->setFileChooser([target](QFileDialog&) { return target; });
                 return throughSink([&] { form->findChild<QAction*>(QStringLiteral("Speichernals1"))->trigger(); });
             };
         }},
        {"Save Image as", "bild.bmp",
         [](DataStore& store) -> Save {
             auto form = std::make_shared<TForm2>(store);
             return [form](const QString& target) {
                 form->setFileChooser([target](QFileDialog&) { return target; });
                 return throughSink([&] { form->findChild<QAction*>(QStringLiteral("Saveas1"))->trigger(); });
             };
         }},
        {"--convert", "out.kwt",
         [](DataStore&) -> Save {
             return [](const QString& target) { return commandLine({QStringLiteral("--convert"), inputFile(), target}); };
         }},
        {"--export", "plot.png",
         [](DataStore&) -> Save {
             return [](const QString& target) { return commandLine({QStringLiteral("--export"), target, inputFile()}); };
         }},
    };
    return table;
}

class WriterFaults : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(root.isValid());
        folder = root.filePath(QStringLiteral("out"));
        ASSERT_TRUE(QDir().mkpath(folder));
        inputFile() = root.filePath(QStringLiteral("in.kwt"));
        writeAll(inputFile(), kPoints);
    }

    DataStore busyStore()
    {
        DataStore store;
        store.pointCount[1] = 3;
        for (int i = 1; i <= 3; ++i) {
            store.x(1, i) = i;
            store.y(1, i) = i * i;
        }
        markUnsaved(store);
        return store;
    }

    // The writer's save on a store with three points and unsaved changes.
    Save open(const Writer& writer)
    {
        store = busyStore();
        Save save = writer.open(store);
        markUnsaved(store); // building the main window starts the store afresh
        return save;
    }

    // Runs the save against `target`, which must fail; checks what must
    // hold after any failed write.
    void expectCleanFailure(const Save& save, const char* writer, const QString& target, const char* fault)
    {
        SCOPED_TRACE(std::string(writer) + ", " + fault);
        const QString dir = QFileInfo(target).absolutePath();
        const bool hadFile = QFileInfo(target).isFile();
        const QByteArray before = readAll(target);
        const QStringList namesBefore = namesIn(dir);
        const std::string message = save(target);
        EXPECT_NE(message, "") << "the failure was not reported";
        // A new file's name is written in capitals by File / Save.
        EXPECT_TRUE(QString::fromStdString(message).contains(QFileInfo(target).fileName(), Qt::CaseInsensitive)) << message;
        if (hadFile) {
            EXPECT_EQ(readAll(target), before);
        }
        EXPECT_EQ(namesIn(dir), namesBefore) << "a temporary file was left";
        EXPECT_TRUE(store.unsavedChanges);
        EXPECT_EQ(store.currentFileName, "VORHER.KWT");
    }

    QTemporaryDir root;
    QString folder;
    DataStore store;
};

// A write that fails after N bytes, for every N over a small data file and
// for a spread of N over an image.
TEST_F(WriterFaults, FailingAfterAnyNumberOfBytes)
{
    for (const Writer& writer : writers()) {
        if (QString::fromLatin1(writer.name).startsWith(QStringLiteral("--")))
            continue; // the seam is in this process; the limit below reaches the command line
        const QString target = QDir(folder).filePath(QString::fromLatin1(writer.fileName));
        writeAll(target, kOldBytes);
        // The whole size first, to know which N to try.
        const Save save = open(writer);
        ASSERT_EQ(save(target), "") << writer.name;
        markUnsaved(store);
        const qint64 size = QFileInfo(target).size();
        writeAll(target, kOldBytes);
        const qint64 step = size <= 1024 ? 1 : size / 61;
        int faults = 0;
        for (qint64 budget = 0; budget < size; budget += step, ++faults) {
            setWriteFunctionForTests([budget, used = qint64{0}](int fd, const void* data, size_t n) mutable -> ssize_t {
                if (used >= budget) {
                    errno = ENOSPC;
                    return -1;
                }
                const auto part = static_cast<size_t>(std::min<qint64>(static_cast<qint64>(n), budget - used));
                used += static_cast<qint64>(part);
                return ::write(fd, data, part);
            });
            expectCleanFailure(save, writer.name, target, "disk full after some bytes");
            setWriteFunctionForTests({});
            if (HasFailure())
                return;
        }
        EXPECT_GT(faults, 50) << writer.name;
    }
}

// The file-size limit of the process and the places no file can go.
TEST_F(WriterFaults, FullDiskAndTargetsThatCannotBeWritten)
{
    const QString locked = root.filePath(QStringLiteral("locked"));
    ASSERT_TRUE(QDir().mkpath(locked));
    ASSERT_EQ(::chmod(QFile::encodeName(locked).constData(), 0555), 0);
    const bool root_ = ::geteuid() == 0;
    for (const Writer& writer : writers()) {
        const Save save = open(writer);
        const QString name = QString::fromLatin1(writer.fileName);
        const QString target = QDir(folder).filePath(name);
        writeAll(target, kOldBytes);
        if (QString::fromLatin1(writer.name).startsWith(QStringLiteral("--"))) {
            // Half a kilobyte: less than any of the outputs.
            const QStringList args = QString::fromLatin1(writer.name) == QStringLiteral("--convert")
                ? QStringList{QStringLiteral("--convert"), inputFile(), target}
                : QStringList{QStringLiteral("--export"), target, inputFile()};
            SCOPED_TRACE(writer.name);
            const QStringList namesBefore = namesIn(folder);
            const std::string message = commandLine(args, QStringLiteral("1"));
            EXPECT_NE(message.find(name.toStdString()), std::string::npos) << message;
            EXPECT_EQ(readAll(target), kOldBytes);
            EXPECT_EQ(namesIn(folder), namesBefore);
        }
        // The file system refuses new files in /sys, also to root.
        expectCleanFailure(save, writer.name, QStringLiteral("/sys/") + name, "a folder nobody may write");
        if (!root_) {
            expectCleanFailure(save, writer.name, QDir(locked).filePath(name), "a folder the user may not write");
        }
        const QString aFolder = QDir(folder).filePath(QStringLiteral("ordner.kwt"));
        ASSERT_TRUE(QDir().mkpath(aFolder));
        expectCleanFailure(save, writer.name, aFolder, "a target that is a folder");
        QDir(aFolder).removeRecursively();
        const QString vanished = root.filePath(QStringLiteral("vanished"));
        ASSERT_TRUE(QDir().mkpath(vanished));
        ASSERT_TRUE(QDir().rmdir(vanished));
        expectCleanFailure(save, writer.name, vanished + QStringLiteral("/") + name, "a vanished folder");
    }
}

} // namespace
