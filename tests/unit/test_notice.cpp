// What the game tells the player, by its rules: the reload hint, the foul
// words, the level's tally, and the notices' files; and the scale a
// desktop gets for the game's window.
#include <stdio.h>

#include <string>

#include "test_game_fixture.h"

using namespace game_test;

namespace {

class Notices : public GameWorld {
protected:
    void SetUp() override
    {
        GameWorld::SetUp();
        cas = 1000;
    }
};

TEST_F(Notices, TheHintShowsOnAnEmptyClickAtTheHandReloadsFadesAndStopsAfterThreeReloads)
{
    for (int difficulty : {DIFFICULTY_EASY, DIFFICULTY_MEDIUM, DIFFICULTY_HARD}) {
        obtiznost = difficulty;
        notice_level_start();
        notice_empty_click();
        EXPECT_EQ(notice_hint_alpha(), difficulty == DIFFICULTY_EASY ? 0 : 255) << difficulty;
    }
    const struct {
        int age, alpha;
    } fade[] = {{NOTICE_HINT_TIME, 255}, {NOTICE_HINT_TIME + NOTICE_HINT_FADE / 2, 127},
                {NOTICE_HINT_TIME + NOTICE_HINT_FADE - 1, 5}, {NOTICE_HINT_TIME + NOTICE_HINT_FADE, 0}};
    long shown = cas;
    for (const auto &f : fade) {
        cas = shown + f.age;
        EXPECT_EQ(notice_hint_alpha(), f.alpha) << f.age;
    }
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

TEST_F(Notices, AFoulSaysWhyOverItsDoorForASecondAndTheTallyCountsEveryHit)
{
    notice_shot();
    notice_hit(0, 0, FOUL_NONE);            // a fair kill: no word
    notice_shot();
    notice_hit(1, 0, FOUL_EARLY);
    notice_shot();
    notice_hit(2, 1, FOUL_TOWNSFOLK);
    notice_shot();
    notice_hit(-1, 0, FOUL_LATE);           // no door: counted, no word
    notice_hit(DOOR_COUNT, 0, FOUL_LATE);
    EXPECT_EQ(notice_foul_word(0), nullptr);
    EXPECT_STREQ(notice_foul_word(1), "TOO EARLY");
    EXPECT_STREQ(notice_foul_word(2), "TOWNSFOLK");
    EXPECT_EQ(notice_foul_word(-1), nullptr);
    cas += 10;
    notice_hit(1, 0, FOUL_NONE);            // a fair kill in the same door keeps the word
    cas += NOTICE_FOUL_TIME - 10;
    EXPECT_STREQ(notice_foul_word(1), "TOO EARLY");
    cas += 1;
    EXPECT_EQ(notice_foul_word(1), nullptr);
    EXPECT_EQ((std::vector<int>{tally.shots, tally.bandit_hits, tally.townsfolk_hit}), (std::vector<int>{4, 5, 1}));
    EXPECT_EQ(accuracy_percent(4, 2), 50);
    EXPECT_EQ(accuracy_percent(3, 2), 66);
    EXPECT_EQ(accuracy_percent(0, 0), 0);
    notice_level_start();
    EXPECT_EQ((std::vector<int>{tally.shots, tally.bandit_hits, tally.townsfolk_hit}), (std::vector<int>{0, 0, 0}));
    EXPECT_EQ(notice_foul_word(2), nullptr);
}

TEST_F(Notices, AMissingNoticeFileEndsTheGameNamingIt)
{
    for (const char *file : {"data/gfx/level/plate.bmp", "data/gfx/level/summary.bmp", "data/gfx/level/puff.bmp",
                             "data/gfx/level/hint.bmp", "data/sound/dry.wav"}) {
        notice_destroy();
        std::string path = dir.path() + "/" + file, aside = path + ".aside";
        ASSERT_EQ(rename(path.c_str(), aside.c_str()), 0);
        try {
            notice_init();
            ADD_FAILURE() << "no fault without " << file;
        } catch (const FatalError &e) {
            EXPECT_NE(std::string(e.what()).find(file), std::string::npos) << e.what();
        }
        rename(aside.c_str(), path.c_str());
    }
    notice_destroy();
    EXPECT_NO_THROW(notice_init());
}

TEST(Scale, TheLargestWholeScaleWhoseWindowFitsTheDesktop)
{
    const int w2 = 2 * SCREEN_WIDTH + WINDOW_FRAME_ROOM_X, h2 = 2 * SCREEN_HEIGHT + WINDOW_FRAME_ROOM_Y;
    struct {
        int requested, w, h, scale;
    } cases[] = {{0, 1024, 768, 1},   {0, 1920, 1080, 2}, {0, 3840, 2160, 4}, {0, 0, 0, 1},
                 {0, w2, h2, 2},      {0, w2 - 1, h2, 1}, {0, w2, h2 - 1, 1}, {3, 1024, 768, 3},
                 {MAX_SCALE, 0, 0, MAX_SCALE}, {MAX_SCALE + 1, 1920, 1080, 2}, {-1, 1920, 1080, 2}};
    for (auto c : cases)
        EXPECT_EQ(choose_scale(c.requested, c.w, c.h), c.scale) << c.requested << " on " << c.w << "x" << c.h;
}

}  // namespace
