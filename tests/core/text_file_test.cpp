#include "core/text_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace tavik {
namespace {

namespace fs = std::filesystem;

class TextFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ =
            fs::temp_directory_path() /
            ("tavik_text_file_" + std::to_string(::getpid()) + "_" +
             ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string Write(const std::string &name, const std::string &bytes) {
        const fs::path p = dir_ / name;
        std::ofstream(p, std::ios::binary) << bytes;
        return p.string();
    }

    std::vector<std::string> ReadAll(const std::string &bytes) {
        TextFileReader reader;
        EXPECT_TRUE(reader.Open(Write("lines.txt", bytes)));
        std::vector<std::string> lines;
        std::string line;
        while (reader.ReadLine(line)) {
            lines.push_back(line);
        }
        EXPECT_TRUE(reader.AtEnd());
        EXPECT_FALSE(reader.Failed());
        return lines;
    }

    fs::path dir_;
};

TEST_F(TextFileTest, LineEnds) {
    struct Row {
        const char *name;
        std::string bytes;
        std::vector<std::string> lines;
    };
    const Row rows[] = {
        {"empty file", "", {}},
        {"CR LF", "a\r\nb\r\n", {"a", "b"}},
        {"lone CR", "a\rb\r", {"a", "b"}},
        {"lone LF stays in the line", "a\nb\r\n", {"a\nb"}},
        {"LF only file is one line", "a\nb\n", {"a\nb\n"}},
        {"last line without terminator", "a\r\nlast", {"a", "last"}},
        {"empty lines", "\r\n\r\nx", {"", "", "x"}},
        {"CR CR LF", "a\r\r\n", {"a", ""}},
        {"LF CR", "a\n\rb", {"a\n", "b"}},
        {"single CR", "\r", {""}},
        {"NUL and high bytes are characters",
         std::string("a\0b\xff\x80\r\n\0", 8),
         {std::string("a\0b\xff\x80", 5), std::string("\0", 1)}},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(ReadAll(row.bytes), row.lines);
    }
}

TEST_F(TextFileTest, OverlongLinesAreCutAndTheRestSkipped) {
    const std::size_t max = TextFileReader::kMaxLineLength;
    struct Row {
        const char *name;
        std::size_t length;
    };
    const Row rows[] = {
        {"at the limit", max},
        {"one past the limit", max + 1},
        {"one megabyte", 1 << 20},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        std::string longLine(row.length, 'x');
        longLine[0] = 'A';
        const std::vector<std::string> lines =
            ReadAll(longLine + "\r\nnext\r\n");
        ASSERT_EQ(lines.size(), 2u);
        EXPECT_EQ(lines[0].size(), std::min(row.length, max));
        EXPECT_EQ(lines[0][0], 'A');
        EXPECT_EQ(lines[1], "next");
    }
}

TEST_F(TextFileTest, CrLfSplitAcrossReadBlocksIsOneLineEnd) {
    // Line ends land on every offset around the 64 KiB block edge.
    for (std::size_t before = 65530; before <= 65540; ++before) {
        SCOPED_TRACE(before);
        const std::vector<std::string> lines =
            ReadAll(std::string(before, 'x') + "\r\nnext\r\n\r\n");
        ASSERT_EQ(lines.size(), 3u);
        EXPECT_EQ(lines[1], "next");
        EXPECT_EQ(lines[2], "");
    }
}

TEST_F(TextFileTest, ReadLineReusesTheCallersStorage) {
    std::string bytes = std::string(200, 'w') + "\r\n";
    for (int i = 0; i < 100; ++i) {
        bytes += "line " + std::to_string(i) + "\r\n";
    }
    TextFileReader reader;
    ASSERT_TRUE(reader.Open(Write("reuse.txt", bytes)));
    std::string line;
    ASSERT_TRUE(reader.ReadLine(line));
    const char *storage = line.data();
    int count = 0;
    while (reader.ReadLine(line)) {
        EXPECT_EQ(line.data(), storage);
        ++count;
    }
    EXPECT_EQ(count, 100);
    EXPECT_EQ(line, "");
}

TEST_F(TextFileTest, MissingFileAndDirectory) {
    TextFileReader reader;
    EXPECT_FALSE(reader.Open((dir_ / "absent.txt").string()));
    EXPECT_FALSE(reader.IsOpen());
    std::string line = "unchanged";
    EXPECT_FALSE(reader.ReadLine(line));
    EXPECT_TRUE(reader.AtEnd());

    // A directory opens on this platform but cannot be read: a failure, not
    // an empty file.
    if (reader.Open(dir_.string())) {
        EXPECT_FALSE(reader.ReadLine(line));
        EXPECT_TRUE(reader.Failed());
    }
}

TEST_F(TextFileTest, ReopenStartsAfresh) {
    TextFileReader reader;
    ASSERT_TRUE(reader.Open(Write("one.txt", "1a\r\n1b\r\n")));
    std::string line;
    ASSERT_TRUE(reader.ReadLine(line));
    ASSERT_TRUE(reader.Open(Write("two.txt", "2a")));
    ASSERT_TRUE(reader.ReadLine(line));
    EXPECT_EQ(line, "2a");
    EXPECT_FALSE(reader.ReadLine(line));
    reader.Close();
    EXPECT_FALSE(reader.IsOpen());
    EXPECT_TRUE(reader.AtEnd());
}

TEST_F(TextFileTest, ResolveFileNoCase) {
    Write("1340.DAT", "x");
    Write("Tavik.lst", "x");
    fs::create_directories(dir_ / "530.dat");
    fs::create_directories(dir_ / "sub");
    std::ofstream(dir_ / "sub" / "States.Dat") << "x";
    const std::string d = dir_.string();

    struct Row {
        const char *name;
        std::string asked;
        std::string found; // relative to the directory, "" for none
    };
    const Row rows[] = {
        {"exact", "1340.DAT", "1340.DAT"},
        {"lower-case extension", "1340.dat", "1340.DAT"},
        {"mixed case", "tAVIK.LST", "Tavik.lst"},
        {"missing", "1350.DAT", ""},
        {"a directory is not a file", "530.DAT", ""},
        {"prefix is not a match", "1340.DA", ""},
        {"leaf matched inside a sub-directory", "sub/STATES.DAT",
         "sub/States.Dat"},
        {"empty name", "", ""},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(ResolveFileNoCase(d, row.asked),
                  row.found.empty() ? "" : d + "/" + row.found);
    }
    EXPECT_EQ(ResolveFileNoCase(d + "/", "1340.dat"), d + "/1340.DAT");
    EXPECT_EQ(ResolveFileNoCase((dir_ / "nowhere").string(), "1340.DAT"), "");

    TextFileReader reader;
    EXPECT_TRUE(reader.OpenNoCase(d, "1340.dat"));
    EXPECT_FALSE(reader.OpenNoCase(d, "1350.dat"));
}

TEST_F(TextFileTest, ResolveInTheWorkingDirectoryWhenNoneGiven) {
    Write("REGION2.dat", "x");
    const fs::path before = fs::current_path();
    fs::current_path(dir_);
    const std::string found = ResolveFileNoCase("", "region2.DAT");
    const std::string missing = ResolveFileNoCase("", "states.dat");
    fs::current_path(before);
    EXPECT_EQ(found, "REGION2.dat");
    EXPECT_EQ(missing, "");
}

TEST(JoinPath, AddsOneSeparator) {
    EXPECT_EQ(JoinPath("", "a.dat"), "a.dat");
    EXPECT_EQ(JoinPath("/x", "a.dat"), "/x/a.dat");
    EXPECT_EQ(JoinPath("/x/", "a.dat"), "/x/a.dat");
}

} // namespace
} // namespace tavik
