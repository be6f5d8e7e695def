// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// Long random games: everything a player and the clock can do, with the rules
// that must hold checked after every event. A failure names its seed and
// event; QUILTO_RANDOM_PLAY_SEED=… QUILTO_RANDOM_PLAY_EVENTS=… replays it,
// QUILTO_RANDOM_PLAY_TRACE=1 prints every event, QUILTO_RANDOM_PLAY_SEEDS
// sets how many games are played.
#include <gtest/gtest.h>

#include <deque>
#include <fstream>
#include <iostream>
#include <optional>
#include <random>
#include <set>
#include <sstream>

#include "game/ConfigDialog.h"
#include "game/GameKeeping.h"
#include "game/GameMenu.h"
#include "game/KeptGame.h"
#include "game/KeyboardAids.h"
#include "game/KeyboardPlay.h"
#include "game/PointerPlay.h"
#include "game/PointerRouting.h"
#include "game/SavedGameFile.h"
#include "game/Slippery.h"
#include "support/BoardFixture.h"
#include "support/Watchdog.h"

namespace quilto::test {
namespace {

long Env(const char* name, long fallback) {
    const char* v = std::getenv(name);
    return v && *v ? std::strtol(v, nullptr, 10) : fallback;
}

enum class Kind { Menu, Press, Move, Release, Tick, KeyDown, KeyUp, PlayKey };
struct Event {
    Kind kind;
    int code = 0;        // menu item, button or key
    float x = 0, y = 0;  // pointer; a play key's x is 1 on a repeat
};
std::string Describe(const Event& e) {
    static const char* const names[] = {"menu", "press", "move", "release", "tick", "key down", "key up", "play key"};
    std::ostringstream os;
    os << names[int(e.kind)] << " " << e.code << " (" << e.x << ", " << e.y << ")";
    return os.str();
}
void (*const kMenu[])(GameState&) = {MnuLoad_Click, MnuNew_Click, MnuConf_Click};

// From ordinary pictures to ones too small to cut into many pieces; screens in pixels.
const std::map<std::string, std::pair<int, int>> kPictures = {
    {"/f/paisaje.jpg", {800, 600}}, {"/f/retrato.png", {600, 900}}, {"/f/grande.bmp", {4000, 3000}},
    {"/f/banda.gif", {3000, 40}},   {"/f/torre.png", {30, 2000}},   {"/f/sello.png", {3, 2}},
    {"/f/punto.png", {1, 1}},       {"/f/cuadro.png", {65, 65}}};
const std::pair<int, int> kScreens[] = {{640, 480},   {800, 250},   {1024, 768},  {1366, 768},
                                        {1920, 1080}, {2560, 1440}, {3840, 2160}, {1280, 1024}};

std::vector<int> Home(const Board& b) {
    std::vector<int> home;
    for (int p = 1; p < int(b.size()); ++p)
        if (b[std::size_t(p)] == p) home.push_back(p);
    return home;
}
bool Solved(const Board& b) {
    return b.size() > 1 && Home(b).size() == b.size() - 1;
}

// How often the games reached each corner the checks are about.
using Stats = std::map<std::string, long>;
std::string Summary(const Stats& s) {
    std::ostringstream os;
    for (const auto& [what, count] : s) os << count << " " << what << ", ";
    return os.str();
}

class RandomGame {
    using enum Kind;

public:
    RandomGame(std::uint64_t seed, Stats& stats) : seed_(seed), dice_(seed), stats_(stats) {
        // Picture files with bytes of their own, so that games are kept with them.
        for (const auto& [path, size] : kPictures) {
            const std::string name = std::filesystem::path(path).filename().string(), bytes = "picture " + name;
            std::ofstream(dir_.File(name), std::ios::binary) << bytes;
            fake_.pictures[dir_.File(name)] = fake_.pictureBytes[bytes] = size;
        }
        fake_.dataFolder = dir_.File("datos") + "/";
        std::filesystem::create_directory(fake_.dataFolder);
        WriteSettingsFile();
        fake_.clockSeed = seed * 0x9E3779B97F4A7C15ull + 1;
        fake_.tick = 0.001;  // the layout gives up an attempt after a second of this clock
        InitElements(g_.win);
        Form_Load(g_, dir_.AsAppDir());
        const auto [w, h] = kScreens[Roll(8)];
        Form_Resize(g_, WindowState::Maximized, float(w * kUnitsPerPixel), float(h * kUnitsPerPixel));
        fake_.onMessage = [this](const ShownMessage& m) { OnMessage(m); };
        fake_.onChooseFile = [this] { BoxOpens("the file dialog"); };
        g_.ShowConfiguration = [this] { ShowConfiguration(); };
    }

