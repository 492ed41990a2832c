// input.cpp -- the input latches of the mouse button and the keys.
#include "input.h"

#include <allegro.h>

#include <atomic>

#include "pacing.h"
#include "present.h"
#include "variable.h"

// The latch holds the press's place (display pixels, packed as Allegro packs
// mouse_pos) and its time, so that a shot lands where the button went down
// and the statistics can tell how long the press took to reach the display.
static std::atomic<int> left_latch{0};
static std::atomic<int> latch_place{0};
static std::atomic<unsigned long> latch_us{0};
static void (*chained_mouse_callback)(int flags) = nullptr;

#define PACK_PLACE(x, y) (((x) << 16) | ((y) & 0xffff))

void click_latch_press_at(int x, int y)
{
    latch_place.store(PACK_PLACE(x, y));
    latch_us.store(brix_now_us());
    left_latch.store(1);
}

void click_latch_press(void) { click_latch_press_at(mouse_x, mouse_y); }
void click_latch_clear(void) { left_latch.store(0); }

static void latch_mouse_callback(int flags)
{
    // Called as the press is taken in: mouse_pos is where the button went
    // down, whatever the pointer does before the frame reads the latch.
    if (flags & MOUSE_FLAG_LEFT_DOWN) {
        int pos = mouse_pos;
        click_latch_press_at(pos >> 16, pos & 0xffff);
    }
    if (chained_mouse_callback)
        chained_mouse_callback(flags);
}
END_OF_STATIC_FUNCTION(latch_mouse_callback)

void click_latch_install(void)
{
    if (mouse_callback != latch_mouse_callback) {
        chained_mouse_callback = mouse_callback;
        mouse_callback = latch_mouse_callback;
    }
}

int left_clicked_at(int *x, int *y)
{
    int latched = left_latch.exchange(0);
    int place = latched ? latch_place.load() : PACK_PLACE(mouse_x, mouse_y);
    if (latched)
        frame_stats_press(latch_us.load());
    if (x)
        *x = game_x_of(place >> 16);
    if (y)
        *y = game_y_of(place & 0xffff);
    return (mouse_b & 1) || latched;
}

int left_clicked(void)
{
    return left_clicked_at(nullptr, nullptr);
}

// Fresh presses per scancode; `key_down` tells a repeat from a press.
static std::atomic<int> key_presses[KEY_MAX];
static volatile char key_down[KEY_MAX];

void key_latch_event(int scancode)
{
    int sc = scancode & 0x7f;
    if (sc >= KEY_MAX)
        return;
    if (scancode & 0x80) {
        key_down[sc] = 0;
    } else {
        if (!key_down[sc])
            key_presses[sc].fetch_add(1);
        key_down[sc] = 1;
    }
}

static void key_latch_callback(int scancode)
{
    key_latch_event(scancode);
}
END_OF_STATIC_FUNCTION(key_latch_callback)

void key_latch_install(void)
{
    keyboard_lowlevel_callback = key_latch_callback;
}

void key_latch_clear(void)
{
    for (int i = 0; i < KEY_MAX; i++)
        key_presses[i].store(0);
}

int key_pressed(int scancode)
{
    if (scancode <= 0 || scancode >= KEY_MAX)
        return 0;
    int n = key_presses[scancode].load();
    while (n > 0 && !key_presses[scancode].compare_exchange_weak(n, n - 1)) {
    }
    return n > 0;
}

int key_hit(int scancode)
{
    int pressed = key_pressed(scancode);
    return pressed || (scancode > 0 && scancode < KEY_MAX && key[scancode]);
}
