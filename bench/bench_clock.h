// The benchmarks' clock: real monotonic time, and a time source for the
// game's clock that never sleeps, so frame pacing does not slow a benchmark.
#ifndef BENCH_CLOCK_H
#define BENCH_CLOCK_H

#include <time.h>

static inline double now_ms(void)
{
    struct timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1000.0 + ts.tv_nsec / 1e6;
}

static inline unsigned long real_us(void) { return (unsigned long)(now_ms() * 1000.0); }
static inline void no_sleep(long) {}

#endif
