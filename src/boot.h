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
#define DEFAULT_GFX_MODE 1      // used when setup.cfg is missing or unreadable: a window
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

// Maps GFX_MODE to the Allegro driver: 1 = GFX_SAFE, anything else autodetect.
// On X11 autodetection takes the full-screen driver first (a mode switch where
// the server allows it) and the safe driver opens a plain 640 x 480 window,
// so the shipped setup.cfg and the defaults use 1.
int gfx_driver_for_mode(int gmode);

void boot(int argc, char **argv);

// Ends the program cleanly from any screen: releases the whole-run
// resources if they are loaded, writes the frame statistics, shuts Allegro
// down and exits with status 0 (128 + the signal after SIGTERM, SIGINT or
// SIGHUP).  Installed as close_handler by boot().
[[noreturn]] void boot_leave(void);

#endif
