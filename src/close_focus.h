// close_focus.h -- the window's close button and its input focus, as flags the main thread acts on.
#ifndef CLOSE_FOCUS_H
#define CLOSE_FOCUS_H

// The window's close button.  The callback only raises the flag; the main
// thread acts on it in frame_wait() and brix_delay() by calling
// close_handler (boot installs one that shuts the game down cleanly).
extern volatile int close_requested;
extern void (*close_handler)(void);
void close_button_install(void);
void check_close(void);             // run close_handler if a close is pending

// The window lost the input focus (set from Allegro's display-switch
// callback); the game takes it as the player looking away.
extern volatile int focus_lost;

#endif
