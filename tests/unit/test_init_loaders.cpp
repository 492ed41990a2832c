// The world loaders: creature files, decoration files, the level script and
// the whole-run pictures.  A broken file is refused naming the file and the
// fault, and leaves nothing loaded or open behind it.
#include <malloc.h>
#include <string.h>
#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif
#include <string>
#include <vector>

#include "layout.h"
#include "test_game_fixture.h"
#include "texts.h"

using namespace game_test;
using std::string;
using std::to_string;
using Ints = std::vector<int>;

namespace {

// An animation file whose slots 0 .. slots-1 each show the one frame.
string anim_text(int slots)
{
    string t = "1\ncreature.bmp\n1\n0 30 40 0 0 -16 0\n" + to_string(slots) + "\n";
    for (int k = 0; k < slots; k++)
        t += to_string(k) + " 1\n0 5 0\n";
    return t;
}

string creature_text(int type, const Ints &ticks, int child = 0)
{
    string t = "ANIMATION creature.txt\nTYPE " + to_string(type) + "\nDELAY 10\nMAX_SHOW 1\nSCORE 50\nSOUND_DEAD a.wav\n"
               "SOUND_SHOT a.wav\nSOUND_CRY a.wav\nCHILD " + to_string(child) + "\nTICKS " + to_string(ticks.size()) + "\n";
    for (size_t i = 0; i < ticks.size(); i++)
        t += to_string(i) + " " + to_string(ticks[i]) + "\n";
    return t;
}

const char *const decor_text = "ANIMATION decor.txt\nTYPE 2\nX 10\nY 20\nS_NORMAL NULL\nS_DESTROY a.wav\n";

bool creature_empty(int i) { return !object[i].anim_object && !object[i].s_dead && !object[i].s_shot && !object[i].s_cry; }
bool decoration_empty(int i) { return !decoration[i].anim_object && !decoration[i].s_normal && !decoration[i].s_destroy; }

// A five-pose creature animation, a two-picture decoration animation, one
// that lacks the fall poses, one of a single picture, two backgrounds, one
// sound, five creatures and a decoration.
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
        for (auto [name, slots] : {std::pair{"creature", 5}, {"decor", 2}, {"noposes", 3}, {"onlyone", 1}})
            dir.write(string("data/text/") + name + ".txt", anim_text(slots));
        dir.write("data/object/man.txt", creature_text(1, {0, 1, 2, 1, 0}));
        dir.write("data/object/lady.txt", creature_text(0, {0, 1, 1, 1, 0}));
        dir.write("data/object/twin.txt", creature_text(2, {0, 1, 2, 1, 0}, 1));
        dir.write("data/object/short.txt", creature_text(1, {0, 1, 0}));
        dir.write("data/object/stub.txt", creature_text(1, {0, 1}));
        dir.write("data/decor/bottle.txt", decor_text);
    }

    // Each case: the good text with `from` replaced by `to`, and what the
    // message must say after naming the file.  A missing file is refused last.
    struct Edit {
        const char *from;
        string to, says;
    };
    template <typename Load, typename Empty>
    void expect_refused(const string &good, const string &file, const std::vector<Edit> &edits, Load load, Empty empty)
    {
        const int files = open_files();
        for (const Edit &e : edits) {
            string t = good;
            size_t at = t.find(e.from);
            ASSERT_NE(at, string::npos) << e.from;
            dir.write(file, t.replace(at, strlen(e.from), e.to));
            string message = fatal_of(load);
            EXPECT_EQ(message.find("Broken file " + file + ": "), 0u) << message;
            EXPECT_NE(message.find(e.says), string::npos) << message << " lacks " << e.says;
            EXPECT_TRUE(empty()) << e.to << " left its entry loaded";
        }
        EXPECT_EQ(open_files(), files) << "a refused file was left open";
        remove(file.c_str());
        EXPECT_EQ(fatal_of(load), "Unable to open file " + file);
    }
};

