// Duels: the duelists' random hesitation, their hold, their bodies, the
// brother who steps in, the retreat after a lost life, the duel frame, the
// end after 7.5 s that a comic does not shorten, and the loader's refusal
// of duel levels that cannot run.
#include <string>

#include "test_game_fixture.h"

using namespace game_test;

namespace {

const std::string three_men = "CREATURE man.txt 0\nCREATURE man.txt 0\nCREATURE man.txt 0\n";

class Duel : public GameWorld {
protected:
    void SetUp() override { GameWorld::SetUp(), advance(400), level_mode = MODE_DUEL; }

    // Three duelists of the given script, delay 10, started as a level does.
    void three(std::initializer_list<int> ticks)
    {
        for (int i = 0; i < DOOR_COUNT; i++)
            creature(i, ticks, TYPE_BANDIT, 10, 0);
        duel_start(), duel_pohni_objekty();   // the first frame starts their clocks
    }
    void duel_step(int ticks = 1, int times = 1)
    {
        for (int i = 0; i < times; i++)
            advance(ticks), duel_pohni_objekty();
    }
    // The next `n` numbers rand() gives from `seed`.
    static V draws(unsigned seed, int n)
    {
        V r(n);
        srand(seed);
        for (long &v : r)
            v = rand() % 100;
        return r;
    }
    static SMALL_OBJECT_STRUCTURE &slot(int i) { return small_object[i]; }
    static V tiks() { return {slot(0).tik, slot(1).tik, slot(2).tik}; }

