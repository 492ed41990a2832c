// The world loaders: creature files, decoration files and the level script.
#include <gtest/gtest.h>
#include <malloc.h>

#include <string>
#include <vector>

#include "init.h"
#include "test_support.h"
#include "variable.h"

namespace {

// A five-pose creature animation (slots 0..4), a two-picture decoration
// animation (slots 0 and 1), one that lacks the fall poses, a background,
// one sound, and helpers that write creature and level files.
class World : public ::testing::Test {
protected:
    ScratchDir dir;
    FatalErrors fatal;
    BITMAP *saved_screen = nullptr, *saved_screen2 = nullptr;
    BITMAP *saved_shot = nullptr, *saved_pointer = nullptr;
    int saved_obtiznost = 0, saved_lives = 0, saved_mode = 0, saved_doors = 0;

    void SetUp() override
    {
        for (const char *d : {"data/text", "data/gfx", "data/object", "data/decor", "data/levels",
                              "data/sound"})
            dir.write(std::string(d) + "/.keep", "");
        dir.write_bmp("data/gfx/creature.bmp", 30, 40, 200, 10, 10);
        dir.write_bmp("data/gfx/back.bmp", 640, 480, 100, 50, 25);
        dir.write_bmp("data/gfx/night.bmp", 640, 480, 10, 20, 90);
        dir.write_wav("data/sound/a.wav");
        dir.write("data/text/creature.txt", anim_text(5));
        dir.write("data/text/decor.txt", anim_text(2));
        dir.write("data/text/noposes.txt", anim_text(3));
        write_creature("man.txt", 1, {0, 1, 2, 1, 0});
        write_creature("lady.txt", 0, {0, 1, 1, 1, 0});
        dir.write("data/decor/bottle.txt", "ANIMATION decor.txt\nTYPE 2\nX 10\nY 20\n"
                                           "S_NORMAL NULL\nS_DESTROY a.wav\n");

        saved_screen = game_screen;
        saved_screen2 = game_screen2;
        saved_shot = mouse_shot;
        saved_pointer = mouse_pointer;
        saved_obtiznost = obtiznost;
        saved_lives = pocet_zivotu;
        saved_mode = level_mode;
        saved_doors = max_doors_open;
        game_screen = create_bitmap(SCREEN_WIDTH, SCREEN_HEIGHT);
        game_screen2 = create_bitmap(SCREEN_WIDTH, SCREEN_HEIGHT);
        clear_bitmap(game_screen2);
        mouse_shot = create_bitmap(8, 8);
        mouse_pointer = create_bitmap(8, 8);
        obtiznost = 0;
        level_mode = 0;
        max_doors_open = 3;
    }

    void TearDown() override
    {
        destroy_level();
        destroy_bitmap(game_screen);
        destroy_bitmap(game_screen2);
        destroy_bitmap(mouse_shot);
        destroy_bitmap(mouse_pointer);
        game_screen = saved_screen;
        game_screen2 = saved_screen2;
        mouse_shot = saved_shot;
        mouse_pointer = saved_pointer;
        obtiznost = saved_obtiznost;
        pocet_zivotu = saved_lives;
        level_mode = saved_mode;
        max_doors_open = saved_doors;
    }

    // An animation file whose slots 0 .. slots-1 each show the one frame.
    static std::string anim_text(int slots)
    {
        std::string t = "1\ncreature.bmp\n1\n0 30 40 0 0 -16 0\n" + std::to_string(slots) + "\n";
        for (int k = 0; k < slots; k++)
            t += std::to_string(k) + " 1\n0 5 0\n";
        return t;
    }

    static std::string creature_text(int type, const std::vector<int> &ticks, int delay = 10,
                                     int child = 0, const std::string &anim = "creature.txt")
    {
        std::string t = "ANIMATION " + anim + "\nTYPE " + std::to_string(type) + "\nDELAY " +
                        std::to_string(delay) + "\nMAX_SHOW 1\nSCORE 50\nSOUND_DEAD a.wav\n"
                        "SOUND_SHOT a.wav\nSOUND_CRY a.wav\nCHILD " + std::to_string(child) +
                        "\nTICKS " + std::to_string(ticks.size()) + "\n";
        for (size_t i = 0; i < ticks.size(); i++)
            t += std::to_string(i) + " " + std::to_string(ticks[i]) + "\n";
        return t;
    }

