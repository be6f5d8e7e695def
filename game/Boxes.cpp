// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/Boxes.h"

#include "game/PointerPlay.h"

namespace quilto {
namespace {

// Counts the box as open for as long as it is on the screen.
class OpenBox {
public:
    explicit OpenBox(GameState& g) : g_(g) {
        EndDrag(g_);
        ++g_.BoxesOpen;
    }
    ~OpenBox() { --g_.BoxesOpen; }
    OpenBox(const OpenBox&) = delete;
    OpenBox& operator=(const OpenBox&) = delete;

private:
    GameState& g_;
};

}  // namespace

MsgResult ShowMessage(GameState& g, const std::string& text, MsgIcon icon, MsgButtons buttons) {
    const OpenBox open(g);
    return g.platform.MessageBox(text, icon, buttons);
}

std::string ChooseFile(GameState& g, const std::string& startDir) {
    const OpenBox open(g);
    return g.platform.ChooseOpenFile(startDir);
}

std::string ChooseSaveFile(GameState& g, const std::string& folder, const std::string& name) {
    const OpenBox open(g);
    return g.platform.ChooseSaveFile(folder, name);
}

void OpenConfiguration(GameState& g) {
    const OpenBox open(g);
    if (g.ShowConfiguration) g.ShowConfiguration();
}

}  // namespace quilto
