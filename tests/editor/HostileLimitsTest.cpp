// Files made to exhaust the program: headers that claim billions of pixels,
// lines of 256 MB without a line end, counts of 1e300. Each reader answers
// with its message (or its result) in bounded time, and the memory it
// touches grows with the file, not with what the file claims.

#include "data/DataFile.h"
#include "data/Errors.h"
#include "editor/ImageFile.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

#include <chrono>
#include <fstream>
#include <functional>
#include <string>

namespace {

// A line of /proc/self/status in kB.
long statusKb(const char* key)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind(key, 0) == 0)
            return std::stol(line.substr(std::string(key).size()));
    return -1;
}

struct Cost {
    std::string message; // empty: the read succeeded
    double seconds = 0;
    long peakGrowthMb = 0; // resident memory at the peak, above where it started
};

// Runs a read with the peak resident size reset first (clear_refs "5"), so
// the peak afterwards is what this read touched.
Cost measure(const std::function<void()>& read)
{
    {
        std::ofstream reset("/proc/self/clear_refs");
        reset << "5";
    }
    const long before = statusKb("VmRSS:");
    Cost cost;
    const auto start = std::chrono::steady_clock::now();
    try {
        read();
    } catch (const KurvixError& e) {
        cost.message = e.what();
    }
    cost.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    cost.peakGrowthMb = (statusKb("VmHWM:") - before) / 1024;
    return cost;
}

QByteArray le16(int v) { return QByteArray(1, static_cast<char>(v & 0xFF)) + QByteArray(1, static_cast<char>((v >> 8) & 0xFF)); }
QByteArray le32(int64_t v) { return le16(static_cast<int>(v & 0xFFFF)) + le16(static_cast<int>((v >> 16) & 0xFFFF)); }

// A Windows bitmap header for width x height at `depth` bits with
// `compression`, followed by `data`.
QByteArray bitmap(int64_t width, int64_t height, int depth, int compression, const QByteArray& data)
{
    const int palette = depth <= 8 ? (1 << depth) * 4 : 0;
    const int offset = 14 + 40 + palette;
    QByteArray b = "BM" + le32(offset + data.size()) + le32(0) + le32(offset);
    b += le32(40) + le32(width) + le32(height) + le16(1) + le16(depth) + le32(compression) + le32(data.size())
        + le32(2835) + le32(2835) + le32(0) + le32(0);
    b += QByteArray(palette, '\x7F');
    return b + data;
}

// The smallest JPEG header that gets as far as the size: SOI, one quantisation
// table, a baseline frame of width x height with one component, a Huffman
// table and the start of a scan; then `tail`.
QByteArray jpeg(int width, int height, const QByteArray& tail)
{
    QByteArray b = QByteArray::fromHex("FFD8FFDB004300") + QByteArray(64, '\x01');
    b += QByteArray::fromHex("FFC0000B08") + QByteArray(1, static_cast<char>(height >> 8)) + QByteArray(1, static_cast<char>(height & 0xFF))
        + QByteArray(1, static_cast<char>(width >> 8)) + QByteArray(1, static_cast<char>(width & 0xFF)) + QByteArray::fromHex("01011100");
    // DC and AC tables with one code each.
    b += QByteArray::fromHex("FFC400140001") + QByteArray(15, '\0') + QByteArray(1, '\0');
    b += QByteArray::fromHex("FFC400141001") + QByteArray(15, '\0') + QByteArray(1, '\0');
    b += QByteArray::fromHex("FFDA0008010100003F00");
    return b + tail;
}

class HostileLimits : public ::testing::Test {
protected:
    std::string write(const QString& name, const QByteArray& bytes)
    {
        const QString path = dir.filePath(name);
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return QFile::encodeName(path).toStdString();
    }

    QTemporaryDir dir;
};

