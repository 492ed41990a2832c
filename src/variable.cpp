// variable.cpp -- the shared state, the game clock, frame pacing and the
// input latches.
#include "variable.h"

#include "display_sync.h"
#include "layout.h"
#include "present.h"

#include <algorithm>
#include <atomic>
#include <dlfcn.h>
#include <errno.h>
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

// ---------------------------------------------------------------- frames
#define FRAME_US (1000000L / FRAMES_PER_SECOND)
#define STATS_SKIP_US 1000000UL     // the first second of the run is not counted

static unsigned long next_frame_us = 0;
static int pacing_started = 0;

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

long frame_time_left_us(void)
{
    if (!pacing_started)
        return FRAME_US;
    return (long)(next_frame_us + FRAME_US - time_now());
}

void frame_wait(void)
{
    display_handoff();
    unsigned long shown = time_now();
    frame_stats_note(shown);
    check_close();
    if (!pacing_started || (long)(shown - next_frame_us) > 4 * FRAME_US) {
        // First frame, or we fell far behind (a load, a dialog): start afresh
        // instead of presenting a burst of frames to catch up.
        pacing_started = 1;
        next_frame_us = shown;
    }
    next_frame_us += FRAME_US;
    long wait = (long)(next_frame_us - time_now());
    if (wait > 0)
        time_sleep(wait);
    display_take_input();
}

// ---------------------------------------------------------------- input
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
    latch_us.store(time_now());
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
    if (latched) {
        taken_press_us = latch_us.load();
        press_read_us = time_now();
        press_taken = 1;
    }
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

volatile int close_requested = 0;
volatile int focus_lost = 0;
void (*close_handler)(void) = nullptr;

static void close_button_callback(void)
{
    close_requested = 1;
}
END_OF_STATIC_FUNCTION(close_button_callback)

void close_button_install(void)
{
    set_close_button_callback(close_button_callback);
}

void check_close(void)
{
    if (close_requested && close_handler)
        close_handler();
}

// ---------------------------------------------------------------- blending
#define TRANS_STEPS 16              // opacities 0, 17, 34 .. 255
#define TRANS_STEP_SIZE (255 / (TRANS_STEPS - 1))
static COLOR_MAP *trans_maps = nullptr;     // TRANS_STEPS maps
static COLOR_MAP *multiply_map = nullptr;
static int multiply_map_alpha = -1;
static RGB_MAP *palette_rgb_map = nullptr;
static PALETTE blend_palette;

// The 8-bit palette: Allegro's even 3-3-2 palette, with black at index 0
// (the mask colour's index, and what a clear gives).
static void eight_bit_palette(PALETTE p)
{
    generate_332_palette(p);
    p[0].r = p[0].g = p[0].b = 0;
}

// Left to itself, Allegro gives every true-colour picture loaded at 8 bits
// a palette of its own, and one screen can show only one.  So the game's
// load_bitmap stands in front of Allegro's: at 8 bits it has the picture
// read at its own depth and maps it onto the screen's palette (the mask
// colour onto the mask index), and the palette argument receives that
// palette; at any other depth it is Allegro's load_bitmap itself.
extern "C" BITMAP *load_bitmap(AL_CONST char *filename, RGB *palette)
{
    typedef BITMAP *(*loader_fn)(AL_CONST char *, RGB *);
    static loader_fn allegro_load = (loader_fn)dlsym(RTLD_NEXT, "load_bitmap");
    if (!allegro_load)
        return nullptr;
    if (!trans_maps)
        return allegro_load(filename, palette);
    int conversion = get_color_conversion();
    set_color_conversion(COLORCONV_NONE);
    BITMAP *raw = allegro_load(filename, nullptr);     // at the file's own depth
    set_color_conversion(conversion);
    if (palette)
        get_palette(palette);
    if (!raw || bitmap_color_depth(raw) == 8)
        return raw;
    BITMAP *picture = create_bitmap_ex(8, raw->w, raw->h);
    if (picture) {
        int depth = bitmap_color_depth(raw), mask = bitmap_mask_color(raw);
        for (int y = 0; y < raw->h; y++)
            for (int x = 0; x < raw->w; x++) {
                int c = getpixel(raw, x, y);
                putpixel(picture, x, y,
                         c == mask ? MASK_COLOR_8
                                   : makecol8(getr_depth(depth, c), getg_depth(depth, c), getb_depth(depth, c)));
            }
    }
    destroy_bitmap(raw);
    return picture;
}

void blend_maps_init(void)
{
    if (get_color_depth() != 8 || trans_maps)
        return;
    eight_bit_palette(blend_palette);
    set_palette(blend_palette);
    palette_rgb_map = (RGB_MAP *)malloc(sizeof(RGB_MAP));
    trans_maps = (COLOR_MAP *)malloc(TRANS_STEPS * sizeof(COLOR_MAP));
    if (!palette_rgb_map || !trans_maps) {
        blend_maps_exit();
        return;
    }
    create_rgb_table(palette_rgb_map, blend_palette, nullptr);
    rgb_map = palette_rgb_map;      // also speeds up every colour lookup at 8 bits
    for (int i = 0; i < TRANS_STEPS; i++) {
        int a = i * TRANS_STEP_SIZE;
        create_trans_table(&trans_maps[i], blend_palette, a, a, a, nullptr);
    }
    color_map = &trans_maps[TRANS_STEPS / 2];   // never a blend without a map
}

void blend_maps_exit(void)
{
    if (rgb_map == palette_rgb_map)
        rgb_map = nullptr;
    color_map = nullptr;
    free(palette_rgb_map);
    free(trans_maps);
    free(multiply_map);
    palette_rgb_map = nullptr;
    trans_maps = nullptr;
    multiply_map = nullptr;
    multiply_map_alpha = -1;
}

static int clamp_alpha(int alpha) { return alpha < 0 ? 0 : (alpha > 255 ? 255 : alpha); }

void trans_blender(int alpha)
{
    set_trans_blender(0, 0, 0, alpha);
    if (trans_maps)
        color_map = &trans_maps[(clamp_alpha(alpha) + TRANS_STEP_SIZE / 2) / TRANS_STEP_SIZE];
}

void multiply_blender(int alpha)
{
    set_multiply_blender(0, 0, 0, alpha);
    if (!trans_maps)
        return;
    if (multiply_map_alpha != alpha) {
        if (!multiply_map)
            multiply_map = (COLOR_MAP *)malloc(sizeof(COLOR_MAP));
        if (!multiply_map)
            return;
        create_blender_table(multiply_map, blend_palette, nullptr);    // from the blender just set
        multiply_map_alpha = alpha;
    }
    color_map = multiply_map;
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

void save_screen(void)
{
    BITMAP *picture = present_picture();
    if (picture)
        save_bmp("screen.bmp", picture, pal);
}

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
