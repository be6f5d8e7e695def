// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The state every part of the game shares: settings, board, flags, the
// geometry of an irregular board, the shared members of the main window and
// its elements. One board and one game at a time, touched from the user
// interface thread only.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "game/Elements.h"
#include "game/HeldPicture.h"
#include "game/Random.h"
#include "game/UnitRect.h"
#include "platform/Platform.h"
#include "settings/Settings.h"

namespace quilto {

// The sound cues lying beside the program.
namespace Sound {
inline constexpr const char* Cambia = "Cambia.wav";      // F7 marks, F8 peek
inline constexpr const char* NoMueve = "NoMueve.wav";    // a sliding piece that cannot move
inline constexpr const char* Desplaza = "Desplaza.wav";  // pieces slid into the empty slot
inline constexpr const char* Marca = "Marca.wav";        // mouse button released over a piece
inline constexpr const char* Acaba = "Acaba.wav";        // the puzzle is solved
}  // namespace Sound

inline constexpr const char* kSettingsFileName = "Quilto.ini";
inline constexpr const char* kHelpFileName = "Instrucciones.htm";
inline constexpr const char* kSamplesFolder = "Imagenes";
inline constexpr int kMaxSide = 65;

// The unit grid of an irregular board, indexed (column, row) from 0 to
// size + 2 both ways.
class Grid {
public:
    void Reset(int last) {
        last_ = last;
        cells_.assign(static_cast<std::size_t>((last + 1) * (last + 1)), 0);
    }
    std::int16_t& operator()(int c, int r) { return cells_[static_cast<std::size_t>(c * (last_ + 1) + r)]; }
    std::int16_t operator()(int c, int r) const { return cells_[static_cast<std::size_t>(c * (last_ + 1) + r)]; }

private:
    int last_ = -1;
    std::vector<std::int16_t> cells_;
};

// What the background writer knows of the files it keeps (game/GameKeeping.cpp).
struct KeptFiles;

// The game in progress kept by itself in the user's data folder
// (game/GameKeeping.h).
struct Keeping {
    std::string Folder;         // ends in the path separator; "" when there is none
    bool fCanWrite = false;     // the folder takes files: the game in progress is kept there
    bool fCanContinue = false;  // a kept game lies there that can be read ("Continuar partida")
    // The board last kept or let go after its win (BoardSerial), and the
    // board as it was then; 0 before the first in this run.
    std::uint32_t Serial = 0;
    bool fWritten = false;  // Serial's board was kept, not let go
    std::vector<std::int16_t> PieceAt;
    std::int16_t EmptySlot = 0;
    std::int16_t BarTicks = 0;
    double Due = -1;                   // when the change not yet kept is written; negative: none waits
    std::shared_ptr<KeptFiles> files;  // touched by the background work alone
};

struct GameState {
    explicit GameState(Platform& platform) : platform(platform) {}

    Platform& platform;
    Random rng;

    // Settings record.
    Settings settings;

    // Flags.
    bool fSkipConfirm = false;    // the next new puzzle starts without its question
    bool fPictureLoaded = false;  // a picture has been loaded in this run
    bool fPlaying = false;        // a puzzle is in play (until its win is acknowledged)
    bool fWon = false;            // the puzzle on the board is won: announced once, then covered by Image2
    bool fBorders = true;         // the pieces show thin borders (F5)
    // The game's modal message boxes and dialogs open right now, nested ones
    // counted (game/Boxes.h). While one waits the slippery pieces stand still.
    int BoxesOpen = 0;

    // Irregular board.
    std::int16_t LaidCount = 0;  // pieces the layout generator has laid so far
    double UnitWidth = 0;        // one layout unit, window units, on whole pixels
    double UnitHeight = 0;
    Grid LayoutGrid;                   // the unit grid the generator fills
    std::vector<UnitRect> LaidPieces;  // the units of piece k at [k - 1], as laid
    std::int16_t GridSize = 0;         // units per side (= Rows)

    // The area the board may take, window units; fixed once by the layout.
    std::int32_t BoardWidth = 0;
    std::int32_t BoardHeight = 0;

    // The board. BoardSerial changes whenever the board's elements are
    // destroyed, so that a pointer captured by an old element lets go.
    std::uint32_t BoardSerial = 0;
    std::int16_t PieceCount = 0;        // pieces of the current board
    std::int16_t EmptySlot = 0;         // sliding mode: the position showing the empty slot
    std::vector<std::int16_t> PieceAt;  // the piece each position shows, [1..PieceCount]; [0] unused

    // Shared members of the main window.
    std::string AppDir;  // ends in the system's path separator (game/Paths.h)
    // Full paths of the settings file each new puzzle saves and of the one
    // start-up reads; empty: "Quilto.ini" beside the program, and the saved one.
    std::string SettingsPath;
    std::string SettingsReadPath;
    bool fAdjacent = false;      // result of TestAdjacent
    bool fDragging = false;      // a drag is in progress
    std::int16_t DragSlot = 0;   // where the drag started; 0 without one
    std::int16_t DropSlot = 0;   // the position the drag's trial exchange trades with; 0 before any
    bool fKeyCarrying = false;   // the drag in progress was picked up with the keyboard
    std::int16_t KeySlot = 0;    // the position the keyboard cursor is on; 0 before the first arrow
    bool fPeeking = false;       // F8 shows the finished picture
    bool fKeyMoving = false;     // F7 marks the misplaced pieces
    bool fLayoutPending = true;  // the board frame waits for its one-time layout

    // The main window's elements and the pictures they show.
    Window win;
    PictureTable pictures;

    // The loaded picture all puzzles are cut from, and the one the current
    // board was cut from (they differ after a load whose puzzle was declined).
    HeldPicture PicClip1;
    HeldPicture BoardPicture;
    // The folder of the last picture chosen in the file dialog, where the
    // dialog opens next; empty until then (the sample pictures).
    std::string PictureFolder;
    // The folder of the last game saved, where the save dialog opens next;
    // empty until then (the user's documents).
    std::string SavedGameFolder;

    // The game in progress kept by itself.
    Keeping keeping;

    // Opens the configuration dialog modally; set by the window. The game
    // opens it through OpenConfiguration (game/Boxes.h).
    std::function<void()> ShowConfiguration;

    std::string AppFile(const std::string& name) const { return AppDir + name; }
    std::string SettingsFile() const { return SettingsPath.empty() ? AppFile(kSettingsFileName) : SettingsPath; }
    std::string SettingsFileToRead() const { return SettingsReadPath.empty() ? SettingsFile() : SettingsReadPath; }
    void PlayCue(const char* name) { platform.PlaySound(AppFile(name)); }
};

}  // namespace quilto
