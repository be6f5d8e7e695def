// Long random games: everything a player and the clock can do, checked
// against the rules after every event (tests/support/PlayModel.cpp).
//
// Replaying a failure: the message names the seed and the event, e.g.
//   QUILTO_RANDOM_PLAY_SEED=17 QUILTO_RANDOM_PLAY_EVENTS=212 core_tests --gtest_filter='RandomPlay.*'
// QUILTO_RANDOM_PLAY_TRACE=1 prints every event. Longer runs:
// QUILTO_RANDOM_PLAY_SEEDS and QUILTO_RANDOM_PLAY_EVENTS, or the long run,
//   core_tests --gtest_also_run_disabled_tests --gtest_filter='RandomPlay.DISABLED_LongRun'.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <filesystem>
#include <fstream>
#include <iostream>

#include "game/ConfigDialog.h"
#include "game/MainWindow.h"
#include "game/PointerPlay.h"
#include "support/PlayModel.h"
#include "support/RandomPlayer.h"
#include "support/TempDir.h"
#include "support/Watchdog.h"

namespace quilto::test {
namespace {

long EnvNumber(const char* name, long fallback) {
    const char* v = std::getenv(name);
    return v && *v ? std::strtol(v, nullptr, 10) : fallback;
}

// Every new puzzle writes the settings file; a folder in memory keeps
// thousands of puzzles fast.
std::filesystem::path MemoryBackedFolder() {
    std::error_code ec;
    return std::filesystem::is_directory("/dev/shm", ec) ? "/dev/shm" : std::filesystem::temp_directory_path();
}

// One random game: a fresh program folder holding whatever settings file the
// player left there, start-up on a fake platform and a maximized window of
// the player's screen, then the player's events, each one checked by the
// rules model within the watchdog's time budget.
class RandomGame {
public:
    RandomGame(std::uint64_t seed, PlayStats& stats)
        : seed_(seed), player_(seed), dir_(MemoryBackedFolder()), model_(g_, fake_, stats) {
        fake_.pictures = RandomPlayer::LoadablePictures();
        if (const auto text = player_.SettingsFile())
            std::ofstream(dir_.File(kSettingsFileName), std::ios::binary) << *text;
        InitElements(g_.win);
        Form_Load(g_, dir_.AsAppDir());
        g_.rng.Seed(seed * 0x9E3779B97F4A7C15ull + 1);  // as start-up seeds it from the clock
        fake_.tick = 0.001;                             // the layout gives up an attempt after a second of this clock
        const auto [width, height] = player_.Screen();
        Form_Resize(g_, WindowState::Maximized, width, height);
        fake_.onMessage = [this](const ShownMessage& m) {
            model_.OnMessage(m);
            if (m.buttons == MsgButtons::OkCancel)
                fake_.answers.push_front(player_.Chance(50) ? MsgResult::Ok : MsgResult::Cancel);
        };
        g_.ShowConfiguration = [this] { ShowConfiguration(); };
    }

    // Plays up to `events` events. Returns "" when every rule held, else what
    // broke, with the seed, the event's number and the events before it.
    std::string Play(long events, Watchdog& watchdog) {
        const bool trace = std::getenv("QUILTO_RANDOM_PLAY_TRACE") != nullptr;
        std::deque<std::string> trail;
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
            // A modal box shown meanwhile may have taken the releases of the buttons held.
            for (int b = kLeftButton; b <= kMiddleButton && model_.ShowedModal(); b <<= 1)
                if ((model_.ButtonsDown() & b) && player_.Chance(50)) model_.LoseRelease(b);
            if (trace) {
                std::fprintf(stderr, "%s | playing %d dragging %d drag %d drop %d empty %d board", what.c_str(),
                             g_.fPlaying, g_.fDragging, g_.DragSlot, g_.DropSlot, g_.EmptySlot);
                for (int p = 1; p <= g_.PieceCount && p < static_cast<int>(g_.PieceAt.size()); ++p)
                    std::fprintf(stderr, " %d", g_.PieceAt[static_cast<std::size_t>(p)]);
                std::fputc('\n', stderr);
            }
            trail.push_back(what);
            if (trail.size() > 16) trail.pop_front();
            if (!model_.Faults().empty()) {
                std::ostringstream os;
                os << "seed " << seed_ << ", event " << what << ":\n";
                for (const auto& f : model_.Faults()) os << "  " << f << "\n";
                os << "events that led there:\n";
                for (const auto& t : trail) os << "  " << t << "\n";
                os << "replay with QUILTO_RANDOM_PLAY_SEED=" << seed_ << " QUILTO_RANDOM_PLAY_EVENTS=" << index + 1;
                return os.str();
            }
            ++index;
        }
        return {};
    }

private:
    // The dialog as the window shows it: loaded from the settings, edited,
    // then "Aceptar" (perhaps refused and edited again) or "Cancelar".
    void ShowConfiguration() {
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

    std::uint64_t seed_;
    RandomPlayer player_;
    TempDir dir_;
    FakePlatform fake_;
    GameState g_{fake_};
    ConfigDialog dialog_{g_};  // made once, shown again and again, as the window's
    PlayModel model_;
    int dialogsThisEvent_ = 0;
};

// Plays `seeds` games from seed `first` on, `events` events each (or the one
// seed being replayed) and stops at the first broken rule.
PlayStats PlaySeeds(std::uint64_t first, long seeds, long events) {
    // Generous for the largest boards under the sanitizers; a hang ends the
    // program with the seed and event that hung.
    Watchdog watchdog(std::chrono::seconds(EnvNumber("QUILTO_RANDOM_PLAY_BUDGET", 120)));
    if (const long replayed = EnvNumber("QUILTO_RANDOM_PLAY_SEED", -1); replayed >= 0) {
        first = static_cast<std::uint64_t>(replayed);
        seeds = 1;
    }
    PlayStats total;
    for (long i = 0; i < seeds; ++i) {
        const std::string broken = RandomGame(first + static_cast<std::uint64_t>(i), total).Play(events, watchdog);
        if (!broken.empty()) {
            ADD_FAILURE() << broken;
            break;
        }
    }
    return total;
}

TEST(RandomPlay, EveryRuleHoldsThroughRandomGames) {
    const PlayStats stats =
        PlaySeeds(1, EnvNumber("QUILTO_RANDOM_PLAY_SEEDS", 60), EnvNumber("QUILTO_RANDOM_PLAY_EVENTS", 400));
    std::cout << "[ random play ] " << stats.Summary() << "\n";
    if (EnvNumber("QUILTO_RANDOM_PLAY_SEED", -1) >= 0) return;
    // The games reach every corner the checks are about.
    for (const long reached :
         {stats.wins, stats.cancels, stats.slides, stats.slipperyMoves, stats.refusals, stats.lostReleases})
        EXPECT_GT(reached, 0) << stats.Summary();
}

TEST(RandomPlay, DISABLED_LongRun) {
    const auto start = std::chrono::steady_clock::now();
    const PlayStats stats =
        PlaySeeds(1000000, EnvNumber("QUILTO_RANDOM_PLAY_SEEDS", 1000), EnvNumber("QUILTO_RANDOM_PLAY_EVENTS", 5000));
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    std::cout << "[ random play ] " << stats.Summary() << " in " << took.count() << " s\n";
}

}  // namespace
}  // namespace quilto::test
