// boot.h -- the program's run from start to shutdown.
#ifndef BOOT_H
#define BOOT_H

#define LOADING_X 40
#define LOADING_Y_FROM_BOTTOM 40
#define INTRO_COMIC "intro.cmx"     // played once everything is loaded
#define GOODBYE_COMIC "goodbye.cmx" // played on the way out
#define LOADING_DELAY 40        // ticks the loading text stays before loading starts

// setup.cfg
#define SETUP_FILE "setup.cfg"
// GFX_MODE: 0 (or any value but 1 and 2) full screen, 1 a window, 2 Allegro's
// autodetection, which on X switches the screen's own mode where it can.
#define GFX_MODE_FULL_SCREEN 0
#define GFX_MODE_WINDOW 1
#define GFX_MODE_SWITCH 2
#define DEFAULT_GFX_MODE GFX_MODE_WINDOW    // setup.cfg missing or unreadable
#define DEFAULT_GFX_COLOR 32

struct SETUP_VALUES {
    int gfx_mode;
    int gfx_color;
    int music_on;
    int scale;          // SCALE: 1..4 whole pixels per game pixel; 0 = the largest that fits
};

// Reads setup.cfg from `path` by its keys.  Returns 0 when the first two
// values were read; otherwise the defaults stand in `out` and it returns -1.
// MUSIC_ON that cannot be read leaves music off; a SCALE line that is missing
// or outside 0..4 leaves the scale to the desktop (0).
int read_setup(const char *path, SETUP_VALUES *out);

void boot(int argc, char **argv);

// Ends the program cleanly from any screen: releases the whole-run
// resources if they are loaded, writes the frame statistics, shuts Allegro
// down and exits with status 0 (128 + the signal after SIGTERM, SIGINT or
// SIGHUP).  Installed as close_handler by boot().
[[noreturn]] void boot_leave(void);

#endif
