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

// ---------------------------------------------------------------------------
// Bounded helpers for the data loaders.  Each ends the program through
// critical_error, naming the file and the fault, instead of overflowing a
// buffer or going on with a value that was never read.
#include <stddef.h>
#include <stdio.h>

// out = dir + name; a name that does not fit in `size` bytes is fatal.
void make_path(char *out, size_t size, const char *dir, const char *name);

// Reads one decimal integer; `what` names the field in the message.  A
// number that does not fit in an int is fatal (it is never wrapped).
int read_int(FILE *file, const char *path, const char *what);

// read_int, and a value outside low .. high is fatal too, naming the file,
// the field and the value.
int read_int_range(FILE *file, const char *path, const char *what, int low, int high);

// Reads one optionally signed decimal number after any white space, the way
// " %ld" would but without its undefined behaviour on overflow: a number
// beyond +-SCAN_NUMBER_LIMIT is stored as that limit.  Returns 1 when a
// number was read, 0 at the end of the file or at a word that is no number
// (its first character is left unread).
#define SCAN_NUMBER_LIMIT 1000000000000LL
int scan_number(FILE *file, long long *out);

// Reads one word of at most size - 1 characters; a longer word is fatal.
void read_word(FILE *file, char *out, size_t size, const char *path, const char *what);

// Reads one word and checks that it is `keyword`.
void expect_keyword(FILE *file, const char *path, const char *keyword);
