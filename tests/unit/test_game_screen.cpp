// The game frame, checked in pixels where the place on the screen is the
// point: the revolver and the cartridges, the doors and the creatures'
// poses, the status display and the kill bar, the layers, and the notices.
#include <vector>

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
    // Left edge of the revolver on row 470, or -1.
    int revolver_left() const
    {
        for (int x = 0; x < SCREEN_WIDTH; x++)
            if (getr(at(x, 470)) == KOLT_BASE)
                return x;
        return -1;
    }
    static void frame() { draw_game_screen(); }
};

TEST_F(Screen, TheRevolverFollowsTheAimInSevenSectorsWithASwayAndSinksWithIt)
{
    // Anchor = sector base + ((x mod 90) - 45) / 1.4, truncated.
    const struct {
        int mx, sector, anchor;
    } cases[] = {{620, 6, 490 + 25}, {635, 6, 490 - 28}, {6, 0, 150 - 27}, {89, 0, 150 + 31},
                 {90, 1, 205 - 32}, {300, 3, 320 - 10}, {540, 6, 490 - 32}};
    for (const auto &c : cases) {
        mouse_x = c.mx;
        frame();
        EXPECT_EQ((std::vector<int>{kolt_X, revolver_left(), at(c.anchor, 470)}),
                  (std::vector<int>{c.sector, c.anchor - 5, kolt_colour(c.sector, 0)}))
            << c.mx;
    }
    mouse_x = 300;      // its top at mouse_y / 10 + 480 - 60
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
    EXPECT_EQ((std::vector<int>{at(310, 470), at(560, 450)}), (std::vector<int>{kolt_colour(3, 1), cartridges(5, 1)}));
    advance(2);
    frame();                    // the first frame 2 ticks after
    EXPECT_EQ((std::vector<int>{at(310, 470), shot_show}), (std::vector<int>{kolt_colour(3, 1), 0}));
    frame();                    // then the revolver follows the aim
    EXPECT_LT(revolver_left(), 150);
    EXPECT_EQ(at(560, 450), cartridges(5, 0));
}

TEST_F(Screen, TheCartridgeDisplayShowsTheCylinderAndNeverACountItHasNoPictureFor)
{
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
    EXPECT_EQ((std::vector<int>{at(560, 450), at(310, 470)}), (std::vector<int>{cartridges(3, 1), kolt_colour(3, 0)}));
    obtiznost = DIFFICULTY_MEDIUM;
    frame();
    EXPECT_EQ(at(560, 450), cartridges(4, 1));
    advance(RELOAD_INTERVAL + 1);
    frame();                    // the last reload frame
    EXPECT_EQ((std::vector<int>{reload_show, at(560, 450)}), (std::vector<int>{0, cartridges(4, 1)}));
    frame();
    EXPECT_EQ(at(560, 450), cartridges(4, 0));
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
        EXPECT_EQ((std::vector<int>{at(35, 200), at(125, 200), at(110, 200)}),
                  (std::vector<int>{seen(c.left), seen(c.right), c.pose == CREATURE ? door_colour(0, 0) : seen(CREATURE)}))
            << "mode " << c.mode << " tick " << c.tik;
    }
    EXPECT_EQ(at(129, 200), pose_colour(0, POSE_FALLEN));     // his picture's right edge
    EXPECT_NE(getr(at(130, 200)), CREATURE_BASE);
    EXPECT_NE(getr(at(100, 106)), CREATURE_BASE);           // and above his top
    // A four-tick script at its tick 3 draws the open and the nearly shut
    // leaf; at tick 2 the half-open one only.
    put(1, 1, 3);
    frame();
    EXPECT_EQ((std::vector<int>{at(256, 200), at(346, 200)}), (std::vector<int>{door_colour(1, 1), door_colour(1, 3)}));
    put(1, 1, 2);
    frame();
    EXPECT_EQ((std::vector<int>{at(256, 200), at(346, 200)}), (std::vector<int>{door_colour(1, 2), pose_colour(1, 1)}));
    // A door whose creature has left, or that never opened, is shut.
    small_object[1].draw = 0;
    frame();
    EXPECT_EQ((std::vector<int>{at(256, 200), at(346, 200), at(550, 200)}),
              (std::vector<int>{door_colour(1, 0), door_colour(1, 0), door_colour(2, 0)}));
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
    // At the quota and past it (kills still come while the level ends) no
    // bar, nor with no quota at all.
    for (int kills : {20, 21, 3}) {
        pocet_zabitych = kills;
        max_level_bandit = kills == 3 ? 0 : 20;
        frame();
        for (int y = 80; y < 480; y += 5)
            ASSERT_EQ(at(634, y), bg) << kills << " at " << y;
    }
}

