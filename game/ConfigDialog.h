// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The configuration dialog without the toolkit: the values its controls hold,
// the live size and count labels, the five rules of "Aceptar" and the
// question asked when a change throws the current puzzle away.
//
// Setting a control's value runs its change or click handler only when the
// value really changes, whether the player or the dialog itself set it; the
// live labels and the linked bars rely on that.
#include <array>
#include <cstdint>
#include <string>

#include "game/GameState.h"
#include "settings/Settings.h"

namespace quilto {

class ConfigDialog {
public:
    static constexpr int kBarMin = 1;
    static constexpr int kBarMax = kMaxSide;
    static constexpr int kOptionCount = 4;

    explicit ConfigDialog(GameState& g) : g_(g) {}

    // Controls. HScroll1(0) holds the columns, HScroll1(1) the rows; a value
    // outside 1..65 is taken as the nearest one inside.
    std::int16_t HScroll1(int index) const { return bars_.at(static_cast<std::size_t>(index)); }
    void SetHScroll1(int index, int value);
    bool Check1() const { return check1_; }  // irregular pieces
    bool Check2() const { return check2_; }  // sliding mode
    bool Check3() const { return check3_; }  // columns and rows kept equal
    bool Check4() const { return check4_; }  // slippery pieces
    void SetCheck1(bool ticked);
    void SetCheck2(bool ticked) { check2_ = ticked; }
    void SetCheck3(bool ticked);
    void SetCheck4(bool ticked) { check4_ = ticked; }
    // The selected fit option, 0..3 (FitMode - 1); out of range is clamped.
    int Option1() const { return option1_; }
    void SetOption1(int index);
    const std::string& Label1() const { return label1_; }  // size, "5x5"
    const std::string& Label3() const { return label3_; }  // piece count

    // Loads the controls from the settings in force; runs each time the
    // dialog is shown.
    void Form_Activate();
    // A bar moved (Change) or is being dragged (Scroll): the same work.
    void HScroll1_Change(int index);
    void HScroll1_Scroll(int index) { HScroll1_Change(index); }
    // "Aceptar". Returns true when the dialog is to be hidden; false when a
    // rule refused the combination (its message has been shown).
    bool Command1_Click();
    // "Cancelar": leaves everything as it was. Always hides the dialog.
    bool Command2_Click() { return true; }

private:
    void Check3_Click();
    void Check1_Click();
    void ShowSize();
    void ShowCount();
    Settings SettingsFromControls() const;

    GameState& g_;
    // No value yet, so that the first opening always fills the labels.
    std::array<std::int16_t, 2> bars_{0, 0};
    bool check1_ = false;
    bool check2_ = false;
    bool check3_ = false;
    bool check4_ = false;
    int option1_ = 0;
    std::string label1_ = "88x88";
    std::string label3_ = "2500";
    // The settings as they were when the dialog was last shown.
    Settings snapshot_;
};

}  // namespace quilto
