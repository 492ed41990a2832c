// The game clock, the frame pacing and the click latch.
#include <gtest/gtest.h>

#include <stdio.h>

#include <fstream>
#include <string>

#include "test_support.h"
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
    void TearDown() override { fake_clock::uninstall(); }
};

TEST_F(Clock, CountsWholeTicksAndCarriesTheRemainder)
{
    brix_timer();
    EXPECT_EQ(cas, 0);
    fake_clock::advance_us(5000);   // 5 ms: not a whole tick yet
    brix_timer();
    EXPECT_EQ(cas, 0);
    EXPECT_EQ(spec_cas, 0);
    fake_clock::advance_us(6000);   // 11 ms since the update
    brix_timer();
    EXPECT_EQ(cas, 1);
    EXPECT_EQ(spec_cas, 10000);     // 1 ms stays behind the reading
    fake_clock::advance_us(9000);   // the carried millisecond completes a tick
    brix_timer();
    EXPECT_EQ(cas, 2);
}

TEST_F(Clock, ManySmallReadsLoseNothing)
{
    for (int i = 0; i < 1000; i++) {
        fake_clock::advance_us(1700);
        brix_timer();
    }
    EXPECT_EQ(cas, 170);            // 1.7 s
}

TEST_F(Clock, SurvivesTheSourceWrappingAt32Bits)
{
    fake_clock::install(0xFFFFFFFFUL - 25000);
    cas = 0;
    spec_cas = (long)(0xFFFFFFFFUL - 25000);
    fake_clock::advance_us(50000);  // crosses 2^32
    brix_timer();
    EXPECT_EQ(cas, 5);
}

TEST_F(Clock, WaitDropsTheTimeSinceTheLastUpdate)
{
    brix_timer();
    fake_clock::advance_us(3000000);  // 3 s in a dialog
    brix_timer_wait();
    fake_clock::advance_us(25000);
    brix_timer();
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
    EXPECT_EQ(cas, before);
    brix_delay(-5);
    EXPECT_EQ(cas, before);
}

TEST_F(Clock, FramesArePacedAtSixtyASecond)
{
    frame_stats_reset();
    // Present frames whose drawing takes 3 ms each, for three seconds.
    unsigned long start = fake_clock::now();
    int frames = 0;
    while (fake_clock::now() - start < 3000000UL) {
        fake_clock::advance_us(3000);
        frame_wait();
        frames++;
    }
    EXPECT_NEAR(frames, 180, 2);

    ScratchDir dir;
    ASSERT_EQ(frame_stats_write("stats.txt"), 0);
    std::ifstream in("stats.txt");
    std::string w1, w2, w3;
    long n = 0;
    double fps = 0, max_ms = 0;
    in >> w1 >> n >> w2 >> fps >> w3 >> max_ms;
    EXPECT_EQ(w1, "frames");
    EXPECT_EQ(w2, "fps");
    EXPECT_EQ(w3, "max_interval_ms");
    EXPECT_NEAR(n, 120, 2);          // the first second is not counted
    EXPECT_NEAR(fps, 60.0, 0.5);
    EXPECT_NEAR(max_ms, 16.7, 0.5);
}

TEST_F(Clock, ASlowFrameDoesNotCauseABurstAfterIt)
{
    frame_stats_reset();
    frame_wait();
    fake_clock::advance_us(500000);   // a level loads for half a second
    unsigned long t0 = fake_clock::now();
    frame_wait();
    frame_wait();
    EXPECT_GE(fake_clock::now() - t0, 16000UL);   // the next frame waits its turn again
}

TEST(ClickLatch, AQuickClickBetweenTwoPollsIsSeenOnce)
{
    mouse_b = 0;
    click_latch_clear();
    EXPECT_FALSE(left_clicked());
    click_latch_press();        // pressed and released between two frames
    EXPECT_TRUE(left_clicked());
    EXPECT_FALSE(left_clicked());
}

TEST(ClickLatch, AHeldButtonReadsDownEveryFrame)
{
    click_latch_clear();
    click_latch_press();
    mouse_b = 1;
    for (int frame = 0; frame < 5; frame++)
        EXPECT_TRUE(left_clicked());
    mouse_b = 0;
    EXPECT_FALSE(left_clicked());
    mouse_b = 2;                // the right button is not a left click
    EXPECT_FALSE(left_clicked());
    mouse_b = 0;
}

TEST(ClickLatch, ClearingForgetsAPendingPress)
{
    mouse_b = 0;
    click_latch_press();
    click_latch_clear();
    EXPECT_FALSE(left_clicked());
}

TEST(CloseButton, APendingCloseRunsTheHandlerFromTheNextWait)
{
    static int handled;
    handled = 0;
    fake_clock::install(0);
    close_handler = [] { handled++; close_requested = 0; };
    close_requested = 0;
    frame_wait();
    EXPECT_EQ(handled, 0);
    close_requested = 1;
    frame_wait();
    EXPECT_EQ(handled, 1);
    close_requested = 1;
    brix_delay(2);
    EXPECT_EQ(handled, 2);
    close_handler = nullptr;
    fake_clock::uninstall();
}

}  // namespace