TEST_F(Screen, TheStatusDisplayShowsLivesHitsCheatsLevelAndScore)
{
    const int star = star_colour(), bg = background_colour();
    for (int lives : {3, 10, 0}) {      // stars run leftwards from the right edge
        pocet_zivotu = lives;
        frame();
        int leftmost = STAR_RIGHT_X - STAR_STEP * (lives - 1);
        EXPECT_EQ((std::vector<int>{at(639, 10), at(leftmost, 10), at(leftmost - 1, 10)}),
                  (std::vector<int>{lives ? star : bg, lives ? star : bg, bg}))
            << lives;
    }
    EXPECT_EQ(at(500, 78), bg);
    for (int hits = 0; hits <= HITS_PER_LIFE; hits++) {
        pocet_hitu = hits;
        frame();
        EXPECT_EQ((std::vector<int>{at(50, 420), at(112, 479), at(113, 420)}),
                  (std::vector<int>{head_colour(hits), head_colour(hits), bg}));
    }
    life_cheat = 1;
    frame();
    EXPECT_EQ((std::vector<int>{at(50, 420), at(470, 440)}), (std::vector<int>{cheat_life_colour(), bg}));
    kill_civil_cheat = 1;
    frame();
    EXPECT_EQ((std::vector<int>{at(470, 440), at(499, 479)}), (std::vector<int>{civil_colour(), civil_colour()}));

    // SCORE stands at x 110 or, after a longer level number, 10 pixels
    // after its last digit; the score and its dollar follow it.
    const struct {
        int level, first_digit, score_x;
    } cases[] = {{7, 7, 110}, {99, 9, 110}, {999, 9, 114}, {1000, 1, 127}, {99999, 9, 140}};
    for (const auto &c : cases) {
        level = c.level;
        score = 0;
        frame();
        EXPECT_EQ((std::vector<int>{at(12, 12), at(66, 6), at(c.score_x + 2, 12), at(c.score_x + 56, 6),
                                    at(c.score_x + 69, 6)}),
                  (std::vector<int>{letter_colour('L'), digit_colour(c.first_digit), letter_colour('S'),
                                    digit_colour(0), digit_colour(-1)}))
            << c.level;
        EXPECT_NE(at(c.score_x - 1, 12), letter_colour('S')) << c.level;
    }
}

TEST_F(Screen, LayersLieInTheGameOrderAndTheFrameGoesToTheScreenWithTheSight)
{
    // A decoration reaching into door 0 behind its creature and his open
    // door; a bandit's hit mark over the portrait, under the kill bar.
    creature(0, {0, 1, 1, 1, 1, 1, 1, 0});
    put(0, 0, 3);                           // door open: leaf x 122..131
    decor(0, 20, 150, 120, 20);             // x 20..139, y 150..169
    dira[0] = DIRA_STRUCT{1, -40, 380, cas};
    dira[1] = DIRA_STRUCT{1, 520, 300, cas};
    pocet_zabitych = 5;
    advance(5);
    game_frame();
    const long decor_colour = anim_colour(DECOR_BASE, 0, 0), edge = makecol(180, 180, 180);
    EXPECT_EQ((V{at(25, 160), at(100, 160), at(125, 160), at(135, 160), at(50, 420), at(633, 350)}),
              (V{decor_colour, pose_colour(0, 1), door_colour(0, 3), decor_colour, hit_mark_colour(), edge}));
    EXPECT_EQ((V{getpixel(screen, 25, 160), getpixel(screen, 320, 200)}), (V{decor_colour, sight_colour()}));
}

