// xwindow.cpp -- the full-screen request to the window manager and the X error handlers.
#include "xwindow.h"

#include <allegro.h>
#include <xalleg.h>
#include <signal.h>
#include <stdio.h>
#include <unistd.h>

#include "criterr.h"

#define NET_WM_STATE_REMOVE 0
#define NET_WM_STATE_ADD 1
#define NET_WM_SOURCE_APPLICATION 1
#define EXIT_DISPLAY_LOST 255   // the status of a fatal error

int xwindow_full_screen(int on)
{
    Display *d = _xwin.display;
    if (!d)
        return -1;
    XLOCK();
    // The window the window manager manages (Allegro's own full-screen
    // driver keeps a second one, unmanaged).
    Window w = _xwin.wm_window ? _xwin.wm_window : _xwin.window;
    int sent = -1;
    if (w) {
        XEvent e = {};
        e.xclient.type = ClientMessage;
        e.xclient.window = w;
        e.xclient.message_type = XInternAtom(d, "_NET_WM_STATE", False);
        e.xclient.format = 32;
        e.xclient.data.l[0] = on ? NET_WM_STATE_ADD : NET_WM_STATE_REMOVE;
        e.xclient.data.l[1] = (long)XInternAtom(d, "_NET_WM_STATE_FULLSCREEN", False);
        e.xclient.data.l[2] = 0;
        e.xclient.data.l[3] = NET_WM_SOURCE_APPLICATION;
        XSendEvent(d, DefaultRootWindow(d), False,
                   SubstructureRedirectMask | SubstructureNotifyMask, &e);
        XFlush(d);
        sent = 0;
    }
    XUNLOCK();
    return sent;
}

#define SETTLE_MS 100     // a window manager's round trips, and the events they bring

void xwindow_settle(void)
{
    if (_xwin.display) {
        XLOCK();
        XSync(_xwin.display, False);
        XUNLOCK();
    }
    rest(SETTLE_MS);
}

// ---------------------------------------------------------------- errors
// Xlib calls the handlers from whichever thread met the error, with the
// display locked, and no request may be made from inside them.  An X error
// is noted here (what it was, for the message) and the main thread ends the
// game through critical_error at its next frame, which closes the window
// and releases everything as for any fatal error.
static volatile sig_atomic_t x_error_noted = 0;
static char x_error_text[160];
static int x_error_request = 0, x_error_minor = 0;

static int on_x_error(Display *d, XErrorEvent *e)
{
    if (!x_error_noted) {
        XGetErrorText(d, e->error_code, x_error_text, sizeof x_error_text);
        x_error_request = e->request_code;
        x_error_minor = e->minor_code;
        x_error_noted = 1;
    }
    return 0;
}

// The X server gone (killed, the session ended): Xlib would end the process
// when this returns, from whichever thread noticed, and Allegro's own
// shutdown would wait for the display for ever.  Say so and end at once;
// top.txt is only ever replaced whole, so nothing the player has is lost.
static int on_io_error(Display *)
{
    static const char message[] = "deadeye: the connection to the X display was lost; the game ends\n";
    ssize_t n = write(STDERR_FILENO, message, sizeof message - 1);
    (void)n;
    _exit(EXIT_DISPLAY_LOST);
}

void xwindow_install_error_handlers(void)
{
    XSetErrorHandler(on_x_error);
    XSetIOErrorHandler(on_io_error);
}

void xwindow_check(void)
{
    if (x_error_noted)
        critical_error("the connection to the X display was lost: the display refused "
                       "a request of the game (%s, request %d.%d)",
                       x_error_text, x_error_request, x_error_minor);
}
