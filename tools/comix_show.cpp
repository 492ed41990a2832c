// comix_show -- plays comics in a window, for looking at them while they are
// made.  Run it in a game folder:
//     COMIX="finish1.cmx start2.cmx" comix_show
// plays each named comic in turn (default "intro.cmx"), then leaves.
// Sound is started when a sound card is there and silently left off if not.
#include <allegro.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "close_focus.h"
#include "comix.h"
#include "input.h"
#include "variable.h"

static void leave_now(void)
{
    allegro_exit();
    exit(0);
}

int main(int, char **)
{
    if (install_allegro(SYSTEM_AUTODETECT, &errno, atexit) != 0) {
        fprintf(stderr, "comix_show: no display\n");
        return 1;
    }
    install_keyboard();
    install_timer();
    install_mouse();
    click_latch_install();
    color_depth = 32;
    set_color_depth(32);
    if (set_gfx_mode(GFX_AUTODETECT_WINDOWED, 640, 480, 0, 0) < 0) {
        fprintf(stderr, "comix_show: %s\n", allegro_error);
        return 1;
    }
    install_sound(DIGI_AUTODETECT, MIDI_NONE, nullptr);
    close_button_install();
    close_handler = leave_now;
    game_screen = create_bitmap(SCREEN_W, SCREEN_H);
    clear_bitmap(game_screen);

    const char *env = getenv("COMIX");
    char names[256];
    snprintf(names, sizeof names, "%s", env && *env ? env : "intro.cmx");
    for (char *name = strtok(names, " "); name; name = strtok(nullptr, " ")) {
        long start = cas;
        comix_play(name);
        brix_timer();
        printf("%s %.2f s\n", name, (cas - start) / 100.0);
        fflush(stdout);
    }
    allegro_exit();
    return 0;
}
END_OF_MAIN()
