#include "session/version_info.h"

namespace tavik {

VersionInfo ProgramVersion() {
    return {"2.09", "Written by Oskel Software", "(c) 2026 Oskel Software"};
}

} // namespace tavik
