// Shared set-up of the comic player tests: a memory back buffer, a clock that
// only moves when the player sleeps, and input scripted against that clock so
// that blocking waits (delays, pauses, button waits) can be driven from a test.
#ifndef TEST_COMIX_FIXTURE_H
#define TEST_COMIX_FIXTURE_H

#include <allegro.h>
#include <gtest/gtest.h>
#include <string.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "close_focus.h"
#include "comix.h"
#include "input.h"
#include "pacing.h"
#include "sound.h"
#include "test_support.h"
#include "variable.h"

namespace comix_test {

using Ints = std::vector<long>;
struct CloseRequested {};

// Actions run at the first sleep at or after their time, once.
inline std::vector<std::pair<unsigned long, std::function<void()>>> &events()
{
    static std::vector<std::pair<unsigned long, std::function<void()>>> list;
    return list;
}
inline unsigned long now_us() { return fake_clock::now(); }
inline void at_ms(unsigned long ms, std::function<void()> action) { events().push_back({ms * 1000UL, action}); }
inline void scripted_sleep()
{
    if (now_us() > 120000000UL) throw std::runtime_error("the comic did not end in two minutes");
    for (auto &e : events())
        if (e.second && now_us() >= e.first) std::exchange(e.second, nullptr)();
}
inline int rgb(int r, int g, int b) { return makecol(r, g, b); }

class ComixTest : public ::testing::Test {
protected:
    ScratchDir dir;
    FatalErrors fatal;

    void reset()
    {
        memset((void *)key, 0, KEY_MAX);
        mouse_b = mouse_x = mouse_y = close_requested = 0;
        click_latch_clear();
        close_handler = nullptr;
        events().clear();
        memset(v_image, 0, sizeof v_image);
        scroll_tempo = scroll_x = scroll_y = scroll_tempo_old = 0;
        for (int i = 0; i < COMIX_SLOTS; i++) {
            destroy_bitmap(c_image[i]);
            destroy_sample(c_sound[i]);
            c_image[i] = nullptr, c_sound[i] = nullptr;
        }
    }
    void SetUp() override
    {
        reset();
        fake_clock::install(0, 1, scripted_sleep);
        frame_stats_reset();
        spec_cas = 0, cas = 1000, sound_volume = 70;
        clear_to_color(game_screen = create_bitmap(SCREEN_WIDTH, SCREEN_HEIGHT), rgb(1, 2, 3));
    }
    void TearDown() override
    {
        reset();
        destroy_bitmap(game_screen);
        game_screen = nullptr;
        fake_clock::uninstall();
    }
    void play(const std::string &text)      // as data/comix/test.cmx
    {
        dir.write("data/comix/test.cmx", text);
        comix_play("test.cmx");
    }
    int pixel(int x, int y) const { return getpixel(game_screen, x, y); }
    // A shown image of w x h at (x, y), cut from slot `slot` at (0, 0).
    VIRTUAL_IMAGE_TYPE &image(int n, int slot, int x, int y, int w, int h)
    {
        VIRTUAL_IMAGE_TYPE &v = v_image[n] = VIRTUAL_IMAGE_TYPE{};
        v.image = slot, v.X = v.new_X = x, v.Y = v.new_Y = y, v.width = w, v.height = h;
        v.tempo = v.anim_pingpong = v.visible = 1;
        v.old = v.anim_tempo_old = cas;
        return v;
    }
    BITMAP *picture(int slot, int w, int h, int colour)
    {
        clear_to_color(c_image[slot] = create_bitmap(w, h), colour);
        return c_image[slot];
    }
    void tick_at(long t) { cas = t, move_all(); }
};

}  // namespace comix_test

#endif
