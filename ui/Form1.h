// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The main window: the menu, the board canvas, the window state rules and the
// start and end of the program. It turns Qt events into calls of the game and
// paints what the game holds.
#include <QMainWindow>
#include <QSet>
#include <QTimer>
#include <string>

#include "game/GameState.h"
#include "game/MainWindow.h"
#include "game/PointerRouting.h"
#include "ui/BoardCanvas.h"

class QAction;

namespace quilto {

class Form2;

class Form1 : public QMainWindow {
    Q_OBJECT
public:
    // Runs start-up (Form_Load) with the program's folder appDir.
    Form1(GameState& g, const std::string& appDir, BoardCanvas::PictureLookup pictures);
    ~Form1() override;

    // Brings the canvas, the timer and the pointer on the screen in line
    // with the game state. Runs after every command, tick and box.
    void Sync();

    BoardCanvas* Canvas() const { return canvas_; }
    // The largest the board shows a picture, in device pixels: the board area
    // at the highest pixel ratio among the screens (the window may move to
    // that one); before the board is laid out, the largest available area.
    QSize LargestBoardPixels() const;
    QTimer& Timer1() { return timer1_; }
    Form2* ConfigurationDialog();
    // Opens the saved game at path as "Abrir partida..." does, as soon as
    // the board frame has its layout (the program's argument).
    void OpenWhenLaidOut(const std::string& path);

    QAction* MnuNew = nullptr;
    QAction* MnuLoad = nullptr;
    QAction* MnuConf = nullptr;
    QAction* MnuContinue = nullptr;  // "Continuar partida", enabled while a kept game can be opened
    QAction* MnuSave = nullptr;      // "Guardar partida...", enabled while a game can be saved
    QAction* MnuOpen = nullptr;      // "Abrir partida..."
    QAction* MnuHow = nullptr;
    QAction* MnuInfo = nullptr;

protected:
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    // F5 to F8 reach the game whichever part of this window has the focus,
    // an open menu included; the arrows, Space, Enter and Esc too, except
    // while a menu is open or walked with the keys.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildMenu();
    void Form_Resize();
    WindowState State() const;
    bool CoversAvailableArea() const;
    void LayOut(WindowState state, QSize outer);
    void LayOutWithoutWindowManager();
    // Runs one game command and shows its outcome.
    template <typename F>
    void Run(F&& command);
    void ConnectPointer();
    // The pointer the game holds for the place the pointer was last seen.
    void ShowPointer();
    bool BelongsHere(QObject* o) const;
    void HandOverLostReleases();

    GameState& g_;
    BoardCanvas* canvas_;
    Form2* form2_ = nullptr;
    QTimer timer1_;
    QTimer layoutFallback_;
    QTimer keepTimer_;  // a change of the board waits this long to be kept
    bool running_ = false;
    std::string gameToOpen_;  // waits for the board frame's layout
    // F5 to F8 whose press reached the game and whose release has not; and
    // releases that came while a box or dialog had the keyboard, handed to
    // the game once it is free again.
    QSet<int> keysDown_;
    QSet<int> lostReleases_;
    PointerRouter router_;
    QPointF pointerAt_;  // window units, as the last pointer event had it
    Cursor shownPointer_ = Cursor::Default;
};

}  // namespace quilto
