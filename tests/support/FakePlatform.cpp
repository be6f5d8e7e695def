// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/FakePlatform.h"

#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace quilto::test {

// The next answer of a script, or the fallback once it has run out.
template <class T>
static T Next(std::deque<T>& script, T fallback) {
    if (script.empty()) return fallback;
    T next = std::move(script.front());
    script.pop_front();
    return next;
}

MsgResult FakePlatform::MessageBox(const std::string& text, MsgIcon icon, MsgButtons buttons) {
    messages.push_back({text, icon, buttons});
    if (onMessage) onMessage(messages.back());
    return Next(answers, MsgResult::Ok);
}

std::string FakePlatform::ChooseOpenFile(const std::string&) {
    if (onChooseFile) onChooseFile();
    return Next(chosenFiles, std::string());
}

LoadedPicture FakePlatform::LoadPicture(const std::string& path) {
    const auto it = pictures.find(path);
    if (it == pictures.end()) return {LoadStatus::NotAPicture, kNoPictureId, 0, 0};
    if (brokenPastHeader.count(path)) broken.insert(nextId);
    return {LoadStatus::Ok, nextId++, it->second.first, it->second.second};
}

LoadedPicture FakePlatform::LoadPictureBytes(const std::string& bytes) {
    const auto it = pictureBytes.find(bytes);
    if (it == pictureBytes.end()) return {LoadStatus::NotAPicture, kNoPictureId, 0, 0};
    return {LoadStatus::Ok, nextId++, it->second.first, it->second.second};
}

std::string FakePlatform::ChooseSaveFile(const std::string& folder, const std::string& name) {
    saveDialogs.emplace_back(folder, name);
    return Next(savePaths, std::string());
}

bool FakePlatform::ReadWholeFile(const std::string& path, std::size_t maxBytes, std::string& bytes) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec) || std::filesystem::file_size(path, ec) > maxBytes || ec)
        return false;
    std::ifstream in(path, std::ios::binary);
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

bool FakePlatform::WriteFileAtomically(const std::string& path, const std::string& bytes) {
    if (failWrites) return false;
    const std::string scratch = path + ".part";
    bool written = false;
    {
        std::ofstream out(scratch, std::ios::binary | std::ios::trunc);
        written = out.write(bytes.data(), static_cast<std::streamsize>(bytes.size())).flush().good();
    }
    std::error_code ec;
    if (written) std::filesystem::rename(scratch, path, ec);
    const bool replaced = written && !ec;
    if (!replaced) std::filesystem::remove(scratch, ec);
    return replaced;
}

bool FakePlatform::RemoveFile(const std::string& path) {
    if (failWrites) return false;
    std::error_code ec;
    std::filesystem::remove(path, ec);
    return !ec;
}

std::string FakePlatform::FileStamp(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return {};
    return std::to_string(st.st_ino) + ':' + std::to_string(st.st_size) + ':' + std::to_string(st.st_mtim.tv_nsec);
}

std::vector<std::string> FakePlatform::MessageTexts() const {
    std::vector<std::string> out;
    for (const auto& m : messages) out.push_back(m.text);
    return out;
}

}  // namespace quilto::test
