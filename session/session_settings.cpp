#include "session/session_settings.h"

#include "core/number_text.h"
#include "core/text_file.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <fcntl.h>
#include <filesystem>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

namespace tavik {

namespace {

constexpr const char *kWriteFailure =
    "The Tavik last-session file was not written correctly.";

void SetDefaults(SessionSettings &s) {
    s.channelKHz = 1080.0f;
    s.homeCity = "Dallas TX";
    s.homeLatitude = 32.78f;
    s.homeLongitude = 96.82f;
    s.patternSize = 0.2f;
    s.scaleFactor = 1000.0f;
    s.show = ShowFlags{};
}

// `v` held to low..high; a value that is not a number ends at the lower
// limit.
float HoldWithin(float v, float low, float high) {
    if (v > high)
        return high;
    if (!(v >= low))
        return low;
    return v;
}

// The limits the session file is written and read with.
void HoldPatternAndScale(SessionSettings &s) {
    s.patternSize = HoldWithin(s.patternSize, kMinPatternSize,
                               kMaxSavedPatternSize);
    s.scaleFactor = HoldWithin(s.scaleFactor, kMinScale, kMaxScale);
}

enum class Next { Value, End, Failure };

// The next line that is neither empty nor a "*" comment; its value is the
// text after the first ":" (the whole line without one), blanks trimmed.
Next NextValueLine(TextFileReader &reader, std::string &line,
                   std::string_view &value) {
    for (;;) {
        if (!reader.ReadLine(line)) {
            return reader.Failed() ? Next::Failure : Next::End;
        }
        if (reader.Failed()) {
            return Next::Failure;
        }
        if (line.empty() || line[0] == '*') {
            continue;
        }
        const std::size_t colon = line.find(':');
        std::string_view v(line);
        if (colon != std::string::npos) {
            v.remove_prefix(colon + 1);
        }
        value = TrimBlanks(v);
        return Next::Value;
    }
}

// Plain decimal reading into single precision; false on overflow.
bool PlainSingle(std::string_view text, float &out) {
    double v = 0;
    return ReadPlainNumber(text, v) && ToSingle(v, out);
}

bool Flag(std::string_view text, int16_t &out) {
    return RoundToInt16(ParseNumberText(text), out);
}

enum class Outcome { Complete, EndedEarly, Failed };

// One step per value line, in file order; false when the value cannot be
// held (a number beyond single range, a flag beyond 16 bits).
using ValueStep = bool (*)(SessionSettings &, std::string_view);

const ValueStep kValueSteps[] = {
    [](SessionSettings &s, std::string_view v) {
        s.channelKHz = ParseNumberText(v);
        return true;
    },
    [](SessionSettings &s, std::string_view v) {
        s.homeCity.assign(v.data(), v.size());
        return true;
    },
    [](SessionSettings &s, std::string_view v) {
        s.homeLatitude = ParseNumberText(v);
        return true;
    },
    [](SessionSettings &s, std::string_view v) {
        s.homeLongitude = ParseNumberText(v);
        return true;
    },
    // Pattern size and scale take the plain reading: "," is no point there.
    [](SessionSettings &s, std::string_view v) {
        return PlainSingle(v, s.patternSize);
    },
    [](SessionSettings &s, std::string_view v) {
        return PlainSingle(v, s.scaleFactor);
    },
    [](SessionSettings &s, std::string_view v) { return Flag(v, s.show.showNew); },
    [](SessionSettings &s, std::string_view v) { return Flag(v, s.show.showShort); },
    [](SessionSettings &s, std::string_view v) {
        return Flag(v, s.show.showXenva2);
    },
    [](SessionSettings &s, std::string_view v) { return Flag(v, s.show.showLong); },
    [](SessionSettings &s, std::string_view v) {
        return Flag(v, s.show.showDeleted);
    },
    // A file that ends before this line is still read without failure; the
    // distance unit then stays as it was.
    [](SessionSettings &s, std::string_view v) {
        return Flag(v, s.distanceUnit);
    },
};

Outcome ReadValues(TextFileReader &reader, SessionSettings &s) {
    std::string line;
    std::string_view value;
    for (const ValueStep step : kValueSteps) {
        switch (NextValueLine(reader, line, value)) {
        case Next::End:
            return Outcome::EndedEarly;
        case Next::Failure:
            return Outcome::Failed;
        case Next::Value:
            break;
        }
        if (!step(s, value)) {
            return Outcome::Failed;
        }
    }
    return Outcome::Complete;
}

std::string LocalDateTime() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    char text[64];
    if (localtime_r(&now, &local) == nullptr ||
        std::strftime(text, sizeof text, "%m/%d/%Y %I:%M:%S %p", &local) == 0) {
        return "";
    }
    return text;
}

std::string FileText(const SessionSettings &s, const std::string &date) {
    std::string t;
    t.reserve(512);
    auto line = [&t](const char *label, const std::string &value) {
        t += label;
        t += value;
        t += "\r\n";
    };
    line("* Tavik last-session file", "");
    line("* ", date);
    line("", "");
    line("Channel displayed: ", SessionNumberText(s.channelKHz));
    line("Home: ", s.homeCity);
    line("Home latitude: ", SessionNumberText(s.homeLatitude));
    line("Home longitude: ", SessionNumberText(s.homeLongitude));
    line("Relative size of pattern: ", SessionNumberText(s.patternSize));
    line("Scale factor: ", SessionNumberText(s.scaleFactor));
    line("Show NEW callsigns: ", std::to_string(s.show.showNew));
    line("Show short callsigns: ", std::to_string(s.show.showShort));
    line("Show XENVA2 callsigns: ", std::to_string(s.show.showXenva2));
    line("Show long callsigns: ", std::to_string(s.show.showLong));
    line("Show deleted facilities: ", std::to_string(s.show.showDeleted));
    line("Distance km or miles: ", std::to_string(s.distanceUnit));
    return t;
}

// The file a path names once its symbolic links are followed (the target of
// a dangling link too), so that a linked session file is replaced where it
// lies and the link stays a link.
std::string LinkTarget(const std::string &path) {
    namespace fs = std::filesystem;
    fs::path p(path);
    std::error_code ec;
    for (int depth = 0; depth < 40 && fs::is_symlink(p, ec); ++depth) {
        const fs::path target = fs::read_symlink(p, ec);
        if (ec) {
            break;
        }
        p = target.is_absolute() ? target : p.parent_path() / target;
    }
    return p.string();
}

// Makes a finished rename lasting: the folder's entry is synced too. Some
// file systems cannot sync a folder; the file itself is already synced.
void SyncFolderOf(const std::string &path) {
    const std::string dir = std::filesystem::path(path).parent_path().string();
    const int fd =
        ::open(dir.empty() ? "." : dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// Writes `text` to a new file beside the file `path` names, then renames it
// over that file, so that a failure at any point leaves the earlier file as
// it was. The new file keeps the earlier one's permissions (and owner, where
// the process may set it).
bool ReplaceFile(const std::string &path, const std::string &text) {
    const std::string target = LinkTarget(path);
    const std::string temp = target + "." + std::to_string(::getpid()) + ".new";
    const int fd = ::open(temp.c_str(),
                          O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) {
        return false;
    }
    bool ok = true;
    struct stat earlier {};
    if (::stat(target.c_str(), &earlier) == 0 && S_ISREG(earlier.st_mode)) {
        if (::fchown(fd, earlier.st_uid, earlier.st_gid) != 0) {
            // Not allowed to another user: the new file is the writer's.
        }
        ok = ::fchmod(fd, earlier.st_mode & 07777) == 0;
    }
    std::FILE *f = ::fdopen(fd, "wb");
    if (f == nullptr) {
        ::close(fd);
        std::remove(temp.c_str());
        return false;
    }
    ok = std::fwrite(text.data(), 1, text.size(), f) == text.size() && ok;
    ok = std::fflush(f) == 0 && ok;
    ok = ::fsync(::fileno(f)) == 0 && ok;
    ok = std::fclose(f) == 0 && ok;
    ok = ok && std::rename(temp.c_str(), target.c_str()) == 0;
    if (!ok) {
        std::remove(temp.c_str());
        return false;
    }
    SyncFolderOf(target);
    return true;
}

} // namespace

std::string SessionNumberText(float value) {
    if (value == 0.0f || std::isnan(value)) {
        return "0";
    }
    // Seven significant digits, correctly rounded: "d.dddddde+XX".
    char sci[32];
    const std::to_chars_result r =
        std::to_chars(sci, sci + sizeof sci, static_cast<double>(value),
                      std::chars_format::scientific, 6);
    const char *p = sci;
    std::string out;
    if (*p == '-') {
        out += '-';
        ++p;
    }
    if (*p == 'i') { // infinity: beyond what the readers accept anyway
        return out + "1E+10";
    }
    std::string digits;
    for (; p != r.ptr && *p != 'e'; ++p) {
        if (*p != '.') {
            digits += *p;
        }
    }
    int exponent = 0;
    if (p != r.ptr) {
        const char *e = p + 1;
        if (e != r.ptr && *e == '+') {
            ++e;
        }
        std::from_chars(e, r.ptr, exponent);
    }
    while (digits.size() > 1 && digits.back() == '0') {
        digits.pop_back();
    }

    const int count = static_cast<int>(digits.size());
    if (exponent >= -5 && exponent < 7) {
        if (exponent < 0) {
            // No zero before the point: .2, .02, -.5
            out += '.';
            out.append(static_cast<std::size_t>(-exponent - 1), '0');
            out += digits;
        } else if (count <= exponent + 1) {
            out += digits;
            out.append(static_cast<std::size_t>(exponent + 1 - count), '0');
        } else {
            out.append(digits, 0, static_cast<std::size_t>(exponent + 1));
            out += '.';
            out.append(digits, static_cast<std::size_t>(exponent + 1),
                       std::string::npos);
        }
        return out;
    }
    // Very large or small magnitudes: 1.234568E+07, 1E-06.
    out += digits[0];
    if (count > 1) {
        out += '.';
        out.append(digits, 1, std::string::npos);
    }
    char exp[16];
    std::snprintf(exp, sizeof exp, "E%c%02d", exponent < 0 ? '-' : '+',
                  std::abs(exponent));
    return out + exp;
}

void ReadSessionFile(SessionSettings &settings, const std::string &path) {
    // Written with CR LF, but often saved back by an editor with LF or CR.
    TextFileReader reader(LineEnds::Any);
    if (!reader.OpenNoCase("", path)) {
        SetDefaults(settings);
        return;
    }
    switch (ReadValues(reader, settings)) {
    case Outcome::Complete:
        HoldPatternAndScale(settings);
        break;
    case Outcome::EndedEarly:
        // Fields not reached keep their values and no limits are applied.
        break;
    case Outcome::Failed:
        SetDefaults(settings);
        break;
    }
}

bool WriteSessionFile(SessionSettings &settings, MessageSink &messages,
                      const std::string &path, const std::string &dateText) {
    HoldPatternAndScale(settings);
    // An unset channel or home falls back to Oak Ridge on 1340 kHz; the
    // latitude stays as it is.
    if (settings.channelKHz == 0.0f || settings.homeLongitude == 0.0f) {
        settings.homeLongitude = 84.32f;
        settings.channelKHz = 1340.0f;
        settings.homeCity = "Oak Ridge";
    }
    const std::string text =
        FileText(settings, dateText.empty() ? LocalDateTime() : dateText);
    if (!ReplaceFile(path, text)) {
        messages.Beep();
        messages.ShowMessage(kWriteFailure);
        return false;
    }
    return true;
}

void HoldToMapRanges(SessionSettings &settings) {
    settings.scaleFactor = HoldWithin(settings.scaleFactor, kMinScale, kMaxScale);
    settings.patternSize =
        HoldWithin(settings.patternSize, kMinPatternSize, kMaxPatternSize);
}

} // namespace tavik
