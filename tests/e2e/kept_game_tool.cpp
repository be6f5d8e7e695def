// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The boards tests/e2e/kill_and_continue.sh compares, by the game's own code:
//
//   kept_game_tool make OUT PICTURE COLUMNS ROWS SLIDES SEED
//       writes a saved game of a regular sliding board cut from PICTURE, the
//       empty slot walked SLIDES random steps from home; prints the arrow
//       (as xdotool names it) that takes back the last step.
//   kept_game_tool kept FOLDER
//       prints the board of the game kept in the data folder FOLDER as it
//       would be continued; fails when none reads.
//   kept_game_tool replay START KEY...
//       START is a saved game or a data folder holding a kept game. Prints
//       its board after each prefix of the arrows, from none to all.
//
// A board prints as "EmptySlot: PieceAt[1] PieceAt[2] ...".
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <optional>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "game/GameKeeping.h"
#include "game/KeptGame.h"
#include "game/KeyboardPlay.h"
#include "game/SavedGameFile.h"
#include "support/BoardFixture.h"

namespace quilto {
namespace {

const std::map<std::string, int> kArrows = {
    {"Left", kKeyLeft}, {"Up", kKeyUp}, {"Right", kKeyRight}, {"Down", kKeyDown}};

[[noreturn]] void Fail(const std::string& why) {
    std::fprintf(stderr, "kept_game_tool: %s\n", why.c_str());
    std::exit(1);
}

void Print(const SavedGame& game) {
    std::printf("%d:", game.EmptySlot);
    for (int p = 1; p <= game.PieceCount(); ++p) std::printf(" %d", game.PieceAt[std::size_t(p)]);
    std::printf("\n");
}

std::string Folder(const std::string& path) {
    return path.back() == '/' ? path : path + '/';
}

std::optional<SavedGame> ReadStart(test::FakePlatform& fake, const std::string& path) {
    if (std::filesystem::is_directory(path)) return ReadKeptGame(fake, Folder(path));
    std::string bytes;
    if (!fake.ReadWholeFile(path, kMaxSavedGameFileBytes, bytes)) return std::nullopt;
    DecodedSavedGame decoded = DecodeSavedGame(bytes);
    if (decoded.fault != SavedGameFault::None) return std::nullopt;
    return std::move(decoded.game);
}

// The board from home, its empty slot walked `slides` steps at random, never
// straight back; the arrow that takes back the last step.
std::string Walk(SavedGame& game, int slides, unsigned seed) {
    // Each arrow, the side its piece comes from, and the arrow taking it back.
    struct Step {
        const char *arrow, *back;
        int from;
    };
    const int columns = game.settings.Columns, count = game.PieceCount();
    const Step steps[] = {
        {"Left", "Right", 1}, {"Right", "Left", -1}, {"Up", "Down", columns}, {"Down", "Up", -columns}};
    std::mt19937 rng(seed);
    int empty = count, last = 0;
    std::string back = "none";
    for (int done = 0; done < slides;) {
        const Step& s = steps[rng() % 4];
        const int p = empty + s.from;
        const bool inRow = (s.from != 1 && s.from != -1) || (p - 1) / columns == (empty - 1) / columns;
        if (p < 1 || p > count || !inRow || p == last) continue;
        std::swap(game.PieceAt[std::size_t(p)], game.PieceAt[std::size_t(empty)]);
        last = std::exchange(empty, p), back = s.back, ++done;
    }
    game.EmptySlot = std::int16_t(empty);
    return back;
}

int Make(const std::string& out, const std::string& picture, int columns, int rows, int slides, unsigned seed) {
    SavedGame game;
    test::FakePlatform fake;
    if (!fake.ReadWholeFile(picture, kMaxPictureFileBytes, game.PictureBytes)) Fail("cannot read " + picture);
    game.PictureName = std::filesystem::path(picture).filename().string();
    game.settings = {std::int16_t(columns), std::int16_t(rows), 3, false, true, false};
    game.PieceAt.resize(std::size_t(columns * rows) + 1);
    for (std::size_t p = 0; p < game.PieceAt.size(); ++p) game.PieceAt[p] = std::int16_t(p);
    const std::string back = Walk(game, slides, seed);
    const std::optional<std::string> bytes = EncodeSavedGame(game);
    if (!bytes || !fake.WriteFileAtomically(out, *bytes)) Fail("cannot write " + out);
    std::printf("%s\n", back.c_str());
    return 0;
}

int Replay(const std::string& start, const std::vector<std::string>& keys) {
    // Laid out on the fixture's window: on a regular board an arrow picks its
    // piece by rows and columns alone, whatever the window.
    test::WindowFixture w;
    std::optional<SavedGame> game = ReadStart(w.fake, start);
    if (!game) Fail("no game reads from " + start);
    w.fake.pictureBytes[game->PictureBytes] = {800, 600};
    if (!OpenGameRecord(w.g, std::move(*game))) Fail("the game does not open");
    Print(CaptureBoard(w.g));
    for (const std::string& key : keys) {
        if (!kArrows.contains(key)) Fail("not an arrow: " + key);
        PlayKeyDown(w.g, kArrows.at(key), false);
        Print(CaptureBoard(w.g));
    }
    return 0;
}

}  // namespace
}  // namespace quilto

int main(int argc, char** argv) {
    using namespace quilto;
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "make" && argc == 8)
        return Make(argv[2], argv[3], std::atoi(argv[4]), std::atoi(argv[5]), std::atoi(argv[6]),
                    unsigned(std::strtoul(argv[7], nullptr, 10)));
    if (command == "kept" && argc == 3) {
        test::FakePlatform fake;
        const std::optional<SavedGame> kept = ReadKeptGame(fake, Folder(argv[2]));
        if (!kept) Fail("no kept game reads in " + std::string(argv[2]));
        Print(*kept);
        return 0;
    }
    if (command == "replay" && argc >= 3) return Replay(argv[2], std::vector<std::string>(argv + 3, argv + argc));
    Fail("usage: make OUT PICTURE COLUMNS ROWS SLIDES SEED | kept FOLDER | replay START KEY...");
}
