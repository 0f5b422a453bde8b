#include "core/text_file.h"

#include <algorithm>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace tavik {

namespace {

// Read in blocks of this size; a whole channel file rarely needs more than a
// few of them.
constexpr std::size_t kBufferSize = 64 * 1024;

char LowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameNoCase(const std::string &a, const std::string &b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return LowerAscii(x) == LowerAscii(y);
           });
}

bool IsFile(const std::filesystem::path &p) {
    std::error_code ec;
    return std::filesystem::is_regular_file(p, ec);
}

// Opens `path` for reading only if it is a regular file. The open itself must
// not wait: opening a FIFO blocks until a writer comes, so it is opened
// non-blocking, checked, and only then read normally.
std::FILE *OpenRegularFile(const std::string &path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return nullptr;
    }
    struct stat st {};
    const int flags = ::fcntl(fd, F_GETFL);
    std::FILE *file = nullptr;
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && flags != -1 &&
        ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) == 0) {
        file = ::fdopen(fd, "rb");
    }
    if (file == nullptr) {
        ::close(fd);
    }
    return file;
}

// Where the next line end starts in [start, start + size), or null.
const char *FindLineEnd(const char *start, std::size_t size, LineEnds ends) {
    switch (ends) {
    case LineEnds::Lf:
        return static_cast<const char *>(std::memchr(start, '\n', size));
    case LineEnds::CrOrCrLf:
        return static_cast<const char *>(std::memchr(start, '\r', size));
    case LineEnds::Any:
        break;
    }
    const char *end = std::find_if(start, start + size,
                                   [](char c) { return c == '\r' || c == '\n'; });
    return end != start + size ? end : nullptr;
}

} // namespace

std::string JoinPath(const std::string &dir, const std::string &name) {
    if (dir.empty()) {
        return name;
    }
    if (dir.back() == '/') {
        return dir + name;
    }
    return dir + '/' + name;
}

std::string ResolveFileNoCase(const std::string &dir, const std::string &name) {
    namespace fs = std::filesystem;
    if (name.empty()) {
        return "";
    }
    const std::string exact = JoinPath(dir, name);
    if (IsFile(exact)) {
        return exact;
    }
    // Only the last part of the name is matched loosely; a directory part in
    // `name` must be spelled as it is on disk.
    const fs::path namePath(name);
    const std::string leaf = namePath.filename().string();
    const std::string parent = namePath.parent_path().string();
    const std::string where = parent.empty() ? dir : JoinPath(dir, parent);

    std::error_code ec;
    fs::directory_iterator it(where.empty() ? fs::path(".") : fs::path(where),
                              ec);
    if (ec) {
        return "";
    }
    // Several spellings of one name can sit side by side; take the first in
    // byte order so the choice does not depend on the directory's order.
    std::string best;
    for (const fs::directory_iterator end; it != end; it.increment(ec)) {
        if (ec) {
            break;
        }
        const std::string entry = it->path().filename().string();
        if (SameNoCase(entry, leaf) && (best.empty() || entry < best) &&
            IsFile(it->path())) {
            best = entry;
        }
    }
    if (best.empty()) {
        return "";
    }
    return parent.empty() ? JoinPath(dir, best)
                          : JoinPath(JoinPath(dir, parent), best);
}

TextFileReader::~TextFileReader() { Close(); }

bool TextFileReader::Open(const std::string &path) {
    Close();
    return Start(std::fopen(path.c_str(), "rb"));
}

bool TextFileReader::Start(std::FILE *file) {
    file_ = file;
    if (file_ == nullptr) {
        return false;
    }
    buffer_.resize(kBufferSize);
    pos_ = 0;
    len_ = 0;
    lineNumber_ = 0;
    eof_ = false;
    failed_ = false;
    return true;
}

bool TextFileReader::OpenNoCase(const std::string &dir,
                                const std::string &name) {
    Close();
    const std::string path = ResolveFileNoCase(dir, name);
    return !path.empty() && Start(OpenRegularFile(path));
}

void TextFileReader::Close() {
    if (file_ != nullptr) {
        std::fclose(file_);
        file_ = nullptr;
    }
    pos_ = 0;
    len_ = 0;
    eof_ = true;
}

bool TextFileReader::Fill() {
    if (file_ == nullptr || eof_) {
        return false;
    }
    pos_ = 0;
    len_ = std::fread(buffer_.data(), 1, buffer_.size(), file_);
    if (len_ == 0) {
        eof_ = true;
        failed_ = failed_ || std::ferror(file_) != 0;
        return false;
    }
    return true;
}

bool TextFileReader::AtEnd() { return pos_ >= len_ && !Fill(); }

bool TextFileReader::ReadLine(std::string &line) {
    line.clear();
    if (AtEnd()) {
        return false;
    }
    ++lineNumber_;
    for (;;) {
        const char *start = buffer_.data() + pos_;
        const std::size_t available = len_ - pos_;
        const char *end = FindLineEnd(start, available, ends_);
        const std::size_t take =
            end != nullptr ? static_cast<std::size_t>(end - start) : available;
        // Past the limit the rest of the line is read and dropped.
        const std::size_t room = kMaxLineLength - line.size();
        line.append(start, std::min(take, room));
        pos_ += take;
        if (end != nullptr) {
            ++pos_; // the CR or LF
            if (ends_ == LineEnds::Lf) {
                if (!line.empty() && line.back() == '\r') {
                    line.pop_back();
                }
            } else if (*end == '\r' && !AtEnd() && buffer_[pos_] == '\n') {
                // A LF right after the CR, possibly in the next block,
                // belongs to the line end.
                ++pos_;
            }
            return true;
        }
        if (!Fill()) {
            // The last line of a file without a line end.
            return true;
        }
    }
}

} // namespace tavik
