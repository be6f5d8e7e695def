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

struct Kept {
    WindowFixture w;
    explicit Kept(float outerWidth = 9000 + 480, float outerHeight = 6000 + 880) {
        Form_Resize(w.g, WindowState::Normal, outerWidth, outerHeight);
        w.g.fLayoutPending = true;
        Form_Resize(w.g, WindowState::Maximized, outerWidth, outerHeight);
        w.fake.pictureBytes[kPixels] = {800, 600};
        w.dialog = [this] { w.g.fSkipConfirm = true; };
    }
    // A game of these settings cut from a real picture file.
    void Start(const Settings& s) {
        const std::string path = w.dir.File("foto.jpg");
        std::ofstream(path, std::ios::binary) << kPixels;
        w.fake.pictures[path] = {800, 600};
        w.g.settings = s;
        LoadPictureFile(w.g, path);
    }
    // Keeps games in folder, as start-up finds it.
    void KeepIn(const std::string& folder) {
        w.fake.dataFolder = folder;
        FindKeptGame(w.g);
    }
    std::string Save(const std::string& name = "partida.quilto") {
        const std::string path = w.dir.File(name);
        w.fake.savePaths.push_back(path);
        MnuSave_Click(w.g);
        return path;
    }
    std::vector<Box> Boxes() const {
        std::vector<Box> v;
        for (const Element& e : w.g.win.Image1) v.push_back(e.box);
        return v;
    }
    // The rectangle of the picture each position shows; the handle's source is left out.
    std::vector<PixelRect> Pictures() const {
        std::vector<PixelRect> v;
        for (const Element& e : w.g.win.Image1) v.push_back(WithoutSource(w.g.pictures[e.Picture]));
        return v;
    }
    static PixelRect WithoutSource(PixelRect r) {
        r.source = kNoPictureId;
        return r;
    }
};

Settings Board(int columns, int rows, bool irregular, bool slide, bool slippery) {
    Settings s;
    s.Columns = std::int16_t(columns), s.Rows = std::int16_t(rows);
    s.fIrregular = irregular, s.fSlide = slide, s.fSlippery = slippery;
    return s;
}

const Settings kKinds[] = {Board(6, 4, false, false, false), Board(5, 5, false, true, false),
                           Board(9, 9, true, false, false), Board(9, 9, true, true, false),
                           Board(7, 3, false, false, true)};

TEST(KeptGame, EveryKindOfBoardOpensAsSavedInThisFrameAndAnother) {
    for (const Settings& s : kKinds) {
        SCOPED_TRACE(::testing::PrintToString(s));
        Kept a;
        a.Start(s);
        ASSERT_TRUE(CanSaveGame(a.w.g));
        if (s.fSlippery) a.w.g.win.Label4.box.Width = BarWidthAfter(7, a.w.g.win.Label1.box.Width);
        const SavedGame before = CaptureSavedGame(a.w.g);
        EXPECT_EQ(before.PictureName, "foto.jpg");
        EXPECT_EQ(before.BarTicks, s.fSlippery ? 7 : 0);
        const std::string path = a.Save();
        EXPECT_FIELDS((a.w.fake.saveDialogs.at(0).first, a.w.fake.saveDialogs.at(0).second), ("", "foto.quilto"));
        // Saving changes nothing, and the picture is not needed any more.
        EXPECT_EQ(CaptureSavedGame(a.w.g), before);
        std::filesystem::remove(a.w.dir.File("foto.jpg"));

        Kept same;
        same.w.g.settings = Board(3, 3, false, false, false);
        OpenSavedGame(same.w.g, path);
        EXPECT_EQ(same.w.fake.MessageTexts(), std::vector<std::string>{});
        EXPECT_EQ(CaptureSavedGame(same.w.g), before);
        EXPECT_EQ(same.w.g.settings, s);
        EXPECT_EQ(same.w.g.PicClip1.id(), same.w.g.BoardPicture.id());
        EXPECT_EQ(same.Boxes(), a.Boxes());
        EXPECT_EQ(same.Pictures(), a.Pictures());
        EXPECT_EQ(same.w.g.win.Shape4, a.w.g.win.Shape4);
        EXPECT_EQ(same.w.g.win.Label1.box, a.w.g.win.Label1.box);
        EXPECT_EQ(same.w.g.win.Label4.box, a.w.g.win.Label4.box);
        EXPECT_EQ(same.w.g.win.Label4.Visible, s.fSlippery);
        EXPECT_TRUE(same.w.g.fPlaying);

        Kept small(1366 * 15, 768 * 15);
        OpenSavedGame(small.w.g, path);
        EXPECT_EQ(CaptureSavedGame(small.w.g), before);
        // Laid out as a new puzzle of these settings is in that frame.
        Kept fresh(1366 * 15, 768 * 15);
        fresh.Start(s);
        EXPECT_EQ(small.w.g.win.Label1.box, fresh.w.g.win.Label1.box);
        if (!s.fIrregular) {
            EXPECT_EQ(small.Boxes(), fresh.Boxes());
        }
    }
}

