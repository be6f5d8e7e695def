#include "game/KeyboardAids.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "game/Completion.h"
#include "game/Exchange.h"
#include "game/MainWindow.h"
#include "game/NewPuzzle.h"
#include "game/Slippery.h"
#include "support/BoardFixture.h"
#include "support/TempDir.h"

namespace quilto {
namespace {

using test::BoardFixture;

std::vector<bool> Borders(const GameState& g) {
    std::vector<bool> out;
    for (std::size_t p = 1; p < g.win.Image1.size(); ++p) out.push_back(g.win.Image1[p].Border);
    return out;
}

struct KeyboardAidsTest : ::testing::Test {
    BoardFixture f{3};
    GameState& g = f.g;

    void SetUp() override {
        const Box frame = g.win.Label1.box;
        InitElements(g.win);
        g.win.Label1.box = frame;
        f.MakeRegularBoard(4, 3);
        g.fPictureLoaded = true;
        g.fPlaying = true;
        g.settings.fSlippery = true;
        g.win.Timer1.Enabled = true;
    }
    void Press(int key, int times = 1) {
        for (int i = 0; i < times; ++i) Form_KeyDown(g, key);
    }
    std::size_t Marks() const { return g.win.Shape2.size() - 1; }
};

TEST_F(KeyboardAidsTest, WithoutAGameInProgressPressesDoNothingAndReleasesLeaveTheTimerOff) {
    SwapPieces(g, 1, 5);
    g.fPlaying = false;
    g.win.Timer1.Enabled = false;
    const std::vector<bool> borders = Borders(g);
    for (const int key : {kKeyF5, kKeyF6, kKeyF7, kKeyF8}) {
        Press(key, 2);
        Form_KeyUp(g, key);
    }
    EXPECT_EQ(Borders(g), borders);
    EXPECT_EQ(std::tuple(g.fBorders, g.win.Shape1.Visible, g.win.Shape3.Visible, Marks(), g.win.Image2.Visible),
              std::tuple(true, false, false, std::size_t{0}, false));
    EXPECT_FALSE(g.win.Timer1.Enabled);
    EXPECT_EQ(f.fake.sounds.size(), 0u);
}

TEST_F(KeyboardAidsTest, HeldF7MarksOnceAndHeldF8PeeksOnceBothPausingTheSlipperyPieces) {
    SwapPieces(g, 1, 5);
    SwapPieces(g, 2, 12);
    SwapPieces(g, 12, 7);
    Press(kKeyF7, 4);  // the key repeats while held
    ASSERT_EQ(Marks(), 5u);
    const int misplaced[] = {1, 2, 5, 7, 12};
    for (std::size_t i = 1; i <= Marks(); ++i) {
        const Element& mark = g.win.Shape2[i];
        EXPECT_EQ(mark.box, g.win.Image1[static_cast<std::size_t>(misplaced[i - 1])].box) << i;
        EXPECT_TRUE(mark.Visible) << i;
        EXPECT_GT(mark.Z, g.win.Image1[1].Z) << i;
    }
    EXPECT_FALSE(g.win.Timer1.Enabled);
    EXPECT_EQ(f.fake.sounds, std::vector<std::string>{g.AppFile(Sound::Cambia)});
    // The marks are a snapshot: a piece that moves keeps its old mark.
    SwapPieces(g, 1, 5);
    EXPECT_EQ(Marks(), 5u);
    Form_KeyUp(g, kKeyF7);
    EXPECT_EQ(std::pair(Marks(), g.win.Timer1.Enabled), std::pair(std::size_t{0}, true));
    // A stray release changes nothing.
    g.win.Timer1.Enabled = false;
    Form_KeyUp(g, kKeyF7);
    EXPECT_FALSE(g.win.Timer1.Enabled);

    g.win.Timer1.Enabled = true;
    Press(kKeyF8, 3);
    EXPECT_EQ(std::tuple(g.win.Image2.Visible, g.fPeeking, g.win.Timer1.Enabled, f.fake.sounds.size()),
              std::tuple(true, true, false, std::size_t{2}));
    EXPECT_GT(g.win.Image2.Z, g.win.Shape2[0].Z);
    Form_KeyUp(g, kKeyF8);
    EXPECT_EQ(std::tuple(g.win.Image2.Visible, g.fPeeking, g.win.Timer1.Enabled), std::tuple(false, false, true));
}

TEST_F(KeyboardAidsTest, HintOnTwoMisplacedPositionsFramesOneAndDotsTheOther) {
    f.MakeIrregularBoard(9);
    // Two pieces of different sizes, so that a dot centred on the wrong one shows.
    int a = 1, b = 2;
    while (b < g.PieceCount && g.win.Image1[static_cast<std::size_t>(b)].box.Width == g.win.Image1[1].box.Width) ++b;
    ASSERT_NE(g.win.Image1[static_cast<std::size_t>(b)].box.Width, g.win.Image1[1].box.Width);
    SwapPieces(g, a, b);
    int framed[2] = {0, 0};
    for (int i = 0; i < 40; ++i) {
        Press(kKeyF6);  // every repeat draws again
        const Box& frame = g.win.Shape1.box;
        const Box& dot = g.win.Shape3.box;
        ASSERT_EQ(std::pair(g.win.Shape1.Visible, g.win.Shape3.Visible), std::pair(true, true));
        const bool onA = frame == g.win.Image1[static_cast<std::size_t>(a)].box;
        ASSERT_EQ(frame, g.win.Image1[static_cast<std::size_t>(onA ? a : b)].box);
        ++framed[onA ? 0 : 1];
        const Box& other = g.win.Image1[static_cast<std::size_t>(onA ? b : a)].box;
        EXPECT_EQ(std::pair(dot.Width, dot.Height), std::pair(255.0f, 255.0f));
        EXPECT_FLOAT_EQ(dot.Left + dot.Width / 2, other.Left + other.Width / 2);
        EXPECT_FLOAT_EQ(dot.Top + dot.Height / 2, other.Top + other.Height / 2);
        EXPECT_GT(g.win.Shape3.Z, g.win.Image1[1].Z);
    }
    EXPECT_GT(std::min(framed[0], framed[1]), 5) << "the hint always picks the same piece";

    // No hint over the finished picture, on a sliding board, or with nothing misplaced.
    g.win.Shape1.Visible = g.win.Shape3.Visible = false;
    g.win.Image2.Visible = true;
    ShowHint(g);
    g.win.Image2.Visible = false;
    g.settings.fSlide = true;
    ShowHint(g);
    g.settings.fSlide = false;
    SwapPieces(g, a, b);
    ShowHint(g);
    EXPECT_EQ(std::pair(g.win.Shape1.Visible, g.win.Shape3.Visible), std::pair(false, false));
}

TEST(KeyboardAidsNewPuzzleTest, ANewPuzzleCopiesTheTemplatesBorderKeepsTheFlagAndDropsTheOldMarks) {
    test::FakePlatform fake;
    GameState g{fake};
    test::TempDir dir;
    InitElements(g.win);
    Form_Load(g, dir.AsAppDir());
    Form_Resize(g, WindowState::Maximized, 9000 + 480, 6000 + 880);
    fake.pictures["/pic.png"] = {800, 600};
    g.PicClip1 = fake.LoadPicture("/pic.png");
    g.fPictureLoaded = true;
    g.settings = {4, 3, 1, false, false, false};
    NewPuzzle(g);
    ASSERT_TRUE(g.fPlaying);
    const std::vector<bool> on(12, true), off(12, false);
    ASSERT_EQ(Borders(g), on);

    Form_KeyDown(g, kKeyF5);
    EXPECT_EQ(std::pair(g.fBorders, Borders(g)), std::pair(false, off));
    // F7 held while a new puzzle starts: its release goes to the question box.
    Form_KeyDown(g, kKeyF7);
    ASSERT_GT(g.win.Shape2.size(), 1u);
    g.fSkipConfirm = true;
    NewPuzzle(g);
    EXPECT_EQ(std::pair(g.fBorders, Borders(g)), std::pair(false, on));
    EXPECT_EQ(std::pair(g.win.Shape2.size(), g.fKeyMoving), std::pair(std::size_t{1}, false));
    Form_KeyDown(g, kKeyF5);
    EXPECT_EQ(std::pair(g.fBorders, Borders(g)), std::pair(true, on));
}

TEST_F(KeyboardAidsTest, AWinWhileF7OrF8IsHeldStaysWonOnTheRelease) {
    for (const int key : {kKeyF7, kKeyF8}) {
        SCOPED_TRACE(key);
        f.fake.messages.clear();
        f.ResetPieces();
        SwapPieces(g, 3, 4);
        g.fPlaying = true;
        g.win.Image2.Visible = false;
        g.win.Timer1.Enabled = true;
        Press(key);
        // The player finishes the board with a drag while the key is held.
        SwapPieces(g, 3, 4);
        CheckCompletion(g);
        Form_KeyUp(g, key);
        EXPECT_EQ(std::tuple(g.win.Timer1.Enabled, g.win.Image2.Visible, Marks(), g.fPeeking, g.fKeyMoving),
                  std::tuple(false, true, 0u, false, false));
        // Nothing restarts the slippery pieces, so nothing is announced again.
        for (int t = 0; t < 100 && g.win.Timer1.Enabled; ++t) Timer1_Timer(g);
        EXPECT_EQ(f.fake.MessageTexts(), std::vector<std::string>{"Lo has logrado!"});
    }
}

}  // namespace
}  // namespace quilto
