#include "support/FakePlatform.h"

#include <filesystem>
#include <fstream>

namespace quilto::test {

MsgResult FakePlatform::MessageBox(const std::string& text, MsgIcon icon, MsgButtons buttons) {
    messages.push_back({text, icon, buttons});
    if (onMessage) onMessage(messages.back());
    if (answers.empty()) return MsgResult::Ok;
    MsgResult r = answers.front();
    answers.pop_front();
    return r;
}

std::string FakePlatform::ChooseOpenFile(const std::string& startDir) {
    dialogStartDirs.push_back(startDir);
    if (chosenFiles.empty()) return "";
    std::string f = chosenFiles.front();
    chosenFiles.pop_front();
    return f;
}

LoadedPicture FakePlatform::LoadPicture(const std::string& path) {
    auto it = pictures.find(path);
    if (it == pictures.end()) return {LoadStatus::NotAPicture, kNoPictureId, 0, 0};
    return {LoadStatus::Ok, nextId++, it->second.first, it->second.second};
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

void FakePlatform::ProcessPendingEvents() {
    ++pendingEventPasses;
    if (onPendingEvents) onPendingEvents();
}

std::vector<std::string> FakePlatform::MessageTexts() const {
    std::vector<std::string> out;
    for (const auto& m : messages) out.push_back(m.text);
    return out;
}

}  // namespace quilto::test
