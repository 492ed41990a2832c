// The game frame, checked in pixels: revolver sector and sway, the cartridge
// display, door steps and creature poses, the status display, the kill bar,
// and which layer lies over which.
#include <vector>

#include "input.h"
#include "test_game_fixture.h"
#include "texts.h"

using namespace game_test;

namespace {

class Screen : public GameWorld {
protected:
    void SetUp() override
    {
        GameWorld::SetUp();
        advance(400);   // cas 500
        mouse_y = 200;  // revolver top at y = 500 - 60 = 440
    }
    int kolt_colour(int sector, int step) const { return anim_colour(KOLT_BASE, sector, step); }
    int cartridge_colour(int count, int step) const { return anim_colour(CARTRIDGE_BASE, count, step); }
    int door_colour(int door, int step) const { return anim_colour(DOOR_BASE + door, 0, step); }
    int pose_colour(int index, int slot) const { return anim_colour(CREATURE_BASE + index, slot, 0); }

    // Left edge of the revolver on row 470, or -1.
    int revolver_left() const
    {
        for (int x = 0; x < SCREEN_WIDTH; x++) {
            int c = at(x, 470);
            if (getr(c) == KOLT_BASE)
                return x;
        }
        return -1;
    }
    int frame()
    {
        draw_game_screen();
        return 0;
    }
};

TEST_F(Screen, TheRevolverFollowsTheAimInSevenSectorsWithASway)
{
    struct Case {
        int mx, sector, anchor;
    };
    // Anchor = sector base + ((x mod 90) - 45) / 1.4, truncated.
    const Case cases[] = {{620, 6, 490 + 25}, {6, 0, 150 - 27}, {89, 0, 150 + 31},
                          {90, 1, 205 - 32}, {300, 3, 320 - 10}, {540, 6, 490 - 32}};
    for (const Case &c : cases) {
        mouse_x = c.mx;
        frame();
        EXPECT_EQ(kolt_X, c.sector) << c.mx;
        EXPECT_EQ(revolver_left(), c.anchor - 5) << c.mx;       // 11 wide, centred
        EXPECT_EQ(at(c.anchor, 470), kolt_colour(c.sector, 0)) << c.mx;
    }
    // It sinks as the aim goes down: top at mouse_y / 10 + 480 - 60.
    mouse_x = 300;
    mouse_y = 340;
    frame();
    EXPECT_NE(getr(at(310, 453)), KOLT_BASE);
    EXPECT_EQ(at(310, 454), kolt_colour(3, 0));
}

TEST_F(Screen, TheFiringFrameShowsWhereTheShotWentUntilTwoTicksAfterIt)
{
    mouse_x = 300;
    click_latch_press();        // the button goes down at x 300 (sector 3) ...
    mouse_x = 30;               // ... and the hand flies on before the frame
    ASSERT_EQ(game_shoot(), 1);
    frame();
    EXPECT_EQ(at(310, 470), kolt_colour(3, 1));
    EXPECT_EQ(at(560, 450), cartridge_colour(5, 1));
    advance(2);
    frame();                                    // the first frame 2 ticks after
    EXPECT_EQ(at(310, 470), kolt_colour(3, 1));
    EXPECT_EQ(shot_show, 0);
    frame();                                    // then the revolver follows the aim
    EXPECT_EQ(revolver_left() < 150, true);
    EXPECT_EQ(at(560, 450), cartridge_colour(5, 0));
}

TEST_F(Screen, TheCartridgeDisplayShowsTheCylinderAndNeverACountItHasNoPictureFor)
{
    mouse_x = 300;
    for (int n = 0; n <= 6; n++) {
        pocet_naboju = n;
        frame();
        EXPECT_EQ(at(560, 450), cartridge_colour(n, 0)) << n;
    }
    // More than six (a level that loads more) shows a full cylinder.
    pocet_naboju = 9;
    frame();
    EXPECT_EQ(at(560, 450), cartridge_colour(6, 0));

    // While a reload shows: one fewer at difficulty 2 (the cartridge going in).
    pocet_naboju = 4;
    reload_show = 1;
    reload_last_time = cas;
    obtiznost = DIFFICULTY_HARD;
    frame();
    EXPECT_EQ(at(560, 450), cartridge_colour(3, 1));
    EXPECT_EQ(at(310, 470), kolt_colour(3, 0));
    obtiznost = DIFFICULTY_MEDIUM;
    frame();
    EXPECT_EQ(at(560, 450), cartridge_colour(4, 1));
    advance(21);
    frame();                    // the last reload frame
    EXPECT_EQ(reload_show, 0);
    EXPECT_EQ(at(560, 450), cartridge_colour(4, 1));
    frame();
    EXPECT_EQ(at(560, 450), cartridge_colour(4, 0));
}

TEST_F(Screen, DoorsOpenCloseAndFallShutByTheCreaturesTicks)
{
    creature(0, {0, 1, 1, 1, 1, 1, 1, 0});     // end_tick 8
    creature(1, {0, 1, 1, 0});                  // end_tick 4
    init_small(0, 0);
    init_small(1, 1);
    small_object[0].last_time = small_object[1].last_time = cas;
    // Door 0: the step drawn last shows at its leaf's left edge (x 35).
    const int steps_acting[8] = {0, 1, 2, 3, 3, 3, 3, 1};
    for (int t = 0; t < 8; t++) {
        small_object[0].tik = t;
        frame();
        EXPECT_EQ(at(35, 200), door_colour(0, steps_acting[t])) << "tick " << t;
    }
    // At the script's last tick only the nearly shut leaf is drawn: the
    // open leaf's edge (x 30..41) and the half-open one (..71) show it.
    small_object[0].tik = 7;
    frame();
    EXPECT_EQ(at(60, 200), door_colour(0, 1));
    EXPECT_EQ(at(110, 200), pose_colour(0, 0));  // tick 7's pose, beyond the leaf

    // A four-tick script at tick 3 draws two steps; the later (1) is on top.
    small_object[1].tik = 3;
    frame();
    EXPECT_EQ(at(256, 200), door_colour(1, 1));
    EXPECT_EQ(at(290, 200), door_colour(1, 1));

    // After a hit: open to tick 5, then closing over 6 and 7.
    small_object[0].mode = 1;
    const int steps_hit[8] = {3, 3, 3, 3, 3, 3, 2, 1};
    for (int t = 0; t < 8; t++) {
        small_object[0].tik = t;
        frame();
        EXPECT_EQ(at(35, 200), door_colour(0, steps_hit[t])) << "hit tick " << t;
    }
    // An empty door is drawn closed.
    small_object[2].draw = 0;
    frame();
    EXPECT_EQ(at(550, 200), door_colour(2, 0));
}

TEST_F(Screen, CreaturesShowTheirTickPoseThenTheHitAndFallenPoses)
{
    creature(0, {0, 1, 2, 1, 0});
    init_small(0, 0);
    small_object[0].last_time = cas;
    small_object[0].tik = 0;
    frame();
    EXPECT_EQ(at(120, 200), door_colour(0, 0));    // the door is still shut
    for (int t = 1; t < 4; t++) {
        small_object[0].tik = t;
        frame();
        // Door 0's creature: 100 wide, drawn from x 96 - 16 - 50 = 30; the
        // leaf half open at tick 1 reaches x 101.
        EXPECT_EQ(at(120, 200), pose_colour(0, object[0].tick[t])) << t;
    }
    EXPECT_EQ(at(129, 200), pose_colour(0, 1));
    EXPECT_NE(getr(at(130, 200)), CREATURE_BASE);
    EXPECT_NE(getr(at(100, 106)), CREATURE_BASE);
    small_object[0].mode = 1;
    const int pose_after_hit[4] = {3, 3, 4, 4};
    for (int t = 0; t < 4; t++) {
        small_object[0].tik = t;
        frame();
        EXPECT_EQ(at(100, 200), pose_colour(0, pose_after_hit[t])) << t;
    }
}

TEST_F(Screen, TheKillBarShrinksWithEveryKillAndIsGoneAtTheQuota)
{
    pocet_zivotu = 10;          // every star: the bar and its label stay clear of them
    pocet_zabitych = 10;
    max_level_bandit = 20;
    frame();
    const int edge = makecol(180, 180, 180), bar = makecol(200, 200, 200), bg = background_colour();
    EXPECT_EQ((std::vector<int>{at(633, 283), at(634, 283), at(636, 450), at(633, 282), at(633, 451), at(637, 300)}),
              (std::vector<int>{edge, bar, edge, bg, bg, bg}));
    pocet_zabitych = 0;
    frame();
    const int label = bandits_label_colour();
    EXPECT_EQ((std::vector<int>{at(634, 116), at(634, 115), at(620, 82), at(639, 107), at(634, 108), at(634, 77)}),
              (std::vector<int>{bar, bg, label, label, bg, star_colour()}));

    // At the quota and past it (kills still come while the level ends) no bar.
    for (int kills : {20, 21, 25}) {
        pocet_zabitych = kills;
        frame();
        for (int y = 80; y < 480; y += 5)
            ASSERT_EQ(at(634, y), background_colour()) << kills << " at " << y;
    }
    max_level_bandit = 0;
    pocet_zabitych = 3;
    frame();                    // no division by a zero quota
    EXPECT_EQ(at(634, 460), background_colour());
}

TEST_F(Screen, LivesRunLeftwardsFromTheRightEdge)
{
    const int star = star_colour(), bg = background_colour();
    pocet_zivotu = 3;
    frame();
    EXPECT_EQ((std::vector<int>{at(639, 10), at(480, 10), at(479, 10), at(500, 78)}),
              (std::vector<int>{star, star, bg, bg}));
    pocet_zivotu = 10;
    frame();
    EXPECT_EQ((std::vector<int>{at(200, 10), at(199, 10)}), (std::vector<int>{star, bg}));
    pocet_zivotu = 0;
    frame();
    EXPECT_EQ(at(600, 10), bg);
}

TEST_F(Screen, ThePortraitShowsTheHitsOrTheCheat)
{
    for (int hits = 0; hits < 3; hits++) {
        pocet_hitu = hits;
        frame();
        EXPECT_EQ(at(50, 420), head_colour(hits));
        EXPECT_EQ(at(112, 479), head_colour(hits));
    }
    EXPECT_EQ(at(113, 420), background_colour());
    life_cheat = 1;
    frame();
    EXPECT_EQ(at(50, 420), cheat_life_colour());
    EXPECT_EQ(at(470, 440), background_colour());
    kill_civil_cheat = 1;
    frame();
    EXPECT_EQ(at(470, 440), civil_colour());
    EXPECT_EQ(at(499, 479), civil_colour());
}

TEST_F(Screen, LayersLieInTheGameOrder)
{
    // A decoration reaching into door 0, a creature in it, a bandit's hit
    // mark over the portrait and the kill bar.
    creature(0, {0, 1, 1, 1, 1, 1, 1, 0});
    init_small(0, 0);
    small_object[0].tik = 3;               // door open: leaf x 30..41
    small_object[0].last_time = cas;
    decor(0, 20, 150, 120, 20);            // x 20..139, y 150..169
    dira[0] = DIRA_STRUCT{1, 520, 300, cas};
    dira[1] = DIRA_STRUCT{1, -40, 380, cas};
    pocet_zabitych = 5;
    mouse_x = 300;
    frame();
    int decor_colour = anim_colour(DECOR_BASE, 0, 0);
    EXPECT_EQ(at(25, 160), decor_colour);                 // decoration over the background
    EXPECT_EQ(at(100, 160), pose_colour(0, 1));           // creature over the decoration
    EXPECT_EQ(at(35, 160), door_colour(0, 3));            // door over its creature
    EXPECT_EQ(at(135, 160), decor_colour);                // beside the creature
    EXPECT_EQ(at(600, 350), hit_mark_colour());           // hit mark over the street
    EXPECT_EQ(at(633, 350), makecol(180, 180, 180));      // the kill bar over the mark
    EXPECT_EQ(at(50, 420), hit_mark_colour());            // the mark over the portrait
    EXPECT_EQ(at(560, 450), hit_mark_colour());           // ... and over the cartridges

    // The frame goes to the screen with the game loop's present step.
    advance(50);
    game_frame();
    EXPECT_EQ(getpixel(screen, 25, 160), decor_colour);
    EXPECT_EQ(getpixel(screen, 633, 350), makecol(180, 180, 180));
}

TEST_F(Screen, AHitDecorationShowsItsDestroyedPoseAndTypeTwoComesBack)
{
    decor(0, 200, 200, 30, 30, 2);
    decor(1, 150, 330, 30, 30, 0);     // below the doors
    long hit = cas;
    decoration_shot(210, 210);
    decoration_shot(160, 340);
    int intact0 = anim_colour(DECOR_BASE, 0, 0), broken0 = anim_colour(DECOR_BASE, 1, 0);
    int broken1 = anim_colour(DECOR_BASE + 8, 1, 0);
    advance(40);
    frame();
    EXPECT_EQ(at(210, 210), broken0);
    EXPECT_EQ(decoration[0].mode, 1);
    advance(1);                             // cas = hit + 41: the last destroyed frame
    ASSERT_EQ(cas, hit + 41);
    frame();
    EXPECT_EQ(at(210, 210), broken0);
    EXPECT_EQ(decoration[0].mode, 0);
    frame();
    EXPECT_EQ(at(210, 210), intact0);
    EXPECT_EQ(decoration_shot(210, 210), 1);  // open to a new hit
    EXPECT_EQ(decoration[0].mode, 1);
    advance(500);
    frame();
    EXPECT_EQ(at(160, 340), broken1);       // other types stay destroyed
}

TEST_F(Screen, TheStatusLineNamesTheLevelAndTheScore)
{
    // Fonts whose every cell is one colour: digits (13 x 27), letters (10 x 15).
    bfont1 = solid(DIGIT_CELLS * DIGIT_W, DIGIT_H, 1, 2, 3);
    for (int c = 0; c < DIGIT_CELLS; c++)
        rectfill(bfont1, c * DIGIT_W, 0, (c + 1) * DIGIT_W - 1, DIGIT_H - 1, makecol(30 + c * 10, 0, 250));
    bfont2 = solid(LETTER_CELLS * LETTER_W, LETTER_H, 4, 5, 6);
    for (int c = 0; c < LETTER_CELLS; c++)
        rectfill(bfont2, c * LETTER_W, 0, (c + 1) * LETTER_W - 1, LETTER_H - 1, makecol(0, 30 + c * 5, 250));
    const int S = makecol(0, 30 + ('S' - 'A') * 5, 250);
    // SCORE stands at x 110 or, after a longer level number, 10 pixels
    // after its last digit.
    const struct {
        int level, first_digit, score_x;
    } cases[] = {{7, 7, 110}, {99, 9, 110}, {999, 9, 114}, {1000, 1, 127}, {99999, 9, 140}};
    for (const auto &c : cases) {
        level = c.level;
        score = 0;
        frame();
        EXPECT_EQ(at(12, 12), makecol(0, 30 + ('L' - 'A') * 5, 250));
        EXPECT_EQ(at(66, 6), makecol(30 + (c.first_digit + 1) * 10, 0, 250)) << c.level;
        EXPECT_EQ(at(c.score_x + 2, 12), S) << c.level;
        EXPECT_NE(at(c.score_x - 1, 12), S) << c.level;
        EXPECT_EQ(at(c.score_x + 56, 6), makecol(30 + 1 * 10, 0, 250)) << c.level;    // 0
        EXPECT_EQ(at(c.score_x + 69, 6), makecol(30, 0, 250)) << c.level;             // then the dollar sign
    }
    release(bfont1);
    release(bfont2);
}

}  // namespace
