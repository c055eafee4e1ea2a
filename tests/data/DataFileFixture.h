#pragma once

// Shared pieces of the data file tests: a private temporary folder, whole-file
// helpers and a full comparison of two stores.

#include "data/DataStore.h"
#include "support/StoreChecks.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace datafiletest {

inline std::string fixture(const std::string& name) { return std::string(KURVIX_TEST_FILES) + "/" + name; }

inline std::string readBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void writeBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

// A fresh folder per test, removed with everything in it afterwards.
class TempDir {
public:
    TempDir()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "kurvix-files-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr)
            throw std::runtime_error("mkdtemp failed");
        path_ = pattern;
    }
    ~TempDir()
    {
        std::error_code ignored;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(path_, ignored))
            std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_all,
                                         std::filesystem::perm_options::add, ignored);
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add,
                                     ignored);
        std::filesystem::remove_all(path_, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    std::string path(const std::string& name) const { return path_ + "/" + name; }
    const std::string& root() const { return path_; }

    std::string write(const std::string& name, const std::string& bytes) const
    {
        writeBytes(path(name), bytes);
        return path(name);
    }

    // Names in the folder, sorted.
    std::vector<std::string> names() const
    {
        std::vector<std::string> out;
        for (const auto& entry : std::filesystem::directory_iterator(path_))
            out.push_back(entry.path().filename().string());
        std::sort(out.begin(), out.end());
        return out;
    }

private:
    std::string path_;
};

using Points = std::vector<std::pair<double, double>>;

inline Points pointsOf(const DataStore& store, int s)
{
    Points out;
    for (int i = 1; i <= store.pointCount[static_cast<size_t>(s)]; ++i)
        out.emplace_back(store.x(s, i), store.y(s, i));
    return out;
}

inline void setPoints(DataStore& store, int s, const Points& points)
{
    store.pointCount[static_cast<size_t>(s)] = static_cast<int32_t>(points.size());
    for (size_t i = 0; i < points.size(); ++i) {
        store.x(s, static_cast<int>(i) + 1) = points[i].first;
        store.y(s, static_cast<int>(i) + 1) = points[i].second;
    }
}

// Lines joined with CR LF, each one ended.
inline std::string crlf(const std::vector<std::string>& lines)
{
    std::string out;
    for (const auto& line : lines)
        out += line + "\r\n";
    return out;
}

// The first difference between two stores (every field and every value of
// every block), or an empty text when they are the same.
inline std::string storeDifference(const DataStore& a, const DataStore& b) { return storecheck::difference(a, b); }

// A store that differs from the start-up state in every place a read could
// touch, so an unwanted change shows.
inline DataStore busyStore()
{
    DataStore store;
    store.plot.heading = "Alte Kopfzeile";
    store.plot.comment = "Alter Kommentar";
    store.plot.xLabel = "Alt X";
    store.plot.xFrom = -1;
    store.plot.xTo = 99;
    for (int s = 1; s <= kLastSet; ++s) {
        store.yLabel[static_cast<size_t>(s)] = "Alt " + std::to_string(s);
        store.yFrom[static_cast<size_t>(s)] = -s;
        store.yTo[static_cast<size_t>(s)] = s * 10;
        store.symbolNumber[static_cast<size_t>(s)] = static_cast<uint8_t>(14 - s);
        store.drawFlags[static_cast<size_t>(s)] = static_cast<uint8_t>(s);
        setPoints(store, s, {{s, 1.0}, {s + 1.0, 2.0}});
    }
    store.currentSet = 5;
    store.unsavedChanges = true;
    store.currentFileName = "VORHER.KWT";
    store.loadTargetSet = 1;
    return store;
}

} // namespace datafiletest