TEST(KeptGame, BadFilesAndRefusedOpeningsLeaveTheGameInPlay) {
    Kept k;
    k.Start(kKinds[3]);
    const std::string good = k.Save();
    const SavedGame before = CaptureSavedGame(k.w.g);
    const std::vector<Box> boxes = k.Boxes();
    std::string bytes;
    ASSERT_TRUE(k.w.fake.ReadWholeFile(good, 1 << 20, bytes));

    SavedGame notAPicture = before;
    notAPicture.PictureBytes = "not a picture";
    SavedGame tooLarge = before;
    tooLarge.settings = Board(65, 65, false, false, false);
    tooLarge.Pieces.clear(), tooLarge.EmptySlot = 0;
    tooLarge.PieceAt.resize(65 * 65 + 1);
    for (int p = 1; p <= 65 * 65; ++p) tooLarge.PieceAt[std::size_t(p)] = std::int16_t(65 * 65 + 1 - p);
    k.w.fake.pictureBytes["tiny"] = {20, 20};
    tooLarge.PictureBytes = "tiny";
    const struct {
        const char* what;
        std::string bytes;
        std::string message;
        MsgResult answer = MsgResult::Ok;
    } cases[] = {
        {"not a saved game", "hola", "Partida no válida."},
        {"cut short", bytes.substr(0, bytes.size() - 1), "Partida no válida."},
        {"a newer version", std::string(kSavedGameMagic) + "\x02" + bytes.substr(kSavedGameMagic.size() + 1),
         "Partida no válida."},
        {"picture not a picture", *EncodeSavedGame(notAPicture), "Partida no válida."},
        {"board too large", *EncodeSavedGame(tooLarge), TooLargeMessage(tooLarge.settings)},
        {"question declined", bytes, "Quieres empezar otro puzzle?", MsgResult::Cancel},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string path = k.w.dir.File("mala.quilto");
        ASSERT_TRUE(k.w.fake.WriteFileAtomically(path, c.bytes));
        k.w.fake.messages.clear();
        k.w.fake.answers = {MsgResult::Ok, c.answer};
        OpenSavedGame(k.w.g, path);
        EXPECT_EQ(k.w.fake.MessageTexts().back(), c.message);
        EXPECT_EQ(CaptureSavedGame(k.w.g), before);
        EXPECT_EQ(k.Boxes(), boxes);
        EXPECT_TRUE(k.w.g.fPlaying);
    }
    k.w.fake.messages.clear();
    OpenSavedGame(k.w.g, k.w.dir.File("no existe.quilto"));
    EXPECT_EQ(k.w.fake.MessageTexts(), std::vector<std::string>{"Partida no válida."});
}

