// Following a growing file: after every update the store is what a fresh
// read of the file's complete lines gives, however the writer splits its
// writes.

#include "DataFileFixture.h"

#include "data/DataFile.h"
#include "data/Errors.h"
#include "data/FollowReader.h"

#include <cstdio>
#include <filesystem>
#include <random>

using namespace datafiletest;

namespace {

// Every field a read can set, and the points of every set.
std::string sameAsFreshRead(const DataStore& followed, const DataStore& fresh)
{
    std::ostringstream why;
    for (int s = kFirstSet; s <= kLastSet; ++s) {
        const auto si = static_cast<size_t>(s);
        if (pointsOf(followed, s) != pointsOf(fresh, s))
            why << "points of set " << s << " (" << followed.pointCount[si] << " vs " << fresh.pointCount[si] << ") ";
        if (followed.yLabel[si] != fresh.yLabel[si] || followed.yFrom[si] != fresh.yFrom[si]
            || followed.yTo[si] != fresh.yTo[si] || followed.symbolNumber[si] != fresh.symbolNumber[si]
            || followed.drawFlags[si] != fresh.drawFlags[si])
            why << "fields of set " << s << ' ';
        if (followed.minYIndex[si] != fresh.minYIndex[si] || followed.maxYIndex[si] != fresh.maxYIndex[si])
            why << "extremes of set " << s << ' ';
    }
    if (followed.plot.heading != fresh.plot.heading || followed.plot.xLabel != fresh.plot.xLabel
        || followed.plot.comment != fresh.plot.comment || followed.plot.xFrom != fresh.plot.xFrom
        || followed.plot.xTo != fresh.plot.xTo)
        why << "plot ";
    if (followed.unsavedChanges != fresh.unsavedChanges || followed.currentFileName != fresh.currentFileName)
        why << "state ";
    return why.str();
}

// Lines of every kind the plain reader knows, with all three line ends,
// X values often equal (the sort's order of equal X must come out the same).
std::string randomLines(std::mt19937& random, int count)
{
    const char* const ends[] = {"\r\n", "\n", "\r", "\r\n", "\r\n"};
    std::uniform_int_distribution<int> kind(0, 11);
    std::uniform_int_distribution<int> small(-30, 30);
    std::string out;
    for (int i = 0; i < count; ++i) {
        const std::string x = std::to_string(small(random) / 3);
        const std::string y = std::to_string(small(random)) + "." + std::to_string(std::abs(small(random)));
        const char* end = ends[random() % 5];
        switch (kind(random)) {
        case 0: out += "Zeit;Wert"; break;
        case 1: break; // an empty line
        case 2: out += x + "\t" + y; break;
        case 3: out += x + " " + y; break;
        case 4: out += x + ",5;" + std::to_string(small(random)) + ",25"; break;
        case 5: out += "0" + std::to_string(std::abs(small(random)) % 10) + ":30:15;" + y; break;
        case 6: out += x + end + end + y; break; // X alone, Y two lines on
        case 7: out += x + ";" + y + ";7"; break;
        case 8: out += "  " + x + ";" + y + " cm"; break;
        default: out += x + ";" + y; break;
        }
        out += end;
    }
    return out;
}

class Follow : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::filesystem::create_directory(dir.path("a"));
        std::filesystem::create_directory(dir.path("b"));
    }

    // Appends `bytes` to the followed file in random chunks; after each one
    // the follower is updated and compared with a fresh read of the
    // complete lines written so far.
    void growInChunks(const std::string& bytes, std::mt19937& random, size_t longest)
    {
        std::uniform_int_distribution<size_t> chunk(1, longest);
        for (size_t at = 0; at < bytes.size();) {
            const size_t n = std::min(chunk(random), bytes.size() - at);
            written += bytes.substr(at, n);
            at += n;
            {
                std::ofstream out(followedPath, std::ios::binary | std::ios::app);
                out << bytes.substr(at - n, n);
            }
            if (follower->poll())
                follower->apply(store);
            expectFreshRead();
            if (HasFailure())
                return;
        }
    }

    void expectFreshRead()
    {
        const size_t complete = written.find_last_of("\r\n");
        writeBytes(freshPath, complete == std::string::npos ? "" : written.substr(0, complete + 1));
        DataStore fresh = base;
        fresh.loadTargetSet = 1;
        readDataFile(fresh, freshPath);
        ASSERT_EQ(sameAsFreshRead(store, fresh), "") << "after " << written.size() << " bytes";
    }

    void startFollowing(const std::string& name, const std::string& first)
    {
        followedPath = dir.path("a/" + name);
        freshPath = dir.path("b/" + name);
        written = first;
        writeBytes(followedPath, first);
        store = base;
        store.loadTargetSet = 1;
        follower = std::make_unique<FileFollower>(followedPath, base);
        follower->start(store);
        expectFreshRead();
    }

    TempDir dir;
    DataStore base = busyStore();
    DataStore store;
    std::unique_ptr<FileFollower> follower;
    std::string followedPath;
    std::string freshPath;
    std::string written;
};