    // "" when every rule held through `events` events, else what broke and how to replay it.
    std::string Play(long events, Watchdog& watchdog) {
        for (long i = 0; i < events;) {
            const Event e = NextEvent();
            const std::string what =
                "seed " + std::to_string(seed_) + ", event " + std::to_string(i) + ": " + Describe(e);
            for (int n = 0; n < 3; ++n) fake_.chosenFiles.push_back(ChosenFile());
            watchdog.Arm(what);
            KeepAndReopen();
            const bool played = Step(e);
            KeepGame(g_);  // as the window does after every command and tick
            if (g_.fWon && ReadKeptGame(fake_, fake_.dataFolder)) Fault("a won game is still kept");
            watchdog.Disarm();
            fake_.chosenFiles.clear();
            if (!played) continue;
            if (std::getenv("QUILTO_RANDOM_PLAY_TRACE")) std::cerr << what << " | empty " << g_.EmptySlot << "\n";
            if (!faults_.str().empty())
                return what + ":\n" + faults_.str() + "replay with QUILTO_RANDOM_PLAY_SEED=" + std::to_string(seed_) +
                       " QUILTO_RANDOM_PLAY_EVENTS=" + std::to_string(i + 1) + " QUILTO_RANDOM_PLAY_TRACE=1";
            ++i;
        }
        return {};
    }

private:
    int Roll(int n) { return int(dice_() % std::uint64_t(n)); }
    bool Chance(int percent) { return Roll(100) < percent; }
    float Within(float lo, float size) { return lo + size * float(Roll(1 << 20)) / (1 << 20); }
    int Side() { return Chance(75) ? 1 + Roll(8) : Chance(80) ? 9 + Roll(12) : 21 + Roll(45); }
    template <class... Parts>
    void Fault(const Parts&... parts) {
        ((faults_ << "  ") << ... << parts) << "\n";
    }
    // PieceAt[0..PieceCount]; empty without a board.
    Board Now() const {
        const auto n = std::size_t(std::max<int>(g_.PieceCount, 0));
        return n && g_.PieceAt.size() > n ? Board(g_.PieceAt.begin(), g_.PieceAt.begin() + long(n) + 1) : Board{};
    }
    bool Played(std::size_t from, const char* cue) const {
        return std::any_of(fake_.sounds.begin() + long(from), fake_.sounds.end(),
                           [&](const std::string& s) { return s.ends_with(cue); });
    }

    // What start-up finds: no file, or values edited by hand, perhaps cut short.
    void WriteSettingsFile() {
        static const char* const values[] = {"-3", "0", "1", "2", "3", "4", "5", "7", "12", "65", "66", "32767", "x"};
        std::string text;
        for (int i = 0; i < 6; ++i) text += std::string("label\r\n") + values[Roll(i < 3 ? 13 : 4)] + "\r\n";
        if (Chance(10)) text.resize(std::size_t(Roll(int(text.size()))));
        if (Chance(80)) std::ofstream(dir_.File(kSettingsFileName), std::ios::binary) << text;
    }
    std::string ChosenFile() {
        const int r = Roll(10);
        return r < 6 ? std::next(fake_.pictures.begin(), Roll(8))->first : r < 8 ? "/f/notas.txt" : "";
    }

