// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/SavedGame.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <optional>
#include <ostream>
#include <random>
#include <string>
#include <vector>

#include "game/SavedGameFile.h"
#include "game/Slippery.h"
#include "game/SlipperyBar.h"
#include "support/FakePlatform.h"
#include "support/Printers.h"

namespace quilto {

void PrintTo(SavedGameFault f, std::ostream* os) {
    static const char* const names[] = {"None",        "NotASavedGame", "NewerVersion",   "CutShort",   "TrailingBytes",
                                        "BadSettings", "BadPieceCount", "BadLayout",      "BadPieceAt", "BadEmptySlot",
                                        "Unsolvable",  "BadBar",        "BadPictureName", "BadPicture", "OutOfMemory"};
    *os << names[static_cast<int>(f)];
}

namespace {

using namespace std::string_literals;
using Fault = SavedGameFault;

// A 3 x 3 irregular board: two dominoes and five singles, the corner single
// (over the bottom-right unit) numbered 4, not last.
const std::vector<UnitRect> kThreeUnits = {{0, 0, 1, 2}, {1, 0, 2, 1}, {1, 1, 1, 1}, {2, 2, 1, 1},
                                           {2, 1, 1, 1}, {0, 2, 1, 1}, {1, 2, 1, 1}};

// Every unit of a side x side board a single.
std::vector<UnitRect> Singles(int side) {
    std::vector<UnitRect> v;
    for (int c = 0; c < side; ++c)
        for (int r = 0; r < side; ++r) v.push_back({std::int16_t(c), std::int16_t(r), 1, 1});
    return v;
}

// Small pictures, so that the fuzzer's seeds are mostly board.
constexpr std::size_t kPictureSize = 40;

// A game in play on these settings: the pieces mixed as the board's kind of
// shuffle would leave them (a sliding board only by slides).
SavedGame Game(const Settings& s, std::vector<UnitRect> pieces = {}, std::int16_t barTicks = 0,
               std::string name = "Montaña.jpg", std::uint32_t seed = 1) {
    SavedGame g;
    g.settings = s;
    const int n = s.fIrregular ? static_cast<int>(pieces.size()) : s.Columns * s.Rows;
    g.Pieces = std::move(pieces);
    g.PieceAt.resize(std::size_t(n) + 1);
    for (int p = 0; p <= n; ++p) g.PieceAt[std::size_t(p)] = std::int16_t(p);
    g.BarTicks = barTicks;
    g.PictureName = std::move(name);
    for (std::size_t i = 0; i < kPictureSize; ++i) g.PictureBytes += static_cast<char>(i * 7 + 3);
    std::mt19937 rng(seed);
    if (!s.fSlide) {
        std::shuffle(g.PieceAt.begin() + 1, g.PieceAt.end(), rng);
        return g;
    }
    int e = EmptyPiece(g);
    for (int i = 0; i < 40 * n; ++i) {
        int p = int(rng() % unsigned(n)) + 1;
        if (!s.fIrregular) {  // a neighbour in the grid
            const int c = s.Columns, d[] = {-c, c, -1, 1}, q = e + d[rng() % 4];
            if (q < 1 || q > n || ((q - 1) % c != (e - 1) % c && (q - 1) / c != (e - 1) / c)) continue;
            p = q;
        }
        std::swap(g.PieceAt[std::size_t(p)], g.PieceAt[std::size_t(e)]);
        e = p;
    }
    g.EmptySlot = std::int16_t(e);
    return g;
}

TEST(SavedGame, EveryKindOfBoardComesBackAsItWasSaved) {
    // One of every kind of board, the smallest and the largest included.
    const std::pair<const char*, SavedGame> samples[] = {
        {"regular-slippery", Game({5, 4, 2, false, false, true}, {}, 7)},
        {"regular-sliding", Game({4, 3, 3, false, true, false})},
        {"irregular-slippery", Game({3, 3, 1, true, false, true}, kThreeUnits, 19)},
        {"irregular-sliding", Game({3, 3, 4, true, true, false}, kThreeUnits)},
        // Only a hand-edited settings file makes these two.
        {"one-piece-odd-fit", Game({1, 1, -7, false, false, false})},
        {"regular-65", Game({65, 65, 3, false, true, false})},
        {"irregular-65-singles", Game({65, 65, 3, true, true, false}, Singles(65), 0, std::string(255, 'x'))},
    };
    const char* seeds = std::getenv("QUILTO_SAVED_GAME_SEEDS");  // writes the fuzzer's seeds there
    for (const auto& [name, saved] : samples) {
        SCOPED_TRACE(name);
        ASSERT_EQ(CheckSavedGame(saved), Fault::None);
        const std::optional<std::string> bytes = EncodeSavedGame(saved);
        ASSERT_TRUE(bytes.has_value());
        // The picture plus less than 64 KiB, even for 4225 pieces and the
        // longest name.
        EXPECT_LT(bytes->size() - saved.PictureBytes.size(), 65536u);

        const DecodedSavedGame back = DecodeSavedGame(*bytes);
        EXPECT_FIELDS((back.fault, back.game), (Fault::None, saved));
        if (seeds && saved.PieceCount() < 100)
            std::ofstream(std::string(seeds) + "/" + name + ".quilto", std::ios::binary) << *bytes;
    }
}

// Files already written must stay readable: the bytes of a small game, field
// by field.
TEST(SavedGame, WritesTheDocumentedBytes) {
    SavedGame g = Game({3, 3, 4, true, false, true}, kThreeUnits, 5, "ñ.png");
    g.PieceAt = {0, 3, 1, 2, 7, 6, 5, 4};
    g.PictureBytes = "PNG";
    EXPECT_EQ(EncodeSavedGame(g),
              "Quilto partida\r\n"
              "\x01\x00"                  // version
              "\x03\x00\x03\x00\x04\x00"  // columns, rows, fit
              "\x05"                      // irregular, slippery
              "\x07\x00"                  // pieces
              // their rectangles: left, top, width, height
              "\x00\x00\x01\x02"
              "\x01\x00\x02\x01"
              "\x01\x01\x01\x01"
              "\x02\x02\x01\x01"
              "\x02\x01\x01\x01"
              "\x00\x02\x01\x01"
              "\x01\x02\x01\x01"
              "\x03\x00\x01\x00\x02\x00\x07\x00\x06\x00\x05\x00\x04\x00"  // PieceAt
              "\x00\x00"                                                  // empty slot
              "\x05"                                                      // bar
              "\x06\x00"
              "\xC3\xB1.png"  // name
              "\x03\x00\x00\x00"
              "PNG"s);  // picture
}

// Records no game can be in: the check refuses each, and the writer too.
TEST(SavedGame, RefusesRecordsWhoseNumbersContradictEachOther) {
    const SavedGame regular = Game({4, 3, 3, false, false, false});
    const SavedGame sliding = Game({4, 3, 3, false, true, false});
    const SavedGame irregular = Game({3, 3, 3, true, false, true}, kThreeUnits, 4);
    const SavedGame irregularSliding = Game({3, 3, 3, true, true, false}, kThreeUnits);
    const auto position = [](const SavedGame& g, int piece) {
        return std::int16_t(std::find(g.PieceAt.begin(), g.PieceAt.end(), piece) - g.PieceAt.begin());
    };
    struct Case {
        const char* name;
        const SavedGame& base;
        std::function<void(SavedGame&)> spoil;
        Fault fault;
    };
    const Case cases[] = {
        {"no columns", regular, [](SavedGame& g) { g.settings.Columns = 0; }, Fault::BadSettings},
        {"66 rows", regular, [](SavedGame& g) { g.settings.Rows = 66; }, Fault::BadSettings},
        {"irregular, not square", irregular, [](SavedGame& g) { g.settings.Columns = 4; }, Fault::BadSettings},
        {"sliding and slippery", sliding, [](SavedGame& g) { g.settings.fSlippery = true; }, Fault::BadSettings},
        {"no pieces", regular, [](SavedGame& g) { g.PieceAt.clear(); }, Fault::BadPieceCount},
        {"a piece more than the grid", regular, [](SavedGame& g) { g.PieceAt.push_back(13); }, Fault::BadPieceCount},
        {"a rectangle on a regular board", regular, [](SavedGame& g) { g.Pieces.push_back(kThreeUnits[0]); },
         Fault::BadPieceCount},
        {"a rectangle short", irregular, [](SavedGame& g) { g.Pieces.pop_back(); }, Fault::BadPieceCount},
        {"overlapping pieces", irregular, [](SavedGame& g) { g.Pieces[2].Left = 0; }, Fault::BadLayout},
        {"a gap", irregular, [](SavedGame& g) { g.Pieces[0].Height = 1; }, Fault::BadLayout},
        {"past the edge", irregular, [](SavedGame& g) { g.Pieces[4].Width = 2; }, Fault::BadLayout},
        {"no width", irregular, [](SavedGame& g) { g.Pieces[2].Width = 0; }, Fault::BadLayout},
        {"left of the board", irregular, [](SavedGame& g) { g.Pieces[2].Left = -1; }, Fault::BadLayout},
        {"a piece twice", regular, [](SavedGame& g) { g.PieceAt[2] = g.PieceAt[1]; }, Fault::BadPieceAt},
        {"piece 0", regular, [](SavedGame& g) { g.PieceAt[12] = 0; }, Fault::BadPieceAt},
        {"a piece past the count", irregular,
         [](SavedGame& g) { std::replace(g.PieceAt.begin(), g.PieceAt.end(), 7, 8); }, Fault::BadPieceAt},
        {"position 0 used", regular, [](SavedGame& g) { g.PieceAt[0] = 1; }, Fault::BadPieceAt},
        {"sliding without a slot", sliding, [](SavedGame& g) { g.EmptySlot = 0; }, Fault::BadEmptySlot},
        {"slot past the board", sliding, [](SavedGame& g) { g.EmptySlot = 13; }, Fault::BadEmptySlot},
        {"slot on a piece", sliding, [&](SavedGame& g) { g.EmptySlot = position(g, 1); }, Fault::BadEmptySlot},
        // The empty piece of an irregular board is the corner's, not the last.
        {"irregular slot on the last piece", irregularSliding, [&](SavedGame& g) { g.EmptySlot = position(g, 7); },
         Fault::BadEmptySlot},
        {"a slot on a free board", regular, [](SavedGame& g) { g.EmptySlot = 1; }, Fault::BadEmptySlot},
        {"two pieces exchanged on a sliding board", sliding,
         [&](SavedGame& g) { std::swap(g.PieceAt[position(g, 1)], g.PieceAt[position(g, 2)]); }, Fault::Unsolvable},
        {"the bar past full", irregular, [](SavedGame& g) { g.BarTicks = 20; }, Fault::BadBar},
        {"a bar without slippery pieces", regular, [](SavedGame& g) { g.BarTicks = 3; }, Fault::BadBar},
        {"a folder in the name", regular, [](SavedGame& g) { g.PictureName = "../x.png"; }, Fault::BadPictureName},
        {"a name too long", regular, [](SavedGame& g) { g.PictureName.assign(256, 'x'); }, Fault::BadPictureName},
        {"no picture", regular, [](SavedGame& g) { g.PictureBytes.clear(); }, Fault::BadPicture},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SavedGame g = c.base;
        ASSERT_EQ(CheckSavedGame(g), Fault::None);
        c.spoil(g);
        EXPECT_FIELDS((CheckSavedGame(g), EncodeSavedGame(g).has_value()), (c.fault, false));
    }
}

std::string Patched(std::string bytes, std::size_t at, const std::string& with) {
    return bytes.replace(at, with.size(), with);
}

TEST(SavedGame, RefusesFilesThatAreNotSavedGames) {
    const std::string good = *EncodeSavedGame(Game({4, 3, 3, false, false, false}));
    const std::size_t pieceAt = 27, pictureSize = good.size() - kPictureSize - 4;
    struct Case {
        const char* name;
        std::string bytes;
        Fault fault;
    } cases[] = {
        {"nothing", "", Fault::NotASavedGame},
        {"a picture", "\x89PNG\r\n\x1A\n\0\0\0\x0DIHDR"s, Fault::NotASavedGame},
        {"the name changed", Patched(good, 6, "P"), Fault::NotASavedGame},
        {"line ends translated", "Quilto partida\n" + good.substr(16), Fault::NotASavedGame},
        {"version 0", Patched(good, 16, "\0\0"s), Fault::NotASavedGame},
        {"version 2", Patched(good, 16, "\x02\0"s), Fault::NewerVersion},
        {"an unknown option", Patched(good, 24, "\x08"), Fault::BadSettings},
        // Counts are checked before anything of their size is allocated.
        {"65535 pieces", Patched(good, 25, "\xFF\xFF"), Fault::BadPieceCount},
        {"4225 pieces", Patched(good, 25, "\x81\x10"), Fault::CutShort},
        {"a 4 GiB picture", Patched(good, pictureSize, "\xFF\xFF\xFF\xFF"), Fault::CutShort},
        {"a byte after the picture", good + "x", Fault::TrailingBytes},
        // The reader applies the record's check.
        {"piece 0", Patched(good, pieceAt, "\0\0"s), Fault::BadPieceAt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const DecodedSavedGame d = DecodeSavedGame(c.bytes);
        EXPECT_FIELDS((d.fault, d.game.PieceCount()), (c.fault, 0));
    }
}

TEST(SavedGame, RefusesAFileCutShortAtAnyByte) {
    const std::string good = *EncodeSavedGame(Game({3, 3, 2, true, false, true}, kThreeUnits, 11, "a.png"));
    for (std::size_t size = 0; size < good.size(); ++size)
        EXPECT_EQ(DecodeSavedGame(good.substr(0, size)).fault, size < 16 ? Fault::NotASavedGame : Fault::CutShort)
            << "cut after " << size << " of " << good.size() << " bytes";
}

// The ticks stored for the bar give back, under any frame, the width the
// timer's own ticks reach; 19 ticks never fill it, so no saved bar is full.
TEST(SavedGame, TheBarResumesAtTheTickItStoodAt) {
    for (const float frame : {9000.0f, 20475.0f, 28799.99f, 1.0f}) {
        test::FakePlatform fake;
        GameState g(fake);
        g.settings.fSlippery = true;
        g.win.Label1.box.Width = frame;
        for (int ticks = 0; ticks <= kMaxBarTicks; ++ticks) {
            SCOPED_TRACE(testing::Message() << "frame " << frame << ", " << ticks << " ticks");
            const float width = g.win.Label4.box.Width;
            EXPECT_FIELDS((width, BarTicks(width, frame)), (BarWidthAfter(ticks, frame), ticks));
            EXPECT_LT(width, frame);
            if (ticks < kMaxBarTicks) Timer1_Timer(g);
        }
        EXPECT_GE(BarWidthAfter(kMaxBarTicks + 1, frame), frame) << "frame " << frame;
    }
}

}  // namespace
}  // namespace quilto
