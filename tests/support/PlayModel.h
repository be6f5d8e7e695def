#pragma once
// The game's rules as the random play checks them. The model plays each
// event on the game and checks what the rules say of the event and of the
// state it leaves. Between events it keeps what the rules need: the board as
// it was built, which element holds the pointer, the buttons and keys held,
// the overlays that the events so far allow on the screen, the board as it
// was when the drag in progress began, and the completion checks that each
// event runs.
#include <cstdint>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "game/GameState.h"
#include "game/PointerRouting.h"
#include "support/FakePlatform.h"
#include "support/PlayEvent.h"

namespace quilto::test {

struct PlayStats {
    long events = 0;         // events played and checked
    long boards = 0;         // boards built
    long wins = 0;           // "Lo has logrado!" shown
    long drags = 0;          // left presses that started a drag
    long cancels = 0;        // drags cancelled by another button
    long slides = 0;         // clicks that slid pieces
    long slipperyMoves = 0;  // full bars that exchanged pieces
    long refusals = 0;       // settings or boards refused with a message
    long lostReleases = 0;   // button releases that went to a modal box

    std::string Summary() const;
};

// PieceAt of positions 1..PieceCount, [0] unused; empty without a board.
using Board = std::vector<std::int16_t>;

class PlayModel {
public:
    // The counts of every game played go to stats.
    PlayModel(GameState& g, FakePlatform& fake, PlayStats& stats) : g_(g), fake_(fake), stats_(stats) {}

    // Plays e on the game and checks it. False when e cannot happen now (a
    // press of a button already down, a release of one that is up, a tick
    // of a stopped timer): then nothing was done.
    bool Play(const PlayEvent& e);

    // The platform shows a message box, or the configuration dialog opens.
    void OnMessage(const ShownMessage& m);
    void OnDialog();

    // A modal box shown during the last event may take the releases of the
    // buttons held then: the window never hears of them.
    bool ShowedModal() const { return modalSeen_; }
    int ButtonsDown() const { return buttonsDown_; }
    void LoseRelease(int button);

    // What broke in the last event; empty while the rules hold.
    const std::vector<std::string>& Faults() const { return faults_; }

private:
    struct Snapshot {
        Board board;
        int count = 0, dropSlot = 0, emptySlot = 0;
        bool playing = false, dragging = false, keyMoving = false, borders = false, image2 = false;
        float bar = 0;
        std::size_t sounds = 0, marks = 0;
    };
    Snapshot Take() const;

    bool PlayPress(const PlayEvent& e, const Snapshot& before);
    void PlayMove(const PlayEvent& e, const Snapshot& before);
    bool PlayRelease(const PlayEvent& e, const Snapshot& before);
    void PlayClick(int piece, const Snapshot& before);
    void PlayTick(const Snapshot& before);
    void PlayKeyDown(int key, const Snapshot& before);
    void PlayKeyUp(int key);

    void OnNewBoard();
    void CheckBoard();
    void CheckState();

    Board BoardNow() const;
    std::vector<int> Misplaced() const;
    bool SlidingBoard() const { return board_.exists && board_.settings.fSlide; }
    int CapturedPiece() const;
    int SlotUnder(int grabbed, float x, float y) const;
    Board SlidRegular(Board b, int e, int k) const;
    const Box& BoxOf(int p) const { return g_.win.Image1[static_cast<std::size_t>(p)].box; }
    bool SoundIs(std::size_t i, const char* cue) const { return fake_.sounds.at(i).ends_with(cue); }

    template <class... Parts>
    void Fault(const Parts&... parts) {
        std::ostringstream os;
        (os << ... << parts);
        faults_.push_back(os.str());
    }

    GameState& g_;
    FakePlatform& fake_;
    PlayStats& stats_;
    PointerRouter router_;

    // What the player holds down, as the window sees it.
    int buttonsDown_ = 0;
    std::set<int> keysDown_;

    // The pressed element keeps every pointer event until the last button
    // is let go; a press with no other button down (as the window sees it)
    // picks the element afresh.
    struct {
        PointerTarget captured;
        std::uint32_t serial = 0;
        int held = 0;
        bool leftHere = false;
    } route_;

    // The board as it was built.
    struct {
        bool exists = false;
        std::uint32_t serial = 0;
        Settings settings;
        std::vector<PictureHandle> handleOf;  // [piece] the picture it was cut with
        std::vector<Box> boxes;               // [position] where its element lies
    } board_;

    // Each overlay may be on the screen from the last event that can show it
    // to the next that must hide it.
    bool mayShape1_ = false, mayShape3_ = false, mayShape5_ = false;
    Board dragStart_;

    // The event being played.
    bool mayChangeBoard_ = false;
    std::vector<bool> checksSolved_;  // one per completion check: whether it found the board solved
    long announced_ = 0;              // "Lo has logrado!" shown
    bool modalSeen_ = false;
    std::vector<std::string> faults_;
};

}  // namespace quilto::test
