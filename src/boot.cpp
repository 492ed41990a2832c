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
#include "display.h"
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
