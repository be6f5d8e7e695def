#include "game/Slippery.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <tuple>
#include <vector>

#include "game/Exchange.h"
#include "game/GameMenu.h"
#include "game/KeyboardAids.h"
#include "game/MainWindow.h"
#include "game/PointerPlay.h"
#include "game/Shuffle.h"
#include "support/BoardFixture.h"

namespace quilto {
namespace {

using test::BoardFixture;
using Board = std::vector<std::int16_t>;  // PieceAt, [0] unused

std::vector<int> HomePositions(const GameState& g) {
    std::vector<int> out;
    for (int p = 1; p <= g.PieceCount; ++p)
        if (g.PieceAt[static_cast<std::size_t>(p)] == p) out.push_back(p);
    return out;
}

// The ordered pairs a rejection loop over the whole board accepts: both
// positions misplaced and neither piece landing at home.
std::vector<std::pair<int, int>> AcceptablePairs(const Board& at) {
    std::vector<std::pair<int, int>> out;
    const int n = static_cast<int>(at.size()) - 1;
    for (int p = 1; p <= n; ++p)
        for (int q = 1; q <= n; ++q)
            if (at[p] != p && at[q] != q && at[p] != q && at[q] != p) out.emplace_back(p, q);
    return out;
}

// Draws `samples` outcomes and checks that none falls outside `exact` (the
// chances of each outcome) and that Pearson's statistic stays under the
// 0.1 % point of the chi-square distribution (Wilson-Hilferty). The seed is
// fixed, so passing is no fluke and failing is no noise.
template <typename Outcome, typename Draw>
void ExpectSpreadAs(const std::map<Outcome, double>& exact, int samples, Draw draw) {
    std::map<Outcome, double> seen;
    for (const auto& [outcome, chance] : exact) seen[outcome] = 0;
    int outside = 0;
    for (int i = 0; i < samples; ++i) {
        const auto it = seen.find(draw());
        if (it == seen.end())
            ++outside;
        else
            ++it->second;
    }
    EXPECT_EQ(outside, 0) << "outcomes the rejection loop never gives";
    double chi2 = 0;
    for (const auto& [outcome, chance] : exact)
        chi2 += std::pow(seen[outcome] - chance * samples, 2) / (chance * samples);
    const double k = static_cast<double>(exact.size()) - 1, z = 3.09;
    EXPECT_LT(chi2, k * std::pow(1 - 2 / (9 * k) + z * std::sqrt(2 / (9 * k)), 3)) << "over " << exact.size();
}

struct SlipperyTest : ::testing::Test {
    BoardFixture f{7};
    GameState& g = f.g;

