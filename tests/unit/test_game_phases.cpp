// The phases of a level and the ways a game ends: the quota and its pause,
// the level change with its comics, the last life, Q, Esc and the window's
// close button.  Levels come from a small level script in a scratch folder.
#include <string>
#include <vector>

#include "close_focus.h"
#include "comix.h"
#include "input.h"
#include "menu.h"
#include "test_game_fixture.h"

using namespace game_test;

namespace {

std::vector<std::string> comics_played;
std::vector<int> tables_shown;  // the score each top-ten table was shown with
int dialog_answer = 0;
int dialogs_opened = 0;

int record_comic(const char *name)
{
    comics_played.push_back(name);
    return 0;
}
int record_table(int s)
{
    tables_shown.push_back(s);
    return 0;
}
int answer_dialog(void)
{
    dialogs_opened++;
    return dialog_answer;
}

struct CloseEndsRun {};

void close_leaves(void) { throw CloseEndsRun{}; }

const char *const two_levels =
    "LEVEL 1\n"
    "CREATURE man.txt 1\nBACK back.bmp\nMODE 0\nMAX_DOORS_OPEN 0\nMAX_BANDIT 2\n"
    "KOMIX_START s1.cmx\nKOMIX_FINISH f1.cmx\nNEXT 2\n"
    "END_OF_LEVEL 1\n"
    "LEVEL 2\n"
    "CREATURE man.txt 1\nBACK back.bmp\nMODE 0\nMAX_DOORS_OPEN 0\nMAX_BANDIT 3\nBULLETS 4\n"
    "KOMIX_START s2.cmx\nNEXT 1\n"
    "END_OF_LEVEL 2\n";

class Phases : public GameWorld {
protected:
    void SetUp() override
    {
        GameWorld::SetUp();
        dir.write(LEVEL_SCRIPT_PATH, two_levels);
        dir.write_bmp("data/gfx/back.bmp", SCREEN_WIDTH, SCREEN_HEIGHT, 90, 60, 30);
        dir.write_bmp("data/gfx/man.bmp", 30, 40, 200, 10, 10);
        dir.write_wav("data/sound/a.wav");
        dir.write("data/text/man.txt", "1\nman.bmp\n1\n0 30 40 0 0 -16 0\n5\n0 1\n0 5 0\n1 1\n0 5 0\n2 1\n0 5 0\n3 1\n0 5 0\n4 1\n0 5 0\n");
        dir.write("data/object/man.txt",
                  "ANIMATION man.txt\nTYPE 1\nDELAY 10\nMAX_SHOW 1\nSCORE 50\nSOUND_DEAD a.wav\n"
                  "SOUND_SHOT a.wav\nSOUND_CRY a.wav\nCHILD 0\nTICKS 5\n0 0\n1 1\n2 1\n3 1\n4 0\n");
        comics_played.clear();
        tables_shown.clear();
        dialog_answer = dialogs_opened = 0;
        game_comix = record_comic;
        game_topten = record_table;
        game_yesno = answer_dialog;
        key_latch_clear();
        advance(100);
    }

    void TearDown() override
    {
        game_comix = comix_play;
        game_topten = menu_topten;
        game_yesno = menu_yesno;
        close_handler = nullptr;
        close_requested = 0;
        GameWorld::TearDown();
    }

    // Loads level 1 and sets the counters as a new game does.
    void start_level_one()
    {
        game_load_level(FIRST_LEVEL);
        pocet_zivotu = 3;
        score = 0;
        game_start();
        comics_played.clear();
    }

