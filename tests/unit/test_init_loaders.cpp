// The world loaders: creature files, decoration files, the level script and
// the whole-run pictures.  A broken file is refused naming the file and the
// fault, and leaves nothing loaded or open behind it.
#include <malloc.h>
#include <string.h>
#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

#include <functional>
#include <string>
#include <vector>

#include "layout.h"
#include "test_game_fixture.h"
#include "texts.h"

using namespace game_test;

namespace {

// An animation file whose slots 0 .. slots-1 each show the one frame.
std::string anim_text(int slots)
{
    std::string t = "1\ncreature.bmp\n1\n0 30 40 0 0 -16 0\n" + std::to_string(slots) + "\n";
    for (int k = 0; k < slots; k++)
        t += std::to_string(k) + " 1\n0 5 0\n";
    return t;
}

std::string creature_text(int type, const std::vector<int> &ticks, int child = 0)
{
    std::string t = "ANIMATION creature.txt\nTYPE " + std::to_string(type) +
                    "\nDELAY 10\nMAX_SHOW 1\nSCORE 50\nSOUND_DEAD a.wav\nSOUND_SHOT a.wav\n"
                    "SOUND_CRY a.wav\nCHILD " + std::to_string(child) + "\nTICKS " +
                    std::to_string(ticks.size()) + "\n";
    for (size_t i = 0; i < ticks.size(); i++)
        t += std::to_string(i) + " " + std::to_string(ticks[i]) + "\n";
    return t;
}

const char *const decor_text = "ANIMATION decor.txt\nTYPE 2\nX 10\nY 20\nS_NORMAL NULL\nS_DESTROY a.wav\n";

void expect_mentions(const std::string &message, const std::vector<std::string> &parts)
{
    ASSERT_FALSE(message.empty()) << "the load did not fail";
    for (const std::string &p : parts)
        EXPECT_NE(message.find(p), std::string::npos) << "'" << message << "' lacks '" << p << "'";
}

bool creature_empty(int i) { return !object[i].anim_object && !object[i].s_dead && !object[i].s_shot && !object[i].s_cry; }
bool decoration_empty(int i) { return !decoration[i].anim_object && !decoration[i].s_normal && !decoration[i].s_destroy; }

// A five-pose creature animation, a two-picture decoration animation, one
// that lacks the fall poses, two backgrounds, one sound, four creatures.
class World : public GameWorld {
protected:
    ScratchDir dir;
    FatalErrors fatal;

    void SetUp() override
    {
        GameWorld::SetUp();
        dir.write_bmp("data/gfx/creature.bmp", 30, 40, 200, 10, 10);
        dir.write_bmp("data/gfx/back.bmp", 640, 480, 100, 50, 25);
        dir.write_bmp("data/gfx/night.bmp", 640, 480, 10, 20, 90);
        dir.write_wav("data/sound/a.wav");
        dir.write("data/text/creature.txt", anim_text(5));
        dir.write("data/text/decor.txt", anim_text(2));
        dir.write("data/text/noposes.txt", anim_text(3));
        dir.write("data/text/onlyone.txt", anim_text(1));
        dir.write("data/object/man.txt", creature_text(1, {0, 1, 2, 1, 0}));
        dir.write("data/object/lady.txt", creature_text(0, {0, 1, 1, 1, 0}));
        dir.write("data/object/twin.txt", creature_text(2, {0, 1, 2, 1, 0}, 1));
        dir.write("data/object/short.txt", creature_text(1, {0, 1, 0}));
        dir.write("data/object/stub.txt", creature_text(1, {0, 1}));
        dir.write("data/decor/bottle.txt", decor_text);
    }

    void write_levels(const std::string &text) { dir.write(LEVEL_SCRIPT_PATH, text); }

