// The game clock, the frame pacing and its statistics, the click latch and
// the close button.
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
        cas = spec_cas = 0;
        mouse_b = 0;
        click_latch_clear();
        frame_stats_reset();
    }
    void TearDown() override
    {
        close_handler = nullptr;
        close_requested = 0;
        fake_clock::uninstall();
    }
    void after_us(unsigned long us)
    {
        fake_clock::advance_us(us);
        brix_timer();
    }
    // The frame statistics as the file has them.
    std::string stats(bool screens = false)
    {
        if (screens) {
            setenv("DEADEYE_FRAME_STATS", "stats.txt", 1);
            frame_stats_save();
            unsetenv("DEADEYE_FRAME_STATS");
        } else {
            EXPECT_EQ(frame_stats_write("stats.txt"), 0);
        }
        std::ifstream in("stats.txt");
        return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    }
};

TEST_F(Clock, CountsWholeTicksCarriesTheRemainderAndWaitsDropTheirTime)
{
    after_us(5000);                 // 5 ms: not a whole tick yet
    EXPECT_EQ(cas, 0);
    after_us(6000);                 // 11 ms: one tick, 1 ms carried
    EXPECT_EQ(cas, 1);
    after_us(9000);                 // the carried millisecond completes a tick
    EXPECT_EQ(cas, 2);
    for (int i = 0; i < 1000; i++)  // many small reads lose nothing
        after_us(1700);
    EXPECT_EQ(cas, 172);

    fake_clock::advance_us(3000000);  // 3 s in a dialog
    brix_timer_wait();
    after_us(25000);
    EXPECT_EQ(cas, 174);

    fake_clock::advance_us(3000);   // a delay returns once its ticks have passed, and sleeps meanwhile
    brix_delay(40);
    EXPECT_GE(cas, 214);
    EXPECT_LE(cas, 215);
    EXPECT_GT(fake_clock::slept_us(), 0);
    long before = cas;
    brix_delay(0);
    brix_delay(-5);
    EXPECT_EQ(cas, before);

    fake_clock::install(0xFFFFFFFFUL - 25000);   // the source wrapping at 32 bits
    cas = 0;
    spec_cas = (long)(0xFFFFFFFFUL - 25000);
    after_us(50000);
    EXPECT_EQ(cas, 5);
}

TEST_F(Clock, FramesArePacedAtSixtyASecondWithoutABurstAfterASlowOne)
{
    // Frames whose drawing takes 3 ms each, for three seconds.
    int frames = 0;
    for (; fake_clock::now() < 3000000UL; frames++) {
        fake_clock::advance_us(3000);
        frame_wait();
    }
    EXPECT_NEAR(frames, 180, 2);
    long n = 0;
    double fps = 0;
    ASSERT_EQ(sscanf(stats().c_str(), "frames %ld fps %lf", &n, &fps), 2);
    EXPECT_NEAR(n, 120, 2);         // the first second is not counted
    EXPECT_NEAR(fps, 60.0, 0.5);

    fake_clock::advance_us(500000); // a level loads for half a second
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
        click_latch_press();                // right after a frame was shown
        fake_clock::advance_us(i * 10UL);   // read i * 10 us later
        EXPECT_TRUE(left_clicked());
        fake_clock::advance_us(3000);       // composed in 3 ms, then shown
        frame_wait();
    }
    frame_wait();                           // a frame without a press adds nothing
    std::string text = stats();
    EXPECT_EQ(text.substr(text.find('\n') + 1),
              "clicks 1024 click_to_blit_ms p50 8.1 p95 12.7 max 13.2 click_to_read_ms p50 5.1 p95 9.7 max 10.2\n");
}

