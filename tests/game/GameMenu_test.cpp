#include "game/GameMenu.h"

#include <gtest/gtest.h>

#include <functional>

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
    // What the scripted configuration dialog does when it is shown.
    std::function<void()> dialog = [] {};

    void SetUp() override {
        InitElements(g.win);
        Form_Load(g, dir.AsAppDir());
        Form_Resize(g, WindowState::Maximized, 9000 + 480, 6000 + 880);
        g.settings = {4, 4, 3, false, false, false};
        fake.pictures["/pics/a.png"] = {800, 600};
        fake.pictures["/pics/b.png"] = {640, 480};
        fake.pictures["/more/c.png"] = {300, 200};
        g.ShowConfiguration = [this] {
            ++dialogs;
            dialog();
        };
    }

    // The dialog accepted: a new puzzle is to follow.
    void AcceptDialog() {
        dialog = [this] { g.fSkipConfirm = true; };
    }

    // The first picture of the run, with the dialog accepted: a game in play.
    void StartGame() {
        AcceptDialog();
        fake.chosenFiles = {"/pics/a.png"};
        MnuLoad_Click(g);
        ASSERT_TRUE(g.fPlaying);
        ASSERT_FALSE(g.fSkipConfirm);
        dialog = [] {};
        dialogs = 0;
    }
};

TEST_F(GameMenuTest, FirstPictureOpensTheDialogAndCancellingLeavesNoPuzzle) {
    fake.chosenFiles = {"/pics/a.png"};
    dialog = [this] { EXPECT_TRUE(g.fPictureLoaded); };
    MnuLoad_Click(g);

    EXPECT_EQ(fake.dialogStartDirs, std::vector<std::string>{dir.AsAppDir() + "Imagenes"});
    EXPECT_EQ(dialogs, 1);
    EXPECT_TRUE(g.fPictureLoaded);
    EXPECT_EQ(g.PicClip1.width, 800);
    EXPECT_FALSE(g.fPlaying);
    EXPECT_EQ(g.win.Image1.size(), 1u);

    // "Nuevo" now makes the puzzle without a question.
    MnuNew_Click(g);
    EXPECT_TRUE(fake.messages.empty());
    EXPECT_TRUE(g.fPlaying);
    EXPECT_EQ(g.PieceCount, 16);

    // The dialog opens next where the last picture came from.
    MnuLoad_Click(g);
    EXPECT_EQ(fake.dialogStartDirs.back(), "/pics");
}

TEST_F(GameMenuTest, NuevoBeforeAnyPictureAsksForOne) {
    MnuNew_Click(g);
    EXPECT_EQ(fake.MessageTexts(), std::vector<std::string>{"Primero debes cargar una imagen"});
    EXPECT_EQ(fake.messages[0].icon, MsgIcon::Exclamation);
    EXPECT_EQ(fake.dialogStartDirs.size(), 1u);
    EXPECT_FALSE(g.fPictureLoaded || g.fPlaying);
    EXPECT_EQ(dialogs, 0);
}

TEST_F(GameMenuTest, FailedLoadsKeepThePictureAndTheGame) {
    StartGame();
    const LoadedPicture before = g.PicClip1;
    const auto pieceAt = g.PieceAt;

    // Cancelled dialog: nothing at all.
    MnuLoad_Click(g);
    EXPECT_TRUE(fake.messages.empty());

    // A text file, chosen or dropped on the window.
    fake.chosenFiles = {"/pics/notes.txt"};
    MnuLoad_Click(g);
    LoadPictureFile(g, "/pics/notes.txt");
    ASSERT_EQ(fake.MessageTexts(), std::vector<std::string>(2, "Archivo no válido."));
    EXPECT_EQ(fake.messages[0].icon, MsgIcon::Exclamation);
    EXPECT_EQ(g.PicClip1.id, before.id);
    EXPECT_TRUE(g.fPlaying);
    EXPECT_EQ(g.PieceAt, pieceAt);
    EXPECT_EQ(dialogs, 0);
    EXPECT_TRUE(fake.released.empty());
}

TEST_F(GameMenuTest, NewPictureDeclinedWaitsForTheNextPuzzle) {
    StartGame();
    const PictureId a = g.PicClip1.id;
    const auto pieceAt = g.PieceAt;

    fake.chosenFiles = {"/pics/b.png"};
    fake.answers = {MsgResult::Cancel};
    MnuLoad_Click(g);
    EXPECT_EQ(fake.MessageTexts(), std::vector<std::string>{"Quieres empezar otro puzzle?"});
    EXPECT_EQ(g.PicClip1.width, 640);
    EXPECT_EQ(g.BoardPicture, a);  // the board on screen still shows the first
    EXPECT_EQ(g.PieceAt, pieceAt);
    EXPECT_TRUE(fake.released.empty());

    // A third picture, also declined: the second was never on the board.
    const PictureId b = g.PicClip1.id;
    fake.chosenFiles = {"/more/c.png"};
    fake.answers = {MsgResult::Cancel};
    MnuLoad_Click(g);
    EXPECT_EQ(fake.released, std::vector<PictureId>{b});

    // The next puzzle is cut from the last one; the first is let go.
    fake.released.clear();
    MnuNew_Click(g);
    EXPECT_EQ(g.BoardPicture, g.PicClip1.id);
    EXPECT_EQ(g.pictures[g.win.Image2.Picture].source, g.PicClip1.id);
    EXPECT_EQ(fake.released, std::vector<PictureId>{a});
}

TEST_F(GameMenuTest, ConfigurationPausesAndResumesTheSlipperyPieces) {
    g.settings.fSlippery = true;
    StartGame();
    ASSERT_TRUE(g.win.Timer1.Enabled);
    g.win.Label4.box.Width = 900;

    // Cancelled while the timer runs: it runs on and the bar keeps its width.
    dialog = [this] { EXPECT_FALSE(g.win.Timer1.Enabled); };
    MnuConf_Click(g);
    EXPECT_TRUE(g.win.Timer1.Enabled);
    EXPECT_TRUE(g.win.Label4.Visible);
    EXPECT_EQ(g.win.Label4.box.Width, 900);

    // Slippery pieces switched off: bar hidden, timer stopped, no question.
    dialog = [this] { g.settings.fSlippery = false; };
    MnuConf_Click(g);
    EXPECT_FALSE(g.win.Timer1.Enabled || g.win.Label4.Visible);

    // Switched on again: the bar starts from nothing.
    dialog = [this] { g.settings.fSlippery = true; };
    MnuConf_Click(g);
    EXPECT_TRUE(g.win.Timer1.Enabled && g.win.Label4.Visible);
    EXPECT_EQ(g.win.Label4.box.Width, 0);

    // Accepted changes that need a new puzzle: it starts without a question.
    dialog = [this] {
        g.settings.Columns = 6;
        g.fSkipConfirm = true;
    };
    MnuConf_Click(g);
    EXPECT_EQ(g.PieceCount, 24);
    EXPECT_FALSE(g.fSkipConfirm);
    EXPECT_TRUE(fake.messages.empty());

    // No puzzle in play: the timer never starts.
    g.win.Timer1.Enabled = false;
    g.fPlaying = false;
    dialog = [] {};
    MnuConf_Click(g);
    EXPECT_FALSE(g.win.Timer1.Enabled);
}

}  // namespace
}  // namespace quilto
