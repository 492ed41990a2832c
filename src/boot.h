// boot.h -- the program's run from start to shutdown.
#ifndef BOOT_H
#define BOOT_H

#define LOADING_X 40
#define LOADING_Y_FROM_BOTTOM 40
#define INTRO_COMIC "intro.cmx"     // played once everything is loaded
#define GOODBYE_COMIC "goodbye.cmx" // played on the way out
#define LOADING_DELAY 40        // ticks the loading text stays before loading starts

void boot(int argc, char **argv);

// Starts Allegro as the game and its tools all start it: its text functions
// take strings as plain bytes (a name from a data file reaches the system as
// it stands; read as UTF-8, a byte such as 0xff sends Allegro's path
// handling past the string's end), then install_allegro.  Returns its result.
int boot_allegro(int system_id);

// Ends the program cleanly from any screen: releases the whole-run
// resources if they are loaded, writes the frame statistics, shuts Allegro
// down and exits with status 0 (128 + the signal after SIGTERM, SIGINT or
// SIGHUP).  Installed as close_handler by boot().
[[noreturn]] void boot_leave(void);

#endif
