// The game clock, the frame pacing and its statistics, the click latch and the close button; the
// picture on the display: the window's scale, the full screen's place, how the mouse maps to it
// and is confined, and that only what changed reaches the display.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <fstream>
#include <iterator>
#include <tuple>
#include <vector>

#include "close_focus.h"
#include "input.h"
#include "pacing.h"
#include "present.h"
#include "test_support.h"
#include "variable.h"

namespace {

class Clock : public ::testing::Test {
protected:
    ScratchDir dir;
    void SetUp() override
    {
        fake_clock::install(0), frame_stats_reset();
        cas = spec_cas = mouse_b = 0;
        for (int i = 0; i < 16; i++) screen_end();           // screens left open by a run that ended inside them
    }
    void TearDown() override { fake_clock::uninstall(); }
    std::string stats()     // the frame statistics as the file has them
    {
        frame_stats_write("stats.txt");
        std::ifstream in("stats.txt");
        return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    }
};

TEST_F(Clock, CountsWholeTicksCarriesTheRemainderAndWaitsDropTheirTime)
{
    // 5 ms: no whole tick; 11 ms: one, 1 ms carried; the carried millisecond completes the next.
    std::vector<long> ticks_seen;
    for (unsigned long us : {5000, 6000, 9000}) fake_clock::advance_us(us), brix_timer(), ticks_seen.push_back(cas);
    EXPECT_EQ(ticks_seen, (std::vector<long>{0, 1, 2}));
    for (int i = 0; i < 1000; i++)          // many small reads lose nothing
        fake_clock::advance_us(1700), brix_timer();
    EXPECT_EQ(cas, 172);
    fake_clock::advance_us(3000000);        // 3 s in a dialog are nobody's
    brix_timer_wait();
    fake_clock::advance_us(25000);
    brix_delay(40);                         // a delay sleeps until its ticks have passed
    long slept = fake_clock::slept_us() > 0, after_delay = cas;
    brix_delay(0), brix_delay(-5);
    EXPECT_EQ((std::vector<long>{after_delay, slept, cas}), (std::vector<long>{174 + 40, 1, 214}));
    fake_clock::install(0xFFFFFFFFUL - 25000);   // the source wrapping at 32 bits
    cas = 0, spec_cas = (long)(0xFFFFFFFFUL - 25000);
    fake_clock::advance_us(50000);
    brix_timer();
    EXPECT_EQ(cas, 5);
}

TEST_F(Clock, FramesArePacedWithoutABurstPressesAreTimedAndACloseRunsAtTheNextWait)
{
    int frames = 0;
    for (; fake_clock::now() < 3000000UL; frames++)     // frames drawn in 3 ms each, for 3 s
        fake_clock::advance_us(3000), frame_wait();
    long n = 0;
    double fps = 0;
    ASSERT_EQ(sscanf(stats().c_str(), "frames %ld fps %lf", &n, &fps), 2);
    EXPECT_TRUE(abs(frames - 180) <= 2 && abs(n - 120) <= 2 && fps > 59.5 && fps < 60.5)   // the first second is not counted
        << frames << " " << n << " " << fps;
    fake_clock::advance_us(500000);         // a level loads for half a second
    frame_wait();
    unsigned long t0 = fake_clock::now();
    frame_wait();
    EXPECT_GE(fake_clock::now() - t0, 16000UL);   // the next frame waits its turn again
    frame_stats_reset();
    // Each press a frame took is timed from the button's callback to the frame
    // that read it and to the end of that frame's copy; the first 1024 are kept.
    frame_wait();
    for (int i = 1; i <= 1100; i++) {
        click_latch_press();                // right after a frame was shown, read i * 10 us later
        fake_clock::advance_us(i * 10UL);
        EXPECT_TRUE(left_clicked());
        fake_clock::advance_us(3000), frame_wait();     // composed in 3 ms, then shown
    }
    frame_wait();                           // a frame without a press adds nothing
    std::string text = stats();
    EXPECT_EQ(text.substr(text.find('\n') + 1),
              "clicks 1024 click_to_blit_ms p50 8.1 p95 12.7 max 13.2 click_to_read_ms p50 5.1 p95 9.7 max 10.2\n");
    // A pending close runs the handler from the next wait.
    static int handled;
    handled = 0;
    close_handler = [] { handled++, close_requested = 0; };
    frame_wait();
    int before = handled;
    close_requested = 1, frame_wait();
    close_requested = 1, brix_delay(2);
    EXPECT_EQ((std::pair{before, handled}), (std::pair{0, 2}));
    close_handler = nullptr;
}

// The mouse driver's callback latches every press, however quick, where the
// button went down (display pixels, packed as the driver packs them), through
// the picture's place; a frame sees it once.  A held button shoots where the
// pointer is, every frame.  The callback installed before the latch is still called.
TEST(LatchAndPlace, APressIsSeenOnceWhereTheButtonWentDownAndThePictureIsPlacedToFit)
{
    static int chained;
    chained = 0;
    mouse_callback = [](int) { chained++; };
    mouse_b = 0;
    click_latch_install(), click_latch_install(), click_latch_clear();   // twice: still once in the chain
    mouse_callback(MOUSE_FLAG_MOVE);    // a move alone is no press
    EXPECT_FALSE(left_clicked());
    struct { int scale, px, py, press, x, y; } cases[] = {{2, 0, 0, 1, 200, 50}, {2, 0, 0, 0, 450, 25}, {2, 320, 60, 1, 40, 20}};
    for (auto c : cases) {
        present_scale = c.scale, present_x = c.px, present_y = c.py;
        mouse_pos = (400 << 16) | 100;
        if (c.press) mouse_callback(MOUSE_FLAG_LEFT_DOWN);
        mouse_x = 900, mouse_y = 50, mouse_b = !c.press;    // the pointer flies on before the frame
        int x = -1, y = -1;
        EXPECT_TRUE(left_clicked_at(&x, &y));
        EXPECT_EQ((std::vector<int>{x, y, left_clicked()}), (std::vector<int>{c.x, c.y, !c.press})) << c.px << " " << c.press;
    }
    EXPECT_EQ(chained, 3);
    click_latch_press(), click_latch_clear();   // clearing forgets a pending press
    mouse_b = 2;                        // the right button is not a left click
    EXPECT_FALSE(left_clicked());
    present_x = present_y = mouse_b = 0, present_scale = 1, mouse_callback = nullptr;
    // The window's scale and the full screen's place.
    // A window: the scale setup.cfg asks for, or else the largest whose window and
    // its frame (32 x 96 more) fit the desktop.  Full screen: the largest whole scale, centred.
    struct { int requested, w, h, scale; } windows[] = {
        {1, 3840, 2160, 1}, {0, 1312, 1056, 2}, {0, 1311, 1056, 1}, {0, 1312, 1055, 1}, {-1, 3840, 2160, 4}, {0, 9999, 9999, 4}};
    for (auto c : windows)
        EXPECT_EQ(choose_scale(c.requested, c.w, c.h), c.scale) << c.requested << " " << c.w << "x" << c.h;
    struct { int w, h; std::vector<int> place; } screens[] = {
        {1366, 768, {1, 363, 144}}, {1920, 1080, {2, 320, 60}}, {2560, 1440, {3, 320, 0}}, {3840, 2160, {4, 640, 120}},
        {1280, 1024, {2, 0, 32}}, {640, 480, {1, 0, 0}}, {600, 400, {1, 0, 0}}};
    for (const auto &c : screens)
        for (PRESENT_PLACE p : {full_screen_place(c.w, c.h)}) EXPECT_EQ((std::vector<int>{p.scale, p.x, p.y}), c.place) << c.w << "x" << c.h;
}

// A display of 1920 x 1080 in memory, the picture placed on it as full screen,
// and a mouse driver that only notes the range it is given.
class Display : public ::testing::Test {
protected:
    static inline std::vector<int> range;
    MOUSE_DRIVER mouse{};
    const int BAR = makecol(1, 2, 3);
    BITMAP *display = nullptr, *saved_screen = nullptr;

