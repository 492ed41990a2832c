// display_sync.cpp -- hands the picture to the X server and takes in its input.
#include "display_sync.h"

#include <allegro.h>

// Allegro's X11 driver exports these without declaring them: the flush
// (XSync under the driver's lock) and the input handler its background
// thread calls (which flushes too, then reads the pending events and calls
// the mouse and keyboard callbacks).
extern "C" void _xwin_flush_buffers(void);
extern "C" void _xwin_handle_input(void);

static int on_x11(void)
{
    return system_driver && system_driver->id == SYSTEM_XWINDOWS;
}

void display_handoff(void)
{
    if (on_x11())
        _xwin_flush_buffers();
}

void display_take_input(void)
{
    if (on_x11())
        _xwin_handle_input();
}
