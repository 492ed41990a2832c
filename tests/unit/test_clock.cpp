// The game clock, the frame pacing, the click latch and the close button.
#include <gtest/gtest.h>

#include <stdlib.h>

#include <fstream>
#include <iterator>
#include <string>

#include "close_focus.h"
#include "input.h"
#include "pacing.h"
#include "test_support.h"
#include "present.h"
#include "variable.h"

namespace {

class Clock : public ::testing::Test {
protected:
    void SetUp() override
    {
        fake_clock::install(0);
        cas = 0;
        spec_cas = 0;
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
};

TEST_F(Clock, CountsWholeTicksAndCarriesTheRemainder)
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

    // The source wrapping at 32 bits.
    fake_clock::install(0xFFFFFFFFUL - 25000);
    cas = 0;
    spec_cas = (long)(0xFFFFFFFFUL - 25000);
    after_us(50000);
    EXPECT_EQ(cas, 5);
}

TEST_F(Clock, WaitDropsTheTimeSinceTheLastUpdate)
{
    brix_timer();
    fake_clock::advance_us(3000000);  // 3 s in a dialog
    brix_timer_wait();
    after_us(25000);
    EXPECT_EQ(cas, 2);
}

TEST_F(Clock, DelayReturnsOnceItsTicksHavePassedAndSleepsMeanwhile)
{
    fake_clock::advance_us(3000);
    brix_delay(40);
    EXPECT_GE(cas, 40);
    EXPECT_LE(cas, 41);
    EXPECT_GT(fake_clock::slept_us(), 0);   // it slept instead of spinning
    long before = cas;
    brix_delay(0);
    brix_delay(-5);
    EXPECT_EQ(cas, before);
}

TEST_F(Clock, FramesArePacedAtSixtyASecondWithoutABurstAfterASlowOne)
{
    frame_stats_reset();
    // Frames whose drawing takes 3 ms each, for three seconds.
    unsigned long start = fake_clock::now();
    int frames = 0;
    for (; fake_clock::now() - start < 3000000UL; frames++) {
        fake_clock::advance_us(3000);
        frame_wait();
    }
    EXPECT_NEAR(frames, 180, 2);
    ScratchDir dir;
    ASSERT_EQ(frame_stats_write("stats.txt"), 0);
    std::ifstream in("stats.txt");
    std::string word;
    long n = 0;
    double fps = 0;
    in >> word >> n >> word >> fps;
    EXPECT_NEAR(n, 120, 2);          // the first second is not counted
    EXPECT_NEAR(fps, 60.0, 0.5);

    fake_clock::advance_us(500000);   // a level loads for half a second
    frame_wait();
    unsigned long t0 = fake_clock::now();
    frame_wait();
    EXPECT_GE(fake_clock::now() - t0, 16000UL);   // the next frame waits its turn again
}

TEST_F(Clock, APressIsTimedFromTheCallbackToTheEndOfTheFrameThatTookIt)
{
    frame_stats_reset();
    mouse_b = 0;
    frame_wait();
    fake_clock::advance_us(5000);
    click_latch_press();            // 5 ms into a frame's wait
    EXPECT_LT(frame_time_left_us(), 16667 - 5000 + 1);
    frame_wait();                   // the wait ends at the frame's turn: 11.7 ms
    EXPECT_TRUE(left_clicked());
    fake_clock::advance_us(3000);   // composed in 3 ms, then shown
    frame_wait();
    frame_wait();                   // a frame without a press adds nothing
    ScratchDir dir;
    ASSERT_EQ(frame_stats_write("stats.txt"), 0);
    std::ifstream in("stats.txt");
    std::string line, word;
    std::getline(in, line);
    int clicks = 0;
    double p50 = 0, read_p50 = 0, skip = 0;
    in >> word >> clicks >> word >> word >> p50 >> word >> skip >> word >> skip;
    in >> word >> word >> read_p50;
    EXPECT_EQ(clicks, 1);
    EXPECT_NEAR(p50, 14.7, 0.1);
    EXPECT_EQ(word, "p50");
    EXPECT_NEAR(read_p50, 11.7, 0.1);   // read at the frame's turn
}

// On the way out the run's frames and every screen's go to the one file
// DEADEYE_FRAME_STATS names; a screen opened over another is a screen of
// its own and hands its last frame back to the one under it.
TEST_F(Clock, TheWayOutWritesTheRunAndEveryScreenToTheNamedFile)
{
    ScratchDir dir;
    frame_stats_reset();
    screen_begin("under");
    for (int i = 0; i < 3; i++)
        frame_wait();
    screen_begin("over");
    frame_wait();
    frame_wait();
    screen_end();
    frame_wait();
    screen_end();
    setenv("DEADEYE_FRAME_STATS", "stats.txt", 1);
    frame_stats_save();
    unsetenv("DEADEYE_FRAME_STATS");
    std::ifstream in("stats.txt");
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(text.rfind("frames ", 0), 0u) << text;
    EXPECT_NE(text.find("\nscreen under frames 3 max_interval_ms 16.7\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\nscreen over frames 1 max_interval_ms 16.7\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\nchange under>over count 1 max_interval_ms 16.7\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\nchange over>under count 1 max_interval_ms 16.7\n"), std::string::npos) << text;
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

TEST(ClickLatch, APressIsPlacedWhereTheButtonWentDownAndAHeldButtonWhereThePointerIs)
{
    mouse_b = 0;
    click_latch_clear();
    present_scale = 2;
    click_latch_press_at(400, 100);     // display pixels
    mouse_x = 900;                      // the pointer flies on before the frame
    mouse_y = 50;
    int x = -1, y = -1;
    EXPECT_TRUE(left_clicked_at(&x, &y));
    EXPECT_EQ(x, 200);
    EXPECT_EQ(y, 50);
    mouse_b = 1;                        // held: the shot goes where the pointer is
    EXPECT_TRUE(left_clicked_at(&x, &y));
    EXPECT_EQ(x, 450);
    EXPECT_EQ(y, 25);
    mouse_b = 0;
    // Full screen: the picture stands at (320, 60) on the display.
    present_x = 320;
    present_y = 60;
    click_latch_press_at(320 + 2 * 195, 60 + 2 * 285);
    EXPECT_TRUE(left_clicked_at(&x, &y));
    EXPECT_EQ(x, 195);
    EXPECT_EQ(y, 285);
    present_x = present_y = 0;
    present_scale = 1;
}

}  // namespace