    void write_creature(const std::string &name, int type, const std::vector<int> &ticks,
                        int delay = 10, int child = 0)
    {
        dir.write("data/object/" + name, creature_text(type, ticks, delay, child));
    }

    void write_levels(const std::string &text) { dir.write("data/levels/levels.txt", text); }

    // The message of the fatal error `load` ends in ("" if it ends normally).
    template <typename F>
    static std::string fatal_message(F load)
    {
        try {
            load();
        } catch (const FatalError &e) {
            return e.what();
        }
        return "";
    }

    static void expect_mentions(const std::string &message, const std::vector<std::string> &parts)
    {
        ASSERT_FALSE(message.empty()) << "the load did not fail";
        for (const std::string &p : parts)
            EXPECT_NE(message.find(p), std::string::npos) << "'" << message << "' lacks '" << p << "'";
    }
};

// ------------------------------------------------------------------ creatures

TEST_F(World, CreatureFileReadsEveryFieldWhateverTheSpacing)
{
    dir.write("data/object/odd.txt",
              "ANIMATION\tcreature.txt\n\n\nTYPE\n  3\nDELAY 10   MAX_SHOW 4\r\nSCORE\t\t-25\n"
              "SOUND_DEAD a.wav SOUND_SHOT\n\na.wav\nSOUND_CRY a.wav\nCHILD 2\nTICKS 3\n"
              "7 0\n  9\t1\n4 2\ntrailing words are never read\n");
    object[5].vaha = 77;
    load_object("odd.txt", 5);
    const OBJECT_STRUCTURE &o = object[5];
    ASSERT_NE(o.anim_object, nullptr);
    EXPECT_EQ(o.type, 3);
    EXPECT_EQ(o.max_show, 4);
    EXPECT_EQ(o.score, -25);
    EXPECT_EQ(o.show_count, 0);
    EXPECT_EQ(o.next_name, 2);
    EXPECT_EQ(o.end_tick, 3);
    EXPECT_EQ(o.tick[0], 0);    // the first number of a tick line is only a label
    EXPECT_EQ(o.tick[1], 1);
    EXPECT_EQ(o.tick[2], 2);
    EXPECT_NE(o.s_dead, nullptr);
    EXPECT_NE(o.s_shot, nullptr);
    EXPECT_NE(o.s_cry, nullptr);
    EXPECT_EQ(o.vaha, 77);      // the weight is the level script's business
    destroy_object(5);
    EXPECT_EQ(object[5].anim_object, nullptr);
    EXPECT_EQ(object[5].s_dead, nullptr);
}

TEST_F(World, CreatureDelayIsSlowerOnEasierDifficulties)
{
    const int expected[3] = {14, 12, 10};
    for (int d = 0; d < 3; d++) {
        obtiznost = d;
        load_object("man.txt", 0);
        EXPECT_EQ(object[0].delay, expected[d]) << "difficulty " << d;
        destroy_object(0);
    }
}

TEST_F(World, SameCreatureFileTwiceGivesIndependentEntries)
{
    load_object("man.txt", 0);
    load_object("man.txt", 1);
    EXPECT_NE(object[0].anim_object, object[1].anim_object);
    EXPECT_NE(object[0].s_shot, object[1].s_shot);
    destroy_object(0);
    // The second still draws.
    clear_to_color(game_screen, makecol(0, 0, 0));
    draw_center_top(object[1].anim_object, 96, 107, 1, 0);
    EXPECT_EQ(getpixel(game_screen, 80, 120), makecol(200, 10, 10));
    destroy_object(1);
}

TEST_F(World, BrokenCreatureFilesAreRefusedNamingFileAndKeyword)
{
    struct Case {
        const char *what;
        std::string text;
        std::vector<std::string> mentions;
    };
    const std::string good = creature_text(1, {0, 1, 2});
    auto replace = [&](const std::string &from, const std::string &to) {
        std::string t = good;
        t.replace(t.find(from), from.size(), to);
        return t;
    };
    const std::vector<Case> cases = {
        {"misspelt keyword", replace("TYPE", "TYPO"), {"expected TYPE", "TYPO"}},
        {"keywords out of order", replace("TYPE 1\nDELAY 10", "DELAY 10\nTYPE 1"),
         {"expected TYPE", "DELAY"}},
        {"missing keyword", replace("MAX_SHOW 1\n", ""), {"expected MAX_SHOW", "SCORE"}},
        {"lower-case keyword", replace("SCORE", "score"), {"expected SCORE"}},
        {"value not a number", replace("DELAY 10", "DELAY ten"), {"DELAY", "not a number"}},
        {"file ends early", good.substr(0, good.find("CHILD")), {"ends before CHILD"}},
        {"too many ticks", replace("TICKS 3", "TICKS 41"), {"TICKS is 41"}},
        {"negative ticks", replace("TICKS 3", "TICKS -1"), {"TICKS is -1"}},
        {"fewer tick lines than TICKS", replace("TICKS 3", "TICKS 4"), {"tick line 3"}},
        {"tick shows a slot the animation lacks", replace("1 1\n", "1 7\n"),
         {"tick line 1", "pose 7"}},
        {"tick shows no slot at all", replace("2 2\n", "2 40\n"), {"tick line 2", "pose 40"}},
        {"negative tick value", replace("0 0\n", "0 -1\n"), {"tick line 0", "pose -1"}},
        {"animation without fall poses", replace("creature.txt", "noposes.txt"),
         {"ANIMATION noposes.txt", "hit and fallen"}},
        {"animation file missing", replace("creature.txt", "ghost.txt"),
         {"ANIMATION ghost.txt", "data/text/ghost.txt"}},
        {"sound missing", replace("SOUND_SHOT a.wav", "SOUND_SHOT none.wav"),
         {"SOUND_SHOT none.wav", "data/sound/none.wav"}},
        {"NULL is no sound for a creature", replace("SOUND_CRY a.wav", "SOUND_CRY NULL"),
         {"SOUND_CRY NULL"}},
        {"sound name too long for its path",
         replace("SOUND_DEAD a.wav", "SOUND_DEAD creature/a_very_long_name_indeed.wav"),
         {"SOUND_DEAD", "too long"}},
        {"word longer than 39 characters",
         replace("SOUND_DEAD a.wav", "SOUND_DEAD " + std::string(45, 'x')),
         {"SOUND_DEAD", "longer than 39"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        dir.write("data/object/bad.txt", c.text);
        std::string message = fatal_message([] { load_object("bad.txt", 0); });
        std::vector<std::string> parts = c.mentions;
        parts.push_back("data/object/bad.txt");
        expect_mentions(message, parts);
    }
    expect_mentions(fatal_message([] { load_object("nothere.txt", 0); }),
                    {"Unable to open file data/object/nothere.txt"});
}

// ------------------------------------------------------------------ decorations

TEST_F(World, DecorationFileReadsPositionTypeAndOptionalSounds)
{
    dir.write("data/decor/lamp.txt",
              "ANIMATION decor.txt\n\nTYPE   2\nX\t-15\nY 300\n\nS_NORMAL a.wav\nS_DESTROY NULL");
    decoration[3].mode = 1;
    decoration[3].old_time = 1234;
    load_decoration("lamp.txt", 3);
    const DECORATION_STRUCTURE &d = decoration[3];
    ASSERT_NE(d.anim_object, nullptr);
    EXPECT_EQ(d.type, 2);
    EXPECT_EQ(d.X, -15);
    EXPECT_EQ(d.Y, 300);
    EXPECT_EQ(d.mode, 0);
    EXPECT_EQ(d.old_time, 0);
    EXPECT_NE(d.s_normal, nullptr);
    EXPECT_EQ(d.s_destroy, nullptr);
    destroy_decoration(3);
    EXPECT_EQ(decoration[3].anim_object, nullptr);
    EXPECT_EQ(decoration[3].s_normal, nullptr);

    load_decoration("bottle.txt", 0);  // NULL / named the other way round
    EXPECT_EQ(decoration[0].s_normal, nullptr);
    EXPECT_NE(decoration[0].s_destroy, nullptr);
    destroy_decoration(0);
}

TEST_F(World, BrokenDecorationFilesAreRefusedNamingFileAndKeyword)
{
    struct Case {
        const char *what;
        std::string text;
        std::vector<std::string> mentions;
    };
    const std::string good = "ANIMATION decor.txt\nTYPE 1\nX 10\nY 20\nS_NORMAL NULL\nS_DESTROY a.wav\n";
    auto replace = [&](const std::string &from, const std::string &to) {
        std::string t = good;
        t.replace(t.find(from), from.size(), to);
        return t;
    };
    const std::vector<Case> cases = {
        {"misspelt keyword", replace("S_DESTROY", "S_DESTORY"), {"expected S_DESTROY", "S_DESTORY"}},
        {"sounds in the wrong order", replace("S_NORMAL NULL\nS_DESTROY a.wav", "S_DESTROY a.wav\nS_NORMAL NULL"),
         {"expected S_NORMAL"}},
        {"missing Y", replace("Y 20\n", ""), {"expected Y"}},
        {"X not a number", replace("X 10", "X left"), {"X", "not a number"}},
        {"named sound missing", replace("a.wav", "crash.wav"), {"S_DESTROY crash.wav", "data/sound/crash.wav"}},
        {"animation without a destroyed picture", replace("decor.txt", "onlyone.txt"),
         {"ANIMATION onlyone.txt", "slots 0 and 1"}},
        {"file ends early", "ANIMATION decor.txt\nTYPE 1\nX 10\n", {"ends before Y"}},
    };
    dir.write("data/text/onlyone.txt", anim_text(1));
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        dir.write("data/decor/bad.txt", c.text);
        std::string message = fatal_message([] { load_decoration("bad.txt", 0); });
        std::vector<std::string> parts = c.mentions;
        parts.push_back("data/decor/bad.txt");
        expect_mentions(message, parts);
    }
    expect_mentions(fatal_message([] { load_decoration("nothere.txt", 0); }),
                    {"Unable to open file data/decor/nothere.txt"});
}

// ------------------------------------------------------------------ level script

// Levels 1, 2 and 1000; level 1 names files that do not exist, so loading
// another level proves its lines were skipped without being read.
const char *const three_levels =
    "LEVEL 1\n  CREATURE ghost1.txt 5\n  CREATURE ghost2.txt 7\n  DECORATION ghost.txt\n"
    "  BACK ghost.bmp\n  KOMIX_START ghost.cmx\n  NEXT 2\nEND_OF_LEVEL 1\n\n"
    "LEVEL 2\n  CREATURE man.txt 10\n  CREATURE lady.txt 5\n  DECORATION bottle.txt\n"
    "  BACK back.bmp\n  NEXT 1000\n  MAX_BANDIT 12\n  REFRESH_DOOR 40\n  TIME 90\n"
    "  BULLETS 5\n  AMMO 30\n  KOMIX_START start1.cmx\n  KOMIX_FINISH finish1.cmx\n"
    "  MAX_DOORS_OPEN 2\nEND_OF_LEVEL 2\n"
    "LEVEL 1000 CREATURE lady.txt 1 BACK night.bmp NEXT 1 END_OF_LEVEL bonus\n";

TEST_F(World, LevelIsFoundByNumberSkippingOtherBlocksUnread)
{
    write_levels(three_levels);
    load_level("levels.txt", 2);
    EXPECT_EQ(level, 2);
    EXPECT_EQ(object_count, 2);
    EXPECT_EQ(decoration_count, 1);
    EXPECT_EQ(next_level, 1000);
    EXPECT_EQ(max_level_bandit, 12);
    EXPECT_EQ(refresh_door, 40);
    EXPECT_EQ(level_time, 90);
    EXPECT_EQ(pocet_naboju, 5);
    EXPECT_EQ(celkem_naboju, 30);
    EXPECT_EQ(max_doors_open, 2);
    EXPECT_STREQ(komix_start, "start1.cmx");
    EXPECT_STREQ(komix_finish, "finish1.cmx");
    EXPECT_EQ(object[0].type, 1);
    EXPECT_EQ(object[1].type, 0);
    EXPECT_EQ(decoration[0].X, 10);
    destroy_level();
    EXPECT_EQ(object_count, 0);
    EXPECT_EQ(decoration_count, 0);
    EXPECT_EQ(vrstva[0].image, nullptr);

    load_level("levels.txt", 1000);
    EXPECT_EQ(level, 1000);
    EXPECT_EQ(object_count, 1);
    EXPECT_EQ(next_level, 1);
    EXPECT_EQ(getpixel(game_screen2, 320, 240), makecol(10, 20, 90));
}

TEST_F(World, LevelDefaultsApplyBeforeTheBlockIsRead)
{
    write_levels("LEVEL 4 CREATURE man.txt 1 BACK back.bmp END_OF_LEVEL 4\n");
    max_level_bandit = 3;
    refresh_door = 999;
    next_level = 7;
    level_time = 5;
    pocet_naboju = 1;
    celkem_naboju = 2;
    pocet_zabitych = 9;
    snprintf(komix_start, sizeof komix_start, "old.cmx");
    snprintf(komix_finish, sizeof komix_finish, "old.cmx");
    shot_last_time = 500;
    shot_show = 1;
    reload_show = 1;
    for (int i = 0; i < DOOR_COUNT; i++)
        small_object[i].draw = 1;
    for (int i = 0; i < HOLE_COUNT; i++)
        dira[i].visible = 1;

    load_level("levels.txt", 4);
    EXPECT_EQ(max_level_bandit, 20);
    EXPECT_EQ(refresh_door, 100);
    EXPECT_EQ(next_level, 1);
    EXPECT_EQ(level_time, 0);
    EXPECT_EQ(pocet_naboju, 6);
    EXPECT_EQ(celkem_naboju, 10000);
    EXPECT_EQ(pocet_zabitych, 0);
    EXPECT_STREQ(komix_start, "");
    EXPECT_STREQ(komix_finish, "");
    EXPECT_EQ(shot_last_time, 0);
    EXPECT_EQ(shot_show, 0);
    EXPECT_EQ(reload_show, 0);
    for (int i = 0; i < DOOR_COUNT; i++)
        EXPECT_EQ(small_object[i].draw, 0);
    for (int i = 0; i < HOLE_COUNT; i++)
        EXPECT_EQ(dira[i].visible, 0);
    // The background is in the background buffer, whole.
    EXPECT_EQ(getpixel(game_screen2, 0, 0), makecol(100, 50, 25));
    EXPECT_EQ(getpixel(game_screen2, 639, 479), makecol(100, 50, 25));
    EXPECT_EQ(vrstva[0].width, 640);
    EXPECT_EQ(vrstva[0].height, 480);
}

TEST_F(World, CreatureWeightsAccumulate)
{
    write_levels("LEVEL 1 CREATURE man.txt 3 CREATURE lady.txt 0 CREATURE man.txt 7 BACK back.bmp "
                 "END_OF_LEVEL 1\n");
    load_level("levels.txt", 1);
    ASSERT_EQ(object_count, 3);
    EXPECT_EQ(object[0].vaha, 3);
    EXPECT_EQ(object[1].vaha, 3);
    EXPECT_EQ(object[2].vaha, 10);
    EXPECT_EQ(max_pravdepodobnost, 10);
    EXPECT_NE(object[0].anim_object, object[2].anim_object);
}

TEST_F(World, ExtraLivesAreCappedAtTen)
{
    write_levels("LEVEL 1 CREATURE man.txt 1 BACK back.bmp ADD_LIFE 4 END_OF_LEVEL 1\n"
                 "LEVEL 2 CREATURE man.txt 1 BACK back.bmp ADD_LIFE 1 END_OF_LEVEL 2\n"
                 "LEVEL 3 CREATURE man.txt 1 BACK back.bmp ADD_LIFE 2 ADD_LIFE 1 END_OF_LEVEL 3\n");
    pocet_zivotu = 8;
    load_level("levels.txt", 1);
    EXPECT_EQ(pocet_zivotu, 10);
    load_level("levels.txt", 2);
    EXPECT_EQ(pocet_zivotu, 10);
    pocet_zivotu = 3;
    load_level("levels.txt", 3);
    EXPECT_EQ(pocet_zivotu, 6);
}

TEST_F(World, ModeAndOpenDoorsCarryOverToALevelThatDoesNotSetThem)
{
    write_levels("LEVEL 5 MODE 1 MAX_DOORS_OPEN 2 CREATURE man.txt 1 CREATURE man.txt 1 "
                 "CREATURE man.txt 1 BACK back.bmp END_OF_LEVEL 5\n"
                 "LEVEL 6 CREATURE lady.txt 1 CREATURE lady.txt 1 CREATURE lady.txt 1 BACK back.bmp "
                 "END_OF_LEVEL 6\n"
                 "LEVEL 7 MODE 0 MAX_DOORS_OPEN 3 CREATURE man.txt 1 BACK back.bmp END_OF_LEVEL 7\n");
    load_level("levels.txt", 5);
    destroy_level();
    load_level("levels.txt", 6);
    EXPECT_EQ(level_mode, 1);
    EXPECT_EQ(max_doors_open, 2);
    destroy_level();
    load_level("levels.txt", 7);
    EXPECT_EQ(level_mode, 0);
    EXPECT_EQ(max_doors_open, 3);
}

TEST_F(World, StrayWordsInsideTheBlockAreIgnoredAndTheLastBackWins)
{
    write_levels("LEVEL 1 hello CREATURE man.txt 1 LEVEL 9 BACK back.bmp NEXT 4 BACK night.bmp "
                 "END_OF_LEVEL 1\n");
    load_level("levels.txt", 1);
    EXPECT_EQ(object_count, 1);
    EXPECT_EQ(next_level, 4);
    EXPECT_EQ(level, 1);
    EXPECT_EQ(getpixel(game_screen2, 100, 100), makecol(10, 20, 90));
}

TEST_F(World, ChildMayBeListedAfterItsParent)
{
    write_creature("twin.txt", 2, {0, 1, 2, 1, 0}, 10, 1);
    write_levels("LEVEL 1 CREATURE twin.txt 4 CREATURE man.txt 2 BACK back.bmp END_OF_LEVEL 1\n");
    load_level("levels.txt", 1);
    EXPECT_EQ(object[0].next_name, 1);
}

TEST_F(World, BrokenLevelsAreRefusedNamingFileAndLevel)
{
    write_creature("twin.txt", 2, {0, 1, 2, 1, 0}, 10, 1);
    write_creature("short.txt", 1, {0, 1, 0});
    std::string many_creatures, many_decorations;
    for (int i = 0; i < 25; i++)
        many_creatures += "CREATURE man.txt 1 ";
    for (int i = 0; i < 11; i++)
        many_decorations += "DECORATION bottle.txt ";
    struct Case {
        const char *what;
        std::string text;
        int wanted;
        std::vector<std::string> mentions;
    };
    const std::string ok = " CREATURE man.txt 1 BACK back.bmp ";
    const std::vector<Case> cases = {
        {"level not in the file", "LEVEL 1" + ok + "END_OF_LEVEL 1\n", 3, {"level 3 is not in the file"}},
        {"empty file", "", 1, {"level 1 is not in the file"}},
        {"a closing word missing hides the next block",
         "LEVEL 1" + ok + "END_OF_LEVEL\nLEVEL 3" + ok + "END_OF_LEVEL 3\n", 3, {"level 3 is not in the file"}},
        {"block runs to the end of the file", "LEVEL 1" + ok, 1, {"level 1 has no END_OF_LEVEL"}},
        {"block ends inside an entry", "LEVEL 1" + ok + "NEXT", 1, {"NEXT of level 1"}},
        {"no background", "LEVEL 1 CREATURE man.txt 1 END_OF_LEVEL 1", 1, {"level 1 has no BACK"}},
        {"background cannot be loaded", "LEVEL 1 CREATURE man.txt 1 BACK nope.bmp END_OF_LEVEL 1", 1,
         {"BACK of level 1", "data/gfx/nope.bmp"}},
        {"no creatures", "LEVEL 1 BACK back.bmp END_OF_LEVEL 1", 1, {"level 1 has no CREATURE"}},
        {"weights add up to 0", "LEVEL 1 CREATURE man.txt 0 CREATURE lady.txt 0 BACK back.bmp END_OF_LEVEL 1",
         1, {"weights of level 1 add up to 0"}},
        {"negative weight", "LEVEL 1 CREATURE man.txt -2" + ok + "END_OF_LEVEL 1", 1,
         {"weight of CREATURE of level 1 is -2"}},
        {"more than 24 creatures", "LEVEL 1 BACK back.bmp " + many_creatures + "END_OF_LEVEL 1", 1,
         {"level 1 lists more than 24 creatures"}},
        {"more than 10 decorations", "LEVEL 1" + ok + many_decorations + "END_OF_LEVEL 1", 1,
         {"level 1 lists more than 10 decorations"}},
        {"word of 40 characters", "LEVEL 1" + ok + "KOMIX_START " + std::string(40, 'k') + " END_OF_LEVEL 1",
         1, {"longer than 39"}},
        {"number that is no number", "LEVEL 1" + ok + "NEXT two END_OF_LEVEL 1", 1,
         {"NEXT of level 1 is not a number"}},
        {"child not in the level", "LEVEL 1 CREATURE twin.txt 1 BACK back.bmp END_OF_LEVEL 1", 1,
         {"level 1", "CHILD 1"}},
        {"child too short to take over", "LEVEL 1 CREATURE twin.txt 1 CREATURE short.txt 1 BACK back.bmp END_OF_LEVEL 1",
         1, {"level 1", "CHILD 1", "3 TICKS"}},
        {"duel with two duelists", "LEVEL 1 MODE 1 CREATURE man.txt 1 CREATURE man.txt 1 BACK back.bmp END_OF_LEVEL 1",
         1, {"duel level 1", "2 CREATURE"}},
        {"unknown mode", "LEVEL 1 MODE 2" + ok + "END_OF_LEVEL 1", 1, {"MODE of level 1 is 2"}},
        {"more bullets than the cylinder holds", "LEVEL 1" + ok + "BULLETS 7 END_OF_LEVEL 1", 1,
         {"BULLETS of level 1 is 7"}},
        {"a zero kill quota", "LEVEL 1" + ok + "MAX_BANDIT 0 END_OF_LEVEL 1", 1, {"MAX_BANDIT of level 1 is 0"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        level_mode = 0;
        write_levels(c.text);
        int wanted = c.wanted;
        std::string message = fatal_message([wanted] { load_level("levels.txt", wanted); });
        std::vector<std::string> parts = c.mentions;
        parts.push_back("data/levels/levels.txt");
        expect_mentions(message, parts);
        destroy_level();
    }
    level_mode = 0;
    expect_mentions(fatal_message([] { load_level("missing.txt", 1); }),
                    {"Unable to open file data/levels/missing.txt"});
    // A broken creature of the level is reported by its own file.
    write_levels("LEVEL 1 CREATURE nobody.txt 1 BACK back.bmp END_OF_LEVEL 1\n");
    expect_mentions(fatal_message([] { load_level("levels.txt", 1); }),
                    {"Unable to open file data/object/nobody.txt"});
}

// ------------------------------------------------------------------ release

TEST_F(World, LoadingAndReleasingLevelsLeavesMemoryFlat)
{
    write_levels(three_levels);
    // Warm up: the first load lets the C library and Allegro settle their pools.
    for (int i = 0; i < 5; i++) {
        load_level("levels.txt", 2);
        destroy_level();
    }
    size_t before = mallinfo2().uordblks;
    const int rounds = 300;
    for (int i = 0; i < rounds; i++) {
        load_level("levels.txt", i % 2 ? 2 : 1000);
        destroy_level();
    }
    size_t after_destroy = mallinfo2().uordblks;
    // Loading one level over another without destroying it first releases it too.
    for (int i = 0; i < rounds; i++)
        load_level("levels.txt", i % 2 ? 2 : 1000);
    destroy_level();
    size_t after_reload = mallinfo2().uordblks;
    long growth1 = (long)after_destroy - (long)before;
    long growth2 = (long)after_reload - (long)before;
    printf("[ memory ] in use before %zu bytes; after %d load/destroy rounds %+ld bytes; after %d "
           "loads over loads %+ld bytes\n",
           before, rounds, growth1, rounds, growth2);
    RecordProperty("growth_bytes", std::to_string(growth1));
    EXPECT_LT(growth1, 16 * 1024);
    EXPECT_LT(growth2, 16 * 1024);
}

}  // namespace
