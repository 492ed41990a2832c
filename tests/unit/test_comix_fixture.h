// Shared set-up of the comic player tests: a memory back buffer (no screen),
// a clock that only moves when the player sleeps, and input events scripted
// against that clock so that blocking waits (delays, pauses, button waits)
// can be driven from a test.
#ifndef TEST_COMIX_FIXTURE_H
#define TEST_COMIX_FIXTURE_H

#include <allegro.h>
#include <gtest/gtest.h>
#include <string.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "close_focus.h"
#include "comix.h"
#include "input.h"
#include "pacing.h"
#include "sound.h"
#include "test_support.h"
#include "variable.h"

namespace comix_test {

// Thrown when a test's comic would run on for ever.
struct RanAway : std::runtime_error {
    using std::runtime_error::runtime_error;
};

#define COMIX_TEST_TIME_LIMIT_US 120000000UL   // two minutes of comic time

struct Event {
    unsigned long at_us;
    std::function<void()> action;
    bool done;
};

inline unsigned long now_us() { return fake_clock::now(); }
inline std::vector<Event> &events()
{
    static std::vector<Event> list;
    return list;
}
inline long sleeps() { return fake_clock::sleeps(); }

inline void fire_due()
{
    for (Event &e : events())
        if (!e.done && now_us() >= e.at_us) {
            e.done = true;
            e.action();
        }
}

// After every sleep of the fake clock.
inline void scripted_sleep()
{
    if (now_us() > COMIX_TEST_TIME_LIMIT_US)
        throw RanAway("the comic did not end");
    fire_due();
}

// Runs `action` at the first sleep at or after `ms` milliseconds.
inline void at_ms(unsigned long ms, std::function<void()> action)
{
    events().push_back(Event{ms * 1000UL, std::move(action), false});
}

struct CloseRequested {};

class ComixTest : public ::testing::Test {
protected:
    ScratchDir dir;
    FatalErrors fatal;

    void SetUp() override
    {
        events().clear();
        fake_clock::install(0, 1, scripted_sleep);
        frame_stats_reset();
        spec_cas = 0;
        cas = 1000;
        game_screen = create_bitmap(SCREEN_WIDTH, SCREEN_HEIGHT);
        clear_to_color(game_screen, makecol(1, 2, 3));
        memset((void *)key, 0, KEY_MAX);
        mouse_b = 0;
        click_latch_clear();
        close_requested = 0;
        close_handler = nullptr;
        sound_volume = 70;
        memset(v_image, 0, sizeof v_image);
        scroll_tempo = scroll_x = scroll_y = 0;
        scroll_tempo_old = 0;
    }

    void TearDown() override
    {
        for (int i = 0; i < COMIX_SLOTS; i++) {
            if (c_image[i])
                destroy_bitmap(c_image[i]);
            c_image[i] = nullptr;
            if (c_sound[i])
                destroy_sample(c_sound[i]);
            c_sound[i] = nullptr;
        }
        destroy_bitmap(game_screen);
        game_screen = nullptr;
        memset((void *)key, 0, KEY_MAX);
        mouse_b = 0;
        click_latch_clear();
        close_requested = 0;
        close_handler = nullptr;
        events().clear();
        fake_clock::uninstall();
    }

    // Writes data/comix/<name> and plays it.
    void play(const std::string &text, const std::string &name = "test.cmx")
    {
        dir.write("data/comix/" + name, text);
        comix_play(name.c_str());
    }

    int pixel(int x, int y) const { return getpixel(game_screen, x, y); }
};

inline int rgb(int r, int g, int b) { return makecol(r, g, b); }

}  // namespace comix_test

#endif
