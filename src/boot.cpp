// boot.cpp -- start-up, the fixed run of the program, and shutdown.
#include "boot.h"

#include <allegro.h>
#include <errno.h>
#include <stdio.h>
#include <stdlib.h>
#include <time.h>

#include "comix.h"
#include "criterr.h"
#include "game.h"
#include "init.h"
#include "menu.h"
#include "present.h"
#include "sound.h"
#include "variable.h"

#define WINDOW_TITLE "Deadeye Gulch"
#define SHUTDOWN_DELAY 8

int read_setup(const char *path, SETUP_VALUES *out)
{
    out->gfx_mode = DEFAULT_GFX_MODE;
    out->gfx_color = DEFAULT_GFX_COLOR;
    out->music_on = 0;
    out->scale = 0;
    FILE *f = fopen(path, "r");
    if (!f)
        return -1;
    int gmode = 0, gdepth = 0, music = 0;
    int ok = fscanf(f, "GFX_MODE %d\n", &gmode) == 1 && fscanf(f, "GFX_COLOR %d\n", &gdepth) == 1;
    if (ok) {
        out->gfx_mode = gmode;
        out->gfx_color = gdepth;
        if (fscanf(f, "MUSIC_ON %d", &music) == 1)
            out->music_on = music;
        int scale = 0;
        if (fscanf(f, " SCALE %d", &scale) == 1 && scale >= 0 && scale <= MAX_SCALE)
            out->scale = scale;
    }
    fclose(f);
    return ok ? 0 : -1;
}

int gfx_driver_for_mode(int gmode)
{
    return gmode == 1 ? GFX_SAFE : GFX_AUTODETECT;
}

static void write_frame_stats(void)
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

void boot_leave(void)
{
    close_handler = nullptr;    // the shutdown itself must not re-enter here
    if (init_all_done)
        destroy_all();
    write_frame_stats();
    present_exit();
    allegro_exit();
    exit(0);
}

static BITMAP *load_pointer(const char *path)
{
    BITMAP *picture = load_bitmap(path, pal);
    if (!picture)
        critical_error("Unable to open file %s", path);
    return picture;
}

// Opens the window at the largest scale that can be had, down to 1.
static int open_scaled(int driver, int scale)
{
    for (int n = scale; n >= 1; n--)
        if (set_gfx_mode(driver, SCREEN_WIDTH * n, SCREEN_HEIGHT * n, 0, 0) == 0)
            return n;
    return 0;
}

static int open_display(const SETUP_VALUES *setup)
{
    int desktop_w = 0, desktop_h = 0;
    if (get_desktop_resolution(&desktop_w, &desktop_h) != 0)
        desktop_w = desktop_h = 0;
    int wanted = choose_scale(setup->scale, desktop_w, desktop_h);
    color_depth = setup->gfx_color;
    set_color_depth(color_depth);
    int driver = gfx_driver_for_mode(setup->gfx_mode);
    set_window_title(WINDOW_TITLE);
    int scale = open_scaled(driver, wanted);
    if (!scale) {
        if (color_depth != 15)
            critical_error("Unable to set graphics mode: %s", allegro_error);
        set_color_depth(16);
        scale = open_scaled(driver, wanted);
        if (!scale)
            critical_error("Unable to set graphics mode: %s", allegro_error);
    }
    set_window_title(WINDOW_TITLE);
    set_palette(desktop_palette);
    return scale;
}

// The window lost the input focus: the game asks whether to go on.
static void focus_out(void)
{
    focus_lost = 1;
}
END_OF_STATIC_FUNCTION(focus_out)

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
    install_keyboard();
    key_latch_install();
    install_timer();
    install_mouse();
    click_latch_install();

    SETUP_VALUES setup;
    read_setup(SETUP_FILE, &setup);
    music_on = setup.music_on;
    int scale = open_display(&setup);
    close_button_install();
    if (set_display_switch_mode(SWITCH_BACKGROUND) == 0)
        set_display_switch_callback(SWITCH_OUT, focus_out);
    close_handler = boot_leave;

    game_screen = create_bitmap(SCREEN_WIDTH, SCREEN_HEIGHT);
    if (!game_screen)
        critical_error("Unable to create game_screen bitmap");
    game_screen2 = create_bitmap(SCREEN_WIDTH, SCREEN_HEIGHT);
    if (!game_screen2)
        critical_error("Unable to create game_screen2 bitmap");
    set_clip_rect(game_screen, 0, 0, SCREEN_WIDTH - 1, SCREEN_HEIGHT - 1);
    clear_bitmap(game_screen);
    present_init(scale);

    textout_ex(game_screen, font, "LOADING..", LOADING_X, SCREEN_HEIGHT - LOADING_Y_FROM_BOTTOM,
               makecol(255, 255, 255), -1);
    present();
    brix_delay(LOADING_DELAY);

    mouse_pointer = load_pointer("data/gfx/c_hand.bmp");
    mouse_pointer2 = load_pointer("data/gfx/c_hand1.bmp");
    mouse_shot = load_pointer("data/gfx/cursor1.bmp");
    set_pointer(mouse_pointer);
    set_menu_mouse_range();

    init_all();
    comix_play(INTRO_COMIC);
    menu_main();

    brix_delay(SHUTDOWN_DELAY);
    comix_play(GOODBYE_COMIC);
    close_handler = nullptr;
    destroy_all();
    write_frame_stats();
    present_exit();
    allegro_exit();
}
