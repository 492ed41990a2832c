// display.h -- the graphics mode: opened from setup.cfg's values, switched by F11, set up again after every change.
#ifndef DISPLAY_H
#define DISPLAY_H

struct SETUP_VALUES;

// Opens the display setup.cfg asks for (a window at the largest whole scale
// that can be had, or full screen), falling back to 16 bits for 15 and to a
// window when full screen cannot be had; no mode at all is fatal.  Sets the
// window's title, the close button, the stop signals, the X error handlers
// and the focus callback, and the picture's place for present().
void open_display(const SETUP_VALUES *setup);

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

#endif