TEST(KeptGame, AFailedSaveIsToldAndTheGameGoesOn) {
    Kept k;
    k.Start(kKinds[0]);
    k.w.fake.failWrites = true;
    const SavedGame before = CaptureSavedGame(k.w.g);
    k.Save();
    EXPECT_EQ(k.w.fake.MessageTexts(), std::vector<std::string>{"No se ha podido guardar la partida."});
    EXPECT_EQ(k.w.fake.messages.at(0).icon, MsgIcon::Exclamation);
    EXPECT_EQ(CaptureSavedGame(k.w.g), before);
    // The dialog opens where the last game was saved, and there is none yet.
    k.w.fake.failWrites = false;
    k.Save();
    k.Save();
    EXPECT_EQ(k.w.fake.saveDialogs.at(1).first, "");
    EXPECT_EQ(k.w.fake.saveDialogs.at(2).first, k.w.dir.Path().string());
    // No game to save once it is won.
    k.w.g.fWon = true;
    EXPECT_FALSE(CanSaveGame(k.w.g));
}

// Slides the first piece an arrow can slide on a sliding board.
void Slide(GameState& g) {
    const std::vector<std::int16_t> before = g.PieceAt;
    for (const int key : {kKeyLeft, kKeyUp, kKeyRight, kKeyDown})
        if (PlayKeyDown(g, key, false), g.PieceAt != before) return;
    ADD_FAILURE() << "no arrow slid a piece";
}

std::string FileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(KeptGame, TheGameInProgressIsKeptAFewSecondsBehindAndContinuedInTheNextRun) {
    TempDir data;
    const std::string folder = data.AsAppDir(), saved = folder + kKeptGameFileName;
    Kept a;
    a.KeepIn(folder);
    EXPECT_FALSE(CanContinueGame(a.w.g));
    a.Start(kKinds[1]);
    KeepGame(a.w.g);
    EXPECT_EQ(SecondsUntilKept(a.w.g), kKeepAfterSeconds);
    EXPECT_FALSE(std::filesystem::exists(saved));
    a.w.fake.now += kKeepAfterSeconds;
    KeepGame(a.w.g);
    EXPECT_EQ(ReadKeptGame(a.w.fake, folder), CaptureSavedGame(a.w.g));
    const std::string stamp = a.w.fake.FileStamp(saved);

    // A slide is kept within the delay, by the board file alone: the
    // picture is not written again.
    Slide(a.w.g);
    KeepGame(a.w.g);
    a.w.fake.now += kKeepAfterSeconds - 0.1;
    KeepGame(a.w.g);
    EXPECT_NE(ReadKeptGame(a.w.fake, folder), CaptureSavedGame(a.w.g));
    a.w.fake.now += 0.1;
    KeepGame(a.w.g);
    EXPECT_EQ(ReadKeptGame(a.w.fake, folder), CaptureSavedGame(a.w.g));
    EXPECT_EQ(a.w.fake.FileStamp(saved), stamp);
    EXPECT_TRUE(std::filesystem::exists(folder + kKeptBoardFileName));

    // The next run continues it, and writes nothing until it changes.
    Kept b;
    b.KeepIn(folder);
    EXPECT_TRUE(CanContinueGame(b.w.g));
    MnuContinue_Click(b.w.g);
    EXPECT_EQ(b.w.fake.MessageTexts(), std::vector<std::string>{});
    EXPECT_EQ(CaptureSavedGame(b.w.g), CaptureSavedGame(a.w.g));
    KeepGame(b.w.g);
    EXPECT_LT(SecondsUntilKept(b.w.g), 0);

    // Another copy of the program keeps its own game meanwhile; the next
    // change of this one puts this one back whole, never mixed with it.
    Kept c;
    c.KeepIn(folder);
    c.Start(kKinds[0]);
    KeepGameNow(c.w.g);
    EXPECT_EQ(ReadKeptGame(c.w.fake, folder), CaptureSavedGame(c.w.g));
    Slide(b.w.g);
    KeepGameNow(b.w.g);
    EXPECT_EQ(ReadKeptGame(b.w.fake, folder), CaptureSavedGame(b.w.g));

    // A win leaves nothing to continue; the bar of a slippery game is kept
    // when the window closes.
    for (int p = 1; p <= c.w.g.PieceCount; ++p)
        for (int q = p; q <= c.w.g.PieceCount; ++q)
            if (c.w.g.PieceAt[std::size_t(q)] == p) SwapPieces(c.w.g, p, q);
    CheckCompletion(c.w.g);
    KeepGame(c.w.g);
    EXPECT_FALSE(CanContinueGame(c.w.g));
    EXPECT_EQ(ReadKeptGame(c.w.fake, folder), std::nullopt);
    Kept d;
    d.KeepIn(folder);
    d.Start(kKinds[4]);
    KeepGameNow(d.w.g);
    d.w.g.win.Label4.box.Width = BarWidthAfter(5, d.w.g.win.Label1.box.Width);
    KeepGameNow(d.w.g);
    EXPECT_EQ(ReadKeptGame(d.w.fake, folder).value_or(SavedGame{}).BarTicks, 5);
}

