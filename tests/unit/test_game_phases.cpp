// The phases of a level and the ways a game ends: the quota and its pause,
// the level change with its comics, the last life, Q, Esc and the focus,
// the window's close button, a new game, and READY.
#include <string>
#include <vector>

#include "test_game_fixture.h"

using namespace game_test;

namespace {

struct CloseEndsRun {};

class Phases : public GameWorld {
protected:
    void SetUp() override { GameWorld::SetUp(), advance(100); }
    // The colour the sight or the hand leaves at the mouse in the last frame presented.
    static int pointer_seen() { return getpixel(present_picture(), game_mouse_x(), game_mouse_y()); }
};
using S = std::vector<std::string>;

TEST_F(Phases, TheQuotaStartsAPauseOf270TicksThenTheNextLevelComesWithItsComicsAndREADY)
{
    start_level_one();
    EXPECT_EQ(getpixel(game_screen2, 5, 5), makecol(70, 80, 90));  // the level's street
    score = 700, pocet_hitu = 1, pocet_zabitych = 2;
    notice_shot();
    EXPECT_EQ((V{game_end_rules(), bang, finish_time}), (V{0, 2, cas}));
    long quota_at = finish_time;
    advance(FINISH_TIME);
    EXPECT_EQ((V{game_end_rules(), level, finish_time, (long)seen.comics.size()}), (V{0, 1, quota_at, 0}));

    advance(1);
    unsigned long changed_at = fake_clock::now();
    EXPECT_EQ((V{game_end_rules(), level}), (V{0, 2}));
    EXPECT_EQ(seen.comics, (S{"f1.cmx", "s2.cmx"}));
    // The street stands still a moment before the finish comic, and READY
    // follows the start comic.
    EXPECT_GE(seen.comic_at_us[0] - changed_at, LEVEL_CHANGE_PAUSE * 10000UL);
    EXPECT_GE(fake_clock::now() - seen.comic_at_us[1], READY_TIME * 10000UL);
    // The phase starts afresh, the player keeps score, lives and hits; the
    // level's own counters come from the new block, and its tally is new.
    EXPECT_EQ((V{bang, finish_time, bang_time, quit_flag, score, pocet_zivotu, pocet_hitu, pocet_zabitych,
                 max_level_bandit, pocet_naboju, tally.shots, game_frame(), pointer_seen()}),
              (V{0, 0, 0, 0, 700, 3, 1, 0, 3, 4, 0, 0, sight_colour()}));
}

TEST_F(Phases, ALifeLostDuringTheQuotaPauseIsARetreatAndTheLevelStillChanges)
{
    start_level_one();
    pocet_zabitych = 2;
    game_end_rules();
    long quota_at = finish_time;
    advance(100);
    init_small(0, 0);   // a bandit still out shoots in the pause
    pocet_zivotu = 2, bang = 1;
    game_retreat(), game_end_rules();
    EXPECT_EQ((V{bang, small_object[0].tik, finish_time}), (V{1, 2, quota_at}));
    advance(FINISH_TIME - 100 + 1);
    game_end_rules();
    EXPECT_EQ(level, 2);
}

TEST_F(Phases, TheLastLifeEndsTheGame270TicksLaterAndOutranksTheLevelChange)
{
    // Lost in play: a phase of its own.
    start_level_one();
    pocet_zivotu = 0;
    EXPECT_EQ((V{game_end_rules(), bang, finish_time}), (V{0, 3, cas}));
    advance(FINISH_TIME);
    EXPECT_EQ(game_end_rules(), 0);
    advance(1);
    EXPECT_EQ((V{game_end_rules(), quit_flag}), (V{1, 2}));

    // Lost in the quota's pause: the quota's finish_time stands, and the
    // game ends 270 ticks after the quota instead of the level changing.
    game_phase_reset();
    pocet_zivotu = 1, pocet_zabitych = 2;
    game_end_rules();
    advance(50);
    pocet_zivotu = 0;
    EXPECT_EQ((V{game_end_rules(), bang}), (V{0, 2}));
    advance(FINISH_TIME - 50 + 1);
    EXPECT_EQ((V{game_end_rules(), quit_flag, level, (long)seen.comics.size()}), (V{1, 2, 1, 0}));
}

TEST_F(Phases, ALifeLostInAFrameSendsTheOthersBackInThatSameFrame)
{
    game_load_level(FIRST_LEVEL);
    creature(0, {0, 2, 1, 1, 1, 1});    // fires on entering its tick 1
    creature(1, {0, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1});
    obtiznost = DIFFICULTY_HARD;        // one shot costs a life
    put(0, 0, 0), put(1, 1, 2);
    advance(11);
    EXPECT_EQ((V{game_frame(), pocet_zivotu, bang, small_object[1].tik, bang_time}), (V{0, 2, 1, 12 - RETREAT_TICKS, cas}));
}

// A new game starts afresh; Q ends it at once through the game-over comic and the table.
TEST_F(Phases, ANewGameStartsAtLevelOneWithThreeLivesAndNoScoreAndQEndsIt)
{
    score = 1234, pocet_zivotu = 7, pocet_zabitych = 5, shot_show = reload_show = 1;
    shot_last_time = reload_last_time = cas;
    long score_at_start = -1;
    seen.in_comic = [&] { if (seen.comics.size() == 1) score_at_start = score, score = 350; };
    key[KEY_Q] = 1;
    game_new();
    EXPECT_EQ(seen.comics, (S{"s1.cmx", "gameover.cmx"}));
    EXPECT_EQ(seen.tables, (std::vector<int>{350}));
    EXPECT_EQ((V{score_at_start, pocet_zivotu, pocet_zabitych, shot_show, reload_show, shot_last_time,
                 reload_last_time, object_count, vrstva[0].image == nullptr}),
              (V{0, 3, 0, 0, 0, 0, 0, 0, 1}));     // the level is released
}

TEST_F(Phases, EscapeOrLookingAwayOpensTheDialogOncePerPressAndItsAnswerDecides)
{
    key_latch_event(KEY_ESC);       // pressed in the menus before the game began
    start_level_one();
    EXPECT_EQ((V{game_frame(), seen.dialogs}), (V{0, 0}));
    key_latch_event(KEY_ESC | 0x80), key_latch_event(KEY_ESC);     // a fresh press: the dialog, answered no
    EXPECT_EQ((V{game_frame(), game_frame(), seen.dialogs, level}), (V{0, 0, 1, 1}));     // still held: no second
    EXPECT_EQ(pointer_seen(), sight_colour());      // the sight again, not the dialog's hand
    focus_lost = 1;                 // the window loses the focus: the dialog once
    EXPECT_EQ((V{game_frame(), game_frame(), seen.dialogs}), (V{0, 0, 2}));
    key_latch_event(KEY_ESC | 0x80), key_latch_event(KEY_ESC);
    seen.dialog_answer = 1;              // yes: the game ends
    EXPECT_NE(game_frame(), 0);
    EXPECT_EQ((V{seen.dialogs, (long)seen.comics.size()}), (V{3, 0}));
}

TEST_F(Phases, TheCloseButtonLeavesAtOnceWithoutTheGameOverComic)
{
    start_level_one();
    close_handler = [] { throw CloseEndsRun{}; };
    void (*own)(void) = close_handler;
    close_requested = 1;
    EXPECT_THROW(main_game(), CloseEndsRun);
    EXPECT_EQ(seen.comics, (S{"s1.cmx"}));
    EXPECT_TRUE(vrstva[0].image == nullptr && close_handler == own);    // released; the program's own handler again
}


// READY: after the start comic of every level, whenever the quit dialog
// closes (Esc or the window losing the focus) and after F11, the street
// stands still for a second of the player's time that the game clock does
// not count; a click on it, or on a comic before it, is no shot.
TEST_F(Phases, READYStandsTheStreetStillForASecondThatTheClockDoesNotCount)
{
    game_load_level(FIRST_LEVEL);
    max_doors_open = 3, refresh_door = 1000;    // any door free to open would open at once
    seen.in_comic = [] { click_latch_press(); };
    mouse_x = 100, mouse_y = 400;               // the sight away from READY's plate
    int ready_seen = 0, plate = plate_colour();
    seen.on_sleep = [&] {
        ready_seen += getpixel(screen, SCREEN_WIDTH / 2, 203) == plate;
        if (ready_seen == 30)
            click_latch_press();    // the player clicks on READY
    };

    long before = cas;
    unsigned long real = fake_clock::now();
    game_start();
    seen.on_sleep = nullptr;
    EXPECT_GE(fake_clock::now() - real, READY_TIME * 10000UL);
    EXPECT_GE(ready_seen, READY_TIME * 60 / 100 - 2);
    EXPECT_EQ((V{cas, small_object[0].draw, small_object[1].draw, small_object[2].draw}), (V{before, 0, 0, 0}));
    advance(50), game_frame();
    EXPECT_EQ(pocet_naboju, CYLINDER_SIZE);     // neither click was a shot
    EXPECT_NE(getpixel(screen, SCREEN_WIDTH / 2, 203), plate);

    // Bandits caught by the quit dialog (or F11) in each part of a script
    // with one shot: hidden, drawn (twice), and drawn again after firing.
    // One who has drawn and not fired draws again from his first drawn
    // tick, so the player, who could not fire under READY, has the whole
    // fair time.
    refresh_door = 0;
    struct Case {
        int tik, after, redraws, key;
    } cases[] = {{1, 1, false, 0}, {2, 2, true, 0}, {3, 2, true, KEY_F11}, {5, 5, false, 0}};
    for (int i = 0; i < DOOR_COUNT; i++)
        creature(i, {0, 0, 1, 1, 2, 1, 0});
    for (const Case &c : cases) {
        for (int i = 0; i < DOOR_COUNT; i++)
            put(i, i, c.tik);
        for (auto &s : small_object)
            s.last_time = cas - 5;
        c.key ? key_latch_event(c.key) : (void)(focus_lost = 1);
        before = cas, real = fake_clock::now();
        EXPECT_EQ(game_keys(), 0);      // answered no
        EXPECT_GE(fake_clock::now() - real, READY_TIME * 10000UL);
        EXPECT_EQ((V{cas, small_object[0].tik, small_object[0].last_time, street_still}),
                  (V{before, c.after, c.redraws ? cas : cas - 5, 0})) << "caught at tick " << c.tik;
    }
    EXPECT_EQ(seen.dialogs, 3);
    small_object[0].mode = 1, small_object[0].tik = 3;     // one falling keeps falling where he was
    focus_lost = 1, game_keys();
    long tik = small_object[0].tik;
    advance(5);                     // and time goes on from where it stood
    EXPECT_EQ((V{tik, cas}), (V{3, before + 5}));
}

}  // namespace
