#pragma once
// A player who does, at random, anything a player and the clock can do to
// the game: load pictures (good, bad, none), start puzzles, set up the
// configuration dialog with any values and accept or cancel it, answer
// message boxes either way, press, move and release every mouse button
// anywhere (on pieces, exactly on their edges, off the board), press, repeat
// and release F5 to F8 in any order, and let the timer tick. Mostly the
// player also means well: takes pieces home and slides pieces in line with
// the empty slot, so that games get won.
#include <cstdint>
#include <deque>
#include <map>
#include <optional>
#include <random>
#include <string>
#include <utility>

#include "game/ConfigDialog.h"
#include "game/GameState.h"
#include "support/PlayEvent.h"

namespace quilto::test {

class RandomPlayer {
public:
    explicit RandomPlayer(std::uint64_t seed) : dice_(seed) {}

    int Roll(int n) { return static_cast<int>(dice_() % static_cast<std::uint64_t>(n)); }
    bool Chance(int percent) { return Roll(100) < percent; }

    // What start-up finds in the settings file: nothing (no file), random
    // bytes, or a file edited by hand with values out of range.
    std::optional<std::string> SettingsFile();
    // The outer size of the maximized window, window units.
    std::pair<float, float> Screen();
    // Pictures the platform can load, path -> size in pixels.
    static std::map<std::string, std::pair<int, int>> LoadablePictures();
    // An answer of the file dialog: a picture, a file that is none, or "".
    std::string ChosenFile();

    // The dialog's controls set at random, mostly to a combination the rules
    // accept.
    void EditDialog(ConfigDialog& d);

    // The next event for the game as it stands.
    PlayEvent Next(const GameState& g);

private:
    float Within(float lo, float hi) { return lo + (hi - lo) * static_cast<float>(Roll(1 << 20)) / (1 << 20); }
    int Side();
    std::pair<float, float> Centre(const GameState& g, int p) const;
    std::pair<float, float> RandomPoint(const GameState& g);
    PlayEvent RandomEvent(const GameState& g);
    PlayEvent TakePlanned();
    void PlanMove(const GameState& g);  // a drag, or a click on a sliding board
    void PlanDrag(const GameState& g);
    void PlanClick(const GameState& g);
    void PlanKey(const GameState& g);

    std::mt19937_64 dice_;
    // The steps of a plan come in order, mixed with other events.
    std::deque<PlayEvent> plan_;
};

}  // namespace quilto::test
