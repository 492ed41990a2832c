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
#include "setup.h"
#include "sound.h"
#include "variable.h"
#include "xwindow.h"

#define SHUTDOWN_DELAY 8

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

int boot_allegro(int system_id)
{
    set_uformat(U_ASCII);
    return install_allegro(system_id, &errno, atexit);
}

void boot(int argc, char **argv)
{
    (void)argc;
    (void)argv;
    srand((unsigned)time(nullptr));

    if (boot_allegro(SYSTEM_AUTODETECT) != 0) {
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
