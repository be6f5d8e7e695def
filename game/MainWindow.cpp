// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/MainWindow.h"

#include "game/GameKeeping.h"
#include "game/Numbers.h"
#include "game/Paths.h"
#include "settings/SettingsFile.h"

namespace quilto {

void InitElements(Window& win) {
    win = Window{};

    win.Label1.Kind = ElementKind::FilledRect;
    win.Label1.BackColor = {192, 192, 255};
    win.Label1.Visible = true;
    win.Label1.box.Top = 120;
    win.SendToBack(win.Label1);

    Element tmpl;
    tmpl.Kind = ElementKind::Image;
    tmpl.Border = true;
    win.Image1.assign(1, tmpl);
    win.BringToFront(win.Image1[0]);

    win.Label4.Kind = ElementKind::Bar;
    win.Label4.BackColor = {0, 0, 255};
    win.Label4.box.Height = 60;
    win.BringToFront(win.Label4);

    win.Puente.Kind = ElementKind::Image;
    win.Vacio.Kind = ElementKind::Image;

    win.Shape1.Kind = ElementKind::SelectionFrame;
    win.Shape5.Kind = ElementKind::DropFrame;
    win.Shape3.Kind = ElementKind::HintDot;
    win.KeyFrame.Kind = ElementKind::KeyCursor;
    win.Shape3.box.Width = win.Shape3.box.Height = 255;
    Element mark;
    mark.Kind = ElementKind::MisplacedMark;
    win.Shape2.assign(1, mark);
    win.Shape4.assign(1, Box{});
    win.BringToFront(win.Shape1);
    win.BringToFront(win.Shape5);
    win.BringToFront(win.Shape3);

    win.Image2.Kind = ElementKind::Image;
    win.Image2.Border = true;
    win.Image2.box.Top = 120;
    win.BringToFront(win.Image2);

    win.Label3.Kind = ElementKind::Text;
    win.Label3.Caption = "CREANDO PUZZLE...";
    win.Label3.Bold = true;
    win.Label3.FontPoints = 13.5f;
    win.Label3.ForeColor = {0, 255, 0};
    win.Label3.BackColor = {255, 0, 255};
    win.Label3.box = {360, 4680, 3495, 375};
    win.BringToFront(win.Label3);

    win.Timer1 = Timer{100};
}

void Form_Load(GameState& g, const std::string& appDir) {
    g.AppDir = WithTrailingSeparator(appDir);
    g.rng.Seed(g.platform.ClockSeed());
    g.fPictureLoaded = false;
    g.fPeeking = false;
    g.fLayoutPending = true;
    g.win.Label1.box.Top = g.win.Image2.box.Top;
    g.win.Image1.at(0).box.Top = g.win.Label1.box.Top;
    g.fPlaying = false;
    g.fBorders = true;
    g.settings = LoadSettings(g.SettingsFileToRead());
    FindKeptGame(g);
}

bool Form_Resize(GameState& g, WindowState state, float outerWidth, float outerHeight) {
    if (state == WindowState::Normal) return true;
    if (state != WindowState::Maximized || !g.fLayoutPending) return false;
    g.fLayoutPending = false;

    Box& frame = g.win.Label1.box;
    frame.Height = outerHeight - frame.Top - 760.0f;
    frame.Width = outerWidth - 480.0f;
    frame.Left = 120;

    Box& finished = g.win.Image2.box;
    finished.Height = frame.Height;
    finished.Width = frame.Width;
    finished.Left = frame.Left;

    g.win.Image1.at(0).box.Left = frame.Left;

    g.BoardHeight = ToInt32(frame.Height);
    g.BoardWidth = ToInt32(frame.Width);
    return false;
}

}  // namespace quilto