TEST_F(HostileLimits, ImageHeadersThatClaimTooMuch)
{
    const struct {
        const char* name;
        QByteArray bytes;
        ImageFormat format;
        const char* message; // the start of the text
    } cases[] = {
        {"2^31 pixels.bmp", bitmap(65536, 32768, 24, 0, QByteArray(64, '\0')), ImageFormat::Bmp, "The image "},
        {"2^31 pixels top-down.bmp", bitmap(32768, -65536, 8, 0, {}), ImageFormat::Bmp, "The image "},
        {"65500 squared.jpg", jpeg(65500, 65500, {}), ImageFormat::Jpeg, "The image "},
        // Within the canvas's limits, but not from a few hundred bytes.
        {"RLE 8192 squared.bmp", bitmap(8192, 8192, 8, 1, QByteArray::fromHex("0001")), ImageFormat::Bmp, "The image "},
        {"8192 squared.jpg", jpeg(8192, 8192, QByteArray(100, '\0')), ImageFormat::Jpeg, "The image "},
        // Dense enough to be taken: decoded as far as the data go.
        {"RLE 2048 squared.bmp", bitmap(2048, 2048, 8, 1, QByteArray::fromHex("FF00FF000001")), ImageFormat::Bmp, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = write(QString::fromLatin1(c.name), c.bytes);
        const Cost cost = measure([&] { readImageFile(path, c.format); });
        EXPECT_EQ(cost.message.rfind(c.message, 0), 0u) << cost.message;
        if (*c.message) {
            EXPECT_NE(cost.message.find(path), std::string::npos) << cost.message;
        }
        // A picture of up to 4 M pixels, as RGB32 and in the decoder's form.
        EXPECT_LE(cost.peakGrowthMb, 40) << c.name;
        EXPECT_LT(cost.seconds, 10.0);
    }
}

// The largest data file the readers take, one line without a line end, read
// as each kind; and counts no set can hold.
TEST_F(HostileLimits, DataFilesOfHugeLinesAndCounts)
{
    constexpr int kMb = 256;
    const QByteArray digits(kMb << 20, '7');
    const std::string line = write(QStringLiteral("line.txt"), digits);
    // The same bytes as the other kinds, and a Y token of the same size.
    ASSERT_EQ(::link(line.c_str(), (line.substr(0, line.size() - 4) + ".kwt").c_str()), 0);
    ASSERT_EQ(::link(line.c_str(), (line.substr(0, line.size() - 4) + ".vxn").c_str()), 0);
    const std::string token = write(QStringLiteral("token.txt"), "1\r\n" + digits.left(digits.size() - 3));
    const struct {
        const char* name;
        std::string path;
        const char* message; // the start of the text, empty: read
        int points;          // in set 1 after a read
    } cases[] = {
        {"a line of digits as X", line, "", 1},
        {"a line of digits as the heading", line.substr(0, line.size() - 4) + ".kwt", "", 0},
        {"a line of digits as a Vexon heading", line.substr(0, line.size() - 4) + ".vxn", "", 0},
        {"a number token of 256 MB", token, "Ungültige numerische Eingabe", 0},
        {"a count of 1e300", write(QStringLiteral("count.kwt"), "H\r\nC\r\nX\r\n0\r\n1\r\nY\r\n0\r\n1\r\n1e300\r\n"),
         "Set 1 of file ", 0},
        {"a count of 10000 without its points", write(QStringLiteral("short.kwt"), "H\r\nC\r\nX\r\n0\r\n1\r\nY\r\n0\r\n1\r\n10000\r\n"),
         "", 10000},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        DataStore store;
        store.loadTargetSet = 1;
        const Cost cost = measure([&] { readDataFile(store, c.path); });
        EXPECT_EQ(cost.message.rfind(c.message, 0), 0u) << cost.message.substr(0, 200);
        if (cost.message.empty()) {
            EXPECT_EQ(store.pointCount[1], c.points);
        }
        // The file in memory, a copy of its longest line with blanks taken
        // out, and one of a number's text for the conversion; the rest is
        // the stores and, in a sanitizer build, its own bookkeeping.
        EXPECT_LE(cost.peakGrowthMb, 3 * kMb + 48);
        EXPECT_LT(cost.seconds, 60.0);
    }
}

} // namespace
