// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A scripted platform for tests: records what the game asks of the desktop
// and answers from scripts set up by the test.
#include <deque>
#include <functional>
#include <map>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "platform/Platform.h"

namespace quilto::test {

struct ShownMessage {
    std::string text;
    MsgIcon icon;
    MsgButtons buttons;
};

// What the desktop was asked to open, and from which folder.
struct ShellOpened {
    std::string target, folder;
    friend bool operator==(const ShellOpened&, const ShellOpened&) = default;
    friend void PrintTo(const ShellOpened& o, std::ostream* os) {
        *os << "{target \"" << o.target << "\", folder \"" << o.folder << "\"}";
    }
};

class FakePlatform : public Platform {
public:
    std::deque<MsgResult> answers;                       // for message boxes, in order; then Ok
    std::function<void(const ShownMessage&)> onMessage;  // called as a box shows, before it answers
    std::vector<ShownMessage> messages;
    std::vector<std::string> sounds;
    std::vector<ShellOpened> shellOpens;
    std::deque<std::string> chosenFiles;                  // for the file dialog, in order; then "" (cancel)
    std::function<void()> onChooseFile;                   // called as the file dialog shows
    std::map<std::string, std::pair<int, int>> pictures;  // what the fake can load: path -> size
    std::set<std::string> brokenPastHeader;               // of those, the ones FinishPicture refuses
    std::set<PictureId> broken;                           // the handles they were given
    std::vector<PictureId> released;
    // Picture bytes the fake decodes: bytes -> size.
    std::map<std::string, std::pair<int, int>> pictureBytes;
    std::deque<std::string> savePaths;                             // for the save dialog, in order; then "" (cancel)
    std::vector<std::pair<std::string, std::string>> saveDialogs;  // folder and name offered
    // Files are written for real, to a scratch file renamed over the old one;
    // while failWrites is set every write fails and nothing is written.
    bool failWrites = false;
    // The data folder, as DataFolder gives it ("": none) and whether it takes files.
    std::string dataFolder;
    bool dataWritable = true;
    PictureId nextId = 1;
    int pendingEventPasses = 0;
    std::function<void()> onPendingEvents;
    double now = 1000.0, tick = 0.0;  // tick is added to the clock at every reading
    std::uint64_t clockSeed = 12345;

    MsgResult MessageBox(const std::string& text, MsgIcon icon, MsgButtons buttons) override;
    void PlaySound(const std::string& path) override { sounds.push_back(path); }
    void ShellOpen(const std::string& target, const std::string& dir) override { shellOpens.push_back({target, dir}); }
    std::string ChooseOpenFile(const std::string& startDir) override;
    LoadedPicture LoadPicture(const std::string& path) override;
    LoadStatus FinishPicture(PictureId id) override {
        return broken.count(id) ? LoadStatus::NotAPicture : LoadStatus::Ok;
    }
    LoadedPicture LoadPictureBytes(const std::string& bytes) override;
    std::string ChooseSaveFile(const std::string& folder, const std::string& name) override;
    bool ReadWholeFile(const std::string& path, std::size_t maxBytes, std::string& bytes) override;
    void ReleasePicture(PictureId id) override { released.push_back(id); }
    bool WriteFileAtomically(const std::string& path, const std::string& bytes) override;
    std::string DataFolder(bool& writable) override {
        writable = !dataFolder.empty() && dataWritable;
        return dataFolder;
    }
    void RunInBackground(std::function<void()> work) override { work(); }  // at once, in order
    void FinishBackgroundWork() override {}
    bool RemoveFile(const std::string& path) override;
    std::string FileStamp(const std::string& path) override;
    void ProcessPendingEvents() override {
        ++pendingEventPasses;
        if (onPendingEvents) onPendingEvents();
    }
    double Now() override { return now += tick; }
    std::uint64_t ClockSeed() override { return clockSeed; }

    std::vector<std::string> MessageTexts() const;  // of the messages shown so far
};

}  // namespace quilto::test

namespace quilto {
// What the tests compare most: texts shown or sounds played, boards (PieceAt), addresses opened.
using Texts = std::vector<std::string>;
using Board = std::vector<std::int16_t>;
using Opens = std::vector<test::ShellOpened>;
}  // namespace quilto
