// The three door slots: who comes out, how the ticks run, bandits firing at
// the player, leaving, falling, the twin's brother, and the retreat.
#include <vector>

#include "test_game_fixture.h"

using namespace game_test;

namespace {

class Doors : public GameWorld {
protected:
    void SetUp() override
    {
        GameWorld::SetUp();
        advance(900);   // cas 1000
    }
    int occupied() const
    {
        return small_object[0].draw + small_object[1].draw + small_object[2].draw;
    }
};

TEST_F(Doors, CreaturesAreChosenByWeightWithRandCalledInTheDesignedOrder)
{
    creature(0, {0, 1, 0}, 1, 10, 10);
    creature(1, {0, 1, 0}, 1, 10, 0);      // weight 0: never chosen
    creature(2, {0, 1, 0}, 1, 10, 5);
    creature(3, {0, 1, 0}, 1, 10, 1);
    refresh_door = 500;
    for (unsigned seed = 1; seed <= 200; seed++) {
        for (auto &s : small_object)
            s.draw = 0;
        // What one pass must do, replayed from the same seed: per slot one
        // draw for the door chance, one more for the creature if it opens.
        srand(seed);
        int expect[3];
        for (int i = 0; i < 3; i++) {
            expect[i] = -1;
            if (rand() % 1000 < 500) {
                int r = rand() % 16;
                expect[i] = r < 10 ? 0 : (r < 15 ? 2 : 3);
            }
        }
        int after = rand();
        srand(seed);
        pohni_objekty();
        for (int i = 0; i < 3; i++) {
            EXPECT_EQ(small_object[i].draw, expect[i] >= 0 ? 1 : 0) << "seed " << seed;
            if (expect[i] >= 0) {
                EXPECT_EQ(small_object[i].animation, expect[i]) << "seed " << seed;
            }
        }
        EXPECT_EQ(rand(), after) << "seed " << seed;
    }
}

TEST_F(Doors, DoorsOpenOnlyWithinTheLimitsAndNeverDuringAPhase)
{
    creature(0, {0, 1, 1, 1, 1, 1, 1, 1, 1, 0}, 1, 1000);   // stays out a long while
    refresh_door = 1000;
    max_doors_open = 0;
    step(1, 20);
    EXPECT_EQ(occupied(), 0);
    max_doors_open = 1;
    step(1, 1);
    EXPECT_EQ(small_object[0].draw, 1);     // at once, in the first free door
    step(1, 50);
    EXPECT_EQ(occupied(), 1);
    max_doors_open = 3;
    step(1, 1);
    EXPECT_EQ(occupied(), 3);
    // REFRESH_DOOR 0: no door ever opens, whatever the draw.
    for (auto &s : small_object)
        s.draw = 0;
    refresh_door = 0;
    for (int i = 0; i < 5000; i++)
        pohni_objekty();
    EXPECT_EQ(occupied(), 0);

    // While a phase runs the chance is still drawn, but nobody comes out;
    // a level whose weights add up to 0 never opens a door either.
    refresh_door = 1000;
    for (int phase = 0; phase <= 3; phase++) {
        bang = phase;
        max_pravdepodobnost = phase == 0 ? 0 : 1;
        srand(99);
        int a = rand(), b = rand(), c = rand(), after = rand();
        (void)a, (void)b, (void)c;
        srand(99);
        pohni_objekty();
        EXPECT_EQ(occupied(), 0);
        EXPECT_EQ(rand(), after) << "one draw per empty door";
    }
}

TEST_F(Doors, TicksEndOnTheFirstFrameAfterTheirTimeHasStrictlyRunOut)
{
    creature(0, {0, 1, 1, 0}, 1, 12);
    init_small(1, 0);
    step(2);                                    // cas 1002: tick 0 starts
    EXPECT_EQ(small_object[1].tik, 0);
    step(12);                                   // 1014: exactly 12 passed
    EXPECT_EQ(small_object[1].tik, 0);
    step(1);                                    // 1015
    EXPECT_EQ(small_object[1].tik, 1);
    // The lateness of a frame is not carried over.
    step(20);                                   // 1035
    EXPECT_EQ(small_object[1].tik, 2);
    step(12);
    EXPECT_EQ(small_object[1].tik, 2);
}

TEST_F(Doors, ABanditFiresOnEnteringATwoTickAndLeavesAtItsEndACivilianScores)
{
    creature(0, {2, 0, 1, 2, 1}, 1, 0);    // a 2 on tick 0 never fires
    creature(1, {0, 1, 1, 1}, 0, 0, 1, 50);
    init_small(0, 0);
    init_small(2, 1);
    score = 10;
    std::vector<int> hits;
    for (int i = 0; i < 10 && small_object[0].draw; i++) {
        step(1);
        hits.push_back(pocet_hitu);
        if (i == 3) {
            EXPECT_EQ(small_object[2].draw, 1);
            EXPECT_EQ(score, 10);
        }
    }
    // Frame 1 starts tick 0, ticks 1..4 follow, tick 5 is the end.
    EXPECT_EQ(hits, (std::vector<int>{0, 0, 0, 1, 1, 1}));   // tick 3 (value 2): one shot at difficulty 0
    EXPECT_EQ(dira[0].visible + dira[1].visible, 1);
    // The bandit who leaves scores nothing, the unharmed civilian his score.
    EXPECT_EQ(small_object[2].draw, 0);
    EXPECT_EQ(score, 60);
}

TEST_F(Doors, BanditShotsCostLivesByDifficultyAndLeaveAtMostThreeMarks)
{
    // A gunslinger who fires on every tick.
    creature(0, {0, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 0}, 1, 0);
    max_doors_open = 1;     // the empty doors draw no numbers
    const int lives_after[4][3] = {{3, 3, 2}, {3, 2, 2}, {2, 1, 0}, {3, 3, 3}};
    for (int difficulty = 0; difficulty < 4; difficulty++) {
        SCOPED_TRACE(difficulty);
        life_cheat = difficulty == 3;   // the cheat keeps the marks but not the hits
        obtiznost = difficulty == 3 ? 2 : difficulty;
        pocet_zivotu = 3;
        pocet_hitu = 0;
        bang = 0;
        for (auto &d : dira)
            d.visible = 0;
        init_small(0, 0);
        step(1);                            // tick 0 starts
        for (int shot = 0; shot < 3; shot++) {
            step(1);
            EXPECT_EQ(pocet_zivotu, lives_after[difficulty][shot]) << "shot " << shot;
        }
        EXPECT_EQ(bang, life_cheat ? 0 : 1);
        EXPECT_EQ(dira[0].visible + dira[1].visible + dira[2].visible, 3);
    }
    life_cheat = 0;

    // Four shots within a second: three marks, and the fourth still hurts.
    obtiznost = DIFFICULTY_EASY;
    pocet_zivotu = 3;
    pocet_hitu = 0;
    for (auto &d : dira)
        d.visible = 0;
    init_small(0, 0);
    step(1);
    srand(42);
    int expect[3][2];
    for (auto &e : expect) {
        e[0] = rand() % 550 - 50;
        e[1] = rand() % 340 - 50;
    }
    srand(42);
    step(1, 4);
    for (int h = 0; h < 3; h++)
        EXPECT_EQ((std::vector<int>{dira[h].visible, dira[h].X, dira[h].Y}),
                  (std::vector<int>{1, expect[h][0], expect[h][1]})) << h;
    EXPECT_EQ(pocet_zivotu, 2);
    EXPECT_EQ(pocet_hitu, 1);

    // Marks fade after a second.
    small_object[0].draw = 0;
    dira[1].old_time = cas;
    step(100);
    EXPECT_EQ(dira[1].visible, 1);
    step(1);
    EXPECT_EQ(dira[1].visible, 0);
}

TEST_F(Doors, AShotCreatureFallsAndIsRemovedAtTickEight)
{
    creature(0, {0, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0}, 1, 0);
    init_small(0, 0);
    step(1, 3);
    obtiznost = DIFFICULTY_MEDIUM;
    strela(0);
    for (int t = 1; t <= 7; t++) {
        step(1);
        ASSERT_EQ(small_object[0].draw, 1) << t;
        EXPECT_EQ(small_object[0].tik, t);
    }
    step(1);
    EXPECT_EQ(small_object[0].draw, 0);
    EXPECT_EQ(pocet_hitu, 0);   // a fallen bandit fires no more
}

TEST_F(Doors, AShotTwinGivesWayToHisBrotherAtTickFive)
{
    creature(0, {0, 0, 0, 1, 2, 1, 0}, 1, 7);
    OBJECT_STRUCTURE &twin = creature(1, {0, 1, 1, 1, 1, 1, 1, 1, 0}, 2, 0);
    twin.next_name = 0;
    init_small(2, 1);
    step(1, 3);
    obtiznost = DIFFICULTY_HARD;
    strela(2);
    EXPECT_EQ(pocet_zabitych, 1);
    step(1, 4);
    EXPECT_EQ((std::vector<int>{small_object[2].animation, small_object[2].mode}), (std::vector<int>{1, 1}));
    step(1);                                    // tick 5 of the fall
    const SMALL_OBJECT_STRUCTURE &s = small_object[2];
    EXPECT_EQ((std::vector<long>{s.draw, s.animation, s.mode, s.type, s.tik, s.delay, s.last_time}),
              (std::vector<long>{1, 0, 0, 1, 3, 7, 0}));
    // He goes on from tick 3 and fires on tick 4.
    step(1);
    step(8);
    EXPECT_EQ(small_object[2].tik, 4);
    EXPECT_EQ(pocet_hitu, 0);   // difficulty 2: the shot costs a life at once
    EXPECT_EQ(pocet_zivotu, 2);

    // A twin whose brother is not in the table just falls.
    twin.next_name = 9;
    init_small(0, 1);
    step(1, 2);
    strela(0);
    step(1, 7);
    EXPECT_EQ(small_object[0].draw, 1);
    step(1);
    EXPECT_EQ(small_object[0].draw, 0);
}

TEST_F(Doors, ScriptsThatEndEarlyNeverRunOffTheirTicks)
{
    // A creature of no ticks leaves on its first tick.
    creature(0, {}, 1, 0);
    init_small(0, 0);
    step(1, 2);
    EXPECT_EQ(small_object[0].draw, 0);
    // A full script of 40 ticks leaves at 40.
    OBJECT_STRUCTURE &o = creature(1, {}, 1, 0);
    for (int t = 0; t < 40; t++)
        o.tick[t] = 1;
    o.end_tick = 40;
    init_small(1, 1);
    step(1, 40);
    EXPECT_EQ(small_object[1].tik, 39);
    step(1);
    EXPECT_EQ(small_object[1].draw, 0);
    // An index outside the table leaves the slot alone.
    init_small(2, 5);
    EXPECT_EQ(small_object[2].draw, 0);
    init_small(3, 0);
    init_small(-1, 0);
}

TEST_F(Doors, ALostLifeSendsEveryActingCreatureBackAndNeverBelowTickZero)
{
    creature(0, {0, 1, 1, 1, 1, 1, 1, 1, 1, 0}, 1, 50);  // end_tick 10
    creature(1, {0, 1}, 1, 50);                           // end_tick 2
    creature(2, {0, 1, 1, 1, 1, 1, 1, 1, 1, 0}, 1, 50);
    init_small(0, 0);
    init_small(1, 1);
    init_small(2, 2);
    small_object[0].tik = 1;
    small_object[2].tik = 4;
    small_object[2].mode = 1;   // already shot: left to fall
    bang = 1;
    game_retreat();
    EXPECT_EQ((std::vector<long>{small_object[0].tik, small_object[1].tik, small_object[2].tik, bang_time}),
              (std::vector<long>{7, 0, 4, cas}));
    // The retreat lasts 240 ticks, strictly.
    advance(240);
    game_retreat();
    EXPECT_EQ(bang, 1);
    EXPECT_EQ(small_object[0].tik, 7);      // sent back only once
    advance(1);
    game_retreat();
    EXPECT_EQ(bang, 0);
    EXPECT_EQ(bang_time, 0);

    // With nobody out the retreat ends in the same frame.
    for (auto &s : small_object)
        s.draw = 0;
    bang = 1;
    game_retreat();
    EXPECT_EQ(bang, 0);
}

}  // namespace