    ScratchDir dir;
    FatalErrors fatal;
};

TEST_F(Phases, TheQuotaStartsAPauseOf270TicksAndThenTheNextLevelWithItsComics)
{
    start_level_one();
    score = 700;
    pocet_hitu = 1;
    pocet_zabitych = 2;
    EXPECT_EQ(game_end_rules(), 0);
    EXPECT_EQ(bang, 2);
    long quota_at = finish_time;
    EXPECT_EQ(quota_at, cas);

    advance(270);
    EXPECT_EQ(game_end_rules(), 0);
    EXPECT_EQ(level, 1);
    EXPECT_EQ(finish_time, quota_at);   // not restarted
    EXPECT_TRUE(comics_played.empty());

    advance(1);
    EXPECT_EQ(game_end_rules(), 0);
    EXPECT_EQ(level, 2);
    EXPECT_EQ((std::vector<std::string>{"f1.cmx", "s2.cmx"}), comics_played);
    // The phase starts afresh, the player keeps score, lives and hits; the
    // level's own counters come from the new block.
    EXPECT_EQ((std::vector<long>{bang, finish_time, bang_time, quit_flag, score, pocet_zivotu, pocet_hitu,
                                 pocet_zabitych, max_level_bandit, pocet_naboju}),
              (std::vector<long>{0, 0, 0, 0, 700, 3, 1, 0, 3, 4}));
}

TEST_F(Phases, ALifeLostDuringTheQuotaPauseIsARetreatAndTheLevelStillChanges)
{
    start_level_one();
    pocet_zabitych = 2;
    game_end_rules();
    long quota_at = finish_time;
    advance(100);
    init_small(0, 0);   // a bandit still out shoots in the pause
    pocet_zivotu = 2;
    bang = 1;
    game_retreat();
    game_end_rules();
    EXPECT_EQ(bang, 1);
    EXPECT_EQ(small_object[0].tik, 2);  // sent back to end_tick - 3
    EXPECT_EQ(finish_time, quota_at);
    advance(171);
    game_end_rules();
    EXPECT_EQ(level, 2);
}

TEST_F(Phases, TheLastLifeEndsTheGame270TicksLaterAndOutranksTheLevelChange)
{
    start_level_one();
    pocet_zabitych = 2;
    game_end_rules();           // quota met first
    advance(50);
    pocet_zivotu = 0;           // then the last life goes
    EXPECT_EQ(game_end_rules(), 0);
    // The quota's finish_time stands, so the last-life phase is not entered
    // anew, and the game ends 270 ticks after the quota.
    EXPECT_EQ(bang, 2);
    advance(221);
    EXPECT_EQ(game_end_rules(), 1);
    EXPECT_EQ(quit_flag, 2);
    EXPECT_EQ(level, 1);
    EXPECT_TRUE(comics_played.empty());
}

TEST_F(Phases, TheLastLifeLostInPlayHasItsOwnPhase)
{
    start_level_one();
    pocet_zivotu = 0;
    EXPECT_EQ(game_end_rules(), 0);
    EXPECT_EQ(bang, 3);
    EXPECT_EQ(finish_time, cas);
    advance(270);
    EXPECT_EQ(game_end_rules(), 0);
    advance(1);
    EXPECT_EQ(game_end_rules(), 1);
    EXPECT_EQ(quit_flag, 2);
}

TEST_F(Phases, ALifeLostInAFrameSendsTheOthersBackInThatSameFrame)
{
    game_load_level(FIRST_LEVEL);
    // Creature 0 fires on entering its tick 1; creature 1 is a long script.
    creature(0, {0, 2, 1, 1, 1, 1}, 1, 10);
    creature(1, {0, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1}, 1, 10);
    obtiznost = DIFFICULTY_HARD;          // one shot costs a life
    init_small(0, 0);
    init_small(1, 1);
    small_object[0].last_time = cas;
    small_object[1].last_time = cas;
    small_object[1].tik = 2;
    advance(11);
    EXPECT_EQ(game_frame(), 0);
    EXPECT_EQ(pocet_zivotu, 2);
    EXPECT_EQ(bang, 1);
    EXPECT_EQ(small_object[1].tik, 12 - 3);
    EXPECT_NE(bang_time, 0);
}

TEST_F(Phases, QEndsTheGameAtOnceThroughTheGameOverComicAndTheTable)
{
    start_level_one();
    score = 350;
    key[KEY_Q] = 1;
    main_game();
    EXPECT_EQ((std::vector<std::string>{"s1.cmx", "gameover.cmx"}), comics_played);
    EXPECT_EQ((std::vector<int>{350}), tables_shown);
    EXPECT_EQ(object_count, 0);
    EXPECT_EQ(vrstva[0].image, nullptr);    // the level is released
}

TEST_F(Phases, EscapeOpensTheDialogOncePerPressAndItsAnswerDecides)
{
    start_level_one();
    key[KEY_ESC] = 1;               // held, but pressed before the game began
    EXPECT_EQ(game_frame(), 0);
    EXPECT_EQ(dialogs_opened, 0);
    key_latch_event(KEY_ESC);       // a fresh press: the dialog, answered no
    EXPECT_EQ(game_frame(), 0);
    EXPECT_EQ(game_frame(), 0);     // still held: no second dialog
    EXPECT_EQ(dialogs_opened, 1);
    EXPECT_EQ(level, 1);
    key_latch_event(KEY_ESC | 0x80);
    key_latch_event(KEY_ESC);
    dialog_answer = 1;              // yes: the game ends
    EXPECT_NE(game_frame(), 0);
    EXPECT_EQ(dialogs_opened, 2);
    EXPECT_TRUE(comics_played.empty());
}

TEST_F(Phases, TheCloseButtonLeavesAtOnceWithoutTheGameOverComic)
{
    start_level_one();
    close_handler = close_leaves;
    close_requested = 1;
    EXPECT_THROW(main_game(), CloseEndsRun);
    EXPECT_EQ((std::vector<std::string>{"s1.cmx"}), comics_played);
    EXPECT_EQ(vrstva[0].image, nullptr);    // released before leaving
    EXPECT_EQ(close_handler, close_leaves); // the program's own handler again
}

TEST_F(Phases, ANewGameStartsAtLevelOneWithThreeLivesAndNoScore)
{
    score = 1234;
    pocet_zivotu = 7;
    pocet_zabitych = 5;
    shot_show = reload_show = 1;
    key[KEY_Q] = 1;
    game_new();
    EXPECT_EQ((std::vector<std::string>{"s1.cmx", "gameover.cmx"}), comics_played);
    EXPECT_EQ((std::vector<int>{pocet_zivotu, score, pocet_zabitych, shot_show, object_count}),
              (std::vector<int>{3, 0, 0, 0, 0}));
}

}  // namespace

