#include "support/TempDir.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "platform/Paths.h"

namespace fs = std::filesystem;

namespace quillon::test {

TempDir::TempDir() {
    std::string pattern = (fs::temp_directory_path() / "quillon-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("cannot create a temporary folder");
    }
    path_ = pattern + "/";
}

TempDir::~TempDir() {
    std::error_code ec;
    fs::remove_all(path_, ec);
}

void TempDir::write(const std::string& name, const std::string& bytes) const {
    std::ofstream out(file(name), std::ios::binary | std::ios::trunc);
    out << bytes;
}

std::string TempDir::read(const std::string& name) const {
    std::ifstream in(file(name), std::ios::binary);
    std::ostringstream buffer;
    buffer << in.rdbuf();
    return buffer.str();
}

IsolatedHome::IsolatedHome() {
    for (const char* sub : {"data", "config", "runtime"}) {
        fs::create_directories(root_.file(sub));
    }
    fs::permissions(root_.file("runtime"), fs::perms::owner_all);
    setenv("XDG_DATA_HOME", root_.file("data").c_str(), 1);
    setenv("XDG_CONFIG_HOME", root_.file("config").c_str(), 1);
    setenv("XDG_RUNTIME_DIR", root_.file("runtime").c_str(), 1);
    SetDataFolder("");
}

IsolatedHome::~IsolatedHome() {
    unsetenv("XDG_DATA_HOME");
    unsetenv("XDG_CONFIG_HOME");
    unsetenv("XDG_RUNTIME_DIR");
    SetDataFolder("");
}

}  // namespace quillon::test
