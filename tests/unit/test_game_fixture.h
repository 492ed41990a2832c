// A small game world built in memory for the game tests: animation objects
// made of solid-colour memory bitmaps, creatures and decorations filled in by
// hand, a fake clock and scripted input.  Nothing here reads the data tree.
#ifndef TEST_GAME_FIXTURE_H
#define TEST_GAME_FIXTURE_H

#include <allegro.h>
#include <gtest/gtest.h>
#include <stdlib.h>

#include <initializer_list>
#include <vector>

#include "close_focus.h"
#include "game.h"
#include "init.h"
#include "input.h"
#include "pacing.h"
#include "sound.h"
#include "test_support.h"
#include "variable.h"

namespace game_test {

// Colour of step `step` of slot `slot` of a test animation: every picture
// frame has its own colour, so a pixel tells which one was drawn.
inline int anim_colour(int base, int slot, int step)
{
    return makecol(base, 20 + slot * 20, 10 + step * 40);
}

// An animation object whose slots each have `steps[slot]` steps; every step
// is its own w x h picture frame filled with anim_colour(base, slot, step),
// drawn with the offsets (move_x, move_y).  A `window` > 0 leaves only the
// left `window` columns of each picture opaque (the rest is the mask colour),
// like a door leaf that swings open.
inline ANIM_OBJECT_STRUCTURE *make_anim(int base, std::initializer_list<int> steps, int w, int h,
                                        int move_x = 0, int move_y = 0, int window = 0)
{
    ANIM_OBJECT_STRUCTURE *a = (ANIM_OBJECT_STRUCTURE *)calloc(1, sizeof *a);
    int frames = 0;
    for (int n : steps)
        frames += n;
    a->bitmap_count = frames;
    a->frame_count = frames;
    a->image = (BITMAP **)calloc(frames ? frames : 1, sizeof(BITMAP *));
    a->frame = (ONE_FRAME_STRUCTURE *)calloc(frames ? frames : 1, sizeof(ONE_FRAME_STRUCTURE));
    int f = 0, slot = 0;
    for (int n : steps) {
        ANIMATION_STRUCTURE *an = &a->animation[slot];
        an->count = n;
        an->frame = n ? (FRAME_STRUCTURE *)calloc(n, sizeof(FRAME_STRUCTURE)) : nullptr;
        for (int s = 0; s < n; s++, f++) {
            BITMAP *b = create_bitmap(w, h);
            clear_to_color(b, anim_colour(base, slot, s));
            if (window > 0 && window < w)
                rectfill(b, window, 0, w - 1, h - 1, bitmap_mask_color(b));
            a->image[f] = b;
            a->frame[f] = ONE_FRAME_STRUCTURE{f, 0, 0, w, h, move_x, move_y};
            an->frame[s].index = f;
        }
        slot++;
    }
    return a;
}

inline BITMAP *solid(int w, int h, int r, int g, int b)
{
    BITMAP *bmp = create_bitmap(w, h);
    clear_to_color(bmp, makecol(r, g, b));
    return bmp;
}

inline void release(BITMAP *&b)
{
    if (b)
        destroy_bitmap(b);
    b = nullptr;
}

// Colours of the fixed pictures.
inline int background_colour() { return makecol(90, 60, 30); }
inline int star_colour() { return makecol(250, 220, 0); }
inline int head_colour(int hits) { return makecol(200, 100 + hits * 40, 100); }
inline int cheat_life_colour() { return makecol(10, 200, 10); }
inline int civil_colour() { return makecol(10, 10, 200); }
inline int bandits_label_colour() { return makecol(90, 30, 20); }
inline int hit_mark_colour() { return makecol(255, 0, 0); }
inline int hole_colour() { return makecol(128, 128, 128); }

// Base colours of the test animations (the red channel of anim_colour).
enum { DOOR_BASE = 40, KOLT_BASE = 60, CARTRIDGE_BASE = 80, CREATURE_BASE = 120, DECOR_BASE = 160 };

// The whole-run resources and a clean game state, in memory.
class GameWorld : public ::testing::Test {
protected:
    void SetUp() override
    {
        fake_clock::install(1000000);   // 100 ticks in
        cas = spec_cas = 0;
        brix_timer();
        frame_stats_reset();    // frame pacing starts afresh on the new clock
        game_screen = create_bitmap(SCREEN_WIDTH, SCREEN_HEIGHT);
        game_screen2 = create_bitmap(SCREEN_WIDTH, SCREEN_HEIGHT);
        clear_to_color(game_screen2, background_colour());
        test_screen = create_bitmap(SCREEN_WIDTH, SCREEN_HEIGHT);
        saved_screen = screen;
        screen = test_screen;
        bstar1 = solid(80, 78, 250, 220, 0);
        for (int i = 0; i < 3; i++)
            bhead[i] = solid(113, 104, 200, 100 + i * 40, 100);
        bcheat_life = solid(113, 104, 10, 200, 10);
        bcheat_civil = solid(40, 46, 10, 10, 200);
        bbandits = solid(20, 26, 90, 30, 20);
        bmhole = solid(160, 160, 255, 0, 0);
        for (int i = 0; i < 4; i++)
            bhole[i] = solid(6, 6, 128, 128, 128);
        mouse_shot = solid(8, 8, 255, 255, 255);
        mouse_pointer = solid(8, 8, 255, 255, 254);
        static const int door_x[3] = {30, 251, 473};
        for (int i = 0; i < DOOR_COUNT; i++) {
            // The door leaf: closed (step 0) it covers the doorway, open
            // (step 3) only a strip of 10 pixels at the left stays.
            dvere[i].anim_object = make_anim(DOOR_BASE + i, {4}, 102, 236);
            for (int s = 1; s < 4; s++) {
                BITMAP *b = dvere[i].anim_object->image[s];
                int keep = 102 - s * 30;
                rectfill(b, keep, 0, 101, 235, bitmap_mask_color(b));
            }
            dvere[i].X = door_x[i];
            dvere[i].Y = 83;
        }
        static const int sector_x[7] = {150, 205, 260, 320, 380, 435, 490};
        for (int i = 0; i < 7; i++)
            kolt[i].X = sector_x[i];
        kolt_X = 3;
        kolt_anim = make_anim(KOLT_BASE, {2, 2, 2, 2, 2, 2, 2}, 11, 60);
        nabojnik_anim = make_anim(CARTRIDGE_BASE, {2, 2, 2, 2, 2, 2, 2}, 21, 20);

        object_count = decoration_count = 0;
        for (auto &s : small_object)
            s = SMALL_OBJECT_STRUCTURE{};
        for (auto &d : dira)
            d = DIRA_STRUCT{};
        vrstva[0].image = nullptr;
        level = next_level = 1;
        komix_start[0] = komix_finish[0] = '\0';
        refresh_door = level_mode = max_pravdepodobnost = 0;
        max_doors_open = 3;
        max_level_bandit = 20;
        pocet_naboju = max_pocet_naboju = 6;
        celkem_naboju = 44;
        pocet_zivotu = 3;
        pocet_hitu = pocet_zabitych = score = obtiznost = 0;
        shot_last_time = reload_last_time = 0;
        shot_show = reload_show = life_cheat = kill_civil_cheat = quit_flag = bang = 0;
        bang_time = finish_time = duel_time = 0;
        sound_volume = 70;      // every sound handle here is null: nothing may play
        s_shot = s_reload = nullptr;
        mouse_x = 320;
        mouse_y = 200;
        clear_input();
        close_handler = nullptr;
        close_requested = 0;
        srand(1234);
    }

