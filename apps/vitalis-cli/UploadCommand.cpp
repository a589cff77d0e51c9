#include <iostream>
#include <optional>
#include <string_view>

#include "SessionCommand.h"
#include "case/TextSource.h"
#include "device/session/UploadChoices.h"
#include "shell/UploadDefaultsChoices.h"

namespace vitalis::cli {
namespace {

const char* const kUploadUsage =
    "usage: vitalis-cli upload --link LINK --name NAME --id ID --awake HH:MM,MIN\n"
    "                          --asleep HH:MM,MIN [--special HH:MM-HH:MM,MIN]\n"
    "                          [--start-key on|off] [--log FILE] [--retries N] [--app-dir DIR]\n"
    "times on the half hour; MIN one of none (or 0), 5, 10, 15, 20, 30, 45, 60, 90, 120\n";

// "HH:MM" on the half hour as its time-list position (0 to 47).
std::optional<int> TimePosition(std::string_view text) {
    if (text.size() != 5 || text[2] != ':') return std::nullopt;
    for (const size_t i : {0u, 1u, 3u, 4u}) {
        if (text[i] < '0' || text[i] > '9') return std::nullopt;
    }
    const int hour = (text[0] - '0') * 10 + (text[1] - '0');
    const int minute = (text[3] - '0') * 10 + (text[4] - '0');
    if (hour > 23 || (minute != 0 && minute != 30)) return std::nullopt;
    return hour * 2 + minute / 30;
}

// An interval as its list position.
std::optional<int> IntervalPosition(std::string_view text) {
    if (text == "none" || text == "0") return 0;
    for (int p = 1; p < kIntervalPositions; ++p) {
        if (text == std::to_string(IntervalFromPosition(p))) return p;
    }
    return std::nullopt;
}

// "HH:MM,MIN": the time and interval positions.
bool ParsePeriod(std::string_view text, int& time, int& span) {
    const size_t comma = text.find(',');
    if (comma == std::string_view::npos) return false;
    const auto t = TimePosition(text.substr(0, comma));
    const auto s = IntervalPosition(text.substr(comma + 1));
    if (!t || !s) return false;
    time = *t, span = *s;
    return true;
}

// "HH:MM-HH:MM,MIN": the special list positions, whose first entry means "none".
bool ParseSpecial(std::string_view text, UploadChoices& c) {
    const size_t dash = text.find('-');
    const size_t comma = text.find(',');
    if (dash == std::string_view::npos || comma == std::string_view::npos || comma < dash)
        return false;
    const auto begin = TimePosition(text.substr(0, dash));
    const auto end = TimePosition(text.substr(dash + 1, comma - dash - 1));
    const auto span = IntervalPosition(text.substr(comma + 1));
    if (!begin || !end || !span) return false;
    c.specialBegin = *begin + 1, c.specialEnd = *end + 1, c.specialSpan = *span;
    return true;
}

struct UploadArgs {
    SessionOptions session;
    UploadChoices choices;
    bool haveLink = false, haveName = false, haveId = false, haveAwake = false, haveAsleep = false;
};

// An error text, empty when the option was taken.
std::string TakeUploadOption(const Arguments& args, size_t& i, UploadArgs& u) {
    const std::string& arg = args[i];
    if (i + 1 >= args.size()) return "unexpected argument '" + arg + "'";
    const std::string& value = args[++i];
    UploadChoices& c = u.choices;
    if (arg == "--name")
        c.patientName = value, u.haveName = true;
    else if (arg == "--id")
        c.patientId = value, u.haveId = true;
    else if (arg == "--awake")
        u.haveAwake = ParsePeriod(value, c.awakeTime, c.awakeSpan);
    else if (arg == "--asleep")
        u.haveAsleep = ParsePeriod(value, c.asleepTime, c.asleepSpan);
    else if (arg == "--special" && !ParseSpecial(value, c))
        return "not a special period: " + value;
    else if (arg == "--start-key" && (value == "on" || value == "off"))
        c.startKey = value == "on" ? 0 : 1;
    else if (arg != "--special")
        return "unexpected argument '" + arg + " " + value + "'";
    if ((arg == "--awake" && !u.haveAwake) || (arg == "--asleep" && !u.haveAsleep))
        return "not a period: " + value;
    return {};
}

std::optional<UploadArgs> ParseUploadArgs(const Arguments& args) {
    UploadArgs u;
    for (size_t i = 0; i < args.size(); ++i) {
        std::string error;
        if (!TakeSessionOption(args, i, u.session, u.haveLink, error))
            error = TakeUploadOption(args, i, u);
        if (!error.empty()) {
            std::cerr << "vitalis-cli: " << error << '\n';
            return std::nullopt;
        }
    }
    if (!u.haveLink || !u.haveName || !u.haveId || !u.haveAwake || !u.haveAsleep)
        return std::nullopt;
    return u;
}

}  // namespace

// upload: stores the programme as the upload dialog does, then programs the monitor.
int RunUpload(const Arguments& args) {
    const std::optional<UploadArgs> u = ParseUploadArgs(args);
    if (!u) {
        std::cerr << kUploadUsage;
        return kExitUsage;
    }
    SessionSetting setting(u->session.appDir);
    const UploadChoices& c = u->choices;
    // The dialog's own checks: a monitor is never programmed without a patient.
    if (const std::string_view missing = MissingPatientField(c); !missing.empty()) {
        std::cerr << setting.texts().GetText(kGlobalTexts, missing) << '\n';
        return kExitUsage;
    }
    AppConfig& config = setting.config();
    KeepAsDefaults(c, config.upload);
    config.SaveIfChanged();  // a failure is told, and the upload goes on
    SessionRequest request;
    request.kind = SessionKind::Upload;
    request.upload = SettingsFromChoices(c);
    SessionState end = SessionState::Idle;
    const auto result = RunCliSession(u->session, request, setting.texts(), end);
    return result && result->acknowledged ? kExitOk : kExitFailed;
}

}  // namespace vitalis::cli
