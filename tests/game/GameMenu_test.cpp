#include "game/GameMenu.h"

#include <gtest/gtest.h>

#include "support/BoardFixture.h"

namespace quilto {
namespace {

using Texts = std::vector<std::string>;

struct GameMenuTest : ::testing::Test, test::WindowFixture {
    void SetUp() override { fake.pictures["/pics/a.png"] = {800, 600}; }
};

TEST_F(GameMenuTest, APictureIsAskedForFirstAndABadOneChangesNothing) {
    fake.chosenFiles = {"/pics/a.png", "/pics/notes.txt"};
    MnuNew_Click(g);  // no picture yet: one is asked for, and the first one's dialog is cancelled
    EXPECT_EQ(std::tuple(fake.MessageTexts(), fake.messages[0].icon, dialogs, g.fPictureLoaded, g.fPlaying),
              std::tuple(Texts{"Primero debes cargar una imagen"}, MsgIcon::Exclamation, 1, true, false));
    MnuNew_Click(g);  // now without a question
    ASSERT_TRUE(g.fPlaying);
    MnuLoad_Click(g);  // a new puzzle would have asked first
    EXPECT_EQ(std::tuple(fake.MessageTexts().back(), g.PicClip1.id(), g.PicClip1.width(), g.fPlaying, dialogs,
                         fake.released.size()),
              std::tuple("Archivo no válido.", 1, 800, true, 1, 0u));
    // An accepted configuration that needs a new puzzle makes it unasked.
    dialog = [this] { g.settings = {6, 4, 1, false, false, false}, g.fSkipConfirm = true; };
    MnuConf_Click(g);
    EXPECT_EQ(std::tuple(g.PieceCount, fake.messages.size(), g.fSkipConfirm), std::tuple(24, 2u, false));
}

TEST_F(GameMenuTest, ConfigurationPausesTheSlipperyPiecesAndResumesThemAsTheSettingsAsk) {
    // Before the dialog: timer, bar, puzzle in play; then the slippery option. Wanted: timer, bar, width.
    const struct {
        bool running, bar, playing, slippery;
        std::tuple<bool, bool, float> want;
    } cases[] = {
        {true, true, true, true, {true, true, 900}},       // unchanged: the bar goes on from where it stood
        {true, true, true, false, {false, false, 900}},    // switched off
        {false, false, false, true, {false, false, 900}},  // no puzzle in play: nothing starts
        {false, false, true, true, {true, true, 0}},       // switched on: the bar starts from nothing
        {true, false, true, true, {true, true, 0}},        // the same while the timer idled without its bar
    };
    for (const auto& c : cases) {
        g.win.Label4.box.Width = 900;  // where an earlier slippery game may have left it
        g.win.Timer1.Enabled = c.running;
        g.win.Label4.Visible = c.bar;
        g.fPlaying = c.playing;
        bool pausedMeanwhile = false;
        dialog = [&] { pausedMeanwhile = !g.win.Timer1.Enabled, g.settings.fSlippery = c.slippery; };
        MnuConf_Click(g);
        EXPECT_EQ(std::tuple(pausedMeanwhile, g.win.Timer1.Enabled, g.win.Label4.Visible, g.win.Label4.box.Width),
                  std::tuple_cat(std::tuple(true), c.want))
            << "case " << &c - cases;
    }
}

TEST_F(GameMenuTest, APictureIsReleasedOnceNeitherTheNextPuzzleNorTheBoardNeedsIt) {
    fake.pictures["/pics/b.png"] = fake.pictures["/pics/c.png"] = {640, 480};
    fake.chosenFiles = {"/pics/a.png", "/pics/b.png", "/pics/c.png"};
    dialog = [this] { g.fSkipConfirm = true; };
    MnuLoad_Click(g);
    fake.answers = {MsgResult::Cancel};
    MnuLoad_Click(g);  // the puzzle of b is declined: the board still shows a
    EXPECT_EQ(std::tuple(g.BoardPicture.id(), g.PicClip1.id(), fake.released), std::tuple(1, 2, std::vector<int>{}));
    MnuLoad_Click(g);
    EXPECT_EQ(std::tuple(g.BoardPicture.id(), g.PicClip1.id(), fake.released), std::tuple(3, 3, std::vector{2, 1}));
}

}  // namespace
}  // namespace quilto
