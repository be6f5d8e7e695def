// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The configuration dialog "Configuración". It is created once by its opener
// and afterwards only hidden and shown again; its controls keep their values
// between openings until Form_Activate loads them again.
//
// The controls only mirror the toolkit-free ConfigDialog: a change made by the
// player is handed to it, and the controls are then refreshed from it with
// their signals blocked, so that no handler runs twice.
#include <QDialog>
#include <array>

#include "game/ConfigDialog.h"
#include "game/GameState.h"
#include "ui/DialogScale.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QScrollBar;

namespace quilto {

class Form2 : public QDialog {
    Q_OBJECT
public:
    Form2(GameState& g, QWidget* parent);

    // Loads the controls from g.settings, shows the dialog modally, centred on
    // its parent, and returns once it is hidden again. The outcome is
    // g.fSkipConfirm (true: accepted settings that call for a new puzzle);
    // accepted settings are already in g.settings.
    void ShowModal();

    // Client area in window units (15 per pixel).
    static constexpr int kClientWidth = 7770;
    static constexpr int kClientHeight = 3375;

public slots:
    // The window's close box acts as "Cancelar"; Esc does not get here.
    void reject() override;

protected:
    // Enter clicks a focused button and nothing else; Esc does nothing.
    void keyPressEvent(QKeyEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateControls();
    void SetTabOrder();
    void ConnectControls();
    // Mirrors the model's values into the controls without signals.
    void ShowControls();
    void Command1_Click();
    void Command2_Click();

    ConfigDialog model_;
    DialogScale scale_;  // grown so that every caption fits its box

    QGroupBox* Frame1 = nullptr;
    QGroupBox* Frame2 = nullptr;
    QGroupBox* Frame3 = nullptr;
    std::array<QScrollBar*, 2> HScroll1{};
    QCheckBox* Check1 = nullptr;
    QCheckBox* Check2 = nullptr;
    QCheckBox* Check3 = nullptr;
    QCheckBox* Check4 = nullptr;
    std::array<QLabel*, 2> Label4{};
    QLabel* Label1 = nullptr;
    QLabel* Label3 = nullptr;
    std::array<QRadioButton*, ConfigDialog::kOptionCount> Option1{};
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
};

}  // namespace quilto
