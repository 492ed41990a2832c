// close_focus.cpp -- the window's close button and its input focus.
#include "close_focus.h"

#include <allegro.h>

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
