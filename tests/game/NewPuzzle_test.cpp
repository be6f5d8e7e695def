#include "game/NewPuzzle.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "game/KeyboardAids.h"
#include "game/MainWindow.h"
#include "settings/SettingsFile.h"
#include "support/FakePlatform.h"
#include "support/TempDir.h"

namespace quilto {
namespace {

const std::string kTooLarge = ") es demasiado grande.\rCambia los valores y prueba de nuevo.";

// A window whose board frame is 9000 x 6000 units at (120, 120), aspect 1.5.
// The settings folder does not exist, so every puzzle here is made with its
// settings unsaved unless the test gives it a real folder.
struct NewPuzzleTest : ::testing::Test {
    test::FakePlatform fake;
    GameState g{fake};
    test::TempDir dir;
    int dialogs = 0;

    void SetUp() override {
        InitElements(g.win);
        Form_Load(g, dir.AsAppDir() + "missing/");
        Form_Resize(g, WindowState::Maximized, 9000 + 480, 6000 + 880);
        g.ShowConfiguration = [this] { ++dialogs; };
    }
    // A puzzle cut from a w x h picture (number 1), asking first only if told to.
    void Start(int w, int h, Settings s, bool ask = false) {
        g.PicClip1 = {LoadStatus::Ok, 1, w, h};
        g.fPictureLoaded = true;
        g.fSkipConfirm = !ask;
        g.settings = s;
        NewPuzzle(g);
    }
    PixelRect PieceRect(int k) const {  // wherever the shuffle put piece k; throws if it is missing
        return g.pictures[g.win.Image1.at(std::ranges::find(g.PieceAt, k) - g.PieceAt.begin()).Picture];
    }
    bool NoBoard() const {
        return g.win.Image1.size() == 1 && g.win.Shape4.size() == 1 && g.PieceCount == 0 && !g.fPlaying &&
               !g.win.Label3.Visible && !g.win.Label4.Visible && !g.win.Image2.Visible && !g.win.Timer1.Enabled;
    }
};

TEST_F(NewPuzzleTest, SnapsTheCellToWholePixelsAndAsksBeforeReplacingTheBoard) {
    g.AppDir = dir.AsAppDir();
    g.win.Label4.box.Width = 900;                                       // the slippery bar as an earlier game left it
    fake.onPendingEvents = [&] { EXPECT_TRUE(g.win.Label3.Visible); };  // "CREANDO PUZZLE..." shown first
    Start(700, 700, {7, 7, 1, false, false, true});
    // 6000 / 7 = 857.14 is lowered to 855.14 (57 pixels); the width keeps the
    // cell aspect of 1.5 (1282.71) and the frame shrinks to the snapped grid.
    const Box cell = g.win.Image1[0].box, frame = g.win.Label1.box;
    EXPECT_TRUE(cell.Height == 6000.0f / 7 - 2 && int(cell.Width * 100) == 128271);
    EXPECT_TRUE(frame == (Box{120, 120, 7 * cell.Width, 7 * cell.Height}) && g.win.Timer1.Enabled);
    EXPECT_TRUE(g.win.Label4.Visible && g.win.Label4.box == (Box{120, 120 + frame.Height + 15, 0, 60}));
    // Positions step by the snapped cell but keep the unsnapped size.
    EXPECT_EQ(g.win.Image1[9].box, (Box{120 + cell.Width, 120 + cell.Height, 9000.0f / 7, 6000.0f / 7}));
    EXPECT_EQ(std::ranges::count_if(g.win.Image1, [](auto& e) { return e.Visible && e.Border; }), 49);

    // Cancel at the question: the board stays and no file is written.
    ASSERT_TRUE(std::filesystem::remove(dir.File("Quilto.ini")));
    fake.answers = {MsgResult::Cancel};
    Start(700, 700, {6, 4, 1, false, false, false}, true);
    ASSERT_EQ(fake.MessageTexts(), std::vector<std::string>{"Quieres empezar otro puzzle?"});
    EXPECT_TRUE(g.win.Image1.size() == 50 && g.win.Label1.box == frame && g.fPlaying && !g.win.Label3.Visible);
    EXPECT_EQ(fake.messages[0].buttons, MsgButtons::OkCancel);
    EXPECT_TRUE(fake.pendingEventPasses == 1 && !std::filesystem::exists(dir.File("Quilto.ini")));
    // With fSkipConfirm nothing is asked; cells already on whole pixels (1500 units) leave the frame as it is.
    Start(700, 700, {6, 4, 1, false, false, false});
    EXPECT_TRUE(g.PieceCount == 24 && g.win.Label1.box == frame && !g.win.Timer1.Enabled && fake.messages.size() == 1);
}

TEST_F(NewPuzzleTest, SavesTheSettingsToTheirOwnPathWhenGiven) {
    g.AppDir = dir.AsAppDir();
    test::TempDir config;
    g.SettingsPath = config.File("Quilto.ini");
    Start(600, 600, {6, 4, 2, false, true, false});
    EXPECT_EQ(LoadSettings(g.SettingsPath), (Settings{6, 4, 2, false, true, false}));
    EXPECT_FALSE(std::filesystem::exists(dir.File("Quilto.ini")));
}

// A 3 x 2 board on the 1.5 frame has square cells of 3000 units; its last
// piece lies in column 2, row 1.
TEST_F(NewPuzzleTest, CellsEndingInAHalfAreLoweredToAnEvenMultipleOfFifteen) {
    // 14870 / 4 = 3717.5 rounds to even numbers only: 27 units down to 3690.5.
    g.BoardHeight = 14870;
    g.win.Label1.box.Height = 14870;
    Start(500, 400, {5, 4, 1, false, false, false});
    EXPECT_TRUE(g.fPlaying);
    EXPECT_EQ(g.win.Image1[0].box.Height, 3690.5f);
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
        // Wider: the full height, a band of 1500 px at the left, centre or right.
        {3000, 1000, 3, 2, 2, {1, 0, 0, 1500, 1000}, {1, 1000, 500, 500, 500}},
        {3000, 1000, 3, 2, 3, {1, 750, 0, 1500, 1000}, {1, 1750, 500, 500, 500}},
        {3000, 1000, 3, 2, 4, {1, 1500, 0, 1500, 1000}, {1, 2500, 500, 500, 500}},
        {3000, 1000, 3, 2, 1, {1, 0, 0, 3000, 1000}, {1, 2000, 500, 1000, 500}},  // stretched
        {7, 7, 2, 2, 1, {1, 0, 0, 7, 7}, {1, 4, 4, 3, 3}},  // cells of 3.5 px round to 4; the last is cut back
        {7, 7, 1, 1, 1, {1, 0, 0, 7, 7}, {1, 0, 0, 7, 7}},  // a single piece is harmless and played
    };
    for (const auto& c : cases) {
        Start(c.w, c.h, {c.cols, c.rows, c.mode, false, false, false});
        EXPECT_TRUE(g.pictures[g.win.Image2.Picture] == c.whole && PieceRect(c.cols * c.rows) == c.last) << &c - cases;
    }
}

TEST_F(NewPuzzleTest, IrregularPiecesCutTheUnitsTheyCover) {
    // Units of 2250 x 1500 window units; the wider 800 x 400 picture gives
    // units of 150 x 100 px from 100 px in: 15 window units to the pixel.
    Start(800, 400, {4, 4, 3, true, false, false});
    ASSERT_EQ(g.PieceCount, 12);
    for (int k = 1; k <= 12; ++k) {
        const Box& s = g.win.Shape4[k - 1];
        EXPECT_EQ(PieceRect(k), (PixelRect{1, 100 + int((s.Left - 120) / 15), int((s.Top - 120) / 15),
                                           int(s.Width / 15), int(s.Height / 15)}))
            << k;
    }
}

TEST_F(NewPuzzleTest, BoardTooLargeOpensTheDialogAndRetriesIfAccepted) {
    // Pieces under one picture pixel; the dialog cancelled leaves no board.
    Start(20, 20, {60, 50, 1, false, false, true});
    ASSERT_EQ(fake.MessageTexts(), std::vector<std::string>{"El tamaño del tablero (50x60" + kTooLarge});
    EXPECT_TRUE(fake.messages[0].icon == MsgIcon::Exclamation && dialogs == 1 && NoBoard() && !g.fSkipConfirm);
    // Pieces under one screen pixel (65 rows on 600 units); the dialog, which
    // must find no board left, is accepted with a smaller one.
    g.BoardHeight = 600;
    g.ShowConfiguration = [&] {
        g.settings = {4, 4, 1, false, false, false};
        g.fSkipConfirm = NoBoard();
    };
    Start(4000, 4000, {65, 65, 1, false, false, false});
    EXPECT_EQ(fake.MessageTexts().back(), "El tamaño del tablero (65x65" + kTooLarge);
    EXPECT_TRUE(fake.messages.size() == 2 && g.PieceCount == 16 && g.fPlaying && !g.fSkipConfirm);
}

TEST_F(NewPuzzleTest, HandEditedSettingsAreRefusedWithTheDialogsMessage) {
    const struct {
        Settings s;
        std::string message;
    } cases[] = {
        {{0, 5, 3, false, false, false}, "El tamaño del tablero (5x0" + kTooLarge},
        {{5, 66, 3, false, false, false}, "El tamaño del tablero (66x5" + kTooLarge},
        {{4, 5, 3, true, false, false}, "Para jugar con piezas irregulares ambas medidas deben ser iguales."},
        {{2, 2, 3, true, false, false}, "El tamaño mínimo para jugar con piezas irregulares es de 3x3."},
        {{1, 3, 3, false, true, false}, "El tamaño mínimo para jugar con desplazamiento es de 2x2."},
        {{4, 4, 3, false, true, true}, "El juego con desplazamiento no permite la opción de piezas Escurridizas."},
    };
    for (const auto& c : cases) {
        Start(900, 600, c.s);  // refused before the busy caption
        EXPECT_TRUE(fake.messages.back().text == c.message && NoBoard() && fake.pendingEventPasses == 0) << c.message;
    }
    EXPECT_TRUE(dialogs == 6 && fake.messages.size() == 6);
}

TEST_F(NewPuzzleTest, TheF7MarksOfTheOldBoardGoWithIt) {
    Start(800, 600, {4, 4, 3, false, false, false});
    Form_KeyDown(g, kKeyF7);  // held through the next puzzle
    ASSERT_GT(g.win.Shape2.size(), 1u);
    Start(800, 600, {3, 2, 3, false, false, false});
    EXPECT_EQ(g.win.Shape2.size(), 1u);
    // The key still held marks the new board, once.
    Form_KeyDown(g, kKeyF7);
    Form_KeyDown(g, kKeyF7);
    std::size_t misplaced = 0;
    for (int p = 1; p <= g.PieceCount; ++p) misplaced += g.PieceAt[static_cast<std::size_t>(p)] != p;
    EXPECT_EQ(g.win.Shape2.size(), 1 + misplaced);
}

}  // namespace
}  // namespace quilto
