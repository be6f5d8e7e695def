#include "support/RandomGame.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "game/MainWindow.h"
#include "game/PointerPlay.h"

namespace quilto::test {
namespace {

// Every new puzzle writes the settings file and waits for the disk; a folder
// in memory keeps thousands of puzzles fast.
std::filesystem::path MemoryBackedFolder() {
    std::error_code ec;
    if (std::filesystem::is_directory("/dev/shm", ec)) return "/dev/shm";
    return std::filesystem::temp_directory_path();
}

}  // namespace

RandomGame::RandomGame(std::uint64_t seed) : seed_(seed), player_(seed), dir_(MemoryBackedFolder()) {
    fake_.pictures = RandomPlayer::LoadablePictures();
    if (const auto text = player_.SettingsFile())
        std::ofstream(dir_.File(kSettingsFileName), std::ios::binary) << *text;
    InitElements(g_.win);
    Form_Load(g_, dir_.AsAppDir());
    g_.rng.Seed(seed * 0x9E3779B97F4A7C15ull + 1);  // as start-up seeds it from the clock
    // The layout generator gives up an attempt after a second of this clock.
    fake_.tick = 0.001;
    const auto [width, height] = player_.Screen();
    Form_Resize(g_, WindowState::Maximized, width, height);
    fake_.onMessage = [this](const ShownMessage& m) {
        model_.OnMessage(m);
        if (m.buttons == MsgButtons::OkCancel)
            fake_.answers.push_front(player_.Chance(50) ? MsgResult::Ok : MsgResult::Cancel);
    };
    g_.ShowConfiguration = [this] { ShowConfiguration(); };
}

void RandomGame::ShowConfiguration() {
    model_.OnDialog();
    dialog_.Form_Activate();
    // Shown again and again within one command, the player gives up.
    if (++dialogsThisEvent_ > 4) {
        dialog_.Command2_Click();
        return;
    }
    for (int tries = 0;; ++tries) {
        player_.EditDialog(dialog_);
        if (tries == 3 || player_.Chance(20)) {
            dialog_.Command2_Click();
            return;
        }
        if (dialog_.Command1_Click()) return;
    }
}

std::string RandomGame::Play(long events, Watchdog& watchdog) {
    const bool trace = std::getenv("QUILTO_RANDOM_PLAY_TRACE") != nullptr;
    for (long index = 0; index < events;) {
        const PlayEvent e = player_.Next(g_);
        const std::string what = std::to_string(index) + ": " + Describe(e);
        dialogsThisEvent_ = 0;
        for (int n = 0; n < 3; ++n) fake_.chosenFiles.push_back(player_.ChosenFile());
        watchdog.Arm("seed " + std::to_string(seed_) + ", event " + what);
        const bool played = model_.Play(e);
        watchdog.Disarm();
        fake_.chosenFiles.clear();
        if (!played) continue;
        // A modal box shown meanwhile may have taken the releases of the
        // buttons held.
        for (int b = kLeftButton; b <= kMiddleButton && model_.ShowedModal(); b <<= 1)
            if ((model_.ButtonsDown() & b) && player_.Chance(50)) model_.LoseRelease(b);

        if (trace) {
            std::fprintf(stderr, "%s | playing %d dragging %d drag %d drop %d empty %d board", what.c_str(),
                         g_.fPlaying, g_.fDragging, g_.DragSlot, g_.DropSlot, g_.EmptySlot);
            for (int p = 1; p <= g_.PieceCount && p < static_cast<int>(g_.PieceAt.size()); ++p)
                std::fprintf(stderr, " %d", g_.PieceAt[static_cast<std::size_t>(p)]);
            std::fprintf(stderr, "\n");
        }
        trail_.push_back(what);
        if (trail_.size() > 16) trail_.pop_front();
        if (!model_.Faults().empty()) {
            std::ostringstream os;
            os << "seed " << seed_ << ", event " << what << ":\n";
            for (const auto& f : model_.Faults()) os << "  " << f << "\n";
            os << "events that led there:\n";
            for (const auto& t : trail_) os << "  " << t << "\n";
            os << "replay with QUILTO_RANDOM_PLAY_SEED=" << seed_ << " QUILTO_RANDOM_PLAY_EVENTS=" << index + 1
               << " (QUILTO_RANDOM_PLAY_TRACE=1 shows every event)";
            return os.str();
        }
        ++index;
    }
    return {};
}

}  // namespace quilto::test
