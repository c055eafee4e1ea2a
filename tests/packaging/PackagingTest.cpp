// The installed program as the desktop and dpkg see it: what an install into
// a staging folder puts where, the removal through its record, the menu entry
// and file type as the freedesktop tools read them, and the Debian package.

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <set>

namespace {

struct Finished {
    int status;
    QString out, err;
};

Finished run(const QString& program, const QStringList& args, const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment())
{
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(program, args);
    if (!process.waitForFinished(120000))
        return {-1, {}, QStringLiteral("did not finish: ") + program};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError())};
}

QByteArray readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Every regular file below root, as paths relative to it.
std::set<QString> filesBelow(const QString& root)
{
    std::set<QString> files;
    QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        files.insert(QDir(root).relativeFilePath(it.next()));
    return files;
}

const QString kSource = QStringLiteral(KURVIX_SOURCE_DIR);

// What an install puts below its prefix, and where it comes from in the
// source tree (empty: built). Nothing else: no test program, no benchmark.
const struct {
    const char* path;
    const char* source;
} kInstalled[] = {
    {"bin/kurvix", ""},
    {"libexec/kurvix/kurvix-qt", ""},
    {"libexec/kurvix/kurvix-draw", ""},
    {"share/applications/kurvix.desktop", "desktop/kurvix.desktop"},
    {"share/mime/packages/kurvix.xml", "desktop/kurvix.xml"},
    {"share/icons/hicolor/scalable/apps/kurvix.svg", "desktop/kurvix.svg"},
    {"share/icons/hicolor/16x16/apps/kurvix.png", ""},
    {"share/icons/hicolor/32x32/apps/kurvix.png", ""},
    {"share/icons/hicolor/48x48/apps/kurvix.png", ""},
    {"share/icons/hicolor/64x64/apps/kurvix.png", ""},
    {"share/icons/hicolor/128x128/apps/kurvix.png", ""},
    {"share/icons/hicolor/256x256/apps/kurvix.png", ""},
    {"share/kurvix/examples/solarzelle.kwt", "examples/solarzelle.kwt"},
    {"share/kurvix/examples/wetterstation.csv", "examples/wetterstation.csv"},
    {"share/kurvix/examples/pendel.vxn", "examples/pendel.vxn"},
};

std::set<QString> installedBelow(const QString& prefix)
{
    std::set<QString> files;
    for (const auto& file : kInstalled)
        files.insert(prefix + QString::fromLatin1(file.path));
    return files;
}

TEST(Packaging, InstallPutsEveryFileInPlaceAndUninstallRemovesThem)
{
    QTemporaryDir stage;
    const QString record = stage.filePath(QStringLiteral("record.txt"));
    const QString root = stage.filePath(QStringLiteral("root"));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DESTDIR"), root);
    const Finished install = run(QStringLiteral(CMAKE_COMMAND_PATH),
                            {QStringLiteral("-DCMAKE_INSTALL_PREFIX=/usr/local"), QStringLiteral("-DKURVIX_INSTALL_RECORD=") + record,
                             QStringLiteral("-P"), QStringLiteral(KURVIX_BUILD_DIR "/cmake_install.cmake")},
                            env);
    ASSERT_EQ(install.status, 0) << install.err.toStdString();

    EXPECT_EQ(filesBelow(root), installedBelow(QStringLiteral("usr/local/")));
    for (const auto& file : kInstalled) {
        SCOPED_TRACE(file.path);
        const QString path = root + QStringLiteral("/usr/local/") + QString::fromLatin1(file.path);
        if (*file.source) {
            EXPECT_EQ(readFile(path), readFile(kSource + '/' + QString::fromLatin1(file.source)));
        }
        const QRegularExpressionMatch size = QRegularExpression(QStringLiteral("/(\\d+)x\\1/")).match(path);
        if (size.hasMatch()) {
            EXPECT_EQ(QImage(path).size(), QSize(size.captured(1).toInt(), size.captured(1).toInt()));
        }
    }
    EXPECT_TRUE(QFileInfo(root + QStringLiteral("/usr/local/bin/kurvix")).isExecutable());

    // The record lists the files with the staging folder in front, so the
    // removal needs no DESTDIR and touches nothing outside it.
    std::set<QString> recorded;
    for (const QByteArray& line : readFile(record).split('\n'))
        if (!line.isEmpty())
            recorded.insert(QDir(root).relativeFilePath(QString::fromUtf8(line)));
    EXPECT_EQ(recorded, installedBelow(QStringLiteral("usr/local/")));

    const Finished uninstall = run(QStringLiteral(CMAKE_COMMAND_PATH), {QStringLiteral("-DRECORD=") + record, QStringLiteral("-P"),
                                                                   kSource + QStringLiteral("/cmake/Uninstall.cmake")});
    ASSERT_EQ(uninstall.status, 0) << uninstall.err.toStdString();
    EXPECT_TRUE(filesBelow(root).empty());
    EXPECT_FALSE(QFileInfo::exists(root + QStringLiteral("/usr/local/share/kurvix")));
    EXPECT_FALSE(QFileInfo::exists(record));
}

