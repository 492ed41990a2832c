// Firing and reloading the revolver at the three difficulties, played frame
// by frame through game_frame with the fake clock.
#include <vector>

#include "input.h"
#include "test_game_fixture.h"

using namespace game_test;

namespace {

class Revolver : public GameWorld {
protected:
    void SetUp() override
    {
        GameWorld::SetUp();
        mouse_x = 200;      // open street between doors 0 and 1
        mouse_y = 250;
        advance(100);
    }

    // Runs one frame; true when a shot was fired in it (an empty click
    // restarts the wait but shows no firing frame).
    static bool frame_fires()
    {
        long before = shot_last_time;
        EXPECT_EQ(game_frame(), 0);
        return shot_last_time != before && shot_show;
    }

    // Runs frames until `until` ticks have passed; returns the cas of every
    // frame in which a shot was fired.
    std::vector<long> run_frames(long until)
    {
        std::vector<long> shots;
        long end = cas + until;
        while (cas < end)
            if (frame_fires())
                shots.push_back(cas);
        return shots;
    }
};

TEST_F(Revolver, HeldButtonFiresSixShotsAtTheDesignedRateThenClicksEmpty)
{
    for (int difficulty = 1; difficulty <= 2; difficulty++) {
        SCOPED_TRACE(difficulty);
        obtiznost = difficulty;
        pocet_naboju = 6;
        celkem_naboju = 44;
        advance(100);
        mouse_b = 1;
        std::vector<long> shots = run_frames(200);
        ASSERT_EQ(shots.size(), 6u);
        // Each shot went as soon as the wait allowed (a frame is under 2 ticks).
        for (size_t i = 1; i < shots.size(); i++) {
            EXPECT_GE(shots[i] - shots[i - 1], 21);
            EXPECT_LE(shots[i] - shots[i - 1], 23);
        }
        EXPECT_EQ((std::vector<int>{pocet_naboju, celkem_naboju}), (std::vector<int>{0, 44}));

        // Empty clicks: the wait restarts, no hole, no hit.
        long last = shot_last_time;
        int wall = getpixel(game_screen2, 203, 253);
        run_frames(30);
        EXPECT_GT(shot_last_time, last);
        EXPECT_EQ(getpixel(game_screen2, 203, 253), wall);
        EXPECT_EQ(pocet_naboju, 0);
        mouse_b = 0;
        run_frames(30);
    }
}

TEST_F(Revolver, DifficultyZeroReloadsByItselfInTheFrameOfTheLastShot)
{
    obtiznost = DIFFICULTY_EASY;
    celkem_naboju = 8;
    mouse_b = 1;
    long sixth = 0;
    int shots = 0;
    while (shots < 6) {
        if (frame_fires()) {
            shots++;
            if (shots == 6)
                sixth = cas;
        }
        ASSERT_LT(cas, 100000);
    }
    EXPECT_EQ((std::vector<long>{pocet_naboju, celkem_naboju, reload_last_time, reload_show}),
              (std::vector<long>{6, 2, sixth, 1}));
    // The next shot needs more than 32 ticks after the reload.
    while (pocet_naboju == 6)
        game_frame();
    EXPECT_GT(cas, sixth + SHOT_AFTER_RELOAD);
    EXPECT_LE(cas, sixth + 35);

    // The last refill takes what is left.
    mouse_b = 0;
    pocet_naboju = 0;
    game_frame();
    EXPECT_EQ((std::vector<int>{pocet_naboju, celkem_naboju}), (std::vector<int>{2, 0}));
    // With nothing left, no reload and no sound.
    pocet_naboju = 0;
    long reload = reload_last_time;
    advance(50);
    game_frame();
    EXPECT_EQ(pocet_naboju, 0);
    EXPECT_EQ(reload_last_time, reload);
    // The right button does nothing at difficulty 0.
    pocet_naboju = 3;
    celkem_naboju = 10;
    mouse_b = 2;
    advance(50);
    game_frame();
    EXPECT_EQ(pocet_naboju, 3);
}

TEST_F(Revolver, AQuickClickFiresOnceAndAClickDuringTheWaitIsNotKept)
{
    obtiznost = DIFFICULTY_MEDIUM;
    click_latch_press();    // down and up between two frames
    game_frame();
    EXPECT_EQ(pocet_naboju, 5);
    for (int i = 0; i < 40; i++)
        game_frame();
    EXPECT_EQ(pocet_naboju, 5);

    // A tap 10 ticks after a shot is within the wait and is not carried over.
    click_latch_press();
    game_frame();
    EXPECT_EQ(pocet_naboju, 4);
    advance(10);
    click_latch_press();
    game_frame();
    for (int i = 0; i < 40; i++)
        game_frame();
    EXPECT_EQ(pocet_naboju, 4);
}

TEST_F(Revolver, DifficultyOneFillsTheCylinderFromTheStock)
{
    obtiznost = DIFFICULTY_MEDIUM;
    mouse_b = 2;
    // Full cylinder: nothing happens.
    game_frame();
    EXPECT_EQ((std::vector<long>{reload_last_time, reload_show}), (std::vector<long>{0, 0}));
    // 2 bullets and 3 spare give 5 and 0.
    pocet_naboju = 2;
    celkem_naboju = 3;
    game_frame();
    EXPECT_EQ((std::vector<long>{pocet_naboju, celkem_naboju, reload_last_time}), (std::vector<long>{5, 0, cas}));
    // No spare: the reload is made (and shown) but adds nothing.
    advance(30);
    long before = cas;
    game_frame();
    EXPECT_EQ(pocet_naboju, 5);
    EXPECT_GE(reload_last_time, before);
    EXPECT_EQ(reload_show, 1);
    // Not while the firing frame is shown.
    celkem_naboju = 20;
    shot_show = 1;
    shot_last_time = cas;
    advance(30);
    game_reload();
    EXPECT_EQ(pocet_naboju, 5);
}

TEST_F(Revolver, DifficultyTwoLoadsOneCartridgePerPress)
{
    obtiznost = DIFFICULTY_HARD;
    pocet_naboju = 0;
    celkem_naboju = 4;
    mouse_b = 2;
    std::vector<long> loads;
    long end = cas + 150;
    while (cas < end) {
        int before = pocet_naboju;
        game_frame();
        if (pocet_naboju == before + 1)
            loads.push_back(cas);
        ASSERT_LE(pocet_naboju, before + 1);
    }
    ASSERT_EQ(loads.size(), 4u);        // the stock ran out
    for (size_t i = 1; i < loads.size(); i++)
        EXPECT_GE(loads[i] - loads[i - 1], 21);
    EXPECT_EQ((std::vector<int>{pocet_naboju, celkem_naboju}), (std::vector<int>{4, 0}));
    // The firing frame blocks the reload.
    celkem_naboju = 5;
    advance(30);
    shot_show = 1;
    shot_last_time = cas;
    game_reload();
    EXPECT_EQ(pocet_naboju, 4);
}

TEST_F(Revolver, ANewShotWaitsForTheReloadToSettle)
{
    obtiznost = DIFFICULTY_HARD;
    pocet_naboju = 3;
    reload_last_time = cas;
    mouse_b = 1;
    advance(25);            // more than 20 after the last shot, not 32 after the reload
    game_shoot();
    EXPECT_EQ(pocet_naboju, 3);
    advance(8);
    EXPECT_EQ(game_shoot(), 1);
    EXPECT_EQ(pocet_naboju, 2);
}

TEST_F(Revolver, TheAmmunitionKeyAddsSixSpareCartridgesPerFrame)
{
    celkem_naboju = 0;
    key[KEY_N] = 1;
    for (int i = 0; i < 10; i++)
        game_frame();
    EXPECT_EQ(celkem_naboju, 60);
}

}  // namespace
