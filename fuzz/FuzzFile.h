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
        const auto dir =
            std::filesystem::temp_directory_path() / ("vitalis-fuzz-" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir);
        return dir.string();
    }();
    const std::string path = folder + "/" + name;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    return path;
}

// The private scratch folder the inputs are written to.
inline std::string ScratchFolder() {
    const std::string marker = WriteInput(".folder", nullptr, 0);
    return std::filesystem::path(marker).parent_path().string();
}

}  // namespace vitalis::fuzz
