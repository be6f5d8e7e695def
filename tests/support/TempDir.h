// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A fresh folder for one test, removed with everything in it afterwards, and
// the bytes of a file in it.
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

namespace quilto::test {

class TempDir {
public:
    explicit TempDir(const std::filesystem::path& base = std::filesystem::temp_directory_path())
        : path_(base /
                ("quilto-test-" + std::to_string(std::random_device{}()) + std::to_string(std::random_device{}()))) {
        std::filesystem::create_directories(path_);
    }
    ~TempDir() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    std::string File(const std::string& name) const { return (path_ / name).string(); }
    std::string AsAppDir() const { return path_.string() + "/"; }  // as the game names it

private:
    std::filesystem::path path_;
};

// A file's bytes; none when it cannot be read.
inline std::string FileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace quilto::test
