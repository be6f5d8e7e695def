// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// Whatever a hand-edited settings file, a picture and a screen come to, a new
// puzzle either stands complete and consistent or is refused cleanly; it never
// crashes or hangs.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "game/MainWindow.h"
#include "game/NewPuzzle.h"
#include "support/FakePlatform.h"

namespace {

template <typename T>
T Take(const std::uint8_t*& data, std::size_t& size) {
    T value{};
    const std::size_t n = std::min(sizeof(T), size);
    std::memcpy(&value, data, n);
    data += n;
    size -= n;
    return value;
}

void Check(bool ok) {
    if (!ok) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quilto;
    test::FakePlatform fake;
    fake.tick = 1e-5;  // the layout's one-second guard: a hundred thousand readings
    GameState g(fake);
    InitElements(g.win);
    g.AppDir = "/nonexistent-quilto-dir/";  // the settings file cannot be written

    const auto width = static_cast<std::uint16_t>(Take<std::uint16_t>(data, size) % 40000);
    const auto height = static_cast<std::uint16_t>(Take<std::uint16_t>(data, size) % 40000);
    Form_Resize(g, WindowState::Maximized, width, height);

    const int picW = 1 + Take<std::uint16_t>(data, size);
    const int picH = 1 + Take<std::uint16_t>(data, size) % 4096;
    fake.pictures["/p"] = {picW, picH};
    g.PicClip1 = HeldPicture(fake, fake.LoadPicture("/p"));
    g.fPictureLoaded = true;

    g.settings.Columns = Take<std::int16_t>(data, size);
    g.settings.Rows = Take<std::int16_t>(data, size);
    g.settings.FitMode = Take<std::int16_t>(data, size);
    const auto flags = Take<std::uint8_t>(data, size);
    g.settings.fIrregular = flags & 1;
    g.settings.fSlide = flags & 2;
    g.settings.fSlippery = flags & 4;
    // The dialog, when it opens, accepts at most once with a square board.
    int dialogs = 0;
    const auto side = static_cast<std::int16_t>(1 + Take<std::uint8_t>(data, size) % 70);
    g.ShowConfiguration = [&] {
        if (dialogs++ == 0 && (flags & 8)) {
            g.settings.Columns = g.settings.Rows = side;
            g.fSkipConfirm = true;
        }
    };

    g.fSkipConfirm = true;
    NewPuzzle(g);

    Check(!g.win.Label3.Visible);
    if (!g.fPlaying) return 0;
    const int n = g.PieceCount;
    Check(n >= 1 && static_cast<int>(g.win.Image1.size()) == n + 1);
    std::vector<bool> seen(static_cast<std::size_t>(n) + 1, false);
    for (int p = 1; p <= n; ++p) {
        const int k = g.PieceAt.at(static_cast<std::size_t>(p));
        Check(k >= 1 && k <= n && !seen[static_cast<std::size_t>(k)]);
        seen[static_cast<std::size_t>(k)] = true;
        const Element& e = g.win.Image1[static_cast<std::size_t>(p)];
        Check(e.Visible);
        if (e.Picture == kEmptyPicture) continue;
        const PixelRect& r = g.pictures[e.Picture];
        Check(r.Left >= 0 && r.Top >= 0 && r.Width >= 1 && r.Height >= 1);
        Check(r.Left + r.Width <= picW && r.Top + r.Height <= picH);
    }
    if (g.settings.fSlide) Check(g.EmptySlot >= 1 && g.EmptySlot <= n);
    return 0;
}
