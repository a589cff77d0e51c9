#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

namespace vitalis::fuzz {

// The parsers under test read files, so each input is written to a private scratch file.
inline std::string WriteInput(const char* name, const uint8_t* data, size_t size) {
    static const std::string folder = [] {
        const auto dir = std::filesystem::temp_directory_path() /
                         ("vitalis-fuzz-" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir);
        return dir.string();
    }();
    const std::string path = folder + "/" + name;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    return path;
}

}  // namespace vitalis::fuzz