// ------------------------------------------------------------------ creatures and decorations

TEST_F(World, CreatureAndDecorationFilesReadEveryFieldWhateverTheSpacing)
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
        // The first number of a tick line is only a label; the weight is the level script's business.
        EXPECT_EQ((Ints{o.type, o.delay, o.max_show, o.score, o.next_name, o.end_tick, o.tick[0], o.tick[1], o.tick[2], o.vaha}),
                  (Ints{3, delay[d], 4, -25, 23, 3, 0, 1, 2, 77}));
        EXPECT_TRUE(o.s_dead && o.s_shot && o.s_cry);
    }
    load_object("odd.txt", 1);
    destroy_object(5);
    EXPECT_TRUE(creature_empty(5));
    EXPECT_EQ(object[1].anim_object->image[0]->w, 30);    // each load is its own (the sanitizer run watches)
    destroy_object(1);

    dir.write("data/decor/lamp.txt", "ANIMATION decor.txt\n\nTYPE   2\nX\t-640\nY 480\n\nS_NORMAL a.wav\nS_DESTROY NULL");
    decoration[3].mode = 1, decoration[3].old_time = 1234;
    load_decoration("lamp.txt", 3);
    load_decoration("bottle.txt", 0);  // NULL / named the other way round
    const DECORATION_STRUCTURE &d = decoration[3], &b = decoration[0];
    ASSERT_NE(d.anim_object, nullptr);
    EXPECT_EQ((Ints{d.type, d.X, d.Y, d.mode, (int)d.old_time, !!d.s_normal, !!d.s_destroy, !!b.s_normal, !!b.s_destroy}),
              (Ints{2, -640, 480, 0, 0, 1, 0, 0, 1}));
    destroy_decoration(3);
    EXPECT_TRUE(decoration_empty(3));
    destroy_decoration(0);
}

