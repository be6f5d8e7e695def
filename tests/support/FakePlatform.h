#pragma once
// A scripted platform for tests: records what the game asks of the desktop
// and answers from scripts set up by the test.
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/Platform.h"

namespace quilto::test {

struct ShownMessage {
    std::string text;
    MsgIcon icon;
    MsgButtons buttons;
};

class FakePlatform : public Platform {
public:
    // Answers for message boxes, in order; Ok once the script runs out.
    std::deque<MsgResult> answers;
    // Called when a message box is shown, before it answers.
    std::function<void(const ShownMessage&)> onMessage;
    std::vector<ShownMessage> messages;

    std::vector<std::string> sounds;
    std::vector<std::pair<std::string, std::string>> shellOpens;

    // Answers for the file dialog, in order; "" (cancel) once they run out.
    std::deque<std::string> chosenFiles;
    std::vector<std::string> dialogStartDirs;

    // Pictures the fake can load: path -> size. Anything else is not a picture.
    std::map<std::string, std::pair<int, int>> pictures;
    std::vector<PictureId> released;
    PictureId nextId = 1;

    // Files are written for real, to a scratch file renamed over the old one;
    // while failWrites is set every write fails and nothing is written.
    bool failWrites = false;

    int pendingEventPasses = 0;
    std::function<void()> onPendingEvents;

    double now = 1000.0;
    double tick = 0.0;  // added to the clock at every reading
    std::uint64_t clockSeed = 12345;

    MsgResult MessageBox(const std::string& text, MsgIcon icon, MsgButtons buttons) override;
    void PlaySound(const std::string& path) override { sounds.push_back(path); }
    void ShellOpen(const std::string& target, const std::string& dir) override { shellOpens.emplace_back(target, dir); }
    std::string ChooseOpenFile(const std::string& startDir) override;
    LoadedPicture LoadPicture(const std::string& path) override;
    void ReleasePicture(PictureId id) override { released.push_back(id); }
    bool WriteFileAtomically(const std::string& path, const std::string& bytes) override;
    void ProcessPendingEvents() override;
    double Now() override { return now += tick; }
    std::uint64_t ClockSeed() override { return clockSeed; }

    // Texts of the messages shown so far.
    std::vector<std::string> MessageTexts() const;
};

}  // namespace quilto::test
