// What one shot of the player's revolver hits: creatures in the doors, fair
// or foul, decorations, and the street that takes the holes; and what a
// shot that hits nothing shows.
#include "test_game_fixture.h"

using namespace game_test;

namespace {

using Shooting = GameWorld;

TEST_F(Shooting, CreatureAndDoorFrameZonesHaveExclusiveBorders)
{
    const int cases[][4] = {     // x, y, door, frame
        {80, 200, 0, 1}, {32, 200, -1, 1}, {33, 200, 0, 1}, {128, 200, -1, 1}, {127, 200, 0, 1},
        {80, 128, -1, 1}, {80, 129, 0, 1}, {80, 315, -1, 1}, {80, 314, 0, 1}, {300, 200, 1, 2},
        {351, 200, -1, 2}, {500, 314, 2, 3}, {200, 200, -1, 0}, {20, 200, -1, 1}, {8, 200, -1, 0},
        {9, 200, -1, 1}, {300, 322, -1, 2}, {300, 323, -1, 0}, {610, 86, -1, 3}, {611, 86, -1, 0},
        {300, 85, -1, 0},
    };
    for (const auto &c : cases)
        EXPECT_EQ((V{door_shot(c[0], c[1]), no_shot(c[0], c[1])}), (V{c[2], c[3]})) << c[0] << ", " << c[1];
}

// A shot at a creature in each part of his script: fair while his gun is
// out, a foul that costs a life (and says why over his door) before he has
// drawn, after he has put it away, and at a townsperson in any pose.
TEST_F(Shooting, AHitIsFairOrAFoulAsTheCreaturesTickSays)
{
    enum { NONE, LIFE, CIVIL };
    const std::initializer_list<int> drawn_first = {1, 0, 2, 0}, feint = {0, 1, 0, -1, 0};
    struct Case {
        std::initializer_list<int> ticks;
        int tik, type, difficulty, cheat, score_before, score, kills, lives;
        const char *word;
    } cases[] = {
        {feint, 1, TYPE_BANDIT, DIFFICULTY_HARD, NONE, 0, 100, 1, 3, nullptr},
        {feint, 1, TYPE_BANDIT, DIFFICULTY_MEDIUM, NONE, 0, 100, 1, 3, nullptr},
        {feint, 1, TYPE_BANDIT, DIFFICULTY_EASY, NONE, 0, 0, 1, 3, nullptr},  // counts, pays nothing
        {drawn_first, 0, TYPE_BANDIT, DIFFICULTY_HARD, NONE, 0, 100, 1, 3, nullptr},
        {drawn_first, 2, TYPE_WITH_CHILD, DIFFICULTY_HARD, NONE, 0, 100, 1, 3, nullptr},    // firing
        {drawn_first, 1, TYPE_BANDIT, DIFFICULTY_HARD, NONE, 0, 0, 0, 2, "TOO LATE"},
        {feint, 0, TYPE_BANDIT, DIFFICULTY_HARD, NONE, -50, 0, 0, 2, "TOO EARLY"},  // no debt
        {feint, 2, TYPE_BANDIT, DIFFICULTY_HARD, NONE, 70, 70, 0, 2, "TOO LATE"},
        {feint, 3, TYPE_BANDIT, DIFFICULTY_HARD, NONE, 70, 70, 0, 2, "TOO LATE"},
        {feint, 1, TYPE_TOWNSFOLK, DIFFICULTY_HARD, NONE, 70, 70, 0, 2, "TOWNSFOLK"},
        {feint, 1, TYPE_TOWNSFOLK, DIFFICULTY_HARD, LIFE, 70, 70, 0, 3, "TOWNSFOLK"},
        {feint, 0, TYPE_BANDIT, DIFFICULTY_HARD, CIVIL, 70, 70, 0, 3, "TOO EARLY"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(&c - cases);
        notice_level_start();
        creature(0, c.ticks, c.type);
        put(1, 0, c.tik);
        obtiznost = c.difficulty;
        life_cheat = c.cheat == LIFE;
        kill_civil_cheat = c.cheat == CIVIL;
        score = c.score_before;
        pocet_zabitych = bang = 0;
        pocet_zivotu = 3;
        pocet_hitu = 2;
        EXPECT_EQ(strela(1), 1);
        EXPECT_EQ((V{score, pocet_zabitych, pocet_zivotu, pocet_hitu, bang, tally.bandit_hits, tally.townsfolk_hit}),
                  (V{c.score, c.kills, c.lives, c.lives < 3 ? 0 : 2, c.lives < 3, c.type != TYPE_TOWNSFOLK,
                     c.type == TYPE_TOWNSFOLK}));
        EXPECT_STREQ(notice_foul_word(1), c.word);
        // He falls all the same, and is not hit twice.
        EXPECT_EQ((V{small_object[1].mode, small_object[1].tik, small_object[1].last_time}), (V{1, 0, cas}));
        strela(1);
        EXPECT_EQ((V{score, pocet_zabitych, pocet_zivotu}), (V{c.score, c.kills, c.lives}));
    }
    // Shots at no door or an empty one change nothing.
    small_object[1].draw = 0;
    for (int door : {-1, 1, DOOR_COUNT})
        EXPECT_EQ(strela(door), door);
    EXPECT_EQ(pocet_zabitych, 0);
}

// Door 0's creature shows, in pose 0, only a post of 20 x 170 pixels: screen
// x 70..89, y 147..316 (his picture, 100 x 210, has its top-left corner at
// (96 - 16 - 50, 107) = (30, 107)).  At tick 0 his door is still shut.
TEST_F(Shooting, ATownspersonIsMissedAwayFromWhatHeShowsABanditNeverAndNobodyBehindAShutDoor)
{
    struct Case {
        int x, y, type, tik, mode;
        bool felled;
    } cases[] = {
        {66, 200, TYPE_TOWNSFOLK, 1, MODE_ORDINARY, false}, {67, 200, TYPE_TOWNSFOLK, 1, MODE_ORDINARY, true},
        {92, 200, TYPE_TOWNSFOLK, 1, MODE_ORDINARY, true}, {93, 200, TYPE_TOWNSFOLK, 1, MODE_ORDINARY, false},
        {80, 143, TYPE_TOWNSFOLK, 1, MODE_ORDINARY, false}, {80, 144, TYPE_TOWNSFOLK, 1, MODE_ORDINARY, true},
        {127, 200, TYPE_TOWNSFOLK, 1, MODE_ORDINARY, false},    // 3 pixels from his picture's edge, far from him
        {40, 200, TYPE_TOWNSFOLK, 2, MODE_ORDINARY, true},      // in his other, solid pose the doorway is all him
        {40, 200, TYPE_BANDIT, 1, MODE_ORDINARY, true},         // a bandit is hit anywhere in his doorway
        {80, 200, TYPE_TOWNSFOLK, 0, MODE_ORDINARY, false}, {80, 200, TYPE_BANDIT, 0, MODE_ORDINARY, false},  // shut
        {40, 200, TYPE_BANDIT, 0, MODE_DUEL, true},             // a duelist stands in the open from the start
    };
    for (const Case &c : cases) {
        pocet_zivotu = 3;
        bang = 0;
        level_mode = c.mode;
        notice_level_start();
        OBJECT_STRUCTURE &o = creature(0, {0, 0, 1, 1, 1, 0}, c.type);
        BITMAP *b = o.anim_object->image[0];
        clear_to_color(b, bitmap_mask_color(b));
        rectfill(b, 40, 40, 59, 209, makecol(30, 90, 200));
        put(0, 0, c.tik);
        fire_at(c.x, c.y);
        // All fouls here; a miss shows its puff.
        EXPECT_EQ((V{small_object[0].mode == 1, pocet_zivotu, notice_puff_step() >= 0}),
                  (V{c.felled, c.felled ? 2 : 3, !c.felled}))
            << c.x << ", " << c.y << " type " << c.type << " tick " << c.tik;
    }
}

TEST_F(Shooting, EveryShotThatLeavesNoMarkShowsAPuffForAMoment)
{
    decor(0, 400, 20, 30, 30);
    creature(0, {0, 1, 1, 1, 1, 1, 0});
    struct Case {
        int x, y, mode, door_mode;
        bool puff;
        const char *what;
    } cases[] = {
        {200, 250, MODE_ORDINARY, 0, false, "the wall takes a hole"},
        {20, 200, MODE_ORDINARY, 0, true, "a door frame"}, {300, 200, MODE_ORDINARY, 0, true, "an empty doorway"},
        {200, 330, MODE_ORDINARY, 0, true, "below the holes' line"},
        {200, 250, MODE_DUEL, 0, true, "the open street of a duel"},
        {410, 30, MODE_DUEL, 0, false, "a decoration breaks"}, {80, 200, MODE_ORDINARY, 0, false, "a bandit falls"},
        {410, 30, MODE_DUEL, 0, true, "a broken one takes the shot and shows nothing"},
        {80, 200, MODE_ORDINARY, 1, true, "one already falling is not felled again"},
    };
    for (const Case &c : cases) {
        level_mode = c.mode;
        notice_level_start();
        put(0, 0, 2);
        small_object[0].mode = c.door_mode;
        fire_at(c.x, c.y);
        EXPECT_EQ(notice_puff_step(), c.puff ? 0 : -1) << c.what;
    }
    // The wall's hole is multiplied in: darker than the wall, not the hole's own grey.
    const int hole = getpixel(game_screen2, 202, 252);
    EXPECT_EQ((V{getr(hole) < getr(background_colour()), hole == hole_colour()}), (V{1, 0}));
    // Its three pictures take a third of its 0.3 s each.
    level_mode = MODE_ORDINARY;
    fire_at(20, 200);
    const int step_at[][2] = {{10, 0}, {11, 1}, {20, 1}, {21, 2}, {30, 2}, {31, -1}};
    long fired = cas;
    for (const auto &s : step_at) {
        advance((int)(fired + s[0] - cas));
        EXPECT_EQ(notice_puff_step(), s[1]) << "age " << s[0];
    }
}

TEST_F(Shooting, DecorationsAreHitInTableOrderWithinTheirZoneAndADestroyedOneStillStopsTheShot)
{
    decor(0, 200, 100, 40, 40);     // zone: x 193..239, y 93..139
    decor(1, 220, 120, 40, 40);     // overlaps the first
    decor(2, 400, 100, 40, 40);
    decoration_count = 2;           // the third is not in this level's table
    // In the overlap the first listed takes the shot even when destroyed;
    // right and bottom edges are outside.
    const int shots[][3] = {{192, 110, 0}, {210, 92, 0}, {420, 110, 0}, {193, 93, 1}, {230, 130, 1},
                            {250, 150, 2}, {260, 150, 0}, {250, 160, 0}, {259, 159, 2}};
    for (const auto &p : shots)
        EXPECT_EQ(decoration_shot(p[0], p[1]), p[2]) << p[0] << ", " << p[1];
    EXPECT_EQ((V{decoration[0].mode, decoration[0].old_time, decoration[1].mode}), (V{1, cas, 1}));

    // One shot fells a bandit and breaks a decoration in front of him.
    creature(0, {0, 1, 1, 1, 0});
    put(0, 0, 2);
    decor(0, 60, 150, 30, 30);
    fire_at(70, 160);
    EXPECT_EQ((V{small_object[0].mode, pocet_zabitych, decoration[0].mode, pocet_naboju, shot_show}),
              (V{1, 1, 1, CYLINDER_SIZE - 1, 1}));
}

}  // namespace
