// What one shot of the player's revolver hits: creatures in the doors,
// decorations, and the background that takes the holes.
#include <vector>

#include "input.h"
#include "notice.h"
#include "test_game_fixture.h"

using namespace game_test;

namespace {

class Shooting : public GameWorld {
protected:
    // A bandit standing in `door` at its tick `tik`.
    void bandit_in(int door, int tik, std::initializer_list<int> ticks = {0, 1, 2, 1, 1, 0},
                   int type = 1)
    {
        int index = object_count;
        creature(index, ticks, type);
        init_small(door, index);
        small_object[door].tik = tik;
        small_object[door].last_time = cas;
    }

    // Fires one shot at (x, y) through the frame's shot step, from a full cylinder.
    int fire_at(int x, int y)
    {
        pocet_naboju = max_pocet_naboju;
        mouse_x = x;
        mouse_y = y;
        advance(40);
        click_latch_press();
        return game_shoot();
    }
};

TEST_F(Shooting, CreatureAndDoorFrameZonesHaveExclusiveBorders)
{
    struct Case {
        int x, y, door, frame;
    } cases[] = {
        {80, 200, 0, 1}, {32, 200, -1, 1}, {128, 200, -1, 1}, {80, 128, -1, 1}, {80, 315, -1, 1},
        {300, 200, 1, 2}, {351, 200, -1, 2}, {500, 314, 2, 3}, {200, 200, -1, 0}, {20, 200, -1, 1},
        {8, 200, -1, 0}, {300, 322, -1, 2}, {300, 323, -1, 0}, {610, 86, -1, 3},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(door_shot(c.x, c.y), c.door) << c.x << ", " << c.y;
        EXPECT_EQ(no_shot(c.x, c.y), c.frame) << c.x << ", " << c.y;
    }
}

TEST_F(Shooting, AFairBanditIsAKillWorthItsScoreTimesTheDifficultyFactor)
{
    bandit_in(1, 1);   // tick value 1
    obtiznost = DIFFICULTY_HARD;
    EXPECT_EQ(strela(1), 1);
    EXPECT_EQ((std::vector<long>{score, pocet_zabitych, small_object[1].mode, small_object[1].tik,
                                 small_object[1].last_time, pocet_zivotu, bang}),
              (std::vector<long>{100, 1, 1, 0, cas, 3, 0}));
    // A creature already hit cannot be hit again.
    strela(1);
    EXPECT_EQ(pocet_zabitych, 1);
    EXPECT_EQ(score, 100);
    // Difficulty 0 counts the kill and pays nothing; difficulty 1 pays.
    obtiznost = DIFFICULTY_EASY;
    bandit_in(0, 2);
    strela(0);
    EXPECT_EQ(score, 100);
    obtiznost = DIFFICULTY_MEDIUM;
    bandit_in(2, 3);
    strela(2);
    EXPECT_EQ(score, 200);
    EXPECT_EQ(pocet_zabitych, 3);
    // Shots at no creature (nor at an empty door) change nothing.
    small_object[2].draw = 0;
    EXPECT_EQ(strela(-1), -1);
    EXPECT_EQ(strela(3), 3);
    EXPECT_EQ(strela(2), 2);
    EXPECT_EQ(pocet_zabitych, 3);
}

TEST_F(Shooting, FoulsCostALifeUnlessACheatIsOn)
{
    // A bandit who has not drawn yet (tick value 0).
    pocet_hitu = 2;
    score = -50;
    bandit_in(0, 0);
    strela(0);
    EXPECT_EQ(pocet_zivotu, 2);
    EXPECT_EQ(pocet_hitu, 0);
    EXPECT_EQ(bang, 1);
    EXPECT_EQ(pocet_zabitych, 0);
    EXPECT_EQ(score, 0);                // a negative score is lifted to 0
    EXPECT_EQ(small_object[0].mode, 1); // he falls all the same

    // A civilian is a foul in any pose.
    bang = 0;
    obtiznost = DIFFICULTY_HARD;
    bandit_in(1, 4, {0, 1, 2, 1, 2, 1}, 0);
    strela(1);
    EXPECT_EQ(pocet_zivotu, 1);
    EXPECT_EQ(score, 0);
    EXPECT_EQ(pocet_zabitych, 0);

    // With either cheat the foul costs nothing, the victim still falls.
    for (int cheat = 0; cheat < 2; cheat++) {
        life_cheat = cheat == 0;
        kill_civil_cheat = cheat == 1;
        bang = 0;
        pocet_hitu = 1;
        bandit_in(2, 1, {0, 1, 1}, 0);
        strela(2);
        EXPECT_EQ(pocet_zivotu, 1) << "cheat " << cheat;
        EXPECT_EQ(pocet_hitu, 1);
        EXPECT_EQ(bang, 0);
        EXPECT_EQ(small_object[2].mode, 1);
        EXPECT_EQ(score, 0);
    }
}

TEST_F(Shooting, TheFoulWordSaysWhetherHeHadNotDrawnHadPutHisGunAwayOrWasATownsperson)
{
    struct Case {
        int tik, type;
        const char *word;
    } cases[] = {
        {0, 1, "TOO EARLY"}, {1, 1, nullptr}, {2, 1, "TOO LATE"}, {3, 1, "TOO LATE"}, {1, 0, "TOWNSFOLK"},
    };
    life_cheat = 1;
    for (const Case &c : cases) {
        notice_level_start();
        bandit_in(1, c.tik, {0, 1, 0, -1, 0}, c.type);
        strela(1);
        const char *word = notice_foul_word(1);
        if (c.word)
            EXPECT_STREQ(word, c.word) << "tick " << c.tik << " type " << c.type;
        else
            EXPECT_EQ(word, nullptr) << "tick " << c.tik;
    }
}

// Door 0's creature shows, in pose 0, only a post of 20 x 170 pixels: screen
// x 70..89, y 147..316 (his picture, 100 x 210, has its top-left corner at
// (96 - 16 - 50, 107) = (30, 107)).  At tick 0 his door is still shut.
TEST_F(Shooting, ATownspersonIsMissedMoreThanThreePixelsFromWhatHeShowsABanditNeverNobodyBehindAShutDoor)
{
    struct Case {
        int x, y, type, tik;
        bool felled;
    } cases[] = {
        {66, 200, 0, 1, false}, {67, 200, 0, 1, true}, {92, 200, 0, 1, true}, {93, 200, 0, 1, false},
        {80, 143, 0, 1, false}, {80, 144, 0, 1, true}, {80, 200, 0, 1, true},
        {127, 200, 0, 1, false},    // 3 pixels from his picture's right edge, far from him
        {40, 200, 0, 2, true},      // in his other, solid pose the same doorway is all him
        {40, 200, 1, 1, true},      // a bandit is hit anywhere in his doorway (here too early)
        {80, 200, 0, 0, false},     // the door has not opened yet: a shot at it hits neither
        {80, 200, 1, 0, false},
    };
    for (const Case &c : cases) {
        pocet_zivotu = 3;
        bang = 0;
        OBJECT_STRUCTURE &o = creature(0, {0, 0, 1, 1, 1, 0}, c.type);
        BITMAP *b = o.anim_object->image[0];
        clear_to_color(b, bitmap_mask_color(b));
        rectfill(b, 40, 40, 59, 209, makecol(30, 90, 200));
        init_small(0, 0);
        small_object[0].tik = c.tik;
        small_object[0].last_time = cas;
        fire_at(c.x, c.y);
        EXPECT_EQ(small_object[0].mode == 1, c.felled) << c.x << ", " << c.y << " type " << c.type << " tick " << c.tik;
        EXPECT_EQ(pocet_zivotu, c.felled ? 2 : 3) << c.x << ", " << c.y;     // all fouls here
        EXPECT_EQ(notice_puff_step() >= 0, !c.felled) << c.x << ", " << c.y;   // a miss shows its puff
    }
}

TEST_F(Shooting, EveryShotThatLeavesNoMarkShowsAPuffForAMoment)
{
    decor(0, 400, 20, 30, 30);
    struct Case {
        int x, y, duel;
        bool puff;
        const char *what;
    } cases[] = {
        {200, 250, 0, false, "the wall takes a hole"},
        {20, 200, 0, true, "a door frame"},
        {300, 200, 0, true, "an empty doorway"},
        {200, 330, 0, true, "below the holes' line"},
        {200, 250, 1, true, "the open street of a duel"},
        {410, 30, 1, false, "a decoration breaks"},
        {410, 30, 1, true, "a broken one takes the shot and shows nothing"},
    };
    for (const Case &c : cases) {
        level_mode = c.duel;
        notice_level_start();
        fire_at(c.x, c.y);
        EXPECT_EQ(notice_puff_step(), c.puff ? 0 : -1) << c.what;
    }
    level_mode = MODE_ORDINARY;
    notice_level_start();
    fire_at(20, 200);
    advance(NOTICE_PUFF_TIME);
    EXPECT_EQ(notice_puff_step(), NOTICE_PUFF_STEPS - 1);
    advance(1);
    EXPECT_EQ(notice_puff_step(), -1);
}

TEST_F(Shooting, DecorationsAreTestedInTableOrderAndADestroyedOneStillStopsTheShot)
{
    decor(0, 200, 100, 40, 40);                 // zone x 192..240, y 92..140
    decor(1, 220, 120, 40, 40);                 // overlaps the first
    EXPECT_EQ(decoration_shot(193, 93), 1);
    EXPECT_EQ(decoration_shot(192, 100), 0);    // the margin's edge is outside
    EXPECT_EQ(decoration[0].mode, 1);
    EXPECT_EQ(decoration[0].old_time, cas);
    EXPECT_EQ(decoration[1].mode, 0);

    // In the overlap the first listed takes the shot even when destroyed.
    EXPECT_EQ(decoration_shot(230, 130), 1);
    EXPECT_EQ(decoration[1].mode, 0);
    // Beyond the first, the second is reached.
    EXPECT_EQ(decoration_shot(250, 150), 2);
    EXPECT_EQ(decoration[1].mode, 1);
    EXPECT_EQ(decoration_shot(260, 160), 0);    // right and bottom edges are outside
    EXPECT_EQ(decoration_shot(500, 400), 0);
}

TEST_F(Shooting, HolesAreLeftOnlyInTheOpenStreetOfAnOrdinaryLevel)
{
    int bg = background_colour();
    // Between two doors, on the lowest line that takes a hole.
    EXPECT_EQ(fire_at(200, 314), 1);
    EXPECT_NE(getpixel(game_screen2, 202, 316), bg);
    // One line lower: no hole.
    fire_at(190, 315);
    EXPECT_EQ(getpixel(game_screen2, 192, 317), bg);
    // On the middle door (its frame zone): no hole.
    fire_at(300, 200);
    EXPECT_EQ(getpixel(game_screen2, 302, 202), bg);
    // In a duel level: no hole anywhere.
    level_mode = MODE_DUEL;
    fire_at(200, 250);
    EXPECT_EQ(getpixel(game_screen2, 202, 252), bg);
    level_mode = MODE_ORDINARY;
    fire_at(200, 250);
    EXPECT_NE(getpixel(game_screen2, 202, 252), bg);
    // The hole is multiplied in: darker than the wall, not the hole's own grey.
    int c = getpixel(game_screen2, 202, 252);
    EXPECT_LT(getr(c), getr(bg));
    EXPECT_NE(c, hole_colour());
}

TEST_F(Shooting, OneShotCanFellACreatureAndADecorationAtOnce)
{
    bandit_in(0, 2);
    decor(0, 60, 150, 30, 30);
    obtiznost = DIFFICULTY_MEDIUM;
    fire_at(70, 160);
    EXPECT_EQ(small_object[0].mode, 1);
    EXPECT_EQ(pocet_zabitych, 1);
    EXPECT_EQ(decoration[0].mode, 1);
    EXPECT_EQ(pocet_naboju, 5);
    EXPECT_EQ(shot_show, 1);
}

TEST_F(Shooting, NullSoundsAreSkippedAtAnyVolume)
{
    // Every sample in this world is null and the effect volume is 70: the
    // player's shot, a death, a destroyed decoration, a bandit's shot and
    // a reload must all pass without touching a sample.
    bandit_in(1, 1, {0, 1, 2, 2, 1, 0});
    decor(0, 290, 150, 20, 20);
    fire_at(300, 160);
    EXPECT_EQ(small_object[1].mode, 1);
    bandit_in(0, 1, {0, 1, 2, 2, 1, 0});
    small_object[0].delay = 0;
    step(1);
    EXPECT_EQ(pocet_hitu, 1);
    obtiznost = DIFFICULTY_MEDIUM;
    pocet_naboju = 0;
    shot_show = 0;
    mouse_b = 2;
    advance(40);
    game_reload();
    EXPECT_EQ(pocet_naboju, 6);
}

}  // namespace