    void TearDown() override
    {
        destroy_level();
        release(game_screen);
        release(game_screen2);
        screen = saved_screen;
        release(test_screen);
        release(bstar1);
        for (auto &b : bhead)
            release(b);
        release(bcheat_life);
        release(bcheat_civil);
        release(bbandits);
        release(bmhole);
        for (int i = 0; i < 4; i++)
            release(bhole[i]);
        release(mouse_shot);
        release(mouse_pointer);
        for (auto &d : dvere) {
            destroy_anim_object(d.anim_object);
            d.anim_object = nullptr;
        }
        destroy_anim_object(kolt_anim);
        destroy_anim_object(nabojnik_anim);
        kolt_anim = nabojnik_anim = nullptr;
        fake_clock::uninstall();
        clear_input();
    }

    static void clear_input()
    {
        mouse_b = 0;
        for (int k = 0; k < KEY_MAX; k++)
            key[k] = 0;
        click_latch_clear();
    }

    // A creature kind in object[index]: its ticks, delay and weight.  Its
    // animation has slots 0..4 (the poses), 100 x 210, move_X -16 like the
    // real creatures.
    OBJECT_STRUCTURE &creature(int index, std::initializer_list<int> ticks, int type = 1, int delay = 10,
                               int weight = 1, int points = 100)
    {
        OBJECT_STRUCTURE &o = object[index];
        destroy_object(index);      // a creature set up before in this entry
        o = OBJECT_STRUCTURE{};
        o.anim_object = make_anim(CREATURE_BASE + index, {1, 1, 1, 1, 1}, 100, 210, -16, 0);
        o.type = type;
        o.delay = delay;
        o.score = points;
        int t = 0;
        for (int v : ticks)
            o.tick[t++] = v;
        o.end_tick = t;
        if (index >= object_count)
            object_count = index + 1;
        max_pravdepodobnost += weight;
        o.vaha = max_pravdepodobnost;
        return o;
    }

    // A decoration at (x, y) whose picture frame 0 is w x h.
    DECORATION_STRUCTURE &decor(int index, int x, int y, int w, int h, int type = 0)
    {
        DECORATION_STRUCTURE &e = decoration[index];
        e = DECORATION_STRUCTURE{};
        e.anim_object = make_anim(DECOR_BASE + index * 8, {1, 1}, w, h);
        e.type = type;
        e.X = x;
        e.Y = y;
        if (index >= decoration_count)
            decoration_count = index + 1;
        return e;
    }

    // Moves the game clock on by whole ticks (the fake source and cas agree).
    void advance(int ticks)
    {
        fake_clock::advance_us((unsigned long)ticks * 10000UL);
        brix_timer();
    }

    // Steps pohni_objekty with the clock moved on by `ticks` before each.
    void step(int ticks = 1, int times = 1)
    {
        for (int i = 0; i < times; i++) {
            advance(ticks);
            pohni_objekty();
        }
    }

    int at(int x, int y) const { return getpixel(game_screen, x, y); }

    BITMAP *test_screen = nullptr;
    BITMAP *saved_screen = nullptr;
};

}  // namespace game_test

#endif
