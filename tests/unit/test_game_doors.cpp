// The three door slots: who comes out, how the ticks run, bandits firing at
// the player, leaving, falling, the twin's brother, and the retreat.
#include "test_game_fixture.h"

using namespace game_test;

namespace {

class Doors : public GameWorld {
protected:
    void SetUp() override { GameWorld::SetUp(), advance(900); }    // cas 1000
    static long occupied() { return small_object[0].draw + small_object[1].draw + small_object[2].draw; }
};

TEST_F(Doors, CreaturesComeOutByChanceAndWeightWithRandDrawnInTheDesignedOrder)
{
    const int weight[] = {10, 0, 5, 1};     // weight 0: never chosen
    for (int i = 0; i < 4; i++)
        creature(i, {0, 1, 0}, TYPE_BANDIT, 10, weight[i]);
    refresh_door = 500;
    for (unsigned seed = 1; seed <= 50; seed++) {
        // One pass, replayed from the same seed: per slot one draw for the
        // door's chance, and one more for the creature when it opens.
        srand(seed);
        V expect;
        for (int i = 0; i < DOOR_COUNT; i++) {
            int r = rand() % 1000 < 500 ? rand() % 16 : -1;
            expect.insert(expect.end(), {r >= 0, r < 0 ? 0 : r < 10 ? 0 : r < 15 ? 2 : 3});
        }
        expect.push_back(rand());
        std::fill(std::begin(small_object), std::end(small_object), SMALL_OBJECT_STRUCTURE{});
        srand(seed), pohni_objekty();
        V got;
        for (const SMALL_OBJECT_STRUCTURE &s : small_object)
            got.insert(got.end(), {s.draw, s.animation});
        got.push_back(rand());
        EXPECT_EQ(got, expect) << "seed " << seed;
    }
    // Both draws are strict: a chance equal to REFRESH_DOOR keeps the door
    // shut, a draw equal to a creature's weight passes to the next one.
    for (int more = 0; more < 2; more++) {
        srand(77);
        int chance = rand() % 1000, pick = rand() % 16;
        refresh_door = chance + more, object[0].vaha = pick, object[1].vaha = pick + 1;
        small_object[0] = SMALL_OBJECT_STRUCTURE{};
        small_object[1].draw = small_object[2].draw = 1;
        srand(77), pohni_objekty();
        EXPECT_EQ((V{small_object[0].draw, small_object[0].animation}), (V{more, more}));
    }
}

TEST_F(Doors, DoorsOpenOnlyWithinTheLimitsAndNeverDuringAPhase)
{
    creature(0, {0, 1, 1, 1, 1, 1, 1, 1, 1, 0}, TYPE_BANDIT, 1000);    // stays out a long while
    refresh_door = 1000, max_doors_open = 0;
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
        s.draw = refresh_door = 0;
    for (int i = 0; i < 5000; i++)
        pohni_objekty();
    EXPECT_EQ(occupied(), 0);
    // While a phase runs the chance is still drawn, but nobody comes out;
    // a level whose weights add up to 0 never opens a door either.
    refresh_door = 1000;
    for (int phase = 0; phase <= 3; phase++) {
        bang = phase, max_pravdepodobnost = phase == 0 ? 0 : 1;
        srand(99), rand(), rand(), rand();
        int after = rand();
        srand(99), pohni_objekty();
        EXPECT_EQ((V{occupied(), rand()}), (V{0, after})) << "one draw per empty door";
    }
}

TEST_F(Doors, ATickEndsOnTheFirstFrameAfterItsTimeHasStrictlyRunOut)
{
    creature(0, {0, 1, 1, 0}, TYPE_BANDIT, 12);
    init_small(1, 0);
    V tiks;
    for (int ticks : {2, 12, 1, 20, 12}) {  // tick 0 starts; exactly 12; 13; a late frame; 12 after it
        step(ticks);
        tiks.push_back(small_object[1].tik);
    }
    EXPECT_EQ(tiks, (V{0, 0, 1, 2, 2}));    // a late frame's lateness is not carried over
}

TEST_F(Doors, ABanditFiresOnEnteringATwoAndLeavesAtItsEndATownspersonScoresForLeaving)
{
    creature(0, {2, 0, 1, 2, 1}, TYPE_BANDIT, 0);   // a 2 on tick 0 never fires
    creature(1, {0, 1, 1, 1}, TYPE_TOWNSFOLK, 0, 1, 50);
    init_small(0, 0), init_small(2, 1);
    score = 10;
    V hits, seen_out;
    for (int i = 0; i < 10 && small_object[0].draw; i++) {
        step(1), hits.push_back(pocet_hitu);
        seen_out.insert(seen_out.end(), {small_object[2].draw, score});
    }
    // Frame 1 starts tick 0, ticks 1..4 follow, tick 5 is the end; the
    // townsperson leaves after his tick 3 with his score, the bandit with none.
    EXPECT_EQ(hits, (V{0, 0, 0, 1, 1, 1}));
    EXPECT_EQ(seen_out, (V{1, 10, 1, 10, 1, 10, 1, 10, 0, 60, 0, 60}));
    EXPECT_EQ(dira[0].visible + dira[1].visible, 1);
}

TEST_F(Doors, BanditShotsCostLivesByDifficultyAndLeaveAtMostThreeMarksForASecond)
{
    creature(0, {0, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 0}, TYPE_BANDIT, 0);    // fires on every tick
    max_doors_open = 1;     // the empty doors draw no numbers
    const V lives_after[4] = {{3, 3, 2}, {3, 2, 2}, {2, 1, 0}, {3, 3, 3}};
    // difficulty 4: easy again, for four shots within a second below
    for (int difficulty = 0; difficulty < 5; difficulty++) {
        life_cheat = difficulty == 3;   // the cheat keeps the marks but not the hits
        obtiznost = difficulty == 3 ? DIFFICULTY_HARD : difficulty % 4;
        pocet_zivotu = 3, pocet_hitu = bang = 0;
        for (auto &d : dira)
            d.visible = 0;
        init_small(0, 0), step(1);      // tick 0 starts
        if (difficulty == 4)
            break;
        V lives;
        for (int shot = 0; shot < 3; shot++)
            step(1), lives.push_back(pocet_zivotu);
        EXPECT_EQ(lives, lives_after[difficulty]) << difficulty;
        EXPECT_EQ((V{bang, dira[0].visible + dira[1].visible + dira[2].visible}), (V{!life_cheat, 3})) << difficulty;
    }
    // Four shots within a second: three marks where rand() put them, and the fourth still hurts.
    srand(42);
    V expect, marks;
    for (int h = 0; h < HOLE_COUNT; h++)
        expect.insert(expect.end(), {1, rand() % 550 - 50, rand() % 340 - 50});   // a braced list draws in order
    srand(42), step(1, 4);
    for (const DIRA_STRUCT &d : dira)
        marks.insert(marks.end(), {d.visible, d.X, d.Y});
    EXPECT_EQ(marks, expect);
    EXPECT_EQ((V{pocet_zivotu, pocet_hitu}), (V{2, 1}));
    // A mark shows while its second lasts, strictly.
    small_object[0].draw = 0, dira[1].old_time = cas;
    step(BANDIT_HOLE_TIME);
    EXPECT_EQ(dira[1].visible, 1);
    step(1);
    EXPECT_EQ(dira[1].visible, 0);
}

TEST_F(Doors, AShotCreatureFallsForEightTicksAndATwinGivesWayToHisBrother)
{
    creature(0, {0, 0, 0, 1, 2, 1, 0}, TYPE_BANDIT, 7);
    OBJECT_STRUCTURE &twin = creature(1, {0, 1, 1, 1, 1, 1, 1, 1, 0}, TYPE_WITH_CHILD, 0);
    twin.next_name = 0;
    creature(2, {0, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 0}, TYPE_BANDIT, 0);
    // A bandit shot falls, fires no more, and is gone at tick 8.
    put(0, 2, 1), strela(0);
    V fall;
    for (int t = 1; t <= DEAD_REMOVE_TICK; t++)
        step(1), fall.insert(fall.end(), {small_object[0].draw, small_object[0].tik});
    EXPECT_EQ(fall, (V{1, 1, 1, 2, 1, 3, 1, 4, 1, 5, 1, 6, 1, 7, 0, 8}));
    EXPECT_EQ(pocet_hitu, 0);
    // The twin unharmed walks his own script past tick 5.
    init_small(2, 1), step(1, 7);
    EXPECT_EQ((V{small_object[2].animation, small_object[2].tik}), (V{1, 6}));
    // Shot, he falls until tick 5 of the fall, when his brother steps in
    // at his tick 3 with his own delay, and fires on his tick 4.
    put(2, 1, 3), obtiznost = DIFFICULTY_HARD, strela(2), step(1, 4);
    EXPECT_EQ((V{small_object[2].animation, small_object[2].mode}), (V{1, 1}));
    step(1);
    const SMALL_OBJECT_STRUCTURE &s = small_object[2];
    EXPECT_EQ((V{s.draw, s.animation, s.mode, s.type, s.tik, s.delay, s.last_time}), (V{1, 0, 0, TYPE_BANDIT, 3, 7, 0}));
    step(1), step(8);
    EXPECT_EQ((V{small_object[2].tik, pocet_zivotu, pocet_zabitych}), (V{4, 2, 2}));   // his shot costs a life at once
    // A twin whose brother is not in the table just falls.
    twin.next_name = object_count;
    put(0, 1, 2), strela(0), step(1, 7);
    EXPECT_EQ(small_object[0].draw, 1);
    step(1);
    EXPECT_EQ(small_object[0].draw, 0);
}

TEST_F(Doors, NoScriptOrIndexRunsOffItsTable)
{
    creature(0, {}, TYPE_BANDIT, 0);        // no ticks: he leaves on his first
    init_small(0, 0), step(1, 2);
    EXPECT_EQ(small_object[0].draw, 0);
    OBJECT_STRUCTURE &o = creature(1, {}, TYPE_BANDIT, 0);
    for (int t = 0; t < MAX_TICKS; t++)
        o.tick[t] = 1;
    o.end_tick = MAX_TICKS;                 // a full script leaves at its end
    init_small(1, 1), step(1, MAX_TICKS);
    EXPECT_EQ(small_object[1].tik, MAX_TICKS - 1);
    step(1);
    EXPECT_EQ(small_object[1].draw, 0);
    // A creature index past the level's table, or a door past the three,
    // leaves every slot as it is.
    init_small(2, object_count), init_small(2, -1), init_small(DOOR_COUNT, 0), init_small(-1, 0);
    EXPECT_EQ(occupied(), 0);
}

TEST_F(Doors, ALostLifeSendsEveryActingCreatureBackAndNeverBelowTickZero)
{
    creature(0, {0, 1, 1, 1, 1, 1, 1, 1, 1, 0}, TYPE_BANDIT, 50);  // end_tick 10
    creature(1, {0, 1}, TYPE_BANDIT, 50);                           // end_tick 2
    put(0, 0, 1), put(1, 1, 0), put(2, 0, 4);
    small_object[2].mode = 1;   // already shot: left to fall
    bang = 1, game_retreat();
    EXPECT_EQ((V{small_object[0].tik, small_object[1].tik, small_object[2].tik, bang_time}), (V{7, 0, 4, cas}));
    // The retreat lasts 240 ticks, strictly, and sends them back once.
    advance(RETREAT_TIME), game_retreat();
    EXPECT_EQ((V{bang, small_object[0].tik}), (V{1, 7}));
    advance(1), game_retreat();
    EXPECT_EQ((V{bang, bang_time}), (V{0, 0}));
    // With nobody out the retreat ends in the same frame.
    for (auto &s : small_object)
        s.draw = 0;
    bang = 1, game_retreat();
    EXPECT_EQ(bang, 0);
}

}  // namespace