TEST(KeptGame, AKeptGameThatCannotBeReadStaysAsItIsAndAFolderThatTakesNoFilesKeepsNothing) {
    TempDir data;
    const std::string folder = data.AsAppDir(), saved = folder + kKeptGameFileName, board = folder + kKeptBoardFileName;
    Kept a;
    a.KeepIn(folder);
    a.Start(kKinds[3]);
    KeepGameNow(a.w.g);
    const SavedGame whole = CaptureSavedGame(a.w.g);
    Slide(a.w.g);
    KeepGameNow(a.w.g);
    const SavedGame moved = CaptureSavedGame(a.w.g);
    const std::string savedBytes = FileBytes(saved), boardBytes = FileBytes(board);

    // A board file cut short, or one of another game, leaves the game as
    // last written whole.
    for (std::size_t cut = 0; cut < boardBytes.size(); cut += 7) {
        std::ofstream(board, std::ios::binary) << boardBytes.substr(0, cut);
        EXPECT_EQ(ReadKeptGame(a.w.fake, folder), whole) << "board file cut at " << cut;
    }
    std::ofstream(board, std::ios::binary) << EncodeKeptBoard(moved, FileFingerprint(savedBytes) + 1);
    EXPECT_EQ(ReadKeptGame(a.w.fake, folder), whole);

    // A saved game cut short anywhere, or of a newer version: nothing to
    // continue, and the file stays as it is.
    std::string newer = savedBytes;
    newer[kSavedGameMagic.size()] = 2;
    for (const std::string& bad :
         {savedBytes.substr(0, 9), savedBytes.substr(0, kSavedGameMagic.size() + 5),
          savedBytes.substr(0, savedBytes.size() / 2), savedBytes.substr(0, savedBytes.size() - 1), newer}) {
        std::ofstream(saved, std::ios::binary) << bad;
        Kept next;
        next.KeepIn(folder);
        EXPECT_FALSE(CanContinueGame(next.w.g)) << "a saved game of " << bad.size() << " bytes";
        KeepGameNow(next.w.g);
        EXPECT_EQ(FileBytes(saved), bad);
    }

    // A folder that takes no files: the kept game continues, nothing is
    // written and nothing is said; nor when the folder is missing, or
    // writing fails.
    std::ofstream(saved, std::ios::binary) << savedBytes;
    std::filesystem::remove(board);
    Kept readOnly;
    readOnly.w.fake.dataWritable = false;
    readOnly.KeepIn(folder);
    MnuContinue_Click(readOnly.w.g);
    EXPECT_EQ(CaptureSavedGame(readOnly.w.g), whole);
    Slide(readOnly.w.g);
    KeepGameNow(readOnly.w.g);
    EXPECT_FALSE(std::filesystem::exists(board));
    Kept none, failing;
    none.KeepIn("");
    failing.w.fake.failWrites = true;
    failing.KeepIn(folder);
    for (Kept* k : {&readOnly, &none, &failing}) {
        k->Start(kKinds[0]);
        k->w.fake.messages.clear();
        KeepGameNow(k->w.g);
        EXPECT_EQ(k->w.fake.MessageTexts(), std::vector<std::string>{});
    }
    EXPECT_EQ(FileBytes(saved), savedBytes);
    EXPECT_FALSE(CanContinueGame(none.w.g));
}

}  // namespace
}  // namespace quilto::test
