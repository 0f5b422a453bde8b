#pragma once
// Sequential reading of the program's plain 8-bit text files, one line at a
// time, streamed through a fixed buffer, never loaded whole. Where a line
// ends depends on the file (LineEnds).

#include "core/file_identity.h"

#include <cstdio>
#include <string>
#include <vector>

namespace tavik {

// Finds `name` in `dir` without regard to letter case ("1340.dat" reaches
// 1340.DAT). An empty dir means the working directory. Returns the path to
// open, or "" when no such regular file (or link to one) exists.
std::string ResolveFileNoCase(const std::string &dir, const std::string &name);

// Joins a directory and a file name ("" dir: the name alone).
std::string JoinPath(const std::string &dir, const std::string &name);

// How lines end. The program's data files end a line at CR LF or a lone CR
// (a lone LF stays in the line as a character); the public station lists it
// imports come from Unix systems and end lines at LF (a CR before it is
// dropped). The session file, which users edit, takes all three: CR LF, a
// lone CR or a lone LF.
enum class LineEnds { CrOrCrLf, Lf, Any };

class TextFileReader {
  public:
    // Lines are cut at this length (line lengths are 16-bit counts in the
    // data formats); the rest of an overlong line is skipped.
    static constexpr std::size_t kMaxLineLength = 32767;

    explicit TextFileReader(LineEnds ends = LineEnds::CrOrCrLf) : ends_(ends) {}
    ~TextFileReader();
    TextFileReader(const TextFileReader &) = delete;
    TextFileReader &operator=(const TextFileReader &) = delete;

    // Opens the file a user named (a pipe or device included).
    bool Open(const std::string &path);
    // Opens the data file dir/name, the name matched without regard to case.
    // Only a regular file (or a link to one) counts: a FIFO or a device of
    // that name is treated as missing rather than read for ever.
    bool OpenNoCase(const std::string &dir, const std::string &name);
    bool IsOpen() const { return file_ != nullptr; }
    // True when no further line can be read.
    bool AtEnd();
    // Reads the next line into `line` (its storage is reused); false at end.
    bool ReadLine(std::string &line);
    // 1-based number of the line last returned by ReadLine.
    long LineNumber() const { return lineNumber_; }
    // True when the operating system reported a read error.
    bool Failed() const { return failed_; }
    // The open file's identity (unknown when none is open).
    FileIdentity Identity() const { return IdentifyOpenFile(file_); }
    void Close();

  private:
    bool Start(std::FILE *file);
    bool Fill();
    LineEnds ends_;
    std::FILE *file_ = nullptr;
    std::vector<char> buffer_;
    std::size_t pos_ = 0;
    std::size_t len_ = 0;
    long lineNumber_ = 0;
    bool eof_ = false;
    bool failed_ = false;
};

} // namespace tavik
