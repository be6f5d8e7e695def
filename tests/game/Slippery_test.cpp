#include "game/Slippery.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
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

void SetBoard(BoardFixture& f, const Board& pieceAt) {
    f.ResetPieces();
    for (int p = 1; p <= f.g.PieceCount; ++p)
        f.g.win.Image1[static_cast<std::size_t>(p)].Picture = BoardFixture::PictureOf(pieceAt[static_cast<std::size_t>(p)]);
    f.g.PieceAt = pieceAt;
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

// Pearson's statistic must stay under the 0.1 % point of the chi-square
// distribution (Wilson-Hilferty), so a fixed seed passing it is no fluke.
void ExpectChiSquareFits(const std::vector<double>& observed, const std::vector<double>& expected) {
    double chi2 = 0;
    for (std::size_t i = 0; i < observed.size(); ++i) chi2 += std::pow(observed[i] - expected[i], 2) / expected[i];
    const double k = static_cast<double>(observed.size()) - 1, z = 3.09;
    const double limit = k * std::pow(1 - 2 / (9 * k) + z * std::sqrt(2 / (9 * k)), 3);
    EXPECT_LT(chi2, limit) << "over " << observed.size() << " outcomes";
}

struct SlipperyTest : ::testing::Test {
    BoardFixture f{7};
    GameState& g = f.g;

    void SetUp() override {
        const Box frame = g.win.Label1.box;
        InitElements(g.win);
        g.win.Label1.box = frame;
        g.settings.fSlippery = true;
        g.fPlaying = true;
        g.fPictureLoaded = true;
    }
    void StartTimer() {
        g.win.Label4.box.Width = 0;
        g.win.Label4.Visible = true;
        g.win.Timer1.Enabled = true;
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
    StartTimer();
    g.win.Label4.box.Width = g.win.Label1.box.Width - 1;
    Image1_MouseDown(g, 2, kLeftButton, 10, 10);
    const std::vector<Element> pieces = g.win.Image1;
    const Element bar = g.win.Label4, frame = g.win.Shape1;
    for (int t = 0; t < 50; ++t) Timer1_Timer(g);
    EXPECT_EQ(g.win.Label4, bar);
    EXPECT_EQ(g.win.Shape1, frame);
    EXPECT_EQ(g.win.Image1, pieces);
    EXPECT_EQ(g.DragSlot, 2);
    EXPECT_TRUE(g.fDragging);
    EXPECT_TRUE(g.fPlaying);
    EXPECT_EQ(f.fake.messages.size(), 0u);
}

TEST_F(SlipperyTest, TwoPieceBoardFillsAndEmptiesTheBarNeverExchangesAndAnnouncesTheWinSilently) {
    f.MakeRegularBoard(1, 2);
    SwapPieces(g, 1, 2);
    StartTimer();
    const float full = g.win.Label1.box.Width;
    float last = 0;
    for (int t = 1; t < 20; ++t) {
        Timer1_Timer(g);
        EXPECT_GT(g.win.Label4.box.Width, last) << "tick " << t;
        EXPECT_LT(g.win.Label4.box.Width, full) << "tick " << t;
        last = g.win.Label4.box.Width;
    }
    EXPECT_FLOAT_EQ(last, static_cast<float>(19 * full / 19.2));
    for (int bar = 0; bar < 10; ++bar) EXPECT_EQ(TicksToFullBar(), bar == 0 ? 1 : 20);
    // 2 / 4 = 0.5 goes to the even 0: no exchange ever.
    EXPECT_EQ(g.PieceAt, (Board{0, 2, 1}));
    EXPECT_EQ(f.fake.sounds.size(), 0u);

    // Solved in between without a check: the next full bar announces it and nothing moves.
    SwapPieces(g, 1, 2);
    EXPECT_EQ(TicksToFullBar(), 20);
    EXPECT_EQ(f.fake.MessageTexts(), std::vector<std::string>{"Lo has logrado!"});
    EXPECT_EQ(f.fake.sounds, std::vector<std::string>{g.AppFile(Sound::Acaba)});
    EXPECT_FALSE(g.win.Timer1.Enabled);
    EXPECT_FALSE(g.fPlaying);
    EXPECT_TRUE(g.win.Image2.Visible);
    EXPECT_FALSE(g.win.Label4.Visible);
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
            SCOPED_TRACE(testing::Message() << k.columns << "x" << k.rows << (k.slide ? " sliding" : "") << " seed "
                                            << seed);
            g.rng.Seed(seed);
            k.columns ? f.MakeRegularBoard(k.columns, k.rows) : f.MakeIrregularBoard(k.rows);
            g.settings.fSlide = k.slide;
            Shuffle(g);
            const std::vector<int> home = HomePositions(g);
            const Board before = g.PieceAt;
            const std::int16_t empty = g.EmptySlot, emptyPiece = g.PieceAt[static_cast<std::size_t>(empty)];
            for (int move = 0; move < 5; ++move) SlipperyMove(g);
            boardsChanged += g.PieceAt != before;

            ASSERT_EQ(HomePositions(g), home);
            Board sorted = g.PieceAt;
            std::sort(sorted.begin() + 1, sorted.end());
            for (int p = 1; p <= g.PieceCount; ++p) ASSERT_EQ(sorted[static_cast<std::size_t>(p)], p);
            for (int p = 1; p <= g.PieceCount; ++p) {
                const auto i = static_cast<std::size_t>(p);
                const bool isEmpty = k.slide && p == empty;
                ASSERT_EQ(g.win.Image1[i].Picture, isEmpty ? kEmptyPicture : BoardFixture::PictureOf(g.PieceAt[i]));
            }
            if (k.slide) {
                EXPECT_EQ(g.PieceAt[static_cast<std::size_t>(empty)], emptyPiece);
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
        EXPECT_EQ(g.PieceAt[static_cast<std::size_t>(a)], b);
        EXPECT_EQ(g.PieceAt[static_cast<std::size_t>(b)], a);
    }
}

TEST_F(SlipperyTest, PairsAreSpreadAsARejectionLoopOverTheWholeBoardSpreadsThem) {
    f.MakeRegularBoard(4, 2);
    // Two exchanged pairs, a three-cycle and one piece at home.
    const Board at{0, 2, 1, 4, 5, 3, 6, 8, 7};
    SetBoard(f, at);
    const auto acceptable = AcceptablePairs(at);
    const std::vector<std::int16_t> candidates = SlipperyCandidates(g);
    std::map<std::pair<int, int>, double> seen;
    for (const auto& pair : acceptable) seen[pair] = 0;
    const int draws = 400 * static_cast<int>(acceptable.size());
    int refused = 0;
    for (int i = 0; i < draws; ++i) {
        const auto it = seen.find(DrawSlipperyPair(g, candidates));
        if (it == seen.end())
            ++refused;
        else
            ++it->second;
    }
    EXPECT_EQ(refused, 0) << "pairs the rejection loop would have drawn again";

    std::vector<double> observed, expected;
    for (const auto& [pair, count] : seen) {
        observed.push_back(count);
        expected.push_back(static_cast<double>(draws) / static_cast<double>(acceptable.size()));
    }
    ExpectChiSquareFits(observed, expected);
    EXPECT_EQ(g.PieceAt, at);
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

        const int moves = 20000;
        std::map<Board, double> seen;
        for (const auto& [board, chance] : exact) seen[board] = 0;
        int unreachable = 0;
        for (int i = 0; i < moves; ++i) {
            SetBoard(f, start);
            SlipperyMove(g);
            const auto it = seen.find(g.PieceAt);
            if (it == seen.end())
                ++unreachable;
            else
                ++it->second;
        }
        EXPECT_EQ(unreachable, 0) << "boards the rejection loop cannot leave";
        std::vector<double> observed, expected;
        for (const auto& [board, chance] : exact) {
            observed.push_back(seen[board]);
            expected.push_back(chance * moves);
        }
        ExpectChiSquareFits(observed, expected);
    }
}

TEST_F(SlipperyTest, ADragInProgressEndsWithItsTrialExchangeKept) {
    f.MakeRegularBoard(4, 2);
    SetBoard(f, {0, 2, 1, 4, 5, 3, 6, 8, 7});
    StartTimer();
    g.win.Label4.box.Width = g.win.Label1.box.Width - 1;
    g.win.Shape3.Visible = true;
    // Position 1 dragged over position 2: both pieces are home for now.
    Image1_MouseDown(g, 1, kLeftButton, 10, 10);
    Image1_MouseMove(g, 1, 600 + 300, 300);
    ASSERT_EQ(g.DropSlot, 2);

    Timer1_Timer(g);
    EXPECT_EQ(g.win.Label4.box.Width, 0);
    EXPECT_FALSE(g.fDragging);
    EXPECT_EQ(g.DragSlot, 0);
    EXPECT_FALSE(g.win.Shape1.Visible);
    EXPECT_FALSE(g.win.Shape3.Visible);
    EXPECT_TRUE(g.win.Shape5.Visible);  // until the next release
    for (std::size_t p = 1; p < g.win.Image1.size(); ++p) EXPECT_EQ(g.win.Image1[p].Pointer, Cursor::Default) << p;
    EXPECT_EQ(g.PieceAt[1], 1);
    EXPECT_EQ(g.PieceAt[2], 2);
    EXPECT_TRUE(g.fPlaying);

    // Later moves of the pointer do nothing until a new press.
    const Board after = g.PieceAt;
    Image1_MouseMove(g, 1, 3 * 600 + 300, 300);
    EXPECT_EQ(g.PieceAt, after);
    EXPECT_EQ(f.fake.sounds.size(), 0u);
}

TEST_F(SlipperyTest, PausesOfTheMarksThePeekAndTheDialogKeepTheBarsWidth) {
    f.MakeRegularBoard(4, 4);
    Shuffle(g);
    StartTimer();
    g.ShowConfiguration = [this] { EXPECT_FALSE(g.win.Timer1.Enabled); };
    for (int t = 0; t < 7; ++t) Timer1_Timer(g);
    const float width = g.win.Label4.box.Width;
    ASSERT_GT(width, 0);

    for (const int key : {kKeyF7, kKeyF8}) {
        Form_KeyDown(g, key);
        EXPECT_FALSE(g.win.Timer1.Enabled) << key;
        Form_KeyUp(g, key);
        EXPECT_TRUE(g.win.Timer1.Enabled) << key;
        EXPECT_EQ(g.win.Label4.box.Width, width) << key;
    }
    MnuConf_Click(g);
    EXPECT_TRUE(g.win.Timer1.Enabled);
    EXPECT_EQ(g.win.Label4.box.Width, width);
    EXPECT_EQ(TicksToFullBar(), 13);  // the count goes on where it stopped
}

}  // namespace
}  // namespace quilto
