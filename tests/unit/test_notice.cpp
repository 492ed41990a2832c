// What the game tells the player, and the scaled window's arithmetic: the
// reload hint, the foul words, the level's tally, the scale a desktop gets
// and the mouse read in game pixels at every scale.
#include <gtest/gtest.h>

#include "game.h"
#include "menu.h"
#include "notice.h"
#include "present.h"
#include "variable.h"

namespace {

class Notices : public ::testing::Test {
protected:
    void SetUp() override
    {
        cas = 1000;
        obtiznost = DIFFICULTY_MEDIUM;
        hand_reloads = 0;
        notice_level_start();
    }
};

TEST_F(Notices, TheHintShowsOnAnEmptyClickFadesAndStopsAfterThreeReloads)
{
    obtiznost = DIFFICULTY_EASY;
    notice_empty_click();
    EXPECT_EQ(notice_hint_alpha(), 0);      // the easiest difficulty reloads by itself
    obtiznost = DIFFICULTY_HARD;
    notice_empty_click();
    EXPECT_EQ(notice_hint_alpha(), 255);
    cas += NOTICE_HINT_TIME;
    EXPECT_EQ(notice_hint_alpha(), 255);
    cas += NOTICE_HINT_FADE / 2;
    EXPECT_GT(notice_hint_alpha(), 0);
    EXPECT_LT(notice_hint_alpha(), 255);
    cas += NOTICE_HINT_FADE / 2;
    EXPECT_EQ(notice_hint_alpha(), 0);
    notice_empty_click();
    notice_hand_reload();                   // reloading takes it away at once
    EXPECT_EQ(notice_hint_alpha(), 0);
    notice_hand_reload();
    notice_empty_click();
    EXPECT_EQ(notice_hint_alpha(), 255);    // two reloads by hand: still shown
    notice_hand_reload();
    notice_empty_click();
    EXPECT_EQ(notice_hint_alpha(), 0);      // three: the player knows
}

TEST_F(Notices, AFoulSaysWhyOverItsDoorAndTheTallyCountsEveryHit)
{
    notice_shot();
    notice_hit(0, 0, FOUL_NONE);            // a fair kill: no word
    notice_shot();
    notice_hit(1, 0, FOUL_EARLY);           // a bandit who had not drawn
    notice_shot();
    notice_hit(2, 1, FOUL_TOWNSFOLK);       // a townsman
    notice_shot();
    EXPECT_EQ(notice_foul_word(0), nullptr);
    EXPECT_STREQ(notice_foul_word(1), "TOO EARLY");
    EXPECT_STREQ(notice_foul_word(2), "TOWNSFOLK");
    cas += NOTICE_FOUL_TIME + 1;
    EXPECT_EQ(notice_foul_word(1), nullptr);
    EXPECT_EQ(tally.shots, 4);
    EXPECT_EQ(tally.bandit_hits, 2);
    EXPECT_EQ(tally.townsfolk_hit, 1);
    EXPECT_EQ(accuracy_percent(tally.shots, tally.bandit_hits), 50);
    EXPECT_EQ(accuracy_percent(3, 2), 66);
    EXPECT_EQ(accuracy_percent(0, 0), 0);
    notice_level_start();
    EXPECT_EQ(tally.shots, 0);
}

TEST(Scale, TheLargestWholeScaleThatFitsTheDesktop)
{
    struct {
        int requested, w, h, scale;
    } cases[] = {{0, 1024, 768, 1},   {0, 1366, 768, 1},  {0, 1920, 1080, 2}, {0, 2560, 1440, 2},
                 {0, 3840, 2160, 4},  {0, 0, 0, 1},       {3, 1024, 768, 3},  {4, 0, 0, 4},
                 {5, 1920, 1080, 2},  {-1, 1920, 1080, 2}};
    for (auto c : cases)
        EXPECT_EQ(choose_scale(c.requested, c.w, c.h), c.scale)
            << c.requested << " on " << c.w << "x" << c.h;
}

TEST(Scale, TheMouseIsReadInGamePixelsAtEveryScale)
{
    for (int s = 1; s <= MAX_SCALE; s++) {
        present_scale = s;
        // Every window pixel of game pixel (40, 246) and of its neighbours.
        for (int d = 0; d < s; d++) {
            mouse_x = 40 * s + d;
            mouse_y = 246 * s + d;
            EXPECT_EQ(game_mouse_x(), 40);
            EXPECT_EQ(game_mouse_y(), 246);
            EXPECT_EQ(is_on(40, 246, 90, 281), 0);      // the border is outside
            mouse_x = 41 * s + d;
            mouse_y = 247 * s + d;
            EXPECT_EQ(is_on(40, 246, 90, 281), 1);
            mouse_x = 89 * s + d;
            mouse_y = 280 * s + d;
            EXPECT_EQ(is_on(40, 246, 90, 281), 1);
            mouse_x = 90 * s + d;
            EXPECT_EQ(is_on(40, 246, 90, 281), 0);
        }
    }
    present_scale = 1;
}


}  // namespace
