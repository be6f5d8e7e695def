#include "support/PlayModel.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

#include "game/GameMenu.h"
#include "game/KeyboardAids.h"
#include "game/MainWindow.h"
#include "game/PointerPlay.h"
#include "game/Slippery.h"

namespace quilto::test {
namespace {

const std::string kWin = "Lo has logrado!";
const std::string kAskNew = "Quieres empezar otro puzzle?";
const std::string kLoadFirst = "Primero debes cargar una imagen";

std::vector<int> Home(const Board& b) {
    std::vector<int> home;
    for (std::size_t p = 1; p < b.size(); ++p)
        if (b[p] == static_cast<int>(p)) home.push_back(static_cast<int>(p));
    return home;
}

bool Solved(const Board& b) {
    return b.size() > 1 && Home(b).size() == b.size() - 1;
}

}  // namespace

std::string PlayStats::Summary() const {
    std::ostringstream os;
    os << events << " events: " << boards << " boards, " << wins << " wins, " << drags << " drags, " << cancels
       << " cancelled drags, " << slides << " slides, " << slipperyMoves << " slippery moves, " << refusals
       << " refusals, " << lostReleases << " lost releases";
    return os.str();
}

PlayModel::Snapshot PlayModel::Take() const {
    const Window& w = g_.win;
    return {.board = BoardNow(),
            .count = g_.PieceCount,
            .dropSlot = g_.DropSlot,
            .emptySlot = g_.EmptySlot,
            .playing = g_.fPlaying,
            .dragging = g_.fDragging,
            .keyMoving = g_.fKeyMoving,
            .borders = g_.fBorders,
            .image2 = w.Image2.Visible,
            .bar = w.Label4.box.Width,
            .sounds = fake_.sounds.size(),
            .marks = w.Shape2.size() - 1};
}

Board PlayModel::BoardNow() const {
    const std::size_t n = std::min<std::size_t>(std::max<int>(g_.PieceCount, 0), g_.PieceAt.size() - 1);
    if (g_.PieceAt.empty() || n == 0) return {};
    return {g_.PieceAt.begin(), g_.PieceAt.begin() + static_cast<std::ptrdiff_t>(n) + 1};
}

std::vector<int> PlayModel::Misplaced() const {
    const Board b = BoardNow();
    std::vector<int> out;
    for (std::size_t p = 1; p < b.size(); ++p)
        if (b[p] != static_cast<int>(p)) out.push_back(static_cast<int>(p));
    return out;
}

int PlayModel::CapturedPiece() const {
    if (route_.captured.kind != PointerTarget::Kind::Piece || route_.serial != g_.BoardSerial) return 0;
    const int p = route_.captured.index;
    return p >= 1 && p <= g_.PieceCount && static_cast<std::size_t>(p) < g_.win.Image1.size() ? p : 0;
}

// The position a drag finds under the pointer: the grabbed element's place
// plus the pointer's offset from it, single-precision sums rounded to whole
// units; the first element, in index order, that holds that point strictly
// inside.
int PlayModel::SlotUnder(int grabbed, float x, float y) const {
    const Box& gb = BoxOf(grabbed);
    const auto unit = [](float v) {
        constexpr double lo = std::numeric_limits<std::int32_t>::min(), hi = std::numeric_limits<std::int32_t>::max();
        return std::clamp(std::nearbyint(static_cast<double>(v)), lo, hi);
    };
    const double px = unit(gb.Left + (x - gb.Left)), py = unit(gb.Top + (y - gb.Top));
    for (std::size_t i = 1; i < g_.win.Image1.size(); ++i) {
        const Box& b = g_.win.Image1[i].box;
        if (b.Left < px && px < b.Left + b.Width && b.Top < py && py < b.Top + b.Height) return static_cast<int>(i);
    }
    return 0;
}

// A regular sliding board after a click on k with the empty slot at e: when
// they share a row or a column, every piece from k up to the empty slot moves
// one step toward it and k becomes empty; otherwise nothing moves.
Board PlayModel::SlidRegular(Board b, int e, int k) const {
    const int columns = board_.settings.Columns;
    int step = 0;
    if ((e - 1) / columns == (k - 1) / columns) step = k > e ? 1 : -1;
    if ((e - 1) % columns == (k - 1) % columns) step = k > e ? columns : -columns;
    if (step == 0) return b;
    const std::int16_t empty = b[static_cast<std::size_t>(e)];
    for (int p = e; p != k; p += step) b[static_cast<std::size_t>(p)] = b[static_cast<std::size_t>(p + step)];
    b[static_cast<std::size_t>(k)] = empty;
    return b;
}

void PlayModel::OnMessage(const ShownMessage& m) {
    modalSeen_ = true;
    const Window& w = g_.win;
    if (m.text == kWin) {
        ++announced_;
        if (g_.PieceCount < 1)
            Fault("\"", kWin, "\" with no board (PieceCount ", g_.PieceCount, ")");
        else if (!Solved(BoardNow()))
            Fault("\"", kWin, "\" on an unsolved board: ", Misplaced().size(), " pieces away from home");
        if (m.icon != MsgIcon::Information) Fault("the win message has not the information icon");
        if (w.Timer1.Enabled) Fault("Timer1 still enabled when the win is announced");
        if (!w.Image2.Visible) Fault("the finished picture is not shown when the win is announced");
        if (std::any_of(w.Image1.begin() + 1, w.Image1.end(), [&](const Element& e) { return e.Z >= w.Image2.Z; }))
            Fault("a piece lies in front of the finished picture at the win");
        if (w.Label4.Visible) Fault("the slippery bar is still shown when the win is announced");
        if (fake_.sounds.empty() || !SoundIs(fake_.sounds.size() - 1, Sound::Acaba))
            Fault("the win is announced without \"Acaba.wav\" just before");
    } else if (m.text == kAskNew) {
        if (!g_.fPlaying || g_.fSkipConfirm)
            Fault("\"", kAskNew, "\" asked with fPlaying ", g_.fPlaying, ", fSkipConfirm ", g_.fSkipConfirm);
    } else if (m.text == kLoadFirst) {
        if (g_.fPictureLoaded) Fault("\"", kLoadFirst, "\" although a picture is loaded");
    } else if (m.icon == MsgIcon::Exclamation && m.text != "Archivo no válido.") {
        ++stats_.refusals;
    }
}

void PlayModel::OnDialog() {
    modalSeen_ = true;
    // Slippery pieces never move behind the dialog.
    if (g_.win.Timer1.Enabled) Fault("the configuration dialog opens with Timer1 running");
}

void PlayModel::LoseRelease(int button) {
    buttonsDown_ &= ~button;
    ++stats_.lostReleases;
}

bool PlayModel::Play(const PlayEvent& e) {
    const Snapshot before = Take();
    mayChangeBoard_ = modalSeen_ = false;
    checksSolved_.clear();
    announced_ = 0;
    switch (e.kind) {
        // The menu commands build a new board or leave the old one as it
        // was; they run no completion check.
        case PlayKind::Load:
            MnuLoad_Click(g_);
            break;
        case PlayKind::New:
            MnuNew_Click(g_);
            break;
        case PlayKind::Conf:
            MnuConf_Click(g_);
            break;
        case PlayKind::Resize: {
            const auto state = static_cast<WindowState>(e.code);
            if (Form_Resize(g_, state, e.x, e.y) != (state == WindowState::Normal))
                Fault("Form_Resize does not ask to maximize exactly a normal window");
            break;
        }
        case PlayKind::Press:
            if (!PlayPress(e, before)) return false;
            break;
        case PlayKind::Move:
            PlayMove(e, before);
            break;
        case PlayKind::Release:
            if (!PlayRelease(e, before)) return false;
            break;
        case PlayKind::Tick:
            if (!g_.win.Timer1.Enabled) return false;  // a stopped timer does not tick
            PlayTick(before);
            break;
        case PlayKind::KeyDown:
            PlayKeyDown(e.code, before);
            break;
        case PlayKind::KeyUp:
            PlayKeyUp(e.code);
            break;
    }
    ++stats_.events;
    stats_.wins += announced_;

    if (g_.BoardSerial != board_.serial)
        OnNewBoard();
    else if (!mayChangeBoard_ && BoardNow() != before.board)
        Fault(Describe(e), " changed the board");
    // The completion check announces the win exactly when it finds the
    // board solved.
    const long solvedChecks = std::count(checksSolved_.begin(), checksSolved_.end(), true);
    if (announced_ != solvedChecks)
        Fault(checksSolved_.size(), " completion checks ran, ", solvedChecks, " of them on a solved board, but \"",
              kWin, "\" was shown ", announced_, " times");
    CheckBoard();
    CheckState();
    return true;
}

bool PlayModel::PlayPress(const PlayEvent& e, const Snapshot& before) {
    const int button = e.code;
    if (buttonsDown_ & button) return false;
    const bool othersHeld = buttonsDown_ != 0;
    buttonsDown_ |= button;
    if (!othersHeld) route_.held = 0;
    if (route_.held == 0) route_ = {TargetAt(g_, e.x, e.y), g_.BoardSerial, 0, false};
    route_.held |= button;
    if (button == kLeftButton) route_.leftHere = true;
    const int piece = CapturedPiece();
    router_.Press(g_, button, othersHeld, e.x, e.y);
    if (!piece) return true;

    // Every press on a piece hides the selection frame; a left one on an
    // ordinary board frames the piece and starts a drag.
    const bool sliding = SlidingBoard();
    mayShape1_ = button == kLeftButton && !sliding;
    if (mayShape1_) {
        ++stats_.drags;
        dragStart_ = before.board;
        if (!g_.fDragging || g_.DragSlot != piece || g_.DropSlot != 0)
            Fault("a left press on piece ", piece, " leaves fDragging ", g_.fDragging, ", DragSlot ", g_.DragSlot,
                  ", DropSlot ", g_.DropSlot);
        if (!g_.win.Shape1.Visible || !(g_.win.Shape1.box == BoxOf(piece)))
            Fault("a left press on piece ", piece, " does not frame it");
    }
    if (button != kLeftButton && !sliding && before.dragging) {
        // Another button cancels the drag: the trial exchange is undone and
        // the completion check runs.
        ++stats_.cancels;
        mayChangeBoard_ = true;
        checksSolved_.push_back(Solved(BoardNow()));
        if (g_.fDragging) Fault("a press of button ", button, " during a drag does not cancel it");
        if (BoardNow() != dragStart_) Fault("a cancelled drag leaves the board changed");
    }
    return true;
}

void PlayModel::PlayMove(const PlayEvent& e, const Snapshot& before) {
    const int piece = route_.held ? CapturedPiece() : 0;
    // A finished board takes no trial exchanges.
    const bool live = piece && before.dragging && before.playing;
    const int slot = live ? SlotUnder(piece, e.x, e.y) : 0;
    router_.Move(g_, e.x, e.y);
    if (!live) return;
    mayChangeBoard_ = true;
    const int wanted = slot ? slot : before.dropSlot;
    if (g_.DropSlot != wanted)
        Fault("a drag moved to (", e.x, ", ", e.y, ") has DropSlot ", g_.DropSlot, ", not ", wanted);
    if (slot) {
        mayShape5_ = true;
        if (slot != before.dropSlot && (!g_.win.Shape5.Visible || !(g_.win.Shape5.box == BoxOf(slot))))
            Fault("the drop frame does not frame position ", slot);
    }
    const Cursor pointer = g_.win.Image1[static_cast<std::size_t>(piece)].Pointer;
    if (pointer != (slot ? Cursor::DragOverPiece : Cursor::DragOverNothing))
        Fault("the dragged piece shows pointer ", static_cast<int>(pointer), " over ", slot ? "a piece" : "no piece");
}

bool PlayModel::PlayRelease(const PlayEvent& e, const Snapshot& before) {
    const int button = e.code;
    if (!(buttonsDown_ & button)) return false;
    buttonsDown_ &= ~button;
    int piece = 0;
    bool click = false;
    if (route_.held & button) {
        route_.held &= ~button;
        piece = CapturedPiece();
        // A click is a left press and release over the same element.
        if (piece && button == kLeftButton && std::exchange(route_.leftHere, false)) {
            const Box& b = BoxOf(piece);
            click = b.Left <= e.x && e.x < b.Left + b.Width && b.Top <= e.y && e.y < b.Top + b.Height;
        }
    }
    router_.Release(g_, button, e.x, e.y);
    if (!piece) return true;

    // A release on a piece: "Marca.wav", the drag ends, the completion
    // check sees the board as it stood, the overlays go.
    mayShape1_ = mayShape3_ = mayShape5_ = false;
    checksSolved_.push_back(Solved(before.board));
    if (fake_.sounds.size() == before.sounds || !SoundIs(before.sounds, Sound::Marca))
        Fault("a release on piece ", piece, " does not play \"Marca.wav\" first");
    if (g_.fDragging || g_.DragSlot != 0)
        Fault("a release leaves fDragging ", g_.fDragging, ", DragSlot ", g_.DragSlot);
    if (g_.win.Image1[static_cast<std::size_t>(piece)].Pointer != Cursor::Default)
        Fault("the released piece ", piece, " keeps a drag pointer");
    if (click) PlayClick(piece, before);
    return true;
}

// The click after the release: on a sliding board still in play, pieces move
// into the empty slot.
void PlayModel::PlayClick(int piece, const Snapshot& before) {
    const bool stillPlaying = before.playing && !Solved(before.board);
    const bool slotValid = before.emptySlot >= 1 && before.emptySlot <= before.count;
    if (!SlidingBoard() || piece == before.emptySlot || !slotValid || !stillPlaying) return;
    mayChangeBoard_ = true;
    const bool moved = BoardNow() != before.board;
    int cues = 0;
    bool slid = false;
    for (std::size_t i = before.sounds + 1; i < fake_.sounds.size(); ++i) {
        if (SoundIs(i, Sound::Desplaza)) ++cues, slid = true;
        if (SoundIs(i, Sound::NoMueve)) ++cues;
    }
    if (cues != 1) Fault("a click on a sliding board plays ", cues, " move cues");
    if (slid != moved) Fault("a click ", moved ? "moved" : "did not move", " pieces but its cue says otherwise");
    if (!board_.settings.fIrregular && BoardNow() != SlidRegular(before.board, before.emptySlot, piece))
        Fault("a click on position ", piece, " with the empty slot at ", before.emptySlot,
              " does not slide the pieces between them");
    if (moved) {
        ++stats_.slides;
        if (g_.EmptySlot != piece) Fault("after a slide from position ", piece, " the empty slot is at ", g_.EmptySlot);
    }
    // A refused click on an irregular board runs no completion check.
    if (!board_.settings.fIrregular || moved) checksSolved_.push_back(Solved(BoardNow()));
}

void PlayModel::PlayTick(const Snapshot& before) {
    const float frame = g_.win.Label1.box.Width;
    const bool full = g_.settings.fSlippery && !(static_cast<float>(before.bar + frame / 19.2) < frame);
    Timer1_Timer(g_);
    if (!g_.settings.fSlippery && g_.win.Label4.box.Width != before.bar)
        Fault("a tick without slippery pieces changes the bar");
    if (!full) return;
    // A full bar ends any drag, runs the completion check on the board as it
    // stands and, the game going on, exchanges misplaced pieces among
    // themselves without bringing one home.
    mayShape1_ = mayShape3_ = false;
    mayChangeBoard_ = true;
    checksSolved_.push_back(Solved(before.board));
    if (g_.win.Label4.box.Width != 0) Fault("a full bar is not emptied");
    if (g_.fDragging || g_.DragSlot != 0) Fault("a slippery move leaves a drag in progress");
    if (!g_.fPlaying) {
        if (BoardNow() != before.board) Fault("a full bar on a finished board moves pieces");
        return;
    }
    ++stats_.slipperyMoves;
    if (Home(BoardNow()) != Home(before.board))
        Fault("a slippery move changes the pieces at home from ", Home(before.board).size(), " to ",
              Home(BoardNow()).size());
}

void PlayModel::PlayKeyDown(int key, const Snapshot& before) {
    keysDown_.insert(key);
    Form_KeyDown(g_, key);
    if (!before.playing) return;
    const Window& w = g_.win;
    if (key == kKeyF5) {
        if (g_.fBorders == before.borders) Fault("F5 does not flip the borders");
        if (std::any_of(w.Image1.begin() + 1, w.Image1.end(),
                        [&](const Element& e) { return e.Border != g_.fBorders; }))
            Fault("F5 leaves a piece with the other border");
    }
    const auto misplaced = Misplaced();
    if (key == kKeyF6 && !SlidingBoard() && !before.image2 && !misplaced.empty()) {
        mayShape1_ = mayShape3_ = true;
        const auto framed =
            std::find_if(misplaced.begin(), misplaced.end(), [&](int p) { return w.Shape1.box == BoxOf(p); });
        if (!w.Shape1.Visible || !w.Shape3.Visible || framed == misplaced.end()) {
            Fault("F6 does not frame a misplaced piece and show the dot");
            return;
        }
        // The dot lies in the middle of where the framed picture belongs.
        const Box& home = BoxOf(g_.PieceAt[static_cast<std::size_t>(*framed)]);
        const Box& dot = w.Shape3.box;
        if (std::abs(dot.Left + dot.Width / 2 - (home.Left + home.Width / 2)) > 0.5f ||
            std::abs(dot.Top + dot.Height / 2 - (home.Top + home.Height / 2)) > 0.5f)
            Fault("the hint dot is not where the picture framed at ", *framed, " belongs");
    }
    if (key == kKeyF7 && !before.keyMoving) {
        // One new mark over each misplaced piece, the slippery pieces paused.
        const std::size_t first = before.marks + 1;
        bool right = w.Shape2.size() == first + misplaced.size();
        for (std::size_t i = 0; right && i < misplaced.size(); ++i)
            right = w.Shape2[first + i].Visible && w.Shape2[first + i].box == BoxOf(misplaced[i]);
        if (!right) Fault("F7 adds ", w.Shape2.size() - first, " marks for ", misplaced.size(), " misplaced pieces");
        if (w.Timer1.Enabled) Fault("F7 leaves the slippery timer running");
    }
    if (key == kKeyF8 && !before.image2 && (!w.Image2.Visible || !g_.fPeeking || w.Timer1.Enabled))
        Fault("F8 does not show the finished picture with the timer paused");
}

void PlayModel::PlayKeyUp(int key) {
    keysDown_.erase(key);
    Form_KeyUp(g_, key);
    if (key == kKeyF7 && g_.win.Shape2.size() != 1) Fault("F7 released leaves ", g_.win.Shape2.size() - 1, " marks");
    if (key == kKeyF8 && g_.fPlaying && g_.win.Image2.Visible)
        Fault("F8 released during a game leaves the finished picture shown");
}

// A board was built, or the old one went without a new one.
void PlayModel::OnNewBoard() {
    board_ = {};
    board_.serial = g_.BoardSerial;
    mayShape1_ = mayShape3_ = mayShape5_ = false;
    dragStart_.clear();
    const int n = g_.PieceCount;
    if (n < 1) return;
    ++stats_.boards;
    board_.exists = true;
    const Settings& s = board_.settings = g_.settings;
    if (!g_.fPlaying || g_.fDragging || g_.fKeyMoving)
        Fault("a new board starts with fPlaying ", g_.fPlaying, ", fDragging ", g_.fDragging, ", fKeyMoving ",
              g_.fKeyMoving);
    if (!s.fIrregular && n != s.Columns * s.Rows)
        Fault("a regular ", s.Columns, "x", s.Rows, " board has ", n, " pieces");
    if (g_.win.Image2.Visible) Fault("a new board starts under the finished picture");
    if (g_.win.Timer1.Enabled != s.fSlippery || g_.win.Label4.Visible != s.fSlippery)
        Fault("a new board with fSlippery ", s.fSlippery, " has the timer ", g_.win.Timer1.Enabled, " and the bar ",
              g_.win.Label4.Visible);
    if (g_.win.Image1.size() != static_cast<std::size_t>(n) + 1 ||
        g_.PieceAt.size() < static_cast<std::size_t>(n) + 1) {
        Fault("a new board of ", n, " pieces has ", g_.win.Image1.size() - 1, " elements");
        return;
    }

    // The picture each piece was cut with: all different, but for the one a
    // sliding board gives up for its empty slot.
    board_.handleOf.assign(static_cast<std::size_t>(n) + 1, kEmptyPicture);
    for (const Element& el : g_.win.Image1) board_.boxes.push_back(el.box);
    std::set<PictureHandle> seen;
    int empties = 0;
    for (int p = 1; p <= n; ++p) {
        const PictureHandle h = g_.win.Image1[static_cast<std::size_t>(p)].Picture;
        const int piece = g_.PieceAt[static_cast<std::size_t>(p)];
        if (piece >= 1 && piece <= n) board_.handleOf[static_cast<std::size_t>(piece)] = h;
        if (h == kEmptyPicture)
            ++empties;
        else if (!seen.insert(h).second)
            Fault("two positions of a new board show the same picture");
    }
    if (!s.fSlide) {
        if (empties != 0) Fault("a new board without sliding shows ", empties, " empty positions");
        return;
    }
    if (g_.EmptySlot < 1 || g_.EmptySlot > n) {
        Fault("a new sliding board has its empty slot at ", g_.EmptySlot);
        return;
    }
    // A regular board gives up its last piece; an irregular one the piece
    // over the bottom-right unit.
    const int emptyPiece = g_.PieceAt[static_cast<std::size_t>(g_.EmptySlot)];
    if (!s.fIrregular && emptyPiece != n)
        Fault("a regular sliding board gives up the picture of piece ", emptyPiece, ", not the last");
    if (s.fIrregular && emptyPiece >= 1 && emptyPiece <= n) {
        const Box& home = BoxOf(emptyPiece);
        const Box& frame = g_.win.Label1.box;
        if (std::abs(home.Left + home.Width - (frame.Left + frame.Width)) > 1 ||
            std::abs(home.Top + home.Height - (frame.Top + frame.Height)) > 1)
            Fault("an irregular sliding board gives up piece ", emptyPiece, ", not the bottom-right one");
    }
}

// The board in play: a permutation, every position showing its piece's
// picture in its own place, a sliding board with one empty slot, a finished
// board solved under the finished picture, a drag that has exchanged at most
// two positions.
void PlayModel::CheckBoard() {
    const Window& w = g_.win;
    const int n = g_.PieceCount;
    if (!board_.exists) {
        if (w.Image1.size() != 1) Fault("no board, yet ", w.Image1.size() - 1, " piece elements");
        if (g_.fPlaying || g_.fDragging)
            Fault("fPlaying ", g_.fPlaying, ", fDragging ", g_.fDragging, " without a board");
        return;
    }
    const Settings &s = board_.settings, &now = g_.settings;
    if (now.Columns != s.Columns || now.Rows != s.Rows || now.FitMode != s.FitMode || now.fIrregular != s.fIrregular ||
        now.fSlide != s.fSlide)
        Fault("the settings change under the board in play without a new puzzle");
    if (w.Image1.size() != board_.boxes.size() || g_.PieceAt.size() < static_cast<std::size_t>(n) + 1) {
        Fault("a board of ", n, " pieces has ", w.Image1.size() - 1, " elements and ", g_.PieceAt.size(), " entries");
        return;
    }
    std::vector<bool> seen(static_cast<std::size_t>(n) + 1, false);
    int empties = 0;
    for (int p = 1; p <= n; ++p) {
        const auto piece = static_cast<std::size_t>(g_.PieceAt[static_cast<std::size_t>(p)]);
        if (piece < 1 || piece > static_cast<std::size_t>(n) || seen[piece]) {
            Fault("PieceAt is no permutation: position ", p, " holds ", g_.PieceAt[static_cast<std::size_t>(p)]);
            return;
        }
        seen[piece] = true;
        const Element& el = w.Image1[static_cast<std::size_t>(p)];
        if (el.Picture != board_.handleOf[piece])
            Fault("position ", p, " shows another picture than that of piece ", piece);
        if (!el.Visible) Fault("position ", p, " is hidden");
        if (!(el.box == board_.boxes[static_cast<std::size_t>(p)])) Fault("the element of position ", p, " moved");
        if (el.Picture != kEmptyPicture) continue;
        ++empties;
        if (p != g_.EmptySlot) Fault("the empty picture is at ", p, ", EmptySlot is ", g_.EmptySlot);
    }
    if (s.fSlide && empties != 1) Fault("a sliding board shows ", empties, " empty positions");
    if (!g_.fPlaying && (!Solved(BoardNow()) || !w.Image2.Visible))
        Fault("a finished game with ", Misplaced().size(), " pieces away from home and the finished picture ",
              w.Image2.Visible ? "shown" : "hidden");
    if (g_.fPlaying && w.Image2.Visible && !keysDown_.count(kKeyF8))
        Fault("the finished picture covers a game in play while F8 is up");

    if (!g_.fDragging) {
        if (std::any_of(w.Image1.begin() + 1, w.Image1.end(),
                        [](const Element& e) { return e.Pointer != Cursor::Default; }))
            Fault("a piece keeps a drag pointer with no drag in progress");
        return;
    }
    if (SlidingBoard() || g_.DragSlot < 1 || g_.DragSlot > n || g_.DropSlot < 0 || g_.DropSlot > n) {
        Fault("a drag with DragSlot ", g_.DragSlot, ", DropSlot ", g_.DropSlot, " on a board of ", n);
        return;
    }
    Board expected = dragStart_;
    if (g_.DropSlot != 0)
        std::swap(expected[static_cast<std::size_t>(g_.DragSlot)], expected[static_cast<std::size_t>(g_.DropSlot)]);
    if (BoardNow() != expected)
        Fault("the board during a drag is not the one it began with, positions ", g_.DragSlot, " and ", g_.DropSlot,
              " exchanged");
}

// Flags, timer, bar and overlays as the rules leave them between events.
void PlayModel::CheckState() {
    const Window& w = g_.win;
    const std::size_t marks = w.Shape2.size() - 1;
    if (g_.fSkipConfirm) Fault("fSkipConfirm left set");
    if (w.Label3.Visible) Fault("the busy caption is left on the screen");
    if (w.Timer1.Enabled && !g_.fPlaying) Fault("Timer1 runs with no game in play");
    // The marks and the peek keep the pieces still while they are shown.
    if (w.Timer1.Enabled && (marks > 0 || w.Image2.Visible))
        Fault("Timer1 runs with ", marks, " F7 marks and the finished picture ", w.Image2.Visible ? "shown" : "hidden");
    if (w.Label4.Visible && !(g_.fPlaying && g_.settings.fSlippery))
        Fault("the slippery bar shows with fPlaying ", g_.fPlaying, ", fSlippery ", g_.settings.fSlippery);
    // Slippery pieces in a game in play move, their bar on the screen,
    // unless the marks or the peek pause them.
    if (g_.fPlaying && g_.settings.fSlippery && !keysDown_.count(kKeyF7) && !keysDown_.count(kKeyF8) &&
        !(w.Timer1.Enabled && w.Label4.Visible))
        Fault("slippery pieces in play with the timer ", w.Timer1.Enabled, " and the bar ", w.Label4.Visible);

    if (w.Shape1.Visible && !mayShape1_) Fault("the selection frame Shape1 is left on the screen");
    if (w.Shape3.Visible && !mayShape3_) Fault("the hint dot Shape3 is left on the screen");
    if (w.Shape5.Visible && !mayShape5_) Fault("the drop frame Shape5 is left on the screen");
    if (marks > 0 && !keysDown_.count(kKeyF7)) Fault(marks, " F7 marks left with F7 up");
    // The marks lie on the board exactly while the marking is on.
    if (marks > 0 && !g_.fKeyMoving) Fault(marks, " F7 marks left with fKeyMoving clear");

    // The pictures in use are never let go, and none twice.
    const std::set<PictureId> released(fake_.released.begin(), fake_.released.end());
    if (released.size() != fake_.released.size()) Fault("a picture was released twice");
    if (g_.PicClip1.id() != kNoPictureId && released.count(g_.PicClip1.id())) Fault("the loaded picture was released");
    if (g_.BoardPicture.id() != kNoPictureId && released.count(g_.BoardPicture.id())) Fault("the board's picture was released");
}

}  // namespace quilto::test