TEST_F(World, BrokenCreatureAndDecorationFilesAreRefusedNamingFileAndKeyword)
{
    // Names are bytes to Allegro, as to the system: read as UTF-8, 0xff would
    // be a character 8 bytes wide, past the end of a short name.
    ASSERT_EQ(uwidth("\377.wav"), 1);
    const string s25 = string(25, 's') + ".wav";
    expect_refused(creature_text(1, {0, 1, 2}), "data/object/bad.txt", {
        {"TYPE", "TYPO", "expected TYPE, found TYPO"}, {"TYPE 1\nDELAY 10", "DELAY 10\nTYPE 1", "expected TYPE, found DELAY"},
        {"MAX_SHOW 1\n", "", "expected MAX_SHOW, found SCORE"}, {"DELAY 10", "DELAY ten", "DELAY is not a number"},
        // The difficulty's adjustment of DELAY used to overflow.
        {"DELAY 10", "DELAY 2147483647", "DELAY is 2147483647, not 0 to 6000"},
        {"DELAY 10", "DELAY 99999999999999999999", "DELAY is beyond 1000000000000"},
        {"CHILD 0", "CHILD 24", "CHILD is 24, not 0 to 23"}, {"TICKS 3", "TICKS 41", "TICKS is 41"},
        {"TICKS 3", "TICKS -1", "TICKS is -1"}, {"TICKS 3", "TICKS 4", "it ends before tick line 3"},
        {"1 1\n", "1 7\n", "tick line 1 of TICKS shows pose 7"}, {"2 2\n", "2 40\n", "tick line 2 of TICKS shows pose 40"},
        {"0 0\n", "0 -1\n", "tick line 0 of TICKS shows pose -1"}, {"CHILD 0\nTICKS 3\n0 0\n1 1\n2 2\n", "", "ends before CHILD"},
        {"creature.txt", "noposes.txt", "ANIMATION noposes.txt lacks the hit and fallen"},
        {"creature.txt", "ghost.txt", "ANIMATION ghost.txt: unable to open file data/text/ghost.txt"},
        {"SOUND_SHOT a.wav", "SOUND_SHOT none.wav", "SOUND_SHOT none.wav: unable to open file data/sound/none.wav"},
        {"SOUND_CRY a.wav", "SOUND_CRY NULL", "SOUND_CRY NULL: unable"}, {"a.wav", s25, "SOUND_DEAD " + s25 + " is too long"},
        {"a.wav", string(45, 'x'), "SOUND_DEAD is longer than 39"},
    }, [] { load_object("bad.txt", 0); }, [] { return creature_empty(0); });
    expect_refused(decor_text, "data/decor/bad.txt", {
        {"S_DESTROY", "S_DESTORY", "expected S_DESTROY, found S_DESTORY"},
        {"S_NORMAL NULL\nS_DESTROY a.wav", "S_DESTROY a.wav\nS_NORMAL NULL", "expected S_NORMAL, found S_DESTROY"},
        {"Y 20\n", "", "expected Y, found S_NORMAL"}, {"X 10", "X left", "X is not a number"},
        {"X 10", "X 641", "X is 641, not -640 to 640"}, {"Y 20", "Y -481", "Y is -481, not -480 to 480"},
        {"a.wav", "crash.wav", "S_DESTROY crash.wav: unable to open file data/sound/crash.wav"},
        {"a.wav", "cr\377sh.wav", "S_DESTROY cr\377sh.wav: unable to open file data/sound/cr\377sh.wav"},  // not UTF-8
        {"decor.txt", "onlyone.txt", "ANIMATION onlyone.txt lacks the intact and destroyed pictures (slots 0 and 1)"},
        {"Y 20\nS_NORMAL NULL\nS_DESTROY a.wav\n", "", "it ends before Y"},
    }, [] { load_decoration("bad.txt", 0); }, [] { return decoration_empty(0); });
    for (int i : {-1, 0}) {   // an entry outside a table is refused and touches nothing
        int c = i ? i : MAX_OBJECTS, d = i ? i : MAX_DECORATIONS;
        EXPECT_EQ(fatal_of([c] { load_object("man.txt", c); }), "Creature man.txt cannot go into entry " + to_string(c) + " (0 to 23)");
        EXPECT_EQ(fatal_of([d] { load_decoration("bottle.txt", d); }),
                  "Decoration bottle.txt cannot go into entry " + to_string(d) + " (0 to 9)");
        EXPECT_EQ(destroy_object(c) + destroy_decoration(d), 0);
    }
}

// ------------------------------------------------------------------ level script

// Levels 1, 2, 1000 and 4, then 5 to 7 that carry lives, mode and open doors
// over; level 1 names files that do not exist, so loading another level
// proves its lines were skipped without being read.
const string ok = " CREATURE man.txt 1 BACK back.bmp ";
const string levels =
    "LEVEL 1\n  CREATURE ghost1.txt 5\n  CREATURE ghost2.txt 7\n  DECORATION ghost.txt\n  BACK ghost.bmp\n"
    "  KOMIX_START ghost.cmx\n  NEXT 2\nEND_OF_LEVEL 1\n\nLEVEL 2\n  CREATURE man.txt 10\n  CREATURE lady.txt 5\n"
    "  DECORATION bottle.txt\n  BACK back.bmp\n  NEXT 1000\n  MAX_BANDIT 12\n  REFRESH_DOOR 40\n  TIME 90\n  BULLETS 5\n"
    "  AMMO 30\n  KOMIX_START start1.cmx\n  KOMIX_FINISH finish1.cmx\n  MAX_DOORS_OPEN 2\nEND_OF_LEVEL 2\n"
    "LEVEL 1000 CREATURE lady.txt 1 BACK night.bmp NEXT 1 END_OF_LEVEL bonus\n"
    "LEVEL 4 hello CREATURE man.txt 1 LEVEL 9 BACK night.bmp BACK back.bmp END_OF_LEVEL 4\n"
    "LEVEL 5" + ok + "ADD_LIFE 4 MODE 1 MAX_DOORS_OPEN 2 CREATURE man.txt 1 CREATURE short.txt 1 END_OF_LEVEL 5\n"
    "LEVEL 6 CREATURE twin.txt 2 CREATURE lady.txt 0 CREATURE man.txt 1 BACK back.bmp ADD_LIFE 1 END_OF_LEVEL 6\n"
    "LEVEL 7" + ok + "ADD_LIFE 2 ADD_LIFE 1 MODE 0 MAX_DOORS_OPEN 3 END_OF_LEVEL 7\n";

