// xwindow.h -- what the game asks of the X display beyond Allegro: the window
// manager's full-screen state, and an end through the fatal path on X errors.
#ifndef XWINDOW_H
#define XWINDOW_H

// Asks the window manager to show the game's window full screen (1) or as
// an ordinary window again (0), through the standard full-screen state.
// Returns 0 when the request was sent, -1 without an X window.
int xwindow_full_screen(int on);

// Waits until the X server has dealt with what was asked of it (a new mode,
// the full-screen request), then gives the window manager a moment to act
// on it and the focus events that brings to come in.
void xwindow_settle(void);

// Installs the X error handler and the I/O error handler on the display
// Allegro opened.  A lost display ends the process at once with status 255
// and the lost-display message; an X error on the game's requests is noted
// and ends the game through critical_error at its next frame.
void xwindow_install_error_handlers(void);

// Ends the game through critical_error if an X error has been noted.
void xwindow_check(void);

#endif
