#include "game/MainWindow.h"

#include <gtest/gtest.h>

#include "settings/SettingsFile.h"
#include "support/FakePlatform.h"
#include "support/TempDir.h"

namespace quilto {
namespace {

TEST(MainWindow, StartUpResetsFlagsAndReadsTheSettings) {
    test::FakePlatform platform;
    GameState g(platform);
    test::TempDir dir;
    ASSERT_TRUE(SaveSettings({8, 9, 2, false, true, false}, dir.File("Quilto.ini")));
    g.fPlaying = g.fPictureLoaded = true;
    g.fBorders = false;
    InitElements(g.win);
    Form_Load(g, dir.Path().string());

    EXPECT_EQ(g.AppDir, dir.AsAppDir());
    EXPECT_TRUE(!g.fPlaying && g.fBorders && !g.fPictureLoaded && g.fLayoutPending);
    EXPECT_EQ(g.settings, (Settings{8, 9, 2, false, true, false}));
    // Only the board frame shows, and the timer waits.
    EXPECT_TRUE(g.win.Label1.Visible);
    EXPECT_FALSE(g.win.Image2.Visible || g.win.Label3.Visible || g.win.Label4.Visible || g.win.Timer1.Enabled);
}

// Where the program's folder is not writable, the settings live elsewhere.
TEST(MainWindow, StartUpReadsTheSettingsFromTheirOwnPathWhenGiven) {
    test::FakePlatform platform;
    GameState g(platform);
    test::TempDir app, config;
    ASSERT_TRUE(SaveSettings({8, 9, 2, false, true, false}, app.File("Quilto.ini")));
    ASSERT_TRUE(SaveSettings({4, 3, 1, false, false, true}, config.File("Quilto.ini")));
    g.SettingsPath = config.File("Quilto.ini");
    InitElements(g.win);
    Form_Load(g, app.Path().string());
    EXPECT_EQ(g.settings, (Settings{4, 3, 1, false, false, true}));
}

TEST(MainWindow, BoardFrameIsLaidOutOnceFromTheMaximizedOuterSize) {
    test::FakePlatform platform;
    GameState g(platform);
    InitElements(g.win);
    Form_Load(g, "/nowhere");
    // A normal window is put back to maximized; nothing is laid out yet.
    EXPECT_TRUE(Form_Resize(g, WindowState::Normal, 9000, 7000));
    EXPECT_FALSE(Form_Resize(g, WindowState::Minimized, 0, 0));
    EXPECT_TRUE(g.fLayoutPending);

    // A 2560-pixel screen is 38400 units, more than 16 bits hold; halves go
    // to the even neighbour.
    EXPECT_FALSE(Form_Resize(g, WindowState::Maximized, 38400.5f, 21600.5f));
    const Box frame{120, 120, 37920.5f, 20720.5f};
    EXPECT_EQ(g.win.Label1.box, frame);
    EXPECT_EQ(g.win.Image2.box, frame);
    EXPECT_EQ(g.win.Image1[0].box.Left, 120);
    EXPECT_EQ(g.win.Image1[0].box.Top, 120);
    EXPECT_EQ(g.BoardWidth, 37920);
    EXPECT_EQ(g.BoardHeight, 20720);

    Form_Resize(g, WindowState::Maximized, 12000, 9000);  // later sizes change nothing
    EXPECT_EQ(g.win.Label1.box, frame);
}

}  // namespace
}  // namespace quilto
