// pacing.cpp -- frame pacing and the frame statistics.
#include "pacing.h"

#include <stdlib.h>
#include <string.h>

#include <algorithm>

#include "close_focus.h"
#include "display_sync.h"
#include "variable.h"

#define FRAME_US (1000000L / FRAMES_PER_SECOND)
#define STATS_SKIP_US 1000000UL     // the first second of the run is not counted

static unsigned long next_frame_us = 0;
static int pacing_started = 0;

// ---------------------------------------------------------------- the run's frames
static unsigned long stats_first_us = 0;
static int stats_started = 0;
static unsigned long stats_last_us = 0;
static long stats_frames = 0;
static unsigned long stats_max_interval_us = 0;
static unsigned long run_start_us = 0;
static int run_started = 0;

// The time from a press to the frame that read it, and to the end of the
// copy of that frame.
#define CLICK_SAMPLES 1024
static unsigned long click_read_us[CLICK_SAMPLES];
static unsigned long click_shown_us[CLICK_SAMPLES];
static int click_samples = 0;
static unsigned long taken_press_us = 0;   // the press the frame being composed took
static unsigned long press_read_us = 0;    // when it took it
static int press_taken = 0;

void frame_stats_reset(void)
{
    stats_started = 0;
    stats_frames = 0;
    stats_max_interval_us = 0;
    run_started = 0;
    pacing_started = 0;
    click_samples = 0;
    press_taken = 0;
}

void frame_stats_press(unsigned long press_us)
{
    taken_press_us = press_us;
    press_read_us = brix_now_us();
    press_taken = 1;
}

static void frame_stats_note(unsigned long now)
{
    if (press_taken) {
        press_taken = 0;
        if (click_samples < CLICK_SAMPLES) {
            click_read_us[click_samples] = press_read_us - taken_press_us;
            click_shown_us[click_samples++] = now - taken_press_us;
        }
    }
    if (!run_started) {
        run_started = 1;
        run_start_us = now;
    }
    if (now - run_start_us < STATS_SKIP_US)
        return;
    if (!stats_started) {
        stats_started = 1;
        stats_first_us = now;
        stats_last_us = now;
        stats_frames = 1;
        return;
    }
    unsigned long interval = now - stats_last_us;
    if (interval > stats_max_interval_us)
        stats_max_interval_us = interval;
    stats_last_us = now;
    stats_frames++;
}

// "NAME p50 A p95 B max C" of n samples, in milliseconds.
static void write_quantiles(FILE *f, const char *name, const unsigned long *samples, int n)
{
    unsigned long sorted[CLICK_SAMPLES];
    std::copy(samples, samples + n, sorted);
    std::sort(sorted, sorted + n);
    fprintf(f, " %s p50 %.1f p95 %.1f max %.1f", name, sorted[(int)(0.5 * (n - 1) + 0.5)] / 1000.0,
            sorted[(int)(0.95 * (n - 1) + 0.5)] / 1000.0, sorted[n - 1] / 1000.0);
}

int frame_stats_write(const char *path)
{
    FILE *f = fopen(path, "w");
    if (!f)
        return -1;
    double seconds = stats_frames > 1 ? (stats_last_us - stats_first_us) / 1e6 : 0.0;
    double fps = seconds > 0 ? (stats_frames - 1) / seconds : 0.0;
    fprintf(f, "frames %ld fps %.2f max_interval_ms %.2f\n", stats_frames, fps,
            stats_max_interval_us / 1000.0);
    if (click_samples > 0) {
        fprintf(f, "clicks %d", click_samples);
        write_quantiles(f, "click_to_blit_ms", click_shown_us, click_samples);
        write_quantiles(f, "click_to_read_ms", click_read_us, click_samples);
        fprintf(f, "\n");
    }
    return fclose(f) == 0 ? 0 : -1;
}

// ---------------------------------------------------------------- screens
#define SCREEN_STACK 8
#define SCREEN_KINDS 16
struct SCREEN_RUN {
    const char *name;
    unsigned long last_us;      // time of its last frame; 0 = none yet
    int has_last;
};
struct SCREEN_TOTAL {
    const char *name;
    long frames;
    unsigned long max_interval_us;
};
static SCREEN_RUN stack[SCREEN_STACK];
static int depth = 0;
static SCREEN_TOTAL totals[SCREEN_KINDS];
static int kinds = 0;

