// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/GameKeeping.h"

#include <algorithm>
#include <cstdint>
#include <memory>

#include "game/Boxes.h"
#include "game/KeptGame.h"
#include "game/SavedGameFile.h"
#include "game/SlipperyBar.h"

namespace quilto {

// The saved game this run last wrote or opened, as the background work
// knows it: its file's stamp and its fingerprint, which board files name.
struct KeptFiles {
    std::string stamp;  // "" : none, or it was not written whole
    std::uint64_t fingerprint = 0;
};

namespace {

// A board file is some 8.5 KiB on the largest board.
constexpr std::size_t kMaxKeptBoardBytes = std::size_t{64} << 10;

struct KeptRead {
    SavedGame game;
    std::uint64_t fingerprint = 0;
    std::string stamp;
};

std::optional<KeptRead> ReadKept(Platform& platform, const std::string& folder) {
    const std::string saved = folder + kKeptGameFileName;
    KeptRead kept;
    // Taken first: if the file is replaced while it is read, the writer
    // finds the stamp changed and writes its game whole.
    kept.stamp = platform.FileStamp(saved);
    std::string bytes;
    if (kept.stamp.empty() || !platform.ReadWholeFile(saved, kMaxSavedGameFileBytes, bytes)) return std::nullopt;
    DecodedSavedGame decoded = DecodeSavedGame(bytes);
    if (decoded.fault != SavedGameFault::None) return std::nullopt;
    kept.fingerprint = FileFingerprint(bytes);
    bytes = {};
    kept.game = std::move(decoded.game);
    std::string board;
    if (platform.ReadWholeFile(folder + kKeptBoardFileName, kMaxKeptBoardBytes, board))
        if (std::optional<SavedGame> moved = ApplyKeptBoard(kept.game, kept.fingerprint, board))
            kept.game = std::move(*moved);
    return kept;
}

// On the background thread: the game whole when its board begins, or when
// another copy of the program has kept its own game since (this one takes
// its place whole); otherwise the board file alone.
void WriteKeptFiles(Platform& platform, KeptFiles& files, const std::string& folder, SavedGame game,
                    const std::string& picture, bool whole) {
    const std::string saved = folder + kKeptGameFileName, board = folder + kKeptBoardFileName;
    if (whole || files.stamp.empty() || platform.FileStamp(saved) != files.stamp) {
        files.stamp.clear();
        game.PictureBytes = picture;
        const std::optional<std::string> bytes = EncodeSavedGame(game);
        game.PictureBytes = {};
        if (!bytes) return;
        // The board file for the new saved game goes first: until the saved
        // game follows it fits nothing, and an older one could fit a saved
        // game of the very same bytes.
        const std::uint64_t fingerprint = FileFingerprint(*bytes);
        if (!platform.WriteFileAtomically(board, EncodeKeptBoard(game, fingerprint)) ||
            !platform.WriteFileAtomically(saved, *bytes))
            return;
        files.fingerprint = fingerprint;
        files.stamp = platform.FileStamp(saved);
        return;
    }
    platform.WriteFileAtomically(board, EncodeKeptBoard(game, files.fingerprint));
}

std::int16_t CurrentBarTicks(const GameState& g) {
    return g.settings.fSlippery ? static_cast<std::int16_t>(BarTicks(g.win.Label4.box.Width, g.win.Label1.box.Width))
                                : std::int16_t{0};
}

// Notes the board in play as the one kept.
void MarkKept(GameState& g, std::int16_t barTicks) {
    Keeping& k = g.keeping;
    k.Serial = g.BoardSerial;
    k.fWritten = true;
    const auto end = g.PieceAt.begin() + std::min<std::ptrdiff_t>(g.PieceCount + 1, std::ssize(g.PieceAt));
    k.PieceAt.assign(g.PieceAt.begin(), end);
    k.EmptySlot = g.EmptySlot;
    k.BarTicks = barTicks;
    k.Due = -1;
}

bool BoardKept(const GameState& g, bool withBar) {
    const Keeping& k = g.keeping;
    if (!k.fWritten || k.Serial != g.BoardSerial || k.EmptySlot != g.EmptySlot) return false;
    const auto count = std::min<std::ptrdiff_t>(g.PieceCount + 1, std::ssize(g.PieceAt));
    if (std::ssize(k.PieceAt) != count || !std::equal(k.PieceAt.begin(), k.PieceAt.end(), g.PieceAt.begin()))
        return false;
    return !withBar || k.BarTicks == CurrentBarTicks(g);
}

KeptFiles& Files(Keeping& k) {
    if (!k.files) k.files = std::make_shared<KeptFiles>();
    return *k.files;
}

void Write(GameState& g) {
    Keeping& k = g.keeping;
    const bool whole = !k.fWritten || k.Serial != g.BoardSerial;
    SavedGame board = CaptureBoard(g);
    MarkKept(g, board.BarTicks);
    k.fCanContinue = true;
    Files(k);
    g.platform.RunInBackground([&platform = g.platform, files = k.files, folder = k.Folder, board = std::move(board),
                                picture = g.BoardPicture.SharedBytes(), whole]() mutable {
        if (picture) WriteKeptFiles(platform, *files, folder, std::move(board), *picture, whole);
    });
}

// A won puzzle: the kept game goes, so that nothing is left to continue.
void LetGo(GameState& g) {
    Keeping& k = g.keeping;
    k.Serial = g.BoardSerial;
    k.fWritten = false;
    k.PieceAt.clear();
    k.Due = -1;
    k.fCanContinue = false;
    Files(k);
    g.platform.RunInBackground([&platform = g.platform, files = k.files, folder = k.Folder] {
        files->stamp.clear();
        platform.RemoveFile(folder + kKeptGameFileName);
        platform.RemoveFile(folder + kKeptBoardFileName);
    });
}

void Keep(GameState& g, bool now) {
    Keeping& k = g.keeping;
    if (!k.fCanWrite) return;
    if (!CanSaveGame(g)) {
        k.Due = -1;
        const bool letGo = k.Serial == g.BoardSerial && !k.fWritten;
        if (g.fWon && !letGo) LetGo(g);
        return;
    }
    if (BoardKept(g, now)) {
        k.Due = -1;
        return;
    }
    const double t = g.platform.Now();
    if (k.Due < 0) k.Due = t + kKeepAfterSeconds;
    if (now || t >= k.Due) Write(g);
}

}  // namespace

void FindKeptGame(GameState& g) {
    Keeping& k = g.keeping;
    bool writable = false;
    k.Folder = g.platform.DataFolder(writable);
    k.fCanWrite = !k.Folder.empty() && writable;
    // Whether it opens is the saved game's alone (a board file that does not
    // fit is passed over), so start-up neither fingerprints it nor reads the
    // board file.
    std::string bytes;
    k.fCanContinue = !k.Folder.empty() &&
                     g.platform.ReadWholeFile(k.Folder + kKeptGameFileName, kMaxSavedGameFileBytes, bytes) &&
                     DecodeSavedGame(bytes).fault == SavedGameFault::None;
}

void KeepGame(GameState& g) {
    Keep(g, false);
}

double SecondsUntilKept(GameState& g) {
    const double due = g.keeping.Due;
    return due < 0 ? -1 : std::max(0.0, due - g.platform.Now());
}

void KeepGameNow(GameState& g) {
    Keep(g, true);
    g.platform.FinishBackgroundWork();
}

void ContinueGame(GameState& g) {
    Keeping& k = g.keeping;
    if (!k.fCanContinue) return;
    g.platform.FinishBackgroundWork();  // what this run was writing is in place
    std::optional<KeptRead> kept = ReadKept(g.platform, k.Folder);
    if (!kept) {
        k.fCanContinue = false;
        ShowMessage(g, "Partida no válida.", MsgIcon::Exclamation);
        return;
    }
    const std::int16_t bar = kept->game.BarTicks;
    if (!OpenGameRecord(g, std::move(kept->game))) return;
    // The board opened is the one kept: nothing is written until it changes,
    // and then the board file alone, for the saved game that lies there.
    MarkKept(g, bar);
    if (!k.fCanWrite) return;
    Files(k);
    g.platform.RunInBackground(
        [files = k.files, stamp = std::move(kept->stamp), fingerprint = kept->fingerprint]() mutable {
            files->stamp = std::move(stamp);
            files->fingerprint = fingerprint;
        });
}

std::optional<SavedGame> ReadKeptGame(Platform& platform, const std::string& folder) {
    std::optional<KeptRead> kept = ReadKept(platform, folder);
    if (!kept) return std::nullopt;
    return std::move(kept->game);
}

}  // namespace quilto
