#include "support/RandomPlayer.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <iterator>
#include <vector>

#include "game/KeyboardAids.h"
#include "game/PointerPlay.h"

namespace quilto::test {
namespace {

// From ordinary pictures to ones too small to cut into many pieces.
const std::pair<const char*, std::pair<int, int>> kPictures[] = {
    {"/fotos/paisaje.jpg", {800, 600}}, {"/fotos/retrato.png", {600, 900}}, {"/fotos/grande.bmp", {4000, 3000}},
    {"/fotos/banda.gif", {3000, 40}},   {"/fotos/torre.png", {30, 2000}},   {"/fotos/sello.png", {3, 2}},
    {"/fotos/punto.png", {1, 1}},       {"/fotos/cuadro.png", {65, 65}},
};

// Outer sizes of a maximized window, in pixels.
const std::pair<int, int> kScreens[] = {{640, 480},   {800, 250},   {1024, 768},  {1366, 768},
                                        {1920, 1080}, {2560, 1440}, {3840, 2160}, {1280, 1024}};

std::string SettingsText(const std::string (&values)[6]) {
    static const char* const labels[6] = {
        "Columnas (1-50):",          "Filas (1-50):",           "Tipo de ajuste de imagen (1-4):",
        "Piezas irregulares (T/F):", "Desplazar piezas (T/F):", "Piezas m\xF3viles (T/F):"};
    std::string out;
    for (int i = 0; i < 6; ++i) out += std::string(labels[i]) + "\r\n" + values[i] + "\r\n";
    return out;
}

template <class T, std::size_t N>
const T& Pick(RandomPlayer& p, const T (&options)[N]) {
    return options[p.Roll(static_cast<int>(N))];
}

}  // namespace

std::optional<std::string> RandomPlayer::SettingsFile() {
    static const char* const sides[] = {"-3", "0", "1", "2", "3", "4", "5", "7", "12", "65", "66", "99", "32767"};
    static const char* const fits[] = {"-1", "0", "1", "2", "3", "4", "5", "9"};
    static const char* const flags[] = {"0", "1", "1", "2", "-1"};
    switch (Roll(5)) {
        case 0:
            return std::nullopt;
        case 1: {
            std::string bytes;
            for (int n = Roll(300); n > 0; --n) bytes += static_cast<char>(Roll(256));
            return bytes;
        }
        case 2:
        case 3: {
            std::string values[6] = {Pick(*this, sides), Pick(*this, sides), Pick(*this, fits),
                                     Pick(*this, flags), Pick(*this, flags), Pick(*this, flags)};
            if (Chance(50)) values[4] = values[5] = "1";  // sliding and slippery pieces together
            return SettingsText(values);
        }
        default: {  // letters in a value, or a file cut short
            std::string values[6] = {"4", "x", "3", "0", "1", "0"};
            if (Chance(50)) values[1] = std::to_string(2 + Roll(5));
            std::string text = SettingsText(values);
            text.resize(static_cast<std::size_t>(Roll(static_cast<int>(text.size()) + 1)));
            return text;
        }
    }
}

std::pair<float, float> RandomPlayer::Screen() {
    const auto [w, h] = Pick(*this, kScreens);
    return {static_cast<float>(w * kUnitsPerPixel), static_cast<float>(h * kUnitsPerPixel)};
}

std::map<std::string, std::pair<int, int>> RandomPlayer::LoadablePictures() {
    return {std::begin(kPictures), std::end(kPictures)};
}

std::string RandomPlayer::ChosenFile() {
    const int r = Roll(10);
    if (r < 6) return Pick(*this, kPictures).first;
    return r < 8 ? "/fotos/notas.txt" : "";
}

// A board side, 1..65; the large ones are rarer, to keep the play fast.
int RandomPlayer::Side() {
    const int r = Roll(100);
    if (r < 75) return 1 + Roll(8);
    if (r < 95) return 9 + Roll(12);
    return 21 + Roll(45);
}

void RandomPlayer::EditDialog(ConfigDialog& d) {
    if (Chance(60)) {
        const int mode = Roll(4);  // regular, irregular, sliding, sliding irregular
        const bool irregular = mode == 1 || mode == 3, slide = mode >= 2;
        int c = Side(), r = Side();
        if (irregular) c = r = std::max(c, 3);
        if (slide) c = std::max(c, 2), r = std::max(r, 2);
        if (c == 1 && r == 1) c = 2;
        d.SetCheck3(false);
        d.SetHScroll1(0, c);
        d.SetHScroll1(1, r);
        if (c == r && Chance(50)) d.SetCheck3(true);
        d.SetCheck1(irregular);
        d.SetCheck2(slide);
        d.SetCheck4(!slide && Chance(40));
        d.SetOption1(Roll(4));
        return;
    }
    // Anything at all, in any order, values out of the bars' range included.
    const std::function<void()> edits[] = {
        [&] { d.SetHScroll1(0, Side()); },  [&] { d.SetHScroll1(1, Chance(10) ? Roll(80) - 5 : Side()); },
        [&] { d.SetCheck1(Chance(50)); },   [&] { d.SetCheck2(Chance(50)); },
        [&] { d.SetCheck3(Chance(50)); },   [&] { d.SetCheck4(Chance(50)); },
        [&] { d.SetOption1(Roll(6) - 1); }, [&] { d.HScroll1_Scroll(Roll(2)); }};
    for (int n = 1 + Roll(6); n > 0; --n) edits[Roll(8)]();
}

std::pair<float, float> RandomPlayer::Centre(const GameState& g, int p) const {
    const Box& b = g.win.Image1[static_cast<std::size_t>(p)].box;
    return {b.Left + b.Width / 2, b.Top + b.Height / 2};
}

// In pieces, exactly on their edges and corners, on the frame, the bar, the
// caption, off the window, far away, and on half units.
std::pair<float, float> RandomPlayer::RandomPoint(const GameState& g) {
    const int pieces = static_cast<int>(g.win.Image1.size()) - 1;
    const auto inside = [&](const Box& b) {
        return std::pair{Within(b.Left, b.Left + b.Width), Within(b.Top, b.Top + b.Height)};
    };
    const int kind = Roll(10);
    if (pieces > 0 && kind <= 2) return inside(g.win.Image1[static_cast<std::size_t>(1 + Roll(pieces))].box);
    if (pieces > 0 && kind == 3) {
        const Box& b = g.win.Image1[static_cast<std::size_t>(1 + Roll(pieces))].box;
        const auto [x, y] = inside(b);
        const float xs[] = {b.Left, b.Left + b.Width, x};
        const float ys[] = {b.Top, b.Top + b.Height, y};
        return {Pick(*this, xs), Pick(*this, ys)};
    }
    if (pieces > 0 && kind == 4) return Centre(g, 1 + Roll(pieces));
    switch (kind) {
        case 5:
            return inside(g.win.Label1.box);
        case 6:
            return inside(Chance(50) ? g.win.Label4.box : g.win.Label3.box);
        case 7:
            return {Chance(50) ? Within(-4000, 0) : Within(g.win.Width, g.win.Width + 4000), Within(-4000, 40000)};
        case 8: {
            static const float far[] = {-1e9f, 1e9f, 3e38f, -3e38f, 32767.5f, -32768.5f};
            return {Pick(*this, far), Pick(*this, far)};
        }
        default: {
            const auto [x, y] = inside(g.win.Label1.box);
            return {std::floor(x) + 0.5f, std::floor(y) + 0.5f};
        }
    }
}

// Mostly a misplaced piece taken home, sometimes anything with any button;
// now and then another button joins in.
void RandomPlayer::PlanDrag(const GameState& g) {
    std::vector<int> misplaced;
    for (int p = 1; p < static_cast<int>(g.win.Image1.size()) && p < static_cast<int>(g.PieceAt.size()); ++p)
        if (g.PieceAt[static_cast<std::size_t>(p)] != p) misplaced.push_back(p);
    int button = kLeftButton;
    std::pair<float, float> from = RandomPoint(g), to = RandomPoint(g);
    if (!misplaced.empty() && Chance(70)) {
        const int r = misplaced[static_cast<std::size_t>(Roll(static_cast<int>(misplaced.size())))];
        from = Centre(g, r);
        to = Centre(g, g.PieceAt[static_cast<std::size_t>(r)]);
    } else if (Chance(30)) {
        button = Chance(50) ? kRightButton : kMiddleButton;
    }
    plan_.push_back({PlayKind::Press, button, from.first, from.second});
    for (int n = Roll(4); n > 0; --n) {
        const auto [x, y] = RandomPoint(g);
        plan_.push_back({PlayKind::Move, 0, x, y});
    }
    plan_.push_back({PlayKind::Move, 0, to.first, to.second});
    if (Chance(15)) {
        const int other = Chance(50) ? kRightButton : kMiddleButton;
        plan_.push_back({PlayKind::Press, other, to.first, to.second});
        plan_.push_back({PlayKind::Release, other, to.first, to.second});
    }
    plan_.push_back({PlayKind::Release, button, to.first, to.second});
}

// On a sliding board mostly on a piece in line with the empty slot.
void RandomPlayer::PlanClick(const GameState& g) {
    const int pieces = static_cast<int>(g.win.Image1.size()) - 1;
    std::pair<float, float> at = RandomPoint(g);
    if (pieces > 0 && g.settings.fSlide && g.settings.Columns > 0 && Chance(80)) {
        const int columns = g.settings.Columns, e = g.EmptySlot;
        std::vector<int> inLine;
        for (int p = 1; p <= pieces; ++p)
            if (g.settings.fIrregular || (p - 1) % columns == (e - 1) % columns ||
                (p - 1) / columns == (e - 1) / columns)
                inLine.push_back(p);
        if (!inLine.empty()) at = Centre(g, inLine[static_cast<std::size_t>(Roll(static_cast<int>(inLine.size())))]);
    }
    plan_.push_back({PlayKind::Press, kLeftButton, at.first, at.second});
    if (Chance(20)) at = RandomPoint(g);
    plan_.push_back({PlayKind::Release, kLeftButton, at.first, at.second});
}

// A function key pressed, perhaps repeated while held, and released;
// sometimes held through a move of the mouse, which may finish the puzzle.
void RandomPlayer::PlanKey(const GameState& g) {
    const int key = kKeyF5 + Roll(4);
    plan_.push_back({PlayKind::KeyDown, key});
    for (int n = Roll(3); n > 0; --n) plan_.push_back({PlayKind::KeyDown, key});
    if (Chance(40)) PlanMove(g);
    plan_.push_back({PlayKind::KeyUp, key});
}

void RandomPlayer::PlanMove(const GameState& g) {
    if (g.settings.fSlide)
        PlanClick(g);
    else
        PlanDrag(g);
}

PlayEvent RandomPlayer::TakePlanned() {
    const PlayEvent first = plan_.front();
    plan_.pop_front();
    return first;
}

PlayEvent RandomPlayer::RandomEvent(const GameState& g) {
    const bool boardUp = g.PieceCount > 0;
    const int r = Roll(100);
    if (r < (boardUp ? 3 : 12)) return {PlayKind::Load};
    if (r < (boardUp ? 6 : 20)) return {PlayKind::New};
    if (r < (boardUp ? 9 : 26)) return {PlayKind::Conf};
    if (r < 10) return {PlayKind::Resize, Roll(3), static_cast<float>(Roll(60000)), static_cast<float>(Roll(40000))};
    if (r < 52) {
        if (r < 30)
            PlanMove(g);
        else if (r < 38)
            PlanClick(g);
        else
            PlanKey(g);
        return TakePlanned();
    }
    if (r < 70 && g.win.Timer1.Enabled) {
        for (int n = Roll(30); n > 0; --n) plan_.push_back({PlayKind::Tick});
        return {PlayKind::Tick};
    }
    const auto [x, y] = RandomPoint(g);
    if (r < 78) return {PlayKind::Press, 1 << Roll(3), x, y};
    if (r < 86) return {PlayKind::Release, 1 << Roll(3), x, y};
    if (r < 92) return {PlayKind::KeyUp, kKeyF5 + Roll(4)};
    return {PlayKind::Move, 0, x, y};
}

PlayEvent RandomPlayer::Next(const GameState& g) {
    return !plan_.empty() && Chance(80) ? TakePlanned() : RandomEvent(g);
}

}  // namespace quilto::test
