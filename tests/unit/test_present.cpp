// The picture on the display: the window's scale, the full screen's place, how
// the mouse maps to it and is confined, and that only what changed reaches the display.
#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "pacing.h"
#include "present.h"
#include "test_support.h"
#include "variable.h"

// A window: the scale setup.cfg asks for, or else the largest whose window and
// its frame (32 x 96 more) fit the desktop.  Full screen: the largest whole scale, centred.
TEST(Placement, TheWindowsScaleAndTheFullScreensPlace)
{
    struct { int requested, w, h, scale; } windows[] = {
        {1, 3840, 2160, 1}, {0, 1312, 1056, 2}, {0, 1311, 1056, 1}, {0, 1312, 1055, 1}, {-1, 3840, 2160, 4}, {0, 9999, 9999, 4}};
    for (auto c : windows)
        EXPECT_EQ(choose_scale(c.requested, c.w, c.h), c.scale) << c.requested << " " << c.w << "x" << c.h;
    struct { int w, h; std::vector<int> place; } screens[] = {
        {1366, 768, {1, 363, 144}}, {1920, 1080, {2, 320, 60}}, {2560, 1440, {3, 320, 0}}, {3840, 2160, {4, 640, 120}},
        {1280, 1024, {2, 0, 32}}, {640, 480, {1, 0, 0}}, {600, 400, {1, 0, 0}}};
    for (const auto &c : screens) {
        PRESENT_PLACE p = full_screen_place(c.w, c.h);
        EXPECT_EQ((std::vector<int>{p.scale, p.x, p.y}), c.place) << c.w << "x" << c.h;
    }
}

// A display of 1920 x 1080 in memory, the picture placed on it as full screen,
// and a mouse driver that only notes the range it is given.
class Display : public ::testing::Test {
protected:
    static std::vector<int> &range()
    {
        static std::vector<int> r;
        return r;
    }
    MOUSE_DRIVER mouse{};
    const int BAR = makecol(1, 2, 3);
    BITMAP *display = nullptr, *saved_screen = nullptr;

    void SetUp() override
    {
        fake_clock::install(1000000);
        frame_stats_reset();
        present_exit();             // no pointer, nothing sent yet
        mouse.set_range = [](int x1, int y1, int x2, int y2) { range() = {x1, y1, x2, y2}; };
        mouse_driver = &mouse;
        saved_screen = screen;
        clear_to_color(screen = display = create_bitmap(1920, 1080), BAR);
        clear_to_color(game_screen = create_bitmap(SCREEN_WIDTH, SCREEN_HEIGHT), makecol(10, 20, 30));
        present_init(2, 320, 60);
    }
    void TearDown() override
    {
        present_exit();
        mouse_driver = nullptr;
        destroy_bitmap(game_screen);
        game_screen = nullptr;
        destroy_bitmap(display);
        screen = saved_screen;
        fake_clock::uninstall();
    }
    std::vector<int> pixels(std::vector<std::pair<int, int>> at)
    {
        std::vector<int> got;
        for (auto [x, y] : at) got.push_back(getpixel(display, x, y));
        return got;
    }
};

TEST_F(Display, TheMouseMapsThroughThePicturesPlaceAndKeepsItsRangeAtEveryMode)
{
    for (auto [x, y, game_x, game_y] : {std::tuple{320, 60, 0, 0}, {321, 61, 0, 0}, {322, 62, 1, 1}, {711, 631, 195, 285},
                                         {1599, 1019, 639, 479}, {10, 10, 0, 0}, {1919, 1079, 639, 479}}) {
        mouse_x = x, mouse_y = y;
        EXPECT_EQ((std::pair{game_mouse_x(), game_mouse_y()}), (std::pair{game_x, game_y})) << x << "," << y;
    }
    set_menu_mouse_range();         // in game pixels, corners included
    EXPECT_EQ(range(), (std::vector<int>{320 + 40, 60 + 40, 320 + 1241, 60 + 921}));
    present_init(1, 0, 0);          // a new mode: the same range at the new place
    EXPECT_EQ(range(), (std::vector<int>{20, 20, 620, 460}));
    mouse_x = mouse_y = 0;
}

TEST_F(Display, OnlyAChangedFrameReachesTheDisplayAndANewModeGetsItWhole)
{
    const int back = makecol(10, 20, 30), mark = makecol(200, 0, 0), green = makecol(0, 255, 0);
    present();
    EXPECT_EQ(pixels({{320, 60}, {1599, 1019}, {319, 60}, {1600, 1019}, {320, 1020}}), (std::vector<int>{back, back, BAR, BAR, BAR}));
    // Marks on the display stay where the frame did not change.
    putpixel(display, 320, 60, mark);
    putpixel(display, 320, 60 + 2 * 400, mark);
    present();
    present_again();
    EXPECT_EQ(getpixel(display, 320, 60), mark);
    putpixel(game_screen, 5, 300, green);
    present();
    // The changed row sent whole, the rows above and below not.
    EXPECT_EQ(pixels({{330, 660}, {331, 661}, {320, 660}, {330, 662}, {320, 60}, {320, 860}}),
              (std::vector<int>{green, green, back, back, mark, mark}));
    putpixel(display, 320 + 10, 60 + 600, mark);            // the changed row is known as sent
    present();
    EXPECT_EQ(getpixel(display, 320 + 10, 60 + 600), mark);
    // A new graphics mode: the same frame, sent whole at its new place.
    clear_to_color(display, BAR);
    present_init(1, 0, 0);
    present_again();
    EXPECT_EQ(pixels({{0, 0}, {5, 300}}), (std::vector<int>{back, green}));
}

// While the game waits, the picture stands for the ticks asked, frame after frame.
TEST_F(Display, AHoldLastsItsTicksAndKeepsTheFramesComing)
{
    brix_timer_wait();
    long start = cas;
    fake_clock::advance_us(50000);  // five ticks since the clock was last read
    present_hold(8);
    EXPECT_EQ((std::vector<long>{cas, fake_clock::sleeps()}), (std::vector<long>{start + 5 + 8, 5}));  // five frames of 16.67 ms
}
