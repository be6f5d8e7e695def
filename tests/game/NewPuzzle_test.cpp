#include "game/NewPuzzle.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <new>

#include "game/MainWindow.h"
#include "support/FakePlatform.h"
#include "support/TempDir.h"

namespace quilto {
namespace {

constexpr const char* kPic = "/x/pic.png";

// A window whose board frame is 9000 x 6000 units at (120, 120), aspect 1.5.
struct NewPuzzleTest : ::testing::Test {
    test::FakePlatform fake;
    GameState g{fake};
    test::TempDir dir;
    int dialogs = 0;

    void SetUp() override {
        InitElements(g.win);
        Form_Load(g, dir.AsAppDir());
        Form_Resize(g, WindowState::Maximized, 9000 + 480, 6000 + 880);
        fake.tick = 0.001;
        g.ShowConfiguration = [this] { ++dialogs; };
    }

    void Picture(int w, int h) {
        fake.pictures[kPic] = {w, h};
        g.PicClip1 = fake.LoadPicture(kPic);
        g.fPictureLoaded = true;
    }

    void Regular(int columns, int rows, int fitMode = 1) {
        g.settings = {static_cast<std::int16_t>(columns), static_cast<std::int16_t>(rows),
                      static_cast<std::int16_t>(fitMode), false, false, false};
    }

    // The picture of piece k wherever the shuffle put it.
    PixelRect PieceRect(int k) const {
        for (int p = 1; p <= g.PieceCount; ++p)
            if (g.PieceAt[p] == k) return g.pictures[g.win.Image1[p].Picture];
        ADD_FAILURE() << "piece " << k << " is not on the board";
        return {};
    }

    bool NoBoard() const {
        return g.win.Image1.size() == 1 && g.win.Shape4.size() == 1 && g.PieceCount == 0 && !g.fPlaying &&
               !g.win.Label3.Visible && !g.win.Timer1.Enabled;
    }