    void SetUp() override
    {
        fake_clock::install(1000000), frame_stats_reset(), present_exit();   // no pointer, nothing sent yet
        mouse.set_range = [](int x1, int y1, int x2, int y2) { range = {x1, y1, x2, y2}; };
        mouse_driver = &mouse;
        clear_to_color((saved_screen = screen, screen = display = create_bitmap(1920, 1080)), BAR);
        clear_to_color(game_screen = create_bitmap(SCREEN_WIDTH, SCREEN_HEIGHT), makecol(10, 20, 30));
        present_init(2, 320, 60);
    }
    void TearDown() override
    {
        present_exit(), destroy_bitmap(game_screen), destroy_bitmap(display), fake_clock::uninstall();
        mouse_driver = nullptr, game_screen = nullptr, screen = saved_screen;
    }
    std::vector<int> pixels(std::vector<std::pair<int, int>> at)
    {
        std::vector<int> got;
        for (auto [x, y] : at) got.push_back(getpixel(display, x, y));
        return got;
    }
};

TEST_F(Display, TheMouseMapsThroughThePictureOnlyChangedRowsAreSentANewModeGetsAllAndAHoldLasts)
{
    for (auto [x, y, game_x, game_y] : {std::tuple{320, 60, 0, 0}, {321, 61, 0, 0}, {322, 62, 1, 1}, {711, 631, 195, 285},
                                         {1599, 1019, 639, 479}, {10, 10, 0, 0}, {1919, 1079, 639, 479}}) {
        mouse_x = x, mouse_y = y;
        EXPECT_EQ((std::pair{game_mouse_x(), game_mouse_y()}), (std::pair{game_x, game_y})) << x << "," << y;
    }
    set_menu_mouse_range();         // in game pixels, corners included
    EXPECT_EQ(range, (std::vector<int>{320 + 40, 60 + 40, 320 + 1241, 60 + 921}));
    mouse_x = mouse_y = 0;
    // Only a changed frame reaches the display, and a new mode gets it whole.
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
    present_init(1, 0, 0), present_again();
    EXPECT_EQ(pixels({{0, 0}, {5, 300}}), (std::vector<int>{back, green}));
    EXPECT_EQ(range, (std::vector<int>{20, 20, 620, 460}));     // the same mouse range at the new place
    // While the game waits, the picture stands for the ticks asked, frame after frame.
    brix_timer_wait();
    long start = cas, sleeps = fake_clock::sleeps();
    fake_clock::advance_us(50000);  // five ticks since the clock was last read
    present_hold(8);
    EXPECT_EQ((std::vector<long>{cas, fake_clock::sleeps() - sleeps}), (std::vector<long>{start + 5 + 8, 5}));  // five frames of 16.67 ms
}

}  // namespace
