// The one fixture of the game tests: a small game world built in memory
// (every picture one colour of its own, so that a pixel tells what was drawn
// there), the notices' plates and a two-level script in a scratch folder,
// a fake clock, scripted input, and stand-ins for the comics, the quit dialog
// and the top-ten table that record what the game asked of them.
#ifndef TEST_GAME_FIXTURE_H
#define TEST_GAME_FIXTURE_H

#include <allegro.h>
#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "close_focus.h"
#include "comix.h"
#include "game.h"
#include "init.h"
#include "input.h"
#include "menu.h"
#include "notice.h"
#include "pacing.h"
#include "present.h"
#include "sound.h"
#include "test_support.h"
#include "texts.h"
#include "variable.h"
#include "world.h"

namespace game_test {

using V = std::vector<long>;    // several values checked at once

// Step `step` of slot `slot` of a test animation whose red is `base`.
inline int anim_colour(int base, int slot, int step) { return makecol(base, 20 + slot * 20, 10 + step * 40); }

inline BITMAP *solid(int w, int h, int colour) { BITMAP *b = create_bitmap(w, h); clear_to_color(b, colour); return b; }

inline ANIM_OBJECT_STRUCTURE *make_anim(int base, std::initializer_list<int> steps, int w, int h, int move_x = 0)
{
    return world::anim(
        steps, w, h, [](int w, int h, int base, int slot, int step, int) { return solid(w, h, anim_colour(base, slot, step)); },
        base, move_x, 0);
}

inline void release(BITMAP *&b) { if (b) destroy_bitmap(b); b = nullptr; }

inline int background_colour() { return makecol(90, 60, 30); }
inline int star_colour() { return makecol(250, 220, 0); }
inline int head_colour(int hits) { return makecol(200, 100 + hits * 40, 100); }
inline int cheat_life_colour() { return makecol(10, 200, 10); }
inline int civil_colour() { return makecol(10, 10, 200); }
inline int bandits_label_colour() { return makecol(90, 30, 20); }
inline int hit_mark_colour() { return makecol(255, 0, 0); }
inline int hole_colour() { return makecol(128, 128, 128); }
inline int sight_colour() { return makecol(255, 255, 255); }
inline int hand_colour() { return makecol(255, 255, 254); }
inline int plate_colour() { return makecol(230, 210, 160); }
inline int summary_colour() { return makecol(200, 180, 120); }
inline int hint_colour() { return makecol(40, 40, 160); }
inline int puff_colour(int step, int light) { return makecol(250, 60 + step * 60, light ? 250 : 20); }
inline int digit_colour(int digit) { return makecol(40 + digit * 10, 0, 250); }     // the dollar is digit -1
inline int letter_colour(char c) { return makecol(0, 30 + (c - 'A') * 5, 250); }

// Red of the test animations.
enum { DOOR_BASE = 40, KOLT_BASE = 60, CARTRIDGE_BASE = 80, CREATURE_BASE = 120, DECOR_BASE = 160 };


// The door leaf, 102 x 236: shut (step 0) it covers the doorway; half shut
// (1) and nearly open (2) keep their left 72 and 42 columns; open (3) it has
// swung to the far side and keeps only columns 92..101.  So a pixel at
// column 5 tells the last of steps 0..2 drawn, one at column 95 whether the
// open step was drawn.
inline const world::Look &test_look()
{
    static const world::Look look = {
        [](int w, int h, world::Picture which) {
            const int colour[] = {star_colour(),  head_colour(0),         head_colour(1),    head_colour(2), cheat_life_colour(),
                                  civil_colour(), bandits_label_colour(), hit_mark_colour(), hole_colour()};
            return solid(w, h, colour[which]);
        },
        [](BITMAP *street) { clear_to_color(street, background_colour()); },
        [](int door) {
            ANIM_OBJECT_STRUCTURE *a = make_anim(DOOR_BASE + door, {DOOR_STEPS}, 102, 236);
            for (int s = 1; s < DOOR_STEPS; s++)
                rectfill(a->image[s], s == DOOR_OPEN_STEP ? 0 : 102 - s * 30, 0, s == DOOR_OPEN_STEP ? 91 : 101, 235,
                         bitmap_mask_color(a->image[s]));
            return a;
        },
        [] { return make_anim(KOLT_BASE, {2, 2, 2, 2, 2, 2, 2}, 11, 60); },
        [] { return make_anim(CARTRIDGE_BASE, {2, 2, 2, 2, 2, 2, 2}, 21, 20); },
    };
    return look;
}

// What the stand-ins for the comics, the quit dialog and the table saw,
// and what they do.
struct StandIns {
    std::vector<std::string> comics;            // every comic played, by name
    std::vector<unsigned long> comic_at_us;     // ... and the clock's reading when it began
    std::vector<int> tables;                    // the score of every top-ten table shown
    int dialogs = 0, dialog_answer = 0;         // quit dialogs opened; 1 = the player says yes
    unsigned long comic_us = 0;                 // how long the player reads a comic
    std::function<void()> in_comic;             // what the player does in a comic
    std::function<void()> on_sleep;             // runs after every wait of the game
};
inline StandIns seen;

// Two ordinary levels: a quota of 2 with both comics, then a quota of 3
// with 4 bullets.  Their creature never comes out (MAX_DOORS_OPEN 0).
const char *const two_levels =
    "LEVEL 1\nCREATURE man.txt 1\nBACK back.bmp\nMODE 0\nMAX_DOORS_OPEN 0\nMAX_BANDIT 2\n"
    "KOMIX_START s1.cmx\nKOMIX_FINISH f1.cmx\nNEXT 2\nEND_OF_LEVEL 1\n"
    "LEVEL 2\nCREATURE man.txt 1\nBACK back.bmp\nMODE 0\nMAX_DOORS_OPEN 0\nMAX_BANDIT 3\nBULLETS 4\n"
    "KOMIX_START s2.cmx\nNEXT 1\nEND_OF_LEVEL 2\n";

class GameWorld : public ::testing::Test {
protected:
    void SetUp() override
    {
        seen = StandIns{};
        fake_clock::install(1000000, 1, [] { if (seen.on_sleep) seen.on_sleep(); });    // 100 ticks in
        cas = spec_cas = 0;
        brix_timer(), frame_stats_reset();
        close_screens();
        world::build(test_look());
        saved_screen = screen, screen = test_screen = create_bitmap(SCREEN_WIDTH, SCREEN_HEIGHT);
        present_init(1), set_pointer(mouse_shot = solid(64, 64, sight_colour()));
        mouse_pointer = solid(64, 64, hand_colour());
        make_fonts(), write_files();
        // A fixture derived from this one may have made another scratch
        // folder the working folder: the notices load from this one.
        std::filesystem::path cwd = std::filesystem::current_path();
        std::filesystem::current_path(dir.path()), notice_init(), std::filesystem::current_path(cwd);

        object_count = decoration_count = hand_reloads = 0;
        std::fill(std::begin(small_object), std::end(small_object), SMALL_OBJECT_STRUCTURE{});
        std::fill(std::begin(dira), std::end(dira), DIRA_STRUCT{});
        vrstva[0].image = nullptr, komix_start[0] = komix_finish[0] = '\0';
        level = next_level = 1, level_mode = MODE_ORDINARY, kolt_X = MIDDLE_SECTOR, max_doors_open = DOOR_COUNT;
        refresh_door = max_pravdepodobnost = 0, max_level_bandit = 20, celkem_naboju = 44, pocet_zivotu = 3;
        pocet_naboju = max_pocet_naboju = CYLINDER_SIZE, obtiznost = DIFFICULTY_EASY;
        pocet_hitu = pocet_zabitych = score = shot_last_time = reload_last_time = 0;
        shot_show = reload_show = life_cheat = kill_civil_cheat = close_requested = focus_lost = 0;
        game_phase_reset();
        sound_volume = 70, s_shot = s_reload = nullptr;     // loud effects, null samples: sounds pass untouched
        mouse_x = 320, mouse_y = 200;
        clear_input();
        game_comix = [](const char *name) {
            seen.comics.push_back(name), seen.comic_at_us.push_back(fake_clock::now());
            if (seen.in_comic)
                seen.in_comic();
            fake_clock::advance_us(seen.comic_us);
            return 0;
        };
        game_topten = [](int s) { seen.tables.push_back(s); return 0; };
        game_yesno = [] { seen.dialogs++; set_pointer(mouse_pointer); return seen.dialog_answer; };
        srand(1234);
    }

