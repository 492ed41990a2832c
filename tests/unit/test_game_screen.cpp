// The game frame, checked in pixels where the place on the screen is the
// point: the revolver and the cartridges, the doors and the creatures'
// poses, the status display and the kill bar, the layers, and the notices.
#include "test_game_fixture.h"

using namespace game_test;

namespace {

class Screen : public GameWorld {
protected:
    void SetUp() override
    {
        GameWorld::SetUp();
        advance(400);   // cas 500
        mouse_y = 200;  // the revolver's top at y 500 - 60 = 440
    }
    static int kolt_colour(int sector, int step) { return anim_colour(KOLT_BASE, sector, step); }
    static int cartridges(int count, int step) { return anim_colour(CARTRIDGE_BASE, count, step); }
    static int door_colour(int door, int step) { return anim_colour(DOOR_BASE + door, 0, step); }
    static int pose_colour(int index, int pose) { return anim_colour(CREATURE_BASE + index, pose, 0); }
    static void frame() { draw_game_screen(); }
};

TEST_F(Screen, TheFiringFrameShowsWhereTheShotWentTwoTicksAndTheCylinderNeverACountItHasNoPictureFor)
{
    mouse_x = 300;
    click_latch_press();        // the button goes down at x 300 (sector 3) ...
    mouse_x = 30;               // ... and the hand flies on before the frame
    ASSERT_EQ(game_shoot(), 1);
    frame();
    EXPECT_EQ((V{at(310, 470), at(560, 450)}), (V{kolt_colour(3, 1), cartridges(5, 1)}));
    advance(2);
    frame();                    // the first frame 2 ticks after
    EXPECT_EQ((V{at(310, 470), shot_show}), (V{kolt_colour(3, 1), 0}));
    frame();                    // then the revolver follows the aim
    EXPECT_EQ((V{getr(at(310, 470)) == KOLT_BASE, at(560, 450)}), (V{0, cartridges(5, 0)}));
    mouse_x = 300;
    for (int n : {0, 1, 2, 3, 4, 5, 6, 9}) {    // more than six (a level that loads more): a full cylinder
        pocet_naboju = n;
        frame();
        EXPECT_EQ(at(560, 450), cartridges(n < 6 ? n : 6, 0)) << n;
    }
    // While a reload shows: one fewer at difficulty 2 (the cartridge going in).
    pocet_naboju = 4;
    reload_show = 1;
    reload_last_time = cas;
    obtiznost = DIFFICULTY_HARD;
    frame();
    const V hard{at(560, 450), at(310, 470)};
    obtiznost = DIFFICULTY_MEDIUM;
    advance(RELOAD_INTERVAL + 1);
    frame();                    // the last reload frame
    const V last{reload_show, at(560, 450)};
    frame();
    EXPECT_EQ((V{hard[0], hard[1], last[0], last[1], at(560, 450)}),
              (V{cartridges(3, 1), kolt_colour(3, 0), 0, cartridges(4, 1), cartridges(4, 0)}));
}

// Door 0's leaf stands at x 30..131.  Column 5 of it (x 35) shows the last
// of its steps 0..2 drawn, column 95 (x 125) its open step 3; where no leaf
// lies, the creature (x 30..129) shows, and at x 110 only the shut door
// hides him.
TEST_F(Screen, DoorsOpenAndShutByTheCreaturesTicksOverTheCreaturesPoses)
{
    creature(0, {0, 1, 2, 1, 1, 1, 1, 0});      // end_tick 8
    creature(1, {0, 1, 1, 0});                  // end_tick 4
    const int CREATURE = -1;
    const struct {
        int mode, tik, left, right, pose;
    } cases[] = {
        {0, 0, 0, 0, CREATURE}, {0, 1, 1, CREATURE, 1}, {0, 2, 2, CREATURE, 2}, {0, 3, CREATURE, 3, 1},
        {0, 6, CREATURE, 3, 1}, {0, 7, 1, CREATURE, 0},
        {1, 0, CREATURE, 3, POSE_HIT}, {1, 1, CREATURE, 3, POSE_HIT}, {1, 2, CREATURE, 3, POSE_FALLEN},
        {1, 5, CREATURE, 3, POSE_FALLEN}, {1, 6, 2, CREATURE, POSE_FALLEN}, {1, 7, 1, CREATURE, POSE_FALLEN},
    };
    for (const auto &c : cases) {
        put(0, 0, c.tik);
        small_object[0].mode = c.mode;
        frame();
        int pose = c.mode == 0 ? object[0].tick[c.tik] : c.pose;
        auto seen = [&](int step) { return step == CREATURE ? pose_colour(0, pose) : door_colour(0, step); };
        EXPECT_EQ((V{at(35, 200), at(125, 200), at(110, 200)}),
                  (V{seen(c.left), seen(c.right), c.pose == CREATURE ? door_colour(0, 0) : seen(CREATURE)}))
            << "mode " << c.mode << " tick " << c.tik;
    }
    // His picture's right edge, and above his top.
    EXPECT_EQ((V{at(129, 200), getr(at(130, 200)) == CREATURE_BASE, getr(at(100, 106)) == CREATURE_BASE}),
              (V{pose_colour(0, POSE_FALLEN), 0, 0}));
    // A four-tick script at its tick 3 draws the open and the nearly shut
    // leaf; at tick 2 the half-open one only.
    // A door whose creature has left, or that never opened, is shut.
    const V want[] = {{door_colour(1, 1), door_colour(1, 3)}, {door_colour(1, 2), pose_colour(1, 1)},
                      {door_colour(1, 0), door_colour(1, 0), door_colour(2, 0)}};
    for (int tik : {3, 2, -1}) {
        put(1, 1, tik < 0 ? 2 : tik);
        small_object[1].draw = tik >= 0;
        frame();
        V seen{at(256, 200), at(346, 200)};
        if (tik < 0)
            seen.push_back(at(550, 200));
        EXPECT_EQ(seen, want[3 - tik > 2 ? 2 : 3 - tik]) << tik;
    }
}

TEST_F(Screen, TheStatusDisplayShowsLivesHitsCheatsLevelScoreAndTheKillBarTillTheQuota)
{
    const int star = star_colour(), bg = background_colour(), edge = makecol(180, 180, 180),
              bar = makecol(200, 200, 200), label = bandits_label_colour();
    pocet_zivotu = 10;          // every star, leftwards from the right edge: the bar and its label stay clear
    pocet_zabitych = 10;
    max_level_bandit = 20;
    frame();
    const int leftmost = STAR_RIGHT_X - STAR_STEP * 9;
    EXPECT_EQ((V{at(633, 283), at(634, 283), at(636, 450), at(633, 282), at(633, 451), at(637, 300), at(639, 10),
                 at(leftmost, 10), at(leftmost - 1, 10), at(500, 78)}),
              (V{edge, bar, edge, bg, bg, bg, star, star, bg, bg}));
    pocet_zabitych = 0;
    pocet_zivotu = 0;
    frame();
    EXPECT_EQ((V{at(634, 116), at(634, 115), at(620, 82), at(639, 107), at(634, 108), at(639, 10)}),
              (V{bar, bg, label, label, bg, bg}));
    // At the quota and past it (kills still come while the level ends) no
    // bar, nor with no quota at all.
    for (int kills : {20, 21, 3}) {
        pocet_zabitych = kills;
        max_level_bandit = kills == 3 ? 0 : 20;
        frame();
        for (int y = 80; y < 480; y += 5)
            ASSERT_EQ(at(634, y), bg) << kills << " at " << y;
    }
    // SCORE stands at x 110 or, after a longer level number, 10 pixels
    // after its last digit; the score and its dollar follow it.
    const int cases[][3] = {{7, 7, 110}, {99, 9, 110}, {999, 9, 114}, {1000, 1, 127}, {99999, 9, 140}};
    for (const auto &c : cases) {
        level = c[0];
        score = 0;
        frame();
        EXPECT_EQ((V{at(12, 12), at(66, 6), at(c[2] + 2, 12), at(c[2] + 56, 6), at(c[2] + 69, 6),
                     at(c[2] - 1, 12) == letter_colour('S')}),
                  (V{letter_colour('L'), digit_colour(c[1]), letter_colour('S'), digit_colour(0), digit_colour(-1), 0}))
            << c[0];
    }
}

TEST_F(Screen, AHitDecorationShowsItsDestroyedPoseAndOnlyTypeTwoComesBack)
{
    decor(0, 200, 200, 30, 30, DECORATION_RESPAWNS);
    decor(1, 150, 330, 30, 30, 0);     // below the doors
    decoration_shot(210, 210);
    decoration_shot(160, 340);
    const int intact0 = anim_colour(DECOR_BASE, 0, 0), broken0 = anim_colour(DECOR_BASE, 1, 0);
    advance(DECORATION_RESPAWN);
    frame();
    const V before{at(210, 210), decoration[0].mode};
    advance(1);                         // the last destroyed frame
    frame();
    const V last{at(210, 210), decoration[0].mode};
    frame();                            // then intact and open to a new hit
    EXPECT_EQ((V{before[0], before[1], last[0], last[1], at(210, 210), decoration_shot(210, 210), decoration[0].mode}),
              (V{broken0, 1, broken0, 0, intact0, 1, 1}));
    advance(500);
    frame();
    EXPECT_EQ(at(160, 340), anim_colour(DECOR_BASE + 8, 1, 0));    // other types stay destroyed
}

// The notices, each where it belongs: the reload hint left of the kill bar,
// a foul's word over its door, READY over the middle of the street, the
// puff on the shot, the tally's board in the quota's pause.
TEST_F(Screen, TheNoticesShowWhereTheyBelongForAsLongAsTheyLast)
{
    const int bg = background_colour();
    obtiznost = DIFFICULTY_MEDIUM;
    notice_empty_click();
    frame();
    EXPECT_EQ((V{at(414, 364), at(420, 371)}), (V{hint_colour(), letter_colour('R')}));   // its plate and words

    // TOO EARLY over door 2 (its plate from x 467) for a second.
    creature(0, {0, 1, 1, 0});
    put(2, 0, 0);
    strela(2);
    const long fouled = cas;
    for (int age : {0, NOTICE_FOUL_TIME, NOTICE_FOUL_TIME + 1}) {
        advance(age - (int)(cas - fouled));
        frame();
        const bool shown = age <= NOTICE_FOUL_TIME;
        EXPECT_EQ((V{at(469, 98) == plate_colour(), at(480, 105) == letter_colour('T')}), (V{shown, shown})) << age;
    }

    // Light dust where the place is darker than 140, dark dust elsewhere;
    // a picture for each third of its time.
    const int puffs[][3] = {{139, 0, 0}, {140, 0, 0}, {139, 11, 1}, {140, 21, 2}};     // grey, age, step
    for (const auto &p : puffs) {
        putpixel(game_screen2, 200, 250, makecol(p[0], p[0], p[0]));
        notice_miss(200, 250);
        advance(p[1]);
        frame();
        const int dust = puff_colour(p[2], p[0] < 140);
        EXPECT_EQ((V{at(169, 219), at(230, 280), at(167, 250)}), (V{dust, dust, bg})) << p[0] << " at " << p[1];
    }
    advance(NOTICE_PUFF_TIME);
    frame();
    EXPECT_EQ(at(169, 219), bg);

    // The tally in the quota's pause, its numbers ending at x 416; not
    // while the quota is not met, nor once the last life is lost.
    notice_level_start();
    for (int i = 0; i < 10; i++)
        notice_shot();
    for (int i = 0; i < 5; i++)
        notice_hit(0, 0, FOUL_NONE);
    notice_hit(0, 1, FOUL_TOWNSFOLK);
    const int pauses[][3] = {{0, 3, 20}, {1, 0, 20}, {1, 0, 5}, {1, 3, 20}};     // finished, lives, kills
    for (const auto &p : pauses) {
        finish_time = p[0] ? cas : 0;
        pocet_zivotu = p[1];
        pocet_zabitych = p[2];
        frame();
        EXPECT_EQ(at(172, 102) == summary_colour(), p[0] && p[1] && p[2] == 20) << p[1] << " lives " << p[2] << " kills";
    }
    // Shots 10, bandits hit 5, accuracy 50 %, townsfolk 1, a row each.
    const int row[4][3] = {{1, 0, 152}, {-1, 5, 182}, {5, 0, 212}, {-1, 1, 242}};
    for (const auto &r : row)
        EXPECT_EQ((V{at(401, r[2] + 2), at(414, r[2] + 2), at(416, r[2] + 2)}),
                  (V{r[0] < 0 ? summary_colour() : digit_colour(r[0]), digit_colour(r[1]), summary_colour()}))
            << "row at " << r[2];
}

}  // namespace