    // Duel levels 7 and 8, each after its comic, with the given creatures in level 7.
    void script(const std::string &creatures)
    {
        const std::string head = "BACK back.bmp\nMODE 1\nMAX_BANDIT 3\nKOMIX_START duel.cmx\n";
        dir.write(LEVEL_SCRIPT_PATH, "LEVEL 7\n" + head + creatures + "NEXT 8\nEND_OF_LEVEL 7\nLEVEL 8\n" + head + three_men +
                                         "NEXT 7\nEND_OF_LEVEL 8\n");
    }
};

const std::initializer_list<int> plain = {0, 0, 0, 0, 1, 1, 2, 1, 1};

TEST_F(Duel, EachDueMomentOfTheFirstTicksIsPutOffWithAChanceOf70In100DrawnInSlotOrder)
{
    // A seed whose first numbers put off slot 0 (69), let slot 1 step on
    // (70, just not below 70) and put off slot 2.
    unsigned seed = 1;
    for (V r = draws(seed, 3); !(r[0] == 69 && r[1] == 70 && r[2] < 70); r = draws(++seed, 3)) {
    }
    three(plain);
    int untouched = draws(seed + 1000, 1)[0], fourth = draws(seed, 4)[3];
    srand(seed + 1000);
    duel_step(10);      // 10 ticks are not more than delay 10: nobody is due, nothing drawn
    EXPECT_EQ(rand() % 100, untouched);
    srand(seed);
    duel_step(1);       // 11: all three are due
    EXPECT_EQ(tiks(), (V{0, 1, 0}));
    EXPECT_EQ(rand() % 100, fourth);

    // A fallen duelist and one past tick 3 take none, though due; tick 3
    // still hesitates.
    slot(0).mode = 1, slot(1).tik = 4, slot(2).tik = 3;
    V r = draws(seed + 1000, 2);
    bool put_off = r[0] < 70;
    srand(seed + 1000);
    duel_step(11);
    EXPECT_EQ((V{slot(1).tik, slot(2).tik}), (V{5, put_off ? 3 : 4}));
    EXPECT_EQ(rand() % 100, r[1]);
}

TEST_F(Duel, ADuelistFiresOnHisScriptAndHoldsHisLastPoseForGood)
{
    three(plain);
    slot(0).tik = 4, slot(1).draw = slot(2).draw = 0;    // past the hesitation; alone
    duel_step(11, 2);
    EXPECT_EQ((V{slot(0).tik, pocet_hitu, dira[0].visible}), (V{6, 1, 1}));
    long fired = cas;
    duel_step(11, 2);
    for (int i = 0; i < 6; i++) {
        duel_step(11);
        EXPECT_EQ(slot(0).tik, 8);  // end_tick 9 - 1, for good
    }
    EXPECT_EQ((V{slot(0).draw, pocet_hitu}), (V{1, 1}));   // the hold never fires again
    // His mark lasts a second, strictly.
    duel_step((int)(fired + BANDIT_HOLE_TIME - cas));
    long shown = dira[0].visible;
    duel_step(1);
    EXPECT_EQ((V{shown, dira[0].visible}), (V{1, 0}));
}

TEST_F(Duel, AShotDuelistFallsAndKeepsLyingAtTickSevenAndATypeTwoGivesWayToHisChild)
{
    creature(0, plain, TYPE_BANDIT);
    creature(1, plain, TYPE_WITH_CHILD).next_name = 3;
    creature(2, plain);
    creature(3, {0, 0, 0, 0, 1, 2, 1}, TYPE_BANDIT, 7);
    duel_start(), duel_pohni_objekty();
    slot(0).tik = 4, strela(0), slot(1).tik = 5, strela(1);
    EXPECT_EQ(pocet_zabitych, 2);
    for (int i = 1; i <= 4; i++) {
        duel_step(11);
        EXPECT_EQ((V{slot(0).tik, slot(1).animation}), (V{i, 1}));
    }
    duel_step(11);
    const SMALL_OBJECT_STRUCTURE &child = slot(1);
    EXPECT_EQ((V{child.animation, child.mode, child.tik, child.delay, child.end_tick, child.X}),
              (V{3, 0, 3, 7, 7, slot_x[1]}));
    for (int i = 0; i < 8; i++) {
        duel_step(11);
        EXPECT_EQ(slot(0).tik, i < 2 ? 6 + i : 7);
    }
    EXPECT_EQ((V{slot(0).draw, slot(0).mode}), (V{1, 1}));
}

TEST_F(Duel, ALostLifeSendsTheLivingDuelistsNearTheEndOfTheirScripts)
{
    three({0, 0, 0, 0, 1, 2, 1, 1, 1, 1});
    slot(1).tik = 4, strela(1);                     // felled
    slot(2).tik = 4, duel_step(11);                 // duelist 2 fires at tick 5 ...
    obtiznost = DIFFICULTY_HARD, slot(2).tik = 4;
    duel_step(11);                                  // ... and again with 3 hits: a life
    EXPECT_EQ((V{bang, pocet_zivotu}), (V{1, 2}));
    game_retreat();
    EXPECT_EQ(tiks(), (V{7, 2, 7}));    // the fallen one is left alone
    duel_step(11, 6);
    EXPECT_EQ((V{slot(0).tik, slot(2).tik, slot(0).draw}), (V{9, 9, 1}));
}

TEST_F(Duel, TheFrameShowsTheDuelistsInTheOpenStreetWithoutDoorsDecorationsOrKillBar)
{
    three(plain);
    object[0].tick[0] = 2;  // duelist 0 stands in his pose 2 from the start
    slot(1).tik = 4;        // drawing: pose 1
    slot(2).mode = 1, slot(2).tik = 7;     // lying: pose 4, and he stays as the frame steps on
    slot(0).last_time = slot(1).last_time = cas;
    slot(2).last_time = cas - 11;
    decor(0, 200, 60, 20, 20);
    notice_miss(200, 250);
    mouse_x = 600, mouse_y = 300;
    game_frame();
    // The three poses; no door 0, decoration or kill bar; the status display and the notices.
    EXPECT_EQ((V{slot(2).tik, at(80, 200), at(301, 200), at(523, 200), at(40, 100), at(205, 65), at(634, 300),
                 at(560, 10), at(200, 250)}),
              (V{7, anim_colour(CREATURE_BASE + 0, 2, 0), anim_colour(CREATURE_BASE + 1, 1, 0),
                 anim_colour(CREATURE_BASE + 2, 4, 0), background_colour(), background_colour(), background_colour(),
                 star_colour(), puff_colour(0, 1)}));
}

TEST_F(Duel, ADuelThatCannotRunIsRefusedNamingTheLevelAndTheCreature)
{
    man("man.txt", {0, 0, 0, 0, 0, 2});
    man("short.txt", {0, 0});
    man("twin.txt", {0, 0, 0, 0, 0, 2}, TYPE_WITH_CHILD, 3);
    man("boy.txt", {0, 0, 0});
    struct Case {
        const char *creatures, *message;
    } cases[] = {
        {"CREATURE man.txt 0\nCREATURE man.txt 0\n", "duel level 7 has 2 CREATURE lines"},
        {"CREATURE man.txt 0\nCREATURE short.txt 0\nCREATURE man.txt 0\n",
         "duel level 7: its duelist 1 (short.txt) has 2 TICKS"},
        {"CREATURE man.txt 0\nCREATURE man.txt 0\nCREATURE twin.txt 0\nCREATURE boy.txt 0\n",
         "level 7: the CHILD 3 (boy.txt) of its creature 2 (twin.txt) has 3 TICKS"},
    };
    for (const Case &c : cases) {
        script(c.creatures);
        try {
            load_level(LEVEL_SCRIPT, 7);
            ADD_FAILURE() << "loaded: " << c.creatures;
        } catch (const FatalError &e) {
            EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
        }
        destroy_level();
    }
    // Three duelists of three ticks and a child of four are fine.
    man("short.txt", {0, 0, 0}), man("boy.txt", {0, 0, 0, 0});
    script("CREATURE short.txt 0\nCREATURE short.txt 0\nCREATURE twin.txt 0\nCREATURE boy.txt 0\n");
    EXPECT_NO_THROW(load_level(LEVEL_SCRIPT, 7));
}

// The player reads the duel's comic as long as he likes: none of that time
// is the duel's.
TEST_F(Duel, ADuelLasts750TicksAfterItsComicAndREADYWhateverHappensThenTheNextStarts)
{
    seen.comic_us = 30000000;
    script(three_men);
    game_load_level(7), game_start();
    EXPECT_EQ(seen.comics, (std::vector<std::string>{"duel.cmx"}));
    EXPECT_EQ(game_frame(), 0);
    EXPECT_LE(cas - duel_time, 2);
    for (int i = 0; i < DOOR_COUNT; i++)    // the level's first three, where the doors would be
        EXPECT_EQ((V{slot(i).draw, slot(i).animation, slot(i).X, slot(i).Y}), (V{1, i, slot_x[i], SLOT_Y}));
    EXPECT_EQ(level, 7);
    brix_timer_wait();      // whole ticks from here
    advance((int)(duel_time + DUEL_TIME - cas));
    game_end_rules();
    EXPECT_EQ(level, 7);
    advance(1), game_end_rules();
    EXPECT_EQ((V{level, duel_time, slot(0).draw + slot(1).draw + slot(2).draw, slot(0).tik}), (V{8, cas, 3, 0}));
    EXPECT_EQ(game_frame(), 0);
    EXPECT_LE(cas - duel_time, 2);
}

}  // namespace
