// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/NewPuzzle.h"

#include <gtest/gtest.h>

#include "game/Completion.h"
#include "game/Exchange.h"
#include "game/KeyboardAids.h"
#include "game/Slippery.h"
#include "settings/SettingsFile.h"
#include "support/BoardFixture.h"

namespace quilto {
namespace {

const std::string kTooLarge = ") es demasiado grande.\rCambia los valores y prueba de nuevo.";

// The board frame is 9000 x 6000 units at (120, 120), aspect 1.5.
struct NewPuzzleTest : ::testing::Test, test::WindowFixture {
    PixelRect PieceRect(int k) const {  // wherever the shuffle put piece k; throws if it is missing
        return g.pictures[g.win.Image1.at(std::ranges::find(g.PieceAt, k) - g.PieceAt.begin()).Picture];
    }
    // What no board at all looks like: one element, one outline, nothing shown or running.
    auto Board() const {
        return FIELDS(g.win.Image1.size(), g.win.Shape4.size(), g.PieceCount, g.fPlaying, g.win.Label3.Visible,
                      g.win.Label4.Visible, g.win.Image2.Visible, Timer1Runs(g));
    }
    static constexpr auto kNoBoard = std::tuple(1u, 1u, 0, false, false, false, false, false);
};

TEST_F(NewPuzzleTest, SnapsTheCellToWholePixelsAndAsksBeforeReplacingTheBoard) {
    g.win.Label4.box.Width = 900;  // the bar as an earlier game left it
    Start({7, 7, 1, false, false, true}, 700, 700);
    // 6000 / 7 = 857.14 is lowered to 855.14 (57 pixels); the width keeps the
    // cell aspect of 1.5 (1282.71) and the frame shrinks to the snapped grid.
    const Box cell = g.win.Image1[0].box, frame = g.win.Label1.box;
    EXPECT_FIELDS((cell.Height, int(cell.Width * 100), frame, Timer1Runs(g), g.win.Label4.Visible),
                  (6000.0f / 7 - 2, 128271, Box{120, 120, 7 * cell.Width, 7 * cell.Height}, true, true));
    // The bar starts empty below the frame; positions step by the snapped cell but keep the unsnapped size.
    EXPECT_FIELDS(
        (g.win.Label4.box, g.win.Image1[9].box),
        (Box{120, 120 + frame.Height + 15, 0, 60}, Box{120 + cell.Width, 120 + cell.Height, 9000.0f / 7, 6000.0f / 7}));
    // Cancel at the question: the board stays and no file is written.
    ASSERT_TRUE(std::filesystem::remove(dir.File("Quilto.ini")));
    fake.answers = {MsgResult::Cancel};
    Start({6, 4, 1, false, false, false}, 700, 700, true);
    EXPECT_FIELDS((fake.MessageTexts(), fake.messages[0].buttons, g.win.Image1.size(), g.win.Label1.box,
                   fake.pendingEventPasses, std::filesystem::exists(dir.File("Quilto.ini"))),
                  (Texts{"Quieres empezar otro puzzle?"}, MsgButtons::OkCancel, 50u, frame, 1, false));
    // Unasked; cells already on whole pixels (1500 units) leave the whole
    // board area as the frame, not what the last board shrank it to; the
    // settings go to their own file where one is given.
    g.SettingsPath = dir.File("elsewhere.ini");
    Start({6, 4, 1, false, false, false}, 700, 700);
    EXPECT_FIELDS((g.PieceCount, g.win.Label1.box, Timer1Runs(g), LoadSettings(g.SettingsPath),
                   std::filesystem::exists(dir.File("Quilto.ini"))),
                  (24, Box{120, 120, 9000, 6000}, false, Settings{6, 4, 1, false, false, false}, false));
    // 14870 / 4 = 3717.5 rounds to even numbers only: 27 units down to 3690.5.
    // A settings file that cannot be written does not stop the puzzle.
    g.BoardHeight = 14870;
    fake.failWrites = true;
    Start({5, 4, 1, false, false, false}, 500, 400);
    EXPECT_FIELDS((g.win.Image1[0].box.Height, g.fPlaying, LoadSettings(g.SettingsPath).Columns), (3690.5f, true, 6));
}

TEST_F(NewPuzzleTest, FitModesCutTheirPartOfThePictureClampedToItsEdges) {
    const struct {
        int w, h;
        std::int16_t cols, rows, mode;
        PixelRect whole, last;
    } cases[] = {
        // Narrower: the full width, a band of 666.67 px at the top, centre or bottom.
        {1000, 1000, 3, 2, 2, {1, 0, 0, 1000, 667}, {1, 667, 333, 333, 333}},
        {1000, 1000, 3, 2, 3, {1, 0, 167, 1000, 667}, {1, 667, 500, 333, 333}},
        {1000, 1000, 3, 2, 4, {1, 0, 333, 1000, 667}, {1, 667, 666, 333, 333}},
        // Wider: the full height, a band of 1500 px at the left, centre or right; or stretched.
        {3000, 1000, 3, 2, 2, {1, 0, 0, 1500, 1000}, {1, 1000, 500, 500, 500}},
        {3000, 1000, 3, 2, 3, {1, 750, 0, 1500, 1000}, {1, 1750, 500, 500, 500}},
        {3000, 1000, 3, 2, 4, {1, 1500, 0, 1500, 1000}, {1, 2500, 500, 500, 500}},
        {3000, 1000, 3, 2, 1, {1, 0, 0, 3000, 1000}, {1, 2000, 500, 1000, 500}},
        // Cells of 3.5 px round to 4 and the last is cut back; a single piece is harmless and played.
        {7, 7, 2, 2, 1, {1, 0, 0, 7, 7}, {1, 4, 4, 3, 3}},
        {7, 7, 1, 1, 1, {1, 0, 0, 7, 7}, {1, 0, 0, 7, 7}},
    };
    for (const auto& c : cases) {
        Start({c.cols, c.rows, c.mode, false, false, false}, c.w, c.h);
        EXPECT_FIELDS((g.pictures[g.win.Image2.Picture], PieceRect(c.cols * c.rows)), (c.whole, c.last))
            << "case " << &c - cases;
    }
    // Irregular pieces: units of 2250 x 1500 window units; the wider 800 x 400
    // picture gives units of 150 x 100 px from 100 px in: 15 units to the pixel.
    Start({4, 4, 3, true, false, false}, 800, 400);
    const Box& s = g.win.Shape4[11];
    EXPECT_EQ(PieceRect(12), (PixelRect{1, 100 + int((s.Left - 120) / 15), int((s.Top - 120) / 15), int(s.Width / 15),
                                        int(s.Height / 15)}));
}

TEST_F(NewPuzzleTest, ABoardTooLargeOpensTheDialogAndIsTriedAgainIfItIsAccepted) {
    // Pieces under one picture pixel; the dialog cancelled leaves no board.
    Start({60, 50, 1, false, false, true}, 20, 20);
    EXPECT_FIELDS((fake.MessageTexts(), fake.messages[0].icon, dialogs, g.fSkipConfirm, Board()),
                  (Texts{"El tamaño del tablero (50x60" + kTooLarge}, MsgIcon::Exclamation, 1, false, kNoBoard));
    // Pieces under one screen pixel (65 rows on 600 units); the dialog, which
    // must find no board left, is accepted with a smaller one.
    g.BoardHeight = 600;
    dialog = [&] {
        g.settings = {4, 4, 1, false, false, false}, g.fSkipConfirm = true;
        EXPECT_RECORD(Board(), kNoBoard);
    };
    Start({65, 65, 1, false, false, false}, 4000, 4000);
    EXPECT_FIELDS((fake.MessageTexts().back(), fake.messages.size(), g.PieceCount, g.fPlaying, g.fSkipConfirm),
                  ("El tamaño del tablero (65x65" + kTooLarge, 2u, 16, true, false));
}

TEST_F(NewPuzzleTest, HandEditedSettingsAreRefusedWithTheDialogsMessage) {
    const std::pair<Settings, std::string> cases[] = {
        // The dialog's own rules, whose order the dialog's tests pin down.
        {{0, 5, 3, false, false, false}, "El tamaño del tablero (5x0" + kTooLarge},
        {{5, 66, 3, false, false, false}, "El tamaño del tablero (66x5" + kTooLarge},
        {{4, 5, 3, true, false, false}, "Para jugar con piezas irregulares ambas medidas deben ser iguales."},
    };
    for (const auto& [settings, message] : cases) {
        Start(settings, 900, 600);  // refused before the busy caption
        EXPECT_FIELDS((fake.messages.back().text, fake.pendingEventPasses, Board()), (message, 0, kNoBoard));
    }
    EXPECT_FIELDS((dialogs, fake.messages.size()), (3, 3u));
}

TEST_F(NewPuzzleTest, TheCellAspectAndTheBandLeftOverAreTakenInDoublePrecision) {
    // A 1280 x 1024 screen: cells of exactly 90.5 x 58.5 picture pixels,
    // which round to even: 58 pixels wide, not 59.
    g.BoardWidth = 18720, g.BoardHeight = 14480;
    Start({4, 2, 4, false, false, false}, 5954, 181);
    EXPECT_FIELDS((PieceRect(1).Width, PieceRect(1).Height), (58, 90));
    // The band left over is (7519 - 5700 / 5128 x 2564) / 2 = 2334.5 pixels,
    // which rounds to the even 2334.
    g.BoardWidth = 5128, g.BoardHeight = 5700;
    Start({1, 1, 3, false, false, false}, 2564, 7519);
    EXPECT_EQ(g.pictures[g.win.Image2.Picture].Top, 2334);
}

TEST_F(NewPuzzleTest, ACellThatWholePixelsLowerUnderOnePixelIsTooLarge) {
    // 35 units for 2 rows: cells of 17.5 units round to even numbers only and
    // would be lowered to half a unit.
    g.BoardHeight = 35;
    Start({3, 2, 1, false, false, false}, 640, 480);
    Start({3, 3, 1, true, false, false}, 640, 480);  // irregular units are lowered the same way, to nothing
    EXPECT_FIELDS(
        (fake.MessageTexts(), Board()),
        (Texts{"El tamaño del tablero (2x3" + kTooLarge, "El tamaño del tablero (3x3" + kTooLarge}, kNoBoard));
}

TEST_F(NewPuzzleTest, ANewPuzzleLeavesNothingOfTheOldOneInSight) {
    // Whether the busy caption, when it gets its one pass of pending events,
    // shows in front of the old pieces and the old finished picture.
    std::vector<bool> captionInFront;
    std::vector<std::size_t> elementsThen;
    fake.onPendingEvents = [&] {
        std::int64_t top = g.win.Image2.Visible ? g.win.Image2.Z : INT64_MIN;
        for (const Element& e : g.win.Image1) top = e.Visible ? std::max(top, e.Z) : top;
        captionInFront.push_back(g.win.Label3.Visible && g.win.Label3.Z > top);
        elementsThen.push_back(g.win.Image1.size());
    };
    Start({4, 3, 1, false, false, true});
    Form_KeyDown(g, kKeyF8);  // peeking at the finished picture, the slippery bar showing
    Start({3, 2, 1, false, false, false});
    for (int p = 1; p <= g.PieceCount; ++p) SwapPieces(g, p, int(std::ranges::find(g.PieceAt, p) - g.PieceAt.begin()));
    CheckCompletion(g);  // won: the finished picture lies in front of everything
    Start({5, 2, 1, false, false, false});
    EXPECT_FIELDS((captionInFront, elementsThen), (std::vector{true, true, true}, std::vector<std::size_t>{1, 13, 7}));
}

}  // namespace
}  // namespace quilto
