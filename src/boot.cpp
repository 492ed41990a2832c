// boot.cpp -- start-up, the fixed run of the program, and shutdown.
#include "boot.h"

#include <allegro.h>
#include <errno.h>
#include <limits.h>
#include <signal.h>
#include <string.h>
#include <unistd.h>
#include <stdio.h>
#include <stdlib.h>
#include <time.h>

#include "blend.h"
#include "close_focus.h"
#include "comix.h"
#include "criterr.h"
#include "game.h"
#include "init.h"
#include "input.h"
#include "menu.h"
#include "notice.h"
#include "pacing.h"
#include "picture.h"
#include "present.h"
#include "sound.h"
#include "variable.h"
#include "xwindow.h"

#define WINDOW_TITLE "Deadeye Gulch"
#define SHUTDOWN_DELAY 8

// setup.cfg's keys are matched literally, each where the one before left
// off; the numbers are read without overflow.
static int setup_key(FILE *f, const char *key)
{
    for (const char *k = key; *k; k++) {
        int c = fgetc(f);
        if (c != (unsigned char)*k) {
            if (c != EOF)
                ungetc(c, f);
            return 0;
        }
    }
    return 1;
}

static void skip_space(FILE *f)
{
    int c;
    do {
        c = fgetc(f);
    } while (c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f');
    if (c != EOF)
        ungetc(c, f);
}

// 1 when `key` and its number were read into *value.  A number beyond an
// int ends the program, naming the file, the key and the value.
static int setup_value(FILE *f, const char *path, const char *key, int *value)
{
    long long v;
    if (!setup_key(f, key) || !scan_number(f, &v))
        return 0;
    if (v < INT_MIN || v > INT_MAX)
        critical_error("Broken file %s: %s is %s%lld, too large a number", path, key,
                       v >= SCAN_NUMBER_LIMIT || v <= -SCAN_NUMBER_LIMIT ? "beyond " : "", v);
    *value = (int)v;
    skip_space(f);
    return 1;
}

static int valid_depth(int depth)
{
    return depth == 8 || depth == 15 || depth == 16 || depth == 24 || depth == 32;
}

int read_setup(const char *path, SETUP_VALUES *out)
{
    out->gfx_mode = DEFAULT_GFX_MODE;
    out->gfx_color = DEFAULT_GFX_COLOR;
    out->music_on = 0;
    out->scale = 0;
    struct Closer {
        FILE *f;
        ~Closer()
        {
            if (f)
                fclose(f);
        }
    } file{fopen(path, "r")};
    FILE *f = file.f;
    if (!f)
        return -1;
    int gmode = 0, gdepth = 0, music = 0;
    int ok = setup_value(f, path, "GFX_MODE", &gmode) && setup_value(f, path, "GFX_COLOR", &gdepth);
    if (ok) {
        if (!valid_depth(gdepth))
            critical_error("Broken file %s: GFX_COLOR is %d, not 8, 15, 16, 24 or 32", path, gdepth);
        out->gfx_mode = gmode;
        out->gfx_color = gdepth;
        if (setup_value(f, path, "MUSIC_ON", &music))
            out->music_on = music;
        int scale = 0;
        if (setup_value(f, path, "SCALE", &scale) && scale >= 0 && scale <= MAX_SCALE)
            out->scale = scale;
    }
    return ok ? 0 : -1;
}

int gfx_driver_for_mode(int gmode)
{
    if (gmode == GFX_MODE_WINDOW)
        return GFX_SAFE;
    return gmode == GFX_MODE_SWITCH ? GFX_AUTODETECT : GFX_XWINDOWS;
}

// ---------------------------------------------------------------- stopped from outside
// SIGTERM, SIGINT and SIGHUP are taken like the window's close button: the
// handler only notes the signal and raises close_requested, and the screen
// that is running leaves through boot_leave at its next frame, which ends
// the process with 128 + the signal's number.  A second signal while that
// is under way gets the signal's default action.  (Allegro's own handler,
// which would shut the library down from inside the handler, is replaced.)
static volatile sig_atomic_t stop_signal = 0;

static void stop_handler(int sig)
{
    stop_signal = sig;
    close_requested = 1;
}

static void install_stop_signals(void)
{
    struct sigaction sa;
    memset(&sa, 0, sizeof sa);
    sa.sa_handler = stop_handler;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESETHAND | SA_RESTART;
    static const int stop_signals[] = {SIGTERM, SIGINT, SIGHUP};
    for (int sig : stop_signals)
        sigaction(sig, &sa, nullptr);
}

// The whole-run resources released (if they are loaded), the frame
// statistics written, Allegro shut down: the end of every run.
static void shut_down(void)
{
    close_handler = nullptr;    // the shutdown itself must not re-enter here
    notice_destroy();
    if (init_all_done)
        destroy_all();
    frame_stats_save();
    present_exit();
    allegro_exit();
}

void boot_leave(void)
{
    shut_down();
    exit(stop_signal ? 128 + stop_signal : 0);
}

// ---------------------------------------------------------------- the display
// The window lost the input focus: the game asks whether to go on.  While
// the window changes to or from full screen, and for a moment after, the
// window manager moves the focus about: that is no player looking away.
#define SWITCH_QUIET_MS 600
static volatile long long focus_quiet_until_ms = 0;

static long long monotonic_ms(void)
{
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return (long long)t.tv_sec * 1000 + t.tv_nsec / 1000000;
}

static void focus_out(void)
{
    if (monotonic_ms() >= focus_quiet_until_ms)
        focus_lost = 1;
}
END_OF_STATIC_FUNCTION(focus_out)

// What the display was opened as; F11 switches between the window and full
// screen with a new graphics mode, at the same colour depth.
static int display_full = 0;        // full screen now (either kind)
static int window_scale = 1;        // the window's scale
static int display_depth = 0;       // the depth the mode was set at

// Opens the window at the largest scale that can be had, down to 1.
static int open_scaled(int driver, int scale)
{
    for (int n = scale; n >= 1; n--)
        if (set_gfx_mode(driver, SCREEN_WIDTH * n, SCREEN_HEIGHT * n, 0, 0) == 0)
            return n;
    return 0;
}

// One attempt at a mode of the kind GFX_MODE names; the picture's place on
// the display in *place.  0 when no mode could be set.
static int try_mode(int gmode, PRESENT_PLACE *place)
{
    int driver = gfx_driver_for_mode(gmode);
    if (driver == GFX_XWINDOWS) {
        // A window of the desktop's size that the window manager shows full
        // screen: the desktop stays as it is, the window stays managed.
        int w = 0, h = 0;
        if (get_desktop_resolution(&w, &h) != 0 || w < SCREEN_WIDTH || h < SCREEN_HEIGHT ||
            set_gfx_mode(GFX_XWINDOWS, w, h, 0, 0) != 0)
            return 0;
        *place = full_screen_place(SCREEN_W, SCREEN_H);
        return 1;
    }
    int scale = open_scaled(driver, window_scale);
    if (!scale)
        return 0;
    *place = PRESENT_PLACE{scale, 0, 0};
    return 1;
}

// What has to be set again after every new graphics mode.
static void display_ready(const PRESENT_PLACE &place)
{
    set_window_title(WINDOW_TITLE);
    close_button_install();
    install_stop_signals();     // in case setting the mode put Allegro's back
    xwindow_install_error_handlers();
    if (set_display_switch_mode(SWITCH_BACKGROUND) == 0)
        set_display_switch_callback(SWITCH_OUT, focus_out);
    if (display_full && is_windowed_mode())
        xwindow_full_screen(1);
    clear_bitmap(screen);       // the bars around the picture: black at every depth
    present_init(place.scale, place.x, place.y);
}

static void open_display(const SETUP_VALUES *setup)
{
    int desktop_w = 0, desktop_h = 0;
    if (get_desktop_resolution(&desktop_w, &desktop_h) != 0)
        desktop_w = desktop_h = 0;
    window_scale = choose_scale(setup->scale, desktop_w, desktop_h);
    color_depth = setup->gfx_color;
    display_depth = color_depth;
    set_color_depth(color_depth);
    set_window_title(WINDOW_TITLE);
    int gmode = setup->gfx_mode;
    PRESENT_PLACE place;
    int ok = try_mode(gmode, &place);
    if (!ok && color_depth == 15) {
        display_depth = 16;
        set_color_depth(16);
        ok = try_mode(gmode, &place);
    }
    if (!ok && gmode != GFX_MODE_WINDOW) {
        gmode = GFX_MODE_WINDOW;    // no full screen to be had: a window
        ok = try_mode(gmode, &place);
    }
    if (!ok)
        critical_error("Unable to set graphics mode: %s", allegro_error);
    display_full = gmode != GFX_MODE_WINDOW;
    set_palette(desktop_palette);
    display_ready(place);
}

int display_toggle_full_screen(void)
{
    if (!gfx_driver)
        return -1;
    PALETTE palette;
    get_palette(palette);
    focus_quiet_until_ms = LLONG_MAX;
    if (display_full && is_windowed_mode())
        xwindow_full_screen(0);
    set_color_depth(display_depth);
    int gmode = display_full ? GFX_MODE_WINDOW : GFX_MODE_FULL_SCREEN;
    PRESENT_PLACE place;
    if (try_mode(gmode, &place))
        display_full = !display_full;
    else if (!try_mode(display_full ? GFX_MODE_FULL_SCREEN : GFX_MODE_WINDOW, &place))
        critical_error("Unable to set graphics mode: %s", allegro_error);
    set_palette(palette);
    display_ready(place);
    xwindow_settle();
    focus_quiet_until_ms = monotonic_ms() + SWITCH_QUIET_MS;
    return display_full;
}

void boot(int argc, char **argv)
{
    (void)argc;
    (void)argv;
    srand((unsigned)time(nullptr));

    if (install_allegro(SYSTEM_AUTODETECT, &errno, atexit) != 0) {
        const char *display = getenv("DISPLAY");
        critical_error("Unable to start Allegro: no display could be opened (DISPLAY is %s)%s%s",
                       display && *display ? display : "not set", allegro_error[0] ? ": " : "",
                       allegro_error);
    }
    install_stop_signals();
    xwindow_install_error_handlers();
    install_keyboard();
    key_latch_install();
    install_timer();
    install_mouse();
    click_latch_install();

    SETUP_VALUES setup;
    read_setup(SETUP_FILE, &setup);
    music_on = setup.music_on;
    open_display(&setup);
    blend_maps_init();          // the colour maps an 8-bit screen blends through
    close_handler = boot_leave;

    game_screen = create_bitmap(SCREEN_WIDTH, SCREEN_HEIGHT);
    if (!game_screen)
        critical_error("Unable to create game_screen bitmap");
    game_screen2 = create_bitmap(SCREEN_WIDTH, SCREEN_HEIGHT);
    if (!game_screen2)
        critical_error("Unable to create game_screen2 bitmap");
    set_clip_rect(game_screen, 0, 0, SCREEN_WIDTH - 1, SCREEN_HEIGHT - 1);
    clear_bitmap(game_screen);

    textout_ex(game_screen, font, "LOADING..", LOADING_X, SCREEN_HEIGHT - LOADING_Y_FROM_BOTTOM,
               makecol(255, 255, 255), -1);
    present();
    brix_delay(LOADING_DELAY);

    mouse_pointer = load_picture("data/gfx/c_hand.bmp");
    mouse_pointer2 = load_picture("data/gfx/c_hand1.bmp");
    mouse_shot = load_picture("data/gfx/cursor1.bmp");
    set_pointer(mouse_pointer);
    set_menu_mouse_range();

    init_all();
    menu_music_load();          // while the loading picture stands, not at a change of screen
    notice_init();
    comix_play(INTRO_COMIC);
    menu_main();

    present_hold(SHUTDOWN_DELAY);
    comix_play(GOODBYE_COMIC);
    shut_down();
}