    void SetUp() override {
        const Box frame = g.win.Label1.box;
        InitElements(g.win);
        g.win.Label1.box = frame;
        g.settings.fSlippery = true;
        g.fPlaying = g.fPictureLoaded = true;
        g.win.Label4.Visible = g.win.Timer1.Enabled = true;
    }
    void SetBoard(const Board& pieceAt) {
        f.ResetPieces();
        for (int p = 1; p <= g.PieceCount; ++p)
            g.win.Image1[static_cast<std::size_t>(p)].Picture =
                BoardFixture::PictureOf(pieceAt[static_cast<std::size_t>(p)]);
        g.PieceAt = pieceAt;
    }
    // Ticks until the bar has emptied; returns the number of ticks.
    int TicksToFullBar() {
        for (int t = 1; t <= 100; ++t) {
            Timer1_Timer(g);
            if (g.win.Label4.box.Width == 0) return t;
        }
        return -1;
    }
};

TEST_F(SlipperyTest, TickWithSlipperyPiecesOffChangesNothingEvenOnASolvedBoardDuringADrag) {
    f.MakeRegularBoard(3, 2);
    g.settings.fSlippery = false;
    const float width = g.win.Label4.box.Width = g.win.Label1.box.Width - 1;
    Image1_MouseDown(g, 2, kLeftButton, 10, 10);
    for (int t = 0; t < 50; ++t) Timer1_Timer(g);
    EXPECT_EQ(std::tuple(g.win.Label4.box.Width, g.win.Shape1.Visible, g.DragSlot, g.fDragging, g.fPlaying),
              std::tuple(width, true, std::int16_t{2}, true, true));
    EXPECT_EQ(g.win.Image1[2].Pointer, Cursor::DragOverPiece);
    EXPECT_EQ(f.fake.messages.size(), 0u);
}

TEST_F(SlipperyTest, TwoPieceBoardFillsAndEmptiesTheBarNeverExchangesAndAnnouncesTheWinSilently) {
    f.MakeRegularBoard(1, 2);
    SwapPieces(g, 1, 2);
    const float full = g.win.Label1.box.Width;
    for (int t = 1; t < 20; ++t) Timer1_Timer(g);
    EXPECT_FLOAT_EQ(g.win.Label4.box.Width, static_cast<float>(19 * full / 19.2));
    for (int bar = 0; bar < 10; ++bar) EXPECT_EQ(TicksToFullBar(), bar == 0 ? 1 : 20);
    // 2 / 4 = 0.5 goes to the even 0: no exchange ever.
    EXPECT_EQ(g.PieceAt, (Board{0, 2, 1}));
    EXPECT_EQ(f.fake.sounds.size(), 0u);

    // Solved in between without a check: the next full bar announces it and nothing moves.
    SwapPieces(g, 1, 2);
    EXPECT_EQ(TicksToFullBar(), 20);
    EXPECT_EQ(f.fake.MessageTexts(), std::vector<std::string>{"Lo has logrado!"});
    EXPECT_EQ(f.fake.sounds, std::vector<std::string>{g.AppFile(Sound::Acaba)});
    EXPECT_EQ(std::tuple(g.win.Timer1.Enabled, g.fPlaying, g.win.Image2.Visible, g.win.Label4.Visible),
              std::tuple(false, false, true, false));
    EXPECT_EQ(g.PieceAt, (Board{0, 1, 2}));
}

TEST_F(SlipperyTest, MovesKeepTheHomePositionsThePermutationAndTheEmptySlot) {
    struct Kind {
        int columns, rows;  // columns == 0: an irregular board of rows x rows units
        bool slide;
    };
    int boardsChanged = 0;
    for (const Kind k : {Kind{7, 5, false}, Kind{0, 12, false}, Kind{6, 5, true}, Kind{0, 9, true}}) {
        for (std::uint64_t seed = 1; seed <= 30; ++seed) {
            SCOPED_TRACE(testing::Message() << k.columns << "x" << k.rows << " slide " << k.slide << " seed " << seed);
            g.rng.Seed(seed);
            k.columns ? f.MakeRegularBoard(k.columns, k.rows) : f.MakeIrregularBoard(k.rows);
            g.settings.fSlide = k.slide;
            Shuffle(g);
            const std::vector<int> home = HomePositions(g);
            const Board before = g.PieceAt;
            const auto empty = static_cast<std::size_t>(g.EmptySlot);
            for (int move = 0; move < 5; ++move) SlipperyMove(g);
            boardsChanged += g.PieceAt != before;

            ASSERT_EQ(HomePositions(g), home);
            ASSERT_TRUE(std::is_permutation(g.PieceAt.begin(), g.PieceAt.end(), before.begin()));
            for (std::size_t p = 1; p < before.size(); ++p) {
                const bool isEmpty = k.slide && p == empty;
                ASSERT_EQ(g.win.Image1[p].Picture, isEmpty ? kEmptyPicture : BoardFixture::PictureOf(g.PieceAt[p]));
            }
            if (k.slide) {
                EXPECT_EQ(g.PieceAt[empty], before[empty]);
            }
        }
    }
    EXPECT_GE(boardsChanged, 110);
}

TEST_F(SlipperyTest, TwoMisplacedPiecesOnTheLargestBoardStayMisplacedAndTheMoveEnds) {
    f.MakeRegularBoard(65, 65, 135);
    for (const auto& [a, b] : {std::pair{1, 4225}, std::pair{2000, 2001}}) {
        f.ResetPieces();
        SwapPieces(g, a, b);
        for (int move = 0; move < 20; ++move) SlipperyMove(g);
        EXPECT_EQ(HomePositions(g).size(), 4223u);
        EXPECT_EQ(std::tuple(g.PieceAt[static_cast<std::size_t>(a)], g.PieceAt[static_cast<std::size_t>(b)]),
                  std::tuple(b, a));
    }
}

TEST_F(SlipperyTest, AMoveMakesAQuarterOfThePieceCountExchangesRoundedToEven) {
    // From a four-cycle, the boards one move leaves are spread as that many
    // steps of the rejection loop spread them.
    for (const auto& [columns, exchanges] : {std::pair{3, 2}, std::pair{5, 2}, std::pair{7, 4}}) {
        SCOPED_TRACE(testing::Message() << 2 * columns << " pieces");
        f.MakeRegularBoard(columns, 2);
        Board start(g.PieceAt);
        start[1] = 2, start[2] = 3, start[3] = 4, start[4] = 1;
        std::map<Board, double> exact{{start, 1.0}};
        for (int step = 0; step < exchanges; ++step) {
            std::map<Board, double> next;
            for (const auto& [board, chance] : exact) {
                const auto pairs = AcceptablePairs(board);
                for (const auto& [p, q] : pairs) {
                    Board b = board;
                    std::swap(b[static_cast<std::size_t>(p)], b[static_cast<std::size_t>(q)]);
                    next[b] += chance / static_cast<double>(pairs.size());
                }
            }
            exact = std::move(next);
        }
        ExpectSpreadAs(exact, 20000, [&] {
            SetBoard(start);
            SlipperyMove(g);
            return g.PieceAt;
        });
    }
}

TEST_F(SlipperyTest, ADragInProgressEndsWithItsTrialExchangeKept) {
    f.MakeRegularBoard(4, 2);
    SetBoard({0, 2, 1, 4, 5, 3, 6, 8, 7});
    g.win.Label4.box.Width = g.win.Label1.box.Width - 1;
    g.win.Shape3.Visible = true;
    // Position 1 dragged over position 2: both pieces are home for now.
    Image1_MouseDown(g, 1, kLeftButton, 10, 10);
    Image1_MouseMove(g, 1, 600 + 300, 300);
    ASSERT_EQ(g.DropSlot, 2);

    Timer1_Timer(g);
    EXPECT_EQ(std::tuple(g.win.Label4.box.Width, g.fDragging, g.DragSlot, g.win.Shape1.Visible, g.win.Shape3.Visible),
              std::tuple(0.0f, false, std::int16_t{0}, false, false));
    EXPECT_TRUE(g.win.Shape5.Visible);  // until the next release
    for (std::size_t p = 1; p < g.win.Image1.size(); ++p) EXPECT_EQ(g.win.Image1[p].Pointer, Cursor::Default) << p;
    EXPECT_EQ(std::tuple(g.PieceAt[1], g.PieceAt[2]), std::tuple(1, 2));

    // Later moves of the pointer do nothing until a new press.
    const Board after = g.PieceAt;
    Image1_MouseMove(g, 1, 3 * 600 + 300, 300);
    EXPECT_EQ(g.PieceAt, after);
    EXPECT_EQ(f.fake.sounds.size(), 0u);
}

TEST_F(SlipperyTest, PausesOfTheMarksThePeekAndTheDialogKeepTheBarsWidth) {
    f.MakeRegularBoard(4, 4);
    Shuffle(g);
    g.ShowConfiguration = [this] { EXPECT_FALSE(g.win.Timer1.Enabled); };
    for (int t = 0; t < 7; ++t) Timer1_Timer(g);
    const float width = g.win.Label4.box.Width;
    for (const int key : {kKeyF7, kKeyF8}) {
        Form_KeyDown(g, key);
        EXPECT_FALSE(g.win.Timer1.Enabled) << key;
        Form_KeyUp(g, key);
    }
    MnuConf_Click(g);
    EXPECT_EQ(std::tuple(g.win.Timer1.Enabled, g.win.Label4.box.Width), std::tuple(true, width));
    EXPECT_EQ(TicksToFullBar(), 13);  // the count goes on where it stopped
}

}  // namespace
}  // namespace quilto
