// headless.h -- the start-up of every program that runs the game's code without a display: the tools, the benchmarks, the fuzzers and the unit tests.
//
// Allegro starts without a system driver (SYSTEM_NONE): memory bitmaps,
// no window, no sound.  The one fatal hook turns critical_error into a
// HeadlessFatal exception carrying the message, so that a program can tell
// a refused file from a crash; the one fake clock replaces the game clock's
// time source.
#ifndef HEADLESS_H
#define HEADLESS_H

#include <stdexcept>

// What critical_error throws while headless_fatal_hook is installed.
struct HeadlessFatal : std::runtime_error {
    using std::runtime_error::runtime_error;
};
void headless_fatal_hook(const char *message);

// Allegro without a display at colour depth `depth`, and the fatal hook
// installed.  `program` names the program in the message when Allegro does
// not start (the process then ends with status 2).
void headless_start(const char *program, int depth = 32);

// "PROGRAM: MESSAGE" on standard error, and the process ends with status 1.
[[noreturn]] void headless_fail(const char *program, const char *message);

// headless_start, then body(argc, argv); a fatal error in it ends the
// program through headless_fail.  Returns what body returns.
int headless_main(const char *program, int (*body)(int argc, char **argv), int argc, char **argv);

// Real monotonic time in milliseconds, for measuring.
double now_ms(void);

// A time source under the program's control for the game clock.
namespace fake_clock {
// Simulated time from `start_us`: it moves only when advanced, and sleeping
// advances it (so every wait finishes at once): by `lapse` times the time
// asked for (at least 1 us), after which `after_sleep` runs, if given (it
// may fire scripted events, or stop a run that goes on too long).
void install(unsigned long start_us = 0, unsigned lapse = 1, void (*after_sleep)(void) = nullptr);
// Real time, with every sleep skipped: frame pacing never waits.
void install_real_time(void);
void uninstall(void);               // the real clock again
void advance_us(unsigned long us);
unsigned long now(void);
long slept_us(void);                // total asked for through sleep since install
long sleeps(void);                  // sleeps since install
}  // namespace fake_clock

#endif