    // The dialog's controls set at random, mostly to a combination the rules accept.
    void EditDialog() {
        ConfigDialog& d = dialog_;
        const bool legal = Chance(60), irregular = Chance(50), slide = Chance(50);
        int c = Side(), r = legal || Chance(80) ? Side() : Roll(80) - 5;
        if (legal && irregular) c = r = std::max(c, 3);
        if (legal && slide) c = std::max(c, 2), r = std::max(r, 2);
        d.SetCheck3(false);
        d.SetHScroll1(0, legal && c == 1 && r == 1 ? 2 : c);
        d.SetHScroll1(1, r);
        d.SetCheck3(legal ? c == r && Chance(50) : Chance(30));
        d.SetCheck1(irregular), d.SetCheck2(slide), d.SetCheck4((!legal || !slide) && Chance(40));
        d.SetOption1(legal ? Roll(4) : Roll(6) - 1);
        if (Chance(10)) d.HScroll1_Scroll(Roll(2));
    }
    // Whatever box opens, a drag has ended and the slippery pieces stand still.
    void BoxOpens(const char* what) {
        ++boxesThisEvent_;
        if (Timer1Runs(g_)) Fault(what, " opens with the slippery pieces moving");
        if (g_.fDragging || DragPointerShown()) Fault(what, " opens during a drag, or with its pointer");
    }
    bool DragPointerShown() const {
        return std::any_of(g_.win.Image1.begin() + 1, g_.win.Image1.end(),
                           [](const Element& e) { return e.Pointer != Cursor::Default; });
    }
    void ShowConfiguration() {
        BoxOpens("the configuration dialog");
        dialog_.Form_Activate();
        if (++dialogsThisEvent_ > 4) return;  // shown again and again, the player gives up
        for (int tries = 0; tries < 4 && !Chance(20); ++tries) {
            EditDialog();
            if (dialog_.Command1_Click()) return;
        }
    }
    void OnMessage(const ShownMessage& m) {
        BoxOpens("a message box");
        announced_ += m.text == "Lo has logrado!";
        if (m.text == "Lo has logrado!" && !Solved(Now())) Fault("\"Lo has logrado!\" on a board that is not solved");
        stats_["refusals"] += m.icon == MsgIcon::Exclamation && m.text != "Archivo no válido." &&
                              m.text != "Primero debes cargar una imagen";
        if (m.buttons == MsgButtons::OkCancel) fake_.answers.push_front(Chance(50) ? MsgResult::Ok : MsgResult::Cancel);
    }

    // In pieces, on their edges, on the frame, bar and caption, off the window, far away.
    std::pair<float, float> Point() {
        const int pieces = int(g_.win.Image1.size()) - 1;
        const Box b = pieces > 0 && Chance(50) ? g_.win.Piece(1 + Roll(pieces)).box
                      : Chance(60)             ? g_.win.Label1.box
                                               : (Chance(50) ? g_.win.Label4 : g_.win.Label3).box;
        static const float far[] = {-1e9f, 1e9f, 3e38f, -4000, 32767.5f, 60000};
        const int r = Roll(8);
        if (r == 0) return {far[Roll(6)], far[Roll(6)]};
        if (r == 1) return {b.Left + b.Width * float(Roll(2)), b.Top + b.Height * float(Roll(2))};
        return r == 2 ? std::pair(b.Left + b.Width / 2, b.Top + b.Height / 2)
                      : std::pair(Within(b.Left, b.Width), Within(b.Top, b.Height));
    }
    std::pair<float, float> Centre(int p) const {
        const Box& b = g_.win.Piece(p).box;
        return {b.Left + b.Width / 2, b.Top + b.Height / 2};
    }

    // Puts e into the plan at a random place from `from` on; returns where.
    std::size_t PlanAnywhere(const Event& e, std::size_t from = 0) {
        from = std::min(from, plan_.size());
        const std::size_t at = from + std::size_t(Roll(int(plan_.size() - from) + 1));
        plan_.insert(plan_.begin() + long(at), e);
        return at;
    }