TEST_F(Follow, RandomChunksGiveWhatAFreshReadGives)
{
    for (const unsigned seed : {1u, 2u}) {
        SCOPED_TRACE(seed);
        std::mt19937 random(seed);
        startFollowing("messung.csv", "");
        growInChunks(randomLines(random, 120), random, 12);
    }
}

TEST_F(Follow, VexonHeaderAndDataInChunks)
{
    std::mt19937 random(4);
    startFollowing("lauf.vxn", "");
    growInChunks("Vexon > Lauf 7\r\nSpannung\r\nU <V>\r\n4\r\n5\r\n6\r\n7\r\n" + randomLines(random, 60), random, 9);
}

TEST_F(Follow, FullSetsPassTheLinesOnAndDropThemAfterSetNine)
{
    std::mt19937 random(5);
    std::string start;
    for (int i = 0; i < kSetCapacity - 3; ++i)
        start += std::to_string(i % 97) + ";" + std::to_string(i) + "\r\n";
    startFollowing("voll.txt", start);
    growInChunks(randomLines(random, 40), random, 30);

    // The last set full: further pairs are dropped, as a fresh read drops them.
    for (int s = 2; s <= kLastSet; ++s)
        base.pointCount[static_cast<size_t>(s)] = kSetCapacity;
    startFollowing("voll.txt", start);
    growInChunks(randomLines(random, 30), random, 30);
}

TEST_F(Follow, FileThatShrinksOrIsReplacedIsReadFromTheStart)
{
    std::mt19937 random(6);
    startFollowing("messung.csv", "1;10\r\n2;20\r\n3;30\r\n");
    growInChunks("4;40\r\n5", random, 4);

    // Shorter: read again from the start.
    written = "7;70\r\n";
    writeBytes(followedPath, written);
    ASSERT_TRUE(follower->poll());
    follower->apply(store);
    expectFreshRead();

    // Replaced under the same name by a longer file.
    written = "1;1\r\n2;2\r\n3;3\r\n4;4\r\n";
    writeBytes(dir.path("neu.csv"), written);
    std::filesystem::rename(dir.path("neu.csv"), followedPath);
    ASSERT_TRUE(follower->poll());
    follower->apply(store);
    expectFreshRead();

    // Written over in place with the same length: its last bytes differ.
    written = "9;9\r\n8;8\r\n7;7\r\n6;6\r\n";
    {
        std::fstream over(followedPath, std::ios::binary | std::ios::in | std::ios::out);
        over << written;
    }
    ASSERT_TRUE(follower->poll());
    follower->apply(store);
    expectFreshRead();
    growInChunks(randomLines(random, 20), random, 10);
}

TEST_F(Follow, KwtFileIsReadWholeOnEveryChange)
{
    std::mt19937 random(8);
    DataStore source;
    setPoints(source, 1, {{1, 2}, {3, 4}});
    setPoints(source, 2, {{5, 6}});
    const std::string kwt = readBytes(writeDataFile(source, dir.path("quelle.kwt")));
    startFollowing("quelle.kwt", "");
    growInChunks(kwt, random, 16);
}

TEST_F(Follow, BadNumberFailsOnTheLineAFreshReadNamesAndLeavesTheStore)
{
    // The CR LF after the first line comes in two writes: still one line end.
    startFollowing("messung.csv", "1;10\r");
    const DataStore before = store;
    std::ofstream(followedPath, std::ios::binary | std::ios::app) << "\n2\r\nabc\r\n";
    ASSERT_TRUE(follower->poll());
    try {
        follower->apply(store);
        FAIL() << "no failure";
    } catch (const InputError& failure) {
        EXPECT_EQ(failure.line(), 3);
    }
    EXPECT_EQ(sameAsFreshRead(store, before), "");
}

} // namespace
