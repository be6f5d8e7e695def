// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/ConfigDialog.h"

#include <gtest/gtest.h>

#include "support/BoardFixture.h"

namespace quilto {
namespace {

struct ConfigDialogTest : ::testing::Test, test::BoardFixture {
    ConfigDialog dlg{g};

    // Shown with these settings in force.
    void Open(Settings s) {
        g.settings = s;
        dlg.Form_Activate();
    }
    auto Shown() const { return FIELDS(dlg.Label1(), dlg.Label3(), dlg.HScroll1(0), dlg.HScroll1(1), dlg.Check3()); }
};

TEST_F(ConfigDialogTest, LabelsFollowTheBarsAndTheIrregularCountTheColumnsInForce) {
    Open({1, 1, 2, false, false, false});  // the first opening fills the labels even for 1 x 1
    EXPECT_RECORD(Shown(), std::tuple("1x1", "1", 1, 1, true));
    Open({0, -3, 2, false, false, false});  // sizes of a hand-edited file show as the nearest valid
    EXPECT_RECORD(Shown(), std::tuple("1x1", "1", 1, 1, true));
    Open({70, 80, 2, false, false, false});
    EXPECT_RECORD(Shown(), std::tuple("65x65", "4225", 65, 65, true));
    Open({6, 4, 2, false, false, false});
    EXPECT_RECORD(Shown(), std::tuple("6x4", "24", 6, 4, false));
    // Bars linked at 8 x 8 = 64 units: 64 / 1.3, 1.8 or 2.4 by the columns in force, not by the bar.
    const std::pair<short, const char*> bands[] = {{2, "0"}, {3, "49"}, {4, "49"}, {5, "35"}, {7, "35"}, {8, "26"}};
    for (auto [columns, count] : bands) {
        Open({columns, columns, 3, false, false, false});
        dlg.SetHScroll1(0, 8);
        dlg.SetCheck1(true);
        EXPECT_EQ(dlg.Label3(), count) << columns;
    }
}

TEST_F(ConfigDialogTest, AceptarStoresALegalBoardAndRefusesByTheFirstRuleBroken) {
    const std::string irregularSquare = "Para jugar con piezas irregulares ambas medidas deben ser iguales.",
                      irregular3 = "El tamaño mínimo para jugar con piezas irregulares es de 3x3.",
                      slide2 = "El tamaño mínimo para jugar con desplazamiento es de 2x2.",
                      slippery = "El juego con desplazamiento no permite la opción de piezas Escurridizas.";
    const std::pair<Settings, std::string> cases[] = {
        {{4, 5, 3, true, false, false}, irregularSquare},
        {{1, 2, 3, true, true, true}, irregularSquare},
        {{2, 2, 3, true, false, false}, irregular3},
        {{1, 1, 3, true, true, true}, irregular3},
        {{1, 3, 3, false, true, false}, slide2},
        {{1, 1, 3, false, true, true}, slide2},
        {{3, 3, 3, true, true, true}, slippery},
        {{1, 1, 3, false, false, true}, "El tamaño del tablero no puede ser de 1x1."},
        // A single row or column is a legal board without sliding or irregular pieces.
        {{1, 2, 1, false, false, false}, ""},
        {{2, 1, 3, false, false, true}, ""},
        {{2, 2, 3, false, true, false}, ""},
        {{3, 3, 1, true, false, true}, ""},
    };
    for (const auto& [s, message] : cases) {
        fake.messages.clear();
        Open(s);
        g.settings = {};
        const bool legal = message.empty(), accepted = dlg.Command1_Click();
        EXPECT_FIELDS((accepted, g.settings, g.fSkipConfirm, fake.MessageTexts()),
                      (legal, legal ? s : Settings{}, legal, legal ? Texts{} : Texts{message}))
            << testing::PrintToString(s);
        for (const auto& m : fake.messages) EXPECT_FIELDS((m.icon, m.buttons), (MsgIcon::Exclamation, MsgButtons::Ok));
    }
}

TEST_F(ConfigDialogTest, DuringAPuzzleOnlyChangesThatNeedANewOneAsk) {
    g.fPictureLoaded = g.fPlaying = true;
    Open({});               // 5 x 5 irregular pieces, fit 3
    dlg.SetHScroll1(0, 8);  // both bars, being linked
    dlg.SetOption1(0);
    dlg.SetCheck4(true);
    fake.answers = {MsgResult::Cancel};
    EXPECT_FIELDS((dlg.Command1_Click(), g.settings, g.fSkipConfirm), (true, Settings{}, false));
    EXPECT_EQ(fake.messages.at(0).text, "Para hacer efectivos los cambios tienes que empezar otro puzzle. Continuar?");
    EXPECT_EQ(fake.messages[0].buttons, MsgButtons::OkCancel);
    Open({});
    dlg.SetCheck4(true);  // the slippery option alone takes effect at once
    EXPECT_FIELDS((dlg.Command1_Click(), fake.messages.size(), g.settings.fSlippery, g.fSkipConfirm),
                  (true, 1u, true, false));
    g.fPlaying = false;  // a finished puzzle: nothing is asked and a new one follows
    Open({});
    dlg.SetHScroll1(0, 8);
    EXPECT_FIELDS((dlg.Command1_Click(), fake.messages.size(), g.fSkipConfirm, g.settings.Columns),
                  (true, 1u, true, 8));
}

}  // namespace
}  // namespace quilto