TEST_F(World, LevelIsFoundByNumberSkippingOtherBlocksUnreadStartsFromTheDefaultsAndCarriesOver)
{
    dir.write(LEVEL_SCRIPT_PATH, levels);
    load_level(LEVEL_SCRIPT, 2);
    EXPECT_EQ((Ints{level, object_count, decoration_count, next_level, max_level_bandit, refresh_door, level_time, pocet_naboju,
                 celkem_naboju, max_doors_open, object[1].type, object[0].vaha, object[1].vaha, max_pravdepodobnost}),
              (Ints{2, 2, 1, 1000, 12, 40, 90, 5, 30, 2, 0, 10, 15, 15}));
    EXPECT_EQ(string(komix_start) + " " + komix_finish, "start1.cmx finish1.cmx");
    destroy_level();
    EXPECT_EQ(object_count + decoration_count, 0);
    EXPECT_TRUE(creature_empty(0) && creature_empty(1) && decoration_empty(0) && !vrstva[0].image);

    pocet_zabitych = 9, shot_last_time = 500, shot_show = reload_show = 1;
    for (int i = 0; i < DOOR_COUNT; i++)
        small_object[i].draw = dira[i].visible = 1;
    game_load_level(4);
    // Stray words (a stray LEVEL too) are passed over; the last BACK wins.
    EXPECT_EQ((Ints{level, object_count, max_level_bandit, refresh_door, next_level, level_time, pocet_naboju, celkem_naboju,
                 pocet_zabitych, (int)shot_last_time, shot_show, reload_show, max_doors_open, komix_start[0], komix_finish[0]}),
              (Ints{4, 1, 20, 100, 1, 0, 6, 10000, 0, 0, 0, 0, 2, 0, 0}));
    for (int i = 0; i < DOOR_COUNT; i++)
        EXPECT_EQ(small_object[i].draw + dira[i].visible, 0);
    EXPECT_EQ(getpixel(game_screen2, 0, 0) + getpixel(game_screen2, 639, 479), 2 * makecol(100, 50, 25));
    game_load_level(1000);
    EXPECT_EQ((Ints{level, object_count, next_level, getpixel(game_screen2, 320, 240)}), (Ints{1000, 1, 1, makecol(10, 20, 90)}));

    pocet_zivotu = 8;
    object[DUEL_CREATURES].end_tick = 0;    // an entry past the duel's three is none of its business
    load_level(LEVEL_SCRIPT, 5);            // a duelist of three ticks can retreat
    EXPECT_EQ(pocet_zivotu, 10);     // extra lives stop at ten
    load_level(LEVEL_SCRIPT, 6);     // a twin's brother may come after him
    EXPECT_EQ((Ints{pocet_zivotu, level_mode, max_doors_open, object[0].vaha, object[1].vaha, object[2].vaha, object[0].next_name}),
              (Ints{10, 1, 2, 2, 2, 3, 1}));
    pocet_zivotu = 3;
    load_level(LEVEL_SCRIPT, 7);
    EXPECT_EQ((Ints{pocet_zivotu, level_mode, max_doors_open}), (Ints{6, 0, 3}));

    for (bool destroy : {true, false}) {    // destroyed between or loaded over, levels leave memory flat
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

TEST_F(World, BrokenLevelsAreRefusedNamingFileAndLevel)
{
    string many_creatures, many_decorations, bmp31 = string(27, 'b') + ".bmp";
    for (int i = 0; i < 25; i++)
        many_creatures += "CREATURE man.txt 1 ", many_decorations += i < 11 ? "DECORATION bottle.txt " : "";
    const string good = "LEVEL 1 CREATURE man.txt 1 BACK back.bmp END_OF_LEVEL 1\n";
    expect_refused(good, LEVEL_SCRIPT_PATH, {
        {"LEVEL 1", "LEVEL 3", "level 1 is not in the file"}, {good.c_str(), "", "level 1 is not in the file"},
        {"LEVEL 1", "LEVEL 3 BACK back.bmp END_OF_LEVEL\nLEVEL 1", "level 1 is not in the file"},   // hidden by it
        {"END_OF_LEVEL 1", "", "level 1 has no END_OF_LEVEL"}, {"END_OF_LEVEL 1\n", "KOMIX_START", "level 1 ends inside KOMIX_START"},
        {"END_OF_LEVEL 1\n", "NEXT", "it ends before NEXT of level 1"}, {"BACK back.bmp", "", "level 1 has no BACK"},
        {"back.bmp", bmp31, "BACK " + bmp31 + " of level 1 is too long"},
        {"back.bmp", "nope.bmp", "BACK of level 1: unable to open file data/gfx/nope.bmp"},
        {"back.bmp", "n\377pe.bmp", "BACK of level 1: unable to open file data/gfx/n\377pe.bmp"},
        {"CREATURE man.txt 1", "", "level 1 has no CREATURE"}, {"man.txt 1", "man.txt -2", "weight of CREATURE of level 1 is -2"},
        {"man.txt 1", "man.txt 0 CREATURE lady.txt 0", "the CREATURE weights of level 1 add up to 0"},
        {"CREATURE man.txt 1", many_creatures, "level 1 lists more than 24 creatures"},
        {"BACK", many_decorations + "BACK", "level 1 lists more than 10 decorations"},
        {"BACK", "KOMIX_START " + string(40, 'k') + " BACK", "is longer than 39"},
        {"BACK", "NEXT two BACK", "NEXT of level 1 is not a number"},
        {"BACK", "REFRESH_DOOR 4294967297 BACK", "REFRESH_DOOR of level 1 is 4294967297, not 0 to 1000"},
        {"man.txt", "twin.txt", "level 1: its creature 0 (twin.txt) has CHILD 1, which is not one"},
        {"man.txt 1", "twin.txt 1 CREATURE short.txt 1", "CHILD 1 (short.txt) of its creature 0 (twin.txt) has 3 TICKS"},
        {"CREATURE", "MODE 1 CREATURE man.txt 1 CREATURE", "duel level 1 has 2 CREATURE"},
        {"CREATURE", "MODE 1 CREATURE man.txt 1 CREATURE man.txt 1 CREATURE stub.txt 1 CREATURE",
         "duel level 1: its duelist 2 (stub.txt) has 2 TICKS"},
        {"BACK", "MODE 2 BACK", "MODE of level 1 is 2"}, {"BACK", "BULLETS 7 BACK", "BULLETS of level 1 is 7"},
        {"BACK", "MAX_BANDIT 0 BACK", "MAX_BANDIT of level 1 is 0"},
    }, [] { level_state_at_start(); load_level(LEVEL_SCRIPT, 1); }, [] { return destroy_level() == 0; });
    dir.write(LEVEL_SCRIPT_PATH, "LEVEL 1 CREATURE nobody.txt 1 BACK back.bmp END_OF_LEVEL 1\n");   // by its own file
    EXPECT_EQ(fatal_of([] { load_level(LEVEL_SCRIPT, 1); }), "Unable to open file data/object/nobody.txt");
}

// ------------------------------------------------------------------ whole-run resources

// Every whole-run picture at the least size the game draws of it loads, and
// is released again; one a pixel smaller either way is refused by name.
TEST(WholeRun, PicturesSmallerThanTheGameDrawsAreRefused)
{
    ScratchDir dir;
    FatalErrors fatal;
    const string lv = "data/gfx/level/";
    const struct {
        string file;
        int w, h;
    } pictures[] = {
        {"data/gfx/font/font1.bmp", DIGIT_CELLS * DIGIT_W, DIGIT_H}, {"data/gfx/font/font2.bmp", LETTER_CELLS * LETTER_W, LETTER_H},
        {lv + "star.bmp", STAR_W, STAR_H}, {lv + "dira01.bmp", 1, 1}, {lv + "dira02.bmp", 1, 1}, {lv + "dira03.bmp", 1, 1},
        {lv + "dira04.bmp", 1, 1}, {lv + "hit100.bmp", PORTRAIT_W, PORTRAIT_H}, {lv + "hit66.bmp", PORTRAIT_W, PORTRAIT_H},
        {lv + "hit33.bmp", PORTRAIT_W, PORTRAIT_H}, {lv + "hit0.bmp", PORTRAIT_W, PORTRAIT_H}, {lv + "bang.bmp", 1, 1},
        {lv + "hole.bmp", HIT_MARK_SIZE, HIT_MARK_SIZE}, {lv + "civil.bmp", CIVIL_MARK_W, CIVIL_MARK_H},
        {lv + "bandits.bmp", KILL_LABEL_W, KILL_LABEL_H},
    };
    for (const auto &p : pictures)
        dir.write_bmp(p.file, p.w, p.h, 90, 90, 90);
    dir.write_bmp("data/gfx/creature.bmp", 100, 100, 200, 10, 10);  // a leaked one shows
    for (const char *anim : {KOLT_ANIM, CARTRIDGES_ANIM, DOOR_ANIM})
        dir.write(string("data/text/") + anim, anim_text(1));
    for (const char *sound : {"colt", "b_colt", "dead01", "reload"})
        dir.write_wav(string("data/sound/") + sound + ".wav");
    install_sound(DIGI_NONE, MIDI_NONE, nullptr);   // init_all's own install then finds it there
    // destroy_all releases the screens and pointers too: not the ones of the run.
    BITMAP *kept[] = {game_screen, game_screen2, mouse_pointer, mouse_pointer2, mouse_shot};
    game_screen = game_screen2 = mouse_pointer = mouse_pointer2 = mouse_shot = nullptr;
    long before = 0;
    for (int round = 0; round < 2; round++) {   // the second leaves memory as it found it
        before = round ? (long)mallinfo2().uordblks : 0;
        init_all();
        EXPECT_TRUE(init_all_done && bfont1 && bfont2 && bstar1 && bhole[3] && !bhole[4] && bbandits && kolt_anim && nabojnik_anim);
        for (int i = 0; i < DOOR_COUNT; i++)
            EXPECT_NE(dvere[i].anim_object, nullptr) << "door " << i;
        destroy_all();
        EXPECT_TRUE(!init_all_done && !bfont1 && !bfont2 && !bstar1 && !bhole[0] && !bhole[3] && !bhead[2] && !bmhole &&
                    !bbandits && !kolt_anim && !nabojnik_anim && !dvere[DOOR_COUNT - 1].anim_object && !s_shot);
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
            string message = fatal_of([] { init_all(); });
            EXPECT_NE(message.find(p.file + ": the picture is " + to_string(w) + " x " + to_string(h)), string::npos) << message;
            destroy_all();
        }
        dir.write_bmp(p.file, p.w, p.h, 90, 90, 90);
    }
    remove_sound();
    game_screen = kept[0], game_screen2 = kept[1], mouse_pointer = kept[2], mouse_pointer2 = kept[3], mouse_shot = kept[4];
}

}  // namespace

