// Long random games: everything a player and the clock can do, checked
// against the rules after every event (tests/support/PlayModel.cpp).
//
// Replaying a failure: the message names the seed and the event, e.g.
//   QUILTO_RANDOM_PLAY_SEED=17 QUILTO_RANDOM_PLAY_EVENTS=212 core_tests --gtest_filter='RandomPlay.*'
// Longer runs: QUILTO_RANDOM_PLAY_SEEDS and QUILTO_RANDOM_PLAY_EVENTS, or the
// long run, core_tests --gtest_also_run_disabled_tests --gtest_filter='RandomPlay.DISABLED_LongRun'.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <string>

#include "support/RandomGame.h"

namespace quilto {
namespace {

using test::PlayStats;
using test::RandomGame;
using test::Watchdog;

long EnvNumber(const char* name, long fallback) {
    const char* v = std::getenv(name);
    return v && *v ? std::strtol(v, nullptr, 10) : fallback;
}

bool Replaying() {
    const char* v = std::getenv("QUILTO_RANDOM_PLAY_SEED");
    return v && *v;
}

// Plays `seeds` games from seed `first` on, `events` events each (or the one
// seed being replayed) and stops at the first broken rule.
PlayStats PlaySeeds(std::uint64_t first, long seeds, long events) {
    // Generous for the largest boards under the sanitizers; a hang ends the
    // program with the seed and event that hung.
    Watchdog watchdog(std::chrono::seconds(EnvNumber("QUILTO_RANDOM_PLAY_BUDGET", 120)));
    if (Replaying()) {
        first = std::strtoull(std::getenv("QUILTO_RANDOM_PLAY_SEED"), nullptr, 10);
        seeds = 1;
    }
    PlayStats total;
    for (long i = 0; i < seeds; ++i) {
        RandomGame game(first + static_cast<std::uint64_t>(i));
        const std::string broken = game.Play(events, watchdog);
        total += game.Stats();
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
    if (Replaying()) return;
    // The games reach every corner the checks are about.
    EXPECT_GT(stats.wins, 0);
    EXPECT_GT(stats.cancels, 0);
    EXPECT_GT(stats.slides, 0);
    EXPECT_GT(stats.slipperyMoves, 0);
    EXPECT_GT(stats.refusals, 0);
    EXPECT_GT(stats.lostReleases, 0);
}

TEST(RandomPlay, DISABLED_LongRun) {
    const auto start = std::chrono::steady_clock::now();
    const PlayStats stats =
        PlaySeeds(1000000, EnvNumber("QUILTO_RANDOM_PLAY_SEEDS", 1000), EnvNumber("QUILTO_RANDOM_PLAY_EVENTS", 5000));
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    std::cout << "[ random play ] " << stats.Summary() << " in " << took.count() << " s\n";
}

}  // namespace
}  // namespace quilto
