#pragma once

#include <stdlib.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

#include "store/SettingsStore.h"

namespace quillon::fuzz {

// A settings database in a folder of its own, made once per fuzzing process, and the file the
// fuzzed bytes are written to before a reader takes them, as a user's file would be.
struct FuzzDatabase {
    FuzzDatabase() {
        char folder[] = "/tmp/quillon-fuzz-XXXXXX";
        if (::mkdtemp(folder) == nullptr) {
            __builtin_trap();
        }
        path = std::string(folder) + "/";
        input = path + "input.xml";
        if (!store.OpenForDevice(path, "Q1") || store.EnsureDefaultProfiles() != 1) {
            __builtin_trap();
        }
    }

    ~FuzzDatabase() {
        store.Close();
        std::error_code ec;
        std::filesystem::remove_all(path, ec);
    }
    FuzzDatabase(const FuzzDatabase&) = delete;
    FuzzDatabase& operator=(const FuzzDatabase&) = delete;

    const std::string& Write(const std::uint8_t* data, std::size_t size) const {
        std::ofstream(input, std::ios::binary | std::ios::trunc)
            .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
        return input;
    }

    std::string path;
    std::string input;
    SettingsStore store;
};

inline void Require(bool condition) {
    if (!condition) {
        __builtin_trap();
    }
}

}  // namespace quillon::fuzz
