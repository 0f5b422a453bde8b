#include "session/reference_lists.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace tavik {
namespace {

namespace fs = std::filesystem;

// A fresh folder named after the running test.
fs::path TestDir() {
    const fs::path dir =
        fs::path(::testing::TempDir()) / "tavik-lists" /
        ::testing::UnitTest::GetInstance()->current_test_info()->name();
    fs::remove_all(dir);
    fs::create_directories(dir);
    return dir;
}

TEST(ReferenceLists, EmptyLinesSkippedBlankLinesKeptInFileOrder) {
    // CR LF, lone CR and a line of blanks; the name is matched in any case.
    const fs::path dir = TestDir();
    std::ofstream(dir / "tavik.LST", std::ios::binary)
        << "Zeta\r\n\r\n\r\n   \rAlpha\r\n";
    ReferenceLists lists;
    lists.cities = lists.callsK = {"stale"};
    LoadReferenceLists(dir.string(), lists);
    EXPECT_EQ(lists.cities, (std::vector<std::string>{"Zeta", "   ", "Alpha"}));
    // Missing files give empty lists.
    EXPECT_TRUE(lists.callsK.empty() && lists.callsW.empty());
}

TEST(ReferenceLists, EachListStopsAtItsLimit) {
    const fs::path dir = TestDir();
    ReferenceLists lists;
    const std::tuple<const char *, int, std::vector<std::string> *> rows[] = {
        {kCityListFile, 861, &lists.cities},
        {kCallsKFile, 2356, &lists.callsK},
        {kCallsWFile, 5000, &lists.callsW}};
    for (const auto &[file, kept, got] : rows) {
        std::ofstream out(dir / file, std::ios::binary);
        for (int i = 1; i <= kept + 1; ++i)
            out << "L" << i << "\r\n";
    }
    LoadReferenceLists(dir.string(), lists);
    for (const auto &[file, kept, got] : rows) {
        ASSERT_EQ(static_cast<int>(got->size()), kept) << file;
        EXPECT_EQ(got->front(), "L1");
        EXPECT_EQ(got->back(), "L" + std::to_string(kept));
    }
}

} // namespace
} // namespace tavik
