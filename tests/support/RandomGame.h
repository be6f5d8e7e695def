#pragma once
// One random game: a fresh program folder holding whatever settings file the
// player left there, start-up on a fake platform and a maximized window of
// the player's screen, then the player's events, each one checked by the
// rules model within the watchdog's time budget.
#include <cstdint>
#include <deque>
#include <string>

#include "game/ConfigDialog.h"
#include "game/GameState.h"
#include "support/FakePlatform.h"
#include "support/PlayModel.h"
#include "support/RandomPlayer.h"
#include "support/TempDir.h"
#include "support/Watchdog.h"

namespace quilto::test {

class RandomGame {
public:
    explicit RandomGame(std::uint64_t seed);
    RandomGame(const RandomGame&) = delete;
    RandomGame& operator=(const RandomGame&) = delete;

    // Plays up to `events` events. Returns "" when every rule held, else what
    // broke, with the seed, the event's number and the events before it.
    std::string Play(long events, Watchdog& watchdog);

    const PlayStats& Stats() const { return model_.Stats(); }

private:
    // The dialog as the window shows it: loaded from the settings, edited,
    // then "Aceptar" (perhaps refused and edited again) or "Cancelar".
    void ShowConfiguration();

    std::uint64_t seed_;
    RandomPlayer player_;
    TempDir dir_;
    FakePlatform fake_;
    GameState g_{fake_};
    ConfigDialog dialog_{g_};  // made once, shown again and again, as the window's
    PlayModel model_{g_, fake_};
    int dialogsThisEvent_ = 0;
    std::deque<std::string> trail_;
};

}  // namespace quilto::test
