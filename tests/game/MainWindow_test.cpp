#include "game/MainWindow.h"

#include <gtest/gtest.h>

#include "settings/SettingsFile.h"
#include "support/FakePlatform.h"
#include "support/Printers.h"
#include "support/TempDir.h"

namespace quilto {
namespace {

TEST(MainWindow, StartUpResetsTheFlagsAndReadsTheSettingsBesideTheProgramOrFromTheirOwnPath) {
    test::FakePlatform platform;
    GameState g(platform);
    test::TempDir app, config;
    ASSERT_TRUE(SaveSettings({8, 9, 2, false, true, false}, app.File("Quilto.ini")));
    ASSERT_TRUE(SaveSettings({4, 3, 1, false, false, true}, config.File("Quilto.ini")));
    g.fPlaying = g.fPictureLoaded = true;
    g.fBorders = false;
    InitElements(g.win);
    Form_Load(g, app.Path().string());
    EXPECT_EQ(g.AppDir, app.AsAppDir());
    EXPECT_EQ(std::tuple(g.fPlaying, g.fBorders, g.fPictureLoaded, g.fLayoutPending),
              std::tuple(false, true, false, true));
    EXPECT_EQ(g.settings, (Settings{8, 9, 2, false, true, false}));
    // Only the board frame shows, and the timer waits.
    EXPECT_EQ(std::tuple(g.win.Label1.Visible, g.win.Image2.Visible, g.win.Label3.Visible, g.win.Label4.Visible,
                         g.win.Timer1.Enabled),
              std::tuple(true, false, false, false, false));
    // Where the program's folder is not writable, the settings live elsewhere.
    g.SettingsPath = config.File("Quilto.ini");
    Form_Load(g, app.Path().string());
    EXPECT_EQ(g.settings, (Settings{4, 3, 1, false, false, true}));
}

TEST(MainWindow, BoardFrameIsLaidOutOnceFromTheMaximizedOuterSize) {
    test::FakePlatform platform;
    GameState g(platform);
    InitElements(g.win);
    Form_Load(g, "/nowhere");
    // A normal window is put back to maximized; nothing is laid out yet.
    EXPECT_EQ(std::tuple(Form_Resize(g, WindowState::Normal, 9000, 7000), Form_Resize(g, WindowState::Minimized, 0, 0)),
              std::tuple(true, false));
    EXPECT_TRUE(g.fLayoutPending);

    // A 2560-pixel screen is 38400 units, more than 16 bits hold; halves go
    // to the even neighbour.
    EXPECT_FALSE(Form_Resize(g, WindowState::Maximized, 38400.5f, 21600.5f));
    const Box frame{120, 120, 37920.5f, 20720.5f};
    EXPECT_EQ(std::tuple(g.win.Label1.box, g.win.Image2.box, g.win.Image1[0].box.Left, g.win.Image1[0].box.Top),
              std::tuple(frame, frame, 120, 120));
    EXPECT_EQ(std::tuple(g.BoardWidth, g.BoardHeight), std::tuple(37920, 20720));
    Form_Resize(g, WindowState::Maximized, 12000, 9000);  // later sizes change nothing
    EXPECT_EQ(g.win.Label1.box, frame);
}

}  // namespace
}  // namespace quilto
