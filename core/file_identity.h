#pragma once
// What tells one version of a file from another without reading it: device,
// inode, size and modification time to the nanosecond. Anything derived from
// a file's content may be kept while the file keeps its identity; a file
// replaced, rewritten or touched gets a new one.

#include <cstdint>
#include <cstdio>

namespace tavik {

struct FileIdentity {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::int64_t size = -1;
    std::int64_t modifiedSeconds = 0;
    std::int64_t modifiedNanoseconds = 0;

    bool Known() const { return size >= 0; }
    bool operator==(const FileIdentity &o) const {
        return device == o.device && inode == o.inode && size == o.size &&
               modifiedSeconds == o.modifiedSeconds &&
               modifiedNanoseconds == o.modifiedNanoseconds;
    }
    bool operator!=(const FileIdentity &o) const { return !(*this == o); }
};

// The identity of an open file; an unknown one (Known() false) when the
// system cannot tell, which matches no other.
FileIdentity IdentifyOpenFile(std::FILE *file);

} // namespace tavik