    // Mostly a misplaced piece taken home (or a click in line with the empty
    // slot); sometimes any button anywhere, with another button joining in.
    void PlanMove() {
        const Board b = Now();
        const int c = std::max<int>(g_.settings.Columns, 1), e = g_.EmptySlot - 1;
        std::vector<int> useful;
        for (int p = 1; p < int(b.size()); ++p)
            if (g_.settings.fSlide ? g_.settings.fIrregular || (p - 1) % c == e % c || (p - 1) / c == e / c
                                   : b[std::size_t(p)] != p)
                useful.push_back(p);
        auto from = Point(), to = Point();
        int button = Chance(80) ? kLeftButton : 1 << Roll(3);
        if (!useful.empty() && Chance(75)) {
            const int p = useful[std::size_t(Roll(int(useful.size())))];
            from = Centre(p), to = g_.settings.fSlide ? from : Centre(b[std::size_t(p)]), button = kLeftButton;
        }
        plan_.push_back({Press, button, from.first, from.second});
        for (int n = Roll(3); n > 0; --n) plan_.push_back({Move, 0, Point().first, Point().second});
        plan_.push_back({Move, 0, to.first, to.second});
        if (Chance(15)) {
            const int other = Chance(50) ? kRightButton : kMiddleButton;
            plan_.insert(plan_.end(), {{Press, other, to.first, to.second}, {Release, other, to.first, to.second}});
        }
        plan_.push_back({Release, button, to.first, to.second});
    }
    // Arrows (some repeating), a pick-up or a slide, arrows again, then a
    // put-down or Esc.
    void PlanKeys() {
        static const int arrows[] = {kKeyLeft, kKeyUp, kKeyRight, kKeyDown};
        const auto arrow = [&] { return Event{PlayKey, arrows[Roll(4)], float(Chance(30))}; };
        for (int n = Roll(4); n >= 0; --n) plan_.push_back(arrow());
        plan_.push_back({PlayKey, Chance(50) ? kKeySpace : kKeyEnter, float(Chance(10))});
        for (int n = Roll(4); n > 0; --n) plan_.push_back(arrow());
        plan_.push_back({PlayKey, Chance(20) ? kKeyEscape : Chance(50) ? kKeySpace : kKeyEnter});
    }
    Event NextEvent() {
        if (!plan_.empty() && Chance(80)) {
            const Event e = plan_.front();
            plan_.pop_front();
            return e;
        }
        const int r = Roll(100);
        if (r < (g_.PieceCount > 0 ? 9 : 26)) {
            if (plan_.empty() || Chance(50)) return {Menu, Roll(3)};
            PlanAnywhere({Menu, Roll(3)});  // perhaps its box opens during a drag
        } else if (r < 40) {
            if (Chance(35))
                PlanKeys();
            else
                PlanMove();
        } else if (r < 52) {
            // A key held, perhaps repeating: it goes down anywhere among what
            // is planned (during a drag, over another key held) and comes up
            // later, perhaps after a move of its own.
            const int key = kKeyF5 + Roll(4);
            const std::size_t down = PlanAnywhere({KeyDown, key});
            const int repeats = Roll(3);
            plan_.insert(plan_.begin() + long(down), std::size_t(repeats), Event{KeyDown, key});
            if (Chance(40)) PlanMove();
            PlanAnywhere({KeyUp, key}, down + std::size_t(repeats) + 1);
        } else if (r < 70 && Timer1Runs(g_)) {
            plan_.insert(plan_.end(), std::size_t(Roll(30)), Event{Tick});
            return {Tick};
        } else {
            const auto [x, y] = Point();
            return r < 78   ? Event{Press, 1 << Roll(3), x, y}
                   : r < 86 ? Event{Release, 1 << Roll(3), x, y}
                   : r < 92 ? Event{KeyUp, kKeyF5 + Roll(4)}
                            : Event{Move, 0, x, y};
        }
        return NextEvent();
    }

