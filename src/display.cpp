// display.cpp -- the graphics mode: opened from setup.cfg's values, switched by F11, set up again after every change.
#include "display.h"

#include <allegro.h>
#include <limits.h>
#include <time.h>

#include "setup.h"
#include "close_focus.h"
#include "criterr.h"
#include "present.h"
#include "variable.h"
#include "xwindow.h"

#define WINDOW_TITLE "Deadeye Gulch"

int gfx_driver_for_mode(int gmode)
{
    if (gmode == GFX_MODE_WINDOW)
        return GFX_SAFE;
    return gmode == GFX_MODE_SWITCH ? GFX_AUTODETECT : GFX_XWINDOWS;
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

void open_display(const SETUP_VALUES *setup)
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
