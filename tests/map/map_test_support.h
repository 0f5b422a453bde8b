#pragma once
// A map drawn on a RecordingSurface from small data files written into a
// fresh temporary directory, and helpers to pick the recorded operations.

#include "map/map_layers.h"
#include "map/recording_surface.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

namespace tavik {
namespace testing_map {

class TempDir {
  public:
    TempDir() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "tavik-map-XXXXXX")
                .string();
        if (mkdtemp(pattern.data()) != nullptr) {
            path_ = pattern;
        }
    }
    ~TempDir() {
        std::error_code ec;
        if (!path_.empty()) {
            std::filesystem::remove_all(path_, ec);
        }
    }
    TempDir(const TempDir &) = delete;
    TempDir &operator=(const TempDir &) = delete;
    const std::string &path() const { return path_; }

  private:
    std::string path_;
};

// Home in Dallas at the start-up scale; every class of call shown.
inline SessionSettings TestSettings() {
    SessionSettings s;
    s.channelKHz = 1340;
    s.homeCity = "Dallas TX";
    s.homeLatitude = 32.78f;
    s.homeLongitude = 96.8f;
    s.patternSize = 0.2f;
    s.scaleFactor = 1000;
    s.showNew = 1;
    s.showShort = 1;
    s.showXenva2 = 1;
    s.showLong = 1;
    s.showDeleted = 1;
    return s;
}

struct MapFixture {
    TempDir dir;
    SessionSettings settings = TestSettings();
    RecordingSurface surface;
    OutlinePen pen;
    MapContext map{settings, surface, surface, pen, dir.path()};

    // Writes `lines`, each ended by CR LF as the data files are.
    void Write(const std::string &name,
               std::initializer_list<std::string> lines) {
        std::ofstream out(dir.path() + "/" + name, std::ios::binary);
        for (const std::string &line : lines) {
            out << line << "\r\n";
        }
    }
    const std::vector<DrawOp> &ops() const { return surface.ops; }
};

inline std::vector<DrawOp> OfKind(const std::vector<DrawOp> &ops, OpKind kind) {
    std::vector<DrawOp> out;
    std::copy_if(ops.begin(), ops.end(), std::back_inserter(out),
                 [kind](const DrawOp &op) { return op.kind == kind; });
    return out;
}

inline std::vector<std::string> TextsOf(const std::vector<DrawOp> &ops,
                                        OpKind kind) {
    std::vector<std::string> out;
    for (const DrawOp &op : ops) {
        if (op.kind == kind) {
            out.push_back(op.text);
        }
    }
    return out;
}

inline std::vector<std::string> Printed(const std::vector<DrawOp> &ops) {
    return TextsOf(ops, OpKind::PrintText);
}

inline std::vector<std::string> Messages(const std::vector<DrawOp> &ops) {
    return TextsOf(ops, OpKind::Message);
}

inline std::size_t CountIf(const std::vector<DrawOp> &ops,
                           const std::function<bool(const DrawOp &)> &pred) {
    return static_cast<std::size_t>(
        std::count_if(ops.begin(), ops.end(), pred));
}

// Index of the first operation that matches, or ops.size().
inline std::size_t FirstIndex(const std::vector<DrawOp> &ops,
                              const std::function<bool(const DrawOp &)> &pred) {
    return static_cast<std::size_t>(std::find_if(ops.begin(), ops.end(), pred) -
                                    ops.begin());
}

inline std::size_t LastIndex(const std::vector<DrawOp> &ops,
                             const std::function<bool(const DrawOp &)> &pred) {
    for (std::size_t i = ops.size(); i > 0; --i) {
        if (pred(ops[i - 1])) {
            return i - 1;
        }
    }
    return ops.size();
}

inline std::function<bool(const DrawOp &)> DrawnIn(Color colour) {
    return [colour](const DrawOp &op) {
        return (op.kind == OpKind::Line || op.kind == OpKind::LineTo) &&
               op.colour == colour;
    };
}

inline std::function<bool(const DrawOp &)> PrintedText(const std::string &t) {
    return [t](const DrawOp &op) {
        return op.kind == OpKind::PrintText && op.text == t;
    };
}

// Line (x1, y1)-(x2, y2) with all four coordinates within `tol`.
inline void ExpectLine(const DrawOp &op, float x1, float y1, float x2, float y2,
                       Color colour, float tol = 0.01f) {
    EXPECT_EQ(op.kind, OpKind::Line);
    EXPECT_NEAR(op.a[0], x1, tol);
    EXPECT_NEAR(op.a[1], y1, tol);
    EXPECT_NEAR(op.a[2], x2, tol);
    EXPECT_NEAR(op.a[3], y2, tol);
    EXPECT_EQ(op.colour, colour);
}

inline void ExpectPSet(const DrawOp &op, float x, float y, Color colour,
                       float tol = 0.01f) {
    EXPECT_EQ(op.kind, OpKind::PSet);
    EXPECT_NEAR(op.a[0], x, tol);
    EXPECT_NEAR(op.a[1], y, tol);
    EXPECT_EQ(op.colour, colour);
}

} // namespace testing_map
} // namespace tavik