    void TearDown() override
    {
        seen = StandIns{};
        game_comix = comix_play, game_topten = menu_topten, game_yesno = menu_yesno;
        close_requested = 0;
        destroy_level(), notice_destroy(), world::release(), present_exit();
        screen = saved_screen;
        for (BITMAP **b : {&test_screen, &mouse_shot, &mouse_pointer, &bfont1, &bfont2})
            release(*b);
        fake_clock::uninstall(), clear_input(), close_screens();
    }

    // No screen of the frame statistics left open by a run a test broke off.
    static void close_screens() { for (int i = 0; i < 16; i++) screen_end(); }

    static void clear_input()
    {
        mouse_b = 0;
        for (int k = 0; k < KEY_MAX; k++)
            key[k] = 0, key_latch_event(k | 0x80);
        key_latch_clear();
        click_latch_clear();
        close_handler = nullptr;
    }

    // Fonts whose every cell is a colour of its own.
    static void make_fonts()
    {
        bfont1 = create_bitmap(DIGIT_CELLS * DIGIT_W, DIGIT_H);
        bfont2 = create_bitmap(LETTER_CELLS * LETTER_W, LETTER_H);
        for (int c = 0; c < DIGIT_CELLS || c < LETTER_CELLS; c++) {
            rectfill(bfont1, c * DIGIT_W, 0, (c + 1) * DIGIT_W - 1, DIGIT_H - 1, digit_colour(c - 1));
            rectfill(bfont2, c * LETTER_W, 0, (c + 1) * LETTER_W - 1, LETTER_H - 1, letter_colour('A' + c));
        }
    }

