// The game clock, the frame pacing and its statistics, the click latch and the close button.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <fstream>
#include <iterator>
#include <string>

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
        fake_clock::install(0);
        cas = spec_cas = mouse_b = 0;
        frame_stats_reset();
        for (int i = 0; i < 16; i++)
            screen_end();           // screens left open by a run that ended inside them
    }
    void TearDown() override { fake_clock::uninstall(); }
    // The frame statistics as the file has them; with the screens', as the way out writes them.
    std::string stats(bool way_out = false)
    {
        setenv("DEADEYE_FRAME_STATS", "stats.txt", 1);
        way_out ? frame_stats_save() : (void)frame_stats_write("stats.txt");
        unsetenv("DEADEYE_FRAME_STATS");
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
    EXPECT_EQ((std::vector<long>{cas, fake_clock::slept_us() > 0}), (std::vector<long>{174 + 40, 1}));
    brix_delay(0), brix_delay(-5);
    EXPECT_EQ(cas, 214);
    fake_clock::install(0xFFFFFFFFUL - 25000);   // the source wrapping at 32 bits
    cas = 0, spec_cas = (long)(0xFFFFFFFFUL - 25000);
    fake_clock::advance_us(50000);
    brix_timer();
    EXPECT_EQ(cas, 5);
}

TEST_F(Clock, FramesArePacedAtSixtyASecondWithoutABurstAfterASlowOne)
{
    int frames = 0;
    for (; fake_clock::now() < 3000000UL; frames++)     // frames drawn in 3 ms each, for 3 s
        fake_clock::advance_us(3000), frame_wait();
    EXPECT_NEAR(frames, 180, 2);
    long n = 0;
    double fps = 0;
    ASSERT_EQ(sscanf(stats().c_str(), "frames %ld fps %lf", &n, &fps), 2);
    EXPECT_NEAR(n, 120, 2);                 // the first second is not counted
    EXPECT_NEAR(fps, 60.0, 0.5);
    fake_clock::advance_us(500000);         // a level loads for half a second
    frame_wait();
    unsigned long t0 = fake_clock::now();
    frame_wait();
    EXPECT_GE(fake_clock::now() - t0, 16000UL);   // the next frame waits its turn again
}

// Each press a frame took is timed from the button's callback to the frame
// that read it and to the end of that frame's copy; the first 1024 are kept.
TEST_F(Clock, PressesAreTimedToTheFrameThatReadThemAndToItsCopy)
{
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
}

// A screen opened over another is a screen of its own and hands its last
// frame back to the one under it.
TEST_F(Clock, TheWayOutWritesTheRunAndEveryScreenToTheNamedFile)
{
    screen_begin("under");
    for (int frames : {3, 2, 1}) {
        for (int i = 0; i < frames; i++) frame_wait();
        frames == 3 ? screen_begin("over") : screen_end();
    }
    screen_end();
    std::string text = stats(true);
    EXPECT_EQ(text.rfind("frames ", 0), 0u) << text;
    for (const char *line : {"\nscreen under frames 3 max_interval_ms 16.7\n", "\nscreen over frames 1 max_interval_ms 16.7\n",
                             "\nchange under>over count 1 max_interval_ms 16.7\n", "\nchange over>under count 1 max_interval_ms 16.7\n"})
        EXPECT_NE(text.find(line), std::string::npos) << line << text;
}

TEST_F(Clock, APendingCloseRunsTheHandlerFromTheNextWait)
{
    static int handled;
    handled = 0;
    close_handler = [] { handled++, close_requested = 0; };
    frame_wait();
    EXPECT_EQ(handled, 0);
    close_requested = 1;
    frame_wait();
    close_requested = 1;
    brix_delay(2);
    EXPECT_EQ(handled, 2);
    close_handler = nullptr;
}

// The mouse driver's callback latches every press, however quick, where the
// button went down (display pixels, packed as the driver packs them), through
// the picture's place; a frame sees it once.  A held button shoots where the
// pointer is, every frame.  The callback installed before the latch is still called.
TEST(ClickLatch, APressIsSeenOnceWhereTheButtonWentDownAndAHeldButtonWhereThePointerIs)
{
    static int chained;
    chained = 0;
    mouse_callback = [](int) { chained++; };
    click_latch_install();
    click_latch_install();              // twice: still once in the chain
    mouse_b = 0;
    click_latch_clear();
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
    click_latch_press();
    click_latch_clear();                // clearing forgets a pending press
    mouse_b = 2;                        // the right button is not a left click
    EXPECT_FALSE(left_clicked());
    present_x = present_y = mouse_b = 0, present_scale = 1, mouse_callback = nullptr;
}

}  // namespace
