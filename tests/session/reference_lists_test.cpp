#include "session/reference_lists.h"

#include <gtest/gtest.h>

#include "tests/session/list_lines.h"

#include <filesystem>

namespace tavik {
namespace {

namespace fs = std::filesystem;

TEST(ReferenceLists, LinesInFileOrderUpToEachListsLimit) {
    const fs::path dir = fs::path(::testing::TempDir()) / "tavik-lists";
    fs::remove_all(dir);
    fs::create_directories(dir);
    // CR LF and lone CR, empty lines skipped; a missing file: no lines.
    std::ofstream(dir / "tavik.LST", std::ios::binary)
        << "Zeta\r\n\r\n\r\n   \rAlpha\r\n";
    ReferenceLists lists;
    lists.cities = lists.callsK = {"stale"};
    LoadReferenceLists(dir.string(), lists);
    EXPECT_EQ(lists.cities, (std::vector<std::string>{"Zeta", "   ", "Alpha"}));
    EXPECT_TRUE(lists.callsK.empty() && lists.callsW.empty());

    fs::remove(dir / "tavik.LST");
    const std::tuple<const char *, int, std::vector<std::string> *> rows[] = {
        {kCityListFile, 861, &lists.cities},
        {kCallsKFile, 2356, &lists.callsK},
        {kCallsWFile, 5000, &lists.callsW}};
    for (const auto &[file, kept, got] : rows) {
        std::vector<std::string> lines;
        for (int i = 1; i <= kept + 1; ++i)
            lines.push_back("L" + std::to_string(i));
        WriteLines((dir / file).string(), lines);
        LoadReferenceLists(dir.string(), lists);
        lines.pop_back(); // one line beyond the limit
        EXPECT_EQ(*got, lines) << file;
    }
}

} // namespace
} // namespace tavik
