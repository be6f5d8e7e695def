#include "game/ConfigDialog.h"

#include <gtest/gtest.h>

#include "support/FakePlatform.h"

namespace quilto {
namespace {

class ConfigDialogTest : public ::testing::Test {
protected:
    test::FakePlatform platform;
    GameState g{platform};
    ConfigDialog dlg{g};

    void Open(Settings s) {
        g.settings = s;
        dlg.Form_Activate();
    }
    void Bars(int c, int r) {
        dlg.SetCheck3(false);
        dlg.SetHScroll1(0, c);
        dlg.SetHScroll1(1, r);
    }
};

TEST_F(ConfigDialogTest, ActivateLoadsControlsAndTheLabelsFollow) {
    Open({6, 4, 2, false, true, false});
    EXPECT_EQ(dlg.Label1(), "6x4");
    EXPECT_EQ(dlg.Label3(), "24");
    EXPECT_FALSE(dlg.Check3());
    EXPECT_EQ(dlg.Option1(), 1);
    EXPECT_TRUE(dlg.Check2());
    Open({5, 5, 3, true, false, false});
    EXPECT_EQ(dlg.Label3(), "13");  // 25 / 1.8
    EXPECT_TRUE(dlg.Check3());
    // A hand-edited file: the nearest valid values, no failure.
    Open({99, -4, 9, false, false, false});
    EXPECT_EQ(dlg.HScroll1(0), 65);
    EXPECT_EQ(dlg.HScroll1(1), 1);
    EXPECT_EQ(dlg.Option1(), 3);
}

TEST_F(ConfigDialogTest, IdenticosTakesTheSmallerAndLinksTheBars) {
    Open({7, 4, 3, false, false, false});
    dlg.SetCheck3(true);
    EXPECT_EQ(dlg.Label1(), "4x4");
    dlg.SetHScroll1(1, 9);
    EXPECT_EQ(dlg.Label1(), "9x9");
    EXPECT_EQ(dlg.Label3(), "81");
    Bars(3, 8);  // cleared: the bars move alone
    EXPECT_EQ(dlg.Label1(), "3x8");
    dlg.SetCheck3(true);
    EXPECT_EQ(dlg.Label1(), "3x3");
}

TEST_F(ConfigDialogTest, IrregularEstimateFollowsColumnsInForceNotTheBar) {
    Open({5, 5, 3, false, false, false});
    dlg.SetHScroll1(0, 8);
    dlg.SetCheck1(true);
    EXPECT_EQ(dlg.Label3(), "35");  // 64 / 1.8, not 64 / 2.4
    dlg.SetCheck1(false);
    EXPECT_EQ(dlg.Label3(), "64");
    // Bands for a 10 x 10 board by the columns in force.
    const std::pair<int, const char*> bands[] = {{2, "0"}, {1, "0"}, {3, "76"}, {7, "55"}, {8, "41"}, {0, "41"}};
    for (auto [columns, count] : bands) {
        Open({static_cast<std::int16_t>(columns), 5, 3, true, false, false});
        Bars(10, 10);
        EXPECT_EQ(dlg.Label3(), count) << "columns in force " << columns;
    }
}

TEST_F(ConfigDialogTest, ReopeningRerunsOnlyTheHandlersOfChangedControls) {
    Open({5, 5, 3, true, false, false});
    dlg.SetCheck1(false);
    dlg.Form_Activate();  // ticked again, so the count follows
    EXPECT_EQ(dlg.Label3(), "13");
    dlg.SetHScroll1(0, 8);
    ASSERT_TRUE(dlg.Command1_Click());
    dlg.Form_Activate();  // 8 in force now, but no control changes
    EXPECT_EQ(dlg.Label3(), "35");
}

TEST_F(ConfigDialogTest, RefusalsComeInOrderAndChangeNothing) {
    struct Case {
        int c, r;
        bool irregular, slide, slippery;
        const char* message;
    };
    const char* irregularSquare = "Para jugar con piezas irregulares ambas medidas deben ser iguales.";
    const char* irregularMin = "El tamaño mínimo para jugar con piezas irregulares es de 3x3.";
    const char* slideMin = "El tamaño mínimo para jugar con desplazamiento es de 2x2.";
    const Case cases[] = {{4, 5, true, false, false, irregularSquare},
                          {1, 2, true, true, true, irregularSquare},
                          {2, 2, true, false, false, irregularMin},
                          {1, 1, true, true, true, irregularMin},
                          {1, 3, false, true, false, slideMin},
                          {1, 1, false, true, true, slideMin},
                          {3, 3, true, true, true, "El juego con desplazamiento no permite la opción de piezas Escurridizas."},
                          {1, 1, false, false, true, "El tamaño del tablero no puede ser de 1x1."}};
    for (const Case& k : cases) {
        platform.messages.clear();
        Open(Settings{});
        Bars(k.c, k.r);
        dlg.SetCheck1(k.irregular);
        dlg.SetCheck2(k.slide);
        dlg.SetCheck4(k.slippery);
        EXPECT_FALSE(dlg.Command1_Click());
        ASSERT_EQ(platform.messages.size(), 1u);
        EXPECT_EQ(platform.messages[0].text, k.message) << k.c << "x" << k.r;
        EXPECT_EQ(platform.messages[0].icon, MsgIcon::Exclamation);
        EXPECT_EQ(platform.messages[0].buttons, MsgButtons::Ok);
        EXPECT_EQ(g.settings, Settings{});
        EXPECT_FALSE(g.fSkipConfirm);
    }
}

TEST_F(ConfigDialogTest, AcceptWithoutPuzzleInPlayStoresAndAsksNothing) {
    for (bool pictureLoaded : {false, true}) {  // no picture yet, or a finished puzzle
        g.fPictureLoaded = pictureLoaded;
        g.fSkipConfirm = false;
        Open(Settings{});
        EXPECT_TRUE(dlg.Command1_Click());  // even with nothing changed
        EXPECT_TRUE(g.fSkipConfirm);
    }
    Bars(12, 5);
    dlg.SetCheck1(false);
    dlg.SetOption1(0);
    dlg.SetCheck2(true);
    ASSERT_TRUE(dlg.Command1_Click());
    EXPECT_EQ(g.settings, (Settings{12, 5, 1, false, true, false}));
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(ConfigDialogTest, DuringPuzzleChangesAskUnlessOnlySlipperyChanged) {
    g.fPictureLoaded = g.fPlaying = true;
    const Settings before{6, 6, 2, true, false, false};
    Open(before);
    dlg.SetHScroll1(0, 8);
    dlg.SetCheck4(true);
    platform.answers = {MsgResult::Cancel};
    EXPECT_TRUE(dlg.Command1_Click());
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, "Para hacer efectivos los cambios tienes que empezar otro puzzle. Continuar?");
    EXPECT_EQ(platform.messages[0].icon, MsgIcon::Question);
    EXPECT_EQ(platform.messages[0].buttons, MsgButtons::OkCancel);
    EXPECT_EQ(g.settings, before);  // all six, slippery too
    EXPECT_FALSE(g.fSkipConfirm);

    Open(before);
    dlg.SetCheck4(true);
    EXPECT_TRUE(dlg.Command1_Click());
    EXPECT_EQ(platform.messages.size(), 1u);
    EXPECT_TRUE(g.settings.fSlippery);
    EXPECT_FALSE(g.fSkipConfirm);

    Open(before);
    dlg.SetOption1(0);
    EXPECT_TRUE(dlg.Command1_Click());  // answered OK
    EXPECT_TRUE(g.fSkipConfirm);
    EXPECT_EQ(g.settings.FitMode, 1);
}

}  // namespace
}  // namespace quilto
