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
    std::ostringstream os;
    switch (e.kind) {
        case PlayKind::Load:
            return "MnuLoad_Click";
        case PlayKind::New:
            return "MnuNew_Click";
        case PlayKind::Conf:
            return "MnuConf_Click";
        case PlayKind::Tick:
            return "Timer1_Timer";
        case PlayKind::Press:
            os << "press button " << e.code << " at (" << e.x << ", " << e.y << ")";
            break;
        case PlayKind::Move:
            os << "move to (" << e.x << ", " << e.y << ")";
            break;
        case PlayKind::Release:
            os << "release button " << e.code << " at (" << e.x << ", " << e.y << ")";
            break;
        case PlayKind::KeyDown:
            os << "key down F" << e.code - 111;  // F1 is 112
            break;
        case PlayKind::KeyUp:
            os << "key up F" << e.code - 111;
            break;
        case PlayKind::Resize:
            os << "resize, state " << e.code << ", " << e.x << " x " << e.y;
            break;
    }
    return os.str();
}

}  // namespace quilto::test