TEST_F(Screen, AHitDecorationShowsItsDestroyedPoseAndOnlyTypeTwoComesBack)
{
    decor(0, 200, 200, 30, 30, DECORATION_RESPAWNS);
    decor(1, 150, 330, 30, 30, 0);     // below the doors
    long hit = cas;
    decoration_shot(210, 210);
    decoration_shot(160, 340);
    const int intact0 = anim_colour(DECOR_BASE, 0, 0), broken0 = anim_colour(DECOR_BASE, 1, 0);
    advance(DECORATION_RESPAWN);
    frame();
    EXPECT_EQ((std::vector<int>{at(210, 210), decoration[0].mode}), (std::vector<int>{broken0, 1}));
    advance(1);                         // the last destroyed frame
    ASSERT_EQ(cas, hit + DECORATION_RESPAWN + 1);
    frame();
    EXPECT_EQ((std::vector<int>{at(210, 210), decoration[0].mode}), (std::vector<int>{broken0, 0}));
    frame();
    EXPECT_EQ(at(210, 210), intact0);
    EXPECT_EQ(decoration_shot(210, 210), 1);    // open to a new hit
    EXPECT_EQ(decoration[0].mode, 1);
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
    advance(NOTICE_HINT_TIME + NOTICE_HINT_FADE / 2);
    frame();
    EXPECT_GT(getr(at(414, 364)), getr(hint_colour()));     // fading into the street
    EXPECT_LT(getr(at(414, 364)), getr(bg));

    // TOO EARLY over door 2 (its plate from x 467) for a second.
    creature(0, {0, 1, 1, 0});
    put(2, 0, 0);
    strela(2);
    const long fouled = cas;
    for (int age : {0, NOTICE_FOUL_TIME, NOTICE_FOUL_TIME + 1}) {
        advance(age - (int)(cas - fouled));
        frame();
        bool shown = age <= NOTICE_FOUL_TIME;
        EXPECT_EQ((std::vector<bool>{at(469, 98) == plate_colour(), at(480, 105) == letter_colour('T')}),
                  (std::vector<bool>{shown, shown}))
            << age;
    }

    notice_ready(1);
    frame();
    EXPECT_EQ((std::vector<int>{at(320, 203), at(297, 209)}), (std::vector<int>{plate_colour(), letter_colour('R')}));
    notice_ready(0);
    frame();
    EXPECT_NE(at(320, 203), plate_colour());

    // Light dust where the place is darker than 140, dark dust elsewhere;
    // a picture for each third of its time.
    const struct {
        int grey, age, step;
    } puffs[] = {{139, 0, 0}, {140, 0, 0}, {139, 11, 1}, {140, 21, 2}};
    for (const auto &p : puffs) {
        putpixel(game_screen2, 200, 250, makecol(p.grey, p.grey, p.grey));
        notice_miss(200, 250);
        advance(p.age);
        frame();
        EXPECT_EQ((std::vector<int>{at(169, 219), at(230, 280), at(167, 250)}),
                  (std::vector<int>{puff_colour(p.step, p.grey < 140), puff_colour(p.step, p.grey < 140), bg}))
            << p.grey << " at " << p.age;
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
    const struct {
        long finish;
        int lives, kills;
        bool board;
    } pauses[] = {{0, 3, 20, false}, {1, 3, 20, true}, {1, 0, 20, false}, {1, 0, 5, false}};
    for (const auto &p : pauses) {
        finish_time = p.finish ? cas : 0;
        pocet_zivotu = p.lives;
        pocet_zabitych = p.kills;
        frame();
        EXPECT_EQ(at(172, 102) == summary_colour(), p.board) << p.lives << " lives " << p.kills << " kills";
    }
    finish_time = cas;
    pocet_zivotu = 3;
    pocet_zabitych = 20;
    frame();
    // Shots 10, bandits hit 5, accuracy 50 %, townsfolk 1, a row each.
    const int row[4][3] = {{1, 0, 152}, {-1, 5, 182}, {5, 0, 212}, {-1, 1, 242}};
    for (const auto &r : row)
        EXPECT_EQ((std::vector<int>{at(401, r[2] + 2), at(414, r[2] + 2), at(416, r[2] + 2)}),
                  (std::vector<int>{r[0] < 0 ? summary_colour() : digit_colour(r[0]), digit_colour(r[1]),
                                    summary_colour()}))
            << "row at " << r[2];
}

}  // namespace
