#pragma once

#include <string>

namespace quillon::test {

// A fresh folder under the system temporary folder, removed with everything in it on destruction.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    // The folder, ending in '/'.
    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + name; }

    void write(const std::string& name, const std::string& bytes) const;
    std::string read(const std::string& name) const;

private:
    std::string path_;
};

// Points XDG_DATA_HOME, XDG_CONFIG_HOME and XDG_RUNTIME_DIR at sub-folders of a TempDir for the
// life of the object, so a test never touches the user's real settings.
class IsolatedHome {
public:
    IsolatedHome();
    ~IsolatedHome();
    IsolatedHome(const IsolatedHome&) = delete;
    IsolatedHome& operator=(const IsolatedHome&) = delete;

    const TempDir& root() const { return root_; }

private:
    TempDir root_;
};

}  // namespace quillon::test
