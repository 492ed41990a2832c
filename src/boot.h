// boot.h -- the program's run from start to shutdown.
#ifndef BOOT_H
#define BOOT_H

#define LOADING_X 40
#define LOADING_Y_FROM_BOTTOM 40
#define INTRO_COMIC "intro.cmx"     // played once everything is loaded
#define GOODBYE_COMIC "goodbye.cmx" // played on the way out
#define LOADING_DELAY 40        // ticks the loading text stays before loading starts

// Maps GFX_MODE to the Allegro driver: 1 = GFX_SAFE (a window), 2 = autodetect
// (on X the old full-screen driver first: a mode switch where the server
// allows it, the pointer grabbed), anything else GFX_XWINDOWS, a window of
// the desktop's size that the window manager is asked to show full screen.
int gfx_driver_for_mode(int gmode);

// F11: a new graphics mode, full screen after a window and a window after
// full screen, at the same depth; the memory bitmaps stay as they are, and
// the next frame is sent whole.  Returns 1 for full screen, 0 for a window,
// -1 without a display.
int display_toggle_full_screen(void);

void boot(int argc, char **argv);

// Ends the program cleanly from any screen: releases the whole-run
// resources if they are loaded, writes the frame statistics, shuts Allegro
// down and exits with status 0 (128 + the signal after SIGTERM, SIGINT or
// SIGHUP).  Installed as close_handler by boot().
[[noreturn]] void boot_leave(void);

#endif