    bool SettingsFileWritten() const { return std::filesystem::exists(dir.File("Quilto.ini")); }
};

TEST_F(NewPuzzleTest, SnappedGridMakesAShuffledBoardInPlay) {
    Picture(700, 700);
    Regular(7, 7);
    g.settings.fSlippery = true;
    g.fDragging = g.fKeyMoving = g.win.Shape1.Visible = g.win.Shape3.Visible = true;
    bool captionShown = false;
    fake.onPendingEvents = [&] { captionShown = g.win.Label3.Visible; };
    NewPuzzle(g);

    EXPECT_TRUE(captionShown);
    EXPECT_EQ(g.win.Label3.box, (Box{120 + (9000 - 3495) / 2.0f, 120 + (6000 - 375) / 2.0f, 3495, 375}));
    // 6000 / 7 = 857.14 is lowered to 855.14 (57 pixels); the width keeps the
    // cell aspect of 1.5 and the frame shrinks to the snapped grid.
    const Box cell = g.win.Image1[0].box;
    EXPECT_FLOAT_EQ(cell.Height, 6000.0f / 7 - 2);
    EXPECT_NEAR(cell.Width, (6000.0 / 7 - 2) * 1.5, 1e-3);
    const Box frame = g.win.Label1.box;
    EXPECT_NEAR(frame.Height, 7 * cell.Height, 1e-3);
    EXPECT_NEAR(frame.Width, 7 * cell.Width, 1e-3);
    EXPECT_EQ(g.win.Label4.box, (Box{120, 120 + frame.Height + 15, 0, 60}));
    // Positions step by the snapped cell but keep the unsnapped size.
    EXPECT_EQ(g.win.Image1[9].box, (Box{120 + cell.Width, 120 + cell.Height, 9000.0f / 7, 6000.0f / 7}));

    ASSERT_EQ(g.win.Image1.size(), 50u);
    std::vector<int> pieces;
    for (int p = 1; p <= 49; ++p) {
        EXPECT_TRUE(g.win.Image1[p].Visible && g.win.Image1[p].Border);
        pieces.push_back(g.PieceAt[p]);
    }
    std::sort(pieces.begin(), pieces.end());
    EXPECT_EQ(pieces.front(), 1);
    EXPECT_EQ(std::unique(pieces.begin(), pieces.end()) - pieces.begin(), 49);
    EXPECT_TRUE(g.fPlaying && g.win.Label4.Visible && g.win.Timer1.Enabled);
    EXPECT_FALSE(g.fDragging || g.fKeyMoving || g.win.Label3.Visible || g.win.Image2.Visible ||
                 g.win.Shape1.Visible || g.win.Shape3.Visible);
    EXPECT_LT(g.win.Label1.Z, g.win.Image1[1].Z);
    EXPECT_TRUE(SettingsFileWritten());

    // Cells already on whole pixels (1500 units) leave the frame as it is.
    Regular(6, 4);
    g.fSkipConfirm = true;
    NewPuzzle(g);
    EXPECT_EQ(g.win.Label1.box, frame);
    EXPECT_EQ(g.win.Image1[0].box.Height, 1500);
    EXPECT_FALSE(g.win.Label4.Visible || g.win.Timer1.Enabled);
}

struct FitCase {
    int picW, picH, mode;
    PixelRect finished;  // Image2's clip
    PixelRect piece5;    // column 1, row 1
};

// A 3 x 2 board on the 1.5 frame: cells 3000 x 3000 units, cell aspect 1.
TEST_F(NewPuzzleTest, FitModesCutTheExpectedPartOfThePicture) {
    const FitCase cases[] = {
        // Narrower than the frame (1000 x 1000): the full width, a band of
        // 666.67 px of the height: at the top, centred or at the bottom.
        {1000, 1000, 2, {1, 0, 0, 1000, 667}, {1, 333, 333, 333, 333}},
        {1000, 1000, 3, {1, 0, 167, 1000, 667}, {1, 333, 500, 333, 333}},
        {1000, 1000, 4, {1, 0, 333, 1000, 667}, {1, 333, 666, 333, 333}},
        // Wider (3000 x 1000): the full height, a band of 1500 px of the width.
        {3000, 1000, 2, {1, 0, 0, 1500, 1000}, {1, 500, 500, 500, 500}},
        {3000, 1000, 3, {1, 750, 0, 1500, 1000}, {1, 1250, 500, 500, 500}},
        {3000, 1000, 4, {1, 1500, 0, 1500, 1000}, {1, 2000, 500, 500, 500}},
        // Stretched: the whole picture whatever its shape.
        {3000, 1000, 1, {1, 0, 0, 3000, 1000}, {1, 1000, 500, 1000, 500}},
        // An unknown mode keeps its branch's cells without an offset.
        {3000, 1000, 7, {1, 0, 0, 1500, 1000}, {1, 500, 500, 500, 500}},
    };
    for (const FitCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.picW << "x" << c.picH << " mode " << c.mode);
        fake.nextId = 1;
        Picture(c.picW, c.picH);
        Regular(3, 2, c.mode);
        g.fSkipConfirm = true;
        NewPuzzle(g);
        ASSERT_TRUE(g.fPlaying);
        EXPECT_EQ(g.pictures[g.win.Image2.Picture], c.finished);
        EXPECT_EQ(PieceRect(5), c.piece5);
    }
}

TEST_F(NewPuzzleTest, PiecesRunningPastTheRightOrBottomEdgeAreClamped) {
    Picture(7, 7);  // cells of 3.5 px: the second column starts at 4 and is 4 wide
    Regular(2, 2);
    NewPuzzle(g);
    EXPECT_EQ(PieceRect(1), (PixelRect{1, 0, 0, 4, 4}));
    EXPECT_EQ(PieceRect(2), (PixelRect{1, 4, 0, 3, 4}));
    EXPECT_EQ(PieceRect(3), (PixelRect{1, 0, 4, 4, 3}));
    EXPECT_EQ(PieceRect(4), (PixelRect{1, 4, 4, 3, 3}));
}

TEST_F(NewPuzzleTest, IrregularPiecesCutTheUnitsTheyCover) {
    // 4 x 4 units of 2250 x 1500 window units; the 800 x 400 picture is wider
    // than the frame, so units are 150 x 100 px from 100 px in.
    Picture(800, 400);
    g.settings = {4, 4, 3, true, false, false};
    NewPuzzle(g);
    ASSERT_TRUE(g.fPlaying);
    ASSERT_EQ(g.PieceCount, 12);
    EXPECT_EQ(g.win.Label1.box, (Box{120, 120, 9000, 6000}));

    long area = 0;
    for (int k = 1; k <= g.PieceCount; ++k) {
        const Box& s = g.win.Shape4[k - 1];
        SCOPED_TRACE(k);
        const PixelRect want{1, 100 + static_cast<int>((s.Left - 120) / 2250 * 150),
                             static_cast<int>((s.Top - 120) / 1500 * 100), static_cast<int>(s.Width / 2250 * 150),
                             static_cast<int>(s.Height / 1500 * 100)};
        EXPECT_EQ(PieceRect(k), want);
        EXPECT_EQ(g.win.Image1[k].box, s);
        area += long{want.Width} * want.Height;
    }
    EXPECT_EQ(area, 600L * 400);
}

TEST_F(NewPuzzleTest, CancelAtTheQuestionChangesNothing) {
    Picture(900, 600);
    Regular(4, 4);
    NewPuzzle(g);
    std::filesystem::remove(dir.File("Quilto.ini"));
    const auto before = g.win.Image1;
    const auto pieceAt = g.PieceAt;
    g.settings.Columns = 9;
    fake.answers = {MsgResult::Cancel};
    NewPuzzle(g);

    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_EQ(fake.messages[0].text, "Quieres empezar otro puzzle?");
    EXPECT_EQ(fake.messages[0].icon, MsgIcon::Question);
    EXPECT_EQ(fake.messages[0].buttons, MsgButtons::OkCancel);
    EXPECT_EQ(g.win.Image1.size(), before.size());
    EXPECT_EQ(g.win.Image1[3].Picture, before[3].Picture);
    EXPECT_EQ(g.PieceAt, pieceAt);
    EXPECT_EQ(fake.pendingEventPasses, 1);
    EXPECT_TRUE(g.fPlaying);
    EXPECT_FALSE(SettingsFileWritten());

    NewPuzzle(g);  // Ok
    EXPECT_EQ(g.PieceCount, 36);
    g.fSkipConfirm = true;
    NewPuzzle(g);
    EXPECT_EQ(fake.messages.size(), 2u);
    EXPECT_TRUE(g.fSkipConfirm);  // cleared by whoever set it
}

TEST_F(NewPuzzleTest, BoardTooLargeOpensTheDialogAndRetriesIfAccepted) {
    const std::string tail = ") es demasiado grande.\rCambia los valores y prueba de nuevo.";
    // Pieces under one picture pixel: 60 columns of a 20 px picture; the
    // dialog is cancelled and leaves no board.
    Picture(20, 20);
    NewPuzzle(g);  // a first board to lose
    Regular(60, 50);
    g.settings.fSlippery = g.fSkipConfirm = true;
    NewPuzzle(g);
    EXPECT_EQ(fake.MessageTexts(), std::vector<std::string>{"El tamaño del tablero (50x60" + tail});
    EXPECT_EQ(fake.messages[0].icon, MsgIcon::Exclamation);
    EXPECT_EQ(dialogs, 1);
    EXPECT_TRUE(NoBoard());
    EXPECT_FALSE(g.win.Label4.Visible || g.win.Image2.Visible || g.fSkipConfirm);

    // Pieces under one screen pixel: 65 rows on a frame of 600 units; the
    // dialog is accepted with a smaller board, and "Nuevo" would ask nothing.
    InitElements(g.win);
    g.fLayoutPending = true;
    Form_Resize(g, WindowState::Maximized, 900 + 480, 600 + 880);
    Picture(4000, 4000);
    Regular(65, 65);
    g.ShowConfiguration = [&] {
        EXPECT_TRUE(NoBoard());
        EXPECT_FALSE(g.fSkipConfirm);
        Regular(4, 4);
        g.fSkipConfirm = true;
    };
    NewPuzzle(g);
    EXPECT_EQ(fake.MessageTexts().back(), "El tamaño del tablero (65x65" + tail);
    EXPECT_EQ(fake.messages.size(), 2u);
    EXPECT_EQ(g.PieceCount, 16);
    EXPECT_TRUE(g.fPlaying);
    EXPECT_FALSE(g.fSkipConfirm);
}

TEST_F(NewPuzzleTest, HandEditedSettingsAreRefusedWithTheDialogsMessage) {
    const std::string tooLarge = ") es demasiado grande.\rCambia los valores y prueba de nuevo.";
    const struct {
        Settings s;
        std::string message;
    } cases[] = {
        {{0, 5, 3, false, false, false}, "El tamaño del tablero (5x0" + tooLarge},
        {{5, 66, 3, false, false, false}, "El tamaño del tablero (66x5" + tooLarge},
        {{5, -2, 3, false, false, false}, "El tamaño del tablero (-2x5" + tooLarge},
        {{4, 5, 3, true, false, false}, "Para jugar con piezas irregulares ambas medidas deben ser iguales."},
        {{2, 2, 3, true, false, false}, "El tamaño mínimo para jugar con piezas irregulares es de 3x3."},
        {{1, 3, 3, false, true, false}, "El tamaño mínimo para jugar con desplazamiento es de 2x2."},
        {{4, 4, 3, false, true, true}, "El juego con desplazamiento no permite la opción de piezas Escurridizas."},
    };
    Picture(900, 600);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        fake.messages.clear();
        dialogs = 0;
        g.settings = c.s;
        NewPuzzle(g);
        EXPECT_EQ(fake.MessageTexts(), std::vector<std::string>{c.message});
        EXPECT_EQ(dialogs, 1);
        EXPECT_TRUE(NoBoard());
        EXPECT_EQ(fake.pendingEventPasses, 0);
        EXPECT_FALSE(SettingsFileWritten());
    }
    Regular(1, 1);  // a single piece is no danger and is played
    NewPuzzle(g);
    EXPECT_TRUE(g.fPlaying);
}

TEST_F(NewPuzzleTest, UnwritableSettingsStillGiveAPuzzleButOtherFailuresNone) {
    g.AppDir = dir.AsAppDir() + "missing/";
    Picture(900, 600);
    Regular(4, 4);
    NewPuzzle(g);
    EXPECT_TRUE(g.fPlaying);

    fake.onPendingEvents = [] { throw std::bad_alloc(); };
    g.fSkipConfirm = true;
    NewPuzzle(g);
    EXPECT_TRUE(NoBoard());
    EXPECT_TRUE(fake.messages.empty());
    EXPECT_EQ(dialogs, 0);
}

}  // namespace
}  // namespace quilto