    // Plays e and checks it; false when e cannot happen now (nothing was done).
    bool Step(const Event& e) {
        const Kind k = e.kind;
        if ((k == Press && (buttons_ & e.code)) || (k == Release && !(buttons_ & e.code)) ||
            (k == Tick && !Timer1Runs(g_)))
            return false;
        const Board before = Now();
        const bool wasDragging = g_.fDragging, wasPlaying = g_.fPlaying, wasWon = won_, wasRunning = Timer1Runs(g_);
        const float barBefore = g_.win.Label4.box.Width;
        const std::size_t sounds = fake_.sounds.size();
        bool check = false, mayChange = false;
        announced_ = dialogsThisEvent_ = boxesThisEvent_ = 0;
        if (k == Press || k == Move || k == Release) pointer_ = {e.x, e.y};
        if (k == Menu) {
            kMenu[e.code](g_);
            if (wasDragging && boxesThisEvent_ > 0) ++stats_["boxes during drags"];
        } else if (k == Press) {
            router_.Press(g_, e.code, buttons_ != 0, e.x, e.y);
            if (g_.win.KeyFrame.Visible) Fault("a mouse press leaves the keyboard cursor on the screen");
            buttons_ |= e.code;
            if (e.code == kLeftButton && g_.fDragging && g_.DropSlot == 0) dragStart_ = before, may1_ = true;
            if (e.code != kLeftButton && wasDragging && !g_.fDragging) {  // a cancelled drag
                check = mayChange = true;
                ++stats_["cancelled drags"];
                if (Now() != dragStart_) Fault("a cancelled drag leaves its trial exchange");
            }
        } else if (k == Move) {
            router_.Move(g_, e.x, e.y);
            mayChange = wasDragging && wasPlaying;
            may5_ = may5_ || mayChange;
        } else if (k == Release) {
            buttons_ &= ~e.code;
            router_.Release(g_, e.code, e.x, e.y);
            if (Played(sounds, Sound::Marca)) check = mayChange = true, may1_ = may3_ = may5_ = false;
            if (wasWon && check) Fault("a release reaches a piece under the finished picture");
            stats_["slides"] += Played(sounds, Sound::Desplaza);
        } else if (k == Tick) {
            Timer1_Timer(g_);
            if (g_.settings.fSlippery && g_.win.Label4.box.Width == 0) {  // a full bar
                check = mayChange = true, may1_ = may3_ = false;
                stats_["slippery moves"] += g_.fPlaying;
                if (g_.fPlaying && Home(Now()) != Home(before)) Fault("a slippery move changes the pieces at home");
            }
        } else if (k == KeyDown) {
            if (wasDragging) ++stats_["keys during drags"];
            if ((e.code == kKeyF7 || e.code == kKeyF8) && (keys_.count(kKeyF7) || keys_.count(kKeyF8)) &&
                !keys_.count(e.code))
                ++stats_["overlapping holds"];
            keys_.insert(e.code);
            if (e.code == kKeyF7 && wasPlaying) marking_ = true;
            if (e.code == kKeyF8 && wasPlaying && !g_.win.Image2.Visible) peeking_ = true;
            Form_KeyDown(g_, e.code);
            if (e.code == kKeyF6) may1_ = may3_ = true;
        } else if (k == PlayKey) {
            const bool carrying = g_.fKeyCarrying;
            PlayKeyDown(g_, e.code, e.x != 0);
            ++stats_["play keys"];
            if (!wasDragging && g_.fDragging) dragStart_ = before, may1_ = true, ++stats_["keyboard pick-ups"];
            if (carrying && g_.fDragging) mayChange = may5_ = true;  // a trial exchange
            if (carrying && !g_.fDragging) {                         // put down or cancelled
                check = mayChange = true, may1_ = may3_ = may5_ = false;
                if (e.code == kKeyEscape && Now() != dragStart_) Fault("Esc leaves the trial exchange");
            }
            if (slide_ && Played(sounds, Sound::Desplaza)) check = mayChange = true, ++stats_["keyboard slides"];
        } else if (k == KeyUp) {
            keys_.erase(e.code);
            if (e.code == kKeyF7) marking_ = false;
            if (e.code == kKeyF8) peeking_ = false;
            Form_KeyUp(g_, e.code);
        }
        stats_["wins"] += announced_;
        won_ = won_ || announced_ > 0;
        const bool newBoard = g_.BoardSerial != serial_;
        if (newBoard)
            NewBoard();
        else if (!mayChange && Now() != before)
            Fault(Describe(e), " changed the board");
        // The win comes exactly at the first completion check that finds the board solved.
        if (announced_ != (check && Solved(Now()) && !wasWon))
            Fault("\"Lo has logrado!\" shown ", announced_, " times; completion check ", check, ", solved ",
                  Solved(Now()), ", won before ", wasWon);
        // A pause keeps the bar; only "Configuración" starts it empty, when
        // the slippery pieces were not moving before it.
        const bool emptied = k == Menu && e.code == 2 && !wasRunning && g_.fPlaying && g_.win.Label4.Visible;
        if (k != Tick && !newBoard && g_.win.Label4.box.Width != (emptied ? 0 : barBefore))
            Fault("the slippery bar went from ", barBefore, " to ", g_.win.Label4.box.Width);
        CheckRules();
        return true;
    }

