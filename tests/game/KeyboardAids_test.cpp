#include "game/KeyboardAids.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "game/Exchange.h"
#include "game/MainWindow.h"
#include "support/BoardFixture.h"
#include "support/WindowFixture.h"

namespace quilto {
namespace {

std::vector<bool> Borders(const GameState& g) {
    std::vector<bool> out;
    for (std::size_t p = 1; p < g.win.Image1.size(); ++p) out.push_back(g.win.Image1[p].Border);
    return out;
}

// A 4 x 3 board in play with its slippery pieces moving.
struct KeyboardAidsTest : ::testing::Test {
    test::BoardFixture f{3};
    GameState& g = f.g;

    void SetUp() override {
        const Box frame = g.win.Label1.box;
        InitElements(g.win);
        g.win.Label1.box = frame;
        f.MakeRegularBoard(4, 3);
        g.fPictureLoaded = g.fPlaying = g.settings.fSlippery = g.win.Timer1.Enabled = true;
    }
    void Press(int key, int times = 1) {
        for (int i = 0; i < times; ++i) Form_KeyDown(g, key);
    }
    std::size_t Marks() const { return g.win.Shape2.size() - 1; }
};

TEST_F(KeyboardAidsTest, WithoutAGameInProgressNoKeyDoesAnything) {
    SwapPieces(g, 1, 5);
    g.fPlaying = g.win.Timer1.Enabled = false;
    const std::vector<bool> borders = Borders(g);
    for (const int key : {kKeyF5, kKeyF6, kKeyF7, kKeyF8}) {
        Press(key, 2);
        Form_KeyUp(g, key);
    }
    EXPECT_EQ(Borders(g), borders);
    EXPECT_EQ(std::tuple(g.fBorders, g.win.Shape1.Visible, g.win.Shape3.Visible, Marks(), g.win.Image2.Visible,
                         g.win.Timer1.Enabled, f.fake.sounds.size()),
              std::tuple(true, false, false, 0u, false, false, 0u));
}

TEST_F(KeyboardAidsTest, HeldF7MarksTheMisplacedOnceAndHeldF8PeeksOnceBothPausingTheTimer) {
    for (const auto& [a, b] : {std::pair{1, 5}, {2, 12}, {12, 7}}) SwapPieces(g, a, b);
    Press(kKeyF7, 4);  // the key repeats while held
    ASSERT_EQ(Marks(), 5u);
    for (const auto& [mark, p] : {std::pair{1, 1}, {2, 2}, {3, 5}, {4, 7}, {5, 12}})
        EXPECT_EQ(
            std::tuple(g.win.Shape2[mark].box, g.win.Shape2[mark].Visible, g.win.Shape2[mark].Z > g.win.Image1[1].Z),
            std::tuple(g.win.Image1[p].box, true, true));
    EXPECT_EQ(std::tuple(g.win.Timer1.Enabled, f.fake.sounds),
              std::tuple(false, std::vector{g.AppFile(Sound::Cambia)}));
    Form_KeyUp(g, kKeyF7);
    EXPECT_EQ(std::tuple(Marks(), g.win.Timer1.Enabled), std::tuple(0u, true));
    g.win.Timer1.Enabled = false;
    Form_KeyUp(g, kKeyF7);  // a stray release
    EXPECT_FALSE(g.win.Timer1.Enabled);

    g.win.Timer1.Enabled = true;
    Press(kKeyF8, 3);
    EXPECT_EQ(std::tuple(g.win.Image2.Visible, g.fPeeking, g.win.Timer1.Enabled, f.fake.sounds.size()),
              std::tuple(true, true, false, 2u));
    Form_KeyUp(g, kKeyF8);
    EXPECT_EQ(std::tuple(g.win.Image2.Visible, g.fPeeking, g.win.Timer1.Enabled), std::tuple(false, false, true));
}

TEST_F(KeyboardAidsTest, F6OnTwoMisplacedPiecesFramesEitherAndDotsTheOthersHome) {
    f.MakeIrregularBoard(9);
    // Two pieces of different sizes, so that a dot centred on the wrong one shows.
    const auto width = [&](int p) { return g.win.Image1[static_cast<std::size_t>(p)].box.Width; };
    int b = 2;
    while (b < g.PieceCount && width(b) == width(1)) ++b;
    ASSERT_NE(width(b), width(1));
    SwapPieces(g, 1, b);
    int framedA = 0;
    for (int i = 0; i < 40; ++i) {
        Press(kKeyF6);  // every repeat draws again
        const bool onA = g.win.Shape1.box == g.win.Image1[1].box;
        framedA += onA;
        const Box& frame = g.win.Image1[static_cast<std::size_t>(onA ? 1 : b)].box;
        const Box& home = g.win.Image1[static_cast<std::size_t>(onA ? b : 1)].box;
        const Box& dot = g.win.Shape3.box;
        ASSERT_EQ(std::tuple(g.win.Shape1.Visible, g.win.Shape3.Visible, g.win.Shape1.box),
                  std::tuple(true, true, frame));
        EXPECT_NEAR(dot.Left + dot.Width / 2, home.Left + home.Width / 2, 0.01);
        EXPECT_NEAR(dot.Top + dot.Height / 2, home.Top + home.Height / 2, 0.01);
        EXPECT_GT(g.win.Shape3.Z, g.win.Image1[1].Z);
    }
    EXPECT_GT(std::min(framedA, 40 - framedA), 5) << "the hint keeps to one of the two";

    // None over the finished picture, on a sliding board, or with nothing misplaced.
    g.win.Shape1.Visible = g.win.Shape3.Visible = false;
    g.win.Image2.Visible = true;
    ShowHint(g);
    g.win.Image2.Visible = false;
    g.settings.fSlide = true;
    ShowHint(g);
    g.settings.fSlide = false;
    SwapPieces(g, 1, b);
    ShowHint(g);
    EXPECT_EQ(std::tuple(g.win.Shape1.Visible, g.win.Shape3.Visible), std::tuple(false, false));
}

// F5 and F7 held while a new puzzle starts: F7's release may go to the
// question box.
TEST(KeyboardAidsNewPuzzleTest, ANewPuzzleTakesTheTemplatesBorderKeepsTheFlagAndDropsTheOldMarks) {
    test::WindowFixture w;
    GameState& g = w.g;
    const std::vector<bool> on(12, true), off(12, false);
    w.Start({4, 3, 1, false, false, false});
    ASSERT_EQ(Borders(g), on);
    Form_KeyDown(g, kKeyF5);
    EXPECT_EQ(std::tuple(g.fBorders, Borders(g)), std::tuple(false, off));
    Form_KeyDown(g, kKeyF7);
    ASSERT_GT(g.win.Shape2.size(), 1u);
    w.Start({3, 2, 1, false, false, false});
    EXPECT_EQ(std::tuple(g.fBorders, Borders(g), g.win.Shape2.size(), g.fKeyMoving),
              std::tuple(false, std::vector<bool>(6, true), 1u, false));
    Form_KeyDown(g, kKeyF7);  // still held: the new board is marked, once
    Form_KeyDown(g, kKeyF7);
    EXPECT_EQ(g.win.Shape2.size(), 1 + MisplacedPositions(g).size());
    Form_KeyDown(g, kKeyF5);
    EXPECT_EQ(std::tuple(g.fBorders, Borders(g)), std::tuple(true, std::vector<bool>(6, true)));
}

}  // namespace
}  // namespace quilto