    // The notices' pictures and sound, and the files of the two levels.
    void write_files() const
    {
        auto paper = [&](const char *rel, int w, int h, int c) { dir.write_bmp(rel, w, h, getr(c), getg(c), getb(c)); };
        paper("data/gfx/level/plate.bmp", 112, 29, plate_colour());
        paper("data/gfx/level/summary.bmp", 300, 180, summary_colour());
        paper("data/gfx/level/hint.bmp", 212, 29, hint_colour());
        BITMAP *puff = create_bitmap(3 * 64, 2 * 64);    // three steps of light, then dark dust
        for (int step = 0; step < 3; step++)
            for (int light = 0; light < 2; light++)
                rectfill(puff, step * 64, 64 - light * 64, step * 64 + 63, 127 - light * 64, puff_colour(step, light));
        save_bmp((dir.path() + "/data/gfx/level/puff.bmp").c_str(), puff, nullptr), destroy_bitmap(puff);
        for (const char *wav : {"data/sound/dry.wav", "data/sound/a.wav"})
            dir.write_wav(wav);
        dir.write(LEVEL_SCRIPT_PATH, two_levels);
        dir.write_bmp("data/gfx/back.bmp", SCREEN_WIDTH, SCREEN_HEIGHT, 70, 80, 90);
        dir.write_bmp("data/gfx/man.bmp", 30, 40, 200, 10, 10);
        dir.write("data/text/man.txt",
                  "1\nman.bmp\n1\n0 30 40 0 0 -16 0\n5\n0 1\n0 5 0\n1 1\n0 5 0\n2 1\n0 5 0\n3 1\n0 5 0\n4 1\n0 5 0\n");
        man("man.txt", {0, 1, 1, 1, 0});
    }

