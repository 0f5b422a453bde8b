#include "core/file_identity.h"

#include <sys/stat.h>

namespace tavik {

FileIdentity IdentifyOpenFile(std::FILE *file) {
    FileIdentity id;
    struct stat st {};
    if (file == nullptr || fstat(fileno(file), &st) != 0) {
        return id;
    }
    id.device = static_cast<std::uint64_t>(st.st_dev);
    id.inode = static_cast<std::uint64_t>(st.st_ino);
    id.size = static_cast<std::int64_t>(st.st_size);
    id.modifiedSeconds = static_cast<std::int64_t>(st.st_mtim.tv_sec);
    id.modifiedNanoseconds = static_cast<std::int64_t>(st.st_mtim.tv_nsec);
    return id;
}

} // namespace tavik
