#include "device/link/WireLog.h"

#include <cctype>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <fstream>
#include <optional>
#include <sstream>

namespace vitalis {
namespace {

constexpr size_t kBytesPerLine = 32;
constexpr char kHex[] = "0123456789ABCDEF";

std::string WallClock() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
    return text;
}

std::optional<uint8_t> HexByte(std::string_view token) {
    if (token.size() != 2) return std::nullopt;
    int value = 0;
    for (const char c : token) {
        const char* at = std::strchr(kHex, std::toupper(static_cast<unsigned char>(c)));
        if (at == nullptr || *at == '\0') return std::nullopt;
        value = value * 16 + static_cast<int>(at - kHex);
    }
    return static_cast<uint8_t>(value);
}

}  // namespace

WireLog::WireLog(std::ostream& out) : out_(out), start_(std::chrono::steady_clock::now()) {
    out_ << "# wire log started " << WallClock() << "\n";
    out_.flush();
}

std::unique_ptr<WireLog> WireLog::ToFile(const std::string& path) {
    auto file = std::make_unique<std::ofstream>(path, std::ios::app);
    if (!*file) return nullptr;
    auto log = std::make_unique<WireLog>(*file);
    log->owned_ = std::move(file);
    return log;
}

WireLog::~WireLog() {
    out_.flush();
}

void WireLog::Stamp(std::string_view line, char mark) {
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "[%13.6f] ", seconds);
    out_ << stamp << line << ' ' << mark;
}

void WireLog::Bytes(std::string_view line, Direction direction, std::span<const uint8_t> bytes) {
    if (bytes.empty()) return;
    std::lock_guard lock(mutex_);
    const char mark = direction == Direction::Sent ? '>' : '<';
    for (size_t start = 0; start < bytes.size(); start += kBytesPerLine) {
        Stamp(line, mark);
        const size_t end = std::min(bytes.size(), start + kBytesPerLine);
        for (size_t i = start; i < end; ++i)
            out_ << ' ' << kHex[bytes[i] >> 4] << kHex[bytes[i] & 15];
        out_ << '\n';
    }
    out_.flush();
}

void WireLog::Note(std::string_view line, std::string_view text) {
    std::lock_guard lock(mutex_);
    Stamp(line, '-');
    out_ << ' ' << text << '\n';
    out_.flush();
}

std::vector<WireLogEntry> ReadWireLog(std::istream& in) {
    std::vector<WireLogEntry> entries;
    std::string text;
    while (std::getline(in, text)) {
        const size_t close = text.find("] ");
        if (text.empty() || text[0] != '[' || close == std::string::npos) continue;
        std::istringstream fields(text.substr(close + 2));
        std::string line;
        std::string mark;
        if (!(fields >> line >> mark) || (mark != ">" && mark != "<")) continue;
        WireLogEntry entry{
            line, mark == ">" ? WireLog::Direction::Sent : WireLog::Direction::Received, {}};
        std::string token;
        bool good = true;
        while (fields >> token) {
            const auto byte = HexByte(token);
            if (!byte) {
                good = false;
                break;
            }
            entry.bytes.push_back(*byte);
        }
        if (!good || entry.bytes.empty()) continue;
        // A long transfer is written over several lines; join them back.
        if (!entries.empty() && entries.back().line == entry.line &&
            entries.back().direction == entry.direction &&
            entries.back().bytes.size() % kBytesPerLine == 0) {
            entries.back().bytes.insert(entries.back().bytes.end(), entry.bytes.begin(),
                                        entry.bytes.end());
        } else {
            entries.push_back(std::move(entry));
        }
    }
    return entries;
}

}  // namespace vitalis