// READY: after the start comic of every level and whenever the quit dialog
// closes (Esc or the window losing the focus), the street stands still for
// a second of the player's time that the game clock does not count.
TEST_F(Phases, ReadyStandsTheStreetStillForASecondThatTheClockDoesNotCount)
{
    game_load_level(FIRST_LEVEL);
    pocet_zivotu = 3;
    max_doors_open = 3;
    refresh_door = 1000;            // any door free to open would open at once
    long before = cas;
    unsigned long real = fake_clock::now();
    game_start();
    EXPECT_EQ(cas, before);
    EXPECT_GE(fake_clock::now() - real, 1000000UL);
    for (const SMALL_OBJECT_STRUCTURE &s : small_object)
        EXPECT_EQ(s.draw, 0);       // no door opened in it

    // Bandits caught by the quit dialog in each part of a script with one
    // shot: hidden, drawn (twice), and drawn again after firing.  One who
    // has drawn and not fired draws again from his first drawn tick, so the
    // player, who could not fire under READY, has the whole fair time.
    struct Case {
        int tik, after;
        bool redraws;
    } cases[] = {{1, 1, false}, {2, 2, true}, {3, 2, true}, {5, 5, false}};
    const std::initializer_list<int> script = {0, 0, 1, 1, 2, 1, 0};
    for (int i = 0; i < DOOR_COUNT; i++) {
        creature(i, script);
        init_small(i, i);
    }
    for (const Case &c : cases) {
        for (int i = 0; i < DOOR_COUNT; i++) {
            small_object[i].tik = c.tik;
            small_object[i].last_time = cas - 5;
        }
        focus_lost = 1;
        before = cas;
        real = fake_clock::now();
        EXPECT_EQ(game_keys(), 0);      // answered no
        EXPECT_GE(fake_clock::now() - real, 1000000UL);
        EXPECT_EQ(cas, before);
        EXPECT_EQ(small_object[0].tik, c.after) << "caught at tick " << c.tik;
        EXPECT_EQ(small_object[0].last_time, c.redraws ? cas : cas - 5) << "caught at tick " << c.tik;
        EXPECT_EQ(street_still, 0);
    }
    EXPECT_EQ(dialogs_opened, 4);
    small_object[0].mode = 1;       // one falling keeps falling where he was
    small_object[0].tik = 3;
    focus_lost = 1;
    game_keys();
    EXPECT_EQ(small_object[0].tik, 3);
    advance(5);                     // and time goes on from where it stood
    EXPECT_EQ(cas, before + 5);
}