// On the way out the run's frames and every screen's go to the one file
// DEADEYE_FRAME_STATS names; a screen opened over another is a screen of
// its own and hands its last frame back to the one under it.
TEST_F(Clock, TheWayOutWritesTheRunAndEveryScreenToTheNamedFile)
{
    screen_begin("under");
    for (int i = 0; i < 3; i++)
        frame_wait();
    screen_begin("over");
    frame_wait();
    frame_wait();
    screen_end();
    frame_wait();
    screen_end();
    std::string text = stats(true);
    EXPECT_EQ(text.rfind("frames ", 0), 0u) << text;
    for (const char *line : {"\nscreen under frames 3 max_interval_ms 16.7\n", "\nscreen over frames 1 max_interval_ms 16.7\n",
                             "\nchange under>over count 1 max_interval_ms 16.7\n",
                             "\nchange over>under count 1 max_interval_ms 16.7\n"})
        EXPECT_NE(text.find(line), std::string::npos) << line << text;
}

TEST_F(Clock, APendingCloseRunsTheHandlerFromTheNextWait)
{
    static int handled;
    handled = 0;
    close_handler = [] { handled++; close_requested = 0; };
    frame_wait();
    EXPECT_EQ(handled, 0);
    close_requested = 1;
    frame_wait();
    EXPECT_EQ(handled, 1);
    close_requested = 1;
    brix_delay(2);
    EXPECT_EQ(handled, 2);
}

TEST(ClickLatch, AQuickClickIsSeenOnceAndAHeldButtonEveryFrame)
{
    mouse_b = 0;
    click_latch_clear();
    EXPECT_FALSE(left_clicked());
    click_latch_press();        // pressed and released between two frames
    EXPECT_TRUE(left_clicked());
    EXPECT_FALSE(left_clicked());
    click_latch_press();
    click_latch_clear();        // clearing forgets a pending press
    EXPECT_FALSE(left_clicked());
    click_latch_press();
    mouse_b = 1;
    for (int frame = 0; frame < 3; frame++)
        EXPECT_TRUE(left_clicked());
    mouse_b = 2;                // the right button is not a left click
    EXPECT_FALSE(left_clicked());
    mouse_b = 0;
    EXPECT_FALSE(left_clicked());
}

// The mouse driver's callback latches the press where the button went down
// (display pixels, as the driver packs them), and the callback that was
// installed before the latch is still called.
TEST(ClickLatch, APressIsPlacedWhereTheButtonWentDownAndAHeldButtonWhereThePointerIs)
{
    static int chained;
    chained = 0;
    mouse_callback = [](int) { chained++; };
    click_latch_install();
    click_latch_install();              // twice: still once in the chain
    mouse_b = 0;
    click_latch_clear();
    present_scale = 2;
    mouse_pos = (400 << 16) | 100;
    mouse_callback(MOUSE_FLAG_MOVE);    // a move alone is no press
    EXPECT_FALSE(left_clicked());
    mouse_callback(MOUSE_FLAG_LEFT_DOWN);
    EXPECT_EQ(chained, 2);
    mouse_x = 900;                      // the pointer flies on before the frame
    mouse_y = 50;
    int x = -1, y = -1;
    EXPECT_TRUE(left_clicked_at(&x, &y));
    EXPECT_EQ((std::pair{x, y}), (std::pair{200, 50}));
    mouse_b = 1;                        // held: the shot goes where the pointer is
    EXPECT_TRUE(left_clicked_at(&x, &y));
    EXPECT_EQ((std::pair{x, y}), (std::pair{450, 25}));
    mouse_b = 0;
    // Full screen: the picture stands at (320, 60) on the display.
    present_x = 320;
    present_y = 60;
    mouse_pos = ((320 + 2 * 195) << 16) | (60 + 2 * 285);
    mouse_callback(MOUSE_FLAG_LEFT_DOWN);
    EXPECT_TRUE(left_clicked_at(&x, &y));
    EXPECT_EQ((std::pair{x, y}), (std::pair{195, 285}));
    present_x = present_y = 0;
    present_scale = 1;
    mouse_callback = nullptr;
}

}  // namespace
