#include "session/reference_lists.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace tavik {
namespace {

namespace fs = std::filesystem;

class ReferenceListsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("tavik-lists-" + std::to_string(::testing::UnitTest::GetInstance()
                                                    ->random_seed()) +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }
    void Write(const std::string &name, const std::string &bytes) {
        std::ofstream(dir_ / name, std::ios::binary) << bytes;
    }
    fs::path dir_;
};

TEST_F(ReferenceListsTest, EmptyLinesSkippedBlankLinesKeptInFileOrder) {
    // CR LF, lone CR and a line of blanks; the name is matched in any case.
    Write("tavik.LST", "Zeta\r\n\r\n\r\n   \rAlpha\r\n");
    ReferenceLists lists;
    LoadReferenceLists(dir_.string(), lists);
    EXPECT_EQ(lists.cities, (std::vector<std::string>{"Zeta", "   ", "Alpha"}));
    EXPECT_EQ(lists.CityCount(), 3);
    EXPECT_EQ(lists.CallsKCount(), 0); // missing files give empty lists
    EXPECT_EQ(lists.CallsWCount(), 0);
}

TEST_F(ReferenceListsTest, EachListStopsAtItsLimit) {
    const struct {
        const char *file;
        int lines;
        int16_t kept;
    } rows[] = {{kCityListFile, 900, 861},
                {kCallsKFile, 2357, 2356},
                {kCallsWFile, 6000, 5000}};
    for (const auto &r : rows) {
        std::string text;
        for (int i = 1; i <= r.lines; ++i) {
            text += "L" + std::to_string(i) + "\r\n";
        }
        Write(r.file, text);
    }
    ReferenceLists lists;
    lists.cities = {"stale"};
    LoadReferenceLists(dir_.string(), lists);
    const std::vector<std::string> *got[] = {&lists.cities, &lists.callsK,
                                             &lists.callsW};
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(rows[i].file);
        ASSERT_EQ(static_cast<int>(got[i]->size()), rows[i].kept);
        EXPECT_EQ(got[i]->front(), "L1");
        EXPECT_EQ(got[i]->back(), "L" + std::to_string(rows[i].kept));
    }
}

} // namespace
} // namespace tavik
