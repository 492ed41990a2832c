// criterr.h -- the one way out when something cannot go on.
//
// Every loader of the game and the start-up code end the program here when a
// file is missing or broken or the display cannot be opened.  The message is
// formatted with bounded functions into a fixed buffer, Allegro is shut down,
// the text is shown to the player (and written to standard error), and the
// process ends with status -1 (255).
#ifndef CRITERR_H
#define CRITERR_H

#define CRITERR_BUFFER_SIZE 1024

[[noreturn]] void critical_error(const char *format, ...)
    __attribute__((format(printf, 1, 2)));

// Tests replace the final exit so that a fatal path can be observed.  The
// hook receives the formatted message; if it returns, the process still ends.
typedef void (*critical_error_hook_t)(const char *message);
extern critical_error_hook_t critical_error_hook;

#endif
