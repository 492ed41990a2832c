// headless.cpp -- Allegro without a display, the one fatal hook and the one fake clock.
#include "headless.h"

#include <allegro.h>
#include <stdio.h>
#include <stdlib.h>
#include <time.h>

#include "boot.h"
#include "criterr.h"
#include "variable.h"

void headless_fatal_hook(const char *message)
{
    throw HeadlessFatal(message);
}

void headless_start(const char *program, int depth)
{
    if (boot_allegro(SYSTEM_NONE) != 0) {
        fprintf(stderr, "%s: cannot start Allegro\n", program);
        exit(2);
    }
    set_color_depth(depth);
    critical_error_hook = headless_fatal_hook;
}

void headless_fail(const char *program, const char *message)
{
    fprintf(stderr, "%s: %s\n", program, message);
    exit(1);
}

int headless_main(const char *program, int (*body)(int argc, char **argv), int argc, char **argv)
{
    headless_start(program);
    try {
        return body(argc, argv);
    } catch (const HeadlessFatal &e) {
        headless_fail(program, e.what());
    }
}

double now_ms(void)
{
    struct timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1000.0 + ts.tv_nsec / 1e6;
}

namespace fake_clock {
static unsigned long fake_now = 0;
static long fake_slept = 0;
static long fake_sleeps = 0;
static unsigned fake_lapse = 1;
static void (*fake_after_sleep)(void) = nullptr;
static unsigned long read_now() { return fake_now; }
static void fake_sleep(long us)
{
    fake_now += us > 0 ? (unsigned long)us * fake_lapse : 1UL;
    if (us > 0)
        fake_slept += us;
    fake_sleeps++;
    if (fake_after_sleep)
        fake_after_sleep();
}
static unsigned long read_real() { return (unsigned long)(now_ms() * 1000.0); }
static void skip_sleep(long us)
{
    if (us > 0)
        fake_slept += us;
    fake_sleeps++;
}

void install(unsigned long start_us, unsigned lapse, void (*after_sleep)(void))
{
    fake_now = start_us;
    fake_slept = fake_sleeps = 0;
    fake_lapse = lapse;
    fake_after_sleep = after_sleep;
    brix_set_time_source(read_now, fake_sleep);
}
void install_real_time(void)
{
    fake_slept = fake_sleeps = 0;
    brix_set_time_source(read_real, skip_sleep);
}
void uninstall(void) { brix_default_time_source(); }
void advance_us(unsigned long us) { fake_now += us; }
unsigned long now(void) { return fake_now; }
long slept_us(void) { return fake_slept; }
long sleeps(void) { return fake_sleeps; }
}  // namespace fake_clock
