#pragma once
// A fresh folder for one test, removed with everything in it afterwards.
#include <filesystem>
#include <random>
#include <string>

namespace quilto::test {

class TempDir {
public:
    // base: where the folder is made; the system's temporary folder unless
    // told otherwise.
    explicit TempDir(const std::filesystem::path& base = std::filesystem::temp_directory_path()) {
        std::random_device rd;
        path_ = base / ("quilto-test-" + std::to_string(rd()) + std::to_string(rd()));
        std::filesystem::create_directories(path_);
    }
    ~TempDir() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    std::string File(const std::string& name) const { return (path_ / name).string(); }
    // The folder as the game names it: with a trailing separator.
    std::string AsAppDir() const { return path_.string() + "/"; }

private:
    std::filesystem::path path_;
};

}  // namespace quilto::test
