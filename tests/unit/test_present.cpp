// Full screen: where the picture goes, how the mouse maps to it, and that
// only what changed reaches the display.
#include <gtest/gtest.h>

#include "present.h"
#include "test_support.h"
#include "variable.h"

TEST(FullScreen, TheLargestWholeScaleCentredOnCommonDesktops)
{
    struct {
        int w, h, scale, x, y;
    } cases[] = {{1366, 768, 1, 363, 144}, {1920, 1080, 2, 320, 60}, {2560, 1440, 3, 320, 0},
                 {3840, 2160, 4, 640, 120}, {1280, 1024, 2, 0, 32},  {640, 480, 1, 0, 0},
                 {600, 400, 1, 0, 0}};
    for (auto c : cases) {
        PRESENT_PLACE p = full_screen_place(c.w, c.h);
        EXPECT_EQ((std::vector<int>{p.scale, p.x, p.y}), (std::vector<int>{c.scale, c.x, c.y}))
            << c.w << "x" << c.h;
    }
}

// A display of w x h in memory, the picture placed on it as full screen.
class Display : public ::testing::Test {
protected:
    void open(int w, int h)
    {
        fake_clock::install(1000000);
        saved_screen = screen;
        screen = display = create_bitmap(w, h);
        clear_to_color(screen, BAR);
        game_screen = create_bitmap(SCREEN_WIDTH, SCREEN_HEIGHT);
        clear_to_color(game_screen, makecol(10, 20, 30));
        PRESENT_PLACE p = full_screen_place(w, h);
        present_init(p.scale, p.x, p.y);
    }
    void TearDown() override
    {
        present_exit();
        destroy_bitmap(game_screen);
        game_screen = nullptr;
        destroy_bitmap(display);
        screen = saved_screen;
        fake_clock::uninstall();
    }
    const int BAR = makecol(1, 2, 3);
    BITMAP *display = nullptr, *saved_screen = nullptr;
};

TEST_F(Display, TheMouseMapsThroughThePicturesOffsetAndScale)
{
    open(1920, 1080);       // scale 2 at (320, 60)
    struct {
        int mx, my, gx, gy;
    } cases[] = {{320, 60, 0, 0},        {321, 61, 0, 0},       {322, 62, 1, 1},
                 {320 + 2 * 195 + 1, 60 + 2 * 285 + 1, 195, 285},
                 {1599, 1019, 639, 479}, {10, 10, 0, 0},        {1919, 1079, 639, 479}};
    for (auto c : cases) {
        mouse_x = c.mx;
        mouse_y = c.my;
        EXPECT_EQ(game_mouse_x(), c.gx) << c.mx;
        EXPECT_EQ(game_mouse_y(), c.gy) << c.my;
    }
    mouse_x = mouse_y = 0;
}

TEST_F(Display, OnlyAChangedFrameReachesTheDisplayAndANewModeGetsItWhole)
{
    open(1920, 1080);       // scale 2 at (320, 60)
    const int back = makecol(10, 20, 30), mark = makecol(200, 0, 0), green = makecol(0, 255, 0);
    present();
    EXPECT_EQ(getpixel(display, 320, 60), back);
    EXPECT_EQ(getpixel(display, 1599, 1019), back);
    EXPECT_EQ(getpixel(display, 319, 60), BAR);
    EXPECT_EQ(getpixel(display, 1600, 1019), BAR);
    EXPECT_EQ(getpixel(display, 320, 1020), BAR);

    // Marks on the display stay where the frame did not change.
    putpixel(display, 320, 60, mark);
    putpixel(display, 320, 60 + 2 * 400, mark);
    present();
    present_again();
    EXPECT_EQ(getpixel(display, 320, 60), mark);
    putpixel(game_screen, 5, 300, green);
    present();
    EXPECT_EQ(getpixel(display, 320 + 10, 60 + 600), green);
    EXPECT_EQ(getpixel(display, 320 + 11, 60 + 601), green);
    EXPECT_EQ(getpixel(display, 320, 60 + 600), back);      // the row sent whole
    EXPECT_EQ(getpixel(display, 320 + 10, 60 + 602), back);
    EXPECT_EQ(getpixel(display, 320, 60), mark);            // rows above and below not sent
    EXPECT_EQ(getpixel(display, 320, 60 + 800), mark);
    putpixel(display, 320 + 10, 60 + 600, mark);            // the changed row is known as sent
    present();
    EXPECT_EQ(getpixel(display, 320 + 10, 60 + 600), mark);

    // A new graphics mode: the same frame, sent whole at its new place.
    clear_to_color(display, BAR);
    present_init(1, 0, 0);
    present_again();
    EXPECT_EQ(getpixel(display, 0, 0), back);
    EXPECT_EQ(getpixel(display, 5, 300), green);
}
