// Duels: the duelists' random hesitation, their hold, their bodies, the
// brother who steps in, the retreat after a lost life, the end after 7.5 s,
// the duel frame, and the loader's refusal of duel levels that cannot run.
#include <string>
#include <vector>

#include "comix.h"
#include "test_game_fixture.h"

using namespace game_test;

namespace {

int no_comic(const char *) { return 0; }

class Duel : public GameWorld {
protected:
    void SetUp() override
    {
        GameWorld::SetUp();
        advance(400);
        level_mode = MODE_DUEL;
        game_comix = no_comic;
    }
    void TearDown() override
    {
        game_comix = comix_play;
        GameWorld::TearDown();
    }

    // Three duelists of the given script, delay 10, started as a level does.
    void three(std::initializer_list<int> ticks)
    {
        for (int i = 0; i < 3; i++)
            creature(i, ticks, 1, 10, 0);
        duel_start();
        duel_pohni_objekty();   // the first frame starts their clocks
    }
    void duel_step(int ticks = 1, int times = 1)
    {
        for (int i = 0; i < times; i++) {
            advance(ticks);
            duel_pohni_objekty();
        }
    }
    // The next `n` numbers rand() gives from `seed`.
    static std::vector<int> draws(unsigned seed, int n)
    {
        srand(seed);
        std::vector<int> r;
        for (int i = 0; i < n; i++)
            r.push_back(rand());
        return r;
    }
    SMALL_OBJECT_STRUCTURE &slot(int i) { return small_object[i]; }
};

const std::initializer_list<int> plain = {0, 0, 0, 0, 1, 1, 2, 1, 1};

TEST_F(Duel, TheStartFillsTheThreeSlotsFromTheFirstCreaturesAndStartsTheClock)
{
    creature(0, plain);
    creature(1, plain);
    creature(2, plain);
    creature(3, plain);
    duel_start();
    for (int i = 0; i < 3; i++) {
        EXPECT_EQ(slot(i).draw, 1);
        EXPECT_EQ(slot(i).animation, i);
        EXPECT_EQ(slot(i).X, slot_x[i]);
        EXPECT_EQ(slot(i).Y, SLOT_Y);
    }
    EXPECT_EQ(duel_time, cas);

    // On an ordinary level it does nothing.
    for (auto &s : small_object)
        s = SMALL_OBJECT_STRUCTURE{};
    level_mode = MODE_ORDINARY;
    duel_time = 0;
    duel_start();
    EXPECT_EQ(slot(0).draw + slot(1).draw + slot(2).draw, 0);
    EXPECT_EQ(duel_time, 0);
}

TEST_F(Duel, EachDueMomentOfTheFirstTicksTakesOneRandomNumberInSlotOrder)
{
    // Find a seed whose first three numbers put off slots 0 and 2 and let
    // slot 1 step on, so the order of the draws shows.
    unsigned seed = 1;
    for (;; seed++) {
        std::vector<int> r = draws(seed, 3);
        if (r[0] % 100 < 70 && r[1] % 100 >= 70 && r[2] % 100 < 70)
            break;
    }
    three(plain);
    std::vector<int> r = draws(seed, 4);
    srand(seed);
    duel_step(10);  // 10 ticks are not more than delay 10: nobody is due, nothing drawn
    EXPECT_EQ(slot(1).tik, 0);
    duel_step(1);   // 11: all three are due
    EXPECT_EQ(slot(0).tik, 0);
    EXPECT_EQ(slot(1).tik, 1);
    EXPECT_EQ(slot(2).tik, 0);
    EXPECT_EQ(rand(), r[3]);    // exactly three numbers were taken

    // A fallen duelist and one past tick 3 take none, though due; tick 3
    // still hesitates.
    slot(0).mode = 1;
    slot(1).tik = 4;
    slot(2).tik = 3;
    std::vector<int> after = draws(seed + 1000, 2);
    srand(seed + 1000);
    duel_step(11);
    EXPECT_EQ(slot(1).tik, 5);
    EXPECT_EQ(slot(2).tik, after[0] % 100 < 70 ? 3 : 4);
    EXPECT_EQ(rand(), after[1]);
}

TEST_F(Duel, PutOffMomentsAreWholeTicksAndTheDrawComesAtARandomTime)
{
    // Over many seeded duels the first tick arrives after 1, 2, 3 ... whole
    // delays with chances 30 %, 21 %, 14.7 % ...
    int first[4] = {0, 0, 0, 0};
    const int runs = 400;
    for (int run = 0; run < runs; run++) {
        srand(run);
        creature(0, plain);
        init_small(0, 0);
        duel_pohni_objekty();
        int periods = 0;
        while (slot(0).tik == 0) {
            duel_step(11);
            periods++;
        }
        if (periods <= 4)
            first[periods - 1]++;
        slot(0) = SMALL_OBJECT_STRUCTURE{};
    }
    EXPECT_NEAR(first[0] / (double)runs, 0.30, 0.07);
    EXPECT_NEAR(first[1] / (double)runs, 0.21, 0.06);
    EXPECT_NEAR(first[2] / (double)runs, 0.147, 0.05);
}

TEST_F(Duel, ADuelistFiresOnHisScriptAndHoldsHisLastPoseForGood)
{
    sound_volume = 0;
    three(plain);
    slot(0).tik = 4;    // past the hesitation
    slot(1).draw = slot(2).draw = 0;
    duel_step(11, 2);
    EXPECT_EQ(slot(0).tik, 6);
    EXPECT_EQ(pocet_hitu, 1);
    EXPECT_EQ(dira[0].visible, 1);
    duel_step(11, 2);
    for (int i = 0; i < 6; i++) {
        duel_step(11);
        EXPECT_EQ(slot(0).tik, 8);  // end_tick 9 - 1, for good
    }
    EXPECT_EQ(slot(0).draw, 1);
    EXPECT_EQ(pocet_hitu, 1);       // the hold never fires again
    EXPECT_EQ(dira[0].visible, 1);  // 88 ticks after the shot
    duel_step(11, 2);
    EXPECT_EQ(dira[0].visible, 0);  // the mark lasts a second
}

TEST_F(Duel, AShotDuelistFallsAndKeepsLyingAtTickSeven)
{
    three(plain);
    slot(0).tik = 4;
    strela(0);
    EXPECT_EQ(pocet_zabitych, 1);
    for (int i = 0; i < 7; i++) {
        duel_step(11);
        EXPECT_EQ(slot(0).tik, i + 1);
    }
    for (int i = 0; i < 6; i++) {
        duel_step(11);
        EXPECT_EQ(slot(0).tik, 7);
    }
    EXPECT_EQ(slot(0).draw, 1);
    EXPECT_EQ(slot(0).mode, 1);
    EXPECT_EQ(pocet_hitu, 0);   // his script's firing tick went by while he fell
}

TEST_F(Duel, ATypeTwoDuelistGivesWayToHisChildFromTickThree)
{
    creature(0, plain, 2).next_name = 3;
    creature(1, plain);
    creature(2, plain);
    creature(3, {0, 0, 0, 0, 1, 2, 1}, 1, 7);
    duel_start();
    slot(0).tik = 5;
    strela(0);
    duel_step(11, 4);
    EXPECT_EQ(slot(0).animation, 0);
    duel_step(11);
    EXPECT_EQ(slot(0).animation, 3);
    EXPECT_EQ(slot(0).mode, 0);
    EXPECT_EQ(slot(0).tik, 3);
    EXPECT_EQ(slot(0).delay, 7);
    EXPECT_EQ(slot(0).end_tick, 7);
    EXPECT_EQ(slot(0).X, slot_x[0]);
}

TEST_F(Duel, ALostLifeSendsTheLivingDuelistsNearTheEndOfTheirScripts)
{
    sound_volume = 0;
    three({0, 0, 0, 0, 1, 2, 1, 1, 1, 1});
    slot(1).tik = 4;
    strela(1);  // felled
    slot(2).tik = 4;
    duel_step(11);  // duelist 2 fires at tick 5 ...
    obtiznost = DIFFICULTY_HARD;
    slot(2).tik = 4;
    duel_step(11);  // ... and again with 3 hits: a life
    EXPECT_EQ(bang, 1);
    EXPECT_EQ(pocet_zivotu, 2);
    game_retreat();
    EXPECT_EQ(slot(0).tik, 7);
    EXPECT_EQ(slot(1).tik, 2);  // the fallen one is left alone
    EXPECT_EQ(slot(2).tik, 7);
    duel_step(11, 6);
    EXPECT_EQ(slot(0).tik, 9);
    EXPECT_EQ(slot(2).tik, 9);
    EXPECT_EQ(slot(0).draw, 1);
}

TEST_F(Duel, TheFrameShowsTheDuelistsInTheOpenStreetWithoutDoorsDecorationsOrKillBar)
{
    three(plain);
    slot(1).tik = 4;    // drawing: pose 1
    slot(2).mode = 1;
    slot(2).tik = 7;    // lying: pose 4, and he stays as the frame steps on
    slot(2).last_time = cas;
    decor(0, 200, 60, 20, 20);
    advance(11);
    duel_draw_game_screen();
    EXPECT_EQ(slot(2).tik, 7);
    EXPECT_EQ(at(80, 200), anim_colour(CREATURE_BASE + 0, 0, 0));
    EXPECT_EQ(at(301, 200), anim_colour(CREATURE_BASE + 1, 1, 0));
    EXPECT_EQ(at(523, 200), anim_colour(CREATURE_BASE + 2, 4, 0));
    EXPECT_EQ(at(40, 100), background_colour());   // where door 0 would stand
    EXPECT_EQ(at(205, 65), background_colour());   // the decoration
    EXPECT_EQ(at(634, 300), background_colour());  // the kill bar
    EXPECT_EQ(at(560, 10), star_colour());         // the status display is there
}

class DuelLevels : public Duel {
protected:
    void SetUp() override
    {
        Duel::SetUp();
        dir.write_bmp("data/gfx/back.bmp", SCREEN_WIDTH, SCREEN_HEIGHT, 90, 60, 30);
        dir.write_bmp("data/gfx/man.bmp", 30, 40, 200, 10, 10);
        dir.write_wav("data/sound/a.wav");
        dir.write("data/text/man.txt",
                  "1\nman.bmp\n1\n0 30 40 0 0 -16 0\n5\n0 1\n0 5 0\n1 1\n0 5 0\n2 1\n0 5 0\n3 1\n0 5 0\n"
                  "4 1\n0 5 0\n");
        man("man.txt", 1, 0, 6);
        man("short.txt", 1, 0, 2);
        man("twin.txt", 2, 3, 6);
        man("boy.txt", 1, 0, 3);
    }
    void man(const char *file, int type, int child, int ticks)
    {
        std::string text = "ANIMATION man.txt\nTYPE " + std::to_string(type) +
                           "\nDELAY 10\nMAX_SHOW 1\nSCORE 50\nSOUND_DEAD a.wav\nSOUND_SHOT a.wav\n"
                           "SOUND_CRY a.wav\nCHILD " +
                           std::to_string(child) + "\nTICKS " + std::to_string(ticks) + "\n";
        for (int t = 0; t < ticks; t++)
            text += std::to_string(t) + (t == ticks - 1 && ticks > 4 ? " 2\n" : " 0\n");
        dir.write(std::string("data/object/") + file, text);
    }
    void script(const std::string &creatures)
    {
        dir.write(LEVEL_SCRIPT_PATH, "LEVEL 7\nBACK back.bmp\nMODE 1\nMAX_BANDIT 3\n" + creatures +
                                                "NEXT 8\nEND_OF_LEVEL 7\n"
                                                "LEVEL 8\nBACK back.bmp\nMODE 1\nMAX_BANDIT 3\n"
                                                "CREATURE man.txt 0\nCREATURE man.txt 0\nCREATURE man.txt 0\n"
                                                "NEXT 7\nEND_OF_LEVEL 8\n");
    }
    ScratchDir dir;
    FatalErrors fatal;
};

TEST_F(DuelLevels, ADuelThatCannotRunIsRefusedNamingTheLevelAndTheCreature)
{
    struct Case {
        const char *creatures;
        const char *message;
    };
    const Case cases[] = {
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
    man("short.txt", 1, 0, 3);
    man("boy.txt", 1, 0, 4);
    script("CREATURE short.txt 0\nCREATURE short.txt 0\nCREATURE twin.txt 0\nCREATURE boy.txt 0\n");
    EXPECT_NO_THROW(load_level(LEVEL_SCRIPT, 7));
}

TEST_F(DuelLevels, ADuelEndsAfter750TicksWhateverHappenedAndTheNextDuelStarts)
{
    script("CREATURE man.txt 0\nCREATURE man.txt 0\nCREATURE man.txt 0\n");
    game_load_level(7);
    game_start();
    long began = duel_time;
    EXPECT_EQ(began, cas);
    EXPECT_EQ(slot(2).draw, 1);
    advance(DUEL_TIME);
    game_end_rules();
    EXPECT_EQ(level, 7);
    advance(1);
    game_end_rules();
    EXPECT_EQ(level, 8);
    EXPECT_EQ(duel_time, cas);
    EXPECT_EQ(slot(0).draw + slot(1).draw + slot(2).draw, 3);
    EXPECT_EQ(slot(0).tik, 0);
}

}  // namespace
