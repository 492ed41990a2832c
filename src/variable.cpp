// variable.cpp -- the shared state and the game clock.
#include "variable.h"

#include "close_focus.h"
#include "layout.h"

#include <errno.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <time.h>

// ---------------------------------------------------------------- clock
long cas = 0;
long spec_cas = 0;

static unsigned long monotonic_start_us = 0;
static int monotonic_started = 0;

// Microseconds of CLOCK_MONOTONIC since the first reading, so that the clock
// starts near 0 like a process-time clock would.
static unsigned long monotonic_now_us(void)
{
    struct timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    unsigned long us = (unsigned long)ts.tv_sec * 1000000UL + (unsigned long)(ts.tv_nsec / 1000);
    if (!monotonic_started) {
        monotonic_started = 1;
        monotonic_start_us = us;
    }
    return us - monotonic_start_us;
}

static void monotonic_sleep_us(long us)
{
    if (us <= 0)
        return;
    struct timespec ts;
    ts.tv_sec = us / 1000000L;
    ts.tv_nsec = (us % 1000000L) * 1000L;
    while (nanosleep(&ts, &ts) != 0 && errno == EINTR) {
    }
}

static brix_now_fn time_now = monotonic_now_us;
static brix_sleep_fn time_sleep = monotonic_sleep_us;

void brix_set_time_source(brix_now_fn now_us, brix_sleep_fn sleep_us)
{
    time_now = now_us ? now_us : monotonic_now_us;
    time_sleep = sleep_us ? sleep_us : monotonic_sleep_us;
}

void brix_default_time_source(void)
{
    brix_set_time_source(monotonic_now_us, monotonic_sleep_us);
}

unsigned long brix_now_us(void) { return time_now(); }
void brix_sleep_us(long us) { time_sleep(us); }

void brix_timer(void)
{
    // The difference is taken modulo 2^32 so that a wrap of the source does
    // not stop the clock; the part that does not fill a tick stays in it.
    uint32_t now = (uint32_t)time_now();
    int32_t diff = (int32_t)(now - (uint32_t)spec_cas);
    long d = diff / CLOCK_UNITS_PER_TICK;
    if (d > 0) {
        cas += d;
        spec_cas = (long)(uint32_t)((uint32_t)spec_cas + (uint32_t)(d * CLOCK_UNITS_PER_TICK));
    }
}

void brix_timer_wait(void)
{
    spec_cas = (long)(uint32_t)time_now();
}

void brix_delay(int delay)
{
    brix_timer();
    long start = cas;
    while (cas < start + delay) {
        check_close();
        time_sleep(1000);
        brix_timer();
    }
}

// ---------------------------------------------------------------- display
PALETTE pal;
int color_depth = 0;
BITMAP *game_screen = nullptr;
BITMAP *game_screen2 = nullptr;
BITMAP *mouse_pointer = nullptr;
BITMAP *mouse_pointer2 = nullptr;
BITMAP *mouse_shot = nullptr;
BITMAP *bfont1 = nullptr;
BITMAP *bfont2 = nullptr;
BITMAP *bstar1 = nullptr;
BITMAP *bhole[5] = {nullptr, nullptr, nullptr, nullptr, nullptr};
BITMAP *bmhole = nullptr;
BITMAP *bhead[3] = {nullptr, nullptr, nullptr};
BITMAP *bbang = nullptr;
BITMAP *bcheat_life = nullptr;
BITMAP *bcheat_civil = nullptr;
BITMAP *bbandits = nullptr;

// ---------------------------------------------------------------- level
VRSTVA_STRUCTURE vrstva[LAYER_COUNT];
OBJECT_STRUCTURE object[MAX_OBJECTS];
int object_count = 0;
SMALL_OBJECT_STRUCTURE small_object[DOOR_COUNT];
DVERE_OBJECT_STRUCTURE dvere[DOOR_COUNT];
DECORATION_STRUCTURE decoration[MAX_DECORATIONS];
int decoration_count = 0;
DIRA_STRUCT dira[HOLE_COUNT];

int level = 0;
int next_level = 0;
char komix_start[KOMIX_NAME_SIZE] = "";
char komix_finish[KOMIX_NAME_SIZE] = "";
int refresh_door = 0;
int max_doors_open = 0;
int level_mode = MODE_ORDINARY;
int level_time = 0;
int max_level_bandit = 0;
int max_pravdepodobnost = 0;

// ---------------------------------------------------------------- player
int pocet_naboju = CYLINDER_SIZE;
int max_pocet_naboju = CYLINDER_SIZE;
int celkem_naboju = 44;
int pocet_hitu = 0;
int pocet_zivotu = 0;
int pocet_zabitych = 0;
int score = 0;
int obtiznost = DIFFICULTY_EASY;

// ---------------------------------------------------------------- revolver
ANIM_OBJECT_STRUCTURE *kolt_anim = nullptr;
ANIM_OBJECT_STRUCTURE *nabojnik_anim = nullptr;
int kolt_X = 0;
KOLT_OBJECT_STRUCTURE kolt[KOLT_SECTORS];
long shot_last_time = 0;
long reload_last_time = 0;
int shot_show = 0;
int reload_show = 0;

// ---------------------------------------------------------------- options
int mouse_sensitivity = 0;
int life_cheat = 0;
int kill_civil_cheat = 0;

// The game loop's phase.
int quit_flag = 0;
int street_still = 0;
int bang = 0;
long bang_time = 0;
long finish_time = 0;
long duel_time = 0;
