// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/GameMenu.h"

#include <gtest/gtest.h>

#include "game/Slippery.h"
#include "support/BoardFixture.h"

namespace quilto {
namespace {

struct GameMenuTest : ::testing::Test, test::WindowFixture {
    void SetUp() override { fake.pictures["/pics/a.png"] = {800, 600}; }
};

TEST_F(GameMenuTest, APictureIsAskedForFirstAndABadOneChangesNothing) {
    fake.chosenFiles = {"/pics/a.png", "/pics/notes.txt"};
    MnuNew_Click(g);  // no picture yet: one is asked for, and the first one's dialog is cancelled
    EXPECT_FIELDS((fake.MessageTexts(), fake.messages[0].icon, dialogs, g.fPictureLoaded, g.fPlaying),
                  (Texts{"Primero debes cargar una imagen"}, MsgIcon::Exclamation, 1, true, false));
    MnuNew_Click(g);  // now without a question
    ASSERT_TRUE(g.fPlaying);
    MnuLoad_Click(g);  // a new puzzle would have asked first
    EXPECT_FIELDS(
        (fake.MessageTexts().back(), g.PicClip1.id(), g.PicClip1.width(), g.fPlaying, dialogs, fake.released.size()),
        ("Archivo no válido.", 1, 800, true, 1, 0u));
    // An accepted configuration that needs a new puzzle makes it unasked.
    dialog = [this] { g.settings = {6, 4, 1, false, false, false}, g.fSkipConfirm = true; };
    MnuConf_Click(g);
    EXPECT_FIELDS((g.PieceCount, fake.messages.size(), g.fSkipConfirm), (24, 2u, false));
}

// A picture broken past its header is refused when its decoding ends: the
// first one's after its configuration dialog, a later one's at once.
TEST_F(GameMenuTest, APictureBrokenPastItsHeaderIsRefusedWhenItsDecodingEnds) {
    fake.pictures["/pics/rota.jpg"] = {6000, 4000};
    fake.brokenPastHeader = {"/pics/rota.jpg"};
    fake.chosenFiles = {"/pics/rota.jpg", "/pics/a.png", "/pics/rota.jpg"};
    dialog = [this] { g.fSkipConfirm = true; };
    MnuLoad_Click(g);
    EXPECT_FIELDS((fake.MessageTexts(), dialogs, g.fPictureLoaded, g.PicClip1.id(), g.fPlaying, fake.released),
                  (Texts{"Archivo no válido."}, 1, false, kNoPictureId, false, std::vector{1}));
    MnuLoad_Click(g);
    MnuLoad_Click(g);
    EXPECT_FIELDS((fake.MessageTexts().back(), dialogs, g.PicClip1.id(), g.fPlaying, fake.released),
                  ("Archivo no válido.", 2, 2, true, (std::vector{1, 3})));
}

// Slippery pieces switched on in the dialog start from an empty bar, shown
// (kept on, the bar goes on from where it stood: the random play checks it).
TEST_F(GameMenuTest, TheSlipperyBarStartsEmptyWhenSwitchedOn) {
    g.win.Label4.box.Width = 900, g.fPlaying = true;
    dialog = [&] { g.settings.fSlippery = true; };
    MnuConf_Click(g);
    EXPECT_FIELDS((Timer1Runs(g), g.win.Label4.Visible, g.win.Label4.box.Width), (true, true, 0));
}

TEST_F(GameMenuTest, APictureIsReleasedOnceNeitherTheNextPuzzleNorTheBoardNeedsIt) {
    fake.pictures["/pics/b.png"] = fake.pictures["/pics/c.png"] = {640, 480};
    fake.chosenFiles = {"/pics/a.png", "/pics/b.png", "/pics/c.png"};
    dialog = [this] { g.fSkipConfirm = true; };
    MnuLoad_Click(g);
    fake.answers = {MsgResult::Cancel};
    MnuLoad_Click(g);  // the puzzle of b is declined: the board still shows a
    EXPECT_FIELDS((g.BoardPicture.id(), g.PicClip1.id(), fake.released), (1, 2, std::vector<int>{}));
    MnuLoad_Click(g);
    EXPECT_FIELDS((g.BoardPicture.id(), g.PicClip1.id(), fake.released), (3, 3, std::vector{2, 1}));
}

}  // namespace
}  // namespace quilto
