// close_focus.h -- the window's close button, the stop signals and the input focus, as flags the main thread acts on.
#ifndef CLOSE_FOCUS_H
#define CLOSE_FOCUS_H

#include <signal.h>

// The window's close button.  The callback only raises the flag; the main
// thread acts on it in frame_wait() and brix_delay() by calling
// close_handler (boot installs one that shuts the game down cleanly).
extern volatile int close_requested;
extern void (*close_handler)(void);
void close_button_install(void);
void check_close(void);             // run close_handler if a close is pending

// SIGTERM, SIGINT and SIGHUP are taken like the window's close button: the
// handler notes the signal in stop_signal and raises close_requested.
// Installed again after every new graphics mode (Allegro may put its own
// back).
extern volatile sig_atomic_t stop_signal;   // the signal that asked to stop; 0 = none
void install_stop_signals(void);

// The window lost the input focus (set from Allegro's display-switch
// callback); the game takes it as the player looking away.
extern volatile int focus_lost;

#endif