    // Each case: a fault, the good text with `from` replaced by `to`, and
    // what the message must name besides the file.
    struct Edit {
        const char *what, *from;
        std::string to;
        std::vector<std::string> mentions;
    };
    template <typename Load, typename Empty>
    void expect_refused(const std::string &good, const std::string &file, const std::vector<Edit> &edits,
                        Load load, Empty empty)
    {
        const int files = open_files();
        for (const Edit &e : edits) {
            SCOPED_TRACE(e.what);
            std::string t = good;
            size_t at = t.find(e.from);
            ASSERT_NE(at, std::string::npos) << e.from;
            t.replace(at, strlen(e.from), e.to);
            dir.write(file, t);
            std::vector<std::string> mentions = e.mentions;
            mentions.push_back(file);
            expect_mentions(fatal_of(load), mentions);
            EXPECT_TRUE(empty()) << "the refused file left its entry loaded";
        }
        EXPECT_EQ(open_files(), files) << "a refused file was left open";
    }
};

// ------------------------------------------------------------------ creatures

TEST_F(World, CreatureFileReadsEveryFieldWhateverTheSpacing)
{
    dir.write("data/object/odd.txt",
              "ANIMATION\tcreature.txt\n\n\nTYPE\n  3\nDELAY 10   MAX_SHOW 4\r\nSCORE\t\t-25\n"
              "SOUND_DEAD a.wav SOUND_SHOT\n\na.wav\nSOUND_CRY a.wav\nCHILD 23\nTICKS 3\n"
              "7 0\n  9\t1\n4 2\ntrailing words are never read\n");
    const int delay[3] = {14, 12, 10};  // creatures are slower on easier difficulties
    for (int d = 0; d < 3; d++) {
        obtiznost = d;
        object[5].vaha = 77;
        load_object("odd.txt", 5);      // over what the entry held
        const OBJECT_STRUCTURE &o = object[5];
        ASSERT_NE(o.anim_object, nullptr);
        // The first number of a tick line is only a label.
        EXPECT_EQ((std::vector<int>{o.type, o.delay, o.max_show, o.score, o.next_name, o.end_tick, o.tick[0],
                                    o.tick[1], o.tick[2]}),
                  (std::vector<int>{3, delay[d], 4, -25, 23, 3, 0, 1, 2}));
        EXPECT_TRUE(o.s_dead && o.s_shot && o.s_cry);
        EXPECT_EQ(o.vaha, 77);  // the weight is the level script's business
    }
    // Each load is its own: the second still draws after the first is gone.
    load_object("odd.txt", 1);
    destroy_object(5);
    EXPECT_TRUE(creature_empty(5));
    clear_to_color(game_screen, 0);
    draw_center_top(object[1].anim_object, slot_x[0], SLOT_Y, 1, 0);
    EXPECT_EQ(getpixel(game_screen, 80, 120), makecol(200, 10, 10));
    destroy_object(1);
}

TEST_F(World, BrokenCreatureFilesAreRefusedNamingFileAndKeyword)
{
    const std::string good = creature_text(1, {0, 1, 2});
    expect_refused(good, "data/object/bad.txt", {
        {"misspelt keyword", "TYPE", "TYPO", {"expected TYPE", "TYPO"}},
        {"keywords out of order", "TYPE 1\nDELAY 10", "DELAY 10\nTYPE 1", {"expected TYPE", "DELAY"}},
        {"missing keyword", "MAX_SHOW 1\n", "", {"expected MAX_SHOW", "SCORE"}},
        {"value not a number", "DELAY 10", "DELAY ten", {"DELAY", "not a number"}},
        // The difficulty's adjustment of DELAY used to overflow.
        {"DELAY beyond its field", "DELAY 10", "DELAY 2147483647", {"DELAY is 2147483647, not 0 to 6000"}},
        {"DELAY beyond any number", "DELAY 10", "DELAY 99999999999999999999", {"DELAY is beyond 1000000000000"}},
        {"CHILD beyond the creature table", "CHILD 0", "CHILD 24", {"CHILD is 24, not 0 to 23"}},
        {"too many ticks", "TICKS 3", "TICKS 41", {"TICKS is 41"}},
        {"negative ticks", "TICKS 3", "TICKS -1", {"TICKS is -1"}},
        {"fewer tick lines than TICKS", "TICKS 3", "TICKS 4", {"tick line 3"}},
        {"tick shows a slot the animation lacks", "1 1\n", "1 7\n", {"tick line 1", "pose 7"}},
        {"tick shows no slot at all", "2 2\n", "2 40\n", {"tick line 2", "pose 40"}},
        {"negative tick value", "0 0\n", "0 -1\n", {"tick line 0", "pose -1"}},
        {"file ends before CHILD", "CHILD 0\nTICKS 3\n0 0\n1 1\n2 2\n", "", {"ends before CHILD"}},
        {"animation without fall poses", "creature.txt", "noposes.txt", {"ANIMATION noposes.txt", "hit and fallen"}},
        {"animation file missing", "creature.txt", "ghost.txt", {"ANIMATION ghost.txt", "data/text/ghost.txt"}},
        {"sound missing", "SOUND_SHOT a.wav", "SOUND_SHOT none.wav", {"SOUND_SHOT none.wav", "data/sound/none.wav"}},
        {"NULL is no sound for a creature", "SOUND_CRY a.wav", "SOUND_CRY NULL", {"SOUND_CRY NULL"}},
        {"sound name one too long for its path", "SOUND_DEAD a.wav", "SOUND_DEAD " + std::string(25, 's') + ".wav",
         {"SOUND_DEAD", "too long"}},
        {"word longer than 39 characters", "SOUND_DEAD a.wav", "SOUND_DEAD " + std::string(45, 'x'),
         {"SOUND_DEAD", "longer than 39"}},
    }, [] { load_object("bad.txt", 0); }, [] { return creature_empty(0); });
    expect_mentions(fatal_of([] { load_object("nothere.txt", 0); }), {"Unable to open file data/object/nothere.txt"});
}

TEST_F(World, EntriesOutsideTheTablesAreRefused)
{
    for (int i : {-1, MAX_OBJECTS}) {
        EXPECT_EQ(fatal_of([i] { load_object("man.txt", i); }),
                  "Creature man.txt cannot go into entry " + std::to_string(i) + " (0 to 23)");
        EXPECT_EQ(destroy_object(i), 0);    // touches nothing (the sanitizer run watches)
    }
    for (int i : {-1, MAX_DECORATIONS}) {
        EXPECT_EQ(fatal_of([i] { load_decoration("bottle.txt", i); }),
                  "Decoration bottle.txt cannot go into entry " + std::to_string(i) + " (0 to 9)");
        EXPECT_EQ(destroy_decoration(i), 0);
    }
}

// ------------------------------------------------------------------ decorations

TEST_F(World, DecorationFileReadsPositionTypeAndOptionalSounds)
{
    dir.write("data/decor/lamp.txt",
              "ANIMATION decor.txt\n\nTYPE   2\nX\t-640\nY 480\n\nS_NORMAL a.wav\nS_DESTROY NULL");
    decoration[3].mode = 1;
    decoration[3].old_time = 1234;
    load_decoration("lamp.txt", 3);
    const DECORATION_STRUCTURE &d = decoration[3];
    ASSERT_NE(d.anim_object, nullptr);
    EXPECT_EQ((std::vector<int>{d.type, d.X, d.Y, d.mode, (int)d.old_time}), (std::vector<int>{2, -640, 480, 0, 0}));
    EXPECT_TRUE(d.s_normal && !d.s_destroy);
    destroy_decoration(3);
    EXPECT_TRUE(decoration_empty(3));
    load_decoration("bottle.txt", 0);  // NULL / named the other way round
    EXPECT_TRUE(!decoration[0].s_normal && decoration[0].s_destroy);
    destroy_decoration(0);
}

TEST_F(World, BrokenDecorationFilesAreRefusedNamingFileAndKeyword)
{
    expect_refused(decor_text, "data/decor/bad.txt", {
        {"misspelt keyword", "S_DESTROY", "S_DESTORY", {"expected S_DESTROY", "S_DESTORY"}},
        {"sounds in the wrong order", "S_NORMAL NULL\nS_DESTROY a.wav", "S_DESTROY a.wav\nS_NORMAL NULL",
         {"expected S_NORMAL"}},
        {"missing Y", "Y 20\n", "", {"expected Y"}},
        {"X not a number", "X 10", "X left", {"X", "not a number"}},
        {"X off the screen", "X 10", "X 641", {"X is 641, not -640 to 640"}},
        {"Y off the screen", "Y 20", "Y -481", {"Y is -481, not -480 to 480"}},
        {"named sound missing", "a.wav", "crash.wav", {"S_DESTROY crash.wav", "data/sound/crash.wav"}},
        {"animation without a destroyed picture", "decor.txt", "onlyone.txt",
         {"ANIMATION onlyone.txt", "slots 0 and 1"}},
        {"file ends early", "Y 20\nS_NORMAL NULL\nS_DESTROY a.wav\n", "", {"ends before Y"}},
    }, [] { load_decoration("bad.txt", 0); }, [] { return decoration_empty(0); });
    expect_mentions(fatal_of([] { load_decoration("nothere.txt", 0); }),
                    {"Unable to open file data/decor/nothere.txt"});
}

// ------------------------------------------------------------------ level script

// Levels 1, 2, 1000 and 4; level 1 names files that do not exist, so loading
// another level proves its lines were skipped without being read.
const char *const four_levels =
    "LEVEL 1\n  CREATURE ghost1.txt 5\n  CREATURE ghost2.txt 7\n  DECORATION ghost.txt\n"
    "  BACK ghost.bmp\n  KOMIX_START ghost.cmx\n  NEXT 2\nEND_OF_LEVEL 1\n\n"
    "LEVEL 2\n  CREATURE man.txt 10\n  CREATURE lady.txt 5\n  DECORATION bottle.txt\n"
    "  BACK back.bmp\n  NEXT 1000\n  MAX_BANDIT 12\n  REFRESH_DOOR 40\n  TIME 90\n"
    "  BULLETS 5\n  AMMO 30\n  KOMIX_START start1.cmx\n  KOMIX_FINISH finish1.cmx\n"
    "  MAX_DOORS_OPEN 2\nEND_OF_LEVEL 2\n"
    "LEVEL 1000 CREATURE lady.txt 1 BACK night.bmp NEXT 1 END_OF_LEVEL bonus\n"
    "LEVEL 4 hello CREATURE man.txt 1 LEVEL 9 BACK night.bmp BACK back.bmp END_OF_LEVEL 4\n";

TEST_F(World, LevelIsFoundByNumberSkippingOtherBlocksUnreadAndStartsFromTheDefaults)
{
    write_levels(four_levels);
    load_level(LEVEL_SCRIPT, 2);
    EXPECT_EQ((std::vector<int>{level, object_count, decoration_count, next_level, max_level_bandit, refresh_door,
                                level_time, pocet_naboju, celkem_naboju, max_doors_open, object[1].type}),
              (std::vector<int>{2, 2, 1, 1000, 12, 40, 90, 5, 30, 2, 0}));
    EXPECT_STREQ(komix_start, "start1.cmx");
    EXPECT_STREQ(komix_finish, "finish1.cmx");
    EXPECT_EQ((std::vector<int>{object[0].vaha, object[1].vaha, max_pravdepodobnost}), (std::vector<int>{10, 15, 15}));
    destroy_level();
    EXPECT_EQ(object_count + decoration_count, 0);
    EXPECT_TRUE(creature_empty(0) && creature_empty(1) && decoration_empty(0));
    EXPECT_EQ(vrstva[0].image, nullptr);

    pocet_zabitych = 9, shot_last_time = 500, shot_show = reload_show = 1;
    for (int i = 0; i < DOOR_COUNT; i++)
        small_object[i].draw = dira[i].visible = 1;
    game_load_level(4);
    // Stray words (a stray LEVEL too) are passed over; the last BACK wins.
    EXPECT_EQ((std::vector<int>{level, object_count, max_level_bandit, refresh_door, next_level, level_time,
                                pocet_naboju, celkem_naboju, pocet_zabitych, (int)shot_last_time, shot_show,
                                reload_show, max_doors_open}),
              (std::vector<int>{4, 1, 20, 100, 1, 0, 6, 10000, 0, 0, 0, 0, 2}));
    EXPECT_STREQ(komix_start, "");
    EXPECT_STREQ(komix_finish, "");
    for (int i = 0; i < DOOR_COUNT; i++)
        EXPECT_EQ(small_object[i].draw + dira[i].visible, 0);
    EXPECT_EQ(getpixel(game_screen2, 0, 0), makecol(100, 50, 25));
    EXPECT_EQ(getpixel(game_screen2, 639, 479), makecol(100, 50, 25));

    game_load_level(1000);
    EXPECT_EQ((std::vector<int>{level, object_count, next_level}), (std::vector<int>{1000, 1, 1}));
    EXPECT_EQ(getpixel(game_screen2, 320, 240), makecol(10, 20, 90));
}

TEST_F(World, LivesModeAndOpenDoorsCarryOverFromLevelToLevel)
{
    const std::string ok = " CREATURE man.txt 1 BACK back.bmp ";
    write_levels("LEVEL 1" + ok + "ADD_LIFE 4 MODE 1 MAX_DOORS_OPEN 2 CREATURE man.txt 1 CREATURE short.txt 1 "
                 "END_OF_LEVEL 1\n"
                 "LEVEL 2 CREATURE twin.txt 2 CREATURE lady.txt 0 CREATURE man.txt 1 BACK back.bmp ADD_LIFE 1 "
                 "END_OF_LEVEL 2\n"
                 "LEVEL 3" + ok + "ADD_LIFE 2 ADD_LIFE 1 MODE 0 MAX_DOORS_OPEN 3 END_OF_LEVEL 3\n");
    pocet_zivotu = 8;
    object[DUEL_CREATURES].end_tick = 0;    // an entry past the duel's three is none of its business
    load_level(LEVEL_SCRIPT, 1);            // a duelist of three ticks can retreat
    EXPECT_EQ(pocet_zivotu, 10);     // extra lives stop at ten
    load_level(LEVEL_SCRIPT, 2);
    EXPECT_EQ((std::vector<int>{pocet_zivotu, level_mode, max_doors_open}), (std::vector<int>{10, 1, 2}));
    EXPECT_EQ((std::vector<int>{object[0].vaha, object[1].vaha, object[2].vaha}), (std::vector<int>{2, 2, 3}));
    EXPECT_EQ(object[0].next_name, 1);  // a twin's brother may come after him
    pocet_zivotu = 3;
    load_level(LEVEL_SCRIPT, 3);
    EXPECT_EQ((std::vector<int>{pocet_zivotu, level_mode, max_doors_open}), (std::vector<int>{6, 0, 3}));
}

TEST_F(World, BrokenLevelsAreRefusedNamingFileAndLevel)
{
    std::string many_creatures, many_decorations;
    for (int i = 0; i < 25; i++)
        many_creatures += "CREATURE man.txt 1 ";
    for (int i = 0; i < 11; i++)
        many_decorations += "DECORATION bottle.txt ";
    const std::string good = "LEVEL 1 CREATURE man.txt 1 BACK back.bmp END_OF_LEVEL 1\n", bmp31 = std::string(27, 'b') + ".bmp";
    expect_refused(good, LEVEL_SCRIPT_PATH, {
        {"level not in the file", "LEVEL 1", "LEVEL 3", {"level 1 is not in the file"}},
        {"empty file", good.c_str(), "", {"level 1 is not in the file"}},
        {"a closing word missing hides the next block", "LEVEL 1", "LEVEL 3 BACK back.bmp END_OF_LEVEL\nLEVEL 1",
         {"level 1 is not in the file"}},
        {"block runs to the end of the file", "END_OF_LEVEL 1", "", {"level 1 has no END_OF_LEVEL"}},
        {"block ends inside an entry", "END_OF_LEVEL 1\n", "KOMIX_START", {"level 1 ends inside KOMIX_START"}},
        {"block ends before a number", "END_OF_LEVEL 1\n", "NEXT", {"ends before NEXT of level 1"}},
        {"no background", "BACK back.bmp", "", {"level 1 has no BACK"}},
        {"background name one too long for its path", "back.bmp", bmp31, {"BACK " + bmp31 + " of level 1 is too long"}},
        {"background cannot be loaded", "back.bmp", "nope.bmp", {"BACK of level 1", "data/gfx/nope.bmp"}},
        {"no creatures", "CREATURE man.txt 1", "", {"level 1 has no CREATURE"}},
        {"weights add up to 0", "man.txt 1", "man.txt 0 CREATURE lady.txt 0", {"weights of level 1 add up to 0"}},
        {"negative weight", "man.txt 1", "man.txt -2", {"weight of CREATURE of level 1 is -2"}},
        {"more than 24 creatures", "CREATURE man.txt 1", many_creatures, {"level 1 lists more than 24 creatures"}},
        {"more than 10 decorations", "BACK", many_decorations + "BACK", {"level 1 lists more than 10 decorations"}},
        {"word of 40 characters", "BACK", "KOMIX_START " + std::string(40, 'k') + " BACK", {"longer than 39"}},
        {"number that is no number", "BACK", "NEXT two BACK", {"NEXT of level 1 is not a number"}},
        {"number beyond any int", "BACK", "REFRESH_DOOR 4294967297 BACK",
         {"REFRESH_DOOR of level 1 is 4294967297, not 0 to 1000"}},
        {"child not in the level", "man.txt", "twin.txt", {"level 1", "CHILD 1"}},
        {"child too short to take over", "man.txt 1", "twin.txt 1 CREATURE short.txt 1", {"level 1", "CHILD 1", "3 TICKS"}},
        {"duel with two duelists", "CREATURE", "MODE 1 CREATURE man.txt 1 CREATURE", {"duel level 1", "2 CREATURE"}},
        {"duelist too short to retreat", "CREATURE", "MODE 1 CREATURE man.txt 1 CREATURE man.txt 1 CREATURE stub.txt 1 CREATURE",
         {"duel level 1", "duelist 2 (stub.txt) has 2 TICKS"}},
        {"unknown mode", "BACK", "MODE 2 BACK", {"MODE of level 1 is 2"}},
        {"more bullets than the cylinder holds", "BACK", "BULLETS 7 BACK", {"BULLETS of level 1 is 7"}},
        {"a zero kill quota", "BACK", "MAX_BANDIT 0 BACK", {"MAX_BANDIT of level 1 is 0"}},
    }, [] { level_state_at_start(); load_level(LEVEL_SCRIPT, 1); }, [] { return destroy_level() == 0; });
    // A broken creature of the level is reported by its own file.
    write_levels("LEVEL 1 CREATURE nobody.txt 1 BACK back.bmp END_OF_LEVEL 1\n");
    expect_mentions(fatal_of([] { load_level(LEVEL_SCRIPT, 1); }), {"Unable to open file data/object/nobody.txt"});
    expect_mentions(fatal_of([] { load_level("missing.txt", 1); }), {"Unable to open file data/levels/missing.txt"});
}

// Loading one level over another without destroying it first releases it too.
TEST_F(World, LoadingAndReleasingLevelsLeavesMemoryFlat)
{
    write_levels(four_levels);
    for (bool destroy : {true, false}) {
        load_level(LEVEL_SCRIPT, 2);    // warm up: the C library and Allegro settle their pools
        destroy_level();
        size_t before = mallinfo2().uordblks;
        for (int i = 0; i < 6; i++) {
            load_level(LEVEL_SCRIPT, i % 2 ? 2 : 1000);
            if (destroy)
                destroy_level();
        }
        destroy_level();
        EXPECT_LT((long)mallinfo2().uordblks - (long)before, 8 * 1024) << "destroyed between: " << destroy;
    }
}

// ------------------------------------------------------------------ whole-run resources

// Every whole-run picture at the least size the game draws of it loads, and
// is released again; one a pixel smaller either way is refused by name.
TEST(WholeRun, PicturesSmallerThanTheGameDrawsAreRefused)
{
    ScratchDir dir;
    FatalErrors fatal;
    const struct {
        const char *file;
        int w, h;
    } pictures[] = {
        {"data/gfx/font/font1.bmp", DIGIT_CELLS * DIGIT_W, DIGIT_H},
        {"data/gfx/font/font2.bmp", LETTER_CELLS * LETTER_W, LETTER_H},
        {"data/gfx/level/star.bmp", STAR_W, STAR_H},
        {"data/gfx/level/dira01.bmp", 1, 1}, {"data/gfx/level/dira02.bmp", 1, 1},
        {"data/gfx/level/dira03.bmp", 1, 1}, {"data/gfx/level/dira04.bmp", 1, 1},
        {"data/gfx/level/hit100.bmp", PORTRAIT_W, PORTRAIT_H}, {"data/gfx/level/hit66.bmp", PORTRAIT_W, PORTRAIT_H},
        {"data/gfx/level/hit33.bmp", PORTRAIT_W, PORTRAIT_H}, {"data/gfx/level/hit0.bmp", PORTRAIT_W, PORTRAIT_H},
        {"data/gfx/level/hole.bmp", HIT_MARK_SIZE, HIT_MARK_SIZE}, {"data/gfx/level/bang.bmp", 1, 1},
        {"data/gfx/level/civil.bmp", CIVIL_MARK_W, CIVIL_MARK_H},
        {"data/gfx/level/bandits.bmp", KILL_LABEL_W, KILL_LABEL_H},
    };
    for (const auto &p : pictures)
        dir.write_bmp(p.file, p.w, p.h, 90, 90, 90);
    dir.write_bmp("data/gfx/creature.bmp", 100, 100, 200, 10, 10);  // a leaked one shows
    for (const char *anim : {KOLT_ANIM, CARTRIDGES_ANIM, DOOR_ANIM})
        dir.write(std::string("data/text/") + anim, anim_text(1));
    for (const char *sound : {"colt.wav", "b_colt.wav", "dead01.wav", "reload.wav"})
        dir.write_wav(std::string("data/sound/") + sound);
    install_sound(DIGI_NONE, MIDI_NONE, nullptr);   // init_all's own install then finds it there
    // destroy_all releases the screens and pointers too: not the ones of the run.
    BITMAP *kept[] = {game_screen, game_screen2, mouse_pointer, mouse_pointer2, mouse_shot};
    game_screen = game_screen2 = mouse_pointer = mouse_pointer2 = mouse_shot = nullptr;

    long before = 0;
    for (int round = 0; round < 2; round++) {   // the second leaves memory as it found it
        before = round ? (long)mallinfo2().uordblks : 0;
        init_all();
        EXPECT_EQ(init_all_done, 1);
        EXPECT_TRUE(bfont1 && bfont2 && bstar1 && bhole[3] && !bhole[4] && bbandits && kolt_anim && nabojnik_anim);
        for (int i = 0; i < DOOR_COUNT; i++)
            EXPECT_NE(dvere[i].anim_object, nullptr) << "door " << i;
        destroy_all();
        EXPECT_EQ(init_all_done, 0);
        EXPECT_TRUE(!bfont1 && !bfont2 && !bstar1 && !bhole[0] && !bhole[3] && !bhead[2] && !bmhole && !bbandits &&
                    !kolt_anim && !nabojnik_anim && !dvere[DOOR_COUNT - 1].anim_object && !s_shot);
    }
    EXPECT_LT((long)mallinfo2().uordblks - before, 16 * 1024);

    for (const auto &p : pictures) {
        for (int shrink : {0, 1}) {
            int w = p.w - (shrink == 0), h = p.h - (shrink == 1);
            if (w < 1 || h < 1)
                continue;
            dir.write_bmp(p.file, w, h, 90, 90, 90);
#if defined(__SANITIZE_ADDRESS__)
            __lsan::ScopedDisabler refused_picture_is_left_to_the_exit;   // the game ends on it
#endif
            std::string message = fatal_of([] { init_all(); });
            EXPECT_NE(message.find(std::string(p.file) + ": the picture is " + std::to_string(w) + " x " +
                                   std::to_string(h)),
                      std::string::npos)
                << message;
            destroy_all();
        }
        dir.write_bmp(p.file, p.w, p.h, 90, 90, 90);
    }
    remove_sound();
    game_screen = kept[0], game_screen2 = kept[1], mouse_pointer = kept[2], mouse_pointer2 = kept[3];
    mouse_shot = kept[4];
}

}  // namespace
