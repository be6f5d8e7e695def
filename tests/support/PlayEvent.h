#pragma once
// One thing a player or the clock does to the game in the random play.
#include <sstream>
#include <string>

namespace quilto::test {

enum class PlayKind { Load, New, Conf, Press, Move, Release, Tick, KeyDown, KeyUp, Resize };

struct PlayEvent {
    PlayKind kind = PlayKind::Move;
    int code = 0;        // mouse button, key code, or the window state of a resize
    float x = 0, y = 0;  // pointer place, or the window's outer size
};

inline std::string Describe(const PlayEvent& e) {
    static const char* const names[] = {"MnuLoad_Click", "MnuNew_Click",    "MnuConf_Click", "press button ",
                                        "move",          "release button ", "Timer1_Timer",  "key down F",
                                        "key up F",      "resize, state "};
    std::ostringstream os;
    os << names[static_cast<int>(e.kind)];
    if (e.kind == PlayKind::Press || e.kind == PlayKind::Release) os << e.code;
    if (e.kind == PlayKind::Press || e.kind == PlayKind::Release || e.kind == PlayKind::Move)
        os << " at (" << e.x << ", " << e.y << ")";
    if (e.kind == PlayKind::KeyDown || e.kind == PlayKind::KeyUp) os << e.code - 111;  // F1 is 112
    if (e.kind == PlayKind::Resize) os << e.code << ", " << e.x << " x " << e.y;
    return os.str();
}

}  // namespace quilto::test
