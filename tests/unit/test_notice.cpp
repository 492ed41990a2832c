// What the game tells the player, by its rules: the reload hint, the foul
// words, the level's tally, and the notices' files.
#include <stdio.h>

#include <string>

#include "test_game_fixture.h"

using namespace game_test;

namespace {

using Notices = GameWorld;

TEST_F(Notices, TheHintShowsOnAnEmptyClickAtTheHandReloadsFadesAndStopsAfterThreeReloads)
{
    obtiznost = DIFFICULTY_HARD;        // at difficulty 1 there is no hand reload: see the reload table
    notice_level_start();
    notice_empty_click();
    const int fade[][2] = {{NOTICE_HINT_TIME, 255}, {NOTICE_HINT_TIME + NOTICE_HINT_FADE / 2, 127},
                           {NOTICE_HINT_TIME + NOTICE_HINT_FADE - 1, 5}, {NOTICE_HINT_TIME + NOTICE_HINT_FADE, 0}};
    const long shown = cas;
    for (const auto &f : fade) {
        cas = shown + f[0];
        EXPECT_EQ(notice_hint_alpha(), f[1]) << f[0];
    }
    // Reloading takes it away at once; after two reloads by hand it still
    // shows, after three the player knows.
    V alpha;
    for (int i = 0; i < 3; i++) {
        notice_empty_click();
        notice_hand_reload();
        alpha.push_back(notice_hint_alpha());
        notice_empty_click();
        alpha.push_back(notice_hint_alpha());
    }
    EXPECT_EQ(alpha, (V{0, 255, 0, 255, 0, 0}));
}

TEST_F(Notices, AFoulSaysWhyOverItsDoorForASecondAndTheTallyCountsEveryHit)
{
    for (int i = 0; i < 4; i++)
        notice_shot();
    notice_hit(0, 0, FOUL_NONE);            // a fair kill: no word
    notice_hit(1, 0, FOUL_EARLY);
    notice_hit(2, 1, FOUL_TOWNSFOLK);
    notice_hit(-1, 0, FOUL_LATE);           // no door: counted, no word
    notice_hit(DOOR_COUNT, 0, FOUL_LATE);
    EXPECT_EQ((V{notice_foul_word(0) != nullptr, notice_foul_word(-1) != nullptr}), (V{0, 0}));
    EXPECT_STREQ(notice_foul_word(1), "TOO EARLY");
    EXPECT_STREQ(notice_foul_word(2), "TOWNSFOLK");
    cas += 10;
    notice_hit(1, 0, FOUL_NONE);            // a fair kill in the same door keeps the word
    cas += NOTICE_FOUL_TIME - 10;
    EXPECT_STREQ(notice_foul_word(1), "TOO EARLY");
    cas += 1;
    EXPECT_EQ((V{notice_foul_word(1) != nullptr, tally.shots, tally.bandit_hits, tally.townsfolk_hit, accuracy_percent(4, 2), accuracy_percent(3, 2),
                 accuracy_percent(0, 0)}),
              (V{0, 4, 5, 1, 50, 66, 0}));
    notice_level_start();
    EXPECT_EQ((V{tally.shots, tally.bandit_hits, tally.townsfolk_hit, notice_foul_word(2) != nullptr}), (V{0, 0, 0, 0}));
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

}  // namespace
