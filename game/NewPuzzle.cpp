#include "game/NewPuzzle.h"

#include <cstddef>
#include <string>

#include "game/Boxes.h"
#include "game/GameMenu.h"
#include "game/Layout.h"
#include "game/Numbers.h"
#include "game/PointerPlay.h"
#include "game/SettingsRules.h"
#include "game/Shuffle.h"
#include "settings/SettingsFile.h"

namespace quilto {
namespace {

// A piece would be smaller than one pixel of the picture or of the screen.
struct BoardTooLarge {};

enum class Outcome { Built, Refused, Failed };

std::string TooLargeMessage(const Settings& s) {
    return "El tamaño del tablero (" + std::to_string(s.Rows) + "x" + std::to_string(s.Columns) +
           ") es demasiado grande." + "\r" + "Cambia los valores y prueba de nuevo.";
}

// Why a board cannot be built with these settings, or "" when it can. Only a
// hand-edited settings file gets here with values the dialog would refuse.
// A single piece is harmless, so that rule of the dialog is not enforced.
std::string RefusalOf(const Settings& s) {
    if (s.Columns < 1 || s.Columns > kMaxSide || s.Rows < 1 || s.Rows > kMaxSide) return TooLargeMessage(s);
    const SettingsRule rule = BrokenSettingsRule(s);
    if (rule == SettingsRule::None || rule == SettingsRule::OneByOne) return {};
    return SettingsRuleMessage(rule);
}

// The part of the loaded picture the board uses: one regular cell and the
// offset of the top-left corner, in picture pixels.
struct PictureFit {
    double CellW = 0, CellH = 0;
    std::int32_t OffX = 0, OffY = 0;
};

PictureFit FitPicture(const Settings& s, std::int32_t picW, std::int32_t picH, const Box& frame, double cellAspect) {
    PictureFit fit;
    if (s.FitMode == 1) {  // the whole picture, stretched to the board
        fit.CellW = static_cast<double>(picW) / s.Columns;
        fit.CellH = static_cast<double>(picH) / s.Rows;
        return fit;
    }
    // Both aspects are compared in single precision, as the window holds them.
    const float picAspect = static_cast<float>(picW) / static_cast<float>(picH);
    const float frameAspect = frame.Width / frame.Height;
    if (picAspect < frameAspect) {  // narrower: full width, a band of the height
        fit.CellW = static_cast<double>(picW) / s.Columns;
        fit.CellH = fit.CellW / cellAspect;
        const double spare = picH - static_cast<double>(frame.Height) / frame.Width * picW;
        if (s.FitMode == 3) fit.OffY = ToInt32(spare / 2);
        if (s.FitMode == 4) fit.OffY = ToInt32(spare);
    } else {  // wider: full height, a band of the width
        fit.CellH = static_cast<double>(picH) / s.Rows;
        fit.CellW = fit.CellH * cellAspect;
        const double spare = picW - static_cast<double>(frame.Width) / frame.Height * picH;
        if (s.FitMode == 3) fit.OffX = ToInt32(spare / 2);
        if (s.FitMode == 4) fit.OffX = ToInt32(spare);
    }
    return fit;
}

// A rectangle that runs past the right or bottom edge by rounding is cut
// back to the edge.
PixelRect ClampToPicture(PixelRect r, const HeldPicture& pic) {
    if (r.Left + r.Width > pic.width()) r.Width = pic.width() - r.Left;
    if (r.Top + r.Height > pic.height()) r.Height = pic.height() - r.Top;
    return r;
}

// The picture of one piece, which must cover at least one picture pixel.
PictureHandle CutPiece(GameState& g, const PixelRect& wanted) {
    const PixelRect r = ClampToPicture(wanted, g.PicClip1);
    if (r.Width < 1 || r.Height < 1) throw BoardTooLarge{};
    return g.pictures.Add(r);
}

void RequireVisibleSize(float width, float height) {
    if (width < kUnitsPerPixel || height < kUnitsPerPixel) throw BoardTooLarge{};
}

// "CREANDO PUZZLE..." centred on the frame, on the screen before the work.
void ShowBusyCaption(GameState& g) {
    const Box& frame = g.win.Label1.box;
    Element& caption = g.win.Label3;
    caption.box.Left = (frame.Width - caption.box.Width) / 2 + frame.Left;
    caption.box.Top = (frame.Height - caption.box.Height) / 2 + frame.Top;
    g.win.BringToFront(caption);
    caption.Visible = true;
    g.platform.ProcessPendingEvents();
}

// The pieces and every picture cut for them; the template stays. The F7
// marks cover the old pieces and go with them: the marking is over
// (fKeyMoving is cleared), even while F7 is still held or its release was
// taken by a question box.
void DestroyBoardElements(GameState& g) {
    auto& pieces = g.win.Image1;
    pieces.erase(pieces.begin() + 1, pieces.end());
    g.win.Shape2.resize(1);
    ++g.BoardSerial;
    g.win.Image2.Picture = kEmptyPicture;
    g.win.Puente.Picture = kEmptyPicture;
    g.pictures.Clear();
}

// Whatever failed, no half-built board is left to play on and the busy
// caption goes away.
void LeaveNoBoard(GameState& g) {
    EndDrag(g);
    DestroyBoardElements(g);
    auto& outlines = g.win.Shape4;
    if (outlines.size() > 1) outlines.erase(outlines.begin() + 1, outlines.end());
    g.BoardPicture = {};
    g.PieceCount = 0;
    g.win.Label3.Visible = false;
    g.win.Label4.Visible = false;
    g.win.Image2.Visible = false;
    g.win.Shape1.Visible = false;
    g.win.Shape3.Visible = false;
    g.win.Shape5.Visible = false;
    g.fPlaying = false;
    g.fWon = false;
    g.fKeyMoving = false;
    g.fPeeking = false;
}

void ResetFrame(GameState& g) {
    g.win.Label1.box.Width = static_cast<float>(g.BoardWidth);
    g.win.Label1.box.Height = static_cast<float>(g.BoardHeight);
}

// Regular board: the template becomes one cell, lowered until its height
// falls on whole pixels; the frame then shrinks to the snapped grid.
void SnapTemplateToPixels(GameState& g, double cellAspect) {
    const Settings& s = g.settings;
    Box& cell = g.win.Image1[0].box;
    cell.Height = g.win.Image2.box.Height / s.Rows;
    cell.Width = g.win.Image2.box.Width / s.Columns;
    RequireVisibleSize(cell.Width, cell.Height);

    if (ToInt32(cell.Height) % 15 == 0) return;
    // Cells of 15.5 to 28.5 units round to even numbers only and can come
    // down to half a unit.
    cell.Height = LowerToWholePixels(cell.Height);
    cell.Width = static_cast<float>(cell.Height * cellAspect);
    RequireVisibleSize(cell.Width, cell.Height);
    Box& frame = g.win.Label1.box;
    frame.Height = s.Rows * cell.Height;
    frame.Width = s.Columns * cell.Width;
}

void CutRegularBoard(GameState& g, const PictureFit& fit) {
    const Settings& s = g.settings;
    const Element tmpl = g.win.Image1[0];
    // Every element has the unsnapped cell size; the grid steps by the
    // snapped template.
    const float height = g.win.Image2.box.Height / s.Rows;
    const float width = g.win.Image2.box.Width / s.Columns;
    const std::int32_t cutH = ToInt32(fit.CellH);
    const std::int32_t cutW = ToInt32(fit.CellW);
    int c = 0, r = 0;
    for (int i = 1; i <= g.PieceCount; ++i) {
        Element e = Window::NewFromTemplate(tmpl);
        e.Picture = CutPiece(
            g, {g.PicClip1.id(), ToInt32(c * fit.CellW + fit.OffX), ToInt32(r * fit.CellH + fit.OffY), cutW, cutH});
        e.box = {tmpl.box.Left + c * tmpl.box.Width, tmpl.box.Top + r * tmpl.box.Height, width, height};
        g.win.Image1.push_back(e);
        if (++c == s.Columns) {
            c = 0;
            ++r;
        }
    }
}

void CutIrregularBoard(GameState& g, const PictureFit& fit) {
    const Element tmpl = g.win.Image1[0];
    const Box frame = g.win.Label1.box;
    const int units = g.GridSize;
    for (int i = 1; i <= g.PieceCount; ++i) {
        const Box& outline = g.win.Shape4.at(static_cast<std::size_t>(i - 1));
        RequireVisibleSize(outline.Width, outline.Height);
        // The outline's place in the frame, scaled to the picture's band.
        const double left =
            (static_cast<double>(outline.Left) - frame.Left) * units * fit.CellW / frame.Width + fit.OffX;
        const double top = (static_cast<double>(outline.Top) - frame.Top) * units * fit.CellH / frame.Height + fit.OffY;
        const double width = units * fit.CellW * outline.Width / frame.Width;
        const double height = units * fit.CellH * outline.Height / frame.Height;
        Element e = Window::NewFromTemplate(tmpl);
        e.Picture = CutPiece(g, {g.PicClip1.id(), ToInt32(left), ToInt32(top), ToInt32(width), ToInt32(height)});
        e.box = outline;
        g.win.Image1.push_back(e);
    }
}

// The board from the busy caption to the start of the game. Throws when it
// cannot be built.
void BuildBoard(GameState& g) {
    const Settings& s = g.settings;
    ShowBusyCaption(g);
    // A settings file that cannot be written leaves the settings unsaved and
    // the puzzle goes on.
    (void)SaveSettings(g.platform, s, g.SettingsFile());
    // Each board is laid out on the whole board area, whatever size the
    // previous board shrank the frame to.
    if (s.fIrregular)
        BuildMixedLayout(g);
    else
        ResetFrame(g);

    g.win.Image2.Visible = false;
    g.fPeeking = false;  // the finished picture of a peek goes with the old board
    EndDrag(g);
    DestroyBoardElements(g);
    g.BoardPicture = g.PicClip1;

    Box& frame = g.win.Label1.box;
    g.win.Image2.box.Width = static_cast<float>(g.BoardWidth);
    g.win.Image2.box.Height = static_cast<float>(g.BoardHeight);
    const double cellAspect =
        (static_cast<double>(frame.Width) / s.Columns) / (static_cast<double>(frame.Height) / s.Rows);
    g.PieceAt.assign(static_cast<std::size_t>(s.Columns * s.Rows) + 1, 0);
    if (s.fIrregular) {
        frame.Height = static_cast<float>(g.GridSize * g.UnitHeight);
        frame.Width = static_cast<float>(g.GridSize * g.UnitWidth);
    } else {
        SnapTemplateToPixels(g, cellAspect);
    }
    g.win.Label4.box.Left = frame.Left;
    g.win.Label4.box.Top = frame.Top + frame.Height + 15;

    const PictureFit fit = FitPicture(s, g.PicClip1.width(), g.PicClip1.height(), frame, cellAspect);
    g.win.Image2.Picture = g.pictures.Add(ClampToPicture(
        {g.PicClip1.id(), fit.OffX, fit.OffY, ToInt32(s.Columns * fit.CellW), ToInt32(s.Rows * fit.CellH)},
        g.PicClip1));

    if (!s.fIrregular) g.PieceCount = ToInt16(s.Columns * s.Rows);
    g.win.Image1.reserve(static_cast<std::size_t>(g.PieceCount) + 1);
    if (s.fIrregular)
        CutIrregularBoard(g, fit);
    else
        CutRegularBoard(g, fit);

    for (int p = 1; p <= g.PieceCount; ++p) g.PieceAt.at(static_cast<std::size_t>(p)) = static_cast<std::int16_t>(p);
    Shuffle(g);
    for (int p = 1; p <= g.PieceCount; ++p) g.win.Piece(p).Visible = true;

    g.win.Label4.Visible = false;
    if (s.fSlippery) {
        g.win.Label4.box.Width = 0;
        g.win.Label4.Visible = true;
    }
    g.win.SendToBack(g.win.Label1);
    g.win.Label3.Visible = false;
    g.win.Shape3.Visible = false;
    g.win.Shape1.Visible = false;
    // The drop frame of a drag that a new puzzle cut short goes with the old
    // board; no release on its element will come to hide it.
    g.win.Shape5.Visible = false;
    g.fPlaying = true;
    g.fWon = false;
    g.fKeyMoving = false;
}

// One attempt at a board. On Refused the player has been told why; on any
// failure no board is left.
Outcome TryBuildBoard(GameState& g, std::string& refusal) {
    refusal = RefusalOf(g.settings);
    if (!refusal.empty()) {
        LeaveNoBoard(g);
        return Outcome::Refused;
    }
    try {
        BuildBoard(g);
        return Outcome::Built;
    } catch (const BoardTooLarge&) {
        refusal = TooLargeMessage(g.settings);
        LeaveNoBoard(g);
        return Outcome::Refused;
    } catch (...) {
        LeaveNoBoard(g);
        return Outcome::Failed;
    }
}

}  // namespace

void NewPuzzle(GameState& g) {
    if (!g.fPictureLoaded) {
        ShowMessage(g, "Primero debes cargar una imagen", MsgIcon::Exclamation);
        ChoosePicture(g);
        return;
    }
    if (g.fPlaying && !g.fSkipConfirm &&
        ShowMessage(g, "Quieres empezar otro puzzle?", MsgIcon::Question, MsgButtons::OkCancel) == MsgResult::Cancel)
        return;

    std::string refusal;
    while (TryBuildBoard(g, refusal) == Outcome::Refused) {
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