static SCREEN_TOTAL *total_for(const char *name)
{
    for (int i = 0; i < kinds; i++)
        if (strcmp(totals[i].name, name) == 0)
            return &totals[i];
    if (kinds == SCREEN_KINDS)
        return nullptr;
    totals[kinds] = SCREEN_TOTAL{name, 0, 0};
    return &totals[kinds++];
}

void screen_begin(const char *name)
{
    if (depth < SCREEN_STACK)
        stack[depth] = SCREEN_RUN{name, 0, 0};
    depth++;
}

void screen_end(void)
{
    if (depth <= 0)
        return;
    depth--;
    // The screen underneath goes on from the nested screen's last frame:
    // the step back to it is one of its intervals.
    if (depth >= 1 && depth < SCREEN_STACK && stack[depth].has_last) {
        stack[depth - 1].last_us = stack[depth].last_us;
        stack[depth - 1].has_last = 1;
    }
}

// The intervals at a change of screen: from the last frame of one screen to
// the first of the next (a screen starting again counts as a change too).
#define CHANGE_KINDS 32
struct SCREEN_CHANGE {
    const char *from, *to;
    long count;
    unsigned long max_interval_us;
};
static SCREEN_CHANGE changes[CHANGE_KINDS];
static int change_kinds = 0;
static const char *last_screen = nullptr;
static unsigned long last_frame_us = 0;

static void note_change(const char *name, int fresh, unsigned long now)
{
    if (last_screen && (fresh || strcmp(last_screen, name) != 0)) {
        SCREEN_CHANGE *c = nullptr;
        for (int i = 0; i < change_kinds && !c; i++)
            if (strcmp(changes[i].from, last_screen) == 0 && strcmp(changes[i].to, name) == 0)
                c = &changes[i];
        if (!c && change_kinds < CHANGE_KINDS) {
            c = &changes[change_kinds++];
            *c = SCREEN_CHANGE{last_screen, name, 0, 0};
        }
        if (c) {
            c->count++;
            if (now - last_frame_us > c->max_interval_us)
                c->max_interval_us = now - last_frame_us;
        }
    }
    last_screen = name;
    last_frame_us = now;
}

static void screen_stats_note(unsigned long now)
{
    int counted = depth >= 1 && depth <= SCREEN_STACK;
    note_change(counted ? stack[depth - 1].name : "outside", counted && !stack[depth - 1].has_last, now);
    if (!counted)
        return;
    SCREEN_RUN *run = &stack[depth - 1];
    if (run->has_last) {
        SCREEN_TOTAL *t = total_for(run->name);
        if (t) {
            unsigned long interval = now - run->last_us;
            t->frames++;
            if (interval > t->max_interval_us)
                t->max_interval_us = interval;
        }
    }
    run->last_us = now;
    run->has_last = 1;
}

int screen_stats_write(FILE *out)
{
    for (int i = 0; i < kinds; i++)
        if (fprintf(out, "screen %s frames %ld max_interval_ms %.1f\n", totals[i].name,
                    totals[i].frames, totals[i].max_interval_us / 1000.0) < 0)
            return -1;
    for (int i = 0; i < change_kinds; i++)
        if (fprintf(out, "change %s>%s count %ld max_interval_ms %.1f\n", changes[i].from, changes[i].to,
                    changes[i].count, changes[i].max_interval_us / 1000.0) < 0)
            return -1;
    return 0;
}

void frame_stats_save(void)
{
    const char *stats = getenv("DEADEYE_FRAME_STATS");
    if (!stats || !*stats || frame_stats_write(stats) != 0)
        return;
    FILE *f = fopen(stats, "a");
    if (f) {
        screen_stats_write(f);
        fclose(f);
    }
}

// ---------------------------------------------------------------- pacing
long frame_time_left_us(void)
{
    if (!pacing_started)
        return FRAME_US;
    return (long)(next_frame_us + FRAME_US - brix_now_us());
}

void frame_wait(void)
{
    screen_stats_note(brix_now_us());
    display_handoff();
    unsigned long shown = brix_now_us();
    frame_stats_note(shown);
    check_close();
    if (!pacing_started || (long)(shown - next_frame_us) > 4 * FRAME_US) {
        // First frame, or we fell far behind (a load, a dialog): start afresh
        // instead of presenting a burst of frames to catch up.
        pacing_started = 1;
        next_frame_us = shown;
    }
    next_frame_us += FRAME_US;
    long wait = (long)(next_frame_us - brix_now_us());
    if (wait > 0)
        brix_sleep_us(wait);
    display_take_input();
}
