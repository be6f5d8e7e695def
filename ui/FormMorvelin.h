// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The about box: a small black box with the program's title and icon, a logo,
// the author line and two addresses that the desktop opens. It is created
// for one showing and destroyed when closed; a click anywhere but on the two
// addresses, or a key that types a character, closes it.
#include <QDialog>
#include <string>

#include "platform/Platform.h"
#include "ui/DialogScale.h"

class QFrame;
class QLabel;

namespace quilto {

class FormMorvelin : public QDialog {
    Q_OBJECT
public:
    // mainWindow lends the box its caption and icon; the box is centred on it
    // when it is visible, otherwise on the screen (at start-up). appDir is
    // the program's folder, the working folder of the addresses.
    FormMorvelin(Platform& platform, const std::string& appDir, QWidget* mainWindow);

    // Creates the box, shows it modally and destroys it once it is closed.
    static void ShowModal(Platform& platform, const std::string& appDir, QWidget* mainWindow);

    // Client area in window units (15 per pixel).
    static constexpr int kClientWidth = 4260;
    static constexpr int kClientHeight = 6300;


protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateControls();
    void CentreOn(QWidget* mainWindow);
    void Form_Activate();
    // Underlines one of the two addresses and not the other; none for nullptr.
    void Underline(QLabel* address);
    void OpenAddress(QLabel* address);

    Platform& platform_;
    std::string appDir_;
    QWidget* mainWindow_;
    DialogScale scale_;  // grown so that every text fits its box
    bool pressed_ = false;  // a left press on the box, waiting for its release
    QLabel* pressedAddress_ = nullptr;

    QFrame* shpMarco = nullptr;
    QLabel* imgIcono = nullptr;
    QLabel* lblTitulo = nullptr;
    QLabel* lblCreadoPor = nullptr;
    QLabel* imgLogo = nullptr;
    QLabel* lblTexEmail = nullptr;
    QLabel* lblMail = nullptr;
    QLabel* lblTexWeb = nullptr;
    QLabel* lblURL = nullptr;
    QLabel* lblTexto = nullptr;
    QLabel* lblClick = nullptr;
};

}  // namespace quilto