    // Now and then, between events with nothing held, the game is saved and
    // opened again, or kept and continued (or the question declined):
    // nothing of it may change.
    void KeepAndReopen() {
        if (!CanSaveGame(g_) || g_.fDragging || buttons_ || !keys_.empty() || !Chance(3)) return;
        const SavedGame kept = CaptureSavedGame(g_);
        // Borders (F5) are the window's, not the game's: a reopened board has them as a new one does.
        const auto withoutBorders = [](std::vector<Element> v) {
            for (Element& e : v) e.Border = false;
            return v;
        };
        const std::vector<Element> pieces = withoutBorders(g_.win.Image1);
        const Element bar = g_.win.Label4;
        if (Chance(50)) {
            KeepGameNow(g_);
            if (!CanContinueGame(g_)) return Fault("a game kept cannot be continued");
            ContinueGame(g_);
            ++stats_["continued games"];
        } else {
            const std::optional<std::string> file = EncodeSavedGame(kept);
            if (!file) return Fault("the game in play makes no saved game: ", int(CheckSavedGame(kept)));
            const std::string path = dir_.File("partida.quilto");
            fake_.WriteFileAtomically(path, *file);
            OpenSavedGame(g_, path);
        }
        ++stats_["reopened games"];
        if (CaptureSavedGame(g_) != kept) Fault("the reopened game is not the one saved");
        const std::vector<Element> reopened = withoutBorders(g_.win.Image1);
        for (std::size_t p = 0; p < std::max(pieces.size(), reopened.size()); ++p)
            if (p >= pieces.size() || p >= reopened.size() || !(pieces[p] == reopened[p]))
                return Fault("the reopened game's position ", p, " differs: ", DescribeAt(pieces, p), " then ",
                             DescribeAt(reopened, p));
        if (!(g_.win.Label4 == bar)) Fault("the bar went from ", bar.box.Width, " to ", g_.win.Label4.box.Width);
        serial_ = g_.BoardSerial;
    }

    static std::string DescribeAt(const std::vector<Element>& v, std::size_t p) {
        if (p >= v.size()) return "none";
        const Element& e = v[p];
        return ::testing::PrintToString(e.box) + " picture " + std::to_string(e.Picture) + " visible " +
               std::to_string(e.Visible) + " z " + std::to_string(e.Z);
    }

    void NewBoard() {
        serial_ = g_.BoardSerial;
        may1_ = may3_ = may5_ = won_ = marking_ = peeking_ = false;
        dragStart_.clear();
        slide_ = g_.settings.fSlide;
        pictureOf_.assign(std::size_t(std::max<int>(g_.PieceCount, 0)) + 1, kEmptyPicture);
        if (g_.win.KeyFrame.Visible) Fault("a new board starts with the keyboard cursor shown");
        if (Now().empty()) return;
        ++stats_["boards"];
        for (int p = 1; p <= g_.PieceCount; ++p)
            pictureOf_[std::size_t(g_.PieceAt[std::size_t(p)])] = g_.win.Piece(p).Picture;
        if (g_.win.Image2.Visible || g_.win.Label4.Visible != g_.settings.fSlippery)
            Fault("a new board starts with the finished picture ", g_.win.Image2.Visible, ", the bar ",
                  g_.win.Label4.Visible);
    }

