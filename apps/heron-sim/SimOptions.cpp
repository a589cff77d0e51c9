#include "SimOptions.h"

#include <charconv>
#include <functional>
#include <limits>
#include <map>

namespace vitalis::sim {

const char* const kSimUsage = R"(heron-sim: plays a blood-pressure monitor for the workstation.

  --serial               a Heron monitor on a pseudo-terminal (its path is printed)
  --link PATH            also make PATH a symlink to that pseudo-terminal
  --tcp PORT             a monitor on 127.0.0.1:PORT (0: any free port; printed)
  --tcp-monitor KIND     what the TCP monitor speaks: hid (default) or heron
  --variant 02|34        the Heron reply form (default 02)
  --single-file          Heron: mark the data as one case file
  --device-type N        HID generation: device type (default 5)
  --sub-type N           HID generation: device sub-type (default 1)
  --flags N              HID generation: identification flags (default 0x84)
  --single-user N        HID generation: data set 3 holds the first N readings (default 0)
  --seed N               the recording generated from seed N (default 1)
  --case FILE            the recording read from a case file instead
  --upload-out FILE      write the block of each upload to FILE
  --silent-after K       stop answering after K bytes on a line
  --drop-after K         hang up the line after K bytes
  --junk-at K            insert junk bytes before byte K
  --junk-count N         how many junk bytes (default 3)
  --stall-at K           pause before byte K
  --stall-ms MS          how long (default 2000)
  --undated N            reading N (from 1) carries an impossible date; may be repeated
Numbers may be written in hexadecimal with 0x.
)";

namespace {

template <typename T>
bool Number(const std::string& text, T& value) {
    const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    const char* first = text.data() + (hex ? 2 : 0);
    const char* last = text.data() + text.size();
    uint64_t parsed = 0;
    const auto [end, error] = std::from_chars(first, last, parsed, hex ? 16 : 10);
    if (error != std::errc() || end != last || first == last ||
        parsed > std::numeric_limits<T>::max())
        return false;
    value = static_cast<T>(parsed);
    return true;
}

template <typename T>
bool Optional(const std::string& text, std::optional<T>& value) {
    T parsed{};
    if (!Number(text, parsed)) return false;
    value = parsed;
    return true;
}

using Setter = std::function<bool(SimOptions&, const std::string&)>;

const std::map<std::string, Setter>& ValueOptions() {
    static const std::map<std::string, Setter> options{
        {"--link", [](SimOptions& o, const std::string& v) { return o.link = v, o.serial = true; }},
        {"--tcp", [](SimOptions& o, const std::string& v) { return Optional(v, o.tcpPort); }},
        {"--tcp-monitor",
         [](SimOptions& o, const std::string& v) {
             o.tcpHeron = v == "heron";
             return v == "heron" || v == "hid";
         }},
        {"--variant",
         [](SimOptions& o, const std::string& v) {
             o.heron.variant = v == "34" ? 0x34 : 0x02;
             return v == "34" || v == "02";
         }},
        {"--device-type",
         [](SimOptions& o, const std::string& v) { return Number(v, o.hid.deviceType); }},
        {"--sub-type",
         [](SimOptions& o, const std::string& v) { return Number(v, o.hid.deviceSubType); }},
        {"--flags", [](SimOptions& o, const std::string& v) { return Number(v, o.hid.flags); }},
        {"--single-user",
         [](SimOptions& o, const std::string& v) { return Number(v, o.hid.singleUserReadings); }},
        {"--seed", [](SimOptions& o, const std::string& v) { return Number(v, o.seed); }},
        {"--case", [](SimOptions& o, const std::string& v) { return o.casePath = v, !v.empty(); }},
        {"--upload-out",
         [](SimOptions& o, const std::string& v) { return o.uploadOut = v, !v.empty(); }},
        {"--silent-after",
         [](SimOptions& o, const std::string& v) { return Optional(v, o.faults.silentAfter); }},
        {"--drop-after",
         [](SimOptions& o, const std::string& v) { return Optional(v, o.faults.dropAfter); }},
        {"--junk-at",
         [](SimOptions& o, const std::string& v) { return Optional(v, o.faults.junkAt); }},
        {"--junk-count",
         [](SimOptions& o, const std::string& v) { return Number(v, o.faults.junkCount); }},
        {"--stall-at",
         [](SimOptions& o, const std::string& v) { return Optional(v, o.faults.stallAt); }},
        {"--undated",
         [](SimOptions& o, const std::string& v) {
             size_t n = 0;
             if (!Number(v, n) || n == 0) return false;
             o.undated.push_back(n);
             return true;
         }},
        {"--stall-ms",
         [](SimOptions& o, const std::string& v) {
             uint32_t ms = 0;
             if (!Number(v, ms)) return false;
             o.faults.stall = std::chrono::milliseconds(ms);
             return true;
         }},
    };
    return options;
}

}  // namespace

std::optional<SimOptions> ParseSimOptions(const std::vector<std::string>& args,
                                          std::string& error) {
    SimOptions options;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "-h") {
            options.help = true;
        } else if (arg == "--serial") {
            options.serial = true;
        } else if (arg == "--single-file") {
            options.heron.singleFile = true;
        } else if (const auto it = ValueOptions().find(arg); it != ValueOptions().end()) {
            if (i + 1 >= args.size() || !it->second(options, args[i + 1])) {
                error = "bad or missing value for " + arg;
                return std::nullopt;
            }
            ++i;
        } else {
            error = "unknown option " + arg;
            return std::nullopt;
        }
    }
    if (!options.help && !options.serial && !options.tcpPort) {
        error = "nothing to play: give --serial, --link or --tcp";
        return std::nullopt;
    }
    return options;
}

}  // namespace vitalis::sim