    // A creature file data/object/FILE of the given ticks.
    void man(const char *file, std::vector<int> ticks, int type = TYPE_BANDIT, int child = 0) const
    {
        std::string text = "ANIMATION man.txt\nTYPE " + std::to_string(type) +
                           "\nDELAY 10\nMAX_SHOW 1\nSCORE 50\nSOUND_DEAD a.wav\nSOUND_SHOT a.wav\nSOUND_CRY a.wav\nCHILD " +
                           std::to_string(child) + "\nTICKS " + std::to_string(ticks.size()) + "\n";
        for (size_t t = 0; t < ticks.size(); t++)
            text += std::to_string(t) + " " + std::to_string(ticks[t]) + "\n";
        dir.write(std::string("data/object/") + file, text);
    }

    // Loads level 1 and starts a game on it as the menu does (with its
    // comic and READY); forgets the comic.
    void start_level_one() { game_load_level(FIRST_LEVEL), game_start(), seen.comics.clear(), seen.comic_at_us.clear(); }

    // A creature kind in object[index]: its ticks, type, delay, weight and
    // score.  Its poses are slots 0..4, 100 x 210, drawn 16 pixels left of
    // the slot's anchor like the real creatures.
    OBJECT_STRUCTURE &creature(int index, std::initializer_list<int> ticks, int type = TYPE_BANDIT, int delay = 10,
                               int weight = 1, int points = 100)
    {
        OBJECT_STRUCTURE &o = object[index];
        destroy_object(index), o = OBJECT_STRUCTURE{};
        o.anim_object = make_anim(CREATURE_BASE + index, {1, 1, 1, 1, 1}, 100, 210, -16);
        o.type = type, o.delay = delay, o.score = points;
        for (int v : ticks)
            o.tick[o.end_tick++] = v;
        object_count = std::max(object_count, index + 1);
        o.vaha = max_pravdepodobnost += weight;
        return o;
    }

    // Creature `index` in door `door` at its tick `tik`, its tick just begun.
    void put(int door, int index, int tik) { init_small(door, index), small_object[door].tik = tik, small_object[door].last_time = cas; }

    // A decoration at (x, y) whose picture frame 0 is w x h.
    DECORATION_STRUCTURE &decor(int index, int x, int y, int w, int h, int type = 0)
    {
        DECORATION_STRUCTURE &e = decoration[index];
        destroy_decoration(index), e = DECORATION_STRUCTURE{};
        e.anim_object = make_anim(DECOR_BASE + index * 8, {1, 1}, w, h);
        e.type = type, e.X = x, e.Y = y;
        decoration_count = std::max(decoration_count, index + 1);
        return e;
    }

    // Moves the game clock on by whole ticks (the fake source and cas agree).
    void advance(int ticks) { fake_clock::advance_us((unsigned long)ticks * 10000UL), brix_timer(); }

    // Steps pohni_objekty with the clock moved on by `ticks` before each.
    void step(int ticks = 1, int times = 1)
    {
        for (int i = 0; i < times; i++)
            advance(ticks), pohni_objekty();
    }

    // A click at (x, y) through the frame's shot step, from a full cylinder,
    // long after the last shot.
    int fire_at(int x, int y)
    {
        pocet_naboju = max_pocet_naboju, mouse_x = x, mouse_y = y;
        advance(40), click_latch_press();
        return game_shoot();
    }

    int at(int x, int y) const { return getpixel(game_screen, x, y); }

    ScratchDir dir;
    FatalErrors fatal;
    BITMAP *test_screen = nullptr, *saved_screen = nullptr;
};

}  // namespace game_test

#endif
