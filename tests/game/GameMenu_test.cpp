#include "game/GameMenu.h"

#include <gtest/gtest.h>

#include <functional>
#include <tuple>

#include "game/KeyboardAids.h"
#include "game/MainWindow.h"
#include "support/FakePlatform.h"
#include "support/TempDir.h"

namespace quilto {
namespace {

struct GameMenuTest : ::testing::Test {
    test::FakePlatform fake;
    GameState g{fake};
    test::TempDir dir;
    int dialogs = 0;
    std::function<void()> dialog = [] {};  // what the configuration dialog does when shown

    void SetUp() override {
        InitElements(g.win);
        Form_Load(g, dir.AsAppDir());
        Form_Resize(g, WindowState::Maximized, 9000 + 480, 6000 + 880);
        fake.pictures["/pics/a.png"] = {800, 600};
        g.ShowConfiguration = [this] {
            ++dialogs;
            dialog();
        };
    }
};

TEST_F(GameMenuTest, NuevoAsksForAPictureAndAfterItsDialogWasCancelledCreatesUnasked) {
    fake.chosenFiles = {"/pics/a.png"};
    MnuNew_Click(g);  // no picture yet: one is asked for, and the first one's dialog is cancelled
    ASSERT_EQ(fake.MessageTexts(), std::vector<std::string>{"Primero debes cargar una imagen"});
    EXPECT_TRUE(fake.messages[0].icon == MsgIcon::Exclamation && dialogs == 1 && g.fPictureLoaded && !g.fPlaying);
    MnuNew_Click(g);
    // Then an accepted configuration that needs a new puzzle makes it without a question.
    dialog = [this] {
        EXPECT_TRUE(g.fPlaying);
        g.settings = {6, 4, 1, false, false, false};
        g.fSkipConfirm = true;
    };
    MnuConf_Click(g);
    EXPECT_TRUE(g.PieceCount == 24 && fake.messages.size() == 1 && !g.fSkipConfirm);
}

TEST_F(GameMenuTest, ATextFileChosenAsPictureKeepsThePictureAndTheGame) {
    dialog = [this] { g.fSkipConfirm = dialogs == 1; };  // accepted the first time
    fake.chosenFiles = {"/pics/a.png", "/pics/notes.txt"};
    MnuLoad_Click(g);
    MnuLoad_Click(g);  // a new puzzle would have asked first
    ASSERT_EQ(fake.MessageTexts(), std::vector<std::string>{"Archivo no válido."});
    EXPECT_TRUE(fake.messages[0].icon == MsgIcon::Exclamation && g.PicClip1.id == 1 && g.PicClip1.width == 800);
    EXPECT_TRUE(g.fPlaying && dialogs == 1 && fake.released.empty() && !g.fSkipConfirm);
}

TEST_F(GameMenuTest, ConfigurationPausesTheSlipperyPiecesAndResumesThemAsTheSettingsAsk) {
    // Before the dialog: timer running, puzzle in play; then the slippery option; wanted: timer, bar, bar width.
    const struct {
        bool running, playing, slippery;
        std::tuple<bool, bool, float> want;
    } cases[] = {
        {true, true, true, {true, true, 900}},      // unchanged: the bar goes on from where it stood
        {true, true, false, {false, false, 900}},   // switched off
        {false, false, true, {false, false, 900}},  // no puzzle in play: nothing starts
        {false, true, true, {true, true, 0}},       // switched on: the bar starts from nothing
    };
    g.win.Label4.box.Width = 900;
    for (const auto& c : cases) {
        g.win.Timer1.Enabled = g.win.Label4.Visible = c.running;
        g.fPlaying = c.playing;
        dialog = [&] {
            EXPECT_FALSE(g.win.Timer1.Enabled);
            g.settings.fSlippery = c.slippery;
        };
        MnuConf_Click(g);
        EXPECT_EQ(std::tuple(g.win.Timer1.Enabled, g.win.Label4.Visible, g.win.Label4.box.Width), c.want) << &c - cases;
    }
}

TEST_F(GameMenuTest, SlipperyPiecesSwitchedOnWhileTheTimerIdlesShowTheirBarFromEmpty) {
    dialog = [this] {
        g.settings = {4, 4, 3, false, false, false};
        g.fSkipConfirm = true;
    };
    fake.chosenFiles = {"/pics/a.png"};
    MnuLoad_Click(g);
    ASSERT_TRUE(g.fPlaying);
    g.win.Label4.box.Width = 900;  // where an earlier slippery game left the bar
    // Releasing F7 starts the timer, which idles without slippery pieces.
    Form_KeyDown(g, kKeyF7);
    Form_KeyUp(g, kKeyF7);
    ASSERT_TRUE(g.win.Timer1.Enabled);
    dialog = [this] { g.settings.fSlippery = true; };  // needs no new puzzle
    MnuConf_Click(g);
    EXPECT_EQ(std::tuple(g.win.Timer1.Enabled, g.win.Label4.Visible, g.win.Label4.box.Width),
              std::tuple(true, true, 0.0f));
}

TEST_F(GameMenuTest, ConfigurationLeavesThePiecesStillWhileTheMarksOrThePeekAreShown) {
    dialog = [this] {
        g.settings = {4, 4, 3, false, false, true};
        g.fSkipConfirm = dialogs == 1;  // accepted the first time, cancelled afterwards
    };
    fake.chosenFiles = {"/pics/a.png"};
    MnuLoad_Click(g);
    ASSERT_TRUE(g.fPlaying && g.win.Timer1.Enabled);
    for (const int key : {kKeyF7, kKeyF8}) {
        Form_KeyDown(g, key);
        MnuConf_Click(g);  // its shortcut, pressed while the key is held
        EXPECT_FALSE(g.win.Timer1.Enabled) << "key " << key;
        Form_KeyUp(g, key);
        EXPECT_TRUE(g.win.Timer1.Enabled) << "key " << key;
    }
}

}  // namespace
}  // namespace quilto
