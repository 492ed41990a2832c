// close_focus.cpp -- the window's close button, the stop signals and the input focus.
#include "close_focus.h"

#include <allegro.h>
#include <signal.h>
#include <string.h>

volatile int close_requested = 0;
volatile int focus_lost = 0;
void (*close_handler)(void) = nullptr;

static void close_button_callback(void)
{
    close_requested = 1;
}
END_OF_STATIC_FUNCTION(close_button_callback)

void close_button_install(void)
{
    set_close_button_callback(close_button_callback);
}

void check_close(void)
{
    if (close_requested && close_handler)
        close_handler();
}

// ---------------------------------------------------------------- stopped from outside
// SIGTERM, SIGINT and SIGHUP are taken like the window's close button: the
// handler only notes the signal and raises close_requested, and the screen
// that is running leaves through boot_leave at its next frame, which ends
// the process with 128 + the signal's number.  A second signal while that
// is under way gets the signal's default action.  (Allegro's own handler,
// which would shut the library down from inside the handler, is replaced.)
volatile sig_atomic_t stop_signal = 0;

static void stop_handler(int sig)
{
    stop_signal = sig;
    close_requested = 1;
}

void install_stop_signals(void)
{
    struct sigaction sa;
    memset(&sa, 0, sizeof sa);
    sa.sa_handler = stop_handler;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESETHAND | SA_RESTART;
    static const int stop_signals[] = {SIGTERM, SIGINT, SIGHUP};
    for (int sig : stop_signals)
        sigaction(sig, &sa, nullptr);
}
