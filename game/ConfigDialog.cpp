// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/ConfigDialog.h"

#include <algorithm>

#include "game/Boxes.h"
#include "game/Numbers.h"
#include "game/SettingsRules.h"

namespace quilto {

namespace {

constexpr const char* kAskNewPuzzle = "Para hacer efectivos los cambios tienes que empezar otro puzzle. Continuar?";

std::string SizeText(int columns, int rows) {
    return std::to_string(columns) + "x" + std::to_string(rows);
}

// How many irregular pieces a board of `product` units gives, roughly; the
// band follows the columns in force, not the bar.
int IrregularEstimate(int product, int columnsInForce) {
    if (columnsInForce == 1 || columnsInForce == 2) return 0;
    if (columnsInForce == 3 || columnsInForce == 4) return static_cast<int>(IntPart(product / 1.3));
    if (columnsInForce >= 5 && columnsInForce <= 7) return static_cast<int>(IntPart(product / 1.8));
    return static_cast<int>(IntPart(product / 2.4));
}

}  // namespace

void ConfigDialog::SetHScroll1(int index, int value) {
    const auto v = static_cast<std::int16_t>(std::clamp(value, kBarMin, kBarMax));
    auto& bar = bars_.at(static_cast<std::size_t>(index));
    if (bar == v) return;
    bar = v;
    HScroll1_Change(index);
}

void ConfigDialog::SetCheck1(bool ticked) {
    if (check1_ == ticked) return;
    check1_ = ticked;
    Check1_Click();
}

void ConfigDialog::SetCheck3(bool ticked) {
    if (check3_ == ticked) return;
    check3_ = ticked;
    Check3_Click();
}

void ConfigDialog::SetOption1(int index) {
    option1_ = std::clamp(index, 0, kOptionCount - 1);
}

void ConfigDialog::Form_Activate() {
    const Settings& s = g_.settings;
    // Sizes only a hand-edited file can hold show as the nearest valid ones.
    const int columns = std::clamp<int>(s.Columns, kBarMin, kBarMax);
    const int rows = std::clamp<int>(s.Rows, kBarMin, kBarMax);
    label1_ = SizeText(columns, rows);
    SetCheck3(columns == rows);
    SetHScroll1(0, columns);
    SetHScroll1(1, rows);
    SetOption1(s.FitMode - 1);
    SetCheck1(s.fIrregular);
    SetCheck2(s.fSlide);
    SetCheck4(s.fSlippery);
    snapshot_ = s;
}

void ConfigDialog::HScroll1_Change(int index) {
    if (check3_) SetHScroll1(1 - index, HScroll1(index));
    ShowSize();
    ShowCount();
}

void ConfigDialog::Check3_Click() {
    if (!check3_) return;
    if (HScroll1(0) < HScroll1(1))
        SetHScroll1(1, HScroll1(0));
    else
        SetHScroll1(0, HScroll1(1));
}

void ConfigDialog::Check1_Click() {
    ShowCount();
}

void ConfigDialog::ShowSize() {
    label1_ = SizeText(HScroll1(0), HScroll1(1));
}

void ConfigDialog::ShowCount() {
    int count = HScroll1(0) * HScroll1(1);
    if (check1_) count = IrregularEstimate(count, g_.settings.Columns);
    label3_ = std::to_string(count);
}

Settings ConfigDialog::SettingsFromControls() const {
    Settings s;
    s.Columns = HScroll1(0);
    s.Rows = HScroll1(1);
    s.FitMode = static_cast<std::int16_t>(option1_ + 1);
    s.fIrregular = check1_;
    s.fSlide = check2_;
    s.fSlippery = check4_;
    return s;
}

bool ConfigDialog::Command1_Click() {
    const Settings chosen = SettingsFromControls();
    if (const SettingsRule broken = BrokenSettingsRule(chosen); broken != SettingsRule::None) {
        ShowMessage(g_, SettingsRuleMessage(broken), MsgIcon::Exclamation);
        return false;
    }
    g_.settings = chosen;

    if (!g_.fPictureLoaded || !g_.fPlaying) {
        g_.fSkipConfirm = true;
        return true;
    }
    // The slippery option alone takes effect in the running puzzle.
    const Settings& old = snapshot_;
    const bool needsNewPuzzle = chosen.Columns != old.Columns || chosen.Rows != old.Rows ||
                                chosen.FitMode != old.FitMode || chosen.fIrregular != old.fIrregular ||
                                chosen.fSlide != old.fSlide;
    if (needsNewPuzzle) {
        if (ShowMessage(g_, kAskNewPuzzle, MsgIcon::Question, MsgButtons::OkCancel) == MsgResult::Ok)
            g_.fSkipConfirm = true;
        else
            g_.settings = snapshot_;
    }
    return true;
}

}  // namespace quilto
