// Firing and reloading the revolver at the three difficulties, frame by
// frame through game_frame with the fake clock, and the reload hint.
#include "test_game_fixture.h"

using namespace game_test;

namespace {

class Revolver : public GameWorld {
protected:
    void SetUp() override
    {
        GameWorld::SetUp();
        mouse_x = 200;      // the open street between doors 0 and 1
        mouse_y = 250;
        advance(100);
    }

    // Runs frames for `ticks`; the cas of every frame in which a shot was fired.
    V run_frames(long ticks)
    {
        V shots;
        for (long end = cas + ticks; cas < end;) {
            long before = shot_last_time;
            EXPECT_EQ(game_frame(), 0);
            if (shot_last_time != before && shot_show)
                shots.push_back(cas);
        }
        return shots;
    }
};

TEST_F(Revolver, AHeldButtonFiresSixShotsAtTheDesignedRateThenClicksEmptyWithAHint)
{
    for (int difficulty = DIFFICULTY_MEDIUM; difficulty <= DIFFICULTY_HARD; difficulty++) {
        SCOPED_TRACE(difficulty);
        obtiznost = difficulty;
        pocet_naboju = CYLINDER_SIZE;
        celkem_naboju = 44;
        notice_level_start();
        advance(100);
        mouse_b = 1;
        V shots = run_frames(200);
        ASSERT_EQ(shots.size(), 6u);
        for (size_t i = 1; i < shots.size(); i++)   // a frame is under 2 ticks
            EXPECT_TRUE(shots[i] - shots[i - 1] > SHOT_INTERVAL && shots[i] - shots[i - 1] <= SHOT_INTERVAL + 3) << i;
        EXPECT_EQ((V{pocet_naboju, celkem_naboju, tally.shots}), (V{0, 44, 6}));
        // Empty clicks: the wait restarts, no hole, no shot counted, and the
        // hint tells which button reloads.
        const long last = shot_last_time, wall = getpixel(game_screen2, 203, 253);
        run_frames(30);
        EXPECT_EQ((V{shot_last_time > last, getpixel(game_screen2, 203, 253), pocet_naboju, tally.shots,
                     notice_hint_alpha()}),
                  (V{1, wall, 0, 6, 255}));
        mouse_b = 0;
        run_frames(30);
    }
}

TEST_F(Revolver, AShotWaitsStrictlyForTheLastShotAndTheLastReload)
{
    const int cases[][3] = {{SHOT_INTERVAL, 100, 0}, {SHOT_INTERVAL + 1, 100, 1},       // since shot, reload; fires
                            {100, SHOT_AFTER_RELOAD, 0}, {100, SHOT_AFTER_RELOAD + 1, 1}};
    for (const auto &c : cases) {
        advance(200);
        shot_last_time = cas - c[0];
        reload_last_time = cas - c[1];
        pocet_naboju = 3;
        click_latch_press();
        EXPECT_EQ((V{game_shoot(), pocet_naboju}), (V{c[2], 3 - c[2]})) << c[0] << " " << c[1];
    }
}

TEST_F(Revolver, AQuickClickFiresOnceAndAClickDuringTheWaitIsNotKept)
{
    obtiznost = DIFFICULTY_MEDIUM;
    click_latch_press();    // down and up between two frames
    game_frame();
    const long first = pocet_naboju;
    for (int i = 0; i < 40; i++)
        game_frame();
    EXPECT_EQ((V{first, pocet_naboju}), (V{5, 5}));
    // A tap 10 ticks after a shot is within the wait and is not carried over.
    click_latch_press();
    game_frame();
    advance(10);
    click_latch_press();
    for (int i = 0; i < 40; i++)
        game_frame();
    EXPECT_EQ(pocet_naboju, 4);
}

// The right button and the automatic reload, one frame's reload step each.
TEST_F(Revolver, EachDifficultyReloadsItsOwnWay)
{
    enum { EASY = DIFFICULTY_EASY, MEDIUM = DIFFICULTY_MEDIUM, HARD = DIFFICULTY_HARD };
    struct Case {
        int difficulty, loaded, spare, right_button, since_reload, firing;
        int loaded_after, spare_after;
        bool reloads;
        const char *what;
    } cases[] = {
        {EASY, 0, 8, 0, 50, 0, 6, 2, true, "by itself when empty"},
        {EASY, 0, 2, 0, 50, 0, 2, 0, true, "what is left"},
        {EASY, 0, 0, 0, 50, 0, 0, 0, false, "nothing left"},
        {EASY, 3, 10, 1, 50, 0, 3, 10, false, "no right button, nor before the cylinder is empty"},
        {MEDIUM, 2, 3, 1, 50, 0, 5, 0, true, "fills from the stock"},
        {MEDIUM, 5, 0, 1, 50, 0, 5, 0, true, "no spare: shown, adds nothing"},
        {MEDIUM, 6, 9, 1, 50, 0, 6, 9, false, "full"},
        {MEDIUM, 2, 9, 0, 50, 0, 2, 9, false, "no button"},
        {MEDIUM, 2, 9, 1, 50, 1, 2, 9, false, "not while the firing frame shows"},
        {MEDIUM, 2, 9, 1, RELOAD_INTERVAL, 0, 2, 9, false, "not within the reload's wait"},
        {MEDIUM, 2, 9, 1, RELOAD_INTERVAL + 1, 0, 6, 5, true, "just after it"},
        {HARD, 0, 4, 1, 50, 0, 1, 3, true, "one cartridge a press"},
        {HARD, 6, 4, 1, 50, 0, 6, 4, false, "full"},
        {HARD, 2, 0, 1, 50, 0, 2, 0, false, "no spare"},
        {HARD, 2, 4, 1, RELOAD_INTERVAL, 0, 2, 4, false, "within the wait"},
    };
    for (const Case &c : cases) {
        advance(100);
        obtiznost = c.difficulty;
        pocet_naboju = c.loaded;
        celkem_naboju = c.spare;
        mouse_b = c.right_button ? 2 : 0;
        reload_last_time = cas - c.since_reload;
        shot_show = c.firing;
        reload_show = 0;
        hand_reloads = 0;
        notice_level_start();
        notice_empty_click();       // the hint shows until the player reloads by hand
        game_reload();
        const bool hint = c.difficulty != EASY, by_hand = c.reloads && hint;
        EXPECT_EQ((V{pocet_naboju, celkem_naboju, reload_last_time == cas, reload_show, hand_reloads, notice_hint_alpha()}),
                  (V{c.loaded_after, c.spare_after, c.reloads, c.reloads, by_hand, hint && !by_hand ? 255 : 0}))
            << c.what << " at difficulty " << c.difficulty;
    }
}

}  // namespace
