// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// Saving and opening a 65 x 65 game cut from a 24-megapixel photo, the
// whole way: the record taken from the game, the file written to and read
// from the disk, the photo's JPEG decoded by Qt's reader, the board rebuilt.
#include <benchmark/benchmark.h>

#include <QBuffer>
#include <QImage>

#include "BenchGame.h"
#include "PaintedGame.h"
#include "game/Exchange.h"
#include "game/GameKeeping.h"
#include "game/KeptGame.h"
#include "game/NewPuzzle.h"
#include "platform/QtPlatform.h"

namespace quilto {
namespace {

// Files and pictures are the Qt platform's.
struct DiskPlatform : bench::ClockedPlatform {
    QtPlatform qt;
    bool WriteFileAtomically(const std::string& path, const std::string& bytes) override {
        return qt.WriteFileAtomically(path, bytes);
    }
    bool ReadWholeFile(const std::string& path, std::size_t maxBytes, std::string& bytes) override {
        return qt.ReadWholeFile(path, maxBytes, bytes);
    }
    LoadedPicture LoadPictureBytes(const std::string& bytes) override { return qt.LoadPictureBytes(bytes); }
    void ReleasePicture(PictureId id) override { qt.ReleasePicture(id); }
    void RunInBackground(std::function<void()> work) override { qt.RunInBackground(std::move(work)); }
    void FinishBackgroundWork() override { qt.FinishBackgroundWork(); }
    bool RemoveFile(const std::string& path) override { return qt.RemoveFile(path); }
    std::string FileStamp(const std::string& path) override { return qt.FileStamp(path); }
};

const std::string& PhotoJpeg() {
    static const std::string jpeg = [] {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        bench::BigPicture().save(&buffer, "JPG", 92);
        return bytes.toStdString();
    }();
    return jpeg;
}

struct KeptBench {
    DiskPlatform p;
    GameState g{p};
    test::TempDir dir;
    std::string path = dir.File("partida.quilto");

    KeptBench() {
        bench::App();
        // As in the program: the picture is kept no larger than the board frame shows it.
        p.qt.SetShownArea([] { return QSize(1920 - 32, 1080 - 59); });
        InitElements(g.win);
        p.dataFolder = dir.File("datos") + "/";
        std::filesystem::create_directory(p.dataFolder);
        Form_Load(g, dir.AsAppDir());
        Form_Resize(g, WindowState::Maximized, 1920 * 15, 1080 * 15);
        g.PicClip1 = HeldPicture(p, p.LoadPictureBytes(PhotoJpeg()), "IMG_20240517_184233.jpg", PhotoJpeg());
        g.fPictureLoaded = g.fSkipConfirm = true;
        g.settings = {65, 65, 3, false, false, true};
        NewPuzzle(g);
        g.fSkipConfirm = false;
    }
    void Save() {
        p.savePaths.push_back(path);
        SaveGame(g);
    }
};

void BM_KeepGame65From24MPPhoto_Save(benchmark::State& state) {
    KeptBench b;
    for (auto _ : state) b.Save();
    if (!b.p.messages.empty()) state.SkipWithError(b.p.messages.back().text.c_str());
    state.counters["file_MB"] = static_cast<double>(std::filesystem::file_size(b.path)) / (1 << 20);
    state.counters["photo_MB"] = static_cast<double>(PhotoJpeg().size()) / (1 << 20);
}
BENCHMARK(BM_KeepGame65From24MPPhoto_Save)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_KeepGame65From24MPPhoto_Open(benchmark::State& state) {
    KeptBench b;
    b.Save();
    for (auto _ : state) OpenSavedGame(b.g, b.path);  // the question is answered Ok
    if (b.g.PieceCount != 65 * 65) state.SkipWithError("the game did not open");
    for (const auto& m : b.p.messages)
        if (m.buttons != MsgButtons::OkCancel) state.SkipWithError(m.text.c_str());
}
BENCHMARK(BM_KeepGame65From24MPPhoto_Open)->Unit(benchmark::kMillisecond)->UseRealTime();

// The game kept by itself, as the window does after every command and tick:
// what it costs the user interface thread (range 0: a change not yet due,
// the common case; 1: a change due, the board file queued; 2: a board that
// begins, the whole game queued). The writing itself runs on the background
// thread, and is waited for outside the timing.
void BM_KeptByItself65From24MPPhoto(benchmark::State& state) {
    KeptBench b;
    const int mode = static_cast<int>(state.range(0));
    KeepGameNow(b.g);
    for (auto _ : state) {
        state.PauseTiming();
        b.p.FinishBackgroundWork();
        SwapPieces(b.g, 1 + static_cast<int>(state.iterations() % 4000), 4225);
        if (mode == 2) ++b.g.BoardSerial;
        KeepGame(b.g);                         // the change is noted
        if (mode > 0) b.g.keeping.Due = 1e-9;  // and is due
        state.ResumeTiming();
        KeepGame(b.g);
    }
    b.p.FinishBackgroundWork();
    if (mode > 0 && ReadKeptGame(b.p, b.p.dataFolder) != CaptureSavedGame(b.g))
        state.SkipWithError("the game kept is not the game in play");
}
BENCHMARK(BM_KeptByItself65From24MPPhoto)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond)->UseRealTime();

// The background thread's share: the board file, and the whole game.
void BM_KeptByItself65From24MPPhoto_Writing(benchmark::State& state) {
    KeptBench b;
    const bool whole = state.range(0) != 0;
    KeepGameNow(b.g);
    for (auto _ : state) {
        SwapPieces(b.g, 1 + static_cast<int>(state.iterations() % 4000), 4225);
        if (whole) ++b.g.BoardSerial;
        KeepGameNow(b.g);
    }
}
BENCHMARK(BM_KeptByItself65From24MPPhoto_Writing)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace quilto
