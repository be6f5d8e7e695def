// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/PuzzleCreation.h"

#include <string>
#include <vector>

#include "game/BoardElements.h"
#include "game/Boxes.h"
#include "game/Layout.h"
#include "game/Numbers.h"
#include "game/PuzzleGeometry.h"
#include "game/PuzzleRefusal.h"
#include "game/SavedGame.h"
#include "game/Shuffle.h"
#include "game/SlipperyBar.h"
#include "settings/SettingsFile.h"

namespace quilto {
namespace {

// "CREANDO PUZZLE..." centred on the frame and on the screen before the
// work: the window gets one pass of its pending events.
void ShowBusyCaption(GameState& g) {
    Element& caption = g.win.Label3;
    caption.box = CentredOn(g.win.Label1.box, caption.box);
    g.win.BringToFront(caption);
    caption.Visible = true;
    g.platform.ProcessPendingEvents();
}

// Each board is laid out on the whole board area, whatever size the
// previous board shrank the frame to.
void LayOutFrame(GameState& g, const SavedGame* saved) {
    if (g.settings.fIrregular) {
        if (saved)
            LayOutPieces(g, saved->Pieces);
        else
            BuildMixedLayout(g);
        return;
    }
    g.win.Label1.box.Width = static_cast<float>(g.BoardWidth);
    g.win.Label1.box.Height = static_cast<float>(g.BoardHeight);
}

// The frame shrinks to the board's whole-pixel grid: to the units of an
// irregular board; to the lowered cells of a regular one, whose size the
// template takes.
void FitFrameToGrid(GameState& g, double cellAspect) {
    const Settings& s = g.settings;
    Box& frame = g.win.Label1.box;
    if (s.fIrregular) {
        frame.Height = static_cast<float>(g.GridSize * g.UnitHeight);
        frame.Width = static_cast<float>(g.GridSize * g.UnitWidth);
        return;
    }
    const Box& area = g.win.Image2.box;
    const SnappedCell snapped = SnapCellToPixels(area.Width, area.Height, s.Columns, s.Rows, cellAspect);
    Box& cell = g.win.Image1[0].box;
    cell.Width = snapped.Width;
    cell.Height = snapped.Height;
    if (!snapped.Lowered) return;
    frame.Height = s.Rows * cell.Height;
    frame.Width = s.Columns * cell.Width;
}

// The finished picture: the part of the loaded picture the board uses.
void CutFinishedPicture(GameState& g, const PictureFit& fit) {
    const HeldPicture& pic = g.PicClip1;
    PixelRect whole = FinishedPictureRect(fit, g.settings.Columns, g.settings.Rows);
    whole.source = pic.id();
    g.win.Image2.Picture = g.pictures.Add(ClampToPicture(whole, pic.width(), pic.height()));
}

// The pieces of a kept game where they lay: element p shows the picture cut
// for piece PieceAt(p), a sliding board's empty slot the empty picture.
void PlaceSavedPieces(GameState& g, const SavedGame& saved) {
    std::vector<PictureHandle> cut(static_cast<std::size_t>(g.PieceCount) + 1);
    for (int k = 1; k <= g.PieceCount; ++k) cut[static_cast<std::size_t>(k)] = g.win.Piece(k).Picture;
    g.PieceAt = saved.PieceAt;
    for (int p = 1; p <= g.PieceCount; ++p)
        g.win.Piece(p).Picture = cut[static_cast<std::size_t>(g.PieceAt[static_cast<std::size_t>(p)])];
    g.EmptySlot = saved.EmptySlot;
    if (g.settings.fSlide) g.win.Piece(g.EmptySlot).Picture = g.win.Vacio.Picture;
}

// From the busy caption to the shuffled pieces on the screen, or to the
// pieces of a kept game. Throws BoardTooLarge when the board cannot be built.
void BuildBoard(GameState& g, const SavedGame* saved = nullptr) {
    const Settings& s = g.settings;
    if (!saved) {
        ShowBusyCaption(g);
        // A settings file that cannot be written leaves the settings unsaved
        // and the puzzle goes on.
        (void)SaveSettings(g.platform, s, g.SettingsFile());
    }
    ClearBoard(g);
    g.BoardPicture = g.PicClip1;
    // No piece fits a board area under one screen pixel.
    RequireVisibleSize(static_cast<float>(g.BoardWidth), static_cast<float>(g.BoardHeight));
    LayOutFrame(g, saved);

    g.win.Image2.box.Width = static_cast<float>(g.BoardWidth);
    g.win.Image2.box.Height = static_cast<float>(g.BoardHeight);
    const double cellAspect = CellAspect(g.win.Label1.box, s.Columns, s.Rows);
    g.PieceAt.assign(static_cast<std::size_t>(s.Columns * s.Rows) + 1, 0);
    FitFrameToGrid(g, cellAspect);
    const Box& frame = g.win.Label1.box;
    g.win.Label4.box.Left = frame.Left;
    g.win.Label4.box.Top = frame.Top + frame.Height + 15;

    const PictureFit fit = FitPicture(s, g.PicClip1.width(), g.PicClip1.height(), frame, cellAspect);
    CutFinishedPicture(g, fit);
    if (!s.fIrregular) g.PieceCount = ToInt16(s.Columns * s.Rows);
    CutPieces(g, fit);

    for (int p = 1; p <= g.PieceCount; ++p) g.PieceAt.at(static_cast<std::size_t>(p)) = static_cast<std::int16_t>(p);
    if (saved)
        PlaceSavedPieces(g, *saved);
    else
        Shuffle(g);
    for (int p = 1; p <= g.PieceCount; ++p) g.win.Piece(p).Visible = true;
}

// The end of every attempt, whether it left a board in play or none.
void SettleBoard(GameState& g, bool built) {
    Element& bar = g.win.Label4;
    bar.Visible = built && g.settings.fSlippery;
    if (bar.Visible) bar.box.Width = 0;  // the slippery pieces start from an empty bar
    if (built) g.win.SendToBack(g.win.Label1);
    g.win.Label3.Visible = false;
    g.fPlaying = built;
}

// Whatever stopped the board, no half-built one is left to play on.
void LeaveNoBoard(GameState& g) {
    ClearBoard(g);
    auto& outlines = g.win.Shape4;
    if (outlines.size() > 1) outlines.erase(outlines.begin() + 1, outlines.end());
    g.BoardPicture = {};
    g.PieceCount = 0;
    SettleBoard(g, false);
}

// One attempt at a board: "" when it stands, otherwise what the player is
// told about why it was refused, with no board left.
std::string TryBuildBoard(GameState& g) {
    std::string refusal = RefusalOf(g.settings);
    if (refusal.empty()) {
        try {
            BuildBoard(g);
            SettleBoard(g, true);
            return {};
        } catch (const BoardTooLarge&) {
            refusal = TooLargeMessage(g.settings);
        }
    }
    LeaveNoBoard(g);
    return refusal;
}

}  // namespace

void RebuildSavedGame(GameState& g, const SavedGame& saved) {
    BuildBoard(g, &saved);
    SettleBoard(g, true);
    if (g.settings.fSlippery) g.win.Label4.box.Width = BarWidthAfter(saved.BarTicks, g.win.Label1.box.Width);
}

void CreatePuzzle(GameState& g) {
    if (g.fPlaying && !g.fSkipConfirm &&
        ShowMessage(g, "Quieres empezar otro puzzle?", MsgIcon::Question, MsgButtons::OkCancel) == MsgResult::Cancel)
        return;
    for (std::string refusal = TryBuildBoard(g); !refusal.empty(); refusal = TryBuildBoard(g)) {
        ShowMessage(g, refusal, MsgIcon::Exclamation);
        g.fSkipConfirm = false;
        g.fPlaying = false;
        OpenConfiguration(g);
        const bool accepted = g.fSkipConfirm;
        g.fSkipConfirm = false;
        if (!accepted) return;
    }
}

}  // namespace quilto
