#include "game/MainWindow.h"

#include <gtest/gtest.h>

#include "settings/SettingsFile.h"
#include "support/FakePlatform.h"
#include "support/TempDir.h"

namespace quilto {
namespace {

struct MainWindowTest : ::testing::Test {
    test::FakePlatform platform;
    GameState g{platform};
    test::TempDir dir;

    void SetUp() override { InitElements(g.win); }
};

TEST_F(MainWindowTest, StartUpResetsFlagsAndReadsSettings) {
    ASSERT_TRUE(SaveSettings({8, 9, 2, false, true, false}, dir.File("Quilto.ini")));
    g.fPlaying = true;
    g.fBorders = false;
    g.fPictureLoaded = true;
    Form_Load(g, dir.Path().string());

    EXPECT_EQ(g.AppDir, dir.AsAppDir());
    EXPECT_FALSE(g.fPlaying);
    EXPECT_TRUE(g.fBorders);
    EXPECT_FALSE(g.fPictureLoaded);
    EXPECT_FALSE(g.fPeeking);
    EXPECT_TRUE(g.fLayoutPending);
    EXPECT_EQ(g.settings, (Settings{8, 9, 2, false, true, false}));
    EXPECT_EQ(g.win.Label1.box.Top, 120);
    EXPECT_EQ(g.win.Image1[0].box.Top, 120);
    EXPECT_FALSE(g.win.Timer1.Enabled);
    EXPECT_EQ(g.win.Timer1.IntervalMs, 100);
    // Only the board frame shows when the window opens.
    EXPECT_TRUE(g.win.Label1.Visible);
    EXPECT_FALSE(g.win.Image2.Visible || g.win.Label3.Visible || g.win.Label4.Visible || g.win.Image1[0].Visible);
}

TEST_F(MainWindowTest, MissingSettingsFileGivesDefaults) {
    Form_Load(g, dir.AsAppDir());
    EXPECT_EQ(g.AppDir, dir.AsAppDir());
    EXPECT_EQ(g.settings, Settings{});
}

TEST_F(MainWindowTest, LayoutIsDoneOnceFromTheMaximizedOuterSize) {
    Form_Load(g, dir.AsAppDir());
    // A normal window is put back to maximized and lays nothing out.
    EXPECT_TRUE(Form_Resize(g, WindowState::Normal, 9000, 7000));
    EXPECT_FALSE(Form_Resize(g, WindowState::Minimized, 0, 0));
    EXPECT_TRUE(g.fLayoutPending);

    // 1920 x 1050 pixels at 15 units per pixel.
    EXPECT_FALSE(Form_Resize(g, WindowState::Maximized, 28800, 15750));
    const Box frame{120, 120, 28800 - 480, 15750 - 880};
    EXPECT_EQ(g.win.Label1.box, frame);
    EXPECT_EQ(g.win.Image2.box, frame);
    EXPECT_EQ(g.win.Image1[0].box.Left, 120);
    EXPECT_EQ(g.win.Image1[0].box.Top, 120);
    EXPECT_EQ(g.BoardWidth, 28320);
    EXPECT_EQ(g.BoardHeight, 14870);

    // Later changes of size leave the frame alone.
    EXPECT_FALSE(Form_Resize(g, WindowState::Maximized, 12000, 9000));
    EXPECT_EQ(g.win.Label1.box, frame);
    EXPECT_EQ(g.BoardWidth, 28320);
}

TEST_F(MainWindowTest, LargeScreensAndFractionalSizes) {
    Form_Load(g, dir.AsAppDir());
    // A 2560-pixel screen is 38400 units: wider than 16 bits allow.
    Form_Resize(g, WindowState::Maximized, 38400.5f, 21600.5f);
    EXPECT_EQ(g.BoardWidth, 37920);   // 37920.5 rounds to the even neighbour
    EXPECT_EQ(g.BoardHeight, 20720);  // 20720.5 likewise
}

TEST_F(MainWindowTest, AppDirKeepsAnExistingSeparator) {
    Form_Load(g, dir.AsAppDir());
    EXPECT_EQ(g.AppDir, dir.AsAppDir());
    EXPECT_EQ(g.AppFile("Acaba.wav"), dir.AsAppDir() + "Acaba.wav");
}

}  // namespace
}  // namespace quilto
