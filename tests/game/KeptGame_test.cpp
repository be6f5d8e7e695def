// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// Saving a game and opening it again, through the menu's functions on a
// fake platform with real files.
#include "game/KeptGame.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "game/Completion.h"
#include "game/Exchange.h"
#include "game/GameKeeping.h"
#include "game/GameMenu.h"
#include "game/KeyboardPlay.h"
#include "game/PictureLoading.h"
#include "game/PuzzleRefusal.h"
#include "game/SavedGameFile.h"
#include "game/SlipperyBar.h"
#include "support/BoardFixture.h"

namespace quilto::test {
namespace {

constexpr const char* kPixels = "the picture's bytes";

// A window of this outer size, maximized; every picture decodes as 800 x 600 pixels.
struct Kept : WindowFixture {
    explicit Kept(float outerWidth = 9000 + 480, float outerHeight = 6000 + 880) {
        g.fLayoutPending = true;
        Form_Resize(g, WindowState::Maximized, outerWidth, outerHeight);
        fake.pictureBytes[kPixels] = {800, 600};
        dialog = [this] { g.fSkipConfirm = true; };
    }
    // A game of these settings cut from a real picture file.
    void StartFromFile(const Settings& s) {
        const std::string path = dir.File("foto.jpg");
        std::ofstream(path, std::ios::binary) << kPixels;
        fake.pictures[path] = {800, 600};
        g.settings = s;
        LoadPictureFile(g, path);
    }
    // A window of the usual size keeping its games in folder.
    explicit Kept(const std::string& folder) : Kept() { KeepIn(folder); }
    // Keeps games in folder, as start-up finds it.
    void KeepIn(const std::string& folder) {
        fake.dataFolder = folder;
        FindKeptGame(g);
    }
    // The game kept in its data folder, as the next run would continue it; an empty one when none reads.
    SavedGame KeptGame() { return ReadKeptGame(fake, fake.dataFolder).value_or(SavedGame{}); }
    std::string Save() {
        const std::string path = dir.File("partida.quilto");
        fake.savePaths.push_back(path);
        MnuSave_Click(g);
        return path;
    }
    std::vector<Box> Boxes() const {
        std::vector<Box> v;
        for (const Element& e : g.win.Image1) v.push_back(e.box);
        return v;
    }
    // The rectangle of the picture each position shows; the handle's source is left out.
    std::vector<PixelRect> Pictures() const {
        std::vector<PixelRect> v;
        for (const Element& e : g.win.Image1) {
            PixelRect r = g.pictures[e.Picture];
            r.source = kNoPictureId;
            v.push_back(r);
        }
        return v;
    }
};

const Settings kKinds[] = {{6, 4, 3, false, false, false},
                           {5, 5, 3, false, true, false},
                           {9, 9, 3, true, false, false},
                           {9, 9, 3, true, true, false},
                           {7, 3, 3, false, false, true}};

TEST(KeptGame, EveryKindOfBoardOpensAsSavedInThisFrameAndAnother) {
    for (const Settings& s : kKinds) {
        SCOPED_TRACE(::testing::PrintToString(s));
        Kept a;
        a.StartFromFile(s);
        ASSERT_TRUE(CanSaveGame(a.g));
        if (s.fSlippery) a.g.win.Label4.box.Width = BarWidthAfter(7, a.g.win.Label1.box.Width);
        const SavedGame before = CaptureSavedGame(a.g);
        const std::string path = a.Save();
        // Saving changes nothing, and the picture is not needed any more.
        EXPECT_FIELDS((before.PictureName, before.BarTicks, a.fake.saveDialogs.at(0).first,
                       a.fake.saveDialogs.at(0).second, CaptureSavedGame(a.g)),
                      ("foto.jpg", s.fSlippery ? 7 : 0, "", "foto.quilto", before));
        std::filesystem::remove(a.dir.File("foto.jpg"));

        // In the same frame each position shows the same part of the picture.
        Kept same;
        OpenSavedGame(same.g, path);
        EXPECT_EQ(same.Pictures(), a.Pictures());
        // In a smaller frame, laid out as a new puzzle of these settings is there.
        Kept small(1366 * 15, 768 * 15), fresh(1366 * 15, 768 * 15);
        OpenSavedGame(small.g, path);
        fresh.StartFromFile(s);
        EXPECT_FIELDS((small.fake.MessageTexts(), CaptureSavedGame(small.g), small.g.PicClip1.id(), small.g.fPlaying,
                       small.g.win.Label4.Visible, small.g.win.Label1.box),
                      (Texts{}, before, small.g.BoardPicture.id(), true, s.fSlippery, fresh.g.win.Label1.box));
        if (!s.fIrregular) {
            EXPECT_EQ(small.Boxes(), fresh.Boxes());
        }
    }
}

TEST(KeptGame, BadFilesAndRefusedOpeningsLeaveTheGameInPlay) {
    Kept k;
    k.StartFromFile(kKinds[3]);
    const std::string good = k.Save();
    const SavedGame before = CaptureSavedGame(k.g);
    const std::vector<Box> boxes = k.Boxes();
    std::string bytes;
    ASSERT_TRUE(k.fake.ReadWholeFile(good, 1 << 20, bytes));

    SavedGame notAPicture = before, tooLarge = before;
    notAPicture.PictureBytes = "not a picture";
    tooLarge.settings = {65, 65, 3, false, false, false};
    tooLarge.Pieces.clear(), tooLarge.EmptySlot = 0;
    tooLarge.PieceAt.resize(65 * 65 + 1);
    for (int p = 1; p <= 65 * 65; ++p) tooLarge.PieceAt[std::size_t(p)] = std::int16_t(65 * 65 + 1 - p);
    k.fake.pictureBytes["tiny"] = {20, 20};
    tooLarge.PictureBytes = "tiny";
    const struct {
        const char* what;
        std::string bytes;
        std::string message;
        MsgResult answer = MsgResult::Ok;
    } cases[] = {
        {"not a saved game", "hola", "Partida no válida."},
        {"picture not a picture", *EncodeSavedGame(notAPicture), "Partida no válida."},
        {"board too large", *EncodeSavedGame(tooLarge), TooLargeMessage(tooLarge.settings)},
        {"question declined", bytes, "Quieres empezar otro puzzle?", MsgResult::Cancel},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string path = k.dir.File("mala.quilto");
        ASSERT_TRUE(k.fake.WriteFileAtomically(path, c.bytes));
        k.fake.messages.clear();
        k.fake.answers = {MsgResult::Ok, c.answer};
        OpenSavedGame(k.g, path);
        EXPECT_FIELDS((k.fake.MessageTexts().back(), CaptureSavedGame(k.g), k.Boxes(), k.g.fPlaying),
                      (c.message, before, boxes, true));
    }
    k.fake.messages.clear();
    OpenSavedGame(k.g, k.dir.File("no existe.quilto"));
    EXPECT_EQ(k.fake.MessageTexts(), Texts{"Partida no válida."});
}

TEST(KeptGame, AFailedSaveIsToldAndTheGameGoesOn) {
    Kept k;
    k.StartFromFile(kKinds[0]);
    k.fake.failWrites = true;
    const SavedGame before = CaptureSavedGame(k.g);
    k.Save();
    EXPECT_FIELDS((k.fake.MessageTexts(), k.fake.messages.at(0).icon, CaptureSavedGame(k.g)),
                  (Texts{"No se ha podido guardar la partida."}, MsgIcon::Exclamation, before));
    // The dialog opens where the last game was saved, and there is none yet.
    k.fake.failWrites = false;
    k.Save();
    k.Save();
    EXPECT_FIELDS((k.fake.saveDialogs.at(1).first, k.fake.saveDialogs.at(2).first), ("", k.dir.Path().string()));
    // No game to save once it is won.
    k.g.fWon = true;
    EXPECT_FALSE(CanSaveGame(k.g));
}

// Slides the first piece an arrow can slide on a sliding board.
void Slide(GameState& g) {
    const std::vector<std::int16_t> before = g.PieceAt;
    for (const int key : {kKeyLeft, kKeyUp, kKeyRight, kKeyDown})
        if (PlayKeyDown(g, key, false), g.PieceAt != before) return;
    ADD_FAILURE() << "no arrow slid a piece";
}

TEST(KeptGame, TheGameInProgressIsKeptAFewSecondsBehindAndContinuedInTheNextRun) {
    TempDir data;
    const std::string folder = data.AsAppDir(), saved = folder + kKeptGameFileName;
    Kept a(folder);
    EXPECT_FALSE(CanContinueGame(a.g));
    a.StartFromFile(kKinds[1]);
    KeepGame(a.g);
    EXPECT_FIELDS((SecondsUntilKept(a.g), std::filesystem::exists(saved)), (kKeepAfterSeconds, false));
    a.fake.now += kKeepAfterSeconds;
    KeepGame(a.g);
    EXPECT_FIELDS((a.KeptGame()), (CaptureSavedGame(a.g)));
    const std::string stamp = a.fake.FileStamp(saved);

    // A slide is kept within the delay, by the board file alone: the
    // picture is not written again.
    Slide(a.g);
    KeepGame(a.g);
    a.fake.now += kKeepAfterSeconds - 0.1;
    KeepGame(a.g);
    EXPECT_NE(a.KeptGame(), CaptureSavedGame(a.g));
    a.fake.now += 0.1;
    KeepGame(a.g);
    EXPECT_FIELDS((a.KeptGame(), a.fake.FileStamp(saved), std::filesystem::exists(folder + kKeptBoardFileName)),
                  (CaptureSavedGame(a.g), stamp, true));

    // The next run continues it, and writes nothing until it changes.
    Kept b(folder);
    EXPECT_TRUE(CanContinueGame(b.g));
    MnuContinue_Click(b.g);
    EXPECT_FIELDS((b.fake.MessageTexts(), CaptureSavedGame(b.g)), (Texts{}, CaptureSavedGame(a.g)));
    KeepGame(b.g);
    EXPECT_LT(SecondsUntilKept(b.g), 0);

    // Another copy of the program keeps its own game meanwhile; the next
    // change of this one puts this one back whole, never mixed with it.
    Kept c(folder);
    c.StartFromFile(kKinds[0]);
    KeepGameNow(c.g);
    EXPECT_FIELDS((c.KeptGame()), (CaptureSavedGame(c.g)));
    Slide(b.g);
    KeepGameNow(b.g);
    EXPECT_FIELDS((b.KeptGame()), (CaptureSavedGame(b.g)));

    // A win leaves nothing to continue; the bar of a slippery game is kept
    // when the window closes.
    for (int p = 1; p <= c.g.PieceCount; ++p)
        SwapPieces(c.g, p, int(std::ranges::find(c.g.PieceAt, p) - c.g.PieceAt.begin()));
    CheckCompletion(c.g);
    KeepGame(c.g);
    EXPECT_FIELDS((CanContinueGame(c.g), ReadKeptGame(c.fake, folder).has_value()), (false, false));
    Kept d(folder);
    d.StartFromFile(kKinds[4]);
    KeepGameNow(d.g);
    d.g.win.Label4.box.Width = BarWidthAfter(5, d.g.win.Label1.box.Width);
    KeepGameNow(d.g);
    EXPECT_EQ(d.KeptGame().BarTicks, 5);
}

TEST(KeptGame, AKeptGameThatCannotBeReadStaysAsItIsAndAFolderThatTakesNoFilesKeepsNothing) {
    TempDir data;
    const std::string folder = data.AsAppDir(), saved = folder + kKeptGameFileName, board = folder + kKeptBoardFileName;
    Kept a(folder);
    a.StartFromFile(kKinds[3]);
    KeepGameNow(a.g);
    const SavedGame whole = CaptureSavedGame(a.g);
    Slide(a.g);
    KeepGameNow(a.g);
    const SavedGame moved = CaptureSavedGame(a.g);
    const std::string savedBytes = FileBytes(saved), boardBytes = FileBytes(board);

    // A board file cut short, or one of another game, leaves the game as
    // last written whole.
    for (std::size_t cut = 0; cut < boardBytes.size(); cut += 7) {
        std::ofstream(board, std::ios::binary) << boardBytes.substr(0, cut);
        EXPECT_FIELDS((a.KeptGame()), (whole)) << "board file cut at " << cut;
    }
    std::ofstream(board, std::ios::binary) << EncodeKeptBoard(moved, FileFingerprint(savedBytes) + 1);
    EXPECT_FIELDS((a.KeptGame()), (whole));

    // A saved game cut short anywhere, or of a newer version: nothing to
    // continue, and the file stays as it is.
    std::string newer = savedBytes;
    newer[kSavedGameMagic.size()] = 2;
    for (const std::string& bad :
         {savedBytes.substr(0, 9), savedBytes.substr(0, kSavedGameMagic.size() + 5),
          savedBytes.substr(0, savedBytes.size() / 2), savedBytes.substr(0, savedBytes.size() - 1), newer}) {
        std::ofstream(saved, std::ios::binary) << bad;
        Kept next(folder);
        KeepGameNow(next.g);
        EXPECT_FIELDS((CanContinueGame(next.g), FileBytes(saved)), (false, bad))
            << "a saved game of " << bad.size() << " bytes";
    }

    // A folder that takes no files: the kept game continues, nothing is
    // written and nothing is said; nor when the folder is missing, or
    // writing fails.
    std::ofstream(saved, std::ios::binary) << savedBytes;
    std::filesystem::remove(board);
    Kept readOnly;
    readOnly.fake.dataWritable = false;
    readOnly.KeepIn(folder);
    MnuContinue_Click(readOnly.g);
    EXPECT_FIELDS((CaptureSavedGame(readOnly.g)), (whole));
    Slide(readOnly.g);
    KeepGameNow(readOnly.g);
    EXPECT_FALSE(std::filesystem::exists(board));
    Kept none(""), failing(folder);
    failing.fake.failWrites = true;
    for (Kept* k : {&readOnly, &none, &failing}) {
        k->StartFromFile(kKinds[0]);
        k->fake.messages.clear();
        KeepGameNow(k->g);
        EXPECT_EQ(k->fake.MessageTexts(), Texts{});
    }
    EXPECT_FIELDS((FileBytes(saved), CanContinueGame(none.g)), (savedBytes, false));
}

}  // namespace
}  // namespace quilto::test
