#pragma once
// What the map tests share: a fresh temporary directory for data files, and
// recorded operations as the renderer's trace lines.

#include "map/recording_surface.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace tavik {

using Ops = std::vector<DrawOp>;
using Texts = std::vector<std::string>;

// A fresh temporary directory, removed with all it holds.
struct TempDir {
    std::string path =
        std::filesystem::temp_directory_path() / "tavik-test-XXXXXX";

    TempDir() { EXPECT_NE(mkdtemp(path.data()), nullptr); }
    ~TempDir() {
        std::error_code ec;
        std::filesystem::remove_all(path, ec);
    }
    // Writes `lines` ended by CR LF, as in the data files; the file's path.
    std::string Write(const std::string &name, const Texts &lines) const {
        const std::string file = path + "/" + name;
        std::ofstream out(file, std::ios::binary);
        for (const std::string &line : lines)
            out << line << "\r\n";
        return file;
    }
};

// An operation as a trace line, its numbers to the hundredth.
inline std::string Rounded(DrawOp op) {
    for (float &a : op.a)
        a = static_cast<float>(std::round(a * 100.0) / 100);
    return TraceLine(op);
}

// The operations from `first` on (`count` of them, or all), so written.
inline Texts Trace(const Ops &ops, std::size_t first = 0,
                   std::size_t count = SIZE_MAX) {
    Texts out;
    for (std::size_t i = first; i < ops.size() && i - first < count; ++i)
        out.push_back(Rounded(ops[i]));
    return out;
}

} // namespace tavik