TEST(Packaging, MenuEntryAndFileTypeAsTheDesktopReadsThem)
{
    const QString entry = kSource + QStringLiteral("/desktop/kurvix.desktop");
    const QString mime = kSource + QStringLiteral("/desktop/kurvix.xml");

    // Hints are allowed: the entry names two main categories on purpose.
    const Finished validate = run(QStringLiteral("desktop-file-validate"), {entry});
    EXPECT_EQ(validate.status, 0);
    EXPECT_FALSE(validate.out.contains(QStringLiteral("error")) || validate.out.contains(QStringLiteral("warning")))
        << validate.out.toStdString();
    const Finished xmllint = run(QStringLiteral("xmllint"), {QStringLiteral("--noout"), mime});
    EXPECT_EQ(xmllint.status, 0) << xmllint.err.toStdString();

    // The database built from the type alone matches both spellings of the
    // extension and has no magic rule for it.
    QTemporaryDir share;
    ASSERT_TRUE(QDir().mkpath(share.filePath(QStringLiteral("mime/packages"))));
    ASSERT_TRUE(QFile::copy(mime, share.filePath(QStringLiteral("mime/packages/kurvix.xml"))));
    const Finished update = run(QStringLiteral("update-mime-database"), {share.filePath(QStringLiteral("mime"))});
    ASSERT_EQ(update.status, 0) << update.err.toStdString();
    const QString globs = QString::fromUtf8(readFile(share.filePath(QStringLiteral("mime/globs2"))));
    const QString type = QStringLiteral("application/x-kurvix-kwt");
    EXPECT_TRUE(globs.contains(type + QStringLiteral(":*.kwt"))) << globs.toStdString();
    EXPECT_FALSE(globs.contains(QStringLiteral(":cs"))) << "the globs must match any case";
    EXPECT_FALSE(readFile(share.filePath(QStringLiteral("mime/magic"))).contains(type.toUtf8()));

    // The entry opens that type and shows the icon installed for it.
    const QString text = QString::fromUtf8(readFile(entry));
    EXPECT_TRUE(text.contains(QStringLiteral("\nMimeType=") + type + ';'));
    EXPECT_TRUE(text.contains(QStringLiteral("\nIcon=kurvix\n")));
}

TEST(Packaging, DebianPackage)
{
    QTemporaryDir out;
    const Finished cpack = run(QStringLiteral(CPACK_COMMAND_PATH), {QStringLiteral("-G"), QStringLiteral("DEB"), QStringLiteral("--config"),
                                                                QStringLiteral(KURVIX_BUILD_DIR "/CPackConfig.cmake"),
                                                                QStringLiteral("-B"), out.path()});
    ASSERT_EQ(cpack.status, 0) << cpack.out.toStdString() << cpack.err.toStdString();
    const QStringList debs = QDir(out.path()).entryList({QStringLiteral("kurvix_*.deb")});
    ASSERT_EQ(debs.size(), 1);
    const QString deb = out.filePath(debs[0]);

    const QString arch = run(QStringLiteral("dpkg"), {QStringLiteral("--print-architecture")}).out.trimmed();
    const struct {
        const char* field;
        QRegularExpression value;
    } fields[] = {
        {"Package", QRegularExpression(QStringLiteral("^kurvix$"))},
        {"Version", QRegularExpression(QStringLiteral("^") + QRegularExpression::escape(QStringLiteral(KURVIX_VERSION)) + '$')},
        {"Architecture", QRegularExpression('^' + arch + '$')},
        // shlibdeps found the libraries; the fonts are added by name.
        {"Depends", QRegularExpression(QStringLiteral("libqt6widgets6 \\(>= [^)]+\\)"))},
        {"Depends", QRegularExpression(QStringLiteral("libjpeg62-turbo"))},
        {"Depends", QRegularExpression(QStringLiteral("libfontconfig1"))},
        {"Depends", QRegularExpression(QStringLiteral("(^|, )fonts-liberation2(,|$)"))},
        {"Depends", QRegularExpression(QStringLiteral("(^|, )fonts-dejavu-core(,|$)"))},
    };
    for (const auto& f : fields) {
        const QString value = run(QStringLiteral("dpkg-deb"), {QStringLiteral("-f"), deb, QString::fromLatin1(f.field)}).out.trimmed();
        EXPECT_TRUE(f.value.match(value).hasMatch()) << f.field << ": " << value.toStdString();
    }

    // The files of an install under /usr, owned by root, nothing else.
    std::set<QString> listed;
    for (const QString& line : run(QStringLiteral("dpkg-deb"), {QStringLiteral("-c"), deb}).out.split('\n')) {
        if (!line.startsWith('-'))
            continue; // folders
        EXPECT_TRUE(line.contains(QStringLiteral(" root/root "))) << line.toStdString();
        listed.insert(line.section(' ', -1).mid(2)); // "./usr/..." as "usr/..."
    }
    EXPECT_EQ(listed, installedBelow(QStringLiteral("usr/")));

    // dpkg renews the menu, type and icon caches through their triggers.
    const Finished triggers = run(QStringLiteral("dpkg-deb"), {QStringLiteral("-I"), deb, QStringLiteral("triggers")});
    for (const char* dir : {"/usr/share/applications", "/usr/share/mime/packages", "/usr/share/icons/hicolor"})
        EXPECT_TRUE(triggers.out.contains(QStringLiteral("activate-noawait ") + QString::fromLatin1(dir) + '\n')) << dir;

    // Unpacked, the program runs and knows its version.
    const QString root = out.filePath(QStringLiteral("root"));
    ASSERT_EQ(run(QStringLiteral("dpkg"), {QStringLiteral("-x"), deb, root}).status, 0);
    const Finished version = run(root + QStringLiteral("/usr/bin/kurvix"), {QStringLiteral("--version")});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, QStringLiteral("kurvix " KURVIX_VERSION "\n"));
    // The usage comes from the full program the command hands over to.
    const Finished help = run(root + QStringLiteral("/usr/bin/kurvix"), {QStringLiteral("--help")});
    EXPECT_EQ(help.status, 0) << help.err.toStdString();
    EXPECT_TRUE(help.out.contains(QStringLiteral("--export")));
}

} // namespace