    void CheckRules() {
        const Window& w = g_.win;
        const Board b = Now();
        const std::size_t marks = w.Shape2.size() - 1;
        const bool f7 = keys_.count(kKeyF7), f8 = keys_.count(kKeyF8), slippery = g_.fPlaying && g_.settings.fSlippery;
        if (g_.fSkipConfirm) Fault("fSkipConfirm left set");
        if (w.Label3.Visible) Fault("the busy caption is left on the screen");
        if (w.Label4.Visible && !slippery) Fault("the slippery bar is left on the screen");
        // The clock runs exactly while a game not yet won has slippery
        // pieces, and neither the marks nor the finished picture show.
        const bool clock = slippery && !won_ && !marking_ && !peeking_;
        if (Timer1Runs(g_) != clock || (clock && !w.Label4.Visible))
            Fault("the slippery clock runs ", Timer1Runs(g_), " with the bar ", w.Label4.Visible, "; in play ",
                  g_.fPlaying, ", won ", won_, ", marks ", marking_, ", finished picture ", peeking_);
        if (!g_.fDragging &&
            (DragPointerShown() || router_.CursorAt(g_, pointer_.first, pointer_.second) != Cursor::Default))
            Fault("a drag pointer outlives the drag");
        if ((w.Shape1.Visible && !may1_) || (w.Shape3.Visible && !may3_) || (w.Shape5.Visible && !may5_))
            Fault("frame, dot, drop frame left on the screen: ", w.Shape1.Visible, w.Shape3.Visible, w.Shape5.Visible);
        if (marks > 0 && !(f7 && g_.fKeyMoving)) Fault(marks, " F7 marks left on the screen");
        if (g_.fPlaying && w.Image2.Visible && !f8) Fault("the finished picture covers a game in play");
        const std::set<PictureId> gone(fake_.released.begin(), fake_.released.end());
        if (gone.size() != fake_.released.size() || gone.count(g_.PicClip1.id()) || gone.count(g_.BoardPicture.id()))
            Fault("a picture in use was released, or one twice");
        if (b.empty() && (w.Image1.size() != 1 || g_.fPlaying)) Fault("no board, yet pieces or a game in play");
        if (w.KeyFrame.Visible && (!IsPiece(g_, g_.KeySlot) || w.KeyFrame.box != w.Piece(g_.KeySlot).box))
            Fault("the keyboard cursor is not on its piece");
        // With no button held, a piece the keys picked up is the drag, under the cursor.
        if (g_.fKeyCarrying && buttons_ == 0 &&
            (!g_.fDragging || (g_.DropSlot ? g_.DropSlot : g_.DragSlot) != g_.KeySlot))
            Fault("a piece picked up with the keys is not dragged under the cursor");
        if (b.empty()) return;
        if (SortedPieces(g_) != Identity(g_.PieceCount)) return Fault("PieceAt is no permutation of 1..PieceCount");
        int empties = 0;
        for (int p = 1; p <= g_.PieceCount; ++p) {
            const Element& el = w.Piece(p);
            if (el.Picture != pictureOf_[std::size_t(b[std::size_t(p)])] || !el.Visible)
                Fault("position ", p, " does not show the picture of its piece ", b[std::size_t(p)]);
            if (el.Picture == kEmptyPicture && (++empties, p != g_.EmptySlot))
                Fault("the empty picture is at ", p, ", EmptySlot is ", g_.EmptySlot);
        }
        if (empties != slide_) Fault(empties, " empty pictures, sliding ", slide_);
        if (!g_.fPlaying && !(Solved(b) && w.Image2.Visible)) Fault("a game over on a board not solved");
        Board trial = dragStart_;
        if (g_.fDragging && g_.DropSlot)
            std::swap(trial.at(std::size_t(g_.DragSlot)), trial.at(std::size_t(g_.DropSlot)));
        if (g_.fDragging && b != trial) Fault("the board during a drag is not its start with the trial exchange");
    }

    std::uint64_t seed_;
    std::mt19937_64 dice_;
    Stats& stats_;
    TempDir dir_{std::filesystem::is_directory("/dev/shm") ? "/dev/shm" : std::filesystem::temp_directory_path()};
    FakePlatform fake_;
    GameState g_{fake_};
    ConfigDialog dialog_{g_};  // made once, shown again and again, as the window's
    PointerRouter router_;
    int buttons_ = 0, announced_ = 0, dialogsThisEvent_ = 0, boxesThisEvent_ = 0;
    bool won_ = false, marking_ = false, peeking_ = false;  // as the events so far have it
    std::pair<float, float> pointer_{0, 0};
    std::set<int> keys_;
    std::deque<Event> plan_;
    bool may1_ = false, may3_ = false, may5_ = false, slide_ = false;
    std::uint32_t serial_ = 0;
    Board dragStart_;
    std::vector<PictureHandle> pictureOf_;  // [piece] the picture it was cut with
    std::ostringstream faults_;
};

Stats PlaySeeds(std::uint64_t first, long seeds, long events) {
    Watchdog watchdog(unsigned(Env("QUILTO_RANDOM_PLAY_BUDGET", 120)));
    if (const long replayed = Env("QUILTO_RANDOM_PLAY_SEED", -1); replayed >= 0) first = replayed, seeds = 1;
    Stats total;
    std::string broken;
    for (long i = 0; i < seeds && broken.empty(); ++i) broken = RandomGame(first + i, total).Play(events, watchdog);
    if (!broken.empty()) ADD_FAILURE() << broken;
    std::cout << "[ random play ] " << Summary(total) << "\n";
    return total;
}

TEST(RandomPlay, EveryRuleHoldsThroughRandomGames) {
    const Stats s = PlaySeeds(1, Env("QUILTO_RANDOM_PLAY_SEEDS", 60), Env("QUILTO_RANDOM_PLAY_EVENTS", 800));
    if (Env("QUILTO_RANDOM_PLAY_SEED", -1) >= 0) return;
    for (const char* corner :
         {"wins", "reopened games", "continued games", "cancelled drags", "slides", "slippery moves", "refusals",
          "overlapping holds", "keys during drags", "boxes during drags"})
        EXPECT_GT(s.count(corner) ? s.at(corner) : 0, 0) << corner << " never came up: " << Summary(s);
}

}  // namespace
}  // namespace quilto::test
