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
#include "world.h"

namespace game_test {

// Colour of step `step` of slot `slot` of a test animation: every picture
// frame has its own colour, so a pixel tells which one was drawn.
inline int anim_colour(int base, int slot, int step)
{
    return makecol(base, 20 + slot * 20, 10 + step * 40);
}

inline BITMAP *paint_solid(int w, int h, int base, int slot, int step, int)
{
    BITMAP *b = create_bitmap(w, h);
    clear_to_color(b, anim_colour(base, slot, step));
    return b;
}

// An animation object whose slots each have `steps[slot]` steps; every step
// is its own w x h picture frame filled with anim_colour(base, slot, step),
// drawn with the offsets (move_x, move_y).
inline ANIM_OBJECT_STRUCTURE *make_anim(int base, std::initializer_list<int> steps, int w, int h,
                                        int move_x = 0, int move_y = 0)
{
    return world::anim(steps, w, h, paint_solid, base, move_x, move_y);
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

// The world in the colours above: every whole-run picture solid.
inline BITMAP *world_picture(int w, int h, world::Picture which)
{
    int colour = hole_colour();
    switch (which) {
    case world::STAR: colour = star_colour(); break;
    case world::HEAD_0: case world::HEAD_1: case world::HEAD_2: colour = head_colour(which - world::HEAD_0); break;
    case world::CHEAT_LIFE: colour = cheat_life_colour(); break;
    case world::CHEAT_CIVIL: colour = civil_colour(); break;
    case world::BANDITS: colour = bandits_label_colour(); break;
    case world::MARK: colour = hit_mark_colour(); break;
    case world::HOLE: break;
    }
    BITMAP *b = create_bitmap(w, h);
    clear_to_color(b, colour);
    return b;
}

// The door leaf: closed (step 0) it covers the doorway, open (step 3) only
// a strip of 10 pixels at the left stays.
inline ANIM_OBJECT_STRUCTURE *world_door(int door)
{
    ANIM_OBJECT_STRUCTURE *a = make_anim(DOOR_BASE + door, {4}, 102, 236);
    for (int s = 1; s < 4; s++) {
        BITMAP *b = a->image[s];
        int keep = 102 - s * 30;
        rectfill(b, keep, 0, 101, 235, bitmap_mask_color(b));
    }
    return a;
}

inline const world::Look &test_look()
{
    static const world::Look look = {
        world_picture,
        [](BITMAP *street) { clear_to_color(street, background_colour()); },
        world_door,
        [] { return make_anim(KOLT_BASE, {2, 2, 2, 2, 2, 2, 2}, 11, 60); },
        [] { return make_anim(CARTRIDGE_BASE, {2, 2, 2, 2, 2, 2, 2}, 21, 20); },
    };
    return look;
}

// The whole-run resources and a clean game state, in memory.
class GameWorld : public ::testing::Test {
protected:
    void SetUp() override
    {
        fake_clock::install(1000000);   // 100 ticks in
        cas = spec_cas = 0;
        brix_timer();
        frame_stats_reset();    // frame pacing starts afresh on the new clock
        world::build(test_look());
        test_screen = create_bitmap(SCREEN_WIDTH, SCREEN_HEIGHT);
        saved_screen = screen;
        screen = test_screen;
        mouse_shot = solid(8, 8, 255, 255, 255);
        mouse_pointer = solid(8, 8, 255, 255, 254);
        kolt_X = MIDDLE_SECTOR;

        object_count = decoration_count = 0;
        for (auto &s : small_object)
            s = SMALL_OBJECT_STRUCTURE{};
        for (auto &d : dira)
            d = DIRA_STRUCT{};
        vrstva[0].image = nullptr;
        level = next_level = 1;
        komix_start[0] = komix_finish[0] = '\0';
        refresh_door = max_pravdepodobnost = 0;
        level_mode = MODE_ORDINARY;
        max_doors_open = DOOR_COUNT;
        max_level_bandit = 20;
        pocet_naboju = max_pocet_naboju = CYLINDER_SIZE;
        celkem_naboju = 44;
        pocet_zivotu = 3;
        pocet_hitu = pocet_zabitych = score = 0;
        obtiznost = DIFFICULTY_EASY;
        shot_last_time = reload_last_time = 0;
        shot_show = reload_show = life_cheat = kill_civil_cheat = 0;
        game_phase_reset();
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
        world::release();
        screen = saved_screen;
        release(test_screen);
        release(mouse_shot);
        release(mouse_pointer);
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
